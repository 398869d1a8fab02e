// Checks and writes of the currency, currency value and factor registers,
// callable without their windows. Messages go through Dialogos.
#pragma once

#include <QString>

class Tabela;

// The currency code typed at inclusion: an integer from 1 to 32767, else 0.
int CodigoMoeda(const QString& texto);

// Inserts a currency with only its code and posts it. False, with nothing
// stored, after "Codigo invalido" (not a code), "Codigo ja existe", or
// the message of GravarRegistro. On success the cursor is on the new row.
// REQUIRES: `moedas` is open on MOEDA.DB.
bool IncluirMoeda(Tabela& moedas, const QString& codigoDigitado);

// Posts the currency value being edited, its date taken from the text the
// operator typed. Returns false, the row still in edit, after "Moeda
// invalida" (no currency, or one MOEDA.DB lacks) or "Data Invalida:" +
// the text. Otherwise true: the row was posted, or discarded after "Data
// ja existe" (duplicate currency and date) or the store's text.
// REQUIRES: `valores` is open on VALORES.DB and in edit or insert.
bool GravarValor(Tabela& valores, const QString& dataDigitada);

// Positions `fatores` (open on Pcpcfg.DB) on the branch's row, appending
// and saving one with only Filial when there is none, and puts it in edit.
// False when the store failed (after its text) or the operator gave up on
// a locked row.
bool EditarFatores(Tabela& fatores, int filial);
