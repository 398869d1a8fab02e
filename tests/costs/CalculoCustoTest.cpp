// The cost arithmetic of the consultation: the worked prices of a product
// and a formula, component values to four and then two decimals, prices
// rounded once to two decimals (never first to four), and the two-decimal
// steps following the process-wide rounding mode.
#include "costs/CalculoCusto.h"
#include "services/Arredondamento.h"

#include <gtest/gtest.h>

namespace {
Dinheiro d(double v) {
    return Dinheiro::deNumero(v);
}

// "reais | Custo Reais | price 1 ... price 5" in ten-thousandths.
std::string texto(const PrecosCusto& p) {
    std::string r = std::to_string(p.reais.dezMilesimos()) + " | " +
                    std::to_string(p.custoReais.dezMilesimos()) + " |";
    for (const Dinheiro& preco : p.precos)
        r += " " + std::to_string(preco.dezMilesimos());
    return r;
}

const Fatores fatores{d(2), d(1.45), d(1.0003), d(0), d(2.2)};

TEST(CalculoCusto, PrecosDoProdutoEDaFormula) {
    const struct {
        const char* caso;
        PrecosCusto precos;
        const char* esperado;
    } casos[] = {
        // D 5.00: L 1.00 gives 5.35 and 10.70.
        {"produto", CustoProduto(d(1), d(5), fatores),
         "50000 | 53500 | 107000 77600 53500 0 117700"},
        // V 1.60 at D 5.00: 8.56 + 0.30 = 8.86, F1 gives 17.72.
        {"formula", CustoFormula(d(1.6), d(5), fatores),
         "80000 | 88600 | 177200 128500 88600 0 194900"},
        // One component of 100 % at 1.00, D 1.00: 1.07 + 0.30.
        {"formula de um componente", CustoFormula(d(1), d(1), fatores),
         "10000 | 13700 | 27400 19900 13700 0 30100"},
        // A = L × D to four decimals, ties to even: 0.00125 -> 0.0012.
        {"quatro decimais", CustoProduto(d(0.0025), d(0.5), fatores), "12 | 0 | 0 0 0 0 0"},
        // 15.4206 × 1.07 = 16.500042 -> 16.50; F3 × 16.50 = 16.504950 is
        // 16.50, where rounding to 16.5050 first would give 16.51.
        {"sem arredondar duas vezes", CustoProduto(d(15.4206), d(1), fatores),
         "154206 | 165000 | 330000 239300 165000 0 363000"},
        {"sem formula", CustoFormula(d(0), d(5), fatores), "0 | 3000 | 6000 4400 3000 0 6600"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(texto(c.precos), c.esperado) << c.caso;
}

TEST(CalculoCusto, ValorDoComponenteEmQuatroEDepoisDuasDecimais) {
    const struct {
        double custo, percentual;
        qint64 esperado;
    } casos[] = {
        {1.00, 60, 6000},      // 0.60
        {2.50, 40, 10000},     // 1.00
        {0, 100, 0},           // no dollar cost
        {0.0001, 50, 0},       // 0.00005 -> 0.0000 (ties to even)
        {0.0003, 50, 0},       // 0.00015 -> 0.0002 -> 0.00
        {0.0165, 30, 100},     // 0.495 -> 0.00495 -> 0.0050 -> 0.01, step by step
        {3.45, 10.1449, 3500}, // 34.999905 -> 34.9999 -> 0.3500 -> 0.35
        {1.65, 3.0, 500},      // 4.95 -> 0.0495 -> 0.05
    };
    for (const auto& c : casos)
        EXPECT_EQ(ValorComponente(d(c.custo), d(c.percentual)).dezMilesimos(), c.esperado)
            << c.custo << " x " << c.percentual;
}

TEST(CalculoCusto, DuasDecimaisSeguemOModoDeArredondamento) {
    // 1.50 × 1.07 = 1.605: half up gives 1.61, "ABNT 5891" the even 1.60.
    EXPECT_EQ(texto(CustoProduto(d(1.5), d(1), fatores)),
              "15000 | 16100 | 32200 23300 16100 0 35400");
    DefinirModoArredondamento(ModoABNT5891);
    EXPECT_EQ(texto(CustoProduto(d(1.5), d(1), fatores)),
              "15000 | 16000 | 32000 23200 16000 0 35200");
    DefinirModoArredondamento(QString());
}
} // namespace
