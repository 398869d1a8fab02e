#include "TFoRelCadCliFor.h"

#include "RelatorioCadastroClifor.h"
#include "services/Botao.h"
#include "services/ConfigImpressao.h"
#include "services/LembrancaJanela.h"
#include "services/RelatorioTexto.h"
#include "services/TeclaEnter.h"
#include "services/TfoTipoImpr.h"
#include "session/Dialogos.h"
#include "session/Sessao.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
QLineEdit* caixa(const QString& nome, int tamanho, QWidget* pai) {
    auto* e = new QLineEdit(pai);
    e->setObjectName(nome);
    e->setMaxLength(tamanho);
    return e;
}
} // namespace

TFoRelCadCliFor::TFoRelCadCliFor(SessaoBanco* sessao, QWidget* parent)
    : QWidget(parent), sessao_(sessao) {
    setObjectName("TFoRelCadCliFor");
    setWindowTitle("Relatorio do Cadastro - Completo");
    setMinimumWidth(460);

    auto* ordem = new QGroupBox("Ordem", this);
    alfabetica_ = new QRadioButton("Alfabetica", ordem);
    alfabetica_->setObjectName("Alfabetica");
    codigo_ = new QRadioButton("Codigo", ordem);
    codigo_->setObjectName("Codigo");
    codigo_->setChecked(true);
    auto* lo = new QHBoxLayout(ordem);
    lo->addWidget(alfabetica_);
    lo->addWidget(codigo_);
    lo->addStretch();

    nomeInicial_ = caixa("Nome inicial", 40, this);
    nomeFinal_ = caixa("Nome Final", 40, this);
    codigoInicial_ = caixa("Codigo inicial", 6, this);
    codigoFinal_ = caixa("Codigo final", 6, this);
    for (QLineEdit* e : {codigoInicial_, codigoFinal_})
        e->setValidator(new QIntValidator(0, 999999, e));
    auto* campos = new QFormLayout;
    campos->addRow("Nome inicial", nomeInicial_);
    campos->addRow("Nome Final", nomeFinal_);
    campos->addRow("Codigo inicial", codigoInicial_);
    campos->addRow("Codigo final", codigoFinal_);
    inativos_ = new QCheckBox("Imprimir inativos", this);
    inativos_->setObjectName("Imprimir inativos");

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    connect(NovoBotao("OK", this, botoes), &QPushButton::clicked, this, &TFoRelCadCliFor::ok);
    connect(NovoBotao("Cancel", this, botoes), &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ordem);
    layout->addLayout(campos);
    layout->addWidget(inativos_);
    layout->addLayout(botoes);
    connect(alfabetica_, &QRadioButton::toggled, this, &TFoRelCadCliFor::trocarOrdem);
    trocarOrdem();
    AvancarComEnter(this);
    LembrarJanela(this);
}

void TFoRelCadCliFor::trocarOrdem() {
    const bool nome = alfabetica_->isChecked();
    nomeInicial_->setEnabled(nome);
    nomeFinal_->setEnabled(nome);
    codigoInicial_->setEnabled(!nome);
    codigoFinal_->setEnabled(!nome);
}

void TFoRelCadCliFor::ok() {
    EscolherImpressao();
    ConfigImpressao& cfg = CfgImpressao();
    cfg.Pagina = 0;
    cfg.LinhasUsadas = cfg.LinhasPorPagina;
    cfg.Largura = 132;
    if (!Confirmar("Confirma Emissao"))
        return;
    FiltroCadastroClifor f;
    f.filial = Sess().Filial;
    f.sistema = sistema_;
    f.alfabetica = alfabetica_->isChecked();
    f.nomeInicial = nomeInicial_->text().trimmed();
    f.nomeFinal = nomeFinal_->text().trimmed();
    f.codigoInicial = codigoInicial_->text().trimmed();
    f.codigoFinal = codigoFinal_->text().trimmed();
    f.inativos = inativos_->isChecked();
    setEnabled(false);
    EmitirRelatorio([&] { ImprimirCadastroClifor(f, sessao_); });
    setEnabled(true);
}
