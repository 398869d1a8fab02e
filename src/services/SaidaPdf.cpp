#include "SaidaPdf.h"

#include "ConfigImpressao.h"
#include "ImpressoraGrafica.h"
#include "PdfTexto.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

SaidaPdf::SaidaPdf() = default;
SaidaPdf::~SaidaPdf() = default;

SaidaPdf& SaidaPdf::atual() {
    static SaidaPdf s;
    return s;
}

void SaidaPdf::abrir(const QString& arquivoHost, bool grafica, const QString& titulo) {
    descartar();
    aberta_ = true;
    arquivo_ = arquivoHost;
    titulo_ = titulo;
    paginas_ = 0;
    if (!grafica) {
        texto_ = std::make_unique<PdfTexto>(arquivoHost, titulo);
        return;
    }
    grafica_ = std::make_unique<QPdfWriter>(arquivoHost);
    grafica_->setTitle(titulo);
    grafica_->setCreator("PCP");
    grafica_->setResolution(ImpressoraGrafica().resolution());
    QPageLayout pagina = ImpressoraGrafica().pageLayout();
    pagina.setOrientation(CfgImpressao().Orientacao == 'R' ? QPageLayout::Portrait
                                                           : QPageLayout::Landscape);
    grafica_->setPageLayout(pagina);
}

void SaidaPdf::paginaTexto(const QStringList& linhas) {
    if (!texto_)
        return;
    texto_->pagina(linhas);
    paginas_ = texto_->paginas();
}

void SaidaPdf::paginaGrafica() {
    if (!grafica_)
        return;
    if (!pintor_) {
        pintor_ = std::make_unique<QPainter>();
        if (!pintor_->begin(grafica_.get()))
            return;
    } else if (!grafica_->newPage()) {
        return;
    }
    DesenharPaginaGrafica(*pintor_, *grafica_);
    ++paginas_;
}

bool SaidaPdf::fechar() {
    bool ok = paginas_ > 0;
    if (texto_)
        ok = texto_->fechar() && ok;
    if (pintor_)
        ok = pintor_->end() && ok;
    pintor_.reset();
    grafica_.reset();
    texto_.reset();
    aberta_ = false;
    return ok && QFileInfo(arquivo_).size() > 0;
}

void SaidaPdf::descartar() {
    if (!aberta_)
        return;
    if (pintor_ && pintor_->isActive())
        pintor_->end();
    pintor_.reset();
    grafica_.reset();
    texto_.reset();
    aberta_ = false;
    QFile::remove(arquivo_);
}
