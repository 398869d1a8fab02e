#include "TfoRelRotuloFormula.h"

#include "Botao.h"
#include "ConfigImpressao.h"
#include "Dialogos.h"
#include "ErroBanco.h"
#include "ImpressoraTexto.h"
#include "ModeloLinhas.h"
#include "RelatorioTexto.h"
#include "Relogio.h"
#include "Sessao.h"
#include "TfoTipoImpr.h"
#include "services/Grade.h"
#include "services/LembrancaJanela.h"
#include "services/TeclaEnter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

namespace {
QLineEdit* campo(const QString& nome, int tamanho, QWidget* pai) {
    auto* e = new QLineEdit(pai);
    e->setObjectName(nome);
    if (tamanho > 0)
        e->setMaxLength(tamanho);
    return e;
}
} // namespace

TfoRelRotuloFormula::TfoRelRotuloFormula(SessaoBanco* sessao, QWidget* parent)
    : QWidget(parent), dados_(sessao) {
    setObjectName("TfoRelRotuloFormula");
    setWindowTitle("Emissão Rótulo de Amostra ");
    resize(720, 420);

    // The list and its search, on the left.
    pesquisa_ = campo("Formula", 10, this);
    auto* busca = new QFormLayout;
    busca->addRow("Fórmula", pesquisa_);
    modelo_ = new ModeloLinhas({"FORMULA", "NOME"}, this);
    grade_ = new QTableView(this);
    grade_->setObjectName("Formulas");
    grade_->setModel(modelo_);
    OferecerExportacaoPlanilha(grade_);
    grade_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grade_->setSelectionMode(QAbstractItemView::SingleSelection);
    grade_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade_->setWordWrap(false);
    grade_->setTabKeyNavigation(false);
    grade_->verticalHeader()->hide();
    grade_->horizontalHeader()->setStretchLastSection(true);
    grade_->setColumnWidth(0, 80);
    auto* esquerda = new QVBoxLayout;
    esquerda->addLayout(busca);
    esquerda->addWidget(grade_, 1);

    // The label's fields, on the right.
    data_ = campo("Data", 8, this);
    data_->setFixedWidth(data_->fontMetrics().horizontalAdvance("00/00/000") + 12);
    auto* peso = new QGroupBox("Peso", this);
    peso->setObjectName("Peso");
    auto* gp = new QGridLayout(peso);
    auto* liquido = new QLabel("Líquido", peso);
    liquido->setObjectName("Líquido");
    gp->addWidget(liquido, 0, 0);
    peso150_ = new QRadioButton("150 gr", peso);
    peso150_->setObjectName("150 gr");
    peso250_ = new QRadioButton("250 gr", peso);
    peso250_->setObjectName("250 gr");
    pesoOutro_ = new QRadioButton("Outro ", peso);
    pesoOutro_->setObjectName("Outro");
    outro_ = campo("OutroTexto", 10, peso);
    auto* grupo = new QButtonGroup(peso);
    for (QRadioButton* r : {peso150_, peso250_, pesoOutro_}) {
        grupo->addButton(r);
        connect(r, &QRadioButton::toggled, this, &TfoRelRotuloFormula::escolherPeso);
    }
    gp->addWidget(peso150_, 0, 1);
    gp->addWidget(peso250_, 1, 1);
    gp->addWidget(pesoOutro_, 2, 1);
    gp->addWidget(outro_, 2, 2);
    auto* rotuloBruto = new QLabel("Bruto", peso);
    rotuloBruto->setObjectName("Bruto");
    gp->addWidget(rotuloBruto, 3, 0);
    bruto_ = campo("BrutoTexto", 10, peso);
    gp->addWidget(bruto_, 3, 1, 1, 2);
    peso150_->setChecked(true);

    descricao_ = campo("Descricao", 45, this);
    informada_ = new QCheckBox("Impr. descrição informada", this);
    informada_->setObjectName("Impr. descrição informada");
    painelCor_ = new QWidget(this);
    auto* lc = new QFormLayout(painelCor_);
    lc->setContentsMargins(0, 0, 0, 0);
    cor_ = campo("Cor", 30, painelCor_);
    lc->addRow("Cor", cor_);
    painelCor_->setVisible(false);
    connect(informada_, &QCheckBox::toggled, painelCor_, &QWidget::setVisible);

    auto* campos = new QFormLayout;
    campos->addRow("Data", data_);
    campos->addRow(peso);
    campos->addRow("Descrição", descricao_);
    campos->addRow(informada_);
    campos->addRow(painelCor_);
    auto* direita = new QVBoxLayout;
    direita->addLayout(campos);
    direita->addStretch();
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    connect(NovoBotao("Imprimir", this, botoes), &QPushButton::clicked, this,
            &TfoRelRotuloFormula::imprimir);
    connect(NovoBotao("Fechar", this, botoes), &QPushButton::clicked, this, &QWidget::close);
    direita->addLayout(botoes);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(esquerda, 1);
    layout->addLayout(direita, 1);

    connect(pesquisa_, &QLineEdit::textEdited, this, &TfoRelRotuloFormula::pesquisar);
    connect(grade_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TfoRelRotuloFormula::seguirLista);
    AvancarComEnter(this);
    LembrarJanela(this);
}

bool TfoRelRotuloFormula::abrir() {
    try {
        dados_.abrir(Sess().Filial);
        if (chamada_ == 1)
            dados_.TFormula.localizarChave({dados_.filial(), numeroCadastro_});
        atualizarLista();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    const bool livre = chamada_ != 1;
    pesquisa_->setEnabled(livre);
    grade_->setEnabled(livre);
    pesquisa_->setText(livre ? QString() : numeroCadastro_);
    data_->setText(Relogio::atual().hoje().toString("dd/MM/yy"));
    escolherPeso();
    formulaMudou();
    (livre ? static_cast<QWidget*>(pesquisa_) : data_)->setFocus();
    return true;
}

void TfoRelRotuloFormula::abrirDoCadastro(const QString& numero) {
    chamada_ = 1;
    numeroCadastro_ = numero;
    if (isVisible())
        abrir();
    else
        show();
    raise();
    activateWindow();
}

void TfoRelRotuloFormula::atualizarLista() {
    Tabela& f = dados_.TFormula;
    QList<QStringList> linhas;
    QVariantList chaves;
    const Marcador atual = f.marcador();
    // The product name goes with each row; the cursor comes back after.
    for (f.primeiro(); !f.eof(); f.proximo()) {
        linhas << QStringList{f.campo("Formula").texto(), dados_.nomeProduto()};
        chaves << f.marcador().rowid;
    }
    if (atual.valido)
        f.irPara(atual);
    else
        f.primeiro();
    modelo_->definir(linhas, chaves);
    const int linha = modelo_->linhaDe(f.marcador().rowid);
    if (linha >= 0) {
        grade_->setCurrentIndex(modelo_->index(linha, 0));
        grade_->scrollTo(modelo_->index(linha, 0));
    }
}

void TfoRelRotuloFormula::seguirLista() {
    const QVariant chave = modelo_->chave(grade_->currentIndex().row());
    if (!chave.isValid())
        return;
    try {
        dados_.TFormula.irPara({chave.toLongLong(), true});
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return;
    }
    formulaMudou();
}

void TfoRelRotuloFormula::formulaMudou() {
    try {
        descricao_->setText(dados_.nomeProduto());
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
}

void TfoRelRotuloFormula::pesquisar(const QString& texto) {
    if (texto.isEmpty() || !dados_.TFormula.ativo())
        return;
    try {
        dados_.TFormula.localizarProximo({dados_.filial(), texto});
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return;
    }
    const int linha = modelo_->linhaDe(dados_.TFormula.marcador().rowid);
    if (linha >= 0) {
        grade_->setCurrentIndex(modelo_->index(linha, 0));
        grade_->scrollTo(modelo_->index(linha, 0));
    }
}

void TfoRelRotuloFormula::escolherPeso() {
    outro_->setEnabled(pesoOutro_->isChecked());
    if (!pesoOutro_->isChecked())
        outro_->clear();
}

DadosRotulo TfoRelRotuloFormula::rotulo() {
    DadosRotulo r = dados_.rotulo();
    r.descricaoInformada = informada_->isChecked();
    r.descricao = descricao_->text();
    r.corInformada = cor_->text();
    r.liquido = peso150_->isChecked()   ? peso150_->text()
                : peso250_->isChecked() ? peso250_->text()
                                        : outro_->text();
    r.bruto = bruto_->text();
    r.data = data_->text();
    return r;
}

void TfoRelRotuloFormula::imprimir() {
    if (!dados_.TFormula.ativo() || dados_.TFormula.vazio() || !DataRotuloValida(data_->text()))
        return;
    DadosRotulo r;
    try {
        r = rotulo();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return;
    }
    EscolherImpressao();
    ConfigImpressao& cfg = CfgImpressao();
    cfg.Pagina = 1;
    cfg.LinhasUsadas = 28;
    cfg.Largura = 46;
    cfg.Linha = 1;
    if (!Confirmar("Confirma Emissao"))
        return;
    try {
        ImprimirRotuloAmostra(r);
    } catch (const ErroSaidaTexto& e) {
        AbandonarRelatorio();
        MostrarErro(QString::fromLocal8Bit(e.what()));
        return;
    }
    if (chamada_ == 1)
        close();
}

void TfoRelRotuloFormula::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (!evento->spontaneous())
        abrir();
}

void TfoRelRotuloFormula::closeEvent(QCloseEvent* evento) {
    if (chamada_ == 1) {
        pesquisa_->setEnabled(true);
        grade_->setEnabled(true);
        chamada_ = 0;
    }
    dados_.fechar();
    QWidget::closeEvent(evento);
}
