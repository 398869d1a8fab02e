// The formula cost correction window ("Corrige custo da formula"): a
// progress bar over the current branch's formulas, "OK", which corrects
// every formula's cost (CorrecaoCustoFormula) and closes the window when
// the run ends, and "Cancelar", which closes it without running. Showing
// the window opens the tables; closing closes them. During the run the
// window repaints but takes no input.
#pragma once

#include "CorrecaoCustoFormula.h"

#include <QWidget>

class QProgressBar;
class QPushButton;

class TfoCorrigeCustoFormula : public QWidget {
public:
    explicit TfoCorrigeCustoFormula(SessaoBanco* sessao = nullptr, QWidget* parent = nullptr);

    // Opens the tables of the current branch and sets the bar's range to
    // its formula rows, at 0. False after the store's text.
    bool abrir();
    // Runs the correction. A failure leaves the window open, after its
    // message, with the formulas before the failing one corrected.
    void ok();
    void cancelar();

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    CorrecaoCustoFormula correcao_;
    QProgressBar* progresso_;
    QPushButton* ok_;
    QPushButton* cancelar_;
    bool executando_ = false;
};
