#include "TFoCadastroCliFor_MedidasConfec.h"

#include "FichaMedidas.h"
#include "services/BarraCadastro.h"
#include "services/Botao.h"
#include "services/JanelaModal.h"
#include "services/LembrancaJanela.h"
#include "services/ModeloLinhas.h"
#include "services/TeclaEnter.h"
#include "services/VinculoCampos.h"
#include "session/AcessoDados.h"
#include "session/Dialogos.h"
#include "session/FormatosRegionais.h"
#include "session/Relogio.h"
#include "session/Sessao.h"
#include "store/ErroBanco.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

TFoCadastroCliFor_MedidasConfec::TFoCadastroCliFor_MedidasConfec(SessaoBanco* sessao,
                                                                 QWidget* parent)
    : QWidget(parent), tabela_("Clifor_MedidasConfec", sessao) {
    setObjectName("TFoCadastroCliFor_MedidasConfec");
    setWindowTitle("Orvalo - Cadastro de Medidas P/ Confecção :");
    resize(760, 720);

    modelo_ = new ModeloLinhas({"Filial", "Cliente", "Data", "Número", "Embarque Data",
                                "Embarque Pago", "Ordem", "Confirma"},
                               this);
    modelo_->alinharDireita({0, 1, 3, 6});
    grade_ = NovaListaCadastro(modelo_, this);
    connect(grade_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TFoCadastroCliFor_MedidasConfec::seguirLista);

    vinculo_ = new VinculoCampos(tabela_, this);
    auto* paginas = new QTabWidget(this);
    const auto pagina = [&](const QString& titulo, const CamposFicha& campos) {
        auto* w = new QWidget;
        auto* g = new QGridLayout(w);
        for (int i = 0; i < campos.size(); ++i) {
            auto* e = new QLineEdit(w);
            e->setObjectName(campos[i].second);
            e->setMaxLength(20);
            vinculo_->ligar(e, campos[i].second);
            const int linha = i % ((campos.size() + 1) / 2), coluna = i / ((campos.size() + 1) / 2);
            g->addWidget(new QLabel(campos[i].first, w), linha, coluna * 2);
            g->addWidget(e, linha, coluna * 2 + 1);
        }
        g->setRowStretch(g->rowCount(), 1);
        paginas->addTab(w, titulo);
        return g;
    };
    auto* gj = pagina("Jaqueta", CamposJaqueta());
    auto* gc = pagina("Calça", CamposCalca());
    const auto observacao = [&](QGridLayout* g, const QString& campo) {
        auto* o = new QPlainTextEdit(g->parentWidget());
        o->setObjectName(campo);
        o->setMaximumHeight(70);
        vinculo_->ligar(o, campo);
        g->addWidget(new QLabel("Observações", g->parentWidget()), g->rowCount(), 0);
        g->addWidget(o, g->rowCount() - 1, 1, 1, 3);
    };
    observacao(gj, "ObsJaqueta");
    observacao(gc, "ObsCalca");

    auto* outros = new QWidget;
    auto* fo = new QFormLayout(outros);
    const auto texto = [&](const QString& rotulo, const QString& campo, int tamanho) {
        auto* e = new QLineEdit(outros);
        e->setObjectName(campo);
        e->setMaxLength(tamanho);
        vinculo_->ligar(e, campo);
        fo->addRow(rotulo, e);
    };
    const auto marca = [&](const QString& rotulo, const QString& campo) {
        auto* c = new QCheckBox(rotulo, outros);
        c->setObjectName(campo);
        vinculo_->ligar(c, campo);
        fo->addRow(QString(), c);
    };
    texto("Embarque Data", "Embarque_DtPrev", 10);
    marca("Embarque Pago", "EmbarquePago");
    texto("Vendedor", "Embarque_Vendedor", 6);
    texto("Feira", "Feira", 40);
    texto("Ordem", "Ordem", 9);
    marca("Confirma", "Confirma");
    texto("Cores", "Cores", 60);
    texto("Bota Nº", "Aces_BotaNro", 10);
    marca("Luva", "Aces_Luva");
    marca("Protetor", "Aces_Protetor");
    marca("Mala tanque", "Aces_MalaTanque");
    marca("Alforge", "Aces_Alforge");
    paginas->addTab(outros, "Embarque / Acessórios");

    barra_ = new BarraCadastro(this, grade_);
    barra_->ligar(this);
    QPushButton* imprimir = NovoBotao("Imprimir", this);
    barra_->insertWidget(barra_->count() - 1, imprimir);
    connect(imprimir, &QPushButton::clicked, this, &TFoCadastroCliFor_MedidasConfec::imprimir);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grade_, 1);
    layout->addWidget(paginas, 2);
    layout->addLayout(barra_);
    habilitar(false);
    AvancarComEnter(this);
    LembrarJanela(this);
}

bool TFoCadastroCliFor_MedidasConfec::abrir(int cliente, const QString& nome) {
    if (editando())
        cancelar();
    cliente_ = cliente;
    nome_ = nome;
    try {
        tabela_.fechar();
        tabela_.definirFaixa({Sess().Filial, cliente}, {Sess().Filial, cliente});
        tabela_.abrir();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    atualizarLista(QVariant());
    habilitar(false);
    return true;
}

bool TFoCadastroCliFor_MedidasConfec::editando() const {
    return tabela_.estado() == EstadoDados::Editando || tabela_.estado() == EstadoDados::Inserindo;
}

void TFoCadastroCliFor_MedidasConfec::habilitar(bool sim) {
    barra_->editando(sim);
    vinculo_->mostrar();
}

void TFoCadastroCliFor_MedidasConfec::atualizarLista(const QVariant& numero) {
    QList<QStringList> linhas;
    QVariantList chaves;
    try {
        for (tabela_.primeiro(); !tabela_.eof(); tabela_.proximo()) {
            const auto t = [this](const char* c) { return tabela_.campo(c).texto(); };
            linhas << QStringList{t("Filial"),
                                  t("Cod_clifor"),
                                  t("Data"),
                                  t("Numero"),
                                  t("Embarque_DtPrev"),
                                  tabela_.campo("EmbarquePago").logico() ? "Sim" : "Não",
                                  t("Ordem"),
                                  tabela_.campo("Confirma").logico() ? "Sim" : "Não"};
            chaves << tabela_.campo("Numero").inteiro();
        }
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    modelo_->definir(linhas, chaves);
    const int linha = numero.isValid() ? modelo_->linhaDe(numero) : -1;
    if (linha >= 0 || !linhas.isEmpty())
        grade_->setCurrentIndex(modelo_->index(std::max(linha, 0), 0));
    seguirLista();
}

void TFoCadastroCliFor_MedidasConfec::seguirLista() {
    if (editando() || !tabela_.ativo())
        return;
    const QVariant numero = modelo_->chave(grade_->currentIndex().row());
    if (numero.isValid())
        tabela_.localizar({"Numero"}, {numero});
    vinculo_->mostrar();
}

void TFoCadastroCliFor_MedidasConfec::incluir() {
    if (!tabela_.ativo() || cliente_ == 0)
        return;
    int numero = 0;
    for (int i = 0; i < modelo_->rowCount(); ++i)
        numero = std::max(numero, modelo_->chave(i).toInt());
    try {
        tabela_.incluir();
        tabela_.campo("Filial").definir(Sess().Filial);
        tabela_.campo("Cod_clifor").definir(cliente_);
        tabela_.campo("Data").definir(Relogio::atual().hoje());
        tabela_.campo("Numero").definir(numero + 1);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return;
    }
    habilitar(true);
}

void TFoCadastroCliFor_MedidasConfec::alterar() {
    if (tabela_.vazio() || !EditarRegistro(tabela_))
        return;
    habilitar(true);
}

void TFoCadastroCliFor_MedidasConfec::gravar() {
    const QVariant numero = tabela_.campo("Numero").valor();
    if (!vinculo_->validar() || !GravarRegistro(tabela_))
        return;
    habilitar(false);
    atualizarLista(numero);
}

void TFoCadastroCliFor_MedidasConfec::cancelar() {
    tabela_.cancelar();
    habilitar(false);
    seguirLista();
}

void TFoCadastroCliFor_MedidasConfec::excluir() {
    if (tabela_.vazio() || !Confirmar("Confirma eliminação deste registro ?"))
        return;
    try {
        tabela_.excluir();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    atualizarLista(QVariant());
}

FichaMedidas TFoCadastroCliFor_MedidasConfec::ficha() {
    FichaMedidas f;
    const auto t = [this](const QString& c) { return tabela_.campo(c).texto(); };
    f.cliente = QString::number(cliente_) + " - " + nome_;
    f.data = t("Data");
    f.numero = t("Numero");
    f.feira = t("Feira");
    f.cores = t("Cores");
    f.observacaoJaqueta = t("ObsJaqueta");
    f.observacaoCalca = t("ObsCalca");
    for (const auto& c : CamposJaqueta())
        f.jaqueta << t(c.second);
    for (const auto& c : CamposCalca())
        f.calca << t(c.second);
    return f;
}

void TFoCadastroCliFor_MedidasConfec::imprimir() {
    if (editando() || tabela_.vazio())
        return;
    const FichaMedidas f = ficha();
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setPageSize(QPageSize(QPageSize::A4));
    impressora.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    QPrintPreviewDialog previa(&impressora, this);
    previa.setObjectName("Previa");
    previa.setWindowTitle(windowTitle());
    previa.resize(820, 900);
    connect(&previa, &QPrintPreviewDialog::paintRequested, this,
            [&f](QPrinter* p) { DesenharFichasMedidas(f, *p); });
    ExibirModal(previa);
}

void TFoCadastroCliFor_MedidasConfec::closeEvent(QCloseEvent* evento) {
    if (editando())
        cancelar();
    QWidget::closeEvent(evento);
}
