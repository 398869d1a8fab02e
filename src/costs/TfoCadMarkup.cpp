#include "TfoCadMarkup.h"

#include "services/Botao.h"
#include "services/FormatoNumero.h"
#include "services/Grade.h"
#include "services/JanelaModal.h"
#include "services/LembrancaJanela.h"
#include "services/ModeloLinhas.h"
#include "services/TeclaEnter.h"
#include "services/VinculoCampos.h"
#include "session/Dialogos.h"
#include "session/Sessao.h"
#include "store/ErroBanco.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const char* const MascaraPercentual = "##0.00";
} // namespace

TfoCadMarkup::TfoCadMarkup(QWidget* parent, SessaoBanco* sessao) : QDialog(parent), dm_(sessao) {
    setObjectName("TfoCadMarkup");
    setWindowTitle("Cadastro e Consulta de Markup :");
    resize(780, 560);

    busca_ = new QGroupBox(this);
    busca_->setObjectName("Busca");
    auto* lb = new QHBoxLayout(busca_);
    lb->addWidget(new QLabel("Codigo", busca_));
    codigoBusca_ = new QLineEdit(busca_);
    codigoBusca_->setObjectName("Codigo");
    codigoBusca_->setMaximumWidth(90);
    lb->addWidget(codigoBusca_);
    lb->addWidget(new QLabel("Descrição", busca_));
    descricaoBusca_ = new QLineEdit(busca_);
    descricaoBusca_->setObjectName("Descrição");
    descricaoBusca_->setMaxLength(40);
    lb->addWidget(descricaoBusca_, 1);
    connect(codigoBusca_, &QLineEdit::textEdited, descricaoBusca_, &QLineEdit::clear);
    connect(descricaoBusca_, &QLineEdit::textEdited, codigoBusca_, &QLineEdit::clear);
    connect(NovoBotao("Localiza", busca_, lb), &QPushButton::clicked, this,
            &TfoCadMarkup::localizar);
    connect(NovoBotao("Fechar", busca_, lb), &QPushButton::clicked, this, &QDialog::reject);

    modelo_ = new ModeloLinhas(
        {"Filial", "Codigo", "Descricao", "Margem Lucro", "Dt Cadastro", "Dt Manutencao"}, this);
    modelo_->alinharDireita({0, 1, 3});
    lista_ = NovaGrade(modelo_, "GradeMarkup", this);
    lista_->installEventFilter(this);
    connect(lista_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TfoCadMarkup::seguirLista);

    dados_ = new QGroupBox("Dados do Markup", this);
    dados_->setObjectName("Dados");
    auto* g = new QGridLayout(dados_);
    for (int c : {1, 3, 5})
        g->setColumnStretch(c, 1);
    vinculo_ = new VinculoCampos(dm_.TMarkup, this);
    auto caixa = [&](int linha, int coluna, const QString& rotulo, const QString& campo,
                     bool travada = false, int colunas = 1) {
        auto* e = new QLineEdit(dados_);
        e->setObjectName(campo);
        const bool numero = campo != "Codigo_Markup" && campo != "Descricao";
        vinculo_->ligar(e, campo, numero ? MascaraPercentual : QString());
        if (travada)
            vinculo_->somenteLeitura(e);
        g->addWidget(new QLabel(rotulo, dados_), linha, 2 * coluna);
        g->addWidget(e, linha, 2 * coluna + 1, 1, 2 * colunas - 1);
        return e;
    };
    caixa(0, 0, "Codigo", "Codigo_Markup");
    auto* modelo = new QComboBox(dados_);
    modelo->setObjectName("ModeloCalculo");
    modelo->addItem(TextoModeloCalculo1, 1);
    vinculo_->ligar(modelo, "ModeloCalculo");
    g->addWidget(new QLabel("Modelo de Cálculo", dados_), 0, 2);
    g->addWidget(modelo, 0, 3, 1, 3);
    // Kept in this order: Enter walks the editable boxes, the locked ones
    // taking no focus, from the description down to "Margem Lucro".
    descricao_ = caixa(1, 0, "Descrição", "Descricao", false, 3);
    for (int i = 1; i <= 5; ++i)
        caixa(2 + (i - 1) / 3, (i - 1) % 3, "% Desconto " + QString::number(i),
              "Per_Desconto" + QString::number(i));
    caixa(3, 2, "% Icms Entrada", "IcmsEntrada", true);
    caixa(4, 0, "Ipi", "Ipi");
    caixa(4, 1, "Subst. Trib.", "Subst_Trib", true);
    caixa(4, 2, "Dif. Icms", "Dif_Icms");
    caixa(5, 0, "Pis", "Pis", true);
    caixa(5, 1, "Cofins", "Cofins", true);
    caixa(5, 2, "Icms Debito", "IcmsDebito", true);
    caixa(6, 0, "Frete", "Frete");
    caixa(6, 1, "Comissoes", "Comissoes", true);
    caixa(6, 2, "Margem Lucro", "MargemLucro");

    auto* botoes = new QHBoxLayout;
    incluir_ = NovoBotao("Incluir", this, botoes);
    editar_ = NovoBotao("Editar", this, botoes);
    excluir_ = NovoBotao("Excluir", this, botoes);
    gravar_ = NovoBotao("Gravar", this, botoes);
    cancelar_ = NovoBotao("Cancelar", this, botoes);
    botoes->addStretch();
    connect(incluir_, &QPushButton::clicked, this, &TfoCadMarkup::incluir);
    connect(editar_, &QPushButton::clicked, this, &TfoCadMarkup::editar);
    connect(excluir_, &QPushButton::clicked, this, &TfoCadMarkup::excluir);
    connect(gravar_, &QPushButton::clicked, this, &TfoCadMarkup::gravar);
    connect(cancelar_, &QPushButton::clicked, this, &TfoCadMarkup::cancelar);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(busca_);
    layout->addWidget(lista_, 1);
    layout->addWidget(dados_);
    layout->addLayout(botoes);
    AvancarComEnter(this);
    LembrarJanela(this);
    editando(false);
}

bool TfoCadMarkup::abrir() {
    try {
        dm_.abrir(Sess().Filial);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    atualizarLista();
    editando(false);
    return true;
}

void TfoCadMarkup::atualizarLista() {
    Tabela& t = dm_.TMarkup;
    QList<QStringList> linhas;
    QVariantList chaves;
    if (t.ativo()) {
        const Marcador atual = t.marcador();
        for (t.primeiro(); !t.eof(); t.proximo()) {
            const Campo margem = t.campo("MargemLucro");
            linhas << QStringList{
                t.campo("Filial").texto(),
                t.campo("Codigo_Markup").texto(),
                t.campo("Descricao").texto(),
                margem.ehNulo() ? QString() : FormatarNumero(MascaraPercentual, margem.numero()),
                t.campo("DtCadastro").texto(),
                t.campo("DtManutencao").texto()};
            chaves << t.marcador().rowid;
        }
        if (atual.valido)
            t.irPara(atual);
        else
            t.primeiro();
    }
    modelo_->definir(linhas, chaves);
    const int linha = t.ativo() ? modelo_->linhaDe(t.marcador().rowid) : -1;
    if (linha >= 0)
        lista_->setCurrentIndex(modelo_->index(linha, 0));
    vinculo_->mostrar();
}

void TfoCadMarkup::seguirLista() {
    const QVariant chave = modelo_->chave(lista_->currentIndex().row());
    if (!chave.isValid() || dm_.TMarkup.estado() != EstadoDados::Navegando)
        return;
    dm_.TMarkup.irPara({chave.toLongLong(), true});
    vinculo_->mostrar();
}

void TfoCadMarkup::editando(bool sim) {
    const bool temLinha = dm_.TMarkup.ativo() && !dm_.TMarkup.vazio();
    busca_->setEnabled(!sim);
    lista_->setEnabled(!sim);
    dados_->setEnabled(sim);
    incluir_->setVisible(!sim);
    editar_->setVisible(!sim);
    excluir_->setVisible(!sim);
    incluir_->setEnabled(dm_.TMarkup.ativo());
    editar_->setEnabled(temLinha);
    excluir_->setEnabled(temLinha);
    gravar_->setVisible(sim);
    cancelar_->setVisible(sim);
    vinculo_->mostrar();
}

void TfoCadMarkup::localizar() {
    bool achou = false;
    if (!codigoBusca_->text().isEmpty())
        achou = dm_.LocalizarCodigo(codigoBusca_->text());
    else if (!descricaoBusca_->text().isEmpty())
        achou = dm_.LocalizarDescricao(descricaoBusca_->text());
    if (!achou)
        return;
    const int linha = modelo_->linhaDe(dm_.TMarkup.marcador().rowid);
    if (linha >= 0)
        lista_->setCurrentIndex(modelo_->index(linha, 0));
    vinculo_->mostrar();
}

void TfoCadMarkup::incluir() {
    if (!dm_.Incluir())
        return;
    editando(true);
    descricao_->setFocus();
}

void TfoCadMarkup::editar() {
    if (!dm_.Editar())
        return;
    editando(true);
    descricao_->setFocus();
}

void TfoCadMarkup::gravar() {
    if (!vinculo_->validar())
        return;
    if (!dm_.Gravar()) {
        descricao_->setFocus();
        return;
    }
    atualizarLista();
    editando(false);
    lista_->setFocus();
}

void TfoCadMarkup::cancelar() {
    dm_.Cancelar();
    atualizarLista();
    editando(false);
}

void TfoCadMarkup::excluir() {
    if (dm_.Excluir())
        atualizarLista();
    editando(false);
}

bool TfoCadMarkup::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == lista_ && evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        const QModelIndex atual = lista_->currentIndex();
        if ((tecla == Qt::Key_Return || tecla == Qt::Key_Enter) && atual.isValid()) {
            const int coluna = (atual.column() + 1) % modelo_->columnCount();
            lista_->setCurrentIndex(modelo_->index(atual.row(), coluna));
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void TfoCadMarkup::reject() {
    dm_.Cancelar();
    dm_.fechar();
    QDialog::reject();
}

void AbrirCadastroMarkup(QWidget* pai) {
    TfoCadMarkup janela(pai);
    if (janela.abrir())
        ExibirModal(janela);
}
