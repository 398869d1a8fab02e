// Grid layouts and window placements in the installation's ini folder.
#include "services/LayoutGrade.h"

#include <QFile>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class LayoutGradeTest : public ::testing::Test {
protected:
    void SetUp() override { DefinirPastaPrograma(tmp.path()); }
    void TearDown() override { DefinirPastaPrograma(QString()); }

    QTemporaryDir tmp;
};

void preparar(QTableView& grade, QStandardItemModel& modelo, int colunas) {
    modelo.setColumnCount(colunas);
    for (int c = 0; c < colunas; ++c)
        modelo.setHeaderData(c, Qt::Horizontal, QString("Coluna %1").arg(c));
    grade.setObjectName("GradeTeste");
    grade.setModel(&modelo);
}
} // namespace

TEST_F(LayoutGradeTest, LarguraOrdemEColunaOcultaVoltamAoCarregar) {
    QStandardItemModel modelo;
    QTableView grade;
    preparar(grade, modelo, 3);
    grade.horizontalHeader()->resizeSection(0, 140);
    grade.horizontalHeader()->moveSection(2, 0);
    grade.horizontalHeader()->setSectionHidden(1, true);
    SalvarLayoutGrade(grade);
    EXPECT_TRUE(QFile::exists(tmp.path() + "/ini/GradeTeste.ini"));

    QStandardItemModel outroModelo;
    QTableView outra;
    preparar(outra, outroModelo, 3);
    CarregarLayoutGrade(outra);
    EXPECT_EQ(outra.horizontalHeader()->sectionSize(0), 140);
    EXPECT_EQ(outra.horizontalHeader()->visualIndex(2), 0);
    EXPECT_EQ(outra.horizontalHeader()->visualIndex(0), 1);
    EXPECT_TRUE(outra.horizontalHeader()->isSectionHidden(1));

    ApagarLayoutGrade(outra);
    EXPECT_FALSE(QFile::exists(tmp.path() + "/ini/GradeTeste.ini"));
}

TEST_F(LayoutGradeTest, ArquivoDeOutraQuantidadeDeColunasEApagado) {
    QStandardItemModel modelo;
    QTableView grade;
    preparar(grade, modelo, 3);
    grade.horizontalHeader()->resizeSection(0, 140);
    SalvarLayoutGrade(grade);

    QStandardItemModel maior;
    QTableView nova;
    preparar(nova, maior, 4);
    const int largura = nova.horizontalHeader()->sectionSize(0);
    CarregarLayoutGrade(nova);
    EXPECT_EQ(nova.horizontalHeader()->sectionSize(0), largura);
    EXPECT_FALSE(QFile::exists(tmp.path() + "/ini/GradeTeste.ini"));
}

TEST_F(LayoutGradeTest, PosicaoDaJanelaVoltaEAPastaIniECriada) {
    QWidget janela;
    janela.move(40, 30);
    janela.resize(320, 200);
    SalvarPosicaoJanela(janela, "Janela");
    EXPECT_TRUE(QFile::exists(tmp.path() + "/ini/Janela.ini"));

    QWidget outra;
    RestaurarPosicaoJanela(outra, "Janela");
    EXPECT_EQ(outra.pos(), QPoint(40, 30));
    EXPECT_EQ(outra.size(), QSize(320, 200));

    // Nothing saved under the name: the window stays as it is.
    QWidget terceira;
    terceira.resize(100, 90);
    RestaurarPosicaoJanela(terceira, "Outra");
    EXPECT_EQ(terceira.size(), QSize(100, 90));
}
