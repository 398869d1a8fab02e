// Strict reading of what the operator typed into a number or date box: a
// text is taken only when the whole of it reads as one value, so "12.5",
// "0.12" or "1,25x" are refused rather than read as 12, 0 or 1,25.
//
//   integers  optional sign and digits only ("-12", "007")
//   numbers   Brazilian form: optional sign, digits, decimal comma;
//             thousands dots only where they group three digits
//             ("1.234,5", "1234,5", ",5", "12," are taken; "12.5",
//             "1.23" and "1.2345" are not)
//   dates     day/month/four-digit year, a real calendar date
//
// Blank text is a blank (null) value. Other field types take the text as
// it is: the store checks them.
#pragma once

#include "store/TipoCampo.h"

#include <QString>
#include <QVariant>

struct LeituraDigitada {
    bool ok = false;
    QVariant valor;   // the value to write (invalid for a blank)
    QString mensagem; // when !ok: the message for the operator
};

// `campo` names the field in the range message of short and long fields.
LeituraDigitada LerDigitado(TipoCampo tipo, const QString& texto, const QString& campo = QString());

// True for the types read as numbers (integers, numbers, money).
bool TipoDigitadoNumerico(TipoCampo tipo);
