// The product register without its window: the code proposal of each
// installation, the defaults of a new product, access code 58 by
// installation, the save checks in their order, the deactivation balance,
// the description-change record and the committed quantity.
#include "ProdutoTeste.h"

#include "products/CodigoProduto.h"
#include "products/TDMCadProduto.h"
#include "session/JanelaSenhaRoteirizada.h"

namespace {

class CadastroProduto : public ProdutoTeste {
protected:
    void abrir(int fatModNf = 0) {
        Sess().FatModNf = fatModNf;
        dm = std::make_unique<TDMCadProduto>();
        dm->abrir();
    }
    std::string valores(const QStringList& campos) {
        QStringList v;
        for (const QString& c : campos)
            v << dm->TEstproma.campo(c).texto();
        return v.join('|').toStdString();
    }
    void definir(const CamposLinha& campos) {
        for (const auto& [nome, valor] : campos)
            dm->TEstproma.campo(nome).definir(valor);
    }
    bool incluir(int codigo) {
        dialogos->digitar(QString::number(codigo));
        return dm->Incluir();
    }
    bool alterar(int codigo) {
        dm->posicionar(codigo);
        return dm->Alterar();
    }
    void item(int num, const QDate& data, int deposito, int parametro, double quantidade) {
        linha("NOTAI", {{"Filial", 1},
                        {"Num_Nota", num},
                        {"Tipo_Nota", 1},
                        {"Cod_Clifor", 10},
                        {"DT_ENTRADA", data},
                        {"Num_Item", 1},
                        {"Parametro", parametro},
                        {"Cod_Reduz", 1001},
                        {"Cod_Deposi", deposito},
                        {"ANO_MES", data.toString("yyyyMM")},
                        {"QUANTIDADE", quantidade}});
    }
    void saldo(const QString& anoMes, int deposito, double fisico) {
        linha("SLDPR", {{"Filial", 1},
                        {"Ano_Mes", anoMes},
                        {"Cod_Reduz", 1001},
                        {"Cod_Deposi", deposito},
                        {"Fisico", fisico}});
    }

    std::unique_ptr<TDMCadProduto> dm;
};

TEST_F(CadastroProduto, CodigoPropostoPorInstalacao) {
    for (int c : {5, 19999, 20001, 20500, 4014509, 4014600})
        produto(c, "PRODUTO " + QString::number(c));
    produto(9000000, "OUTRA FILIAL", 2);
    criarDiretorio("C:\\MATRIZ");
    produto(777, "DA MATRIZ", 1, {}, "C:\\MATRIZ");
    produto(99999, "DA MATRIZ, OUTRA FILIAL", 2, {}, "C:\\MATRIZ");
    Sess().DirLojaZero = "MATRIZ";
    const struct {
        int filial, fatModNf, proposta;
    } casos[] = {{1, 0, 4014601}, {1, 114, 20000}, {1, 51, 4014510},
                 {1, 123, 778},   {3, 0, 1},       {3, 114, 1}};
    for (const auto& c : casos) {
        Sess().Filial = c.filial;
        Sess().FatModNf = c.fatModNf;
        EXPECT_EQ(ProporCodigoProduto(), c.proposta) << c.filial << "/" << c.fatModNf;
    }
}

TEST_F(CadastroProduto, PadroesDoProdutoNovoEUltimosValoresGravados) {
    parametro("CopiaClassFiscCadNovoProduto", true);
    const QStringList campos{
        "Filial",       "Cod_Reduz", "GRADE",  "CONVERSAO",  "SITUACAO",
        "SIT_TRIBUT",   "Nivel1",    "Nivel5", "TRANSF_ICM", "ProdutoControlado",
        "DataCadastro", "UNID_PAD",  "MARCA",  "NOME1",      "CLAS_FISC"};
    abrir();
    ASSERT_TRUE(incluir(10));
    EXPECT_EQ(dm->TEstproma.estado(), EstadoDados::Inserindo);
    EXPECT_EQ(valores(campos), "1|10|0|1|1|0||000001|100|False|06/12/2026||||");
    definir({{"UNID_PAD", "L"},
             {"Nivel1", "02"},
             {"Nivel5", "000002"},
             {"MARCA", "AURORA"},
             {"NOME1", "TINTA ACRILICA"},
             {"CLAS_FISC", "32091010"},
             {"TipoItemSped", "04"}});
    ASSERT_TRUE(dm->Gravar("I"));

    // The next inclusion starts from what was saved last.
    ASSERT_TRUE(incluir(11));
    EXPECT_EQ(valores(campos),
              "1|11|0|1|1|0|02|000002|100|False|06/12/2026||AURORA|TINTA ACRILICA|32091010");
    dm->Cancelar("I");

    // 51 gives "PC"; 75 never copies; the NCM only with the parameter.
    const struct {
        int fatModNf;
        bool copiaNcm;
        std::string esperado;
    } casos[] = {
        {51, true, "1|12|0|1|1|0|02|000002|100|False|06/12/2026|PC|AURORA|TINTA ACRILICA|32091010"},
        {75, true, "1|12|0|1|1|0||000001|100|False|06/12/2026||||"},
        {0, false, "1|12|0|1|1|0|02|000002|100|False|06/12/2026||AURORA|TINTA ACRILICA|"},
    };
    for (const auto& c : casos) {
        ExecutarSql({QString("UPDATE ParametrosEmpresa SET ValorBoolean = %1")
                         .arg(c.copiaNcm ? "True" : "False")});
        abrir(c.fatModNf);
        ASSERT_TRUE(alterar(10));
        ASSERT_TRUE(dm->Gravar("A"));
        ASSERT_TRUE(incluir(12));
        EXPECT_EQ(valores(campos), c.esperado) << c.fatModNf;
        dm->Cancelar("I");
    }
}

TEST_F(CadastroProduto, GravarVerificaOsCamposNaOrdemELogaAposGravar) {
    abrir();
    ASSERT_TRUE(incluir(20));
    const struct {
        CamposLinha antes;
        QString mensagem;
    } passos[] = {
        {{}, "Campo unidade padrão do produto deve ser preenchido!"},
        {{{"UNID_PAD", "KG"}, {"CONVERSAO", QVariant()}},
         "Campo Conversão deve ser preenchido! Caso não exista conversão preencha com 1"},
        {{{"CONVERSAO", 2.5}, {"SIT_TRIBUT", QVariant()}},
         "Campo origem do produto deve ser preenchido!"},
        {{{"SIT_TRIBUT", "1"}}, "Campo tipo do produto deve ser preenchido!"},
        {{{"TipoItemSped", "01"}, {"NOME1", "   "}}, "Campo nome do produto deve ser preenchido!"},
    };
    for (const auto& p : passos) {
        definir(p.antes);
        dialogos->limpar();
        EXPECT_FALSE(dm->Gravar("I"));
        EXPECT_EQ(dialogos->textos(), QStringList{p.mensagem});
        EXPECT_EQ(dm->TEstproma.estado(), EstadoDados::Inserindo);
    }
    EXPECT_EQ(TextoTabela("ESTPROMA"), "");
    EXPECT_EQ(logs(), QStringList());

    definir({{"NOME1", "PIGMENTO AZUL"}, {"CLAS_FISC", "32041700"}, {"Producao", "N"}});
    dialogos->limpar();
    ASSERT_TRUE(dm->Gravar("I"));
    EXPECT_EQ(dialogos->textos(), QStringList());
    EXPECT_EQ(valores({"Nivel6", "GRADE", "DATA_L1"}), "000020|0|");
    // Client prices follow the lists that changed.
    for (int lista : {1, 2})
        linha("PRECOCLI", {{"Filial", 1},
                           {"Cod_Clifor", 7},
                           {"Cod_Reduz", 20},
                           {"Lista", lista},
                           {"Preco", 9.0}});
    ASSERT_TRUE(alterar(20));
    definir({{"Producao", "S"}, {"LISTA1", 12.5}});
    ASSERT_TRUE(dm->Gravar("A"));
    EXPECT_EQ(valores({"DATA_L1", "DATA_L2"}), "06/12/2026|");
    EXPECT_EQ(TextoTabela("PRECOCLI").toStdString(), "1|7|20|1|12.5\n1|7|20|2|9");
    EXPECT_EQ(
        logs(),
        (QStringList{"I Inclusão Produto  |20|PIGMENTO AZUL |Class Fisc 32041700 |Producao: N",
                     "E Edição de Produto  |20|PIGMENTO AZUL |Class Fisc 32041700 |Producao: S",
                     "E Edição de Produto Campo Produto Produção alterado de  N para S"}));
}

TEST_F(CadastroProduto, Codigo58ConformeInstalacaoEModo) {
    JanelaSenhaRoteirizada senhas;
    linha("Acesso", {{"Codigo", 58}, {"Conteudo", "s58"}});
    produto(30, "RESINA");
    const struct {
        int fatModNf;
        QString nivel, modo;
        bool pede;
    } casos[] = {{0, "", "A", true},   {0, "", "I", true},       {8, "", "I", false},
                 {201, "", "A", true}, {132, "SUP", "A", false}, {277, "USU", "I", true}};
    for (const auto& c : casos) {
        abrir(c.fatModNf);
        Sess().Nivel = c.nivel;
        if (c.modo == "I")
            ASSERT_TRUE(incluir(31));
        else
            ASSERT_TRUE(alterar(30));
        definir({{"NOME1", "RESINA"}, {"UNID_PAD", "KG"}, {"TipoItemSped", "01"}});
        const int antes = int(senhas.mostradas().size());
        senhas.cancelar();
        EXPECT_EQ(dm->Gravar(c.modo), !c.pede) << c.fatModNf << c.modo.toStdString();
        EXPECT_EQ(senhas.mostradas().size() - antes, c.pede ? 1 : 0);
        if (c.pede)
            dm->Cancelar(c.modo);
        ExecutarSql({"DELETE FROM ESTPROMA WHERE Cod_Reduz = 31"});
    }
    EXPECT_EQ(senhas.mostradas().first().legenda, "Entre com a senha 58");
}

TEST_F(CadastroProduto, DesativarSoComSaldoZeroContandoPeloParametroDoItem) {
    relogio->definir(QDateTime(QDate(2027, 1, 15), QTime(9, 0)));
    produto(1001, "DIOXIDO DE TITANIO");
    saldo("202611", 1, 99); // two months back: not read
    saldo("202612", 1, 10); // January goes back to December
    saldo("202612", 2, 2.5);
    item(1, QDate(2026, 12, 20), 1, 1, 40); // already in December's balance
    item(2, QDate(2027, 1, 3), 1, 1, 2.5);
    item(3, QDate(2027, 1, 4), 1, 60, 12.5);
    item(4, QDate(2027, 1, 5), 2, 50, 7); // neither in nor out
    const QString recusa =
        "Produto com saldo não pode ser desativato\nSaldo no deposito: 2 = 2,5000";
    const struct {
        int fatModNf;
        bool zerar;
        QString mensagem; // "" = saved
    } casos[] = {{0, false, recusa}, {86, false, ""}, {239, false, ""}, {0, true, ""}};
    for (const auto& c : casos) {
        if (c.zerar)
            item(5, QDate(2027, 1, 6), 2, 60, 2.5);
        abrir(c.fatModNf);
        ASSERT_TRUE(alterar(1001));
        definir({{"SITUACAO", "0"}});
        dialogos->limpar();
        EXPECT_EQ(dm->Gravar("A"), c.mensagem.isEmpty()) << c.fatModNf;
        EXPECT_EQ(dialogos->textos().join("/"), c.mensagem);
        if (!c.mensagem.isEmpty())
            dm->Cancelar("A");
        ExecutarSql({"UPDATE ESTPROMA SET SITUACAO = '1'"});
    }
}

TEST_F(CadastroProduto, NomeAlteradoGuardaADescricaoAnteriorUmaVezPorDia) {
    produto(1001, "NOME A");
    abrir();
    for (const char* nome : {"NOME B", "NOME C"}) {
        ASSERT_TRUE(alterar(1001));
        definir({{"NOME1", nome}});
        ASSERT_TRUE(dm->Gravar("A"));
    }
    // A save that keeps the name adds nothing.
    ASSERT_TRUE(alterar(1001));
    ASSERT_TRUE(dm->Gravar("A"));
    EXPECT_EQ(TextoTabela("Sped_AlteraProduto"), "1|1001|06/12/2026|NOME B");
    relogio->definir(QDateTime(QDate(2026, 12, 7), QTime(8, 0)));
    ASSERT_TRUE(alterar(1001));
    definir({{"NOME1", "NOME D"}});
    ASSERT_TRUE(dm->Gravar("A"));
    EXPECT_EQ(TextoTabela("Sped_AlteraProduto"),
              "1|1001|06/12/2026|NOME B\n1|1001|07/12/2026|NOME C");
}

TEST_F(CadastroProduto, AlterarTrazOEmpenhoDasOrdensDeServicoAbertas) {
    produto(1001, "DIOXIDO", 1, {{"QTD_EMP1", 3.0}});
    produto(1002, "OXIDO", 1, {{"QTD_EMP1", 3.0}});
    const struct {
        int codigo;
        const char* situacao;
    } ordens[] = {{1, "A"}, {2, nullptr}, {3, "B"}, {4, "F"}};
    for (const auto& o : ordens)
        linha("OrcaOfic", {{"Filial", 1},
                           {"Tipo", "O"},
                           {"Codigo", o.codigo},
                           {"Situacao", o.situacao ? QVariant(o.situacao) : QVariant()}});
    const struct {
        int ordem, item;
        const char* tipoItem;
        double quantidade;
    } itens[] = {{1, 1, "P", 10},  {2, 1, "P", 2.5}, {3, 1, "P", 100},
                 {4, 1, "P", 100}, {1, 2, "S", 100}, {5, 1, "P", 100}};
    for (const auto& i : itens)
        linha("OrcaOfii", {{"Filial", 1},
                           {"Tipo", "O"},
                           {"NumOrca", i.ordem},
                           {"Item", i.item},
                           {"Cod_Reduz", 1001},
                           {"TipoItem", i.tipoItem},
                           {"Quantidade", i.quantidade}});
    abrir();
    ASSERT_TRUE(alterar(1001));
    EXPECT_EQ(valores({"QTD_EMP1"}), "12.5");
    dm->Cancelar("A");
    // Without open orders the stored quantity stays.
    ASSERT_TRUE(alterar(1002));
    EXPECT_EQ(valores({"QTD_EMP1"}), "3");
}

} // namespace
