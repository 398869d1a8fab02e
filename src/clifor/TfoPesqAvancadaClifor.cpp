#include "TfoPesqAvancadaClifor.h"

#include "PesquisaClifor.h"
#include "services/Botao.h"
#include "services/Grade.h"
#include "services/JanelaModal.h"
#include "services/LembrancaJanela.h"
#include "services/ModeloLinhas.h"
#include "session/Dialogos.h"
#include "session/Sessao.h"
#include "store/ErroBanco.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TfoPesqAvancadaClifor::TfoPesqAvancadaClifor(SessaoBanco* sessao, QWidget* parent)
    : QDialog(parent), sessao_(sessao) {
    setObjectName("TfoPesqAvancadaClifor");
    setWindowTitle("Pesquisa Avançada de Clientes");
    resize(620, 460);

    texto_ = new QLineEdit(this);
    texto_->setObjectName("Nome");
    auto* topo = new QHBoxLayout;
    topo->addWidget(new QLabel("Nome contém", this));
    topo->addWidget(texto_, 1);
    QPushButton* pesquisar = NovoBotao("Pesquisar", this, topo);
    pesquisar->setDefault(true);

    modelo_ = new ModeloLinhas({"Filial", "Código", "Razão Social"}, this);
    modelo_->alinharDireita({0, 1});
    grade_ = NovaGrade(modelo_, "GradePesqAvancadaClifor", this);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    connect(NovoBotao("Fechar", this, botoes), &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(topo);
    layout->addWidget(grade_, 1);
    layout->addLayout(botoes);

    connect(pesquisar, &QPushButton::clicked, this, &TfoPesqAvancadaClifor::pesquisar);
    connect(grade_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& i) { escolherLinha(i.row()); });
    LembrarJanela(this);
}

bool TfoPesqAvancadaClifor::escolher(const QString& texto) {
    codigo_ = 0;
    nome_.clear();
    texto_->setText(texto);
    pesquisar();
    return ExibirModal(*this) == QDialog::Accepted;
}

void TfoPesqAvancadaClifor::pesquisar() {
    QList<QStringList> linhas;
    try {
        linhas = PesquisarCliforPorNome(Sess().Filial, texto_->text().trimmed(), sessao_);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    QVariantList chaves;
    for (const QStringList& l : linhas)
        chaves << l[1].toInt();
    modelo_->definir(linhas, chaves);
}

void TfoPesqAvancadaClifor::escolherLinha(int linha) {
    if (linha < 0 || linha >= modelo_->rowCount())
        return;
    codigo_ = modelo_->chave(linha).toInt();
    nome_ = modelo_->texto(linha, 2);
    accept();
}
