// Demonstration products: every product classified by level codes that
// exist, costed, with unit and density; a second run adds nothing.
#include "InstalacaoTeste.h"

#include "products/DemoProdutos.h"
#include "products/ProdutoDerivados.h"
#include "store/Tabela.h"

namespace {

class DemoProdutos : public InstalacaoTeste {};

TEST_F(DemoProdutos, ProdutosClassificadosECusteadosSemRepetir) {
    CriarDemoProdutos("Orvalo", 1);
    CriarDemoProdutos("Orvalo", 1);
    CriarDemoProdutos("Orvalo", 2);

    Tabela t("ESTPROMA");
    t.abrir();
    t.definirFaixa({1}, {1});
    ProdutoDerivados d(t);
    QStringList tipos;
    int produtos = 0;
    for (; !t.eof(); t.proximo(), ++produtos) {
        const std::string codigo = t.campo("Cod_Reduz").texto().toStdString();
        EXPECT_EQ(d.Classi().size(), 18) << codigo;
        EXPECT_NE(d.NomeNivel3(), "") << codigo;
        for (int n : {1, 2, 4, 5}) {
            Tabela nivel("ESTNIV" + QString::number(n));
            nivel.abrir();
            EXPECT_TRUE(nivel.localizarChave({1, t.campo("Nivel" + QString::number(n)).texto()}))
                << codigo << " nivel " << n;
        }
        EXPECT_EQ(t.campo("Nivel6").texto(), t.campo("Cod_Reduz").texto().rightJustified(6, '0'));
        EXPECT_GT(t.campo("ULTIMOCUST").numero(), 0) << codigo;
        EXPECT_GT(t.campo("LISTA6").numero(), 0) << codigo;
        EXPECT_GT(t.campo("Densidade").numero(), 0) << codigo;
        EXPECT_NE(t.campo("UNID_PAD").texto(), "") << codigo;
        EXPECT_EQ(t.campo("CONVERSAO").numero(), 1) << codigo;
        tipos << t.campo("Nivel1").texto() + "/" + t.campo("Nivel2").texto();
    }
    tipos.removeDuplicates();
    EXPECT_EQ(tipos.join(' '), "01/001 01/002 01/003 01/004 02/101 02/102");
    EXPECT_EQ(produtos, 20);

    t.cancelarFaixa();
    t.definirFaixa({2}, {2});
    EXPECT_EQ(t.contarRegistros(), 20);
}

} // namespace
