// Text report engine against plain buffered file writes of the same bytes
// in the same run: a 1,000-page report (66 lines of 132 columns, header and
// a full line of cells per row) written to a file. Prints pages per second
// and the ratio engine / raw.
#include "services/ConfigImpressao.h"
#include "services/RelatorioTexto.h"
#include "session/Sessao.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {
constexpr int Paginas = 1000;
constexpr int Largura = 132;
constexpr int LinhasPagina = 66;

QString textoLinha(int pagina, int linha) {
    return QString("%1 %2 PRODUTO DE TESTE COM DESCRICAO LONGA %3")
        .arg(pagina, 6, 10, QChar('0'))
        .arg(linha, 3, 10, QChar('0'))
        .arg(double(pagina * linha) / 7.0, 14, 'f', 4)
        .leftJustified(Largura, '.');
}

double segundos(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e9;
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    Sess().Modulo = "PCP";
    Sess().NomeFilial = "BENCH";

    ConfigImpressao& cfg = CfgImpressao();
    cfg.Modo = 'T';
    cfg.Destino = 'I';
    cfg.CodigoPasso = CaractereCompactado;
    cfg.Porta = dir.filePath("relatorio.txt");
    cfg.Largura = Largura;
    cfg.LinhasUsadas = LinhasPagina;
    cfg.Pagina = 0;

    QElapsedTimer t;
    t.start();
    IniciarRelatorio();
    for (int p = 1; p <= Paginas; ++p) {
        Cabecalho("RELATORIO DE DESEMPENHO", QString());
        for (int l = cfg.Linha + 1; l <= LinhasPagina; ++l)
            EscreverTexto(l, 1, textoLinha(p, l));
    }
    ImprimirPagina();
    FinalizarRelatorio();
    const double motor = segundos(t);

    // The same bytes, written line by line through a buffered file.
    QFile gerado(cfg.Porta);
    gerado.open(QIODevice::ReadOnly);
    const QList<QByteArray> linhas = gerado.readAll().split('\n');
    t.restart();
    {
        QFile bruto(dir.filePath("bruto.txt"));
        bruto.open(QIODevice::WriteOnly);
        for (const QByteArray& l : linhas) {
            bruto.write(l);
            bruto.write("\n");
        }
    }
    const double cru = segundos(t);
    std::printf("%-22s engine %10.0f pages/s   raw %10.0f pages/s   ratio %.2f\n", "report to file",
                Paginas / motor, Paginas / cru, motor / cru);
    return 0;
}
