// Group permissions: active groups of the branch grant, "SUP" passes all
// but sees blocks, the exact warning texts, quoting of the user code, a
// branch that is not a number, and the kept results.
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "session/TemPermissao.h"

namespace {
const QString Recusa =
    "O usuário JOAO não possui permissão de acesso para esta função! \r\n\r\n"
    "Nome Permissão : Incluir produtos\r\n"
    "Nome Interno   : IncProdutos\r\n\r\n"
    "Entre em contato com o administrador de sistema para que atribua esta permissão ao seu "
    "grupo de usuários!";

const QString Bloqueio = "O usuário ANA possui BLOQUEIO de acesso para esta função! \r\n\r\n"
                         "Nome Bloqueio : Alterar lista de precos\r\n"
                         "Nome Interno   : Bloqueia(o)AltListaPrCadProd\r\n\r\n"
                         "Entre em contato com o administrador de sistema!";

class TemPermissaoTest : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        ReiniciarCachePermissoes();
        ExecutarSql({"INSERT INTO GruposUsuarios (CodigoGrupo, DescGrupo, Ativo) VALUES "
                     "(1, 'Producao', 'S'), (2, 'Antigo', 'N')",
                     "INSERT INTO GruposPorUsuario (CodFilGrupo, CodGrupo, CodUsuario) VALUES "
                     "(1, 1, 'MARIA'), (1, 2, 'MARIA'), (2, 1, 'JOAO'), (1, 1, 'D''AVI')",
                     "INSERT INTO PermissoesPorGrupo (CodGrupoUsuario, Permissao, NomePermissao) "
                     "VALUES (1, 1, 'IncProdutos'), (2, 2, 'ExcluirProduto'), "
                     "(1, 3, 'Bloqueia(o)AltListaPrCadProd')",
                     "INSERT INTO permissoes (NomePermissao, DescPermissao) VALUES "
                     "('IncProdutos', 'Incluir produtos'), "
                     "('Bloqueia(o)AltListaPrCadProd', 'Alterar lista de precos')"});
    }
    void TearDown() override {
        ReiniciarCachePermissoes();
        InstalacaoTeste::TearDown();
    }
    static bool tem(const QString& filial, const QString& usuario, const QString& permissao,
                    const QString& nivel = "OPE", bool mensagens = true) {
        return TemPermissao("Orvalo", filial, usuario, permissao, nivel, mensagens);
    }
};
} // namespace

TEST_F(TemPermissaoTest, SoGrupoAtivoDaFilialConcede) {
    EXPECT_TRUE(tem("1", "MARIA", "IncProdutos"));
    EXPECT_FALSE(tem("1", "MARIA", "ExcluirProduto", "OPE", false)); // inactive group
    EXPECT_FALSE(tem("1", "JOAO", "IncProdutos", "OPE", false));     // other branch's group
    EXPECT_TRUE(tem("2", "JOAO", "IncProdutos"));
    // The name compares exactly.
    EXPECT_FALSE(tem("2", "JOAO", "incprodutos", "OPE", false));
    EXPECT_TRUE(dialogos->mostrados().isEmpty());
}

TEST_F(TemPermissaoTest, RecusaMostraAvisoComTextoExato) {
    EXPECT_FALSE(tem("1", "JOAO", "IncProdutos"));
    ASSERT_EQ(dialogos->mostrados().size(), 1);
    EXPECT_EQ(dialogos->mostrados()[0].tipo, TipoMensagem::Aviso);
    EXPECT_EQ(dialogos->mostrados()[0].texto, Recusa);
    // A name missing from the catalogue has an empty description.
    dialogos->limpar();
    EXPECT_FALSE(tem("1", "JOAO", "AcessoCadMarkup"));
    EXPECT_TRUE(dialogos->textos()[0].contains("Nome Permissão : \r\n"));
}

TEST_F(TemPermissaoTest, SupPassaTudoMasVeOBloqueio) {
    EXPECT_TRUE(tem("1", "ANA", "ExcluirProduto", "SUP"));
    EXPECT_TRUE(dialogos->mostrados().isEmpty());
    EXPECT_TRUE(tem("1", "ANA", "Bloqueia(o)AltListaPrCadProd", "SUP"));
    ASSERT_EQ(dialogos->mostrados().size(), 1);
    EXPECT_EQ(dialogos->mostrados()[0].tipo, TipoMensagem::Aviso);
    EXPECT_EQ(dialogos->mostrados()[0].texto, Bloqueio);
    // Not blocked: false, and no refusal message for a block.
    dialogos->limpar();
    EXPECT_FALSE(tem("1", "JOAO", "Bloqueia(o)AltListaPrCadProd"));
    EXPECT_TRUE(tem("1", "MARIA", "Bloqueia(o)AltListaPrCadProd", "OPE", false));
    EXPECT_TRUE(dialogos->mostrados().isEmpty());
}

TEST_F(TemPermissaoTest, UsuarioComAspasEFilialQueNaoENumero) {
    EXPECT_TRUE(tem("1", "D'AVI", "IncProdutos"));
    EXPECT_EQ(SqlPermissoesUsuario(" 1 ", "D'AVI").last(),
              " AND Gruposporusuario.CodFilGrupo=1 and Gruposporusuario.CodUsuario='D''AVI'");
    EXPECT_TRUE(dialogos->mostrados().isEmpty());

    EXPECT_FALSE(tem("1 or 1=1", "MARIA", "IncProdutos", "SUP"));
    EXPECT_EQ(dialogos->textos(),
              QStringList{"Erro na leitura de permissão : IncProdutos ERRO : Invalid branch: "
                          "1 or 1=1"});
}

TEST_F(TemPermissaoTest, ResultadosGuardadosPorUsuario) {
    EXPECT_FALSE(tem("1", "JOAO", "IncProdutos", "OPE", false));
    ExecutarSql(
        {"INSERT INTO GruposPorUsuario (CodFilGrupo, CodGrupo, CodUsuario) VALUES "
         "(1, 1, 'JOAO')",
         "UPDATE permissoes SET DescPermissao = 'Nova' WHERE NomePermissao = 'IncProdutos'"});
    // The same user's permissions and the catalogue are kept.
    EXPECT_FALSE(tem("1", "JOAO", "IncProdutos"));
    EXPECT_TRUE(dialogos->textos()[0].contains("Nome Permissão : Incluir produtos\r\n"));
    // Another user is read afresh, not answered with the first one's rows.
    EXPECT_FALSE(tem("1", "D'AVI", "ExcluirProduto", "OPE", false));
    EXPECT_TRUE(tem("1", "JOAO", "IncProdutos"));
    ReiniciarCachePermissoes();
    dialogos->limpar();
    EXPECT_FALSE(tem("1", "PEDRO", "IncProdutos"));
    EXPECT_TRUE(dialogos->textos()[0].contains("Nome Permissão : Nova\r\n"));
}
