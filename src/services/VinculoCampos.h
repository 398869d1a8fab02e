// Edit boxes bound to the fields of a data set: mostrar() shows the
// current row; while the row is in edit or insert, what the operator types
// goes straight into the row buffer, otherwise the boxes are read-only.
// Combo boxes bind either their text (free values) or, when their items
// carry data, the data of the chosen item (codes chosen by name).
#pragma once

#include <QObject>
#include <QString>
#include <vector>

class ConjuntoDados;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

class VinculoCampos : public QObject {
public:
    explicit VinculoCampos(ConjuntoDados& ds, QObject* pai = nullptr);

    // `mascara` formats numbers as FormatarNumero does ("##0.0000").
    void ligar(QLineEdit* caixa, const QString& campo, const QString& mascara = QString());
    void ligar(QCheckBox* caixa, const QString& campo);
    void ligar(QPlainTextEdit* caixa, const QString& campo);
    void ligar(QComboBox* caixa, const QString& campo);
    // A box that is always read-only, whatever the row state.
    void somenteLeitura(QWidget* caixa);

    // Shows the current row (empty boxes when there is none).
    void mostrar();

private:
    struct Ligacao {
        QWidget* caixa;
        QString campo;
        QString mascara;
    };
    void escrever(const Ligacao& l, const QVariant& valor);
    bool editando() const;

    ConjuntoDados& ds_;
    std::vector<Ligacao> ligacoes_;
    std::vector<QWidget*> fixos_;
    bool mostrando_ = false;
};
