// Edit boxes bound to the fields of a data set (a Tabela or a Consulta),
// as data-aware controls are: mostrar() shows the current row; while the
// row is in edit or insert, what the operator types goes into the row
// buffer; otherwise the boxes are read-only. Windows never copy values to
// and from boxes by hand.
//
// Typed values are never silently changed. A line box bound to a number
// or date field reads its text strictly (LeituraDigitada.h): only a whole
// value reaches the row. A text that does not read is refused with the
// system's message ("'12.5' is not a valid floating point value", "… integer
// value", "Data Invalida:" + the text) when the operator leaves the box and
// again when the window saves; the cursor goes back into the box and
// nothing is written. Leaving a box for a "Cancelar", "Fechar" or "Sair"
// button (Botao.h) or for another window does not check it.
//
// The boxes follow their field: number boxes are right-aligned and their
// "." and keypad decimal key type the decimal comma; a text box takes no
// more characters than its field holds; a read-only box looks read-only
// and takes no focus (AparenciaSomenteLeitura).
//
// Combo boxes bind either their text (editable: free values) or, when
// their items carry data, the data of the chosen item (codes chosen by
// name). Check boxes bind a logical field, memo boxes a memo.
//
// Use: create one per data set, ligar() each box once, call mostrar()
// after the data set opens, moves or changes state, and start the window's
// save with `if (!vinculo->validar()) return;`.
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

    // Shows the current row (empty boxes when there is none) and sets each
    // box's state from the row's.
    void mostrar();

    // Reads every enabled, editable line box of a row in edit into the row.
    // At the first that does not read: shows its message, puts the cursor
    // back into it and returns false, writing nothing of that box.
    bool validar();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    struct Ligacao {
        QWidget* caixa;
        QString campo;
        QString mascara;
    };
    void escrever(const Ligacao& l, const QVariant& valor);
    bool editando() const;
    bool editavel(const Ligacao& l) const;
    bool validarCaixa(const Ligacao& l);
    void validarAoSair(QWidget* caixa);
    const Ligacao* ligacao(const QObject* caixa) const;

    ConjuntoDados& ds_;
    std::vector<Ligacao> ligacoes_;
    std::vector<QWidget*> fixos_;
    bool mostrando_ = false;
    bool validando_ = false;
};

// The look of a box the operator cannot change: the window's background
// and no focus (Tab and Enter pass it by). `sim` false gives it back.
void AparenciaSomenteLeitura(QWidget* caixa, bool sim);
