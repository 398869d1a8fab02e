// The store session of one station: its named aliases and its open
// databases (one connection per directory: its SQLite file, or its schema
// on the server the alias Orvalo names).
//
// A database is a directory; its tables live in one SQLite file inside it.
// A database name is an alias ("Orvalo", whose first parameter line is
// "PATH=<directory>") or a directory written as stored ("D:\EMPRESA1").
// Closing the session closes every cursor and query opened on it; after
// redefining an alias and reopening, every open goes to the new directory.
//
// The program uses SessaoBanco::padrao(). A test plays a second station by
// creating another SessaoBanco: its connections, and so its record locks,
// are apart from the first one's. Not thread-safe: window thread only.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class Banco;
class ConjuntoDados;

class SessaoBanco {
public:
    SessaoBanco();
    ~SessaoBanco();
    SessaoBanco(const SessaoBanco&) = delete;
    SessaoBanco& operator=(const SessaoBanco&) = delete;

    static SessaoBanco& padrao();

    void definirAlias(const QString& nome, const QStringList& parametros);
    bool existeAlias(const QString& nome) const;
    // REQUIRES: the alias exists; else throws ErroBanco.
    QStringList parametrosAlias(const QString& nome) const;

    // Closes every open cursor and connection of this session.
    void fechar();
    void abrir();
    bool aberta() const;

    // The stored directory named by a database name (alias PATH or itself).
    QString diretorio(const QString& nomeBanco) const;

    // True when the alias Orvalo names a server ("SERVER NAME=" line): every
    // directory is then a schema of the server's database.
    bool noServidor() const;
    // Whether a directory's database can be opened (a folder on disk, or a
    // schema on the server), and making one.
    bool existeDiretorio(const QString& diretorioArmazenado);
    void criarDiretorio(const QString& diretorioArmazenado);
    // Where a directory's database lives, for messages: the host folder, or
    // "esquema x do servidor y".
    QString localDiretorio(const QString& diretorioArmazenado) const;

    // True when the table exists; never creates the database or the table.
    // `tabela` may be a full path, which names its own directory.
    bool existeTabela(const QString& nomeBanco, const QString& tabela);

    // The tables a database holds, in name order.
    QStringList tabelas(const QString& nomeBanco);

    // Empties a table (every row deleted).
    void esvaziarTabela(const QString& nomeBanco, const QString& tabela);

    // Store internals: the connection of a stored directory, opened on
    // first use. Throws ErroBanco when the directory does not exist.
    Banco& banco(const QString& diretorioArmazenado);
    // Resolves a database name and a table name (possibly a full path)
    // into the connection and the bare table name.
    Banco& bancoDaTabela(const QString& nomeBanco, const QString& tabela, QString& nomeTabela);

    void registrar(ConjuntoDados* ds);
    void remover(ConjuntoDados* ds);

private:
    explicit SessaoBanco(int); // the program's own session
    struct Dados;
    std::unique_ptr<Dados> d;
};
