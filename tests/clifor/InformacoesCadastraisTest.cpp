// The registration information of a client: how its receivables are
// counted and its behaviour named, the purchases of the period and of the
// chosen histories, the free limit, and the client list of the branch.
#include "CliforTeste.h"

#include "clifor/InformacoesCadastrais.h"
#include "clifor/TfoInfCadastrais.h"

#include <QLineEdit>

namespace {

class InformacoesCadastrais : public CliforTeste {
protected:
    static void titulo(int cliente, const char* duplicata, const QDate& entrada,
                       const QDate& vencimento, const QDate& pagamento, double valor = 100) {
        linha("Duplicat", {{"Filial", 1},
                           {"Sistema", "0"},
                           {"Cod_Clifor", cliente},
                           {"DUPLICATA", duplicata},
                           {"DATA_ENT", entrada},
                           {"Data_Ven", vencimento},
                           {"DATA_PAG", pagamento.isValid() ? QVariant(pagamento) : QVariant()},
                           {"Valor", valor}});
    }
    static void nota(int numero, const QDate& data, double valor, int natureza, int historico) {
        linha("NOTAS", {{"Filial", 1},
                        {"Num_Nota", numero},
                        {"Tipo_Nota", 1},
                        {"Cod_Clifor", 1},
                        {"DT_ENTRADA", data},
                        {"Nat_Oper", natureza},
                        {"Est_Hist", historico},
                        {"VLR_NOTA", valor}});
    }
    static QStringList resumo(int cliente) {
        const ResumoTitulos r = ResumirTitulos(1, cliente, QDate(2026, 12, 6));
        return {r.antecipados, r.pontuais, r.atrasados, r.abertos, r.comportamento};
    }
};

TEST_F(InformacoesCadastrais, TitulosContadosPorPagamentoEComportamento) {
    const QDate d(2026, 11, 1);
    titulo(1, "A", d, d.addDays(30), d.addDays(26)); // 4 days early
    titulo(1, "B", d, d.addDays(30), d.addDays(28)); // 2 days early
    titulo(1, "C", d, d.addDays(30), d.addDays(30)); // on time
    titulo(1, "D", d, d.addDays(10), d.addDays(15)); // 5 days late
    titulo(1, "E", d, d.addDays(10), d.addDays(12)); // 2 days late
    titulo(1, "F", d, QDate(2026, 12, 1), QDate());  // open, 5 days overdue
    titulo(1, "G", d, QDate(2026, 12, 20), QDate()); // open, not yet due
    EXPECT_EQ(resumo(1), (QStringList{"3 dia(s) - 2 título(s)", "0 dia(s) - 1 título(s)",
                                      "4 dia(s) - 2 título(s)", "3 dia(s) - 2 título(s)",
                                      "4 dias de atraso"}));

    titulo(2, "A", d, d.addDays(30), d.addDays(29));
    titulo(2, "B", d, d.addDays(30), QDate());
    EXPECT_EQ(resumo(2).last(), "Pontual");

    titulo(3, "A", d, d, d);
    titulo(3, "B", d.addDays(3), d.addDays(3), d.addDays(9)); // late, still cash
    EXPECT_EQ(resumo(3).last(), "A VISTA");

    EXPECT_EQ(resumo(4),
              (QStringList{"0 dia(s) - 0 título(s)", "0 dia(s) - 0 título(s)",
                           "0 dia(s) - 0 título(s)", "0 dia(s) - 0 título(s)", "Pontual"}));
}

TEST_F(InformacoesCadastrais, ComprasDoPeriodoEDosHistoricosESaldoDoLimite) {
    parte(1, "CLIENTE", {{"LIMITCRED", 5000.0}, {"Cod_Conc", 2}, {"DATA_CAD", QDate(2020, 1, 2)}});
    parte(2, "ALFA", {{"TELEFONE1", "1234"}});
    linha("CLIFOR", {{"Filial", 2}, {"Cod_Clifor", 3}, {"NOME", "OUTRA FILIAL"}, {"Sistema", "0"}});
    linha("Conceito", {{"Cod_Conc", 2}, {"DESC_CONC", "BOM"}});
    nota(10, QDate(2026, 3, 1), 500, 512, 60);
    nota(11, QDate(2026, 5, 1), 1800, 512, 61);
    nota(12, QDate(2026, 7, 1), 900, 512, 60);
    nota(13, QDate(2026, 8, 1), 9000, 120, 60); // a purchase from the client
    nota(14, QDate(2025, 8, 1), 9000, 512, 60); // before the period
    titulo(1, "X", QDate(2026, 11, 1), QDate(2026, 12, 1), QDate(), 1200.5);

    InfCadastrais info;
    ASSERT_TRUE(LerInfCadastrais(1, 1, QDate(2026, 1, 1), QDate(2026, 12, 31), {},
                                 QDate(2026, 12, 6), info));
    EXPECT_EQ(info.saldoLimite.dezMilesimos(), 37995000);
    EXPECT_EQ(info.descricaoConceito, "BOM");
    const auto compras = [&info] {
        return QList<int>{info.primeira.nota, info.ultima.nota, info.maior.nota};
    };
    EXPECT_EQ(compras(), (QList<int>{10, 12, 11}));
    ASSERT_TRUE(LerInfCadastrais(1, 1, QDate(2026, 1, 1), QDate(2026, 12, 31), {60, 99},
                                 QDate(2026, 12, 6), info));
    EXPECT_EQ(compras(), (QList<int>{10, 12, 12}));
    ASSERT_TRUE(LerInfCadastrais(1, 1, QDate(2026, 9, 1), QDate(2026, 12, 31), {},
                                 QDate(2026, 12, 6), info));
    EXPECT_EQ(compras(), (QList<int>{0, 0, 0}));
    EXPECT_FALSE(LerInfCadastrais(1, 3, QDate(2026, 1, 1), QDate(2026, 12, 31), {},
                                  QDate(2026, 12, 6), info));

    EXPECT_EQ(ClientesInfCadastrais(1, "0", false),
              (QList<QStringList>{{"1", "1", "CLIENTE", ""}, {"1", "2", "ALFA", "1234"}}));
    EXPECT_EQ(ClientesInfCadastrais(1, "0", true).first()[2], "ALFA");

    // The window shows the free limit of the party it is opened on.
    TfoInfCadastrais janela;
    janela.abrir("0", 1);
    janela.findChild<QLineEdit*>("DataIni")->setText("01/01/2026");
    janela.findChild<QLineEdit*>("DataFim")->setText("31/12/2026");
    janela.consultar();
    EXPECT_EQ(janela.valor("Saldo do Limite")->text(), "3.799,50");
    EXPECT_EQ(janela.valor("Conceito")->text(), "2 - BOM");
    EXPECT_EQ(janela.valor("Maior Compra")->text(), "01/05/2026  Nota 11  R$ 1.800,00");
    EXPECT_EQ(janela.valor("Títulos em Aberto")->text(), "5 dia(s) - 1 título(s)");
}

} // namespace
