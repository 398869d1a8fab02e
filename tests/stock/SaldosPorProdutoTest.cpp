// Balances by product: one row per colour and store, each size's balance
// in its column and the approval quantities beside them, the size titles,
// the stores "Todas as Lojas" adds and who is offered it.
#include "EstoqueTeste.h"

#include "stock/SaldosPorProduto.h"
#include "store/ErroBanco.h"

#include <QRegularExpression>
#include <tuple>

namespace {

class SaldosPorProdutoTest : public EstoqueTeste {
protected:
    void SetUp() override {
        EstoqueTeste::SetUp();
        for (int h : {54, 55})
            InserirLinha("HISTEST", {{"Est_Hist", h}, {"Param_Hist", 60}});
        InserirLinha("Cores", {{"Codigo", 3}, {"Descricao", "AZUL"}});
        InserirLinha("Cores", {{"Codigo", 7}, {"Descricao", "VERDE"}});
    }

    static void Tamanhos(int produto, const QStringList& tamanhos) {
        for (const QString& t : tamanhos)
            InserirLinha("Tamanho", {{"Filial", 1}, {"Cod_Reduz", produto}, {"TAMANHO", t}});
    }

    // Titles in use, then "cor|loja|k=saldo/condicional ..." per row.
    static QString Grade(const SaldosPorProduto& r) {
        QStringList linhas{r.titulos.join(',').remove(QRegularExpression(",+$"))};
        for (const LinhaSaldosProduto& l : r.linhas) {
            QStringList c{l.cor, QString::number(l.loja)};
            for (int k = 0; k < TamanhosSaldos; ++k)
                if (l.tamanhos[k] || l.condicionais[k])
                    c << QString::number(k + 1) + "=" +
                             (l.tamanhos[k] ? QString::number(*l.tamanhos[k]) : QString()) + "/" +
                             (l.condicionais[k] ? QString::number(*l.condicionais[k]) : QString());
            linhas << c.join('|');
        }
        return linhas.join('\n');
    }
};

TEST_F(SaldosPorProdutoTest, CoresSaoLinhasETamanhosSaoColunas) {
    Produto(10);
    Tamanhos(10, {"G", "M"});
    Saldo("201102", 10, 4, 0, "M", 3);
    Saldo("201102", 10, 6, 0, "G", 3);
    Saldo("201102", 10, 2, 0, "M", 7);
    Saldo("201102", 10, 9, 0, "XG", 7); // not one of the product's sizes
    // Colours nobody registered (9, and 12 below) share the empty label.
    Saldo("201102", 10, 5, 0, "G", 9);
    Saldo("201101", 10, 99, 0, "G", 3); // another month
    // Out on approval, of any month; other histories do not count.
    Nota(1, QDate(2010, 12, 5), 54);
    Nota(2, QDate(2011, 2, 5), 55);
    Nota(3, QDate(2011, 2, 6), 60);
    Itens({{1, QDate(2010, 12, 5), 10, 1.5, 0, 0, "M", 3},
           {2, QDate(2011, 2, 5), 10, 2, 0, 0, "M", 3},
           {2, QDate(2011, 2, 5), 10, 1, 0, 0, "G", 12, 0, 2},
           {3, QDate(2011, 2, 6), 10, 8, 0, 0, "G", 3}});
    EXPECT_EQ(Grade(ConsultarSaldosPorProduto("02/2011", 10, {})), "G,M\n"
                                                                   "|1|1=5/1\n"
                                                                   "AZUL (3)|1|1=6/|2=4/3.5\n"
                                                                   "VERDE (7)|1|2=2/");
    // Without sizes every balance is in the first column, titled "Qtd".
    Produto(20);
    Saldo("201102", 20, 8, 0, "", 3);
    Itens({{2, QDate(2011, 2, 5), 20, 4, 0, 0, "", 7, 0, 3}});
    EXPECT_EQ(Grade(ConsultarSaldosPorProduto("02/2011", 20, {})), "Qtd\n"
                                                                   "AZUL (3)|1|1=8/\n"
                                                                   "VERDE (7)|1|1=/4");
}

TEST_F(SaldosPorProdutoTest, SoOsDezPrimeirosTamanhosAparecem) {
    Produto(10);
    QStringList tamanhos;
    for (int k = 1; k <= 12; ++k)
        tamanhos << QString::asprintf("%02d", k);
    Tamanhos(10, tamanhos);
    for (int k = 1; k <= 12; ++k)
        Saldo("201102", 10, k, 0, tamanhos[k - 1], 3);
    EXPECT_EQ(Grade(ConsultarSaldosPorProduto("02/2011", 10, {})),
              "01,02,03,04,05,06,07,08,09,10\n"
              "AZUL (3)|1|1=1/|2=2/|3=3/|4=4/|5=5/|6=6/|7=7/|8=8/|9=9/|10=10/");
}

TEST_F(SaldosPorProdutoTest, TodasAsLojasSomamAsLinhasDosOutrosDiretorios) {
    Produto(10);
    Saldo("201102", 10, 4, 0, "", 3);
    criarDiretorio("C:\\EMPRESA2");
    criarDiretorio("C:\\Arquivos de programas\\Orvalo");
    {
        Tabela catalogo(CaminhoCatalogoEmpresas);
        catalogo.criarTabela();
        catalogo.abrir();
        for (const auto& [codigo, nome, diretorio] :
             {std::tuple{1, "MATRIZ", "EMPRESA1"}, std::tuple{2, "FILIAL NORTE", "EMPRESA2"}}) {
            catalogo.incluir();
            catalogo.campo("Codigo").definir(codigo);
            catalogo.campo("Nome").definir(nome);
            catalogo.campo("Diretorio").definir(diretorio);
            catalogo.campo("LOJA").definir(codigo);
            catalogo.gravar();
        }
        Tabela saldo("SLDPR");
        saldo.setNomeBanco("C:\\EMPRESA2");
        saldo.abrir();
        saldo.incluir();
        for (const auto& [campo, valor] : ValoresLinha{{"Filial", 1},
                                                       {"Ano_Mes", "201102"},
                                                       {"Cod_Reduz", 10},
                                                       {"Cod_Deposi", 7},
                                                       {"Fisico", 11.0}})
            saldo.campo(campo).definir(valor);
        saldo.gravar();
        for (const char* t : {"NOTAS", "NOTAI"}) {
            Tabela vazia(t);
            vazia.setNomeBanco("C:\\EMPRESA2");
            vazia.abrir();
        }
    }
    Sess().DirEmpresa = "C:\\EMPRESA1";
    Sess().Loja = 1;
    const std::vector<LojaSaldos> outras = OutrasLojas();
    ASSERT_EQ(outras.size(), 1u);
    EXPECT_EQ(outras[0].diretorio, "C:\\EMPRESA2\\");
    const SaldosPorProduto r = ConsultarSaldosPorProduto("02/2011", 10, outras);
    EXPECT_EQ(Grade(r), "Qtd\nAZUL (3)|1|1=4/\nVERDE (7)|2|1=11/");
    EXPECT_EQ(r.lojas.value(2), "FILIAL NORTE");

    // A store whose tables cannot be read ends the run, naming it.
    try {
        ConsultarSaldosPorProduto("02/2011", 10, {{3, "SUL", "C:\\EMPRESA9\\"}});
        ADD_FAILURE() << "no error";
    } catch (const ErroBanco& e) {
        EXPECT_TRUE(e.texto().startsWith("C:\\EMPRESA9\\: ")) << e.texto().toStdString();
    }

    // Installations 51 and 167 keep their stores under ORVALO\LOJAnn.
    Sess().FatModNf = 167;
    Sess().Loja = 2;
    QStringList diretorios;
    for (const LojaSaldos& l : OutrasLojas())
        diretorios << l.diretorio;
    EXPECT_EQ(diretorios.join(' '), "C:\\ORVALO\\LOJA01\\ C:\\ORVALO\\LOJA03\\ "
                                    "C:\\ORVALO\\LOJA04\\ C:\\ORVALO\\LOJA06\\ "
                                    "C:\\ORVALO\\LOJA07\\");
}

TEST_F(SaldosPorProdutoTest, TodasAsLojasOferecidaPorInstalacaoENivel) {
    const struct {
        int fatModNf;
        const char* nivel;
        bool mostra;
    } casos[] = {{167, "", true},   {207, "OPE", true}, {51, "ADM", true},
                 {51, "SUP", true}, {51, "OPE", false}, {10, "ADM", false}};
    for (const auto& c : casos) {
        Sess().FatModNf = c.fatModNf;
        Sess().Nivel = c.nivel;
        EXPECT_EQ(MostraTodasAsLojas(), c.mostra) << c.fatModNf << c.nivel;
    }
}

} // namespace
