#include "TipoCampo.h"

const char* TipoSqlite(TipoCampo tipo) {
    switch (tipo) {
    case TipoCampo::Short:
        return "SMALLINT";
    case TipoCampo::Long:
        return "INTEGER";
    case TipoCampo::Number:
        return "DOUBLE";
    case TipoCampo::Money:
        return "MONEY";
    case TipoCampo::Texto:
        return "VARCHAR";
    case TipoCampo::Data:
        return "DATE";
    case TipoCampo::Hora:
        return "TIME";
    case TipoCampo::DataHora:
        return "TIMESTAMP";
    case TipoCampo::Logico:
        return "BOOLEAN";
    case TipoCampo::Memo:
        return "CLOB";
    case TipoCampo::AutoInc:
        return "AUTOINC";
    }
    return "VARCHAR";
}

bool TipoNumerico(TipoCampo tipo) {
    switch (tipo) {
    case TipoCampo::Short:
    case TipoCampo::Long:
    case TipoCampo::Number:
    case TipoCampo::Money:
    case TipoCampo::AutoInc:
        return true;
    default:
        return false;
    }
}
