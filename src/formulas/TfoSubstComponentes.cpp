#include "TfoSubstComponentes.h"

#include "SubstituicaoComponentes.h"
#include "costs/ValoresTemporarios.h"
#include "services/Botao.h"
#include "services/LembrancaJanela.h"
#include "services/TeclaEnter.h"
#include "services/VinculoCampos.h"
#include "session/Dialogos.h"
#include "store/ErroBanco.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {
void Posicionar(QLineEdit* campo) {
    campo->setFocus();
    campo->selectAll();
}
} // namespace

TfoSubstComponentes::TfoSubstComponentes(SessaoBanco* sessao, QWidget* parent)
    : QWidget(parent), sessao_(sessao), valores_(std::make_unique<ValoresTemporarios>(sessao)) {
    setObjectName("TfoSubstComponentes");
    setWindowTitle("Substitui Componentes nas Fórmulas");

    vinculo_ = new VinculoCampos(valores_->tabela(), this);
    auto* g = new QGridLayout;
    g->setColumnStretch(2, 1);
    auto linha = [&](const QString& rotulo, const QString& campo, const QString& nomeNome, int n) {
        auto* r = new QLabel(rotulo, this);
        r->setObjectName(rotulo);
        auto* codigo = new QLineEdit(this);
        codigo->setObjectName(campo);
        vinculo_->ligar(codigo, campo);
        codigo->setValidator(
            new QRegularExpressionValidator(QRegularExpression("\\d{0,9}"), codigo));
        codigo->setFixedWidth(codigo->fontMetrics().horizontalAdvance("0000000000") + 16);
        codigo->installEventFilter(this);
        auto* nome = new QLineEdit(this);
        nome->setObjectName(nomeNome);
        nome->setReadOnly(true);
        AparenciaSomenteLeitura(nome, true);
        nome->setMinimumWidth(nome->fontMetrics().horizontalAdvance(QString(46, 'M')) * 2 / 3);
        g->addWidget(r, n, 0);
        g->addWidget(codigo, n, 1);
        g->addWidget(nome, n, 2);
        return std::pair{codigo, nome};
    };
    std::tie(origem_, nomeOrigem_) = linha("Substituir o Componente:", "Valor1", "NomeOrigem", 0);
    std::tie(destino_, nomeDestino_) = linha("pelo Componente:", "Valor2", "NomeDestino", 1);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    connect(NovoBotao("OK", this, botoes), &QPushButton::clicked, this,
            &TfoSubstComponentes::substituir);
    connect(NovoBotao("Cancelar", this, botoes), &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(g);
    layout->addStretch();
    layout->addLayout(botoes);
    AvancarComEnter(this);
    LembrarJanela(this);
}

TfoSubstComponentes::~TfoSubstComponentes() = default;

bool TfoSubstComponentes::iniciar() {
    const bool ok = valores_->iniciarEmBranco();
    vinculo_->mostrar();
    nomeOrigem_->clear();
    nomeDestino_->clear();
    Posicionar(origem_);
    return ok;
}

bool TfoSubstComponentes::mostrarNome(QLineEdit* codigo) {
    QLineEdit* nome = codigo == origem_ ? nomeOrigem_ : nomeDestino_;
    std::optional<QString> achado;
    const int valor = codigo->text().toInt();
    try {
        if (valor != 0)
            achado = NomeComponente(valor, sessao_);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    nome->setText(achado.value_or(QString()));
    nome->setCursorPosition(0);
    return achado.has_value();
}

bool TfoSubstComponentes::substituir() {
    Tabela& t = valores_->tabela();
    if (t.estado() != EstadoDados::Inserindo || !vinculo_->validar())
        return false;
    const int origem = int(t.campo("Valor1").numero());
    const int destino = int(t.campo("Valor2").numero());
    struct Verificacao {
        bool falhou;
        const char* mensagem;
        QLineEdit* campo;
    };
    // Both codes as they stand now: a name shown earlier may be stale.
    const Verificacao verificacoes[] = {
        {origem == 0, "Componente Origem inválido!", origem_},
        {destino == 0, "Componente Destino inválido!", destino_},
    };
    for (const Verificacao& v : verificacoes)
        if (v.falhou) {
            MostrarErro(v.mensagem);
            Posicionar(v.campo);
            return false;
        }
    if (!mostrarNome(origem_)) {
        MostrarErro("Componente Origem não cadastrado!");
        Posicionar(origem_);
        return false;
    }
    if (!mostrarNome(destino_)) {
        MostrarErro("Componente Destino não cadastrado!");
        Posicionar(destino_);
        return false;
    }
    if (!Confirmar("Confirma a substituição dos componentes?"))
        return false;
    if (SubstituirComponentes(origem, destino, sessao_) < 0)
        return false;
    iniciar();
    return true;
}

void TfoSubstComponentes::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (!evento->spontaneous())
        iniciar();
}

void TfoSubstComponentes::closeEvent(QCloseEvent* evento) {
    valores_->encerrar();
    vinculo_->mostrar();
    QWidget::closeEvent(evento);
}

bool TfoSubstComponentes::eventFilter(QObject* objeto, QEvent* evento) {
    if ((objeto == origem_ || objeto == destino_) && evento->type() == QEvent::FocusOut) {
        const Qt::FocusReason razao = static_cast<QFocusEvent*>(evento)->reason();
        if (razao != Qt::ActiveWindowFocusReason && razao != Qt::PopupFocusReason &&
            !BotaoDesiste(QApplication::focusWidget()))
            mostrarNome(static_cast<QLineEdit*>(objeto));
    }
    return false;
}
