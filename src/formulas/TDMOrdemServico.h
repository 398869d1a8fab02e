// The service-order data module: the list of the current branch's service
// orders (OS with their product's name), the order being changed, its
// component list (Osi rows of its number, shared by every item of that
// number), the applications, and the customer and product registers the
// window shows names from. Service orders are made elsewhere; here their
// programme number changes, components are kept and orders deleted.
#pragma once

#include "store/Consulta.h"
#include "store/Tabela.h"

#include <QString>

class ModeloLinhas;

class TDMOrdemServico {
public:
    explicit TDMOrdemServico(SessaoBanco* sessao = nullptr);

    // Opens the service-order cursor of the current branch. Throws ErroBanco.
    void abrir();
    void fechar();
    int filial() const { return filial_; }

    // Runs the list: by order and item, or by service-order number for
    // FatModNf 95. Fills `modelo` (key: NumOrdServ and Item as a list).
    // Throws ErroBanco.
    void lerLista(ModeloLinhas& modelo);

    // Puts TOS on the service order; false when it is gone.
    bool localizarOrdem(int numOrdServ, int item);

    // The customer, product, application and component cursors, opened
    // while an order is changed. Throws ErroBanco.
    void abrirCadastros();
    void fecharCadastros();

    // Deletes every component of the service-order number of TOS, then
    // the TOS row, in one transaction; false after the message.
    bool ExcluirOrdem();
    // True when the current number already has component `ordComp`.
    bool existeComponente(int ordComp);
    // Appends a component of the current order, left in insert.
    void incluirComponente(int ordComp);
    // Deletes the current component; false after the message.
    bool ExcluirComponente();

    // The current order's components; keys are row ids.
    void lerComponentes(ModeloLinhas& modelo);

    QString nomeCliente(int codigo);
    QString nomeProduto(int codigo);

    Tabela TOS;         // service orders of the branch
    Tabela TOsi;        // components of the current order's number, by OrdComp
    Tabela TAplica;     // applications, by "DESCRICAO DA APLICACAO"
    Tabela TClifor;     // customers
    Tabela TEstproma;   // products
    Consulta QOS;       // the list
    Consulta QProdutos; // the branch's products by name, to choose components

private:
    SessaoBanco* sessao_;
    int filial_ = 0;
};
