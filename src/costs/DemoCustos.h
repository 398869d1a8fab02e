// Demonstration cost data of a new installation: the currencies 1 DOLAR,
// 2 EURO and 3 REAL, a dollar value for each of the 60 days before today
// (Relogio), the branch's five price factors, a raw material without a
// dollar cost (LISTA6 empty), one whose dollar cost is 0, and formula 37
// made with both (the formula counter raised to it). Run after the
// products and formulas of the demonstration, whose codes it names.
#pragma once

#include <QString>

// Inserts the rows into database `banco`, the factors for branch `filial`;
// rows already there (by key) are left as they are and factors already
// set are kept, so a second run adds nothing. Throws ErroBanco on a store
// failure.
void CriarDemoCustos(const QString& banco, int filial);
