#include "TfoSenhaEmpresa.h"

#include "services/Botao.h"
#include "session/Sessao.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfoSenhaEmpresa::TfoSenhaEmpresa(QWidget* parent) : QDialog(parent) {
    setObjectName("TfoSenhaEmpresa");
    setWindowTitle("Verificação de Senha");
    setModal(true);

    auto* rotulo = new QLabel("Digite a senha da empresa selecionada:", this);
    rotulo->setObjectName(rotulo->text());
    edSenha_ = new QLineEdit(this);
    edSenha_->setObjectName("Senha");
    edSenha_->setEchoMode(QLineEdit::Password);
    auto* btOk = NovoBotao("OK", this);
    btOk->setDefault(true);
    auto* btCancelar = NovoBotao("Cancelar", this);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btOk);
    botoes->addWidget(btCancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rotulo);
    layout->addWidget(edSenha_);
    layout->addLayout(botoes);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));

    connect(btOk, &QPushButton::clicked, this, &TfoSenhaEmpresa::ok);
    connect(btCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

void TfoSenhaEmpresa::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    Sess().SenhaEmpresaDigitada.clear();
    edSenha_->clear();
    edSenha_->setFocus();
}

void TfoSenhaEmpresa::ok() {
    Sess().SenhaEmpresaDigitada = edSenha_->text();
    accept();
}
