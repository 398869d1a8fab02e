// The deposit stock card ("Ficha de Estoque"): deposit range, size, second
// unit, unit price, open orders and the installation's price panel.
#pragma once

#include "JanelaFichaEstoque.h"

class TFoFichadeEstoque : public JanelaFichaEstoque {
public:
    explicit TFoFichadeEstoque(SessaoBanco* sessao = nullptr, QWidget* parent = nullptr);
};
