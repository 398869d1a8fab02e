// The list of samples for companies ("Relação de amostras para cias"):
// "Periodo" ... "A", the date whose dollar value converts the costs
// ("Data Dolar"), "OK" that prints and closes, "Cancel" that closes, and a
// progress bar that follows the products.
//
// Created once at start-up. Tests call ok() directly.
#pragma once

#include <QWidget>

class QLineEdit;
class QProgressBar;
class SessaoBanco;

class TfoRelAmostraparacias : public QWidget {
public:
    explicit TfoRelAmostraparacias(SessaoBanco* sessao = nullptr, QWidget* parent = nullptr);

    // Checks the dates and the dollar value, then prints.
    void ok();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    SessaoBanco* sessao_;
    QLineEdit* inicio_;
    QLineEdit* fim_;
    QLineEdit* dataDolar_;
    QProgressBar* progresso_;
};
