// A query: SQL given as lines, ":Name" parameters bound by name, opened for
// a result (read-only rows, walked like a cursor) or executed as a
// statement. The SQL is the legacy dialect (DialetoSql.h); tables named by
// full path are reached by attaching their directory's database.
#pragma once

#include "ConjuntoDados.h"

#include <QHash>
#include <QStringList>
#include <memory>
#include <vector>

class Consulta : public ConjuntoDados {
public:
    explicit Consulta(SessaoBanco* sessao = nullptr);
    ~Consulta() override;
    Consulta(const Consulta&) = delete;
    Consulta& operator=(const Consulta&) = delete;

    // The SQL lines; changing them closes the query.
    void setSql(const QStringList& linhas);
    void adicionarLinha(const QString& linha);
    void limparSql();
    const QStringList& sql() const { return sql_; }

    // Parameter names are compared without regard to case.
    void definirParametro(const QString& nome, const QVariant& valor);

    // Runs a SELECT and positions on its first row.
    void abrir() override;
    // Runs statements (UPDATE, INSERT, DELETE, ALTER ...), each durable.
    void executar();
    int linhasAfetadas() const { return afetadas_; }

    void primeiro() override;
    void proximo() override;
    void anterior() override;
    void ultimo() override;
    int contarRegistros() override;

private:
    // Translates and prepares the SQL once; later runs only bind again.
    class Banco& preparar();
    void esquecerPreparadas();

    QStringList sql_;
    std::vector<std::unique_ptr<class Instrucao>> preparadas_;
    QList<QStringList> parametrosPreparados_;
    class Banco* bancoPreparado_ = nullptr;
    std::weak_ptr<bool> vidaPreparada_;
    QHash<QString, QVariant> parametros_;
    int afetadas_ = 0;
};
