#include "TFoSelecaoMultipla.h"

#include "Botao.h"
#include "JanelaModal.h"
#include "LayoutGrade.h"
#include "ModeloLinhas.h"
#include "PesquisaSelecao.h"
#include "session/Dialogos.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace {
const char* const NomePosicao = "TFoSelecaoMultipla";

QTableView* novaGrade(const QString& nome, QAbstractItemModel* modelo, QWidget* pai) {
    auto* g = new QTableView(pai);
    g->setObjectName(nome);
    g->setModel(modelo);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->verticalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(g->fontMetrics().height() + 6);
    g->horizontalHeader()->setStretchLastSection(true);
    return g;
}

QVariantList indices(qsizetype n) {
    QVariantList r;
    for (int i = 0; i < n; ++i)
        r << i;
    return r;
}
} // namespace

TFoSelecaoMultipla::TFoSelecaoMultipla(const QString& banco, const QString& select,
                                       const QString& condicao, const QString& ordem,
                                       const QString& colunaCodigo, const QString& colunaDescricao,
                                       const QString& colunaResultado, const QString& aspas,
                                       const QString& textoInicial, int maximo, SessaoBanco* sessao,
                                       QWidget* parent)
    : QDialog(parent),
      pesquisa_(std::make_unique<PesquisaSelecao>(banco, select, condicao, ordem, colunaCodigo,
                                                  colunaDescricao, colunaResultado, sessao)),
      aspas_(aspas), maximo_(maximo) {
    setObjectName("TFoSelecaoMultipla");
    setWindowTitle("Filtro de Seleção Multipla :");
    resize(980, 520);

    auto* pesquisa = new QHBoxLayout;
    pesquisarEm_ = new QComboBox(this);
    pesquisarEm_->setObjectName("Pesquisar Em");
    for (const ColunaSelecao& c : pesquisa_->colunas())
        pesquisarEm_->addItem(c.titulo);
    pesquisarEm_->setCurrentIndex(1);
    valor_ = new QLineEdit(this);
    valor_->setObjectName("Valor");
    logico_ = new QComboBox(this);
    logico_->setObjectName("Lógico");
    logico_->addItems({"Iniciando", "Contendo"});
    logico_->setCurrentIndex(1);
    auto rotulo = [this, pesquisa](const QString& texto, QWidget* campo) {
        auto* r = new QLabel(texto, this);
        r->setBuddy(campo);
        pesquisa->addWidget(r);
        pesquisa->addWidget(campo);
    };
    rotulo("Pesquisar Em", pesquisarEm_);
    rotulo("Valor", valor_);
    pesquisa->setStretchFactor(valor_, 1);
    rotulo("Lógico", logico_);
    QPushButton* btLocalizar = NovoBotao("  Localizar", this, pesquisa);

    QStringList titulos;
    for (const ColunaSelecao& c : pesquisa_->colunas())
        titulos << c.titulo;
    modeloRegistros_ = new ModeloLinhas(titulos, this);
    registros_ = novaGrade("Registros", modeloRegistros_, this);
    registros_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    registros_->horizontalHeader()->setSectionsClickable(true);
    registros_->setColumnWidth(0, 80);
    registros_->setColumnWidth(1, 260);
    modeloSelecao_ = new ModeloLinhas({"Codigo", "Descricao"}, this);
    selecionados_ = novaGrade("Selecionados", modeloSelecao_, this);
    selecionados_->setSelectionMode(QAbstractItemView::SingleSelection);
    selecionados_->setColumnWidth(0, 80);

    auto* meio = new QVBoxLayout;
    meio->addStretch();
    QPushButton* btAdicionar = NovoBotao("Adiciona Item P/ Filtro", this, meio);
    QPushButton* btRemover = NovoBotao("Remove Item do Filtro", this, meio);
    inserirTodos_ = NovoBotao("Inserir Todos os Itens do Filtro", this, meio);
    QPushButton* btLimpar = NovoBotao("Limpa Itens Selecionados", this, meio);
    meio->addStretch();
    // The column keeps its width when "Inserir Todos" comes and goes.
    for (QPushButton* b : {btAdicionar, btRemover, btLimpar})
        b->setMinimumWidth(inserirTodos_->sizeHint().width());
    auto* listas = new QHBoxLayout;
    listas->addWidget(registros_, 3);
    listas->addLayout(meio);
    listas->addWidget(selecionados_, 2);

    auto* rodape = new QHBoxLayout;
    rodape->addStretch();
    QPushButton* btConfirmar = NovoBotao("F3 - Confirma Seleção", this, rodape);
    QPushButton* btCancelar = NovoBotao("Cancela Seleção", this, rodape);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pesquisa);
    layout->addLayout(listas, 1);
    layout->addLayout(rodape);
    // Enter belongs to "Valor" (search); no button answers it.
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAutoDefault(false);

    connect(btLocalizar, &QPushButton::clicked, this, &TFoSelecaoMultipla::localizar);
    connect(valor_, &QLineEdit::returnPressed, this, &TFoSelecaoMultipla::localizar);
    connect(valor_, &QLineEdit::textEdited, this, [this](const QString& texto) {
        const int cursor = valor_->cursorPosition();
        valor_->setText(texto.toUpper());
        valor_->setCursorPosition(cursor);
    });
    connect(btAdicionar, &QPushButton::clicked, this, &TFoSelecaoMultipla::adicionar);
    connect(registros_, &QTableView::doubleClicked, this, &TFoSelecaoMultipla::adicionar);
    connect(btRemover, &QPushButton::clicked, this, &TFoSelecaoMultipla::remover);
    connect(selecionados_, &QTableView::doubleClicked, this, &TFoSelecaoMultipla::remover);
    connect(inserirTodos_, &QPushButton::clicked, this, &TFoSelecaoMultipla::inserirTodos);
    connect(btLimpar, &QPushButton::clicked, this, &TFoSelecaoMultipla::limpar);
    connect(registros_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &TFoSelecaoMultipla::ordenar);
    connect(registros_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TFoSelecaoMultipla::atualizarInserirTodos);
    connect(btConfirmar, &QPushButton::clicked, this, &TFoSelecaoMultipla::confirmar);
    connect(btCancelar, &QPushButton::clicked, this, &QDialog::reject);

    RestaurarPosicaoJanela(*this, NomePosicao);
    localizar();

    QString inicial = textoInicial;
    if (!aspas.isEmpty())
        inicial.remove('\'');
    const QList<QStringList>& linhas = pesquisa_->linhas();
    for (const QString& parte : inicial.split(',', Qt::SkipEmptyParts)) {
        const QString codigo = parte.trimmed();
        const auto achada = std::find_if(linhas.begin(), linhas.end(), [&](const QStringList& l) {
            return l.value(0) == codigo;
        });
        if (achada != linhas.end() && !incluirLinha(int(achada - linhas.begin()), true))
            break;
    }
    mostrarSelecao();
    valor_->setFocus();
}

TFoSelecaoMultipla::~TFoSelecaoMultipla() = default;

void TFoSelecaoMultipla::localizar() {
    if (pesquisa_->pesquisar(pesquisarEm_->currentText(), valor_->text(),
                             logico_->currentText() == "Iniciando")) {
        pesquisouValor_ = !valor_->text().isEmpty();
        mostrarRegistros();
    }
    atualizarInserirTodos();
}

void TFoSelecaoMultipla::mostrarRegistros() {
    modeloRegistros_->definir(pesquisa_->linhas(), indices(pesquisa_->linhas().size()));
    if (modeloRegistros_->rowCount() > 0)
        registros_->setCurrentIndex(modeloRegistros_->index(0, 0));
}

void TFoSelecaoMultipla::mostrarSelecao() {
    modeloSelecao_->definir(selecao_, indices(selecao_.size()));
}

void TFoSelecaoMultipla::atualizarInserirTodos() {
    inserirTodos_->setVisible(pesquisouValor_ ||
                              registros_->selectionModel()->selectedRows().size() > 1);
}

// False when the selection is full: nothing more may be added.
bool TFoSelecaoMultipla::incluirLinha(int linha, bool avisar) {
    if (maximo_ > 0 && selecao_.size() >= maximo_) {
        if (avisar)
            MostrarMensagem(
                "O numero máximo de registros possiveis de selecionar já foi ultrapassado!");
        return false;
    }
    const QString resultado = pesquisa_->resultados().value(linha);
    if (!resultadosSelecao_.contains(resultado)) {
        const QStringList& l = pesquisa_->linhas()[linha];
        selecao_.append({l.value(0), l.value(1)});
        resultadosSelecao_ << resultado;
    }
    return true;
}

void TFoSelecaoMultipla::adicionar() {
    const int linha = registros_->currentIndex().row();
    if (linha < 0 || !incluirLinha(linha, true))
        return;
    mostrarSelecao();
    if (linha + 1 < modeloRegistros_->rowCount())
        registros_->setCurrentIndex(modeloRegistros_->index(linha + 1, 0));
}

void TFoSelecaoMultipla::inserirTodos() {
    QList<int> linhas;
    const QModelIndexList marcadas = registros_->selectionModel()->selectedRows();
    if (marcadas.size() > 1) {
        for (const QModelIndex& i : marcadas)
            linhas << i.row();
        std::sort(linhas.begin(), linhas.end());
    } else {
        for (int i = 0; i < modeloRegistros_->rowCount(); ++i)
            linhas << i;
    }
    for (int linha : linhas)
        if (!incluirLinha(linha, true))
            break;
    mostrarSelecao();
}

void TFoSelecaoMultipla::remover() {
    const int linha = selecionados_->currentIndex().row();
    if (linha < 0 || linha >= selecao_.size())
        return;
    selecao_.removeAt(linha);
    resultadosSelecao_.removeAt(linha);
    mostrarSelecao();
}

void TFoSelecaoMultipla::limpar() {
    selecao_.clear();
    resultadosSelecao_.clear();
    mostrarSelecao();
}

void TFoSelecaoMultipla::ordenar(int secao) {
    if (secao != 0 && secao != 1)
        return;
    pesquisa_->ordenarPor(secao == 0 ? "Codigo" : "Descricao");
    QHeaderView* cabecalho = registros_->horizontalHeader();
    cabecalho->setSortIndicatorShown(true);
    cabecalho->setSortIndicator(secao, Qt::AscendingOrder);
    localizar();
}

void TFoSelecaoMultipla::confirmar() {
    accept();
}

QString TFoSelecaoMultipla::resultado() const {
    QStringList valores;
    for (const QString& r : resultadosSelecao_)
        valores << aspas_ + r + aspas_;
    return valores.join(',');
}

void TFoSelecaoMultipla::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_F3)
        confirmar();
    else
        QDialog::keyPressEvent(evento);
}

void TFoSelecaoMultipla::done(int r) {
    SalvarPosicaoJanela(*this, NomePosicao);
    QDialog::done(r);
}

bool AbrirSelecaoMultipla(const QString& banco, const QString& select, const QString& condicao,
                          const QString& ordem, const QString& colunaCodigo,
                          const QString& colunaDescricao, const QString& colunaResultado,
                          const QString& aspas, QString& campo, int maximo) {
    TFoSelecaoMultipla janela(banco, select, condicao, ordem, colunaCodigo, colunaDescricao,
                              colunaResultado, aspas, campo, maximo);
    if (ExibirModal(janela) != QDialog::Accepted)
        return false;
    campo = janela.resultado();
    return true;
}

bool AbrirSelecaoMultipla(const QString& banco, const QString& select, const QString& condicao,
                          const QString& ordem, const QString& colunaCodigo,
                          const QString& colunaDescricao, const QString& colunaResultado,
                          const QString& aspas, QLineEdit* campo, int maximo) {
    QString texto = campo->text();
    if (!AbrirSelecaoMultipla(banco, select, condicao, ordem, colunaCodigo, colunaDescricao,
                              colunaResultado, aspas, texto, maximo))
        return false;
    campo->setText(texto);
    return true;
}
