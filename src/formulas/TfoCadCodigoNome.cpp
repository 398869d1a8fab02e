#include "TfoCadCodigoNome.h"

#include "AcessoDados.h"
#include "BarraCadastro.h"
#include "Dialogos.h"
#include "ErroBanco.h"
#include "LembrancaJanela.h"
#include "ModeloLinhas.h"
#include "TeclaEnter.h"
#include "VinculoCampos.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QLineEdit>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

TfoCadCodigoNome::TfoCadCodigoNome(const QString& nomeJanela, const QString& legenda,
                                   const QString& nomeTabela, SessaoBanco* sessao, QWidget* parent)
    : QWidget(parent), tabela_(nomeTabela, sessao) {
    setObjectName(nomeJanela);
    setWindowTitle(legenda);

    modelo_ = new ModeloLinhas({"CODIGO", "NOME"}, this);
    modelo_->alinharDireita({0});
    lista_ = NovaListaCadastro(modelo_, this);
    connect(lista_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TfoCadCodigoNome::seguirLista);

    vinculo_ = new VinculoCampos(tabela_, this);
    auto* codigo = new QLineEdit(this);
    codigo->setObjectName("Codigo");
    vinculo_->ligar(codigo, "Codigo");
    vinculo_->somenteLeitura(codigo);
    nome_ = new QLineEdit(this);
    nome_->setObjectName("Nome");
    nome_->setMaxLength(40);
    vinculo_->ligar(nome_, "Nome");
    auto* campos = new QFormLayout;
    campos->addRow("Codigo", codigo);
    campos->addRow("Nome", nome_);

    barra_ = new BarraCadastro(this, lista_);
    barra_->ligar(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lista_, 1);
    layout->addLayout(campos);
    layout->addLayout(barra_);
    editando(false);
    AvancarComEnter(this);
    LembrarJanela(this);
}

bool TfoCadCodigoNome::abrir() {
    try {
        tabela_.fechar();
        tabela_.abrir();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    modo_.clear();
    editando(false);
    return true;
}

void TfoCadCodigoNome::editando(bool sim) {
    barra_->editando(sim);
    if (!sim)
        atualizarLista();
    vinculo_->mostrar();
}

void TfoCadCodigoNome::atualizarLista() {
    QList<QStringList> linhas;
    QVariantList chaves;
    if (tabela_.ativo()) {
        const Marcador atual = tabela_.marcador();
        for (tabela_.primeiro(); !tabela_.eof(); tabela_.proximo()) {
            linhas << QStringList{tabela_.campo("Codigo").texto(), tabela_.campo("Nome").texto()};
            chaves << tabela_.marcador().rowid;
        }
        if (atual.valido)
            tabela_.irPara(atual);
        else
            tabela_.primeiro();
    }
    modelo_->definir(linhas, chaves);
    const int linha = modelo_->linhaDe(tabela_.marcador().rowid);
    if (linha >= 0)
        lista_->setCurrentIndex(modelo_->index(linha, 0));
}

void TfoCadCodigoNome::seguirLista() {
    const QVariant chave = modelo_->chave(lista_->currentIndex().row());
    if (chave.isValid() && tabela_.estado() == EstadoDados::Navegando) {
        tabela_.irPara({chave.toLongLong(), true});
        vinculo_->mostrar();
    }
}

void TfoCadCodigoNome::incluir() {
    try {
        tabela_.ultimo();
        const int codigo = tabela_.vazio() ? 1 : tabela_.campo("Codigo").inteiro() + 1;
        tabela_.incluir();
        tabela_.campo("Codigo").definir(codigo);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return;
    }
    if (!GravarRegistro(tabela_)) {
        tabela_.cancelar();
        return;
    }
    if (!EditarRegistro(tabela_))
        return;
    modo_ = "I";
    editando(true);
    nome_->setFocus();
}

void TfoCadCodigoNome::alterar() {
    if (tabela_.vazio() || !EditarRegistro(tabela_))
        return;
    modo_ = "A";
    editando(true);
    nome_->setFocus();
}

void TfoCadCodigoNome::gravar() {
    // A row that could not be read or posted stays open for the operator.
    if (!vinculo_->validar() || !GravarRegistro(tabela_))
        return;
    modo_.clear();
    editando(false);
}

void TfoCadCodigoNome::cancelar() {
    tabela_.cancelar();
    if (modo_ == "I") {
        try {
            tabela_.excluir();
        } catch (const ErroBanco& e) {
            MostrarErro(e.texto());
        }
    }
    modo_.clear();
    editando(false);
}

void TfoCadCodigoNome::excluir() {
    if (tabela_.vazio() || !Confirmar("Confirma eliminação deste registro ?"))
        return;
    try {
        tabela_.excluir();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    editando(false);
}

void TfoCadCodigoNome::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (!evento->spontaneous() && modo_.isEmpty())
        abrir();
}

void TfoCadCodigoNome::closeEvent(QCloseEvent* evento) {
    if (!modo_.isEmpty())
        cancelar();
    QWidget::closeEvent(evento);
}
