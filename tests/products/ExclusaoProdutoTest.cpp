// Deleting a product: the reason of at least 10 characters, a product that
// moved stock refused before anything is logged, and the deletion of the
// product with its side rows of its own branch only, logged once done.
#include "ProdutoTeste.h"

#include "products/ExclusaoProduto.h"
#include "products/TDMCadProduto.h"

namespace {

class ExclusaoProduto : public ProdutoTeste {
protected:
    // The product and one row in each side table, in `filial`.
    void comLados(int codigo, int filial) {
        produto(codigo, "TINTA " + QString::number(filial), filial, {{"CLAS_FISC", "32091010"}});
        const CamposLinha chave{{"Filial", filial}, {"Cod_Reduz", codigo}};
        linha("ALIQBASE", chave + CamposLinha{{"REGIAOFISC", "A"}});
        linha("Tamanho", chave + CamposLinha{{"TAMANHO", "GL"}});
        linha("ObseProd", chave + CamposLinha{{"Sequencia", 1}});
        linha("Precos", chave);
        linha("ALIQBASE_Importacao", chave + CamposLinha{{"CodPais", "1600"}, {"Operacao", "I"}});
        linha("ObsFornProd", chave);
        linha("Sped_AlteraProduto", chave + CamposLinha{{"DataAlteracao", QDate(2026, 1, 2)}});
    }
    // Rows of every table of the product, per branch: "tabela:filiais".
    QString linhasPorFilial() {
        QStringList r;
        for (const QString& t :
             TabelasDoProduto() + QStringList{"ESTPROMA", "Sped_AlteraProduto"}) {
            QStringList filiais;
            Tabela c(t);
            c.abrir();
            for (; !c.eof(); c.proximo())
                filiais << c.campo("Filial").texto();
            r << t + ":" + filiais.join(',');
        }
        return r.join(' ');
    }
};

TEST_F(ExclusaoProduto, MotivoCurtoOuMovimentoNaoExcluemNemRegistram) {
    comLados(1001, 1);
    linha("NOTAI", {{"Filial", 2},
                    {"Num_Nota", 1},
                    {"Tipo_Nota", 1},
                    {"Cod_Clifor", 10},
                    {"DT_ENTRADA", QDate(2026, 11, 3)},
                    {"Num_Item", 1},
                    {"Cod_Reduz", 1001},
                    {"QUANTIDADE", 0.0}});
    TDMCadProduto dm;
    dm.abrir();
    ASSERT_TRUE(dm.posicionar(1001));
    const QString confirmacao = "Confirma exclusao do registro?\n\nNa tela a seguir, informe o "
                                "motivo da exclusão com no mínimo 10 caracteres...";
    const QString curto = "ATENÇÃO : Produto não excluido, você precisa informar o motivo da "
                          "exclusão... tente novamente!";
    const struct {
        Resposta confirma;
        QString motivo;
        QStringList mensagens;
    } casos[] = {
        {Resposta::Nao, "", {confirmacao}},
        {Resposta::Sim, "123456789", {confirmacao, "", curto}},
        {Resposta::Sim, "  12345678  ", {confirmacao, "", curto}},
        // Any movement, of any balance, keeps the product.
        {Resposta::Sim,
         "1234567890",
         {confirmacao, "", "Item possui movimentação, impossível excluir!!!"}},
    };
    for (const auto& c : casos) {
        dialogos->limpar();
        dialogos->responder(c.confirma);
        if (c.confirma == Resposta::Sim)
            dialogos->digitar(c.motivo);
        EXPECT_FALSE(dm.Excluir());
        QStringList textos;
        for (const DialogoMostrado& d : dialogos->mostrados())
            textos << (d.entrada ? QString() : d.texto);
        EXPECT_EQ(textos, c.mensagens) << c.motivo.toStdString();
    }
    EXPECT_EQ(logs(), QStringList());
    EXPECT_EQ(TextoTabela("ESTPROMA").count('\n'), 0);
}

TEST_F(ExclusaoProduto, ExcluiComOsLadosDaFilialERegistraDepois) {
    comLados(1001, 1);
    comLados(1001, 2);
    produto(1002, "SEGUINTE");
    TDMCadProduto dm;
    dm.abrir();
    ASSERT_TRUE(dm.posicionar(1001));
    dialogos->responder(Resposta::Sim);
    dialogos->digitar("CADASTRO DUPLICADO");
    ASSERT_TRUE(dm.Excluir());
    EXPECT_EQ(dialogos->textos().last(), "Produto excluido com sucesso!!!");
    EXPECT_EQ(logs(), QStringList{"X Exclusão de Produto  |1001 |TINTA 1 |Class Fisc "
                                  "32091010|Motivo:CADASTRO DUPLICADO"});
    EXPECT_EQ(linhasPorFilial(), "ALIQBASE:2 Tamanho:2 ObseProd:2 PRECOS:2 ALIQBASE_Importacao:2 "
                                 "ObsFornProd:2 ESTPROMA:1,2 Sped_AlteraProduto:1,2");
    EXPECT_EQ(dm.codigoAtual(), 1002);
}

} // namespace
