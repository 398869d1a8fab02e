// The pages of the party register window: controls, bindings and signal
// connections. The behaviour is in TFoCadastroCliFor.cpp.
#include "PainelDetalhe.h"
#include "TFoCadastroCliFor.h"

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
// Label/box pairs on a line; the boxes take the spare width.
QGridLayout* Grade(QWidget* pai, int pares) {
    auto* g = new QGridLayout(pai);
    for (int c = 0; c < pares; ++c)
        g->setColumnStretch(2 * c + 1, 1);
    return g;
}

QGroupBox* Grupo(const QString& titulo, QWidget* pai) {
    auto* g = new QGroupBox(titulo, pai);
    g->setObjectName(titulo);
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

QLineEdit* CaixaLigada(VinculoCampos* v, QGridLayout* g, int linha, int par, const QString& rotulo,
                       const QString& campo, const QString& mascara = QString(), int pares = 1) {
    QWidget* pai = g->parentWidget();
    auto* r = new QLabel(rotulo, pai);
    r->setObjectName(rotulo);
    auto* e = new QLineEdit(pai);
    e->setObjectName(campo);
    v->ligar(e, campo, mascara);
    g->addWidget(r, linha, 2 * par);
    g->addWidget(e, linha, 2 * par + 1, 1, 2 * pares - 1);
    return e;
}

QCheckBox* Marca(VinculoCampos* v, QGridLayout* g, int linha, int coluna, const QString& texto,
                 const QString& campo) {
    auto* c = new QCheckBox(texto, g->parentWidget());
    c->setObjectName(campo);
    v->ligar(c, campo);
    g->addWidget(c, linha, coluna);
    return c;
}
} // namespace

QLineEdit* TFoCadastroCliFor::caixa(QGridLayout* g, int linha, int par, const QString& rotulo,
                                    const QString& campo, const QString& mascara, int pares) {
    return CaixaLigada(vinculo_, g, linha, par, rotulo, campo, mascara, pares);
}

QComboBox* TFoCadastroCliFor::escolha(QGridLayout* g, int linha, int par, const QString& rotulo,
                                      const QString& campo, std::function<OpcoesClifor()> fonte,
                                      int pares) {
    QWidget* pai = g->parentWidget();
    auto* r = new QLabel(rotulo, pai);
    r->setObjectName(rotulo);
    auto* c = new CaixaEscolha(pai);
    c->setObjectName(campo);
    vinculo_->ligar(c, campo);
    g->addWidget(r, linha, 2 * par);
    g->addWidget(c, linha, 2 * par + 1, 1, 2 * pares - 1);
    fontes_.push_back({c, std::move(fonte)});
    return c;
}

QComboBox* TFoCadastroCliFor::codigos(QGridLayout* g, int linha, int par, const QString& rotulo,
                                      const QString& campo,
                                      const QList<std::pair<QString, QString>>& itens,
                                      VinculoCampos* vinculo) {
    QWidget* pai = g->parentWidget();
    auto* r = new QLabel(rotulo, pai);
    r->setObjectName(rotulo);
    auto* c = new QComboBox(pai);
    c->setObjectName(campo);
    for (const auto& [codigo, texto] : itens)
        c->addItem(texto, codigo);
    vinculo->ligar(c, campo);
    g->addWidget(r, linha, 2 * par);
    g->addWidget(c, linha, 2 * par + 1);
    return c;
}

QWidget* TFoCadastroCliFor::criarPaginaLista() {
    auto* pagina = new QWidget(this);
    pagina->setObjectName("Lista");
    auto* topo = new QHBoxLayout;
    topo->addWidget(new QLabel("Cadastro", pagina));
    registro_ = new QComboBox(pagina);
    registro_->setObjectName("Cadastro");
    registro_->addItem("Clientes", "0");
    registro_->addItem("Fornecedores", "1");
    topo->addWidget(registro_);
    topo->addWidget(new QLabel("Situação", pagina));
    situacao_ = new QComboBox(pagina);
    situacao_->setObjectName("Situacao");
    situacao_->addItems({"Ativos", "Inativos", "Todos"});
    topo->addWidget(situacao_);
    topo->addWidget(new QLabel("Ordem", pagina));
    ordem_ = new QComboBox(pagina);
    ordem_->setObjectName("Ordem");
    ordem_->addItems(TDMCadClifor::Ordens());
    topo->addWidget(ordem_);
    topo->addWidget(new QLabel("Pesquisa", pagina));
    pesquisa_ = new QLineEdit(pagina);
    pesquisa_->setObjectName("Pesquisa");
    topo->addWidget(pesquisa_, 1);

    modeloLista_ = new ModeloLinhas(
        {"Código", "Nome", "Fantasia", "CPF/CNPJ", "Cidade", "UF", "Fone", "Situação"}, pagina);
    modeloLista_->alinharDireita({0});
    gradeLista_ = NovaGrade(modeloLista_, "GradeLista", pagina);
    gradeLista_->setContextMenuPolicy(Qt::CustomContextMenu);

    auto* layout = new QVBoxLayout(pagina);
    layout->addLayout(topo);
    layout->addWidget(gradeLista_, 1);

    connect(registro_, &QComboBox::activated, this, &TFoCadastroCliFor::trocarRegistro);
    connect(situacao_, &QComboBox::activated, this, &TFoCadastroCliFor::trocarRegistro);
    connect(ordem_, &QComboBox::activated, this, &TFoCadastroCliFor::trocarOrdem);
    connect(pesquisa_, &QLineEdit::textEdited, this, &TFoCadastroCliFor::pesquisar);
    connect(gradeLista_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TFoCadastroCliFor::seguirGradeLista);
    connect(gradeLista_, &QTableView::doubleClicked, this, &TFoCadastroCliFor::consultar);
    return pagina;
}

void TFoCadastroCliFor::criarMenu() {
    menu_ = new QMenu(this);
    menu_->setObjectName("MenuCliente");
    acaoEmails_ = menu_->addAction("E-mails do Cliente");
    acaoEnderecos_ = menu_->addAction("Cadastro de Endereços");
    acaoLog_ = menu_->addAction("Consulta Log de Alterações");
    acaoCadastroEstadual_ = menu_->addAction("Consulta Cadastro Estadual");
    menu_->addSeparator();
    acaoSistema_ = menu_->addAction("Trocar Sistema do Cliente\\Fornecedor");
    menu_->addSeparator();
    // The windows of these entries come later; their entries wait for them.
    for (const char* entrada :
         {"Medidas", "Consulta Dados Cadastrais", "Consulta CNPJ", "Captura Dados do Cliente",
          "Movimentação do Cliente", "Relatório de Clientes por Cidade",
          "Relatório Completo de Clientes"})
        menu_->addAction(QString::fromUtf8(entrada))->setEnabled(false);
    for (QAction* a : menu_->actions())
        a->setObjectName(a->text());
    connect(acaoEmails_, &QAction::triggered, this, &TFoCadastroCliFor::emails);
    connect(acaoEnderecos_, &QAction::triggered, this, &TFoCadastroCliFor::enderecos);
    connect(acaoLog_, &QAction::triggered, this, &TFoCadastroCliFor::logAlteracoes);
    connect(acaoCadastroEstadual_, &QAction::triggered, this,
            &TFoCadastroCliFor::consultarCadastroEstadual);
    connect(acaoSistema_, &QAction::triggered, this, &TFoCadastroCliFor::trocarSistema);
    // The party's menu takes the place of the grid's own, keeping its export.
    menu_->addSeparator();
    QAction* exportar = menu_->addAction("Exportar para planilha…");
    exportar->setObjectName(exportar->text());
    connect(exportar, &QAction::triggered, this,
            [this] { ExportarGradeParaPlanilha(*gradeLista_); });
    disconnect(gradeLista_, &QWidget::customContextMenuRequested, nullptr, nullptr);
    connect(gradeLista_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { menu_->popup(gradeLista_->viewport()->mapToGlobal(p)); });
}

QWidget* TFoCadastroCliFor::criarPaginaEndereco() {
    auto* conteudo = new QWidget;
    auto* layout = new QVBoxLayout(conteudo);

    QGroupBox* id = Grupo("Identificação", conteudo);
    QGridLayout* g = Grade(id, 4);
    vinculo_->somenteLeitura(caixa(g, 0, 0, "Código", "Cod_Clifor"));
    vinculo_->somenteLeitura(caixa(g, 0, 1, "Tipo", "Tipo"));
    vinculo_->somenteLeitura(caixa(g, 0, 2, "Sistema", "Sistema"));
    caixa(g, 0, 3, "Data Cadastro", "DATA_CAD");
    nome_ = caixa(g, 1, 0, "Nome", "NOME", QString(), 3);
    Marca(vinculo_, g, 1, 7, "Ativo", "Ativo");
    maiusculas_ << nome_ << caixa(g, 2, 0, "Fantasia", "FANTASIA", QString(), 3);
    auto* rotuloDocumento = new QLabel("CPF/CNPJ", id);
    documento_ = new QLineEdit(id);
    documento_->setObjectName("CGC");
    // Punctuation may be typed or pasted; it is dropped on leaving.
    documento_->setMaxLength(20);
    g->addWidget(rotuloDocumento, 3, 0);
    g->addWidget(documento_, 3, 1);
    caixa(g, 3, 1, "Insc. Estadual", "INSC_EST");
    caixa(g, 3, 2, "Insc. Suframa", "InscSuframa");
    escolha(g, 3, 3, "País", "Cod_Pais", [this] { return dm_->paises(); });
    connect(documento_, &QLineEdit::editingFinished, this, &TFoCadastroCliFor::sairDocumento);
    layout->addWidget(id);

    // The main and delivery addresses carry their municipality code and
    // its "!" button.
    struct Endereco {
        const char* titulo;
        const char* campos[7]; // street, number, complement, district, city, state, postal code
        const char* municipio;
    };
    const Endereco enderecos[] = {
        {"Endereço Principal",
         {"ENDERECO", "NUMERO", "COMPLEMENTO", "BAIRRO", "CIDADE", "ESTADO", "COD_CEPEND"},
         "CodMunicipio"},
        {"Cobrança",
         {"END_COB", "NUM_COB", "COMPLCOB", "BAICOB", "CID_COB", "EST_COB", "COD_CEPCOB"},
         nullptr},
        {"Entrega",
         {"END_ENT", "NUM_ENT", "COMPLENT", "BAIENT", "CID_ENT", "EST_ENT", "COD_CEPENT"},
         "CodMuniEnt"},
    };
    for (const Endereco& e : enderecos) {
        QGroupBox* grupo = Grupo(QString::fromUtf8(e.titulo), conteudo);
        QGridLayout* ge = Grade(grupo, 4);
        maiusculas_ << caixa(ge, 0, 0, "Endereço", e.campos[0], QString(), 2);
        caixa(ge, 0, 2, "Número", e.campos[1]);
        maiusculas_ << caixa(ge, 0, 3, "Complemento", e.campos[2]);
        maiusculas_ << caixa(ge, 1, 0, "Bairro", e.campos[3]);
        maiusculas_ << caixa(ge, 1, 1, "Cidade", e.campos[4]);
        maiusculas_ << caixa(ge, 1, 2, "UF", e.campos[5]);
        caixa(ge, 1, 3, "CEP", e.campos[6]);
        if (e.municipio) {
            QLineEdit* m = CaixaLigada(vinculo_, ge, 2, 0, "Cód. Município", e.municipio);
            m->installEventFilter(this);
            m->setToolTip("Duplo clique: lista de municípios");
            auto* botao = NovoBotao("!", grupo);
            botao->setObjectName(QString("Busca ") + e.municipio);
            botao->setToolTip("Busca Código do Municipio");
            botao->setMaximumWidth(botao->fontMetrics().horizontalAdvance("  !  ") + 16);
            ge->addWidget(botao, 2, 2);
            const bool entrega = QString(e.municipio) == "CodMuniEnt";
            connect(botao, &QPushButton::clicked, this,
                    [this, entrega] { buscarMunicipio(entrega); });
            (entrega ? municipioEntrega_ : municipio_) = m;
            (entrega ? buscaMunicipioEntrega_ : buscaMunicipio_) = botao;
        }
        layout->addWidget(grupo);
    }

    QGroupBox* contato = Grupo("Contato", conteudo);
    QGridLayout* gc = Grade(contato, 4);
    caixa(gc, 0, 0, "DDD", "DDDFone1");
    emailsFones_ << caixa(gc, 0, 1, "Fone 1", "TELEFONE1");
    caixa(gc, 0, 2, "DDD", "DDDFone2");
    emailsFones_ << caixa(gc, 0, 3, "Fone 2", "TELEFONE2");
    caixa(gc, 1, 0, "DDD", "DDDFax");
    emailsFones_ << caixa(gc, 1, 1, "Fax", "FAX");
    caixa(gc, 1, 2, "Telex", "TELEX");
    caixa(gc, 1, 3, "Contato", "NOM_CONTAT");
    emailsFones_ << caixa(gc, 2, 0, "E-mail", "E_Mail", QString(), 2);
    emailsFones_ << caixa(gc, 2, 2, "E-mail Compras", "EmailCompr", QString(), 2);
    caixa(gc, 3, 0, "Home Page", "HomePage", QString(), 2);
    layout->addWidget(contato);
    layout->addStretch();
    return Rolavel(conteudo, "Endereço", this);
}

QWidget* TFoCadastroCliFor::criarPaginaComercial() {
    auto* conteudo = new QWidget;
    auto* layout = new QVBoxLayout(conteudo);

    QGroupBox* credito = Grupo("Crédito", conteudo);
    QGridLayout* g = Grade(credito, 3);
    limite_ = caixa(g, 0, 0, "Limite de Crédito", "LIMITCRED", "###,##0.00");
    limite_->installEventFilter(this);
    escolha(g, 0, 1, "Conceito", "Cod_Conc", [this] { return dm_->conceitos(); });
    caixa(g, 0, 2, "Validade Conceito", "DT_VALCONC");
    caixa(g, 1, 0, "Obs. Crédito", "OBSERVCRED", QString(), 2);
    caixa(g, 1, 2, "Máx. Dias Atraso", "MAXDIASATR");
    caixa(g, 2, 0, "Início Limite Atraso", "DTINILIMAT");
    caixa(g, 2, 1, "Máx. Dias Prazo", "MaxDiasPrz");
    caixa(g, 2, 2, "Pedido Mínimo", "VlrMinPed", "###,##0.00");
    layout->addWidget(credito);

    QGroupBox* venda = Grupo("Venda", conteudo);
    QGridLayout* gv = Grade(venda, 3);
    vendedor1_ = escolha(gv, 0, 0, "Vendedor 1", "Cod_Vend1", [this] { return dm_->partes(2); });
    vendedor1_->installEventFilter(this);
    vendedores_ << vendedor1_
                << escolha(gv, 0, 1, "Vendedor 2", "Cod_Vend2", [this] { return dm_->partes(2); });
    caixa(gv, 0, 2, "% Comissão", "COMISSAO", "##0.00");
    escolha(gv, 1, 0, "Região", "Cod_Regiao", [this] { return dm_->regioes(); });
    escolha(gv, 1, 1, "Vencimento", "Vct_Codigo", [this] { return dm_->vencimentos(); });
    escolha(gv, 1, 2, "Transportadora", "Cod_Transp", [this] { return dm_->partes(4); });
    escolha(gv, 2, 0, "Banco", "Cod_Banco", [this] { return dm_->partes(5); });
    escolha(gv, 2, 1, "Moeda", "Cod_Moeda", [this] { return dm_->moedas(); });
    QList<std::pair<QString, QString>> listas;
    for (int n = 1; n <= 10; ++n)
        listas << std::pair{QString::number(n), "Lista " + QString::number(n)};
    codigos(gv, 2, 2, "Lista Preferencial", "ListaPrecoPref", listas, vinculo_);
    codigos(gv, 3, 0, "Frete", "CIFFOB", {{"C", "CIF"}, {"F", "FOB"}}, vinculo_);
    caixa(gv, 3, 1, "% ICMS", "ICM", "##0.00");
    caixa(gv, 3, 2, "% Desp. Financeira", "DESP_FINAN", "##0.00");
    layout->addWidget(venda);

    QGroupBox* fiscal = Grupo("Fiscal e Bancário", conteudo);
    QGridLayout* gf = Grade(fiscal, 3);
    escolha(
        gf, 0, 0, "Enquadramento", "CodEnquadra", [this] { return dm_->enquadramentos(); }, 2);
    caixa(gf, 0, 2, "Cód. Contábil", "CODCONTABI");
    caixa(gf, 1, 0, "Banco Nº", "Banco");
    caixa(gf, 1, 1, "Agência", "Agencia");
    caixa(gf, 1, 2, "Conta", "Conta");
    caixa(gf, 2, 0, "Praça", "Praca_Banc");
    caixa(gf, 2, 1, "Abertura Empresa", "DataAberturaEmp");
    auto* marcas = new QHBoxLayout;
    for (const auto& [texto, campo] :
         {std::pair{"Simples", "Simples"}, std::pair{"Revenda", "Revenda"},
          std::pair{"IPI Suspenso", "IpiSuspenso"}}) {
        auto* c = new QCheckBox(texto, fiscal);
        c->setObjectName(campo);
        vinculo_->ligar(c, campo);
        marcas->addWidget(c);
    }
    marcas->addStretch();
    gf->addLayout(marcas, 3, 0, 1, 6);
    layout->addWidget(fiscal);

    QGroupBox* historico = Grupo("Histórico", conteudo);
    QGridLayout* gh = Grade(historico, 3);
    const char* const fixos[][3] = {
        {"Última Compra", "DATA_ULTC", ""}, {"Valor Última", "VALOR_ULTC", "###,##0.00"},
        {"Maior Compra", "DTMAIORCOM", ""}, {"Valor Maior", "MAIOR_COM", "###,##0.00"},
        {"Renovação", "Data_Renov", ""},    {"Incluído por", "UsuInclusao", ""},
    };
    int i = 0;
    for (const auto& f : fixos) {
        vinculo_->somenteLeitura(
            caixa(gh, i / 3, i % 3, QString::fromUtf8(f[0]), f[1], QString::fromLatin1(f[2])));
        ++i;
    }
    layout->addWidget(historico);
    layout->addStretch();
    return Rolavel(conteudo, "Comercial", this);
}

PainelDetalhe* TFoCadastroCliFor::novoLado(TDMCadClifor::Lado lado, const QString& nome,
                                           const QStringList& colunas,
                                           std::function<QStringList()> linha, QWidget* pai) {
    auto* p = new PainelDetalhe(dm_->tabela(lado), nome, colunas, std::move(linha), pai);
    p->aoMudar = [this] { atualizarEstado(); };
    lados_ << p;
    return p;
}

namespace {
// The side panel's boxes, two pairs a line.
QGridLayout* GradePainel(PainelDetalhe* p) {
    return Grade(p->painel(), 2);
}

void Ligar(PainelDetalhe* p, TDMCadClifor& dm, TDMCadClifor::Lado lado, QWidget* primeira) {
    p->definirAcoes(
        {[&dm, lado] { return dm.IncluirLado(lado); }, [&dm, lado] { return dm.AlterarLado(lado); },
         [&dm, lado] { return dm.GravarLado(lado); }, [&dm, lado] { return dm.ExcluirLado(lado); },
         [&dm, lado] { dm.CancelarLado(lado); }},
        primeira);
}
} // namespace

QWidget* TFoCadastroCliFor::criarPaginaPessoais() {
    auto* pagina = new QWidget(this);
    pagina->setObjectName("Pessoais");
    auto* dados = new QWidget(pagina);
    QGridLayout* g = Grade(dados, 3);
    VinculoCampos* v = vinculoComplemento_;
    const char* const campos[][2] = {
        {"Pai", "NOMEPAI"},
        {"Mãe", "NOMEMAE"},
        {"Cônjuge", "CONJUGE"},
        {"Nascimento", "DATANASC"},
        {"Local Nasc.", "LOCALNASC"},
        {"Estado Civil", "ESTCIVIL"},
        {"Profissão", "PROFISSAO"},
        {"Cargo", "CARGO"},
        {"Admissão", "DATAADMIS"},
        {"Local Trabalho", "LOCALTRAB"},
        {"End. Trabalho", "ENDERTRAB"},
        {"Salário", "SALARIO"},
        {"RG", "CART_IDEN"},
        {"Órgão Emissor", "Org_EmisRg"},
        {"CPF Cônjuge", "CpfConjuge"},
        {"Tempo Residência", "TempoResid"},
        {"Outras Rendas", "OUTRAREND"},
        {"Ref. Comerciais", "REFCOMERC"},
    };
    int i = 0;
    for (const auto& c : campos) {
        const bool valor = QString(c[1]) == "SALARIO" || QString(c[1]) == "OUTRAREND";
        CaixaLigada(v, g, i / 3, i % 3, QString::fromUtf8(c[0]), c[1],
                    valor ? "###,##0.00" : QString());
        ++i;
    }
    const int linha = (i + 2) / 3;
    codigos(g, linha, 0, "Sexo", "Sexo", {{"M", "Masculino"}, {"F", "Feminino"}}, v);
    casa_ = codigos(g, linha, 1, "Casa", "CASA", {{"P", "Própria"}, {"A", "Alugada"}}, v);
    aluguel_ = CaixaLigada(v, g, linha, 2, "Aluguel", "VlrAluga", "###,##0.00");
    // The rent is typed only for a rented home.
    connect(casa_, &QComboBox::currentIndexChanged, this, [this] { atualizarEstado(); });

    PainelDetalhe* filhos = novoLado(
        TDMCadClifor::Filhos, "Filhos", {"Nº", "Nome", "Nascimento", "Local", "Sexo"},
        [this] {
            Tabela& t = dm_->TFilhos;
            return QStringList{t.campo("Numero").texto(), t.campo("NOME").texto(),
                               t.campo("DATA_NASC").texto(), t.campo("LOCALNASC").texto(),
                               t.campo("Sexo").texto()};
        },
        pagina);
    QGridLayout* gf = GradePainel(filhos);
    QLineEdit* nomeFilho = CaixaLigada(filhos->vinculo(), gf, 0, 0, "Nome", "NOME");
    CaixaLigada(filhos->vinculo(), gf, 0, 1, "Nascimento", "DATA_NASC");
    CaixaLigada(filhos->vinculo(), gf, 1, 0, "Local Nasc.", "LOCALNASC");
    codigos(gf, 1, 1, "Sexo", "Sexo", {{"M", "Masculino"}, {"F", "Feminino"}}, filhos->vinculo());
    Ligar(filhos, *dm_, TDMCadClifor::Filhos, nomeFilho);

    auto* grupoFilhos = Grupo("Filhos", pagina);
    auto* lf = new QVBoxLayout(grupoFilhos);
    lf->addWidget(filhos);
    auto* layout = new QVBoxLayout(pagina);
    layout->addWidget(dados);
    layout->addWidget(grupoFilhos, 1);
    return pagina;
}

QWidget* TFoCadastroCliFor::criarPaginaContatos() {
    auto* pagina = new QWidget(this);
    pagina->setObjectName("Contatos");
    PainelDetalhe* p = novoLado(
        TDMCadClifor::Contatos, "Contatos",
        {"Seq.", "Nome", "Cargo", "Telefone", "Celular", "E-mail", "Aniversário"},
        [this] {
            Tabela& t = dm_->TContatos;
            QStringList l;
            for (const char* c :
                 {"Sequencia", "Nome", "Cargo", "Telefone", "Celular", "Email", "Aniversario"})
                l << t.campo(c).texto();
            return l;
        },
        pagina);
    QGridLayout* g = GradePainel(p);
    QLineEdit* nome = CaixaLigada(p->vinculo(), g, 0, 0, "Nome", "Nome");
    CaixaLigada(p->vinculo(), g, 0, 1, "Cargo", "Cargo");
    CaixaLigada(p->vinculo(), g, 1, 0, "Telefone", "Telefone");
    CaixaLigada(p->vinculo(), g, 1, 1, "Celular", "Celular");
    CaixaLigada(p->vinculo(), g, 2, 0, "E-mail", "Email");
    CaixaLigada(p->vinculo(), g, 2, 1, "Aniversário (DDMM)", "Aniversario");
    Ligar(p, *dm_, TDMCadClifor::Contatos, nome);
    auto* layout = new QVBoxLayout(pagina);
    layout->addWidget(p);
    return pagina;
}

QWidget* TFoCadastroCliFor::criarPaginaObservacoes() {
    auto* pagina = new QWidget(this);
    pagina->setObjectName("Observações");
    auto* registro = new QWidget(pagina);
    QGridLayout* g = Grade(registro, 1);
    caixa(g, 0, 0, "Observação", "OBSERVACAO");
    caixa(g, 1, 0, "Observação 2", "Observa2");
    PainelDetalhe* p = novoLado(
        TDMCadClifor::Observacoes, "Linhas", {"Seq.", "Observação"},
        [this] {
            Tabela& t = dm_->TObservacoes;
            return QStringList{t.campo("Sequencia").texto(), t.campo("Observacao").texto()};
        },
        pagina);
    LarguraMaximaColunas(p->grade(), 72);
    QGridLayout* gl = Grade(p->painel(), 1);
    QLineEdit* linha = CaixaLigada(p->vinculo(), gl, 0, 0, "Linha", "Observacao");
    Ligar(p, *dm_, TDMCadClifor::Observacoes, linha);
    auto* layout = new QVBoxLayout(pagina);
    layout->addWidget(registro);
    layout->addWidget(p, 1);
    return pagina;
}

QWidget* TFoCadastroCliFor::criarPaginaVendedores() {
    auto* pagina = new QWidget(this);
    pagina->setObjectName("Vendedores");
    PainelDetalhe* p = novoLado(
        TDMCadClifor::Vendedores, "VendedoresGrupo", {"Grupo", "Descrição", "Vendedor", "Nome"},
        [this, pagina] {
            Tabela& t = dm_->TVendedores;
            auto nome = [pagina](const char* caixa, const QVariant& codigo) {
                auto* c = pagina->findChild<QComboBox*>(caixa);
                const int i = c ? c->findData(codigo) : -1;
                return i >= 0 ? c->itemText(i) : QString();
            };
            return QStringList{t.campo("Nivel2").texto(), nome("Nivel2", t.campo("Nivel2").valor()),
                               t.campo("Cod_Vende").texto(),
                               nome("Cod_Vende", t.campo("Cod_Vende").valor())};
        },
        pagina);
    QGridLayout* g = GradePainel(p);
    auto* grupo = new CaixaEscolha(p->painel());
    grupo->setObjectName("Nivel2");
    p->vinculo()->ligar(grupo, "Nivel2");
    auto* vendedor = new CaixaEscolha(p->painel());
    vendedor->setObjectName("Cod_Vende");
    p->vinculo()->ligar(vendedor, "Cod_Vende");
    g->addWidget(new QLabel("Grupo de Produtos", p->painel()), 0, 0);
    g->addWidget(grupo, 0, 1);
    g->addWidget(new QLabel("Vendedor", p->painel()), 0, 2);
    g->addWidget(vendedor, 0, 3);
    fontes_.push_back({grupo, [this] { return dm_->grupos(); }});
    fontes_.push_back({vendedor, [this] { return dm_->vendedores(); }});
    Ligar(p, *dm_, TDMCadClifor::Vendedores, grupo);
    auto* layout = new QVBoxLayout(pagina);
    layout->addWidget(p);
    return pagina;
}

void TFoCadastroCliFor::criarBotoes(QHBoxLayout* l) {
    incluir_ = NovoBotao("Incluir", this, l);
    alterar_ = NovoBotao("Alterar", this, l);
    consultar_ = NovoBotao("Consultar", this, l);
    excluir_ = NovoBotao("Excluir", this, l);
    gravar_ = NovoBotao("Gravar", this, l);
    cancelar_ = NovoBotao("Cancelar", this, l);
    l->addStretch();
    imprimir_ = NovoBotao("Imprimir", this, l);
    QPushButton* fechar = NovoBotao("Fechar", this, l);
    connect(incluir_, &QPushButton::clicked, this, &TFoCadastroCliFor::incluir);
    connect(alterar_, &QPushButton::clicked, this, &TFoCadastroCliFor::alterar);
    connect(consultar_, &QPushButton::clicked, this, &TFoCadastroCliFor::consultar);
    connect(excluir_, &QPushButton::clicked, this, &TFoCadastroCliFor::excluir);
    connect(gravar_, &QPushButton::clicked, this, &TFoCadastroCliFor::gravar);
    connect(cancelar_, &QPushButton::clicked, this, &TFoCadastroCliFor::cancelar);
    connect(imprimir_, &QPushButton::clicked, this, &TFoCadastroCliFor::relatorioCompleto);
    connect(fechar, &QPushButton::clicked, this, &QWidget::close);
}
