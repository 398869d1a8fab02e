// Deletion of a party of a branch with everything that hangs from it.
//
// A party named by a stock document, an order, a formula or a service
// order cannot go: those rows are listed joined with their party and would
// vanish from every list. Otherwise the party and its personal complement,
// children, contact persons, remark lines, sellers per product group,
// services, further addresses and e-mail contacts go in one transaction;
// the renewal and fiscal change records stay for the fiscal files.
#pragma once

#include <QString>
#include <QStringList>

class SessaoBanco;

// True when a stock document (NOTAS), an order (PDCPS), a formula
// (Formula) or a service order (OS) of the branch names the party.
bool CliforTemMovimento(int filial, int codigo, SessaoBanco* sessao = nullptr);

// The companion tables deleted with a party and the column naming the
// party in each ("Tabela.Coluna"), in deletion order.
const QStringList& TabelasDoClifor();

// Deletes the party (`filial`, `codigo`) and its companion rows in one
// transaction, the party's row last. Throws ErroBanco (nothing deleted).
void ExcluirCliforDaFilial(int filial, int codigo, SessaoBanco* sessao = nullptr);
