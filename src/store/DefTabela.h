// Table definitions: every table the program knows is described once, with
// its fields in stored order, its primary key and its named secondary indexes.
//
// Definitions are registered at start-up (one file per subsystem under
// store/tabelas/) and looked up by table name, case-insensitively and with or
// without the ".DB" extension. Opening a table that has a definition creates
// it when missing and adds the columns an older database lacks.
#pragma once

#include "TipoCampo.h"

#include <QString>
#include <QStringList>
#include <vector>

struct DefIndice {
    QString nome;       // index name as the windows use it
    QStringList campos; // fields in key order
    bool unico = false;
    bool ignoraCaixa = false; // compares texts without regard to case
};

struct DefTabela {
    QString nome; // table name without extension ("ESTPROMA")
    std::vector<DefCampo> campos;
    QStringList chavePrimaria; // fields of the primary, unique index (may be empty)
    std::vector<DefIndice> indices;
    // False for tables created only on purpose (the company catalogue,
    // monthly tables made from a template); such tables are never created
    // just because a cursor or a statement names them.
    bool criarAutomaticamente = true;

    // REQUIRES: a field of that name exists (case-insensitive); else -1.
    int indiceCampo(const QString& campo) const;
    const DefIndice* indice(const QString& nomeIndice) const;
};

// The normalised table name of a file name: extension and folder removed.
// "ESTPROMA.DB" -> "ESTPROMA", "C:\EMPRESA2\SLDPR.DB" -> "SLDPR".
QString NomeTabelaNormalizado(const QString& nomeArquivo);

// Registry of every known table definition (process-wide).
namespace CatalogoTabelas {
void registrar(DefTabela def);
// Returns the definition of the table, or nullptr when unknown.
const DefTabela* buscar(const QString& nomeTabela);
// Names of the tables created whenever they are named (every registered
// table but those made only on purpose), in name order.
QStringList nomesAutomaticos();
} // namespace CatalogoTabelas

// Small builder used by the table definition files.
class Definicao {
public:
    explicit Definicao(const QString& nome) { def_.nome = nome; }
    Definicao& shortInt(const QString& n, bool obrig = false) {
        return add(n, TipoCampo::Short, 0, obrig);
    }
    Definicao& longInt(const QString& n, bool obrig = false) {
        return add(n, TipoCampo::Long, 0, obrig);
    }
    Definicao& number(const QString& n, bool obrig = false) {
        return add(n, TipoCampo::Number, 0, obrig);
    }
    Definicao& money(const QString& n) { return add(n, TipoCampo::Money, 0, false); }
    Definicao& texto(const QString& n, int tam, bool obrig = false) {
        return add(n, TipoCampo::Texto, tam, obrig);
    }
    Definicao& data(const QString& n, bool obrig = false) {
        return add(n, TipoCampo::Data, 0, obrig);
    }
    Definicao& hora(const QString& n, bool obrig = false) {
        return add(n, TipoCampo::Hora, 0, obrig);
    }
    Definicao& dataHora(const QString& n) { return add(n, TipoCampo::DataHora, 0, false); }
    Definicao& logico(const QString& n) { return add(n, TipoCampo::Logico, 0, false); }
    Definicao& memo(const QString& n) { return add(n, TipoCampo::Memo, 0, false); }
    Definicao& autoInc(const QString& n, bool obrig = false) {
        return add(n, TipoCampo::AutoInc, 0, obrig);
    }
    Definicao& chave(const QStringList& campos) {
        def_.chavePrimaria = campos;
        return *this;
    }
    Definicao& indice(const QString& nome, const QStringList& campos, bool ignoraCaixa = false,
                      bool unico = false) {
        def_.indices.push_back({nome, campos, unico, ignoraCaixa});
        return *this;
    }
    Definicao& somenteSobDemanda() {
        def_.criarAutomaticamente = false;
        return *this;
    }
    const DefTabela& def() const { return def_; }
    void registrar() { CatalogoTabelas::registrar(def_); }

private:
    Definicao& add(const QString& n, TipoCampo t, int tam, bool obrig) {
        def_.campos.push_back({n, t, tam, obrig});
        return *this;
    }
    DefTabela def_;
};
