// The cost arithmetic of the cost consultation, in the money type: a
// dollar cost converted at the dollar value, the local cost with its 7 %
// surcharge, and the five prices of the branch's factors.
//
// A product or quotient step is rounded to four decimals, ties to even
// (Dinheiro); a step rounded to two decimals goes through Arredondar, so
// the process-wide rounding mode holds. Every function throws
// std::overflow_error for an amount beyond the money type.
#pragma once

#include "services/Dinheiro.h"

#include <array>

// Fator1 ... Fator5 of the branch.
using Fatores = std::array<Dinheiro, 5>;

struct PrecosCusto {
    Dinheiro reais;                 // the dollar amount at the dollar value, 4 decimals
    Dinheiro custoReais;            // "Custo Reais", 2 decimals
    std::array<Dinheiro, 5> precos; // price k = Fator k × "Custo Reais", 2 decimals
};

// A product of dollar cost `lista6`: reais = L × D; "Custo Reais" = reais
// × 1.07 to two decimals.
PrecosCusto CustoProduto(Dinheiro lista6, Dinheiro dolar, const Fatores& fatores);

// A formula component's share of the formula's dollar cost: c × p and then
// ÷ 100, each to four decimals, the result to two decimals.
Dinheiro ValorComponente(Dinheiro custo, Dinheiro percentual);

// A formula whose component values add to `valorTotal`: reais = V × D;
// "Custo Reais" = (reais × 1.07 to two decimals) + 0.30.
PrecosCusto CustoFormula(Dinheiro valorTotal, Dinheiro dolar, const Fatores& fatores);
