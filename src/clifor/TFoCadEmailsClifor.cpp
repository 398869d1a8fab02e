#include "TFoCadEmailsClifor.h"

#include "PainelDetalhe.h"
#include "services/Botao.h"
#include "services/Grade.h"
#include "services/JanelaModal.h"
#include "services/LembrancaJanela.h"
#include "services/ModeloLinhas.h"
#include "services/TeclaEnter.h"
#include "services/VinculoCampos.h"
#include "session/Dialogos.h"
#include "store/ErroBanco.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

TFoCadEmailsClifor::TFoCadEmailsClifor(QWidget* parent) : QDialog(parent) {
    setObjectName("TFoCadEmailsClifor");
    setWindowTitle("Cadastro de Emails de Clientes e Fornecedores :");
    resize(860, 520);
    paginas_ = new QTabWidget(this);
    paginas_->setObjectName("Paginas");

    paginaCadastro_ = new QWidget(paginas_);
    paginaCadastro_->setObjectName("Cadastro");
    parte_ = new QLabel(paginaCadastro_);
    parte_->setObjectName("Parte");
    Tabela& t = dm_.TEmails;
    painel_ = new PainelDetalhe(
        t, "Emails", {"Filial", "Cliente", "Ordem", "Tipo", "Nome", "E-mail", "Data Manutenção"},
        [&t] {
            return QStringList{t.campo("Filial").texto(),
                               t.campo("Cliente").texto(),
                               t.campo("Ordem").texto(),
                               TDMEmailsClifor::TextoTipo(t.campo("Tipo").texto()),
                               t.campo("Nome").texto(),
                               t.campo("Email").texto(),
                               t.campo("Dt_manutencao").texto()};
        },
        paginaCadastro_);
    auto* g = new QGridLayout(painel_->painel());
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    auto* tipo = new QComboBox(painel_->painel());
    tipo->setObjectName("Tipo");
    for (const auto& [codigo, texto] : TDMEmailsClifor::Tipos())
        tipo->addItem(codigo + " - " + texto, codigo);
    painel_->vinculo()->ligar(tipo, "Tipo");
    auto* nome = new QLineEdit(painel_->painel());
    nome->setObjectName("Nome");
    painel_->vinculo()->ligar(nome, "Nome");
    auto* email = new QLineEdit(painel_->painel());
    email->setObjectName("Email");
    painel_->vinculo()->ligar(email, "Email");
    g->addWidget(new QLabel("Tipo", painel_->painel()), 0, 0);
    g->addWidget(tipo, 0, 1);
    g->addWidget(new QLabel("Nome", painel_->painel()), 0, 2);
    g->addWidget(nome, 0, 3);
    g->addWidget(new QLabel("E-mail", painel_->painel()), 1, 0);
    g->addWidget(email, 1, 1, 1, 3);
    painel_->definirAcoes({[this] { return dm_.Incluir(); }, [this] { return dm_.Alterar(); },
                           [this] { return dm_.Gravar(); }, [this] { return dm_.Excluir(); },
                           [this] { dm_.Cancelar(); }},
                          tipo);
    auto* botoesCadastro = new QHBoxLayout;
    botoesCadastro->addStretch();
    retornar_ = NovoBotao("Retornar para seleção de emails", paginaCadastro_, botoesCadastro);
    auto* lc = new QVBoxLayout(paginaCadastro_);
    lc->addWidget(parte_);
    lc->addWidget(painel_, 1);
    lc->addLayout(botoesCadastro);

    paginaSelecao_ = new QWidget(paginas_);
    paginaSelecao_->setObjectName("Seleção Multipla");
    modeloSelecao_ =
        new ModeloLinhas({"Codigo", "Nome", "Email", "Tipo", "Enviar"}, paginaSelecao_);
    modeloSelecao_->alinharDireita({0});
    gradeSelecao_ = NovaGrade(modeloSelecao_, "GradeSelecao", paginaSelecao_);
    auto* botoesSelecao = new QHBoxLayout;
    enviar_ = NovoBotao("Selecioner e enviar...", paginaSelecao_, botoesSelecao);
    QPushButton* novos = NovoBotao("Cadastra novos emails...", paginaSelecao_, botoesSelecao);
    botoesSelecao->addStretch();
    QPushButton* sair = NovoBotao("Sair sem enviar", paginaSelecao_, botoesSelecao);
    auto* ls = new QVBoxLayout(paginaSelecao_);
    ls->addWidget(
        new QLabel("Duplo clique marca ou desmarca o e-mail para envio.", paginaSelecao_));
    ls->addWidget(gradeSelecao_, 1);
    ls->addLayout(botoesSelecao);

    paginas_->addTab(paginaCadastro_, paginaCadastro_->objectName());
    paginas_->addTab(paginaSelecao_, paginaSelecao_->objectName());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(paginas_, 1);

    connect(gradeSelecao_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& i) { alternar(i.row()); });
    connect(enviar_, &QPushButton::clicked, this, &TFoCadEmailsClifor::enviar);
    connect(novos, &QPushButton::clicked, this, &TFoCadEmailsClifor::cadastrarNovos);
    connect(sair, &QPushButton::clicked, this, &TFoCadEmailsClifor::sairSemEnviar);
    connect(retornar_, &QPushButton::clicked, this, &TFoCadEmailsClifor::retornarSelecao);
    AvancarComEnter(this);
    LembrarJanela(this);
}

bool TFoCadEmailsClifor::abrirParte(int filial, int cliente, const QString& nome) {
    if (painel_->editando())
        return true;
    if (!dm_.abrir(filial, cliente))
        return false;
    escolhendo_ = false;
    parte_->setText("Cliente: " + QString::number(cliente) + " - " + nome);
    paginas_->setTabVisible(paginas_->indexOf(paginaCadastro_), true);
    paginas_->setTabVisible(paginas_->indexOf(paginaSelecao_), false);
    paginas_->setCurrentWidget(paginaCadastro_);
    retornar_->setVisible(false);
    painel_->liberar(true);
    painel_->atualizar();
    return true;
}

QString TFoCadEmailsClifor::SetListaEmails(int filial, int cliente) {
    resultado_.clear();
    selecao_.clear();
    if (!dm_.abrir(filial, cliente))
        return QString();
    escolhendo_ = true;
    parte_->setText("Cliente: " + QString::number(cliente));
    painel_->liberar(true);
    painel_->atualizar();
    retornarSelecao();
    ExibirModal(*this);
    escolhendo_ = false;
    return resultado_;
}

void TFoCadEmailsClifor::lerSelecao() {
    // Marks survive a visit to the maintenance page.
    QList<int> marcados;
    for (const ItemEmail& i : selecao_)
        if (i.selecionar)
            marcados << i.ordem;
    try {
        selecao_ = dm_.lerSelecao();
        for (ItemEmail& i : selecao_)
            i.selecionar = marcados.contains(i.ordem);
    } catch (const ErroBanco& e) {
        selecao_.clear();
        MostrarErro(e.texto());
    }
    mostrarSelecao();
}

void TFoCadEmailsClifor::mostrarSelecao() {
    QList<QStringList> linhas;
    QVariantList chaves;
    bool algum = false;
    for (const ItemEmail& i : selecao_) {
        linhas << QStringList{QString::number(i.ordem), i.nome, i.email, i.tipo,
                              i.selecionar ? "Sim" : ""};
        chaves << i.ordem;
        algum = algum || i.selecionar;
    }
    const int atual = gradeSelecao_->currentIndex().row();
    modeloSelecao_->definir(linhas, chaves);
    if (atual >= 0 && atual < linhas.size())
        gradeSelecao_->setCurrentIndex(modeloSelecao_->index(atual, 0));
    enviar_->setEnabled(algum);
}

void TFoCadEmailsClifor::alternar(int linha) {
    if (linha < 0 || linha >= selecao_.size())
        return;
    selecao_[linha].selecionar = !selecao_[linha].selecionar;
    mostrarSelecao();
}

void TFoCadEmailsClifor::enviar() {
    resultado_ = TDMEmailsClifor::Marcados(selecao_);
    if (resultado_.isEmpty())
        return;
    accept();
}

void TFoCadEmailsClifor::sairSemEnviar() {
    resultado_.clear();
    reject();
}

void TFoCadEmailsClifor::cadastrarNovos() {
    paginas_->setTabVisible(paginas_->indexOf(paginaCadastro_), true);
    paginas_->setCurrentWidget(paginaCadastro_);
    paginas_->setTabVisible(paginas_->indexOf(paginaSelecao_), false);
    retornar_->setVisible(true);
}

void TFoCadEmailsClifor::retornarSelecao() {
    if (painel_->editando())
        return;
    paginas_->setTabVisible(paginas_->indexOf(paginaSelecao_), true);
    paginas_->setCurrentWidget(paginaSelecao_);
    paginas_->setTabVisible(paginas_->indexOf(paginaCadastro_), false);
    lerSelecao();
}

void TFoCadEmailsClifor::closeEvent(QCloseEvent* evento) {
    if (painel_->editando())
        painel_->cancelar();
    QDialog::closeEvent(evento);
}
