#include "CalculoCusto.h"

#include "services/Arredondamento.h"

namespace {
const Dinheiro Acrescimo = Dinheiro::deDezMilesimos(10700);       // 1.07
const Dinheiro AdicionalFormula = Dinheiro::deDezMilesimos(3000); // 0.30
const Dinheiro Cem = Dinheiro::deDezMilesimos(1000000);

// a × b straight to two decimals: rounding to four first could turn a
// product just below a half cent into a tie. The double carries the exact
// product well within Arredondar's guard digits.
Dinheiro produto2(Dinheiro a, Dinheiro b) {
    return Dinheiro::deNumero(Arredondar(2, a.numero() * b.numero()));
}

PrecosCusto precos(Dinheiro reais, Dinheiro custoReais, const Fatores& fatores) {
    PrecosCusto r{reais, custoReais, {}};
    for (size_t k = 0; k < fatores.size(); ++k)
        r.precos[k] = produto2(fatores[k], custoReais);
    return r;
}
} // namespace

PrecosCusto CustoProduto(Dinheiro lista6, Dinheiro dolar, const Fatores& fatores) {
    const Dinheiro reais = lista6 * dolar;
    return precos(reais, produto2(reais, Acrescimo), fatores);
}

Dinheiro ValorComponente(Dinheiro custo, Dinheiro percentual) {
    return ((custo * percentual) / Cem).arredondado2();
}

PrecosCusto CustoFormula(Dinheiro valorTotal, Dinheiro dolar, const Fatores& fatores) {
    const Dinheiro reais = valorTotal * dolar;
    return precos(reais, produto2(reais, Acrescimo) + AdicionalFormula, fatores);
}
