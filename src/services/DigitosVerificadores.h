// Modulus-11 check digits of the Brazilian company registry number (CNPJ,
// "C.G.C." in messages) and of the individual taxpayer number (CPF).
//
// Both take digits only, exactly as stored: a masked number such as
// "11.222.333/0001-81" is refused without a message, because the first
// non-digit stops the check. Numbers made of one repeated digit pass when
// their check digits fit, as they always did.
#pragma once

#include <QString>

// True when `texto` is exactly 14 digits whose last two are the CNPJ check
// digits. A wrong number (but not a non-digit within the first 12
// characters) shows "Atenção" / "C.G.C. Invalido" through Dialogos when
// `avisar` is set.
bool ValidarCGC(const QString& texto, bool avisar);

// Same for the CPF: exactly 11 digits; the message is "CPF Invalido".
bool ValidarCPF(const QString& texto, bool avisar);
