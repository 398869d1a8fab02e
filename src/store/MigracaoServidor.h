// Moving a company directory from the directory store onto the server
// store: every table of the directory's database is copied into the
// directory's schema on the server, each in one transaction, and both
// sides' row counts are told. A schema that already holds rows is never
// written into, so running it twice is safe.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

struct TabelaMigrada {
    QString tabela;
    qint64 linhasOrigem = 0;
    qint64 linhasDestino = 0;
};

// `dirArmazenado` as stored ("C:\EMPRESA1", resolved by Caminhos);
// `linhasServidor` the alias lines naming the server ("SERVER NAME=..."
// and, optionally, "USER NAME=" and "PASSWORD="). `relatar` hears each
// table when it is done. Throws ErroBanco when the server cannot be
// reached, the schema already holds rows, or a table cannot be copied
// (that table is left empty; the tables before it stay copied).
std::vector<TabelaMigrada>
MigrarParaServidor(const QString& dirArmazenado, const QStringList& linhasServidor,
                   const std::function<void(const TabelaMigrada&)>& relatar = {});
