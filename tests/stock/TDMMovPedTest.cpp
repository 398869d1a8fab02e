// The orders data module: the observation lines completed when a document
// header is posted through it, the item totals and the product's balance
// of the month.
#include "EstoqueTeste.h"

#include "stock/TDMMovPed.h"

namespace {

class MovPed : public EstoqueTeste {
protected:
    void SetUp() override {
        EstoqueTeste::SetUp();
        dm.abrir();
    }
    // Inserts (or, when there, edits) header 1 and posts it through the module.
    bool GravarNota(const QString& ordemCompra, bool ipiSuspenso = false) {
        if (dm.TNotas.localizarChave({1, 1, 1, 10, dia}))
            dm.TNotas.editar();
        else {
            dm.TNotas.incluir();
            dm.TNotas.campo("Filial").definir(1);
            dm.TNotas.campo("Num_Nota").definir(1);
            dm.TNotas.campo("Tipo_Nota").definir(1);
            dm.TNotas.campo("Cod_Clifor").definir(10);
            dm.TNotas.campo("DT_ENTRADA").definir(dia);
        }
        dm.TNotas.campo("OC_DOCLIE").definir(ordemCompra);
        dm.TNotas.campo("IpiSuspenso").definir(ipiSuspenso);
        return dm.GravarNota();
    }
    static void Linha(int seq, const QString& texto) {
        InserirLinha("Obserfat", {{"Filial", 1},
                                  {"Cod_Clifor", 10},
                                  {"Num_Nota", 1},
                                  {"DT_ENTRADA", QDate(2008, 1, 5)},
                                  {"Seq_Obs", seq},
                                  {"OBSERFAT", texto}});
    }
    static QString Linhas() { return Colunas("Obserfat", {"Seq_Obs", "OBSERFAT"}); }

    TDMMovPed dm;
    const QDate dia{2008, 1, 5};
};

TEST_F(MovPed, SuspensionLineIsAddedOnce) {
    Sess().FatModNf = 21;
    ASSERT_TRUE(GravarNota(QString(), true));
    ASSERT_TRUE(GravarNota(QString(), true));
    EXPECT_EQ(Linhas(), "1|SAIDA COM SUSPENSAO DE IPI, LEI 10.637 ART. 29 DE 30/12/2002.\n"
                        "2|Cod Cliente: 10");

    // Elsewhere only the branch parameter asks for it.
    ExecutarSql({"DELETE FROM Obserfat", "DELETE FROM NOTAS"});
    Sess().FatModNf = 0;
    ASSERT_TRUE(GravarNota(QString(), true));
    EXPECT_EQ(Linhas(), "");
    InserirLinha("ParametrosEmpresa", {{"Filial", 1},
                                       {"NomeParametro", "InserirAutomaticamenteTextoIpiSuspenso"},
                                       {"ValorBoolean", true}});
    ASSERT_TRUE(GravarNota(QString(), true));
    EXPECT_EQ(Linhas(), "1|SAIDA COM SUSPENSAO DE IPI, LEI 10.637 ART. 29 DE 30/12/2002.");
}

TEST_F(MovPed, PurchaseOrderLineIsRewrittenNotDoubled) {
    Sess().FatModNf = 102;
    Linha(1, "ENTREGAR PELA MANHA");
    Linha(1000, "Ord.Compra: ANTIGA");
    Linha(1001, "Ord.Compra: COMPLEMENTAR");
    ASSERT_TRUE(GravarNota("4500"));
    ASSERT_TRUE(GravarNota("4517"));
    EXPECT_EQ(Linhas(), "1|ENTREGAR PELA MANHA\n"
                        "2|Ord.Compra: 4517\n"
                        "1000|Ord.Compra: ANTIGA\n"
                        "1001|Ord.Compra: COMPLEMENTAR");
    ASSERT_TRUE(GravarNota("/"));
    EXPECT_EQ(Linhas().section('\n', 1, 1), "2|Ord.Compra: 4517");
    EXPECT_EQ(Colunas("NOTAS", {"Num_Nota", "OC_DOCLIE"}), "1|/");
    // The module's cursors show the lines below 1000 and above 1000 apart.
    EXPECT_EQ(dm.TObserfat.contarRegistros(), 2);
    EXPECT_EQ(dm.TObserfatCompl.contarRegistros(), 1);
}

TEST_F(MovPed, AHeaderThatCannotBePostedWritesNoLine) {
    Sess().FatModNf = 21;
    ASSERT_TRUE(GravarNota("77"));
    const QString antes = Linhas();
    dm.TNotas.incluir(); // the same key again
    for (const auto& [campo, valor] : {std::pair<const char*, QVariant>{"Filial", 1},
                                       {"Num_Nota", 1},
                                       {"Tipo_Nota", 1},
                                       {"Cod_Clifor", 10},
                                       {"DT_ENTRADA", dia},
                                       {"OC_DOCLIE", "88"}})
        dm.TNotas.campo(campo).definir(valor);
    EXPECT_FALSE(dm.GravarNota());
    EXPECT_EQ(dm.TNotas.estado(), EstadoDados::Inserindo);
    EXPECT_EQ(dialogos->textos(),
              QStringList{"Registro ja existe - Key violation.\rTabela : NOTAS"});
    EXPECT_EQ(Linhas(), antes);
    EXPECT_EQ(antes, "1|Ord.Compra: 77\n2|Cod Cliente: 10");
    dm.TNotas.cancelar();
}

TEST_F(MovPed, ItemTotalsAndTheMonthBalanceOfTheProduct) {
    InserirLinha("NOTAI", {{"Filial", 1},
                           {"Num_Nota", 1},
                           {"Tipo_Nota", 1},
                           {"Cod_Clifor", 10},
                           {"DT_ENTRADA", dia},
                           {"Num_Item", 1},
                           {"QUANTIDADE", 3.0},
                           {"PRECO_UNIT", 3.3333},
                           {"BT_ICMS", 0.1},
                           {"BI_ICMS", 0.2},
                           {"BO_ICMS", 0.3},
                           {"VLR_IPI", 1.25},
                           {"Vlr_IcmSub", 2.0}});
    GravarNota(QString());
    dm.TNotai.primeiro();
    EXPECT_EQ(dm.Vlr_TotItem(), Dinheiro::deNumero(3.85));
    EXPECT_EQ(dm.CalcTotalItem(), Dinheiro::deNumero(9.9999));

    Produto(10);
    Saldo("202612", 10, 1000.5, 0);
    Saldo("202612", 10, 234.25, 0, "P", 2);
    Saldo("202611", 10, 99, 0);
    dm.TEstproma.primeiro();
    EXPECT_EQ(dm.SaldoMesTexto(), "1.234,75");
}

} // namespace
