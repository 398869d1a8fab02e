// Where a text report's bytes go: a file or device (a path, Windows-shaped
// paths resolved through Caminhos) or a CUPS queue (a bare name such as
// "EPSON" or "LPT1"), which receives the finished report as raw text. A
// shared printer ("\\SERVIDOR\EPSON", a prefix Caminhos does not map) goes
// to the queue the installation maps it to, else to the queue named after
// the share; it is never written as a file.
//
// Texts are written in Latin-1, the printers' single-byte code page; every
// write is flushed at once. One output is open at a time (process-wide).
#pragma once

#include <QMap>
#include <QString>
#include <functional>
#include <memory>
#include <stdexcept>

class QFile;
class QTemporaryFile;

// A write that the platform refused.
class ErroSaidaTexto : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ImpressoraTexto {
public:
    static ImpressoraTexto& atual();

    // Opens `porta` for writing; false (and nothing open) when it cannot,
    // with the reason in erro() when the operator must be told.
    bool abrir(const QString& porta);
    const QString& erro() const { return erro_; }
    bool aberta() const;
    // REQUIRES: nothing, writes without an open output are dropped.
    // Throws ErroSaidaTexto when the platform refuses the write.
    void escrever(const QString& texto);
    // Closes the output; a queue then receives the spooled text.
    void fechar();
    // Closes without sending anything to a queue.
    void descartar();

    // True when `porta` names a print queue rather than a path.
    static bool ehFila(const QString& porta);

    // Shared printers of the installation: upper-cased "\\SERVIDOR\EPSON"
    // -> CUPS queue.
    static void definirCompartilhadas(const QMap<QString, QString>& filas);

    // Sends a finished file to a queue; by default `lp -d FILA -o raw
    // ARQUIVO`. Tests replace it (nullptr restores the default).
    using Spooler = std::function<bool(const QString& fila, const QString& arquivo)>;
    static void instalarSpooler(Spooler s);

private:
    ImpressoraTexto() = default;
    std::unique_ptr<QFile> arquivo_;
    std::unique_ptr<QTemporaryFile> temporario_;
    QString fila_;
    QString erro_;
};
