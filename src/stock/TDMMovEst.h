// The stock movement data module: the document headers of the current
// branch (NOTAS), the items of the current header (NOTAI), their extension
// rows (NOTAS3, NOTAI3), the history codes, deposits and monthly balances.
// Rows are deleted through it with what hangs from them, each deletion one
// transaction. Created once at start-up; abrir() again after the branch
// changed.
#pragma once

#include "store/Tabela.h"

class SessaoBanco;

class TDMMovEst {
public:
    explicit TDMMovEst(SessaoBanco* sessao = nullptr);
    ~TDMMovEst();

    // Opens every cursor on the current branch. Throws ErroBanco.
    void abrir();
    void fechar();

    // Each deletes the current row of its cursor after the rows that hang
    // from it: a header its NOTAS3 row; an item its NOTAI3 row and that
    // row's details; a NOTAI3 row its details. All or nothing; false after
    // the lock message or the store's text.
    bool ExcluirNota();
    bool ExcluirItem();
    bool ExcluirNotai3();

    Tabela TNotas;    // headers of the branch
    Tabela TNotai;    // items of the current header
    Tabela TNotas3;   // header extension rows
    Tabela TNotai3;   // item extension rows
    Tabela THistest;  // history codes
    Tabela TDeposito; // deposits of the branch, by DESC_DEPOS
    Tabela TSldpr;    // monthly balances of the branch
};
