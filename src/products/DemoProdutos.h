// Demonstration products of a new installation, for one branch: the
// classification levels (ESTNIV1 ... ESTNIV5) and a small paint maker's
// register in ESTPROMA: raw materials (pigments, resins, solvents, bases and
// fillers) with unit, last cost, dollar cost in LISTA6, density and generic
// name (NOME3), and the finished paints made from them, the solvent-based
// ones with their UN number (Cod_Onu).
#pragma once

#include <QString>

// Inserts the rows into database `banco` for branch `filial`; rows already
// there (by key) are left as they are, so a second run adds nothing.
// Throws ErroBanco on a store failure.
void CriarDemoProdutos(const QString& banco, int filial);
