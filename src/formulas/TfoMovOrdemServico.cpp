#include "TfoMovOrdemServico.h"

#include "AcessoDados.h"
#include "Botao.h"
#include "CaixaEscolha.h"
#include "Dialogos.h"
#include "ErroBanco.h"
#include "Grade.h"
#include "LembrancaJanela.h"
#include "ModeloLinhas.h"
#include "Sessao.h"
#include "TDMOrdemServico.h"
#include "TeclaEnter.h"
#include "VinculoCampos.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {
enum Pagina { PaginaLista, PaginaOrdem, PaginaComponentes };

QLabel* Rotulo(const QString& texto, QWidget* pai) {
    auto* r = new QLabel(texto, pai);
    r->setObjectName(texto);
    return r;
}
} // namespace

TfoMovOrdemServico::TfoMovOrdemServico(TDMOrdemServico& dm, QWidget* parent)
    : QWidget(parent), dm_(dm) {
    setObjectName("TfoMovOrdemServico");
    setWindowTitle("Cadastro de Ordens de Serviço");
    resize(900, 560);

    paginas_ = new QTabWidget(this);
    paginas_->addTab(criarLista(), "Lista");
    paginas_->addTab(criarOrdem(), "Ordem de Serviço");
    paginas_->addTab(criarComponentes(), "Componentes");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(paginas_);

    pesquisa_->installEventFilter(this);
    AvancarComEnter(this);
    LembrarJanela(this);
    mostrarLista();
}

QWidget* TfoMovOrdemServico::criarLista() {
    auto* pagina = new QWidget(this);
    pagina->setObjectName("Lista");
    auto* topo = new QHBoxLayout;
    rotuloPesquisa_ = new QLabel("Pedido", pagina);
    rotuloPesquisa_->setObjectName("RotuloPesquisa");
    topo->addWidget(rotuloPesquisa_);
    pesquisa_ = new QLineEdit(pagina);
    pesquisa_->setObjectName("Pesquisa");
    pesquisa_->setMaxLength(11);
    pesquisa_->setFixedWidth(pesquisa_->fontMetrics().horizontalAdvance("00000000000") + 16);
    topo->addWidget(pesquisa_);
    topo->addStretch();

    modeloLista_ = new ModeloLinhas({"Ord.Serviço", "Pedido", "Item", "Cliente", "Produto",
                                     "Descrição", "Programa", "Data Prod."},
                                    pagina);
    modeloLista_->alinharDireita({0, 1, 2, 3, 4, 6});
    gradeLista_ = NovaGrade(modeloLista_, "GradeLista", pagina);
    AlturaMinimaLinhas(gradeLista_, 12);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    connect(NovoBotao("Alterar", pagina, botoes), &QPushButton::clicked, this,
            &TfoMovOrdemServico::alterar);
    connect(NovoBotao("Excluir", pagina, botoes), &QPushButton::clicked, this,
            &TfoMovOrdemServico::excluir);
    connect(NovoBotao("Fechar", pagina, botoes), &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(pagina);
    layout->addLayout(topo);
    layout->addWidget(gradeLista_, 1);
    layout->addLayout(botoes);
    connect(pesquisa_, &QLineEdit::textChanged, this, &TfoMovOrdemServico::pesquisar);
    return pagina;
}

QWidget* TfoMovOrdemServico::criarOrdem() {
    auto* pagina = new QWidget(this);
    pagina->setObjectName("Ordem de Serviço");
    vinculoOrdem_ = new VinculoCampos(dm_.TOS, this);
    auto* g = new QGridLayout;
    g->setColumnStretch(2, 1);
    auto campo = [&](const QString& rotulo, const QString& nome, int linha, bool fixo) {
        auto* e = new QLineEdit(pagina);
        e->setObjectName(nome);
        e->setFixedWidth(e->fontMetrics().horizontalAdvance("00000000000") + 16);
        vinculoOrdem_->ligar(e, nome);
        if (fixo)
            vinculoOrdem_->somenteLeitura(e);
        g->addWidget(Rotulo(rotulo, pagina), linha, 0);
        g->addWidget(e, linha, 1);
        return e;
    };
    campo("Numero", "NumOrdServ", 0, true);
    campo("Cliente", "Cod_Clifor", 1, true);
    nomeCliente_ = new QLabel(pagina);
    nomeCliente_->setObjectName("NomeCliente");
    g->addWidget(nomeCliente_, 1, 2);
    campo("Produto", "Cod_Reduz", 2, true);
    nomeProduto_ = new QLabel(pagina);
    nomeProduto_->setObjectName("NomeProduto");
    g->addWidget(nomeProduto_, 2, 2);
    campo("Pedido", "Pedido", 3, true);
    programa_ = campo("Programa", "Num_Progr", 4, false);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    gravarOrdem_ = NovoBotao("Gravar", pagina, botoes);
    cancelarOrdem_ = NovoBotao("Cancelar", pagina, botoes);
    connect(gravarOrdem_, &QPushButton::clicked, this, &TfoMovOrdemServico::gravar);
    connect(cancelarOrdem_, &QPushButton::clicked, this, &TfoMovOrdemServico::cancelar);

    auto* layout = new QVBoxLayout(pagina);
    layout->addLayout(g);
    layout->addStretch();
    layout->addLayout(botoes);
    return pagina;
}

QWidget* TfoMovOrdemServico::criarComponentes() {
    auto* pagina = new QWidget(this);
    pagina->setObjectName("Componentes");
    modeloComponentes_ = new ModeloLinhas(
        {"OrdComp", "Componente", "Quantidade", "Aplicação", "Utilização", "Observação"}, pagina);
    modeloComponentes_->alinharDireita({0, 1, 2});
    gradeComponentes_ = NovaGrade(modeloComponentes_, "GradeComponentes", pagina);
    AlturaMinimaLinhas(gradeComponentes_, 8);
    connect(gradeComponentes_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TfoMovOrdemServico::seguirComponentes);

    auto* botoes = new QHBoxLayout;
    incluirComp_ = NovoBotao("Incluir", pagina, botoes);
    alterarComp_ = NovoBotao("Alterar", pagina, botoes);
    excluirComp_ = NovoBotao("Excluir", pagina, botoes);
    botoes->addStretch();
    connect(incluirComp_, &QPushButton::clicked, this, &TfoMovOrdemServico::incluirComponente);
    connect(alterarComp_, &QPushButton::clicked, this, &TfoMovOrdemServico::alterarComponente);
    connect(excluirComp_, &QPushButton::clicked, this, &TfoMovOrdemServico::excluirComponente);

    editor_ = new QWidget(pagina);
    editor_->setObjectName("Editor");
    vinculoComponente_ = new VinculoCampos(dm_.TOsi, this);
    auto* g = new QGridLayout(editor_);
    g->setContentsMargins(0, 0, 0, 0);
    g->setColumnStretch(3, 1);
    auto* ordem = new QLineEdit(editor_);
    ordem->setObjectName("OrdComp");
    ordem->setFixedWidth(ordem->fontMetrics().horizontalAdvance("000000") + 16);
    vinculoComponente_->ligar(ordem, "OrdComp");
    vinculoComponente_->somenteLeitura(ordem);
    g->addWidget(Rotulo("Ordem", editor_), 0, 0);
    g->addWidget(ordem, 0, 1);
    componente_ = new CaixaEscolha(editor_);
    componente_->setObjectName("Componente");
    vinculoComponente_->ligar(componente_, "Componente");
    g->addWidget(Rotulo("Componente", editor_), 0, 2, Qt::AlignRight);
    g->addWidget(componente_, 0, 3);
    auto* quantidade = new QLineEdit(editor_);
    quantidade->setObjectName("QUANTIDADE");
    quantidade->setFixedWidth(quantidade->fontMetrics().horizontalAdvance("000.000.000,0000") + 16);
    vinculoComponente_->ligar(quantidade, "QUANTIDADE", "###,##0.0000");
    g->addWidget(Rotulo("Quantidade", editor_), 1, 0);
    g->addWidget(quantidade, 1, 1);
    aplicacao_ = new CaixaEscolha(editor_);
    aplicacao_->setObjectName("APLICACAO");
    vinculoComponente_->ligar(aplicacao_, "APLICACAO");
    g->addWidget(Rotulo("Aplicação", editor_), 1, 2, Qt::AlignRight);
    g->addWidget(aplicacao_, 1, 3);
    auto* observacao = new QLineEdit(editor_);
    observacao->setObjectName("OBSERV");
    vinculoComponente_->ligar(observacao, "OBSERV");
    g->addWidget(Rotulo("Observação", editor_), 2, 0);
    g->addWidget(observacao, 2, 1, 1, 3);
    auto* botoesEditor = new QHBoxLayout;
    botoesEditor->addStretch();
    auto* gravar = NovoBotao("Gravar", editor_, botoesEditor);
    auto* cancelar = NovoBotao("Cancelar", editor_, botoesEditor);
    connect(gravar, &QPushButton::clicked, this, &TfoMovOrdemServico::gravarComponente);
    connect(cancelar, &QPushButton::clicked, this, &TfoMovOrdemServico::cancelarComponente);
    g->addLayout(botoesEditor, 3, 0, 1, 4);

    auto* layout = new QVBoxLayout(pagina);
    layout->addWidget(gradeComponentes_, 1);
    layout->addLayout(botoes);
    layout->addWidget(editor_);
    return pagina;
}

bool TfoMovOrdemServico::abrir() {
    try {
        dm_.abrir();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    rotuloPesquisa_->setText(Sess().FatModNf == 95 ? "O.Serv." : "Pedido");
    mostrarLista();
    return true;
}

bool TfoMovOrdemServico::naLista() const {
    return paginas_->isTabVisible(PaginaLista);
}

bool TfoMovOrdemServico::editandoOrdem() const {
    return dm_.TOS.estado() == EstadoDados::Editando;
}

bool TfoMovOrdemServico::componenteAberto() const {
    const EstadoDados e = dm_.TOsi.estado();
    return e == EstadoDados::Editando || e == EstadoDados::Inserindo;
}

void TfoMovOrdemServico::mostrarLista(const QVariant& chave) {
    paginas_->setTabVisible(PaginaLista, true);
    paginas_->setCurrentIndex(PaginaLista);
    paginas_->setTabVisible(PaginaOrdem, false);
    paginas_->setTabVisible(PaginaComponentes, false);
    atualizarLista(chave);
    gradeLista_->setFocus();
}

QVariant TfoMovOrdemServico::chaveOrdem() {
    return QVariantList{dm_.TOS.campo("NumOrdServ").inteiro(), dm_.TOS.campo("Item").inteiro()};
}

void TfoMovOrdemServico::atualizarLista(QVariant chave) {
    // The order just changed, else the row the operator was on, stays
    // selected.
    if (!chave.isValid())
        chave = modeloLista_->chave(gradeLista_->currentIndex().row());
    try {
        if (dm_.TOS.ativo())
            dm_.lerLista(*modeloLista_);
        else
            modeloLista_->limpar();
    } catch (const ErroBanco& e) {
        modeloLista_->limpar();
        MostrarErro(e.texto());
    }
    const int linha = chave.isValid() ? modeloLista_->linhaDe(chave) : -1;
    if (modeloLista_->rowCount() > 0)
        gradeLista_->setCurrentIndex(modeloLista_->index(std::max(linha, 0), 0));
}

void TfoMovOrdemServico::pesquisar(const QString& texto) {
    if (texto.isEmpty())
        return;
    const int coluna = Sess().FatModNf == 95 ? 0 : 1;
    for (int r = 0; r < modeloLista_->rowCount(); ++r)
        if (modeloLista_->texto(r, coluna).startsWith(texto)) {
            gradeLista_->setCurrentIndex(modeloLista_->index(r, coluna));
            return;
        }
}

void TfoMovOrdemServico::alterar() {
    const QVariantList chave = modeloLista_->chave(gradeLista_->currentIndex().row()).toList();
    if (chave.size() != 2)
        return;
    try {
        if (!dm_.localizarOrdem(chave[0].toInt(), chave[1].toInt())) {
            atualizarLista();
            return;
        }
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return;
    }
    if (!EditarRegistro(dm_.TOS))
        return;
    try {
        dm_.abrirCadastros();
        const QSignalBlocker b1(componente_), b2(aplicacao_);
        componente_->clear();
        Consulta& q = dm_.QProdutos;
        for (q.primeiro(); !q.eof(); q.proximo())
            componente_->addItem(q.campo("Nome1").texto(), q.campo("Cod_Reduz").inteiro());
        aplicacao_->clear();
        Tabela& t = dm_.TAplica;
        for (t.primeiro(); !t.eof(); t.proximo())
            aplicacao_->addItem(t.campo("DESC_APLIC").texto(), t.campo("Cod_Aplica").inteiro());
    } catch (const ErroBanco& e) {
        dm_.TOS.cancelar();
        dm_.fecharCadastros();
        MostrarErro(e.texto());
        return;
    }
    vinculoOrdem_->mostrar();
    mostrarNomes();
    atualizarComponentes();
    editandoComponente(false);
    paginas_->setTabVisible(PaginaOrdem, true);
    paginas_->setTabVisible(PaginaComponentes, true);
    paginas_->setCurrentIndex(PaginaOrdem);
    paginas_->setTabVisible(PaginaLista, false);
    programa_->setFocus();
    programa_->selectAll();
}

void TfoMovOrdemServico::mostrarNomes() {
    nomeCliente_->setText(dm_.nomeCliente(dm_.TOS.campo("Cod_Clifor").inteiro()));
    nomeProduto_->setText(dm_.nomeProduto(dm_.TOS.campo("Cod_Reduz").inteiro()));
}

void TfoMovOrdemServico::excluir() {
    const QVariantList chave = modeloLista_->chave(gradeLista_->currentIndex().row()).toList();
    if (chave.size() != 2 || !Confirmar("Confirma exclusao da OS"))
        return;
    try {
        if (dm_.localizarOrdem(chave[0].toInt(), chave[1].toInt()))
            dm_.ExcluirOrdem();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    atualizarLista();
}

void TfoMovOrdemServico::gravar() {
    if (!editandoOrdem() || componenteAberto() || !vinculoOrdem_->validar())
        return;
    // Saved first, so the list read next shows the new programme.
    if (!GravarRegistro(dm_.TOS))
        return;
    dm_.fecharCadastros();
    mostrarLista(chaveOrdem());
}

void TfoMovOrdemServico::cancelar() {
    if (componenteAberto())
        cancelarComponente();
    dm_.TOS.cancelar();
    dm_.fecharCadastros();
    mostrarLista(chaveOrdem());
}

void TfoMovOrdemServico::editandoComponente(bool sim) {
    for (QWidget* w : std::initializer_list<QWidget*>{gradeComponentes_, incluirComp_, alterarComp_,
                                                      excluirComp_, gravarOrdem_, cancelarOrdem_})
        w->setEnabled(!sim);
    editor_->setEnabled(sim);
    vinculoComponente_->mostrar();
}

void TfoMovOrdemServico::atualizarComponentes() {
    try {
        dm_.lerComponentes(*modeloComponentes_);
    } catch (const ErroBanco& e) {
        modeloComponentes_->limpar();
        MostrarErro(e.texto());
    }
    const Marcador atual = dm_.TOsi.ativo() ? dm_.TOsi.marcador() : Marcador();
    const int linha = atual.valido ? modeloComponentes_->linhaDe(atual.rowid) : -1;
    if (linha >= 0)
        gradeComponentes_->setCurrentIndex(modeloComponentes_->index(linha, 0));
    vinculoComponente_->mostrar();
}

void TfoMovOrdemServico::seguirComponentes() {
    const QVariant chave = modeloComponentes_->chave(gradeComponentes_->currentIndex().row());
    if (!chave.isValid() || dm_.TOsi.estado() != EstadoDados::Navegando)
        return;
    try {
        dm_.TOsi.irPara({chave.toLongLong(), true});
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    vinculoComponente_->mostrar();
}

void TfoMovOrdemServico::incluirComponente() {
    if (!editandoOrdem() || componenteAberto())
        return;
    QString valor;
    if (!Dialogos::atual().entrada("Incluir Novo", "Ordem do Componente", valor))
        return;
    bool ok = false;
    const int ordem = valor.trimmed().toInt(&ok);
    if (!ok || ordem < 1 || ordem > 32767) {
        MostrarErro("Codigo do Componente invalido");
        return;
    }
    try {
        if (dm_.existeComponente(ordem)) {
            MostrarMensagem("Componente ja existe");
            return;
        }
        dm_.incluirComponente(ordem);
    } catch (const ErroBanco& e) {
        dm_.TOsi.cancelar();
        MostrarErro(e.texto());
        return;
    }
    editandoComponente(true);
    componente_->setFocus();
}

void TfoMovOrdemServico::alterarComponente() {
    if (!editandoOrdem() || componenteAberto() || dm_.TOsi.vazio() || !EditarRegistro(dm_.TOsi))
        return;
    editandoComponente(true);
    componente_->setFocus();
}

void TfoMovOrdemServico::gravarComponente() {
    if (!componenteAberto() || !vinculoComponente_->validar() || !GravarRegistro(dm_.TOsi))
        return;
    editandoComponente(false);
    atualizarComponentes();
    gradeComponentes_->setFocus();
}

void TfoMovOrdemServico::cancelarComponente() {
    dm_.TOsi.cancelar();
    editandoComponente(false);
    atualizarComponentes();
}

void TfoMovOrdemServico::excluirComponente() {
    if (!editandoOrdem() || componenteAberto() || dm_.TOsi.vazio() ||
        !Confirmar("Confirma eliminação deste componente ?"))
        return;
    dm_.ExcluirComponente();
    atualizarComponentes();
}

void TfoMovOrdemServico::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (!evento->spontaneous() && naLista())
        abrir();
}

void TfoMovOrdemServico::closeEvent(QCloseEvent* evento) {
    // Closing gives up what is still open, as "Cancelar" does.
    if (!naLista())
        cancelar();
    dm_.fechar();
    QWidget::closeEvent(evento);
}

bool TfoMovOrdemServico::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == pesquisa_ && evento->type() == QEvent::FocusIn)
        pesquisa_->clear();
    return false;
}
