// A directory's database on a PostgreSQL server, for stations on separate
// machines: the directory is a schema of the server's database, named
// after its stored path ("C:\EMPRESA1" -> c_empresa1), so many companies
// share one server. Only the store uses this header.
//
// Values are kept in the same stored forms as in the file store (dates and
// times as ISO text, logical as 0/1, money with four decimals), each column
// with the same named type check; a hidden identity column (pcp_rowid)
// plays the row id. Record locks are session-level advisory locks, freed
// by the server when a station's connection dies. Every commit notifies
// the other stations, whose cursors then drop what they read ahead.
#pragma once

#include "Banco_interno.h"

#include <string>
#include <unordered_map>

struct pg_conn;

// What the alias's lines say of the server: "SERVER NAME=host:port/base"
// (host may be a socket folder), and optionally "USER NAME=" and
// "PASSWORD="; the rest comes from libpq's environment and service files.
struct ServidorBanco {
    QString host, porta, base, usuario, senha;
    bool valido() const { return !base.isEmpty(); }
    // Reads the lines; an alias without a SERVER NAME line gives an
    // invalid (file store) result.
    static ServidorBanco dasLinhas(const QStringList& linhas);
    QByteArray parametrosConexao() const;
};

// The schema that holds a stored directory's tables.
QString EsquemaDoDiretorio(const QString& dirArmazenado);
// Makes the directory's schema on the server (nothing when it exists).
void CriarEsquemaNoServidor(const ServidorBanco& servidor, const QString& dirArmazenado);

class BancoPostgres : public Banco {
public:
    BancoPostgres(const QString& dirArmazenado, const ServidorBanco& servidor);
    ~BancoPostgres() override;

    DialetoSql::Alvo alvo() const override { return DialetoSql::Alvo::Postgres; }
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
    QString rowid() const override { return QStringLiteral("pcp_rowid"); }
    QString semCaixa(const QString& coluna) const override {
        return coluna + " COLLATE pcp.nocase";
    }
    QString igualOuNulo() const override { return QStringLiteral("IS NOT DISTINCT FROM"); }
    QString nulosPrimeiro(bool inversa) const override {
        return inversa ? QStringLiteral(" NULLS LAST") : QStringLiteral(" NULLS FIRST");
    }
    qint64 versaoDados() override;
    int loteMaximo() const override { return 4096; }

    pg_conn* conexao() const { return conn_; }
    const QString& esquema() const { return esquema_; }
    // Throws the store's error for a failed result (Key violation. for a
    // unique key, the field for a type check).
    [[noreturn]] void falhar(const struct pg_result* resultado) const;
    // The declared field of a result column, by table OID and column number.
    bool campoDeclarado(unsigned tabelaOid, int coluna, DefCampo& campo);

protected:
    void comecar() override;
    void efetivar() override;
    void reverter() noexcept override;
    void exigirGravavel() const override;
    bool travarPosicao(quint64 posicao) override;
    void destravarPosicao(quint64 posicao) override;

private:
    void prepararServidor();
    InfoTabela lerInfo(const QString& nome, const QString& esquema);
    void atualizarEsquema(const DefTabela& def, const QString& esquema);
    qint64 chaveTrava(quint64 posicao) const;

    pg_conn* conn_ = nullptr;
    QString esquema_;
    int proximaInstrucao_ = 0;
    std::unordered_map<std::string, std::unique_ptr<Instrucao>> cache_;
    QHash<QString, std::shared_ptr<const InfoTabela>> infos_; // upper(schema.name)
    QHash<quint64, QList<DefCampo>> camposPorTabela_;         // table OID -> declared fields
    QHash<QString, QPair<qint64, QString>> versoes_;          // upper(schema.name) -> OID, xmin
};
