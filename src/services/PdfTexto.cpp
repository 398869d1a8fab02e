#include "PdfTexto.h"

#include <QFileInfo>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

namespace {
// Points per character: 10 an inch normal, 17.14 compressed.
constexpr double PassoNormal = 7.2;
constexpr double PassoCompactado = 4.2;
// A narrow border (1/8 inch): 80 columns of normal pitch fit across A4.
constexpr double Margem = 9;
constexpr double Esc = 27;

struct EstadoImpressora {
    bool compactado = false;
    bool expandido = false;      // ESC "W" 1, until ESC "W" 0
    bool expandidoLinha = false; // character 14, until 20 or the line's end
    double entrelinha = 12;
};

struct Trecho {
    QString texto;
    bool compactado;
    bool expandido;
};

// ESC commands followed by one argument character; the others take none.
bool temArgumento(QChar comando) {
    return QStringLiteral("W3A-SJlQxkpC").contains(comando);
}

// The printed runs of `linha` under `e`, which the codes change.
QList<Trecho> trechos(const QString& linha, EstadoImpressora& e) {
    QList<Trecho> r;
    auto acrescentar = [&](QChar c) {
        const bool exp = e.expandido || e.expandidoLinha;
        if (r.isEmpty() || r.last().compactado != e.compactado || r.last().expandido != exp)
            r.append({QString(), e.compactado, exp});
        r.last().texto += c;
    };
    for (qsizetype i = 0; i < linha.size(); ++i) {
        const QChar c = linha[i];
        if (c.unicode() == Esc && i + 1 < linha.size()) {
            const QChar comando = linha[++i];
            const QChar arg = temArgumento(comando) && i + 1 < linha.size() ? linha[++i] : QChar();
            if (comando == 'W')
                e.expandido = arg == '1' || arg.unicode() == 1;
            else if (comando == '0')
                e.entrelinha = 9;
            else if (comando == '1')
                e.entrelinha = 7;
            else if (comando == '2')
                e.entrelinha = 12;
            else if (comando == '3')
                e.entrelinha = arg.unicode() / 3.0;
            else if (comando == 'A')
                e.entrelinha = arg.unicode();
        } else if (c.unicode() == 14) {
            e.expandidoLinha = true;
        } else if (c.unicode() == 20) {
            e.expandidoLinha = false;
        } else if (c.unicode() == 15) {
            e.compactado = true;
        } else if (c.unicode() == 18) {
            e.compactado = false;
        } else if (c >= QChar(' ')) {
            acrescentar(c);
        }
    }
    e.expandidoLinha = false;
    return r;
}

double largura(const Trecho& t) {
    return double(t.texto.size()) * (t.compactado ? PassoCompactado : PassoNormal) *
           (t.expandido ? 2 : 1);
}

QFont fonte(bool compactado) {
    QFont f;
    // Liberation Mono has the same metrics where Courier New is absent.
    f.setFamilies({"Courier New", "Liberation Mono"});
    f.setStyleHint(QFont::TypeWriter);
    f.setPointSizeF(compactado ? 7 : 12); // 0.6 em a character: the pitch
    return f;
}

struct LinhaPosta {
    QList<Trecho> trechos;
    double base; // baseline from the page's top, in points
};
} // namespace

QString TextoImpresso(const QString& linha) {
    EstadoImpressora e;
    QString s;
    for (const Trecho& t : trechos(linha, e))
        s += t.texto;
    return s;
}

PdfTexto::PdfTexto(const QString& arquivoHost, const QString& titulo)
    : escritor_(std::make_unique<QPdfWriter>(arquivoHost)), arquivo_(arquivoHost) {
    escritor_->setTitle(titulo);
    escritor_->setCreator("PCP");
    escritor_->setResolution(72); // painter units are points
    escritor_->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(), QPageLayout::Point));
}

PdfTexto::~PdfTexto() {
    if (pintor_ && pintor_->isActive())
        pintor_->end();
}

void PdfTexto::pagina(const QStringList& linhas) {
    EstadoImpressora e;
    e.compactado = compactado_;
    e.expandido = expandido_;
    e.entrelinha = entrelinha_;
    QList<LinhaPosta> postas;
    double y = 0, larguraPagina = 0;
    for (const QString& l : linhas) {
        LinhaPosta p{trechos(l, e), 0};
        // Each line feed moves by the spacing in force when it is sent.
        p.base = y + 9.5;
        double w = 0;
        for (const Trecho& t : p.trechos)
            w += largura(t);
        larguraPagina = std::max(larguraPagina, w);
        postas.append(p);
        y += e.entrelinha;
    }
    compactado_ = e.compactado;
    expandido_ = e.expandido;
    entrelinha_ = e.entrelinha;
    const double alturaPagina = std::max(y, 1.0);

    // The sheet and scale that keep the page whole and largest.
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Point);
    auto escala = [&](double w, double h) {
        return std::min({1.0, (w - 2 * Margem) / std::max(larguraPagina, 1.0),
                         (h - 2 * Margem) / alturaPagina});
    };
    const double retrato = escala(a4.width(), a4.height());
    const double paisagem = escala(a4.height(), a4.width());
    escritor_->setPageOrientation(paisagem > retrato ? QPageLayout::Landscape
                                                     : QPageLayout::Portrait);
    if (!pintor_) {
        pintor_ = std::make_unique<QPainter>();
        if (!pintor_->begin(escritor_.get()))
            return;
    } else if (!escritor_->newPage()) {
        return;
    }
    QPainter& p = *pintor_;
    p.save();
    p.translate(Margem, Margem);
    const double s = std::max(retrato, paisagem);
    p.scale(s, s);
    for (const LinhaPosta& l : postas) {
        double x = 0;
        for (const Trecho& t : l.trechos) {
            p.setFont(fonte(t.compactado));
            p.save();
            p.translate(x, l.base);
            if (t.expandido)
                p.scale(2, 1);
            p.drawText(QPointF(0, 0), t.texto);
            p.restore();
            x += largura(t);
        }
    }
    p.restore();
    ++paginas_;
}

bool PdfTexto::fechar() {
    const bool pintou = pintor_ != nullptr;
    const bool ok = !pintor_ || pintor_->end();
    pintor_.reset();
    escritor_.reset();
    return ok && pintou && QFileInfo(arquivo_).size() > 0;
}
