// Values on their way into a table: what a field cannot hold is refused,
// never cut, wrapped or reinterpreted, whether it comes through a cursor
// or an SQL statement; texts round-trip; a post writes only what changed;
// files of an earlier version gain the type checks without losing a row.
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "store/BancoSqlite.h"
#include "store/DefTabela.h"
#include "store/ErroBanco.h"

#include <QFile>
#include <QRandomGenerator>
#include <cmath>

namespace {

class Valores : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        Definicao("TesteVal")
            .longInt("Codigo")
            .shortInt("Curto")
            .longInt("Longo")
            .number("Numero")
            .money("Dinheiro")
            .texto("Nome", 10)
            .data("Dia")
            .hora("Hora")
            .dataHora("Momento")
            .logico("Ativo")
            .memo("Obs")
            .chave({"Codigo"})
            .registrar();
        t.abrir();
        t.incluir();
        t.campo("Codigo").definir(1);
        t.gravar();
    }
    QString erro(const char* campo, const QVariant& v) {
        t.editar();
        QString texto;
        try {
            t.campo(campo).definir(v);
        } catch (const ErroBanco& e) {
            texto = e.texto();
        }
        t.cancelar();
        return texto;
    }
    QString erroSql(const QString& sql) {
        try {
            ExecutarSql({sql});
        } catch (const ErroBanco& e) {
            return e.texto();
        }
        return QString();
    }
    Tabela t{"TesteVal"};
};

TEST_F(Valores, WhatAFieldCannotHoldIsRefusedWithItsReason) {
    const struct {
        const char* campo;
        QVariant valor;
        const char* mensagem;
    } casos[] = {
        {"Numero", "1,5", "Valor inválido para o campo 'Numero' (número): '1,5'"},
        {"Numero", "1.234,5", "Valor inválido para o campo 'Numero' (número): '1.234,5'"},
        {"Numero", "12abc", "Valor inválido para o campo 'Numero' (número): '12abc'"},
        {"Numero", "inf", "Valor inválido para o campo 'Numero' (número): 'inf'"},
        {"Longo", "7,9",
         "Valor inválido para o campo 'Longo' (inteiro de -2147483648 a "
         "2147483647): '7,9'"},
        {"Longo", "7.9",
         "Valor inválido para o campo 'Longo' (inteiro de -2147483648 a "
         "2147483647): '7.9'"},
        {"Longo", 7.9,
         "Valor inválido para o campo 'Longo' (inteiro de -2147483648 a "
         "2147483647): '7.9'"},
        {"Curto", 40000,
         "Valor fora dos limites do campo 'Curto' (inteiro de -32768 a 32767): "
         "40000"},
        {"Longo", qint64(3000000000),
         "Valor fora dos limites do campo 'Longo' (inteiro de "
         "-2147483648 a 2147483647): 3000000000"},
        {"Dinheiro", 1e16,
         "Valor fora dos limites do campo 'Dinheiro' (valor com até quatro "
         "decimais): 1e+16"},
        {"Dia", QDate(10000, 1, 1),
         "Valor inválido para o campo 'Dia' (data de 01/01/0001 a "
         "31/12/9999): ''"},
        {"Dia", "31/02/2026",
         "Valor inválido para o campo 'Dia' (data de 01/01/0001 a "
         "31/12/9999): '31/02/2026'"},
        {"Dia", "2026-03-05x",
         "Valor inválido para o campo 'Dia' (data de 01/01/0001 a "
         "31/12/9999): '2026-03-05x'"},
        {"Ativo", 2, "Valor inválido para o campo 'Ativo' (lógico): '2'"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(erro(c.campo, c.valor), c.mensagem) << c.campo << ' ' << c.mensagem;
    t.atualizar();
    EXPECT_EQ(TextoTabela("TesteVal"), "1||||||||||");
}

TEST_F(Valores, TextCountsCharactersAndNeverSplitsAPair) {
    const QString emoji = QString::fromUtf8("\xF0\x9F\x8E\xA8"); // two UTF-16 units
    t.editar();
    t.campo("Nome").definir(emoji.repeated(12));
    t.gravar();
    EXPECT_EQ(t.campo("Nome").texto(), emoji.repeated(10));
    t.editar();
    t.campo("Nome").definir("abcdefghi" + emoji + "z");
    t.gravar();
    EXPECT_EQ(t.campo("Nome").texto(), "abcdefghi" + emoji);
}

TEST_F(Valores, MoneyKeepsFourDecimalsTiesToEven) {
    const struct {
        double escrito, lido;
    } casos[] = {{2.34565, 2.3456},   {2.34575, 2.3458}, {0.1 + 0.2, 0.3},
                 {-2.34565, -2.3456}, {-0.00005, 0},     {922337203685477.0, 922337203685477.0}};
    for (const auto& c : casos) {
        t.editar();
        t.campo("Dinheiro").definir(c.escrito);
        t.gravar();
        EXPECT_EQ(t.campo("Dinheiro").numero(), c.lido) << c.escrito;
    }
}

// Every field type: random values written, read as text, written back
// from that text and read again give the same text and value.
TEST_F(Valores, TextReadBackWritesTheSameValue) {
    QRandomGenerator g(20261206);
    auto aleatorio = [&](TipoCampo tipo) -> QVariant {
        switch (tipo) {
        case TipoCampo::Short:
            return int(g.bounded(65536)) - 32768;
        case TipoCampo::Long:
            return int(g.generate());
        case TipoCampo::Number: {
            const double d = std::ldexp(g.generateDouble() - 0.5, int(g.bounded(120)) - 60);
            return d;
        }
        case TipoCampo::Money:
            return double(qint64(g.generate64() % 2000000000000000ULL) - 1000000000000000LL) /
                   10000.0 * (g.bounded(2) ? 1 : 1e-6);
        case TipoCampo::Texto: {
            QString s;
            for (int i = 0, n = int(g.bounded(1, 11)); i < n; ++i)
                s += QChar(char16_t(g.bounded(0x20, 0x250)));
            return s;
        }
        case TipoCampo::Data:
            return QDate(int(g.bounded(1, 10000)), 1, 1).addDays(g.bounded(365));
        case TipoCampo::Hora:
            return QTime(0, 0).addSecs(int(g.bounded(86400)));
        case TipoCampo::DataHora:
            return QDateTime(QDate(int(g.bounded(1, 10000)), 6, 1),
                             QTime(0, 0).addSecs(int(g.bounded(86400))));
        case TipoCampo::Logico:
            return g.bounded(2) == 1;
        default:
            return QString::number(g.generate64());
        }
    };
    for (int vez = 0; vez < 300; ++vez) {
        for (int c = 1; c < t.quantidadeCampos(); ++c) {
            const Campo campo = t.campo(c);
            t.editar();
            t.campo(c).definir(aleatorio(campo.tipo()));
            t.gravar();
            const QString texto = t.campo(c).texto();
            const QVariant valor = t.campo(c).valor();
            t.editar();
            t.campo(c).definir(texto);
            t.gravar();
            ASSERT_EQ(t.campo(c).texto(), texto) << campo.nome().toStdString();
            ASSERT_EQ(t.campo(c).valor(), valor) << campo.nome().toStdString();
        }
    }
}

TEST_F(Valores, PostWritesOnlyTheFieldsThatChanged) {
    SessaoBanco estacao2;
    Tabela t2("TesteVal", &estacao2);
    t2.abrir();
    t.editar(); // read while Nome was blank
    t.campo("Numero").definir(5);
    ExecutarSql({"UPDATE TesteVal SET Nome = 'Outra' WHERE Codigo = 1"});
    t.gravar();
    EXPECT_EQ(TextoTabela("TesteVal"), "1|||5||Outra|||||");
    t2.atualizar();
    EXPECT_EQ(t2.campo("Nome").texto(), "Outra");
}

TEST_F(Valores, TheFileItselfRefusesWhatAFieldCannotHold) {
    const struct {
        const char* sql;
        const char* mensagem;
    } casos[] = {
        {"UPDATE TesteVal SET Nome = '12345678901'",
         "Valor inválido para o campo Nome (texto de até 10 caracteres)"},
        // The server refuses a text its type cannot read before any check.
        {"UPDATE TesteVal SET Numero = 'abc'",
         TestesNoServidor() ? "Valor inválido: invalid input syntax for type double precision: "
                              "\"abc\""
                            : "Valor inválido para o campo Numero (número)"},
        {"UPDATE TesteVal SET Dia = '31.02.2026'",
         "Valor inválido para o campo Dia (data de 01/01/0001 a 31/12/9999)"},
        {"UPDATE TesteVal SET Dia = '2026-02-31'",
         "Valor inválido para o campo Dia (data de 01/01/0001 a 31/12/9999)"},
        {"UPDATE TesteVal SET Curto = 32768",
         "Valor inválido para o campo Curto (inteiro de -32768 a 32767)"},
        {"UPDATE TesteVal SET Longo = 1.5",
         "Valor inválido para o campo Longo (inteiro de -2147483648 a 2147483647)"},
        {"UPDATE TesteVal SET Ativo = 'True'",
         TestesNoServidor() ? "Valor inválido: invalid input syntax for type integer: \"True\""
                            : "Valor inválido para o campo Ativo (lógico)"},
        {"UPDATE TesteVal SET Hora = '25:00:00'", "Valor inválido para o campo Hora (hora)"},
        {"UPDATE TesteVal SET Dinheiro = 1e16",
         "Valor inválido para o campo Dinheiro (valor com até quatro decimais)"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(erroSql(c.sql), c.mensagem) << c.sql;
    EXPECT_EQ(erroSql("UPDATE TesteVal SET Nome = '1234567890', Numero = '1.5', Dia = "
                      "'29.02.2028', Curto = '12', Ativo = True"),
              "");
    EXPECT_EQ(TextoTabela("TesteVal"), "1|12||1.5||1234567890|29/02/2028|||True|");
    if (TestesNoServidor())
        return;
    // Another program writing to the file meets the same rules.
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(host("C:\\EMPRESA1") + "/PCP.sqlite").constData(), &db);
    EXPECT_EQ(
        sqlite3_exec(db, "UPDATE TesteVal SET Nome = 'abcdefghijk'", nullptr, nullptr, nullptr),
        SQLITE_CONSTRAINT);
    sqlite3_close(db);
}

TEST_F(Valores, AnOlderFileGainsTheChecksAndKeepsEveryRow) {
    if (TestesNoServidor())
        GTEST_SKIP() << "files written by an earlier version of the directory store";
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(host("C:\\EMPRESA1") + "/PCP.sqlite").constData(), &db);
    for (const char* sql : {
             "CREATE TABLE TesteAntiga (\"Codigo\" INTEGER, \"Nome\" VARCHAR(5), \"Dia\" DATE)",
             "CREATE UNIQUE INDEX \"TesteAntiga__PK\" ON TesteAntiga (\"Codigo\")",
             "INSERT INTO TesteAntiga VALUES (1, 'abc', '2026-03-05')",
             "INSERT INTO TesteAntiga VALUES (2, NULL, NULL)",
             "CREATE TABLE TesteRuim (\"Codigo\" INTEGER, \"Nome\" VARCHAR(5))",
             "INSERT INTO TesteRuim VALUES (1, 'longo demais')",
             "INSERT INTO TesteRuim VALUES (2, 'ok')",
         })
        ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql;
    sqlite3_close(db);

    EXPECT_EQ(TextoTabela("TesteAntiga"), "1|abc|05/03/2026\n2||");
    EXPECT_EQ(erroSql("UPDATE TesteAntiga SET Nome = '123456'"),
              "Valor inválido para o campo Nome (texto de até 5 caracteres)");
    Tabela a("TesteAntiga");
    a.abrir();
    a.incluir();
    a.campo("Codigo").definir(1);
    EXPECT_THROW(a.gravar(), ErroBanco); // the key index came across
    a.cancelar();

    // A row the checks would refuse keeps the table as it was, and is listed.
    EXPECT_EQ(TextoTabela("TesteRuim"), "1|longo demais\n2|ok");
    QFile relatorio(host("C:\\EMPRESA1") + "/PCP.verificacao.txt");
    ASSERT_TRUE(relatorio.open(QIODevice::ReadOnly));
    const QString texto = QString::fromUtf8(relatorio.readAll());
    EXPECT_TRUE(
        texto.contains("TesteRuim\tlinha 1\tNome\t'longo demais'\ttexto de até 5 caracteres"))
        << texto.toStdString();
}

} // namespace
