#include "VisualizadorRelatorio.h"
#include "Botao.h"
#include "EscolhaArquivo.h"
#include "PdfTexto.h"
#include "session/Dialogos.h"
#include "session/Relogio.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {
QFont fonteMonoespacada() {
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setFamilies({"Courier New", "Liberation Mono", f.family()});
    f.setStyleHint(QFont::TypeWriter);
    return f;
}

} // namespace

VisualizadorRelatorio::VisualizadorRelatorio(const QString& arquivoHost, int linhasPorPagina,
                                             QWidget* pai)
    : QWidget(pai, Qt::Window), arquivo_(arquivoHost), texto_(new QPlainTextEdit(this)),
      rotulo_(new QLabel(this)) {
    setObjectName("VisualizadorRelatorio");
    setWindowTitle(arquivoHost);
    texto_->setReadOnly(true);
    texto_->setLineWrapMode(QPlainTextEdit::NoWrap);
    texto_->setFont(fonteMonoespacada());
    rotulo_->setObjectName("Pagina");

    auto* barra = new QHBoxLayout;
    QPushButton* anterior = NovoBotao("Anterior", this);
    QPushButton* proxima = NovoBotao("Próxima", this);
    QPushButton* imprimir = NovoBotao("Imprimir", this);
    QPushButton* pdf = NovoBotao("Salvar PDF", this);
    QPushButton* abrir = NovoBotao("Abrir com programa padrão", this);
    for (QWidget* w : {static_cast<QWidget*>(anterior), static_cast<QWidget*>(rotulo_),
                       static_cast<QWidget*>(proxima), static_cast<QWidget*>(imprimir),
                       static_cast<QWidget*>(pdf), static_cast<QWidget*>(abrir)})
        barra->addWidget(w);
    barra->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(barra);
    layout->addWidget(texto_);
    connect(anterior, &QPushButton::clicked, this, &VisualizadorRelatorio::anterior);
    connect(proxima, &QPushButton::clicked, this, &VisualizadorRelatorio::proxima);
    connect(imprimir, &QPushButton::clicked, this, &VisualizadorRelatorio::imprimir);
    connect(pdf, &QPushButton::clicked, this, &VisualizadorRelatorio::salvarPdf);
    connect(abrir, &QPushButton::clicked, this, &VisualizadorRelatorio::abrirComProgramaPadrao);

    carregar(linhasPorPagina);
    resize(900, 700);
    irPara(0);
}

void VisualizadorRelatorio::carregar(int linhasPorPagina) {
    QFile f(arquivo_);
    if (!f.open(QIODevice::ReadOnly))
        return;
    QStringList linhas = QString::fromLatin1(f.readAll()).split("\r\n");
    if (!linhas.isEmpty() && linhas.last().isEmpty())
        linhas.removeLast();
    const int porPagina = std::max(1, linhasPorPagina);
    for (qsizetype i = 0; i < linhas.size(); i += porPagina) {
        const QStringList emitida = linhas.mid(i, porPagina);
        QStringList pagina;
        for (const QString& l : emitida)
            pagina << TextoImpresso(l);
        emitidas_ << emitida;
        paginas_ << pagina.join('\n');
    }
}

QString VisualizadorRelatorio::textoPagina(int indice) const {
    return indice >= 0 && indice < paginas() ? paginas_[indice] : QString();
}

void VisualizadorRelatorio::irPara(int indice) {
    atual_ = std::clamp(indice, 0, std::max(0, paginas() - 1));
    texto_->setPlainText(textoPagina(atual_));
    rotulo_->setText(QString("Pagina %1 de %2").arg(paginas() ? atual_ + 1 : 0).arg(paginas()));
}

void VisualizadorRelatorio::anterior() {
    irPara(atual_ - 1);
}

void VisualizadorRelatorio::proxima() {
    irPara(atual_ + 1);
}

void VisualizadorRelatorio::imprimirEm(QPrinter& impressora) const {
    QPainter p;
    if (!p.begin(&impressora))
        return;
    // The font shrinks until the widest line and every line fit the sheet.
    const QRect area = impressora.pageLayout().paintRectPixels(impressora.resolution());
    int colunas = 1, linhas = 1;
    for (const QString& pagina : paginas_) {
        const QStringList ls = pagina.split('\n');
        linhas = std::max(linhas, int(ls.size()));
        for (const QString& l : ls)
            colunas = std::max(colunas, int(l.size()));
    }
    QFont fonte = fonteMonoespacada();
    for (int pontos = 12; pontos > 4; --pontos) {
        fonte.setPointSize(pontos);
        const QFontMetrics m(fonte, &impressora);
        if (m.horizontalAdvance('M') * colunas <= area.width() &&
            m.lineSpacing() * linhas <= area.height())
            break;
    }
    p.setFont(fonte);
    const QFontMetrics m(fonte, &impressora);
    for (int i = 0; i < paginas(); ++i) {
        if (i > 0)
            impressora.newPage();
        int y = m.ascent();
        for (const QString& l : paginas_[i].split('\n')) {
            p.drawText(0, y, l);
            y += m.lineSpacing();
        }
    }
    p.end();
}

void VisualizadorRelatorio::imprimir() {
    QPrinter impressora(QPrinter::HighResolution);
    QPrintDialog dialogo(&impressora, this);
    if (dialogo.exec() == QDialog::Accepted)
        imprimirEm(impressora);
}

bool VisualizadorRelatorio::gravarPdf(const QString& arquivoHost) const {
    PdfTexto pdf(arquivoHost, titulo_);
    for (const QStringList& pagina : emitidas_)
        pdf.pagina(pagina);
    return pdf.fechar();
}

void VisualizadorRelatorio::salvarPdf() {
    const QString destino = EscolherArquivoGravar(
        "Salvar PDF", NomeArquivoProposto(titulo_, Relogio::atual().hoje(), "pdf"), "PDF (*.pdf)");
    if (destino.isEmpty())
        return;
    if (!gravarPdf(destino))
        MostrarErro("Não foi possível gravar o arquivo " + QDir::toNativeSeparators(destino));
    else if (Confirmar("O relatório foi gravado em " + QDir::toNativeSeparators(destino) +
                       ".\nDeseja abri-lo agora?") &&
             !AbrirNoDesktop(destino))
        MostrarMensagem("Não há programa para abrir " + QDir::toNativeSeparators(destino) + ".");
}

void VisualizadorRelatorio::abrirComProgramaPadrao() {
    QDesktopServices::openUrl(QUrl::fromLocalFile(arquivo_));
}
