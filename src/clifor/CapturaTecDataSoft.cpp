#include "CapturaTecDataSoft.h"

#include <QDate>
#include <QFile>

#include <algorithm>
#include <iterator>

namespace {

// Windows-1252 differs from Latin-1 in 0x80-0x9F only; Qt's own codecs
// know Latin-1 but not this code page.
const char16_t Faixa80[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                              0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                              0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                              0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

QString deCp1252(const QByteArray& dados) {
    QString t;
    t.reserve(dados.size());
    for (char c : dados) {
        const auto b = static_cast<unsigned char>(c);
        t += QChar(b >= 0x80 && b < 0xA0 ? Faixa80[b - 0x80] : char16_t(b));
    }
    return t;
}

QByteArray paraCp1252(const QString& texto) {
    QByteArray d;
    d.reserve(texto.size());
    for (QChar c : texto) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            d += char(u);
            continue;
        }
        const char16_t* i = std::find(std::begin(Faixa80), std::end(Faixa80), u);
        d += i != std::end(Faixa80) && u != 0xFFFD ? char(0x80 + (i - Faixa80)) : '?';
    }
    return d;
}

} // namespace

QStringList PedidoTecDataSoft(bool porDocumento, const QString& valor) {
    return {"00-00 = INF", (porDocumento ? "03-00 = " : "03-01 = ") + valor};
}

bool GravarArquivoTec(const QString& arquivo, const QStringList& linhas) {
    QFile f(arquivo);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray dados;
    for (const QString& l : linhas)
        dados += paraCp1252(l) + "\r\n";
    return f.write(dados) == dados.size() && f.flush();
}

RespostaTecDataSoft LerRespostaTecDataSoft(const QString& arquivo) {
    RespostaTecDataSoft r;
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        return r;
    QStringList linhas = deCp1252(f.readAll()).split('\n');
    for (QString& l : linhas)
        if (l.endsWith('\r'))
            l.chop(1);
    if (linhas.isEmpty())
        return r;
    r.status = linhas[0].mid(8).trimmed();
    if (r.status != "OK") {
        for (int i = 1; i <= 2 && i < linhas.size(); ++i)
            r.erros << linhas[i].mid(8).trimmed();
        return r;
    }
    for (int i = 1; i < linhas.size(); ++i) {
        if (linhas[i].size() < 5)
            continue;
        r.itens.insert(linhas[i].left(5), linhas[i].mid(8, 60).trimmed());
    }
    return r;
}

QString DataTecDataSoft(const QString& ddmmaaaa) {
    const QDate d = QDate::fromString(ddmmaaaa.trimmed(), "ddMMyyyy");
    return d.isValid() ? d.toString("dd/MM/yyyy") : QString();
}
