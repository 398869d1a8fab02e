#include "ImpressoraGrafica.h"

#include "ConfigImpressao.h"
#include "PaginaTexto.h"
#include "session/Sessao.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace {
bool escolhaPadrao(QPrinter& impressora) {
    QPrintDialog dialogo(&impressora);
    return dialogo.exec() == QDialog::Accepted;
}

std::function<bool(QPrinter&)>& escolha() {
    static std::function<bool(QPrinter&)> e = escolhaPadrao;
    return e;
}
} // namespace

QPrinter& ImpressoraGrafica() {
    static QPrinter impressora(QPrinter::HighResolution);
    return impressora;
}

bool EscolherImpressoraGrafica() {
    return escolha()(ImpressoraGrafica());
}

void InstalarEscolhaImpressoraGrafica(std::function<bool(QPrinter&)> escolher) {
    escolha() = escolher ? std::move(escolher) : std::function<bool(QPrinter&)>(escolhaPadrao);
}

void ImprimirPaginaGrafica() {
    const ConfigImpressao& cfg = CfgImpressao();
    QPrinter& impressora = ImpressoraGrafica();
    impressora.setPageOrientation(cfg.Orientacao == 'R' ? QPageLayout::Portrait
                                                        : QPageLayout::Landscape);
    impressora.setDocName(Sess().Modulo);
    QPainter p;
    if (!p.begin(&impressora))
        return;
    DesenharPaginaGrafica(p, impressora);
    p.end(); // every page is its own print job
}

void DesenharPaginaGrafica(QPainter& p, QPagedPaintDevice& destino) {
    const ConfigImpressao& cfg = CfgImpressao();
    QFont fonte;
    // Liberation Mono has the same metrics where Courier New is absent.
    fonte.setFamilies({"Courier New", "Liberation Mono"});
    fonte.setStyleHint(QFont::TypeWriter);
    fonte.setPointSize(cfg.CodigoPasso == CaractereCompactado ? (cfg.Orientacao == 'R' ? 7 : 8)
                                                              : 12);
    p.setFont(fonte);
    const QFontMetrics m(fonte, &destino);
    const int larguraM = m.horizontalAdvance('M');
    const PaginaTexto& pagina = PaginaTexto::atual();
    const int linhas = std::min(cfg.LinhasUsadas, PaginaTexto::Linhas);
    const int colunas = std::min(cfg.Largura, PaginaTexto::Colunas);
    // A font taller than the sheet allows would push the last lines off
    // the page: the lines then close up to fit.
    const int altura = destino.pageLayout().paintRectPixels(destino.logicalDpiY()).height();
    const int passo = linhas > 0 ? std::min(m.height(), altura / linhas) : m.height();
    int y = m.ascent();
    for (int l = 1; l <= linhas; ++l, y += passo) {
        int x = 0;
        for (int c = 1; c <= colunas; ++c) {
            const QString celula = pagina.celula(l, c);
            // Control sequences take their room but are not drawn.
            if (celula != " " && !celula.isEmpty() && celula[0] >= QChar(' '))
                p.drawText(x, y, celula);
            x += int(celula.size()) * larguraM;
        }
    }
}
