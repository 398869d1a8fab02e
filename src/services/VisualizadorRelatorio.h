// Preview of a finished text report: the file shown page by page in a
// monospaced font, with printing, saving as PDF and opening the file with
// the desktop's program. Non-modal; one window per preview.
#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPrinter;

class VisualizadorRelatorio : public QWidget {
    Q_OBJECT
public:
    VisualizadorRelatorio(const QString& arquivoHost, int linhasPorPagina, QWidget* pai = nullptr);

    int paginas() const { return int(paginas_.size()); }
    int paginaAtual() const { return atual_; }
    // The page as shown: printer codes removed (TextoImpresso).
    QString textoPagina(int indice) const;
    // The report's title, which names the PDF it is saved as.
    void definirTitulo(const QString& titulo) { titulo_ = titulo; }
    // Writes the pages as the PDF destination of the report does;
    // false when the file could not be written.
    bool gravarPdf(const QString& arquivoHost) const;

    // Every page on `impressora`, one sheet per page.
    void imprimirEm(QPrinter& impressora) const;

public slots:
    void irPara(int indice);
    void anterior();
    void proxima();
    void imprimir();
    void salvarPdf();
    void abrirComProgramaPadrao();

private:
    void carregar(int linhasPorPagina);

    QString arquivo_;
    QString titulo_;
    QStringList paginas_;
    QList<QStringList> emitidas_; // each page's lines as written, codes included
    int atual_ = 0;
    QPlainTextEdit* texto_;
    QLabel* rotulo_;
};
