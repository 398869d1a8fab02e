// The list and button row shared by the small register windows: a
// read-only list of one row at a time beside "Incluir", "Alterar",
// "Excluir", "Gravar", "Cancelar" and "Fechar". While a row is edited only
// "Gravar" and "Cancelar" are enabled and the list is locked.
#pragma once

#include <QHBoxLayout>
#include <QPushButton>
#include <QWidget>

class QAbstractItemModel;
class QTableView;

// A read-only grid named "Lista" that selects whole rows, one at a time.
QTableView* NovaListaCadastro(QAbstractItemModel* modelo, QWidget* pai);

class BarraCadastro : public QHBoxLayout {
public:
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
