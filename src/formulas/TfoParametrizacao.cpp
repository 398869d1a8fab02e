#include "TfoParametrizacao.h"

#include "AcessoDados.h"
#include "Botao.h"
#include "Dialogos.h"
#include "ErroBanco.h"
#include "Legenda.h"
#include "LembrancaJanela.h"
#include "Sessao.h"
#include "TeclaEnter.h"
#include "VinculoCampos.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfoParametrizacao::TfoParametrizacao(SessaoBanco* sessao, QWidget* parent)
    : QWidget(parent), tabela_("Pcpcfg", sessao) {
    setObjectName("TfoParametrizacao");
    setWindowTitle("Parametrização do PCP");
    vinculo_ = new VinculoCampos(tabela_, this);
    auto* ultima = new QLineEdit(this);
    ultima->setObjectName("UltimaFormula");
    vinculo_->ligar(ultima, "UltimaFormula");
    auto* campos = new QFormLayout;
    campos->addRow("Ultima Formula", ultima);

    auto* btOk = NovoBotao("OK", this);
    auto* btFechar = NovoBotao("Fechar", this);
    connect(btOk, &QPushButton::clicked, this, &TfoParametrizacao::ok);
    connect(btFechar, &QPushButton::clicked, this, &TfoParametrizacao::fechar);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btOk);
    botoes->addWidget(btFechar);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(campos);
    layout->addLayout(botoes);
    AvancarComEnter(this);
    LarguraDaLegenda(this);
    LembrarJanela(this);
}

bool TfoParametrizacao::abrir() {
    bool editando = false;
    try {
        tabela_.fechar();
        tabela_.abrir();
        if (tabela_.vazio()) {
            tabela_.incluir();
            tabela_.campo("Filial").definir(Sess().Filial);
            editando = true;
        } else {
            editando = EditarRegistro(tabela_);
        }
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    vinculo_->mostrar();
    return editando;
}

void TfoParametrizacao::ok() {
    if (!vinculo_->validar())
        return;
    if (tabela_.ativo() && tabela_.estado() != EstadoDados::Navegando && !GravarRegistro(tabela_))
        return;
    close();
}

void TfoParametrizacao::fechar() {
    close();
}

void TfoParametrizacao::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (!evento->spontaneous())
        abrir();
}

void TfoParametrizacao::closeEvent(QCloseEvent* evento) {
    // Whatever was not posted by "OK" is discarded, and the row lock freed.
    tabela_.cancelar();
    QWidget::closeEvent(evento);
}
