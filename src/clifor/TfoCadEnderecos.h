// The window "Cadastro de Endereços": further addresses (work sites) of a
// party. The page "Clientes" lists the branch's parties, in code order
// while the code search box has the focus and in name order while the
// name box has it, typing positioning the list; "OK" opens the page
// "Endereços" of the chosen party, whose addresses are included, altered,
// deleted and copied to another company ("Clonar Registro P/ Outra
// Empresa"); "Voltar" goes back to the list.
//
// Created once at start-up; the party register opens it on its party.
#pragma once

#include "TDMCadEnderecos.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class ModeloLinhas;
class PainelDetalhe;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTableView;

class TfoCadEnderecos : public QWidget {
public:
    explicit TfoCadEnderecos(QWidget* parent = nullptr);

    TDMCadEnderecos& dm() { return dm_; }
    QTabWidget* paginas() const { return paginas_; }
    PainelDetalhe* painel() const { return painel_; }

    // The party list, positioned on the party, and its addresses page.
    bool abrirParte(int codigo);
    // The party list page, in code or name order.
    bool listarPartes(bool porNome);
    void pesquisar(const QString& texto, bool porNome);
    void ok();
    void voltar();
    void clonar();

protected:
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    TDMCadEnderecos dm_;
    QList<QStringList> partes_;
    bool porNome_ = false;
    QTabWidget* paginas_;
    QLineEdit* codigo_;
    QLineEdit* nome_;
    ModeloLinhas* modeloPartes_;
    QTableView* gradePartes_;
    QLabel* parte_;
    PainelDetalhe* painel_;
};
