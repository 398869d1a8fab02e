#include "TfoConsFormula.h"

#include "Botao.h"
#include "DataValida.h"
#include "Dialogos.h"
#include "ErroBanco.h"
#include "FormatosRegionais.h"
#include "ModeloLinhas.h"
#include "Relogio.h"
#include "Sessao.h"
#include "services/DataValida.h"
#include "services/Grade.h"
#include "services/LembrancaJanela.h"
#include "services/TeclaEnter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

namespace {
QCheckBox* caixa(const QString& texto, const QString& nome, bool marcada, QWidget* pai) {
    auto* c = new QCheckBox(texto, pai);
    c->setObjectName(nome);
    c->setChecked(marcada);
    return c;
}

QLineEdit* campoData(const QString& nome, QWidget* pai) {
    auto* e = new QLineEdit(pai);
    e->setObjectName(nome);
    e->setMaxLength(10);
    e->setFixedWidth(e->fontMetrics().horizontalAdvance("00/00/00000") + 12);
    return e;
}

// Refills a chooser with (text, code) pairs, keeping the chosen code.
template <class Ler> void preencher(QComboBox* c, Ler ler) {
    const QVariant atual = c->currentData();
    const QSignalBlocker bloqueio(c);
    c->clear();
    ler();
    c->setCurrentIndex(atual.isValid() ? c->findData(atual) : -1);
}
} // namespace

TfoConsFormula::TfoConsFormula(SessaoBanco* sessao, QWidget* parent)
    : QWidget(parent), dados_(sessao) {
    setObjectName("TfoConsFormula");
    setWindowTitle("Consulta de Formulas");
    resize(860, 540);

    auto* g = new QGridLayout;
    auto rotulo = [&](const QString& texto, int linha, int coluna) {
        auto* r = new QLabel(texto, this);
        r->setObjectName(texto);
        g->addWidget(r, linha, coluna);
    };

    rotulo("Produto", 0, 0);
    produto_ = new QComboBox(this);
    produto_->setObjectName("Cod_Reduz");
    g->addWidget(produto_, 0, 1, 1, 3);
    todosProdutos_ = caixa("Todos", "TodosProdutos", true, this);
    g->addWidget(todosProdutos_, 0, 4);

    rotulo("Cliente", 1, 0);
    cliente_ = new QComboBox(this);
    cliente_->setObjectName("Cod_Clifor");
    g->addWidget(cliente_, 1, 1, 1, 3);
    todosClientes_ = caixa("Todos", "TodosClientes", true, this);
    g->addWidget(todosClientes_, 1, 4);
    companias_ = caixa("Companias", "Companias", false, this);
    g->addWidget(companias_, 1, 5);

    rotulo("Cor", 2, 0);
    cor_ = new QLineEdit(this);
    cor_->setObjectName("Cor");
    cor_->setMaxLength(30);
    g->addWidget(cor_, 2, 1);
    rotulo("Formula", 2, 2);
    formula_ = new QLineEdit(this);
    formula_->setObjectName("Formula");
    formula_->setMaxLength(10);
    g->addWidget(formula_, 2, 3);

    rotulo("Origem", 3, 0);
    origem_ = new QComboBox(this);
    origem_->setObjectName("Origem");
    origem_->addItems({"CLIENTE", "REPRESENTANTE"});
    origem_->setCurrentIndex(-1);
    g->addWidget(origem_, 3, 1);
    todasOrigens_ = caixa("Todos", "TodasOrigens", true, this);
    g->addWidget(todasOrigens_, 3, 4);

    rotulo("Matizador", 4, 0);
    matizador_ = new QComboBox(this);
    matizador_->setObjectName("CodMatizador");
    g->addWidget(matizador_, 4, 1, 1, 3);
    todosMatizadores_ = caixa("Todos", "TodosMatizadores", true, this);
    g->addWidget(todosMatizadores_, 4, 4);

    rotulo("Periodo", 5, 0);
    auto* periodo = new QHBoxLayout;
    inicio_ = campoData("DataIni", this);
    fim_ = campoData("DataFim", this);
    periodo->addWidget(inicio_);
    auto* a = new QLabel("A", this);
    a->setObjectName("A");
    periodo->addWidget(a);
    periodo->addWidget(fim_);
    periodo->addStretch();
    g->addLayout(periodo, 5, 1, 1, 3);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    connect(NovoBotao("OK", this, botoes), &QPushButton::clicked, this, &TfoConsFormula::ok);
    connect(NovoBotao("Fechar", this, botoes), &QPushButton::clicked, this, &QWidget::close);
    g->addLayout(botoes, 5, 4, 1, 2);

    modelo_ = new ModeloLinhas({"Formula", "Data", "Cor", "Fantasia", "Produto"}, this);
    grade_ = new QTableView(this);
    grade_->setObjectName("Formulas");
    grade_->setModel(modelo_);
    OferecerExportacaoPlanilha(grade_);
    grade_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grade_->setSelectionMode(QAbstractItemView::SingleSelection);
    grade_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade_->setWordWrap(false);
    grade_->setTabKeyNavigation(false);
    grade_->verticalHeader()->hide();
    grade_->horizontalHeader()->setStretchLastSection(true);
    grade_->setColumnWidth(0, 80);
    grade_->setColumnWidth(1, 90);
    grade_->setColumnWidth(2, 170);
    grade_->setColumnWidth(3, 170);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(g);
    layout->addWidget(grade_, 1);

    for (QCheckBox* c :
         {todosProdutos_, todosClientes_, companias_, todasOrigens_, todosMatizadores_})
        connect(c, &QCheckBox::toggled, this, &TfoConsFormula::habilitarEscolhas);
    habilitarEscolhas();
    AvancarComEnter(this);
    LembrarJanela(this);
}

bool TfoConsFormula::abrir() {
    try {
        dados_.abrirEscolhas(Sess().Filial);
        preencher(produto_, [this] {
            Consulta& q = dados_.QProdutos;
            for (q.primeiro(); !q.eof(); q.proximo())
                produto_->addItem(q.campo("Nome1").texto(), q.campo("Cod_Reduz").inteiro());
        });
        preencher(cliente_, [this] {
            Consulta& q = dados_.QClientes;
            for (q.primeiro(); !q.eof(); q.proximo())
                cliente_->addItem(q.campo("Fantasia").texto(), q.campo("Cod_Clifor").inteiro());
        });
        preencher(matizador_, [this] {
            Tabela& t = dados_.TMatizador;
            for (t.primeiro(); !t.eof(); t.proximo())
                matizador_->addItem(t.campo("Nome").texto(), t.campo("Codigo").inteiro());
        });
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    if (inicio_->text().isEmpty() && fim_->text().isEmpty()) {
        const QDate hoje = Relogio::atual().hoje();
        inicio_->setText(DataTexto(QDate(hoje.year(), hoje.month(), 1)));
        fim_->setText(DataTexto(hoje));
    }
    return true;
}

void TfoConsFormula::habilitarEscolhas() {
    produto_->setEnabled(!todosProdutos_->isChecked());
    cliente_->setEnabled(!todosClientes_->isChecked() && !companias_->isChecked());
    origem_->setEnabled(!todasOrigens_->isChecked());
    matizador_->setEnabled(!todosMatizadores_->isChecked());
}

FiltroConsultaFormulas TfoConsFormula::filtro() const {
    using C = FiltroConsultaFormulas::Clientes;
    FiltroConsultaFormulas f;
    f.filial = Sess().Filial;
    f.inicio = LerData(inicio_->text());
    f.fim = LerData(fim_->text());
    if (!todosProdutos_->isChecked())
        f.produto = produto_->currentData().toInt();
    if (companias_->isChecked()) {
        f.clientes = C::Companias;
    } else if (!todosClientes_->isChecked()) {
        f.clientes = C::Um;
        f.cliente = cliente_->currentData().toInt();
    }
    f.cor = cor_->text();
    f.formula = formula_->text();
    // The field keeps 10 characters: "REPRESENTANTE" is stored "REPRESENTA".
    if (!todasOrigens_->isChecked())
        f.origem = origem_->currentIndex() == 0 ? "CLIENTE" : "REPRESENTA";
    if (!todosMatizadores_->isChecked())
        f.matizador = matizador_->currentData().toInt();
    return f;
}

void TfoConsFormula::ok() {
    if (!DataValida(inicio_->text()) || !DataValida(fim_->text()))
        return;
    if (todosClientes_->isChecked() && companias_->isChecked()) {
        MostrarMensagem("Selecione apenas uma das opcoes de Clientes");
        return;
    }
    QList<QStringList> linhas;
    QVariantList chaves;
    try {
        dados_.consultar(filtro());
        Consulta& q = dados_.QFormulas;
        for (q.primeiro(); !q.eof(); q.proximo()) {
            linhas << QStringList{q.campo("Formula").texto(), q.campo("DataCad").texto(),
                                  q.campo("Cor").texto(), q.campo("Fantasia").texto(),
                                  q.campo("Nome1").texto()};
            chaves << linhas.size();
        }
        q.fechar();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    modelo_->definir(linhas, chaves);
    if (!linhas.isEmpty())
        grade_->setCurrentIndex(modelo_->index(0, 0));
}

void TfoConsFormula::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (!evento->spontaneous())
        abrir();
}
