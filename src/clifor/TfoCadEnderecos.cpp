#include "TfoCadEnderecos.h"

#include "PainelDetalhe.h"
#include "services/Botao.h"
#include "services/Grade.h"
#include "services/LembrancaJanela.h"
#include "services/ModeloLinhas.h"
#include "services/TeclaEnter.h"
#include "services/VinculoCampos.h"
#include "session/Dialogos.h"
#include "store/ErroBanco.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

TfoCadEnderecos::TfoCadEnderecos(QWidget* parent) : QWidget(parent) {
    setObjectName("TfoCadEnderecos");
    setWindowTitle("Cadastro de Endereços");
    resize(900, 560);
    paginas_ = new QTabWidget(this);
    paginas_->setObjectName("Paginas");

    auto* lista = new QWidget(paginas_);
    lista->setObjectName("Clientes");
    auto* busca = new QHBoxLayout;
    busca->addWidget(new QLabel("Código", lista));
    codigo_ = new QLineEdit(lista);
    codigo_->setObjectName("Código");
    codigo_->setMaximumWidth(codigo_->fontMetrics().horizontalAdvance("0000000000"));
    busca->addWidget(codigo_);
    busca->addWidget(new QLabel("Nome", lista));
    nome_ = new QLineEdit(lista);
    nome_->setObjectName("Nome");
    busca->addWidget(nome_, 1);
    modeloPartes_ = new ModeloLinhas({"Código", "Nome"}, lista);
    modeloPartes_->alinharDireita({0});
    gradePartes_ = NovaGrade(modeloPartes_, "GradeClientes", lista);
    auto* botoesLista = new QHBoxLayout;
    botoesLista->addStretch();
    QPushButton* okBotao = NovoBotao("OK", lista, botoesLista);
    auto* ll = new QVBoxLayout(lista);
    ll->addLayout(busca);
    ll->addWidget(gradePartes_, 1);
    ll->addLayout(botoesLista);

    auto* enderecos = new QWidget(paginas_);
    enderecos->setObjectName("Endereços");
    parte_ = new QLabel(enderecos);
    parte_->setObjectName("Parte");
    Tabela& t = dm_.TEndereco;
    painel_ = new PainelDetalhe(
        t, "Enderecos",
        {"Nº", "Endereço", "Número", "Bairro", "Cidade", "UF", "CEP", "Obra", "Responsável",
         "Horário", "Fone 1"},
        [&t] {
            QStringList l;
            for (const char* c : {"Codigo", "Endereco", "Numero", "Bairro", "Cidade", "Estado",
                                  "Cep", "Obra", "Responsavel", "Horario", "Fone1"})
                l << t.campo(c).texto();
            return l;
        },
        enderecos);
    auto* g = new QGridLayout(painel_->painel());
    for (int c : {1, 3, 5})
        g->setColumnStretch(c, 1);
    const char* const campos[][2] = {
        {"Endereço", "Endereco"},
        {"Número", "Numero"},
        {"Complemento", "Complemento"},
        {"Bairro", "Bairro"},
        {"Cidade", "Cidade"},
        {"UF", "Estado"},
        {"CEP", "Cep"},
        {"Horário", "Horario"},
        {"Obra", "Obra"},
        {"Responsável", "Responsavel"},
        {"Fone 1", "Fone1"},
        {"Fone 2", "Fone2"},
    };
    QLineEdit* primeira = nullptr;
    int i = 0;
    for (const auto& c : campos) {
        auto* e = new QLineEdit(painel_->painel());
        e->setObjectName(c[1]);
        painel_->vinculo()->ligar(e, c[1]);
        g->addWidget(new QLabel(QString::fromUtf8(c[0]), painel_->painel()), i / 3, 2 * (i % 3));
        g->addWidget(e, i / 3, 2 * (i % 3) + 1);
        if (!primeira)
            primeira = e;
        ++i;
    }
    painel_->definirAcoes({[this] { return dm_.Incluir(); }, [this] { return dm_.Alterar(); },
                           [this] { return dm_.Gravar(); }, [this] { return dm_.Excluir(); },
                           [this] { dm_.Cancelar(); }},
                          primeira);
    auto* botoesEnd = new QHBoxLayout;
    QPushButton* clonarBotao = NovoBotao("Clonar Registro P/ Outra Empresa", enderecos, botoesEnd);
    botoesEnd->addStretch();
    QPushButton* voltarBotao = NovoBotao("Voltar", enderecos, botoesEnd);
    auto* le = new QVBoxLayout(enderecos);
    le->addWidget(parte_);
    le->addWidget(painel_, 1);
    le->addLayout(botoesEnd);

    paginas_->addTab(lista, lista->objectName());
    paginas_->addTab(enderecos, enderecos->objectName());
    QPushButton* fechar = NovoBotao("Fechar", this);
    auto* rodape = new QHBoxLayout;
    rodape->addStretch();
    rodape->addWidget(fechar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(paginas_, 1);
    layout->addLayout(rodape);

    codigo_->installEventFilter(this);
    nome_->installEventFilter(this);
    connect(codigo_, &QLineEdit::textEdited, this,
            [this](const QString& t) { pesquisar(t, false); });
    connect(nome_, &QLineEdit::textEdited, this, [this](const QString& t) { pesquisar(t, true); });
    connect(gradePartes_, &QTableView::doubleClicked, this, &TfoCadEnderecos::ok);
    connect(okBotao, &QPushButton::clicked, this, &TfoCadEnderecos::ok);
    connect(clonarBotao, &QPushButton::clicked, this, &TfoCadEnderecos::clonar);
    connect(voltarBotao, &QPushButton::clicked, this, &TfoCadEnderecos::voltar);
    connect(fechar, &QPushButton::clicked, this, &QWidget::close);
    painel_->aoMudar = [this, clonarBotao, voltarBotao] {
        clonarBotao->setEnabled(!painel_->editando());
        voltarBotao->setEnabled(!painel_->editando());
    };
    connect(painel_->findChild<QPushButton*>("Incluir"), &QPushButton::clicked, painel_->aoMudar);
    connect(painel_->findChild<QPushButton*>("Alterar"), &QPushButton::clicked, painel_->aoMudar);
    AvancarComEnter(this);
    LembrarJanela(this);
}

bool TfoCadEnderecos::listarPartes(bool porNome) {
    porNome_ = porNome;
    const int codigo = gradePartes_->currentIndex().isValid()
                           ? modeloPartes_->texto(gradePartes_->currentIndex().row(), 0).toInt()
                           : 0;
    try {
        partes_ = dm_.partes(porNome);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    QVariantList chaves;
    for (const QStringList& l : partes_)
        chaves << l[0].toInt();
    modeloPartes_->definir(partes_, chaves);
    const int i = modeloPartes_->linhaDe(codigo);
    if (i >= 0 || !partes_.isEmpty())
        gradePartes_->setCurrentIndex(modeloPartes_->index(i >= 0 ? i : 0, 0));
    return true;
}

void TfoCadEnderecos::pesquisar(const QString& texto, bool porNome) {
    if (porNome != porNome_)
        listarPartes(porNome);
    const int i = TDMCadEnderecos::linhaPesquisa(partes_, porNome, texto);
    if (i >= 0)
        gradePartes_->setCurrentIndex(modeloPartes_->index(i, 0));
}

bool TfoCadEnderecos::abrirParte(int codigo) {
    if (painel_->editando())
        return true;
    if (!listarPartes(porNome_))
        return false;
    const int i = modeloPartes_->linhaDe(codigo);
    if (i < 0)
        return false;
    gradePartes_->setCurrentIndex(modeloPartes_->index(i, 0));
    ok();
    return true;
}

void TfoCadEnderecos::ok() {
    const QModelIndex i = gradePartes_->currentIndex();
    if (!i.isValid() || !dm_.abrirParte(modeloPartes_->texto(i.row(), 0).toInt()))
        return;
    parte_->setText("Cliente: " + modeloPartes_->texto(i.row(), 0) + " - " +
                    modeloPartes_->texto(i.row(), 1));
    painel_->liberar(true);
    painel_->atualizar();
    paginas_->setTabEnabled(0, false);
    paginas_->setCurrentIndex(1);
}

void TfoCadEnderecos::voltar() {
    if (painel_->editando())
        return;
    paginas_->setTabEnabled(0, true);
    paginas_->setCurrentIndex(0);
    listarPartes(porNome_);
}

void TfoCadEnderecos::clonar() {
    if (!painel_->editando())
        dm_.Clonar();
}

void TfoCadEnderecos::closeEvent(QCloseEvent* evento) {
    if (painel_->editando())
        painel_->cancelar();
    paginas_->setTabEnabled(0, true);
    paginas_->setCurrentIndex(0);
    QWidget::closeEvent(evento);
}

bool TfoCadEnderecos::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::FocusIn && (objeto == codigo_ || objeto == nome_) &&
        (objeto == nome_) != porNome_)
        listarPartes(objeto == nome_);
    return false;
}
