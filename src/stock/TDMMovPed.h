// The orders and invoices data module: order headers and items (PDCPS,
// PDCPI), document headers and items (NOTAS, NOTAI), the observation lines
// of the current document (Obserfat: below 1000 the observations, above
// 1000 the complementary ones), products and parties of the current
// branch. Created once at start-up; abrir() again after the branch changed.
//
// A document header posted through GravarNota() has its observation lines
// completed in the same transaction, by FatModNf and the branch
// parameters: the IPI suspension text, the client's purchase order
// ("Ord.Compra: ") and the client code ("Cod Cliente: "), each added once
// and the last two rewritten when already there. Deletions take what hangs
// from the row along, all or nothing.
#pragma once

#include "services/Dinheiro.h"
#include "store/Tabela.h"

class SessaoBanco;

class TDMMovPed {
public:
    explicit TDMMovPed(SessaoBanco* sessao = nullptr);
    ~TDMMovPed();

    // Opens every cursor on the current branch. Throws ErroBanco.
    void abrir();
    void fechar();

    // Posts the header in edit or insert on TNotas with its observation
    // lines. False after the message; the header then stays in edit and no
    // line is written.
    bool GravarNota();
    // The current header after its NOTAS3 and NotasDataSoft rows.
    bool ExcluirNota();
    // The current item after its NOTAI3, vehicle, medicine and import rows.
    bool ExcluirItem();

    // Of the current item: BT_ICMS + BI_ICMS + BO_ICMS + VLR_IPI +
    // Vlr_IcmSub, and PRECO_UNIT × QUANTIDADE.
    Dinheiro Vlr_TotItem();
    Dinheiro CalcTotalItem();
    // Fisico of every size and deposit of the current product in today's
    // month (Relogio); shown "###,##0.00" by SaldoMesTexto().
    Dinheiro SaldoMes();
    QString SaldoMesTexto();

    Tabela TPdcps;         // order headers of the branch
    Tabela TPdcpi;         // items of the current order
    Tabela TNotas;         // document headers of the branch
    Tabela TNotai;         // items of the current document
    Tabela TObserfat;      // its observation lines, Seq_Obs below 1000
    Tabela TObserfatCompl; // its complementary lines, above 1000
    Tabela TEstproma;      // products of the branch
    Tabela TClifor;        // parties of the branch

private:
    void completarObservacoes();

    SessaoBanco* sessao_;
    Tabela linhas_; // the observation lines of the header being posted
};
