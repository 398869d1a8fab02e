// Register windows as an operator works in them: Enter moves from field to
// field and presses the focused button, a bad number stops it; a window
// comes back where it was closed, with the column widths the operator
// gave its grid until "Restaurar colunas" forgets them.
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "TFoCadMatizador.h"
#include "TfoCadEmbalagem.h"
#include "services/Grade.h"
#include "services/LayoutGrade.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>

namespace {
class JanelasCadastro : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        DefinirPastaPrograma(raiz.path() + "/programa");
    }
    void TearDown() override {
        DefinirPastaPrograma(QString());
        InstalacaoTeste::TearDown();
    }

    static void mostrar(QWidget& janela) {
        janela.show();
        janela.activateWindow();
        QApplication::processEvents();
    }
    // Enter on whatever has the focus; the name of what has it afterwards.
    static QString enter() {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(QApplication::focusWidget(), &e);
        QApplication::processEvents();
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "";
    }
    static void digitar(const QString& texto) {
        static_cast<QLineEdit*>(QApplication::focusWidget())->setText(texto);
    }
    QString ini(const QString& nome) const { return raiz.path() + "/programa/ini/" + nome; }
};
} // namespace

TEST_F(JanelasCadastro, EnterPassaDeCampoEmCampoEApertaOBotao) {
    TfoCadEmbalagem janela;
    mostrar(janela);
    janela.incluir();
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Descricao");
    digitar("LATA 900 ML");
    EXPECT_EQ(enter(), "Peso_Liq");
    digitar("0,9x");
    EXPECT_EQ(enter(), "Peso_Liq");
    EXPECT_EQ(dialogos->textos(), QStringList{"'0,9x' is not a valid floating point value"});
    digitar("0,9");
    EXPECT_EQ(enter(), "Peso_Embal");
    EXPECT_EQ(enter(), "Gravar");
    EXPECT_EQ(TextoTabela("EMBALAGE"), "");
    enter();
    EXPECT_EQ(TextoTabela("EMBALAGE"), "1|LATA 900 ML|0.9|");
    EXPECT_EQ(dialogos->textos().size(), 1);
}

TEST_F(JanelasCadastro, JanelaVoltaOndeFoiFechadaComAsColunasDoOperador) {
    {
        TFoCadMatizador janela;
        mostrar(janela);
        janela.move(200, 150);
        janela.resize(640, 480);
        janela.findChild<QTableView*>("Lista")->horizontalHeader()->resizeSection(1, 250);
        janela.close();
    }
    EXPECT_TRUE(QFile::exists(ini("TFoCadMatizador.ini")));
    EXPECT_TRUE(QFile::exists(ini("TFoCadMatizador.Lista.ini")));

    TFoCadMatizador janela;
    auto* grade = janela.findChild<QTableView*>("Lista");
    mostrar(janela);
    EXPECT_EQ(janela.pos(), QPoint(200, 150));
    EXPECT_EQ(janela.size(), QSize(640, 480));
    EXPECT_EQ(grade->columnWidth(1), 250);

    RestaurarColunas(*grade);
    EXPECT_FALSE(QFile::exists(ini("TFoCadMatizador.Lista.ini")));
    EXPECT_EQ(grade->columnWidth(1), grade->horizontalHeader()->sectionSizeHint(1));
    // Nothing arranged since: closing writes no layout.
    janela.close();
    EXPECT_FALSE(QFile::exists(ini("TFoCadMatizador.Lista.ini")));
}
