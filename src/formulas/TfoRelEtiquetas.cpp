#include "TfoRelEtiquetas.h"

#include "Botao.h"
#include "ConfigImpressao.h"
#include "Dialogos.h"
#include "Etiquetas.h"
#include "ImpressoraTexto.h"
#include "RelatorioTexto.h"
#include "TfoTipoImpr.h"
#include "services/LembrancaJanela.h"
#include "services/TeclaEnter.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

TfoRelEtiquetas::TfoRelEtiquetas(QWidget* parent) : QWidget(parent) {
    setObjectName("TfoRelEtiquetas");
    setWindowTitle("Emissão de etiquetas");

    auto* campos = new QFormLayout;
    for (QLineEdit** e : {&linha1_, &linha2_}) {
        *e = new QLineEdit(this);
        (*e)->setMaxLength(18);
        (*e)->setMinimumWidth((*e)->fontMetrics().horizontalAdvance(QString(19, 'M')));
    }
    linha1_->setObjectName("Linha1");
    linha2_->setObjectName("Linha2");
    campos->addRow("Linha 1", linha1_);
    campos->addRow("Linha 2", linha2_);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    connect(NovoBotao("OK", this, botoes), &QPushButton::clicked, this, &TfoRelEtiquetas::ok);
    connect(NovoBotao("Cancelar", this, botoes), &QPushButton::clicked, this, &QWidget::close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(campos);
    layout->addLayout(botoes);
    AvancarComEnter(this);
    LembrarJanela(this);
}

void TfoRelEtiquetas::ok() {
    try {
        ImprimirEtiquetas(linha1_->text(), linha2_->text());
    } catch (const ErroSaidaTexto& e) {
        AbandonarRelatorio();
        MostrarErro(QString::fromLocal8Bit(e.what()));
    }
}

void TfoRelEtiquetas::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (evento->spontaneous())
        return;
    linha1_->setFocus();
    // The print options come up over the window, once it is on screen.
    QTimer::singleShot(0, this, [] {
        EscolherImpressao();
        ConfigImpressao& cfg = CfgImpressao();
        cfg.Pagina = 1;
        cfg.LinhasUsadas = 37;
        cfg.Largura = 80;
        cfg.Linha = 99;
    });
}
