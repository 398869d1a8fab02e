// Deletion of a product of a branch with everything that hangs from it.
//
// A product that ever moved stock cannot go. Otherwise the product row and
// its rows in ALIQBASE, Tamanho, ObseProd, Precos, ALIQBASE_Importacao and
// ObsFornProd of that branch go together in one transaction, and only
// then is the deletion written to the system log; the description-change
// record (Sped_AlteraProduto) stays for the fiscal files.
#pragma once

#include <QString>

class SessaoBanco;

// True when any item of NOTAI names the product code.
bool ProdutoTemMovimento(int codigo, SessaoBanco* sessao = nullptr);

// The companion tables deleted with a product, in deletion order.
const QStringList& TabelasDoProduto();

// Deletes the product (`filial`, `codigo`) and its companion rows in one
// transaction, the product row last. Throws ErroBanco (nothing deleted).
void ExcluirProdutoDaFilial(int filial, int codigo, SessaoBanco* sessao = nullptr);
