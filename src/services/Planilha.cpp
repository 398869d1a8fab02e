#include "Planilha.h"

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

namespace {
QString campoCsv(const QString& campo) {
    if (!campo.contains(';') && !campo.contains('"') && !campo.contains('\n') &&
        !campo.contains('\r'))
        return campo;
    return '"' + QString(campo).replace('"', "\"\"") + '"';
}

bool linhaEmBranco(const QStringList& campos) {
    return campos.size() == 1 && campos.first().isEmpty();
}
} // namespace

QByteArray TextoCsv(const QList<QStringList>& linhas) {
    QString texto;
    for (const QStringList& linha : linhas) {
        QStringList campos;
        for (const QString& c : linha)
            campos << campoCsv(c);
        texto += campos.join(';') + "\r\n";
    }
    return "\xEF\xBB\xBF" + texto.toUtf8();
}

bool GravarCsv(const QString& arquivo, const QList<QStringList>& linhas, QString& erro) {
    QSaveFile f(arquivo);
    if (!f.open(QIODevice::WriteOnly)) {
        erro = f.errorString();
        return false;
    }
    f.write(TextoCsv(linhas));
    if (!f.commit()) {
        erro = f.errorString();
        return false;
    }
    return true;
}

QList<QStringList> InterpretarCsv(const QString& texto) {
    const qsizetype fimPrimeira = texto.indexOf('\n');
    const QString primeira = texto.left(fimPrimeira < 0 ? texto.size() : fimPrimeira);
    const QChar separador = !primeira.contains(';') && primeira.contains(',') ? ',' : ';';
    QList<QStringList> linhas;
    QStringList campos;
    QString campo;
    bool entreAspas = false;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (entreAspas) {
            if (c == '"' && i + 1 < texto.size() && texto[i + 1] == '"') {
                campo += '"';
                ++i;
            } else if (c == '"') {
                entreAspas = false;
            } else {
                campo += c;
            }
        } else if (c == '"') {
            entreAspas = true;
        } else if (c == separador) {
            campos << campo;
            campo.clear();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n')
                ++i;
            campos << campo;
            campo.clear();
            if (!linhaEmBranco(campos))
                linhas << campos;
            campos.clear();
        } else {
            campo += c;
        }
    }
    if (!campo.isEmpty() || !campos.isEmpty()) {
        campos << campo;
        if (!linhaEmBranco(campos))
            linhas << campos;
    }
    return linhas;
}

bool LerCsv(const QString& arquivo, QList<QStringList>& linhas, QString& erro) {
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly)) {
        erro = f.errorString();
        return false;
    }
    QByteArray bytes = f.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    linhas = InterpretarCsv(QString::fromUtf8(bytes));
    return true;
}

QString NumeroPlanilha(double valor, int decimais) {
    QString s = QString::number(valor, 'f', decimais);
    if (s.startsWith('-') && s.count('0') == s.size() - 1 - s.count('.'))
        s.remove(0, 1); // no "-0,00"
    return s.replace('.', ',');
}

QString NumeroSemMilhar(const QString& texto) {
    static const QRegularExpression milhar(
        QStringLiteral("^\\s*-?\\d{1,3}(\\.\\d{3})+(,\\d*)?\\s*$"));
    return milhar.match(texto).hasMatch() ? QString(texto).remove('.').trimmed() : texto;
}
