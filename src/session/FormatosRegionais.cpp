#include "FormatosRegionais.h"

#include <QLocale>

namespace {
FormatosRegionais formatos;
}

const FormatosRegionais& Formatos() {
    return formatos;
}

void ForcarFormatosRegionais() {
    formatos = FormatosRegionais();
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
}

QString DataTexto(const QDate& d) {
    return d.isValid() ? d.toString(formatos.dataCurta) : QString();
}

QDate TextoData(const QString& s) {
    return QDate::fromString(s.trimmed(), formatos.dataCurta);
}
