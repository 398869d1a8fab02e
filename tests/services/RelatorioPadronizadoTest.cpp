// The column report: page columns from the grid's display widths, page
// breaks (a whole two-page report compared with an expected file), the
// remembered layout and its three buttons, and the failure message.
#include "services/RelatorioPadronizado.h"
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"
#include "services/ConfigImpressao.h"
#include "services/JanelaModal.h"
#include "services/LayoutGrade.h"
#include "services/LayoutRelatorio.h"
#include "services/RelatorioTexto.h"
#include "services/TfoLayoutRelatorio.h"
#include "services/TfoTipoImpr.h"
#include "session/Sessao.h"
#include "store/Caminhos.h"
#include "store/ErroBanco.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>

namespace {

QByteArray ler(const QString& arquivo) {
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<ausente>");
}

class RelatorioPadronizadoTest : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        CfgImpressao() = ConfigImpressao();
        Sess().Modulo = "PCP";
        Sess().NomeFilial = "TINTAS MATRIZ";
        DefinirPastaPrograma(raiz.path() + "/programa");
        InstalarVisualizacao([this](const QString& arquivo, int) { visualizados << arquivo; });
        modelo.setHorizontalHeaderLabels({"Codigo", "Descricao", "Saldo"});
        grade.setModel(&modelo);
        grade.horizontalHeader()->resizeSection(0, 60);
        grade.horizontalHeader()->resizeSection(1, 240);
        grade.horizontalHeader()->resizeSection(2, 72);
    }
    void TearDown() override {
        InstalarVisualizacao(nullptr);
        InstalarExibirModal(nullptr);
        DefinirPastaPrograma(QString());
        InstalacaoTeste::TearDown();
    }
    void preencher(int linhas) {
        for (int i = 1; i <= linhas; ++i)
            modelo.appendRow({new QStandardItem(QString("%1").arg(i, 6, 10, QChar('0'))),
                              new QStandardItem(QString("PRODUTO %1").arg(i)),
                              new QStandardItem(QString("%1,50").arg(i))});
    }
    // Drives the two windows of a run: `layout` acts in the layout window;
    // the print options choose VISUALIZAR.
    void conduzir(std::function<void(TfoLayoutRelatorio&)> layout) {
        InstalarExibirModal([layout](QDialog& d) {
            if (auto* l = qobject_cast<TfoLayoutRelatorio*>(&d))
                layout(*l);
            if (auto* t = qobject_cast<TfoTipoImpr*>(&d)) {
                t->show();
                t->escolherImpressora(t->findChild<QComboBox*>("Impressora")->count() - 1);
                t->confirmar();
            }
            return d.result();
        });
    }
    // The column-title line of the first page of the last preview.
    QString titulos() {
        if (visualizados.isEmpty())
            return "<nenhum>";
        return QString::fromLatin1(ler(visualizados.last()).split('\n').value(4)).trimmed();
    }

    QStandardItemModel modelo;
    QTableView grade;
    QStringList visualizados;
};

TEST_F(RelatorioPadronizadoTest, ColunaComecaDepoisDaLarguraDaAnteriorDivididaPorSeis) {
    QStandardItemModel m(1, 4);
    m.setHorizontalHeaderLabels({"A", "B", "C", "D"});
    QTableView g;
    g.setModel(&m);
    QHeaderView* cab = g.horizontalHeader();
    const int larguras[] = {120, 64, 30, 95};
    for (int c = 0; c < 4; ++c)
        cab->resizeSection(c, larguras[c]);
    cab->setSectionHidden(2, true);
    cab->moveSection(3, 0);
    QStringList colunas;
    for (const ColunaRelatorio& c : ColunasRelatorio(g))
        colunas << QString("%1@%2").arg(c.titulo).arg(c.posicao);
    EXPECT_EQ(colunas, (QStringList{"D@1", "A@16", "B@36"}));
}

// 56 rows at 66 lines per page: rows on lines 7 to 61, the 56th opens
// page 2.
TEST_F(RelatorioPadronizadoTest, QuebraDePaginaNaLinhaSessentaEDois) {
    preencher(56);
    ConfigImpressao& cfg = CfgImpressao();
    cfg.Destino = 'V';
    cfg.LinhasPorPagina = 66;
    GerarRelatorioPadronizado("Estoque por produto", modelo, ColunasRelatorio(grade));
    EXPECT_EQ(cfg.Largura, 100);
    ASSERT_EQ(visualizados.size(), 1);
    const QString esperado =
        QFileInfo(QStringLiteral(__FILE__)).dir().filePath("esperado/relatorio_padronizado.imp");
    EXPECT_EQ(ler(visualizados[0]), ler(esperado));
}

TEST_F(RelatorioPadronizadoTest, DadosVaziosNaoGeramCabecalho) {
    CfgImpressao().Destino = 'V';
    GerarRelatorioPadronizado("Estoque por produto", modelo, ColunasRelatorio(grade));
    EXPECT_TRUE(visualizados.isEmpty());
    EXPECT_EQ(ler(Caminhos::atual().resolver(CfgImpressao().Porta)), QByteArray());
}

TEST_F(RelatorioPadronizadoTest, LayoutLembradoPorRelatorioEBotoesDaJanela) {
    preencher(2);
    const QString arquivo = raiz.path() + "/programa/RelCfg/EstoqueProduto.cfg";

    // First run: the file starts from the calling grid; the operator hides
    // a column and confirms.
    conduzir([](TfoLayoutRelatorio& l) {
        EXPECT_FALSE(l.grade().horizontalHeader()->isSectionHidden(1));
        l.grade().horizontalHeader()->setSectionHidden(1, true);
        l.confirmar();
    });
    RelatorioPadronizado("Estoque por produto", grade, "EstoqueProduto");
    EXPECT_EQ(titulos(), "CODIGO    SALDO");
    EXPECT_TRUE(QFile::exists(arquivo));
    EXPECT_EQ(dialogos->textos(), QStringList{"Confirma Emissao"});

    // Second run: the window starts from the file; "No" prints nothing.
    dialogos->responder(Resposta::Nao);
    conduzir([](TfoLayoutRelatorio& l) {
        EXPECT_TRUE(l.grade().horizontalHeader()->isSectionHidden(1));
        l.grade().horizontalHeader()->setSectionHidden(1, false);
        l.cancelar();
    });
    RelatorioPadronizado("Estoque por produto", grade, "EstoqueProduto");
    EXPECT_EQ(visualizados.size(), 1);

    // Cancel kept the file; Restore deletes it but prints as arranged.
    conduzir([](TfoLayoutRelatorio& l) {
        EXPECT_TRUE(l.grade().horizontalHeader()->isSectionHidden(1));
        l.grade().horizontalHeader()->resizeSection(0, 120);
        l.restaurar();
    });
    RelatorioPadronizado("Estoque por produto", grade, "EstoqueProduto");
    EXPECT_EQ(titulos(), "CODIGO              SALDO");
    EXPECT_FALSE(QFile::exists(arquivo));
    EXPECT_FALSE(grade.horizontalHeader()->isSectionHidden(1));
}

TEST_F(RelatorioPadronizadoTest, LayoutDeOutraGradeDaLugarAsColunasDaGrade) {
    preencher(1);
    const QString arquivo = raiz.path() + "/programa/RelCfg/EstoqueProduto.cfg";
    // A layout written when the grid had two columns.
    QStandardItemModel antigo(0, 2);
    QTableView velha;
    velha.setModel(&antigo);
    velha.horizontalHeader()->resizeSection(0, 400);
    GravarColunasGrade(velha, ArquivoLayoutRelatorio("EstoqueProduto"));

    conduzir([](TfoLayoutRelatorio& l) { l.cancelar(); });
    RelatorioPadronizado("Estoque por produto", grade, "EstoqueProduto");
    EXPECT_EQ(titulos(), "CODIGO    DESCRICAO                               SALDO");
    EXPECT_TRUE(ColunasConferem(grade, arquivo));
}

// A data set whose third row cannot be read, as a store cursor may fail.
class DadosComFalha : public QStandardItemModel {
public:
    using QStandardItemModel::QStandardItemModel;
    QVariant data(const QModelIndex& i, int papel) const override {
        if (i.row() == 2)
            throw ErroBanco("Falha de leitura");
        return QStandardItemModel::data(i, papel);
    }
};

TEST_F(RelatorioPadronizadoTest, FalhaMostraMensagemEReativaAGrade) {
    DadosComFalha dados(4, 1);
    QTableView g;
    g.setModel(&dados);
    conduzir([](TfoLayoutRelatorio& l) { l.cancelar(); });
    RelatorioPadronizado("Estoque", g, "Falha");
    EXPECT_EQ(dialogos->textos(),
              (QStringList{"Confirma Emissao", "Erro ao gerar relatório padronizado :\r\r"
                                               "Falha de leitura"}));
    EXPECT_TRUE(g.updatesEnabled());
    EXPECT_TRUE(visualizados.isEmpty());
}

} // namespace
