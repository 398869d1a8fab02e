#include "TfoFichaSeguranca.h"

#include "Botao.h"
#include "Dialogos.h"
#include "ErroBanco.h"
#include "JanelaModal.h"
#include "ModeloLinhas.h"
#include "Relogio.h"
#include "Sessao.h"
#include "services/EscolhaArquivo.h"
#include "services/Grade.h"
#include "services/LembrancaJanela.h"
#include "services/TeclaEnter.h"

#include <QAction>
#include <QDir>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
QTableView* lista(const QString& nome, ModeloLinhas* modelo, QWidget* pai) {
    auto* g = new QTableView(pai);
    g->setObjectName(nome);
    g->setModel(modelo);
    OferecerExportacaoPlanilha(g);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setWordWrap(false);
    g->setTabKeyNavigation(false);
    g->verticalHeader()->hide();
    g->horizontalHeader()->setStretchLastSection(true);
    g->setColumnWidth(0, 80);
    return g;
}

QLineEdit* pesquisa(const QString& nome, QWidget* pai) {
    auto* e = new QLineEdit(pai);
    e->setObjectName(nome);
    return e;
}
} // namespace

TfoFichaSeguranca::TfoFichaSeguranca(SessaoBanco* sessao, QWidget* parent)
    : QWidget(parent), dados_(sessao) {
    setObjectName("TfoFichaSeguranca");
    setWindowTitle("Ficha Resumida de Segurança de Produto");
    resize(720, 460);

    codigo_ = pesquisa("PesquisaCodigo", this);
    codigo_->setValidator(new QIntValidator(0, 999999999, codigo_));
    codigo_->setMaximumWidth(100);
    nome_ = pesquisa("PesquisaNome", this);
    formula_ = pesquisa("PesquisaFormula", this);
    formula_->setMaxLength(10);

    modeloProdutos_ = new ModeloLinhas({"Código", "Descrição"}, this);
    gradeProdutos_ = lista("Produtos", modeloProdutos_, this);
    modeloFormulas_ = new ModeloLinhas({"Fórmula", "Cor"}, this);
    gradeFormulas_ = lista("Formulas", modeloFormulas_, this);

    auto* g = new QGridLayout;
    auto rotulo = [&](const QString& texto, int linha, int coluna) {
        auto* r = new QLabel(texto, this);
        r->setObjectName(texto);
        g->addWidget(r, linha, coluna);
    };
    rotulo("Código", 0, 0);
    rotulo("Descrição", 0, 1);
    rotulo("Fórmula", 0, 2);
    g->addWidget(codigo_, 1, 0);
    g->addWidget(nome_, 1, 1);
    g->addWidget(formula_, 1, 2);
    g->addWidget(gradeProdutos_, 2, 0, 1, 2);
    g->addWidget(gradeFormulas_, 2, 2);
    g->setColumnStretch(1, 3);
    g->setColumnStretch(2, 2);
    g->setRowStretch(2, 1);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    connect(NovoBotao("Imprimir", this, botoes), &QPushButton::clicked, this,
            &TfoFichaSeguranca::imprimir);
    connect(NovoBotao("Fechar", this, botoes), &QPushButton::clicked, this, &QWidget::close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(g, 1);
    layout->addLayout(botoes);

    connect(codigo_, &QLineEdit::textEdited, this, &TfoFichaSeguranca::pesquisarCodigo);
    connect(nome_, &QLineEdit::textEdited, this, &TfoFichaSeguranca::pesquisarNome);
    connect(formula_, &QLineEdit::textEdited, this, &TfoFichaSeguranca::pesquisarFormula);
    connect(gradeProdutos_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TfoFichaSeguranca::produtoMudou);
    for (QLineEdit* e : {codigo_, nome_, formula_})
        e->installEventFilter(this);
    AvancarComEnter(this);
    LembrarJanela(this);
}

bool TfoFichaSeguranca::abrir() {
    codigo_->clear();
    nome_->clear();
    formula_->clear();
    if (!carregarProdutos(false))
        return false;
    codigo_->setFocus();
    return true;
}

bool TfoFichaSeguranca::carregarProdutos(bool porNome) {
    QList<QStringList> linhas;
    QVariantList chaves;
    try {
        dados_.abrirProdutos(Sess().Filial, porNome);
        Consulta& q = dados_.QProdutos;
        for (q.primeiro(); !q.eof(); q.proximo()) {
            linhas << QStringList{q.campo("COD_REDUZ").texto(), q.campo("NOME1").texto()};
            chaves << q.campo("COD_REDUZ").inteiro();
        }
        dados_.QProdutos.fechar();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        modeloProdutos_->limpar();
        modeloFormulas_->limpar();
        return false;
    }
    modeloProdutos_->definir(linhas, chaves);
    posicionar(gradeProdutos_, linhas.isEmpty() ? -1 : 0);
    produtoMudou();
    return true;
}

void TfoFichaSeguranca::posicionar(QTableView* grade, int linha) {
    if (linha < 0) {
        grade->setCurrentIndex(QModelIndex());
        return;
    }
    const QModelIndex i = grade->model()->index(linha, 0);
    grade->setCurrentIndex(i);
    grade->scrollTo(i);
}

int TfoFichaSeguranca::produtoAtual() const {
    return modeloProdutos_->chave(gradeProdutos_->currentIndex().row()).toInt();
}

QString TfoFichaSeguranca::formulaAtual() const {
    const QModelIndex i = gradeFormulas_->currentIndex();
    return i.isValid() ? modeloFormulas_->texto(i.row(), 0) : QString();
}

void TfoFichaSeguranca::produtoMudou() {
    QList<QStringList> linhas;
    QVariantList chaves;
    const int produto = produtoAtual();
    if (produto != 0) {
        try {
            dados_.abrirFormulas(Sess().Filial, produto);
            Consulta& q = dados_.QFormulas;
            for (q.primeiro(); !q.eof(); q.proximo()) {
                linhas << QStringList{q.campo("Formula").texto(), q.campo("COR").texto()};
                chaves << int(chaves.size());
            }
            dados_.QFormulas.fechar();
        } catch (const ErroBanco& e) {
            MostrarErro(e.texto());
        }
    }
    modeloFormulas_->definir(linhas, chaves);
    posicionar(gradeFormulas_, linhas.isEmpty() ? -1 : 0);
}

void TfoFichaSeguranca::entrarCodigo() {
    codigo_->clear();
    if (dados_.porNome())
        carregarProdutos(false);
}

void TfoFichaSeguranca::entrarNome() {
    nome_->clear();
    if (!dados_.porNome())
        carregarProdutos(true);
}

void TfoFichaSeguranca::pesquisarCodigo(const QString& texto) {
    bool ok = false;
    const int codigo = texto.toInt(&ok);
    const int linha = ok ? modeloProdutos_->linhaDe(codigo) : -1;
    if (linha >= 0)
        posicionar(gradeProdutos_, linha);
}

void TfoFichaSeguranca::pesquisarNome(const QString& texto) {
    for (int i = 0; i < modeloProdutos_->rowCount(); ++i)
        if (modeloProdutos_->texto(i, 1).startsWith(texto, Qt::CaseInsensitive)) {
            posicionar(gradeProdutos_, i);
            return;
        }
}

void TfoFichaSeguranca::pesquisarFormula(const QString& texto) {
    for (int i = 0; i < modeloFormulas_->rowCount(); ++i)
        if (modeloFormulas_->texto(i, 0).startsWith(texto, Qt::CaseInsensitive)) {
            posicionar(gradeFormulas_, i);
            return;
        }
}

bool TfoFichaSeguranca::fichaSelecionada(ConteudoFicha& ficha) {
    const int produto = produtoAtual();
    const QString formula = formulaAtual();
    if (produto == 0 || formula.isEmpty())
        return false;
    try {
        ficha = dados_.conteudo(Sess().Filial, produto, formula);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    return true;
}

void TfoFichaSeguranca::imprimir() {
    ConteudoFicha ficha;
    if (!fichaSelecionada(ficha))
        return;
    QPrinter impressora(QPrinter::HighResolution);
    PrepararPaginaFicha(impressora);
    QPrintPreviewDialog previa(&impressora, this);
    previa.setObjectName("Previa");
    previa.setWindowTitle(windowTitle());
    previa.resize(820, 900);
    connect(&previa, &QPrintPreviewDialog::paintRequested, this,
            [&ficha](QPrinter* p) { DesenharFichaSeguranca(ficha, *p); });
    if (auto* barra = previa.findChild<QToolBar*>()) {
        barra->addSeparator();
        QAction* pdf = barra->addAction("Salvar PDF");
        pdf->setObjectName("Salvar PDF");
        connect(pdf, &QAction::triggered, &previa, [this, &ficha] { salvarPdf(ficha); });
    }
    ExibirModal(previa);
}

void TfoFichaSeguranca::salvarPdf(const ConteudoFicha& ficha) {
    const QString sugerido = NomeArquivoProposto(
        QString("Ficha de Segurança %1-%2").arg(produtoAtual()).arg(formulaAtual()),
        Relogio::atual().hoje(), "pdf");
    const QString arquivo = EscolherArquivoGravar("Salvar PDF", sugerido, "PDF (*.pdf)");
    if (arquivo.isEmpty())
        return;
    if (!GravarFichaPdf(ficha, arquivo)) {
        MostrarErro("Não foi possível gravar o arquivo " + QDir::toNativeSeparators(arquivo));
        return;
    }
    if (!AbrirNoDesktop(arquivo))
        MostrarMensagem("A ficha foi gravada em " + QDir::toNativeSeparators(arquivo) +
                        ", mas não há programa para abri-la.");
}

void TfoFichaSeguranca::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (!evento->spontaneous())
        abrir();
}

void TfoFichaSeguranca::closeEvent(QCloseEvent* evento) {
    dados_.fechar();
    modeloProdutos_->limpar();
    modeloFormulas_->limpar();
    QWidget::closeEvent(evento);
}

bool TfoFichaSeguranca::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::FocusIn) {
        // Coming back to the window is not entering the field.
        const Qt::FocusReason razao = static_cast<QFocusEvent*>(evento)->reason();
        if (razao == Qt::ActiveWindowFocusReason || razao == Qt::PopupFocusReason)
            return false;
        if (objeto == codigo_)
            entrarCodigo();
        else if (objeto == nome_)
            entrarNome();
    }
    return QWidget::eventFilter(objeto, evento);
}
