// One open database (a directory's SQLite file) of one store session.
// Only the store uses this header.
#pragma once

#include "TipoCampo.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
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

    int coluna(const QString& campo) const; // -1 when absent
    const InfoIndice* indice(const QString& nome) const;
    QString sqlNome() const; // quoted, schema-qualified
};

// Test hook: the Nth write statement from now fails (0 = never).
namespace InjecaoFalhas {
void falharNaEscrita(int n);
bool deveFalhar();
} // namespace InjecaoFalhas

class Banco {
public:
    Banco(const QString& dirArmazenado, const QString& dirHost);
    ~Banco();
    Banco(const Banco&) = delete;
    Banco& operator=(const Banco&) = delete;

    static constexpr const char* ArquivoBanco = "PCP.sqlite";
    static constexpr const char* ArquivoTravas = "PCP.travas";

    sqlite3* db() const { return db_; }
    const QString& diretorio() const { return dirArmazenado_; }

    // Table description; creates a defined table when missing and adds the
    // columns and indexes an older file lacks. Throws when it cannot exist.
    std::shared_ptr<const InfoTabela> tabela(const QString& nome);
    bool existe(const QString& nome);
    void criar(const DefTabela& def);
    // Forgets cached descriptions (after ALTER TABLE and the like).
    void esquecerEsquema();

    // Cached prepared statement, reset and unbound.
    sqlite3_stmt* preparar(const std::string& sql);
    void executar(const QString& sql);

    void iniciarEscrita(); // BEGIN IMMEDIATE
    void confirmar();
    void desfazer() noexcept;
    // Counts every commit made in this process (all stations of it);
    // cursors compare it to drop the rows they read ahead.
    static quint64 escritas() { return escritasProcesso_; }
    static void marcarEscrita() { ++escritasProcesso_; }
    // Changes when another connection commits.
    qint64 versaoDados();

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

private:
    qint64 versaoEsquema(const QString& esquema);
    InfoTabela lerInfo(const QString& nome, const QString& esquema);
    void atualizarEsquema(const DefTabela& def, const QString& esquema);

    QString dirArmazenado_;
    QString dirHost_;
    sqlite3* db_ = nullptr;
    int fdTravas_ = -1;
    static inline quint64 escritasProcesso_ = 0;
    sqlite3_stmt* stmtVersao_ = nullptr;
    std::unordered_map<std::string, sqlite3_stmt*> cache_;
    QHash<QString, std::shared_ptr<const InfoTabela>> infos_; // upper(schema.name)
    QHash<QString, qint64> versoesEsquema_;                   // schema -> schema_version read
    QHash<QString, QString> anexos_;                          // host dir -> schema
    QHash<quint64, int> travasMinhas_;                        // lock position -> count
};

// SQLite values of the stored types.
QString TextoSqlite(sqlite3_stmt* st, int col);
// Binds a value as the stored representation of its type (blank is NULL).
void VincularValor(sqlite3_stmt* st, int parametro, const QVariant& valor);
// A name as a quoted SQL identifier.
QString CitarNome(const QString& nome);
TipoCampo TipoDeclarado(const QString& tipo, int* tamanho, bool* obrigatorio);
