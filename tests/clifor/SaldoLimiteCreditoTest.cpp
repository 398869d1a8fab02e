// The credit in use of a client: which titles count from the limit's start,
// how write-offs reduce them, unknown histories, the invoice left out, and
// a failing store.
#include "CliforTeste.h"

#include "services/SaldoLimiteCredito.h"

namespace {

class SaldoLimiteCreditoTeste : public CliforTeste {
protected:
    void SetUp() override {
        CliforTeste::SetUp();
        parte(1, "CLIENTE", {{"DtIniLimAt", QDate(2026, 3, 10)}});
        linha("Histcc", {{"Cod_Histo", 1}, {"Descricao", "PAGAMENTO"}, {"Tipo_Histo", "1"}});
        linha("Histcc", {{"Cod_Histo", 2}, {"Descricao", "PRORROGACAO"}, {"Tipo_Histo", "2"}});
    }

    static void titulo(const QString& duplicata, const QDate& vencimento, double valor,
                       int nota = 0, int cliente = 1, const QString& sistema = "0",
                       int filial = 1) {
        CamposLinha c{{"Filial", filial},
                      {"Sistema", sistema},
                      {"Cod_Clifor", cliente},
                      {"DUPLICATA", duplicata},
                      {"DATA_ENT", QDate(2026, 3, 1)},
                      {"Data_Ven", vencimento},
                      {"Valor", valor}};
        if (nota)
            c.append(std::pair<QString, QVariant>("Nota", nota));
        linha("Duplicat", c);
    }

    static void baixa(const QString& duplicata, int sequencia, int historico, double valor) {
        linha("BAIXADPL", {{"Filial", 1},
                           {"SISTEMA", "0"},
                           {"Cod_Clifor", 1},
                           {"DUPLICATA", duplicata},
                           {"DATA_ENT", QDate(2026, 3, 1)},
                           {"Sequencia", sequencia},
                           {"Cod_Histo", historico},
                           {"Valor", valor}});
    }

    static qint64 saldo(int nota = 0) { return SaldoLimiteCredito(1, nota).dezMilesimos(); }
};

TEST_F(SaldoLimiteCreditoTeste, ContaSoTitulosVencidosDepoisDoInicioDoLimite) {
    titulo("A1", QDate(2026, 3, 10), 100);   // due on the start day
    titulo("A2", QDate(2026, 3, 11), 200.5); // the day after
    titulo("A3", QDate(2026, 2, 1), 400);
    titulo("B1", QDate(2026, 4, 1), 1000, 0, 2);         // another client
    titulo("C1", QDate(2026, 4, 1), 1000, 0, 1, "1");    // payable
    titulo("D1", QDate(2026, 4, 1), 1000, 0, 1, "0", 2); // other branch
    EXPECT_EQ(saldo(), 2005000);

    // Without a start date every title counts.
    ExecutarSql({"update CLIFOR set DtIniLimAt = null"});
    EXPECT_EQ(saldo(), 7005000);
    EXPECT_EQ(mensagens(), "");
}

TEST_F(SaldoLimiteCreditoTeste, BaixasDeTipoUmAbatemAsOutrasNao) {
    titulo("P1", QDate(2026, 4, 1), 300);
    baixa("P1", 1, 1, 100);
    baixa("P1", 2, 1, 200); // fully paid
    titulo("P2", QDate(2026, 4, 2), 500);
    baixa("P2", 1, 1, 120.25);
    baixa("P2", 2, 2, 300); // another type does not pay
    EXPECT_EQ(saldo(), 3797500);
    EXPECT_EQ(mensagens(), "");
}

TEST_F(SaldoLimiteCreditoTeste, HistoricoDesconhecidoZeraOTituloEAvisa) {
    titulo("U1", QDate(2026, 4, 1), 300);
    baixa("U1", 1, 1, 100);
    baixa("U1", 2, 9, 50); // open amount reset to 0 here
    baixa("U1", 3, 1, 30); // and what follows still applies
    titulo("U2", QDate(2026, 4, 2), 80);
    EXPECT_EQ(saldo(), 500000);
    EXPECT_EQ(mensagens(),
              "Historico baixa duplicata não cadastrado:\r\rDuplicata : U1 *** Histórico : 9");
}

TEST_F(SaldoLimiteCreditoTeste, NotaDeixadaForaExcluiSeusTitulosEZeroNenhum) {
    titulo("N1", QDate(2026, 4, 1), 100, 55);
    titulo("N2", QDate(2026, 5, 1), 100, 55);
    titulo("N3", QDate(2026, 4, 1), 40, 56);
    titulo("S1", QDate(2026, 4, 1), 7); // no invoice
    EXPECT_EQ(saldo(55), 470000);
    EXPECT_EQ(saldo(56), 2070000);
    EXPECT_EQ(saldo(0), 2470000);
}

TEST_F(SaldoLimiteCreditoTeste, ErroDoBancoDaZeroEMensagem) {
    titulo("E1", QDate(2026, 4, 1), 100);
    SessaoBanco outra;
    outra.definirAlias("Orvalo", {"PATH=C:\\SUMIU"});
    EXPECT_EQ(SaldoLimiteCredito(1, 0, &outra).dezMilesimos(), 0);
    EXPECT_EQ(mensagens(), "Erro ao ler saldo limite crédito cliente\\fornecedor!\r\r"
                           "Directory does not exist: C:\\SUMIU");
}

} // namespace
