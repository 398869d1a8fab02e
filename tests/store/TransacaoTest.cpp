// Multi-row transactions: all or nothing, invisible to other stations until
// the commit, record locks kept to the end, nesting, a failed statement
// inside, a station killed half-way, and messages held while one is open.
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "session/Dialogos.h"
#include "store/DefTabela.h"
#include "store/ErroBanco.h"
#include "store/TransacaoBanco.h"

#include <csignal>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class Transacao : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        estacao2.definirAlias("Orvalo", LinhasAlias("C:\\EMPRESA1"));
        Definicao("TesteTr").longInt("Codigo").texto("Nome", 20).chave({"Codigo"}).registrar();
        a.abrir();
        incluir(a, 1, "um");
        b.abrir();
    }
    static void incluir(Tabela& t, int codigo, const QString& nome) {
        t.incluir();
        t.campo("Codigo").definir(codigo);
        t.campo("Nome").definir(nome);
        t.gravar();
    }
    void alterar(Tabela& t, int codigo, const QString& nome) {
        ASSERT_TRUE(t.localizarChave({codigo}));
        t.editar();
        t.campo("Nome").definir(nome);
        t.gravar();
    }
    SessaoBanco estacao2;
    Tabela a{"TesteTr"};
    Tabela b{"TesteTr", &estacao2};
};

TEST_F(Transacao, ScopeLeftWithoutCommitLeavesNothingAndFreesLocks) {
    {
        TransacaoBanco tr;
        incluir(a, 2, "dois");
        alterar(a, 1, "alterado");
        ExecutarSql({"UPDATE TesteTr SET Nome = 'sql' WHERE Codigo = 2"});
        EXPECT_EQ(TextoTabela("TesteTr"), "1|alterado\n2|sql"); // its own writes are seen
        b.localizarChave({1});
        EXPECT_THROW(b.editar(), ErroRegistroBloqueado); // posted, but not committed
    }
    EXPECT_EQ(TextoTabela("TesteTr"), "1|um");
    a.primeiro();
    EXPECT_EQ(a.contarRegistros(), 1);
    b.atualizar();
    b.editar();
    EXPECT_EQ(b.campo("Nome").texto(), "um");
    b.cancelar();
}

TEST_F(Transacao, OtherStationsSeeNothingBeforeTheCommitAndAllAfter) {
    b.primeiro();
    TransacaoBanco tr;
    for (int i = 2; i <= 4; ++i)
        incluir(a, i, "n");
    alterar(a, 1, "alterado");
    b.atualizar();
    EXPECT_EQ(b.contarRegistros(), 1);
    EXPECT_EQ(TextoTabela("TesteTr", &estacao2), "1|um");
    tr.confirmar();
    b.primeiro();
    EXPECT_EQ(TextoTabela("TesteTr", &estacao2), "1|alterado\n2|n\n3|n\n4|n");
    b.editar(); // the lock went with the commit
    b.cancelar();
}

TEST_F(Transacao, NestedScopesJoinTheOutermostAndAnInnerRollbackLosesAll) {
    {
        TransacaoBanco externa;
        {
            TransacaoBanco interna;
            incluir(a, 2, "dois");
            interna.confirmar();
        }
        EXPECT_EQ(TextoTabela("TesteTr", &estacao2), "1|um"); // not yet
        externa.confirmar();
    }
    EXPECT_EQ(TextoTabela("TesteTr", &estacao2), "1|um\n2|dois");

    TransacaoBanco externa;
    incluir(a, 3, "tres");
    { TransacaoBanco interna; } // gives up
    EXPECT_THROW(incluir(a, 4, "quatro"), ErroBanco);
    a.cancelar();
    EXPECT_THROW(externa.confirmar(), ErroBanco);
    EXPECT_EQ(TextoTabela("TesteTr"), "1|um\n2|dois");
}

TEST_F(Transacao, AFailedWriteInsideLeavesNothingOfItselfAndTheRestCommits) {
    TransacaoBanco tr;
    incluir(a, 2, "dois");
    Consulta q;
    q.setSql({"UPDATE TesteTr SET Nome = 'x' WHERE Codigo = 2; UPDATE TesteTr SET Nome = "
              "'longo demais para o campo nome'"});
    EXPECT_THROW(q.executar(), ErroBanco);
    a.incluir();
    a.campo("Codigo").definir(1);
    EXPECT_THROW(a.gravar(), ErroBanco); // Key violation.
    a.cancelar();
    tr.confirmar();
    EXPECT_EQ(TextoTabela("TesteTr"), "1|um\n2|dois");
}

TEST_F(Transacao, AStationKilledInsideLeavesNoneOfIt) {
    int canal[2];
    ASSERT_EQ(pipe(canal), 0);
    const pid_t filho = fork();
    ASSERT_GE(filho, 0);
    if (filho == 0) {
        close(canal[0]);
        SessaoBanco estacao3;
        estacao3.definirAlias("Orvalo", LinhasAlias("C:\\EMPRESA1"));
        Tabela c("TesteTr", &estacao3);
        c.abrir();
        TransacaoBanco tr("Orvalo", &estacao3);
        for (int i = 100; i < 200; ++i)
            incluir(c, i, "filho");
        const char ok = '1';
        (void)!write(canal[1], &ok, 1);
        pause();
        _exit(0);
    }
    close(canal[1]);
    char lido = 0;
    ASSERT_EQ(read(canal[0], &lido, 1), 1);
    close(canal[0]);
    kill(filho, SIGKILL);
    waitpid(filho, nullptr, 0);
    EXPECT_EQ(TextoTabela("TesteTr", &estacao2), "1|um");
    incluir(a, 2, "dois"); // nothing left holding the write lock
    EXPECT_EQ(a.contarRegistros(), 2);
}

TEST_F(Transacao, MessagesWaitForTheEndAndQuestionsAreRefused) {
    {
        TransacaoBanco tr;
        MostrarMensagem("Produto sem saldo: 1");
        MostrarErro("Produto sem saldo: 2");
        EXPECT_TRUE(dialogos->textos().isEmpty());
        EXPECT_THROW(Confirmar("Continua?"), std::logic_error);
        tr.confirmar();
    }
    EXPECT_EQ(dialogos->textos(), QStringList({"Produto sem saldo: 1", "Produto sem saldo: 2"}));
    dialogos->limpar();
    {
        TransacaoBanco tr;
        MostrarAviso("desfeito");
    }
    EXPECT_EQ(dialogos->textos(), QStringList({"desfeito"}));
    EXPECT_TRUE(Confirmar("Continua?"));
}

} // namespace
