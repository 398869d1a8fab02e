#include "ModeloLinhas.h"

ModeloLinhas::ModeloLinhas(const QStringList& cabecalhos, QObject* pai)
    : QAbstractTableModel(pai), cabecalhos_(cabecalhos) {}

void ModeloLinhas::definir(const QList<QStringList>& linhas, const QVariantList& chaves) {
    beginResetModel();
    linhas_ = linhas;
    chaves_ = chaves;
    endResetModel();
}

QVariant ModeloLinhas::chave(int linha) const {
    return linha >= 0 && linha < chaves_.size() ? chaves_[linha] : QVariant();
}

int ModeloLinhas::linhaDe(const QVariant& chave) const {
    return chaves_.indexOf(chave);
}

QString ModeloLinhas::texto(int linha, int coluna) const {
    return linhas_.value(linha).value(coluna);
}

int ModeloLinhas::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : int(linhas_.size());
}

int ModeloLinhas::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : int(cabecalhos_.size());
}

QVariant ModeloLinhas::data(const QModelIndex& i, int papel) const {
    if (!i.isValid())
        return QVariant();
    // Combo boxes read the key of a row as its item data.
    if (papel == Qt::UserRole)
        return chave(i.row());
    if (papel == Qt::TextAlignmentRole)
        return int(direita_.contains(i.column()) ? Qt::AlignRight | Qt::AlignVCenter
                                                 : Qt::AlignLeft | Qt::AlignVCenter);
    if (papel != Qt::DisplayRole && papel != Qt::EditRole)
        return QVariant();
    return texto(i.row(), i.column());
}

QVariant ModeloLinhas::headerData(int secao, Qt::Orientation o, int papel) const {
    if (papel != Qt::DisplayRole || o != Qt::Horizontal)
        return QAbstractTableModel::headerData(secao, o, papel);
    return cabecalhos_.value(secao);
}
