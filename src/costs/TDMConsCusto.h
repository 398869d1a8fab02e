// The cost consultation data module: for the current branch, the dollar
// value the consultation works with (the unposted scratch row of
// TMPVALORES.DB), the branch's factors, the product, formula-number and
// raw-material lists, the formula header and component cursors and the
// product table, with the computations of a product's and a formula's
// cost (CalculoCusto.h) and the change of a product's dollar cost
// (LISTA6).
//
// Created once at start-up; abrir() on each opening of the window reads
// the branch from Sess().Filial, fechar() cancels the scratch row and
// closes everything. Messages go through Dialogos; the functions return
// false after them. Reads (lists, factors, computations) throw ErroBanco
// on a store failure, and the computations std::overflow_error for an
// amount beyond the money type.
#pragma once

#include "CalculoCusto.h"
#include "ValoresTemporarios.h"
#include "store/Consulta.h"
#include "store/Tabela.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>

// A product of the product list.
struct ProdutoConsulta {
    int codigo = 0;
    QString nome;
    QString grupo; // Nivel2
};

// A formula of the formula-number list.
struct FormulaConsulta {
    QString numero;
    int produto = 0;
};

// A component of the current formula with its dollar cost and value.
struct ComponenteCusto {
    int ordComp = 0;
    int componente = 0;
    QString nome;        // "" when the product is not in the branch
    Dinheiro percentual; // Percentual
    Dinheiro custo;      // the component's LISTA6; 0 without the product
    Dinheiro valor;      // ValorComponente(custo, percentual)
};

class TDMConsCusto {
public:
    explicit TDMConsCusto(SessaoBanco* sessao = nullptr);
    ~TDMConsCusto();

    // Finds the dollar value of `data` and appends the scratch row with
    // it, then runs the lists and opens the tables of the current branch.
    // False, with nothing left open, after "Valor do dolar não
    // cadastrado" or the store's text.
    bool abrir(const QDate& data);
    // Cancels the scratch row (and a product row left in edit) and closes
    // every list and table.
    void fechar();
    bool aberto() const { return QMateriasPrimas.ativo(); }
    int filial() const { return filial_; }

    // D: Valor1 of the scratch row, as the operator may have typed it.
    Dinheiro dolar();
    // Date of the registered value the row started with.
    QDate dataDolar() const { return TmpValores.data(); }
    // Fator1 ... Fator5 of the branch's Pcpcfg.DB row; zeros without one.
    Fatores fatores();

    QList<ProdutoConsulta> produtos();
    QList<FormulaConsulta> formulas();
    // Nome1 of a product of the branch, from the raw-material list.
    QString nomeProduto(int codigo) const { return nomes_.value(codigo); }

    // Puts the product table on the branch's product; false when absent
    // (deleted meanwhile), and then there is no chosen product.
    bool posicionarProduto(int codigo);
    bool temProduto() const { return produtoAchado_; }
    // The product computation of the chosen product (L = 0 without one).
    PrecosCusto calcularProduto();
    // "Alterar": the chosen product's row in edit (EditarRegistro); false
    // when the operator gave up on a locked row or there is no product.
    bool alterarProduto();
    // "Gravar": posts the product row (GravarRegistro) and re-runs the
    // product list. False, the row still in edit, after the message.
    bool gravarProduto();
    bool editandoProduto() const;

    // The number of the branch's first formula in key order; "" when the
    // branch has none.
    QString primeiraFormula();
    // Makes the branch's formula `numero` current. False after "Formula
    // não cadastrada", the previous formula still current.
    bool buscarFormula(const QString& numero);
    bool temFormula() const { return !TFormula.vazio(); }
    // The current formula's components in OrdComp order, their dollar
    // costs read afresh from the product table.
    QList<ComponenteCusto> componentes();
    // "Valor Total": the sum of the components' values.
    static Dinheiro valorTotal(const QList<ComponenteCusto>& componentes);
    // The formula computation of a formula whose values add to `valorTotal`.
    PrecosCusto calcularFormula(Dinheiro valorTotal);

    Consulta QProdutos;
    Consulta QFormulas;
    Consulta QMateriasPrimas;
    Tabela TPcpcfg;   // the branch's configuration row
    Tabela TFormula;  // the branch's formula headers
    Tabela TFormulai; // components of the current header, by OrdComp
    Tabela TEstproma; // the chosen product's row
    ValoresTemporarios TmpValores;

private:
    int filial_ = 0;
    bool produtoAchado_ = false;
    Tabela produtos_; // component lookups, apart from the chosen product
    QHash<int, QString> nomes_;
};
