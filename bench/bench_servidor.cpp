// The server store against raw libpq doing the same work in the same run,
// and against the directory store: a walk over 1,000,000 rows in key order
// and durable single-row posts. Needs a server: PCP_TESTE_SERVIDOR as for
// the tests (scripts/postgres-teste.sh iniciar PASTA prints it) and PGUSER.
#include "store/BancoPostgres.h"
#include "store/Caminhos.h"
#include "store/DefTabela.h"
#include "store/SessaoBanco.h"
#include "store/Tabela.h"
#include "store/TransacaoBanco.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <libpq-fe.h>

namespace {
constexpr int Linhas = 1000000;
constexpr int Gravacoes = 2000;

void exigir(PGresult* r, PGconn* c) {
    const ExecStatusType s = PQresultStatus(r);
    if (s != PGRES_COMMAND_OK && s != PGRES_TUPLES_OK && s != PGRES_SINGLE_TUPLE) {
        std::fprintf(stderr, "%s\n", PQerrorMessage(c));
        std::exit(1);
    }
}

double segundos(QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e9;
}

struct Medida {
    double caminhada, gravacoes;
};

// The same cursor work on a store: fill, walk, post. `assentar` runs
// after the fill, before anything is timed.
Medida medirLoja(const QStringList& alias, const std::function<void()>& assentar = {}) {
    SessaoBanco::padrao().fechar();
    SessaoBanco::padrao().abrir();
    SessaoBanco::padrao().definirAlias("Orvalo", alias);
    SessaoBanco::padrao().criarDiretorio("C:\\BENCH");
    Tabela t("Bench");
    t.abrir();
    {
        TransacaoBanco tr;
        for (int i = 0; i < Linhas; ++i) {
            const int cod = int((quint64(i) * 7919) % Linhas); // not in key order
            t.incluir();
            t.campo(0).definir(1);
            t.campo(1).definir(cod);
            t.campo(2).definir("Produto " + QString::number(cod));
            t.campo(3).definir(cod * 0.5);
            t.gravar();
        }
        tr.confirmar();
    }
    if (assentar)
        assentar();
    QElapsedTimer relogio;
    relogio.start();
    qint64 soma = 0;
    for (t.primeiro(); !t.eof(); t.proximo())
        soma += t.campo(1).inteiro() + qint64(t.campo(3).numero()) + t.campo(2).texto().size();
    const double caminhada = segundos(relogio);
    relogio.start();
    for (int i = 0; i < Gravacoes; ++i) {
        t.incluir();
        t.campo(0).definir(2);
        t.campo(1).definir(i);
        t.campo(2).definir("Novo");
        t.campo(3).definir(1.0);
        t.gravar();
    }
    const double gravacoes = segundos(relogio);
    if (soma == 0)
        std::fprintf(stderr, "empty walk\n");
    return {caminhada, gravacoes};
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString servidor = qEnvironmentVariable("PCP_TESTE_SERVIDOR");
    if (servidor.isEmpty()) {
        std::fprintf(stderr, "PCP_TESTE_SERVIDOR vazio: inicie um servidor com "
                             "scripts/postgres-teste.sh iniciar PASTA.\n");
        return 1;
    }
    QTemporaryDir dir;
    Caminhos::atual().mapear("C:", dir.path());
    QDir(dir.path()).mkpath("BENCH");
    Definicao("Bench")
        .shortInt("Filial")
        .longInt("Codigo")
        .texto("Nome", 30)
        .number("Valor")
        .chave({"Filial", "Codigo"})
        .registrar();

    const QStringList linhasServidor{"SERVER NAME=" + servidor, "PATH=C:\\BENCH"};
    // Start from an empty schema.
    PGconn* c = PQconnectdb(ServidorBanco::dasLinhas(linhasServidor).parametrosConexao());
    PQsetNoticeProcessor(
        c, [](void*, const char*) {}, nullptr);
    exigir(PQexec(c, "DROP SCHEMA IF EXISTS c_bench CASCADE"), c);

    // A server reading rows for the first time after a bulk load also
    // writes (hint bits): the timed walks read a settled table, as the
    // server's autovacuum leaves it.
    const Medida servidorLoja = medirLoja(
        linhasServidor, [c] { exigir(PQexec(c, "VACUUM ANALYZE c_bench.\"Bench\""), c); });
    const Medida arquivo = medirLoja({"PATH=C:\\BENCH"});

    // Raw libpq: one streamed query for the walk; each post in its own
    // transaction, as the store posts it.
    QElapsedTimer relogio;
    relogio.start();
    if (!PQsendQuery(c,
                     "SELECT \"Filial\", \"Codigo\", \"Nome\", \"Valor\" FROM "
                     "c_bench.\"Bench\" ORDER BY \"Filial\" NULLS FIRST, \"Codigo\" NULLS FIRST")) {
        std::fprintf(stderr, "%s\n", PQerrorMessage(c));
        return 1;
    }
    PQsetSingleRowMode(c);
    qint64 soma = 0;
    int n = 0;
    while (PGresult* r = PQgetResult(c)) {
        if (PQresultStatus(r) == PGRES_SINGLE_TUPLE) {
            ++n;
            soma += std::atoi(PQgetvalue(r, 0, 1)) + qint64(std::atof(PQgetvalue(r, 0, 3))) +
                    QString::fromUtf8(PQgetvalue(r, 0, 2)).size();
        }
        PQclear(r);
    }
    const double caminhadaBruta = segundos(relogio);
    PGresult* p = PQprepare(c, "ins",
                            "INSERT INTO c_bench.\"Bench\" (\"Filial\", \"Codigo\", \"Nome\", "
                            "\"Valor\") VALUES (3, $1, 'Novo', 1.0)",
                            0, nullptr);
    exigir(p, c);
    PQclear(p);
    relogio.start();
    for (int i = 0; i < Gravacoes; ++i) {
        const QByteArray v = QByteArray::number(i);
        const char* valores[] = {v.constData()};
        PQclear(PQexec(c, "BEGIN"));
        PGresult* r = PQexecPrepared(c, "ins", 1, valores, nullptr, nullptr, 0);
        exigir(r, c);
        PQclear(r);
        PQclear(PQexec(c, "COMMIT"));
    }
    const double gravacoesBrutas = segundos(relogio);
    PQfinish(c);

    std::printf("walk of %d rows (rows/s)   server store %9.0f   raw libpq %9.0f   ratio %.2f   "
                "directory store %9.0f\n",
                n, Linhas / servidorLoja.caminhada, n / caminhadaBruta,
                caminhadaBruta / servidorLoja.caminhada, Linhas / arquivo.caminhada);
    std::printf("durable posts (rows/s)        server store %9.0f   raw libpq %9.0f   ratio %.2f   "
                "directory store %9.0f\n",
                Gravacoes / servidorLoja.gravacoes, Gravacoes / gravacoesBrutas,
                gravacoesBrutas / servidorLoja.gravacoes, Gravacoes / arquivo.gravacoes);
    return soma > 0 ? 0 : 1;
}
