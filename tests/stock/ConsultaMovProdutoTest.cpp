// The product movement consultation: what each filter keeps, the order a
// click on a title asks for, the totals, and the boxes whose text must
// never reach the statement as SQL (code lists, dates, quoted texts).
#include "EstoqueTeste.h"

#include "stock/TfoConsultaMovProduto.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

class ConsultaMovProdutoTest : public EstoqueTeste {
protected:
    void SetUp() override {
        EstoqueTeste::SetUp();
        InserirLinha("CLIFOR", {{"Filial", 1}, {"Cod_Clifor", 10}, {"NOME", "TINTAS SOL"}});
        InserirLinha("CLIFOR", {{"Filial", 1}, {"Cod_Clifor", 20}, {"NOME", "ACME"}});
        Produto(10);
        Produto(20);
        ExecutarSql({"UPDATE ESTPROMA SET REFERENCIA = 'R-10', MARCA = 'D''OESTE' "
                     "WHERE Cod_Reduz = 10",
                     "UPDATE ESTPROMA SET REFERENCIA = 'R-20', RefFornec = 'F20', MARCA = 'SUL' "
                     "WHERE Cod_Reduz = 20"});
        Nota(1, QDate(2011, 2, 1), 1, 1, 10);
        Nota(2, QDate(2011, 1, 31), 60, 1, 20);
        Nota(3, QDate(2011, 2, 15), 50, 1, 99); // a party nobody registered
        Nota(4, QDate(2011, 2, 10), 60, 1, 10);
        Itens({{1, QDate(2011, 2, 1), 10, 5},
               {1, QDate(2011, 2, 1), 20, 2, 0, 0, "", 1, 0, 2},
               {2, QDate(2011, 1, 31), 10, 1, 0, 0, "", 1, 0, 1, 1, 20},
               {3, QDate(2011, 2, 15), 10, 7, 0, 0, "", 1, 0, 1, 1, 99},
               {4, QDate(2011, 2, 10), 20, 3}});
        ExecutarSql({"UPDATE NOTAI SET BT_ICMS = 40, BI_ICMS = 10 WHERE Num_Nota = 1 AND "
                     "Cod_Reduz = 10",
                     "UPDATE NOTAI SET BO_ICMS = 30.255 WHERE Num_Nota = 1 AND Cod_Reduz = 20",
                     "UPDATE NOTAI SET BT_ICMS = 12.5 WHERE Num_Nota = 2",
                     "UPDATE NOTAI SET BT_ICMS = 33 WHERE Num_Nota = 4"});
        janela.show();
    }
    void TearDown() override {
        janela.close();
        EstoqueTeste::TearDown();
    }

    void Escrever(const char* caixa, const QString& texto) {
        QLineEdit* e = janela.findChild<QLineEdit*>(caixa);
        e->clear();
        e->insert(texto);
    }

    // "Nota|Cliente|Nome|Data|Produto|Qtd|Historico|Total Item|Marca" per
    // row, then the totals.
    QString Lista() {
        const QAbstractItemModel* m = janela.findChild<QTableView*>("Grade")->model();
        QStringList r;
        for (int l = 0; l < m->rowCount(); ++l) {
            QStringList c;
            for (int col : {0, 2, 3, 4, 5, 8, 10, 12, 15})
                c << m->index(l, col).data().toString();
            r << c.join('|');
        }
        r << janela.findChild<QLabel*>("Quantidade")->text() + " " +
                 janela.findChild<QLabel*>("Valor")->text();
        return r.join('\n');
    }

    TfoConsultaMovProduto janela;
};

TEST_F(ConsultaMovProdutoTest, ListasDeCodigosSoAceitamInteirosSeparadosPorVirgula) {
    const struct {
        const char* texto;
        std::optional<QList<int>> codigos;
    } casos[] = {
        {"1, 5,51", QList<int>{1, 5, 51}},
        {" 7 ", QList<int>{7}},
        {"", QList<int>{}},
        {"1;5", std::nullopt},
        {"5)", std::nullopt},
        {"1 or 1=1", std::nullopt},
        {"1,,2", std::nullopt},
        {"-1", std::nullopt},
        {"1,", std::nullopt},
    };
    for (const auto& c : casos)
        EXPECT_EQ(ListaDeCodigos(c.texto), c.codigos) << c.texto;
}

TEST_F(ConsultaMovProdutoTest, ListaOuDataInvalidaRecusadaAntesDaConsulta) {
    ASSERT_TRUE(janela.consultar());
    const QString antes = Lista();
    const struct {
        const char* caixa;
        const char* texto;
        const char* mensagem;
    } casos[] = {
        {"Historicos", "1 or 1=1",
         "Lista de códigos inválida em Historicos: informe somente números separados por "
         "vírgula."},
        {"Produto", "5)",
         "Lista de códigos inválida em Produto: informe somente números separados por vírgula."},
        {"Cliente", "1;5",
         "Lista de códigos inválida em Cliente: informe somente números separados por vírgula."},
        {"Dt Emissão Inicial", "31/02/2011", "Data Invalida:31/02/2011"},
    };
    for (const auto& c : casos) {
        dialogos->limpar();
        Escrever(c.caixa, c.texto);
        Escrever("Dt Emissão Final", "28/02/2011");
        EXPECT_FALSE(janela.consultar()) << c.caixa;
        EXPECT_EQ(dialogos->textos(), QStringList{QString::fromUtf8(c.mensagem)});
        EXPECT_EQ(janela.focusWidget(), janela.findChild<QLineEdit*>(c.caixa));
        EXPECT_EQ(Lista(), antes);
        Escrever(c.caixa, "");
    }
}

TEST_F(ConsultaMovProdutoTest, FiltrosMantemSuasLinhasEDescartamItensSemParte) {
    const struct {
        const char* inicial;
        const char* final;
        const char* historicos;
        const char* produtos;
        const char* clientes;
        const char* marca;
        const char* lista;
    } casos[] = {
        {"", "", "", "", "", "",
         "2|20|ACME|31/01/2011|10|1,0000|60|12,50|D'OESTE\n"
         "1|10|TINTAS SOL|01/02/2011|10|5,0000|1|50,00|D'OESTE\n"
         "1|10|TINTAS SOL|01/02/2011|20|2,0000|1|30,26|SUL\n"
         "4|10|TINTAS SOL|10/02/2011|20|3,0000|60|33,00|SUL\n"
         "Quantidade : 11,00 Valor : R$ 125,76"},
        // The first day of the period is in it; one date alone filters nothing.
        {"01/02/2011", "28/02/2011", "", "", "", "",
         "1|10|TINTAS SOL|01/02/2011|10|5,0000|1|50,00|D'OESTE\n"
         "1|10|TINTAS SOL|01/02/2011|20|2,0000|1|30,26|SUL\n"
         "4|10|TINTAS SOL|10/02/2011|20|3,0000|60|33,00|SUL\n"
         "Quantidade : 10,00 Valor : R$ 113,26"},
        {"01/02/2011", "", "", "", "20", "",
         "2|20|ACME|31/01/2011|10|1,0000|60|12,50|D'OESTE\n"
         "Quantidade : 1,00 Valor : R$ 12,50"},
        {"", "", "1, 50", "10", "", "",
         "1|10|TINTAS SOL|01/02/2011|10|5,0000|1|50,00|D'OESTE\n"
         "Quantidade : 5,00 Valor : R$ 50,00"},
        {"", "", "", "", "", "D'OESTE",
         "2|20|ACME|31/01/2011|10|1,0000|60|12,50|D'OESTE\n"
         "1|10|TINTAS SOL|01/02/2011|10|5,0000|1|50,00|D'OESTE\n"
         "Quantidade : 6,00 Valor : R$ 62,50"},
    };
    for (const auto& c : casos) {
        Escrever("Dt Emissão Inicial", c.inicial);
        Escrever("Dt Emissão Final", c.final);
        Escrever("Historicos", c.historicos);
        Escrever("Produto", c.produtos);
        Escrever("Cliente", c.clientes);
        Escrever("Marca", QString::fromUtf8(c.marca));
        ASSERT_TRUE(janela.consultar());
        EXPECT_EQ(Lista(), c.lista) << c.inicial << c.historicos << c.marca;
        EXPECT_TRUE(janela.findChild<QPushButton*>("Listar")->isEnabled());
    }
    EXPECT_TRUE(dialogos->textos().isEmpty());
}

TEST_F(ConsultaMovProdutoTest, TextosDeReferenciaSaoValoresNaoSql) {
    Escrever("Referencia", "R-20");
    Escrever("Referencia Fornecedor", "F20' OR '1'='1");
    ASSERT_TRUE(janela.consultar());
    EXPECT_EQ(Lista(), "Quantidade : 0,00 Valor : R$ 0,00");
    Escrever("Referencia Fornecedor", "F20");
    ASSERT_TRUE(janela.consultar());
    EXPECT_EQ(Lista(), "1|10|TINTAS SOL|01/02/2011|20|2,0000|1|30,26|SUL\n"
                       "4|10|TINTAS SOL|10/02/2011|20|3,0000|60|33,00|SUL\n"
                       "Quantidade : 5,00 Valor : R$ 63,26");
}

TEST_F(ConsultaMovProdutoTest, CliqueNoTituloOrdenaPelaColunaEAMarca) {
    const QAbstractItemModel* m = janela.findChild<QTableView*>("Grade")->model();
    auto amarelos = [m] {
        QStringList r;
        for (int c = 0; c < m->columnCount(); ++c)
            if (m->headerData(c, Qt::Horizontal, Qt::BackgroundRole).isValid())
                r << m->headerData(c, Qt::Horizontal).toString();
        return r;
    };
    EXPECT_EQ(amarelos(), QStringList{"Data"});
    janela.ordenarPor(8); // "Qtd"
    EXPECT_EQ(amarelos(), QStringList{"Qtd"});
    QStringList quantidades;
    for (int l = 0; l < m->rowCount(); ++l)
        quantidades << m->index(l, 8).data().toString();
    EXPECT_EQ(quantidades, (QStringList{"1,0000", "2,0000", "3,0000", "5,0000"}));
    janela.ordenarPor(12); // "Total Item"
    QStringList totais;
    for (int l = 0; l < m->rowCount(); ++l)
        totais << m->index(l, 12).data().toString();
    EXPECT_EQ(totais, (QStringList{"12,50", "30,26", "33,00", "50,00"}));
    janela.ordenarPor(3); // "Nome": a field of the party, not of the item
    EXPECT_EQ(m->index(0, 3).data().toString(), "ACME");
}

} // namespace
