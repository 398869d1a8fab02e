// The column report: prints the rows of a grid's data set through the text
// report engine, one row per line under the standard header, with the
// columns the operator arranged in the layout window and remembered per
// report (LayoutRelatorio.h).
#pragma once

#include <QList>
#include <QString>
#include <functional>

class QAbstractItemModel;
class QTableView;
struct ColunaRelatorio;

// Layout window, print options, "Confirma Emissao", then the report.
// Failures show "Erro ao gerar relatório padronizado :" and the error.
void RelatorioPadronizado(const QString& titulo, QTableView& grade, const QString& nomeLayout);

// The printing part, under the current print settings: every row of
// `dados`, the columns given; `avancar` is told each row number. Throws
// what the store or the output throws.
void GerarRelatorioPadronizado(const QString& titulo, QAbstractItemModel& dados,
                               const QList<ColunaRelatorio>& colunas,
                               const std::function<void(int)>& avancar = {});
