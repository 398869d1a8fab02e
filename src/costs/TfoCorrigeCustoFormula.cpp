#include "TfoCorrigeCustoFormula.h"

#include "services/Botao.h"
#include "services/LembrancaJanela.h"
#include "session/Sessao.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfoCorrigeCustoFormula::TfoCorrigeCustoFormula(SessaoBanco* sessao, QWidget* parent)
    : QWidget(parent), correcao_(sessao) {
    setObjectName("TfoCorrigeCustoFormula");
    setWindowTitle("Corrige custo da formula");
    setMinimumWidth(380);

    progresso_ = new QProgressBar(this);
    progresso_->setObjectName("Progresso");
    progresso_->setRange(0, 0);
    progresso_->setValue(0);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    ok_ = NovoBotao("OK", this, botoes);
    cancelar_ = NovoBotao("Cancelar", this, botoes);
    connect(ok_, &QPushButton::clicked, this, &TfoCorrigeCustoFormula::ok);
    connect(cancelar_, &QPushButton::clicked, this, &TfoCorrigeCustoFormula::cancelar);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(progresso_);
    layout->addStretch();
    layout->addLayout(botoes);
    LembrarJanela(this);
}

bool TfoCorrigeCustoFormula::abrir() {
    const bool aberta = correcao_.abrir(Sess().Filial);
    // An empty range makes the bar spin; a branch without formulas shows 0.
    progresso_->setRange(0, qMax(1, correcao_.quantidade()));
    progresso_->setValue(0);
    ok_->setEnabled(aberta);
    return aberta;
}

void TfoCorrigeCustoFormula::ok() {
    if (executando_ || !correcao_.aberta())
        return;
    executando_ = true;
    ok_->setEnabled(false);
    cancelar_->setEnabled(false);
    progresso_->setRange(0, qMax(1, correcao_.quantidade()));
    const bool feito = correcao_.executar([this](int posicao) {
        progresso_->setValue(qMin(posicao, progresso_->maximum()));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    executando_ = false;
    ok_->setEnabled(true);
    cancelar_->setEnabled(true);
    if (feito)
        close();
}

void TfoCorrigeCustoFormula::cancelar() {
    close();
}

void TfoCorrigeCustoFormula::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (!evento->spontaneous() && !executando_)
        abrir();
}

void TfoCorrigeCustoFormula::closeEvent(QCloseEvent* evento) {
    // The run ends by itself; the title bar cannot cut it short.
    if (executando_) {
        evento->ignore();
        return;
    }
    correcao_.fechar();
    QWidget::closeEvent(evento);
}
