// The name chooser: typing a name of several words lands on the item that
// starts with all of it, and the drop-down of a narrow box shows whole
// names.
#include "services/CaixaEscolha.h"
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"
#include "services/ModeloLinhas.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QTableView>

namespace {
class CaixaEscolhaTest : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        caixa.addItems({"AMARELO OXIDO", "OXIDO DE FERRO AMARELO", "OXIDO DE FERRO VERMELHO",
                        "OXIDO DE ZINCO"});
        caixa.setCurrentIndex(0);
    }
    void digitar(const QString& texto) {
        for (const QChar c : texto) {
            QKeyEvent e(QEvent::KeyPress, c == ' ' ? Qt::Key_Space : Qt::Key_A, Qt::NoModifier,
                        QString(c));
            QApplication::sendEvent(&caixa, &e);
        }
    }
    void tecla(Qt::Key k) {
        QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(&caixa, &e);
    }

    CaixaEscolha caixa;
};
} // namespace

TEST_F(CaixaEscolhaTest, DigitarVariasPalavrasEscolheOItemQueComecaAssim) {
    struct Passo {
        QString digitado;
        int esperaMs;
        QString escolhido;
    } passos[] = {
        {"OXIDO DE FERRO V", 0, "OXIDO DE FERRO VERMELHO"},
        {"X", 0, "OXIDO DE FERRO VERMELHO"}, // matches nothing: dropped
        {"", 0, "OXIDO DE FERRO VERMELHO"},
        {"am", 2000, "AMARELO OXIDO"}, // a pause starts a new search
        {"oxido de z", 2000, "OXIDO DE ZINCO"},
    };
    for (const Passo& p : passos) {
        relogio->esperar(p.esperaMs);
        digitar(p.digitado);
        EXPECT_EQ(caixa.currentText(), p.escolhido) << p.digitado.toStdString();
    }
    EXPECT_EQ(caixa.digitado(), "oxido de z");
    tecla(Qt::Key_Backspace);
    tecla(Qt::Key_Backspace);
    tecla(Qt::Key_Backspace);
    digitar("FERRO ");
    tecla(Qt::Key_Shift); // typing a capital letter: Shift alone keeps the search
    digitar("A");
    EXPECT_EQ(caixa.currentText(), "OXIDO DE FERRO AMARELO");
    EXPECT_FALSE(caixa.view()->isVisible()); // the space opened no list
}

TEST_F(CaixaEscolhaTest, ListaDeColunasMostraNomesInteirosEReleOsItens) {
    ModeloLinhas modelo({"Cod_Clifor", "Nome", "Fantasia"});
    CaixaEscolha clientes;
    clientes.setModel(&modelo);
    clientes.setModelColumn(1);
    auto* vista = new QTableView(&clientes);
    clientes.setView(vista);
    const QString longo = "CONSTRUTORA HORIZONTE EMPREENDIMENTOS IMOBILIARIOS LTDA";
    int lidas = 0;
    clientes.antesDeAbrir = [&] {
        ++lidas;
        modelo.definir({{"1", "ANA", "A"}, {"2", longo, "HORIZONTE MATERIAIS DE CONSTRUCAO"}},
                       {1, 2});
    };
    clientes.resize(80, clientes.height());
    clientes.show();
    clientes.showPopup();
    EXPECT_EQ(lidas, 1);
    const QFontMetrics fm = vista->fontMetrics();
    EXPECT_GE(vista->columnWidth(1), fm.horizontalAdvance(longo));
    EXPECT_GE(vista->columnWidth(2), fm.horizontalAdvance("HORIZONTE MATERIAIS DE CONSTRUCAO"));
    EXPECT_GE(vista->viewport()->width(),
              vista->columnWidth(0) + vista->columnWidth(1) + vista->columnWidth(2));
    clientes.hidePopup();
}
