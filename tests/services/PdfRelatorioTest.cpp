// Reports to a PDF file: a text report's pages read back from the PDF
// (pdftotext) line for line, the name proposed from the title and date and
// the file opened when asked, a graphic run on a printer that prints to a
// file kept whole, and the preview's "Salvar PDF" writing the same pages.
#include "InstalacaoTeste.h"
#include "services/ConfigImpressao.h"
#include "services/EscolhaArquivo.h"
#include "services/ImpressoraGrafica.h"
#include "services/RelatorioTexto.h"
#include "services/VisualizadorRelatorio.h"
#include "session/DialogosRoteirizados.h"
#include "session/Sessao.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>

namespace {
// The lines joined, each without its trailing blanks, and without the
// blank lines that end the page (a PDF has no text there).
QString semBrancosAoFim(const QStringList& linhas) {
    QStringList r;
    for (const QString& l : linhas) {
        qsizetype n = l.size();
        while (n > 0 && l[n - 1] == ' ')
            --n;
        r << l.left(n);
    }
    while (!r.isEmpty() && r.last().isEmpty())
        r.removeLast();
    return r.join('\n');
}

// Each page's text as pdftotext reads it in physical layout at 10
// characters an inch, without the sheet's margin (the leading blanks of the
// page's first line, which starts at column 1).
QStringList paginasPdf(const QString& arquivo) {
    QProcess p;
    p.start("pdftotext", {"-layout", "-fixed", "7.2", arquivo, "-"});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {"<pdftotext falhou: " + p.errorString() + ">"};
    QStringList paginas = QString::fromUtf8(p.readAllStandardOutput()).split('\f');
    paginas.removeLast(); // after the last form feed
    for (QString& pagina : paginas) {
        QStringList linhas = pagina.split('\n');
        const qsizetype margem = linhas.first().size() - linhas.first().trimmed().size();
        for (QString& l : linhas)
            l = l.mid(margem);
        pagina = semBrancosAoFim(linhas);
    }
    return paginas;
}

class PdfRelatorioTest : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        CfgImpressao() = ConfigImpressao();
        Sess().Modulo = "PCP";
        Sess().NomeFilial = "TINTAS MATRIZ";
        relogio->definir(QDateTime(QDate(2026, 5, 17), QTime(9, 30)));
        InstalarEscolhaArquivo({[this](bool gravar, const QString& titulo, const QString& sugerido,
                                       const QString& filtro) {
                                    pedidos << QString("%1|%2|%3|%4")
                                                   .arg(gravar)
                                                   .arg(titulo, QDir(sugerido).dirName(), filtro);
                                    return escolhido;
                                },
                                [this](const QString& arquivo) {
                                    abertos << arquivo;
                                    return true;
                                }});
        escolhido = raiz.filePath("relatorio.pdf");
    }
    void TearDown() override {
        InstalarEscolhaArquivo({});
        InstalacaoTeste::TearDown();
    }

    // A report of `paginas` pages of 20 lines, 80 columns, normal pitch.
    void executar(int paginas = 2) {
        pedidos.clear();
        dialogos->limpar();
        ConfigImpressao& cfg = CfgImpressao();
        cfg.CodigoPasso = CaractereNormal;
        cfg.Pagina = 0;
        cfg.LinhasUsadas = 20;
        cfg.Largura = 80;
        IniciarRelatorio();
        for (int p = 1; p <= paginas; ++p) {
            Cabecalho("RELAÇÃO DE PRODUTOS", "Filial 1 - tintas; vernizes \"base água\"");
            EscreverTexto(++cfg.Linha, 1, "CÓDIGO");
            EscreverTexto(cfg.Linha, 9, "DESCRIÇÃO");
            EscreverTexto(cfg.Linha, 57, "QUANTIDADE");
            for (int i = 1; i <= 12; ++i) {
                EscreverTexto(++cfg.Linha, 1, QString::number(1000 * p + i));
                EscreverTexto(cfg.Linha, 9, i % 3 ? "DIÓXIDO DE TITÂNIO" : "ÓXIDO VERMELHO Nº 2");
                // A printer code takes a cell but no room on paper.
                if (i == 5)
                    EscreverTexto(cfg.Linha, 40, QString(QChar(27)) + "0");
                EscreverTexto(cfg.Linha, 57, i == 7 ? "-1.234.567,8901" : "12,5000");
            }
        }
        ImprimirPagina();
        FinalizarRelatorio();
    }

    QStringList pedidos;
    QStringList abertos;
    QString escolhido;
};

// Two pages of a header report with accents, a printer code inside a line
// and values at the right; sent to a file, to "Arquivo PDF", and saved as
// PDF from the preview.
TEST_F(PdfRelatorioTest, TextoDoPdfIgualAsPaginasDoRelatorio) {
    const QString arquivoTexto = raiz.filePath("relatorio.imp");
    CfgImpressao().Porta = arquivoTexto;
    executar();
    ASSERT_FALSE(HasFailure());
    const VisualizadorRelatorio previa(arquivoTexto, 20);
    ASSERT_EQ(previa.paginas(), 2);
    QStringList esperadas;
    for (int i = 0; i < previa.paginas(); ++i)
        esperadas << semBrancosAoFim(previa.textoPagina(i).split('\n'));
    EXPECT_EQ(esperadas.value(0).section('\n', 5, 5),
              "CÓDIGO  DESCRIÇÃO" + QString(39, ' ') + "QUANTIDADE");

    CfgImpressao().Destino = 'P';
    executar();
    EXPECT_EQ(pedidos, QStringList{"1|Salvar relatório em PDF|RELAÇÃO DE PRODUTOS 17-05-2026.pdf|"
                                   "PDF (*.pdf)"});
    EXPECT_EQ(dialogos->textos(),
              QStringList{"O relatório foi gravado em " + escolhido + ".\nDeseja abri-lo agora?"});
    EXPECT_EQ(abertos, QStringList{escolhido});
    EXPECT_EQ(paginasPdf(escolhido), esperadas);

    const QString salvo = raiz.filePath("previa.pdf");
    ASSERT_TRUE(previa.gravarPdf(salvo));
    EXPECT_EQ(paginasPdf(salvo), esperadas);
}

TEST_F(PdfRelatorioTest, DesistirDoNomeNaoDeixaArquivo) {
    CfgImpressao().Destino = 'P';
    escolhido.clear();
    executar();
    EXPECT_EQ(pedidos.size(), 1);
    EXPECT_TRUE(dialogos->textos().isEmpty());
    const QString temporario =
        QDir::temp().filePath(NomeTemporarioRelatorio(relogio->agora()) + ".pdf");
    EXPECT_FALSE(QFile::exists(temporario));

    // Answering No keeps the file and opens nothing.
    escolhido = raiz.filePath("sem abrir.pdf");
    dialogos->responder(Resposta::Nao);
    executar();
    EXPECT_TRUE(QFile::exists(escolhido));
    EXPECT_TRUE(abertos.isEmpty());
}

// A graphic run on a printer told to print to a file: every page in the
// one file, not each page replacing the last.
TEST_F(PdfRelatorioTest, GraficoParaArquivoGuardaTodasAsPaginas) {
    const QString arquivo = raiz.filePath("grafico.pdf");
    ImpressoraGrafica().setOutputFileName(arquivo);
    CfgImpressao().Modo = 'G';
    executar(3);
    ImpressoraGrafica().setOutputFileName(QString());
    EXPECT_TRUE(pedidos.isEmpty());
    EXPECT_EQ(dialogos->textos(),
              QStringList{"O relatório foi gravado em " + arquivo + ".\nDeseja abri-lo agora?"});
    EXPECT_EQ(paginasPdf(arquivo).size(), 3);
    EXPECT_EQ(paginasPdf(arquivo).value(2).section('\n', 2, 2).simplified(),
              QString("RELAÇÃO DE PRODUTOS PAG..:0000000003"));
}
} // namespace
