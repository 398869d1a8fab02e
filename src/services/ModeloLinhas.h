// Read-only grid model of rows read from a cursor or query: each row holds
// its column texts and a key that brings the data set back to it (a
// cursor's row id, a query row's code).
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

    int rowCount(const QModelIndex& pai = QModelIndex()) const override;
    int columnCount(const QModelIndex& pai = QModelIndex()) const override;
    QVariant data(const QModelIndex& i, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation o, int papel = Qt::DisplayRole) const override;

private:
    QStringList cabecalhos_;
    QList<QStringList> linhas_;
    QVariantList chaves_;
};
