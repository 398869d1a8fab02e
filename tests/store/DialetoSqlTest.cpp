// The legacy SQL forms: their translation, and each one run against the
// real schema of a company directory.
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "store/Consulta.h"
#include "store/DefTabela.h"
#include "store/DialetoSql.h"
#include "store/ErroBanco.h"
#include "store/SessaoBanco.h"
#include "store/Tabela.h"

#include <QDir>

namespace {

// Every table has the date field "Data" among "Codigo", "Data", "Nome".
QString traduzir(const QString& sql) {
    auto tabela = [](const QString& nome) {
        return DialetoSql::Referencia{"T<" + nome + ">", {"CODIGO", "DATA", "NOME"}, {"DATA"}};
    };
    return DialetoSql::traduzir(sql, tabela).instrucoes.join(" ; ");
}

TEST(DialetoSql, TranslatesEachLegacyForm) {
    const struct {
        const char* legado;
        const char* sqlite;
    } casos[] = {
        {"Select *from Clifor", "Select *from T<Clifor>"},
        {"SELECT a FROM \"GruposPorUsuario.DB\" G, \"X.db\" y WHERE G.a = y.b",
         "SELECT a FROM T<GruposPorUsuario.DB> G, T<X.db> y WHERE G.a = y.b"},
        {"select * from ESTPROMA.DB e", "select * from T<ESTPROMA.DB> e"},
        {"DELETE FROM \"C:\\EMPRESA2\\SLDPR.DB\"", "DELETE FROM T<C:\\EMPRESA2\\SLDPR.DB>"},
        {"select * from A inner join \"B.DB\" b on (b.x = A.x)",
         "select * from T<A> inner join T<B.DB> b on (b.x = A.x)"},
        {"select * from X where Data >= '05.03.2026' and Nome = \"O'Brien\" and Ativo = True",
         "select * from T<X> where Data >= '2026-03-05' and Nome = 'O''Brien' and Ativo = 1"},
        {"where extract(month from Data) = 3 and extract(YEAR from (Data)) = 2026",
         "where CAST(strftime('%m', Data) AS INTEGER) = 3 and CAST(strftime('%Y', (Data)) AS "
         "INTEGER) = 2026"},
        {"select substring(Nome from 1 for 3) from T", "select substr(Nome , 1 , 3) from T<T>"},
        {"where Filial = :P-FILIAL and Codigo = :codFil or x = :CodFil",
         "where Filial = ?1 and Codigo = ?2 or x = ?2"},
        {"INSERT INTO \"C:\\E\\A.DB\" SELECT * FROM \"A.DB\" WHERE x IN (1, 2) AND y IS NULL",
         "INSERT INTO T<C:\\E\\A.DB> SELECT * FROM T<A.DB> WHERE x IN (1, 2) AND y IS NULL"},
        {"select x from (select y from Z) q", "select x from (select y from T<Z>) q"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(traduzir(c.legado), c.sqlite) << c.legado;
    EXPECT_EQ(DialetoSql::traduzirExpressao("Filial = 1 and Situacao = '1' and Ok = False"),
              "Filial = 1 and Situacao = '1' and Ok = 0");
}

// For the server: fields named in their stored spelling, "all columns" as
// the fields (the hidden row id is not one), numbers compared with a text
// field as texts, parameters as $N, extract() on the stored date text.
TEST(DialetoSql, TranslatesForTheServer) {
    auto tabela = [](const QString& nome) {
        return DialetoSql::Referencia{
            "s.\"" + nome + '"', {"Codigo", "Data", "Nome"}, {"DATA"}, {"NOME"}};
    };
    const struct {
        const char* legado;
        const char* servidor;
    } casos[] = {
        {"select * from X where codigo = :C and Nome = 5 and rowid > 0",
         "select s.\"X\".\"Codigo\", s.\"X\".\"Data\", s.\"X\".\"Nome\" from s.\"X\" where "
         "\"Codigo\" = $1 and \"Nome\" = '5' and pcp_rowid > 0"},
        {"select a.*, count(*) from X a where extract(month from a.Data) = 3",
         "select a.\"Codigo\", a.\"Data\", a.\"Nome\", count(*) from s.\"X\" a where "
         "CAST(EXTRACT(MONTH FROM CAST( a.\"Data\" AS date)) AS integer) = 3"},
        {"insert into X values (1, '05.03.2026', 'x')",
         "insert into s.\"X\" (\"Codigo\", \"Data\", \"Nome\") values (1, '2026-03-05', 'x')"},
        {"insert into X select * from Y", "insert into s.\"X\" (\"Codigo\", \"Data\", \"Nome\") "
                                          "select s.\"Y\".\"Codigo\", s.\"Y\".\"Data\", "
                                          "s.\"Y\".\"Nome\" from s.\"Y\""},
    };
    for (const auto& c : casos)
        EXPECT_EQ(DialetoSql::traduzir(c.legado, tabela, DialetoSql::Alvo::Postgres)
                      .instrucoes.join(" ; "),
                  c.servidor)
            << c.legado;
}

TEST(DialetoSql, DateLiteralsBecomeDatesOnlyWhereTheyMeetADateColumn) {
    const struct {
        const char* legado;
        const char* sqlite;
    } casos[] = {
        {"select * from X where Data = '05.03.2026' or '06.03.2026' < x.Data",
         "select * from T<X> where Data = '2026-03-05' or '2026-03-06' < x.Data"},
        {"select * from X a where a.Data between '01.03.2026' and '31.03.2026'",
         "select * from T<X> a where a.Data between '2026-03-01' and '2026-03-31'"},
        {"select * from X where Data not in ('01.03.2026', '02.03.2026') and Nome = '01.03.2026'",
         "select * from T<X> where Data not in ('2026-03-01', '2026-03-02') and Nome = "
         "'01.03.2026'"},
        {"update X set Data = '05.03.2026', Nome = '05.03.2026'",
         "update T<X> set Data = '2026-03-05', Nome = '05.03.2026'"},
        {"insert into X (Nome, Data) values ('05.03.2026', '06.03.2026')",
         "insert into T<X> (Nome, Data) values ('05.03.2026', '2026-03-06')"},
        {"insert into X values (1, '05.03.2026', '05.03.2026'), (2, '06.03.2026', 'x')",
         "insert into T<X> values (1, '2026-03-05', '05.03.2026'), (2, '2026-03-06', 'x')"},
        {"select '05.03.2026', Nome from X where Nome in ('05.03.2026')",
         "select '05.03.2026', Nome from T<X> where Nome in ('05.03.2026')"},
        {"select * from X where Data = '31.02.2026'",
         "select * from T<X> where Data = '31.02.2026'"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(traduzir(c.legado), c.sqlite) << c.legado;
}

TEST(DialetoSql, ParametersNeverCollideAndCommentsAreReadAsComments) {
    auto t = DialetoSql::traduzir("select :A-B, :A_H_B, :a-b /* :C */ -- :D\n from X",
                                  [](const QString& n) { return DialetoSql::Referencia{n}; });
    EXPECT_EQ(t.parametros, QStringList({"A-B", "A_H_B"}));
    EXPECT_EQ(t.instrucoes, QStringList({"select ?1, ?2, ?1    \n from X"}));
    EXPECT_EQ(traduzir("select * from /* Y */ X -- where Nome = 'a'"), "select * from   T<X>");
    EXPECT_THROW(traduzir("select * from X /* unterminated"), ErroBanco);
}

TEST(DialetoSql, FiltersCannotReachBeyondTheirParentheses) {
    const char* ruins[] = {
        "Filial = 1) OR (1 = 1", "Filial = 1 -- ", "Filial = 1 /* x */",
        "Filial = 1; DELETE",    "Filial = :F",    "(Filial = 1",
    };
    for (const char* f : ruins)
        EXPECT_THROW(DialetoSql::traduzirExpressao(f), ErroBanco) << f;
    EXPECT_EQ(DialetoSql::traduzirExpressao("Dia >= '01.03.2026' and Nome <> '01.03.2026'",
                                            {"", {"Dia", "Nome"}, {"DIA"}}),
              "Dia >= '2026-03-01' and Nome <> '01.03.2026'");
    const QString nul = QString("UPDATE X SET Nome = 'a'") + QChar(0) + " WHERE Codigo = 1";
    EXPECT_THROW(traduzir(nul), ErroBanco);
}

TEST(DialetoSql, MalformedSqlFailsClearly) {
    EXPECT_THROW(traduzir("select 'abc from X"), ErroBanco);
    EXPECT_THROW(traduzir("select (a from X"), ErroBanco);
    EXPECT_THROW(traduzir("select a) from X"), ErroBanco);
    EXPECT_THROW(traduzir("ALTER TABLE X DROP Y"), ErroBanco);
}

class CorpusSql : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        criarDiretorio("C:\\EMPRESA2");
        executar({"INSERT INTO \"Filial.DB\" (Filial, NOME, DATAPROCES) VALUES (1, 'Matriz', "
                  "'05.03.2026')",
                  "; INSERT INTO Filial (Filial, NOME, DATAPROCES) VALUES (2, 'Loja ção', "
                  "'20.11.2025')"});
        executar({"INSERT INTO ParametrosEmpresa (Filial, NomeParametro, ValorStr, ValorBoolean)",
                  "VALUES (1, 'DirImpTmp', 'C:\\TEMP', True)"});
    }
    void executar(const QStringList& sql) {
        Consulta q;
        q.setSql(sql);
        q.executar();
    }
    QString linhas(const QStringList& sql, const QVariantList& params = {}) {
        Consulta q;
        q.setSql(sql);
        for (int i = 0; i + 1 < params.size(); i += 2)
            q.definirParametro(params[i].toString(), params[i + 1]);
        q.abrir();
        QStringList r;
        for (; !q.eof(); q.proximo()) {
            QStringList c;
            for (int i = 0; i < q.quantidadeCampos(); ++i)
                c << q.campo(i).texto();
            r << c.join('|');
        }
        return r.join('\n');
    }
};

TEST_F(CorpusSql, EachAcceptedFormRunsAgainstTheSchema) {
    EXPECT_EQ(
        linhas({"Select *from ParametrosEmpresa where filial=1 and NomeParametro='DirImpTmp'"})
            .section('|', 0, 3),
        "1|DirImpTmp|True|C:\\TEMP");
    EXPECT_EQ(linhas({"SELECT F.NOME, UPPER(F.NOME) FROM \"Filial.DB\" F",
                      "WHERE F.NOME LIKE '%ção' ORDER BY F.Filial"}),
              "Loja ção|LOJA ÇÃO");
    EXPECT_EQ(linhas({"SELECT NOME FROM Filial WHERE NOME LIKE '%CÃO'"}), "");
    EXPECT_EQ(linhas({"select extract(month from DATAPROCES), extract(year from DATAPROCES)",
                      "from Filial.DB where DATAPROCES < '01.01.2026'"}),
              "11|2025");
    EXPECT_EQ(linhas({"select substring(NOME from 1 for 4), count(*), max(Filial), sum(Filial)",
                      "from Filial where Filial in (1, 2) and DIRCOBOL is null",
                      "group by substring(NOME from 1 for 4) order by 1"}),
              "Loja|1|2|2\nMatr|1|1|1");
    EXPECT_EQ(linhas({"select f.NOME from Filial f inner join ParametrosEmpresa p",
                      "on (p.Filial = f.Filial) where p.NomeParametro = \"DirImpTmp\""}),
              "Matriz");
    EXPECT_EQ(linhas({"select NOME from Filial where Filial = :P-FILIAL"}, {"p-filial", 2}),
              "Loja ção");
    EXPECT_EQ(linhas({"select NOME from Filial where DATAPROCES = :D"}, {"D", QDate(2026, 3, 5)}),
              "Matriz");
}

TEST_F(CorpusSql, StatementsReachAnotherDirectoryByPath) {
    executar(
        {"INSERT INTO \"C:\\EMPRESA2\\Filial.DB\" SELECT * FROM \"Filial.DB\" WHERE Filial = 2"});
    EXPECT_EQ(linhas({"select NOME from \"C:\\empresa2\\FILIAL.DB\""}), "Loja ção");
    executar({"UPDATE \"C:\\EMPRESA2\\Filial.DB\" SET NOME = 'Outra' WHERE Filial = 2"});
    Tabela outra("C:\\EMPRESA2\\Filial.DB");
    outra.abrir();
    EXPECT_EQ(outra.campo("NOME").texto(), "Outra");
    executar({"DELETE FROM \"C:\\EMPRESA2\\Filial.DB\""});
    outra.atualizar();
    EXPECT_TRUE(outra.vazio());
}

TEST_F(CorpusSql, AlterTableAddsColumnsAndFailsWhenTheyExist) {
    Tabela cat("C:\\Arquivos de programas\\Orvalo\\Empresa.db");
    criarDiretorio("C:\\Arquivos de programas\\Orvalo");
    cat.criarTabela();
    const QString alvo = "ALTER TABLE \"C:\\Arquivos de programas\\Orvalo\\Empresa.db\"";
    EXPECT_THROW(executar({alvo, "  ADD LOJA SMALLINT"}), ErroBanco);
    executar({alvo, "  ADD Extra BOOLEAN"});
    executar({"UPDATE \"C:\\Arquivos de programas\\Orvalo\\Empresa.db\"", "   SET LOJA = CODIGO",
              " WHERE LOJA IS NULL"});
    cat.abrir();
    EXPECT_GE(cat.indiceCampo("Extra"), 0);
}

TEST_F(CorpusSql, BadStatementsChangeNothing) {
    const QStringList ruins[] = {
        {"select * from NaoExiste"},
        {"select Xyz from Filial"},
        {"selec * from Filial"},
        {"select * from Filial where Filial = :F"}, // no value bound
        {"UPDATE Filial SET NOME = 'x'; UPDATE Filial SET Xyz = 1"},
    };
    for (const QStringList& sql : ruins) {
        Consulta q;
        q.setSql(sql);
        EXPECT_THROW(sql.join(' ').startsWith("UPDATE") ? q.executar() : q.abrir(), ErroBanco)
            << sql.join(' ').toStdString();
    }
    EXPECT_EQ(linhas({"select NOME from Filial order by Filial"}), "Matriz\nLoja ção");
    Consulta nula;
    nula.setSql({QString("UPDATE Filial SET NOME = 'x'") + QChar(0) + " WHERE Filial = 1"});
    EXPECT_THROW(nula.executar(), ErroBanco);
    EXPECT_EQ(linhas({"select NOME from Filial order by Filial"}), "Matriz\nLoja ção");
}

TEST_F(CorpusSql, DateTextInATextFieldStaysAsWrittenAndExtTablesAreTables) {
    Definicao("extrato").longInt("Codigo").texto("Obs", 20).data("Dia").registrar();
    executar({"INSERT INTO extrato.DB (Codigo, Obs, Dia) VALUES (1, '05.03.2026', '05.03.2026')"});
    executar({"INSERT INTO extrato VALUES (2, '06.03.2026', '06.03.2026')"});
    EXPECT_EQ(linhas({"select Codigo, Obs, Dia from extrato where Dia >= '06.03.2026'"}),
              "2|06.03.2026|06/03/2026");
    EXPECT_EQ(linhas({"select e.Obs from \"extrato.DB\" e where e.Obs = '05.03.2026'"}),
              "05.03.2026");
}

TEST_F(CorpusSql, AFilterCannotWidenTheCursorsRange) {
    Tabela f("Filial");
    f.definirFaixa({1}, {1});
    EXPECT_THROW(f.setFiltro("NOME <> 'x') OR (1 = 1"), ErroBanco);
    EXPECT_THROW(f.setFiltro("NOME <> 'x' OR 1 = 1 --"), ErroBanco);
    f.setFiltro("DATAPROCES < '01.01.2027'");
    f.abrir();
    EXPECT_EQ(f.contarRegistros(), 1);
    EXPECT_EQ(f.campo("NOME").texto(), "Matriz");
}

} // namespace
