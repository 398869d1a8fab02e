// The window "Intervalo de Codigos": the six code ranges of the branch,
// each row with its first ("DE"), last ("A") and last handed out
// ("ÚLTIMO") code; choosing a row shows under "PRÓXIMO" the code to propose.
// Created once and shown again on each use; the registration writes the
// ranges into it before showing it and takes "PRÓXIMO" as its answer.
#pragma once

#include "IntervalosCodigo.h"

#include <QDialog>
#include <QStringList>
#include <array>

class QLineEdit;
class QRadioButton;
class QButtonGroup;

// Row captions of an installation, in classification order.
QStringList LegendasIntervalos(int fatModNf);

class TLimiteCodigo : public QDialog {
    Q_OBJECT
public:
    explicit TLimiteCodigo(QWidget* parent = nullptr);

    // Writes the ranges and the captions of Sess().FatModNf; no row is
    // chosen and "PRÓXIMO" is empty.
    void preparar(const FaixasCodigo& faixas);
    // preparar, then shown modal; returns the text under "PRÓXIMO".
    QString executar(const FaixasCodigo& faixas);

    QString proximo() const;

public slots:
    // Row 0 ... 5, in classification order.
    void escolherLinha(int linha);

private:
    FaixasCodigo faixas_;
    QButtonGroup* grupo_;
    std::array<QRadioButton*, 6> linhas_;
    QLineEdit* edProximo_;
};
