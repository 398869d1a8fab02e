// A table cursor: one table of a database, walked in the order of its
// primary key, of a named secondary index, or of a list of fields.
//
// Navigation is keyset-based on the live table: each step asks SQLite for
// the rows after the current key in index order (a hidden row id breaks
// ties, NULL sorts first), reading a small batch ahead. The batch is
// dropped as soon as this connection writes or another connection commits,
// so rows posted by another station appear at the next step and a walk over
// a million rows holds only one batch in memory.
//
// Ranges and master/detail links restrict the leading fields of the
// current index; a text filter ("Filial = 1 and Situacao = '1'") restricts
// any field. editar() takes the row's record lock and throws
// ErroRegistroBloqueado when another station holds it; gravar() posts the
// row in its own durable transaction and releases the lock; a duplicate
// unique key throws ErroBanco("Key violation.") and leaves the row in edit.
#pragma once

#include "ConjuntoDados.h"
#include "DialetoSql.h"

#include <QSet>
#include <QVariantList>
#include <memory>

class Banco;
struct InfoTabela;
struct InfoIndice;

// A remembered row of a cursor.
struct Marcador {
    qint64 rowid = 0;
    bool valido = false;
};

class Tabela : public ConjuntoDados {
public:
    explicit Tabela(SessaoBanco* sessao = nullptr);
    Tabela(const QString& nomeTabela, SessaoBanco* sessao = nullptr);
    ~Tabela() override;

    // File name in any case, with or without ".DB", or a full path.
    void setNomeTabela(const QString& nome) { nomeTabela_ = nome; }
    QString nomeTabela() const override { return nomeTabela_; }

    // Index by name ("" = primary key) or by fields ("Filial;Nome"). When
    // the cursor is open the current row is kept.
    void setIndice(const QString& nome);
    const QString& indice() const { return nomeIndice_; }
    void setCamposIndice(const QString& campos);
    QStringList camposIndice() const;

    void abrir() override;
    void fechar() override;
    bool existe();
    // Creates the table from its registered definition (or `def` when
    // given: tables made at run time). Existing tables are left as they are.
    void criarTabela();
    void criarTabela(const struct DefTabela& def);
    void esvaziar();

    void primeiro() override;
    void proximo() override;
    void anterior() override;
    void ultimo() override;
    int contarRegistros() override;
    // Re-reads the current row and drops what was read ahead.
    void atualizar();

    // Exact key on the leading fields of the current index; false (and no
    // move) when no row has it.
    bool localizarChave(const QVariantList& chave);
    // First row at or after the key on the leading fields.
    void localizarProximo(const QVariantList& chave);
    // First row, in index order, whose fields equal the values.
    bool localizar(const QStringList& campos, const QVariantList& valores,
                   bool ignorarCaixa = false, bool chaveParcial = false);

    Marcador marcador() const;
    // REQUIRES: the row still exists; else throws ErroBanco.
    void irPara(const Marcador& m);

    // Rows whose leading index fields lie between the two keys (inclusive).
    void definirFaixa(const QVariantList& inicio, const QVariantList& fim);
    void cancelarFaixa();
    // A filter in SQL expression form over this table's fields; "" removes it.
    void setFiltro(const QString& filtro);

    // Detail of `mestre`: the leading fields of this cursor's index equal
    // the master's `camposMestre` ("Filial;Formula") on its current row; a
    // row inserted here starts with those fields filled in.
    void setMestre(ConjuntoDados* mestre, const QString& camposMestre);

    void editar() override;
    void incluir() override;
    void gravar() override;
    void cancelar() override;
    void excluir() override;

    // Called by the master after it moved.
    void seguirMestre();

private:
    struct Condicao;
    void exigirAtivo() const;
    void prepararIndice();
    QString ordem(bool inversa) const;
    QString filtroBase(std::vector<QVariant>& args) const;
    bool buscar(const QString& condicao, const std::vector<QVariant>& argsCond, bool inversa,
                int limite, bool acrescentar);
    bool depoisDe(int linha, bool inversa, int limite);
    bool loteValido();
    // True when nothing was committed anywhere since the batch was read
    // (asked of the database every time).
    bool loteAtual();
    void carregarPorRowid(qint64 rowid);
    void ficarVazio();
    quint64 posicaoTrava() const;
    QVariantList valoresMestre() const;
    DialetoSql::Referencia camposFiltro() const;
    QString expr(const QString& coluna, bool semCaixa) const;

    QString nomeTabela_;
    QString nomeIndice_;
    QStringList camposIndiceLivres_;
    Banco* banco_ = nullptr;
    std::shared_ptr<const InfoTabela> info_;
    std::vector<int> chave_;     // index columns of the current order
    std::vector<bool> semCaixa_; // per index column
    bool chaveUnica_ = false;    // the order is the primary key
    QString sqlTabela_;
    QString rowid_; // how the backend names a row's hidden id
    QString sqlInsercao_;
    QString colunasSelect_;
    QVariantList faixaInicio_, faixaFim_;
    bool temFaixa_ = false;
    QString filtro_, filtroSql_;
    ConjuntoDados* mestre_ = nullptr;
    QStringList camposMestre_;
    QVariantList ultimoMestre_;
    quint64 trava_ = 0;
    bool travado_ = false;
    int tamanhoLote_ = 8;
};
