// The code proposed for a new product of the current branch (Sess()):
// one above the branch's highest code. Installations 114 and 51 number
// below a ceiling (20001 and 4014510): one above the highest code under
// it. Installation 123 numbers after the highest code of the branch in the
// head company's product table (drive root of DirEmpresa + DirLojaZero).
// The code intervals of LIMITCOD are not used for products.
#pragma once

class SessaoBanco;

// 1 when there is no product yet. Throws ErroBanco on a store failure.
int ProporCodigoProduto(SessaoBanco* sessao = nullptr);
