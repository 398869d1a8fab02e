// The list of samples for companies (a whole page against its expected
// file: the "*" customers only, costs in dollars and reais, the total) and
// its refusals, and the label sheets: the centred cells and where the four
// rows of labels fall.
#include "RelatorioFormulaTeste.h"

#include "Etiquetas.h"
#include "TfoRelAmostraparacias.h"
#include "TfoRelEtiquetas.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace {
class RelatoriosAmostraTest : public RelatorioFormulaTeste {
protected:
    void SetUp() override {
        RelatorioFormulaTeste::SetUp();
        Tabela p("ESTPROMA");
        p.abrir();
        p.localizarChave({1, 9001});
        p.editar();
        p.campo("LISTA6").definir(12.5);
        p.gravar();
        linha(
            "ESTPROMA",
            {{"Filial", 1}, {"Cod_Reduz", 9002}, {"NOME1", "ESMALTE SINTETICO"}, {"LISTA6", 3.4}});
        linha("CLIFOR",
              {{"Filial", 1}, {"Cod_Clifor", 3}, {"NOME", "CIA A"}, {"FANTASIA", "*CIA A"}});
        linha("CLIFOR",
              {{"Filial", 1}, {"Cod_Clifor", 4}, {"NOME", "CIA B"}, {"FANTASIA", "*CIA B"}});
        linha("VALORES", {{"Cod_Moeda", 1}, {"DATA", QDate(2026, 12, 4)}, {"VALOR", 5.1}});
        linha("VALORES", {{"Cod_Moeda", 1}, {"DATA", QDate(2026, 12, 5)}, {"VALOR", 5.0}});
        amostra("70", 9001, 3, QDate(2026, 12, 1), {150, 50});
        amostra("71", 9001, 1, QDate(2026, 12, 2), {10});
        amostra("72", 9002, 4, QDate(2026, 12, 6), {12.345});
        amostra("69", 9002, 3, QDate(2026, 11, 30), {1});
        janelaAmostras = std::make_unique<TfoRelAmostraparacias>();
        janelaAmostras->show();
        datas("01/12/2026", "06/12/2026", "05/12/2026");
    }

    void amostra(const QString& n, int produto, int cliente, const QDate& data,
                 const QList<double>& quantidades) {
        linha("Formula", {{"Filial", 1},
                          {"Formula", n},
                          {"Cod_Clifor", cliente},
                          {"Cod_Reduz", produto},
                          {"DataAmostra", data}});
        int ordem = 0;
        for (double q : quantidades)
            linha("Formulai", {{"Filial", 1},
                               {"Formula", n},
                               {"OrdComp", ++ordem},
                               {"Componente", 1001},
                               {"QUANTIDADE", q}});
    }
    void datas(const QString& de, const QString& ate, const QString& dolar) {
        janelaAmostras->findChild<QLineEdit*>("DataIni")->setText(de);
        janelaAmostras->findChild<QLineEdit*>("DataFim")->setText(ate);
        janelaAmostras->findChild<QLineEdit*>("DataDolar")->setText(dolar);
    }

    std::unique_ptr<TfoRelAmostraparacias> janelaAmostras;
};
} // namespace

TEST_F(RelatoriosAmostraTest, RelacaoSoDasCiasComCustoEmDolarEReais) {
    janelaAmostras->ok();
    EXPECT_EQ(dialogos->textos(), QStringList{"Confirma Emissao"});
    EXPECT_EQ(previas, QStringList{"TMP463620416666666666667.IMP|66"});
    EXPECT_EQ(QString::fromLatin1(arquivoPrevia()), esperado("amostras_cias.imp"));
    EXPECT_FALSE(janelaAmostras->isVisible());
}

TEST_F(RelatoriosAmostraTest, SemDolarNaDataOuComDataInvalidaNadaSaiImpresso) {
    const struct {
        const char* dolar;
        const char* mensagem;
    } casos[] = {
        {"06/12/2026", "Valor do dolar não cadastrado"},
        {"32/12/2026", "Data Invalida:32/12/2026"},
    };
    for (const auto& c : casos) {
        dialogos->limpar();
        datas("01/12/2026", "06/12/2026", c.dolar);
        janelaAmostras->ok();
        EXPECT_EQ(dialogos->textos(), QStringList{c.mensagem});
        EXPECT_TRUE(janelasModais.isEmpty());
        EXPECT_TRUE(previas.isEmpty());
        EXPECT_TRUE(janelaAmostras->isVisible());
    }
}

TEST_F(RelatoriosAmostraTest, CelulaCentraOTextoEmVinteCaracteres) {
    const struct {
        const char* texto;
        const char* celula;
    } casos[] = {
        {"ETIQUETA DE 18 CAR", "ETIQUETA DE 18 CAR  "},
        {"", "                    "},
        {"A", "         A          "},
        {"AZUL", "       AZUL         "},
        {"TINTA 17 LETRASXY", " TINTA 17 LETRASXY  "},
    };
    for (const auto& c : casos)
        EXPECT_EQ(CelulaEtiqueta(c.texto), c.celula) << c.texto;
}

TEST_F(RelatoriosAmostraTest, FolhaDeEtiquetasComQuatroFileirasDeQuatro) {
    CfgImpressao().LinhasUsadas = 28; // another report ran since the window chose
    ImprimirEtiquetas("ETIQUETA DE 18 CAR", "");
    const QList<QStringList> p = paginas(37);
    ASSERT_EQ(p.size(), 1);
    const QString cheia = QString("ETIQUETA DE 18 CAR  ").repeated(4);
    for (int l = 1; l <= 37; ++l) {
        const bool temTexto = l == 7 || l == 16 || l == 26 || l == 35;
        EXPECT_EQ(p[0][l - 1], temTexto ? cheia : " ") << l;
    }
}

TEST_F(RelatoriosAmostraTest, EnterPassaAoCampoSeguinteEApertaOBotao) {
    TfoRelEtiquetas janelaEtiquetas;
    auto enter = [](QWidget* w) {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    };
    auto* linha1 = janelaEtiquetas.findChild<QLineEdit*>("Linha1");
    janelaEtiquetas.show();
    QApplication::setActiveWindow(&janelaEtiquetas);
    linha1->setFocus();
    linha1->setText("AMOSTRA");
    enter(linha1);
    EXPECT_EQ(QApplication::focusWidget(), janelaEtiquetas.findChild<QLineEdit*>("Linha2"));
    auto* ok = janelaEtiquetas.findChild<QPushButton*>("OK");
    ok->setFocus();
    enter(ok);
    EXPECT_EQ(paginas(37).value(0).value(6), QString("      AMOSTRA       ").repeated(4));
}
