#include "TfoConsSaldosPorProduto.h"

#include "SaldosPorProduto.h"
#include "services/Botao.h"
#include "services/DataValida.h"
#include "services/FormatoNumero.h"
#include "services/Grade.h"
#include "services/LembrancaJanela.h"
#include "services/ModeloLinhas.h"
#include "services/TeclaEnter.h"
#include "session/Dialogos.h"
#include "session/Relogio.h"
#include "store/ErroBanco.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

// The balance grid: "Cor", "Lj.", ten pairs of a size and "Con", "Nome
// Loja"; the size titles change with the product.
class ModeloSaldosProduto : public ModeloLinhas {
public:
    explicit ModeloSaldosProduto(QObject* pai) : ModeloLinhas(Titulos(), pai) {
        QList<int> direita{1};
        for (int c = 2; c < 2 + 2 * TamanhosSaldos; ++c)
            direita << c;
        alinharDireita(direita);
    }
    static QStringList Titulos() {
        QStringList t{"Cor", "Lj."};
        for (int k = 1; k <= TamanhosSaldos; ++k)
            t << "T" + QString::number(k) << "Con";
        return t << "Nome Loja";
    }
    QStringList tamanhos;
    QVariant headerData(int secao, Qt::Orientation o, int papel) const override {
        const int k = (secao - 2) / 2;
        if (o == Qt::Horizontal && papel == Qt::DisplayRole && secao >= 2 &&
            secao < 2 + 2 * TamanhosSaldos && secao % 2 == 0 && k < tamanhos.size())
            return tamanhos[k];
        return ModeloLinhas::headerData(secao, o, papel);
    }
    void titular(const QStringList& t) {
        tamanhos = t;
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    }
};

namespace {

QString Quantidade(const std::optional<double>& v) {
    return v ? FormatarNumero("###,##0.##", *v) : QString();
}

QLineEdit* Caixa(QWidget* pai, const QString& nome, int caracteres) {
    auto* e = new QLineEdit(pai);
    e->setObjectName(nome);
    e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QString(caracteres, '0')) + 14);
    return e;
}

} // namespace

TfoConsSaldosPorProduto::TfoConsSaldosPorProduto(SessaoBanco* sessao, QWidget* parent)
    : QWidget(parent), sessao_(sessao) {
    setObjectName("TfoConsSaldosPorProduto");
    setWindowTitle("Consulta de Saldos por Produto");

    auto* topo = new QHBoxLayout;
    mesAno_ = Caixa(this, "Mês/Ano", 8);
    mesAno_->setInputMask("00/0000;_");
    mesAno_->setMaximumWidth(mesAno_->minimumWidth());
    topo->addWidget(new QLabel("Mês/Ano", this));
    topo->addWidget(mesAno_);
    auto* ok = NovoBotao("OK", this, topo);
    todasLojas_ = new QCheckBox("Todas as Lojas", this);
    ocultarCor_ = new QCheckBox("Ocultar Coluna Cor", this);
    ocultarTamanhos_ = new QCheckBox("Ocultar tamanhos", this);
    for (QCheckBox* c : {todasLojas_, ocultarCor_, ocultarTamanhos_}) {
        c->setObjectName(c->text());
        topo->addWidget(c);
    }
    topo->addStretch();
    auto* fechar = NovoBotao("Fechar", this, topo);

    auto* busca = new QHBoxLayout;
    codigo_ = Caixa(this, "Codigo", 8);
    descricao_ = Caixa(this, "Descrição", 30);
    referencia_ = Caixa(this, "Referência", 14);
    for (QLineEdit* e : {codigo_, descricao_, referencia_}) {
        busca->addWidget(new QLabel(e->objectName(), this));
        busca->addWidget(e, e == descricao_ ? 1 : 0);
    }
    modeloProdutos_ = new ModeloLinhas({"Codigo", "Referência", "Descrição"}, this);
    modeloProdutos_->alinharDireita({0});
    gradeProdutos_ = NovaGrade(modeloProdutos_, "Produtos", this);
    AlturaMinimaLinhas(gradeProdutos_, 4);

    modelo_ = new ModeloSaldosProduto(this);
    grade_ = NovaGrade(modelo_, "Saldos", this);
    AlturaMinimaLinhas(grade_, 8);
    progresso_ = new QProgressBar(this);
    progresso_->setObjectName("Progresso");
    progresso_->setTextVisible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(topo);
    layout->addLayout(busca);
    layout->addWidget(gradeProdutos_, 1);
    layout->addWidget(grade_, 2);
    layout->addWidget(progresso_);

    connect(ok, &QPushButton::clicked, this, &TfoConsSaldosPorProduto::consultar);
    connect(fechar, &QPushButton::clicked, this, &QWidget::close);
    connect(codigo_, &QLineEdit::textEdited, this, [this](const QString& t) { pesquisar(0, t); });
    connect(descricao_, &QLineEdit::textEdited, this,
            [this](const QString& t) { pesquisar(1, t); });
    connect(referencia_, &QLineEdit::textEdited, this,
            [this](const QString& t) { pesquisar(2, t); });
    for (QCheckBox* c : {ocultarCor_, ocultarTamanhos_})
        connect(c, &QCheckBox::toggled, this, &TfoConsSaldosPorProduto::mostrarColunas);
    AvancarComEnter(this);
    LembrarJanela(this);
}

void TfoConsSaldosPorProduto::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    todasLojas_->setVisible(MostraTodasAsLojas());
    if (!todasLojas_->isVisible())
        todasLojas_->setChecked(false);
    if (produtos_.empty())
        carregarProdutos();
    if (mesAno_->text().remove('/').isEmpty())
        mesAno_->setText(Relogio::atual().hoje().toString("MM/yyyy"));
}

void TfoConsSaldosPorProduto::carregarProdutos() {
    try {
        produtos_ = ProdutosDaFilial(sessao_);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    pesquisar(0, QString());
}

void TfoConsSaldosPorProduto::pesquisar(int ordem, const QString& texto) {
    const int atual = produtoAtual();
    auto chave = [ordem](const ProdutoFicha& p) {
        return ordem == 1 ? p.nome.toUpper() : p.referencia.toUpper();
    };
    if (ordem == 0)
        std::sort(produtos_.begin(), produtos_.end(),
                  [](const ProdutoFicha& a, const ProdutoFicha& b) { return a.codigo < b.codigo; });
    else
        std::stable_sort(
            produtos_.begin(), produtos_.end(),
            [&](const ProdutoFicha& a, const ProdutoFicha& b) { return chave(a) < chave(b); });
    QList<QStringList> linhas;
    QVariantList chaves;
    for (const ProdutoFicha& p : produtos_) {
        linhas << QStringList{QString::number(p.codigo), p.referencia, p.nome};
        chaves << p.codigo;
    }
    modeloProdutos_->definir(linhas, chaves);
    int linha = modeloProdutos_->linhaDe(atual);
    if (!texto.trimmed().isEmpty()) {
        if (ordem == 0) {
            linha = modeloProdutos_->linhaDe(texto.trimmed().toInt());
        } else {
            const QString procurado = texto.toUpper();
            const auto it =
                std::find_if(produtos_.begin(), produtos_.end(),
                             [&](const ProdutoFicha& p) { return chave(p) >= procurado; });
            linha = it == produtos_.end() ? int(produtos_.size()) - 1 : int(it - produtos_.begin());
        }
    }
    if (linha >= 0) {
        gradeProdutos_->setCurrentIndex(modeloProdutos_->index(linha, 0));
        gradeProdutos_->scrollTo(modeloProdutos_->index(linha, 0));
    }
}

int TfoConsSaldosPorProduto::produtoAtual() const {
    const QModelIndex i = gradeProdutos_->currentIndex();
    return i.isValid() ? modeloProdutos_->chave(i.row()).toInt() : 0;
}

void TfoConsSaldosPorProduto::abrirProduto(int codigo) {
    mesAno_->setText(Relogio::atual().hoje().toString("MM/yyyy"));
    carregarProdutos();
    pesquisar(0, QString::number(codigo));
    show();
    raise();
    activateWindow();
}

bool TfoConsSaldosPorProduto::consultar() {
    modelo_->limpar();
    modelo_->titular({});
    const QString mesAno = mesAno_->text().remove('/');
    if (!DataValida("01/" + mesAno.left(2) + "/" + mesAno.mid(2, 4)))
        return false;
    const int produto = produtoAtual();
    if (!produto)
        return false;
    SaldosPorProduto r;
    try {
        const std::vector<LojaSaldos> outras = todasLojas_->isVisible() && todasLojas_->isChecked()
                                                   ? OutrasLojas(sessao_)
                                                   : std::vector<LojaSaldos>();
        progresso_->setRange(0, std::max<int>(1, int(outras.size())));
        progresso_->setValue(0);
        r = ConsultarSaldosPorProduto(
            mesAno, produto, outras,
            [this](int feitas) {
                progresso_->setValue(feitas);
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            },
            sessao_);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    QList<QStringList> linhas;
    for (const LinhaSaldosProduto& l : r.linhas) {
        QStringList t{l.cor, QString::number(l.loja)};
        for (int k = 0; k < TamanhosSaldos; ++k)
            t << Quantidade(l.tamanhos[k]) << Quantidade(l.condicionais[k]);
        t << r.lojas.value(l.loja);
        linhas << t;
    }
    modelo_->definir(linhas, QVariantList(linhas.size()));
    modelo_->titular(r.titulos);
    mostrarColunas();
    return true;
}

void TfoConsSaldosPorProduto::mostrarColunas() {
    QHeaderView* cab = grade_->horizontalHeader();
    const bool poucos = ocultarTamanhos_->isChecked();
    for (int c = 0; c < modelo_->columnCount(); ++c)
        cab->setSectionHidden(c, poucos && c > 2 && c < modelo_->columnCount() - 1);
    cab->setSectionHidden(0, ocultarCor_->isChecked());
}
