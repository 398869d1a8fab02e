// Deleting documents through the movement and orders data modules: what
// hangs from a header or an item goes with it, missing rows are no error,
// and a row locked by another station leaves everything in place.
#include "EstoqueTeste.h"

#include "stock/TDMMovEst.h"
#include "stock/TDMMovPed.h"

namespace {

const QDate Dia(2008, 1, 5);

ValoresLinha ChaveItem(int numItem, const ValoresLinha& extra = {}) {
    ValoresLinha v = {{"Filial", 1},      {"Num_Nota", 1},     {"Tipo_Nota", 1},
                      {"Cod_Clifor", 10}, {"DT_ENTRADA", Dia}, {"Num_Item", numItem}};
    v.insert(v.end(), extra.begin(), extra.end());
    return v;
}

class Exclusao : public EstoqueTeste {
protected:
    void SetUp() override {
        EstoqueTeste::SetUp();
        CriarDocumento();
    }

    // Header 1 with items 1 and 2; item 1 has its NOTAI3 row, two vehicle
    // rows, a medicine and an import row; item 2 only an import row.
    void CriarDocumento() {
        Nota(1, Dia, 1);
        Itens({{1, Dia, 10, 1}, {1, Dia, 10, 2, 0, 0, "", 1, 0, 2}});
        const ValoresLinha chave = {{"Filial", 1},
                                    {"Num_Nota", 1},
                                    {"Tipo_Nota", 1},
                                    {"Cod_Clifor", 10},
                                    {"DT_ENTRADA", Dia}};
        InserirLinha("NOTAS3", chave);
        InserirLinha("NotasDataSoft", chave);
        InserirLinha("NOTAI3", ChaveItem(1));
        for (int parametro : {1, 2})
            InserirLinha("nfe_notai_veic",
                         ChaveItem(1, {{"Parametro", parametro}, {"Cod_Reduz", 10}}));
        InserirLinha("nfe_notai_medicamentos", ChaveItem(1, {{"Parametro", 1}, {"Cod_Reduz", 10}}));
        for (int item : {1, 2})
            InserirLinha("Nfe_notai_imp", ChaveItem(item, {{"Cod_Reduz", 10}}));
    }

    // The documents of each header table and the items of each item table.
    static QString Linhas() {
        QStringList r;
        for (const char* t : {"NOTAS", "NOTAS3", "NotasDataSoft"})
            r << QString(t) + "=" + Colunas(t, {"Num_Nota"}).replace('\n', ',');
        for (const char* t :
             {"NOTAI", "NOTAI3", "nfe_notai_veic", "nfe_notai_medicamentos", "Nfe_notai_imp"})
            r << QString(t) + "=" + Colunas(t, {"Num_Item"}).replace('\n', ',');
        return r.join(' ');
    }
};

TEST_F(Exclusao, EachDeletionTakesWhatHangsFromTheRow) {
    TDMMovEst est;
    TDMMovPed ped;
    est.abrir();
    ped.abrir();
    for (int modulo = 0; modulo < 2; ++modulo) {
        SCOPED_TRACE(modulo == 0 ? "TDMMovEst" : "TDMMovPed");
        Tabela& notas = modulo == 0 ? est.TNotas : ped.TNotas;
        Tabela& notai = modulo == 0 ? est.TNotai : ped.TNotai;
        auto excluirItem = [&] { return modulo == 0 ? est.ExcluirItem() : ped.ExcluirItem(); };
        auto excluirNota = [&] { return modulo == 0 ? est.ExcluirNota() : ped.ExcluirNota(); };
        notas.primeiro();
        ASSERT_EQ(Linhas(), "NOTAS=1 NOTAS3=1 NotasDataSoft=1 NOTAI=1,2 NOTAI3=1 "
                            "nfe_notai_veic=1,1 nfe_notai_medicamentos=1 Nfe_notai_imp=1,2");

        ASSERT_TRUE(excluirItem());
        EXPECT_EQ(Linhas(), "NOTAS=1 NOTAS3=1 NotasDataSoft=1 NOTAI=2 NOTAI3= nfe_notai_veic= "
                            "nfe_notai_medicamentos= Nfe_notai_imp=2");
        ASSERT_EQ(notai.campo("Num_Item").inteiro(), 2);
        ASSERT_TRUE(excluirItem()); // no NOTAI3 row: its import row goes all the same
        ASSERT_TRUE(excluirNota());
        // The capture row of the customer-data program belongs to orders.
        EXPECT_EQ(Linhas(), QString("NOTAS= NOTAS3= NotasDataSoft=") + (modulo == 0 ? "1" : "") +
                                " NOTAI= NOTAI3= nfe_notai_veic= nfe_notai_medicamentos= "
                                "Nfe_notai_imp=");
        EXPECT_FALSE(excluirNota());
        EXPECT_EQ(dialogos->textos(),
                  QStringList{"Cannot perform this operation on an empty dataset"});
        dialogos->limpar();
        ExecutarSql({"DELETE FROM NotasDataSoft"});
        CriarDocumento();
    }
}

TEST_F(Exclusao, ALockedDetailRowLeavesEverythingInPlace) {
    SessaoBanco estacao2;
    estacao2.definirAlias("Orvalo", {"PATH=C:\\EMPRESA1"});
    Tabela medicamento("nfe_notai_medicamentos", &estacao2);
    medicamento.abrir();
    medicamento.editar();

    TDMMovEst est;
    est.abrir();
    const QString antes = Linhas();
    EXPECT_FALSE(est.ExcluirItem());
    EXPECT_EQ(dialogos->textos(), QStringList{"Existe outro usuário alterando este registro"});
    EXPECT_EQ(Linhas(), antes);
    EXPECT_EQ(est.TNotai.estado(), EstadoDados::Navegando);

    // A NOTAI3 row deleted on its own takes its details too.
    medicamento.cancelar();
    ASSERT_TRUE(est.TNotai3.localizarChave({1, 1, 1, 10, Dia, 1}));
    ASSERT_TRUE(est.ExcluirNotai3());
    EXPECT_EQ(Linhas(), "NOTAS=1 NOTAS3=1 NotasDataSoft=1 NOTAI=1,2 NOTAI3= nfe_notai_veic= "
                        "nfe_notai_medicamentos= Nfe_notai_imp=2");
}

} // namespace
