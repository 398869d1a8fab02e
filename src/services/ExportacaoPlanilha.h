// "Exportar para planilha…" of the grids: the grid's visible columns, in
// the order the operator arranged them, over every row of its model (rows
// not fetched yet are fetched first), written as a spreadsheet CSV
// (Planilha.h). Numbers of right-aligned columns lose their thousands
// dots, so the spreadsheet reads them as numbers; other texts go as shown.
#pragma once

#include <QList>
#include <QStringList>

class QTableView;

// The titles line, then one line per row of the model.
QList<QStringList> LinhasDaGrade(QTableView& grade);

// Asks where to write (the name proposed from the window's title and
// today), writes the file and offers to open it; a failure is shown.
// False when nothing was written.
bool ExportarGradeParaPlanilha(QTableView& grade);
