// Replication to the sister companies: values land in their columns when
// the other company's table keeps its columns in another order, each
// company is one transaction (a failure midway leaves it as it was and
// the next company still gets the product), and the size catalogue
// follows a new size.
#include "ProdutoTeste.h"

#include "products/ReplicacaoProduto.h"
#include "products/TDMCadProduto.h"
#include "store/DefTabela.h"
#include "store/InjecaoFalhas.h"
#include "store/TransacaoBanco.h"

#include <algorithm>

#define EXPECT_EQ_TEXTO(a, b) EXPECT_EQ((a).toStdString(), std::string(b))

namespace {

class Replicacao : public ProdutoTeste {
protected:
    void SetUp() override {
        ProdutoTeste::SetUp();
        criarDiretorio("C:\\EMPRESA2");
        criarDiretorio("C:\\EMPRESA3");
        DadosSessao& s = Sess();
        s.ProdutoUnico = true;
        s.Loja = 1;
        s.Empresas[0] = {"01", "EMPRESA1", "AURORA"};
        s.Empresas[1] = {"02", "EMPRESA2", "AURORA SUL"};
        s.Empresas[2] = {"03", "EMPRESA3", "AURORA NORTE"};
        // Company 2's product table was made by an older version: its
        // columns lie in another order.
        DefTabela antiga = *CatalogoTabelas::buscar("ESTPROMA");
        std::reverse(antiga.campos.begin(), antiga.campos.end());
        Tabela t("ESTPROMA");
        t.setNomeBanco("C:\\EMPRESA2");
        t.criarTabela(antiga);
    }
    void legenda(const QString& texto) {
        if (legendas.isEmpty() || legendas.last() != texto)
            legendas << texto;
    }
    // Every field of the product in `banco` compared with the own row;
    // the names of those that differ, or "ausente".
    QString diferencas(const QString& banco, int codigo) {
        Tabela propria("ESTPROMA"), outra("ESTPROMA");
        outra.setNomeBanco(banco);
        propria.abrir();
        outra.abrir();
        if (!propria.localizarChave({1, codigo}) || !outra.localizarChave({1, codigo}))
            return "ausente";
        QStringList d;
        for (int i = 0; i < propria.quantidadeCampos(); ++i) {
            const QString nome = propria.campo(i).nome();
            if (propria.campo(i).texto() != outra.campo(nome).texto())
                d << nome;
        }
        return d.join(',');
    }
    QString nome(const QString& banco, int codigo) {
        Tabela t("ESTPROMA");
        t.setNomeBanco(banco);
        t.abrir();
        return t.localizarChave({1, codigo}) ? t.campo("NOME1").texto() : "ausente";
    }
    QStringList legendas;
};

TEST_F(Replicacao, ValoresNasColunasCertasEmOutraOrdem) {
    produto(1001, "TINTA ACRILICA", 1,
            {{"Nivel1", "02"},
             {"LISTA1", 25.9},
             {"QTD_MIN", 12.0},
             {"Altura", 3.5},
             {"DataCadastro", QDate(2026, 12, 1)},
             {"ProdutoControlado", true}});
    linha("Tamanho", {{"Filial", 1}, {"Cod_Reduz", 1001}, {"TAMANHO", "GL"}, {"LISTA1", 99.0}});
    linha("ALIQBASE",
          {{"Filial", 1}, {"Cod_Reduz", 1001}, {"REGIAOFISC", "A"}, {"ALIQUOTA", 18.0}});
    EXPECT_EQ(ReplicarProduto(1001, false, [this](const QString& t) { legenda(t); }), 0);
    EXPECT_EQ_TEXTO(diferencas("C:\\EMPRESA2", 1001), "");
    EXPECT_EQ_TEXTO(diferencas("C:\\EMPRESA3", 1001), "");
    EXPECT_EQ(legendas,
              (QStringList{"Cadastro de produtos gravando lojas: 02",
                           "Cadastro de produtos gravando lojas: 03", "Cadastro de produtos"}));
    EXPECT_EQ_TEXTO(TextoTabela("C:\\EMPRESA3\\Tamanho.DB"), "1|1001|GL|99|||||||");
    EXPECT_EQ_TEXTO(TextoTabela("C:\\EMPRESA2\\ALIQBASE.DB"), "1|1001|A|18|||||||");

    ExecutarSql({"UPDATE ESTPROMA SET NOME1 = 'TINTA ACRILICA PREMIUM', LISTA1 = 31.5",
                 "DELETE FROM Tamanho"});
    legendas.clear();
    EXPECT_EQ(ReplicarProduto(1001, true, [this](const QString& t) { legenda(t); }), 0);
    EXPECT_EQ_TEXTO(diferencas("C:\\EMPRESA2", 1001), "");
    EXPECT_EQ_TEXTO(TextoTabela("C:\\EMPRESA2\\Tamanho.DB"), "");
    EXPECT_EQ(legendas,
              (QStringList{"Cadastro de produtos atualizando lojas: 02",
                           "Cadastro de produtos gravando lojas: 02",
                           "Cadastro de produtos atualizando lojas: 03",
                           "Cadastro de produtos gravando lojas: 03", "Cadastro de produtos"}));
    EXPECT_TRUE(dialogos->textos().isEmpty());
}

TEST_F(Replicacao, EmpresaQueFalhaNoMeioFicaComoEstava) {
    produto(1001, "NOME ANTIGO");
    linha("Tamanho", {{"Filial", 1}, {"Cod_Reduz", 1001}, {"TAMANHO", "GL"}});
    ASSERT_EQ(ReplicarProduto(1001, false, {}), 0) << mensagens();
    ExecutarSql({"UPDATE ESTPROMA SET NOME1 = 'NOME NOVO'"});
    // Company 2's fourth statement (the product's insertion, after the
    // three deletions) fails.
    InjecaoFalhas::falharNaEscrita(4);
    EXPECT_EQ(ReplicarProduto(1001, true, {}), 1);
    InjecaoFalhas::falharNaEscrita(0);
    EXPECT_EQ_TEXTO(nome("C:\\EMPRESA2", 1001), "NOME ANTIGO");
    EXPECT_EQ_TEXTO(TextoTabela("C:\\EMPRESA2\\Tamanho.DB"), "1|1001|GL||||||||");
    EXPECT_EQ_TEXTO(nome("C:\\EMPRESA3", 1001), "NOME NOVO");
    const QString colunas = ColunasDefinicao("ESTPROMA");
    EXPECT_EQ(dialogos->textos(),
              QStringList{"Erro ao regravar produto nas demais bases!\n\nSql :\n"
                          "INSERT INTO \"C:\\EMPRESA2\\ESTPROMA.DB\" (" +
                          colunas +
                          ")\n"
                          "SELECT " +
                          colunas +
                          "\n"
                          "  FROM \"C:\\EMPRESA1\\ESTPROMA.DB\"\n"
                          " WHERE FILIAL = :P-FIL\n"
                          "   AND COD_REDUZ = 1001\n\nErro :\ndisk I/O error"});
}

TEST_F(Replicacao, SemProdutoUnicoNadaSaiDaEmpresa) {
    Sess().ProdutoUnico = false;
    produto(1001, "TINTA");
    EXPECT_EQ(ReplicarProduto(1001, false, {}), 0);
    EXPECT_EQ_TEXTO(nome("C:\\EMPRESA2", 1001), "ausente");
    Sess().ProdutoUnico = true;
    Sess().Loja = 2;
    EXPECT_EQ(EmpresasReplicacao().size(), 2u);
    EXPECT_EQ(EmpresasReplicacao().front().diretorio, "C:\\EMPRESA1");
}

TEST_F(Replicacao, TamanhoNovoEntraNoCatalogoEDasOutras) {
    produto(1001, "TINTA");
    for (int c : {1, 2, 4})
        linha("TAMANHOS", {{"Codigo", c}, {"Tamanho", "T" + QString::number(c)}});
    linha("TAMANHOS", {{"Codigo", 3}, {"Tamanho", "X3"}}, "C:\\EMPRESA3");
    TDMCadProduto dm;
    dm.abrir();
    ASSERT_TRUE(dm.posicionar(1001));
    const struct {
        QString tamanho;
        QString mensagem;
    } casos[] = {{"", "Tamanho Invalido"},
                 {"ABCDE", "Tamanho Invalido"},
                 {"GL", ""},
                 {"GL", "Tamanho ja existe"},
                 {"T2", ""}};
    for (const auto& c : casos) {
        dialogos->limpar();
        dialogos->digitar(c.tamanho);
        const bool incluiu = dm.IncluirTamanho();
        EXPECT_EQ(incluiu, c.mensagem.isEmpty()) << c.tamanho.toStdString();
        EXPECT_EQ(mensagens(), c.mensagem.toStdString());
        if (incluiu) {
            EXPECT_TRUE(dm.GravarTamanho());
        }
    }
    // "GL" took the first free code, 3, and replaced code 3 elsewhere; "T2"
    // was known.
    EXPECT_EQ_TEXTO(TextoTabela("TAMANHOS"), "1|T1|\n2|T2|\n3|GL|GL\n4|T4|");
    EXPECT_EQ_TEXTO(TextoTabela("C:\\EMPRESA3\\TAMANHOS.DB"), "3|GL|GL");
    EXPECT_EQ_TEXTO(TextoTabela("Tamanho"), "1|1001|GL||||||||\n1|1001|T2||||||||");
}

TEST_F(Replicacao, CatalogoDeTamanhosCheioNaoRecebeMais) {
    produto(1001, "TINTA");
    {
        TransacaoBanco tr;
        for (int c = 1; c <= 999; ++c)
            linha("TAMANHOS", {{"Codigo", c}, {"Tamanho", QString::number(c)}});
        tr.confirmar();
    }
    TDMCadProduto dm;
    dm.abrir();
    ASSERT_TRUE(dm.posicionar(1001));
    dialogos->digitar("NOVO");
    ASSERT_TRUE(dm.IncluirTamanho());
    EXPECT_TRUE(dm.GravarTamanho());
    EXPECT_EQ(mensagens(), "Não há mais código disponível para tamanho. Contate imediatamente a "
                           "Orvalo Informática!");
    EXPECT_EQ(TextoTabela("TAMANHOS").count('\n'), 998);
    EXPECT_EQ_TEXTO(TextoTabela("C:\\EMPRESA2\\TAMANHOS.DB"), "");
}

} // namespace
