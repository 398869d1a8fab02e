// The rows that hang from a document header or item, deleted before it:
// a header's NOTAS3 row (and, for the orders module, its NotasDataSoft
// capture row); an item's NOTAI3 row and its vehicle, medicine and import
// details. A missing row is no error. Callers run these and the deletion
// of the row itself in one transaction.
#pragma once

#include <QVariantList>

class ConjuntoDados;
class Tabela;

// (Filial, Num_Nota, Tipo_Nota, Cod_Clifor, DT_ENTRADA) of the current row.
QVariantList ChaveNota(Tabela& t);
// The header key and Num_Item.
QVariantList ChaveItem(Tabela& t);

// Deleting with an empty cursor fails as the store says, before any row
// that would hang from it is touched: throws ErroBanco.
void ExigirLinha(Tabela& t);

// Deletes every row of `tabela`, on `base`'s database and station, whose
// leading primary-key fields equal `chave`. Throws ErroBanco (a row locked
// by another station: ErroRegistroBloqueado).
void ExcluirLinhas(ConjuntoDados& base, const QString& tabela, const QVariantList& chave);

// The vehicle, medicine and import rows of an item.
void ExcluirDetalhesItem(ConjuntoDados& base, const QVariantList& chaveItem);

// A whole document: its items with what hangs from each, then its NOTAS3
// row and the header itself. Throws as ExcluirLinhas does.
void ExcluirDocumento(ConjuntoDados& base, const QVariantList& chaveNota);
