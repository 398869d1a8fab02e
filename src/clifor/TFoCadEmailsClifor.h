// The window "Cadastro de Emails de Clientes e Fornecedores :": the e-mail
// contacts of one party. Opened from the party register it keeps them
// (page "Cadastro": the list, the boxes of the row and its buttons);
// SetListaEmails opens it as a picker instead, showing only the page
// "Seleção Multipla", where a double click marks or unmarks a row for
// sending ("Enviar"), "Selecioner e enviar..." (enabled while a row is
// marked) returns the marked addresses, "Sair sem enviar" returns nothing
// and "Cadastra novos emails..." switches to the maintenance page, whose
// "Retornar para seleção de emails" comes back.
//
// Created once at start-up.
#pragma once

#include "TDMEmailsClifor.h"

#include <QDialog>
#include <QList>
#include <QString>

class ModeloLinhas;
class PainelDetalhe;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;

class TFoCadEmailsClifor : public QDialog {
public:
    explicit TFoCadEmailsClifor(QWidget* parent = nullptr);

    TDMEmailsClifor& dm() { return dm_; }
    QTabWidget* paginas() const { return paginas_; }
    PainelDetalhe* painel() const { return painel_; }

    // The party's contacts on the maintenance page; false after the
    // store's text.
    bool abrirParte(int filial, int cliente, const QString& nome);

    // The picker, modal: the marked addresses joined by ";", or "".
    QString SetListaEmails(int filial, int cliente);

    // Picker actions.
    void alternar(int linha);
    void enviar();
    void sairSemEnviar();
    void cadastrarNovos();
    void retornarSelecao();
    const QList<ItemEmail>& selecao() const { return selecao_; }

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void lerSelecao();
    void mostrarSelecao();

    TDMEmailsClifor dm_;
    bool escolhendo_ = false;
    QString resultado_;
    QList<ItemEmail> selecao_;
    QTabWidget* paginas_;
    QWidget* paginaCadastro_;
    QWidget* paginaSelecao_;
    QLabel* parte_;
    PainelDetalhe* painel_;
    ModeloLinhas* modeloSelecao_;
    QTableView* gradeSelecao_;
    QPushButton* enviar_;
    QPushButton* retornar_;
};
