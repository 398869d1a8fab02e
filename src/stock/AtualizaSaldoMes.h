// Monthly balance recomputation: the physical month-end balance of one
// product, size and deposit is the previous month's row of SLDPR plus the
// month's entries and minus its exits (NOTAI items classified by their
// header's history code: Param_Hist below 50 enters, above 50 leaves, 50
// is ignored). Fisico and Fisico2 of the month's row are rewritten, the
// row is created when missing; Medio, Financeiro and Dolar are kept.
//
// The whole call is one transaction: a row locked by another station, or
// a store failure, leaves nothing written (not even a new month row) and
// shows its message once the transaction is over. Unless FatModNf is 135,
// 144 or 167 a small "Andamento..." window follows the items.
#pragma once

#include <QString>

class TDMAS;
class Tabela;

// `anoMes` "YYYYMM"; an empty `tamanho` is the item without size. The
// caller's cursors on SLDPR and ESTPROMA are left on the rows written.
// With `copiarParaProduto` the new quantity also goes to the product's
// QTD_FIS. Items without header are skipped; an item whose history row is
// missing counts as an entry. Returns true when the rows were written.
// Without `mostrarAndamento` no window is shown whatever the installation
// (the demonstration builds its balances so).
bool AtualizaSaldoMes(TDMAS& dm, Tabela& saldos, Tabela& produtos, const QString& anoMes,
                      int produto, const QString& tamanho, int deposito, bool copiarParaProduto,
                      bool mostrarAndamento = true);
