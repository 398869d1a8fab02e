#include "TfoRecebeObsFornProd.h"

#include "ObservacoesFornecedor.h"
#include "services/Botao.h"
#include "services/JanelaModal.h"
#include "services/LembrancaJanela.h"
#include "services/TeclaEnter.h"
#include "services/VinculoCampos.h"
#include "session/AcessoDados.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfoRecebeObsFornProd::TfoRecebeObsFornProd(QWidget* parent)
    : QDialog(parent), tabela_("ObsFornProd") {
    setObjectName("TfoRecebeObsFornProd");
    setWindowTitle("Observações dos Fornecedores do Produto");
    resize(620, 260);
    vinculo_ = new VinculoCampos(tabela_, this);
    auto* form = new QFormLayout;
    for (int n = 1; n <= 6; ++n) {
        auto* e = new QLineEdit(this);
        e->setObjectName("ObsForn" + QString::number(n));
        vinculo_->ligar(e, e->objectName());
        form->addRow("Fornecedor " + QString::number(n), e);
    }
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    connect(NovoBotao("Gravar", this, botoes), &QPushButton::clicked, this,
            &TfoRecebeObsFornProd::gravar);
    connect(NovoBotao("Cancelar", this, botoes), &QPushButton::clicked, this,
            &TfoRecebeObsFornProd::cancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(botoes);
    AvancarComEnter(this);
    LembrarJanela(this);
}

bool TfoRecebeObsFornProd::prepararProduto(int filial, int codigo) {
    const bool ok = EditarObservacoesFornecedor(tabela_, filial, codigo);
    vinculo_->mostrar();
    return ok;
}

void TfoRecebeObsFornProd::executar(int filial, int codigo) {
    if (prepararProduto(filial, codigo))
        ExibirModal(*this);
}

void TfoRecebeObsFornProd::gravar() {
    if (!vinculo_->validar() || !GravarRegistro(tabela_))
        return;
    vinculo_->mostrar();
    accept();
}

void TfoRecebeObsFornProd::cancelar() {
    reject();
}

void TfoRecebeObsFornProd::reject() {
    if (tabela_.estado() == EstadoDados::Editando || tabela_.estado() == EstadoDados::Inserindo)
        tabela_.cancelar();
    vinculo_->mostrar();
    QDialog::reject();
}
