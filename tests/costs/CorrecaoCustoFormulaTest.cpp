// The formula cost correction and "Grava Custo na Lista 6": costs summed
// item by item to four decimals, formulas without a cost keeping theirs,
// other branches untouched, a missing product charging nothing, a locked
// header stopping the run with the earlier ones saved, the window's
// progress and buttons, and the list-6 update reaching every branch once.
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "costs/CorrecaoCustoFormula.h"
#include "costs/GravarCustoLista6.h"
#include "costs/TfoCorrigeCustoFormula.h"
#include "session/Sessao.h"
#include "store/InjecaoFalhas.h"

#include <QApplication>
#include <QProgressBar>
#include <QPushButton>

namespace {
using Campos = QList<std::pair<QString, QVariant>>;

void linha(const QString& tabela, const Campos& campos) {
    Tabela t(tabela);
    t.abrir();
    t.incluir();
    for (const auto& [nome, valor] : campos)
        t.campo(nome).definir(valor);
    t.gravar();
}

// "Filial|Formula|UltimoCust" per header, in key order.
QString custos() {
    Tabela t("Formula");
    t.abrir();
    QStringList r;
    for (; !t.eof(); t.proximo())
        r << t.campo("Filial").texto() + "|" + t.campo("Formula").texto() + "|" +
                 t.campo("UltimoCust").texto();
    return r.join('\n');
}

class CorrecaoCusto : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        Sess().Filial = 1;
        const std::pair<int, double> produtos[] = {
            {1, 4.00}, {2, 10.00}, {3, 0}, {4, 0.0015}, {5, 0.0025}};
        for (const auto& [codigo, custo] : produtos)
            linha("ESTPROMA", {{"Filial", 1}, {"Cod_Reduz", codigo}, {"ULTIMOCUST", custo}});
        linha("ESTPROMA", {{"Filial", 2}, {"Cod_Reduz", 1}, {"ULTIMOCUST", 4.00}});
        formula(1, "1", 1.00, {{1, 2.5}, {2, 1.2}});
        formula(1, "2", 3.33, {});
        formula(1, "3", 7.77, {{3, 5}});
        // Product 99 is not registered.
        formula(1, "4", QVariant(), {{1, 1}, {99, 5}});
        formula(1, "5", QVariant(), {{4, 0.5}, {5, 0.5}});
        formula(2, "1", 9.99, {{1, 1}});
    }
    void formula(int filial, const QString& numero, const QVariant& custo,
                 const QList<std::pair<int, double>>& componentes) {
        linha("Formula", {{"Filial", filial}, {"Formula", numero}, {"UltimoCust", custo}});
        int ordem = 0;
        for (const auto& [produto, quantidade] : componentes)
            linha("Formulai", {{"Filial", filial},
                               {"Formula", numero},
                               {"OrdComp", ++ordem},
                               {"Componente", produto},
                               {"QUANTIDADE", quantidade}});
    }
};

const char* const Corrigidos = "1|1|22\n1|2|3.33\n1|3|7.77\n1|4|4\n1|5|0.002\n2|1|9.99";
} // namespace

TEST_F(CorrecaoCusto, CustoSomaItensEmQuatroDecimaisEMantemFormulasSemCusto) {
    CorrecaoCustoFormula correcao;
    ASSERT_TRUE(correcao.abrir(1));
    EXPECT_EQ(correcao.quantidade(), 5);
    QList<int> posicoes;
    EXPECT_TRUE(correcao.executar([&](int p) { posicoes << p; }));
    EXPECT_EQ(posicoes, (QList<int>{1, 2, 3, 4, 5}));
    // 2.5 × 4.00 + 1.2 × 10.00 = 22.00; formulas 2 (no components) and 3
    // (cost 0) keep theirs; 4 charges nothing for product 99; in 5 the
    // items 0.00075 and 0.00125 go to even, 0.0008 + 0.0012.
    EXPECT_EQ(custos(), Corrigidos);
    EXPECT_TRUE(dialogos->mostrados().isEmpty());
}

TEST_F(CorrecaoCusto, CabecalhoTravadoParaAExecucaoComOsAnterioresGravados) {
    SessaoBanco estacao2;
    estacao2.definirAlias("Orvalo", {"PATH=C:\\EMPRESA1"});
    Tabela outra("Formula", &estacao2);
    outra.abrir();
    ASSERT_TRUE(outra.localizarChave({1, "4"}));
    outra.editar();

    CorrecaoCustoFormula correcao;
    ASSERT_TRUE(correcao.abrir(1));
    EXPECT_FALSE(correcao.executar());
    EXPECT_EQ(dialogos->textos(), QStringList{"Record locked by another user.\nTable: Formula"});
    EXPECT_EQ(custos(), "1|1|22\n1|2|3.33\n1|3|7.77\n1|4|\n1|5|\n2|1|9.99");

    outra.cancelar();
    EXPECT_TRUE(correcao.executar());
    EXPECT_EQ(custos(), Corrigidos);
}

TEST_F(CorrecaoCusto, JanelaMostraOProgressoECorrigeSoNoOK) {
    TfoCorrigeCustoFormula janela;
    EXPECT_EQ(janela.windowTitle(), "Corrige custo da formula");
    auto* barra = janela.findChild<QProgressBar*>("Progresso");
    janela.show();
    EXPECT_EQ(barra->maximum(), 5);
    EXPECT_EQ(barra->value(), 0);
    janela.findChild<QPushButton*>("Cancelar")->click();
    EXPECT_FALSE(janela.isVisible());
    EXPECT_EQ(custos(), "1|1|1\n1|2|3.33\n1|3|7.77\n1|4|\n1|5|\n2|1|9.99");

    janela.show();
    janela.findChild<QPushButton*>("OK")->click();
    EXPECT_EQ(barra->value(), 5);
    EXPECT_FALSE(janela.isVisible());
    EXPECT_EQ(custos(), Corrigidos);
}

TEST_F(CorrecaoCusto, Lista6VaziaRecebeOUltimoCustoEmTodasAsFiliais) {
    ExecutarSql({"UPDATE ESTPROMA SET LISTA6 = 0 WHERE Filial = 1 AND Cod_Reduz = 2",
                 "UPDATE ESTPROMA SET LISTA6 = 1.5 WHERE Filial = 1 AND Cod_Reduz = 4"});
    auto lista6 = [] {
        Tabela t("ESTPROMA");
        t.abrir();
        QStringList r;
        for (; !t.eof(); t.proximo())
            r << t.campo("LISTA6").texto();
        return r.join(' ');
    };
    const QString antes = lista6();
    ASSERT_EQ(antes, " 0  1.5  ");

    dialogos->responder(Resposta::Nao);
    EXPECT_FALSE(GravarCustoLista6());
    EXPECT_EQ(lista6(), antes);

    // A statement the store refuses changes nothing and ends on its text.
    dialogos->limpar();
    InjecaoFalhas::falharNaEscrita(1);
    EXPECT_FALSE(GravarCustoLista6());
    InjecaoFalhas::falharNaEscrita(0);
    EXPECT_EQ(dialogos->textos(), (QStringList{"Confirma atualização ?", "disk I/O error"}));
    EXPECT_EQ(lista6(), antes);

    for (int vez = 0; vez < 2; ++vez) {
        dialogos->limpar();
        EXPECT_TRUE(GravarCustoLista6());
        EXPECT_EQ(dialogos->textos(),
                  (QStringList{"Confirma atualização ?", "Processo de atualização finalizado"}));
        // Zero and set lists stay; branch 2's product is reached too.
        EXPECT_EQ(lista6(), "4 0 0 1.5 0.0025 4");
    }
}
