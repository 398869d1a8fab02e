// The list and button row shared by the small register windows: a
// read-only list of one row at a time beside "Incluir", "Alterar",
// "Excluir", "Gravar", "Cancelar" and "Fechar". While a row is edited only
// "Gravar" and "Cancelar" are enabled and the list is locked.
//
// A register window is put together as TfoCadEmbalagem is:
//   modelo_ = new ModeloLinhas({"Código", "Descrição"}, this);
//   lista_ = NovaListaCadastro(modelo_, this);        // a Grade.h grid
//   vinculo_ = new VinculoCampos(tabela_, this);       // the edit boxes
//   barra_ = new BarraCadastro(this, lista_);
//   barra_->ligar(this);                               // slots incluir()...
//   LembrarJanela(this);                               // placement, columns
//   AvancarComEnter(this);                             // Enter moves on
// and its gravar() starts with `if (!vinculo_->validar()) return;`.
#pragma once

#include <QHBoxLayout>
#include <QPushButton>
#include <QWidget>

class QAbstractItemModel;
class QTableView;

// The register's grid (NovaGrade) named "Lista".
QTableView* NovaListaCadastro(QAbstractItemModel* modelo, QWidget* pai);

class BarraCadastro : public QHBoxLayout {
public:
    // The buttons are created in the window's tab order after what the
    // window created before.
    BarraCadastro(QWidget* janela, QWidget* lista);

    // The buttons call the window's incluir, alterar, excluir, gravar and
    // cancelar; "Fechar" closes the window.
    template <class J> void ligar(J* janela) {
        connect(incluir_, &QPushButton::clicked, janela, &J::incluir);
        connect(alterar_, &QPushButton::clicked, janela, &J::alterar);
        connect(excluir_, &QPushButton::clicked, janela, &J::excluir);
        connect(gravar_, &QPushButton::clicked, janela, &J::gravar);
        connect(cancelar_, &QPushButton::clicked, janela, &J::cancelar);
        connect(fechar_, &QPushButton::clicked, janela, &QWidget::close);
    }

    // Editing: only "Gravar" and "Cancelar" enabled and the list locked;
    // browsing: the other way round.
    void editando(bool sim);

private:
    QWidget* lista_;
    QPushButton* incluir_;
    QPushButton* alterar_;
    QPushButton* excluir_;
    QPushButton* gravar_;
    QPushButton* cancelar_;
    QPushButton* fechar_;
};
