#include "TfoRelClientesPorCidade.h"

#include "RelatorioClientesPorCidade.h"
#include "services/Botao.h"
#include "services/ConfigImpressao.h"
#include "services/LembrancaJanela.h"
#include "services/RelatorioTexto.h"
#include "services/TeclaEnter.h"
#include "services/TfoTipoImpr.h"
#include "session/Dialogos.h"
#include "session/Sessao.h"
#include "store/ErroBanco.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {
QLineEdit* caixa(const QString& nome, int tamanho, QWidget* pai) {
    auto* e = new QLineEdit(pai);
    e->setObjectName(nome);
    e->setMaxLength(tamanho);
    return e;
}

void mover(QListWidget* de, QListWidget* para, bool todas) {
    for (int i = de->count() - 1; i >= 0; --i) {
        if (!todas && !de->item(i)->isSelected())
            continue;
        QListWidgetItem* item = de->takeItem(i);
        para->addItem(item->text());
        delete item;
    }
    para->sortItems();
}
} // namespace

TfoRelClientesPorCidade::TfoRelClientesPorCidade(SessaoBanco* sessao, QWidget* parent)
    : QWidget(parent), sessao_(sessao) {
    setObjectName("TfoRelClientesPorCidade");
    setWindowTitle("Clientes por Cidade");
    setMinimumSize(620, 480);

    codigoInicial_ = caixa("Codigo inicial", 6, this);
    codigoFinal_ = caixa("Codigo final", 6, this);
    for (QLineEdit* e : {codigoInicial_, codigoFinal_})
        e->setValidator(new QIntValidator(0, 999999, e));
    cidadeInicial_ = caixa("Cidade inicial", 40, this);
    cidadeFinal_ = caixa("Cidade final", 40, this);
    nomeInicial_ = caixa("Nome inicial", 40, this);
    nomeFinal_ = caixa("Nome final", 40, this);
    auto* faixas = new QGridLayout;
    const std::pair<const char*, QLineEdit*> linhas[][2] = {
        {{"Codigo", codigoInicial_}, {"a", codigoFinal_}},
        {{"Cidade", cidadeInicial_}, {"a", cidadeFinal_}},
        {{"Nome", nomeInicial_}, {"a", nomeFinal_}},
    };
    for (int l = 0; l < 3; ++l) {
        for (int p = 0; p < 2; ++p) {
            faixas->addWidget(new QLabel(linhas[l][p].first, this), l, p * 2);
            faixas->addWidget(linhas[l][p].second, l, p * 2 + 1);
        }
    }

    auto* filtro = new QGroupBox("Cidades", this);
    cidades_ = new QListWidget(filtro);
    cidades_->setObjectName("Cidades");
    escolhidas_ = new QListWidget(filtro);
    escolhidas_->setObjectName("Filtro");
    for (QListWidget* l : {cidades_, escolhidas_})
        l->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* setas = new QVBoxLayout;
    setas->addStretch();
    const std::pair<const char*, std::function<void()>> acoes[] = {
        {">", [this] { incluirCidades(false); }},
        {">>", [this] { incluirCidades(true); }},
        {"<", [this] { retirarCidades(false); }},
        {"<<", [this] { retirarCidades(true); }},
    };
    for (const auto& [texto, acao] : acoes)
        connect(NovoBotao(texto, filtro, setas), &QPushButton::clicked, this, acao);
    setas->addStretch();
    auto* lf = new QHBoxLayout(filtro);
    lf->addWidget(cidades_);
    lf->addLayout(setas);
    lf->addWidget(escolhidas_);

    separarEstados_ = new QCheckBox("Separar Clientes por Estado", this);
    separarEstados_->setObjectName(separarEstados_->text());
    inativos_ = new QCheckBox("Imprimir Inativos", this);
    inativos_->setObjectName(inativos_->text());

    auto* botoes = new QHBoxLayout;
    botoes->addWidget(separarEstados_);
    botoes->addWidget(inativos_);
    botoes->addStretch();
    connect(NovoBotao("OK", this, botoes), &QPushButton::clicked, this,
            &TfoRelClientesPorCidade::ok);
    connect(NovoBotao("Cancel", this, botoes), &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(faixas);
    layout->addWidget(filtro, 1);
    layout->addLayout(botoes);
    AvancarComEnter(this);
    LembrarJanela(this);
}

void TfoRelClientesPorCidade::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (!evento->spontaneous())
        carregarCidades();
}

void TfoRelClientesPorCidade::carregarCidades() {
    cidades_->clear();
    escolhidas_->clear();
    try {
        cidades_->addItems(CidadesClifor(sessao_));
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
}

void TfoRelClientesPorCidade::incluirCidades(bool todas) {
    mover(cidades_, escolhidas_, todas);
}

void TfoRelClientesPorCidade::retirarCidades(bool todas) {
    mover(escolhidas_, cidades_, todas);
}

void TfoRelClientesPorCidade::ok() {
    EscolherImpressao();
    ConfigImpressao& cfg = CfgImpressao();
    cfg.Pagina = 0;
    cfg.LinhasUsadas = cfg.LinhasPorPagina;
    // The last purchase date ends at column 135.
    cfg.Largura = 136;
    if (!Confirmar("Confirma Emissao"))
        return;
    FiltroClientesPorCidade f;
    f.filial = Sess().Filial;
    f.fatModNf = Sess().FatModNf;
    f.codigoInicial = codigoInicial_->text().trimmed();
    f.codigoFinal = codigoFinal_->text().trimmed();
    f.cidadeInicial = cidadeInicial_->text().trimmed().toUpper();
    f.cidadeFinal = cidadeFinal_->text().trimmed().toUpper();
    f.nomeInicial = nomeInicial_->text().trimmed().toUpper();
    f.nomeFinal = nomeFinal_->text().trimmed().toUpper();
    for (int i = 0; i < escolhidas_->count(); ++i)
        f.cidades << escolhidas_->item(i)->text();
    f.separarEstados = separarEstados_->isChecked();
    f.inativos = inativos_->isChecked();
    setEnabled(false);
    EmitirRelatorio([&] { ImprimirClientesPorCidade(f, sessao_); });
    setEnabled(true);
}
