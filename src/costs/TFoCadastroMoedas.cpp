#include "TFoCadastroMoedas.h"

#include "CadastrosCustos.h"
#include "services/BarraCadastro.h"
#include "services/CopiarRegistroParaEmpresa.h"
#include "services/LembrancaJanela.h"
#include "services/ModeloLinhas.h"
#include "services/TeclaEnter.h"
#include "services/VinculoCampos.h"
#include "session/AcessoDados.h"
#include "session/AutorizarAcesso.h"
#include "session/Dialogos.h"
#include "store/ErroBanco.h"

#include <QAction>
#include <QCloseEvent>
#include <QFormLayout>
#include <QLineEdit>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

TFoCadastroMoedas::TFoCadastroMoedas(SessaoBanco* sessao, QWidget* parent)
    : QWidget(parent), tabela_("MOEDA", sessao) {
    setObjectName("TFoCadastroMoedas");
    setWindowTitle("Cadastro de Moedas");
    resize(520, 420);
    tabela_.setNomeBanco("Orvalo");
    tabela_.setIndice("Nome da Moeda");

    modelo_ = new ModeloLinhas({"Codigo", "Nome", "Simbolo"}, this);
    lista_ = NovaListaCadastro(modelo_, this);
    connect(lista_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TFoCadastroMoedas::seguirLista);
    clonar_ = new QAction("Clonar Registro P/ Outra Empresa", this);
    clonar_->setObjectName(clonar_->text());
    lista_->setContextMenuPolicy(Qt::ActionsContextMenu);
    lista_->addAction(clonar_);
    connect(clonar_, &QAction::triggered, this, &TFoCadastroMoedas::clonar);

    vinculo_ = new VinculoCampos(tabela_, this);
    painel_ = new QWidget(this);
    auto* campos = new QFormLayout(painel_);
    campos->setContentsMargins(0, 0, 0, 0);
    nome_ = new QLineEdit(painel_);
    nome_->setObjectName("NOME_MOEDA");
    nome_->setMaxLength(40);
    vinculo_->ligar(nome_, "NOME_MOEDA");
    campos->addRow("Nome", nome_);
    auto* simbolo = new QLineEdit(painel_);
    simbolo->setObjectName("SIMBOLO");
    simbolo->setMaxLength(5);
    simbolo->setMaximumWidth(90);
    vinculo_->ligar(simbolo, "SIMBOLO");
    campos->addRow("Simbolo", simbolo);

    barra_ = new BarraCadastro(this, lista_);
    barra_->ligar(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lista_, 1);
    layout->addWidget(painel_);
    layout->addLayout(barra_);
    habilitar(false);
    AvancarComEnter(this);
    LembrarJanela(this);
}

bool TFoCadastroMoedas::iniciar() {
    if (!AutorizarAcesso(83)) {
        close();
        return false;
    }
    return abrir();
}

bool TFoCadastroMoedas::abrir() {
    try {
        tabela_.fechar();
        tabela_.abrir();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    habilitar(false);
    return true;
}

bool TFoCadastroMoedas::editando() const {
    return tabela_.estado() == EstadoDados::Editando || tabela_.estado() == EstadoDados::Inserindo;
}

void TFoCadastroMoedas::habilitar(bool sim) {
    barra_->editando(sim);
    painel_->setEnabled(sim);
    if (!sim)
        atualizarLista();
    vinculo_->mostrar();
}

void TFoCadastroMoedas::atualizarLista() {
    QList<QStringList> linhas;
    QVariantList chaves;
    try {
        if (tabela_.ativo()) {
            const Marcador atual = tabela_.marcador();
            for (tabela_.primeiro(); !tabela_.eof(); tabela_.proximo()) {
                linhas << QStringList{tabela_.campo("Cod_Moeda").texto(),
                                      tabela_.campo("NOME_MOEDA").texto(),
                                      tabela_.campo("SIMBOLO").texto()};
                chaves << tabela_.marcador().rowid;
            }
            if (atual.valido)
                tabela_.irPara(atual);
            else
                tabela_.primeiro();
        }
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    modelo_->definir(linhas, chaves);
    const int linha = modelo_->linhaDe(tabela_.marcador().rowid);
    if (linha >= 0) {
        lista_->setCurrentIndex(modelo_->index(linha, 0));
        lista_->scrollTo(modelo_->index(linha, 0));
    }
    clonar_->setEnabled(!linhas.isEmpty());
}

void TFoCadastroMoedas::seguirLista() {
    const QVariant chave = modelo_->chave(lista_->currentIndex().row());
    if (!chave.isValid() || editando())
        return;
    try {
        tabela_.irPara({chave.toLongLong(), true});
    } catch (const ErroBanco& e) {
        // Deleted by another station meanwhile.
        MostrarErro(e.texto());
        atualizarLista();
    }
    vinculo_->mostrar();
}

void TFoCadastroMoedas::incluir() {
    QString codigo;
    if (!Dialogos::atual().entrada("Incluir Novo", "Codigo", codigo) ||
        !IncluirMoeda(tabela_, codigo)) {
        habilitar(false);
        return;
    }
    atualizarLista();
    if (!EditarRegistro(tabela_)) {
        habilitar(false);
        return;
    }
    habilitar(true);
    nome_->setFocus();
}

void TFoCadastroMoedas::alterar() {
    if (tabela_.vazio() || !EditarRegistro(tabela_))
        return;
    habilitar(true);
    nome_->setFocus();
}

void TFoCadastroMoedas::gravar() {
    // A row that could not be posted stays open for the operator.
    if (vinculo_->validar() && GravarRegistro(tabela_))
        habilitar(false);
}

void TFoCadastroMoedas::cancelar() {
    tabela_.cancelar();
    habilitar(false);
}

void TFoCadastroMoedas::excluir() {
    if (tabela_.vazio() || !Confirmar("Confirma eliminação desta moeda ?"))
        return;
    try {
        tabela_.excluir();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    habilitar(false);
}

void TFoCadastroMoedas::clonar() {
    if (editando() || tabela_.vazio())
        return;
    CopiarRegistroParaEmpresa("Cod_Moeda", tabela_.campo("Cod_Moeda").texto(), "MOEDA.DB", false);
}

void TFoCadastroMoedas::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    // The access question waits until the window is on screen, so a
    // refusal can close it.
    if (!evento->spontaneous() && !editando())
        QMetaObject::invokeMethod(this, &TFoCadastroMoedas::iniciar, Qt::QueuedConnection);
}

void TFoCadastroMoedas::closeEvent(QCloseEvent* evento) {
    if (editando())
        cancelar();
    QWidget::closeEvent(evento);
}
