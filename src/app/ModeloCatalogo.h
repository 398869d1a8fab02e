// Read-only grid model of the company catalogue: the rows the data module
// read, with the code shown as "000".
#pragma once

#include "TDMFilial.h"

#include <QAbstractTableModel>

class ModeloCatalogo : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void definir(const QList<LinhaCatalogo>& linhas);
    const LinhaCatalogo* linha(int i) const;
    // Row holding the remembered catalogue row, or -1.
    int linhaDe(const Marcador& m) const;

    int rowCount(const QModelIndex& pai = QModelIndex()) const override;
    int columnCount(const QModelIndex& pai = QModelIndex()) const override;
    QVariant data(const QModelIndex& i, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation o, int papel = Qt::DisplayRole) const override;

private:
    QList<LinhaCatalogo> linhas_;
};
