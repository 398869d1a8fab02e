// Demonstration rows of the stock consultations, for one branch: open
// sales documents ("VAL" vouchers, "RES" reservations and a plain order)
// and a purchase order, partly delivered, for the stock card's "Vales",
// "Pedidos" and "Compras"; this month's write-offs of the titanium
// dioxide (1001), more than one card page; the colours of the colour card; and, where the
// branch is a colour store (installation 132), the paint 9001's balances
// by colour and size and cans out on approval.
#pragma once

#include <QString>

// REQUIRES: the demonstration products and parties of `filial` in
// database `banco`. A second run adds nothing. Throws ErroBanco.
void CriarDemoConsultasEstoque(const QString& banco, int filial);
