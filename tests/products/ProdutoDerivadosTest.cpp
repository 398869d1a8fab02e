// Values shown with a product row: Classi, SaldoFisico and NomeNivel3, and
// the field widths that cut what is written into the product register.
#include "InstalacaoTeste.h"

#include "products/ProdutoDerivados.h"
#include "store/Tabela.h"

namespace {

class ProdutoDerivadosTest : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        Tabela n3("ESTNIV3");
        n3.abrir();
        for (const auto& [filial, nivel, nome] :
             {std::tuple{1, "0001", "INORGANICOS"}, std::tuple{2, "0002", "OUTRA FILIAL"}}) {
            n3.incluir();
            n3.campo("Filial").definir(filial);
            n3.campo("Nivel3").definir(nivel);
            n3.campo("DESCRIC3").definir(nome);
            n3.gravar();
        }
    }
    struct Produto {
        int codigo;
        QStringList niveis;
        double fisico, empenho1, empenho2;
    };
    void incluir(const Produto& p) {
        Tabela t("ESTPROMA");
        t.abrir();
        t.incluir();
        t.campo("Filial").definir(1);
        t.campo("Cod_Reduz").definir(p.codigo);
        for (int n = 0; n < p.niveis.size(); ++n)
            t.campo("Nivel" + QString::number(n + 1)).definir(p.niveis[n]);
        t.campo("QTD_FIS").definir(p.fisico);
        t.campo("QTD_EMP1").definir(p.empenho1);
        t.campo("QTD_EMP2").definir(p.empenho2);
        t.gravar();
    }
};

TEST_F(ProdutoDerivadosTest, ValoresDerivadosDeCadaLinha) {
    const struct {
        Produto produto;
        const char* classi;
        double saldo;
        const char* nomeNivel3;
    } casos[] = {
        // Every level at full width: 2+3+4+3+6 characters; longer codes are cut.
        {{1, {"01", "001", "0001", "001", "000001"}, 100, 30, 5},
         "010010001001000001",
         70,
         "INORGANICOS"},
        {{2, {"012", "0019", "00011", "0019", "0000019"}, 0.3, 0.1, 0},
         "010010001001000001",
         0.2,
         "INORGANICOS"},
        // Empty levels leave nothing, not spaces; committed above stock.
        {{3, {"02", "", "0001"}, 10, 12.5, 0}, "020001", -2.5, "INORGANICOS"},
        // Level 3 named only in another branch, or not at all.
        {{4, {"01", "001", "0002"}, 0, 0, 0}, "010010002", 0, ""},
        {{5, {"01", "001", "9999"}, 0, 7, 0}, "010019999", -7, ""},
        {{6, {}, 0, 0, 0}, "", 0, ""},
    };
    for (const auto& c : casos)
        incluir(c.produto);

    Tabela t("ESTPROMA");
    t.abrir();
    ProdutoDerivados d(t);
    for (const auto& c : casos) {
        ASSERT_TRUE(t.localizarChave({1, c.produto.codigo}));
        EXPECT_EQ(d.Classi(), c.classi) << c.produto.codigo;
        EXPECT_EQ(d.SaldoFisico(), c.saldo) << c.produto.codigo;
        EXPECT_EQ(d.NomeNivel3(), c.nomeNivel3) << c.produto.codigo;
    }
}

TEST_F(ProdutoDerivadosTest, TextosLongosSaoCortadosNaLarguraDoCampo) {
    const struct {
        const char* campo;
        int largura;
    } casos[] = {
        {"Nivel1", 2},   {"Nivel3", 4},     {"Nivel5", 6},   {"Nivel6", 6},   {"NOME1", 45},
        {"UNID_PAD", 3}, {"SIT_TRIBUT", 1}, {"OBSERV1", 65}, {"Formula", 10}, {"TipoItemSped", 2},
    };
    const QString longo = QString("ABCDEFGHIJ").repeated(8);
    Tabela t("ESTPROMA");
    t.abrir();
    t.incluir();
    t.campo("Filial").definir(1);
    t.campo("Cod_Reduz").definir(1);
    for (const auto& c : casos)
        t.campo(c.campo).definir(longo);
    t.gravar();
    ASSERT_TRUE(t.localizarChave({1, 1}));
    for (const auto& c : casos)
        EXPECT_EQ(t.campo(c.campo).texto(), longo.left(c.largura)) << c.campo;
}

} // namespace
