// The supplier remarks of a product (ObsFornProd): one row per product
// with a remark for each of its six supplier slots.
#pragma once

class Tabela;

// Positions `t` (ObsFornProd) on the product's row, first inserting and
// posting an empty one when the product has none, and puts it in edit.
// False after the message of a refused lock or post.
bool EditarObservacoesFornecedor(Tabela& t, int filial, int codigo);
