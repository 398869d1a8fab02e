// The dollar value of a date, the scratch row of TMPVALORES and the
// demonstration rows of costs.
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "costs/DemoCustos.h"
#include "costs/ValorDolar.h"
#include "costs/ValoresTemporarios.h"

namespace {
class ValorDolarTest : public InstalacaoTeste {};

QString texto(const std::optional<ValorMoeda>& v) {
    return v ? QString::number(v->valor) + " " + v->data.toString("dd/MM/yyyy") : "nenhum";
}
} // namespace

TEST_F(ValorDolarTest, PrimeiraDataIgualOuPosteriorSenaoAUltima) {
    EXPECT_EQ(texto(ValorDolar(QDate(2026, 3, 10))), "nenhum");
    // Other currencies never stand in for the dollar.
    ExecutarSql({"INSERT INTO VALORES VALUES (2, '2026-03-12', 6.1), (0, '2026-03-11', 9)"});
    EXPECT_EQ(texto(ValorDolar(QDate(2026, 3, 10))), "nenhum");
    EXPECT_EQ(dialogos->textos(),
              (QStringList{"Valor do dolar não cadastrado", "Valor do dolar não cadastrado"}));

    dialogos->limpar();
    ExecutarSql({"INSERT INTO VALORES VALUES (1, '2026-03-01', 5.1), (1, '2026-03-15', 5.25)"});
    const std::pair<QDate, const char*> casos[] = {
        {QDate(2026, 2, 1), "5.1 01/03/2026"},   {QDate(2026, 3, 1), "5.1 01/03/2026"},
        {QDate(2026, 3, 10), "5.25 15/03/2026"}, {QDate(2026, 3, 15), "5.25 15/03/2026"},
        {QDate(2026, 3, 20), "5.25 15/03/2026"},
    };
    for (const auto& [data, esperado] : casos)
        EXPECT_EQ(texto(ValorDolar(data)), esperado) << data.toString().toStdString();
    EXPECT_TRUE(dialogos->mostrados().isEmpty());
}

TEST_F(ValorDolarTest, LinhaTemporariaNuncaEGravada) {
    ExecutarSql({"INSERT INTO VALORES VALUES (1, '2026-12-01', 5.4)"});
    SessaoBanco estacao2;
    estacao2.definirAlias("Orvalo", {"PATH=C:\\EMPRESA1"});
    {
        ValoresTemporarios tmp;
        ASSERT_TRUE(tmp.iniciar(QDate(2026, 11, 20)));
        EXPECT_EQ(tmp.valor(), 5.4);
        tmp.tabela().campo("Valor1").definir(5.55);
        EXPECT_EQ(tmp.valor(), 5.55);
        EXPECT_EQ(TextoTabela("TMPVALORES", &estacao2), "");
        // A second start replaces the row instead of posting the first.
        ASSERT_TRUE(tmp.iniciar(QDate(2026, 11, 20)));
        tmp.encerrar();
        EXPECT_EQ(tmp.valor(), 0);
        ASSERT_TRUE(tmp.iniciar(QDate(2026, 11, 20)));
    }
    EXPECT_EQ(TextoTabela("TMPVALORES"), "");
}

TEST_F(ValorDolarTest, DemonstracaoMoedasSessentaDiasEFatoresDasDuasFiliais) {
    ExecutarSql({"INSERT INTO Pcpcfg (Filial, UltimaFormula) VALUES (1, 36)"});
    for (int vez = 0; vez < 2; ++vez)
        for (int filial : {1, 2})
            CriarDemoCustos("C:\\EMPRESA1", filial);
    EXPECT_EQ(TextoTabela("MOEDA"), "1|DOLAR|US$\n2|EURO|EUR\n3|REAL|R$");
    // Formula 37 raises the counters.
    EXPECT_EQ(TextoTabela("Pcpcfg"), "1|1.45|1.6|1.8|2|2.2|37\n2|1.5|1.7|1.9|2.1|2.4|37");
    Consulta q;
    q.setSql({"Select e.Filial, f.Formula, i.OrdComp, e.Cod_Reduz, e.ULTIMOCUST, e.LISTA6",
              "From Formulai i Inner Join Formula f On f.Filial = i.Filial And f.Formula = "
              "i.Formula",
              "Inner Join Estproma e On e.Filial = i.Filial And e.Cod_Reduz = i.Componente",
              "Order By e.Filial, i.OrdComp"});
    q.abrir();
    QStringList componentes;
    for (; !q.eof(); q.proximo())
        componentes << q.campo(0).texto() + "|" + q.campo(1).texto() + "|" + q.campo(2).texto() +
                           "|" + q.campo(3).texto() + "|" + q.campo(4).texto() + "|" +
                           q.campo(5).texto();
    // The mica has no dollar cost yet; the reused water costs nothing.
    EXPECT_EQ(componentes.join('\n'), "1|37|3|4005|7.35|\n1|37|4|3005|0|0\n"
                                      "2|37|3|4005|7.35|\n2|37|4|3005|0|0");
    const QStringList valores = TextoTabela("VALORES").split('\n');
    ASSERT_EQ(valores.size(), 60);
    EXPECT_TRUE(valores.first().startsWith("1|07/10/2026|"));
    EXPECT_TRUE(valores.last().startsWith("1|05/12/2026|"));
    // The dollar of today falls back on yesterday's until it is registered.
    EXPECT_EQ(ValorDolar(QDate(2026, 12, 6))->data, QDate(2026, 12, 5));
}
