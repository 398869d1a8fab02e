#include "InstalacaoTeste.h"

#include "session/Sessao.h"
#include "store/BancoPostgres.h"
#include "store/Caminhos.h"
#include "store/SessaoBanco.h"
#include "store/tabelas/Tabelas.h"

#include <QDir>
#include <libpq-fe.h>

QStringList LinhasAlias(const QString& diretorio) {
    const QString servidor = qEnvironmentVariable("PCP_TESTE_SERVIDOR");
    if (servidor.isEmpty())
        return {"PATH=" + diretorio};
    return {"SERVER NAME=" + servidor, "PATH=" + diretorio};
}

bool TestesNoServidor() {
    return !qEnvironmentVariableIsEmpty("PCP_TESTE_SERVIDOR");
}

namespace {
// Every test starts on an empty server: the schemas of earlier tests go.
void esvaziarServidor() {
    const ServidorBanco s = ServidorBanco::dasLinhas(LinhasAlias("C:\\X"));
    PGconn* conn = PQconnectdb(s.parametrosConexao().constData());
    ASSERT_EQ(PQstatus(conn), CONNECTION_OK) << PQerrorMessage(conn);
    PGresult* r = PQexec(conn, "SELECT string_agg(format('DROP SCHEMA %I CASCADE', nspname), "
                               "'; ') FROM pg_namespace WHERE nspname NOT LIKE 'pg\\_%' AND "
                               "nspname NOT IN ('information_schema', 'public', 'pcp')");
    const QByteArray drops = PQgetisnull(r, 0, 0) ? QByteArray() : QByteArray(PQgetvalue(r, 0, 0));
    PQclear(r);
    if (!drops.isEmpty()) {
        r = PQexec(conn, drops.constData());
        EXPECT_EQ(PQresultStatus(r), PGRES_COMMAND_OK) << PQerrorMessage(conn);
        PQclear(r);
    }
    PQfinish(conn);
}
} // namespace

void InstalacaoTeste::SetUp() {
    ASSERT_TRUE(raiz.isValid());
    QDir(raiz.path()).mkpath("C/EMPRESA1");
    Caminhos::atual().limpar();
    Caminhos::atual().mapear("C:", raiz.path() + "/C");
    Caminhos::atual().mapear("\\\\tsclient", raiz.path() + "/tsclient");
    SessaoBanco::padrao().fechar();
    SessaoBanco::padrao().abrir();
    SessaoBanco::padrao().definirAlias("Orvalo", LinhasAlias("C:\\EMPRESA1"));
    RegistrarTodasTabelas();
    if (TestesNoServidor()) {
        esvaziarServidor();
        SessaoBanco::padrao().criarDiretorio("C:\\EMPRESA1");
    }
    Sessao::Reiniciar();
    dialogos = std::make_unique<DialogosRoteirizados>();
    relogio = std::make_unique<RelogioManual>(QDateTime(QDate(2026, 12, 6), QTime(10, 0)));
    Relogio::instalar(relogio.get());
}

void InstalacaoTeste::TearDown() {
    SessaoBanco::padrao().fechar();
    SessaoBanco::padrao().abrir();
    Relogio::instalar(nullptr);
    relogio.reset();
    dialogos.reset();
    Caminhos::atual().limpar();
}

QString InstalacaoTeste::host(const QString& caminho) const {
    return Caminhos::atual().resolver(caminho);
}

void InstalacaoTeste::criarDiretorio(const QString& caminho) const {
    QDir().mkpath(host(caminho));
    if (TestesNoServidor())
        SessaoBanco::padrao().criarDiretorio(caminho);
}
