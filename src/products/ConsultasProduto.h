// Read-only figures and lists of one product of a branch, as the product
// register shows them: the quantity committed by open workshop orders,
// the open sales-order balance, the month's physical balance, the receipt
// items, the description-change record and the advanced search. Every
// value the operator typed is bound, never pasted into the statements.
// Each throws ErroBanco on a store failure.
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class SessaoBanco;

// Sum of Quantidade of the product's part items (TipoItem "P") of the
// branch's open service orders (Tipo "O", number below 999999, Situacao
// neither "B" nor "F"); nothing when no such item exists.
std::optional<double> EmpenhoProduto(int filial, int codigo, SessaoBanco* sessao = nullptr);

// Sum of Saldo of the branch's sales-order items (SISTEMA "0") of the
// product whose Saldo is above 0.
double SaldoPedidosAbertos(int filial, int codigo, SessaoBanco* sessao = nullptr);

// Sum of Fisico of the product's balance rows of the month ("YYYYMM").
double FisicoDoMes(int filial, int codigo, const QString& anoMes, SessaoBanco* sessao = nullptr);

// Receipt items of the product dated from `desde` whose header's history
// code is 1, in date order: supplier code and name, document number, date,
// quantity, unit cost (Vlr_Custo / Quantidade) and unit price ((BT_ICMS +
// BI_ICMS + BO_ICMS) / Quantidade), both 0 for a zero quantity; numbers
// written "###,##0.0000".
QList<QStringList> EntradasProduto(int filial, int codigo, const QDate& desde,
                                   SessaoBanco* sessao = nullptr);

// The description-change record: date and previous description per row.
QList<QStringList> LogDescricaoProduto(int filial, int codigo, SessaoBanco* sessao = nullptr);

// FILIAL, COD_REDUZ, NOME1, UNID_PAD of the branch's products whose NOME1
// holds `texto`, by name.
QList<QStringList> PesquisaAvancadaProduto(int filial, const QString& texto,
                                           SessaoBanco* sessao = nullptr);
