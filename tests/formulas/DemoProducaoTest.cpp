// The demonstration production data: service orders whose first number
// shares its component list between two items, sales notes ready for the
// write-off of the last month (with its one missing formula), and a second
// run adding nothing. That the stock routines make its balances again is
// DemonstracaoTest's.
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "BaixaMateriaPrima.h"
#include "DemoFormulas.h"
#include "DemoProducao.h"
#include "clifor/DemoClifor.h"
#include "products/DemoProdutos.h"
#include "session/Sessao.h"
#include "stock/DemoEstoque.h"

namespace {
class DemoProducao : public InstalacaoTeste {};
} // namespace

TEST_F(DemoProducao, OrdensEVendasProntasParaABaixa) {
    ExecutarSql({"Insert Into Filial (Filial, NOME, FATMODNF) Values (1, 'FABRICA', 0)",
                 "Insert Into Estoqcfg (Filial) Values (1)"});
    CriarDemoProdutos("Orvalo", 1);
    CriarDemoClifor("Orvalo", 1);
    CriarDemoFormulas("Orvalo", 1);
    CriarDemoEstoque("Orvalo", 1);
    CriarDemoProducao("Orvalo", 1);
    const QString antes = TextoTabela("OS") + TextoTabela("Osi") + TextoTabela("Aplica") +
                          TextoTabela("NOTAS") + TextoTabela("NOTAI") + TextoTabela("SLDPR");
    CriarDemoProducao("Orvalo", 1);
    EXPECT_EQ(TextoTabela("OS") + TextoTabela("Osi") + TextoTabela("Aplica") +
                  TextoTabela("NOTAS") + TextoTabela("NOTAI") + TextoTabela("SLDPR"),
              antes);

    Tabela os("OS"), osi("Osi");
    os.abrir();
    osi.abrir();
    EXPECT_EQ(os.contarRegistros(), 4);
    osi.definirFaixa({1, 12}, {1, 12});
    EXPECT_EQ(osi.contarRegistros(), 4);
    ASSERT_TRUE(os.localizarChave({1, 12, 2}));

    // The last demonstration month (November, the clock being in December).
    Sess().Filial = 1;
    BaixaMateriaPrima baixa;
    ParametrosBaixa p;
    p.dataInicial = QDate(2026, 11, 1);
    p.dataFinal = QDate(2026, 11, 30);
    p.historicoVenda = 51;
    p.historicoBaixa = 52;
    p.fornecedor = 5101;
    const ResultadoBaixa r = baixa.executar(p);
    EXPECT_TRUE(r.concluido);
    EXPECT_EQ(r.notasLidas, 7); // with the month's purchases, under history code 1
    EXPECT_EQ(r.notasBaixadas, 4);
    EXPECT_EQ(dialogos->textos(), QStringList{"Formula: 990  na nota 71104 não cadastrada"});
}
