// A text report as a PDF file: each page of emitted lines (printer codes
// included) set in a monospaced font the way a dot-matrix printer puts it
// on paper. Normal pitch is 10 characters an inch; compressed pitch
// (character 15, cancelled by 18) is 17 an inch, a smaller text; expanded
// pitch (character 14 for the rest of the line, cancelled by 20, or ESC
// "W" 1/0) is twice as wide. Lines are 1/6 inch apart, 1/8 after ESC "0".
// Printer codes take no room. A page that does not fit an A4 sheet is
// turned to landscape or scaled down, never wrapped or cut.
//
// The text a person reads on the page is TextoImpresso() of each line.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QPainter;
class QPdfWriter;

// The line without its printer codes: what the printer prints.
QString TextoImpresso(const QString& linha);

class PdfTexto {
public:
    // The file is written from the first page on.
    PdfTexto(const QString& arquivoHost, const QString& titulo);
    ~PdfTexto();
    PdfTexto(const PdfTexto&) = delete;
    PdfTexto& operator=(const PdfTexto&) = delete;

    // Adds one page holding `linhas` as emitted (without line ends).
    void pagina(const QStringList& linhas);
    int paginas() const { return paginas_; }
    // Finishes the file; false when it could not be written whole.
    bool fechar();

private:
    std::unique_ptr<QPdfWriter> escritor_;
    std::unique_ptr<QPainter> pintor_;
    QString arquivo_;
    int paginas_ = 0;
    // Printer state carried from line to line and page to page.
    bool compactado_ = false;
    bool expandido_ = false;
    double entrelinha_ = 12; // points
};
