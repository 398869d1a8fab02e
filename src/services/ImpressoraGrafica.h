// The graphic printer of text reports in graphic mode: the one the operator
// chose in the printer selection dialog. Process-wide.
#pragma once

#include <functional>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

QPrinter& ImpressoraGrafica();

// Opens the platform's printer selection dialog on ImpressoraGrafica();
// tests replace it (nullptr restores the default).
bool EscolherImpressoraGrafica();
void InstalarEscolhaImpressoraGrafica(std::function<bool(QPrinter&)> escolher);

// Draws the page buffer as one print job on ImpressoraGrafica() in a
// monospaced font, under the current print settings.
void ImprimirPaginaGrafica();
// The drawing of one page as above, with `pintor` active on `destino`
// (a printer or a PDF file) whose page is already set.
void DesenharPaginaGrafica(QPainter& pintor, QPagedPaintDevice& destino);
