// Components of a formula: order numbers never closed up, percentages
// rounded to four decimals with the remainder on the last row so they add
// to exactly 100, the total in the header, deleting a formula.
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "TDMFormula.h"
#include "services/Arredondamento.h"
#include "session/Sessao.h"
#include "store/InjecaoFalhas.h"
#include "store/SessaoBanco.h"

#include <cmath>

namespace {
class ComponentesFormula : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        Sess().Filial = 1;
        dm.abrir();
        ASSERT_TRUE(dm.EmitirNumeroFormula());
    }
    void componente(double quantidade) {
        ASSERT_TRUE(dm.IncluirComponente());
        dm.TFormulai.campo("Componente").definir(1001);
        dm.TFormulai.campo("QUANTIDADE").definir(quantidade);
        dm.TFormulai.gravar();
    }
    // "OrdComp=Percentual" of every component row, in order.
    QString percentuais() {
        QStringList r;
        for (dm.TFormulai.primeiro(); !dm.TFormulai.eof(); dm.TFormulai.proximo())
            r << dm.TFormulai.campo("OrdComp").texto() + "=" +
                     dm.TFormulai.campo("Percentual").texto();
        return r.join(' ');
    }
    TDMFormula dm;
};
} // namespace

TEST_F(ComponentesFormula, OrdemNaoReaproveitaNumeroDeComponenteExcluido) {
    for (double q : {1.0, 2.0, 3.0})
        componente(q);
    dm.TFormulai.localizarChave({1, "1", 2});
    dm.TFormulai.excluir();
    componente(4.0);
    EXPECT_EQ(TextoTabela("Formulai"), "1|1|1|1001|1|\n1|1|3|1001|3|\n1|1|4|1001|4|");
}

TEST_F(ComponentesFormula, PercentuaisSomamExatamenteCem) {
    struct Caso {
        std::vector<double> quantidades;
        QString percentuais;
        double total;
    } casos[] = {
        {{}, "", 0},
        {{2, 1}, "1=66.6667 2=33.3333", 3},
        {{1, 1, 1}, "1=33.3333 2=33.3333 3=33.3334", 3},
        {{0.1, 0.2}, "1=33.3333 2=66.6667", 0.3},
        {{0, 0}, "1=0 2=0", 0},
        {{5}, "1=100", 5},
    };
    for (const Caso& c : casos) {
        dm.TFormula.cancelar();
        ASSERT_TRUE(dm.ExcluirFormula());
        ASSERT_TRUE(dm.EmitirNumeroFormula());
        for (double q : c.quantidades)
            componente(q);
        ASSERT_TRUE(dm.RecalcularPercentuais());
        EXPECT_EQ(percentuais(), c.percentuais) << c.percentuais.toStdString();
        EXPECT_EQ(dm.TFormula.campo("QtdTotal").numero(), c.total);
    }
}

TEST_F(ComponentesFormula, DuzentosECinquentaECincoComponentesSomamCem) {
    for (int i = 1; i <= 255; ++i)
        componente(0.001 * ((i * 37) % 101 + 1));
    ASSERT_TRUE(dm.RecalcularPercentuais());
    qint64 soma = 0;
    int linhas = 0;
    for (dm.TFormulai.primeiro(); !dm.TFormulai.eof(); dm.TFormulai.proximo(), ++linhas) {
        const double p = dm.TFormulai.campo("Percentual").numero();
        EXPECT_EQ(p, Arredondar(4, p));
        soma += std::llround(p * 10000);
    }
    EXPECT_EQ(linhas, 255);
    EXPECT_EQ(soma, 1000000);
}

TEST_F(ComponentesFormula, FalhaAoRecalcularDesfazOComponenteEOsTotais) {
    componente(1);
    componente(1);
    ASSERT_TRUE(dm.RecalcularPercentuais());
    dm.TFormula.cancelar();
    const QString antes = TextoTabela("Formula") + "\n" + TextoTabela("Formulai");
    for (int falha : {1, 3, 5, 6}) { // the post, a share, the totals, the commit
        ASSERT_TRUE(dm.IncluirComponente());
        dm.TFormulai.campo("Componente").definir(1001);
        dm.TFormulai.campo("QUANTIDADE").definir(2);
        InjecaoFalhas::falharNaEscrita(falha);
        EXPECT_FALSE(dm.GravarComponente()) << falha;
        InjecaoFalhas::falharNaEscrita(0);
        dm.TFormulai.cancelar();
        EXPECT_EQ(TextoTabela("Formula") + "\n" + TextoTabela("Formulai"), antes) << falha;
    }
    EXPECT_EQ(dialogos->textos().value(0), "disk I/O error");
}

TEST_F(ComponentesFormula, ExcluirComponenteRedistribuiPercentuais) {
    componente(1);
    componente(1);
    ASSERT_TRUE(dm.RecalcularPercentuais());
    EXPECT_EQ(percentuais(), "1=50 2=50");
    dm.TFormulai.localizarChave({1, "1", 2});
    dm.TFormulai.excluir();
    ASSERT_TRUE(dm.RecalcularPercentuais());
    EXPECT_EQ(percentuais(), "1=100");
    EXPECT_EQ(dm.TFormula.campo("QtdTotal").numero(), 1);
}

TEST_F(ComponentesFormula, ExcluirFormulaApagaComponentesECabecalho) {
    componente(1);
    componente(2);
    dm.TFormula.gravar();
    ASSERT_TRUE(dm.ExcluirFormula());
    EXPECT_EQ(TextoTabela("Formulai"), "");
    EXPECT_EQ(TextoTabela("Formula"), "");
    EXPECT_EQ(TextoTabela("Pcpcfg"), "1||||||1");
}

TEST_F(ComponentesFormula, FormulaAbertaEmOutraEstacaoNaoPerdeComponentes) {
    componente(1);
    dm.TFormula.gravar();
    SessaoBanco estacao2;
    estacao2.definirAlias("Orvalo", {"PATH=C:\\EMPRESA1"});
    Tabela outra("Formula", &estacao2);
    outra.abrir();
    outra.editar();
    dialogos->responder(Resposta::Cancelar);
    EXPECT_FALSE(dm.ExcluirFormula());
    EXPECT_EQ(dialogos->textos(), QStringList{"Existe outro usuário alterando este registro"});
    EXPECT_EQ(TextoTabela("Formulai"), "1|1|1|1001|1|");
    outra.cancelar();
}
