// Client/supplier code ranges of a branch, kept in its LIMITCOD.DB row.
//
// Six ranges classify a code, in this order: clients, sellers, suppliers,
// carriers, banks, diverse creditors. A range's place in FaixasCodigo is its
// kind number minus one (1 client ... 6 diverse creditor). The "Out" range of
// the row is kept but classifies nothing. Every operation works on the row
// of Sess().Filial in the database "Orvalo".
#pragma once

#include <QString>
#include <array>

class SessaoBanco;

struct FaixaCodigo {
    int de = 0;     // Cod_Ini...
    int ate = 0;    // Cod_Fim...
    int ultimo = 0; // UltCod_..., the last code handed out
};
using FaixasCodigo = std::array<FaixaCodigo, 6>;

// Field suffix of each kind in classification order: "Cli", "Ven", "For",
// "Tra", "Ban", "Div".
QString SufixoFaixa(int tipo);

// The branch's ranges, read from the table now; all zero without a row.
// Throws ErroBanco on a store failure.
FaixasCodigo LerFaixasCodigo(SessaoBanco* sessao = nullptr);

// The kind of the last range (in classification order) holding the code,
// ends included; 0 when none does.
int TipoDoCodigo(const FaixasCodigo& faixas, int codigo);

// The code to propose next in the range: one above the last handed out and
// never below its first code; 0 when the range is used up.
int ProximoCodigo(const FaixaCodigo& faixa);

// "L": true when a range holds the code, its kind then in `*tipo`; else
// "Codigo Fora Dos Intervalos Autorizado" and false.
// "G": raises UltCod_ of every range holding the code to the code (never
// lowers it) through the guarded edit and post; false when the operator
// gave up on a locked row or the post failed. The code 30000 changes
// nothing. Any other mode returns false.
bool CheckCodeInterval(int codigo, const QString& modo, int* tipo = nullptr,
                       SessaoBanco* sessao = nullptr);

// Gives back a code of kind `tipo` whose inclusion was cancelled: UltCod_
// goes down by one only while it still equals the code, so a code handed out
// to another station afterwards is never handed out twice. False when the
// row could not be written.
bool DevolverCodigo(int codigo, int tipo, SessaoBanco* sessao = nullptr);
