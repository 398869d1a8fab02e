// Read-only grid model of rows read from a cursor or query: each row holds
// its column texts and a key that brings the data set back to it (a
// cursor's row id, a query row's code).
//
// Use: fill it with definir() after each read of the data set and show it
// in a NovaGrade (Grade.h); follow the grid's current row with chave() and
// put the grid on the data set's row with linhaDe(). The key is also the
// item data of a combo box over the model (Qt::UserRole).
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QVariant>

class ModeloLinhas : public QAbstractTableModel {
public:
    explicit ModeloLinhas(const QStringList& cabecalhos, QObject* pai = nullptr);

    void limpar() { definir({}, {}); }
    void definir(const QList<QStringList>& linhas, const QVariantList& chaves);
    QVariant chave(int linha) const;
    // Row holding the key, or -1.
    int linhaDe(const QVariant& chave) const;
    QString texto(int linha, int coluna) const;
    // Columns shown right-aligned (quantities, values, codes of numbers).
    void alinharDireita(const QList<int>& colunas) { direita_ = colunas; }

    int rowCount(const QModelIndex& pai = QModelIndex()) const override;
    int columnCount(const QModelIndex& pai = QModelIndex()) const override;
    QVariant data(const QModelIndex& i, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation o, int papel = Qt::DisplayRole) const override;

private:
    QStringList cabecalhos_;
    QList<QStringList> linhas_;
    QVariantList chaves_;
    QList<int> direita_;
};
