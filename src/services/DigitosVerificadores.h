// Modulus-11 check digits of the Brazilian company registry number (CNPJ,
// "C.G.C." in messages) and of the individual taxpayer number (CPF).
//
// Both take the number exactly as stored: a masked number such as
// "11.222.333/0001-81" is refused without a message, because the first
// character outside the base's alphabet stops the check. Numbers made of
// one repeated digit pass when their check digits fit, as they always did.
//
// The CNPJ base may be alphanumeric: its 12 characters are digits or
// upper-case letters A-Z, each worth its ASCII code minus 48 ('A' = 17), so
// a numeric CNPJ keeps its old check digits. The check digits are always
// digits. A CPF is digits only.
#pragma once

#include <QString>

// True when `texto` is exactly a 12-character base followed by its two CNPJ
// check digits. A wrong number (but not a character outside 0-9/A-Z within
// the first 12) shows "Atenção" / "C.G.C. Invalido" through Dialogos when
// `avisar` is set.
bool ValidarCGC(const QString& texto, bool avisar);

// Same for the CPF: exactly 11 digits; the message is "CPF Invalido".
bool ValidarCPF(const QString& texto, bool avisar);

// The 14-character CNPJ of a 12-character base (digits or A-Z), and the
// 11-digit CPF of a 9-digit base, with their check digits appended.
// REQUIRES: the base is of that size and alphabet.
QString CompletarCNPJ(const QString& base12);
QString CompletarCPF(const QString& base9);
