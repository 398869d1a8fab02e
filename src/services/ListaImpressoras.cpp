#include "ListaImpressoras.h"

#include "store/Caminhos.h"

#include <QFile>
#include <QPrinterInfo>

namespace {
QStringList filasCups() {
    QStringList entradas;
    for (const QString& fila : QPrinterInfo::availablePrinterNames())
        entradas << fila + " on " + fila;
    return entradas;
}

std::function<QStringList()>& instaladas() {
    static std::function<QStringList()> f = filasCups;
    return f;
}
} // namespace

QString PortaDaEntrada(const QString& entrada) {
    const qsizetype on = entrada.indexOf(" on ");
    return on < 0 ? QString() : entrada.mid(on + 4, 50).remove(':');
}

ListaImpressoras LerListaImpressoras() {
    ListaImpressoras lista;
    QFile arquivo(Caminhos::atual().resolver("C:\\Printers.txt"));
    if (arquivo.open(QIODevice::ReadOnly)) {
        const QStringList linhas = QString::fromLatin1(arquivo.readAll()).split('\n');
        for (QString linha : linhas) {
            if (linha.endsWith('\r'))
                linha.chop(1);
            if (linha.trimmed().isEmpty())
                continue;
            lista.nomes << linha;
            lista.portas << linha;
        }
        return lista;
    }
    for (const QString& entrada : instaladas()()) {
        lista.nomes << entrada;
        lista.portas << PortaDaEntrada(entrada);
    }
    return lista;
}

QStringList FilasInstaladas() {
    QStringList filas;
    for (const QString& entrada : instaladas()())
        filas << PortaDaEntrada(entrada);
    return filas;
}

void InstalarImpressorasInstaladas(std::function<QStringList()> listar) {
    instaladas() = listar ? std::move(listar) : std::function<QStringList()>(filasCups);
}
