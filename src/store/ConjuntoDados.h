// A data set: the rows of a table cursor (Tabela) or of a query result
// (Consulta), one current row at a time, with typed field access.
//
// Blank is NULL: an empty text or unset value is stored as NULL; reading it
// gives 0, "" or an invalid date, and Campo::ehNulo() tells. Writing a
// field is allowed only while the row is in edit or insert state. A value
// the field cannot hold is refused (ErroBanco), never wrapped or
// reinterpreted: text into a number field is read only in the form texto()
// writes, so definir(campo.texto()) gives back the same value. Texts are cut
// to their size in characters and money is kept with four decimals (ties
// to even). Errors are ErroBanco exceptions (ErroBanco.h).
#pragma once

#include "LoteLinhas.h"
#include "TipoCampo.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <string>
#include <vector>

class ConjuntoDados;
class SessaoBanco;
class Tabela;

enum class EstadoDados { Inativo, Navegando, Editando, Inserindo };

// A field of the current row.
class Campo {
public:
    Campo(ConjuntoDados* ds, int indice) : ds_(ds), i_(indice) {}
    QString nome() const;
    TipoCampo tipo() const;
    int tamanho() const;

    bool ehNulo() const;
    QVariant valor() const; // invalid QVariant for NULL
    QString texto() const;  // numbers without grouping, dates dd/MM/yyyy
    int inteiro() const;
    qint64 inteiroLongo() const;
    double numero() const;
    bool logico() const;
    QDate data() const;
    QTime hora() const;
    QDateTime dataHora() const;

    // REQUIRES: the data set is in edit or insert state.
    void definir(const QVariant& v);
    void limpar() { definir(QVariant()); }

private:
    ConjuntoDados* ds_;
    int i_;
};

class ConjuntoDados {
public:
    explicit ConjuntoDados(SessaoBanco* sessao);
    virtual ~ConjuntoDados();
    ConjuntoDados(const ConjuntoDados&) = delete;
    ConjuntoDados& operator=(const ConjuntoDados&) = delete;

    void setNomeBanco(const QString& nome) { nomeBanco_ = nome; }
    const QString& nomeBanco() const { return nomeBanco_; }
    SessaoBanco& sessao() const { return *sessao_; }

    virtual void abrir() = 0;
    virtual void fechar();
    bool ativo() const { return estado_ != EstadoDados::Inativo; }
    EstadoDados estado() const { return estado_; }

    virtual void primeiro() = 0;
    virtual void proximo() = 0;
    virtual void anterior() = 0;
    virtual void ultimo() = 0;
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    // True when the data set has no current row.
    bool vazio() const { return pos_ < 0 && estado_ != EstadoDados::Inserindo; }
    virtual int contarRegistros() = 0;

    // REQUIRES: the field exists; else throws ErroBanco "Field 'X' not found".
    Campo campo(const QString& nome);
    Campo campo(int indice) { return Campo(this, indice); }
    int quantidadeCampos() const { return int(colunas_.size()); }
    int indiceCampo(const QString& nome) const; // -1 when absent
    QStringList nomesCampos() const;

    // Row writes; a read-only data set throws.
    virtual void editar();
    virtual void incluir();
    void adicionar() { incluir(); }
    virtual void gravar();
    virtual void cancelar();
    virtual void excluir();
    // Every post is already durable; kept as calls for the callers that
    // flush and save explicitly.
    void descarregar() {}
    void salvarEmDisco() {}

    // Name shown in messages (the table name, or "" for a query).
    virtual QString nomeTabela() const { return QString(); }

protected:
    friend class Campo;
    friend class Tabela;
    QVariant valorAtual(int coluna) const;
    bool nuloAtual(int coluna) const;
    void definirValor(int coluna, const QVariant& v);
    // Called after the current row changed, so detail cursors follow.
    void posicionou();
    void registrarDetalhe(Tabela* t);
    void removerDetalhe(Tabela* t);

    SessaoBanco* sessao_;
    QString nomeBanco_;
    EstadoDados estado_ = EstadoDados::Inativo;
    std::vector<DefCampo> colunas_;
    LoteLinhas lote_;
    int pos_ = -1; // current row in lote_, -1 when none
    bool eof_ = true;
    bool bof_ = true;
    std::vector<QVariant> buffer_; // the row being edited or inserted
    std::vector<bool> alterados_;  // per field: written since edit or insert began
    std::vector<Tabela*> detalhes_;
};

// A value converted for storage in a field of the given type; throws
// ErroBanco for a value the type cannot hold.
QVariant NormalizarValor(const DefCampo& coluna, const QVariant& v);
