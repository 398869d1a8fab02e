// Guarded edit, post and index change, and the parameter readers: the exact
// operator messages and what each answer leads to.
#include "InstalacaoTeste.h"

#include "session/AcessoDados.h"
#include "session/Parametros.h"
#include "store/Consulta.h"
#include "store/ErroBanco.h"
#include "store/SessaoBanco.h"
#include "store/Tabela.h"

#include <QFileInfo>

namespace {

class AcessoDados : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        estacao2.definirAlias("Orvalo", {"PATH=C:\\EMPRESA1"});
        Consulta q;
        q.setSql(
            {"INSERT INTO ParametrosEmpresa (Filial, NomeParametro, ValorBoolean, ValorStr)",
             "VALUES (2, 'PermiteExcluirProdutos', True, 'x'), (1, 'Dir''s', False, 'C:\\T')"});
        q.executar();
    }
    SessaoBanco estacao2;
};

TEST_F(AcessoDados, LockedRowAsksUntilFreedOrGivenUp) {
    Tabela a("ParametrosEmpresa"), b("ParametrosEmpresa", &estacao2);
    a.abrir();
    b.abrir();
    a.editar();
    dialogos->responder(Resposta::Cancelar);
    EXPECT_FALSE(EditarRegistro(b));
    ASSERT_EQ(dialogos->mostrados().size(), 1);
    const DialogoMostrado& d = dialogos->mostrados()[0];
    EXPECT_EQ(d.titulo, "Registro bloqueado");
    EXPECT_EQ(d.texto, "Existe outro usuário alterando este registro");
    EXPECT_EQ(d.botoes, Botoes::OkCancelar);
    EXPECT_EQ(b.estado(), EstadoDados::Navegando);

    // OK retries; the row is freed meanwhile, so the second try succeeds.
    dialogos->limpar();
    a.cancelar();
    EXPECT_TRUE(EditarRegistro(b));
    EXPECT_TRUE(dialogos->mostrados().isEmpty());
}

TEST_F(AcessoDados, PostFailuresShowTheirMessageAndKeepTheRowInEdit) {
    Tabela t("ParametrosEmpresa");
    t.abrir();
    t.incluir();
    t.campo("Filial").definir(2);
    t.campo("NomeParametro").definir("PermiteExcluirProdutos");
    EXPECT_FALSE(GravarRegistro(t));
    EXPECT_EQ(dialogos->mostrados().last().texto,
              "Registro ja existe - Key violation.\rTabela : ParametrosEmpresa");
    EXPECT_EQ(dialogos->mostrados().last().tipo, TipoMensagem::Informacao);
    EXPECT_EQ(t.estado(), EstadoDados::Inserindo);
    t.campo("NomeParametro").definir("Outro");
    EXPECT_TRUE(GravarRegistro(t));

    Tabela outra("ParametrosEmpresa", &estacao2);
    outra.abrir();
    outra.localizarChave({2, "Outro"});
    outra.editar();
    outra.campo("ValorStr").definir("y");
    outra.fechar(); // the edit is abandoned; nothing is written
    t.atualizar();
    EXPECT_TRUE(t.campo("ValorStr").ehNulo());
}

TEST_F(AcessoDados, IndexChangeRetriesThenAsksAndGivesUp) {
    Tabela t("CLIFOR");
    t.abrir();
    for (const char* nome : {"Bruno", "Ana"}) {
        t.incluir();
        t.campo("Filial").definir(1);
        t.campo("Cod_Clifor").definir(QString(nome).size());
        t.campo("NOME").definir(nome);
        t.gravar();
    }
    EXPECT_TRUE(TrocarIndice(t, "Nome do Cliente/Fornecedo"));
    EXPECT_EQ(t.indice(), "Nome do Cliente/Fornecedo");
    EXPECT_EQ(t.campo("NOME").texto(), "Ana"); // reopened on the first row
    t.proximo();
    EXPECT_TRUE(TrocarIndice(t, "Nome do Cliente/Fornecedo"));
    EXPECT_EQ(t.campo("NOME").texto(), "Bruno"); // same index: not reopened

    dialogos->responder(Resposta::Sim);
    dialogos->responder(Resposta::Nao);
    EXPECT_FALSE(TrocarIndice(t, "Inexistente"));
    ASSERT_EQ(dialogos->textos(),
              QStringList({"Impossivel mudar chave:Inexistente do arquivo:CLIFOR,tentar novamente",
                           "Impossivel mudar chave:Inexistente do arquivo:CLIFOR,tentar novamente",
                           "Sair do programa e entrar novamente"}));
    EXPECT_EQ(dialogos->mostrados()[0].botoes, Botoes::SimNao);
    EXPECT_EQ(dialogos->mostrados()[0].tipo, TipoMensagem::Erro);
}

TEST_F(AcessoDados, AliasRedefinedAfterReopeningTheSessionRedirectsOpens) {
    criarDiretorio("C:\\EMPRESA2");
    SessaoBanco& s = SessaoBanco::padrao();
    EXPECT_EQ(s.parametrosAlias("orvalo"), QStringList({"PATH=C:\\EMPRESA1"}));
    s.fechar();
    s.definirAlias("Orvalo", {"PATH=C:\\EMPRESA2"});
    s.abrir();
    EXPECT_FALSE(LerParametroLogico("Orvalo", "2", "PermiteExcluirProdutos"));
    EXPECT_TRUE(QFileInfo::exists(host("C:\\EMPRESA2\\PCP.sqlite")));
    EXPECT_EQ(SomenteDigitos("12.345.678/0001-9x5"), "12345678000195");
}

TEST_F(AcessoDados, ParameterReaders) {
    EXPECT_TRUE(LerParametroLogico("Orvalo", "2", "PermiteExcluirProdutos"));
    EXPECT_FALSE(LerParametroLogico("Orvalo", "1", "PermiteExcluirProdutos"));
    EXPECT_TRUE(LerParametroLogico("Orvalo", "-ZERO-", "PermiteExcluirProdutos"));
    EXPECT_EQ(LerParametroTexto("Orvalo", "1", "Dir's"), "C:\\T");
    EXPECT_EQ(LerParametroTexto("Orvalo", "1", "Ausente"), "");
    EXPECT_TRUE(dialogos->mostrados().isEmpty());
    EXPECT_EQ(SqlParametro("1", "Dir's"),
              "Select *from ParametrosEmpresa where filial=1 and NomeParametro='Dir''s'");
    EXPECT_EQ(SqlParametro("-ZERO-", "X"),
              "Select *from ParametrosEmpresa where NomeParametro='X'");

    // A branch that is not a number is refused instead of pasted into SQL.
    EXPECT_FALSE(LerParametroLogico("Orvalo", "1 or 1=1", "PermiteExcluirProdutos"));
    EXPECT_EQ(LerParametroTexto("Orvalo", "0; DELETE", "Dir's"), "");
    EXPECT_EQ(dialogos->textos(),
              QStringList({"Erro na leitura de parametro : Invalid branch: 0; DELETE"}));
    EXPECT_EQ(LerParametroTexto("Desconhecido", "1", "Dir's"), "");
    EXPECT_EQ(dialogos->textos().last(),
              "Erro na leitura de parametro : Directory does not exist: Desconhecido");
}

} // namespace
