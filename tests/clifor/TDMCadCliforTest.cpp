// The party register's operations without the window: inclusion through
// the code ranges and the give-back of a cancelled code, the document
// unique within a kind, the register and kind decided again on save,
// the access codes of an alteration, the rating kept when its password is
// refused, the fiscal change record, the services of a tax framing, the
// change of register and the replication to a sister company.
#include "CliforTeste.h"

#include "clifor/GravacaoClifor.h"
#include "clifor/ReplicacaoClifor.h"
#include "clifor/TDMCadClifor.h"
#include "products/ReplicacaoProduto.h"
#include "session/JanelaSenhaRoteirizada.h"
#include "store/Banco_interno.h"
#include "store/DefTabela.h"

#include <algorithm>

namespace {

class CadastroClifor : public CliforTeste {
protected:
    void SetUp() override {
        CliforTeste::SetUp();
        dm.abrir("0", TDMCadClifor::Todos);
    }
    void TearDown() override {
        dm.fechar();
        CliforTeste::TearDown();
    }
    // Includes the typed code (the range window is not wanted here).
    bool incluir(const QString& codigo) {
        dialogos->digitar(codigo);
        return dm.Incluir([](const FaixasCodigo&) { return QString(); });
    }
    bool alterar(int codigo) { return dm.posicionar(codigo) && dm.Alterar(); }
    void definir(const QString& campo, const QVariant& valor) {
        dm.TClifor.campo(campo).definir(valor);
    }
    static int ultimoCliente() {
        Tabela t("LIMITCOD");
        t.abrir();
        t.localizarChave({1});
        return t.campo("UltCod_Cli").inteiro();
    }

    TDMCadClifor dm;
};

TEST_F(CadastroClifor, CodigoDaJanelaDeFaixasDevolvidoSoEnquantoForOUltimo) {
    QList<int> vistos;
    auto janela = [&](const FaixasCodigo& f) {
        vistos << f[0].ultimo;
        return QString::number(ProximoCodigo(f[0]));
    };
    dialogos->digitar("");
    ASSERT_TRUE(dm.Incluir(janela));
    EXPECT_EQ(dm.codigoAtual(), 4);
    EXPECT_EQ(ultimoCliente(), 4);
    EXPECT_EQ(dm.TClifor.campo("Cod_Pais").texto(), "1058");
    dm.Cancelar("I");
    EXPECT_EQ(ultimoCliente(), 3);

    // Seven characters also open the ranges.
    dialogos->digitar("1234567");
    ASSERT_TRUE(dm.Incluir(janela));
    EXPECT_EQ(dm.codigoAtual(), 4);
    // Another station hands out the next code meanwhile.
    ExecutarSql({"UPDATE LIMITCOD SET UltCod_Cli = 5"});
    dm.Cancelar("I");
    EXPECT_EQ(ultimoCliente(), 5);
    EXPECT_EQ(vistos, (QList<int>{3, 3}));
    EXPECT_EQ(campo(4, "NOME"), "ausente");
}

TEST_F(CadastroClifor, CodigosDasPontasDasFaixasEForaDelas) {
    parte(1, "EXISTENTE");
    const struct {
        const char* codigo;
        int tipo;
        const char* sistema;
        const char* mensagem;
    } casos[] = {
        {"4999", 1, "0", ""},
        {"5000", 2, "1", ""},
        {"7000", 5, "1", ""},
        {"7999", 4, "1", ""},
        {"8500", 6, "1", ""},
        {"9000", 0, "", "Codigo Fora Dos Intervalos Autorizado"},
        {"8100", 0, "", "Codigo Fora Dos Intervalos Autorizado"},
        {"0", 0, "", "Codigo invalido"},
        {"12a", 0, "", "Codigo invalido"},
        {"1", 0, "", "Codigo ja cadastrado"},
    };
    for (const auto& c : casos) {
        dialogos->limpar();
        const QString faixas = TextoTabela("LIMITCOD");
        const bool incluiu = incluir(c.codigo);
        EXPECT_EQ(incluiu, c.tipo != 0) << c.codigo;
        EXPECT_EQ(mensagens(), c.mensagem) << c.codigo;
        if (incluiu) {
            EXPECT_EQ(dm.TClifor.campo("Tipo").inteiro(), c.tipo) << c.codigo;
            EXPECT_EQ(dm.TClifor.campo("Sistema").texto(), c.sistema) << c.codigo;
            dm.Cancelar("I");
        } else {
            EXPECT_EQ(TextoTabela("LIMITCOD"), faixas) << c.codigo;
        }
    }
    EXPECT_EQ(TextoTabela("CLIFOR").count('\n'), 0);
}

TEST_F(CadastroClifor, MesmoDocumentoRecusadoNoTipoEAceitoEntreTipos) {
    parte(1, "CLIENTE A", {{"CGC", CnpjA}});
    parte(5101, "FORNECEDOR B", {{"CGC", CnpjB}});
    ASSERT_TRUE(incluir("10"));
    definir("NOME", "CLIENTE NOVO");
    const struct {
        QString digitado;
        bool aceito;
        const char* mensagem;
    } casos[] = {
        {"11.222.333/0001-81", false, "CNPJ ja cadastrado no cliente: 1"},
        {"11222333000182", false, "C.G.C. Invalido"},
        {"529.982.247-25", true, ""},
        {"52998224724", false, "CPF Invalido"},
        {"abc", false, "C.G.C. Invalido"}, // a letter makes it a CNPJ
        {"12.abc.345/01de-36", false, "C.G.C. Invalido"},
        {"12.abc.345/01de-35", true, ""},
        {"ABC4567890", false, "C.G.C. Invalido"},
        {"44.555.666/0001-xx", false, "C.G.C. Invalido"},
        {"1234567890123456", false, "C.G.C. Invalido"},
        {"", true, ""},
        {CnpjB, true, ""},
    };
    for (const auto& c : casos) {
        dialogos->limpar();
        EXPECT_EQ(dm.DefinirDocumento(c.digitado) && dm.VerificarDocumento(), c.aceito)
            << c.digitado.toStdString();
        EXPECT_EQ(mensagens(), c.mensagem) << c.digitado.toStdString();
    }
    EXPECT_EQ(dm.TClifor.campo("CGC").texto(), CnpjB);

    // The save checks again.
    ASSERT_TRUE(dm.DefinirDocumento(CnpjA));
    dialogos->limpar();
    EXPECT_FALSE(dm.Gravar("I"));
    EXPECT_EQ(mensagens(), "CNPJ ja cadastrado no cliente: 1");
    ASSERT_TRUE(dm.DefinirDocumento(CnpjB));
    EXPECT_TRUE(dm.Gravar("I"));
    EXPECT_EQ(campo(10, "CGC"), CnpjB);

    // A supplier may hold a client's document.
    ASSERT_TRUE(incluir("5102"));
    definir("NOME", "FORNECEDOR C");
    ASSERT_TRUE(dm.DefinirDocumento(CnpjA));
    EXPECT_TRUE(dm.Gravar("I"));
    EXPECT_EQ(campo(5102, "CGC"), CnpjA);
}

TEST_F(CadastroClifor, RegistroETipoDecididosNaGravacao) {
    parte(9500, "FORA DAS FAIXAS");
    dm.definirRegistro("1", TDMCadClifor::Todos);
    ASSERT_TRUE(alterar(9500));
    dialogos->limpar();
    EXPECT_FALSE(dm.Gravar("A"));
    EXPECT_EQ(mensagens(), "Codigo fora do limite: 9500/Verificar arquivo limitcod.db");
    dm.Cancelar("A");

    Sess().Usuario = "OPER";
    const struct {
        int codigo;
        const char* sistema;
        int tipo;
    } casos[] = {{8501, "1", 6}, {4999, "0", 1}, {5000, "1", 2}};
    for (const auto& c : casos) {
        ASSERT_TRUE(incluir(QString::number(c.codigo)));
        // A kind typed over is put right.
        definir("Tipo", 3);
        definir("Sistema", "9");
        definir("NOME", "PARTE " + QString::number(c.codigo));
        ASSERT_TRUE(dm.Gravar("I")) << mensagens();
        EXPECT_EQ(campo(c.codigo, "Sistema"), c.sistema);
        EXPECT_EQ(campo(c.codigo, "Tipo"), QString::number(c.tipo));
        EXPECT_EQ(campo(c.codigo, "UsuInclusao"), "OPER");
        EXPECT_EQ(campo(c.codigo, "Data_Renov"), "06/12/2026");
    }
    EXPECT_EQ(logs(), (QStringList{"I Inclusão Cliente | 8501 |PARTE 8501 Cgc ",
                                   "I Inclusão Cliente | 4999 |PARTE 4999 Cgc ",
                                   "I Inclusão Cliente | 5000 |PARTE 5000 Cgc "}));
    Consulta renovacoes;
    renovacoes.setSql({"SELECT COUNT(*) FROM RenovCli WHERE Usuario = 'OPER'",
                       "   AND Data_Renov = '2026-12-06' AND Hora_Renov IS NOT NULL"});
    renovacoes.abrir();
    EXPECT_EQ(renovacoes.campo(0).inteiro(), 3);
}

TEST_F(CadastroClifor, CodigosDeAcessoDaAlteracao) {
    JanelaSenhaRoteirizada senhas;
    linha("Acesso", {{"Codigo", 41}, {"Conteudo", "a41"}});
    linha("Acesso", {{"Codigo", 136}, {"Conteudo", "a136"}});
    parte(1, "CLIENTE", {{"LIMITCRED", 500.0}});

    ASSERT_TRUE(alterar(1));
    // Leaving the limit box with another limit: refused, the old one is back.
    definir("LIMITCRED", 900.0);
    senhas.cancelar();
    EXPECT_FALSE(dm.SairLimiteCredito(500.0));
    EXPECT_EQ(dm.TClifor.campo("LIMITCRED").numero(), 500.0);
    EXPECT_TRUE(dm.SairLimiteCredito(500.0));

    // A new document asks code 41 once more; refused, nothing is saved.
    ASSERT_TRUE(dm.DefinirDocumento(CnpjA));
    senhas.confirmar("a41");
    senhas.cancelar();
    EXPECT_FALSE(dm.Gravar("A"));
    EXPECT_EQ(campo(1, "CGC"), "");
    senhas.confirmar("a41");
    senhas.confirmar("a41");
    EXPECT_TRUE(dm.Gravar("A"));
    EXPECT_EQ(campo(1, "CGC"), CnpjA);
    QStringList legendas;
    for (const JanelaSenhaMostrada& m : senhas.mostradas())
        legendas << m.legenda;
    EXPECT_EQ(legendas,
              (QStringList{"Entre com a senha 136", "Entre com a senha 41", "Entre com a senha 41",
                           "Entre com a senha 41", "Entre com a senha 41"}));
}

TEST_F(CadastroClifor, ConceitoSemSenhaPermaneceComAMensagem) {
    JanelaSenhaRoteirizada senhas;
    linha("Acesso", {{"Codigo", 215}, {"Conteudo", "conceito"}});
    parte(1, "CLIENTE", {{"Cod_Conc", 2}});

    ASSERT_TRUE(alterar(1));
    definir("Cod_Conc", 4);
    definir("NOME", "CLIENTE RENOMEADO");
    senhas.cancelar();
    EXPECT_TRUE(dm.Gravar("A"));
    EXPECT_EQ(campo(1, "Cod_Conc"), "2");
    EXPECT_EQ(campo(1, "NOME"), "CLIENTE RENOMEADO");
    EXPECT_EQ(mensagens(), "Atenção : como você não digitou a senha para alterar conceito, este "
                           "permanece igual a :\n\n2");

    ASSERT_TRUE(alterar(1));
    definir("Cod_Conc", 3);
    senhas.confirmar("CONCEITO ");
    EXPECT_TRUE(dm.Gravar("A"));
    EXPECT_EQ(campo(1, "Cod_Conc"), "3");
    EXPECT_EQ(logs(), (QStringList{"E Edição de Cliente | 1 |CLIENTE RENOMEADO Cgc ",
                                   "E Edição de Cliente | 1 |CLIENTE RENOMEADO Cgc ",
                                   "E CLIFOR Conceito anterior: 2|Alterado para: 3|Cliente: 1"}));
}

TEST_F(CadastroClifor, RegistroFiscalGuardaOAnteriorEAtualizaNoMesmoDia) {
    parte(1, "NOME ANTIGO", {{"CGC", CnpjA}, {"ENDERECO", "RUA A"}, {"NUMERO", 10}});
    ASSERT_TRUE(alterar(1));
    definir("NOME", "NOME NOVO");
    definir("INSC_EST", "123456789");
    definir("NUMERO", 12);
    definir("OBSERVACAO", "nada fiscal");
    ASSERT_TRUE(dm.Gravar("A"));
    EXPECT_EQ(TextoTabela("Sped_AlteraClifor"),
              "1|1|06/12/2026|2026_12|NOME ANTIGO|||Vazio||||10|||");

    // Later the same day the document becomes a CPF: the row of the day
    // takes the document's items and keeps what the first change left.
    relogio->esperar(3600 * 1000);
    ASSERT_TRUE(alterar(1));
    ASSERT_TRUE(dm.DefinirDocumento(Cpf));
    ASSERT_TRUE(dm.Gravar("A"));
    EXPECT_EQ(TextoTabela("Sped_AlteraClifor"),
              "1|1|06/12/2026|2026_12|NOME ANTIGO||" + CnpjA + "|Vazio||||10|||Vazio");

    // Nothing fiscal changed: no record.
    relogio->definir(QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
    ASSERT_TRUE(alterar(1));
    definir("OBSERVACAO", "outra");
    ASSERT_TRUE(dm.Gravar("A"));
    EXPECT_EQ(TextoTabela("Sped_AlteraClifor").count('\n'), 0);
    EXPECT_EQ(TextoTabela("RenovCli").count('\n'), 2);
}

TEST_F(CadastroClifor, EnquadramentoNovoTrocaOsServicos) {
    for (const auto& [enq, serv, qtd] :
         {std::tuple{1, 101, 1.0}, std::tuple{1, 102, 2.0}, std::tuple{2, 201, 5.0}})
        linha("SERVENQ", {{"Cod_Enq", enq}, {"Cod_Serv", serv}, {"Quantidade", qtd}});
    parte(1, "CLIENTE", {{"CodEnquadra", 1}});
    linha("SERVCLIE", {{"Filial", 1}, {"Cod_Clifor", 1}, {"Cod_Serv", 999}, {"Quantidade", 9.0}});

    // Saved without touching the framing: the services stay.
    ASSERT_TRUE(alterar(1));
    definir("FANTASIA", "CLI");
    ASSERT_TRUE(dm.Gravar("A"));
    EXPECT_EQ(TextoTabela("SERVCLIE"), "1|1|999|9");

    ASSERT_TRUE(alterar(1));
    definir("CodEnquadra", 2);
    ASSERT_TRUE(dm.Gravar("A"));
    EXPECT_EQ(TextoTabela("SERVCLIE"), "1|1|201|5");

    ASSERT_TRUE(incluir("20"));
    definir("NOME", "NOVO");
    definir("CodEnquadra", 1);
    ASSERT_TRUE(dm.Gravar("I"));
    EXPECT_EQ(TextoTabela("SERVCLIE"), "1|1|201|5\n1|20|101|1\n1|20|102|2");
}

TEST_F(CadastroClifor, TrocaDeSistemaAceitaSoZeroOuUm) {
    parte(1, "CLIENTE");
    ASSERT_TRUE(dm.posicionar(1));
    dialogos->digitar("2");
    EXPECT_FALSE(dm.TrocarSistema());
    EXPECT_EQ(mensagens(), "Tem certeza que desja alterar o sistema deste registro?\n\nInforme : "
                           "\n0 para CLIENTES\n1 para FORNECEDORES/Sistema incorreto");
    EXPECT_EQ(campo(1, "Sistema"), "0");
    dialogos->digitar("1");
    EXPECT_TRUE(dm.TrocarSistema());
    EXPECT_EQ(campo(1, "Sistema"), "1");
    // The party left the client register.
    EXPECT_EQ(dm.codigoAtual(), 0);
}

TEST_F(CadastroClifor, ChecagensDaGravacaoPorInstalacao) {
    const FaixasCodigo faixas = LerFaixasCodigo();
    // Each case: installation, the fields of a row that otherwise passes
    // every check, and the message expected ("" when it passes).
    const struct {
        int fat;
        CamposLinha campos;
        const char* mensagem;
    } casos[] = {
        {0, {{"NOME", ""}}, "O campo nome deve ser preenchido!"},
        {0, {{"Cod_Pais", ""}}, "Código País em branco."},
        {152, {{"Cod_Pais", QVariant()}}, "Código País em branco."},
        {51, {{"Cod_Pais", ""}}, "Código País em branco."},
        {0, {}, ""},
        {51, {{"LIMITCRED", 1000.0}}, ""},
        {51, {{"LIMITCRED", 1000.01}}, "Limite de crédito não pode ser maior que R$ 1.000,00"},
        {51, {{"ESTADO", ""}}, "UF em branco!"},
        {51, {{"CGC", ""}}, "CPF/CNPJ em branco!"},
        {51, {{"COD_CEPEND", ""}}, "CEP em branco!"},
        {51, {{"Cod_Clifor", 8500}, {"CGC", ""}, {"COD_CEPEND", ""}}, ""},
        {73, {{"INSC_EST", ""}}, "Inscrição Estadual em branco!"},
        {304, {{"Cod_Regiao", QVariant()}}, "Região em branco!"},
        {8, {{"CGC", ""}}, "CNPJ em branco!"},
        {128, {{"INSC_EST", ""}}, "Inscrição Estadual em branco!"},
        {82, {{"COD_CEPEND", ""}}, "CEP em branco!"},
        {163, {{"TELEFONE2", ""}}, "Fone2 em branco!"},
        {152, {{"CodEnquadra", QVariant()}}, "Enquadramento em branco"},
        {152, {}, ""},
    };
    Tabela t("CLIFOR");
    t.abrir();
    for (const auto& c : casos) {
        t.incluir();
        const CamposLinha base{
            {"Filial", 1},     {"Cod_Clifor", 10}, {"NOME", "CLIENTE"},        {"Cod_Pais", "1058"},
            {"ESTADO", "SP"},  {"CGC", CnpjA},     {"COD_CEPEND", "13015001"}, {"INSC_EST", "123"},
            {"Cod_Regiao", 1}, {"TELEFONE1", "1"}, {"TELEFONE2", "2"},         {"CodEnquadra", 1}};
        for (const auto& [nome, valor] : base + c.campos)
            t.campo(nome).definir(valor);
        EXPECT_EQ(VerificarCamposClifor(t, c.fat, faixas), QString::fromUtf8(c.mensagem))
            << c.fat << " " << c.mensagem;
        t.cancelar();
    }
}

TEST_F(CadastroClifor, ExclusaoPedeMotivoERecusaParteComMovimento) {
    parte(1, "COM FORMULA", {{"CGC", CnpjA}});
    parte(2, "SEM MOVIMENTO", {{"CGC", CnpjB}});
    linha("Formula", {{"Filial", 1}, {"Formula", "7"}, {"Cod_Clifor", 1}});
    for (const char* tabela : {"CLIFOR2", "FILHOS", "CLPRVEND", "SERVCLIE", "Endereco"})
        linha(tabela, {{"Filial", 1}, {"Cod_Clifor", 2}});
    for (const char* tabela : {"CttCliFo", "ObserCli"})
        linha(tabela, {{"Filial", 1}, {"Cod_CliFor", 2}, {"Sequencia", 1}});
    linha("Nfe_email_clientes", {{"Filial", 1}, {"Cliente", 2}, {"Ordem", 1}});
    const QString aviso = "ATENÇÃO : Cliente\\Fornecedor não excluido, você precisa informar o "
                          "motivo da exclusão... tente novamente!";

    ASSERT_TRUE(dm.posicionar(2));
    dialogos->digitar("123456789");
    EXPECT_FALSE(dm.Excluir());
    EXPECT_EQ(dialogos->textos().last(), aviso);
    EXPECT_EQ(campo(2, "NOME"), "SEM MOVIMENTO");

    ASSERT_TRUE(dm.posicionar(1));
    dialogos->limpar();
    dialogos->digitar("duplicado!");
    EXPECT_FALSE(dm.Excluir());
    EXPECT_EQ(dialogos->textos().last(),
              "Cliente\\Fornecedor possui movimentação, impossível excluir!!!");
    EXPECT_EQ(campo(1, "NOME"), "COM FORMULA");
    EXPECT_TRUE(logs().isEmpty());

    ASSERT_TRUE(dm.posicionar(2));
    dialogos->digitar("duplicado!");
    EXPECT_TRUE(dm.Excluir());
    EXPECT_EQ(campo(2, "NOME"), "ausente");
    for (const char* tabela : {"CLIFOR2", "FILHOS", "CLPRVEND", "SERVCLIE", "Endereco", "CttCliFo",
                               "ObserCli", "Nfe_email_clientes"})
        EXPECT_EQ(TextoTabela(tabela), "") << tabela;
    EXPECT_EQ(logs(), QStringList{"X Exclusão de Cliente |2 |Cgc " + CnpjB + "|Motivo:duplicado!"});
}

class ReplicacaoClifor : public CadastroClifor {
protected:
    void SetUp() override {
        CadastroClifor::SetUp();
        criarDiretorio("C:\\EMPRESA2");
        criarDiretorio("C:\\EMPRESA3");
        DadosSessao& s = Sess();
        s.ClienteUnico = true;
        s.Loja = 1;
        s.Empresas[0] = {"01", "EMPRESA1", "AURORA"};
        s.Empresas[1] = {"02", "EMPRESA2", "AURORA SUL"};
        s.Empresas[2] = {"03", "EMPRESA3", "AURORA NORTE"};
        // Company 2's table was made by an older version, columns in
        // another order.
        DefTabela antiga = *CatalogoTabelas::buscar("CLIFOR");
        std::reverse(antiga.campos.begin(), antiga.campos.end());
        Tabela t("CLIFOR");
        t.setNomeBanco("C:\\EMPRESA2");
        t.criarTabela(antiga);
    }
};

TEST_F(ReplicacaoClifor, ParteGravadaVaiParaAsOutrasEmpresas) {
    parte(1, "ANTIGO", {}, "C:\\EMPRESA2");
    parte(1, "CLIENTE", {{"CGC", CnpjA}, {"LIMITCRED", 1500.5}, {"DATA_CAD", QDate(2026, 1, 2)}});
    linha("CLIFOR2", {{"Filial", 1}, {"Cod_Clifor", 1}, {"NOMEMAE", "MARIA"}});
    QStringList legendas;
    ASSERT_TRUE(alterar(1));
    definir("NOME", "CLIENTE ALTERADO");
    ASSERT_TRUE(dm.Gravar("A", [&](const QString& t) { legendas << t; }));
    for (const char* banco : {"C:\\EMPRESA2", "C:\\EMPRESA3"}) {
        Tabela propria("CLIFOR"), outra("CLIFOR");
        outra.setNomeBanco(banco);
        propria.abrir();
        outra.abrir();
        ASSERT_TRUE(propria.localizarChave({1, 1}));
        ASSERT_TRUE(outra.localizarChave({1, 1})) << banco;
        for (int i = 0; i < propria.quantidadeCampos(); ++i)
            EXPECT_EQ(propria.campo(i).texto(), outra.campo(propria.campo(i).nome()).texto())
                << banco << " " << propria.campo(i).nome().toStdString();
        EXPECT_EQ(TextoTabela(QString(banco) + "\\CLIFOR2.DB"), TextoTabela("CLIFOR2"));
    }
    EXPECT_EQ(legendas,
              (QStringList{"Cadastro de Clientes gravando lojas: 02",
                           "Cadastro de Clientes gravando lojas: 03", "Cadastro de Clientes"}));

    // A company that fails midway stays as it was; the next one follows.
    ExecutarSql({"UPDATE CLIFOR SET NOME = 'NOVO NOME'"});
    // Company 2's third statement: its first insertion, after the deletions.
    InjecaoFalhas::falharNaEscrita(3);
    EXPECT_EQ(ReplicarClifor(1, {}), 1);
    InjecaoFalhas::falharNaEscrita(0);
    EXPECT_EQ(campo(1, "NOME", "C:\\EMPRESA2"), "CLIENTE ALTERADO");
    EXPECT_EQ(campo(1, "NOME", "C:\\EMPRESA3"), "NOVO NOME");
    EXPECT_TRUE(dialogos->textos().last().startsWith(
        "Erro ao regravar cliente nas demais bases!\n\nSql :\nINSERT INTO "
        "\"C:\\EMPRESA2\\CLIFOR.DB\" (" +
        ColunasDefinicao("CLIFOR") + ")"));
}

} // namespace
