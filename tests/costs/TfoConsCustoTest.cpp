// The cost consultation window: the worked prices of a product and a
// formula, a typed dollar reaching both parts without touching the stored
// values, factors 0 without the branch's row, the zero-cost message with its order number, an
// unknown formula keeping the current one, the formula-number list, the refusals that close the
// window, a dollar cost saved by "Gravar" and by closing, and the scratch row never posted.
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "costs/TDMConsCusto.h"
#include "costs/TfoConsCusto.h"
#include "session/JanelaSenhaRoteirizada.h"
#include "session/Sessao.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

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

// Keys as the operator types them, so the box's validator and signals act.
void teclar(QWidget* w, const QString& texto) {
    for (const QChar c : texto) {
        QKeyEvent e(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &e);
    }
}

void tecla(QWidget* w, int tecla) {
    QKeyEvent e(QEvent::KeyPress, tecla, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

QString linhasGrade(const QTableView* grade) {
    const QAbstractItemModel* m = grade->model();
    QStringList linhas;
    for (int r = 0; r < m->rowCount(); ++r) {
        QStringList celulas;
        for (int c = 0; c < m->columnCount(); ++c)
            celulas << m->data(m->index(r, c)).toString();
        linhas << celulas.join('|');
    }
    return linhas.join('\n');
}

class ConsultaCustos : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        Sess().Filial = 1;
        senhas = std::make_unique<JanelaSenhaRoteirizada>();
        linha("Acesso", {{"Codigo", 107}, {"Conteudo", "s107"}});
        linha("Acesso", {{"Codigo", 81}, {"Conteudo", "s81"}});
        // Today is 06/12/2026: the value of 10/12 holds.
        ExecutarSql({"INSERT INTO VALORES VALUES (1, '2026-11-30', 4.9), (1, '2026-12-10', 5)"});
        linha("Pcpcfg", {{"Filial", 1},
                         {"Fator1", 2.0},
                         {"Fator2", 1.5},
                         {"Fator3", 1.8},
                         {"Fator4", 2.1},
                         {"Fator5", 2.5}});
        produto(1, 1001, "ALFA PIGMENTO", "001", 1.00);
        produto(1, 1002, "BETA RESINA", "002", 2.50);
        produto(1, 1003, "GAMA CARGA", "004", QVariant());
        produto(1, 9001, "TINTA ACRILICA", "101", 9.00);
        produto(2, 1000, "AAA DE OUTRA FILIAL", "001", 1.00);
        formula(1, "1", "AZUL", false, {{1001, 60}, {1002, 40}});
        formula(1, "10", "ROSA", false, {});
        formula(1, "2", "VERDE", true, {{1001, 100}});
        formula(1, "3", "CINZA", false, {{1001, 50}, {1003, 50}});
        formula(2, "0", "DE OUTRA FILIAL", false, {{1000, 100}});
    }
    void TearDown() override {
        janela.reset();
        dm.reset();
        senhas.reset();
        InstalacaoTeste::TearDown();
    }
    void produto(int filial, int codigo, const QString& nome, const QString& grupo,
                 const QVariant& lista6) {
        linha("ESTPROMA", {{"Filial", filial},
                           {"Cod_Reduz", codigo},
                           {"NOME1", nome},
                           {"Nivel2", grupo},
                           {"LISTA6", lista6}});
    }
    void formula(int filial, const QString& numero, const QString& cor, bool senha,
                 const QList<std::pair<int, double>>& componentes) {
        linha("Formula", {{"Filial", filial},
                          {"Formula", numero},
                          {"Cod_Reduz", 9001},
                          {"COR", cor},
                          {"Senha", senha}});
        int ordem = 0;
        for (const auto& [produto, percentual] : componentes)
            linha("Formulai", {{"Filial", filial},
                               {"Formula", numero},
                               {"OrdComp", ++ordem},
                               {"Componente", produto},
                               {"Percentual", percentual}});
    }
    // Shows the window as the menu does and lets the queued opening run;
    // the access codes asked (107, then 81) get the passwords or are
    // cancelled, in order.
    void abrir(const QList<bool>& senhasDadas = {true, true}) {
        janela.reset();
        dm = std::make_unique<TDMConsCusto>();
        janela = std::make_unique<TfoConsCusto>();
        janela->ligarModulo(*dm);
        const char* const senhasCertas[] = {"s107", "s81"};
        for (int i = 0; i < senhasDadas.size(); ++i)
            senhasDadas[i] ? senhas->confirmar(senhasCertas[i]) : senhas->cancelar();
        janela->show();
        QApplication::processEvents();
    }
    template <class T = QLineEdit> T* controle(const QString& nome, const QString& parte = {}) {
        QObject* pai = parte.isEmpty() ? janela.get() : janela->findChild<QWidget*>(parte);
        return pai->findChild<T*>(nome);
    }
    QString texto(const QString& nome, const QString& parte = {}) {
        return controle(nome, parte)->text();
    }
    // "Custo Reais | wPr1 ... wPr5" of a part, each as shown.
    QString precos(const QString& parte, const QString& prefixo) {
        QStringList r{texto("Custo Reais", parte)};
        for (int k = 1; k <= 5; ++k)
            r << texto(prefixo + QString::number(k), parte);
        return r.join('|');
    }
    QString produtoTela() {
        return controle<QComboBox>("Produto")->currentText() + " " + texto("Codigo") + " " +
               texto("Grupo") + " " + texto("Custo") + " " + precos("ParteProduto", "wPr");
    }
    QString formulaTela() {
        return texto("Formula") + " " + texto("Cor") + " " + texto("NomeProdutoFormula") + "\n" +
               linhasGrade(controle<QTableView>("Componentes")) + "\n" + texto("Valor Total") +
               " " + precos("ParteFormula", "wPrF");
    }
    QString temporarios() {
        SessaoBanco estacao2;
        estacao2.definirAlias("Orvalo", {"PATH=C:\\EMPRESA1"});
        return TextoTabela("TMPVALORES", &estacao2);
    }

    std::unique_ptr<JanelaSenhaRoteirizada> senhas;
    std::unique_ptr<TDMConsCusto> dm;
    std::unique_ptr<TfoConsCusto> janela;
};
} // namespace

TEST_F(ConsultaCustos, ProdutoEFormulaDoExemploADolarCinco) {
    abrir();
    ASSERT_TRUE(janela->isVisible());
    EXPECT_EQ(janela->windowTitle(), "Consulta de Custos");
    QStringList legendas;
    for (const auto& m : senhas->mostradas())
        legendas << m.legenda;
    EXPECT_EQ(legendas, (QStringList{"Entre com a senha 107", "Entre com a senha 81"}));
    EXPECT_EQ(texto("Dolar") + " " + controle<QLabel>("DataDolar")->text(), "5,0000 10/12/2026");
    // Products of the branch only, by name.
    auto* produtos = controle<QComboBox>("Produto");
    ASSERT_EQ(produtos->count(), 4);
    EXPECT_EQ(produtos->itemText(3), "TINTA ACRILICA");
    EXPECT_EQ(produtoTela(), "ALFA PIGMENTO 1001 001 1,0000 "
                             "      5,35|     10,70|      8,03|      9,63|     11,24|     13,38");
    EXPECT_EQ(formulaTela(), "1 AZUL TINTA ACRILICA\n"
                             "60,0000|ALFA PIGMENTO|1,0000|      0,60\n"
                             "40,0000|BETA RESINA|2,5000|      1,00\n"
                             "        1,60       8,86|     17,72|     13,29|     15,95|     18,61|"
                             "     22,15");
    EXPECT_TRUE(dialogos->mostrados().isEmpty());
    // The formula list holds the branch's numbers, protected ones too.
    EXPECT_EQ(linhasGrade(controle<QTableView>("ListaFormulas")),
              "1|TINTA ACRILICA\n10|TINTA ACRILICA\n2|TINTA ACRILICA\n3|TINTA ACRILICA");

    produtos->setCurrentIndex(1);
    EXPECT_EQ(produtoTela(), "BETA RESINA 1002 002 2,5000 "
                             "     13,38|     26,76|     20,07|     24,08|     28,10|     33,45");
    EXPECT_EQ(temporarios(), "");
    janela->close();
    EXPECT_EQ(TextoTabela("TMPVALORES"), "");
    EXPECT_FALSE(dm->aberto());
}

TEST_F(ConsultaCustos, DolarDigitadoRecalculaAsDuasPartesSemTocarOsValores) {
    abrir();
    auto* formula = controle("Formula");
    formula->selectAll();
    teclar(formula, "2");
    tecla(formula, Qt::Key_Return);
    auto* dolar = controle("Dolar");
    dolar->selectAll();
    teclar(dolar, "1x,00");
    EXPECT_EQ(dolar->text(), "1,00");
    EXPECT_EQ(controle<QLabel>("DataDolar")->text(), "Digitado");
    tecla(dolar, Qt::Key_Return);
    // One component of 100 % at 1.00 with D 1.00: 1.07 + 0.30.
    EXPECT_EQ(formulaTela(), "2 VERDE TINTA ACRILICA\n"
                             "100,0000|ALFA PIGMENTO|1,0000|      1,00\n"
                             "        1,00       1,37|      2,74|      2,06|      2,47|      2,88|"
                             "      3,43");
    EXPECT_EQ(precos("ParteProduto", "wPr"),
              "      1,07|      2,14|      1,61|      1,93|      2,25|      2,68");

    dolar->selectAll();
    teclar(dolar, "6,00");
    tecla(dolar, Qt::Key_Return);
    EXPECT_EQ(dolar->text(), "6,0000");
    EXPECT_EQ(controle<QLabel>("DataDolar")->text(), "Digitado");
    EXPECT_EQ(precos("ParteProduto", "wPr"),
              "      6,42|     12,84|      9,63|     11,56|     13,48|     16,05");
    EXPECT_EQ(precos("ParteFormula", "wPrF"),
              "      6,72|     13,44|     10,08|     12,10|     14,11|     16,80");
    EXPECT_EQ(TextoTabela("VALORES"), "1|30/11/2026|4.9\n1|10/12/2026|5");
    EXPECT_EQ(temporarios(), "");
    EXPECT_TRUE(dialogos->mostrados().isEmpty());

    // A branch without its factors row prices with factors 0.
    ExecutarSql({"DELETE FROM Pcpcfg"});
    tecla(dolar, Qt::Key_Return);
    EXPECT_EQ(precos("ParteProduto", "wPr"),
              "      6,42|      0,00|      0,00|      0,00|      0,00|      0,00");
}

TEST_F(ConsultaCustos, ComponenteSemCustoEFormulaNaoCadastrada) {
    abrir();
    auto* formula = controle("Formula");
    auto* lista = controle<QTableView>("ListaFormulas");
    formula->selectAll();
    teclar(formula, "1");
    EXPECT_TRUE(lista->isVisible());
    EXPECT_EQ(lista->currentIndex().row(), 0);
    tecla(formula, Qt::Key_Backspace);
    EXPECT_FALSE(lista->isVisible());
    teclar(formula, "3");
    EXPECT_EQ(lista->currentIndex().row(), 3);
    tecla(formula, Qt::Key_Return);
    EXPECT_FALSE(lista->isVisible());
    EXPECT_EQ(dialogos->textos(), QStringList{"Custo zerado no componente numero: 2"});
    EXPECT_EQ(formulaTela(), "3 CINZA TINTA ACRILICA\n"
                             "50,0000|ALFA PIGMENTO|1,0000|      0,50\n"
                             "50,0000|GAMA CARGA|0,0000|      0,00\n"
                             "        0,50       2,98|      5,96|      4,47|      5,36|      6,26|"
                             "      7,45");

    dialogos->limpar();
    const QString antes = formulaTela();
    formula->selectAll();
    teclar(formula, "99");
    tecla(formula, Qt::Key_Return);
    EXPECT_EQ(dialogos->textos(), QStringList{"Formula não cadastrada"});
    EXPECT_EQ(formulaTela(), antes);
}

TEST_F(ConsultaCustos, RecusasFechamAJanelaEACancelamALinhaTemporaria) {
    abrir({false});
    EXPECT_FALSE(janela->isVisible());
    EXPECT_FALSE(dm->aberto());
    EXPECT_EQ(controle<QComboBox>("Produto")->count(), 0);
    EXPECT_EQ(texto("Dolar"), "");

    abrir({true, false});
    EXPECT_FALSE(janela->isVisible());
    EXPECT_FALSE(dm->aberto());
    EXPECT_EQ(TextoTabela("TMPVALORES"), "");
    EXPECT_TRUE(dialogos->mostrados().isEmpty());

    ExecutarSql({"DELETE FROM VALORES"});
    abrir({true});
    EXPECT_FALSE(janela->isVisible());
    EXPECT_EQ(dialogos->textos(), QStringList{"Valor do dolar não cadastrado"});
    EXPECT_EQ(controle<QComboBox>("Produto")->count(), 0);
    EXPECT_EQ(senhas->mostradas().size(), 4);
}

TEST_F(ConsultaCustos, CustoAlteradoMoveAFormulaEFecharGrava) {
    abrir();
    auto* produto = controle<QComboBox>("Produto");
    auto* custo = controle("Custo");
    EXPECT_FALSE(custo->isEnabled());
    controle<QPushButton>("Alterar")->click();
    ASSERT_NE(controle<QPushButton>("Gravar"), nullptr);
    EXPECT_FALSE(produto->isEnabled());
    EXPECT_TRUE(custo->isEnabled());
    custo->selectAll();
    teclar(custo, "3");
    controle<QPushButton>("Gravar")->click();
    EXPECT_TRUE(produto->isEnabled());
    EXPECT_FALSE(custo->isEnabled());
    EXPECT_EQ(produtoTela(), "ALFA PIGMENTO 1001 001 3,0000 "
                             "     16,05|     32,10|     24,08|     28,89|     33,71|     40,13");
    // 60 % of 3.00 is 1.80: V 2.80, A 14.00, 14.98 + 0.30.
    EXPECT_EQ(formulaTela(), "1 AZUL TINTA ACRILICA\n"
                             "60,0000|ALFA PIGMENTO|3,0000|      1,80\n"
                             "40,0000|BETA RESINA|2,5000|      1,00\n"
                             "        2,80      15,28|     30,56|     22,92|     27,50|     32,09|"
                             "     38,20");

    controle<QPushButton>("Alterar")->click();
    custo->selectAll();
    teclar(custo, "2,125");
    janela->close();
    EXPECT_FALSE(janela->isVisible());
    Tabela t("ESTPROMA");
    t.abrir();
    ASSERT_TRUE(t.localizarChave({1, 1001}));
    EXPECT_EQ(t.campo("LISTA6").texto(), "2.125");
    EXPECT_EQ(TextoTabela("TMPVALORES"), "");
    EXPECT_TRUE(dialogos->mostrados().isEmpty());
}
