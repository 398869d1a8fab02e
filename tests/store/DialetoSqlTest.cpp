// The legacy SQL forms: their translation, and each one run against the
// real schema of a company directory.
#include "InstalacaoTeste.h"

#include "store/Consulta.h"
#include "store/DialetoSql.h"
#include "store/ErroBanco.h"
#include "store/SessaoBanco.h"
#include "store/Tabela.h"

#include <QDir>

namespace {

QString traduzir(const QString& sql) {
    auto tabela = [](const QString& nome) { return "T<" + nome + ">"; };
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
        {"where Data >= '05.03.2026' and Nome = \"O'Brien\" and Ativo = True",
         "where Data >= '2026-03-05' and Nome = 'O''Brien' and Ativo = 1"},
        {"where extract(month from Data) = 3 and extract(YEAR from (Data)) = 2026",
         "where CAST(strftime('%m', Data) AS INTEGER) = 3 and CAST(strftime('%Y', (Data)) AS "
         "INTEGER) = 2026"},
        {"select substring(Nome from 1 for 3) from T", "select substr(Nome , 1 , 3) from T<T>"},
        {"where Filial = :P-FILIAL and Codigo = :codFil or x = :CodFil",
         "where Filial = :P_H_FILIAL and Codigo = :CODFIL or x = :CODFIL"},
        {"ALTER TABLE \"C:\\X\\Empresa.db\"\n  ADD LOJA SMALLINT, ADD Y BOOLEAN",
         "ALTER TABLE T<C:\\X\\Empresa.db> ADD COLUMN LOJA SMALLINT ; ALTER TABLE "
         "T<C:\\X\\Empresa.db> ADD COLUMN Y BOOLEAN"},
        {"INSERT INTO \"C:\\E\\A.DB\" SELECT * FROM \"A.DB\" WHERE x IN (1, 2) AND y IS NULL",
         "INSERT INTO T<C:\\E\\A.DB> SELECT * FROM T<A.DB> WHERE x IN (1, 2) AND y IS NULL"},
        {"select x from (select y from Z) q", "select x from (select y from T<Z>) q"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(traduzir(c.legado), c.sqlite) << c.legado;
    EXPECT_EQ(DialetoSql::traduzirExpressao("Filial = 1 and Situacao = '1' and Ok = False"),
              "Filial = 1 and Situacao = '1' and Ok = 0");
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
}

} // namespace
