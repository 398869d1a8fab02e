// The layout window of the column report: a grid on the report's data set
// where the operator shows or hides columns (the menu of the arrow above
// the grid, or of the column titles), reorders and resizes them, then
// confirms (saves the layout), cancels (keeps the file) or restores
// (deletes the file). In every case the report prints the columns as
// arranged here.
#pragma once

#include <QDialog>

class QAbstractItemModel;
class QTableView;

class TfoLayoutRelatorio : public QDialog {
    Q_OBJECT
public:
    // `arquivo` is the layout file (LayoutRelatorio.h); the grid starts
    // from it.
    TfoLayoutRelatorio(QAbstractItemModel* dados, const QString& arquivo, QWidget* pai = nullptr);

    QTableView& grade() { return *grade_; }
    const QTableView& grade() const { return *grade_; }

public slots:
    void confirmar();
    void cancelar();
    void restaurar();
    // The menu of the columns, one check per column, at a screen point.
    void mostrarMenuColunas(const QPoint& global);

private:
    QTableView* grade_;
    QString arquivo_;
};
