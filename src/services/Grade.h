// The grids of the windows: read-only QTableViews over a model (usually
// ModeloLinhas) showing one line per row, whole rows selected one at a
// time. Text that does not fit its column is elided with "…", never
// wrapped.
//
// Until the operator arranges them, the columns fit their content and
// title (up to a sensible width) each time the rows are read again; the
// last column does not stretch over the slack. The operator can resize
// and reorder columns; the titles' context menu offers "Restaurar colunas",
// which forgets the arrangement (RestaurarColunas). A window given to
// LembrarJanela (LembrancaJanela.h) loads the arrangement of its grids
// when first shown and saves it, when the operator changed it, on hiding.
#pragma once

#include <QString>

class QAbstractItemModel;
class QTableView;
class QWidget;

// A grid named `nome` (its objectName, which names its layout file) over
// `modelo`.
QTableView* NovaGrade(QAbstractItemModel* modelo, const QString& nome, QWidget* pai);

// The one-line, eliding look of the grids for a view made elsewhere (no
// fitting of columns, no remembered layout).
void PrepararGrade(QTableView* grade);

// The grid's context menu (and its titles' menu, where NovaGrade made one)
// offers "Exportar para planilha…" (ExportacaoPlanilha.h). NovaGrade calls
// it; grids made by hand call it themselves.
void OferecerExportacaoPlanilha(QTableView* grade);

// Grid made by NovaGrade: columns back in their order, all shown and
// fitted to their content; the layout file is deleted.
void RestaurarColunas(QTableView& grade);

// Grid made by NovaGrade: the widest a fitted column gets, in average
// characters (34 unless told); a grid with room to spare shows longer
// names whole.
void LarguraMaximaColunas(QTableView* grade, int caracteres);

// The grid asks at least the height of its titles and `linhas` rows.
void AlturaMinimaLinhas(QTableView* grade, int linhas);

// For LembrarJanela, on a grid made by NovaGrade (others are left alone):
// applies the grid's layout file, after which its columns stop fitting
// (true when there was one); saves the layout when the operator changed it
// since it was loaded or last saved.
bool CarregarColunasLembradas(QTableView& grade);
void SalvarColunasLembradas(QTableView& grade);
