// Rows of the formula registration grids, read from the data module's
// cursors with the names looked up beside the codes. The cursor is left on
// the row it was on; each row's key is its row id.
#pragma once

class ModeloLinhas;
class TDMFormula;

// "FORMULA", "COR", "MATIZADOR", "PRODUTO", "Nome", "CLIENTE", "Nome",
// "RESPONSAVEL", in the header cursor's current order.
void LerListaFormulas(TDMFormula& dm, ModeloLinhas& modelo);
// "ORD", "GR", "CODIGO", "QUANT.", "UNP", "DESCRIÇÃO DA MATERIA PRIMA", "%".
void LerComponentes(TDMFormula& dm, ModeloLinhas& modelo);
