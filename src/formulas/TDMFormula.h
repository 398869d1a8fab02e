// The formula data module: the cursors of one branch's formulas (header,
// components, PCP configuration row, technicians, tinting machines and the
// third product group level), the three choice lists, and the operations
// on the model: numbering, returning a number, appending a component,
// recomputing percentages and deleting a formula.
//
// Created once at start-up; abrir() (again after the branch changed) reads
// the branch from Sess().Filial. Every write goes through EditarRegistro /
// GravarRegistro, so failures reach the operator as their messages and the
// operations return false.
#pragma once

#include "Consulta.h"
#include "Tabela.h"

#include <QString>

class SessaoBanco;

class TDMFormula {
public:
    explicit TDMFormula(SessaoBanco* sessao = nullptr);

    // Opens every cursor on the current branch. Throws ErroBanco.
    void abrir();
    void fechar();
    int filial() const { return filial_; }

    // Runs the customer list with its last line replaced by `ordem`
    // ("Order By Nome", "Order By Cod_Clifor", "Order By Fantasia").
    void abrirClientes(const QString& ordem = QStringLiteral("Order By Nome"));
    void abrirProdutos();
    void abrirMateriasPrimas();

    // Issues the next number of the branch and creates its header, left in
    // edit. False after "Formula já existe" (the counter stays advanced) or
    // a refused lock or post.
    bool EmitirNumeroFormula();
    // Gives the current header's number back when it is still the last one
    // issued, then deletes the formula. REQUIRES: the header was created
    // by EmitirNumeroFormula and its edits were discarded.
    bool DevolverNumeroFormula();
    // Appends a component row to the current header: OrdComp = the last
    // row's + 1 (1 when there is none). The row is left in insert.
    bool IncluirComponente();
    // Stores each component's share of the total, rounded to 4 decimals,
    // the remainder on the last row so the shares add to exactly 100, and
    // the header's stored QtdTotal (the total) and TotalItens (the number
    // of rows), so the stored header always matches its stored components,
    // also when the operator then cancels the header's edits. A header in
    // edit also takes QtdTotal in its buffer; its TotalItens there stays
    // the operator's. A total of zero gives 0 % to every row. The current
    // component row stays current. All of it is one transaction (joining
    // the caller's): a failure shows the store's text and changes nothing.
    bool RecalcularPercentuais();
    // Posts the component in edit and recomputes, in one transaction: the
    // stored shares and totals never differ from the stored components.
    // On failure the message is shown and the row stays in edit.
    bool GravarComponente();
    // Deletes the current component and recomputes, in one transaction.
    bool ExcluirComponente();
    // Deletes every component row of the current header, then the header.
    bool ExcluirFormula();
    // Adds the current header's product group to ESTNIV3: Nivel3 = the
    // number with at least four digits ("0007"), Descric3 = its COR.
    bool CriarGrupoFormula();

    // Names shown beside the codes; "" when the code has none.
    QString nomeCliente(int codigo);
    QString nomeProduto(int codigo);
    QString grupoProduto(int codigo);
    QString unidadeProduto(int codigo);
    QString nomeResptec(int codigo);
    QString nomeMatizador(int codigo);

    Tabela TFormula;   // restricted to the branch
    Tabela TFormulai;  // components of the current header, by OrdComp
    Tabela TPcpcfg;    // the branch's configuration row
    Tabela TResptec;   // technicians
    Tabela TMatizador; // tinting machines
    Tabela TEstniv3;   // third product group level

    Consulta QClientes;
    Consulta QProdutos;
    Consulta QMateriasPrimas;

private:
    bool obterPcpcfg();
    void gravarTotais(double total, int itens);
    bool excluirComponentes();
    bool buscarProduto(int codigo);

    SessaoBanco* sessao_;
    int filial_ = 0;
    Tabela produtos_;
    Tabela clientes_;
};
