// Two stations on one directory: rows posted by one appear in the other's
// open cursor; record locks conflict, are released by post, cancel and close,
// and vanish when the process holding them dies.
#include "InstalacaoTeste.h"

#include "store/DefTabela.h"
#include "store/ErroBanco.h"
#include "store/SessaoBanco.h"
#include "store/Tabela.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class Concorrencia : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        estacao2.definirAlias("Orvalo", LinhasAlias("C:\\EMPRESA1"));
        Definicao("TesteConc").longInt("Codigo").texto("Nome", 20).chave({"Codigo"}).registrar();
        a.abrir();
        for (int i : {10, 20, 30}) {
            a.incluir();
            a.campo("Codigo").definir(i);
            a.gravar();
        }
        b.abrir();
    }
    SessaoBanco estacao2;
    Tabela a{"TesteConc"};
    Tabela b{"TesteConc", &estacao2};
};

TEST_F(Concorrencia, RowPostedElsewhereAppearsAtTheNextStep) {
    b.primeiro(); // b has read ahead 10, 20, 30
    a.incluir();
    a.campo("Codigo").definir(15);
    a.gravar();
    b.proximo();
    EXPECT_EQ(b.campo("Codigo").inteiro(), 15);
    a.localizarChave({20});
    a.excluir();
    b.proximo();
    EXPECT_EQ(b.campo("Codigo").inteiro(), 30);
    EXPECT_EQ(b.contarRegistros(), 3);
}

TEST_F(Concorrencia, LockedRowRefusesEditUntilPostCancelOrClose) {
    a.localizarChave({20});
    b.localizarChave({20});
    a.editar();
    EXPECT_THROW(b.editar(), ErroRegistroBloqueado);
    EXPECT_THROW(b.excluir(), ErroRegistroBloqueado);
    b.localizarChave({30});
    b.editar(); // another row is free
    b.cancelar();
    b.localizarChave({20});
    a.campo("Nome").definir("A");
    a.gravar();
    b.editar(); // sees the posted value once it holds the lock
    EXPECT_EQ(b.campo("Nome").texto(), "A");
    EXPECT_THROW(a.editar(), ErroRegistroBloqueado);
    b.cancelar();
    a.editar();
    a.fechar();
    b.editar();
    b.cancelar();
}

TEST_F(Concorrencia, LockOfAKilledProcessIsReleased) {
    int canal[2];
    ASSERT_EQ(pipe(canal), 0);
    const pid_t filho = fork();
    ASSERT_GE(filho, 0);
    if (filho == 0) {
        // The child is a third station that locks row 10 and waits.
        close(canal[0]);
        SessaoBanco estacao3;
        Tabela c("TesteConc", &estacao3);
        c.abrir();
        c.editar();
        const char ok = '1';
        (void)!write(canal[1], &ok, 1);
        pause();
        _exit(0);
    }
    close(canal[1]);
    char lido = 0;
    ASSERT_EQ(read(canal[0], &lido, 1), 1);
    close(canal[0]);
    b.localizarChave({10});
    EXPECT_THROW(b.editar(), ErroRegistroBloqueado);
    kill(filho, SIGKILL);
    waitpid(filho, nullptr, 0);
    // A server frees the lock when it sees the connection close, a moment
    // after the process is gone.
    for (int vez = 0; vez < 100 && TestesNoServidor(); ++vez) {
        try {
            b.editar();
            break;
        } catch (const ErroRegistroBloqueado&) {
            usleep(50000);
        }
    }
    b.editar();
    EXPECT_EQ(b.estado(), EstadoDados::Editando);
    b.cancelar();
}

TEST_F(Concorrencia, ClosingTheSessionClosesItsCursorsAndLocks) {
    a.localizarChave({30});
    a.editar();
    SessaoBanco::padrao().fechar();
    EXPECT_FALSE(a.ativo());
    b.localizarChave({30});
    b.editar();
    b.cancelar();
    SessaoBanco::padrao().abrir();
}

} // namespace
