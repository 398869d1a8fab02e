// Demonstration production data of a new installation, for one branch:
// the applications of service-order components; three service orders of
// demonstration customer orders, the first with two items sharing one
// component list; and, in the last two demonstration months, sales notes
// (type 1, history code 51 "VENDA") whose items name demonstration
// formulas (one names formula 990, which is not registered, and one note
// sells a paint without formula), ready for the raw-material write-off
// with history code 52. The sold paints' balances of those months are
// recomputed by the stock routines. Run after CriarDemoFormulas and
// CriarDemoEstoque.
#pragma once

#include <QString>

// Rows already there (by key) are left as they are, so a second run adds
// nothing. Throws ErroBanco on a store failure.
void CriarDemoProducao(const QString& banco, int filial);
