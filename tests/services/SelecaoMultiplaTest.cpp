// The multi-selection lookup: pre-selection and the text handed back, the
// maximum and duplicates, the search with its bound value (quotes, SQL
// text, accents, wildcards, integer columns), ordering by a title click,
// the standard statements of products and parties.
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "services/JanelaModal.h"
#include "services/LayoutGrade.h"
#include "services/PesquisaSelecao.h"
#include "services/TFoSelecaoMultipla.h"
#include "store/DefTabela.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {
class SelecaoMultipla : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        criarDiretorio("C:\\PROG");
        DefinirPastaPrograma(host("C:\\PROG"));
        Tabela t("LOOKUP");
        t.criarTabela(Definicao("LOOKUP")
                          .texto("Codigo", 6)
                          .texto("Nome", 40)
                          .chave({"Codigo"})
                          .somenteSobDemanda()
                          .def());
        t.abrir();
        const char* linhas[][2] = {{"A1", "TINTA ACRILICA"}, {"B2", "O'BRIEN & FILHOS"},
                                   {"C3", "Solução azul"},   {"D4", "AÇÃO RAPIDA"},
                                   {"E5", "ABRASIVO"},       {"F6", "VERNIZ"}};
        for (const auto& l : linhas) {
            t.incluir();
            t.campo("Codigo").definir(l[0]);
            t.campo("Nome").definir(l[1]);
            t.gravar();
        }
    }
    void TearDown() override {
        InstalarExibirModal(nullptr);
        DefinirPastaPrograma(QString());
        InstalacaoTeste::TearDown();
    }

    std::unique_ptr<TFoSelecaoMultipla> abrir(const QString& inicial, int maximo,
                                              const QString& aspas = "'") {
        return std::make_unique<TFoSelecaoMultipla>(
            "Orvalo", "SELECT Codigo as Codigo, Nome as Descricao FROM \"LOOKUP.DB\" Lookup", "",
            "Order by Codigo", "Codigo", "Nome", "Codigo", aspas, inicial, maximo);
    }
};

// Column `coluna` of every row of the grid, joined by ",".
QString coluna(QDialog& d, const QString& grade, int coluna = 0) {
    const QAbstractItemModel* m = d.findChild<QTableView*>(grade)->model();
    QStringList r;
    for (int i = 0; i < m->rowCount(); ++i)
        r << m->data(m->index(i, coluna)).toString();
    return r.join(',');
}

void pesquisar(QDialog& d, const QString& em, const QString& valor, const QString& logico) {
    d.findChild<QComboBox*>("Pesquisar Em")->setCurrentText(em);
    d.findChild<QComboBox*>("Lógico")->setCurrentText(logico);
    auto* v = d.findChild<QLineEdit*>("Valor");
    v->setText(valor);
    emit v->returnPressed();
}

void irPara(QDialog& d, int linha) {
    auto* g = d.findChild<QTableView*>("Registros");
    g->setCurrentIndex(g->model()->index(linha, 0));
}
} // namespace

TEST_F(SelecaoMultipla, PreSelecaoComAspasVoltaSemMudancaECancelarNaoMexeNoCampo) {
    auto janela = abrir("'D4','A1', 'ZZ'", 10);
    EXPECT_EQ(janela->windowTitle(), "Filtro de Seleção Multipla :");
    EXPECT_EQ(coluna(*janela, "Selecionados", 1), QString("AÇÃO RAPIDA,TINTA ACRILICA"));
    EXPECT_EQ(janela->resultado(), "'D4','A1'");

    QLineEdit campo("'A1','B2'");
    int exibicoes = 0;
    InstalarExibirModal([&](QDialog& d) {
        ++exibicoes;
        EXPECT_EQ(coluna(d, "Selecionados"), "A1,B2");
        d.findChild<QPushButton*>("F3 - Confirma Seleção")->click();
        return d.result();
    });
    const QString select = "SELECT Codigo as Codigo, Nome as Descricao FROM LOOKUP";
    EXPECT_TRUE(
        AbrirSelecaoMultipla("Orvalo", select, "", "", "Codigo", "Nome", "Codigo", "'", &campo, 5));
    EXPECT_EQ(campo.text(), "'A1','B2'");

    InstalarExibirModal([&](QDialog& d) {
        ++exibicoes;
        static_cast<TFoSelecaoMultipla&>(d).limpar();
        d.findChild<QPushButton*>("Cancela Seleção")->click();
        return d.result();
    });
    EXPECT_FALSE(
        AbrirSelecaoMultipla("Orvalo", select, "", "", "Codigo", "Nome", "Codigo", "'", &campo, 5));
    EXPECT_EQ(campo.text(), "'A1','B2'");
    EXPECT_EQ(exibicoes, 2);
    EXPECT_TRUE(dialogos->mostrados().isEmpty());
}

TEST_F(SelecaoMultipla, MaximoAvisaUmaVezENaoHaDuplicados) {
    const QString limite =
        "O numero máximo de registros possiveis de selecionar já foi ultrapassado!";
    auto um = abrir("", 1);
    irPara(*um, 2);
    um->adicionar();
    um->adicionar();
    EXPECT_EQ(coluna(*um, "Selecionados"), "C3");
    EXPECT_EQ(dialogos->textos(), QStringList{limite});

    // The cursor moves on after each add; going back to a row adds nothing.
    dialogos->limpar();
    auto tres = abrir("", 3);
    irPara(*tres, 0);
    tres->adicionar();
    tres->adicionar();
    irPara(*tres, 0);
    tres->adicionar();
    EXPECT_EQ(coluna(*tres, "Selecionados"), "A1,B2");
    // Every row of the result, from the first: the limit stops it once.
    tres->inserirTodos();
    EXPECT_EQ(coluna(*tres, "Selecionados"), "A1,B2,C3");
    EXPECT_EQ(dialogos->textos(), QStringList{limite});
    auto* selecionados = tres->findChild<QTableView*>("Selecionados");
    selecionados->setCurrentIndex(selecionados->model()->index(0, 0));
    tres->remover();
    EXPECT_EQ(tres->resultado(), "'B2','C3'");
    tres->limpar();
    EXPECT_EQ(tres->resultado(), "");

    // Marked rows only, when several are marked.
    auto* grade = tres->findChild<QTableView*>("Registros");
    grade->selectionModel()->clearSelection();
    for (int linha : {5, 3})
        grade->selectionModel()->select(grade->model()->index(linha, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_FALSE(tres->findChild<QPushButton*>("Inserir Todos os Itens do Filtro")->isHidden());
    tres->inserirTodos();
    EXPECT_EQ(tres->resultado(), "'D4','F6'");
}

TEST_F(SelecaoMultipla, PesquisaUsaOValorSoComoDadoNuncaComoSql) {
    auto janela = abrir("", 0);
    auto* inserirTodos = janela->findChild<QPushButton*>("Inserir Todos os Itens do Filtro");
    EXPECT_TRUE(inserirTodos->isHidden());
    const struct {
        const char* em;
        const char* valor;
        const char* logico;
        const char* codigos;
    } casos[] = {
        {"Descricao", "", "Contendo", "A1,B2,C3,D4,E5,F6"},
        {"Descricao", "A", "Iniciando", "D4,E5"},
        {"Descricao", "A", "Contendo", "A1,C3,D4,E5"},
        {"Descricao", "O'BRIEN", "Contendo", "B2"},
        {"Descricao", "') OR 1=1 --", "Contendo", ""},
        {"Descricao", "ção", "Contendo", "C3,D4"},
        {"Descricao", "S%AZ", "Iniciando", "C3"},
        {"Codigo", "f", "Contendo", "F6"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.valor);
        pesquisar(*janela, c.em, QString::fromUtf8(c.valor), c.logico);
        EXPECT_EQ(coluna(*janela, "Registros"), c.codigos);
        EXPECT_EQ(inserirTodos->isHidden(), QString(c.valor).isEmpty());
    }
    EXPECT_TRUE(dialogos->mostrados().isEmpty());
}

TEST_F(SelecaoMultipla, ProdutosPadraoComColunaInteiraEOrdemPeloTitulo) {
    ExecutarSql({"INSERT INTO ESTPROMA (Filial, Cod_Reduz, NOME1, UNID_PAD, LOCALIZA) VALUES "
                 "(1, 1002, 'OXIDO DE FERRO', 'KG', 'A-01'), (1, 10, 'BARRILHA', 'KG', NULL), "
                 "(1, 310, 'ZARCAO', 'L', 'B-02'), (2, 77, 'OUTRA FILIAL', 'UN', NULL)"});
    TFoSelecaoMultipla janela("Orvalo", "select * from estproma", " Where Filial = 1",
                              "Order by Cod_Reduz", "Cod_Reduz", "Nome1", "Codigo", "", "310,10",
                              0);
    EXPECT_EQ(janela.resultado(), "310,10");
    auto* grade = janela.findChild<QTableView*>("Registros");
    QStringList titulos;
    for (int i = 0; i < grade->model()->columnCount(); ++i)
        titulos << grade->model()->headerData(i, Qt::Horizontal).toString();
    EXPECT_EQ(titulos.join(','), "Codigo,Descricao,Unid_Pad,Marca,Referencia,RefFornec,NOME2,"
                                 "LOCALIZA");
    EXPECT_EQ(coluna(janela, "Registros", 7), ",B-02,A-01");

    pesquisar(janela, "Codigo", "10", "Contendo");
    EXPECT_EQ(coluna(janela, "Registros"), "10");
    pesquisar(janela, "Codigo", "1O", "Contendo");
    EXPECT_EQ(dialogos->textos(), QStringList{"Valor inválido para a pesquisa!"});
    EXPECT_EQ(coluna(janela, "Registros"), "10");
    pesquisar(janela, "LOCALIZA", "-0", "Contendo");
    EXPECT_EQ(coluna(janela, "Registros"), "310,1002");

    pesquisar(janela, "Codigo", "", "Contendo");
    grade->horizontalHeader()->sectionClicked(1);
    EXPECT_EQ(coluna(janela, "Registros"), "10,1002,310");
    EXPECT_EQ(grade->horizontalHeader()->sortIndicatorSection(), 1);
    grade->horizontalHeader()->sectionClicked(0);
    EXPECT_EQ(coluna(janela, "Registros"), "10,310,1002");
}

TEST_F(SelecaoMultipla, SelectPadraoSoParaProdutosEClientes) {
    EXPECT_TRUE(SelectPadrao("SELECT * FROM \"Estproma.db\" E")
                    .startsWith("SELECT Cod_Reduz as Codigo, Nome1 as Descricao,Unid_Pad"));
    EXPECT_EQ(SelectPadrao("SELECT * FROM ESTPROMANCM"), "SELECT * FROM ESTPROMANCM");
    EXPECT_TRUE(SelectPadrao("select * from clifor")
                    .startsWith(" SELECT Cod_Clifor as Codigo, Nome as Descricao, FANTASIA"));
    const struct {
        const char* select;
        const char* titulos;
    } casos[] = {
        {"SELECT * FROM CARIMBO", "Codigo,Descricao,Linha 1,Linha 2,Linha 3"},
        {"SELECT * FROM ContasReferencial", "Codigo,Descricao,Inicio Validade,Fim Validade,Tipo"},
        {"SELECT * FROM ESTPROMANCM", "Codigo,Descricao"},
        {"SELECT * FROM Clifor", "Codigo,Descricao,FANTASIA,CIDADE,BAIRRO,ENDERECO,COMPLEMENTO,"
                                 "CGC,TELEFONE1,E_Mail,Observacao,Observa2"},
    };
    for (const auto& c : casos) {
        PesquisaSelecao p("Orvalo", c.select, "", "", "Codigo", "Descricao", "Codigo");
        QStringList titulos;
        for (const ColunaSelecao& col : p.colunas())
            titulos << col.titulo;
        EXPECT_EQ(titulos.join(','), c.titulos);
    }
}
