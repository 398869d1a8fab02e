// A unit of stock work (one product, one document) run in one multi-row
// transaction on the database of the given cursor: all of it is committed,
// or none of it.
#pragma once

#include <functional>
#include <initializer_list>

class ConjuntoDados;

// Runs `trabalho` inside a TransacaoBanco on `base`'s database and station
// and commits. When it throws, everything is rolled back, the rows left in
// edit on `cancelar` are cancelled, and once the transaction is over the
// operator is told: "Existe outro usuário alterando este registro" for a
// row locked by another station, else the store's text. Returns true when
// committed. Program faults (std::logic_error) pass through.
bool ExecutarEmTransacao(ConjuntoDados& base, std::initializer_list<ConjuntoDados*> cancelar,
                         const std::function<void()>& trabalho);

// The message of a row another station holds, shown without a question.
void AvisarRegistroBloqueado();
