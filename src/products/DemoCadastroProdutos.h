// Demonstration rows of the product register's companion tables, for one
// branch: the NCM catalogue and each demo product's NCM and first
// supplier, the price list names and the branch's list percentages, the
// worksheet's margins ("20 %" ... "50 %") and two wholesale indexes, a
// worksheet row for each finished paint, stamps and fiscal regions of the
// paints, the size catalogue, remark lines, countries with import duties
// of the imported pigments, and an open workshop order that commits raw
// materials.
#pragma once

#include <QString>

// REQUIRES: the demonstration products of `filial` in database `banco`.
// Rows already there are left as they are. Throws ErroBanco.
void CriarDemoCadastroProdutos(const QString& banco, int filial);
