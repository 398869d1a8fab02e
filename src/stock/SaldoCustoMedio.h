// The running stock of one (product, size, deposit) while the average cost
// replays a month's items: total value V, quantity Q and second-unit
// quantity Q2, all in the money type (four decimals, products and
// quotients rounded half to even).
//
// An item's movement class P is the Param_Hist of its header's history
// code: below 49 an entry (quantity and value added; class 2 valued at the
// running average), above 50 an exit taken out at the running average,
// 49 and 50 leave both the stock and the item alone.
#pragma once

#include "services/Dinheiro.h"

// One item as the replay reads and writes it.
struct ItemCustoMedio {
    int param = 0;
    Dinheiro quantidade;
    // QUANTIDADE truncated to whole ten-thousandths (the whole-stock test).
    qint64 quantidadeTruncada = 0;
    Dinheiro quantidade2;
    Dinheiro custoInformado; // CUSTO_INF
    Dinheiro vlrCusto;       // VLR_CUSTO, in and out
    Dinheiro vlrMedio;       // VLR_MEDIO, in and out
};

// The month-end balance row.
struct FechamentoSaldo {
    Dinheiro medio, fisico, fisico2;
};

class SaldoCustoMedio {
public:
    Dinheiro V, Q, Q2;
    // The product's last cost and average cost, which value a class-2
    // entry into a stock without value.
    Dinheiro ultimoCusto, custoMedio;

    // Replays one item: moves V, Q, Q2 and sets the item's cost fields.
    void aplicar(ItemCustoMedio& item);
    // Medio, Fisico and Fisico2; a quantity of 0 leaves no value.
    FechamentoSaldo fechamento() const;
};

// A stored quantity truncated to whole ten-thousandths, its binary noise
// absorbed first (1.0005 held as 1.00049999... gives 10005).
qint64 DezMilesimosTruncados(double valor);
