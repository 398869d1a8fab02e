// The files under a directory store: a database or lock file deleted or
// replaced while stations use it, a directory that cannot be written, a
// network file system and a damaged file. None may end in a write
// reported as saved that is not there.
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "store/BancoSqlite.h"
#include "store/DefTabela.h"
#include "store/ErroBanco.h"

#include <QFile>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString MensagemBancoSubstituido =
    "O arquivo do banco de dados de C:\\EMPRESA1 foi apagado ou substituído enquanto estava "
    "aberto; nada foi gravado. Feche o programa e abra-o de novo.";
const QString MensagemTravasSubstituidas =
    "O arquivo de travas de registro de C:\\EMPRESA1 foi apagado ou substituído enquanto "
    "estava em uso; nada foi gravado. Feche o programa em todas as estações e abra-o de novo.";

class Arquivos : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        if (TestesNoServidor())
            GTEST_SKIP() << "files and locks of the directory store";
        Definicao("TesteArq").longInt("Codigo").texto("Nome", 20).chave({"Codigo"}).registrar();
        a.abrir();
        incluir(a, 1, "um");
    }
    void TearDown() override {
        BancoSqlite::simularTipoSistemaArquivos(nullptr);
        InstalacaoTeste::TearDown();
    }
    static void incluir(Tabela& t, int codigo, const QString& nome) {
        t.incluir();
        t.campo("Codigo").definir(codigo);
        t.campo("Nome").definir(nome);
        t.gravar();
    }
    static QString falha(const std::function<void()>& f) {
        try {
            f();
        } catch (const ErroBanco& e) {
            return e.texto();
        }
        return QString();
    }
    QString arquivo(const char* nome) const { return host("C:\\EMPRESA1") + '/' + nome; }
    Tabela a{"TesteArq"};
};

TEST_F(Arquivos, ADatabaseFileDeletedOrReplacedRefusesTheNextPost) {
    for (const bool substituir : {false, true}) {
        QFile::remove(arquivo("PCP.sqlite-wal"));
        QFile::remove(arquivo("PCP.sqlite"));
        if (substituir)
            QFile(arquivo("PCP.sqlite")).open(QIODevice::WriteOnly);
        EXPECT_EQ(falha([&] { incluir(a, 2, "dois"); }), MensagemBancoSubstituido);
        a.cancelar();
        EXPECT_EQ(falha([&] {
                      a.primeiro();
                      a.editar();
                      a.campo("Nome").definir("x");
                      a.gravar();
                  }),
                  MensagemBancoSubstituido);
        a.cancelar();
        SessaoBanco::padrao().fechar();
        SessaoBanco::padrao().abrir();
        a.abrir();
    }
}

// Station 2 opens after the lock file was replaced, so it cannot see the
// lock station 1 holds: station 1 must then fail instead of overwriting.
TEST_F(Arquivos, ALockFileReplacedMakesTheHoldersPostFail) {
    SessaoBanco antiga; // a station connected before the replacement
    antiga.definirAlias("Orvalo", LinhasAlias("C:\\EMPRESA1"));
    Tabela c("TesteArq", &antiga);
    c.abrir();

    a.editar();
    a.campo("Nome").definir("estacao 1");
    ASSERT_TRUE(QFile::remove(arquivo("PCP.travas")));
    const pid_t filho = fork();
    ASSERT_GE(filho, 0);
    if (filho == 0) {
        SessaoBanco estacao2;
        estacao2.definirAlias("Orvalo", LinhasAlias("C:\\EMPRESA1"));
        Tabela b("TesteArq", &estacao2);
        b.abrir();
        b.editar();
        b.campo("Nome").definir("estacao 2");
        b.gravar();
        _exit(0);
    }
    int status = 0;
    waitpid(filho, &status, 0);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(falha([&] { a.gravar(); }), MensagemTravasSubstituidas);
    EXPECT_EQ(falha([&] { c.editar(); }), MensagemTravasSubstituidas);
    a.cancelar();
    EXPECT_EQ(TextoTabela("TesteArq"), "1|estacao 2");
}

TEST_F(Arquivos, ADirectoryThatCannotBeWrittenIsReadAndRefusesPosts) {
    a.fechar();
    SessaoBanco::padrao().fechar(); // the WAL goes back into the file
    SessaoBanco::padrao().abrir();
    const QString dir = host("C:\\EMPRESA1");
    // Root writes anywhere: the station is a child that gives up root.
    const bool root = geteuid() == 0;
    if (root)
        for (QString p = dir; p.startsWith(raiz.path()); p = p.section('/', 0, -2))
            chmod(QFile::encodeName(p).constData(), 0755);
    chmod(QFile::encodeName(dir).constData(), 0555);
    int canal[2];
    ASSERT_EQ(pipe(canal), 0);
    const pid_t filho = fork();
    ASSERT_GE(filho, 0);
    if (filho == 0) {
        close(canal[0]);
        if (root && setuid(65534) != 0)
            _exit(2);
        SessaoBanco estacao;
        estacao.definirAlias("Orvalo", LinhasAlias("C:\\EMPRESA1"));
        Tabela t("TesteArq", &estacao);
        QStringList r;
        r << falha([&] { t.abrir(); }) << t.campo("Nome").texto();
        r << falha([&] { t.editar(); });
        r << falha([&] { incluir(t, 2, "dois"); });
        const QByteArray saida = r.join('\n').toUtf8();
        (void)!write(canal[1], saida.constData(), size_t(saida.size()));
        _exit(0);
    }
    close(canal[1]);
    QByteArray lido;
    char buf[4096];
    for (ssize_t n; (n = read(canal[0], buf, sizeof buf)) > 0;)
        lido.append(buf, n);
    close(canal[0]);
    waitpid(filho, nullptr, 0);
    chmod(QFile::encodeName(dir).constData(), 0755);
    const QString somenteLeitura =
        "O banco de dados de C:\\EMPRESA1 está numa pasta ou mídia somente para leitura: pode ser "
        "consultado, mas nada pode ser gravado nele.";
    EXPECT_EQ(QString::fromUtf8(lido),
              QStringList({"", "um", somenteLeitura, somenteLeitura}).join('\n'));
}

TEST_F(Arquivos, ANetworkFileSystemIsRefusedWithTheReason) {
    criarDiretorio("C:\\REDE");
    BancoSqlite::simularTipoSistemaArquivos([](const QString&) { return 0x6969L; }); // NFS
    Tabela t("C:\\REDE\\TesteArq.DB");
    EXPECT_EQ(falha([&] { t.abrir(); }),
              "O diretório C:\\REDE está numa pasta de rede. O banco de dados local só pode ser "
              "compartilhado por estações do mesmo computador (servidor de terminais); estações "
              "em computadores diferentes usam o banco em servidor.");
    BancoSqlite::simularTipoSistemaArquivos([](const QString&) { return 0xEF53L; }); // ext4
    t.abrir();
    EXPECT_TRUE(t.vazio());
}

TEST_F(Arquivos, ADamagedFileSaysSoAtOnceNamingIt) {
    criarDiretorio("C:\\DANIFICADA");
    const QString caminho = host("C:\\DANIFICADA") + "/PCP.sqlite";
    QFile f(caminho);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(8192, 'x'));
    f.close();
    Tabela t("C:\\DANIFICADA\\TesteArq.DB");
    EXPECT_EQ(falha([&] { t.abrir(); }),
              "O arquivo " + caminho +
                  " não é um banco de dados válido ou está danificado (file is not a database).");
}

} // namespace
