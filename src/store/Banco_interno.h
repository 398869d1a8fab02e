// One open database of one store session, and its prepared statements.
// Only the store uses this header.
//
// A database is a company directory: on one machine an SQLite file inside
// it (BancoSqlite), on a server a schema named after it (BancoPostgres).
// The cursors, queries and transactions above speak only to this
// interface; what differs between backends (how a row is identified, how
// a statement is run, how a record lock is taken) stays behind it.
#pragma once

#include "DialetoSql.h"
#include "InjecaoFalhas.h"
#include "LoteLinhas.h"
#include "TipoCampo.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

struct DefTabela;

using InfoColuna = DefCampo;

struct InfoIndice {
    QString nome; // "" for the primary index
    std::vector<int> colunas;
    bool unico = false;
    bool ignoraCaixa = false;
};

struct InfoTabela {
    QString nome;    // as stored in the database
    QString esquema; // the database's own, or another directory's
    std::vector<InfoColuna> colunas;
    std::vector<InfoIndice> indices; // primary first when there is one
    bool temPrimario = false;
    bool comVerificacoes = false; // the database holds the fields to their types
    QString sqlNome;              // quoted, schema-qualified

    int coluna(const QString& campo) const; // -1 when absent
    const InfoIndice* indice(const QString& nome) const;
};

// A prepared statement. Parameters are numbered from 1; each run starts
// from the values bound since the statement was handed out.
class Instrucao {
public:
    virtual ~Instrucao() = default;
    // Binds the stored representation of a value (blank is NULL).
    virtual void vincular(int parametro, const QVariant& valor) = 0;
    virtual void vincularCelula(int parametro, const LoteLinhas& lote, int linha, int coluna) = 0;
    // Runs it and appends its rows to `lote`. With `comRowid` the first
    // column is the row id; `colunas` cells follow. With `resultado` the
    // columns of the result (names and, where known, types) are returned.
    virtual void ler(LoteLinhas& lote, bool comRowid, int colunas,
                     std::vector<DefCampo>* resultado = nullptr) = 0;
    // Runs it: the first column of the first row, or `padrao` without one.
    virtual qint64 escalar(qint64 padrao = 0) = 0;
    // Runs a statement that returns no rows; the number of rows changed.
    virtual qint64 executar() = 0;
    // True when the statement only reads.
    virtual bool somenteLeitura() const = 0;
    virtual int colunasResultado() const = 0;
};


// Tells whoever waits for the end of the process's last open multi-row
// transaction (messages held back while it was open).
void NotificarFimTransacao() noexcept;

class Banco {
public:
    explicit Banco(const QString& dirArmazenado) : dirArmazenado_(dirArmazenado) {}
    virtual ~Banco();
    Banco(const Banco&) = delete;
    Banco& operator=(const Banco&) = delete;

    const QString& diretorio() const { return dirArmazenado_; }
    bool somenteLeitura() const { return somenteLeitura_; }
    virtual DialetoSql::Alvo alvo() const = 0;

    // Table description in the database's own schema or, naming an
    // esquemaDe() result, in another directory's; creates a defined table
    // when missing and brings an older one up to its definition. Throws
    // when it cannot exist.
    virtual std::shared_ptr<const InfoTabela> tabela(const QString& nome,
                                                     const QString& esquema = QString()) = 0;
    virtual bool existe(const QString& nome) = 0;
    // The database's own tables, in name order.
    virtual QStringList nomesTabelas() = 0;
    virtual void criar(const DefTabela& def) = 0;
    // Forgets cached descriptions (after ALTER TABLE and the like).
    virtual void esquecerEsquema() = 0;
    // The schema under which another directory's tables are named here.
    virtual QString esquemaDe(const QString& dirArmazenado, const QString& dirHost) = 0;

    // A cached statement written with "?" placeholders, numbered in order.
    virtual Instrucao& preparar(const QString& sql) = 0;
    // A statement of a query, written with "?N" placeholders; not cached.
    virtual std::unique_ptr<Instrucao> prepararAvulsa(const QString& sql) = 0;
    virtual void executar(const QString& sql) = 0;
    // A fixed command run many times (SAVEPOINT and the like).
    virtual void comandoCurto(const char* sql) { executar(QString::fromLatin1(sql)); }

    // SQL pieces the cursors compose their statements with.
    virtual QString rowid() const = 0;
    virtual QString semCaixa(const QString& coluna) const = 0;
    virtual QString igualOuNulo() const = 0; // "col <this> ?" is true for equal or both NULL
    // The most rows a cursor reads ahead in one step: a round trip to a
    // server costs more than a step into a file.
    virtual int loteMaximo() const { return 256; }
    // What an ORDER BY term needs so NULL sorts before every value.
    virtual QString nulosPrimeiro(bool inversa) const = 0;

    // One write (a post, a delete, a statement): its own durable
    // transaction, or a savepoint of the open multi-row transaction, so a
    // failed write leaves nothing of itself either way.
    void iniciarEscrita();
    void confirmar();
    void desfazer() noexcept;

    // Multi-row transaction (TransacaoBanco): nested calls join the
    // outermost, which alone commits. Record locks released inside are
    // kept until it ends.
    void iniciarTransacao();
    void confirmarTransacao();
    void desfazerTransacao() noexcept;
    bool emTransacao() const { return profundidade_ > 0; }
    std::weak_ptr<bool> vida() const { return vivo_; }
    // Open multi-row transactions of the process, over every connection.
    static int transacoesAbertas();

    // Counts every commit made in this process (all stations of it);
    // cursors compare it to drop the rows they read ahead.
    static quint64 escritas() { return escritasProcesso_; }
    static void marcarEscrita() { ++escritasProcesso_; }
    // Changes when another station commits.
    virtual qint64 versaoDados() = 0;

    // Record locks, counted per position. Throws ErroBanco when the
    // database cannot be written.
    bool travar(quint64 posicao);
    void destravar(quint64 posicao);

protected:
    // The backend's transaction primitives.
    virtual void comecar() = 0;           // outermost write begins
    virtual void efetivar() = 0;          // and commits durably
    virtual void reverter() noexcept = 0; // or rolls back
    // Throws when a write must not start (read-only, files replaced...).
    virtual void exigirGravavel() const = 0;
    // After a commit: throws when what was written did not reach the database.
    virtual void conferirAposEfetivar() const {}
    virtual bool travarPosicao(quint64 posicao) = 0;
    virtual void destravarPosicao(quint64 posicao) = 0;

    QString dirArmazenado_;
    bool somenteLeitura_ = false;

    // Ends the backend's connection: an open transaction is rolled back
    // first. Called by the backend's destructor.
    void encerrar() noexcept;

private:
    void terminarTransacao() noexcept;

    int profundidade_ = 0;               // open multi-row transactions (nesting)
    bool transacaoPerdida_ = false;      // an inner one rolled the whole back
    std::vector<quint64> travasAdiadas_; // released when the transaction ends
    QHash<quint64, int> travasMinhas_;   // lock position -> count
    std::shared_ptr<bool> vivo_ = std::make_shared<bool>(true);
    static inline quint64 escritasProcesso_ = 0;
};

// A name as a quoted SQL identifier.
QString CitarNome(const QString& nome);
// The field type of a declared type text ("VARCHAR REQUIRED(30)").
TipoCampo TipoDeclarado(const QString& tipo, int* tamanho, bool* obrigatorio);
// The declared type text of a field: type, REQUIRED, size.
QString TipoDeclaradoDe(const DefCampo& campo);
// The name of the CHECK constraint of a field: what the database reports
// when a value breaks it ("Nome (texto de até 30 caracteres)").
QString NomeVerificacao(const DefCampo& campo);
// The SQL of a column, with its type check, for the given backend.
QString DeclaracaoColuna(const DefCampo& campo, DialetoSql::Alvo alvo);
