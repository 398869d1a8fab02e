// The file exchange with the TecDataSoft customer-data program: a request
// TEC.ENV and a reply TEC.RET in the program's folder, Windows-1252 text,
// one "key = value" line per item (key in characters 1-5, value from
// character 9), CR LF written and LF read too.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The request lines: "00-00 = INF" and "03-00 = " + document or
// "03-01 = " + name.
QStringList PedidoTecDataSoft(bool porDocumento, const QString& valor);

struct RespostaTecDataSoft {
    QString status;                // "OK", "ERRO" or what the first line carries
    QStringList erros;             // lines 2 and 3 of an error reply
    QHash<QString, QString> itens; // key ("03-01") -> value, at most 60 characters
};

// Writes `linhas` to `arquivo` (host path) in Windows-1252 with CR LF.
// False when the file cannot be written.
bool GravarArquivoTec(const QString& arquivo, const QStringList& linhas);
// Reads the reply at `arquivo` (host path).
RespostaTecDataSoft LerRespostaTecDataSoft(const QString& arquivo);

// "DDMMYYYY" as "DD/MM/YYYY"; "" for an empty or malformed text.
QString DataTecDataSoft(const QString& ddmmaaaa);
