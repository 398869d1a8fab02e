// The registration information window ("Orvalo : Informações Cadastrais
// de Clientes"): a client of the branch picked by code or name, a period
// and optionally stock histories for its purchases; "Consultar" shows its
// register data, credit limit and the part still free, first, last and
// largest purchase, last payment and how it pays its receivables.
//
// Created once at start-up; the party window opens it on its party. Tests
// call the slots directly.
#pragma once

#include <QWidget>

class QComboBox;
class QFormLayout;
class QLineEdit;
class QRadioButton;
class SessaoBanco;

class TfoInfCadastrais : public QWidget {
public:
    explicit TfoInfCadastrais(SessaoBanco* sessao = nullptr, QWidget* parent = nullptr);

    // Lists the clients of register `sistema` and picks `cliente`.
    void abrir(const QString& sistema, int cliente);
    void carregarClientes();
    void consultar();
    // The value box captioned `rotulo`.
    QLineEdit* valor(const QString& rotulo) const;

private:
    void limpar();
    void mostrar(const QString& rotulo, const QString& texto);

    SessaoBanco* sessao_;
    QString sistema_ = "0";
    QRadioButton* porNome_;
    QComboBox* cliente_;
    QLineEdit* de_;
    QLineEdit* ate_;
    QLineEdit* historicos_;
    QFormLayout* valores_;
};
