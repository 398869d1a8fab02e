// The sample label window ("Emissão Rótulo de Amostra "): the branch's
// formulas with a search by number, the label's date (dd/mm/yy), net
// weight ("150 gr", "250 gr" or another), gross weight, a description
// (the product's name, refilled whenever the formula changes) and, with
// "Impr. descrição informada", a colour printed instead of the formula's.
//
// The formula registration opens it after a save (abrirDoCadastro): the
// window is positioned on the formula just saved with the search and the
// list disabled, and printing closes it. Closing such a window enables
// them again, so the menu always finds it free.
//
// Created once at start-up. Tests call abrir(), abrirDoCadastro() and
// imprimir() directly.
#pragma once

#include "RotuloAmostra.h"

#include <QWidget>

class ModeloLinhas;
class QCheckBox;
class QLineEdit;
class QRadioButton;
class QTableView;

class TfoRelRotuloFormula : public QWidget {
public:
    explicit TfoRelRotuloFormula(SessaoBanco* sessao = nullptr, QWidget* parent = nullptr);

    // The opening steps: tables, position (the saved formula when called
    // by the registration), date today, "Outro" text disabled, description
    // from the product. False after the store's text.
    bool abrir();
    // Marks the window as called by the registration (1), opens it on
    // formula `numero` of the current branch and shows it.
    void abrirDoCadastro(const QString& numero);
    int chamada() const { return chamada_; }

    void pesquisar(const QString& texto);
    void imprimir();

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void atualizarLista();
    void seguirLista();
    void formulaMudou();
    void escolherPeso();
    DadosRotulo rotulo();

    DadosRotuloFormula dados_;
    int chamada_ = 0;
    QString numeroCadastro_;
    QLineEdit* pesquisa_;
    ModeloLinhas* modelo_;
    QTableView* grade_;
    QLineEdit* data_;
    QRadioButton* peso150_;
    QRadioButton* peso250_;
    QRadioButton* pesoOutro_;
    QLineEdit* outro_;
    QLineEdit* bruto_;
    QLineEdit* descricao_;
    QCheckBox* informada_;
    QWidget* painelCor_;
    QLineEdit* cor_;
};
