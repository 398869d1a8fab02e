// The average-cost replay of one item: every branch of the entry and exit
// rules, the whole-stock exit without residue, the month-end row, and the
// truncation of stored quantities.
#include "AuxiliaresTeste.h"

#include "stock/SaldoCustoMedio.h"

#include <gtest/gtest.h>

namespace {

Dinheiro d(double v) {
    return Dinheiro::deNumero(v);
}

struct Caso {
    const char* nome;
    double V, Q;                                     // stock before
    double ultimo, medioProduto;                     // product costs
    int P;                                           // movement class
    double quantidade, custoInf, vlrCusto, vlrMedio; // item before
    double esperadoV, esperadoQ, esperadoCusto, esperadoMedio;
};

TEST(SaldoCustoMedio, EachClassMovesStockAndItemAsItsRuleSays) {
    const Caso casos[] = {
        {"entrada soma custo e media", 100, 10, 0, 0, 1, 10, 0, 120, 0, 220, 20, 120, 11},
        {"custo informado substitui", 0, 0, 0, 0, 1, 4, 50, 40, 0, 50, 4, 50, 12.5},
        {"entrada com saldo negativo", -30, 5, 0, 0, 1, 5, 0, 10, 0, -20, 10, 10, 0},
        {"classe 2 sem valor usa ultimo custo", 0, 0, 3, 2.5, 2, 4, 0, 7, 0, 12, 4, 12, 3},
        {"classe 2 sem ultimo usa custo medio", 0, 0, 0, 2.5, 2, 4, 0, 7, 0, 10, 4, 10, 2.5},
        {"classe 2 pela media corrente", 100, 10, 3, 0, 2, 5, 0, 7, 0, 150, 15, 50, 10},
        {"classe 2 com quantidade negativa", 30, -2, 3, 0, 2, 5, 0, 7, 9, 0, 3, 7, 0},
        {"classe 49 nao toca", 100, 10, 0, 0, 49, 5, 0, 7, 9, 100, 10, 7, 9},
        {"classe 50 nao toca", 100, 10, 0, 0, 50, 5, 0, 7, 9, 100, 10, 7, 9},
        {"saida pela media", 10, 3, 0, 0, 60, 1, 0, 0, 0, 6.6667, 2, 3.3333, 3.3333},
        {"saida do estoque inteiro sem residuo", 10, 3, 0, 0, 60, 3, 0, 0, 0, 0, 0, 10, 3.3333},
        {"saida sem quantidade deixa o item", 10, 0, 0, 0, 60, 2, 0, 7, 9, 10, -2, 7, 9},
        {"saida inteira de estoque zerado", 10, 0, 0, 0, 60, 0, 0, 7, 9, 0, 0, 10, 9},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        SaldoCustoMedio s;
        s.V = d(c.V);
        s.Q = d(c.Q);
        s.ultimoCusto = d(c.ultimo);
        s.custoMedio = d(c.medioProduto);
        ItemCustoMedio i;
        i.param = c.P;
        i.quantidade = d(c.quantidade);
        i.quantidadeTruncada = DezMilesimosTruncados(c.quantidade);
        i.custoInformado = d(c.custoInf);
        i.vlrCusto = d(c.vlrCusto);
        i.vlrMedio = d(c.vlrMedio);
        s.aplicar(i);
        EXPECT_EQ(s.V, d(c.esperadoV)) << s.V.numero();
        EXPECT_EQ(s.Q, d(c.esperadoQ)) << s.Q.numero();
        EXPECT_EQ(i.vlrCusto, d(c.esperadoCusto)) << i.vlrCusto.numero();
        EXPECT_EQ(i.vlrMedio, d(c.esperadoMedio)) << i.vlrMedio.numero();
    }
}

TEST(SaldoCustoMedio, ThreeExitsOfAThirdLeaveNoValueBehind) {
    SaldoCustoMedio s;
    s.V = d(100);
    s.Q = d(3);
    Dinheiro saidas;
    for (int n = 0; n < 3; ++n) {
        ItemCustoMedio i;
        i.param = 60;
        i.quantidade = d(1);
        i.quantidadeTruncada = 10000;
        s.aplicar(i);
        saidas += i.vlrCusto;
    }
    EXPECT_EQ(saidas, d(100)); // 33.3333 + 33.3334 + 33.3333
    EXPECT_TRUE(s.V.ehZero());
}

TEST(SaldoCustoMedio, AStockEndingAtZeroKeepsNoValueNorSecondUnit) {
    SaldoCustoMedio s;
    s.V = d(12.5);
    s.Q2 = d(3);
    const FechamentoSaldo f = s.fechamento();
    EXPECT_TRUE(f.medio.ehZero() && f.fisico.ehZero() && f.fisico2.ehZero());
    s.Q = d(-1);
    EXPECT_EQ(s.fechamento().medio, d(12.5));
}

TEST(SaldoCustoMedio, QuantitiesAreTruncatedAfterTheirNoise) {
    const struct {
        double valor;
        qint64 esperado;
    } casos[] = {{1.0005, 10005},   {5.00007, 50000},    {-1.00057, -10005},
                 {0.1 + 0.2, 3000}, {2.99999999, 29999}, {123456.7891, 1234567891}};
    for (const auto& c : casos)
        EXPECT_EQ(DezMilesimosTruncados(c.valor), c.esperado) << c.valor;
}

} // namespace
