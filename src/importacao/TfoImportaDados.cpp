#include "TfoImportaDados.h"

#include "ImportacaoParadox.h"
#include "TfoProgressoImportacao.h"
#include "services/Botao.h"
#include "services/Grade.h"
#include "services/LembrancaJanela.h"
#include "services/ModeloLinhas.h"
#include "services/TeclaEnter.h"
#include "session/Dialogos.h"
#include "session/GravarLogSistema.h"
#include "session/Sessao.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

namespace {
QString milhar(int n) {
    return QLocale(QLocale::Portuguese, QLocale::Brazil).toString(n);
}

QLabel* rotulo(const QString& texto, QWidget* pai) {
    auto* r = new QLabel(texto, pai);
    r->setObjectName(texto);
    return r;
}
} // namespace

TfoImportaDados::TfoImportaDados(SessaoBanco* sessao, QWidget* parent)
    : QWidget(parent), sessao_(sessao) {
    setObjectName("TfoImportaDados");
    setWindowTitle("Importar dados de outro sistema");
    resize(1000, 680);

    auto* g = new QGridLayout;
    g->addWidget(rotulo("Pasta de origem", this), 0, 0);
    origem_ = new QLineEdit(this);
    origem_->setObjectName("Origem");
    origem_->setPlaceholderText("pasta com as tabelas Paradox (.DB) da empresa");
    g->addWidget(origem_, 0, 1);
    QPushButton* procurar = NovoBotao("Procurar...", this);
    g->addWidget(procurar, 0, 2);

    g->addWidget(rotulo("Destino", this), 1, 0);
    destino_ = new QComboBox(this);
    destino_->setObjectName("Destino");
    destino_->setEditable(true);
    destino_->setInsertPolicy(QComboBox::NoInsert);
    g->addWidget(destino_, 1, 1, 1, 2);

    substituir_ = new QCheckBox("Substituir as tabelas que já têm linhas", this);
    substituir_->setObjectName("Substituir");
    g->addWidget(substituir_, 2, 1, 1, 2);
    g->setColumnStretch(1, 1);

    tabelas_ =
        new ModeloLinhas({"Tabela", "Linhas", "Página de código", "Destino", "Situação"}, this);
    tabelas_->alinharDireita({1});
    gradeTabelas_ = NovaGrade(tabelas_, "Tabelas", this);
    LarguraMaximaColunas(gradeTabelas_, 45);
    ocorrencias_ = new ModeloLinhas({"Tabela", "Linha", "Coluna", "Valor", "Motivo"}, this);
    ocorrencias_->alinharDireita({1});
    gradeOcorrencias_ = NovaGrade(ocorrencias_, "Ocorrencias", this);
    LarguraMaximaColunas(gradeOcorrencias_, 45);
    relatorio_ = new QLabel(this);
    relatorio_->setObjectName("Relatorio");
    relatorio_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    relatorio_->setWordWrap(true);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    QPushButton* importar = NovoBotao("Importar", this, botoes);
    QPushButton* fechar = NovoBotao("Fechar", this, botoes);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(g);
    layout->addWidget(rotulo("Tabelas da pasta de origem", this));
    layout->addWidget(gradeTabelas_, 3);
    layout->addWidget(rotulo("Linhas e colunas não importadas", this));
    layout->addWidget(gradeOcorrencias_, 2);
    layout->addWidget(relatorio_);
    layout->addLayout(botoes);

    connect(procurar, &QPushButton::clicked, this, &TfoImportaDados::procurarOrigem);
    connect(origem_, &QLineEdit::editingFinished, this, &TfoImportaDados::examinar);
    connect(destino_, &QComboBox::activated, this, &TfoImportaDados::examinar);
    connect(destino_->lineEdit(), &QLineEdit::editingFinished, this, &TfoImportaDados::examinar);
    connect(importar, &QPushButton::clicked, this, &TfoImportaDados::importar);
    connect(fechar, &QPushButton::clicked, this, &QWidget::close);
    // Enter from the source goes on to the destination; "Procurar..." is for the mouse.
    setTabOrder(origem_, destino_);
    setTabOrder(destino_, substituir_);
    setTabOrder(substituir_, importar);
    setTabOrder(importar, fechar);
    setTabOrder(fechar, procurar);
    AvancarComEnter(this);
    LembrarJanela(this);
}

TfoImportaDados::~TfoImportaDados() = default;

void TfoImportaDados::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (!evento->spontaneous())
        carregarDestinos();
}

void TfoImportaDados::carregarDestinos() {
    const QString atual = destino_->currentText();
    const QSignalBlocker bloqueio(destino_);
    destino_->clear();
    for (const DestinoImportacao& d : DestinosImportacao(sessao_))
        destino_->addItem(d.texto, d.diretorio);
    const int i = destino_->findText(atual);
    if (i >= 0 || atual.isEmpty())
        destino_->setCurrentIndex(qMax(i, 0));
    else
        destino_->setEditText(atual);
}

QString TfoImportaDados::destino() const {
    const QString texto = destino_->currentText().trimmed();
    const int i = destino_->findText(texto);
    if (i >= 0)
        return destino_->itemData(i).toString();
    // A typed directory, written with "/" or "\".
    return QString(texto).replace('/', '\\');
}

void TfoImportaDados::procurarOrigem() {
    const QString pasta = QFileDialog::getExistingDirectory(
        this, "Pasta das tabelas Paradox", origem_->text(), QFileDialog::ShowDirsOnly);
    if (pasta.isEmpty())
        return;
    origem_->setText(QDir::toNativeSeparators(pasta));
    examinar();
}

bool TfoImportaDados::examinar() {
    tabelas_->limpar();
    ocorrencias_->limpar();
    relatorio_->clear();
    const QString origem = origem_->text().trimmed();
    if (origem.isEmpty() || destino().isEmpty())
        return false;
    importacao_ =
        std::make_unique<ImportacaoParadox>(QDir::fromNativeSeparators(origem), destino(), sessao_);
    QList<TabelaOrigem> lidas;
    QString erro;
    if (!importacao_->examinar(lidas, erro)) {
        importacao_.reset();
        MostrarErro(erro);
        return false;
    }
    mostrarTabelas();
    return true;
}

void TfoImportaDados::mostrarTabelas() {
    QList<QStringList> linhas;
    QVariantList chaves;
    const QList<TabelaOrigem>& tabelas = importacao_->tabelas();
    const QList<ResultadoTabela>& resultados = importacao_->resultados();
    for (qsizetype i = 0; i < tabelas.size(); ++i) {
        const TabelaOrigem& t = tabelas[i];
        QString destino;
        if (!t.erro.isEmpty())
            destino = t.erro;
        else if (!t.motivoFora.isEmpty())
            destino = "Não será importada: " + t.motivoFora;
        else if (t.linhasDestino > 0)
            destino = t.nomeDestino + " tem " + milhar(t.linhasDestino) +
                      (t.linhasDestino == 1 ? " linha" : " linhas");
        else
            destino = t.nomeDestino + " vazia";
        linhas << QStringList{t.arquivo, t.erro.isEmpty() ? milhar(t.linhas) : QString(),
                              t.codigoPagina, destino,
                              i < resultados.size() ? resultados[i].texto() : QString()};
        chaves << t.arquivo;
    }
    tabelas_->definir(linhas, chaves);
}

void TfoImportaDados::importar() {
    if (origem_->text().trimmed().isEmpty()) {
        MostrarErro("Informe a pasta de origem das tabelas Paradox.");
        origem_->setFocus();
        return;
    }
    if (destino().isEmpty()) {
        MostrarErro("Informe o destino da importação.");
        destino_->setFocus();
        return;
    }
    if (!examinar())
        return;
    int importaveis = 0;
    for (const TabelaOrigem& t : importacao_->tabelas())
        importaveis += t.erro.isEmpty() && t.motivoFora.isEmpty() ? 1 : 0;
    if (importaveis == 0) {
        MostrarErro("Nenhuma tabela da pasta de origem pode ser importada em " + destino() + ".");
        return;
    }
    const bool substituir = substituir_->isChecked();
    const QString quantas =
        importaveis == 1 ? QString("1 tabela") : QString("%1 tabelas").arg(importaveis);
    if (!Confirmar("Importar " + quantas + " de\n" +
                   QDir::toNativeSeparators(origem_->text().trimmed()) + "\npara " + destino() +
                   "?\n\n" +
                   (substituir ? "As tabelas de destino que já têm linhas serão substituídas."
                               : "As tabelas de destino que já têm linhas serão mantidas.")))
        return;

    importacao_->setSubstituir(substituir);
    TfoProgressoImportacao progresso(this);
    progresso.show();
    importacao_->aoAvancar = [&progresso](int i, int n, const QString& arquivo, int feitas,
                                          int linhas) {
        progresso.mostrar(i, n, arquivo, feitas, linhas);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    importacao_->deveParar = [&progresso] {
        // Between tables no transaction is open: the operator's click is taken here.
        QCoreApplication::processEvents();
        return progresso.cancelado();
    };
    QString erro;
    const bool feito = importacao_->executar(erro);
    progresso.hide();
    if (!feito) {
        MostrarErro(erro);
        return;
    }

    mostrarTabelas();
    QList<QStringList> linhas;
    QVariantList chaves;
    for (const Ocorrencia& o : importacao_->ocorrencias()) {
        linhas << QStringList{o.tabela, o.linha > 0 ? QString::number(o.linha) : QString(),
                              o.coluna, o.valor, o.motivo};
        chaves << int(chaves.size());
    }
    ocorrencias_->definir(linhas, chaves);
    QString texto = "Relatório: " + QDir::toNativeSeparators(importacao_->arquivoRelatorio());
    if (importacao_->totalOcorrencias() > importacao_->ocorrencias().size())
        texto += QString(" (a grade mostra as primeiras %1 de %2 linhas do relatório)")
                     .arg(milhar(int(importacao_->ocorrencias().size())),
                          milhar(importacao_->totalOcorrencias()));
    relatorio_->setText(texto);

    const QString resumo = importacao_->resumo();
    GravarLogSistema(Sess().Filial, objectName(), "I", Sess().Usuario, QString(),
                     "Importação de " + origem_->text().trimmed() + " para " + destino() + ": " +
                         resumo,
                     sessao_);
    MostrarMensagem("Importação concluída.\n" + resumo + "\n\nRelatório gravado em\n" +
                    QDir::toNativeSeparators(importacao_->arquivoRelatorio()));
}
