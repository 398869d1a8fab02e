#include "TfoRelAmostraparacias.h"

#include "Botao.h"
#include "ConfigImpressao.h"
#include "DataValida.h"
#include "Dialogos.h"
#include "Dinheiro.h"
#include "ErroBanco.h"
#include "FormatosRegionais.h"
#include "ImpressoraTexto.h"
#include "RelacaoAmostras.h"
#include "RelatorioTexto.h"
#include "Relogio.h"
#include "Sessao.h"
#include "TfoTipoImpr.h"
#include "services/DataValida.h"
#include "services/LembrancaJanela.h"
#include "services/TeclaEnter.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {
QLineEdit* campoData(const QString& nome, QWidget* pai) {
    auto* e = new QLineEdit(pai);
    e->setObjectName(nome);
    e->setMaxLength(10);
    e->setFixedWidth(e->fontMetrics().horizontalAdvance("00/00/00000") + 12);
    return e;
}
} // namespace

TfoRelAmostraparacias::TfoRelAmostraparacias(SessaoBanco* sessao, QWidget* parent)
    : QWidget(parent), sessao_(sessao) {
    setObjectName("TfoRelAmostraparacias");
    setWindowTitle("Relação de amostras para cias");
    setMinimumWidth(440);

    inicio_ = campoData("DataIni", this);
    fim_ = campoData("DataFim", this);
    dataDolar_ = campoData("DataDolar", this);
    auto* periodo = new QHBoxLayout;
    periodo->addWidget(inicio_);
    auto* a = new QLabel("A", this);
    a->setObjectName("A");
    periodo->addWidget(a);
    periodo->addWidget(fim_);
    periodo->addStretch();
    auto* campos = new QFormLayout;
    campos->addRow("Periodo", periodo);
    campos->addRow("Data Dolar", dataDolar_);

    progresso_ = new QProgressBar(this);
    progresso_->setObjectName("Progresso");
    progresso_->setRange(0, 1);
    progresso_->setValue(0);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    connect(NovoBotao("OK", this, botoes), &QPushButton::clicked, this, &TfoRelAmostraparacias::ok);
    connect(NovoBotao("Cancel", this, botoes), &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(campos);
    layout->addWidget(progresso_);
    layout->addLayout(botoes);
    AvancarComEnter(this);
    LembrarJanela(this);
}

void TfoRelAmostraparacias::ok() {
    for (QLineEdit* e : {inicio_, fim_, dataDolar_})
        if (!DataValida(e->text()))
            return;
    std::optional<double> dolar;
    try {
        dolar = DolarDoDia(LerData(dataDolar_->text()), sessao_);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return;
    }
    if (!dolar) {
        MostrarMensagem("Valor do dolar não cadastrado");
        return;
    }
    EscolherImpressao();
    ConfigImpressao& cfg = CfgImpressao();
    cfg.Pagina = 0;
    cfg.LinhasUsadas = 66;
    cfg.Largura = 80;
    cfg.Linha = 99;
    if (!Confirmar("Confirma Emissao"))
        return;
    setEnabled(false);
    try {
        ImprimirRelacaoAmostras(
            Sess().Filial, LerData(inicio_->text()), LerData(fim_->text()), *dolar,
            [this](int posicao, int total) {
                progresso_->setRange(0, std::max(total, 1));
                progresso_->setValue(posicao + 1);
                QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            },
            sessao_);
    } catch (const ErroBanco& e) {
        AbandonarRelatorio();
        MostrarErro(e.texto());
    } catch (const ErroSaidaTexto& e) {
        AbandonarRelatorio();
        MostrarErro(QString::fromLocal8Bit(e.what()));
    }
    setEnabled(true);
    close();
}

void TfoRelAmostraparacias::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (evento->spontaneous())
        return;
    progresso_->setValue(0);
    // Samples are listed month by month: the last month, at its last
    // day's dollar, until the operator chooses otherwise.
    if (inicio_->text().isEmpty() && fim_->text().isEmpty() && dataDolar_->text().isEmpty()) {
        const QDate hoje = Relogio::atual().hoje();
        const QDate primeiro = QDate(hoje.year(), hoje.month(), 1).addMonths(-1);
        const QDate ultimo = primeiro.addMonths(1).addDays(-1);
        inicio_->setText(DataTexto(primeiro));
        fim_->setText(DataTexto(ultimo));
        dataDolar_->setText(DataTexto(ultimo));
    }
    inicio_->setFocus();
}
