// Access codes: when the password window appears, how the access and user
// passwords compare, the session user, the month's access log and the
// log context emptied on every return.
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "session/AutorizarAcesso.h"
#include "session/JanelaSenhaRoteirizada.h"
#include "session/Sessao.h"

namespace {
class AutorizarAcessoTest : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        janela = std::make_unique<JanelaSenhaRoteirizada>();
        ExecutarSql({"INSERT INTO Acesso (Codigo, Conteudo, Descricao, Inf_Usuario) VALUES "
                     "(107, ' Segredo ', 'Consulta de Custos', NULL), "
                     "(119, 'pcp', 'Exclusao de Formula', 'S'), (14, '   ', 'Clientes', 'S'), "
                     "(200, 'x', 'Teste', 's')",
                     "INSERT INTO Usuarios (Codigo, Senha, Nivel) VALUES ('JOAO', 'Abc1', 'OPE')"});
        Sess().Usuario = "ANA";
        Sess().Nivel = "SUP";
    }
    void TearDown() override {
        janela.reset();
        InstalacaoTeste::TearDown();
    }
    // Fills the log context, asks for the code and checks the context is
    // emptied whatever the outcome.
    bool autorizar(int codigo) {
        Sess().LogTabela = "FORMULA";
        Sess().LogRegistro = "Formula 123";
        Sess().LogOperacao = "X";
        const bool r = AutorizarAcesso(codigo);
        EXPECT_EQ(Sess().LogTabela + Sess().LogRegistro + Sess().LogOperacao, "");
        return r;
    }
    void esperarUsuarioIntacto() {
        EXPECT_EQ(Sess().Usuario, "ANA");
        EXPECT_EQ(Sess().Nivel, "SUP");
    }

    std::unique_ptr<JanelaSenhaRoteirizada> janela;
};
} // namespace

TEST_F(AutorizarAcessoTest, CodigoAusenteOuSemSenhaLiberaSemJanela) {
    EXPECT_TRUE(autorizar(999));
    EXPECT_TRUE(autorizar(14));
    EXPECT_TRUE(janela->mostradas().isEmpty());
    EXPECT_TRUE(dialogos->mostrados().isEmpty());
    EXPECT_FALSE(SessaoBanco::padrao().existeTabela("Orvalo", "Log2612"));
}

TEST_F(AutorizarAcessoTest, SenhaDeAcessoIgnoraCaixaEBrancosDosDoisLados) {
    const std::pair<QString, bool> casos[] = {
        {"segredo", true}, {"  SEGREDO  ", true}, {"Segred", false}, {"", false}};
    for (const auto& [digitada, aceita] : casos) {
        dialogos->limpar();
        janela->confirmar(digitada);
        EXPECT_EQ(autorizar(107), aceita) << digitada.toStdString();
        EXPECT_EQ(dialogos->textos(), aceita ? QStringList() : QStringList{"Senha invalida"});
    }
    EXPECT_EQ(dialogos->mostrados().last().tipo, TipoMensagem::Erro);
    EXPECT_EQ(janela->mostradas()[0].legenda, "Entre com a senha 107");
    EXPECT_FALSE(janela->mostradas()[0].pedeUsuario);
    esperarUsuarioIntacto();
    EXPECT_FALSE(SessaoBanco::padrao().existeTabela("Orvalo", "Log2612"));
}

TEST_F(AutorizarAcessoTest, RecusadoOuCanceladoNaoMudaUsuarioNemLog) {
    janela->cancelar();
    janela->confirmar("errada", "JOAO", "abc1");
    janela->confirmar("PCP", "JOAO", "abc1 "); // user passwords keep their blanks
    janela->confirmar("pcp", "joao", "abc1");  // the user code is an exact key
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(autorizar(119));
    EXPECT_EQ(dialogos->textos(), (QStringList{"Senha invalida", "A senha do usuário é inválida!",
                                               "Usuário não cadastrado!"}));
    esperarUsuarioIntacto();
    EXPECT_EQ(TextoTabela("Log2612"), "");
}

TEST_F(AutorizarAcessoTest, PrimeiroAcessoDoMesCriaOLogEGravaAcessoDoUsuario) {
    ASSERT_FALSE(SessaoBanco::padrao().existeTabela("Orvalo", "Log2612"));
    janela->confirmar(" PCP", "JOAO", "aBC1");
    ASSERT_TRUE(autorizar(119));
    EXPECT_EQ(janela->mostradas()[0].legenda, "Entre com a senha 119");
    EXPECT_TRUE(janela->mostradas()[0].pedeUsuario);
    EXPECT_EQ(Sess().Usuario, "JOAO");
    EXPECT_EQ(Sess().Nivel, "OPE");
    Tabela log("Log2612");
    log.abrir();
    EXPECT_EQ(log.nomesCampos(),
              (QStringList{"DataHora", "Tabela", "Acesso", "Registro", "Operacao", "Usuario"}));
    EXPECT_EQ(TextoTabela("Log2612"),
              "06/12/2026 10:00:00|FORMULA|Exclusao de Formula|Formula 123|X|JOAO");

    // A new month gets its own table; the old one keeps its row.
    relogio->definir(QDateTime(QDate(2027, 1, 2), QTime(8, 30)));
    janela->confirmar("pcp", "JOAO", "abc1");
    ASSERT_TRUE(AutorizarAcesso(119));
    EXPECT_EQ(TextoTabela("Log2701"), "02/01/2027 08:30:00||Exclusao de Formula|||JOAO");
    EXPECT_EQ(TextoTabela("Log2612").count('\n'), 0);
}

TEST_F(AutorizarAcessoTest, Instalacao164MostraInfUsuarioAntesDaJanela) {
    Sess().FatModNf = 164;
    autorizar(200);
    autorizar(107);
    EXPECT_EQ(dialogos->textos(), (QStringList{"s", ""}));
    // A lower-case "s" asks for the user too.
    EXPECT_TRUE(janela->mostradas()[0].pedeUsuario);
    EXPECT_EQ(janela->mostradas().size(), 2);
}

TEST_F(AutorizarAcessoTest, FalhaDoBancoRecusaComOTextoDoErro) {
    SessaoBanco::padrao().definirAlias("Orvalo", {"PATH=C:\\NAOEXISTE"});
    EXPECT_FALSE(autorizar(107));
    ASSERT_EQ(dialogos->mostrados().size(), 1);
    EXPECT_EQ(dialogos->mostrados()[0].tipo, TipoMensagem::Erro);
    EXPECT_EQ(dialogos->mostrados()[0].texto, "Directory does not exist: C:\\NAOEXISTE");
    EXPECT_TRUE(janela->mostradas().isEmpty());
}
