// The PDF file a report run is written to: text pages laid out by PdfTexto
// (destination "P", "Arquivo PDF"), or graphic pages drawn by
// DesenharPaginaGrafica (graphic mode on a printer that prints to a
// file). Every page goes into one document. One at a time (process-wide).
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class PdfTexto;
class QPainter;
class QPdfWriter;

class SaidaPdf {
public:
    static SaidaPdf& atual();

    // Starts a document at `arquivoHost`: graphic pages on the page layout
    // of ImpressoraGrafica(), else text pages.
    void abrir(const QString& arquivoHost, bool grafica, const QString& titulo);
    bool aberta() const { return aberta_; }
    const QString& arquivo() const { return arquivo_; }
    int paginas() const { return paginas_; }

    void paginaTexto(const QStringList& linhas);
    // The page buffer under the current print settings.
    void paginaGrafica();
    // Finishes the file; false when nothing or not all of it was written.
    bool fechar();
    // Ends without keeping the file.
    void descartar();

private:
    SaidaPdf();
    ~SaidaPdf();

    bool aberta_ = false;
    QString arquivo_;
    QString titulo_;
    int paginas_ = 0;
    std::unique_ptr<PdfTexto> texto_;
    std::unique_ptr<QPdfWriter> grafica_;
    std::unique_ptr<QPainter> pintor_;
};
