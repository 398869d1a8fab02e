#include "TFoCadProduto.h"

#include "ConsultasProduto.h"
#include "TDMCadProduto.h"
#include "TFoCadImpostoImportacaoPorOrigem.h"
#include "TfoRecebeObsFornProd.h"
#include "costs/TfoCadMarkup.h"
#include "services/Botao.h"
#include "services/CaixaEscolha.h"
#include "services/DataValida.h"
#include "services/FormatoNumero.h"
#include "services/Grade.h"
#include "services/JanelaModal.h"
#include "services/LeituraDigitada.h"
#include "services/LembrancaJanela.h"
#include "services/ModeloLinhas.h"
#include "services/TeclaEnter.h"
#include "services/VinculoCampos.h"
#include "session/AutorizarAcesso.h"
#include "session/Dialogos.h"
#include "session/GravarLogSistema.h"
#include "session/Parametros.h"
#include "session/Relogio.h"
#include "session/Sessao.h"
#include "stock/JanelaFichaEstoque.h"
#include "stock/TfoConsSaldosPorProduto.h"
#include "stock/TfoConsultaMovProduto.h"
#include "store/ErroBanco.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {
bool Editando(const ConjuntoDados& ds) {
    return ds.estado() == EstadoDados::Editando || ds.estado() == EstadoDados::Inserindo;
}

// Reads a cursor's rows into a grid model and puts the grid on the
// cursor's current row.
template <class Linha>
void LerGrade(Tabela& t, ModeloLinhas& modelo, QTableView* grade, Linha linha) {
    QList<QStringList> linhas;
    QVariantList chaves;
    if (t.ativo() && !Editando(t)) {
        const Marcador atual = t.marcador();
        for (t.primeiro(); !t.eof(); t.proximo()) {
            linhas << linha();
            chaves << t.marcador().rowid;
        }
        if (atual.valido)
            t.irPara(atual);
        else
            t.primeiro();
    }
    modelo.definir(linhas, chaves);
    const int i = t.ativo() && !t.vazio() ? modelo.linhaDe(t.marcador().rowid) : -1;
    if (i >= 0) {
        const QSignalBlocker bloqueio(grade->selectionModel());
        grade->setCurrentIndex(modelo.index(i, 0));
    }
}

QString Numero(const Campo& c, const QString& mascara = "###,##0.0000") {
    return c.ehNulo() ? QString() : FormatarNumero(mascara, c.numero());
}

// A modal list of rows with OK; the chosen row's index, or -1.
int EscolherLinha(QWidget* pai, const QString& titulo, const QStringList& colunas,
                  const QList<QStringList>& linhas, bool escolher) {
    QDialog janela(pai);
    janela.setObjectName(titulo);
    janela.setWindowTitle(titulo);
    auto* modelo = new ModeloLinhas(colunas, &janela);
    QVariantList chaves;
    for (int i = 0; i < linhas.size(); ++i)
        chaves << i;
    modelo->definir(linhas, chaves);
    QTableView* grade = NovaGrade(modelo, "Grade", &janela);
    if (!linhas.isEmpty())
        grade->setCurrentIndex(modelo->index(0, 0));
    auto* botoes = new QDialogButtonBox(
        escolher ? QDialogButtonBox::Ok | QDialogButtonBox::Cancel : QDialogButtonBox::Ok, &janela);
    QObject::connect(botoes, &QDialogButtonBox::accepted, &janela, &QDialog::accept);
    QObject::connect(botoes, &QDialogButtonBox::rejected, &janela, &QDialog::reject);
    QObject::connect(grade, &QTableView::doubleClicked, &janela, &QDialog::accept);
    auto* layout = new QVBoxLayout(&janela);
    layout->addWidget(grade);
    layout->addWidget(botoes);
    janela.resize(640, 360);
    if (ExibirModal(janela) != QDialog::Accepted || !escolher)
        return -1;
    return grade->currentIndex().isValid() ? grade->currentIndex().row() : -1;
}
} // namespace

TFoCadProduto::TFoCadProduto(QWidget* parent)
    : QWidget(parent), dm_(std::make_unique<TDMCadProduto>()) {
    setObjectName("TFoCadProduto");
    setWindowTitle("Cadastro de Produtos");
    resize(1180, 760);
    vinculo_ = new VinculoCampos(dm_->TEstproma, this);

    paginas_ = new QTabWidget(this);
    paginas_->setObjectName("Paginas");
    paginas_->addTab(criarPaginaLista(), "Lista");
    detalhes_ = {criarPaginaPrincipal(),  criarPaginaSecundario(), criarPaginaEstatisticos(),
                 criarPaginaListaPreco(), criarPaginaRegiao(),     criarPaginaTamanho()};
    for (QWidget* w : detalhes_)
        paginas_->addTab(w, w->objectName());
    for (QWidget* w : {criarPaginaObservacoes(), criarPaginaPrecos(), criarPaginaEntradas()})
        paginas_->addTab(w, w->objectName());
    criarMenu();

    auto* botoes = new QHBoxLayout;
    criarBotoes(botoes);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(paginas_, 1);
    layout->addLayout(botoes);

    connect(paginas_, &QTabWidget::currentChanged, this, &TFoCadProduto::paginaMudou);
    clasFisc_->lineEdit()->installEventFilter(this);
    AvancarComEnter(this);
    LembrarJanela(this);
    mostrarDetalhes(false);
    atualizarEstado();
}

TFoCadProduto::~TFoCadProduto() = default;

void TFoCadProduto::ligarJanelas(TFoCadImpostoImportacaoPorOrigem* imposto,
                                 TfoRecebeObsFornProd* obsForn) {
    imposto_ = imposto;
    obsForn_ = obsForn;
}

void TFoCadProduto::ligarConsultasEstoque(JanelaFichaEstoque* ficha,
                                          JanelaFichaEstoque* fichaPorCor,
                                          TfoConsultaMovProduto* movimentos,
                                          TfoConsSaldosPorProduto* saldos) {
    ficha_ = ficha;
    fichaPorCor_ = fichaPorCor;
    movimentos_ = movimentos;
    saldos_ = saldos;
}

bool TFoCadProduto::abrir() {
    if (!AutorizarAcesso(23)) {
        QTimer::singleShot(0, this, &QWidget::close);
        return false;
    }
    const DadosSessao& s = Sess();
    GravarLogSistema(s.Filial, "FoCadProduto", "A", s.Usuario, QString(), "Acesso Cad Produto ");
    try {
        dm_->abrir();
        preencherEscolhas();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    modo_.clear();
    consultando_ = false;
    autorizados_.clear();
    bloqueados_.clear();
    ordem_->setCurrentIndex(dm_->ordem());
    situacao_->setCurrentIndex(0);
    for (QLineEdit* f : filtros_)
        f->clear();
    pesquisa_->clear();
    desde_->setText(Relogio::atual().hoje().addYears(-1).toString("dd/MM/yyyy"));
    excluir_->setVisible(LerParametroLogico("Orvalo", s.FilialTexto, "PermiteExcluirProdutos"));
    // Hidden boxes are also disabled, so the save never reads their texts.
    const bool markup = TDMCadProduto::UsaMarkup(s.FatModNf) || s.FatModNf == 150;
    markup_->setVisible(markup);
    markup_->setEnabled(markup);
    for (QWidget* w : par2_) {
        w->setVisible(s.FatModNf == 160);
        w->setEnabled(s.FatModNf == 160);
    }
    for (int n = 1; n <= 10; ++n)
        nomesListas_[n - 1]->setText(dm_->nomeLista(n));
    mostrarLista();
    return true;
}

void TFoCadProduto::preencherEscolhas() {
    auto encher = [](QComboBox* c, const OpcoesProduto& opcoes) {
        const QSignalBlocker bloqueio(c);
        c->clear();
        for (const auto& [codigo, nome] : opcoes)
            c->addItem(nome, codigo);
    };
    for (int n = 1; n <= 5; ++n)
        encher(niveis_[n - 1], dm_->niveis(n));
    const OpcoesProduto fornecedores = dm_->fornecedores();
    for (CaixaEscolha* f : fornecedores_)
        encher(f, fornecedores);
    encher(carimbo_, dm_->carimbos());
    const QSignalBlocker bloqueio(clasFisc_);
    clasFisc_->clear();
    for (const auto& [ncm, descricao] : dm_->ncms()) {
        clasFisc_->addItem(ncm.toString());
        clasFisc_->setItemData(clasFisc_->count() - 1, descricao, Qt::ToolTipRole);
    }
}

void TFoCadProduto::mostrarLista() {
    if (!modo_.isEmpty())
        return;
    consultando_ = false;
    mostrarDetalhes(false);
    atualizarLista();
    atualizarEstado();
}

void TFoCadProduto::mostrarDetalhes(bool sim) {
    const QSignalBlocker bloqueio(paginas_);
    if (sim) {
        for (QWidget* w : detalhes_)
            paginas_->setTabVisible(paginas_->indexOf(w), true);
        paginas_->setCurrentWidget(detalhes_.first());
        paginas_->setTabEnabled(0, false);
    } else {
        paginas_->setTabEnabled(0, true);
        paginas_->setCurrentIndex(0);
        for (QWidget* w : detalhes_)
            paginas_->setTabVisible(paginas_->indexOf(w), false);
    }
    paginaAnterior_ = paginas_->currentIndex();
}

void TFoCadProduto::paginaMudou(int indice) {
    QWidget* pagina = paginas_->widget(indice);
    if (pagina == detalhes_[4] && !AutorizarAcesso(165)) {
        const QSignalBlocker bloqueio(paginas_);
        paginas_->setCurrentIndex(paginaAnterior_);
        return;
    }
    paginaAnterior_ = indice;
    if (pagina && pagina->objectName() == "Entradas")
        atualizarEntradas();
}

void TFoCadProduto::atualizarLista() {
    QList<QStringList> linhas;
    QVariantList chaves;
    dm_->lerLista(linhas, chaves);
    modeloLista_->definir(linhas, chaves);
    Tabela& t = dm_->TEstproma;
    const int i = t.ativo() && !t.vazio() ? modeloLista_->linhaDe(t.marcador().rowid) : -1;
    if (i >= 0) {
        const QSignalBlocker bloqueio(gradeLista_->selectionModel());
        gradeLista_->setCurrentIndex(modeloLista_->index(i, 0));
    }
    dm_->seguirProduto();
    mostrarEstatisticas();
    atualizarLados();
}

void TFoCadProduto::seguirGradeLista() {
    const QVariant chave = modeloLista_->chave(gradeLista_->currentIndex().row());
    Tabela& t = dm_->TEstproma;
    if (!chave.isValid() || t.estado() != EstadoDados::Navegando)
        return;
    t.irPara({chave.toLongLong(), true});
    dm_->seguirProduto();
    mostrarEstatisticas();
    atualizarLados();
    atualizarEstado();
}

void TFoCadProduto::mostrarEstatisticas() {
    EstatisticasProduto e;
    const bool ok = dm_->codigoAtual() && dm_->Estatisticas(e, false);
    const double valores[] = {e.fisico,         e.pedidos,     e.minimo,
                              e.pontoEncomenda, e.precoCompra, e.ultimoCusto};
    for (int i = 0; i < estatisticas_.size(); ++i) {
        QString texto;
        if (ok)
            texto = i == 0 ? Formatar("%14.6n", {valores[i]}).trimmed()
                           : FormatarNumero("###,##0.0000", valores[i]);
        estatisticas_[i]->setText(texto);
    }
}

void TFoCadProduto::atualizarLados() {
    Tabela& r = dm_->TAliqbase;
    LerGrade(r, *modeloRegiao_, gradeRegiao_, [&r] {
        return QStringList{r.campo("REGIAOFISC").texto(),
                           Numero(r.campo("ALIQUOTA"), "##0.00"),
                           Numero(r.campo("BASEICMS"), "##0.00"),
                           Numero(r.campo("ALIQCUPOM"), "##0.00"),
                           r.campo("COD_CARIMB").texto(),
                           Numero(r.campo("PercSubst"), "##0.00"),
                           r.campo("ModBc").texto(),
                           r.campo("ModBcST").texto(),
                           r.campo("CstICMS").texto()};
    });
    Tabela& t = dm_->TTamanho;
    LerGrade(t, *modeloTamanho_, gradeTamanho_, [&t] {
        QStringList l{t.campo("TAMANHO").texto()};
        for (int n = 1; n <= 6; ++n)
            l << Numero(t.campo("LISTA" + QString::number(n)));
        l << t.campo("ParesTalao").texto() << t.campo("GTIN_CodEAN").texto();
        return l;
    });
    Tabela& o = dm_->TObseProd;
    LerGrade(o, *modeloObservacao_, gradeObservacao_, [&o] {
        return QStringList{o.campo("Sequencia").texto(), o.campo("Observacao").texto()};
    });
    Tabela& m = dm_->TMargens;
    LerGrade(m, *modeloMargens_, gradeMargens_, [&m] {
        return QStringList{QString::number(15 + 5 * m.campo("Codigo").inteiro()) + " %",
                           m.campo("Descricao").texto(), Numero(m.campo("Margem")),
                           m.campo("Divisor").logico() ? "Sim" : "Não"};
    });
    vinculoRegiao_->mostrar();
    vinculoTamanho_->mostrar();
    vinculoObservacao_->mostrar();
    vinculoPlanilha_->mostrar();
    if (paginas_->currentWidget() && paginas_->currentWidget()->objectName() == "Entradas")
        atualizarEntradas();
    atualizarEstado();
}

void TFoCadProduto::atualizarEstado() {
    const bool editando = !modo_.isEmpty();
    const bool detalhes = editando || consultando_;
    const bool temProduto = dm_->codigoAtual() != 0;
    const bool regiao = Editando(dm_->TAliqbase);
    const bool tamanho = Editando(dm_->TTamanho);
    const bool observacao = Editando(dm_->TObseProd);
    const bool planilha = Editando(dm_->TPrecos);
    const bool lado = regiao || tamanho || observacao || planilha;
    const bool ladoLivre = temProduto && !consultando_;

    incluir_->setEnabled(!detalhes);
    alterar_->setEnabled(!detalhes && temProduto);
    consultar_->setEnabled(!detalhes && temProduto);
    excluir_->setEnabled(!detalhes && temProduto);
    gravar_->setEnabled(editando && !lado);
    cancelar_->setEnabled(detalhes && !lado);
    impImportacao_->setEnabled(temProduto);
    clonar_->setEnabled(!detalhes && temProduto);
    logDescricao_->setEnabled(temProduto);
    aliquotas_->setEnabled(temProduto);
    for (QWidget* w : std::initializer_list<QWidget*>{ordem_, pesquisa_, situacao_, gradeLista_})
        w->setEnabled(!detalhes);
    for (QLineEdit* f : filtros_)
        f->setEnabled(!detalhes);

    auto botoes = [](QList<QPushButton*>& b, bool livre, bool emEdicao, bool temLinha) {
        b[0]->setEnabled(livre && !emEdicao);
        b[1]->setEnabled(livre && !emEdicao && temLinha);
        b[2]->setEnabled(livre && !emEdicao && temLinha);
        b[3]->setEnabled(emEdicao);
        b[4]->setEnabled(emEdicao);
    };
    botoes(botoesRegiao_, ladoLivre, regiao, !dm_->TAliqbase.vazio());
    botoesRegiao_[5]->setEnabled(ladoLivre && (regiao || !dm_->TAliqbase.vazio()));
    botoes(botoesTamanho_, ladoLivre, tamanho, !dm_->TTamanho.vazio());
    botoes(botoesObservacao_, ladoLivre, observacao, !dm_->TObseProd.vazio());
    painelRegiao_->setEnabled(regiao);
    gradeRegiao_->setEnabled(!regiao);
    painelTamanho_->setEnabled(tamanho);
    gradeTamanho_->setEnabled(!tamanho);
    observacao_->setEnabled(observacao);
    gradeObservacao_->setEnabled(!observacao);
    botoesPlanilha_[0]->setEnabled(editando && !planilha);
    botoesPlanilha_[1]->setEnabled(planilha);
    botoesPlanilha_[2]->setEnabled(planilha);
    painelPlanilha_->setEnabled(planilha);
}

void TFoCadProduto::mostrarProduto() {
    vinculo_->mostrar();
    aplicarPermissoesCampos();
}

// Price boxes the user's permissions keep read-only while editing.
void TFoCadProduto::aplicarPermissoesCampos() {
    if (modo_.isEmpty())
        return;
    for (QLineEdit* e : bloqueados_) {
        e->setReadOnly(true);
        AparenciaSomenteLeitura(e, true);
    }
}

void TFoCadProduto::trocarOrdem(int ordem) {
    dm_->definirOrdem(ordem);
    ordem_->setCurrentIndex(dm_->ordem());
    pesquisa_->clear();
    atualizarLista();
}

void TFoCadProduto::pesquisar(const QString& texto) {
    if (!dm_->pesquisar(texto))
        return;
    Tabela& t = dm_->TEstproma;
    const int i = t.vazio() ? -1 : modeloLista_->linhaDe(t.marcador().rowid);
    if (i >= 0)
        gradeLista_->setCurrentIndex(modeloLista_->index(i, 0));
}

void TFoCadProduto::pesquisaAvancada() {
    QString texto = pesquisa_->text();
    if (texto.isEmpty() && !Dialogos::atual().entrada("Pesquisa Avançada", "Descrição", texto))
        return;
    QList<QStringList> linhas;
    try {
        linhas = PesquisaAvancadaProduto(dm_->filial(), texto);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return;
    }
    const int i = EscolherLinha(this, "Pesquisa Avançada",
                                {"FILIAL", "COD_REDUZ", "NOME1", "UNID_PAD"}, linhas, true);
    if (i < 0)
        return;
    if (!dm_->posicionar(linhas[i][1].toInt())) {
        // Not listed under the current filter: show every product.
        semFiltro();
        dm_->posicionar(linhas[i][1].toInt());
    }
    atualizarLista();
}

void TFoCadProduto::filtrar() {
    if (!AutorizarAcesso(171))
        return;
    FiltroProdutos f;
    f.situacao = FiltroProdutos::Situacao(situacao_->currentIndex());
    for (QLineEdit* e : filtros_)
        f.campos.insert(e->objectName(), e->text());
    dm_->definirFiltro(f);
    atualizarLista();
}

void TFoCadProduto::semFiltro() {
    for (QLineEdit* e : filtros_)
        e->clear();
    situacao_->setCurrentIndex(FiltroProdutos::Todos);
    FiltroProdutos f;
    f.situacao = FiltroProdutos::Todos;
    dm_->definirFiltro(f);
    atualizarLista();
}

namespace {
// The permission of a list box: "CadProduto" + n + "EditLista".
QString PermissaoLista(int n) {
    return "CadProduto" + QString::number(n) + "EditLista";
}
} // namespace

void TFoCadProduto::comecarEdicao(const QString& modo) {
    modo_ = modo;
    consultando_ = false;
    autorizados_.clear();
    bloqueados_.clear();
    if (Sess().UsaPermissoes) {
        const bool precos = TDMCadProduto::Permitido("AcessoAltPrecoCadProd", false);
        const bool travadas = TDMCadProduto::Bloqueado("Bloqueia(o)AltListaPrCadProd", false);
        for (QLineEdit* l : listas_)
            if (!precos || travadas ||
                !TDMCadProduto::Permitido(PermissaoLista(l->property("lista").toInt()), false))
                bloqueados_.insert(l);
        if (!TDMCadProduto::Permitido("EditPrecoEntradaCadProduto", false))
            bloqueados_.insert(precoEntr_);
    }
    mostrarDetalhes(true);
    mostrarProduto();
    atualizarLados();
    nome1_->setFocus();
}

void TFoCadProduto::abrirMarkup() {
    if (TDMCadProduto::Permitido("AcessoCadMarkup"))
        AbrirCadastroMarkup(this);
}

void TFoCadProduto::incluir() {
    if (dm_->Incluir())
        comecarEdicao("I");
}

void TFoCadProduto::alterar() {
    if (dm_->Alterar())
        comecarEdicao("A");
}

void TFoCadProduto::clonar() {
    if (dm_->Clonar())
        comecarEdicao("I");
}

void TFoCadProduto::consultar() {
    if (!modo_.isEmpty() || consultando_ || !dm_->Consultar())
        return;
    consultando_ = true;
    mostrarDetalhes(true);
    mostrarProduto();
    atualizarLados();
}

void TFoCadProduto::gravar() {
    if (modo_.isEmpty() || !vinculo_->validar())
        return;
    if (!dm_->Gravar(modo_, [this](const QString& texto) { legenda(texto); })) {
        mostrarProduto();
        return;
    }
    voltarParaLista();
}

void TFoCadProduto::cancelar() {
    if (!modo_.isEmpty())
        dm_->Cancelar(modo_);
    voltarParaLista();
}

void TFoCadProduto::voltarParaLista() {
    modo_.clear();
    consultando_ = false;
    autorizados_.clear();
    bloqueados_.clear();
    mostrarLista();
}

void TFoCadProduto::excluir() {
    if (!modo_.isEmpty() || consultando_)
        return;
    if (dm_->Excluir())
        atualizarLista();
}

void TFoCadProduto::legenda(const QString& texto) {
    setWindowTitle(texto);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TFoCadProduto::logDescricao() {
    const int codigo = dm_->codigoAtual();
    if (!codigo || !TDMCadProduto::Permitido("AcessoConsultaLogAlteraProduto"))
        return;
    QList<QStringList> linhas;
    try {
        linhas = LogDescricaoProduto(dm_->filial(), codigo);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return;
    }
    EscolherLinha(this, "Log de Alteração da Descrição do Produto :",
                  {"Data Altera", "Descrição Anterior"}, linhas, false);
}

void TFoCadProduto::fichaEstoque() {
    const int codigo = dm_->codigoAtual();
    if (!codigo || !TDMCadProduto::Permitido("AcessoConsultaFichaEstoque"))
        return;
    static const QList<int> porCor = {51, 132, 142, 148, 167, 277};
    if (JanelaFichaEstoque* j = porCor.contains(Sess().FatModNf) ? fichaPorCor_ : ficha_)
        j->abrirProduto(codigo);
}

void TFoCadProduto::movimentacaoProduto() {
    const int codigo = dm_->codigoAtual();
    if (!codigo || !movimentos_ || !TDMCadProduto::Permitido("AcessoConsMovProduto"))
        return;
    movimentos_->abrirProduto(codigo);
}

void TFoCadProduto::saldoPorProduto() {
    const int codigo = dm_->codigoAtual();
    if (!codigo || !saldos_ || !TDMCadProduto::Permitido("AcessoConsultaSaldoProduto"))
        return;
    saldos_->abrirProduto(codigo);
}

void TFoCadProduto::impostoImportacao() {
    const int codigo = dm_->codigoAtual();
    if (!codigo || !imposto_)
        return;
    Tabela& t = dm_->TEstproma;
    if (!imposto_->abrirProduto(dm_->filial(), codigo, t.campo("NOME1").texto(),
                                t.campo("REFERENCIA").texto()))
        return;
    imposto_->show();
    imposto_->raise();
    imposto_->activateWindow();
}

void TFoCadProduto::precos() {
    if (!AutorizarAcesso(196))
        return;
    paginas_->setCurrentWidget(painelPlanilha_->parentWidget());
}

void TFoCadProduto::observacoesFornecedor() {
    const int codigo = dm_->codigoAtual();
    if (Sess().FatModNf != 95 || !codigo || !obsForn_)
        return;
    obsForn_->executar(dm_->filial(), codigo);
}

// --- Fiscal regions ---

void TFoCadProduto::incluirRegiao() {
    if (!dm_->IncluirRegiao())
        return;
    atualizarEstado();
    vinculoRegiao_->mostrar();
    painelRegiao_->findChild<QLineEdit*>("ALIQUOTA")->setFocus();
}

void TFoCadProduto::alterarRegiao() {
    if (!dm_->AlterarRegiao())
        return;
    atualizarEstado();
    vinculoRegiao_->mostrar();
    painelRegiao_->findChild<QLineEdit*>("ALIQUOTA")->setFocus();
}

void TFoCadProduto::gravarRegiao() {
    if (!vinculoRegiao_->validar() || !dm_->GravarRegiao())
        return;
    atualizarLados();
}

void TFoCadProduto::cancelarRegiao() {
    dm_->CancelarRegiao();
    atualizarLados();
}

void TFoCadProduto::excluirRegiao() {
    if (dm_->ExcluirRegiao())
        atualizarLados();
}

void TFoCadProduto::limparCarimbo() {
    if (dm_->LimparCarimbo())
        Editando(dm_->TAliqbase) ? vinculoRegiao_->mostrar() : atualizarLados();
}

// --- Sizes ---

void TFoCadProduto::incluirTamanho() {
    if (!dm_->IncluirTamanho())
        return;
    atualizarEstado();
    vinculoTamanho_->mostrar();
    painelTamanho_->findChild<QLineEdit*>("LISTA1")->setFocus();
}

void TFoCadProduto::alterarTamanho() {
    if (!dm_->AlterarTamanho())
        return;
    atualizarEstado();
    vinculoTamanho_->mostrar();
    painelTamanho_->findChild<QLineEdit*>("LISTA1")->setFocus();
}

void TFoCadProduto::gravarTamanho() {
    if (!vinculoTamanho_->validar())
        return;
    const QString titulo = windowTitle();
    const bool ok = dm_->GravarTamanho([this](const QString& texto) { legenda(texto); });
    setWindowTitle(titulo);
    if (ok)
        atualizarLados();
}

void TFoCadProduto::cancelarTamanho() {
    dm_->CancelarTamanho();
    atualizarLados();
}

void TFoCadProduto::excluirTamanho() {
    if (dm_->ExcluirTamanho())
        atualizarLados();
}

// --- Remark lines ---

void TFoCadProduto::incluirObservacao() {
    if (!dm_->IncluirObservacao())
        return;
    atualizarEstado();
    vinculoObservacao_->mostrar();
    observacao_->setFocus();
}

void TFoCadProduto::alterarObservacao() {
    if (!dm_->AlterarObservacao())
        return;
    atualizarEstado();
    vinculoObservacao_->mostrar();
    observacao_->setFocus();
}

void TFoCadProduto::gravarObservacao() {
    if (!vinculoObservacao_->validar() || !dm_->GravarObservacao())
        return;
    atualizarLados();
}

void TFoCadProduto::cancelarObservacao() {
    dm_->CancelarObservacao();
    atualizarLados();
}

void TFoCadProduto::excluirObservacao() {
    if (dm_->ExcluirObservacao())
        atualizarLados();
}

// --- Price worksheet ---

void TFoCadProduto::alterarPlanilha() {
    if (modo_.isEmpty() || !dm_->EditarPlanilha())
        return;
    atualizarEstado();
    vinculoPlanilha_->mostrar();
    painelPlanilha_->findChild<QLineEdit*>("PrecoCompra")->setFocus();
}

void TFoCadProduto::gravarPlanilha() {
    if (!vinculoPlanilha_->validar() || !dm_->GravarPlanilha())
        return;
    mostrarProduto();
    atualizarLados();
}

void TFoCadProduto::cancelarPlanilha() {
    dm_->CancelarPlanilha();
    atualizarLados();
}

void TFoCadProduto::gravarMargem() {
    const LeituraDigitada fator = LerDigitado(TipoCampo::Number, fatorMargem_->text());
    if (!fator.ok || !fator.valor.isValid()) {
        MostrarErro(fator.ok ? "Informe o fator da margem!" : fator.mensagem);
        fatorMargem_->setFocus();
        return;
    }
    if (dm_->AlterarMargem(margem_->currentData().toInt(), fator.valor.toDouble(),
                           divisorMargem_->isChecked()))
        atualizarLados();
}

// --- Receipts ---

void TFoCadProduto::atualizarEntradas() {
    const int codigo = dm_->codigoAtual();
    const QDate desde = LerData(desde_->text());
    if (!desde.isValid()) {
        modeloEntradas_->limpar();
        return;
    }
    try {
        QVariantList chaves;
        const QList<QStringList> linhas =
            codigo ? EntradasProduto(dm_->filial(), codigo, desde) : QList<QStringList>();
        for (int i = 0; i < linhas.size(); ++i)
            chaves << i;
        modeloEntradas_->definir(linhas, chaves);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
}

// --- Events ---

void TFoCadProduto::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (!evento->spontaneous() && modo_.isEmpty() && !consultando_)
        abrir();
}

void TFoCadProduto::closeEvent(QCloseEvent* evento) {
    // Closing gives up what is open, as "Cancelar" does.
    dm_->CancelarRegiao();
    dm_->CancelarTamanho();
    dm_->CancelarObservacao();
    dm_->CancelarPlanilha();
    if (!modo_.isEmpty() || consultando_)
        cancelar();
    setWindowTitle("Cadastro de Produtos");
    QWidget::closeEvent(evento);
}

bool TFoCadProduto::pedirCodigoAoEntrar(QObject* objeto) {
    if (modo_.isEmpty() || autorizados_.contains(objeto))
        return true;
    int codigo = 196;
    if (objeto == qtdEmp1_)
        codigo = 58;
    else if (objeto == clasFisc_)
        codigo = 128;
    if (!AutorizarAcesso(codigo))
        return false;
    autorizados_.insert(objeto);
    return true;
}

bool TFoCadProduto::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::MouseButtonDblClick) {
        if (!fornecedores_.contains(objeto))
            return false;
        observacoesFornecedor();
        return Sess().FatModNf == 95;
    }
    if (evento->type() != QEvent::FocusIn || modo_.isEmpty())
        return false;
    QObject* caixa = objeto == clasFisc_->lineEdit() ? clasFisc_ : objeto;
    const bool guardada =
        caixa == clasFisc_ || caixa == qtdEmp1_ || caixa->property("lista").toInt() == 1;
    if (!guardada || autorizados_.contains(caixa))
        return false;
    // Asked once the focus change is over; a refusal moves on.
    QMetaObject::invokeMethod(
        this,
        [this, caixa] {
            if (!pedirCodigoAoEntrar(caixa))
                focusNextChild();
        },
        Qt::QueuedConnection);
    return false;
}
