#include "TFoCadastroValores.h"

#include "CadastrosCustos.h"
#include "services/BarraCadastro.h"
#include "services/FormatoNumero.h"
#include "services/LembrancaJanela.h"
#include "services/ModeloLinhas.h"
#include "services/TeclaEnter.h"
#include "services/VinculoCampos.h"
#include "session/AcessoDados.h"
#include "session/AutorizarAcesso.h"
#include "session/Dialogos.h"
#include "store/ErroBanco.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const char* const MascaraValor = "###,##0.00";
}

TFoCadastroValores::TFoCadastroValores(SessaoBanco* sessao, QWidget* parent)
    : QWidget(parent), tabela_("VALORES", sessao), moedas_("MOEDA", sessao) {
    setObjectName("TFoCadastroValores");
    setWindowTitle("Cadastro de Valores");
    resize(460, 480);
    tabela_.setNomeBanco("Orvalo");
    moedas_.setNomeBanco("Orvalo");
    moedas_.setIndice("Nome da Moeda");

    modelo_ = new ModeloLinhas({"MOEDA", "DATA", "VALOR"}, this);
    grade_ = NovaListaCadastro(modelo_, this);
    grade_->setObjectName("Valores");
    connect(grade_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TFoCadastroValores::seguirGrade);

    vinculo_ = new VinculoCampos(tabela_, this);
    painel_ = new QWidget(this);
    auto* campos = new QFormLayout(painel_);
    campos->setContentsMargins(0, 0, 0, 0);
    moeda_ = new QComboBox(painel_);
    moeda_->setObjectName("Cod_Moeda");
    moeda_->setMinimumWidth(240);
    vinculo_->ligar(moeda_, "Cod_Moeda");
    campos->addRow("Moeda", moeda_);
    data_ = new QLineEdit(painel_);
    data_->setObjectName("DATA");
    data_->setMaximumWidth(120);
    vinculo_->ligar(data_, "DATA");
    campos->addRow("Data", data_);
    auto* valor = new QLineEdit(painel_);
    valor->setObjectName("VALOR");
    valor->setMaximumWidth(120);
    valor->setAlignment(Qt::AlignRight);
    vinculo_->ligar(valor, "VALOR", MascaraValor);
    campos->addRow("Valor", valor);

    barra_ = new BarraCadastro(this, grade_);
    barra_->ligar(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grade_, 1);
    layout->addWidget(painel_);
    layout->addLayout(barra_);
    habilitar(false);
    AvancarComEnter(this);
    LembrarJanela(this);
}

bool TFoCadastroValores::iniciar() {
    if (!AutorizarAcesso(80)) {
        close();
        return false;
    }
    return abrir();
}

bool TFoCadastroValores::abrir() {
    try {
        tabela_.fechar();
        tabela_.abrir();
        // The latest values are the ones looked at.
        tabela_.ultimo();
        carregarMoedas();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    habilitar(false);
    return true;
}

void TFoCadastroValores::carregarMoedas() {
    const QSignalBlocker bloqueio(moeda_);
    moeda_->clear();
    moedas_.fechar();
    moedas_.abrir();
    for (moedas_.primeiro(); !moedas_.eof(); moedas_.proximo())
        moeda_->addItem(moedas_.campo("NOME_MOEDA").texto(), moedas_.campo("Cod_Moeda").inteiro());
    moedas_.fechar();
}

bool TFoCadastroValores::editando() const {
    return tabela_.estado() == EstadoDados::Editando || tabela_.estado() == EstadoDados::Inserindo;
}

void TFoCadastroValores::habilitar(bool sim) {
    barra_->editando(sim);
    painel_->setEnabled(sim);
    if (!sim)
        atualizarGrade();
    vinculo_->mostrar();
}

void TFoCadastroValores::atualizarGrade() {
    QList<QStringList> linhas;
    QVariantList chaves;
    try {
        if (tabela_.ativo()) {
            const Marcador atual = tabela_.marcador();
            for (tabela_.primeiro(); !tabela_.eof(); tabela_.proximo()) {
                const Campo valor = tabela_.campo("VALOR");
                linhas << QStringList{
                    tabela_.campo("Cod_Moeda").texto(), tabela_.campo("DATA").texto(),
                    valor.ehNulo() ? QString() : FormatarNumero(MascaraValor, valor.numero())};
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
        grade_->setCurrentIndex(modelo_->index(linha, 0));
        grade_->scrollTo(modelo_->index(linha, 0));
    }
}

void TFoCadastroValores::seguirGrade() {
    const QVariant chave = modelo_->chave(grade_->currentIndex().row());
    if (!chave.isValid() || editando())
        return;
    try {
        tabela_.irPara({chave.toLongLong(), true});
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        atualizarGrade();
    }
    vinculo_->mostrar();
}

void TFoCadastroValores::incluir() {
    try {
        carregarMoedas();
        tabela_.incluir();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return;
    }
    habilitar(true);
    moeda_->setFocus();
}

void TFoCadastroValores::alterar() {
    if (tabela_.vazio())
        return;
    try {
        carregarMoedas();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return;
    }
    if (!EditarRegistro(tabela_))
        return;
    habilitar(true);
    moeda_->setFocus();
}

void TFoCadastroValores::gravar() {
    if (vinculo_->validar() && GravarValor(tabela_, data_->text()))
        habilitar(false);
}

void TFoCadastroValores::cancelar() {
    tabela_.cancelar();
    habilitar(false);
}

void TFoCadastroValores::excluir() {
    if (tabela_.vazio() || !Confirmar("Confirma exclusao do registro"))
        return;
    try {
        tabela_.excluir();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    habilitar(false);
}

void TFoCadastroValores::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    // The access question waits until the window is on screen, so a
    // refusal can close it.
    if (!evento->spontaneous() && !editando())
        QMetaObject::invokeMethod(this, &TFoCadastroValores::iniciar, Qt::QueuedConnection);
}

void TFoCadastroValores::closeEvent(QCloseEvent* evento) {
    if (editando())
        cancelar();
    QWidget::closeEvent(evento);
}
