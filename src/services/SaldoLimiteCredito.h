// The part of a client's credit limit in use: the open amount of its
// receivable titles ("Duplicat", system "0") of the current branch that
// fall due after the start of its current limit (DtIniLimAt; none counts
// every title), net of the write-offs whose history (Histcc) has type "1".
#pragma once

#include "Dinheiro.h"

class SessaoBanco;

// The amount in use by client `cliente` of the session's branch, leaving
// out the titles of invoice `notaExcluida` (the invoice being edited; 0
// leaves nothing out). A write-off whose history is unknown resets its
// title's open amount to 0 at that point and is listed afterwards in
// "Historico baixa duplicata não cadastrado:"; a store error gives 0 and
// "Erro ao ler saldo limite crédito cliente\fornecedor!" with its text.
Dinheiro SaldoLimiteCredito(int cliente, int notaExcluida, SessaoBanco* sessao = nullptr);
