// Edit boxes bound to a row: a number or date typed that does not read as
// a whole value is refused with the system's message when the operator
// leaves the box and when the window saves, the cursor stays in the box
// and the row keeps its value; "." types the decimal comma.
#include "services/VinculoCampos.h"
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include <QApplication>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {
class VinculoCamposTest : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        Tabela t("Formula");
        t.abrir();
        t.incluir();
        for (const auto& [campo, valor] : std::initializer_list<std::pair<const char*, QVariant>>{
                 {"Filial", 1},
                 {"Formula", "7"},
                 {"Densidade", 2.0},
                 {"TotalItens", 3},
                 {"DATACAD", QDate(2026, 1, 10)}})
            t.campo(campo).definir(valor);
        t.gravar();
        formula.abrir();
        vinculo = std::make_unique<VinculoCampos>(formula);
        auto* campos = new QFormLayout(&janela);
        for (const char* nome : {"Formula", "DATACAD", "Densidade", "TotalItens", "COR"}) {
            auto* e = new QLineEdit(&janela);
            e->setObjectName(nome);
            vinculo->ligar(e, nome);
            campos->addRow(nome, e);
        }
        vinculo->somenteLeitura(caixa("Formula"));
        cancelar = new QPushButton("Cancelar", &janela);
        cancelar->setProperty("pcpDesiste", true);
        campos->addRow(cancelar);
        janela.show();
        janela.activateWindow();
        QApplication::processEvents();
    }
    void TearDown() override {
        vinculo.reset();
        formula.fechar();
        InstalacaoTeste::TearDown();
    }

    QLineEdit* caixa(const QString& nome) { return janela.findChild<QLineEdit*>(nome); }
    void editar() {
        formula.cancelar();
        formula.editar();
        vinculo->mostrar();
        dialogos->limpar();
    }
    // Types `texto` into the box and leaves it with Tab.
    void digitarESair(const QString& campo, const QString& texto) {
        QLineEdit* e = caixa(campo);
        e->setFocus();
        e->setText(texto);
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(e, &tab);
        QApplication::processEvents();
    }

    Tabela formula{"Formula"};
    QWidget janela;
    QPushButton* cancelar;
    std::unique_ptr<VinculoCampos> vinculo;
};
} // namespace

TEST_F(VinculoCamposTest, TextoQueNaoEValorInteiroERecusadoEFicaNaCaixa) {
    const QString gravado = TextoTabela("Formula");
    struct Caso {
        const char* campo;
        const char* texto;
        const char* mensagem; // "" = taken
        const char* valor;    // the row's field afterwards
    } casos[] = {
        {"Densidade", "12.5", "'12.5' is not a valid floating point value", "2"},
        {"Densidade", "0,12", "", "0.12"},
        {"Densidade", "1.234,5", "", "1234.5"},
        {"Densidade", "abc", "'abc' is not a valid floating point value", "2"},
        {"Densidade", "1,25x", "'1,25x' is not a valid floating point value", "2"},
        {"TotalItens", "12.5", "'12.5' is not a valid integer value", "3"},
        {"TotalItens", "", "", ""},
        {"DATACAD", "31/02/2026", "Data Invalida:31/02/2026", "10/01/2026"},
        {"DATACAD", "28/02/2026", "", "28/02/2026"},
    };
    for (const Caso& c : casos) {
        editar();
        digitarESair(c.campo, c.texto);
        const QString mensagem = QString::fromUtf8(c.mensagem);
        const QStringList esperadas = mensagem.isEmpty() ? QStringList() : QStringList{mensagem};
        EXPECT_EQ(dialogos->textos(), esperadas) << c.texto;
        EXPECT_EQ(caixa(c.campo)->hasFocus(), !mensagem.isEmpty()) << c.texto;
        EXPECT_EQ(formula.campo(c.campo).texto(), c.valor) << c.texto;
        // Saving asks again and posts nothing while the box does not read.
        dialogos->limpar();
        EXPECT_EQ(vinculo->validar(), mensagem.isEmpty()) << c.texto;
        EXPECT_EQ(dialogos->textos(), esperadas) << c.texto;
        EXPECT_EQ(TextoTabela("Formula"), gravado) << c.texto;
    }
}

TEST_F(VinculoCamposTest, SairParaCancelarNaoConfereACaixa) {
    editar();
    caixa("Densidade")->setFocus();
    caixa("Densidade")->setText("12.5");
    cancelar->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    EXPECT_TRUE(dialogos->textos().isEmpty());
    EXPECT_TRUE(cancelar->hasFocus());
}

TEST_F(VinculoCamposTest, PontoDoTecladoNumericoDigitaAVirgula) {
    editar();
    QLineEdit* densidade = caixa("Densidade");
    densidade->setFocus();
    densidade->setText("1");
    for (const char* tecla : {".", "5"}) {
        QKeyEvent e(QEvent::KeyPress, tecla[0] == '.' ? Qt::Key_Period : Qt::Key_5,
                    Qt::KeypadModifier, tecla);
        QApplication::sendEvent(densidade, &e);
    }
    EXPECT_EQ(densidade->text(), "1,5");
    EXPECT_EQ(formula.campo("Densidade").numero(), 1.5);
}
