#include "TfoQtdCopias.h"

#include "Botao.h"
#include "ConfigImpressao.h"
#include "Legenda.h"
#include "LembrancaJanela.h"

#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TfoQtdCopias::TfoQtdCopias(QWidget* pai) : QDialog(pai), copias_(new QSpinBox(this)) {
    setObjectName("TfoQtdCopias");
    setWindowTitle("Quantidade de Copias");
    copias_->setObjectName("Copias");
    copias_->setRange(1, 99);
    copias_->setValue(1);
    auto* ok = NovoBotao("OK", this);
    ok->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(copias_);
    layout->addWidget(ok);
    connect(ok, &QPushButton::clicked, this, &TfoQtdCopias::confirmar);
    LarguraDaLegenda(this);
    LembrarJanela(this);
}

void TfoQtdCopias::confirmar() {
    CfgImpressao().Copias = copias_->value();
    accept();
}
