#include "TFoFichadeEstoque.h"

TFoFichadeEstoque::TFoFichadeEstoque(SessaoBanco* sessao, QWidget* parent)
    : JanelaFichaEstoque("TFoFichadeEstoque", false, sessao, parent) {}
