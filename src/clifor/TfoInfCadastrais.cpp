#include "TfoInfCadastrais.h"

#include "InformacoesCadastrais.h"
#include "services/Botao.h"
#include "services/DataValida.h"
#include "services/LembrancaJanela.h"
#include "services/TeclaEnter.h"
#include "session/Dialogos.h"
#include "session/FormatosRegionais.h"
#include "session/Relogio.h"
#include "session/Sessao.h"
#include "store/ErroBanco.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
const char* const Rotulos[] = {"Nome",
                               "Fantasia",
                               "Cliente Desde",
                               "CPF/CNPJ",
                               "Conceito",
                               "Condição de Pagamento",
                               "Fone",
                               "E-mail",
                               "Observações",
                               "Limite de Crédito",
                               "Saldo do Limite",
                               "Primeira Compra",
                               "Última Compra",
                               "Maior Compra",
                               "Último Pagamento",
                               "Títulos Antecipados",
                               "Títulos Pontuais",
                               "Títulos Atrasados",
                               "Títulos em Aberto",
                               "Comportamento"};

QString textoCompra(const Compra& c) {
    if (c.nota == 0)
        return QString();
    return DataTexto(c.data) + "  Nota " + QString::number(c.nota) + "  R$ " +
           c.valor.formatar("###,##0.00");
}
} // namespace

TfoInfCadastrais::TfoInfCadastrais(SessaoBanco* sessao, QWidget* parent)
    : QWidget(parent), sessao_(sessao) {
    setObjectName("TfoInfCadastrais");
    setWindowTitle("Orvalo : Informações Cadastrais de Clientes");
    setMinimumWidth(640);

    auto* escolha = new QGroupBox("Cliente", this);
    auto* porCodigo = new QRadioButton("Código", escolha);
    porCodigo->setObjectName("Código");
    porCodigo->setChecked(true);
    porNome_ = new QRadioButton("Nome", escolha);
    porNome_->setObjectName("Nome");
    cliente_ = new QComboBox(escolha);
    cliente_->setObjectName("Cliente");
    cliente_->setMinimumContentsLength(40);
    auto* le = new QHBoxLayout(escolha);
    le->addWidget(porCodigo);
    le->addWidget(porNome_);
    le->addWidget(cliente_, 1);

    const auto data = [this](const QString& nome) {
        auto* e = new QLineEdit(this);
        e->setObjectName(nome);
        e->setMaxLength(10);
        e->setFixedWidth(e->fontMetrics().horizontalAdvance("00/00/00000") + 12);
        return e;
    };
    de_ = data("DataIni");
    ate_ = data("DataFim");
    historicos_ = new QLineEdit(this);
    historicos_->setObjectName("Historicos");
    historicos_->setPlaceholderText("todos");
    historicos_->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]{0,4}(,[0-9]{1,4})*,?"), this));
    auto* periodo = new QHBoxLayout;
    periodo->addWidget(new QLabel("Período", this));
    periodo->addWidget(de_);
    periodo->addWidget(new QLabel("a", this));
    periodo->addWidget(ate_);
    periodo->addSpacing(12);
    periodo->addWidget(new QLabel("Históricos de estoque", this));
    periodo->addWidget(historicos_, 1);
    QPushButton* consultar = NovoBotao("Consultar", this, periodo);

    auto* quadro = new QGroupBox("Informações", this);
    valores_ = new QFormLayout(quadro);
    for (const char* r : Rotulos) {
        auto* e = new QLineEdit(quadro);
        e->setObjectName(QString::fromUtf8(r));
        e->setReadOnly(true);
        valores_->addRow(QString::fromUtf8(r), e);
    }

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    connect(NovoBotao("Fechar", this, botoes), &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(escolha);
    layout->addLayout(periodo);
    layout->addWidget(quadro);
    layout->addLayout(botoes);

    connect(porNome_, &QRadioButton::toggled, this, &TfoInfCadastrais::carregarClientes);
    connect(cliente_, &QComboBox::currentIndexChanged, this, &TfoInfCadastrais::limpar);
    connect(consultar, &QPushButton::clicked, this, &TfoInfCadastrais::consultar);
    AvancarComEnter(this);
    LembrarJanela(this);
}

QLineEdit* TfoInfCadastrais::valor(const QString& rotulo) const {
    return findChild<QLineEdit*>(rotulo);
}

void TfoInfCadastrais::abrir(const QString& sistema, int cliente) {
    sistema_ = sistema;
    if (de_->text().isEmpty()) {
        const QDate hoje = Relogio::atual().hoje();
        de_->setText(DataTexto(hoje.addYears(-1)));
        ate_->setText(DataTexto(hoje));
    }
    carregarClientes();
    const int i = cliente_->findData(cliente);
    if (i >= 0)
        cliente_->setCurrentIndex(i);
}

void TfoInfCadastrais::carregarClientes() {
    const QVariant atual = cliente_->currentData();
    QList<QStringList> linhas;
    try {
        linhas = ClientesInfCadastrais(Sess().Filial, sistema_, porNome_->isChecked(), sessao_);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    const QSignalBlocker bloqueio(cliente_);
    cliente_->clear();
    for (const QStringList& l : linhas)
        cliente_->addItem(l[1] + " - " + l[2] + (l[3].isEmpty() ? "" : "  (" + l[3] + ")"),
                          l[1].toInt());
    const int i = cliente_->findData(atual);
    cliente_->setCurrentIndex(std::max(i, 0));
    limpar();
}

void TfoInfCadastrais::limpar() {
    for (const char* r : Rotulos)
        valor(QString::fromUtf8(r))->clear();
}

void TfoInfCadastrais::mostrar(const QString& rotulo, const QString& texto) {
    QLineEdit* e = valor(rotulo);
    e->setText(texto);
    e->setCursorPosition(0);
}

void TfoInfCadastrais::consultar() {
    if (cliente_->currentIndex() < 0 || !DataValida(de_->text()) || !DataValida(ate_->text()))
        return;
    QList<int> historicos;
    for (const QString& h : historicos_->text().split(',', Qt::SkipEmptyParts))
        historicos << h.toInt();
    InfCadastrais info;
    try {
        if (!LerInfCadastrais(Sess().Filial, cliente_->currentData().toInt(), LerData(de_->text()),
                              LerData(ate_->text()), historicos, Relogio::atual().hoje(), info,
                              sessao_))
            return;
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return;
    }
    mostrar("Nome", info.nome);
    mostrar("Fantasia", info.fantasia);
    mostrar("Cliente Desde", DataTexto(info.clienteDesde));
    mostrar("CPF/CNPJ", info.documento);
    mostrar("Conceito", info.descricaoConceito.isEmpty()
                            ? info.conceito
                            : info.conceito + " - " + info.descricaoConceito);
    mostrar("Condição de Pagamento", info.condicao);
    mostrar("Fone", info.fone);
    mostrar("E-mail", info.email);
    mostrar("Observações", info.observacao);
    mostrar("Limite de Crédito", info.limite.formatar("###,##0.00"));
    mostrar("Saldo do Limite", info.saldoLimite.formatar("###,##0.00"));
    mostrar("Primeira Compra", textoCompra(info.primeira));
    mostrar("Última Compra", textoCompra(info.ultima));
    mostrar("Maior Compra", textoCompra(info.maior));
    const ResumoTitulos& t = info.titulos;
    mostrar("Último Pagamento", t.ultimoPagamento.isValid()
                                    ? DataTexto(t.ultimoPagamento) + "  R$ " +
                                          t.valorUltimoPagamento.formatar("###,##0.00")
                                    : QString());
    mostrar("Títulos Antecipados", t.antecipados);
    mostrar("Títulos Pontuais", t.pontuais);
    mostrar("Títulos Atrasados", t.atrasados);
    mostrar("Títulos em Aberto", t.abertos);
    mostrar("Comportamento", t.comportamento);
}
