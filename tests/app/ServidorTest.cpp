// The server store from the program's side: the demo company moved onto a
// server, both sides' row counts equal, a second move refused, and two
// stations on the server sharing a formula as soon as it is saved.
#include "CatalogoTeste.h"

#include "app/Demonstracao.h"
#include "formulas/TDMFormula.h"
#include "session/AcessoDados.h"
#include "session/Sessao.h"
#include "store/ErroBanco.h"
#include "store/MigracaoServidor.h"
#include "store/SessaoBanco.h"

class ServidorTest : public CatalogoTeste {};

TEST_F(ServidorTest, ADemoCompanyMovedToTheServerSharesItsFormulas) {
    if (!TestesNoServidor())
        GTEST_SKIP() << "the server store's test runs with a server (store_servidor)";
    SessaoBanco::padrao().definirAlias("Orvalo", {"PATH=C:\\EMPRESA1"});
    QString erro;
    ASSERT_TRUE(CriarDemonstracao(raiz.path() + "/demo", raiz.path() + "/demo/pcp.ini", erro))
        << erro.toStdString();

    const QStringList servidor{LinhasAlias("C:\\MATRIZ").first()};
    for (const char* dir : {"C:\\Arquivos de programas\\Orvalo", "C:\\MATRIZ"}) {
        const std::vector<TabelaMigrada> tabelas = MigrarParaServidor(dir, servidor);
        qint64 linhas = 0;
        for (const TabelaMigrada& t : tabelas) {
            EXPECT_EQ(t.linhasDestino, t.linhasOrigem) << dir << ' ' << t.tabela.toStdString();
            linhas += t.linhasOrigem;
        }
        EXPECT_GT(linhas, 0) << dir;
    }
    try {
        MigrarParaServidor("C:\\MATRIZ", servidor);
        FAIL() << "a schema holding rows was written again";
    } catch (const ErroBanco& e) {
        EXPECT_TRUE(e.texto().startsWith("O diretório C:\\MATRIZ já tem dados no servidor"))
            << e.texto().toStdString();
    }

    SessaoBanco::padrao().fechar();
    SessaoBanco::padrao().abrir();
    SessaoBanco::padrao().definirAlias("Orvalo", QStringList(servidor) << "PATH=C:\\MATRIZ");
    SessaoBanco estacao2;
    Sess().Filial = 1;
    TDMFormula um, dois(&estacao2);
    um.abrir();
    dois.abrir();
    const int antes = dois.TFormula.contarRegistros();
    ASSERT_TRUE(um.EmitirNumeroFormula());
    const QString numero = um.TFormula.campo("Formula").texto();
    um.TFormula.campo("COR").definir("AZUL DO SERVIDOR");
    ASSERT_TRUE(GravarRegistro(um.TFormula));
    ASSERT_TRUE(dois.TFormula.localizarChave({1, numero}));
    EXPECT_EQ(dois.TFormula.campo("COR").texto(), "AZUL DO SERVIDOR");
    EXPECT_EQ(dois.TFormula.contarRegistros(), antes + 1);
    EXPECT_TRUE(dialogos->textos().isEmpty()) << dialogos->textos().join('|').toStdString();
}
