// The copies window ("Quantidade de Copias"): 1 to 99 copies, stored in
// ConfigImpressao::Copias on OK.
#pragma once

#include <QDialog>

class QSpinBox;

class TfoQtdCopias : public QDialog {
    Q_OBJECT
public:
    explicit TfoQtdCopias(QWidget* pai = nullptr);

public slots:
    void confirmar();

private:
    QSpinBox* copias_;
};
