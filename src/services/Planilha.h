// Spreadsheet files in the form Brazilian spreadsheets open directly: CSV
// with ";" between fields, decimal comma, dates dd/mm/yyyy, UTF-8 with a
// byte-order mark (so accents survive) and CR LF line ends. A field
// holding ";", a quote or a line break is quoted, its quotes doubled.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QByteArray;

// The file's bytes for `linhas` (the first usually the titles).
QByteArray TextoCsv(const QList<QStringList>& linhas);
// Writes the file whole or not at all (a failed write leaves any earlier
// file as it was); false with the reason in `erro`.
bool GravarCsv(const QString& arquivo, const QList<QStringList>& linhas, QString& erro);

// The lines of a CSV text: ";" or, in a file whose first line has no ";",
// "," between fields; quoted fields may hold separators, doubled quotes and
// line breaks. Blank lines are left out.
QList<QStringList> InterpretarCsv(const QString& texto);
// Reads a file as above (UTF-8, with or without the byte-order mark);
// false with the reason in `erro` when it cannot be read.
bool LerCsv(const QString& arquivo, QList<QStringList>& linhas, QString& erro);

// A number written for a spreadsheet: decimal comma, no thousands dots,
// `decimais` decimals ("-1234567,50").
QString NumeroPlanilha(double valor, int decimais);
// A Brazilian number shown with thousands dots ("-1.234,50") as a
// spreadsheet reads it ("-1234,50"); any other text unchanged.
QString NumeroSemMilhar(const QString& texto);
