#include "TfoBaixaEstoqueMatPrima.h"

#include "BaixaMateriaPrima.h"
#include "services/Botao.h"
#include "services/DataValida.h"
#include "services/LeituraDigitada.h"
#include "services/LembrancaJanela.h"
#include "services/TeclaEnter.h"
#include "session/Dialogos.h"
#include "store/ErroBanco.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {
QLineEdit* CampoTexto(const QString& nome, int digitos, const QString& valor, QWidget* pai) {
    auto* e = new QLineEdit(valor, pai);
    e->setObjectName(nome);
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(QString(digitos + 1, '0')) + 16);
    return e;
}

QLineEdit* CampoNumero(const QString& nome, int digitos, QWidget* pai) {
    auto* e = CampoTexto(nome, digitos, "0", pai);
    e->setAlignment(Qt::AlignRight);
    e->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QString("\\d{0,%1}").arg(digitos)), e));
    return e;
}

void Posicionar(QLineEdit* campo) {
    campo->setFocus();
    campo->selectAll();
}
} // namespace

TfoBaixaEstoqueMatPrima::TfoBaixaEstoqueMatPrima(SessaoBanco* sessao, QWidget* parent)
    : QWidget(parent), baixa_(std::make_unique<BaixaMateriaPrima>(sessao)) {
    setObjectName("TfoBaixaEstoqueMatPrima");
    setWindowTitle("Baixa Estoque Materia Prima");
    setMinimumWidth(400);

    dataInicial_ = CampoTexto("Data inicial", 10, QString(), this);
    dataInicial_->setMaxLength(10);
    dataFinal_ = CampoTexto("Data Final", 10, QString(), this);
    dataFinal_->setMaxLength(10);
    historicoVenda_ = CampoNumero("Historico de Venda", 5, this);
    historicoBaixa_ = CampoNumero("Historico da Baixa", 5, this);
    fornecedor_ = CampoNumero("Fornecedor", 9, this);
    auto* campos = new QFormLayout;
    for (QLineEdit* e : {dataInicial_, dataFinal_, historicoVenda_, historicoBaixa_, fornecedor_})
        campos->addRow(e->objectName(), e);

    progresso_ = new QProgressBar(this);
    progresso_->setObjectName("Progresso");
    progresso_->setRange(0, 1);
    progresso_->setValue(0);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    ok_ = NovoBotao("OK", this, botoes);
    connect(ok_, &QPushButton::clicked, this, &TfoBaixaEstoqueMatPrima::executar);
    connect(NovoBotao("Fechar", this, botoes), &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(campos);
    layout->addWidget(progresso_);
    layout->addLayout(botoes);
    AvancarComEnter(this);
    LembrarJanela(this);
}

TfoBaixaEstoqueMatPrima::~TfoBaixaEstoqueMatPrima() = default;

bool TfoBaixaEstoqueMatPrima::lerCodigo(QLineEdit* campo, bool curto, const QString& mensagemZero,
                                        int& valor) {
    const LeituraDigitada l =
        LerDigitado(curto ? TipoCampo::Short : TipoCampo::Long, campo->text(), campo->objectName());
    valor = l.valor.toInt();
    if (!l.ok)
        MostrarErro(l.mensagem);
    else if (valor == 0)
        MostrarMensagem(mensagemZero);
    else
        return true;
    Posicionar(campo);
    return false;
}

bool TfoBaixaEstoqueMatPrima::executar() {
    ParametrosBaixa p;
    if (!lerCodigo(historicoVenda_, true, "Historico de venda invalido", p.historicoVenda) ||
        !lerCodigo(historicoBaixa_, true, "Historico da baixa invalido", p.historicoBaixa) ||
        !lerCodigo(fornecedor_, false, "Codigo do fornecedor invalido", p.fornecedor))
        return false;
    for (QLineEdit* e : {dataInicial_, dataFinal_})
        if (!DataValida(e->text())) {
            Posicionar(e);
            return false;
        }
    p.dataInicial = LerData(dataInicial_->text());
    p.dataFinal = LerData(dataFinal_->text());

    ok_->setEnabled(false);
    progresso_->setRange(0, 1);
    progresso_->setValue(0);
    const ResultadoBaixa r = baixa_->executar(p, [this](int posicao, int total) {
        progresso_->setRange(0, total);
        progresso_->setValue(posicao);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    if (r.concluido && r.notasLidas == 0)
        progresso_->setRange(0, 1);
    ok_->setEnabled(true);
    return r.concluido;
}

void TfoBaixaEstoqueMatPrima::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (evento->spontaneous())
        return;
    progresso_->setRange(0, 1);
    progresso_->setValue(0);
    try {
        baixa_->abrir();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    Posicionar(dataInicial_);
}

void TfoBaixaEstoqueMatPrima::closeEvent(QCloseEvent* evento) {
    baixa_->fechar();
    QWidget::closeEvent(evento);
}
