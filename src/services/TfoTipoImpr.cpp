#include "TfoTipoImpr.h"

#include "Botao.h"
#include "ConfigImpressao.h"
#include "FormatoNumero.h"
#include "ImpressoraGrafica.h"
#include "JanelaModal.h"
#include "LembrancaJanela.h"
#include "ListaImpressoras.h"
#include "session/Dialogos.h"
#include "session/Sessao.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {
const QString Visualizar = "VISUALIZAR";
const QString ArquivoPdf = "Arquivo PDF";

QRadioButton* radio(const QString& texto, QWidget* pai, QLayout* layout) {
    auto* r = new QRadioButton(texto, pai);
    r->setObjectName(texto);
    layout->addWidget(r);
    return r;
}

QGroupBox* grupo(const QString& nome, QWidget* pai) {
    auto* g = new QGroupBox(pai);
    g->setObjectName(nome);
    new QHBoxLayout(g);
    return g;
}

void selecionar(QComboBox* lista, int indice) {
    lista->setCurrentIndex(indice >= 0 && indice < lista->count() ? indice : -1);
}
} // namespace

TfoTipoImpr::TfoTipoImpr(QWidget* pai) : QDialog(pai) {
    setObjectName("TfoTipoImpr");
    setWindowTitle("Tipo de Impressão");

    QGroupBox* passo = grupo("Passo", this);
    compactada_ = radio("Compactada", passo, passo->layout());
    normal_ = radio("Normal", passo, passo->layout());
    QGroupBox* saida = grupo("Saida", this);
    grafico_ = radio("Grafico", saida, saida->layout());
    texto_ = radio("Texto", saida, saida->layout());
    orientacao_ = grupo("Orientacao", this);
    retrato_ = radio("Retrato", orientacao_, orientacao_->layout());
    paisagem_ = radio("Paisagem", orientacao_, orientacao_->layout());
    normal_->setChecked(true);
    texto_->setChecked(true);
    orientacao_->hide();

    linhas_ = new QLineEdit(this);
    linhas_->setObjectName("Linhas por pagina");
    linhas_->setMaxLength(3);
    linhas_->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]{0,3}"), linhas_));
    impressora_ = new QComboBox(this);
    impressora_->setObjectName("Impressora");
    impressora_->installEventFilter(this);
    porta_ = new QComboBox(this);
    porta_->setObjectName("Porta");
    porta_->hide();
    termServ_ = new QLabel("Impressão via TS Habilitada", this);
    termServ_->setObjectName("Impressão via TS Habilitada");
    termServ_->installEventFilter(this);
    termServ_->hide();
    auto* ok = NovoBotao("OK", this);
    ok->setDefault(true);

    auto* campos = new QFormLayout;
    campos->addRow("Linhas por pagina", linhas_);
    campos->addRow("Impressora", impressora_);
    auto* layout = new QVBoxLayout(this);
    for (QWidget* w : {static_cast<QWidget*>(passo), static_cast<QWidget*>(saida),
                       static_cast<QWidget*>(orientacao_)})
        layout->addWidget(w);
    layout->addLayout(campos);
    layout->addWidget(termServ_);
    layout->addWidget(ok);

    // clicked, not toggled: setting the checks on show must not run them.
    connect(grafico_, &QRadioButton::clicked, this, &TfoTipoImpr::escolherGrafico);
    connect(texto_, &QRadioButton::clicked, this, &TfoTipoImpr::escolherTexto);
    connect(retrato_, &QRadioButton::clicked, this, &TfoTipoImpr::escolherRetrato);
    connect(paisagem_, &QRadioButton::clicked, this, &TfoTipoImpr::escolherPaisagem);
    connect(compactada_, &QRadioButton::clicked, this, &TfoTipoImpr::escolherCompactada);
    connect(normal_, &QRadioButton::clicked, this, &TfoTipoImpr::escolherNormal);
    connect(impressora_, &QComboBox::activated, this, &TfoTipoImpr::escolherImpressora);
    connect(ok, &QPushButton::clicked, this, &TfoTipoImpr::confirmar);
    LembrarJanela(this);
}

void TfoTipoImpr::showEvent(QShowEvent* e) {
    preparar();
    QDialog::showEvent(e);
}

bool TfoTipoImpr::eventFilter(QObject* objeto, QEvent* e) {
    if (objeto == termServ_ && e->type() == QEvent::MouseButtonRelease)
        desligarTermServ();
    if (objeto == impressora_ && e->type() == QEvent::FocusIn)
        entrarImpressora();
    return QDialog::eventFilter(objeto, e);
}

void TfoTipoImpr::preparar() {
    const ConfigImpressao& cfg = CfgImpressao();
    termServ_->setVisible(Sess().TermServ);
    const int lembrada = impressora_->currentIndex();
    impressora_->clear();
    porta_->clear();
    const ListaImpressoras lista = LerListaImpressoras();
    impressora_->addItems(lista.nomes);
    porta_->addItems(lista.portas);

    if (cfg.CodigoPasso == CaractereCompactado)
        compactada_->setChecked(true);
    else if (cfg.CodigoPasso == CaractereNormal)
        normal_->setChecked(true);
    if (cfg.Modo == 'G') {
        grafico_->setChecked(true);
        modoGrafico(true);
    } else if (cfg.Modo == 'T') {
        texto_->setChecked(true);
        modoGrafico(false);
    }
    if (!retrato_->isChecked() && !paisagem_->isChecked())
        retrato_->setChecked(true);
    else
        (cfg.Orientacao == 'P' ? paisagem_ : retrato_)->setChecked(true);
    linhas_->setText(Formatar("%3.3d", {cfg.LinhasPorPagina == 0 ? 66 : cfg.LinhasPorPagina}));

    // The file entry goes before the preview, which stays the last entry.
    impressora_->addItem(ArquivoPdf);
    impressora_->addItem(Visualizar);
    if (lembrada >= 0) {
        selecionar(impressora_, lembrada);
        selecionar(porta_, lembrada);
    } else if (!Sess().TermServ) {
        selecionar(impressora_, impressora_->count() - 1);
        selecionar(porta_, porta_->count() - 1);
    } else {
        selecionar(impressora_, -1);
        selecionar(porta_, -1);
    }
    if (tag_ == 1)
        selecionar(impressora_, -1);
    if (!cfg.NomeImpressora.isEmpty() && impressora_->currentText() == cfg.NomeImpressora)
        selecionar(porta_, impressora_->currentIndex());
}

void TfoTipoImpr::modoGrafico(bool grafico) {
    orientacao_->setVisible(grafico);
    linhas_->setReadOnly(grafico);
    impressora_->setEnabled(!grafico);
}

void TfoTipoImpr::escolherGrafico() {
    grafico_->setChecked(true);
    if (!retrato_->isChecked() && !paisagem_->isChecked())
        retrato_->setChecked(true);
    linhas_->setText(compactada_->isChecked() ? "099" : "066");
    modoGrafico(true);
    EscolherImpressoraGrafica();
}

void TfoTipoImpr::escolherTexto() {
    texto_->setChecked(true);
    modoGrafico(false);
    linhas_->setText("066");
}

void TfoTipoImpr::escolherRetrato() {
    retrato_->setChecked(true);
    linhas_->setText("066");
}

void TfoTipoImpr::escolherPaisagem() {
    paisagem_->setChecked(true);
    linhas_->setText("058");
}

void TfoTipoImpr::escolherCompactada() {
    compactada_->setChecked(true);
    if (grafico_->isChecked())
        linhas_->setText("099");
}

void TfoTipoImpr::escolherNormal() {
    normal_->setChecked(true);
    if (grafico_->isChecked())
        linhas_->setText("066");
}

void TfoTipoImpr::escolherImpressora(int indice) {
    selecionar(impressora_, indice);
    // Preview is text output; a line count typed for text stays.
    if (impressora_->currentText() == Visualizar && !texto_->isChecked())
        escolherTexto();
}

void TfoTipoImpr::entrarImpressora() {
    if (grafico_->isChecked())
        EscolherImpressoraGrafica();
}

void TfoTipoImpr::desligarTermServ() {
    Sess().TermServ = false;
    termServ_->hide();
}

void TfoTipoImpr::confirmar() {
    // The field's mask asks for at least one digit.
    if (linhas_->text().trimmed().isEmpty()) {
        MostrarErro("'" + linhas_->text() + "' is not a valid integer value");
        linhas_->setFocus();
        return;
    }
    ConfigImpressao& cfg = CfgImpressao();
    cfg.CodigoPasso = normal_->isChecked() ? CaractereNormal : CaractereCompactado;
    cfg.Modo = grafico_->isChecked() ? 'G' : 'T';
    cfg.Orientacao = paisagem_->isChecked() ? 'P' : 'R';
    cfg.LinhasPorPagina = linhas_->text().toInt();
    cfg.NomeImpressora = impressora_->currentText();
    selecionar(porta_, impressora_->currentIndex());
    cfg.Porta = porta_->currentText();
    cfg.Destino = cfg.NomeImpressora == Visualizar ? 'V' : 'I';
    if (cfg.NomeImpressora == ArquivoPdf) {
        cfg.Destino = 'P';
        cfg.Porta.clear();
    }
    if (cfg.Destino == 'I' && cfg.Modo == 'T' && Sess().TermServ)
        cfg.Destino = 'T';
    accept();
}

void EscolherImpressao() {
    static QPointer<TfoTipoImpr> janela;
    if (!janela)
        janela = new TfoTipoImpr;
    ExibirModal(*janela);
}
