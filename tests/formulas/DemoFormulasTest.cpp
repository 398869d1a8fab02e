// The demonstration formulas: every formula consistent with its components
// (count, total, shares adding to 100), every code naming a demonstration
// product, client, technician and tinting machine, and a second run adding
// nothing.
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "DemoFormulas.h"
#include "clifor/DemoClifor.h"
#include "products/DemoProdutos.h"

#include <cmath>

namespace {
class DemoFormulas : public InstalacaoTeste {};

bool existe(const QString& tabela, const QVariantList& chave) {
    Tabela t(tabela);
    t.abrir();
    return t.localizarChave(chave);
}
} // namespace

TEST_F(DemoFormulas, FormulasCoerentesComComponentesECadastros) {
    CriarDemoProdutos("Orvalo", 1);
    CriarDemoClifor("Orvalo", 1);
    CriarDemoFormulas("Orvalo", 1);
    const QString antes = TextoTabela("Formula") + TextoTabela("Formulai") +
                          TextoTabela("Resptec") + TextoTabela("EMBALAGE");
    CriarDemoFormulas("Orvalo", 1);
    EXPECT_EQ(TextoTabela("Formula") + TextoTabela("Formulai") + TextoTabela("Resptec") +
                  TextoTabela("EMBALAGE"),
              antes);

    Tabela f("Formula");
    f.abrir();
    Tabela fi("Formulai");
    fi.setMestre(&f, "Filial;Formula");
    fi.abrir();
    int formulas = 0, protegidas = 0;
    for (; !f.eof(); f.proximo(), ++formulas) {
        const QString n = f.campo("Formula").texto();
        protegidas += f.campo("Senha").logico();
        EXPECT_TRUE(existe("CLIFOR", {1, f.campo("Cod_Clifor").inteiro()})) << n.toStdString();
        EXPECT_TRUE(existe("ESTPROMA", {1, f.campo("Cod_Reduz").inteiro()})) << n.toStdString();
        EXPECT_TRUE(existe("Resptec", {f.campo("CodResp").inteiro()})) << n.toStdString();
        EXPECT_TRUE(existe("Matizador", {f.campo("CodMatizador").inteiro()})) << n.toStdString();
        int itens = 0;
        qint64 soma = 0;
        double total = 0;
        for (fi.primeiro(); !fi.eof(); fi.proximo(), ++itens) {
            EXPECT_TRUE(existe("ESTPROMA", {1, fi.campo("Componente").inteiro()}));
            soma += std::llround(fi.campo("Percentual").numero() * 10000);
            total += fi.campo("QUANTIDADE").numero();
        }
        EXPECT_EQ(itens, f.campo("TotalItens").inteiro()) << n.toStdString();
        EXPECT_EQ(soma, 1000000) << n.toStdString();
        EXPECT_NEAR(f.campo("QtdTotal").numero(), total, 1e-9) << n.toStdString();
    }
    EXPECT_EQ(formulas, 40);
    EXPECT_EQ(protegidas, 7);
    EXPECT_EQ(TextoTabela("Pcpcfg"), "1||||||40");
    EXPECT_EQ(TextoTabela("Matizador").count('\n'), 2);
    EXPECT_EQ(TextoTabela("EMBALAGE").count('\n'), 4);
}
