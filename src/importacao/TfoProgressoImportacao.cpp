#include "TfoProgressoImportacao.h"

#include "services/Botao.h"
#include "services/Legenda.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TfoProgressoImportacao::TfoProgressoImportacao(QWidget* pai)
    : QDialog(pai), tabela_(new QLabel(this)), linhas_(new QLabel(this)),
      barra_(new QProgressBar(this)) {
    setObjectName("TfoProgressoImportacao");
    setWindowTitle("Importando dados de outro sistema");
    setModal(true);
    tabela_->setObjectName("Tabela");
    linhas_->setObjectName("Linhas");
    barra_->setObjectName("Progresso");
    barra_->setRange(0, 1);
    barra_->setValue(0);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    cancelar_ = NovoBotao("Cancelar", this, botoes);
    cancelar_->setToolTip("Interrompe a importação depois da tabela atual.");
    connect(cancelar_, &QPushButton::clicked, this, &TfoProgressoImportacao::cancelar);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabela_);
    layout->addWidget(linhas_);
    layout->addWidget(barra_);
    layout->addLayout(botoes);
    setMinimumWidth(440);
    LarguraDaLegenda(this);
}

void TfoProgressoImportacao::mostrar(int indice, int tabelas, const QString& arquivo, int feitas,
                                     int linhas) {
    const QLocale br(QLocale::Portuguese, QLocale::Brazil);
    tabela_->setText(QString("Tabela %1 de %2: %3").arg(indice + 1).arg(tabelas).arg(arquivo));
    linhas_->setText(QString("Linha %1 de %2").arg(br.toString(feitas), br.toString(linhas)));
    barra_->setRange(0, qMax(1, linhas));
    barra_->setValue(qMin(feitas, qMax(1, linhas)));
}

void TfoProgressoImportacao::cancelar() {
    cancelado_ = true;
    cancelar_->setEnabled(false);
    cancelar_->setText("Cancelando...");
}

void TfoProgressoImportacao::reject() {
    // Esc and the title bar's button ask for the same stop as "Cancelar".
    cancelar();
}
