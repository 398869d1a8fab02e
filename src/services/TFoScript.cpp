#include "TFoScript.h"

#include "Botao.h"
#include "Grade.h"
#include "JanelaModal.h"
#include "LembrancaJanela.h"
#include "ModeloLinhas.h"
#include "session/Dialogos.h"
#include "store/ErroBanco.h"

#include <QBrush>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QColor CorErro(Qt::red);
const QColor CorOk(Qt::blue);
constexpr int ColunaStatus = 4;

// The grid's rows coloured by their status.
class ModeloScripts : public ModeloLinhas {
public:
    using ModeloLinhas::ModeloLinhas;
    QVariant data(const QModelIndex& i, int papel) const override {
        if (papel == Qt::ForegroundRole && i.isValid()) {
            const QString status = texto(i.row(), ColunaStatus);
            if (status == "Er")
                return QBrush(CorErro);
            if (status == "Ok")
                return QBrush(CorOk);
        }
        return ModeloLinhas::data(i, papel);
    }
};

QLabel* Legenda(const QString& texto, const QColor& cor, QWidget* pai) {
    auto* l = new QLabel(texto, pai);
    l->setObjectName(texto);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, cor);
    l->setPalette(p);
    return l;
}

QPlainTextEdit* Memo(const QString& nome, QWidget* pai) {
    auto* m = new QPlainTextEdit(pai);
    m->setObjectName(nome);
    m->setReadOnly(true);
    m->setMaximumHeight(90);
    return m;
}
} // namespace

TFoScript::TFoScript(QWidget* parent, SessaoBanco* sessao) : QDialog(parent), lista_(sessao) {
    setObjectName("TFoScript");
    setWindowTitle("Orvalo - Script's de atualização da base de dados :");
    resize(820, 600);

    modelo_ = new ModeloScripts({"Código", "Data", "Descrição", "Tentativa", "Status"}, this);
    modelo_->alinharDireita({0});
    grade_ = NovaGrade(modelo_, "GradeScripts", this);
    LarguraMaximaColunas(grade_, 60);
    connect(grade_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TFoScript::mostrarAtual);

    script_ = Memo("Script a ser executado", this);
    resposta_ = Memo("Resposta do servidor", this);
    auto* textos = new QGridLayout;
    textos->addWidget(new QLabel("Script a ser executado", this), 0, 0);
    textos->addWidget(new QLabel("Resposta do servidor", this), 0, 1);
    textos->addWidget(script_, 1, 0);
    textos->addWidget(resposta_, 1, 1);

    auto* legenda = new QVBoxLayout;
    legenda->addWidget(Legenda("Script a ser rodado", palette().color(QPalette::WindowText), this));
    legenda->addWidget(Legenda("Script rodado com sucesso", CorOk, this));
    legenda->addWidget(Legenda("Script não executado : ERRO", CorErro, this));
    contadores_ = new QLabel(this);
    contadores_->setObjectName("Contadores");
    auto* rodape = new QHBoxLayout;
    rodape->addLayout(legenda);
    rodape->addStretch();
    rodape->addWidget(contadores_);

    auto* barra = new QHBoxLayout;
    barra->addWidget(new QLabel("Progresso :", this));
    progresso_ = new QProgressBar(this);
    progresso_->setObjectName("Progresso");
    barra->addWidget(progresso_, 1);

    auto* botoes = new QHBoxLayout;
    QPushButton* todos = NovoBotao("Rodar Script's", this, botoes);
    QPushButton* selecionado = NovoBotao("Rodar Script Selecionado", this, botoes);
    QPushButton* marca = NovoBotao("Marca OK", this, botoes);
    botoes->addStretch();
    QPushButton* fechar = NovoBotao("Fechar", this, botoes);
    botoes_ = {todos, selecionado, marca, fechar};
    connect(todos, &QPushButton::clicked, this, &TFoScript::rodarTodos);
    connect(selecionado, &QPushButton::clicked, this, &TFoScript::rodarSelecionado);
    connect(marca, &QPushButton::clicked, this, &TFoScript::marcarOk);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grade_, 1);
    layout->addLayout(textos);
    layout->addLayout(rodape);
    layout->addLayout(barra);
    layout->addLayout(botoes);
    LembrarJanela(this);
}

bool TFoScript::abrir() {
    try {
        lista_.montar();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    progresso_->setRange(0, lista_.quantidade());
    progresso_->setValue(0);
    atualizar();
    if (modelo_->rowCount() > 0)
        grade_->setCurrentIndex(modelo_->index(0, 0));
    return true;
}

void TFoScript::atualizar() {
    const int linha = atual();
    QList<QStringList> linhas;
    QVariantList chaves;
    for (const ScriptSql& s : lista_.linhas()) {
        linhas << QStringList{QString::number(s.CodScript), s.DataCadScript.toString("dd/MM/yyyy"),
                              s.DescScriptRes, s.DataTentativa.toString("dd/MM/yyyy"), s.Status};
        chaves << s.CodScript;
    }
    modelo_->definir(linhas, chaves);
    if (linha >= 0 && linha < modelo_->rowCount())
        grade_->setCurrentIndex(modelo_->index(linha, 0));
    contadores_->setText(QString("Script's: %1    Rodados: %2    A rodar: %3")
                             .arg(lista_.quantidade())
                             .arg(lista_.aplicados())
                             .arg(lista_.pendentes()));
    mostrarAtual();
}

int TFoScript::atual() const {
    return grade_->currentIndex().isValid() ? grade_->currentIndex().row() : -1;
}

void TFoScript::mostrarAtual() {
    const int i = atual();
    const bool ha = i >= 0 && i < lista_.quantidade();
    script_->setPlainText(ha ? lista_.linhas()[i].SqlScript : QString());
    resposta_->setPlainText(ha ? lista_.linhas()[i].SqlRetorno : QString());
}

void TFoScript::ocupado(bool sim) {
    for (QPushButton* b : botoes_)
        b->setEnabled(!sim);
    grade_->setEnabled(!sim);
}

void TFoScript::rodarTodos() {
    ocupado(true);
    progresso_->setRange(0, lista_.quantidade());
    progresso_->setValue(0);
    lista_.rodarTodos([this](int feitos) {
        progresso_->setValue(feitos);
        atualizar();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    ocupado(false);
    MostrarMensagem("Procedimento Concluído!!!");
    accept();
}

void TFoScript::rodarSelecionado() {
    lista_.rodar(atual());
    atualizar();
}

void TFoScript::marcarOk() {
    try {
        lista_.marcarOk(atual());
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    atualizar();
}

void AbrirScriptsAtualizacao(QWidget* pai) {
    TFoScript janela(pai);
    if (janela.abrir())
        ExibirModal(janela);
}
