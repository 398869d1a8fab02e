// The month as the stock tables keep it ("YYYYMM", e.g. "200801") and as
// the windows take it from the operator ("MMYYYY", or "MM/YYYY" with the
// slash of the mask).
#pragma once

#include <QString>

class QDate;

// "MMYYYY" or "MM/YYYY" -> "YYYYMM"; digits only, else empty.
QString AnoMesDeMesAno(const QString& mesAno);
// "YYYYMM" -> "MMYYYY", or "MM/YYYY" with `comBarra`.
QString MesAnoDeAnoMes(const QString& anoMes, bool comBarra = false);
// "YYYYMM" of a date.
QString AnoMesDaData(const QDate& data);
// The month before: "200801" -> "200712". Built as the stock routines
// always did: the month number minus one, January giving December of the
// year before, written "%4.4d%2.2d".
QString MesAnterior(const QString& anoMes);
