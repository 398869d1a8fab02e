// The sample label: the whole label with the formula's texts or the typed
// ones, with and without the sticker lines, the weights, a refused date,
// and the window opened by a formula save: positioned and locked, closed
// by printing, free again afterwards.
#include "RelatorioFormulaTeste.h"

#include "TfoRelRotuloFormula.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace {
QString linhaCom(std::initializer_list<std::pair<int, QString>> partes) {
    QString l(46, ' ');
    for (const auto& [coluna, texto] : partes)
        l.replace(coluna - 1, texto.size(), texto);
    return l.trimmed().isEmpty() ? " " : l;
}

class TfoRelRotuloFormulaTest : public RelatorioFormulaTeste {
protected:
    void SetUp() override {
        RelatorioFormulaTeste::SetUp();
        linha("Formula", {{"Filial", 1},
                          {"Formula", "60"},
                          {"Cod_Clifor", 1},
                          {"Cod_Reduz", 9001},
                          {"COR", "AZUL CELESTE"}});
        linha("Formula", {{"Filial", 1}, {"Formula", "5"}, {"Cod_Reduz", 1001}});
        rotulo = std::make_unique<TfoRelRotuloFormula>();
    }
    void TearDown() override {
        rotulo.reset();
        RelatorioFormulaTeste::TearDown();
    }
    template <class T> T* c(const QString& nome) { return rotulo->findChild<T*>(nome); }

    // The label as printed, from the lines given by their number.
    static QStringList rotuloEsperado(const QMap<int, QString>& linhas) {
        QStringList r;
        for (int i = 1; i <= 28; ++i)
            r << (linhas.contains(i) ? linhas[i] : " ");
        return r;
    }

    std::unique_ptr<TfoRelRotuloFormula> rotulo;
};

const QString Esc0 = QString(QChar(27)) + "0" + QString(45, ' ');
} // namespace

TEST_F(TfoRelRotuloFormulaTest, RotuloComOsTextosDaFormulaOuOsInformados) {
    struct Caso {
        const char* nome;
        bool informada;
        const char* peso; // objectName of the weight chosen
        Resposta etiqueta;
        QStringList esperado;
    } casos[] = {
        {"da formula", false, "150 gr", Resposta::Sim,
         rotuloEsperado(
             {{1, Esc0},
              {3, linhaCom({{14, "TINTA ACRILICA-60"}})},
              {4, linhaCom({{11, "AZUL CELESTE"}})},
              {7, linhaCom({{11, "150 gr"}, {21, "180 gr"}, {29, "06/12/26"}, {39, "6 MESES"}})},
              {22, linhaCom({{11, "TINTA ACRILICA-AZUL CELESTE-60"}})},
              {24, linhaCom({{11, "ZELIA TINTAS06/12/2026"}})}})},
        {"informada", true, "Outro", Resposta::Sim,
         rotuloEsperado(
             {{1, Esc0},
              {3, linhaCom({{14, "SELADOR ESPECIAL"}})},
              {4, linhaCom({{11, "AZUL MAR "}})},
              {7, linhaCom({{11, "3,6 L"}, {21, "180 gr"}, {29, "06/12/26"}, {39, "6 MESES"}})},
              {22, linhaCom({{11, "SELADOR ESPECIAL"}})},
              {24, linhaCom({{11, "ZELIA TINTAS06/12/2026"}})}})},
        {"sem etiqueta", false, "250 gr", Resposta::Nao,
         rotuloEsperado(
             {{1, Esc0},
              {3, linhaCom({{14, "TINTA ACRILICA-60"}})},
              {4, linhaCom({{11, "AZUL CELESTE"}})},
              {7, linhaCom({{11, "250 gr"}, {21, "180 gr"}, {29, "06/12/26"}, {39, "6 MESES"}})}})},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        ASSERT_TRUE(rotulo->abrir());
        rotulo->pesquisar("6");
        EXPECT_EQ(c<QLineEdit>("Descricao")->text(), "TINTA ACRILICA");
        EXPECT_EQ(c<QLineEdit>("Data")->text(), "06/12/26");
        c<QLineEdit>("BrutoTexto")->setText(" 180 gr ");
        c<QRadioButton>(caso.peso)->setChecked(true);
        EXPECT_EQ(c<QLineEdit>("OutroTexto")->isEnabled(), QString(caso.peso) == "Outro");
        c<QLineEdit>("OutroTexto")->setText("3,6 L ");
        c<QCheckBox>("Impr. descrição informada")->setChecked(caso.informada);
        if (caso.informada) {
            c<QLineEdit>("Descricao")->setText(" SELADOR ESPECIAL ");
            c<QLineEdit>("Cor")->setText("AZUL MAR ");
        }
        dialogos->limpar();
        dialogos->responder(Resposta::Sim);
        dialogos->responder(caso.etiqueta);
        rotulo->imprimir();
        EXPECT_EQ(dialogos->textos(), (QStringList{"Confirma Emissao", "Emitir etiqueta"}));
        const QList<QStringList> p = paginas(28);
        ASSERT_EQ(p.size(), 1);
        EXPECT_EQ(p[0], caso.esperado);
    }
}

TEST_F(TfoRelRotuloFormulaTest, DataInvalidaNaoImprimeNada) {
    ASSERT_TRUE(rotulo->abrir());
    for (const char* data : {"31/02/26", "29/02/27", "6/13/26", ""}) {
        dialogos->limpar();
        c<QLineEdit>("Data")->setText(data);
        rotulo->imprimir();
        EXPECT_EQ(dialogos->textos(), QStringList{"Data Invalida:" + QString(data)});
    }
    EXPECT_TRUE(janelasModais.isEmpty());
    EXPECT_TRUE(previas.isEmpty());
}

TEST_F(TfoRelRotuloFormulaTest, GravarFormulaAbreORotuloTravadoAteFechar) {
    abrirJanela();
    janela->definirAposGravar([this](const QString& n) { rotulo->abrirDoCadastro(n); });
    janela->incluir();
    componente(1001, "1");
    digitar("TotalItens", "1");
    escolher("CodResp", 1);
    escolher("Descr.", 9001);
    janela->gravar();

    ASSERT_TRUE(rotulo->isVisible());
    EXPECT_EQ(rotulo->chamada(), 1);
    EXPECT_EQ(c<QLineEdit>("Formula")->text(), "42");
    EXPECT_FALSE(c<QLineEdit>("Formula")->isEnabled());
    EXPECT_FALSE(c<QTableView>("Formulas")->isEnabled());
    EXPECT_EQ(c<QLineEdit>("Descricao")->text(), "TINTA ACRILICA");
    EXPECT_EQ(c<QLineEdit>("Data")->text(), "06/12/26");

    dialogos->responder(Resposta::Sim);
    dialogos->responder(Resposta::Nao);
    rotulo->imprimir();
    EXPECT_EQ(paginas(28).value(0).value(2), linhaCom({{14, "TINTA ACRILICA-42"}}));
    EXPECT_FALSE(rotulo->isVisible()) << "printing closes it";

    // From the menu it comes free; after another save, "Fechar" frees it.
    rotulo->show();
    EXPECT_EQ(rotulo->chamada(), 0);
    EXPECT_TRUE(c<QLineEdit>("Formula")->isEnabled());
    EXPECT_TRUE(c<QTableView>("Formulas")->isEnabled());
    rotulo->abrirDoCadastro("5");
    EXPECT_FALSE(c<QTableView>("Formulas")->isEnabled());
    EXPECT_EQ(c<QLineEdit>("Descricao")->text(), "DIOXIDO DE TITANIO");
    c<QPushButton>("Fechar")->click();
    EXPECT_FALSE(rotulo->isVisible());
    EXPECT_TRUE(c<QLineEdit>("Formula")->isEnabled());
    EXPECT_TRUE(c<QTableView>("Formulas")->isEnabled());
}
