// Grid column layouts and window placements kept in ini files of the
// installation: the folder "ini" under the program's folder holds one
// "<name>.ini" per grid and per saved window placement. A grid's name is
// its window's objectName and its own, "TfoCadFormula.GradeComponentes",
// so grids of one name in two windows keep their own layouts (a grid
// outside any named window goes by its own objectName). Failures reading or writing these files are
// ignored: a layout is a comfort, never a reason to stop the operator.
#pragma once

#include <QString>

class QTableView;
class QWidget;

// The program's folder (a host path): Login.ini and the "ini" folder live
// there. Set once at start-up from the configuration; until then it is
// the executable's folder.
void DefinirPastaPrograma(const QString& pastaHost);
QString PastaPrograma();
QString PastaIni();

// Applies the saved layout of the grid; true when there was one. A file
// written for another number of columns (the window changed since) is
// deleted and nothing is applied.
bool CarregarLayoutGrade(QTableView& grade);
// Writes the grid's columns: order, widths, titles, hidden ones.
void SalvarLayoutGrade(const QTableView& grade);
void ApagarLayoutGrade(const QTableView& grade);
// The name of the grid's layout file, without folder and extension.
QString NomeLayoutGrade(const QTableView& grade);

// The same, on a file of the caller's: the columns' field, title, width,
// position and whether each is shown. Applying returns false, and applies
// nothing, when the file is missing, unreadable or holds another number of
// columns.
void GravarColunasGrade(const QTableView& grade, const QString& arquivo);
// True when the file exists and holds the grid's number of columns.
bool ColunasConferem(const QTableView& grade, const QString& arquivo);
bool AplicarColunasGrade(QTableView& grade, const QString& arquivo);

// Placement of a window under `nome`; restoring a placement that lies on
// no screen leaves the window where it is.
void RestaurarPosicaoJanela(QWidget& janela, const QString& nome);
void SalvarPosicaoJanela(const QWidget& janela, const QString& nome);
