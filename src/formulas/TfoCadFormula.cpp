#include "TfoCadFormula.h"

#include "AcessoDados.h"
#include "AutorizarAcesso.h"
#include "Botao.h"
#include "CaixaEscolha.h"
#include "Dialogos.h"
#include "ErroBanco.h"
#include "Grade.h"
#include "LembrancaJanela.h"
#include "ListasFormula.h"
#include "ModeloLinhas.h"
#include "Sessao.h"
#include "TDMFormula.h"
#include "TeclaEnter.h"
#include "VinculoCampos.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const char* const IndicesLista[] = {"", "Cod_Clifor/Formula", "Cod_Reduz/Formula"};
const char* const OrdensClientes[] = {"Order By Cod_Clifor", "Order By Nome", "Order By Fantasia"};
// Column order of the customer chooser per order, as field indexes of the
// list (0 Cod_Clifor, 1 Nome, 2 Fantasia).
const int ColunasClientes[3][3] = {{0, 1, 2}, {1, 2, 0}, {2, 0, 1}};
const char* const CamposClientes[] = {"Cod_Clifor", "Nome", "Fantasia"};

// Refills a combo box without letting the refill write into the row, and
// keeps the item that was chosen.
template <class Preencher> void recarregar(QComboBox* caixa, Preencher preencher) {
    const QVariant atual = caixa->currentData();
    const QSignalBlocker bloqueio(caixa);
    preencher();
    caixa->setCurrentIndex(atual.isValid() ? caixa->findData(atual) : -1);
}

void selecionar(QTableView* g, ModeloLinhas* m, const Marcador& marcador) {
    const int linha = marcador.valido ? m->linhaDe(marcador.rowid) : -1;
    if (linha >= 0)
        g->setCurrentIndex(m->index(linha, 0));
}
} // namespace

TfoCadFormula::TfoCadFormula(TDMFormula& dm, QWidget* parent) : QWidget(parent), dm_(dm) {
    setObjectName("TfoCadFormula");
    setWindowTitle("Cadastro de Fórmulas");
    resize(1220, 800);

    paginas_ = new QStackedWidget(this);
    paginaLista_ = criarPaginaLista();
    paginaFormula_ = criarPaginaFormula();
    paginas_->addWidget(paginaLista_);
    paginas_->addWidget(paginaFormula_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(paginas_);

    // Enter has its own meaning on these; elsewhere it moves on.
    for (QWidget* w : std::initializer_list<QWidget*>{quantidade_, incluirComp_, gravarComp_})
        w->installEventFilter(this);
    AvancarComEnter(this);
    LembrarJanela(this);
}

QWidget* TfoCadFormula::criarPaginaLista() {
    auto* pagina = new QWidget(this);
    pagina->setObjectName("Lista");
    auto* topo = new QHBoxLayout;
    auto* rotulo = new QLabel("Ordem", pagina);
    topo->addWidget(rotulo);
    ordem_ = new QComboBox(pagina);
    ordem_->setObjectName("Ordem");
    ordem_->addItems({"FORMULA", "CLIENTE", "PRODUTO"});
    topo->addWidget(ordem_);
    pesquisa_ = new QLineEdit(pagina);
    pesquisa_->setObjectName("Pesquisa");
    topo->addWidget(pesquisa_, 1);

    modeloLista_ = new ModeloLinhas(
        {"FORMULA", "COR", "MATIZADOR", "PRODUTO", "Nome", "CLIENTE", "Nome", "RESPONSAVEL"},
        pagina);
    modeloLista_->alinharDireita({3, 5});
    gradeLista_ = NovaGrade(modeloLista_, "GradeLista", pagina);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    connect(NovoBotao("Incluir", pagina, botoes), &QPushButton::clicked, this,
            &TfoCadFormula::incluir);
    connect(NovoBotao("Alterar", pagina, botoes), &QPushButton::clicked, this,
            &TfoCadFormula::alterar);
    connect(NovoBotao("Excluir", pagina, botoes), &QPushButton::clicked, this,
            &TfoCadFormula::excluir);
    connect(NovoBotao("Fechar", pagina, botoes), &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(pagina);
    layout->addLayout(topo);
    layout->addWidget(gradeLista_);
    layout->addLayout(botoes);

    connect(ordem_, &QComboBox::activated, this, &TfoCadFormula::trocarOrdem);
    connect(pesquisa_, &QLineEdit::textEdited, this, &TfoCadFormula::pesquisar);
    connect(gradeLista_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TfoCadFormula::seguirGradeLista);
    return pagina;
}

QWidget* TfoCadFormula::criarPaginaFormula() {
    auto* pagina = new QWidget(this);
    pagina->setObjectName("Formula");
    auto* layout = new QVBoxLayout(pagina);
    layout->addWidget(criarCabecalho());

    auto* botoes = new QWidget(pagina);
    botoes->setObjectName("BotoesFormula");
    auto* lb = new QHBoxLayout(botoes);
    lb->addStretch();
    gravarFormula_ = NovoBotao("Gravar", botoes, lb);
    cancelarFormula_ = NovoBotao("Cancelar", botoes, lb);
    connect(gravarFormula_, &QPushButton::clicked, this, &TfoCadFormula::gravar);
    connect(cancelarFormula_, &QPushButton::clicked, this, &TfoCadFormula::cancelar);
    layout->addWidget(botoes);
    layout->addWidget(criarComponentes(), 1);
    return pagina;
}

QWidget* TfoCadFormula::criarCabecalho() {
    auto* caixa = new QWidget(this);
    caixa->setObjectName("Cabecalho");
    auto* g = new QGridLayout(caixa);
    vinculoCabecalho_ = new VinculoCampos(dm_.TFormula, this);
    // Three label/field pairs a line, the fields taking the spare width;
    // customer and product names span two pairs. Fields are created in the
    // order Tab and Enter follow.
    for (int c : {1, 3, 5})
        g->setColumnStretch(c, 1);
    auto por = [&](const QString& rotulo, QWidget* campo, int linha, int par, int pares = 1) {
        auto* r = new QLabel(rotulo, caixa);
        r->setObjectName(rotulo);
        g->addWidget(r, linha, 2 * par);
        g->addWidget(campo, linha, 2 * par + 1, 1, 2 * pares - 1);
        return r;
    };
    auto linhaTexto = [&](const QString& campo, const QString& mascara = QString()) {
        auto* e = new QLineEdit(caixa);
        e->setObjectName(campo);
        vinculoCabecalho_->ligar(e, campo, mascara);
        return e;
    };
    auto combo = [&](const QString& campo) {
        auto* c = new CaixaEscolha(caixa);
        c->setObjectName(campo);
        vinculoCabecalho_->ligar(c, campo);
        return c;
    };

    QLineEdit* ref = linhaTexto("Formula");
    vinculoCabecalho_->somenteLeitura(ref);
    por("Ref", ref, 0, 0);
    data_ = linhaTexto("DATACAD");
    por("Data", data_, 0, 1);
    resptec_ = combo("CodResp");
    por("Resp.Técnico", resptec_, 0, 2);

    cliente_ = new CaixaEscolha(caixa);
    cliente_->setObjectName("Cod_Clifor");
    modeloClientes_ = new ModeloLinhas({"Cod_Clifor", "Nome", "Fantasia"}, this);
    cliente_->setModel(modeloClientes_);
    auto* vista = new QTableView(cliente_);
    vista->setSelectionBehavior(QAbstractItemView::SelectRows);
    PrepararGrade(vista);
    cliente_->setView(vista);
    vinculoCabecalho_->ligar(cliente_, "Cod_Clifor");
    // The customer chooser and its order share one cell.
    auto* celulaCliente = new QWidget(caixa);
    auto* lc = new QHBoxLayout(celulaCliente);
    lc->setContentsMargins(0, 0, 0, 0);
    lc->addWidget(cliente_, 1);
    auto* rotuloOrdem = new QLabel("Ordem", celulaCliente);
    rotuloOrdem->setObjectName("Ordem");
    lc->addWidget(rotuloOrdem);
    ordemClientesCaixa_ = new QComboBox(celulaCliente);
    ordemClientesCaixa_->setObjectName("OrdemClientes");
    ordemClientesCaixa_->addItems({"Codigo", "Nome", "Fantasia"});
    ordemClientesCaixa_->setCurrentIndex(1);
    lc->addWidget(ordemClientesCaixa_);
    por("Cliente", celulaCliente, 1, 0, 2);
    connect(ordemClientesCaixa_, &QComboBox::activated, this, &TfoCadFormula::trocarOrdemClientes);
    matizador_ = combo("CodMatizador");
    por("Matizador", matizador_, 1, 2);

    QLineEdit* codProduto = linhaTexto("Cod_Reduz");
    vinculoCabecalho_->somenteLeitura(codProduto);
    por("Produto", codProduto, 2, 0);
    auto* comboProduto = new CaixaEscolha(caixa);
    comboProduto->setObjectName("Descr.");
    comboProduto->antesDeAbrir = [this] { preencherProdutos(); };
    produto_ = comboProduto;
    vinculoCabecalho_->ligar(produto_, "Cod_Reduz");
    por("Descr.", produto_, 2, 1, 2);
    connect(produto_, &QComboBox::currentIndexChanged, this, [this, codProduto] {
        const int codigo = dm_.TFormula.campo("Cod_Reduz").inteiro();
        codProduto->setText(codigo ? QString::number(codigo) : QString());
        grupo_->setText(dm_.grupoProduto(codigo));
    });

    rotuloCor_ = por("Cor", linhaTexto("COR"), 3, 0);
    auto* origem = new QComboBox(caixa);
    origem->setObjectName("Origem");
    origem->setEditable(true);
    origem->addItems({"CLIENTE", "REPRESENTANTE"});
    vinculoCabecalho_->ligar(origem, "Origem");
    por("Origem", origem, 3, 1);
    grupo_ = new QLineEdit(caixa);
    grupo_->setObjectName("Grupo");
    grupo_->setReadOnly(true);
    AparenciaSomenteLeitura(grupo_, true);
    por("Grupo", grupo_, 3, 2);

    por("Pr.Esp.", linhaTexto("PrecoEspecial"), 4, 0);
    por("Densidade", linhaTexto("Densidade", "##0.0000"), 4, 1);
    por("Tot.Itens", linhaTexto("TotalItens"), 4, 2);
    auto* senha = new QCheckBox("Senha", caixa);
    senha->setObjectName("Senha");
    vinculoCabecalho_->ligar(senha, "Senha");
    g->addWidget(senha, 5, 1);

    observacao_ = new QPlainTextEdit(caixa);
    observacao_->setObjectName("Observacao");
    vinculoCabecalho_->ligar(observacao_, "Observacao");
    observacao_->setMaximumHeight(80);
    observacao_->setTabChangesFocus(true);
    g->addWidget(observacao_, 6, 0, 1, 6);
    return caixa;
}

QWidget* TfoCadFormula::criarComponentes() {
    auto* caixa = new QWidget(this);
    caixa->setObjectName("Componentes");
    modeloComponentes_ = new ModeloLinhas(
        {"ORD", "GR", "CODIGO", "QUANT.", "UNP", "DESCRIÇÃO DA MATERIA PRIMA", "%"}, this);
    modeloComponentes_->alinharDireita({0, 2, 3, 6});
    gradeComponentes_ = NovaGrade(modeloComponentes_, "GradeComponentes", caixa);
    AlturaMinimaLinhas(gradeComponentes_, 10);
    LarguraMaximaColunas(gradeComponentes_, 60);
    connect(gradeComponentes_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TfoCadFormula::seguirGradeComponentes);

    auto* botoes = new QWidget(caixa);
    botoes->setObjectName("BotoesComponente");
    auto* lb = new QHBoxLayout(botoes);
    incluirComp_ = NovoBotao("Incluir", botoes, lb);
    alterarComp_ = NovoBotao("Alterar", botoes, lb);
    excluirComp_ = NovoBotao("Excluir", botoes, lb);
    lb->addStretch();
    connect(incluirComp_, &QPushButton::clicked, this, &TfoCadFormula::incluirComponente);
    connect(alterarComp_, &QPushButton::clicked, this, &TfoCadFormula::alterarComponente);
    connect(excluirComp_, &QPushButton::clicked, this, &TfoCadFormula::excluirComponente);

    editor_ = new QWidget(caixa);
    editor_->setObjectName("Editor");
    auto* le = new QHBoxLayout(editor_);
    vinculoComponente_ = new VinculoCampos(dm_.TFormulai, this);
    auto* r1 = new QLabel("Componente", editor_);
    r1->setObjectName("Componente");
    le->addWidget(r1);
    auto* comboComp = new CaixaEscolha(editor_);
    comboComp->setObjectName("Componente");
    comboComp->antesDeAbrir = [this] { preencherMateriasPrimas(); };
    componente_ = comboComp;
    vinculoComponente_->ligar(componente_, "Componente");
    le->addWidget(componente_, 1);
    referencia_ = new QLabel(editor_);
    referencia_->setObjectName("Referencia");
    le->addWidget(referencia_);
    auto* r2 = new QLabel("Quantidade", editor_);
    r2->setObjectName("Quantidade");
    le->addWidget(r2);
    quantidade_ = new QLineEdit(editor_);
    quantidade_->setObjectName("QUANTIDADE");
    vinculoComponente_->ligar(quantidade_, "QUANTIDADE");
    le->addWidget(quantidade_);
    gravarComp_ = NovoBotao("Gravar", editor_, le);
    cancelarComp_ = NovoBotao("Cancelar", editor_, le);
    connect(gravarComp_, &QPushButton::clicked, this, &TfoCadFormula::gravarComponente);
    connect(cancelarComp_, &QPushButton::clicked, this, &TfoCadFormula::cancelarComponente);
    connect(componente_, &QComboBox::currentIndexChanged, this, &TfoCadFormula::mostrarReferencia);

    auto* layout = new QVBoxLayout(caixa);
    layout->addWidget(gradeComponentes_, 1);
    layout->addWidget(botoes);
    layout->addWidget(editor_);
    return caixa;
}

bool TfoCadFormula::abrir() {
    try {
        dm_.abrir();
        ordemClientes_ = 1;
        ordemClientesCaixa_->setCurrentIndex(1);
        preencherClientes();
        preencherProdutos();
        preencherCodigos(resptec_, dm_.TResptec);
        preencherCodigos(matizador_, dm_.TMatizador);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    rotuloCor_->setText(Sess().FatModNf == 162 ? "Composto" : "Cor");
    ordem_->setCurrentIndex(0);
    pesquisa_->clear();
    modo_.clear();
    mostrarLista();
    return true;
}

bool TfoCadFormula::naPaginaLista() const {
    return paginas_->currentWidget() == paginaLista_;
}

void TfoCadFormula::mostrarLista() {
    paginas_->setCurrentWidget(paginaLista_);
    atualizarLista();
}

void TfoCadFormula::mostrarFormula() {
    paginas_->setCurrentWidget(paginaFormula_);
    mostrarCabecalho();
    preencherMateriasPrimas();
    atualizarComponentes();
    editandoComponente(false);
    data_->setFocus();
}

void TfoCadFormula::atualizarLista() {
    LerListaFormulas(dm_, *modeloLista_);
    selecionar(gradeLista_, modeloLista_, dm_.TFormula.marcador());
}

void TfoCadFormula::atualizarComponentes() {
    LerComponentes(dm_, *modeloComponentes_);
    selecionar(gradeComponentes_, modeloComponentes_, dm_.TFormulai.marcador());
}

void TfoCadFormula::mostrarCabecalho() {
    vinculoCabecalho_->mostrar();
    grupo_->setText(dm_.grupoProduto(dm_.TFormula.campo("Cod_Reduz").inteiro()));
}

void TfoCadFormula::seguirGradeLista() {
    const QVariant chave = modeloLista_->chave(gradeLista_->currentIndex().row());
    if (chave.isValid() && dm_.TFormula.estado() == EstadoDados::Navegando)
        dm_.TFormula.irPara({chave.toLongLong(), true});
}

void TfoCadFormula::seguirGradeComponentes() {
    const QVariant chave = modeloComponentes_->chave(gradeComponentes_->currentIndex().row());
    if (!chave.isValid() || dm_.TFormulai.estado() != EstadoDados::Navegando)
        return;
    dm_.TFormulai.irPara({chave.toLongLong(), true});
    vinculoComponente_->mostrar();
    mostrarReferencia();
}

void TfoCadFormula::preencherClientes() {
    const int* colunas = ColunasClientes[ordemClientes_];
    QList<QStringList> linhas;
    QVariantList chaves;
    Consulta& q = dm_.QClientes;
    for (q.primeiro(); !q.eof(); q.proximo()) {
        QStringList linha;
        for (int i = 0; i < 3; ++i)
            linha << q.campo(CamposClientes[colunas[i]]).texto();
        linhas << linha;
        chaves << q.campo("Cod_Clifor").inteiro();
    }
    recarregar(cliente_, [&] {
        auto* modelo = new ModeloLinhas(
            {CamposClientes[colunas[0]], CamposClientes[colunas[1]], CamposClientes[colunas[2]]},
            this);
        modelo->definir(linhas, chaves);
        cliente_->setModel(modelo);
        modeloClientes_->deleteLater();
        modeloClientes_ = modelo;
        for (int i = 0; i < 3; ++i)
            if (colunas[i] == 1)
                cliente_->setModelColumn(i);
    });
}

void TfoCadFormula::preencherProdutos() {
    dm_.abrirProdutos();
    recarregar(produto_, [this] {
        produto_->clear();
        Consulta& q = dm_.QProdutos;
        for (q.primeiro(); !q.eof(); q.proximo())
            produto_->addItem(q.campo("Nome1").texto(), q.campo("Cod_Reduz").inteiro());
    });
}

void TfoCadFormula::preencherMateriasPrimas() {
    dm_.abrirMateriasPrimas();
    recarregar(componente_, [this] {
        componente_->clear();
        referencias_.clear();
        Consulta& q = dm_.QMateriasPrimas;
        for (q.primeiro(); !q.eof(); q.proximo()) {
            const int codigo = q.campo("Cod_Reduz").inteiro();
            componente_->addItem(q.campo("Nome1").texto(), codigo);
            referencias_.insert(codigo, q.campo("Referencia").texto());
        }
    });
}

void TfoCadFormula::preencherCodigos(QComboBox* caixa, Tabela& t) {
    recarregar(caixa, [&] {
        caixa->clear();
        for (t.primeiro(); !t.eof(); t.proximo())
            caixa->addItem(t.campo("Nome").texto(), t.campo("Codigo").inteiro());
    });
}

void TfoCadFormula::mostrarReferencia() {
    referencia_->setText(referencias_.value(componente_->currentData().toInt()));
}

void TfoCadFormula::trocarOrdem(int ordem) {
    if (ordem < 0 || ordem > 2)
        return;
    ordem_->setCurrentIndex(ordem);
    TrocarIndice(dm_.TFormula, IndicesLista[ordem]);
    pesquisa_->clear();
    pesquisa_->setFocus();
    atualizarLista();
}

void TfoCadFormula::pesquisar(const QString& texto) {
    if (texto.isEmpty())
        return;
    Tabela& f = dm_.TFormula;
    if (ordem_->currentIndex() == 0) {
        f.localizarProximo({dm_.filial(), texto});
    } else {
        bool ok = false;
        const int valor = texto.toInt(&ok);
        if (!ok) {
            MostrarErro("'" + texto + "' is not a valid integer value");
            return;
        }
        f.localizarProximo({dm_.filial(), valor});
    }
    selecionar(gradeLista_, modeloLista_, f.marcador());
}

void TfoCadFormula::incluir() {
    if (!dm_.EmitirNumeroFormula()) {
        atualizarLista();
        return;
    }
    modo_ = "I";
    mostrarFormula();
}

void TfoCadFormula::alterar() {
    Tabela& f = dm_.TFormula;
    if (f.vazio())
        return;
    if (f.campo("Senha").logico() && !AutorizarAcesso(107))
        return;
    if (!EditarRegistro(f))
        return;
    modo_ = "A";
    mostrarFormula();
}

void TfoCadFormula::excluir() {
    if (dm_.TFormula.vazio() || !AutorizarAcesso(119))
        return;
    if (!Confirmar("Confirma exclusao do registro"))
        return;
    dm_.ExcluirFormula();
    atualizarLista();
}

void TfoCadFormula::gravar() {
    if (!vinculoCabecalho_->validar())
        return;
    Tabela& f = dm_.TFormula;
    // The full count: a count kept in 8 bits would let 256 rows pass as 0.
    if (dm_.TFormulai.contarRegistros() != f.campo("TotalItens").inteiro()) {
        MostrarMensagem("Total de itens não fecha");
        return;
    }
    if (Sess().FatModNf == 102) {
        if (f.campo("Cod_Clifor").inteiro() == 0) {
            MostrarMensagem("Cliente em branco");
            return;
        }
        if (f.campo("Cod_Reduz").inteiro() == 0) {
            MostrarMensagem("Produto em branco");
            return;
        }
    }
    if (f.campo("CodResp").inteiro() == 0) {
        MostrarMensagem("Resp.Técnico em branco");
        return;
    }
    if (!GravarRegistro(f))
        return;
    if (modo_ == "I" && Sess().FatModNf == 162)
        dm_.CriarGrupoFormula();
    const QString numero = f.campo("Formula").texto();
    modo_.clear();
    mostrarLista();
    if (aposGravar_)
        aposGravar_(numero);
}

void TfoCadFormula::cancelar() {
    dm_.TFormula.cancelar();
    if (modo_ == "I")
        dm_.DevolverNumeroFormula();
    modo_.clear();
    mostrarLista();
}

void TfoCadFormula::editandoComponente(bool sim) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{gradeComponentes_, incluirComp_, alterarComp_,
                                         excluirComp_, gravarFormula_, cancelarFormula_})
        w->setEnabled(!sim);
    editor_->setEnabled(sim);
    if (sim)
        preencherMateriasPrimas();
    vinculoComponente_->mostrar();
    mostrarReferencia();
}

void TfoCadFormula::incluirComponente() {
    if (!dm_.IncluirComponente())
        return;
    editandoComponente(true);
    componente_->setFocus();
}

void TfoCadFormula::alterarComponente() {
    if (dm_.TFormulai.vazio() || !EditarRegistro(dm_.TFormulai))
        return;
    editandoComponente(true);
    componente_->setFocus();
}

void TfoCadFormula::gravarComponente() {
    // A row that could not be read or posted stays in the editor.
    if (!vinculoComponente_->validar() || !dm_.GravarComponente())
        return;
    atualizarComponentes();
    editandoComponente(false);
    if (modo_ == "I")
        incluirComp_->setFocus();
    else
        gradeComponentes_->setFocus();
}

void TfoCadFormula::cancelarComponente() {
    dm_.TFormulai.cancelar();
    dm_.RecalcularPercentuais();
    editandoComponente(false);
    atualizarComponentes();
}

void TfoCadFormula::excluirComponente() {
    Tabela& c = dm_.TFormulai;
    if (c.vazio() || !Confirmar("Confirma exclusao do registro"))
        return;
    dm_.ExcluirComponente();
    atualizarComponentes();
    vinculoComponente_->mostrar();
    mostrarReferencia();
}

void TfoCadFormula::trocarOrdemClientes(int ordem) {
    if (ordem < 0 || ordem > 2)
        return;
    ordemClientes_ = ordem;
    ordemClientesCaixa_->setCurrentIndex(ordem);
    try {
        dm_.abrirClientes(OrdensClientes[ordem]);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return;
    }
    preencherClientes();
}

void TfoCadFormula::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (!evento->spontaneous() && naPaginaLista())
        abrir();
}

void TfoCadFormula::closeEvent(QCloseEvent* evento) {
    // Closing with a formula open gives up its edits, as "Cancelar" does.
    if (!naPaginaLista()) {
        if (dm_.TFormulai.estado() != EstadoDados::Navegando)
            cancelarComponente();
        cancelar();
    }
    QWidget::closeEvent(evento);
}

bool TfoCadFormula::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() != QEvent::KeyPress)
        return false;
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    if (tecla != Qt::Key_Return && tecla != Qt::Key_Enter)
        return false;
    if (objeto == quantidade_) {
        gravarComponente();
        return true;
    }
    // On "Incluir" or the editor's "Gravar": save what is open, then start
    // the next component.
    if (dm_.TFormulai.estado() != EstadoDados::Navegando) {
        gravarComponente();
        if (dm_.TFormulai.estado() != EstadoDados::Navegando)
            return true;
    }
    incluirComponente();
    return true;
}
