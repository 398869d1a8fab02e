#include "TFoCadastroCliFor.h"

#include "PainelDetalhe.h"
#include "TFoCadEmailsClifor.h"
#include "TfoCadEnderecos.h"
#include "products/TLimiteCodigo.h"
#include "services/CaixaEscolha.h"
#include "services/ConsultarCadastroEstadual.h"
#include "services/Grade.h"
#include "services/JanelaModal.h"
#include "services/LembrancaJanela.h"
#include "services/ModeloLinhas.h"
#include "services/TeclaEnter.h"
#include "services/VinculoCampos.h"
#include "session/AutorizarAcesso.h"
#include "session/Dialogos.h"
#include "session/Parametros.h"
#include "session/Sessao.h"
#include "stock/TfoConsultaMovProduto.h"
#include "store/ErroBanco.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <QValidator>

namespace {
const char* const Legenda = "Cadastro de Clientes / Fornecedores";

// Upper-cases the text as it is typed.
class Maiusculas : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& texto, int&) const override {
        texto = texto.toUpper();
        return Acceptable;
    }
};

// A modal list of rows with OK.
void MostrarLinhas(QWidget* pai, const QString& titulo, const QStringList& colunas,
                   const QList<QStringList>& linhas) {
    QDialog janela(pai);
    janela.setObjectName(titulo);
    janela.setWindowTitle(titulo);
    auto* modelo = new ModeloLinhas(colunas, &janela);
    QVariantList chaves;
    for (int i = 0; i < linhas.size(); ++i)
        chaves << i;
    modelo->definir(linhas, chaves);
    auto* botoes = new QDialogButtonBox(QDialogButtonBox::Ok, &janela);
    QObject::connect(botoes, &QDialogButtonBox::accepted, &janela, &QDialog::accept);
    auto* layout = new QVBoxLayout(&janela);
    layout->addWidget(NovaGrade(modelo, "Grade", &janela));
    layout->addWidget(botoes);
    janela.resize(900, 360);
    ExibirModal(janela);
}
} // namespace

TFoCadastroCliFor::TFoCadastroCliFor(QWidget* parent)
    : QWidget(parent), dm_(std::make_unique<TDMCadClifor>()) {
    setObjectName("TFoCadastroCliFor");
    setWindowTitle(Legenda);
    resize(1100, 760);
    vinculo_ = new VinculoCampos(dm_->TClifor, this);
    vinculoComplemento_ = new VinculoCampos(dm_->TClifor2, this);

    paginas_ = new QTabWidget(this);
    paginas_->setObjectName("Paginas");
    paginas_->addTab(criarPaginaLista(), "Lista");
    for (QWidget* w : {criarPaginaEndereco(), criarPaginaComercial(), criarPaginaPessoais(),
                       criarPaginaContatos(), criarPaginaObservacoes(), criarPaginaVendedores()}) {
        paginas_->addTab(w, w->objectName());
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, w](const QPoint& p) { menu_->popup(w->mapToGlobal(p)); });
    }
    criarMenu();
    criarMenuConsultas();

    auto* botoes = new QHBoxLayout;
    criarBotoes(botoes);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(paginas_, 1);
    layout->addLayout(botoes);

    for (auto& [caixa, fonte] : fontes_)
        if (auto* c = dynamic_cast<CaixaEscolha*>(caixa))
            c->antesDeAbrir = [this, c, f = fonte] {
                const QVariant atual = c->currentData();
                const QSignalBlocker bloqueio(c);
                c->clear();
                try {
                    for (const auto& [codigo, nome] : f())
                        c->addItem(nome, codigo);
                } catch (const ErroBanco& e) {
                    MostrarErro(e.texto());
                }
                c->setCurrentIndex(atual.isValid() ? c->findData(atual) : -1);
            };
    connect(limite_, &QLineEdit::editingFinished, this, [this] {
        QMetaObject::invokeMethod(this, &TFoCadastroCliFor::sairLimite, Qt::QueuedConnection);
    });
    AvancarComEnter(this);
    LembrarJanela(this);
    atualizarEstado();
}

TFoCadastroCliFor::~TFoCadastroCliFor() = default;

void TFoCadastroCliFor::ligarJanelas(TLimiteCodigo* limites, TfoCadEnderecos* enderecos,
                                     TFoCadEmailsClifor* emails) {
    limites_ = limites;
    enderecos_ = enderecos;
    emails_ = emails;
}

void TFoCadastroCliFor::ligarMovimentos(TfoConsultaMovProduto* movimentos) {
    auto* acao = menu_->findChild<QAction*>(QString::fromUtf8("Movimentação do Cliente"));
    if (!acao || !movimentos)
        return;
    acao->setEnabled(true);
    connect(acao, &QAction::triggered, this, [this, movimentos] {
        if (const int codigo = dm_->codigoAtual())
            movimentos->abrirCliente(codigo);
    });
}

bool TFoCadastroCliFor::abrir() {
    const DadosSessao& s = Sess();
    if (s.FatModNf != 19 && s.FatModNf != 144 && !AutorizarAcesso(14)) {
        QTimer::singleShot(0, this, &QWidget::close);
        return false;
    }
    const auto situacao = LerParametroLogico("Orvalo", s.FilialTexto, "MostrarClientesAtivosCadCli")
                              ? TDMCadClifor::Ativos
                              : TDMCadClifor::Todos;
    try {
        dm_->abrir("0", situacao);
        preencherEscolhas();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    modo_.clear();
    bloqueados_.clear();
    registro_->setCurrentIndex(0);
    situacao_->setCurrentIndex(situacao);
    ordem_->setCurrentIndex(dm_->ordem());
    pesquisa_->clear();
    aplicarMaiusculas();
    paginas_->setCurrentIndex(0);
    atualizarLista();
    return true;
}

void TFoCadastroCliFor::preencherEscolhas() {
    for (auto& [caixa, fonte] : fontes_) {
        const QSignalBlocker bloqueio(caixa);
        caixa->clear();
        for (const auto& [codigo, nome] : fonte())
            caixa->addItem(nome, codigo);
    }
}

void TFoCadastroCliFor::aplicarMaiusculas() {
    const bool sim = LerParametroLogico("Orvalo", Sess().FilialTexto, "CAPSAutomaticoCadClifor");
    for (QLineEdit* e : maiusculas_) {
        delete e->validator();
        e->setValidator(sim ? new Maiusculas(e) : nullptr);
    }
}

// --- List ---

void TFoCadastroCliFor::atualizarLista() {
    QList<QStringList> linhas;
    QVariantList chaves;
    dm_->lerLista(linhas, chaves);
    modeloLista_->definir(linhas, chaves);
    Tabela& t = dm_->TClifor;
    const int i = t.ativo() && !t.vazio() ? modeloLista_->linhaDe(t.marcador().rowid) : -1;
    if (i >= 0) {
        const QSignalBlocker bloqueio(gradeLista_->selectionModel());
        gradeLista_->setCurrentIndex(modeloLista_->index(i, 0));
    }
    dm_->seguirParte();
    mostrarParte();
}

void TFoCadastroCliFor::seguirGradeLista() {
    const QVariant chave = modeloLista_->chave(gradeLista_->currentIndex().row());
    Tabela& t = dm_->TClifor;
    if (!chave.isValid() || t.estado() != EstadoDados::Navegando)
        return;
    t.irPara({chave.toLongLong(), true});
    dm_->seguirParte();
    mostrarParte();
}

void TFoCadastroCliFor::trocarRegistro() {
    if (!modo_.isEmpty())
        return;
    dm_->definirRegistro(registro_->currentData().toString(),
                         TDMCadClifor::Situacao(situacao_->currentIndex()));
    pesquisa_->clear();
    atualizarLista();
}

void TFoCadastroCliFor::trocarOrdem(int ordem) {
    dm_->definirOrdem(ordem);
    ordem_->setCurrentIndex(dm_->ordem());
    pesquisa_->clear();
    atualizarLista();
}

void TFoCadastroCliFor::pesquisar(const QString& texto) {
    if (!dm_->pesquisar(texto))
        return;
    Tabela& t = dm_->TClifor;
    const int i = t.vazio() ? -1 : modeloLista_->linhaDe(t.marcador().rowid);
    if (i >= 0) {
        const QSignalBlocker bloqueio(gradeLista_->selectionModel());
        gradeLista_->setCurrentIndex(modeloLista_->index(i, 0));
    }
    mostrarParte();
}

// --- Showing ---

void TFoCadastroCliFor::mostrarParte() {
    vinculo_->mostrar();
    vinculoComplemento_->mostrar();
    Tabela& t = dm_->TClifor;
    documento_->setText(t.ativo() && !t.vazio() ? t.campo("CGC").texto() : QString());
    documento_->setModified(false);
    const bool editando = !modo_.isEmpty();
    documento_->setReadOnly(!editando);
    AparenciaSomenteLeitura(documento_, !editando);
    aplicarBloqueios();
    atualizarLados();
}

void TFoCadastroCliFor::aplicarBloqueios() {
    if (modo_.isEmpty())
        return;
    for (QWidget* w : bloqueados_) {
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            e->setReadOnly(true);
            AparenciaSomenteLeitura(e, true);
        } else {
            w->setEnabled(false);
        }
    }
}

void TFoCadastroCliFor::atualizarLados() {
    for (PainelDetalhe* p : lados_)
        p->atualizar();
    atualizarEstado();
}

void TFoCadastroCliFor::atualizarEstado() {
    const bool editando = !modo_.isEmpty();
    const bool temParte = dm_->codigoAtual() != 0;
    const bool gravada = dm_->parteGravada();
    bool lado = false;
    for (PainelDetalhe* p : lados_) {
        p->liberar(gravada);
        lado = lado || p->editando();
    }
    incluir_->setEnabled(!editando);
    alterar_->setEnabled(!editando && temParte);
    consultar_->setEnabled(!editando && temParte);
    excluir_->setEnabled(!editando && temParte);
    imprimir_->setEnabled(!editando);
    gravar_->setEnabled(editando && !lado);
    cancelar_->setEnabled(editando && !lado);
    paginas_->setTabEnabled(0, !editando);
    for (QWidget* w :
         std::initializer_list<QWidget*>{registro_, situacao_, ordem_, pesquisa_, gradeLista_})
        w->setEnabled(!editando);
    acaoEmails_->setEnabled(gravada && !editando);
    acaoEnderecos_->setEnabled(gravada && !editando);
    acaoLog_->setEnabled(gravada);
    acaoCadastroEstadual_->setEnabled(temParte);
    acaoSistema_->setEnabled(gravada && !editando);
    buscaMunicipio_->setEnabled(editando);
    buscaMunicipioEntrega_->setEnabled(editando);
    // The rent is kept only for a rented home.
    aluguel_->setEnabled(casa_->currentData().toString() == "A");
}

// --- Modes ---

void TFoCadastroCliFor::comecarEdicao(const QString& modo) {
    modo_ = modo;
    bloqueados_.clear();
    if (Sess().UsaPermissoes) {
        if (!TDMCadClifor::Permitido("EditarEmailCliforTelaCadastro", false))
            for (const char* e : {"E_Mail", "EmailCompr"})
                bloqueados_ << findChild<QLineEdit*>(e);
        if (!TDMCadClifor::Permitido("EditarTelefonesCliforCadastro", false))
            for (const char* e : {"TELEFONE1", "TELEFONE2", "FAX"})
                bloqueados_ << findChild<QLineEdit*>(e);
        if (TDMCadClifor::Bloqueado("Bloqueia(o)AltVendedorCliFor", false))
            for (QComboBox* c : vendedores_)
                bloqueados_ << c;
    }
    if (paginas_->currentIndex() == 0)
        paginas_->setCurrentIndex(1);
    mostrarParte();
    nome_->setFocus();
}

void TFoCadastroCliFor::incluir() {
    if (!modo_.isEmpty())
        return;
    const bool ok = dm_->Incluir([this](const FaixasCodigo& faixas) {
        return limites_ ? limites_->executar(faixas) : QString();
    });
    if (ok) {
        comecarEdicao("I");
        capturarDados();
    }
}

void TFoCadastroCliFor::alterar() {
    if (modo_.isEmpty() && dm_->Alterar())
        comecarEdicao("A");
}

void TFoCadastroCliFor::consultar() {
    if (modo_.isEmpty() && dm_->codigoAtual())
        paginas_->setCurrentIndex(1);
}

void TFoCadastroCliFor::gravar() {
    if (modo_.isEmpty() || !vinculo_->validar() || !vinculoComplemento_->validar())
        return;
    if (documento_->text() != dm_->TClifor.campo("CGC").texto() &&
        !dm_->DefinirDocumento(documento_->text())) {
        documento_->setFocus();
        return;
    }
    if (!dm_->Gravar(modo_, [this](const QString& texto) { legenda(texto); })) {
        mostrarParte();
        return;
    }
    voltarParaLista();
}

void TFoCadastroCliFor::cancelar() {
    if (!modo_.isEmpty())
        dm_->Cancelar(modo_);
    voltarParaLista();
}

void TFoCadastroCliFor::voltarParaLista() {
    modo_.clear();
    bloqueados_.clear();
    paginas_->setCurrentIndex(0);
    atualizarLista();
}

void TFoCadastroCliFor::excluir() {
    if (modo_.isEmpty() && dm_->Excluir())
        atualizarLista();
}

void TFoCadastroCliFor::legenda(const QString& texto) {
    setWindowTitle(texto);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// --- Boxes ---

void TFoCadastroCliFor::sairDocumento() {
    if (modo_.isEmpty() || !documento_->isModified())
        return;
    documento_->setModified(false);
    if (!dm_->DefinirDocumento(documento_->text()))
        return;
    documento_->setText(dm_->TClifor.campo("CGC").texto());
    dm_->VerificarDocumento();
}

void TFoCadastroCliFor::sairLimite() {
    if (modo_.isEmpty())
        return;
    if (!dm_->SairLimiteCredito(limiteAoEntrar_)) {
        vinculo_->mostrar();
        aplicarBloqueios();
    }
    limiteAoEntrar_ = dm_->TClifor.campo("LIMITCRED").valor();
}

void TFoCadastroCliFor::buscarMunicipio(bool entrega) {
    if (modo_.isEmpty())
        return;
    dm_->BuscarCodigoMunicipio(entrega);
    vinculo_->mostrar();
    aplicarBloqueios();
}

void TFoCadastroCliFor::escolherMunicipio(bool entrega) {
    if (modo_.isEmpty() || !dm_->EscolherMunicipio(entrega))
        return;
    vinculo_->mostrar();
    aplicarBloqueios();
}

// --- Pop-up menu ---

void TFoCadastroCliFor::emails() {
    if (!dm_->parteGravada() || !emails_ || !TDMCadClifor::Permitido("AcessoCadEmailsClifor"))
        return;
    if (!emails_->abrirParte(dm_->filial(), dm_->codigoAtual(), dm_->TClifor.campo("NOME").texto()))
        return;
    emails_->show();
    emails_->raise();
    emails_->activateWindow();
}

// The registry page of the state in the box (the one being typed too).
void TFoCadastroCliFor::consultarCadastroEstadual() {
    if (dm_->codigoAtual())
        ConsultarCadastroEstadual(dm_->TClifor.campo("ESTADO").texto());
}

void TFoCadastroCliFor::enderecos() {
    if (!dm_->parteGravada() || !enderecos_)
        return;
    if (!enderecos_->abrirParte(dm_->codigoAtual()))
        return;
    enderecos_->show();
    enderecos_->raise();
    enderecos_->activateWindow();
}

void TFoCadastroCliFor::trocarSistema() {
    if (!modo_.isEmpty())
        return;
    if (dm_->TrocarSistema([this](const QString& texto) { legenda(texto); }))
        atualizarLista();
}

void TFoCadastroCliFor::logAlteracoes() {
    QList<QStringList> linhas;
    if (!dm_->LogAlteracoes(linhas))
        return;
    MostrarLinhas(this, "Log de Alterações do Cliente : " + dm_->TClifor.campo("NOME").texto(),
                  {"Data", "Ano/Mês", "Nome", "CNPJ", "CPF", "Insc. Estadual", "Município",
                   "Suframa", "Endereço", "Número", "Complemento", "Bairro", "País"},
                  linhas);
}

// --- Events ---

void TFoCadastroCliFor::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (!evento->spontaneous() && modo_.isEmpty())
        abrir();
}

void TFoCadastroCliFor::closeEvent(QCloseEvent* evento) {
    // Closing gives up what is open, as "Cancelar" does.
    for (PainelDetalhe* p : lados_)
        if (p->editando())
            p->cancelar();
    if (!modo_.isEmpty())
        cancelar();
    setWindowTitle(Legenda);
    QWidget::closeEvent(evento);
}

bool TFoCadastroCliFor::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::MouseButtonDblClick &&
        (objeto == municipio_ || objeto == municipioEntrega_)) {
        escolherMunicipio(objeto == municipioEntrega_);
        return true;
    }
    if (evento->type() != QEvent::FocusIn || modo_.isEmpty())
        return false;
    if (objeto == limite_) {
        limiteAoEntrar_ = dm_->TClifor.campo("LIMITCRED").valor();
    } else if (objeto == vendedor1_) {
        // Asked once the focus change is over; a refusal moves on.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!dm_->EntrarVendedor())
                    focusNextChild();
            },
            Qt::QueuedConnection);
    }
    return false;
}
