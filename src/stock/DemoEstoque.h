// Demonstration stock of a new installation, for one branch: the history
// codes of every movement class (1 purchase, 2 production entry valued at
// the average, 3 inventory adjustment of class 49, 4 demonstration
// shipment of class 50, 51 sale and 52 raw-material write-off above 50),
// deposits 1 and 2, the opening balances of the month four months before
// today (Relogio), and three months of purchases, production entries,
// raw-material write-offs and sales, the paint 9001 sold by can size
// ("QT", "GL", "LT"). The month balances and average costs are made by the
// stock routines themselves, and the branch's processing dates (DATAPROCES
// and Estoqcfg.Data) go back to the first day of the earliest month, so
// those months can be recomputed.
#pragma once

#include <QString>

// REQUIRES: the branch rows, the demonstration products and parties of
// `filial` in database `banco`. A second run adds nothing. Throws
// ErroBanco on a store failure.
void CriarDemoEstoque(const QString& banco, int filial);
