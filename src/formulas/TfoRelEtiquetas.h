// The label sheets window ("Emissão de etiquetas"): "Linha 1" and
// "Linha 2" of at most 18 characters each, "OK" prints a sheet of sixteen
// labels, "Cancelar" closes. Showing the window asks for the printer.
//
// Created on first use. Tests call ok() directly.
#pragma once

#include <QWidget>

class QLineEdit;

class TfoRelEtiquetas : public QWidget {
public:
    explicit TfoRelEtiquetas(QWidget* parent = nullptr);

    void ok();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    QLineEdit* linha1_;
    QLineEdit* linha2_;
};
