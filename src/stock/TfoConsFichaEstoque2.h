// The colour stock card ("Ficha de Estoque") of the installations whose
// Cod_Deposi holds a colour: colour and size choosers instead of the
// deposit range; no second unit, unit price, orders or price panel.
#pragma once

#include "JanelaFichaEstoque.h"

class TfoConsFichaEstoque2 : public JanelaFichaEstoque {
public:
    explicit TfoConsFichaEstoque2(SessaoBanco* sessao = nullptr, QWidget* parent = nullptr);
};
