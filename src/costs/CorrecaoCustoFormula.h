// The formula cost correction of a branch: every formula's cost
// recomputed from the last costs (ULTIMOCUST) of its components and stored
// in the header's UltimoCust.
//
// The cost is that of the quantities as written in the formula: the sum,
// in the money type, of each component's last cost × QUANTIDADE rounded to
// four decimals. A component whose product is not registered in the branch
// contributes nothing. A total of zero or less leaves the stored cost as
// it is. Each header is posted on its own, so a failure stops the run with
// the formulas before it already corrected.
#pragma once

#include "store/Tabela.h"

#include <functional>

class Dinheiro;

class CorrecaoCustoFormula {
public:
    explicit CorrecaoCustoFormula(SessaoBanco* sessao = nullptr);

    // Opens the product, formula and component tables for the branch.
    // False after the store's text.
    bool abrir(int filial);
    void fechar();
    bool aberta() const { return formulas_.ativo(); }

    // Formula rows of the branch: the progress bar's range.
    int quantidade();

    // Corrects every formula of the branch in key order, calling
    // `progresso` with each header's position (1 for the first) before it
    // is worked on. False, after the store's text, when a header cannot be
    // written (held by another station) or a table fails; the headers
    // before it keep their new cost. REQUIRES: aberta().
    bool executar(const std::function<void(int)>& progresso = {});

private:
    Dinheiro custoComponentes();

    Tabela produtos_;
    Tabela formulas_;
    Tabela componentes_;
    int filial_ = 0;
};
