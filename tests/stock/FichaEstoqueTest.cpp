// The stock card: opening from the previous month's balances of the chosen
// sizes and deposits, the month's movements eleven to a page with the
// running balance carried across pages, the closing, the open orders, the
// price panel of the installation, the months an installation has closed,
// and the colour card's choosers. Pages are read off the window whole.
#include "EstoqueTeste.h"

#include "stock/TFoFichadeEstoque.h"
#include "stock/TfoConsFichaEstoque2.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

class FichaEstoqueTest : public EstoqueTeste {
protected:
    void SetUp() override {
        EstoqueTeste::SetUp();
        InserirLinha("Filial", {{"Filial", 1}, {"NOME", "MATRIZ"}});
        InserirLinha("Estoqcfg", {{"Filial", 1}});
        InserirLinha("CLIFOR", {{"Filial", 1}, {"Cod_Clifor", 10}, {"NOME", "TINTAS SOL"}});
        Produto(10);
        Produto(20);
    }

    static void Escrever(QWidget& janela, const char* caixa, const QString& texto) {
        QLineEdit* e = janela.findChild<QLineEdit*>(caixa);
        e->clear();
        e->insert(texto);
    }

    static QString Texto(QWidget& janela, const char* caixa) {
        return janela.findChild<QLineEdit*>(caixa)->text().trimmed();
    }

    // "Anterior", the rows shown, "Final" and the orders, cells trimmed.
    static QString Pagina(QWidget& janela) {
        QStringList r{"Anterior " + Texto(janela, "Anterior Valor") + " | " +
                      Texto(janela, "Anterior Quantidade")};
        const QAbstractItemModel* m = janela.findChild<QTableView*>("Movimentos")->model();
        for (int l = 0; l < m->rowCount(); ++l) {
            QStringList celulas;
            for (int c = 0; c < m->columnCount(); ++c)
                celulas << m->index(l, c).data().toString().trimmed();
            if (!celulas.join(QString()).isEmpty())
                r << QString::number(l + 1) + ": " + celulas.join('|');
        }
        r << "Final " + Texto(janela, "Final Valor") + " | " + Texto(janela, "Final Quantidade");
        if (janela.findChild<QLineEdit*>("Vales"))
            r << "Vales " + Texto(janela, "Vales") + " Pedidos " + Texto(janela, "Pedidos") +
                     " Compras " + Texto(janela, "Compras");
        return r.join('\n');
    }

    static bool Ativo(QWidget& janela, const char* botao) {
        return janela.findChild<QPushButton*>(botao)->isEnabled();
    }

    TFoFichadeEstoque ficha;
};

TEST_F(FichaEstoqueTest, DecimoSegundoMovimentoEsperaProximoELevaOSaldo) {
    Saldo("201101", 10, 5, 50);
    Saldo("201102", 10, 0, 0);
    for (int d = 1; d <= 12; ++d) {
        Nota(d, QDate(2011, 2, d), 1);
        Itens({{d, QDate(2011, 2, d), 10, 1, 10}});
    }
    ficha.abrirProduto(10);
    Escrever(ficha, "Mes/Ano", "02/2011");
    ASSERT_TRUE(ficha.iniciar());
    QStringList primeira{"Anterior 50,0000 | 5,0000"};
    for (int d = 1; d <= 11; ++d)
        primeira << QString::asprintf("%d: %02d|%d|10 TINTAS SOL|1|1,0000|10,0000|0,00|%d,0000", d,
                                      d, d, 5 + d);
    primeira << "Final  | "
             << "Vales  Pedidos  Compras ";
    EXPECT_EQ(Pagina(ficha), primeira.join('\n'));
    EXPECT_TRUE(ficha.aguardando());
    EXPECT_FALSE(Ativo(ficha, "Iniciar"));
    EXPECT_FALSE(Ativo(ficha, "Fechar"));
    EXPECT_TRUE(Ativo(ficha, "Proximo"));

    ASSERT_TRUE(ficha.proximo());
    EXPECT_EQ(Pagina(ficha), "Anterior  | \n"
                             "1: 12|12|10 TINTAS SOL|1|1,0000|10,0000|0,00|17,0000\n"
                             "Final 170,0000 | 17,0000\n"
                             "Vales 0,0000 Pedidos 0,0000 Compras 0,0000");
    EXPECT_TRUE(Ativo(ficha, "Iniciar"));
    EXPECT_TRUE(Ativo(ficha, "Fechar"));
    EXPECT_FALSE(Ativo(ficha, "Proximo"));
    EXPECT_FALSE(ficha.proximo());
    // The raw cells keep the legacy width.
    EXPECT_EQ(ficha.findChild<QLineEdit*>("Final Quantidade")->text(), "     17,0000");
}

TEST_F(FichaEstoqueTest, FecharAJanelaComPaginaEsperandoTerminaAExecucao) {
    Saldo("201102", 10, 0, 0);
    for (int d = 1; d <= 12; ++d) {
        Nota(d, QDate(2011, 2, d), 1);
        Itens({{d, QDate(2011, 2, d), 10, 1}});
    }
    ficha.abrirProduto(10);
    Escrever(ficha, "Mes/Ano", "02/2011");
    ASSERT_TRUE(ficha.iniciar());
    ficha.close();
    EXPECT_FALSE(ficha.aguardando());
    EXPECT_FALSE(ficha.proximo());
    EXPECT_TRUE(Ativo(ficha, "Iniciar"));
}

TEST_F(FichaEstoqueTest, FaixaDeDepositosETamanhoEscolhemSaldoInicialEMovimentos) {
    Saldo("201101", 10, 3, 30, "", 1);
    Saldo("201101", 10, 4, 40, "", 2);
    Saldo("201101", 10, 100, 1000, "", 5);
    Saldo("201101", 10, 8, 80, "G", 1);
    Nota(1, QDate(2011, 2, 3), 1);
    Itens({{1, QDate(2011, 2, 3), 10, 2, 0, 0, "", 2},
           {1, QDate(2011, 2, 3), 10, 9, 0, 0, "", 5, 0, 2},
           {1, QDate(2011, 2, 3), 10, 1, 0, 0, "G", 1, 0, 3}});
    const struct {
        const char *inicial, *final, *tamanho, *pagina;
    } casos[] = {
        {"1", "2", "",
         "Anterior 150,0000 | 15,0000\n"
         "1: 03|1|10 TINTAS SOL|1|2,0000|0,0000|0,00|17,0000\n"
         "2: 03|1|10 TINTAS SOL|1|1,0000|0,0000|0,00|18,0000\n"
         "Final 0,0000 | 18,0000"},
        {"", "", "",
         "Anterior 1150,0000 | 115,0000\n"
         "1: 03|1|10 TINTAS SOL|1|2,0000|0,0000|0,00|117,0000\n"
         "2: 03|1|10 TINTAS SOL|1|9,0000|0,0000|0,00|126,0000\n"
         "3: 03|1|10 TINTAS SOL|1|1,0000|0,0000|0,00|127,0000\n"
         "Final 0,0000 | 127,0000"},
        // The last box below the first counts as the first.
        {"5", "3", "",
         "Anterior 1000,0000 | 100,0000\n"
         "1: 03|1|10 TINTAS SOL|1|9,0000|0,0000|0,00|109,0000\n"
         "Final 0,0000 | 109,0000"},
        {"1", "9", "G",
         "Anterior 80,0000 | 8,0000\n"
         "1: 03|1|10 TINTAS SOL|1|1,0000|0,0000|0,00|9,0000\n"
         "Final 0,0000 | 9,0000"},
        {"3", "4", "", "Anterior 0,0000 | 0,0000\nFinal 0,0000 | 0,0000"},
    };
    ficha.abrirProduto(10);
    // Stored values: the processing date closes the month, nothing is
    // recomputed (the items' VLR_MEDIO stay 0).
    ExecutarSql({"UPDATE Estoqcfg SET Data = '2011-03-01'"});
    Escrever(ficha, "Mes/Ano", "02/2011");
    for (const auto& c : casos) {
        dialogos->limpar();
        Escrever(ficha, "Deposito Inicial", c.inicial);
        Escrever(ficha, "Deposito Final", c.final);
        Escrever(ficha, "Tamanho", c.tamanho);
        ASSERT_TRUE(ficha.iniciar());
        EXPECT_EQ(Pagina(ficha), QString(c.pagina) + "\nVales 0,0000 Pedidos 0,0000 Compras 0,0000")
            << c.inicial << "-" << c.final;
        EXPECT_EQ(dialogos->textos(),
                  QStringList{"Lançamento no estoque menor que a data de processamento"});
    }
}

TEST_F(FichaEstoqueTest, CustosRecalculadosSegundaUnidadeEClassesMovemOSaldo) {
    Saldo("201101", 10, 10, 100, "", 1, 20);
    Saldo("201102", 10, 0, 0);
    Nota(1, QDate(2011, 2, 1), 1);
    Nota(2, QDate(2011, 2, 2), 50);
    Nota(3, QDate(2011, 2, 3), 60);
    Nota(4, QDate(2011, 2, 4), 50);
    Itens({{1, QDate(2011, 2, 1), 10, 10, 120, 0, "", 1, 4},
           {2, QDate(2011, 2, 2), 10, 3, 0, 0, "", 1, 6},
           {3, QDate(2011, 2, 3), 10, 5, 0, 0, "", 1, 10},
           // Last, a shipment the average cost leaves alone: the closing
           // keeps the last unit cost.
           {4, QDate(2011, 2, 4), 10, 1, 0, 0, "", 1, 1}});
    ExecutarSql(
        {"UPDATE NOTAI SET BT_ICMS = 100, BI_ICMS = 20, BO_ICMS = 3.33 WHERE Num_Nota = 1"});
    ficha.abrirProduto(10);
    Escrever(ficha, "Mes/Ano", "02/2011");
    ASSERT_TRUE(ficha.iniciar());
    EXPECT_EQ(Pagina(ficha), "Anterior 100,0000 | 10,0000\n"
                             "1: 01|1|10 TINTAS SOL|1|10,0000|11,0000|12,33|20,0000\n"
                             "2: 02|2|10 TINTAS SOL|50|3,0000|0,0000|0,00|20,0000\n"
                             "3: 03|3|10 TINTAS SOL|60|5,0000|11,0000|0,00|15,0000\n"
                             "4: 04|4|10 TINTAS SOL|50|1,0000|0,0000|0,00|15,0000\n"
                             "Final 165,0000 | 15,0000\n"
                             "Vales 0,0000 Pedidos 0,0000 Compras 0,0000");
    EXPECT_EQ(Saldos(), "201101|10||1|10|20|100\n201102|10||1|15|14|165");

    ficha.findChild<QCheckBox*>("Quant 2")->setChecked(true);
    ASSERT_TRUE(ficha.iniciar());
    EXPECT_EQ(Pagina(ficha), "Anterior 100,0000 | 20,0000\n"
                             "1: 01|1|10 TINTAS SOL|1|4,0000|11,0000|12,33|24,0000\n"
                             "2: 02|2|10 TINTAS SOL|50|6,0000|0,0000|0,00|24,0000\n"
                             "3: 03|3|10 TINTAS SOL|60|10,0000|11,0000|0,00|14,0000\n"
                             "4: 04|4|10 TINTAS SOL|50|1,0000|0,0000|0,00|14,0000\n"
                             "Final 154,0000 | 14,0000\n"
                             "Vales 0,0000 Pedidos 0,0000 Compras 0,0000");
}

TEST_F(FichaEstoqueTest, CabecalhoAusenteNomeadoQuandoSuaPaginaAparece) {
    Saldo("201102", 10, 0, 0);
    for (int d = 1; d <= 11; ++d) {
        Nota(d, QDate(2011, 2, d), 1);
        Itens({{d, QDate(2011, 2, d), 10, 1}});
    }
    Itens({{77, QDate(2011, 2, 20), 10, 2}});
    ficha.abrirProduto(10);
    Escrever(ficha, "Mes/Ano", "02/2011");
    ASSERT_TRUE(ficha.iniciar());
    // The recomputation names it first and skips it.
    EXPECT_EQ(dialogos->textos(), QStringList{"Nota nao cadastrada:77-1-10-20/02/2011"});
    dialogos->limpar();
    ASSERT_TRUE(ficha.proximo());
    EXPECT_EQ(dialogos->textos(),
              (QStringList{"Nota nao cadastrada: 77-1 10 20/02/2011", "Saldo incorreto"}));
    EXPECT_EQ(Pagina(ficha), "Anterior  | \n"
                             "1: 20|77|10 TINTAS SOL||2,0000|0,0000|0,00|13,0000\n"
                             "Final 0,0000 | 13,0000\n"
                             "Vales 0,0000 Pedidos 0,0000 Compras 0,0000");
}

TEST_F(FichaEstoqueTest, MesesFechadosEMesesImpossiveisNadaMostram) {
    const struct {
        int fatModNf;
        bool porCor;
        const char* mes;
        const char* mensagem; // "" = the card is shown
    } casos[] = {
        {112, false, "12/2003", "Periodo Sem Acesso"},
        {112, false, "01/2004", ""},
        {177, false, "12/2003", "Periodo Sem Acesso"},
        {160, false, "12/2007", "Periodo Sem Acesso"},
        {160, false, "01/2008", ""},
        {51, false, "12/2003", ""},
        {51, true, "12/2003", "Periodo Sem Acesso"},
        {51, true, "01/2004", ""},
        {0, false, "13/2008", "Data Invalida:01/13/2008"},
    };
    for (const auto& c : casos) {
        Sess().FatModNf = c.fatModNf;
        dialogos->limpar();
        FiltroFicha f;
        f.mesAno = c.mes;
        f.produto = 10;
        f.porCor = c.porCor;
        const FichaEstoque r = CalcularFichaEstoque(f);
        EXPECT_EQ(r.calculada, !*c.mensagem) << c.fatModNf << " " << c.mes;
        EXPECT_EQ(dialogos->textos(), *c.mensagem ? QStringList{c.mensagem} : QStringList())
            << c.fatModNf << " " << c.mes;
    }
}

TEST_F(FichaEstoqueTest, PainelDePrecosSegueAInstalacao) {
    ExecutarSql({"UPDATE ESTPROMA SET ULTIMOCUST = 2.5, LISTA1 = 1234.5, LISTA2 = 2, LISTA3 = 3,"
                 " LISTA4 = 4, LISTA5 = 5, LISTA6 = 6.125 WHERE Cod_Reduz = 10"});
    const struct {
        int fatModNf;
        const char* painel;
    } casos[] = {
        {8, "Lista 1=  1.234,50|Lista 2=|Lista 3=|Lista 4=|Lista 5="},
        {10, "Lista 1=C    2,0000|Lista 2=B    3,0000|Lista 3=A    4,0000|Lista 4=a    5,0000|"
             "Lista 5=Q    6,1250"},
        {113, "Pr.Custo=    2,5000|% Aumento= 1234,5000|Pr.vda=    0,0020|=|="},
        {191,
         "Lista 1=   1234,50|Lista 2=      2,00|Lista 3=      3,00|Lista 4=      4,00|Lista 5="},
        {0, "Lista 1=|Lista 2=|Lista 3=|Lista 4=|Lista 5="},
    };
    for (const auto& c : casos) {
        Sess().FatModNf = c.fatModNf;
        FiltroFicha f;
        f.mesAno = "02/2011";
        f.produto = 10;
        const FichaEstoque r = CalcularFichaEstoque(f);
        QStringList painel;
        for (int n = 0; n < 5; ++n)
            painel << r.rotulosPrecos[n] + "=" + r.precos[n];
        EXPECT_EQ(painel.join('|'), c.painel) << c.fatModNf;
    }
}

TEST_F(FichaEstoqueTest, PedidosEmAbertoContamOQueFaltaEntregar) {
    const struct {
        const char* sistema;
        int numero;
        const char* tipo;
        double quantidade, entregue, cancelada;
    } pedidos[] = {
        {"0", 1, "VAL", 5, 1, 0}, {"0", 2, "RES", 3, 0, 0}, {"0", 3, "PED", 2, 0, 0},
        {"0", 4, "RES", 1, 2, 0}, {"1", 5, "", 7, 0, 0},    {"1", 6, "", 4, 0, 10},
    };
    for (const auto& p : pedidos) {
        InserirLinha("PDCPS", {{"Filial", 1},
                               {"SISTEMA", p.sistema},
                               {"Num_PdCp", p.numero},
                               {"Cod_Clifor", 10},
                               {"Tipo", p.tipo}});
        InserirLinha("PDCPI", {{"Filial", 1},
                               {"SISTEMA", p.sistema},
                               {"Num_Pdcp", p.numero},
                               {"Cod_Clifor", 10},
                               {"Num_Item", 1},
                               {"Cod_Reduz", 10},
                               {"QUANTIDADE", p.quantidade},
                               {"QT_ENTREGE", p.entregue},
                               {"QT_CANCELA", p.cancelada}});
    }
    // An item of another product is not counted.
    InserirLinha("PDCPI", {{"Filial", 1},
                           {"SISTEMA", "0"},
                           {"Num_Pdcp", 1},
                           {"Cod_Clifor", 10},
                           {"Num_Item", 2},
                           {"Cod_Reduz", 20},
                           {"QUANTIDADE", 50.0}});
    for (const auto& [fatModNf, esperado] :
         {std::pair{0, "Vales 4,0000 Pedidos 9,0000 Compras 7,0000"},
          std::pair{10, "Vales 4,0000 Pedidos 3,0000 Compras 7,0000"}}) {
        Sess().FatModNf = fatModNf;
        ficha.abrirProduto(10);
        Escrever(ficha, "Mes/Ano", "02/2011");
        ASSERT_TRUE(ficha.iniciar());
        EXPECT_EQ(Pagina(ficha).section('\n', -1), esperado);
    }
}

TEST_F(FichaEstoqueTest, FichaPorCorEscolheCorETamanho) {
    InserirLinha("Cores", {{"Codigo", 3}, {"Descricao", "AZUL"}});
    InserirLinha("Cores", {{"Codigo", 7}, {"Descricao", "VERDE"}});
    for (const char* t : {"M", "G"})
        InserirLinha("Tamanho", {{"Filial", 1}, {"Cod_Reduz", 10}, {"TAMANHO", t}});
    Saldo("201101", 10, 2, 20, "M", 3);
    Saldo("201101", 10, 5, 50, "G", 7);
    Nota(1, QDate(2011, 2, 4), 1);
    Itens({{1, QDate(2011, 2, 4), 10, 1, 0, 0, "M", 3},
           {1, QDate(2011, 2, 4), 10, 4, 0, 0, "G", 7, 0, 2}});
    ExecutarSql({"UPDATE Estoqcfg SET Data = '2011-03-01'"});
    TfoConsFichaEstoque2 janela;
    janela.abrirProduto(10);
    auto* cor = janela.findChild<QComboBox*>("Cor");
    auto* tamanho = janela.findChild<QComboBox*>("Tamanho");
    ASSERT_EQ(cor->currentText(), "000 - TODAS");
    QStringList itens;
    for (QComboBox* c : {cor, tamanho})
        for (int n = 0; n < c->count(); ++n)
            itens << c->itemText(n);
    EXPECT_EQ(itens, (QStringList{"000 - TODAS", "003 - AZUL", "007 - VERDE", "TODOS", "G", "M"}));
    Escrever(janela, "Mês/Ano", "02/2011");
    const struct {
        int cor;
        const char* tamanho;
        const char* pagina;
    } casos[] = {
        {0, "TODOS",
         "Anterior 70,0000 | 7,0000\n1: 04|1|TINTAS SOL|1|4,0000|0,0000|11,0000\n"
         "2: 04|1|TINTAS SOL|1|1,0000|0,0000|12,0000\nFinal 0,0000 | 12,0000"},
        {1, "TODOS",
         "Anterior 20,0000 | 2,0000\n1: 04|1|TINTAS SOL|1|1,0000|0,0000|3,0000\n"
         "Final 0,0000 | 3,0000"},
        {0, "G",
         "Anterior 50,0000 | 5,0000\n1: 04|1|TINTAS SOL|1|4,0000|0,0000|9,0000\n"
         "Final 0,0000 | 9,0000"},
        {2, "M", "Anterior 0,0000 | 0,0000\nFinal 0,0000 | 0,0000"},
    };
    for (const auto& c : casos) {
        cor->setCurrentIndex(c.cor);
        tamanho->setCurrentText(c.tamanho);
        ASSERT_TRUE(janela.iniciar());
        EXPECT_EQ(Pagina(janela), c.pagina) << c.cor << c.tamanho;
    }
    // Another product brings its own sizes back to "TODOS".
    tamanho->setCurrentIndex(1);
    Escrever(janela, "Codigo", "20");
    EXPECT_EQ(janela.produtoAtual(), 20);
    EXPECT_EQ(tamanho->count(), 1);
    EXPECT_EQ(tamanho->currentText(), "TODOS");
}

} // namespace
