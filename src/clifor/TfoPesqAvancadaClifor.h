// The advanced party search ("Pesquisa Avançada de Clientes"): the
// branch's parties whose name contains the typed text; a double-click
// hands back code and name ("Razão Social") and closes with OK, "Fechar"
// closes with cancel.
//
// Modal. Tests drive it through InstalarExibirModal.
#pragma once

#include <QDialog>

class ModeloLinhas;
class QLineEdit;
class QTableView;
class SessaoBanco;

class TfoPesqAvancadaClifor : public QDialog {
public:
    explicit TfoPesqAvancadaClifor(SessaoBanco* sessao = nullptr, QWidget* parent = nullptr);

    // Shows the window over the parties whose name contains `texto`; true
    // when one was chosen.
    bool escolher(const QString& texto);
    int codigo() const { return codigo_; }
    const QString& razaoSocial() const { return nome_; }

    void pesquisar();
    void escolherLinha(int linha);

private:
    SessaoBanco* sessao_;
    int codigo_ = 0;
    QString nome_;
    QLineEdit* texto_;
    ModeloLinhas* modelo_;
    QTableView* grade_;
};
