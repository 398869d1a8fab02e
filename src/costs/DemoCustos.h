// Demonstration cost data of a new installation: the currencies 1 DOLAR,
// 2 EURO and 3 REAL, a dollar value for each of the 60 days before today
// (Relogio), and the branch's five price factors.
#pragma once

#include <QString>

// Inserts the rows into database `banco`, the factors for branch `filial`;
// rows already there (by key) are left as they are and factors already
// set are kept, so a second run adds nothing. Throws ErroBanco on a store
// failure.
void CriarDemoCustos(const QString& banco, int filial);
