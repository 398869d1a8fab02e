// Component substitution: a raw material replaced by another in every
// component row of every formula of every branch, quantities, percentages
// and totals left as they are.
#pragma once

#include <QString>
#include <optional>

class SessaoBanco;

// Nome1 of a product with that code, in any branch; nothing when the code
// has none. The code is bound, never pasted into the statement. Throws
// ErroBanco.
std::optional<QString> NomeComponente(int codigo, SessaoBanco* sessao = nullptr);

// Sets Componente = `destino` on every Formulai row whose Componente is
// `origem`, all in one transaction: a row another station holds, or any
// store failure, changes nothing and shows its message. Returns the number
// of rows changed, or -1 after the message.
int SubstituirComponentes(int origem, int destino, SessaoBanco* sessao = nullptr);
