// The regional formats the program forces on itself: dates are always
// day/month/four-digit year, times hours:minutes:seconds, numbers with a
// decimal comma and a dot for thousands.
#pragma once

#include <QDate>
#include <QString>

struct FormatosRegionais {
    QString dataCurta = "dd/MM/yyyy";
    QString hora = "HH:mm:ss";
    QChar separadorData = '/';
    QChar separadorHora = ':';
};

const FormatosRegionais& Formatos();

// Sets the formats above for the whole process (and the Brazilian locale
// as the default QLocale), whatever the workstation has.
void ForcarFormatosRegionais();

QString DataTexto(const QDate& d); // "" for an invalid date
QDate TextoData(const QString& s); // invalid unless dd/mm/yyyy
