#include "TfoConsultaMovProduto.h"

#include "services/Botao.h"
#include "services/ExportacaoPlanilha.h"
#include "services/Grade.h"
#include "services/LembrancaJanela.h"
#include "services/ModeloLinhas.h"
#include "services/RelatorioPadronizado.h"
#include "services/TFoSelecaoMultipla.h"
#include "services/TeclaEnter.h"
#include "session/Dialogos.h"
#include "session/Sessao.h"
#include "store/ErroBanco.h"

#include <QBrush>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

// The grid's rows, with the sort column's title in yellow.
class ModeloMovProduto : public ModeloLinhas {
public:
    using ModeloLinhas::ModeloLinhas;
    int ordem = -1;
    QVariant headerData(int secao, Qt::Orientation o, int papel) const override {
        if (papel == Qt::BackgroundRole && o == Qt::Horizontal && secao == ordem)
            return QBrush(Qt::yellow);
        return ModeloLinhas::headerData(secao, o, papel);
    }
    void marcar(int secao) {
        const int antes = ordem;
        ordem = secao;
        for (int s : {antes, secao})
            if (s >= 0)
                emit headerDataChanged(Qt::Horizontal, s, s);
    }
};

namespace {

int ColunaDoCampo(const QString& campo) {
    const QList<ColunaMovProduto>& colunas = ColunasMovProduto();
    for (int n = 0; n < colunas.size(); ++n)
        if (campo == QLatin1String(colunas[n].campo))
            return n;
    return -1;
}

} // namespace

TfoConsultaMovProduto::TfoConsultaMovProduto(SessaoBanco* sessao, QWidget* parent)
    : QWidget(parent), sessao_(sessao) {
    setObjectName("TfoConsultaMovProduto");
    setWindowTitle("Orvalo - Consulta Movimentação de Produto :");

    auto* filtros = new QGridLayout;
    dataInicial_ = caixa("Dt Emissão Inicial");
    dataFinal_ = caixa("Dt Emissão Final");
    for (QLineEdit* e : {dataInicial_, dataFinal_}) {
        e->setInputMask("00/00/0000;_");
        e->setMaximumWidth(e->fontMetrics().horizontalAdvance("00/00/00000") + 16);
    }
    filtros->addWidget(new QLabel("Dt Emissão Inicial", this), 0, 0);
    filtros->addWidget(dataInicial_, 0, 1);
    filtros->addWidget(new QLabel("Dt Emissão Final", this), 0, 2);
    filtros->addWidget(dataFinal_, 0, 3);
    historicos_ = caixa("Historicos");
    produtos_ = caixa("Produto");
    clientes_ = caixa("Cliente");
    int linha = 1;
    for (QLineEdit* e : {historicos_, produtos_, clientes_}) {
        filtros->addWidget(new QLabel(e->objectName(), this), linha, 0);
        filtros->addWidget(e, linha, 1, 1, 3);
        auto* botao = new QPushButton("...", this);
        botao->setObjectName("Pesquisa " + e->objectName());
        botao->setFocusPolicy(Qt::NoFocus);
        botao->setMaximumWidth(botao->fontMetrics().horizontalAdvance("...") + 20);
        connect(botao, &QPushButton::clicked, this, [this, e] { pesquisar(e); });
        filtros->addWidget(botao, linha++, 4);
    }
    referencia_ = caixa("Referencia");
    refFornecedor_ = caixa("Referencia Fornecedor");
    marca_ = caixa("Marca");
    filtros->addWidget(new QLabel("Referencia", this), 0, 5);
    filtros->addWidget(referencia_, 0, 6);
    filtros->addWidget(new QLabel("Referencia Fornecedor", this), 1, 5);
    filtros->addWidget(refFornecedor_, 1, 6);
    filtros->addWidget(new QLabel("Marca", this), 2, 5);
    filtros->addWidget(marca_, 2, 6);
    filtros->setColumnStretch(3, 1);
    filtros->setColumnStretch(6, 1);

    QStringList titulos;
    for (const ColunaMovProduto& c : ColunasMovProduto())
        titulos << QString::fromUtf8(c.titulo);
    modelo_ = new ModeloMovProduto(titulos, this);
    modelo_->alinharDireita({0, 1, 2, 5, 8, 9, 10, 12});
    modelo_->marcar(ColunaDoCampo(ordem_));
    grade_ = NovaGrade(modelo_, "Grade", this);
    grade_->installEventFilter(this);
    connect(grade_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &TfoConsultaMovProduto::ordenarPor);

    // The grid's own pop-up, keeping its export.
    auto* menu = new QMenu(this);
    QAction* restaurar = menu->addAction(">> Colunas do Grid - Restaurar Padrão");
    QAction* exportar = menu->addAction("Exportar para planilha…");
    for (QAction* a : menu->actions())
        a->setObjectName(a->text());
    connect(restaurar, &QAction::triggered, this, [this] { RestaurarColunas(*grade_); });
    connect(exportar, &QAction::triggered, this, [this] { ExportarGradeParaPlanilha(*grade_); });
    disconnect(grade_, &QWidget::customContextMenuRequested, nullptr, nullptr);
    connect(grade_, &QWidget::customContextMenuRequested, this,
            [this, menu](const QPoint& p) { menu->popup(grade_->viewport()->mapToGlobal(p)); });

    quantidade_ = new QLabel("Quantidade : ", this);
    quantidade_->setObjectName("Quantidade");
    valor_ = new QLabel("Valor : R$ ", this);
    valor_->setObjectName("Valor");
    auto* rodape = new QHBoxLayout;
    rodape->addWidget(quantidade_);
    rodape->addSpacing(24);
    rodape->addWidget(valor_);
    rodape->addStretch();
    QPushButton* consultar = NovoBotao("Consultar", this, rodape);
    listar_ = NovoBotao("Listar", this, rodape);
    listar_->setEnabled(false);
    QPushButton* fechar = NovoBotao("Fechar", this, rodape);
    connect(consultar, &QPushButton::clicked, this, &TfoConsultaMovProduto::consultar);
    connect(listar_, &QPushButton::clicked, this, &TfoConsultaMovProduto::listar);
    connect(fechar, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filtros);
    layout->addWidget(grade_, 1);
    layout->addLayout(rodape);
    resize(1000, 560);
    AvancarComEnter(this);
    LembrarJanela(this);
}

QLineEdit* TfoConsultaMovProduto::caixa(const QString& nome) {
    auto* e = new QLineEdit(this);
    e->setObjectName(nome);
    return e;
}

void TfoConsultaMovProduto::abrirCom(QLineEdit* caixa, int codigo) {
    for (QLineEdit* e : {historicos_, produtos_, clientes_})
        e->clear();
    caixa->setText(QString::number(codigo));
    show();
    raise();
    activateWindow();
}

void TfoConsultaMovProduto::abrirProduto(int codigo) {
    abrirCom(produtos_, codigo);
}

void TfoConsultaMovProduto::abrirCliente(int codigo) {
    abrirCom(clientes_, codigo);
}

bool TfoConsultaMovProduto::consultar() {
    FiltroMovProduto f;
    f.dataInicial = dataInicial_->text();
    f.dataFinal = dataFinal_->text();
    f.historicos = historicos_->text();
    f.produtos = produtos_->text();
    f.clientes = clientes_->text();
    f.referencia = referencia_->text();
    f.refFornecedor = refFornecedor_->text();
    f.marca = marca_->text();
    f.ordem = ordem_;
    if (const QString ruim = ValidarFiltroMovProduto(f); !ruim.isEmpty()) {
        if (auto* e = findChild<QLineEdit*>(ruim))
            e->setFocus();
        return false;
    }
    listar_->setEnabled(false);
    ResultadoMovProduto r;
    setCursor(Qt::WaitCursor);
    try {
        r = ConsultarMovProduto(f, sessao_);
    } catch (const ErroBanco& e) {
        unsetCursor();
        MostrarErro(e.texto());
        return false;
    }
    unsetCursor();
    modelo_->definir(r.linhas, QVariantList(r.linhas.size()));
    quantidade_->setText(r.quantidade);
    valor_->setText(r.valor);
    listar_->setEnabled(true);
    return true;
}

void TfoConsultaMovProduto::listar() {
    listar_->setEnabled(false);
    RelatorioPadronizado(windowTitle(), *grade_, objectName());
    listar_->setEnabled(true);
}

void TfoConsultaMovProduto::ordenarPor(int coluna) {
    if (coluna < 0 || coluna >= ColunasMovProduto().size())
        return;
    ordem_ = QLatin1String(ColunasMovProduto()[coluna].campo);
    modelo_->marcar(coluna);
    consultar();
}

void TfoConsultaMovProduto::pesquisar(QLineEdit* caixa) {
    const QString filial = QString::number(Sess().Filial);
    if (caixa == historicos_)
        AbrirSelecaoMultipla("Orvalo",
                             " SELECT Est_Hist as Codigo, DESCR_HIST as Descricao FROM "
                             "\"HISTEST.DB\" HISTEST ",
                             QString(), QString(), "Est_Hist", "DESCR_HIST", "Codigo", QString(),
                             caixa, 999999);
    else if (caixa == produtos_)
        AbrirSelecaoMultipla("Orvalo",
                             " SELECT Cod_Reduz as Codigo, Nome1 as Descricao FROM "
                             "\"ESTPROMA.DB\" Estproma ",
                             " Where filial=" + filial, QString(), "Cod_Reduz", "Nome1", "Codigo",
                             QString(), caixa, 999999);
    else
        AbrirSelecaoMultipla("Orvalo",
                             " SELECT Cod_Clifor as Codigo, Nome as Descricao FROM "
                             "\"Clifor.DB\" Clifor ",
                             " Where filial=" + filial, QString(), "Cod_Clifor", "Nome", "Codigo",
                             QString(), caixa, 999999);
}

bool TfoConsultaMovProduto::eventFilter(QObject* objeto, QEvent* evento) {
    // Enter in the grid walks its columns, from the last back to the first.
    if (objeto == grade_ && evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if ((tecla == Qt::Key_Return || tecla == Qt::Key_Enter) && modelo_->rowCount() > 0) {
            const QModelIndex atual = grade_->currentIndex();
            const int linha = atual.isValid() ? atual.row() : 0;
            const int coluna = atual.isValid() ? (atual.column() + 1) % modelo_->columnCount() : 0;
            grade_->setCurrentIndex(modelo_->index(linha, coluna));
            return true;
        }
    }
    return QWidget::eventFilter(objeto, evento);
}
