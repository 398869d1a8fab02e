// Grids to spreadsheets: the CSV of a grid read back equals its rows, with
// the visible columns in the grid's order; the file's bytes are what a
// Brazilian spreadsheet opens; the grid's menu asks where and writes.
#include "services/Planilha.h"
#include "InstalacaoTeste.h"
#include "services/EscolhaArquivo.h"
#include "services/ExportacaoPlanilha.h"
#include "services/Grade.h"
#include "services/ModeloLinhas.h"

#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QTableView>

namespace {
class PlanilhaTest : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        relogio->definir(QDateTime(QDate(2026, 5, 17), QTime(10, 0)));
        modelo.alinharDireita({2});
        modelo.definir(
            {
                {"1001", "Açaí; \"Pêssego\" nº 2", "-1.234,5600", "17/05/2026"},
                {"1002", "", "12.345.678.901,2345", ""},
                {"1003", "duas\nlinhas", "0,0001", "01/01/2000"},
                {"1004", "1.500", "7", "29/02/2024"},
            },
            {1, 2, 3, 4});
    }

    ModeloLinhas modelo{{"Código", "Descrição", "Quantidade", "Data"}};
};

TEST_F(PlanilhaTest, CsvDaGradeVoltaIgualAosDados) {
    QWidget janela;
    QTableView* grade = NovaGrade(&modelo, "Produtos", &janela);
    // The operator hid the code and put the date first.
    grade->horizontalHeader()->hideSection(0);
    grade->horizontalHeader()->moveSection(3, 0);

    const QString arquivo = raiz.filePath("grade.csv");
    QString erro;
    ASSERT_TRUE(GravarCsv(arquivo, LinhasDaGrade(*grade), erro)) << erro.toStdString();
    QList<QStringList> lidas;
    ASSERT_TRUE(LerCsv(arquivo, lidas, erro));
    const QList<QStringList> esperadas{
        {"Data", "Descrição", "Quantidade"},
        {"17/05/2026", "Açaí; \"Pêssego\" nº 2", "-1234,5600"},
        {"", "", "12345678901,2345"},
        {"01/01/2000", "duas\nlinhas", "0,0001"},
        // A left-aligned text that looks like a number stays as it is.
        {"29/02/2024", "1.500", "7"},
    };
    EXPECT_EQ(lidas, esperadas);

    QFile f(arquivo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("\xEF\xBB\xBF"
                                      "Data;Descrição;Quantidade\r\n"
                                      "17/05/2026;\"Açaí; \"\"Pêssego\"\" nº 2\";-1234,5600\r\n"
                                      ";;12345678901,2345\r\n"
                                      "01/01/2000;\"duas\nlinhas\";0,0001\r\n"
                                      "29/02/2024;1.500;7\r\n"));
}

TEST_F(PlanilhaTest, LeituraDeCsvComVirgulaAspasEFinalSemQuebra) {
    const struct {
        const char* texto;
        QList<QStringList> linhas;
    } casos[] = {
        {"a;b\r\n\r\n1;\"x;\"\"y\"\"\"", {{"a", "b"}, {"1", "x;\"y\""}}},
        {"a,b\n1,\"2,5\"\n", {{"a", "b"}, {"1", "2,5"}}},
        {"a;b;\n;;\n", {{"a", "b", ""}, {"", "", ""}}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(InterpretarCsv(QString::fromUtf8(c.texto)), c.linhas) << c.texto;
    EXPECT_EQ(NumeroPlanilha(-0.00001, 2), "0,00");
    EXPECT_EQ(NumeroPlanilha(-1234567.5, 2), "-1234567,50");
}

TEST_F(PlanilhaTest, MenuDaGradePedeOArquivoEGrava) {
    QWidget janela;
    janela.setWindowTitle("Consulta de Fórmulas");
    QTableView* grade = NovaGrade(&modelo, "Formulas", &janela);
    QStringList pedidos, abertos;
    const QString arquivo = raiz.filePath("saida");
    InstalarEscolhaArquivo(
        {[&](bool gravar, const QString& titulo, const QString& sugerido, const QString& filtro) {
             pedidos << QString("%1|%2|%3|%4")
                            .arg(gravar)
                            .arg(titulo, QFileInfo(sugerido).fileName(), filtro);
             return arquivo;
         },
         [&](const QString& a) {
             abertos << a;
             return true;
         }});
    EXPECT_TRUE(ExportarGradeParaPlanilha(*grade));
    InstalarEscolhaArquivo({});
    EXPECT_EQ(pedidos, QStringList{"1|Exportar para planilha|Consulta de Fórmulas 17-05-2026.csv|"
                                   "Planilha CSV (*.csv)"});
    EXPECT_EQ(dialogos->textos(),
              QStringList{"A planilha foi gravada em " + arquivo + ".csv.\nDeseja abri-la agora?"});
    EXPECT_EQ(abertos, QStringList{arquivo + ".csv"});
    QList<QStringList> lidas;
    QString erro;
    ASSERT_TRUE(LerCsv(arquivo + ".csv", lidas, erro));
    EXPECT_EQ(lidas.size(), 5);
}
} // namespace
