// Replication of the party register to the sister companies: when the
// chosen company keeps one client register for all (ClienteUnico), a saved
// party (its CLIFOR and CLIFOR2 rows) goes to every other company of the
// session's catalogue entries, as products do (ReplicacaoProduto.h): the
// other company's rows of the party are deleted, then inserted from a
// select of the own rows, naming the columns of the definition one by one.
// Each company is one transaction: a failure leaves it as it was, is
// reported with its statement ("Erro ao regravar cliente nas demais
// bases!") and the next company follows.
#pragma once

#include "products/ReplicacaoProduto.h"

#include <vector>

class SessaoBanco;

// The other companies of Sess().Empresas (the current one, by Loja, is
// skipped); none unless Sess().ClienteUnico.
std::vector<EmpresaReplicacao> EmpresasReplicacaoClifor();

// Copies the party (Sess().Filial, `codigo`). The caption is told while a
// company is written and "Cadastro de Clientes" at the end (only when
// there is some company). Returns the number of companies that failed.
int ReplicarClifor(int codigo, const LegendaReplicacao& legenda, SessaoBanco* sessao = nullptr);
