// The bulk average-cost window ("Atualização do Custo Medio"): the month
// ("Mês / Ano", MM/YYYY) and a range of product classifications
// ("Class.Inicial", "Class.Final", 24 digits each). "OK" checks the month
// (a real month, not closed for the installation, not before the stock
// processing date), asks for confirmation, logs the run and recomputes
// every product of the range, showing "Andamento: " and "Produto: " as it
// goes; it closes when the walk reaches the end.
#pragma once

#include "store/Tabela.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

class TfoAtuCustoMedio : public QWidget {
public:
    explicit TfoAtuCustoMedio(SessaoBanco* sessao = nullptr, QWidget* parent = nullptr);

    // The "OK" button. True when every product of the range was done.
    bool executar();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    QLineEdit* mesAno_;
    QLineEdit* classInicial_;
    QLineEdit* classFinal_;
    QLabel* andamento_;
    QLabel* produto_;
    QPushButton* ok_;
    Tabela TNotai, TEstproma, TSldpr;
};
