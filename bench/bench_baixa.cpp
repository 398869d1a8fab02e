// The raw-material write-off at a real size: 5,000 sales notes of a month,
// each with 3 items naming formulas of 4 components, run as the window
// runs it (one transaction per note), then again (each note's earlier
// write-off deleted and written anew), and raw SQLite doing the same
// reads, deletes, writes and commits. Prints notes per second.
// Target: the first run under 5 s.
#include "SqliteBruto.h"
#include "formulas/BaixaMateriaPrima.h"
#include "session/Sessao.h"
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
#include <cstdlib>
#include <vector>

namespace {
constexpr int Notas = 5000;
constexpr int ItensPorNota = 3;
constexpr int Formulas = 200;
constexpr int ComponentesPorFormula = 4;
constexpr int MateriasPrimas = 60;

QByteArray DataDaNota(int nota) {
    return QString::asprintf("2008-02-%02d", nota % 28 + 1).toLatin1();
}

void Povoar(sqlite3* db) {
    exec(db, "BEGIN");
    exec(db, "INSERT INTO HISTEST (Est_Hist, Param_Hist) VALUES (51, 51), (52, 52)");
    sqlite3_stmt* p =
        preparar(db, "INSERT INTO ESTPROMA (Filial, Cod_Reduz, NOME1) VALUES (1, ?, ?)");
    for (int c = 1; c <= MateriasPrimas + 1; ++c) {
        const QByteArray nome = "MATERIA PRIMA " + QByteArray::number(c);
        sqlite3_bind_int(p, 1, c == MateriasPrimas + 1 ? 9001 : c);
        sqlite3_bind_text(p, 2, nome.constData(), int(nome.size()), SQLITE_TRANSIENT);
        passo(db, p);
    }
    sqlite3_finalize(p);
    sqlite3_stmt* f =
        preparar(db, "INSERT INTO Formula (Filial, Formula, Cod_Reduz) VALUES (1, ?, 9001)");
    sqlite3_stmt* fi = preparar(db, "INSERT INTO Formulai (Filial, Formula, OrdComp, Componente, "
                                    "QUANTIDADE, Percentual) VALUES (1, ?, ?, ?, ?, ?)");
    for (int n = 1; n <= Formulas; ++n) {
        const QByteArray numero = QByteArray::number(n);
        sqlite3_bind_text(f, 1, numero.constData(), int(numero.size()), SQLITE_TRANSIENT);
        passo(db, f);
        for (int c = 1; c <= ComponentesPorFormula; ++c) {
            sqlite3_bind_text(fi, 1, numero.constData(), int(numero.size()), SQLITE_TRANSIENT);
            sqlite3_bind_int(fi, 2, c);
            sqlite3_bind_int(fi, 3, (n * 7 + c * 13) % MateriasPrimas + 1);
            sqlite3_bind_double(fi, 4, 25);
            sqlite3_bind_double(fi, 5, 25);
            passo(db, fi);
        }
    }
    sqlite3_finalize(f);
    sqlite3_finalize(fi);
    sqlite3_stmt* s = preparar(db, "INSERT INTO NOTAS (Filial, Num_Nota, Tipo_Nota, Cod_Clifor, "
                                   "DT_ENTRADA, Est_Hist) VALUES (1, ?, 1, 10, ?, 51)");
    sqlite3_stmt* i = preparar(
        db, "INSERT INTO NOTAI (Filial, Num_Nota, Tipo_Nota, Cod_Clifor, DT_ENTRADA, Num_Item, "
            "Cod_Reduz, FORMULA, QUANTIDADE) VALUES (1, ?, 1, 10, ?, ?, 9001, ?, ?)");
    for (int n = 1; n <= Notas; ++n) {
        const QByteArray data = DataDaNota(n);
        sqlite3_bind_int(s, 1, n);
        sqlite3_bind_text(s, 2, data.constData(), int(data.size()), SQLITE_TRANSIENT);
        passo(db, s);
        for (int k = 1; k <= ItensPorNota; ++k) {
            const QByteArray formula = QByteArray::number((n * 31 + k) % Formulas + 1);
            sqlite3_bind_int(i, 1, n);
            sqlite3_bind_text(i, 2, data.constData(), int(data.size()), SQLITE_TRANSIENT);
            sqlite3_bind_int(i, 3, k);
            sqlite3_bind_text(i, 4, formula.constData(), int(formula.size()), SQLITE_TRANSIENT);
            sqlite3_bind_double(i, 5, 1 + (n + k) % 40);
            passo(db, i);
        }
    }
    sqlite3_finalize(s);
    sqlite3_finalize(i);
    exec(db, "COMMIT");
}

struct Execucao {
    double segundos;
    ResultadoBaixa r;
};

Execucao Baixa() {
    ParametrosBaixa p;
    p.dataInicial = QDate(2008, 2, 1);
    p.dataFinal = QDate(2008, 2, 29);
    p.historicoVenda = 51;
    p.historicoBaixa = 52;
    p.fornecedor = 5101;
    BaixaMateriaPrima b;
    QElapsedTimer relogio;
    relogio.start();
    const ResultadoBaixa r = b.executar(p);
    return {double(relogio.nsecsElapsed()) / 1e9, r};
}

// The same work straight on SQLite, one transaction per note.
double Bruto(sqlite3* db) {
    sqlite3_stmt* notas = preparar(db, "SELECT Num_Nota, Tipo_Nota, Cod_Clifor, DT_ENTRADA, "
                                       "Est_Hist FROM NOTAS WHERE Filial = 1 AND DT_ENTRADA >= "
                                       "'2008-02-01' AND DT_ENTRADA <= '2008-02-29' AND "
                                       "Tipo_Nota = 1 ORDER BY Num_Nota");
    sqlite3_stmt* anterior = preparar(db, "SELECT rowid FROM NOTAS WHERE Filial = 1 AND Num_Nota "
                                          "= ? AND Tipo_Nota = 3 AND Cod_Clifor = 5101 AND "
                                          "DT_ENTRADA = ?");
    std::vector<sqlite3_stmt*> apagar;
    for (const char* t : {"nfe_notai_veic", "nfe_notai_medicamentos", "Nfe_notai_imp", "NOTAI3",
                          "NOTAI", "NOTAS3", "NOTAS"})
        apagar.push_back(preparar(db, (QByteArray("DELETE FROM ") + t +
                                       " WHERE Filial = 1 AND Num_Nota = ? AND Tipo_Nota = 3 AND "
                                       "Cod_Clifor = 5101 AND DT_ENTRADA = ?")
                                          .constData()));
    sqlite3_stmt* cabecalho = preparar(
        db, "INSERT INTO NOTAS (Filial, Num_Nota, Tipo_Nota, Cod_Clifor, DT_ENTRADA, Est_Hist, "
            "SISTEMA, DT_LANCAM, DT_EMISSAO, OBSERVACAO) VALUES (1, ?, 3, 5101, ?, 52, 'E', "
            "'2026-12-06', ?, 'BAIXA MATERIA PRIMA')");
    sqlite3_stmt* itens = preparar(db, "SELECT FORMULA, QUANTIDADE, Num_Nota, DT_ENTRADA FROM "
                                       "NOTAI WHERE Filial = 1 AND Num_Nota = ? AND Tipo_Nota = 1 "
                                       "AND Cod_Clifor = 10 AND DT_ENTRADA = ? ORDER BY Num_Item");
    sqlite3_stmt* formula =
        preparar(db, "SELECT rowid FROM Formula WHERE Filial = 1 AND Formula = ?");
    sqlite3_stmt* componentes = preparar(db, "SELECT Componente, Percentual FROM Formulai WHERE "
                                             "Filial = 1 AND Formula = ? ORDER BY OrdComp");
    sqlite3_stmt* nome =
        preparar(db, "SELECT NOME1 FROM ESTPROMA WHERE Filial = 1 AND Cod_Reduz = ?");
    sqlite3_stmt* item = preparar(
        db, "INSERT INTO NOTAI (Filial, Num_Nota, Tipo_Nota, Cod_Clifor, DT_ENTRADA, Num_Item, "
            "Cod_Reduz, DESCR_PROD, QUANTIDADE, Parametro, Cod_Deposi, DT_LANCAM, ANO_MES) VALUES "
            "(1, ?, 3, 5101, ?, ?, ?, ?, ?, 51, 1, '2026-12-06', '200802')");
    QElapsedTimer relogio;
    relogio.start();
    struct Nota {
        int numero;
        QByteArray data;
    };
    std::vector<Nota> lista;
    while (sqlite3_step(notas) == SQLITE_ROW)
        lista.push_back({sqlite3_column_int(notas, 0),
                         QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(notas, 3)))});
    sqlite3_reset(notas);
    for (const Nota& n : lista) {
        exec(db, "BEGIN IMMEDIATE");
        sqlite3_bind_int(anterior, 1, n.numero);
        sqlite3_bind_text(anterior, 2, n.data.constData(), int(n.data.size()), SQLITE_STATIC);
        const bool existe = sqlite3_step(anterior) == SQLITE_ROW;
        sqlite3_reset(anterior);
        if (existe)
            for (sqlite3_stmt* st : apagar) {
                sqlite3_bind_int(st, 1, n.numero);
                sqlite3_bind_text(st, 2, n.data.constData(), int(n.data.size()), SQLITE_STATIC);
                passo(db, st);
            }
        sqlite3_bind_int(cabecalho, 1, n.numero);
        sqlite3_bind_text(cabecalho, 2, n.data.constData(), int(n.data.size()), SQLITE_STATIC);
        sqlite3_bind_text(cabecalho, 3, n.data.constData(), int(n.data.size()), SQLITE_STATIC);
        passo(db, cabecalho);
        sqlite3_bind_int(itens, 1, n.numero);
        sqlite3_bind_text(itens, 2, n.data.constData(), int(n.data.size()), SQLITE_STATIC);
        int numItem = 0;
        while (sqlite3_step(itens) == SQLITE_ROW) {
            const QByteArray f(reinterpret_cast<const char*>(sqlite3_column_text(itens, 0)));
            const double vendido = sqlite3_column_double(itens, 1);
            sqlite3_bind_text(formula, 1, f.constData(), int(f.size()), SQLITE_STATIC);
            const bool achou = sqlite3_step(formula) == SQLITE_ROW;
            sqlite3_reset(formula);
            if (!achou)
                continue;
            sqlite3_bind_text(componentes, 1, f.constData(), int(f.size()), SQLITE_STATIC);
            while (sqlite3_step(componentes) == SQLITE_ROW) {
                const int produto = sqlite3_column_int(componentes, 0);
                sqlite3_bind_int(nome, 1, produto);
                QByteArray descricao;
                if (sqlite3_step(nome) == SQLITE_ROW)
                    descricao = reinterpret_cast<const char*>(sqlite3_column_text(nome, 0));
                sqlite3_reset(nome);
                sqlite3_bind_int(item, 1, n.numero);
                sqlite3_bind_text(item, 2, n.data.constData(), int(n.data.size()), SQLITE_STATIC);
                sqlite3_bind_int(item, 3, ++numItem);
                sqlite3_bind_int(item, 4, produto);
                sqlite3_bind_text(item, 5, descricao.constData(), int(descricao.size()),
                                  SQLITE_TRANSIENT);
                sqlite3_bind_double(item, 6, vendido * sqlite3_column_double(componentes, 1) / 100);
                passo(db, item);
            }
            sqlite3_reset(componentes);
        }
        sqlite3_reset(itens);
        exec(db, "COMMIT");
    }
    const double t = double(relogio.nsecsElapsed()) / 1e9;
    for (sqlite3_stmt* st : apagar)
        sqlite3_finalize(st);
    for (sqlite3_stmt* st : {notas, anterior, cabecalho, itens, formula, componentes, nome, item})
        sqlite3_finalize(st);
    return t;
}

// What the disk alone costs: one durable commit of one row per note.
double Confirmacoes(sqlite3* db) {
    exec(db, "CREATE TABLE IF NOT EXISTS chao (n INTEGER)");
    sqlite3_stmt* st = preparar(db, "INSERT INTO chao VALUES (?)");
    QElapsedTimer relogio;
    relogio.start();
    for (int n = 1; n <= Notas; ++n) {
        exec(db, "BEGIN IMMEDIATE");
        sqlite3_bind_int(st, 1, n);
        passo(db, st);
        exec(db, "COMMIT");
    }
    sqlite3_finalize(st);
    return double(relogio.nsecsElapsed()) / 1e9;
}

void Imprimir(const char* nome, const Execucao& e) {
    std::printf("%-6s %6.3f s  %5d notes  %6d items  %7.0f notes/s%s\n", nome, e.segundos,
                e.r.notasBaixadas, e.r.itensGravados, e.r.notasBaixadas / e.segundos,
                e.r.concluido ? "" : "  (stopped)");
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
    for (const char* nome :
         {"HISTEST", "ESTPROMA", "Formula", "Formulai", "NOTAS", "NOTAI", "NOTAS3", "NOTAI3",
          "nfe_notai_veic", "nfe_notai_medicamentos", "Nfe_notai_imp"}) {
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
    exec(db, "PRAGMA wal_checkpoint(TRUNCATE)");
    std::printf("%d sales notes of %d formula items, %d components each\n", Notas, ItensPorNota,
                ComponentesPorFormula);

    const Execucao primeira = Baixa();
    Imprimir("first", primeira);
    const Execucao segunda = Baixa();
    Imprimir("rerun", segunda);
    const double bruto = Bruto(db);
    std::printf("raw    %6.3f s  the rerun's work straight on SQLite   rerun / raw %.2f\n", bruto,
                segunda.segundos / bruto);
    std::printf("floor  %6.3f s for %d durable commits of one row each on this disk\n",
                Confirmacoes(db), Notas);
    std::printf("target   first run under 5 s: %s\n", primeira.segundos < 5 ? "met" : "NOT MET");
    sqlite3_close(db);
    return 0;
}
