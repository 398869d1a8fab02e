#include "ImpressoraTexto.h"

#include "ListaImpressoras.h"
#include "store/Caminhos.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryFile>

namespace {
bool spoolerLp(const QString& fila, const QString& arquivo) {
    return QProcess::execute("lp", {"-d", fila, "-o", "raw", arquivo}) == 0;
}

ImpressoraTexto::Spooler& spooler() {
    static ImpressoraTexto::Spooler s = spoolerLp;
    return s;
}

QMap<QString, QString>& compartilhadas() {
    static QMap<QString, QString> m;
    return m;
}

// "\\SERVIDOR\EPSON" written in Printers.txt: a printer shared by another
// computer, unless the prefix is one of the installation's mapped folders
// (the remote desktop client's "\\tsclient").
bool ehCompartilhada(const QString& porta) {
    if (!porta.startsWith("\\\\"))
        return false;
    const qsizetype fim = porta.indexOf('\\', 2);
    const QString prefixo = (fim < 0 ? porta : porta.left(fim)).toUpper();
    return !Caminhos::atual().mapeamentos().contains(prefixo);
}
} // namespace

ImpressoraTexto& ImpressoraTexto::atual() {
    static ImpressoraTexto i;
    return i;
}

void ImpressoraTexto::instalarSpooler(Spooler s) {
    spooler() = s ? std::move(s) : Spooler(spoolerLp);
}

bool ImpressoraTexto::ehFila(const QString& porta) {
    return !porta.contains('\\') && !porta.contains('/');
}

void ImpressoraTexto::definirCompartilhadas(const QMap<QString, QString>& filas) {
    compartilhadas() = filas;
}

bool ImpressoraTexto::abrir(const QString& porta) {
    fechar();
    erro_.clear();
    if (ehCompartilhada(porta.trimmed())) {
        const QString nome = porta.trimmed();
        QString fila = compartilhadas().value(nome.toUpper());
        if (fila.isEmpty()) {
            const QString compartilhamento = nome.section('\\', -1);
            if (FilasInstaladas().contains(compartilhamento, Qt::CaseInsensitive))
                fila = compartilhamento;
        }
        if (fila.isEmpty()) {
            erro_ = "A impressora " + nome +
                    " não corresponde a nenhuma fila de impressão deste computador. Ligue-a a "
                    "uma fila na seção [Impressoras] do arquivo de configuração, ou crie no "
                    "CUPS uma fila chamada " +
                    nome.section('\\', -1) + ".";
            return false;
        }
        return abrir(fila);
    }
    if (ehFila(porta)) {
        auto t = std::make_unique<QTemporaryFile>();
        if (!t->open())
            return false;
        fila_ = porta.trimmed();
        temporario_ = std::move(t);
        return true;
    }
    auto f = std::make_unique<QFile>(Caminhos::atual().resolver(porta));
    // Unbuffered: each write reaches the device or file at once.
    if (!f->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return false;
    arquivo_ = std::move(f);
    return true;
}

bool ImpressoraTexto::aberta() const {
    return arquivo_ || temporario_;
}

void ImpressoraTexto::escrever(const QString& texto) {
    QIODevice* d = arquivo_ ? static_cast<QIODevice*>(arquivo_.get()) : temporario_.get();
    if (!d)
        return;
    const QByteArray bytes = texto.toLatin1();
    if (d->write(bytes) != bytes.size())
        throw ErroSaidaTexto(d->errorString().toStdString());
    if (temporario_ && !temporario_->flush())
        throw ErroSaidaTexto(temporario_->errorString().toStdString());
}

void ImpressoraTexto::fechar() {
    if (arquivo_) {
        arquivo_->close();
        arquivo_.reset();
    }
    if (temporario_) {
        temporario_->close();
        // A queue that refuses the job is treated like a port that would
        // not open: the report goes nowhere, silently.
        spooler()(fila_, temporario_->fileName());
        temporario_.reset();
        fila_.clear();
    }
}

void ImpressoraTexto::descartar() {
    temporario_.reset();
    fila_.clear();
    fechar();
}
