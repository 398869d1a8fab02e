// The formula consultation: each filter alone and the companies, the
// period, the joins that leave out formulas without a registered customer,
// the choosers' enabling, and the two refusals.
#include "JanelaFormulaTeste.h"

#include "TfoConsFormula.h"
#include "services/ModeloLinhas.h"

#include <QCheckBox>

namespace {
class TfoConsFormulaTest : public JanelaFormulaTeste {
protected:
    void SetUp() override {
        JanelaFormulaTeste::SetUp();
        linha("CLIFOR",
              {{"Filial", 1}, {"Cod_Clifor", 3}, {"NOME", "CIA A"}, {"FANTASIA", "*CIA A"}});
        linha("Matizador", {{"Codigo", 1}, {"Nome", "DOSADORA"}});
        linha("Matizador", {{"Codigo", 2}, {"Nome", "BALCAO"}});
        produto(9002, "ESMALTE", "102", "1");
        // number, customer, product, colour, origin, machine, date
        cadastrar("12", 1, 9001, "AZUL", "CLIENTE", 1, QDate(2026, 12, 1));
        cadastrar("3", 3, 9002, "AZUL", "REPRESENTA", 2, QDate(2026, 12, 2));
        cadastrar("25", 2, 9001, "VERDE", "REPRESENTA", 1, QDate(2026, 12, 3));
        cadastrar("4", 3, 9001, "AZUL", "CLIENTE", 2, QDate(2026, 12, 4));
        cadastrar("7", 77, 9001, "AZUL", "CLIENTE", 1, QDate(2026, 12, 4)); // no customer
        cadastrar("8", 1, 9001, "AZUL", "CLIENTE", 1, QDate(2026, 11, 30)); // before
        linha("Formula", {{"Filial", 2},
                          {"Formula", "9"},
                          {"Cod_Clifor", 1},
                          {"Cod_Reduz", 9001},
                          {"DATACAD", QDate(2026, 12, 2)}});
        Sess().Filial = 1;
        janelaCons = std::make_unique<TfoConsFormula>();
        ASSERT_TRUE(janelaCons->abrir());
        periodo("01/12/2026", "06/12/2026");
    }

    void cadastrar(const QString& n, int cliente, int produto, const QString& cor,
                   const QString& origem, int matizador, const QDate& data) {
        linha("Formula", {{"Filial", 1},
                          {"Formula", n},
                          {"Cod_Clifor", cliente},
                          {"Cod_Reduz", produto},
                          {"COR", cor},
                          {"Origem", origem},
                          {"CodMatizador", matizador},
                          {"DATACAD", data}});
    }
    template <class T> T* c(const QString& nome) { return janelaCons->findChild<T*>(nome); }
    void periodo(const QString& de, const QString& ate) {
        c<QLineEdit>("DataIni")->setText(de);
        c<QLineEdit>("DataFim")->setText(ate);
    }
    // The listed formulas' numbers.
    QString numeros() {
        QStringList n;
        for (int i = 0; i < janelaCons->resultado().rowCount(); ++i)
            n << janelaCons->resultado().texto(i, 0);
        return n.join(' ');
    }

    std::unique_ptr<TfoConsFormula> janelaCons;
};
} // namespace

TEST_F(TfoConsFormulaTest, CadaFiltroRestringeOPeriodoDaFilial) {
    struct Caso {
        const char* nome;
        std::function<void()> ajustar;
        QString numeros;
    } casos[] = {
        {"todos", [] {}, "12 25 3 4"},
        {"produto",
         [this] {
             c<QCheckBox>("TodosProdutos")->setChecked(false);
             auto* p = c<QComboBox>("Cod_Reduz");
             p->setCurrentIndex(p->findData(9002));
         },
         "3"},
        {"cliente",
         [this] {
             c<QCheckBox>("TodosClientes")->setChecked(false);
             auto* p = c<QComboBox>("Cod_Clifor");
             p->setCurrentIndex(p->findData(2));
         },
         "25"},
        {"companias",
         [this] {
             c<QCheckBox>("TodosClientes")->setChecked(false);
             c<QCheckBox>("Companias")->setChecked(true);
         },
         "3 4"},
        {"cor", [this] { c<QLineEdit>("Cor")->setText("AZUL"); }, "12 3 4"},
        {"formula", [this] { c<QLineEdit>("Formula")->setText("25"); }, "25"},
        {"cliente na origem",
         [this] {
             c<QCheckBox>("TodasOrigens")->setChecked(false);
             c<QComboBox>("Origem")->setCurrentIndex(0);
         },
         "12 4"},
        {"representante",
         [this] {
             c<QCheckBox>("TodasOrigens")->setChecked(false);
             c<QComboBox>("Origem")->setCurrentIndex(1);
         },
         "25 3"},
        {"matizador",
         [this] {
             c<QCheckBox>("TodosMatizadores")->setChecked(false);
             auto* m = c<QComboBox>("CodMatizador");
             m->setCurrentIndex(m->findData(2));
         },
         "3 4"},
        {"periodo", [this] { periodo("30/11/2026", "2/12/2026"); }, "12 3 8"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        ASSERT_TRUE(janelaCons->abrir());
        caso.ajustar();
        janelaCons->ok();
        EXPECT_EQ(numeros(), caso.numeros);
        EXPECT_TRUE(dialogos->textos().isEmpty());
        janelaCons = std::make_unique<TfoConsFormula>();
        ASSERT_TRUE(janelaCons->abrir());
        periodo("01/12/2026", "06/12/2026");
    }
}

TEST_F(TfoConsFormulaTest, LinhaDoResultadoEEscolhasHabilitadasPelasCaixas) {
    c<QLineEdit>("Formula")->setText("3");
    janelaCons->ok();
    EXPECT_EQ(janelaCons->resultado().rowCount(), 1);
    QStringList linha0;
    for (int i = 0; i < 5; ++i)
        linha0 << janelaCons->resultado().texto(0, i);
    EXPECT_EQ(linha0.join('|'), "3|02/12/2026|AZUL|*CIA A|ESMALTE");

    auto* cliente = c<QComboBox>("Cod_Clifor");
    EXPECT_FALSE(cliente->isEnabled());
    c<QCheckBox>("TodosClientes")->setChecked(false);
    EXPECT_TRUE(cliente->isEnabled());
    c<QCheckBox>("Companias")->setChecked(true);
    EXPECT_FALSE(cliente->isEnabled());
    EXPECT_FALSE(c<QComboBox>("Origem")->isEnabled());
    c<QCheckBox>("TodasOrigens")->setChecked(false);
    EXPECT_TRUE(c<QComboBox>("Origem")->isEnabled());
    EXPECT_EQ(c<QComboBox>("Origem")->currentIndex(), -1);
}

TEST_F(TfoConsFormulaTest, OpcoesDeClienteEDataInvalidaNaoConsultam) {
    c<QCheckBox>("Companias")->setChecked(true);
    janelaCons->ok();
    EXPECT_EQ(dialogos->textos(), QStringList{"Selecione apenas uma das opcoes de Clientes"});
    EXPECT_EQ(janelaCons->resultado().rowCount(), 0);
    c<QCheckBox>("Companias")->setChecked(false);
    dialogos->limpar();
    periodo("01/12/2026", "31/11/2026");
    janelaCons->ok();
    EXPECT_EQ(dialogos->textos(), QStringList{"Data Invalida:31/11/2026"});
    EXPECT_EQ(janelaCons->resultado().rowCount(), 0);
}
