#include "TfoCadEmbalagem.h"

#include "AcessoDados.h"
#include "BarraCadastro.h"
#include "Dialogos.h"
#include "ErroBanco.h"
#include "LembrancaJanela.h"
#include "ListaEmbalagens.h"
#include "ModeloLinhas.h"
#include "TeclaEnter.h"
#include "VinculoCampos.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QLineEdit>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

TfoCadEmbalagem::TfoCadEmbalagem(SessaoBanco* sessao, QWidget* parent)
    : QWidget(parent), tabela_("EMBALAGE", sessao), lista_(sessao) {
    setObjectName("TfoCadEmbalagem");
    setWindowTitle("Cadastro de Embalagens");
    PrepararListaEmbalagens(lista_);

    modelo_ = new ModeloLinhas({"Código", "Descrição"}, this);
    modelo_->alinharDireita({0});
    grade_ = NovaListaCadastro(modelo_, this);
    connect(grade_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TfoCadEmbalagem::seguirLista);

    vinculo_ = new VinculoCampos(tabela_, this);
    auto* campos = new QFormLayout;
    auto campo = [&](const QString& rotulo, const QString& nome, const QString& mascara) {
        auto* e = new QLineEdit(this);
        e->setObjectName(nome);
        vinculo_->ligar(e, nome, mascara);
        campos->addRow(rotulo, e);
        return e;
    };
    vinculo_->somenteLeitura(campo("Codigo", "Codigo", {}));
    descricao_ = campo("Descrição", "Descricao", {});
    descricao_->setMaxLength(40);
    campo("Peso Liquido", "Peso_Liq", "###,##0.0000");
    campo("Peso Embal.", "Peso_Embal", "###,##0.0000");

    barra_ = new BarraCadastro(this, grade_);
    barra_->ligar(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grade_, 1);
    layout->addLayout(campos);
    layout->addLayout(barra_);
    habilitar(false);
    AvancarComEnter(this);
    LembrarJanela(this);
}

bool TfoCadEmbalagem::abrir() {
    try {
        tabela_.fechar();
        tabela_.abrir();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    atualizarLista(QVariant());
    habilitar(false);
    return true;
}

bool TfoCadEmbalagem::editando() const {
    return tabela_.estado() == EstadoDados::Editando || tabela_.estado() == EstadoDados::Inserindo;
}

void TfoCadEmbalagem::habilitar(bool sim) {
    barra_->editando(sim);
    vinculo_->mostrar();
}

void TfoCadEmbalagem::atualizarLista(const QVariant& codigo) {
    QList<QStringList> linhas;
    QVariantList chaves;
    try {
        lista_.fechar();
        lista_.abrir();
        for (lista_.primeiro(); !lista_.eof(); lista_.proximo()) {
            linhas << QStringList{lista_.campo("Codigo").texto(),
                                  lista_.campo("Descricao").texto()};
            chaves << lista_.campo("Codigo").inteiro();
        }
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    modelo_->definir(linhas, chaves);
    const int linha = codigo.isValid() ? modelo_->linhaDe(codigo) : -1;
    if (linha >= 0 || !linhas.isEmpty())
        grade_->setCurrentIndex(modelo_->index(std::max(linha, 0), 0));
    seguirLista();
}

void TfoCadEmbalagem::seguirLista() {
    if (editando())
        return;
    const QVariant codigo = modelo_->chave(grade_->currentIndex().row());
    if (codigo.isValid() && tabela_.ativo())
        tabela_.localizarChave({codigo});
    vinculo_->mostrar();
}

void TfoCadEmbalagem::incluir() {
    const int n = modelo_->rowCount();
    const int codigo = n == 0 ? 1 : modelo_->chave(n - 1).toInt() + 1;
    try {
        tabela_.incluir();
        tabela_.campo("Codigo").definir(codigo);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return;
    }
    habilitar(true);
    descricao_->setFocus();
}

void TfoCadEmbalagem::alterar() {
    if (tabela_.vazio() || !EditarRegistro(tabela_))
        return;
    habilitar(true);
    descricao_->setFocus();
}

void TfoCadEmbalagem::gravar() {
    const QVariant codigo = tabela_.campo("Codigo").valor();
    // A row that could not be read or posted stays open for the operator.
    if (!vinculo_->validar() || !GravarRegistro(tabela_))
        return;
    habilitar(false);
    atualizarLista(codigo);
}

void TfoCadEmbalagem::cancelar() {
    tabela_.cancelar();
    habilitar(false);
    seguirLista();
}

void TfoCadEmbalagem::excluir() {
    if (tabela_.vazio() || !Confirmar("Confirma eliminação deste registro ?"))
        return;
    try {
        tabela_.excluir();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    atualizarLista(QVariant());
}

void TfoCadEmbalagem::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (!evento->spontaneous() && !editando())
        abrir();
}

void TfoCadEmbalagem::closeEvent(QCloseEvent* evento) {
    if (editando())
        cancelar();
    QWidget::closeEvent(evento);
}
