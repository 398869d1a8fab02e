// The window "Cadastro e Consulta de Markup :": the markups of the
// session's branch. A search panel ("Codigo" or "Descrição", each clearing
// the other, "Localiza", "Fechar"), the list, and the editing panel,
// enabled only while a row is edited; "Incluir", "Editar" and "Excluir"
// show while browsing, "Gravar" and "Cancelar" while editing. Enter in
// the list moves to the next column, elsewhere to the next box. Created
// when the product register's "$" opens it modally, destroyed when closed.
#pragma once

#include "TDMMarkup.h"

#include <QDialog>

class ModeloLinhas;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTableView;
class VinculoCampos;

class TfoCadMarkup : public QDialog {
public:
    explicit TfoCadMarkup(QWidget* parent = nullptr, SessaoBanco* sessao = nullptr);

    // Opens the branch's markups; false after the store's error.
    bool abrir();

    TDMMarkup& dm() { return dm_; }

    void localizar();
    void incluir();
    void editar();
    void gravar();
    void cancelar();
    void excluir();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void reject() override;

private:
    void editando(bool sim);
    void atualizarLista();
    void seguirLista();

    TDMMarkup dm_;
    QLineEdit* codigoBusca_;
    QLineEdit* descricaoBusca_;
    ModeloLinhas* modelo_;
    QTableView* lista_;
    VinculoCampos* vinculo_;
    QGroupBox* dados_;
    QGroupBox* busca_;
    QLineEdit* descricao_;
    QPushButton* incluir_;
    QPushButton* editar_;
    QPushButton* excluir_;
    QPushButton* gravar_;
    QPushButton* cancelar_;
};

// The register as the product window's "$" shows it: created, shown
// modally (ExibirModal) and destroyed.
void AbrirCadastroMarkup(QWidget* pai);
