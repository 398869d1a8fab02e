// The lookup query of the multi-selection dialog (TFoSelecaoMultipla).
//
// The caller gives the statement in three pieces (select with its FROM, a
// WHERE clause or "", an ORDER BY clause or ""). A select naming the
// products (ESTPROMA, but not ESTPROMANCM) or the parties (CLIFOR) is
// replaced by the standard statement of that table, and the standard
// lookups add their extra grid columns. The pieces are the program's own
// text; the value the operator searches for is always bound as a
// parameter, never pasted into the statement.
#pragma once

#include "store/TipoCampo.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class SessaoBanco;

struct ColunaSelecao {
    QString campo;  // column of the lookup result
    QString titulo; // grid title, also offered by "Pesquisar Em"
};

// The standard statement that replaces `select`, or `select` itself.
QString SelectPadrao(const QString& select);

class PesquisaSelecao {
public:
    PesquisaSelecao(const QString& banco, const QString& select, const QString& condicao,
                    const QString& ordem, const QString& colunaCodigo,
                    const QString& colunaDescricao, const QString& colunaResultado,
                    SessaoBanco* sessao = nullptr);

    // "Codigo", "Descricao", then the extra columns of the lookup.
    const QList<ColunaSelecao>& colunas() const { return colunas_; }

    // Runs the statement, restricted when `valor` is not empty to the rows
    // whose column titled `titulo` holds it: "=" for an integer column,
    // else UPPER(column) like the upper-cased value, with "%" before
    // (unless `iniciando`) and after it; "%" and "_" typed stay wildcards.
    // False, keeping the rows of the last search, after "Valor inválido
    // para a pesquisa!" (a value that is not an integer for an integer
    // column) or after the store's text.
    bool pesquisar(const QString& titulo, const QString& valor, bool iniciando);
    // Orders by the code or description expression from the next search.
    void ordenarPor(const QString& titulo);

    // Rows of the last search: the texts of colunas(), and the result
    // column's text.
    const QList<QStringList>& linhas() const { return linhas_; }
    const QStringList& resultados() const { return resultados_; }
    // The statement of the last search, line by line.
    const QStringList& sql() const { return sql_; }

private:
    QString expressao(const QString& titulo) const;
    bool colunaInteira(const QString& titulo) const;

    SessaoBanco* sessao_;
    QString banco_;
    QString select_, condicao_, ordem_;
    QString colunaCodigo_, colunaDescricao_, colunaResultado_;
    QList<ColunaSelecao> colunas_;
    QList<QStringList> linhas_;
    QStringList resultados_;
    QStringList sql_;
    QHash<QString, TipoCampo> tipos_; // result columns, upper-cased names
};
