#include "TfoCadFatores.h"

#include "CadastrosCustos.h"
#include "services/Botao.h"
#include "services/LembrancaJanela.h"
#include "services/TeclaEnter.h"
#include "services/VinculoCampos.h"
#include "session/AcessoDados.h"
#include "session/AutorizarAcesso.h"
#include "session/Dialogos.h"
#include "session/Sessao.h"
#include "store/ErroBanco.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfoCadFatores::TfoCadFatores(SessaoBanco* sessao, QWidget* parent)
    : QWidget(parent), tabela_("Pcpcfg", sessao) {
    setObjectName("TfoCadFatores");
    setWindowTitle("Cadastro de Fatores");
    // Wide enough for the caption.
    setMinimumWidth(320);
    tabela_.setNomeBanco("Orvalo");

    vinculo_ = new VinculoCampos(tabela_, this);
    auto* campos = new QFormLayout;
    auto campo = [&](const QString& rotulo, const QString& nome, const QString& mascara) {
        auto* e = new QLineEdit(this);
        e->setObjectName(nome);
        e->setMaximumWidth(120);
        e->setAlignment(Qt::AlignRight);
        vinculo_->ligar(e, nome, mascara);
        campos->addRow(rotulo, e);
    };
    for (int i = 1; i <= 5; ++i)
        campo("Fator " + QString::number(i), "Fator" + QString::number(i), "###,##0.00");
    campo("UltimaFormula", "UltimaFormula", QString());

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    connect(NovoBotao("OK", this, botoes), &QPushButton::clicked, this, &TfoCadFatores::ok);
    connect(NovoBotao("Cancelar", this, botoes), &QPushButton::clicked, this,
            &TfoCadFatores::cancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(campos);
    layout->addLayout(botoes);
    AvancarComEnter(this);
    LembrarJanela(this);
}

bool TfoCadFatores::iniciar() {
    bool ok = false;
    try {
        tabela_.fechar();
        tabela_.abrir();
        ok = EditarFatores(tabela_, Sess().Filial);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    // The row is locked before the code is asked; closing frees it.
    ok = ok && AutorizarAcesso(82);
    vinculo_->mostrar();
    if (!ok)
        close();
    return ok;
}

void TfoCadFatores::ok() {
    const bool editando =
        tabela_.estado() == EstadoDados::Editando || tabela_.estado() == EstadoDados::Inserindo;
    if (!editando || (vinculo_->validar() && GravarRegistro(tabela_)))
        close();
}

void TfoCadFatores::cancelar() {
    close();
}

void TfoCadFatores::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    // The questions wait until the window is on screen, so a refusal can
    // close it.
    if (!evento->spontaneous())
        QMetaObject::invokeMethod(this, &TfoCadFatores::iniciar, Qt::QueuedConnection);
}

void TfoCadFatores::closeEvent(QCloseEvent* evento) {
    tabela_.cancelar();
    vinculo_->mostrar();
    QWidget::closeEvent(evento);
}
