#include "TfoConsultaCnpj.h"

#include "ConsultaCnpj.h"
#include "DocumentoClifor.h"
#include "services/Botao.h"
#include "services/JanelaModal.h"
#include "services/NavegadorHttp.h"

#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TfoConsultaCnpj::TfoConsultaCnpj(QWidget* parent)
    : QDialog(parent), navegador_(std::make_unique<NavegadorHttp>()) {
    setObjectName("TfoConsultaCnpj");
    setWindowTitle("Consulta CNPJ");
    resize(760, 700);

    cnpj_ = new QLineEdit(this);
    cnpj_->setObjectName("CNPJ");
    cnpj_->setMaxLength(18);
    auto* topo = new QHBoxLayout;
    topo->addWidget(new QLabel("CNPJ", this));
    topo->addWidget(cnpj_);
    QPushButton* acessar = NovoBotao("Acessar", this, topo);
    topo->addStretch();
    carregando_ = new QLabel("Carregando ...", this);
    carregando_->setObjectName("Carregando");
    carregando_->setStyleSheet("QLabel { background: #fff3b0; padding: 2px 8px; }");
    carregando_->hide();
    topo->addWidget(carregando_);

    auto* campos = new QFormLayout;
    campos->setRowWrapPolicy(QFormLayout::WrapLongRows);
    for (const QString& rotulo : RotulosComprovanteCnpj()) {
        auto* e = new QLineEdit(this);
        e->setObjectName(rotulo);
        e->setReadOnly(true);
        campos->addRow(rotulo, e);
        caixas_ << e;
    }

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    marcar_ = NovoBotao("Marcar no Cliente", this, botoes);
    connect(NovoBotao("Fechar", this, botoes), &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(topo);
    layout->addLayout(campos);
    layout->addStretch();
    layout->addLayout(botoes);

    connect(acessar, &QPushButton::clicked, this, &TfoConsultaCnpj::acessar);
    connect(marcar_, &QPushButton::clicked, this, &TfoConsultaCnpj::marcarNoCliente);
    navegador_->aoIniciar = [this] { carregando_->show(); };
    navegador_->aoCarregar = [this](const QUrl& endereco) { paginaCarregada(endereco); };
}

TfoConsultaCnpj::~TfoConsultaCnpj() = default;

void TfoConsultaCnpj::abrir(const QString& documento, bool marcar, const QList<QLineEdit*>& alvos) {
    alvos_ = alvos;
    cnpj_->setText(documento);
    for (QLineEdit* e : caixas_)
        e->clear();
    marcar_->setVisible(marcar);
    if (const QScreen* tela = QGuiApplication::primaryScreen()) {
        resize(width(), 700);
        move(tela->availableGeometry().center() - rect().center());
    }
    acessar();
    ExibirModal(*this);
}

void TfoConsultaCnpj::acessar() {
    navegador_->navegar(QUrl(EnderecoConsultaCnpj()));
}

void TfoConsultaCnpj::paginaCarregada(const QUrl& endereco) {
    carregando_->hide();
    const QString pagina = endereco.toString();
    if (pagina.contains("Cnpjreva_Solicitacao2.asp", Qt::CaseInsensitive)) {
        const QStringList elementos = navegador_->elementos();
        for (const QString& nome : elementos) {
            if (nome == "cnpj")
                navegador_->definirElemento(nome, LimparDocumento(cnpj_->text()));
            else if (nome == "submit1")
                navegador_->clicarElemento(nome);
        }
    } else if (pagina.contains("Cnpjreva_Comprovante.asp", Qt::CaseInsensitive)) {
        const QStringList valores = LerComprovanteCnpj(navegador_->texto());
        for (int i = 0; i < caixas_.size(); ++i)
            caixas_[i]->setText(valores.value(i));
    }
}

void TfoConsultaCnpj::marcarNoCliente() {
    QStringList valores;
    for (QLineEdit* e : caixas_)
        valores << e->text();
    const QStringList marcados = ValoresMarcadosCnpj(valores);
    for (int i = 0; i < alvos_.size() && i < marcados.size(); ++i)
        if (alvos_[i])
            alvos_[i]->setText(marcados[i]);
}
