// Translation of the legacy SQL the windows send into SQLite's SQL, in one
// place.
//
// Accepted forms: tables named by file name in double quotes with a
// correlation name ("GruposPorUsuario.DB" G), by bare name (Clifor,
// ESTPROMA.DB) or by full quoted path ("C:\EMPRESA2\SLDPR.DB", attached by
// the caller); 'dd.mm.yyyy' date literals where they meet a date column
// (a comparison, BETWEEN, IN, an assignment or an INSERT value of that
// column; elsewhere the text stays as written); extract(month|year|day
// from x); substring(x from a [for b]); double-quoted text that is not a
// table (a string); True / False; ALTER TABLE ... ADD a t, ADD b t (one
// statement per column, each with the type check of its field); ":Name"
// parameters whose names may hold "-" (":P-FILIAL"); comments. LIKE is
// case-sensitive and UPPER covers Unicode: the connection sets both up
// (Banco). Text holding a NUL character is refused.
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

namespace DialetoSql {

// The SQL the translation is for.
enum class Alvo { Sqlite, Postgres };

// What a table reference resolves to.
struct Referencia {
    QString sql;          // the name SQLite sees
    QStringList colunas;  // fields in stored order, upper case
    QSet<QString> datas;  // the date fields among them, upper case
    QSet<QString> textos; // the text fields among them, upper case
};

struct Traducao {
    QStringList instrucoes; // SQLite statements, in order
    // Parameter names as written, upper case, in first-use order.
    QStringList parametros;
    // Per statement, its parameters in its own first-use order: the Nth is
    // written ?N (SQLite) or $N (server) in that statement.
    QList<QStringList> parametrosInstrucao;
};

// `tabela` receives each table reference as written (file name, bare name
// or full path) and resolves it (it may attach a database or create a
// defined table). Throws ErroBanco for SQL it cannot read (an unterminated
// string or comment, unbalanced parentheses, a NUL character).
Traducao traduzir(const QString& sql, const std::function<Referencia(const QString&)>& tabela,
                  Alvo alvo = Alvo::Sqlite);

// A cursor's filter over one table's fields (`campos`: its fields and date
// fields; its sql is not used): no table references, and no comment, ";"
// or unbalanced parenthesis, so it cannot reach beyond the parentheses the
// cursor puts around it.
QString traduzirExpressao(const QString& expressao, const Referencia& campos = {},
                          Alvo alvo = Alvo::Sqlite);

} // namespace DialetoSql
