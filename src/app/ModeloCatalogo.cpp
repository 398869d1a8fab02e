#include "ModeloCatalogo.h"

void ModeloCatalogo::definir(const QList<LinhaCatalogo>& linhas) {
    beginResetModel();
    linhas_ = linhas;
    endResetModel();
}

const LinhaCatalogo* ModeloCatalogo::linha(int i) const {
    return i >= 0 && i < linhas_.size() ? &linhas_[i] : nullptr;
}

int ModeloCatalogo::linhaDe(const Marcador& m) const {
    for (int i = 0; i < linhas_.size(); ++i)
        if (m.valido && linhas_[i].marcador.rowid == m.rowid)
            return i;
    return -1;
}

int ModeloCatalogo::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : int(linhas_.size());
}

int ModeloCatalogo::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : 2;
}

QVariant ModeloCatalogo::data(const QModelIndex& i, int papel) const {
    const LinhaCatalogo* l = linha(i.row());
    if (!l || papel != Qt::DisplayRole)
        return QVariant();
    return i.column() == 0 ? QVariant(QString::asprintf("%03d", l->codigo)) : QVariant(l->nome);
}

QVariant ModeloCatalogo::headerData(int secao, Qt::Orientation o, int papel) const {
    if (o != Qt::Horizontal || papel != Qt::DisplayRole)
        return QAbstractTableModel::headerData(secao, o, papel);
    return secao == 0 ? QString("Codigo") : QString("Nome");
}
