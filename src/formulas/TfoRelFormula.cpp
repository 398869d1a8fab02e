#include "TfoRelFormula.h"

#include "AutorizarAcesso.h"
#include "Botao.h"
#include "ConfigImpressao.h"
#include "Dialogos.h"
#include "ErroBanco.h"
#include "FormatosRegionais.h"
#include "ImpressoraTexto.h"
#include "ModeloLinhas.h"
#include "RelatorioTexto.h"
#include "TfoTipoImpr.h"
#include "services/Grade.h"
#include "services/LembrancaJanela.h"
#include "services/TeclaEnter.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>

namespace {
// Turns what is typed into upper case.
class Maiusculas : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& texto, int&) const override {
        texto = texto.toUpper();
        return Acceptable;
    }
};

QLineEdit* campoFormula(const QString& nome, QWidget* pai) {
    auto* e = new QLineEdit(pai);
    e->setObjectName(nome);
    e->setMaxLength(10);
    e->setValidator(new Maiusculas(e));
    return e;
}
} // namespace

TfoRelFormula::TfoRelFormula(SessaoBanco* sessao, QWidget* parent)
    : QWidget(parent), dados_(sessao) {
    setObjectName("TfoRelFormula");
    setWindowTitle("Impressão da Fórmula");
    resize(620, 480);

    inicial_ = campoFormula("FormulaInicial", this);
    final_ = campoFormula("FormulaFinal", this);
    auto* campos = new QFormLayout;
    campos->addRow("Fórmula Inicial", inicial_);
    campos->addRow("Fórmula Final", final_);
    connect(inicial_, &QLineEdit::textEdited, this, &TfoRelFormula::inicialDigitada);

    modelo_ = new ModeloLinhas({"FORMULA", "CLIENTE", "PRODUTO", "COR", "DATA"}, this);
    grade_ = new QTableView(this);
    grade_->setObjectName("Formulas");
    grade_->setModel(modelo_);
    OferecerExportacaoPlanilha(grade_);
    grade_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grade_->setSelectionMode(QAbstractItemView::SingleSelection);
    grade_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade_->setWordWrap(false);
    grade_->setTabKeyNavigation(false);
    grade_->verticalHeader()->hide();
    grade_->horizontalHeader()->setStretchLastSection(true);
    grade_->setColumnWidth(0, 80);
    grade_->setColumnWidth(1, 80);
    grade_->setColumnWidth(2, 80);
    grade_->setColumnWidth(3, 220);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    connect(NovoBotao("Imprimir", this, botoes), &QPushButton::clicked, this,
            &TfoRelFormula::imprimir);
    fechar_ = NovoBotao("Fechar", this, botoes);
    connect(fechar_, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(campos);
    layout->addWidget(grade_, 1);
    layout->addLayout(botoes);
    AvancarComEnter(this);
    LembrarJanela(this);
}

bool TfoRelFormula::abrir() {
    QList<QStringList> linhas;
    QVariantList chaves;
    try {
        dados_.abrir();
        Consulta& q = dados_.QLista;
        for (q.primeiro(); !q.eof(); q.proximo()) {
            linhas << QStringList{q.campo("FORMULA").texto(), q.campo("COD_CLIFOR").texto(),
                                  q.campo("COD_REDUZ").texto(), q.campo("COR").texto(),
                                  DataTexto(q.campo("DATACAD").data())};
            chaves << int(chaves.size());
        }
        lista_ = dados_.lista();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        modelo_->limpar();
        lista_.clear();
        return false;
    }
    modelo_->definir(linhas, chaves);
    if (!linhas.isEmpty())
        grade_->setCurrentIndex(modelo_->index(0, 0));
    inicialDigitada(inicial_->text());
    return true;
}

int TfoRelFormula::posicao() const {
    return grade_->currentIndex().isValid() ? grade_->currentIndex().row() : -1;
}

void TfoRelFormula::inicialDigitada(const QString& texto) {
    final_->setText(texto);
    const auto it = std::find_if(lista_.cbegin(), lista_.cend(),
                                 [&](const FormulaListada& f) { return f.formula == texto; });
    if (it == lista_.cend())
        return;
    const QModelIndex i = modelo_->index(int(it - lista_.cbegin()), 0);
    grade_->setCurrentIndex(i);
    grade_->scrollTo(i);
}

void TfoRelFormula::imprimir() {
    const QList<FormulaListada> faixa =
        FaixaFormulas(lista_, posicao(), inicial_->text(), final_->text());
    try {
        const bool protegida = std::any_of(faixa.cbegin(), faixa.cend(),
                                           [this](const auto& f) { return dados_.protegida(f); });
        if (protegida && !AutorizarAcesso(107))
            return;
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return;
    }
    EscolherImpressao();
    ConfigImpressao& cfg = CfgImpressao();
    cfg.Pagina = 1;
    cfg.LinhasUsadas = 33;
    cfg.Largura = 80;
    if (!Confirmar("Confirma Emissao"))
        return;
    try {
        IniciarRelatorio();
        for (const FormulaListada& f : faixa) {
            dados_.imprimir(f);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
        FinalizarRelatorio();
    } catch (const ErroBanco& e) {
        AbandonarRelatorio();
        MostrarErro(e.texto());
    } catch (const ErroSaidaTexto& e) {
        AbandonarRelatorio();
        MostrarErro(QString::fromLocal8Bit(e.what()));
    }
    fechar_->setFocus();
}

void TfoRelFormula::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (!evento->spontaneous()) {
        abrir();
        inicial_->setFocus();
    }
}

void TfoRelFormula::closeEvent(QCloseEvent* evento) {
    dados_.fechar();
    QWidget::closeEvent(evento);
}
