// Demonstration markups of a branch: "REVENDA PADRAO", "ATACADO" and
// "CONSTRUTORAS", codes 1 to 3, made on today's date (Relogio).
#pragma once

#include <QString>

// Inserts the markups of `filial` into database `banco`; codes already
// there are left as they are. Throws ErroBanco on a store failure.
void CriarDemoMarkup(const QString& banco, int filial);
