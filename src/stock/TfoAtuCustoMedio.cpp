#include "TfoAtuCustoMedio.h"

#include "AtualizacaoCustoMedio.h"
#include "CalculaCustoMedio.h"
#include "Meses.h"
#include "services/Botao.h"
#include "services/DataValida.h"
#include "services/LembrancaJanela.h"
#include "services/ProcessamentoData.h"
#include "session/Dialogos.h"
#include "session/GravarLogSistema.h"
#include "session/Sessao.h"
#include "store/ErroBanco.h"

#include <QCoreApplication>
#include <QDate>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Digits that may be left blank ('0' in Qt's masks): a line edit whose
// mask is not filled never reports Enter, and the month is checked on "OK".
QLineEdit* CampoMascarado(QWidget* pai, const QString& nome, const QString& mascara,
                          const QString& valor) {
    auto* e = new QLineEdit(pai);
    e->setObjectName(nome);
    e->setInputMask(mascara);
    e->setText(valor);
    return e;
}

void Repintar() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
} // namespace

TfoAtuCustoMedio::TfoAtuCustoMedio(SessaoBanco* sessao, QWidget* parent)
    : QWidget(parent), TNotai("NOTAI", sessao), TEstproma("ESTPROMA", sessao),
      TSldpr("SLDPR", sessao) {
    setObjectName("TfoAtuCustoMedio");
    setWindowTitle("Atualização do Custo Medio");

    mesAno_ = CampoMascarado(this, "Mês / Ano", "00/0000;_", QString());
    classInicial_ =
        CampoMascarado(this, "Class.Inicial", QString(24, '0') + "; ", QString(24, '0'));
    classFinal_ = CampoMascarado(this, "Class.Final", QString(24, '0') + "; ", QString(24, '9'));
    mesAno_->setMaximumWidth(mesAno_->fontMetrics().horizontalAdvance("00/00000") + 16);
    const int largura = classInicial_->fontMetrics().horizontalAdvance(QString(25, '0')) + 16;
    classInicial_->setMinimumWidth(largura);
    classFinal_->setMinimumWidth(largura);
    auto* campos = new QFormLayout;
    campos->addRow("Mês / Ano", mesAno_);
    campos->addRow("Class.Inicial", classInicial_);
    campos->addRow("Class.Final", classFinal_);

    andamento_ = new QLabel("Andamento", this);
    andamento_->setObjectName("Andamento");
    produto_ = new QLabel("Produto: ", this);
    produto_->setObjectName("Produto");
    // Wide enough for the longest progress text, so the window keeps its size.
    andamento_->setMinimumWidth(
        andamento_->fontMetrics().horizontalAdvance("Andamento: 00/000/0000/000/000000/0000000"));

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    ok_ = NovoBotao("OK", this, botoes);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &TfoAtuCustoMedio::executar);
    // Enter moves on to the next field, and from the last one to "OK".
    connect(mesAno_, &QLineEdit::returnPressed, classInicial_, [this] {
        classInicial_->setFocus();
        classInicial_->selectAll();
    });
    connect(classInicial_, &QLineEdit::returnPressed, classFinal_, [this] {
        classFinal_->setFocus();
        classFinal_->selectAll();
    });
    connect(classFinal_, &QLineEdit::returnPressed, ok_, [this] { ok_->setFocus(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(campos);
    layout->addWidget(andamento_);
    layout->addWidget(produto_);
    layout->addLayout(botoes);
    LembrarJanela(this);
}

void TfoAtuCustoMedio::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    // Typing starts at the month's first digit.
    mesAno_->setFocus();
    mesAno_->setCursorPosition(0);
}

bool TfoAtuCustoMedio::executar() {
    const QString mesAno = mesAno_->text().remove('/');
    const QString primeiroDia = "01/" + mesAno.left(2) + "/" + mesAno.mid(2, 4);
    if (!DataValida(primeiroDia))
        return false;
    const QString anoMes = AnoMesDeMesAno(mesAno);
    // Compared as months: 01/2008 comes after 12/2007.
    if (const auto fechado = FechamentoPorInstalacao(Sess().FatModNf);
        fechado && anoMes <= fechado->anoMes) {
        MostrarMensagem(fechado->mensagem);
        return false;
    }
    if (!ValidarDataProcessamento("ESTOQUE", QDate::fromString(primeiroDia, "dd/MM/yyyy")))
        return false;
    if (!Confirmar("Confirma atualizacao do custo medio"))
        return false;
    const QString classeInicial = classInicial_->text();
    const QString classeFinal = classFinal_->text();
    GravarLogSistema(Sess().Filial, "foAtuCustoMedio", "E", Sess().Usuario, QString(),
                     "Atualização de custo medio Periodo: " + mesAno + " Class Inicial " +
                         classeInicial + " a " + classeFinal);

    ok_->setEnabled(false);
    AndamentoCustoMedio andamento;
    andamento.andamento = [this](const QString& texto) {
        andamento_->setText(texto);
        Repintar();
    };
    andamento.produto = [this](int codigo) {
        produto_->setText("Produto: " + QString::number(codigo));
        Repintar();
    };
    bool concluido = false;
    try {
        for (Tabela* t : {&TNotai, &TEstproma, &TSldpr})
            if (!t->ativo())
                t->abrir();
        concluido = AtualizarCustoMedioPorClassificacao(mesAno, classeInicial, classeFinal,
                                                        {TNotai, TEstproma, TSldpr}, andamento);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    ok_->setEnabled(true);
    if (concluido)
        close();
    return concluido;
}
