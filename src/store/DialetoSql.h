// Translation of the legacy SQL the windows send into SQLite's SQL, in one
// place.
//
// Accepted forms: tables named by file name in double quotes with a
// correlation name ("GruposPorUsuario.DB" G), by bare name (Clifor,
// ESTPROMA.DB) or by full quoted path ("C:\EMPRESA2\SLDPR.DB", attached by
// the caller); 'dd.mm.yyyy' date literals; extract(month|year|day from x);
// substring(x from a [for b]); double-quoted text that is not a table (a
// string); True / False; ALTER TABLE ... ADD a t, ADD b t (one statement
// per column); ":Name" parameters whose names may hold "-" (":P-FILIAL").
// LIKE is case-sensitive and UPPER covers Unicode: the connection sets
// both up (Banco).
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace DialetoSql {

struct Traducao {
    QStringList instrucoes; // SQLite statements, in order
    QStringList parametros; // parameter names as written, upper case, first use order
};

// `tabela` receives each table reference as written (file name, bare name
// or full path) and returns the SQL that names it (it may attach a
// database or create a defined table). Throws ErroBanco for SQL it cannot
// read (an unterminated string, unbalanced parentheses).
Traducao traduzir(const QString& sql, const std::function<QString(const QString&)>& tabela);

// A filter expression over one table's fields (no table references).
QString traduzirExpressao(const QString& expressao);

// The name SQLite sees for a parameter: ":P-FILIAL" -> ":P_H_FILIAL".
QString nomeParametro(const QString& nome);

} // namespace DialetoSql
