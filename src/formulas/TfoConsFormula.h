// The formula consultation ("Consulta de Formulas"): the current branch's
// formulas registered in a period, narrowed by product, customer (one, or
// the companies: trade names beginning with "*"), colour, number, origin
// and tinting machine. Each chooser is enabled only while its "Todos" box
// is not ticked; the customer chooser also needs "Companias" unticked.
//
// Created once at start-up; every show re-reads the choosers of the
// current branch. Tests call abrir() and ok() directly.
#pragma once

#include "ConsultaFormulas.h"

#include <QWidget>

class ModeloLinhas;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QTableView;

class TfoConsFormula : public QWidget {
public:
    explicit TfoConsFormula(SessaoBanco* sessao = nullptr, QWidget* parent = nullptr);

    // Fills the choosers of the current branch; false after the store's
    // text.
    bool abrir();
    // Checks the period and the customer options, then runs the query and
    // shows its rows.
    void ok();

    const ModeloLinhas& resultado() const { return *modelo_; }

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void habilitarEscolhas();
    FiltroConsultaFormulas filtro() const;

    DadosConsFormula dados_;
    QComboBox* produto_;
    QCheckBox* todosProdutos_;
    QComboBox* cliente_;
    QCheckBox* todosClientes_;
    QCheckBox* companias_;
    QLineEdit* cor_;
    QLineEdit* formula_;
    QComboBox* origem_;
    QCheckBox* todasOrigens_;
    QComboBox* matizador_;
    QCheckBox* todosMatizadores_;
    QLineEdit* inicio_;
    QLineEdit* fim_;
    ModeloLinhas* modelo_;
    QTableView* grade_;
};
