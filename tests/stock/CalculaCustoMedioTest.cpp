// The average cost over the store: the month carried from the previous
// balance through the items in movement order, what is written to items,
// balance rows and the product, the installation rules, documents without
// header, one product rolled back whole on a locked row, and a rerun that
// changes nothing.
#include "EstoqueTeste.h"

#include "stock/CalculaCustoMedio.h"
#include "store/ErroBanco.h"

namespace {

class CustoMedio : public EstoqueTeste {
protected:
    ResultadoCustoMedio Calcular(const QString& mesAno, int de, int ate) {
        return CalculaCustoMedio(mesAno, de, ate, {notai, produtos, saldos});
    }
    QString Tudo() { return Saldos() + "\n" + CustosItens(); }

    Tabela notai{"NOTAI"}, produtos{"ESTPROMA"}, saldos{"SLDPR"};
    const QDate jan5{2008, 1, 5}, jan10{2008, 1, 10}, jan15{2008, 1, 15};
};

TEST_F(CustoMedio, ExitTakesTheRunningAverageAndDepositOneSetsTheProductCost) {
    Produto(10);
    Saldo("200712", 10, 10, 100);
    Saldo("200801", 10, 0, 0);
    Nota(1, jan5, 1);
    Nota(2, jan10, 60);
    Itens({{1, jan5, 10, 10, 120}, {2, jan10, 10, 5}});

    const ResultadoCustoMedio r = Calcular("012008", 10, 10);
    EXPECT_TRUE(r.concluido);
    EXPECT_EQ(r.valor, 165);
    EXPECT_EQ(Tudo(), "200712|10||1|10|0|100\n"
                      "200801|10||1|15|0|165\n"
                      "1/1 120 11\n"
                      "2/1 55 11");
    EXPECT_EQ(CampoProduto(10, "CustoMedio"), 11);
    EXPECT_TRUE(dialogos->textos().isEmpty());

    const QString primeira = Tudo();
    Calcular("012008", 10, 10);
    EXPECT_EQ(Tudo(), primeira);
}

TEST_F(CustoMedio, ItemsOfOneDayFollowTheDocumentKeyOrder) {
    // Typed out of order: the exit (3), the second entry (2), the first (1).
    Produto(10);
    Saldo("200801", 10, 0, 0);
    Nota(3, jan5, 60);
    Nota(2, jan5, 1);
    Nota(1, jan5, 1);
    Itens({{3, jan5, 10, 5},
           {2, jan5, 10, 10, 300},
           {1, jan5, 10, 4, 100, 0, "", 1, 0, 2},
           {1, jan5, 10, 6, 100}});

    Calcular("01/2008", 10, 10);
    // 1/1 (6 for 100) and 1/2 (4 for 100), then 2/1 (10 for 300): 20 for
    // 500; the exit of 5 takes 125.
    EXPECT_EQ(Tudo(), "200801|10||1|15|0|375\n"
                      "1/1 100 16.6667\n"
                      "1/2 100 20\n"
                      "2/1 300 25\n"
                      "3/1 125 25");
}

TEST_F(CustoMedio, SizesAndDepositsAreApartAndOnlyDepositOneReachesTheProduct) {
    Produto(10, 2.5, 7);
    Saldo("200801", 10, 0, 0, "", 2);
    Saldo("200801", 10, 0, 0, "P", 1);
    Saldo("200801", 10, 0, 0, "G", 1);
    Saldo("200801", 10, 0, 0, "", 1);
    Nota(1, jan5, 1);
    Nota(2, jan10, 60);
    Nota(3, jan15, 49);
    Nota(4, jan15, 2);
    Itens({{1, jan5, 10, 4, 40, 0, "", 2},
           {1, jan5, 10, 2, 30, 0, "P", 1, 0, 2},
           {1, jan5, 10, 3, 33, 0, "", 1, 1.5, 3},
           {2, jan10, 10, 3, 0, 0, "", 1, 1.5},  // the whole stock of deposit 1
           {3, jan15, 10, 8, 0, 0, "P", 1, 0},   // class 49: neither value nor quantity
           {4, jan15, 10, 2, 0, 0, "G", 1, 0}}); // class 2 into no value: the last cost
    Calcular("012008", 10, 10);
    EXPECT_EQ(Saldos(), "200801|10||1|0|0|0\n"
                        "200801|10||2|4|0|40\n"
                        "200801|10|G|1|2|0|5\n"
                        "200801|10|P|1|2|0|30");
    EXPECT_EQ(CustosItens(), "1/1 40 10\n"
                             "1/2 30 15\n"
                             "1/3 33 11\n"
                             "2/1 33 11\n"
                             "3/1 0 0\n"
                             "4/1 5 2.5");
    // The size "P" of deposit 1 came last: 30 / 2.
    EXPECT_EQ(CampoProduto(10, "CustoMedio"), 15);
}

TEST_F(CustoMedio, ADocumentWithoutHeaderIsNamedAndSkipped) {
    Produto(10);
    Saldo("200801", 10, 0, 0);
    Nota(1, jan5, 1);
    Itens({{1, jan5, 10, 10, 100}, {7, jan15, 10, 3, 0, 0, "", 1, 0, 1, 2, 44}});
    Calcular("012008", 10, 10);
    EXPECT_EQ(dialogos->textos(), QStringList{"Nota nao cadastrada:7-2-44-15/01/2008"});
    EXPECT_EQ(Tudo(), "200801|10||1|10|0|100\n"
                      "1/1 100 10\n"
                      "7/1 0 0");
}

TEST_F(CustoMedio, InstallationRulesOnMonthsAndItems) {
    Produto(10);
    Nota(1, QDate(2002, 3, 18), 1, 1, 10, "X");
    Nota(2, QDate(2002, 3, 19), 1, 1, 10, "D");
    Itens({{1, QDate(2002, 3, 18), 10, 1, 10}, {2, QDate(2002, 3, 19), 10, 1, 30}});
    Saldo("200203", 10, 0, 0);
    Saldo("200412", 10, 5, 50); // would be recomputed to nothing
    Saldo("200312", 10, 5, 50);
    const QString antes = Saldos();

    Sess().FatModNf = 121;
    EXPECT_TRUE(Calcular("122004", 10, 10).concluido);
    EXPECT_EQ(dialogos->textos(), QStringList{"Periodo indisponível"});
    for (int fat : {74, 131}) {
        Sess().FatModNf = fat;
        Calcular("122003", 10, 10);
    }
    EXPECT_EQ(Saldos(), antes);
    EXPECT_EQ(dialogos->textos().size(), 1);

    // 101 counts nothing dated before 19/03/2002; 144 only "O" and "D".
    for (int fat : {101, 144}) {
        Sess().FatModNf = fat;
        Calcular("032002", 10, 10);
        EXPECT_EQ(Colunas("SLDPR", {"Ano_Mes", "Fisico", "Medio"}).section('\n', 0, 0),
                  "200203|1|30")
            << fat;
    }
    Sess().FatModNf = 0;
    Calcular("032002", 10, 10);
    EXPECT_EQ(Colunas("SLDPR", {"Ano_Mes", "Fisico", "Medio"}).section('\n', 0, 0), "200203|2|40");
}

TEST_F(CustoMedio, ALockedItemRollsItsProductBackAndStopsTheRun) {
    for (int p : {10, 20, 30}) {
        Produto(p);
        Saldo("200712", p, 10, 100);
        Saldo("200801", p, 10, 100);
    }
    Nota(1, jan5, 60);
    Itens({{1, jan5, 10, 2},
           {1, jan5, 20, 2, 0, 0, "", 1, 0, 2},
           {1, jan5, 20, 3, 0, 0, "", 1, 0, 3},
           {1, jan5, 30, 2, 0, 0, "", 1, 0, 4}});
    const QString antes = Tudo();

    SessaoBanco estacao2;
    estacao2.definirAlias("Orvalo", {"PATH=C:\\EMPRESA1"});
    Tabela outra("NOTAI", &estacao2);
    outra.abrir();
    ASSERT_TRUE(outra.localizarChave({1, 1, 1, 10, jan5, 3}));
    outra.editar(); // product 20's second item

    const ResultadoCustoMedio r = Calcular("012008", 10, 30);
    EXPECT_FALSE(r.concluido);
    EXPECT_EQ(dialogos->textos(), QStringList{"Existe outro usuário alterando este registro"});
    EXPECT_EQ(Tudo(), "200712|10||1|10|0|100\n"
                      "200712|20||1|10|0|100\n"
                      "200712|30||1|10|0|100\n"
                      "200801|10||1|8|0|80\n"
                      "200801|20||1|10|0|100\n"
                      "200801|30||1|10|0|100\n"
                      "1/1 20 10\n"
                      "1/2 0 0\n"
                      "1/3 0 0\n"
                      "1/4 0 0");
    EXPECT_EQ(CampoProduto(20, "CustoMedio"), 0);
    // The product row of the stopped product is free again.
    Tabela produto("ESTPROMA", &estacao2);
    produto.abrir();
    ASSERT_TRUE(produto.localizarChave({1, 20}));
    EXPECT_NO_THROW(produto.editar());
    produto.cancelar();

    outra.cancelar();
    EXPECT_TRUE(Calcular("012008", 10, 30).concluido);
    EXPECT_EQ(Tudo().section('\n', 3), "200801|10||1|8|0|80\n"
                                       "200801|20||1|5|0|50\n"
                                       "200801|30||1|8|0|80\n"
                                       "1/1 20 10\n"
                                       "1/2 20 10\n"
                                       "1/3 30 10\n"
                                       "1/4 20 10");
    EXPECT_NE(antes, Tudo());
    // Each product of the range gets its own average, not the row the
    // product cursor happened to be on.
    for (int p : {10, 20, 30})
        EXPECT_EQ(CampoProduto(p, "CustoMedio"), 10) << p;
}

} // namespace
