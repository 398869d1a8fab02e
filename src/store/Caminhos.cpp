#include "Caminhos.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

Caminhos& Caminhos::atual() {
    static Caminhos c;
    return c;
}

void Caminhos::mapear(const QString& prefixo, const QString& pasta) {
    QString p = prefixo.toUpper();
    while (p.endsWith('\\') || p.endsWith('/'))
        p.chop(1);
    mapa_[p] = QDir::cleanPath(pasta);
}

void Caminhos::limpar() {
    mapa_.clear();
}

namespace {
// Finds `nome` inside `pasta` regardless of case; the name as written when
// nothing matches.
QString componente(const QString& pasta, const QString& nome) {
    const QDir dir(pasta);
    if (QFileInfo::exists(dir.filePath(nome)))
        return nome;
    const auto entradas = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& e : entradas)
        if (e.compare(nome, Qt::CaseInsensitive) == 0)
            return e;
    return nome;
}
} // namespace

QString Caminhos::resolver(const QString& caminho) const {
    QString c = caminho.trimmed();
    if (c.isEmpty())
        return c;
    QString base;
    QString resto;
    if (c.startsWith("\\\\")) {
        const qsizetype fim = c.indexOf('\\', 2);
        const QString prefixo = (fim < 0 ? c : c.left(fim)).toUpper();
        auto it = mapa_.constFind(prefixo);
        if (it == mapa_.constEnd())
            return QDir::fromNativeSeparators(c);
        base = it.value();
        resto = fim < 0 ? QString() : c.mid(fim + 1);
    } else if (c.size() >= 2 && c[1] == ':' && c[0].isLetter()) {
        auto it = mapa_.constFind(c.left(2).toUpper());
        base = it == mapa_.constEnd() ? QDir::rootPath() : it.value();
        resto = c.mid(2);
    } else {
        return QDir::cleanPath(c.replace('\\', '/'));
    }
    QString atual = base;
    const auto partes = resto.split(QRegularExpression("[\\\\/]"), Qt::SkipEmptyParts);
    for (const QString& parte : partes)
        atual = QDir(atual).filePath(componente(atual, parte));
    return QDir::cleanPath(atual);
}

QString Caminhos::diretorioDe(const QString& caminho) {
    const qsizetype barra = std::max(caminho.lastIndexOf('\\'), caminho.lastIndexOf('/'));
    return barra < 0 ? QString() : caminho.left(barra);
}
