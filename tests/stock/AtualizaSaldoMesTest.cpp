// The monthly physical balance: the previous month's row plus the month's
// items by their header's class, only the given size and deposit, items
// without header or history, the copy to the product, the installation
// rules, and a locked row that leaves nothing written.
#include "EstoqueTeste.h"

#include "stock/AtualizaSaldoMes.h"
#include "stock/TDMAS.h"

namespace {

class SaldoMes : public EstoqueTeste {
protected:
    bool Atualizar(const QString& anoMes, int produto, const QString& tamanho = QString(),
                   int deposito = 1, bool copiar = false) {
        return AtualizaSaldoMes(dm, saldos, produtos, anoMes, produto, tamanho, deposito, copiar);
    }
    TDMAS dm;
    Tabela saldos{"SLDPR"}, produtos{"ESTPROMA"};
    const QDate jan{2008, 1, 20};
};

TEST_F(SaldoMes, JanuaryStartsFromDecemberAndAMonthWithoutItemsKeepsIt) {
    Saldo("200712", 10, 7, 70, "", 1, 2);
    EXPECT_TRUE(Atualizar("200801", 10));
    EXPECT_TRUE(Atualizar("200801", 20)); // neither a previous row nor items
    EXPECT_EQ(Saldos(), "200712|10||1|7|2|70\n"
                        "200801|10||1|7|2|\n"
                        "200801|20||1|0|0|");
    EXPECT_EQ(Colunas("SLDPR", {"Financeiro", "Dolar"}).section('\n', 1), "0|0\n0|0");
}

TEST_F(SaldoMes, ItemsCountByClassOnlyForTheirSizeAndDeposit) {
    for (int n : {1, 2, 3, 4, 5, 6})
        Nota(n, jan, QList<int>{1, 2, 49, 50, 60, 77}[n - 1]); // 77 has no history row
    Itens({{1, jan, 10, 10, 0, 0, "", 1, 1},
           {2, jan, 10, 5},
           {3, jan, 10, 3},
           {4, jan, 10, 100},
           {5, jan, 10, 4, 0, 0, "", 1, 0.5},
           {6, jan, 10, 2},                       // missing history: an entry
           {9, jan, 10, 7},                       // missing header: skipped
           {1, jan, 10, 50, 0, 0, "P", 1, 0, 2},  // another size
           {1, jan, 10, 60, 0, 0, "", 2, 0, 3}}); // another deposit
    Saldo("200801", 10, 1, 33);
    Saldo("200801", 10, 9, 9, "", 2);
    Saldo("200801", 10, 9, 9, "P");

    EXPECT_TRUE(Atualizar("200801", 10));
    const QString esperado = "200801|10||1|16|0.5|33\n"
                             "200801|10||2|9|0|9\n"
                             "200801|10|P|1|9|0|9";
    EXPECT_EQ(Saldos(), esperado);
    EXPECT_TRUE(Atualizar("200801", 10));
    EXPECT_EQ(Saldos(), esperado);

    // Size "P" and the empty size are different rows.
    EXPECT_TRUE(Atualizar("200801", 10, "P"));
    EXPECT_EQ(Saldos().section('\n', 2), "200801|10|P|1|50|0|9");
}

TEST_F(SaldoMes, TheNewQuantityGoesToTheProductWhenAsked) {
    Produto(10);
    Nota(1, jan, 1);
    Itens({{1, jan, 10, 12.5}});
    EXPECT_TRUE(Atualizar("200801", 10));
    EXPECT_EQ(CampoProduto(10, "QTD_FIS"), 0);
    EXPECT_TRUE(Atualizar("200801", 10, QString(), 1, true));
    EXPECT_EQ(CampoProduto(10, "QTD_FIS"), 12.5);
}

TEST_F(SaldoMes, ALockedRowLeavesNothingWritten) {
    Produto(10);
    Nota(1, jan, 1);
    Itens({{1, jan, 10, 4}});
    SessaoBanco estacao2;
    estacao2.definirAlias("Orvalo", {"PATH=C:\\EMPRESA1"});
    Tabela produto("ESTPROMA", &estacao2);
    produto.abrir();
    produto.editar();

    // Before, the new zero row of the month stayed behind.
    EXPECT_FALSE(Atualizar("200801", 10, QString(), 1, true));
    EXPECT_EQ(Saldos(), "");
    EXPECT_EQ(dialogos->textos(), QStringList{"Existe outro usuário alterando este registro"});
    produto.cancelar();

    Saldo("200801", 10, 1, 1);
    Tabela saldo("SLDPR", &estacao2);
    saldo.abrir();
    saldo.editar();
    EXPECT_FALSE(Atualizar("200801", 10));
    EXPECT_EQ(Saldos(), "200801|10||1|1|0|1");
    saldo.cancelar();
    EXPECT_TRUE(Atualizar("200801", 10));
    EXPECT_EQ(Saldos(), "200801|10||1|4|0|1");
}

TEST_F(SaldoMes, InstallationRules) {
    const QDate d30{2003, 12, 30}, d31{2003, 12, 31};
    Nota(1, d30, 1, 1, 10, "D");
    Nota(2, d31, 1, 1, 10, "X");
    Nota(3, d31, 60, 1, 11, "O");
    Itens({{1, d30, 10, 1}, {2, d31, 10, 10}, {3, d31, 10, 15, 0, 0, "", 1, 0, 1, 1, 11}});
    const struct {
        int fatModNf;
        const char* fisico;
    } casos[] = {{0, "-4"}, {131, "-5"}, {144, "-14"}, {73, "-4"}};
    for (const auto& c : casos) {
        Sess().FatModNf = c.fatModNf;
        dialogos->limpar();
        EXPECT_TRUE(Atualizar("200312", 10));
        EXPECT_EQ(Colunas("SLDPR", {"Fisico"}), c.fisico) << c.fatModNf;
        EXPECT_EQ(dialogos->textos(),
                  c.fatModNf == 73 ? QStringList{"Produto sem saldo:        -4,00"} : QStringList())
            << c.fatModNf;
    }
}

} // namespace
