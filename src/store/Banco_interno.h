// One open database (a directory's SQLite file) of one store session.
// Only the store uses this header.
#pragma once

#include "TipoCampo.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <unordered_map>
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
    QString esquema; // "main" or the schema of an attached directory
    std::vector<InfoColuna> colunas;
    std::vector<InfoIndice> indices; // primary first when there is one
    bool temPrimario = false;
    bool comVerificacoes = false; // the file holds the fields to their types

    int coluna(const QString& campo) const; // -1 when absent
    const InfoIndice* indice(const QString& nome) const;
    QString sqlNome() const; // quoted, schema-qualified
};

// Tells whoever waits for the end of the process's last open multi-row
// transaction (messages held back while it was open).
void NotificarFimTransacao() noexcept;

// Test hook: the Nth write statement from now fails (0 = never).
namespace InjecaoFalhas {
void falharNaEscrita(int n);
bool deveFalhar();
} // namespace InjecaoFalhas

class Banco {
public:
    // Opens (creating when missing) the directory's database. Refuses a
    // directory on a network file system, where SQLite's WAL is unsafe,
    // and a damaged file; a directory that cannot be written opens for
    // reading only.
    Banco(const QString& dirArmazenado, const QString& dirHost);
    ~Banco();
    Banco(const Banco&) = delete;
    Banco& operator=(const Banco&) = delete;

    static constexpr const char* ArquivoBanco = "PCP.sqlite";
    static constexpr const char* ArquivoTravas = "PCP.travas";
    static constexpr const char* ArquivoVerificacao = "PCP.verificacao.txt";

    sqlite3* db() const { return db_; }
    const QString& diretorio() const { return dirArmazenado_; }
    bool somenteLeitura() const { return somenteLeitura_; }

    // Table description in `esquema` ("main" or an attached directory's);
    // creates a defined table when missing and brings an older one up to
    // its definition (columns, indexes, type checks). Throws when it cannot
    // exist.
    std::shared_ptr<const InfoTabela> tabela(const QString& nome,
                                             const QString& esquema = QStringLiteral("main"));
    bool existe(const QString& nome);
    void criar(const DefTabela& def);
    // Forgets cached descriptions (after ALTER TABLE and the like).
    void esquecerEsquema();

    // Cached prepared statement, reset and unbound.
    sqlite3_stmt* preparar(const std::string& sql);
    void executar(const QString& sql);

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
    // Changes when another connection commits.
    qint64 versaoDados();

    // Throws ErroBanco when the lock file is no longer the one this
    // connection locks on (deleted or replaced) or the directory is read-only.
    bool travar(quint64 posicao);
    void destravar(quint64 posicao);

    // Schema name under which another directory's database is attached.
    QString esquemaDe(const QString& dirArmazenado, const QString& dirHost);

    // Throws ErroBanco for an SQLite result code (Key violation. for a
    // unique constraint).
    [[noreturn]] void falhar(int rc) const;
    void verificar(int rc) const {
        if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
            falhar(rc);
    }

    // Test hook: the file system type the directory is taken to be on
    // (statfs f_type); nullptr asks the system.
    static void simularTipoSistemaArquivos(std::function<long(const QString&)> tipo);

private:
    qint64 versaoEsquema(const QString& esquema);
    InfoTabela lerInfo(const QString& nome, const QString& esquema);
    void atualizarEsquema(const DefTabela& def, const QString& esquema);
    // Rebuilds a table of an older file with the type checks of its fields.
    void acrescentarVerificacoes(const InfoTabela& info, const DefTabela* def);
    void verificarArquivos() const;
    void exigirGravavel() const;
    void terminarTransacao() noexcept;

    QString dirArmazenado_;
    QString dirHost_;
    sqlite3* db_ = nullptr;
    int fdTravas_ = -1;
    QString arquivoTravas_;
    bool somenteLeitura_ = false;
    std::shared_ptr<bool> vivo_ = std::make_shared<bool>(true); // for TransacaoBanco
    int profundidade_ = 0;               // open multi-row transactions (nesting)
    bool transacaoPerdida_ = false;      // an inner one rolled the whole back
    std::vector<quint64> travasAdiadas_; // released when the transaction ends
    static inline quint64 escritasProcesso_ = 0;
    sqlite3_stmt* stmtVersao_ = nullptr;
    std::unordered_map<std::string, sqlite3_stmt*> cache_;
    QHash<QString, std::shared_ptr<const InfoTabela>> infos_; // upper(schema.name)
    QHash<QString, qint64> versoesEsquema_;                   // schema -> schema_version read
    QHash<QString, QString> anexos_;                          // host dir -> schema
    QHash<quint64, int> travasMinhas_;                        // lock position -> count
};

// The CHECK constraint that makes the database itself hold a field to its
// type and size ("" for none).
QString VerificacaoCampo(const DefCampo& campo);

// SQLite values of the stored types.
QString TextoSqlite(sqlite3_stmt* st, int col);
// Binds a value as the stored representation of its type (blank is NULL).
void VincularValor(sqlite3_stmt* st, int parametro, const QVariant& valor);
// A name as a quoted SQL identifier.
QString CitarNome(const QString& nome);
TipoCampo TipoDeclarado(const QString& tipo, int* tamanho, bool* obrigatorio);
