#include "TipoCampo.h"

#include <cmath>
#include <limits>

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

QString DescricaoTipo(const DefCampo& c) {
    switch (c.tipo) {
    case TipoCampo::Short:
        return "inteiro de -32768 a 32767";
    case TipoCampo::Long:
    case TipoCampo::AutoInc:
        return "inteiro de -2147483648 a 2147483647";
    case TipoCampo::Number:
        return "número";
    case TipoCampo::Money:
        return "valor com até quatro decimais";
    case TipoCampo::Data:
        return "data de 01/01/0001 a 31/12/9999";
    case TipoCampo::Hora:
        return "hora";
    case TipoCampo::DataHora:
        return "data e hora";
    case TipoCampo::Logico:
        return "lógico";
    case TipoCampo::Memo:
        return "texto";
    case TipoCampo::Texto:
        break;
    }
    return c.tamanho > 0 ? QString("texto de até %1 caracteres").arg(c.tamanho) : "texto";
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

bool DezMilesimos(double valor, qint64& resultado) {
    if (!std::isfinite(valor) || std::fabs(valor) > 1e15)
        return false;
    // Whole part and fraction apart, both exact: the fraction alone is
    // scaled to eight decimals, so the guard digits stay exact however
    // large the whole part is.
    const double inteira = std::trunc(valor);
    const __int128 x = static_cast<__int128>(inteira) * 100000000 +
                       static_cast<__int128>(std::nearbyintl((valor - inteira) * 1e8L));
    __int128 q = x / 10000;
    const __int128 resto = x % 10000;
    if (resto > 5000 || (resto == 5000 && q % 2 != 0))
        ++q;
    else if (resto < -5000 || (resto == -5000 && q % 2 != 0))
        --q;
    if (q > std::numeric_limits<qint64>::max() || q < std::numeric_limits<qint64>::min())
        return false;
    resultado = static_cast<qint64>(q);
    return true;
}
