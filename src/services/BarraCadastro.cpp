#include "BarraCadastro.h"

#include "Botao.h"
#include "Grade.h"

#include <QTableView>

QTableView* NovaListaCadastro(QAbstractItemModel* modelo, QWidget* pai) {
    return NovaGrade(modelo, "Lista", pai);
}

BarraCadastro::BarraCadastro(QWidget* janela, QWidget* lista)
    : lista_(lista), incluir_(NovoBotao("Incluir", janela, this)),
      alterar_(NovoBotao("Alterar", janela, this)), excluir_(NovoBotao("Excluir", janela, this)),
      gravar_(NovoBotao("Gravar", janela, this)), cancelar_(NovoBotao("Cancelar", janela, this)),
      fechar_(NovoBotao("Fechar", janela, this)) {}

void BarraCadastro::editando(bool sim) {
    lista_->setEnabled(!sim);
    for (QPushButton* b : {incluir_, alterar_, excluir_, fechar_})
        b->setEnabled(!sim);
    gravar_->setEnabled(sim);
    cancelar_->setEnabled(sim);
}
