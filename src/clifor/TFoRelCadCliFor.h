// The register report window ("Relatorio do Cadastro - Completo"): order
// "Alfabetica" (names "Nome inicial" ... "Nome Final") or "Codigo"
// ("Codigo inicial" ... "Codigo final"), "Imprimir inativos", "OK" that
// asks the print options and "Confirma Emissao" and prints, "Cancel".
//
// Created once at start-up; the party window tells it which register
// (clients or suppliers) it shows. Tests call ok() directly.
#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QRadioButton;
class SessaoBanco;

class TFoRelCadCliFor : public QWidget {
public:
    explicit TFoRelCadCliFor(SessaoBanco* sessao = nullptr, QWidget* parent = nullptr);

    // "0" clients, "1" suppliers.
    void definirSistema(const QString& sistema) { sistema_ = sistema; }
    void ok();

private:
    void trocarOrdem();

    SessaoBanco* sessao_;
    QString sistema_ = "0";
    QRadioButton* alfabetica_;
    QRadioButton* codigo_;
    QLineEdit* nomeInicial_;
    QLineEdit* nomeFinal_;
    QLineEdit* codigoInicial_;
    QLineEdit* codigoFinal_;
    QCheckBox* inativos_;
};
