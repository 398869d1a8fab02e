#include "TfoPesquisaCliFor.h"

#include "services/Botao.h"
#include "services/Grade.h"
#include "services/JanelaModal.h"
#include "services/LembrancaJanela.h"
#include "services/ModeloLinhas.h"
#include "session/Dialogos.h"
#include "session/Sessao.h"
#include "store/ErroBanco.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TfoPesquisaCliFor::TfoPesquisaCliFor(SessaoBanco* sessao, QWidget* parent)
    : QDialog(parent), sessao_(sessao) {
    setObjectName("TfoPesquisaCliFor");
    setWindowTitle("Pesquisa de Clientes / Fornecedores");
    resize(860, 520);

    ordem_ = new QComboBox(this);
    ordem_->setObjectName("Ordem");
    ordem_->addItems(OrdensPesquisaClifor());
    pesquisa_ = new QLineEdit(this);
    pesquisa_->setObjectName("Pesquisa");
    auto* topo = new QHBoxLayout;
    topo->addWidget(new QLabel("Ordem", this));
    topo->addWidget(ordem_);
    topo->addWidget(new QLabel("Pesquisar", this));
    topo->addWidget(pesquisa_, 1);

    modelo_ = new ModeloLinhas(
        {"Código", "Nome", "Fantasia", "Fone", "Bairro", "Endereço", "Cidade"}, this);
    modelo_->alinharDireita({0});
    grade_ = NovaGrade(modelo_, "GradePesquisaCliFor", this);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    QPushButton* ok = NovoBotao("OK", this, botoes);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TfoPesquisaCliFor::confirmar);
    connect(NovoBotao("Cancelar", this, botoes), &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(topo);
    layout->addWidget(grade_, 1);
    layout->addLayout(botoes);

    connect(ordem_, &QComboBox::currentIndexChanged, this, &TfoPesquisaCliFor::trocarOrdem);
    connect(pesquisa_, &QLineEdit::textEdited, this, &TfoPesquisaCliFor::pesquisar);
    connect(grade_, &QTableView::doubleClicked, this, &TfoPesquisaCliFor::confirmar);
    LembrarJanela(this);
}

int TfoPesquisaCliFor::escolher() {
    codigo_ = 0;
    pesquisa_->clear();
    trocarOrdem(ordem_->currentIndex());
    pesquisa_->setFocus();
    return ExibirModal(*this) == QDialog::Accepted ? codigo_ : 0;
}

void TfoPesquisaCliFor::trocarOrdem(int ordem) {
    try {
        linhas_ = PesquisarClifor(Sess().Filial, ordem, sessao_);
    } catch (const ErroBanco& e) {
        linhas_.clear();
        MostrarErro(e.texto());
    }
    QList<QStringList> textos;
    QVariantList chaves;
    for (const LinhaPesquisaClifor& l : linhas_) {
        textos << l.colunas;
        chaves << l.codigo;
    }
    modelo_->definir(textos, chaves);
    pesquisar(pesquisa_->text());
}

void TfoPesquisaCliFor::pesquisar(const QString& texto) {
    const int i = texto.isEmpty() ? (linhas_.isEmpty() ? -1 : 0)
                                  : LinhaMaisProxima(linhas_, ordem_->currentIndex(), texto);
    if (i >= 0)
        grade_->setCurrentIndex(modelo_->index(i, 0));
}

void TfoPesquisaCliFor::confirmar() {
    const int i = grade_->currentIndex().row();
    if (i < 0)
        return;
    codigo_ = modelo_->chave(i).toInt();
    accept();
}
