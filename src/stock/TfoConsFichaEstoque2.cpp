#include "TfoConsFichaEstoque2.h"

TfoConsFichaEstoque2::TfoConsFichaEstoque2(SessaoBanco* sessao, QWidget* parent)
    : JanelaFichaEstoque("TfoConsFichaEstoque2", true, sessao, parent) {}
