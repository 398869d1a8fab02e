// The pages of the product register window: controls, bindings and
// signal connections. The behaviour is in TFoCadProduto.cpp.
#include "TDMCadProduto.h"
#include "TFoCadProduto.h"

#include "services/Botao.h"
#include "services/CaixaEscolha.h"
#include "services/ExportacaoPlanilha.h"
#include "services/Grade.h"
#include "services/ModeloLinhas.h"
#include "services/VinculoCampos.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QVBoxLayout>

namespace {
// Three label/box pairs a line; the boxes take the spare width.
QGridLayout* Grade3(QWidget* pagina) {
    auto* g = new QGridLayout(pagina);
    for (int c : {1, 3, 5})
        g->setColumnStretch(c, 1);
    return g;
}

// A page whose fields scroll when the window is small.
QWidget* Rolavel(QWidget* conteudo, const QString& nome, QWidget* pai) {
    auto* area = new QScrollArea(pai);
    area->setObjectName(nome);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(conteudo);
    return area;
}

QComboBox* Codigos(QWidget* pai, const QString& nome,
                   std::initializer_list<std::pair<const char*, const char*>> itens) {
    auto* c = new QComboBox(pai);
    c->setObjectName(nome);
    for (const auto& [codigo, texto] : itens)
        c->addItem(QString::fromUtf8(texto), QString::fromUtf8(codigo));
    return c;
}

QPushButton* Botao(const QString& texto, QWidget* pai, QLayout* l, QList<QPushButton*>& lista) {
    QPushButton* b = NovoBotao(texto, pai, l);
    lista << b;
    return b;
}
} // namespace

QLineEdit* TFoCadProduto::caixa(QGridLayout* g, int linha, int par, const QString& rotulo,
                                const QString& campo, const QString& mascara, int pares) {
    QWidget* pai = g->parentWidget();
    auto* r = new QLabel(rotulo, pai);
    r->setObjectName(rotulo);
    auto* e = new QLineEdit(pai);
    e->setObjectName(campo);
    vinculo_->ligar(e, campo, mascara);
    g->addWidget(r, linha, 2 * par);
    g->addWidget(e, linha, 2 * par + 1, 1, 2 * pares - 1);
    return e;
}

CaixaEscolha* TFoCadProduto::escolha(QGridLayout* g, int linha, int par, const QString& rotulo,
                                     const QString& campo, int pares) {
    QWidget* pai = g->parentWidget();
    auto* r = new QLabel(rotulo, pai);
    r->setObjectName(rotulo);
    auto* c = new CaixaEscolha(pai);
    c->setObjectName(campo);
    vinculo_->ligar(c, campo);
    g->addWidget(r, linha, 2 * par);
    g->addWidget(c, linha, 2 * par + 1, 1, 2 * pares - 1);
    return c;
}

QWidget* TFoCadProduto::criarPaginaLista() {
    auto* pagina = new QWidget(this);
    pagina->setObjectName("Lista");

    auto* topo = new QHBoxLayout;
    topo->addWidget(new QLabel("Ordem", pagina));
    ordem_ = new QComboBox(pagina);
    ordem_->setObjectName("Ordem");
    ordem_->addItems(TDMCadProduto::Ordens());
    topo->addWidget(ordem_);
    pesquisa_ = new QLineEdit(pagina);
    pesquisa_->setObjectName("Pesquisa");
    topo->addWidget(pesquisa_, 1);
    connect(NovoBotao("Pesquisa Avançada", pagina, topo), &QPushButton::clicked, this,
            &TFoCadProduto::pesquisaAvancada);

    auto* caixaFiltro = new QGroupBox("Filtro", pagina);
    caixaFiltro->setObjectName("Filtro");
    auto* gf = new QGridLayout(caixaFiltro);
    gf->addWidget(new QLabel("Situação", caixaFiltro), 0, 0);
    situacao_ = new QComboBox(caixaFiltro);
    situacao_->setObjectName("Situacao");
    situacao_->addItems({"Ativos", "Inativos", "Todos"});
    gf->addWidget(situacao_, 1, 0);
    const std::pair<const char*, const char*> campos[] = {{"Referência", "Referencia"},
                                                          {"Ref. Fornec.", "RefFornec"},
                                                          {"Nome 2", "NOME2"},
                                                          {"Nome 3", "NOME3"},
                                                          {"NCM", "CLAS_FISC"},
                                                          {"Unidade", "UNID_PAD"},
                                                          {"Marca", "MARCA"}};
    int coluna = 1;
    for (const auto& [rotulo, campo] : campos) {
        gf->addWidget(new QLabel(QString::fromUtf8(rotulo), caixaFiltro), 0, coluna);
        auto* e = new QLineEdit(caixaFiltro);
        e->setObjectName(QString::fromUtf8(campo));
        gf->addWidget(e, 1, coluna++);
        filtros_ << e;
    }
    auto* bf = new QVBoxLayout;
    connect(NovoBotao("Filtrar", caixaFiltro, bf), &QPushButton::clicked, this,
            &TFoCadProduto::filtrar);
    connect(NovoBotao("Sem Filtro", caixaFiltro, bf), &QPushButton::clicked, this,
            &TFoCadProduto::semFiltro);
    gf->addLayout(bf, 0, coluna, 2, 1);

    modeloLista_ = new ModeloLinhas(
        {"Codigo", "Descrição", "Referência", "Un", "Classificação", "NCM", "Marca", "Situação"},
        pagina);
    modeloLista_->alinharDireita({0});
    gradeLista_ = NovaGrade(modeloLista_, "GradeLista", pagina);
    gradeLista_->setContextMenuPolicy(Qt::CustomContextMenu);

    auto* painel = new QGroupBox("Estatísticas", pagina);
    painel->setObjectName("Estatisticas");
    auto* ge = new QGridLayout(painel);
    const char* const rotulos[] = {"Estoque Físico",  "Saldo Pedidos", "Estoque Mínimo",
                                   "Ponto Encomenda", "Preço Compra",  "Último Custo"};
    int linha = 0;
    for (const char* r : rotulos) {
        ge->addWidget(new QLabel(QString::fromUtf8(r), painel), linha, 0);
        auto* valor = new QLabel(painel);
        valor->setObjectName(QString::fromUtf8(r));
        valor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        valor->setMinimumWidth(fontMetrics().horizontalAdvance("0000.000.000,000000"));
        ge->addWidget(valor, linha++, 1);
        estatisticas_ << valor;
    }
    ge->setRowStretch(linha, 1);

    auto* meio = new QHBoxLayout;
    meio->addWidget(gradeLista_, 1);
    meio->addWidget(painel);

    auto* layout = new QVBoxLayout(pagina);
    layout->addLayout(topo);
    layout->addWidget(caixaFiltro);
    layout->addLayout(meio, 1);

    connect(ordem_, &QComboBox::activated, this, &TFoCadProduto::trocarOrdem);
    connect(pesquisa_, &QLineEdit::textEdited, this, &TFoCadProduto::pesquisar);
    connect(gradeLista_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TFoCadProduto::seguirGradeLista);
    connect(gradeLista_, &QTableView::doubleClicked, this, &TFoCadProduto::consultar);
    return pagina;
}

void TFoCadProduto::criarMenu() {
    menu_ = new QMenu(this);
    menu_->setObjectName("MenuLista");
    fichaEstoque_ = menu_->addAction("Ficha de Estoque");
    movimentacao_ = menu_->addAction("Movimentação do Produto");
    saldoPorProduto_ = menu_->addAction("Saldo por Produto");
    logDescricao_ = menu_->addAction("Log de Alteração da Descrição");
    aliquotas_ = menu_->addAction("Cadastro de Alíquotas de Importação Por Origem");
    menu_->addSeparator();
    clonar_ = menu_->addAction("Clonar Produto");
    for (QAction* a : menu_->actions())
        a->setObjectName(a->text());
    connect(fichaEstoque_, &QAction::triggered, this, &TFoCadProduto::fichaEstoque);
    connect(movimentacao_, &QAction::triggered, this, &TFoCadProduto::movimentacaoProduto);
    connect(saldoPorProduto_, &QAction::triggered, this, &TFoCadProduto::saldoPorProduto);
    connect(logDescricao_, &QAction::triggered, this, &TFoCadProduto::logDescricao);
    connect(aliquotas_, &QAction::triggered, this, &TFoCadProduto::impostoImportacao);
    connect(clonar_, &QAction::triggered, this, &TFoCadProduto::clonar);
    // The product's menu takes the place of the grid's own, keeping its export.
    menu_->addSeparator();
    QAction* exportar = menu_->addAction("Exportar para planilha…");
    exportar->setObjectName(exportar->text());
    connect(exportar, &QAction::triggered, this,
            [this] { ExportarGradeParaPlanilha(*gradeLista_); });
    disconnect(gradeLista_, &QWidget::customContextMenuRequested, nullptr, nullptr);
    connect(gradeLista_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { menu_->popup(gradeLista_->viewport()->mapToGlobal(p)); });
}

QWidget* TFoCadProduto::criarPaginaPrincipal() {
    auto* conteudo = new QWidget;
    QGridLayout* g = Grade3(conteudo);
    QLineEdit* codigo = caixa(g, 0, 0, "Código", "Cod_Reduz");
    vinculo_->somenteLeitura(codigo);
    auto* situacao = Codigos(conteudo, "SITUACAO", {{"1", "Ativo"}, {"0", "Inativo"}});
    vinculo_->ligar(situacao, "SITUACAO");
    g->addWidget(new QLabel("Situação", conteudo), 0, 2);
    g->addWidget(situacao, 0, 3);
    vinculo_->somenteLeitura(caixa(g, 0, 2, "Data Cadastro", "DataCadastro"));

    nome1_ = caixa(g, 1, 0, "Descrição", "NOME1", QString(), 2);
    referencia_ = caixa(g, 1, 2, "Referência", "REFERENCIA");
    connect(referencia_, &QLineEdit::editingFinished, this, [this] {
        if (!modo_.isEmpty() && referencia_->isModified() && !dm_->VerificarReferencia())
            referencia_->setFocus();
        referencia_->setModified(false);
    });
    caixa(g, 2, 0, "Descrição 2", "NOME2");
    caixa(g, 2, 1, "Descrição 3", "NOME3");
    caixa(g, 2, 2, "Ref. Fornecedor", "RefFornec");

    for (int n = 1; n <= 5; ++n)
        niveis_ << escolha(g, 3 + (n - 1) / 3, (n - 1) % 3, "Nível " + QString::number(n),
                           "Nivel" + QString::number(n));
    caixa(g, 4, 2, "Marca", "MARCA");

    caixa(g, 5, 0, "Unidade", "UNID_PAD");
    caixa(g, 5, 1, "Unid. DIPI", "UNID_DIPI");
    caixa(g, 5, 2, "Conversão", "CONVERSAO", "##0.0000");

    g->addWidget(new QLabel("Class. Fiscal", conteudo), 6, 0);
    clasFisc_ = new QComboBox(conteudo);
    clasFisc_->setObjectName("CLAS_FISC");
    clasFisc_->setEditable(true);
    clasFisc_->setInsertPolicy(QComboBox::NoInsert);
    vinculo_->ligar(clasFisc_, "CLAS_FISC");
    g->addWidget(clasFisc_, 6, 1);
    auto* origem = Codigos(conteudo, "SIT_TRIBUT",
                           {{"0", "0 - Nacional"},
                            {"1", "1 - Estrangeira, importação direta"},
                            {"2", "2 - Estrangeira, mercado interno"}});
    vinculo_->ligar(origem, "SIT_TRIBUT");
    g->addWidget(new QLabel("Origem", conteudo), 6, 2);
    g->addWidget(origem, 6, 3);
    auto* tipoItem = Codigos(conteudo, "TipoItemSped",
                             {{"00", "00 - Mercadoria para revenda"},
                              {"01", "01 - Matéria-prima"},
                              {"02", "02 - Embalagem"},
                              {"03", "03 - Produto em processo"},
                              {"04", "04 - Produto acabado"},
                              {"05", "05 - Subproduto"},
                              {"06", "06 - Produto intermediário"},
                              {"07", "07 - Material de uso e consumo"},
                              {"08", "08 - Ativo imobilizado"},
                              {"09", "09 - Serviços"},
                              {"10", "10 - Outros insumos"},
                              {"99", "99 - Outras"}});
    vinculo_->ligar(tipoItem, "TipoItemSped");
    g->addWidget(new QLabel("Tipo do Item", conteudo), 6, 4);
    g->addWidget(tipoItem, 6, 5);

    caixa(g, 7, 0, "Tipo", "TIPO");
    caixa(g, 7, 1, "Produção", "Producao");
    caixa(g, 7, 2, "Fórmula", "Formula");
    caixa(g, 8, 0, "Peso Líquido", "PESO", "##0.000000");
    caixa(g, 8, 1, "Peso Bruto", "PESOBRUTO", "##0.000000");
    caixa(g, 8, 2, "Densidade", "Densidade", "##0.0000");
    caixa(g, 9, 0, "Qtd. Embalagem", "QTD_EMB", "###,##0.0000");
    caixa(g, 9, 1, "Localização", "LOCALIZA");
    caixa(g, 9, 2, "GTIN/EAN", "GTIN_cEAN");
    for (int n = 1; n <= 6; ++n) {
        CaixaEscolha* f =
            escolha(g, 10 + (n - 1) / 3, (n - 1) % 3, "Fornecedor " + QString::number(n),
                    "Cod_For" + QString::number(n));
        f->installEventFilter(this);
        fornecedores_ << f;
    }
    g->setRowStretch(12, 1);
    return Rolavel(conteudo, "Principal", this);
}

QWidget* TFoCadProduto::criarPaginaSecundario() {
    auto* conteudo = new QWidget;
    QGridLayout* g = Grade3(conteudo);
    const char* const campos[][2] = {
        {"% IPI Entrada", "PER_IPI_E"},
        {"Red. IPI Entrada", "RED_IPI_E"},
        {"% ICMS Entrada", "PER_ICM_E"},
        {"Red. ICMS Entrada", "RED_ICM_E"},
        {"% IPI Saída", "PER_IPI_S"},
        {"Red. IPI Saída", "RED_IPI_S"},
        {"% ICMS Saída", "PER_ICM_S"},
        {"Red. ICMS Saída", "RED_ICM_S"},
        {"Subst. Tributária", "SUBST_TRIB"},
        {"Transf. ICMS", "TRANSF_ICM"},
        {"Valor DIPI", "VALORDIPI"},
        {"Cód. Origem", "Origem"},
        {"% PIS", "PercPis"},
        {"% COFINS", "PercCofins"},
        {"PIS por Qtd.", "PisAliqQtd"},
        {"COFINS por Qtd.", "CofinsAliqQtd"},
        {"Serviço (LC 116)", "CListServ"},
        {"ISSQN Retido", "IssqnRetido"},
        {"Cód. Serviço", "CodServico"},
        {"Complemento NF-e", "TipoComplementoNfe"},
        {"Classe", "Classe"},
        {"Nº ONU", "Cod_Onu"},
        {"Classe de Risco", "ClasseDeRisco"},
        {"Grupo Embalagem", "GrupoEmbalagem"},
        {"Validade", "Validade"},
        {"Tipo Validade", "TipoValidade"},
        {"Registro MS", "RegistroMS"},
        {"Código DCB", "CodigoDCB"},
        {"Unid. Consumo", "Unid_Consumo"},
        {"Qtd. Conversão", "Qtd_Conv"},
        {"Lote", "Lote"},
        {"Data Lote", "DataLote"},
        {"Comprimento", "Comprimento"},
        {"Largura", "Largura"},
        {"Altura", "Altura"},
        {"Grau", "GRAU"},
        {"Contr. Qualidade", "CONTRCOMOD"},
        {"Proporção", "Proporcao"},
        {"DIN", "DIN"},
        {"Margem", "Margem"},
        {"Multiplicador", "Multiplicador"},
        {"CT %", "CT"},
        {"Tabela CT", "CodCT"},
        {"Ferramenta", "Cod_Ferramenta"},
        {"Imprime na Lista", "LISTAPRECO"},
    };
    int i = 0;
    for (const auto& c : campos) {
        caixa(g, i / 3, i % 3, QString::fromUtf8(c[0]), c[1]);
        ++i;
    }
    const int linha = (i + 2) / 3;
    caixa(g, linha, 0, "Observação 1", "OBSERV1", QString(), 2);
    auto* controlado = new QCheckBox("Produto Controlado", conteudo);
    controlado->setObjectName("ProdutoControlado");
    vinculo_->ligar(controlado, "ProdutoControlado");
    g->addWidget(controlado, linha, 5);
    caixa(g, linha + 1, 0, "Observação 2", "OBSERV2", QString(), 2);
    g->setRowStretch(linha + 2, 1);
    return Rolavel(conteudo, "Secundário", this);
}

QWidget* TFoCadProduto::criarPaginaEstatisticos() {
    auto* conteudo = new QWidget;
    QGridLayout* g = Grade3(conteudo);
    const QString q = "###,##0.0000";
    vinculo_->somenteLeitura(caixa(g, 0, 0, "Estoque Físico", "QTD_FIS", q));
    caixa(g, 0, 1, "Estoque Mínimo", "QTD_MIN", q);
    caixa(g, 0, 2, "Ponto Encomenda", "QTD_PTOENC", q);
    caixa(g, 1, 0, "Encomenda", "QTD_ENC", q);
    caixa(g, 1, 1, "Pedidos", "QTD_PED", q);
    qtdEmp1_ = caixa(g, 1, 2, "Empenho 1", "QTD_EMP1", q);
    qtdEmp1_->installEventFilter(this);
    caixa(g, 2, 0, "Empenho 2", "QTD_EMP2", q);
    caixa(g, 2, 1, "Comprador", "COMPRADOR");
    caixa(g, 2, 2, "Última O.C.", "DATA_ORDC");
    caixa(g, 3, 0, "Última Entrada", "DATA_ENTR");
    caixa(g, 3, 1, "Qtd. Entrada", "QTD_ENTR", q);
    precoEntr_ = caixa(g, 3, 2, "Preço Entrada", "PRECO_ENTR", q);
    ultimoCusto_ = caixa(g, 4, 0, "Último Custo", "ULTIMOCUST", q);
    vinculo_->somenteLeitura(caixa(g, 4, 1, "Custo Médio", "CustoMedio", q));
    caixa(g, 4, 2, "Custo Intermediário", "CustoIntermediario", q);
    caixa(g, 5, 0, "Última Venda", "DATA_VEND");
    caixa(g, 5, 1, "Qtd. Venda", "QTD_VEND", q);
    caixa(g, 5, 2, "Preço Últ. Venda", "PRECO_VEND", q);
    caixa(g, 6, 0, "Último Pedido", "DATA_PED");
    caixa(g, 6, 1, "Último Fornecedor", "Cod_Ult_Fo");
    caixa(g, 6, 2, "Último Cliente", "Cod_Ult_Cl");
    caixa(g, 7, 0, "Última NF", "Nr_Ult_Nf");
    caixa(g, 7, 1, "Código Markup", "Codigo_Markup");
    cifrao_ = NovoBotao("$", conteudo);
    cifrao_->setToolTip("Acesso ao Cadastro de Markup");
    cifrao_->setMaximumWidth(40);
    g->addWidget(cifrao_, 7, 4, Qt::AlignLeft);
    connect(cifrao_, &QPushButton::clicked, this, &TFoCadProduto::abrirMarkup);

    markup_ = new QGroupBox("Mark up", conteudo);
    markup_->setObjectName("GrupoMarkup");
    auto* gm = new QGridLayout(markup_);
    auto par = [&](int linha, int coluna, const QString& rotulo, const QString& campo) {
        auto* r = new QLabel(rotulo, markup_);
        r->setObjectName(rotulo);
        auto* e = new QLineEdit(markup_);
        e->setObjectName(rotulo);
        vinculo_->ligar(e, campo, q);
        gm->addWidget(r, linha, 2 * coluna);
        gm->addWidget(e, linha, 2 * coluna + 1);
        return std::pair{r, e};
    };
    QLineEdit* markup = par(0, 0, "Mark up", "LISTA6").second;
    QLineEdit* venda = par(0, 1, "Preço venda", "LISTA1").second;
    const auto markup2 = par(1, 0, "Mark Up 2", "LISTA7");
    const auto venda2 = par(1, 1, "Preço Venda 2", "LISTA2");
    // The second pair shows only where it is kept.
    par2_ = {markup2.first, markup2.second, venda2.first, venda2.second};
    venda->setProperty("lista", 1);
    venda2.second->setProperty("lista", 2);
    venda->installEventFilter(this);
    listas_ << venda << venda2.second;
    g->addWidget(markup_, 8, 0, 1, 6);
    g->setRowStretch(9, 1);

    connect(markup, &QLineEdit::editingFinished, this, [this] {
        dm_->SairMarkup(1);
        vinculo_->mostrar();
        aplicarPermissoesCampos();
    });
    connect(markup2.second, &QLineEdit::editingFinished, this, [this] {
        dm_->SairMarkup(2);
        vinculo_->mostrar();
        aplicarPermissoesCampos();
    });
    connect(venda, &QLineEdit::editingFinished, this, [this] {
        dm_->SairPrecoVenda(1);
        vinculo_->mostrar();
        aplicarPermissoesCampos();
    });
    connect(venda2.second, &QLineEdit::editingFinished, this, [this] {
        dm_->SairPrecoVenda(2);
        vinculo_->mostrar();
        aplicarPermissoesCampos();
    });
    connect(ultimoCusto_, &QLineEdit::editingFinished, this, [this] {
        dm_->SairUltimoCusto();
        vinculo_->mostrar();
        aplicarPermissoesCampos();
    });
    return Rolavel(conteudo, "Estatísticos", this);
}

QWidget* TFoCadProduto::criarPaginaListaPreco() {
    auto* conteudo = new QWidget;
    auto* g = new QGridLayout(conteudo);
    g->addWidget(new QLabel("Preço", conteudo), 0, 1);
    g->addWidget(new QLabel("Alterada em", conteudo), 0, 2);
    g->addWidget(new QLabel("% Comissão", conteudo), 0, 3);
    for (int n = 1; n <= 10; ++n) {
        const QString s = QString::number(n);
        auto* nome = new QLabel("Lista " + s, conteudo);
        nome->setObjectName("NomeLista" + s);
        nomesListas_ << nome;
        auto* lista = new QLineEdit(conteudo);
        lista->setObjectName("LISTA" + s);
        vinculo_->ligar(lista, "LISTA" + s, "###,##0.0000");
        lista->setProperty("lista", n);
        listas_ << lista;
        auto* data = new QLineEdit(conteudo);
        data->setObjectName("DATA_L" + s);
        vinculo_->ligar(data, "DATA_L" + s);
        vinculo_->somenteLeitura(data);
        auto* comissao = new QLineEdit(conteudo);
        comissao->setObjectName("PER_COMIS" + s);
        vinculo_->ligar(comissao, "PER_COMIS" + s, "##0.00");
        g->addWidget(nome, n, 0);
        g->addWidget(lista, n, 1);
        g->addWidget(data, n, 2);
        g->addWidget(comissao, n, 3);
    }
    g->setColumnStretch(4, 1);
    g->setRowStretch(11, 1);
    QLineEdit* lista1 = listas_.last();
    for (QLineEdit* l : listas_)
        if (l->property("lista").toInt() == 1 && l->parent() == conteudo)
            lista1 = l;
    lista1->installEventFilter(this);
    connect(lista1, &QLineEdit::editingFinished, this, [this] {
        dm_->SairLista1();
        vinculo_->mostrar();
        aplicarPermissoesCampos();
    });
    return Rolavel(conteudo, "Lista de Preço", this);
}

QWidget* TFoCadProduto::criarPaginaRegiao() {
    auto* pagina = new QWidget(this);
    pagina->setObjectName("Região Fiscal");
    modeloRegiao_ = new ModeloLinhas({"Região", "% ICMS", "% Base", "% Cupom", "Carimbo", "% MVA",
                                      "Mod. BC", "Mod. BC ST", "CST"},
                                     pagina);
    modeloRegiao_->alinharDireita({1, 2, 3, 4, 5});
    gradeRegiao_ = NovaGrade(modeloRegiao_, "GradeRegiao", pagina);
    connect(gradeRegiao_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        const QVariant chave = modeloRegiao_->chave(gradeRegiao_->currentIndex().row());
        if (chave.isValid() && dm_->TAliqbase.estado() == EstadoDados::Navegando) {
            dm_->TAliqbase.irPara({chave.toLongLong(), true});
            vinculoRegiao_->mostrar();
        }
    });

    painelRegiao_ = new QWidget(pagina);
    painelRegiao_->setObjectName("PainelRegiao");
    auto* g = new QGridLayout(painelRegiao_);
    vinculoRegiao_ = new VinculoCampos(dm_->TAliqbase, this);
    const char* const campos[][2] = {{"% ICMS", "ALIQUOTA"},   {"% Base ICMS", "BASEICMS"},
                                     {"% Cupom", "ALIQCUPOM"}, {"% MVA", "PercSubst"},
                                     {"Mod. BC", "ModBc"},     {"Mod. BC ST", "ModBcST"},
                                     {"CST ICMS", "CstICMS"}};
    int i = 0;
    for (const auto& c : campos) {
        auto* e = new QLineEdit(painelRegiao_);
        e->setObjectName(c[1]);
        vinculoRegiao_->ligar(e, c[1]);
        g->addWidget(new QLabel(QString::fromUtf8(c[0]), painelRegiao_), i / 2, 2 * (i % 2));
        g->addWidget(e, i / 2, 2 * (i % 2) + 1);
        ++i;
    }
    const int linha = (i + 1) / 2;
    g->addWidget(new QLabel("Carimbo", painelRegiao_), linha, 0);
    carimbo_ = new CaixaEscolha(painelRegiao_);
    carimbo_->setObjectName("COD_CARIMB");
    vinculoRegiao_->ligar(carimbo_, "COD_CARIMB");
    auto* celulaCarimbo = new QHBoxLayout;
    celulaCarimbo->addWidget(carimbo_, 1);
    g->addLayout(celulaCarimbo, linha, 1, 1, 3);
    // The boxes keep a modest width; the spare room stays to the right.
    g->setColumnStretch(4, 1);

    auto* botoes = new QHBoxLayout;
    Botao("Incluir", pagina, botoes, botoesRegiao_);
    Botao("Alterar", pagina, botoes, botoesRegiao_);
    Botao("Excluir", pagina, botoes, botoesRegiao_);
    Botao("OK", pagina, botoes, botoesRegiao_);
    Botao("Cancelar", pagina, botoes, botoesRegiao_);
    Botao(" X ", painelRegiao_, celulaCarimbo, botoesRegiao_);
    botoes->addStretch();
    connect(botoesRegiao_[0], &QPushButton::clicked, this, &TFoCadProduto::incluirRegiao);
    connect(botoesRegiao_[1], &QPushButton::clicked, this, &TFoCadProduto::alterarRegiao);
    connect(botoesRegiao_[2], &QPushButton::clicked, this, &TFoCadProduto::excluirRegiao);
    connect(botoesRegiao_[3], &QPushButton::clicked, this, &TFoCadProduto::gravarRegiao);
    connect(botoesRegiao_[4], &QPushButton::clicked, this, &TFoCadProduto::cancelarRegiao);
    connect(botoesRegiao_[5], &QPushButton::clicked, this, &TFoCadProduto::limparCarimbo);

    auto* layout = new QVBoxLayout(pagina);
    layout->addWidget(gradeRegiao_, 1);
    layout->addWidget(painelRegiao_);
    layout->addLayout(botoes);
    return pagina;
}

QWidget* TFoCadProduto::criarPaginaTamanho() {
    auto* pagina = new QWidget(this);
    pagina->setObjectName("Tamanho");
    modeloTamanho_ = new ModeloLinhas({"Tamanho", "Lista 1", "Lista 2", "Lista 3", "Lista 4",
                                       "Lista 5", "Lista 6", "Pares/Talão", "GTIN/EAN"},
                                      pagina);
    modeloTamanho_->alinharDireita({1, 2, 3, 4, 5, 6, 7});
    gradeTamanho_ = NovaGrade(modeloTamanho_, "GradeTamanho", pagina);
    connect(gradeTamanho_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        const QVariant chave = modeloTamanho_->chave(gradeTamanho_->currentIndex().row());
        if (chave.isValid() && dm_->TTamanho.estado() == EstadoDados::Navegando) {
            dm_->TTamanho.irPara({chave.toLongLong(), true});
            vinculoTamanho_->mostrar();
        }
    });

    painelTamanho_ = new QWidget(pagina);
    painelTamanho_->setObjectName("PainelTamanho");
    auto* g = new QGridLayout(painelTamanho_);
    vinculoTamanho_ = new VinculoCampos(dm_->TTamanho, this);
    for (int n = 1; n <= 6; ++n) {
        auto* e = new QLineEdit(painelTamanho_);
        e->setObjectName("LISTA" + QString::number(n));
        vinculoTamanho_->ligar(e, e->objectName(), "###,##0.0000");
        g->addWidget(new QLabel("Lista " + QString::number(n), painelTamanho_), (n - 1) / 3,
                     2 * ((n - 1) % 3));
        g->addWidget(e, (n - 1) / 3, 2 * ((n - 1) % 3) + 1);
    }
    auto* pares = new QLineEdit(painelTamanho_);
    pares->setObjectName("ParesTalao");
    vinculoTamanho_->ligar(pares, "ParesTalao");
    g->addWidget(new QLabel("Pares/Talão", painelTamanho_), 2, 0);
    g->addWidget(pares, 2, 1);
    g->setColumnStretch(6, 1);
    auto* gtin = new QLineEdit(painelTamanho_);
    gtin->setObjectName("GTIN_CodEAN");
    vinculoTamanho_->ligar(gtin, "GTIN_CodEAN");
    g->addWidget(new QLabel("GTIN/EAN", painelTamanho_), 2, 2);
    g->addWidget(gtin, 2, 3);

    auto* botoes = new QHBoxLayout;
    Botao("Incluir", pagina, botoes, botoesTamanho_);
    Botao("Alterar", pagina, botoes, botoesTamanho_);
    Botao("Excluir", pagina, botoes, botoesTamanho_);
    Botao("OK", pagina, botoes, botoesTamanho_);
    Botao("Cancelar", pagina, botoes, botoesTamanho_);
    botoes->addStretch();
    connect(botoesTamanho_[0], &QPushButton::clicked, this, &TFoCadProduto::incluirTamanho);
    connect(botoesTamanho_[1], &QPushButton::clicked, this, &TFoCadProduto::alterarTamanho);
    connect(botoesTamanho_[2], &QPushButton::clicked, this, &TFoCadProduto::excluirTamanho);
    connect(botoesTamanho_[3], &QPushButton::clicked, this, &TFoCadProduto::gravarTamanho);
    connect(botoesTamanho_[4], &QPushButton::clicked, this, &TFoCadProduto::cancelarTamanho);

    auto* layout = new QVBoxLayout(pagina);
    layout->addWidget(gradeTamanho_, 1);
    layout->addWidget(painelTamanho_);
    layout->addLayout(botoes);
    return pagina;
}

QWidget* TFoCadProduto::criarPaginaObservacoes() {
    auto* pagina = new QWidget(this);
    pagina->setObjectName("Observações");
    modeloObservacao_ = new ModeloLinhas({"Seq.", "Observação"}, pagina);
    modeloObservacao_->alinharDireita({0});
    gradeObservacao_ = NovaGrade(modeloObservacao_, "GradeObservacao", pagina);
    LarguraMaximaColunas(gradeObservacao_, 72);
    connect(
        gradeObservacao_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
            const QVariant chave = modeloObservacao_->chave(gradeObservacao_->currentIndex().row());
            if (chave.isValid() && dm_->TObseProd.estado() == EstadoDados::Navegando) {
                dm_->TObseProd.irPara({chave.toLongLong(), true});
                vinculoObservacao_->mostrar();
            }
        });
    vinculoObservacao_ = new VinculoCampos(dm_->TObseProd, this);
    observacao_ = new QLineEdit(pagina);
    observacao_->setObjectName("Observacao");
    vinculoObservacao_->ligar(observacao_, "Observacao");

    auto* botoes = new QHBoxLayout;
    Botao("Incluir", pagina, botoes, botoesObservacao_);
    Botao("Alterar", pagina, botoes, botoesObservacao_);
    Botao("Excluir", pagina, botoes, botoesObservacao_);
    Botao("Gravar", pagina, botoes, botoesObservacao_);
    Botao("Cancelar", pagina, botoes, botoesObservacao_);
    botoes->addStretch();
    connect(botoesObservacao_[0], &QPushButton::clicked, this, &TFoCadProduto::incluirObservacao);
    connect(botoesObservacao_[1], &QPushButton::clicked, this, &TFoCadProduto::alterarObservacao);
    connect(botoesObservacao_[2], &QPushButton::clicked, this, &TFoCadProduto::excluirObservacao);
    connect(botoesObservacao_[3], &QPushButton::clicked, this, &TFoCadProduto::gravarObservacao);
    connect(botoesObservacao_[4], &QPushButton::clicked, this, &TFoCadProduto::cancelarObservacao);

    auto* layout = new QVBoxLayout(pagina);
    layout->addWidget(gradeObservacao_, 1);
    layout->addWidget(observacao_);
    layout->addLayout(botoes);
    return pagina;
}

QWidget* TFoCadProduto::criarPaginaPrecos() {
    auto* pagina = new QWidget(this);
    pagina->setObjectName("Preços");
    painelPlanilha_ = new QGroupBox("Planilha de Preços", pagina);
    painelPlanilha_->setObjectName("Planilha");
    auto* g = Grade3(painelPlanilha_);
    vinculoPlanilha_ = new VinculoCampos(dm_->TPrecos, this);
    auto caixaPlanilha = [&](int linha, int par, const QString& rotulo, const QString& campo,
                             bool calculado = false,
                             const QString& mascara = QString("###,##0.0000")) {
        auto* r = new QLabel(rotulo, painelPlanilha_);
        r->setObjectName(rotulo);
        auto* e = new QLineEdit(painelPlanilha_);
        e->setObjectName(campo);
        vinculoPlanilha_->ligar(e, campo, mascara);
        if (calculado)
            vinculoPlanilha_->somenteLeitura(e);
        g->addWidget(r, linha, 2 * par);
        g->addWidget(e, linha, 2 * par + 1);
        return e;
    };
    caixaPlanilha(0, 0, "Preço Compra", "PrecoCompra");
    caixaPlanilha(0, 1, "% Desconto", "DescPer");
    caixaPlanilha(0, 2, "Desconto R$", "DescVlr");
    caixaPlanilha(1, 0, "% Acréscimo 1", "AcrePer");
    caixaPlanilha(1, 1, "% Acréscimo 2", "AcrePer2");
    caixaPlanilha(1, 2, "% Acréscimo 3", "AcrePer3");
    caixaPlanilha(2, 0, "Acréscimo R$ 1", "AcreVlr1");
    caixaPlanilha(2, 1, "Acréscimo R$ 2", "AcreVlr2");
    caixaPlanilha(2, 2, "Preço Líquido", "PrecoCompraLiq", true);
    for (int n = 1; n <= 7; ++n)
        caixaPlanilha(3 + (n - 1) / 3, (n - 1) % 3, QString::number(15 + 5 * n) + " %",
                      "Margem" + QString::number(n), true);
    caixaPlanilha(6, 0, "Preço Varejo", "PrecoVarejo");
    QLineEdit* indice = caixaPlanilha(6, 1, "Índice Atacado", "IndiceAtacado", false, QString());
    caixaPlanilha(6, 2, "Preço Atacado", "PrecoAtacado");
    connect(indice, &QLineEdit::editingFinished, this, [this] {
        dm_->AplicarIndiceAtacado();
        vinculoPlanilha_->mostrar();
    });
    for (const char* campo : {"PrecoCompra", "DescPer", "DescVlr", "AcrePer", "AcrePer2",
                              "AcrePer3", "AcreVlr1", "AcreVlr2"})
        connect(painelPlanilha_->findChild<QLineEdit*>(campo), &QLineEdit::editingFinished, this,
                [this] {
                    dm_->CalcularPlanilha();
                    vinculoPlanilha_->mostrar();
                });

    auto* botoes = new QHBoxLayout;
    Botao("Alterar", pagina, botoes, botoesPlanilha_);
    Botao("Gravar", pagina, botoes, botoesPlanilha_);
    Botao("Cancelar", pagina, botoes, botoesPlanilha_);
    botoes->addStretch();
    connect(botoesPlanilha_[0], &QPushButton::clicked, this, &TFoCadProduto::alterarPlanilha);
    connect(botoesPlanilha_[1], &QPushButton::clicked, this, &TFoCadProduto::gravarPlanilha);
    connect(botoesPlanilha_[2], &QPushButton::clicked, this, &TFoCadProduto::cancelarPlanilha);

    auto* margens = new QGroupBox("Margens", pagina);
    margens->setObjectName("Margens");
    modeloMargens_ = new ModeloLinhas({"Coluna", "Descrição", "Fator", "Divisor"}, margens);
    modeloMargens_->alinharDireita({0, 2});
    gradeMargens_ = NovaGrade(modeloMargens_, "GradeMargens", margens);
    AlturaMinimaLinhas(gradeMargens_, 7);
    auto* lm = new QHBoxLayout;
    margem_ = new QComboBox(margens);
    margem_->setObjectName("Margem");
    for (int n = 1; n <= 7; ++n)
        margem_->addItem(QString::number(15 + 5 * n) + " %", n);
    lm->addWidget(margem_);
    lm->addWidget(new QLabel("Fator", margens));
    fatorMargem_ = new QLineEdit(margens);
    fatorMargem_->setObjectName("Fator");
    lm->addWidget(fatorMargem_);
    divisorMargem_ = new QCheckBox("Divisor", margens);
    divisorMargem_->setObjectName("Divisor");
    lm->addWidget(divisorMargem_);
    connect(NovoBotao("Gravar Margem", margens, lm), &QPushButton::clicked, this,
            &TFoCadProduto::gravarMargem);
    lm->addStretch();
    auto* lmv = new QVBoxLayout(margens);
    lmv->addWidget(gradeMargens_);
    lmv->addLayout(lm);

    auto* layout = new QVBoxLayout(pagina);
    layout->addWidget(painelPlanilha_);
    layout->addLayout(botoes);
    layout->addWidget(margens, 1);
    return pagina;
}

QWidget* TFoCadProduto::criarPaginaEntradas() {
    auto* pagina = new QWidget(this);
    pagina->setObjectName("Entradas");
    auto* topo = new QHBoxLayout;
    topo->addWidget(new QLabel("Desde", pagina));
    desde_ = new QLineEdit(pagina);
    desde_->setObjectName("Desde");
    desde_->setInputMask("99/99/9999;_");
    desde_->setMaximumWidth(fontMetrics().horizontalAdvance("00/00/00000000"));
    topo->addWidget(desde_);
    connect(NovoBotao("Atualizar", pagina, topo), &QPushButton::clicked, this,
            &TFoCadProduto::atualizarEntradas);
    topo->addStretch();
    modeloEntradas_ = new ModeloLinhas(
        {"Fornecedor", "Nome", "Nota", "Data", "Quantidade", "Custo Unit.", "Preço Unit."}, pagina);
    modeloEntradas_->alinharDireita({0, 2, 4, 5, 6});
    auto* layout = new QVBoxLayout(pagina);
    layout->addLayout(topo);
    layout->addWidget(NovaGrade(modeloEntradas_, "GradeEntradas", pagina), 1);
    return pagina;
}

void TFoCadProduto::criarBotoes(QHBoxLayout* l) {
    incluir_ = NovoBotao("  Incluir", this, l);
    alterar_ = NovoBotao("Alterar", this, l);
    consultar_ = NovoBotao("Consultar", this, l);
    excluir_ = NovoBotao("Excluir", this, l);
    gravar_ = NovoBotao("Gravar", this, l);
    cancelar_ = NovoBotao("Cancelar", this, l);
    l->addStretch();
    impImportacao_ = NovoBotao("Imp Importação", this, l);
    precos_ = NovoBotao("Preços", this, l);
    QPushButton* fechar = NovoBotao("Fechar", this, l);
    connect(incluir_, &QPushButton::clicked, this, &TFoCadProduto::incluir);
    connect(alterar_, &QPushButton::clicked, this, &TFoCadProduto::alterar);
    connect(consultar_, &QPushButton::clicked, this, &TFoCadProduto::consultar);
    connect(excluir_, &QPushButton::clicked, this, &TFoCadProduto::excluir);
    connect(gravar_, &QPushButton::clicked, this, &TFoCadProduto::gravar);
    connect(cancelar_, &QPushButton::clicked, this, &TFoCadProduto::cancelar);
    connect(impImportacao_, &QPushButton::clicked, this, &TFoCadProduto::impostoImportacao);
    connect(precos_, &QPushButton::clicked, this, &TFoCadProduto::precos);
    connect(fechar, &QPushButton::clicked, this, &QWidget::close);
}
