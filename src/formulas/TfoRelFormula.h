// The formula printout ("Impressão da Fórmula"): "Fórmula Inicial" and
// "Fórmula Final" (upper case; typing the first copies it into the second
// and positions the list on that number), the list of every branch's
// formulas, "Imprimir" and "Fechar".
//
// "Imprimir" prints, one page each, the formulas from the list position
// on while their numbers lie in the range. Access code 107 is asked once,
// before the print options, when any formula of the range is protected;
// a refusal prints nothing.
//
// Created once at start-up; every show re-reads the list. Tests call
// abrir() and imprimir() directly.
#pragma once

#include "ImpressaoFormula.h"

#include <QWidget>

class ModeloLinhas;
class QLineEdit;
class QPushButton;
class QTableView;

class TfoRelFormula : public QWidget {
public:
    explicit TfoRelFormula(SessaoBanco* sessao = nullptr, QWidget* parent = nullptr);

    bool abrir();
    void imprimir();
    // The list row the walk starts from (-1 when none).
    int posicao() const;

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void inicialDigitada(const QString& texto);

    DadosRelFormula dados_;
    QList<FormulaListada> lista_;
    QLineEdit* inicial_;
    QLineEdit* final_;
    ModeloLinhas* modelo_;
    QTableView* grade_;
    QPushButton* fechar_;
};
