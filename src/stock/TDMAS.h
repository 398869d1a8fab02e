// The balance data module: the document items of the current branch on
// their index AnoMes (branch, month, product, size, deposit, then movement
// order), the header of the current item and the history code of that
// header, so reading an item gives its movement class (Param_Hist)
// without further searches. Created once at start-up; the monthly balance
// recomputation (AtualizaSaldoMes) opens it when closed.
#pragma once

#include "store/Tabela.h"

class SessaoBanco;

class TDMAS {
public:
    explicit TDMAS(SessaoBanco* sessao = nullptr);
    ~TDMAS();

    // Opens the three cursors when closed. Throws ErroBanco.
    void abrir();
    void fechar();

    // Param_Hist of the current item's header history code: 0 when the
    // history row is missing.
    int paramHist();
    // True when the current item has its header.
    bool temCabecalho() const { return !TNotas.vazio(); }

    Tabela TNotai;   // NOTAI on AnoMes
    Tabela TNotas;   // the header of the current item
    Tabela THistest; // the history code of the current header
};
