// Sheets of small labels: four rows of four labels, each with two free
// lines of at most 18 characters centred in a 20-character cell, written
// through the text report engine (80 columns, 37 lines).
#pragma once

#include <QString>

// The text centred in its cell: 9 - (length / 2) blanks each side and two
// more after, cut to exactly 20 characters.
QString CelulaEtiqueta(const QString& texto);

// Writes and emits one sheet (IniciarRelatorio to FinalizarRelatorio) under
// the current print settings, after setting the page shape. Throws
// ErroSaidaTexto.
void ImprimirEtiquetas(const QString& linha1, const QString& linha2);
