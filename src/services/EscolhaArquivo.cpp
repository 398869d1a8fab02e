#include "EscolhaArquivo.h"

#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QUrl>

namespace {
QString& ultimaPasta() {
    static QString pasta;
    return pasta;
}

QString escolherQt(bool gravar, const QString& titulo, const QString& sugerido,
                   const QString& filtro) {
    QWidget* pai = QApplication::activeWindow();
    return gravar ? QFileDialog::getSaveFileName(pai, titulo, sugerido, filtro)
                  : QFileDialog::getOpenFileName(pai, titulo, sugerido, filtro);
}

bool abrirQt(const QString& arquivo) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(arquivo));
}

EscolhaArquivo& escolha() {
    static EscolhaArquivo e{escolherQt, abrirQt};
    return e;
}

QString lembrar(const QString& arquivo) {
    if (!arquivo.isEmpty())
        ultimaPasta() = QFileInfo(arquivo).absolutePath();
    return arquivo;
}
} // namespace

QString NomeArquivoProposto(const QString& titulo, const QDate& data, const QString& extensao) {
    QString nome;
    for (const QChar c : titulo.simplified())
        if (!QStringLiteral("/\\:*?\"<>|").contains(c) && c >= QChar(' '))
            nome += c;
    nome = nome.trimmed();
    if (nome.isEmpty())
        nome = "Relatorio";
    const QString pasta = ultimaPasta().isEmpty() ? QDir::homePath() : ultimaPasta();
    return QDir(pasta).filePath(nome + " " + data.toString("dd-MM-yyyy") + "." + extensao);
}

QString EscolherArquivoGravar(const QString& titulo, const QString& sugerido,
                              const QString& filtro) {
    return lembrar(escolha().escolher(true, titulo, sugerido, filtro));
}

QString EscolherArquivoAbrir(const QString& titulo, const QString& filtro) {
    const QString pasta = ultimaPasta().isEmpty() ? QDir::homePath() : ultimaPasta();
    return lembrar(escolha().escolher(false, titulo, pasta, filtro));
}

bool AbrirNoDesktop(const QString& arquivo) {
    return escolha().abrir(arquivo);
}

void InstalarEscolhaArquivo(EscolhaArquivo e) {
    escolha().escolher = e.escolher ? std::move(e.escolher) : escolherQt;
    escolha().abrir = e.abrir ? std::move(e.abrir) : abrirQt;
}
