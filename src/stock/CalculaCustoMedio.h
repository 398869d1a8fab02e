// Average cost: for every balance row of one month (SLDPR) whose product
// lies in a range of codes, the previous month's quantity and total value
// are carried through the month's items in movement order (the order of
// NOTAI's index AnoMes: date, then document key and item number); an
// item's class is the Param_Hist of its header's history code, an item
// without header is named ("Nota nao cadastrada:") and skipped, one whose
// history row is missing counts as an entry. Exits, and entries of
// history class 2, are valued at the running average; each item receives
// its cost (VLR_CUSTO) and unit average (VLR_MEDIO), the balance row its
// month-end Medio, Fisico and Fisico2, and for deposit 1 the product its
// CustoMedio. The arithmetic is SaldoCustoMedio's.
//
// Each product is one transaction (its balance rows, its items and its
// product row): an interruption leaves every product either as it was or
// fully updated, and a rerun gives the same rows. A row locked by another
// station rolls that product back, shows the lock message and stops the
// run; the products before it stay done. Only rows whose values change
// are written, so a rerun writes nothing.
#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

class Tabela;

// Where a run spends its time, in nanoseconds (the benchmark prints it).
struct TemposCustoMedio {
    qint64 caminhada = 0;    // balance rows, and items with their headers, read in order
    qint64 consultas = 0;    // previous balances and product rows
    qint64 gravacoes = 0;    // items, balance rows and products edited and posted
    qint64 confirmacoes = 0; // each product's transaction begun and committed
    qint64 itensGravados = 0;
    qint64 transacoes = 0;
};

// The caller's cursors; closed ones are opened. Items are read with their
// header and history class in one statement per product; `notai` is where
// they are written. `produtos` may be left in edit on the product of a
// one-product range (the bulk window locks it first); it is posted.
struct CursoresCustoMedio {
    Tabela& notai;
    Tabela& produtos;
    Tabela& saldos;
    TemposCustoMedio* tempos = nullptr; // measured when given
};

struct ResultadoCustoMedio {
    double valor = 0; // V of the last (product, size, deposit) done
    // False when the run stopped on a failure. A month the installation
    // never recomputes (FatModNf 121, 74, 131) counts as done.
    bool concluido = false;
};

// `mesAno` "MMYYYY" (or "MM/YYYY"). `produtoAtual`, when given, is told
// each product code as its balance rows are reached.
ResultadoCustoMedio CalculaCustoMedio(const QString& mesAno, int codInicial, int codFinal,
                                      const CursoresCustoMedio& cursores,
                                      const std::function<void(int)>& produtoAtual = {});
