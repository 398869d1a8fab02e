// The bulk average cost at a real size: 2,000 products and 100,000 items
// in one month (entries, entries valued at the average and exits), run as
// the window runs it, one transaction per product. Prints the total, its
// split into walk, look-ups, row writes and commits, a rerun (which writes
// nothing), and raw SQLite doing the same reads, writes and commits.
// Target: the bulk under 3 s.
#include "SqliteBruto.h"
#include "session/Sessao.h"
#include "stock/AtualizacaoCustoMedio.h"
#include "stock/CalculaCustoMedio.h"
#include "store/BancoSqlite.h"
#include "store/Caminhos.h"
#include "store/SessaoBanco.h"
#include "store/Tabela.h"
#include "store/tabelas/Tabelas.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

namespace {
constexpr int Produtos = 2000;
constexpr int ItensPorProduto = 50;
constexpr int ItensPorNota = 50;

// Item i of the month: its note (50 items of 50 products), day and class.
struct Item {
    int nota, numItem, produto, dia, historico;
    double quantidade, custo;
};

std::vector<Item> ItensDoMes() {
    std::vector<Item> itens;
    const int total = Produtos * ItensPorProduto;
    for (int i = 0; i < total; ++i) {
        const int nota = i / ItensPorNota + 1;
        const int produto = (i * 7919) % Produtos + 1; // notes mix products
        const int classe = nota % 5;                   // 2 entries, 1 at the average, 2 exits
        const int historico = classe < 2 ? 1 : classe == 2 ? 2 : 60;
        itens.push_back({nota, i % ItensPorNota + 1, produto, nota % 28 + 1, historico,
                         double(1 + i % 9), historico == 1 ? 10.0 + i % 17 : 0.0});
    }
    return itens;
}

void Povoar(sqlite3* db) {
    exec(db, "BEGIN");
    exec(db, "INSERT INTO HISTEST (Est_Hist, Param_Hist) VALUES (1, 1), (2, 2), (60, 60)");
    sqlite3_stmt* p = preparar(db, "INSERT INTO ESTPROMA (Filial, Cod_Reduz, Nivel1, Nivel6, "
                                   "ULTIMOCUST, CustoMedio) VALUES (1, ?, '01', ?, 2.5, 2.5)");
    sqlite3_stmt* s = preparar(db, "INSERT INTO SLDPR (Filial, Ano_Mes, Cod_Reduz, Cod_Deposi, "
                                   "Fisico, Fisico2, Medio, Financeiro, Dolar) VALUES "
                                   "(1, ?, ?, 1, ?, 0, ?, 0, 0)");
    for (int c = 1; c <= Produtos; ++c) {
        const QByteArray nivel6 = QByteArray::number(c).rightJustified(6, '0');
        sqlite3_bind_int(p, 1, c);
        sqlite3_bind_text(p, 2, nivel6.constData(), 6, SQLITE_TRANSIENT);
        passo(db, p);
        for (const char* mes : {"200801", "200802"}) {
            const bool anterior = mes[5] == '1';
            sqlite3_bind_text(s, 1, mes, 6, SQLITE_STATIC);
            sqlite3_bind_int(s, 2, c);
            sqlite3_bind_double(s, 3, anterior ? 100 : 0);
            sqlite3_bind_double(s, 4, anterior ? 250 + c % 11 : 0);
            passo(db, s);
        }
    }
    sqlite3_finalize(p);
    sqlite3_finalize(s);

    sqlite3_stmt* n =
        preparar(db, "INSERT INTO NOTAS (Filial, Num_Nota, Tipo_Nota, Cod_Clifor, "
                     "DT_ENTRADA, Est_Hist, COMPLNATOP) VALUES (1, ?, 1, 10, ?, ?, 'O')");
    sqlite3_stmt* it = preparar(
        db, "INSERT INTO NOTAI (Filial, Num_Nota, Tipo_Nota, Cod_Clifor, DT_ENTRADA, Num_Item, "
            "Cod_Reduz, Cod_Deposi, ANO_MES, QUANTIDADE, Quantidade2, VLR_CUSTO, VLR_MEDIO, "
            "CUSTO_INF) VALUES (1, ?, 1, 10, ?, ?, ?, 1, '200802', ?, 0, ?, 0, 0)");
    int ultimaNota = 0;
    for (const Item& i : ItensDoMes()) {
        const QByteArray data = QString::asprintf("2008-02-%02d", i.dia).toLatin1();
        if (i.nota != ultimaNota) {
            ultimaNota = i.nota;
            sqlite3_bind_int(n, 1, i.nota);
            sqlite3_bind_text(n, 2, data.constData(), 10, SQLITE_TRANSIENT);
            sqlite3_bind_int(n, 3, i.historico);
            passo(db, n);
        }
        sqlite3_bind_int(it, 1, i.nota);
        sqlite3_bind_text(it, 2, data.constData(), 10, SQLITE_TRANSIENT);
        sqlite3_bind_int(it, 3, i.numItem);
        sqlite3_bind_int(it, 4, i.produto);
        sqlite3_bind_double(it, 5, i.quantidade);
        sqlite3_bind_double(it, 6, i.custo);
        passo(db, it);
    }
    sqlite3_finalize(n);
    sqlite3_finalize(it);
    exec(db, "COMMIT");
}

struct Execucao {
    double total;
    TemposCustoMedio tempos;
};

Execucao Bulk() {
    Tabela notai("NOTAI"), produtos("ESTPROMA"), saldos("SLDPR");
    TemposCustoMedio tempos;
    QElapsedTimer relogio;
    relogio.start();
    const bool ok = AtualizarCustoMedioPorClassificacao(
        "022008", QString(24, '0'), QString(24, '9'), {notai, produtos, saldos, &tempos}, {});
    const double total = segundos(relogio.nsecsElapsed());
    if (!ok)
        std::fprintf(stderr, "the bulk stopped\n");
    return {total, tempos};
}

// The same work straight on SQLite: per product a transaction, its balance
// rows and items read in movement order, a header and a history look-up
// per item, each item, balance row and product written.
double Bruto(sqlite3* db, qint64* confirmacoes) {
    sqlite3_stmt* linhas = preparar(db, "SELECT rowid, Cod_Deposi, Tamanho FROM SLDPR WHERE "
                                        "Filial = 1 AND Ano_Mes = '200802' AND Cod_Reduz = ?");
    sqlite3_stmt* anterior = preparar(db, "SELECT Medio, Fisico FROM SLDPR WHERE Filial = 1 AND "
                                          "Ano_Mes = '200801' AND Cod_Reduz = ? AND Tamanho IS ? "
                                          "AND Cod_Deposi = ?");
    sqlite3_stmt* itens = preparar(
        db, "SELECT rowid, * FROM NOTAI WHERE Filial = 1 AND ANO_MES = '200802' AND Cod_Reduz = ? "
            "AND TAMANHO IS ? AND Cod_Deposi = ? ORDER BY Filial, ANO_MES, Cod_Reduz, TAMANHO, "
            "Cod_Deposi, DT_ENTRADA, Num_Nota, Tipo_Nota, Cod_Clifor, Num_Item, rowid");
    sqlite3_stmt* nota = preparar(db, "SELECT rowid, * FROM NOTAS WHERE Filial = 1 AND Num_Nota = "
                                      "? AND Tipo_Nota = ? AND Cod_Clifor = ? AND DT_ENTRADA = ?");
    sqlite3_stmt* hist = preparar(db, "SELECT Param_Hist FROM HISTEST WHERE Est_Hist = ?");
    sqlite3_stmt* item =
        preparar(db, "UPDATE NOTAI SET VLR_CUSTO = ?, VLR_MEDIO = ? WHERE rowid = ?");
    sqlite3_stmt* saldo = preparar(db, "UPDATE SLDPR SET Medio = ?, Fisico = ? WHERE rowid = ?");
    sqlite3_stmt* produto =
        preparar(db, "UPDATE ESTPROMA SET CustoMedio = ? WHERE Filial = 1 AND Cod_Reduz = ?");
    QElapsedTimer relogio;
    relogio.start();
    for (int c = 1; c <= Produtos; ++c) {
        exec(db, "BEGIN IMMEDIATE");
        sqlite3_bind_int(linhas, 1, c);
        while (sqlite3_step(linhas) == SQLITE_ROW) {
            const qint64 linha = sqlite3_column_int64(linhas, 0);
            sqlite3_bind_int(anterior, 1, c);
            sqlite3_bind_null(anterior, 2);
            sqlite3_bind_int(anterior, 3, 1);
            double v = 0, q = 0;
            if (sqlite3_step(anterior) == SQLITE_ROW) {
                v = sqlite3_column_double(anterior, 0);
                q = sqlite3_column_double(anterior, 1);
            }
            sqlite3_reset(anterior);
            sqlite3_bind_int(itens, 1, c);
            sqlite3_bind_null(itens, 2);
            sqlite3_bind_int(itens, 3, 1);
            std::vector<std::pair<qint64, double>> lidos;
            while (sqlite3_step(itens) == SQLITE_ROW) {
                for (int k = 2; k <= 6; ++k)
                    sqlite3_bind_value(nota, k - 1, sqlite3_column_value(itens, k));
                if (sqlite3_step(nota) == SQLITE_ROW) {
                    sqlite3_bind_int(hist, 1, sqlite3_column_int(nota, 6));
                    sqlite3_step(hist);
                    sqlite3_reset(hist);
                }
                sqlite3_reset(nota);
                lidos.push_back({sqlite3_column_int64(itens, 0), sqlite3_column_double(itens, 16)});
            }
            sqlite3_reset(itens);
            for (const auto& [rowid, quantidade] : lidos) {
                q += quantidade;
                sqlite3_bind_double(item, 1, v / 2);
                sqlite3_bind_double(item, 2, q == 0 ? 0 : v / q);
                sqlite3_bind_int64(item, 3, rowid);
                passo(db, item);
            }
            sqlite3_bind_double(saldo, 1, v);
            sqlite3_bind_double(saldo, 2, q);
            sqlite3_bind_int64(saldo, 3, linha);
            passo(db, saldo);
        }
        sqlite3_reset(linhas);
        sqlite3_bind_double(produto, 1, 2.5);
        sqlite3_bind_int(produto, 2, c);
        passo(db, produto);
        QElapsedTimer confirmacao;
        confirmacao.start();
        exec(db, "COMMIT");
        *confirmacoes += confirmacao.nsecsElapsed();
    }
    const double t = segundos(relogio.nsecsElapsed());
    for (sqlite3_stmt* st : {linhas, anterior, itens, nota, hist, item, saldo, produto})
        sqlite3_finalize(st);
    return t;
}

// What the disk alone costs: one durable commit per product.
double Confirmacoes(sqlite3* db) {
    sqlite3_stmt* st = preparar(db, "UPDATE ESTPROMA SET QTD_FIS = ? WHERE Filial = 1 AND "
                                    "Cod_Reduz = ?");
    QElapsedTimer relogio;
    relogio.start();
    for (int c = 1; c <= Produtos; ++c) {
        exec(db, "BEGIN IMMEDIATE");
        sqlite3_bind_double(st, 1, c);
        sqlite3_bind_int(st, 2, c);
        passo(db, st);
        exec(db, "COMMIT");
    }
    sqlite3_finalize(st);
    return segundos(relogio.nsecsElapsed());
}

void Imprimir(const char* nome, const Execucao& e) {
    const TemposCustoMedio& t = e.tempos;
    const double resto =
        e.total - segundos(t.caminhada + t.consultas + t.gravacoes + t.confirmacoes);
    std::printf("%-6s total %6.3f s = walk %6.3f + look-ups %6.3f + row writes %6.3f + commits "
                "%6.3f + products walked and locked %6.3f   (%lld items written, %lld commits)\n",
                nome, e.total, segundos(t.caminhada), segundos(t.consultas), segundos(t.gravacoes),
                segundos(t.confirmacoes), resto, t.itensGravados, t.transacoes);
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    Caminhos::atual().mapear("C:", dir.path());
    QDir(dir.path()).mkpath("BENCH");
    SessaoBanco::padrao().definirAlias("Orvalo", {"PATH=C:\\BENCH"});
    RegistrarTodasTabelas();
    Sess().Filial = 1;
    for (const char* nome : {"HISTEST", "ESTPROMA", "SLDPR", "NOTAS", "NOTAI"}) {
        Tabela t(nome);
        t.abrir();
    }
    const QString arquivo = dir.path() + "/BENCH/" + BancoSqlite::ArquivoBanco;
    sqlite3* db = nullptr;
    sqlite3_open(arquivo.toUtf8().constData(), &db);
    exec(db, "PRAGMA journal_mode=WAL");
    exec(db, "PRAGMA synchronous=FULL");
    sqlite3_busy_timeout(db, 10000);
    Povoar(db);
    // The rows start on the database file, as after a quiet night.
    exec(db, "PRAGMA wal_checkpoint(TRUNCATE)");
    std::printf("%d products, %d items in the month\n", Produtos, Produtos * ItensPorProduto);

    const Execucao primeira = Bulk();
    Imprimir("bulk", primeira);
    Imprimir("rerun", Bulk());
    qint64 confirmacoesBrutas = 0;
    const double bruto = Bruto(db, &confirmacoesBrutas);
    std::printf("raw    total %6.3f s, of which commits %6.3f   ratio bulk / raw %.2f\n", bruto,
                segundos(confirmacoesBrutas), primeira.total / bruto);
    std::printf("floor  %6.3f s for %d durable commits of one row each on this disk\n",
                Confirmacoes(db), Produtos);
    std::printf("target   bulk under 3 s: %s\n", primeira.total < 3 ? "met" : "NOT MET");
    sqlite3_close(db);
    return 0;
}
