// The demonstration installation: what it holds, that the program starts
// on it, and that a failed creation leaves nothing behind.
#include "app/Demonstracao.h"
#include "app/TDMFilial.h"
#include "session/Sessao.h"
#include "store/Caminhos.h"
#include "store/InjecaoFalhas.h"
#include "store/SessaoBanco.h"
#include "store/Tabela.h"
#include "store/tabelas/Tabelas.h"

#include "CatalogoTeste.h"
#include "app/TMenuFilial.h"
#include "app/TfoMenuEmpresa.h"
#include "importacao/ImportacaoParadox.h"
#include "services/Dinheiro.h"
#include "stock/CalculaCustoMedio.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTableView>
#include <memory>

namespace {
QString linhas(Tabela& t, const QStringList& campos) {
    QStringList r;
    t.abrir();
    for (t.primeiro(); !t.eof(); t.proximo()) {
        QStringList valores;
        for (const QString& c : campos)
            valores << t.campo(c).texto();
        r << valores.join('|');
    }
    return r.join('\n');
}
} // namespace

class DemonstracaoTest : public CatalogoTeste {
protected:
    QString pasta() const { return raiz.path() + "/demo"; }
    QString config() const { return raiz.path() + "/demo/pcp.ini"; }
};

TEST_F(DemonstracaoTest, CriaCadastroEmpresasEFiliais) {
    QString erro;
    ASSERT_TRUE(CriarDemonstracao(pasta(), config(), erro)) << erro.toStdString();
    EXPECT_TRUE(ExisteDemonstracao(pasta()));

    Tabela catalogo(TDMFilial::CaminhoCatalogo);
    EXPECT_EQ(
        linhas(catalogo, {"Codigo", "Nome", "Diretorio", "PWD", "Grupo", "LOJA"}).toStdString(),
        "1|Tintas Aurora Matriz|MATRIZ||1|0\n"
        "2|Tintas Aurora Sul|EMPRESA2|1234|1|2\n"
        "3|Vernizes Serra Azul|EMPRESA3||2|3");
    for (const char* dir : {"C:\\MATRIZ", "C:\\EMPRESA2", "C:\\EMPRESA3"}) {
        SCOPED_TRACE(dir);
        Tabela filial("Filial.DB");
        filial.setNomeBanco(dir);
        EXPECT_EQ(
            linhas(filial, {"Filial", "NOME", "DIRCOBOL", "TermServ", "FATMODNF"}).toStdString(),
            QString("1|Fábrica|C:\\COBOL\\F01|False|0\n"
                    "2|Loja Centro|C:\\COBOL\\F02|True|%1")
                // Vernizes Serra Azul's shop keeps its stock by colour.
                .arg(QString(dir) == "C:\\EMPRESA3" ? 132 : 102)
                .toStdString());
        for (const char* tabela :
             {"Escricfg", "Estoqcfg", "CRECFG", "FATURCFG", "PEDIDCFG", "CONTCFG", "Filial2"}) {
            Tabela t(tabela);
            t.setNomeBanco(dir);
            EXPECT_EQ(linhas(t, {"Filial"}), "1\n2") << tabela;
        }
        Tabela parametros("ParametrosEmpresa");
        parametros.setNomeBanco(dir);
        EXPECT_EQ(linhas(parametros, {"Filial"}).count('\n') + 1, 16);
        Tabela fatores("Pcpcfg");
        fatores.setNomeBanco(dir);
        EXPECT_EQ(linhas(fatores, {"Filial", "Fator1"}), "1|1.45\n2|1.5");
    }

    // A second creation in the same folder is refused.
    EXPECT_FALSE(CriarDemonstracao(pasta(), config(), erro));
    EXPECT_EQ(erro, "A pasta " + QDir::toNativeSeparators(pasta()) +
                        " já existe e não está vazia: escolha outra pasta para a instalação de "
                        "demonstração.");
}

TEST_F(DemonstracaoTest, OProgramaIniciaNaDemonstracao) {
    QString erro;
    ASSERT_TRUE(CriarDemonstracao(pasta(), config(), erro)) << erro.toStdString();
    Configuracao c;
    ASSERT_TRUE(c.ler(config(), erro)) << erro.toStdString();
    c.aplicar();

    dialogos->digitar("1");
    iniciarEDisparar();
    EXPECT_EQ(dialogos->textos(), QStringList{"Codigo"});
    EXPECT_EQ(empresa->x(), 162);
    // Login.ini names the head company.
    EXPECT_EQ(empresa->findChild<QTableView*>("Empresa")->currentIndex().row(), 0);
    empresa->ok();
    EXPECT_EQ(Sess().DirEmpresa, "C:\\MATRIZ");
    EXPECT_EQ(Sess().DirLojaZero, "MATRIZ");
    EXPECT_EQ(Sess().Grupo, 1);
    EXPECT_EQ(filial->findChild<QListWidget*>("NOME")->count(), 2);
}

TEST_F(DemonstracaoTest, FalhaNaCriacaoNaoDeixaNada) {
    QString erro;
    InjecaoFalhas::falharNaEscrita(12);
    EXPECT_FALSE(CriarDemonstracao(pasta(), config(), erro));
    InjecaoFalhas::falharNaEscrita(0);
    EXPECT_TRUE(erro.startsWith("Não foi possível criar a instalação de demonstração em " +
                                QDir::toNativeSeparators(pasta()) + ": "))
        << erro.toStdString();
    EXPECT_FALSE(QDir(pasta()).exists());
}

TEST_F(DemonstracaoTest, OEstoqueDaDemonstracaoPodeSerRecalculado) {
    QString erro;
    ASSERT_TRUE(CriarDemonstracao(pasta(), config(), erro)) << erro.toStdString();
    auto tabela = [](const char* nome) {
        auto t = std::make_unique<Tabela>(nome);
        t->setNomeBanco("C:\\MATRIZ");
        return t;
    };
    EXPECT_EQ(linhas(*tabela("HISTEST"), {"Est_Hist", "Param_Hist"}).replace('\n', ' '),
              "1|1 2|2 3|49 4|50 51|51 52|52");
    EXPECT_EQ(linhas(*tabela("DEPOSITO"), {"Filial", "Cod_Deposi", "DESC_DEPOS"}),
              "1|1|DEPOSITO CENTRAL\n1|2|LOJA - PRONTA ENTREGA\n"
              "2|1|DEPOSITO CENTRAL\n2|2|LOJA - PRONTA ENTREGA");
    // The three months before today, the paint 9001 by can size, and this
    // month's write-offs of 1001 for a card of more than one page.
    QStringList meses;
    for (const QString& m : linhas(*tabela("NOTAI"), {"ANO_MES"}).split('\n'))
        if (!meses.contains(m))
            meses << m;
    meses.sort();
    EXPECT_EQ(meses.join(' '), "202609 202610 202611 202612");
    auto saldos = tabela("SLDPR");
    saldos->setFiltro("Filial = 1 and Ano_Mes = '202611' and Cod_Reduz in (1001, 9001)");
    EXPECT_EQ(linhas(*saldos, {"Cod_Reduz", "Tamanho", "Cod_Deposi", "Fisico"}),
              "1001||1|910\n9001|GL|1|64\n9001|LT|1|13\n9001|QT|1|96");
    // The months can be recomputed: processing dates on their first day.
    EXPECT_EQ(linhas(*tabela("Filial"), {"DATAPROCES"}), "01/09/2026\n01/09/2026");
    EXPECT_EQ(linhas(*tabela("Estoqcfg"), {"Data"}), "01/09/2026\n01/09/2026");

    // What the routines made is what they make again.
    Sess().Filial = 1;
    const QString antes = linhas(*saldos, {"Fisico", "Medio"});
    auto notai = tabela("NOTAI"), produtos = tabela("ESTPROMA"), todos = tabela("SLDPR");
    EXPECT_TRUE(CalculaCustoMedio("112026", 0, 9999, {*notai, *produtos, *todos}).concluido);
    EXPECT_EQ(linhas(*saldos, {"Fisico", "Medio"}), antes);
    ASSERT_TRUE(produtos->localizarChave({1, 1001}));
    saldos->primeiro();
    EXPECT_EQ(Dinheiro::deNumero(produtos->campo("CustoMedio").numero()),
              Dinheiro::deNumero(saldos->campo("Medio").numero()) /
                  Dinheiro::deNumero(saldos->campo("Fisico").numero()));
    EXPECT_TRUE(dialogos->textos().isEmpty());
}

TEST_F(DemonstracaoTest, AEmpresaLegadaSeImportaComOQueORelatorioPrecisaMostrar) {
    QString erro;
    ASSERT_TRUE(CriarDemonstracao(pasta(), config(), erro)) << erro.toStdString();
    auto importar = [&](const QString& origem, const QString& destino) {
        ImportacaoParadox imp(pasta() + "/legado/" + origem, destino);
        imp.setSubstituir(true);
        EXPECT_TRUE(imp.executar(erro)) << erro.toStdString();
        QStringList r;
        for (const ResultadoTabela& t : imp.resultados())
            if (t.situacao != ResultadoTabela::Importada || t.recusadas > 0)
                r << t.arquivo + ": " + t.texto();
        return r.join('\n') + QString("\n%1 tabelas").arg(imp.resultados().size());
    };
    EXPECT_EQ(importar("ORVALO", PastaCatalogoEmpresas), "\n1 tabelas");
    Tabela catalogo(TDMFilial::CaminhoCatalogo);
    EXPECT_EQ(linhas(catalogo, {"Codigo", "Nome", "Diretorio", "Grupo", "LOJA"}).toStdString(),
              "1|Tintas Aurora Matriz|MATRIZ|1|0\n"
              "2|Tintas Aurora Sul|EMPRESA2|1|2\n"
              "3|Vernizes Serra Azul|EMPRESA3|2|3\n"
              "4|Tintas Legado|EMPRESA4|1|4");

    const QString resumo = importar("EMPRESA4", "C:\\EMPRESA4");
    EXPECT_TRUE(resumo.startsWith("AGENDA.DB: Não importada: tabela desconhecida neste programa\n"
                                  "Matizador.DB: Importada: 3 de 5 linhas (2 recusadas)\n"))
        << resumo.toStdString();
    for (const char* tabela : {"Formula", "Formulai", "CLIFOR", "ESTPROMA", "Filial"}) {
        Tabela modelo(tabela), legado(tabela);
        modelo.setNomeBanco("C:\\MATRIZ");
        legado.setNomeBanco("C:\\EMPRESA4");
        modelo.abrir();
        legado.abrir();
        EXPECT_GT(legado.contarRegistros(), 0) << tabela;
        EXPECT_EQ(legado.contarRegistros(), modelo.contarRegistros()) << tabela;
    }
}
