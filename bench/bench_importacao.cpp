// Import of a large Paradox table: 1,000,000 rows of the stock items table
// (NOTAI; while the program has no definition of it, the formula table,
// whose rows carry every kind of field, memo included) written with pxlib,
// then read alone, imported into a company directory through the store,
// and inserted by raw SQLite from the same reader in one transaction.
// Prints rows per second and the ratio import / raw.
//
//   bench_importacao [LINHAS] [PASTA]
//
// The Paradox table is kept in PASTA (default /tmp/pcp-bench-paradox) and
// reused by later runs with the same row count.
#include "importacao/EscritorParadox.h"
#include "importacao/ImportacaoParadox.h"
#include "importacao/TabelaParadox.h"
#include "store/Caminhos.h"
#include "store/DefTabela.h"
#include "store/SessaoBanco.h"
#include "store/tabelas/Tabelas.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <sqlite3.h>

namespace {
double segundos(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e9;
}

// Row `i` of the table: every key distinct (the key fields count as the
// digits of i, the last one the least significant), the rest varied.
std::vector<QVariant> linhaGerada(const DefTabela& def, qint64 i) {
    std::vector<QVariant> v(def.campos.size());
    qint64 resto = i;
    for (auto c = def.chavePrimaria.crbegin(); c != def.chavePrimaria.crend(); ++c) {
        const DefCampo& campo = def.campos[size_t(def.indiceCampo(*c))];
        const qint64 base = campo.tipo == TipoCampo::Short ? 30000
                            : campo.tipo == TipoCampo::Texto
                                ? qint64(std::pow(10, std::min(campo.tamanho, 9)))
                                : 2000000000;
        const qint64 digito = resto % base;
        resto /= base;
        v[size_t(def.indiceCampo(*c))] =
            campo.tipo == TipoCampo::Texto
                ? QVariant(QString::number(digito).rightJustified(std::min(campo.tamanho, 9), '0'))
                : QVariant(int(digito) + (c + 1 == def.chavePrimaria.crend() ? 1 : 0));
    }
    for (size_t k = 0; k < def.campos.size(); ++k) {
        if (v[k].isValid())
            continue;
        const DefCampo& c = def.campos[k];
        switch (c.tipo) {
        case TipoCampo::Short:
            v[k] = int(i % 300);
            break;
        case TipoCampo::Long:
        case TipoCampo::AutoInc:
            v[k] = int(i % 100000);
            break;
        case TipoCampo::Number:
            v[k] = double(i % 9973) / 7.0;
            break;
        case TipoCampo::Money:
            v[k] = double(i % 100000) / 100.0;
            break;
        case TipoCampo::Texto:
            v[k] = QString("Ação %1 cor âmbar").arg(i).left(c.tamanho);
            break;
        case TipoCampo::Data:
            v[k] = QDate(2015, 1, 1).addDays(i % 3650);
            break;
        case TipoCampo::Hora:
            v[k] = QTime(8, 0).addSecs(int(i % 36000));
            break;
        case TipoCampo::DataHora:
            v[k] = QDateTime(QDate(2015, 1, 1).addDays(i % 3650), QTime(12, 0), Qt::UTC);
            break;
        case TipoCampo::Logico:
            v[k] = i % 2 == 0;
            break;
        case TipoCampo::Memo:
            if (i % 100 == 0)
                v[k] = QString("Observação da linha %1, guardada no arquivo de memos.").arg(i);
            break;
        }
    }
    return v;
}

void exec(sqlite3* db, const char* sql) {
    char* erro = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &erro) != SQLITE_OK) {
        std::fprintf(stderr, "%s: %s\n", sql, erro);
        std::exit(1);
    }
}

// The same rows, from the same reader, into a plain SQLite table.
double inserirBruto(const QString& arquivoDb, const QString& pasta) {
    sqlite3* db = nullptr;
    sqlite3_open((pasta + "/bruto.sqlite").toUtf8().constData(), &db);
    exec(db, "PRAGMA journal_mode=WAL");
    exec(db, "PRAGMA synchronous=FULL");
    TabelaParadox px;
    QString erro;
    px.abrir(arquivoDb, erro);
    QStringList colunas, marcas;
    for (const CampoParadox& c : px.campos()) {
        colunas << '"' + c.nome + '"';
        marcas << "?";
    }
    exec(db, ("CREATE TABLE t (" + colunas.join(", ") + ")").toUtf8().constData());
    QElapsedTimer relogio;
    relogio.start();
    exec(db, "BEGIN");
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db,
                       ("INSERT INTO t VALUES (" + marcas.join(", ") + ")").toUtf8().constData(),
                       -1, &st, nullptr);
    std::vector<QVariant> valores;
    std::vector<AvisoTexto> avisos;
    for (int i = 0; i < px.linhas(); ++i) {
        px.ler(i, valores, avisos, erro);
        for (size_t k = 0; k < valores.size(); ++k) {
            const QVariant& v = valores[k];
            const int p = int(k) + 1;
            if (!v.isValid())
                sqlite3_bind_null(st, p);
            else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::Bool)
                sqlite3_bind_int(st, p, v.toInt());
            else if (v.typeId() == QMetaType::Double)
                sqlite3_bind_double(st, p, v.toDouble());
            else {
                const QByteArray t = v.typeId() == QMetaType::QDate
                                         ? v.toDate().toString(Qt::ISODate).toUtf8()
                                         : v.toString().toUtf8();
                sqlite3_bind_text(st, p, t.constData(), int(t.size()), SQLITE_TRANSIENT);
            }
        }
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    exec(db, "COMMIT");
    const double s = segundos(relogio);
    sqlite3_close(db);
    return s;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int linhas = argc > 1 ? QString(argv[1]).toInt() : 1000000;
    const QString cache = argc > 2 ? QString(argv[2]) : QString("/tmp/pcp-bench-paradox");
    RegistrarTodasTabelas();
    const DefTabela* def = CatalogoTabelas::buscar("NOTAI");
    if (!def) {
        def = CatalogoTabelas::buscar("Formula");
        std::printf("NOTAI não está definida neste programa: usando Formula (%zu campos).\n",
                    def->campos.size());
    }
    const QString origem = QString("%1/%2-%3").arg(cache, def->nome).arg(linhas);
    const QString arquivoDb = origem + "/" + def->nome + ".DB";

    TabelaParadox existente;
    QString erro;
    if (!existente.abrir(arquivoDb, erro) || existente.linhas() != linhas) {
        existente.fechar();
        QDir(origem).removeRecursively();
        QDir().mkpath(origem);
        QElapsedTimer relogio;
        relogio.start();
        EscritorParadox px(arquivoDb, CamposParadoxDe(*def), 850);
        for (int i = 0; i < linhas; ++i)
            px.adicionar(linhaGerada(*def, i));
        px.fechar();
        std::printf("Gerada com pxlib: %d linhas em %.1f s\n", linhas, segundos(relogio));
    }
    existente.fechar();

    QElapsedTimer relogio;
    relogio.start();
    {
        TabelaParadox px;
        px.abrir(arquivoDb, erro);
        std::vector<QVariant> valores;
        std::vector<AvisoTexto> avisos;
        for (int i = 0; i < px.linhas(); ++i)
            px.ler(i, valores, avisos, erro);
    }
    const double leitura = segundos(relogio);

    QTemporaryDir destino;
    Caminhos::atual().mapear("C:", destino.path());
    QDir(destino.path()).mkpath("BENCH");
    SessaoBanco::padrao().definirAlias("Orvalo", {"PATH=C:\\BENCH"});
    ImportacaoParadox importacao(origem, "C:\\BENCH");
    relogio.restart();
    if (!importacao.executar(erro)) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(erro));
        return 1;
    }
    const double importar = segundos(relogio);
    const ResultadoTabela& r = importacao.resultados().first();
    std::printf("%s\n", qUtf8Printable(r.arquivo + ": " + r.texto()));

    const double bruto = inserirBruto(arquivoDb, destino.path());
    std::printf("%-30s %12.0f linhas/s (%.1f s)\n", "Leitura pxlib", linhas / leitura, leitura);
    std::printf("%-30s %12.0f linhas/s (%.1f s)\n", "Importação (store)", linhas / importar,
                importar);
    std::printf("%-30s %12.0f linhas/s (%.1f s)\n", "Leitura + SQLite puro", linhas / bruto, bruto);
    std::printf("Razão importação / SQLite puro: %.2f\n", importar / bruto);
    return 0;
}
