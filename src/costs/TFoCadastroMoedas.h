// The currency register ("Cadastro de Moedas", MOEDA.DB), behind access
// code 83: a list "Codigo", "Nome", "Simbolo" in name order, the editing
// panel "Nome" / "Simbolo" enabled only while a row is edited, and the
// buttons of BarraCadastro. "Incluir" asks the code ("Incluir Novo"),
// stores the row at once and gives it back in edit; "Cancelar" then keeps
// the stored code. The list's context menu "Clonar Registro P/ Outra
// Empresa" copies the selected currency to another company.
#pragma once

#include "store/Tabela.h"

#include <QWidget>

class BarraCadastro;
class ModeloLinhas;
class QAction;
class QLineEdit;
class QTableView;
class VinculoCampos;

class TFoCadastroMoedas : public QWidget {
public:
    explicit TFoCadastroMoedas(SessaoBanco* sessao = nullptr, QWidget* parent = nullptr);

    // Asks access code 83 and opens the table; a refusal closes the window.
    // Showing the window runs it once the window is on screen.
    bool iniciar();
    // Opens the table and the list; false after the store's text.
    bool abrir();
    Tabela& tabela() { return tabela_; }

    void incluir();
    void alterar();
    void gravar();
    void cancelar();
    void excluir();
    void clonar();

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    bool editando() const;
    void habilitar(bool sim);
    void atualizarLista();
    void seguirLista();

    Tabela tabela_;
    ModeloLinhas* modelo_;
    QTableView* lista_;
    QAction* clonar_;
    VinculoCampos* vinculo_;
    QWidget* painel_;
    QLineEdit* nome_;
    BarraCadastro* barra_;
};
