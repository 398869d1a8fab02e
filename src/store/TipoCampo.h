// Stored field types and the description of one field.
//
// Every table is described by a list of fields in stored order. The type
// decides how a value is written (texts are cut to their size, money is kept
// with four decimals, dates as ISO text) and what a blank reads as.
#pragma once

#include <QString>
#include <QtGlobal>

enum class TipoCampo {
    Short,    // 16-bit signed integer
    Long,     // 32-bit signed integer
    Number,   // 8-byte floating point
    Money,    // fixed point, four decimals
    Texto,    // text of at most `tamanho` characters
    Data,     // calendar date, stored as "YYYY-MM-DD"
    Hora,     // time of day, stored as "HH:MM:SS.zzz"
    DataHora, // date and time, stored as "YYYY-MM-DD HH:MM:SS.zzz"
    Logico,   // true / false, stored as 1 / 0
    Memo,     // text of any length
    AutoInc,  // long assigned by the store on insertion
};

struct DefCampo {
    QString nome;
    TipoCampo tipo = TipoCampo::Texto;
    int tamanho = 0; // characters, for Texto only
    bool obrigatorio = false;
};

// What the field holds, as shown in messages: "texto de até 30 caracteres".
QString DescricaoTipo(const DefCampo& campo);

// The SQLite column type used to store a field of the given type.
const char* TipoSqlite(TipoCampo tipo);

// True for the types whose values are numbers (blank reads as 0).
bool TipoNumerico(TipoCampo tipo);

// A number as its count of ten-thousandths, the way money is kept: the
// value is scaled with four guard digits, so binary noise (2.34565 held as
// 2.3456499999...) is absorbed, and a tie goes to the even neighbour.
// False when the value is not finite or lies beyond a 64-bit count.
bool DezMilesimos(double valor, qint64& resultado);
