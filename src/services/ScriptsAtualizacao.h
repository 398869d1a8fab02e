// The built-in data-correction scripts and their outcome per company
// (ScriptsSql.db): each statement is applied once; the table keeps when it
// was last tried, whether it ran ("Ok"), failed ("Er", with the store's
// text) or was never run (""). A statement and its "Ok" are written in one
// transaction, so a failure or a dying station leaves neither behind and
// the statement is never applied twice.
//
// The list is read from the company the alias Orvalo points at when
// montar() is called; window thread only.
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <functional>

class SessaoBanco;

struct ScriptSql {
    int CodScript = 0;
    QString DescScriptRes;
    QDate DataCadScript;
    QDate DataTentativa;
    QString Status;
    QString SqlScript;
    QString SqlRetorno;
};

// The scripts compiled into the program, in list order, without outcome.
const QList<ScriptSql>& ScriptsEmbutidos();

class ListaScripts {
public:
    explicit ListaScripts(SessaoBanco* sessao = nullptr);

    // The built-in scripts joined with the company's stored outcome.
    // Throws ErroBanco.
    void montar();

    const QList<ScriptSql>& linhas() const { return linhas_; }
    int quantidade() const { return int(linhas_.size()); }
    // Scripts with status "Ok", and those never run ("").
    int aplicados() const;
    int pendentes() const;

    // Runs the script of row `i` unless it is "Ok": the statement and the
    // row's "Ok" (DataTentativa today, SqlRetorno empty) in one
    // transaction; on failure nothing of it stays and the row is stored
    // "Er" with the store's text, DataTentativa unchanged. True when it ran.
    bool rodar(int i);
    // rodar() on every row in order; `progresso` gets the rows done.
    void rodarTodos(const std::function<void(int)>& progresso = {});
    // "Ok" becomes "", anything else "Ok", stored without running the
    // statement. Throws ErroBanco (the list is then unchanged).
    void marcarOk(int i);

private:
    void gravarLinha(const ScriptSql& s);

    SessaoBanco* sessao_;
    QList<ScriptSql> linhas_;
};
