#include "JanelaFichaEstoque.h"

#include "services/Botao.h"
#include "services/Grade.h"
#include "services/LembrancaJanela.h"
#include "services/ModeloLinhas.h"
#include "services/TeclaEnter.h"
#include "session/Dialogos.h"
#include "session/Relogio.h"
#include "store/ErroBanco.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QLineEdit* Caixa(QWidget* pai, const QString& nome, int caracteres, bool leitura = false) {
    auto* e = new QLineEdit(pai);
    e->setObjectName(nome);
    e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QString(caracteres, '0')) + 14);
    if (leitura) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        e->setAlignment(Qt::AlignRight);
    }
    return e;
}

QLabel* Rotulo(const QString& texto, QWidget* pai) {
    return new QLabel(texto, pai);
}

} // namespace

JanelaFichaEstoque::JanelaFichaEstoque(const QString& nome, bool porCor, SessaoBanco* sessao,
                                       QWidget* parent)
    : QWidget(parent), porCor_(porCor), sessao_(sessao) {
    setObjectName(nome);
    setWindowTitle("Ficha de Estoque");
    modeloMovimentos_ = new ModeloLinhas(
        porCor ? QStringList{"Dia", "Documento", "Cliente", "Hst", "Quantidade", "Custo Médio",
                             "Saldo Físico"}
               : QStringList{"Dia", "Nota", "Cliente / Fornecedor", "Hst", "Quantidade",
                             "Custo Medio", "Preço Un.", "Saldo Fisico"},
        this);
    modeloMovimentos_->alinharDireita(porCor ? QList<int>{0, 1, 3, 4, 5, 6}
                                             : QList<int>{0, 1, 3, 4, 5, 6, 7});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(criarFiltros());
    layout->addWidget(criarProdutos(), 1);

    auto* anterior = new QHBoxLayout;
    anterior->addWidget(Rotulo("Anterior", this));
    valorAnterior_ = Caixa(this, "Anterior Valor", 14, true);
    quantidadeAnterior_ = Caixa(this, "Anterior Quantidade", 14, true);
    anterior->addWidget(valorAnterior_);
    anterior->addWidget(quantidadeAnterior_);
    anterior->addStretch();
    layout->addLayout(anterior);

    auto* movimentos = NovaGrade(modeloMovimentos_, "Movimentos", this);
    movimentos->setFocusPolicy(Qt::NoFocus);
    AlturaMinimaLinhas(movimentos, FichaEstoque::LinhasPorPagina);
    layout->addWidget(movimentos, 2);
    layout->addWidget(criarRodape());

    limpar();
    AvancarComEnter(this);
    LembrarJanela(this);
}

QWidget* JanelaFichaEstoque::criarFiltros() {
    auto* caixa = new QWidget(this);
    auto* g = new QHBoxLayout(caixa);
    g->setContentsMargins(0, 0, 0, 0);
    mesAno_ = Caixa(caixa, porCor_ ? "Mês/Ano" : "Mes/Ano", 8);
    mesAno_->setInputMask("00/0000;_");
    mesAno_->setMaximumWidth(mesAno_->minimumWidth());
    g->addWidget(Rotulo(porCor_ ? "Mês/Ano" : "Mes/Ano", caixa));
    g->addWidget(mesAno_);
    if (porCor_) {
        cor_ = new QComboBox(caixa);
        cor_->setObjectName("Cor");
        cor_->setMinimumContentsLength(24);
        tamanhos_ = new QComboBox(caixa);
        tamanhos_->setObjectName("Tamanho");
        tamanhos_->setMinimumContentsLength(6);
        tamanhos_->addItem("TODOS");
        g->addSpacing(12);
        g->addWidget(Rotulo("Cor", caixa));
        g->addWidget(cor_);
        g->addWidget(Rotulo("Tamanho", caixa));
        g->addWidget(tamanhos_);
    } else {
        depositoInicial_ = Caixa(caixa, "Deposito Inicial", 6);
        depositoFinal_ = Caixa(caixa, "Deposito Final", 6);
        for (QLineEdit* e : {depositoInicial_, depositoFinal_}) {
            e->setText("1");
            e->setMaximumWidth(e->minimumWidth());
        }
        tamanho_ = Caixa(caixa, "Tamanho", 5);
        tamanho_->setMaxLength(4);
        tamanho_->setMaximumWidth(tamanho_->minimumWidth());
        quant2_ = new QCheckBox("Quant 2", caixa);
        quant2_->setObjectName("Quant 2");
        g->addSpacing(12);
        g->addWidget(Rotulo("Deposito", caixa));
        g->addWidget(depositoInicial_);
        g->addWidget(Rotulo("A", caixa));
        g->addWidget(depositoFinal_);
        g->addWidget(Rotulo("Tamanho", caixa));
        g->addWidget(tamanho_);
        g->addWidget(quant2_);
    }
    g->addStretch();
    return caixa;
}

QWidget* JanelaFichaEstoque::criarProdutos() {
    auto* caixa = new QWidget(this);
    auto* v = new QVBoxLayout(caixa);
    v->setContentsMargins(0, 0, 0, 0);
    auto* h = new QHBoxLayout;
    codigo_ = Caixa(caixa, "Codigo", 8);
    nome_ = Caixa(caixa, "Nome do produto", 30);
    referencia_ = Caixa(caixa, "Referencia", 14);
    h->addWidget(Rotulo("Codigo", caixa));
    h->addWidget(codigo_);
    h->addWidget(Rotulo("Nome do produto", caixa));
    h->addWidget(nome_, 1);
    h->addWidget(Rotulo("Referencia", caixa));
    h->addWidget(referencia_);
    v->addLayout(h);
    modeloProdutos_ = new ModeloLinhas({"Codigo", "Referencia", "Nome"}, this);
    modeloProdutos_->alinharDireita({0});
    gradeProdutos_ = NovaGrade(modeloProdutos_, "Produtos", caixa);
    AlturaMinimaLinhas(gradeProdutos_, 5);
    v->addWidget(gradeProdutos_, 1);

    for (QLineEdit* e : {codigo_, nome_, referencia_})
        e->installEventFilter(this);
    connect(codigo_, &QLineEdit::textEdited, this, [this](const QString& t) { pesquisar(0, t); });
    connect(nome_, &QLineEdit::textEdited, this, [this](const QString& t) { pesquisar(1, t); });
    connect(referencia_, &QLineEdit::textEdited, this,
            [this](const QString& t) { pesquisar(2, t); });
    connect(gradeProdutos_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &JanelaFichaEstoque::produtoMudou);
    return caixa;
}

QWidget* JanelaFichaEstoque::criarRodape() {
    auto* caixa = new QWidget(this);
    auto* g = new QGridLayout(caixa);
    g->setContentsMargins(0, 0, 0, 0);
    g->addWidget(Rotulo("Final", caixa), 0, 0);
    valorFinal_ = Caixa(caixa, "Final Valor", 14, true);
    quantidadeFinal_ = Caixa(caixa, "Final Quantidade", 14, true);
    g->addWidget(valorFinal_, 0, 1);
    g->addWidget(quantidadeFinal_, 0, 2);
    int coluna = 3;
    if (!porCor_) {
        vales_ = Caixa(caixa, "Vales", 14, true);
        pedidos_ = Caixa(caixa, "Pedidos", 14, true);
        compras_ = Caixa(caixa, "Compras", 14, true);
        int linha = 1;
        for (QLineEdit* e : {vales_, pedidos_, compras_}) {
            g->addWidget(Rotulo(e->objectName(), caixa), linha, 0);
            g->addWidget(e, linha++, 1);
        }
        for (int n = 0; n < 5; ++n) {
            rotulosPrecos_[n] = Rotulo(FichaEstoque().rotulosPrecos[n], caixa);
            rotulosPrecos_[n]->setObjectName("Rotulo Lista " + QString::number(n + 1));
            precos_[n] = Rotulo(QString(), caixa);
            precos_[n]->setObjectName("Lista " + QString::number(n + 1));
            precos_[n]->setMinimumWidth(
                precos_[n]->fontMetrics().horizontalAdvance("C0000000,0000"));
            precos_[n]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            g->addWidget(rotulosPrecos_[n], n < 3 ? n + 1 : n - 2, n < 3 ? 3 : 5);
            g->addWidget(precos_[n], n < 3 ? n + 1 : n - 2, n < 3 ? 4 : 6);
        }
        coluna = 7;
    }
    g->setColumnStretch(coluna, 1);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    iniciar_ = NovoBotao("Iniciar", caixa, botoes);
    proximo_ = NovoBotao(porCor_ ? "Próximo" : "Proximo", caixa, botoes);
    fechar_ = NovoBotao("Fechar", caixa, botoes);
    proximo_->setEnabled(false);
    g->addLayout(botoes, 4, 0, 1, coluna + 1);
    connect(iniciar_, &QPushButton::clicked, this, &JanelaFichaEstoque::iniciar);
    connect(proximo_, &QPushButton::clicked, this, &JanelaFichaEstoque::proximo);
    connect(fechar_, &QPushButton::clicked, this, &QWidget::close);
    return caixa;
}

void JanelaFichaEstoque::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (produtos_.empty())
        carregarProdutos();
    if (porCor_ && cor_->count() == 0) {
        try {
            cor_->addItems(CoresDaFicha(sessao_));
        } catch (const ErroBanco& e) {
            MostrarErro(e.texto());
        }
        cor_->setCurrentIndex(0);
    }
}

void JanelaFichaEstoque::closeEvent(QCloseEvent* evento) {
    terminar();
    produtos_.clear();
    QWidget::closeEvent(evento);
}

bool JanelaFichaEstoque::eventFilter(QObject* objeto, QEvent* evento) {
    // Entering a search box puts the list in that box's order; the code
    // box starts empty.
    if (evento->type() == QEvent::FocusIn) {
        if (objeto == codigo_) {
            codigo_->clear();
            ordenarProdutos(0);
        } else if (objeto == nome_) {
            ordenarProdutos(1);
        } else if (objeto == referencia_) {
            ordenarProdutos(2);
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

void JanelaFichaEstoque::carregarProdutos() {
    try {
        produtos_ = ProdutosDaFilial(sessao_);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    const int atual = produtoAtual();
    ordem_ = -1;
    ordenarProdutos(0);
    if (atual)
        pesquisar(0, QString::number(atual));
}

void JanelaFichaEstoque::ordenarProdutos(int ordem) {
    if (ordem == ordem_)
        return;
    const int atual = produtoAtual();
    ordem_ = ordem;
    auto chave = [ordem](const ProdutoFicha& p) {
        return ordem == 1 ? p.nome.toUpper() : p.referencia.toUpper();
    };
    if (ordem == 0)
        std::sort(produtos_.begin(), produtos_.end(),
                  [](const ProdutoFicha& a, const ProdutoFicha& b) { return a.codigo < b.codigo; });
    else
        std::stable_sort(
            produtos_.begin(), produtos_.end(),
            [&](const ProdutoFicha& a, const ProdutoFicha& b) { return chave(a) < chave(b); });
    QList<QStringList> linhas;
    QVariantList chaves;
    for (const ProdutoFicha& p : produtos_) {
        linhas << QStringList{QString::number(p.codigo), p.referencia, p.nome};
        chaves << p.codigo;
    }
    modeloProdutos_->definir(linhas, chaves);
    const int linha = modeloProdutos_->linhaDe(atual);
    if (linha >= 0)
        gradeProdutos_->setCurrentIndex(modeloProdutos_->index(linha, 0));
}

void JanelaFichaEstoque::pesquisar(int ordem, const QString& texto) {
    ordenarProdutos(ordem);
    if (texto.trimmed().isEmpty())
        return;
    int linha = -1;
    if (ordem == 0) {
        bool ok = false;
        const int codigo = texto.trimmed().toInt(&ok);
        linha = ok ? modeloProdutos_->linhaDe(codigo) : -1;
    } else {
        const QString procurado = texto.toUpper();
        const auto it =
            std::find_if(produtos_.begin(), produtos_.end(), [&](const ProdutoFicha& p) {
                return (ordem == 1 ? p.nome : p.referencia).toUpper() >= procurado;
            });
        linha = it == produtos_.end() ? int(produtos_.size()) - 1 : int(it - produtos_.begin());
    }
    if (linha >= 0) {
        gradeProdutos_->setCurrentIndex(modeloProdutos_->index(linha, 0));
        gradeProdutos_->scrollTo(modeloProdutos_->index(linha, 0));
    }
}

int JanelaFichaEstoque::produtoAtual() const {
    const QModelIndex i = gradeProdutos_->currentIndex();
    return i.isValid() ? modeloProdutos_->chave(i.row()).toInt() : 0;
}

void JanelaFichaEstoque::produtoMudou() {
    const int produto = produtoAtual();
    if (!porCor_ || produto == produtoMostrado_)
        return;
    produtoMostrado_ = produto;
    tamanhos_->clear();
    tamanhos_->addItem("TODOS");
    if (!produto)
        return;
    try {
        tamanhos_->addItems(TamanhosDoProduto(produto, sessao_));
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
}

void JanelaFichaEstoque::abrirProduto(int codigo) {
    mesAno_->setText(Relogio::atual().hoje().toString("MM/yyyy"));
    carregarProdutos();
    pesquisar(0, QString::number(codigo));
    terminar();
    limpar();
    show();
    raise();
    activateWindow();
}

void JanelaFichaEstoque::limpar() {
    for (QLineEdit* e : {valorAnterior_, quantidadeAnterior_, valorFinal_, quantidadeFinal_, vales_,
                         pedidos_, compras_})
        if (e)
            e->clear();
    QList<QStringList> vazias;
    for (int n = 0; n < FichaEstoque::LinhasPorPagina; ++n)
        vazias << QStringList();
    modeloMovimentos_->definir(vazias, QVariantList(vazias.size()));
}

bool JanelaFichaEstoque::iniciar() {
    terminar();
    limpar();
    const int produto = produtoAtual();
    if (!produto)
        return false;
    FiltroFicha filtro;
    filtro.mesAno = mesAno_->text();
    filtro.produto = produto;
    if (porCor_) {
        filtro.porCor = true;
        filtro.cor = cor_->currentText().left(3).toInt();
        filtro.tamanho = tamanhos_->currentText();
    } else {
        filtro.depositoInicial = depositoInicial_->text();
        filtro.depositoFinal = depositoFinal_->text();
        filtro.tamanho = tamanho_->text();
        filtro.quant2 = quant2_->isChecked();
    }
    setCursor(Qt::WaitCursor);
    ficha_ = CalcularFichaEstoque(filtro, sessao_);
    unsetCursor();
    if (!ficha_.calculada)
        return false;
    for (int n = 0; n < 5 && !porCor_; ++n) {
        rotulosPrecos_[n]->setText(ficha_.rotulosPrecos[n]);
        precos_[n]->setText(ficha_.precos[n]);
    }
    valorAnterior_->setText(ficha_.valorAnterior);
    quantidadeAnterior_->setText(ficha_.quantidadeAnterior);
    pagina_ = 0;
    mostrarPagina();
    return true;
}

bool JanelaFichaEstoque::aguardando() const {
    return pagina_ >= 0 && pagina_ + 1 < ficha_.paginas();
}

bool JanelaFichaEstoque::proximo() {
    if (!aguardando())
        return false;
    ++pagina_;
    limpar();
    mostrarPagina();
    return true;
}

void JanelaFichaEstoque::mostrarPagina() {
    const int inicio = pagina_ * FichaEstoque::LinhasPorPagina;
    const int fim =
        std::min<int>(int(ficha_.linhas.size()), inicio + FichaEstoque::LinhasPorPagina);
    QList<QStringList> linhas;
    for (int n = inicio; n < fim; ++n) {
        const LinhaFicha& l = ficha_.linhas[n];
        for (const QString& m : l.mensagens)
            MostrarMensagem(m);
        linhas << (porCor_ ? QStringList{l.dia, l.nota, l.cliente, l.hst, l.quantidade,
                                         l.custoMedio, l.saldoFisico}
                           : QStringList{l.dia, l.nota, l.cliente, l.hst, l.quantidade,
                                         l.custoMedio, l.precoUnitario, l.saldoFisico});
    }
    while (linhas.size() < FichaEstoque::LinhasPorPagina)
        linhas << QStringList();
    modeloMovimentos_->definir(linhas, QVariantList(linhas.size()));
    const bool espera = aguardando();
    iniciar_->setEnabled(!espera);
    fechar_->setEnabled(!espera);
    proximo_->setEnabled(espera);
    if (espera) {
        proximo_->setFocus();
        return;
    }
    valorFinal_->setText(ficha_.valorFinal);
    quantidadeFinal_->setText(ficha_.quantidadeFinal);
    if (!porCor_) {
        vales_->setText(ficha_.vales);
        pedidos_->setText(ficha_.pedidos);
        compras_->setText(ficha_.compras);
    }
}

void JanelaFichaEstoque::terminar() {
    pagina_ = -1;
    ficha_ = FichaEstoque();
    iniciar_->setEnabled(true);
    fechar_->setEnabled(true);
    proximo_->setEnabled(false);
}
