// Demonstration rows: they work with the access check and the permission
// check, and a second run adds nothing.
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "session/AutorizarAcesso.h"
#include "session/DemoAcesso.h"
#include "session/JanelaSenhaRoteirizada.h"
#include "session/Sessao.h"
#include "session/TemPermissao.h"

TEST_F(InstalacaoTeste, DemoAcessoServeAosDoisControles) {
    CriarDemoAcesso("Orvalo");
    const QString usuarios = TextoTabela("Usuarios");
    CriarDemoAcesso("Orvalo");
    EXPECT_EQ(TextoTabela("Usuarios"), usuarios);

    JanelaSenhaRoteirizada janela;
    EXPECT_TRUE(AutorizarAcesso(14));
    janela.confirmar("CUSTO");
    EXPECT_TRUE(AutorizarAcesso(107));
    janela.confirmar("pcp", "ADMIN", "admin");
    EXPECT_TRUE(AutorizarAcesso(101));
    EXPECT_EQ(Sess().Nivel, "SUP");
    janela.confirmar("pcp", "OPER", "oper");
    EXPECT_TRUE(AutorizarAcesso(119));
    EXPECT_EQ(janela.mostradas().size(), 3);

    ReiniciarCachePermissoes();
    EXPECT_TRUE(TemPermissao("Orvalo", "1", "OPER", "IncProdutos", "OPE", false));
    EXPECT_FALSE(TemPermissao("Orvalo", "1", "OPER", "ExcluirProduto", "OPE", false));
    EXPECT_TRUE(TemPermissao("Orvalo", "1", "ADMIN", "ExcluirProduto", "SUP", false));
    ReiniciarCachePermissoes();
    EXPECT_TRUE(dialogos->mostrados().isEmpty());
}
