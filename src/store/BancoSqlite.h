// A directory's database on this machine: one SQLite file (PCP.sqlite) in
// WAL mode with synchronous writes, and the record locks as byte-range
// locks on PCP.travas beside it. Only the store uses this header.
//
// Safe for stations of one host only: a directory on a network file system
// is refused. A directory that cannot be written opens for reading.
#pragma once

#include "Banco_interno.h"

#include <functional>
#include <sqlite3.h>
#include <string>
#include <unordered_map>

class BancoSqlite : public Banco {
public:
    BancoSqlite(const QString& dirArmazenado, const QString& dirHost);
    ~BancoSqlite() override;

    static constexpr const char* ArquivoBanco = "PCP.sqlite";
    static constexpr const char* ArquivoTravas = "PCP.travas";
    static constexpr const char* ArquivoVerificacao = "PCP.verificacao.txt";

    // Test hook: the file system type the directory is taken to be on
    // (statfs f_type); nullptr asks the system.
    static void simularTipoSistemaArquivos(std::function<long(const QString&)> tipo);

    DialetoSql::Alvo alvo() const override { return DialetoSql::Alvo::Sqlite; }
    std::shared_ptr<const InfoTabela> tabela(const QString& nome,
                                             const QString& esquema = QString()) override;
    bool existe(const QString& nome) override;
    QStringList nomesTabelas() override;
    void criar(const DefTabela& def) override;
    void esquecerEsquema() override;
    QString esquemaDe(const QString& dirArmazenado, const QString& dirHost) override;
    Instrucao& preparar(const QString& sql) override;
    std::unique_ptr<Instrucao> prepararAvulsa(const QString& sql) override;
    void executar(const QString& sql) override;
    void comandoCurto(const char* sql) override { passo(sql); }
    QString rowid() const override { return QStringLiteral("rowid"); }
    QString semCaixa(const QString& coluna) const override { return coluna + " COLLATE NOCASE"; }
    QString igualOuNulo() const override { return QStringLiteral("IS"); }
    QString nulosPrimeiro(bool) const override { return QString(); }
    qint64 versaoDados() override;

    sqlite3* db() const { return db_; }
    // Throws ErroBanco for an SQLite result code (Key violation. for a
    // unique constraint, the field for a type check).
    [[noreturn]] void falhar(int rc) const;

protected:
    void comecar() override;
    void efetivar() override;
    void reverter() noexcept override;
    void exigirGravavel() const override;
    void conferirAposEfetivar() const override { verificarArquivos(); }
    bool travarPosicao(quint64 posicao) override;
    void destravarPosicao(quint64 posicao) override;

private:
    qint64 versaoEsquema(const QString& esquema);
    InfoTabela lerInfo(const QString& nome, const QString& esquema);
    void atualizarEsquema(const DefTabela& def, const QString& esquema);
    void acrescentarVerificacoes(const InfoTabela& info, const DefTabela* def);
    void verificarArquivos() const;
    void passo(const char* sql);

    QString dirHost_;
    sqlite3* db_ = nullptr;
    int fdTravas_ = -1;
    QString arquivoTravas_;
    sqlite3_stmt* stmtVersao_ = nullptr;
    std::unordered_map<std::string, std::unique_ptr<Instrucao>> cache_;
    QHash<QString, std::shared_ptr<const InfoTabela>> infos_; // upper(schema.name)
    QHash<QString, qint64> versoesEsquema_;                   // schema -> schema_version read
    QHash<QString, QString> anexos_;                          // host dir -> schema
};
