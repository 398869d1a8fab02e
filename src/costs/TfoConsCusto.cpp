#include "TfoConsCusto.h"

#include "TDMConsCusto.h"
#include "services/Botao.h"
#include "services/FormatoNumero.h"
#include "services/Grade.h"
#include "services/LembrancaJanela.h"
#include "services/ModeloLinhas.h"
#include "services/VinculoCampos.h"
#include "session/AutorizarAcesso.h"
#include "session/Dialogos.h"
#include "session/Relogio.h"
#include "store/ErroBanco.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>
#include <stdexcept>
#include <utility>

namespace {
const QString Resultado = QStringLiteral("%10.2n");
const QString ResultadoTotal = QStringLiteral("%12.2n");
// Dollar values and costs are kept with four decimals.
const QString MascaraCusto = QStringLiteral("##0.0000");

// Rows whose numeric columns sit on the right.
class ModeloAlinhado : public ModeloLinhas {
public:
    ModeloAlinhado(const QStringList& cabecalhos, QList<int> aDireita, QObject* pai)
        : ModeloLinhas(cabecalhos, pai), aDireita_(std::move(aDireita)) {}
    QVariant data(const QModelIndex& i, int papel) const override {
        if (papel == Qt::TextAlignmentRole && aDireita_.contains(i.column()))
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return ModeloLinhas::data(i, papel);
    }

private:
    QList<int> aDireita_;
};

QLineEdit* caixa(QWidget* pai, const QString& nome) {
    auto* e = new QLineEdit(pai);
    e->setObjectName(nome);
    return e;
}

// A computed value: right-aligned, never typed into, skipped by Enter.
QLineEdit* resultado(QWidget* pai, const QString& nome, int largura = 110) {
    QLineEdit* e = caixa(pai, nome);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    e->setAlignment(Qt::AlignRight);
    e->setFixedWidth(largura);
    return e;
}

QLabel* rotulo(QWidget* pai, const QString& texto) {
    auto* r = new QLabel(texto, pai);
    r->setObjectName("Rotulo " + texto);
    return r;
}

// Digits and at most four decimals after a comma: the only text these
// boxes take, so what is typed always reads as a number.
QValidator* soNumeros(QObject* pai) {
    return new QRegularExpressionValidator(QRegularExpression(R"(\d{0,9}(,\d{0,4})?)"), pai);
}

QTableView* grade(QWidget* pai, const QString& nome, QAbstractItemModel* modelo) {
    auto* g = new QTableView(pai);
    g->setObjectName(nome);
    g->setModel(modelo);
    OferecerExportacaoPlanilha(g);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->verticalHeader()->hide();
    g->horizontalHeader()->setStretchLastSection(true);
    return g;
}

// The five prices, caption over value.
QHBoxLayout* linhaPrecos(QWidget* pai, const QString& prefixo, std::array<QLineEdit*, 5>& precos) {
    auto* linha = new QHBoxLayout;
    for (int k = 0; k < 5; ++k) {
        const QString nome = prefixo + QString::number(k + 1);
        auto* coluna = new QVBoxLayout;
        coluna->addWidget(rotulo(pai, nome));
        precos[size_t(k)] = resultado(pai, nome);
        coluna->addWidget(precos[size_t(k)]);
        linha->addLayout(coluna);
    }
    linha->addStretch();
    return linha;
}

void mensagemErro(const std::exception& e) {
    if (const auto* b = dynamic_cast<const ErroBanco*>(&e))
        MostrarErro(b->texto());
    else
        MostrarErro(QString::fromUtf8(e.what()));
}
} // namespace

TfoConsCusto::TfoConsCusto(QWidget* parent) : QWidget(parent) {
    setObjectName("TfoConsCusto");
    setWindowTitle("Consulta de Custos");
    resize(760, 640);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    alterar_ = NovoBotao("Alterar", this, botoes);
    connect(alterar_, &QPushButton::clicked, this, &TfoConsCusto::alterar);
    connect(NovoBotao("Fechar", this, botoes), &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(criarParteProduto());
    layout->addWidget(criarParteFormula(), 1);
    layout->addLayout(botoes);

    // Floats over the grid, under "Formula", while a number is typed.
    modeloFormulas_ = new ModeloLinhas({"Formula", "Produto"}, this);
    listaFormulas_ = grade(this, "ListaFormulas", modeloFormulas_);
    listaFormulas_->setColumnWidth(0, 90);
    listaFormulas_->hide();
    connect(listaFormulas_, &QTableView::doubleClicked, this, [this](const QModelIndex& i) {
        formula_->setText(modeloFormulas_->texto(i.row(), 0));
        buscarFormula();
    });
    formula_->installEventFilter(this);
    setTabOrder(produto_, dolar_);
    setTabOrder(dolar_, custo_);
    setTabOrder(custo_, formula_);
    LembrarJanela(this);
}

QWidget* TfoConsCusto::criarParteProduto() {
    auto* parte = new QFrame(this);
    parte->setObjectName("ParteProduto");
    parte->setFrameShape(QFrame::StyledPanel);
    auto* g = new QGridLayout;

    produto_ = new QComboBox(parte);
    produto_->setObjectName("Produto");
    produto_->setMinimumWidth(320);
    connect(produto_, &QComboBox::currentIndexChanged, this, &TfoConsCusto::escolherProduto);
    grupo_ = resultado(parte, "Grupo", 60);
    grupo_->setAlignment(Qt::AlignLeft);
    codigo_ = resultado(parte, "Codigo", 80);
    g->addWidget(rotulo(parte, "Produto"), 0, 0);
    g->addWidget(produto_, 0, 1, 1, 3);
    g->addWidget(rotulo(parte, "Grupo"), 0, 4);
    g->addWidget(grupo_, 0, 5);
    g->addWidget(rotulo(parte, "Codigo"), 0, 6);
    g->addWidget(codigo_, 0, 7);

    custo_ = caixa(parte, "Custo");
    custo_->setAlignment(Qt::AlignRight);
    custo_->setFixedWidth(110);
    custo_->setValidator(soNumeros(custo_));
    custo_->setEnabled(false);
    custoReais_ = resultado(parte, "Custo Reais");
    dolar_ = caixa(parte, "Dolar");
    dolar_->setAlignment(Qt::AlignRight);
    dolar_->setFixedWidth(110);
    dolar_->setValidator(soNumeros(dolar_));
    connect(dolar_, &QLineEdit::textChanged, this, [this] {
        if (!mostrandoDolar_)
            dataDolar_->setText("Digitado");
    });
    connect(dolar_, &QLineEdit::editingFinished, this, &TfoConsCusto::sairDolar);
    dataDolar_ = new QLabel(parte);
    dataDolar_->setObjectName("DataDolar");
    dataDolar_->setMinimumWidth(80);
    g->addWidget(rotulo(parte, "Custo"), 1, 0);
    g->addWidget(custo_, 1, 1);
    g->addWidget(rotulo(parte, "Custo Reais"), 1, 2);
    g->addWidget(custoReais_, 1, 3, Qt::AlignLeft);
    g->addWidget(rotulo(parte, "Dolar"), 1, 4);
    g->addWidget(dolar_, 1, 5);
    g->addWidget(dataDolar_, 1, 6, 1, 2);
    g->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(parte);
    layout->addLayout(g);
    layout->addLayout(linhaPrecos(parte, "wPr", precos_));
    return parte;
}

QWidget* TfoConsCusto::criarParteFormula() {
    auto* parte = new QFrame(this);
    parte->setObjectName("ParteFormula");
    parte->setFrameShape(QFrame::StyledPanel);

    auto* topo = new QHBoxLayout;
    formula_ = caixa(parte, "Formula");
    formula_->setMaxLength(10);
    formula_->setFixedWidth(100);
    connect(formula_, &QLineEdit::textEdited, this, &TfoConsCusto::digitarFormula);
    cor_ = resultado(parte, "Cor", 220);
    cor_->setAlignment(Qt::AlignLeft);
    nomeProduto_ = resultado(parte, "NomeProdutoFormula", 300);
    nomeProduto_->setAlignment(Qt::AlignLeft);
    nomeProduto_->setMinimumWidth(200);
    nomeProduto_->setMaximumWidth(QWIDGETSIZE_MAX);
    topo->addWidget(rotulo(parte, "Formula"));
    topo->addWidget(formula_);
    topo->addWidget(rotulo(parte, "Cor"));
    topo->addWidget(cor_);
    topo->addWidget(nomeProduto_, 1);

    modeloComponentes_ =
        new ModeloAlinhado({"Perc", "Produto", "Custo", "Valor"}, {0, 2, 3}, parte);
    grade_ = grade(parte, "Componentes", modeloComponentes_);
    grade_->setColumnWidth(0, 90);
    grade_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    grade_->setColumnWidth(2, 110);
    grade_->setColumnWidth(3, 110);
    grade_->horizontalHeader()->setStretchLastSection(false);

    auto* totais = new QHBoxLayout;
    valorTotalCaixa_ = resultado(parte, "Valor Total", 130);
    custoReaisFormula_ = resultado(parte, "Custo Reais");
    totais->addWidget(rotulo(parte, "Valor Total"));
    totais->addWidget(valorTotalCaixa_);
    totais->addSpacing(20);
    totais->addWidget(rotulo(parte, "Custo Reais"));
    totais->addWidget(custoReaisFormula_);
    totais->addStretch();

    auto* layout = new QVBoxLayout(parte);
    layout->addLayout(topo);
    layout->addWidget(grade_, 1);
    layout->addLayout(totais);
    layout->addLayout(linhaPrecos(parte, "wPrF", precosFormula_));
    return parte;
}

void TfoConsCusto::ligarModulo(TDMConsCusto& dm) {
    dm_ = &dm;
    vinculoDolar_ = new VinculoCampos(dm.TmpValores.tabela(), this);
    vinculoDolar_->ligar(dolar_, "Valor1", MascaraCusto);
    vinculoProduto_ = new VinculoCampos(dm.TEstproma, this);
    vinculoProduto_->ligar(custo_, "LISTA6", MascaraCusto);
}

bool TfoConsCusto::iniciar() {
    if (!dm_)
        return false;
    if (!AutorizarAcesso(107) || !dm_->abrir(Relogio::atual().hoje())) {
        close();
        return false;
    }
    mostrarDolar();
    dataDolar_->setText(dm_->dataDolar().toString("dd/MM/yyyy"));
    try {
        QList<QStringList> linhas;
        QVariantList chaves;
        for (const FormulaConsulta& f : dm_->formulas()) {
            linhas << QStringList{f.numero, dm_->nomeProduto(f.produto)};
            chaves << f.numero;
        }
        modeloFormulas_->definir(linhas, chaves);
        preencherProdutos(0);
        const QString primeira = dm_->primeiraFormula();
        formula_->setText(primeira);
        if (!primeira.isEmpty() && dm_->buscarFormula(primeira)) {
            mostrarFormula();
            carregarComponentes();
        }
    } catch (const std::exception& e) {
        mensagemErro(e);
    }
    if (!AutorizarAcesso(81)) {
        close();
        return false;
    }
    calcularFormula();
    avisarCustosZerados();
    return true;
}

// The list read again, on the product `codigo` (the first when absent).
void TfoConsCusto::preencherProdutos(int codigo) {
    {
        const QSignalBlocker bloqueio(produto_);
        produto_->clear();
        for (const ProdutoConsulta& p : dm_->produtos())
            produto_->addItem(p.nome, QVariantList{p.codigo, p.grupo});
        int i = 0;
        while (i < produto_->count() && produto_->itemData(i).toList().value(0).toInt() != codigo)
            ++i;
        produto_->setCurrentIndex(i < produto_->count() ? i : (produto_->count() ? 0 : -1));
    }
    escolherProduto();
}

void TfoConsCusto::escolherProduto() {
    const QVariantList dados = produto_->currentData().toList();
    const int codigo = dados.value(0).toInt();
    codigo_->setText(dados.isEmpty() ? QString() : QString::number(codigo));
    grupo_->setText(dados.value(1).toString());
    bool achado = false;
    try {
        achado = !dados.isEmpty() && dm_->posicionarProduto(codigo);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    vinculoProduto_->mostrar();
    if (!achado)
        custo_->clear();
    calcularProduto();
}

void TfoConsCusto::mostrarDolar() {
    mostrandoDolar_ = true;
    vinculoDolar_->mostrar();
    mostrandoDolar_ = false;
}

// A typed dollar reaches both parts; VALORES.DB is never touched.
void TfoConsCusto::sairDolar() {
    if (!dm_ || !dm_->aberto())
        return;
    mostrarDolar();
    calcularFormula();
    calcularProduto();
}

void TfoConsCusto::digitarFormula(const QString& texto) {
    if (texto.trimmed().isEmpty()) {
        esconderListaFormulas(false);
        nomeProduto_->setText(dm_ && dm_->temFormula()
                                  ? dm_->nomeProduto(dm_->TFormula.campo("Cod_Reduz").inteiro())
                                  : QString());
        return;
    }
    for (int i = 0; i < modeloFormulas_->rowCount(); ++i) {
        if (modeloFormulas_->texto(i, 0).startsWith(texto.trimmed(), Qt::CaseInsensitive)) {
            listaFormulas_->setCurrentIndex(modeloFormulas_->index(i, 0));
            listaFormulas_->scrollTo(modeloFormulas_->index(i, 0),
                                     QAbstractItemView::PositionAtTop);
            nomeProduto_->setText(modeloFormulas_->texto(i, 1));
            break;
        }
    }
    if (!listaFormulas_->isVisible()) {
        const QPoint p = formula_->mapTo(this, QPoint(0, formula_->height()));
        listaFormulas_->setGeometry(p.x(), p.y() + 2, 380, 200);
        listaFormulas_->show();
        listaFormulas_->raise();
    }
}

// Hides the list; `restaurar` puts the current formula back in the box.
void TfoConsCusto::esconderListaFormulas(bool restaurar) {
    listaFormulas_->hide();
    if (restaurar)
        mostrarFormula();
}

void TfoConsCusto::moverNaLista(int passo) {
    const int linhas = modeloFormulas_->rowCount();
    if (linhas == 0)
        return;
    const int atual = listaFormulas_->currentIndex().row();
    const int nova = qBound(0, atual < 0 ? 0 : atual + passo, linhas - 1);
    listaFormulas_->setCurrentIndex(modeloFormulas_->index(nova, 0));
    formula_->setText(modeloFormulas_->texto(nova, 0));
    nomeProduto_->setText(modeloFormulas_->texto(nova, 1));
}

bool TfoConsCusto::buscarFormula() {
    if (!dm_ || !dm_->aberto())
        return false;
    // Hidden first: the zero-cost messages speak only once it is.
    listaFormulas_->hide();
    bool achou = false;
    try {
        achou = dm_->buscarFormula(formula_->text());
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    mostrarFormula();
    formula_->selectAll();
    if (!achou)
        return false;
    carregarComponentes();
    calcularFormula();
    avisarCustosZerados();
    return true;
}

void TfoConsCusto::mostrarFormula() {
    if (!dm_ || !dm_->aberto() || !dm_->temFormula()) {
        cor_->clear();
        nomeProduto_->clear();
        return;
    }
    formula_->setText(dm_->TFormula.campo("Formula").texto());
    cor_->setText(dm_->TFormula.campo("COR").texto());
    nomeProduto_->setText(dm_->nomeProduto(dm_->TFormula.campo("Cod_Reduz").inteiro()));
    cor_->setCursorPosition(0);
    nomeProduto_->setCursorPosition(0);
}

void TfoConsCusto::carregarComponentes() {
    QList<ComponenteCusto> componentes;
    try {
        componentes = dm_->componentes();
    } catch (const std::exception& e) {
        mensagemErro(e);
    }
    QList<QStringList> linhas;
    QVariantList chaves;
    for (const ComponenteCusto& c : componentes) {
        linhas << QStringList{c.percentual.formatar("##0.0000"), c.nome,
                              c.custo.formatar("###,##0.0000"), c.valor.formatar(Resultado)};
        chaves << c.ordComp;
    }
    modeloComponentes_->definir(linhas, chaves);
    valorTotal_ = TDMConsCusto::valorTotal(componentes).dezMilesimos();
    zerados_.clear();
    for (const ComponenteCusto& c : componentes)
        if (c.valor.ehZero())
            zerados_ << c.ordComp;
}

// Once the prices are on screen, so the message does not hide stale ones.
void TfoConsCusto::avisarCustosZerados() {
    const QList<int> zerados = std::exchange(zerados_, {});
    if (listaFormulas_->isVisible())
        return;
    for (int ordComp : zerados)
        MostrarMensagem("Custo zerado no componente numero: " + QString::number(ordComp));
}

void TfoConsCusto::calcularProduto() {
    if (!dm_ || !dm_->aberto() || !dm_->temProduto()) {
        mostrarPrecos(nullptr, custoReais_, precos_);
        return;
    }
    try {
        const PrecosCusto p = dm_->calcularProduto();
        mostrarPrecos(&p, custoReais_, precos_);
    } catch (const std::exception& e) {
        mostrarPrecos(nullptr, custoReais_, precos_);
        mensagemErro(e);
    }
}

void TfoConsCusto::calcularFormula() {
    if (!dm_ || !dm_->aberto() || !dm_->temFormula()) {
        valorTotalCaixa_->clear();
        mostrarPrecos(nullptr, custoReaisFormula_, precosFormula_);
        return;
    }
    const Dinheiro v = Dinheiro::deDezMilesimos(valorTotal_);
    valorTotalCaixa_->setText(v.formatar(ResultadoTotal));
    try {
        const PrecosCusto p = dm_->calcularFormula(v);
        mostrarPrecos(&p, custoReaisFormula_, precosFormula_);
    } catch (const std::exception& e) {
        mostrarPrecos(nullptr, custoReaisFormula_, precosFormula_);
        mensagemErro(e);
    }
}

void TfoConsCusto::mostrarPrecos(const PrecosCusto* p, QLineEdit* custoReais,
                                 const std::array<QLineEdit*, 5>& precos) {
    custoReais->setText(p ? p->custoReais.formatar(Resultado) : QString());
    for (size_t k = 0; k < precos.size(); ++k)
        precos[k]->setText(p ? p->precos[k].formatar(Resultado) : QString());
}

void TfoConsCusto::alterar() {
    if (!dm_ || !dm_->aberto())
        return;
    if (dm_->editandoProduto()) {
        gravar();
        return;
    }
    if (!dm_->alterarProduto())
        return;
    alterar_->setText("Gravar");
    alterar_->setObjectName("Gravar");
    produto_->setEnabled(false);
    custo_->setEnabled(true);
    vinculoProduto_->mostrar();
    custo_->setFocus();
    custo_->selectAll();
}

bool TfoConsCusto::gravar() {
    if (!dm_ || !dm_->editandoProduto())
        return true;
    if (!dm_->gravarProduto())
        return false;
    alterar_->setText("Alterar");
    alterar_->setObjectName("Alterar");
    produto_->setEnabled(true);
    custo_->setEnabled(false);
    // The list is read again and put back on the same product.
    preencherProdutos(codigo_->text().toInt());
    carregarComponentes();
    calcularFormula();
    avisarCustosZerados();
    return true;
}

void TfoConsCusto::limpar() {
    {
        const QSignalBlocker bloqueio(produto_);
        produto_->clear();
    }
    for (QLineEdit* e : {grupo_, codigo_, formula_, cor_, nomeProduto_, valorTotalCaixa_})
        e->clear();
    mostrarPrecos(nullptr, custoReais_, precos_);
    mostrarPrecos(nullptr, custoReaisFormula_, precosFormula_);
    dataDolar_->clear();
    modeloComponentes_->limpar();
    modeloFormulas_->limpar();
    listaFormulas_->hide();
    valorTotal_ = 0;
    zerados_.clear();
    alterar_->setText("Alterar");
    alterar_->setObjectName("Alterar");
    produto_->setEnabled(true);
    custo_->setEnabled(false);
    if (vinculoDolar_) {
        mostrarDolar();
        vinculoProduto_->mostrar();
    }
}

void TfoConsCusto::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    // The access questions wait until the window is on screen, so a
    // refusal can close it.
    if (!evento->spontaneous() && dm_ && !dm_->aberto())
        QMetaObject::invokeMethod(this, &TfoConsCusto::iniciar, Qt::QueuedConnection);
}

void TfoConsCusto::closeEvent(QCloseEvent* evento) {
    // "Fechar" while the cost is being changed saves it first; a refused
    // save keeps the window open with the row still in edit. Nothing is
    // recomputed for a window that is going away.
    if (dm_ && dm_->editandoProduto() && !dm_->gravarProduto()) {
        evento->ignore();
        return;
    }
    if (dm_)
        dm_->fechar();
    limpar();
    QWidget::closeEvent(evento);
}

// Enter moves on to the next field.
void TfoConsCusto::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter)
        focusNextChild();
    else
        QWidget::keyPressEvent(evento);
}

bool TfoConsCusto::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto != formula_)
        return QWidget::eventFilter(objeto, evento);
    if (evento->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(evento)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            buscarFormula();
            return true;
        case Qt::Key_Escape:
            if (listaFormulas_->isVisible()) {
                esconderListaFormulas(true);
                return true;
            }
            break;
        case Qt::Key_Down:
        case Qt::Key_Up:
            if (listaFormulas_->isVisible()) {
                moverNaLista(static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Down ? 1 : -1);
                return true;
            }
            break;
        default:
            break;
        }
    } else if (evento->type() == QEvent::FocusOut && listaFormulas_->isVisible()) {
        // A number typed and not searched is not the current formula; the
        // list itself may take the focus for a double click.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (listaFormulas_->isVisible() && !formula_->hasFocus() &&
                    !listaFormulas_->hasFocus())
                    esconderListaFormulas(true);
            },
            Qt::QueuedConnection);
    }
    return QWidget::eventFilter(objeto, evento);
}
