// Table store against raw SQLite doing the same work in the same run:
// a walk over 1,000,000 rows in key order, nearest-key seeks, and durable
// single-row posts. Prints rates and the ratio store / raw.
#include "store/BancoSqlite.h"
#include "store/Caminhos.h"
#include "store/DefTabela.h"
#include "store/SessaoBanco.h"
#include "store/Tabela.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>

namespace {
constexpr int Linhas = 1000000;
constexpr int Buscas = 100000;
constexpr int Gravacoes = 2000;

void exec(sqlite3* db, const char* sql) {
    char* erro = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &erro) != SQLITE_OK) {
        std::fprintf(stderr, "%s: %s\n", sql, erro);
        std::exit(1);
    }
}

double segundos(QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e9;
}

void linha(const char* nome, double loja, double bruto, const char* unidade) {
    std::printf("%-22s store %12.0f %s   raw %12.0f %s   ratio %.2f\n", nome, loja, unidade, bruto,
                unidade, loja / bruto);
}
} // namespace

int main() {
    QTemporaryDir dir;
    Caminhos::atual().mapear("C:", dir.path());
    QDir(dir.path()).mkpath("BENCH");
    SessaoBanco::padrao().definirAlias("Orvalo", {"PATH=C:\\BENCH"});
    Definicao("Bench")
        .shortInt("Filial")
        .longInt("Codigo")
        .texto("Nome", 30)
        .number("Valor")
        .chave({"Filial", "Codigo"})
        .registrar();
    Tabela t("Bench");
    t.abrir();

    // Raw connection on the same file, same pragmas.
    sqlite3* db = nullptr;
    sqlite3_open((dir.path() + "/BENCH/" + BancoSqlite::ArquivoBanco).toUtf8().constData(), &db);
    exec(db, "PRAGMA journal_mode=WAL");
    exec(db, "PRAGMA synchronous=FULL");
    sqlite3_busy_timeout(db, 10000);
    {
        exec(db, "BEGIN");
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO Bench VALUES (1, ?, ?, ?)", -1, &st, nullptr);
        for (int i = 0; i < Linhas; ++i) {
            const int cod = int((quint64(i) * 7919) % Linhas); // not in key order
            const QByteArray nome = "Produto " + QByteArray::number(cod);
            sqlite3_bind_int(st, 1, cod);
            sqlite3_bind_text(st, 2, nome.constData(), int(nome.size()), SQLITE_TRANSIENT);
            sqlite3_bind_double(st, 3, cod * 0.5);
            sqlite3_step(st);
            sqlite3_reset(st);
        }
        sqlite3_finalize(st);
        exec(db, "COMMIT");
    }

    // 1. Walk in key order.
    QElapsedTimer relogio;
    qint64 soma = 0;
    relogio.start();
    int n = 0;
    for (t.primeiro(); !t.eof(); t.proximo(), ++n)
        soma += t.campo(1).inteiro() + qint64(t.campo(3).numero()) + t.campo(2).texto().size();
    const double tLoja = segundos(relogio);
    relogio.start();
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT rowid, * FROM Bench ORDER BY Filial, Codigo, rowid", -1, &st,
                       nullptr);
    int m = 0;
    qint64 somaBruta = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        ++m;
        somaBruta += sqlite3_column_int(st, 2) + qint64(sqlite3_column_double(st, 4)) +
                     QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 3)),
                                       sqlite3_column_bytes(st, 3))
                         .size();
    }
    sqlite3_finalize(st);
    const double tBruto = segundos(relogio);
    if (n != m || soma != somaBruta)
        std::fprintf(stderr, "walk mismatch: %d/%d rows\n", n, m);
    linha("walk (rows/s)", n / tLoja, m / tBruto, "");

    // 2. Nearest-key seeks.
    QRandomGenerator gerador(42);
    relogio.start();
    for (int i = 0; i < Buscas; ++i)
        t.localizarProximo({1, int(gerador.bounded(Linhas))});
    const double sLoja = segundos(relogio);
    gerador.seed(42);
    sqlite3_prepare_v2(db,
                       "SELECT rowid, * FROM Bench WHERE Filial = 1 AND Codigo >= ? ORDER BY "
                       "Filial, Codigo, rowid LIMIT 8",
                       -1, &st, nullptr);
    relogio.start();
    for (int i = 0; i < Buscas; ++i) {
        sqlite3_bind_int(st, 1, int(gerador.bounded(Linhas)));
        while (sqlite3_step(st) == SQLITE_ROW) {
        }
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    const double sBruto = segundos(relogio);
    linha("nearest key (seeks/s)", Buscas / sLoja, Buscas / sBruto, "");

    // 3. Durable single-row posts.
    relogio.start();
    for (int i = 0; i < Gravacoes; ++i) {
        t.incluir();
        t.campo(0).definir(2);
        t.campo(1).definir(i);
        t.campo(2).definir("Novo");
        t.campo(3).definir(1.0);
        t.gravar();
    }
    const double gLoja = segundos(relogio);
    sqlite3_prepare_v2(db, "INSERT INTO Bench VALUES (3, ?, 'Novo', 1.0)", -1, &st, nullptr);
    relogio.start();
    for (int i = 0; i < Gravacoes; ++i) {
        exec(db, "BEGIN IMMEDIATE");
        sqlite3_bind_int(st, 1, i);
        sqlite3_step(st);
        sqlite3_reset(st);
        exec(db, "COMMIT");
    }
    sqlite3_finalize(st);
    const double gBruto = segundos(relogio);
    linha("durable posts (rows/s)", Gravacoes / gLoja, Gravacoes / gBruto, "");
    sqlite3_close(db);
    return 0;
}
