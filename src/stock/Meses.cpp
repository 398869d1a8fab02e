#include "Meses.h"

#include <QDate>

#include <algorithm>

QString AnoMesDeMesAno(const QString& mesAno) {
    QString t = mesAno.trimmed();
    if (t.size() == 7 && t[2] == '/')
        t.remove(2, 1);
    if (t.size() != 6 ||
        std::any_of(t.begin(), t.end(), [](QChar c) { return c < '0' || c > '9'; }))
        return QString();
    return t.mid(2, 4) + t.left(2);
}

QString MesAnoDeAnoMes(const QString& anoMes, bool comBarra) {
    return anoMes.mid(4, 2) + (comBarra ? "/" : "") + anoMes.left(4);
}

QString AnoMesDaData(const QDate& data) {
    return data.toString("yyyyMM");
}

QString MesAnterior(const QString& anoMes) {
    int mes = anoMes.right(2).toInt() - 1;
    int ano = anoMes.left(4).toInt();
    if (mes == 0) {
        mes = 12;
        --ano;
    }
    return QString::asprintf("%4.4d%2.2d", ano, mes);
}
