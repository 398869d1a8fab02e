// The remembered column layouts of the column report: one file per report
// in the folder "RelCfg" under the program's folder, named after the
// report with the extension ".cfg", holding for each column of the grid its
// field, title, width, position and whether it is shown (ini format).
// Failures reading or writing are ignored: a layout is a comfort.
#pragma once

#include <QList>
#include <QString>

class QTableView;

// Host path of the layout file of `nome`; the folder is created.
QString ArquivoLayoutRelatorio(const QString& nome);
// Writes the grid's own columns as the layout when the file is missing or
// was written for another number of columns (the grid changed since), so
// no stale file stays behind.
void PrepararLayoutRelatorio(const QTableView& grade, const QString& arquivo);
void SalvarLayoutRelatorio(const QTableView& grade, const QString& arquivo);
// Applies the file to the grid; a file written for another number of
// columns is ignored.
void CarregarLayoutRelatorio(QTableView& grade, const QString& arquivo);
void ApagarLayoutRelatorio(const QString& arquivo);

// A printed column: the model column, its title, the grid's display width
// and the page column where its text starts.
struct ColunaRelatorio {
    int logica;
    QString titulo;
    int largura;
    int posicao;
};

// The grid's shown columns in display order. The first starts at page
// column 1, each next one at the previous one's start plus the previous
// display width divided by 6.
QList<ColunaRelatorio> ColunasRelatorio(const QTableView& grade);
