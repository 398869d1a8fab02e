// The price helpers of the product register: lists 2 to 6 from list 1
// (ABNT rounding, two decimals for installation 47), the markup and sale
// price pairs of installations 150, 160, 170/175 and 171, and the price
// worksheet: net price, margin columns, wholesale index and the lists it
// writes back.
#include "ProdutoTeste.h"

#include "products/PrecosProduto.h"
#include "products/TDMCadProduto.h"
#include "services/Arredondamento.h"

namespace {

TEST(PrecosProduto, ListasDaLista1ArredondamPelaNormaABNT) {
    const struct {
        double lista1;
        std::array<double, 5> percentuais;
        int fatModNf;
        std::array<std::optional<double>, 5> listas;
    } casos[] = {
        // 2.7159 × 1.5 = 4.07385: the discarded 5 goes to the even 4.0738
        // (half-up would give 4.0739); 8.765 keeps four decimals.
        {2.7159, {50, 0, -12.35, 100, 0}, 0, {4.0738, {}, 2.3805, 5.4318, {}}},
        {10, {50, -12.35, 0, 0, 1}, 0, {15, 8.765, {}, {}, 10.1}},
        // 47 then keeps two decimals: 8.765 -> 8.76, 4.0738 -> 4.07.
        {10, {50, -12.35, 0, 0, 1}, 47, {15, 8.76, {}, {}, 10.1}},
        {2.7159, {50, 0, 0, 0, 0}, 47, {4.07, {}, {}, {}, {}}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(ListasDaLista1(c.lista1, c.percentuais, c.fatModNf), c.listas)
            << c.lista1 << "/" << c.fatModNf;
    EXPECT_EQ(ModoArredondamento(), "");
}

TEST(PrecosProduto, MarkupEPrecoDeVendaPorInstalacao) {
    const struct {
        int fatModNf;
        double custo, markup, preco; // preco from markup
        double vendido, markupDoVendido;
    } casos[] = {
        {160, 10, 35, 13.5, 12.5, 25},
        {171, 3.3333, 33.3333, 4.4444, 4.45, 33.5013},
        {170, 3.3333, 33.3333, 4.44, 4.45, 33.5},
        {175, 3.3333, 33.3333, 4.44, 4.45, 33.5},
        // 150 prices from the intermediate cost, given here as custo.
        {150, 8, 25, 10, 10, 25},
        {160, 0, 35, 0, 12.5, 0},
        {160, 10, 0, 10, 0, 0},
    };
    for (const auto& c : casos) {
        EXPECT_DOUBLE_EQ(PrecoVendaPeloMarkup(c.custo, c.markup, c.fatModNf), c.preco)
            << c.fatModNf;
        EXPECT_DOUBLE_EQ(MarkupPeloPrecoVenda(c.vendido, c.custo, c.fatModNf), c.markupDoVendido)
            << c.fatModNf;
    }
}

TEST(PrecosProduto, PrecoLiquidoDescontaEAcrescentaEmSequencia) {
    CompraPlanilha c;
    c.precoCompra = 100;
    c.descPer = 10;
    c.descVlr = 5;
    c.acrePer = 10;
    c.acrePer2 = 5;
    c.acrePer3 = 2;
    c.acreVlr1 = 2;
    c.acreVlr2 = 3;
    // 100 - 10 - 5 = 85; × 1.10 × 1.05 × 1.02 = 100.1385; + 5.
    EXPECT_DOUBLE_EQ(PrecoCompraLiquido(c), 105.1385);
    EXPECT_DOUBLE_EQ(PrecoDaMargem(105.1385, 1.2, false), 126.1662);
    EXPECT_DOUBLE_EQ(PrecoDaMargem(105.1385, 0.8, true), 131.4231);
    EXPECT_DOUBLE_EQ(PrecoDaMargem(105.1385, 0, true), 0);
}

class PrecosCadastro : public ProdutoTeste {
protected:
    void SetUp() override {
        ProdutoTeste::SetUp();
        produto(1001, "TINTA", 1,
                {{"ULTIMOCUST", 10.0}, {"CustoIntermediario", 8.0}, {"LISTA3", 7.0}});
        dm.abrir();
        ASSERT_TRUE(dm.posicionar(1001));
    }
    std::string campos(Tabela& t, const QStringList& nomes) {
        QStringList v;
        for (const QString& n : nomes)
            v << t.campo(n).texto();
        return v.join('|').toStdString();
    }
    TDMCadProduto dm;
};

TEST_F(PrecosCadastro, SairDasCaixasRecalculaOsPares) {
    ExecutarSql({"UPDATE Filial SET Percent_L2 = 50, Percent_L4 = -12.35"});
    const struct {
        int fatModNf;
        QString acao;
        std::string esperado; // LISTA1|LISTA2|LISTA6|LISTA7
    } casos[] = {
        {160, "markup", "13.5||35|20"},  {160, "markup2", "|12|35|20"},
        {160, "custo", "13.5|12|35|20"}, {160, "venda", "12.5||25|20"},
        {160, "venda2", "|12.5|35|25"},  {150, "venda", "12.5||56.25|20"},
        {0, "venda", "12.5||35|20"},     {171, "markup2", "||35|20"},
    };
    for (const auto& c : casos) {
        Sess().FatModNf = c.fatModNf;
        ASSERT_TRUE(dm.Alterar());
        Tabela& t = dm.TEstproma;
        t.campo("LISTA6").definir(35.0);
        t.campo("LISTA7").definir(20.0);
        if (c.acao == "markup")
            dm.SairMarkup(1);
        else if (c.acao == "markup2")
            dm.SairMarkup(2);
        else if (c.acao == "custo")
            dm.SairUltimoCusto();
        else {
            t.campo(c.acao == "venda" ? "LISTA1" : "LISTA2").definir(12.5);
            dm.SairPrecoVenda(c.acao == "venda" ? 1 : 2);
        }
        EXPECT_EQ(campos(t, {"LISTA1", "LISTA2", "LISTA6", "LISTA7"}), c.esperado)
            << c.fatModNf << c.acao.toStdString();
        dm.Cancelar("A");
    }

    // List 1 gives lists 2 and 4 from the branch's percentages; 3 stays.
    Sess().FatModNf = 0;
    ASSERT_TRUE(dm.Alterar());
    dm.TEstproma.campo("LISTA1").definir(10.0);
    dm.SairLista1();
    EXPECT_EQ(campos(dm.TEstproma, {"LISTA2", "LISTA3", "LISTA4", "LISTA5"}), "15|7|8.765|");
}

TEST_F(PrecosCadastro, PlanilhaCalculaMargensEDevolveAsListas) {
    for (int n = 1; n <= 7; ++n)
        linha("Margens", {{"Codigo", n}, {"Margem", 1 + 0.05 * (n + 3)}, {"Divisor", n == 7}});
    linha("Indices", {{"Codigo", 1}, {"Indice", 1.3}});
    produto(1002, "OUTRA", 1);
    linha("Precos", {{"Filial", 1}, {"Cod_Reduz", 1002}, {"PrecoCompraLiq", 50.0}});
    ASSERT_TRUE(dm.Alterar());
    ASSERT_TRUE(dm.EditarPlanilha());
    Tabela& p = dm.TPrecos;
    p.campo("PrecoCompra").definir(100.0);
    p.campo("DescPer").definir(10.0);
    p.campo("AcrePer").definir(20.0);
    p.campo("IndiceAtacado").definir(2);
    dialogos->limpar();
    EXPECT_FALSE(dm.AplicarIndiceAtacado());
    EXPECT_FALSE(dm.GravarPlanilha());
    EXPECT_EQ(mensagens(), "Índice não cadastrado!/Índice não cadastrado!");
    p.campo("IndiceAtacado").definir(1);
    ASSERT_TRUE(dm.AplicarIndiceAtacado());
    p.campo("PrecoVarejo").definir(150.0);
    ASSERT_TRUE(dm.GravarPlanilha());
    EXPECT_EQ(campos(p, {"PrecoCompraLiq", "Margem1", "Margem6", "Margem7", "PrecoAtacado"}),
              "108|129.6|156.6|72|140.4");
    // Back into lists 1 and 2 of the product being altered.
    EXPECT_EQ(campos(dm.TEstproma, {"LISTA1", "LISTA2"}), "150|140.4");

    // A margin changed recomputes its column over every row.
    ASSERT_TRUE(dm.AlterarMargem(1, 2, true));
    QStringList margem1;
    for (const QString& l : TextoTabela("Precos").split('\n'))
        margem1 << l.section('|', 1, 1) + "=" + l.section('|', 11, 11);
    EXPECT_EQ(margem1.join(' ').toStdString(), "1001=54 1002=25");
    EXPECT_EQ(campos(p, {"Margem1"}), "54");
    dialogos->limpar();
    EXPECT_FALSE(dm.AlterarMargem(2, 0, true));
    EXPECT_EQ(mensagens(), "Margem divisora não pode ser zero!");
}

} // namespace
