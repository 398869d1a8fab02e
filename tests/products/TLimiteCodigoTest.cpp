// The window "Intervalo de Codigos": row captions of each installation,
// the numbers in "%6d", no row chosen on opening, and "PRÓXIMO" after a
// row is chosen.
#include "products/TLimiteCodigo.h"
#include "session/Sessao.h"

#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

TEST(TLimiteCodigo, LegendasDasLinhasPorInstalacao) {
    const QString padrao =
        "Clientes|Vendedores|Fornecedores|Transportadoras|Bancos|Credores Diversos";
    const struct {
        int fatModNf;
        QString legendas;
    } casos[] = {
        {0, padrao},
        {1, padrao},
        {51, "Clientes|Vendedores|Fornecedores|Transportadoras|Bancos|Clientes à Vista"},
        {142, "Clientes|Vendedores|Fornecedores|Transportadoras|Bancos|Clientes à Vista"},
        {167, "Clientes|Vendedores|Fornecedores|Transportadoras|Bancos|Clientes à Vista"},
        {145, "Clientes|Vistoriadores|Fornecedores|Transportadoras|Seguradoras|Corretoras"},
        {97, "Clientes|Vistoriadores|Fornecedores|Transportadoras|Seguradoras|Corretoras"},
        {132, "Clientes|Vendedores|Fornecedores|Transportadoras|Agências Publicidade|"
              "Clientes Atacado"},
        {277, "Clientes|Vendedores|Fornecedores|Transportadoras|Agências Publicidade|"
              "Clientes Atacado"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(LegendasIntervalos(c.fatModNf).join('|'), c.legendas) << c.fatModNf;
}

class JanelaLimiteCodigo : public ::testing::Test {
protected:
    void SetUp() override { Sessao::Reiniciar(); }
    void TearDown() override { Sessao::Reiniciar(); }

    QString linha(const QString& sufixo) {
        QStringList l;
        for (const char* p : {"Cod_Ini", "Cod_Fim", "UltCod_"})
            l << janela.findChild<QLineEdit*>(p + sufixo)->text();
        return l.join('|');
    }
    QString proximo() { return janela.findChild<QLineEdit*>("PRÓXIMO")->text(); }
    bool algumaEscolhida() {
        for (QRadioButton* r : janela.findChildren<QRadioButton*>())
            if (r->isChecked())
                return true;
        return false;
    }

    const FaixasCodigo faixas{{{1, 4999, 3},
                               {5000, 5099, 5001},
                               {5100, 6999, 0},
                               {7100, 7999, 7999},
                               {7000, 7099, 7001},
                               {123456, 999999, 123456}}};
    TLimiteCodigo janela;
};

TEST_F(JanelaLimiteCodigo, NumerosEmSeisPosicoesENenhumaLinhaEscolhida) {
    janela.preparar(faixas);
    EXPECT_EQ(janela.windowTitle(), "Intervalo de Codigos");
    EXPECT_EQ(linha("Cli"), "     1|  4999|     3");
    EXPECT_EQ(linha("Ven"), "  5000|  5099|  5001");
    EXPECT_EQ(linha("For"), "  5100|  6999|     0");
    EXPECT_EQ(linha("Tra"), "  7100|  7999|  7999");
    EXPECT_EQ(linha("Ban"), "  7000|  7099|  7001");
    EXPECT_EQ(linha("Div"), "123456|999999|123456");
    EXPECT_FALSE(algumaEscolhida());
    EXPECT_EQ(proximo(), "");
}

TEST_F(JanelaLimiteCodigo, EscolherLinhaMostraOProximoCodigo) {
    janela.preparar(faixas);
    const struct {
        const char* legenda;
        const char* proximo;
    } casos[] = {
        {"Clientes", "4"},        {"Vendedores", "5002"},
        {"Fornecedores", "5100"}, // nothing handed out yet: the first code
        {"Transportadoras", ""},  // used up
        {"Bancos", "7002"},       {"Credores Diversos", "123457"},
    };
    for (const auto& c : casos) {
        QRadioButton* r = janela.findChild<QRadioButton*>(c.legenda);
        ASSERT_NE(r, nullptr) << c.legenda;
        r->click();
        EXPECT_TRUE(r->isChecked());
        EXPECT_EQ(proximo(), c.proximo) << c.legenda;
    }

    // Shown again, for another installation: fresh captions, nothing chosen.
    Sess().FatModNf = 145;
    janela.preparar(faixas);
    EXPECT_FALSE(algumaEscolhida());
    EXPECT_EQ(proximo(), "");
    EXPECT_EQ(janela.findChild<QRadioButton*>("Clientes"), janela.findChildren<QRadioButton*>()[0]);
    janela.findChild<QRadioButton*>("Seguradoras")->click();
    EXPECT_EQ(proximo(), "7002");
    EXPECT_EQ(janela.proximo(), "7002");
    EXPECT_EQ(janela.findChild<QRadioButton*>("Bancos"), nullptr);
}

} // namespace
