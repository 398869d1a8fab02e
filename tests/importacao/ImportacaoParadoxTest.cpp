// The import of Paradox company directories: every field type and blank
// values come back, texts of both code pages arrive as written, refused
// rows and missing columns are reported and never dropped, a table with
// rows is kept unless replaced, a kill mid-table leaves that table empty
// and a rerun completes it, and the source is never changed. The Paradox
// tables are written here with pxlib.
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"
#include "ParadoxTeste.h"

#include "importacao/ImportacaoParadox.h"
#include "importacao/ImportarPelaLinhaDeComando.h"
#include "session/Sessao.h"
#include "store/Caminhos.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>

namespace {

class ImportacaoTeste : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        RegistrarTabelaTeste();
        Definicao("TesteTexto").longInt("Codigo").texto("Nome", 40).chave({"Codigo"}).registrar();
        QDir().mkpath(origem());
    }
    QString origem() const { return raiz.path() + "/legado"; }
    QString arquivo(const QString& nome) const { return QDir(origem()).filePath(nome); }

    // Imports the source into C:\EMPRESA1; the outcome of each table.
    QStringList importar(bool substituir = false, std::function<bool()> parar = {}) {
        ImportacaoParadox imp(origem(), "C:\\EMPRESA1");
        imp.setSubstituir(substituir);
        imp.deveParar = parar;
        QString erro;
        EXPECT_TRUE(imp.executar(erro)) << erro.toStdString();
        relatorio = imp.arquivoRelatorio();
        ocorrencias = imp.ocorrencias();
        QStringList r;
        for (const ResultadoTabela& t : imp.resultados())
            r << t.arquivo + ": " + t.texto();
        return r;
    }
    QString textoRelatorio() const {
        QFile f(relatorio);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return QString::fromUtf8(f.readAll());
    }
    void escreverAAA(const QList<std::pair<int, QString>>& linhas) {
        EscritorParadox px(arquivo("AAA.DB"),
                           {{"Codigo", TipoParadox::Long, 4}, {"Nome", TipoParadox::Alpha, 20}},
                           850);
        for (const auto& [codigo, nome] : linhas)
            px.adicionar({codigo, nome});
    }
    QByteArray resumoOrigem() const {
        QByteArray r;
        for (const QFileInfo& f : QDir(origem()).entryInfoList(QDir::Files, QDir::Name)) {
            QFile a(f.filePath());
            a.open(QIODevice::ReadOnly);
            r += f.fileName().toUtf8() + ' ' +
                 f.lastModified().toString(Qt::ISODateWithMs).toUtf8() + ' ' +
                 QCryptographicHash::hash(a.readAll(), QCryptographicHash::Sha256).toHex() + '\n';
        }
        return r;
    }

    QString relatorio;
    QList<Ocorrencia> ocorrencias;
};

TEST_F(ImportacaoTeste, EveryFieldTypeComesBackBlanksStayBlankAndTheSourceIsOnlyRead) {
    const QString acentos = QString::fromUtf8("Observação nº 1: cor âmbar, acabamento fosco. ");
    const QString memoMedio = acentos.repeated(7);   // 322 characters, a sub-block of the .MB
    const QString memoLongo = acentos.repeated(120); // 5520, several whole blocks
    {
        EscritorParadox px(arquivo("TesteImp.DB"), CamposLegadoTeste(), 850);
        px.adicionar({1, -32768, 2147483647, -1234.5678901, 12345.6789, "Cor Azul",
                      QDate(2024, 2, 29), QTime(23, 59, 58, 250),
                      QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59, 500), Qt::UTC), false,
                      "curto", 7, "sobra"});
        px.adicionar({2, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, 20, {}});
        // Zero, false and midnight are values, not blanks.
        px.adicionar({3,
                      0,
                      0,
                      0.0,
                      0.0,
                      QString::fromUtf8("Ação"),
                      QDate(1, 1, 1),
                      QTime(0, 0),
                      QDateTime(QDate(1900, 1, 1), QTime(0, 0), Qt::UTC),
                      true,
                      QString::fromUtf8("Observação"),
                      30,
                      {}});
        px.adicionar({4, {}, {}, {}, {}, {}, {}, {}, {}, {}, memoMedio, 40, {}});
        px.adicionar({5, {}, {}, {}, {}, {}, {}, {}, {}, {}, memoLongo, 50, {}});
    }
    ASSERT_TRUE(QFile::exists(arquivo("TesteImp.MB")));
    const QByteArray antes = resumoOrigem();

    EXPECT_EQ(importar(), QStringList{"TesteImp.DB: Importada: 5 linhas"});
    EXPECT_EQ(TextoTabela("TesteImp").section('\n', 0, 2),
              QString::fromUtf8("1|-32768|2147483647|-1234.5678901|12345.6789|Cor Azul|29/02/2024|"
                                "23:59:58|31/12/1999 23:59:59|False|curto|7\n"
                                "2|||||||||||20\n"
                                "3|0|0|0|0|Ação|01/01/0001|00:00:00|01/01/1900 00:00:00|True|"
                                "Observação|30"));
    Tabela t("TesteImp");
    t.abrir();
    EXPECT_EQ(t.campo("Hora").hora(), QTime(23, 59, 58, 250));
    EXPECT_EQ(t.campo("Momento").dataHora().time(), QTime(23, 59, 59, 500));
    for (int i = 1; i <= 3; ++i)
        t.proximo();
    EXPECT_EQ(t.campo("Obs").texto(), memoMedio);
    t.proximo();
    EXPECT_EQ(t.campo("Obs").texto(), memoLongo);
    t.proximo();
    EXPECT_TRUE(t.eof());

    EXPECT_EQ(resumoOrigem(), antes);
}

TEST_F(ImportacaoTeste, AccentedTextsArriveFromTheTablesCodePage) {
    const struct {
        int codigoPagina;
        QByteArray bytes;
        const char* texto;
    } casos[] = {
        {850, "A\x87\xC6o \x90xito \x80\xC7O \x83\x85\x88\xA0\xA1\xA2\xA3\xE4 n\xA7 1\xA6 10\xF8",
         "Ação Éxito ÇÃO âàêáíóúõ nº 1ª 10°"},
        {1252, "A\xE7\xE3o \xC9xito \x80 5 \x93tinta\x94 n\xBA 1\xAA",
         "Ação Éxito € 5 “tinta” nº 1ª"},
        // A byte CP1252 leaves undefined is kept visible and reported.
        {1252, "Caf\xE9 \x81", "Café \xEF\xBF\xBD"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        {
            EscritorParadox px(arquivo("TesteTexto.DB"),
                               {{"Codigo", TipoParadox::Long, 4}, {"Nome", TipoParadox::Alpha, 40}},
                               c.codigoPagina);
            px.adicionar({1, c.bytes});
        }
        EXPECT_EQ(importar(true), QStringList{"TesteTexto.DB: Importada: 1 linha"});
        EXPECT_EQ(TextoTabela("TesteTexto"), "1|" + QString::fromUtf8(c.texto));
    }
    ASSERT_EQ(ocorrencias.size(), 1);
    EXPECT_EQ(ocorrencias[0].linha, 1);
    EXPECT_EQ(ocorrencias[0].coluna, "Nome");
    EXPECT_EQ(ocorrencias[0].motivo,
              QString::fromUtf8("byte 0x81 sem correspondência em CP1252, gravado como �"));
}

TEST_F(ImportacaoTeste, RefusedRowsAndMissingColumnsAreReportedNotDropped) {
    {
        EscritorParadox px(arquivo("TesteImp.DB"), CamposLegadoTeste(), 850);
        auto linha = [&](int codigo, const QVariant& curto, const QString& nome,
                         const QVariant& extra = {}) {
            px.adicionar({codigo, curto, {}, {}, {}, nome, {}, {}, {}, {}, {}, codigo, extra});
        };
        linha(1, 10, "Bom");
        linha(1, 11, "Duplicado");
        linha(3, 12, "Nome comprido demais");
        linha(4, 40000, "Curto demais");
        linha(5, 13, QString::fromUtf8("Último"), "x");
    }
    EXPECT_EQ(importar(), QStringList{"TesteImp.DB: Importada: 2 de 5 linhas (3 recusadas)"});
    EXPECT_EQ(TextoTabela("TesteImp"),
              QString::fromUtf8("1|10||||Bom||||||1\n5|13||||Último||||||5"));
    EXPECT_EQ(relatorio, host("C:\\EMPRESA1") + "/Importacao_20261206_100000.txt");
    EXPECT_EQ(
        textoRelatorio(),
        "# Importação de dados de outro sistema\n"
        "# Origem: " +
            origem() +
            "\n"
            "# Destino: C:\\EMPRESA1\n"
            "# Início: 06/12/2026 10:00:00\n"
            "# Tabelas que já têm linhas: mantidas\n"
            "# Colunas: tabela, linha, coluna, valor, motivo\n"
            "# TesteImp.DB: 5 linhas, CP850, para TesteImp\n"
            "TesteImp.DB\tlinha 2\tCodigo\t'1'\tKey violation.\n"
            "TesteImp.DB\tlinha 3\tNome\t'Nome comprido demais'\ttexto com 20 caracteres; o "
            "campo guarda texto de até 12 caracteres\n"
            "TesteImp.DB\tlinha 4\tCurto\t'40000'\tValor fora dos limites do campo 'Curto' "
            "(inteiro de -32768 a 32767): 40000\n"
            "TesteImp.DB\tlinha -\tExtra\t''\ta tabela de destino não tem esta coluna (valores "
            "preenchidos não importados: 1)\n"
            "# TesteImp.DB: Importada: 2 de 5 linhas (3 recusadas)\n"
            "# Fim: 06/12/2026 10:00:00. Tabelas importadas: 1; não importadas: 0; linhas "
            "recusadas: 3.\n");
}

TEST_F(ImportacaoTeste, ATableWithRowsIsKeptUnlessReplacedAndCancelStopsAfterTheCurrentTable) {
    escreverAAA({{1, "um"}, {2, "dois"}});
    EscreverTabelaGrande(origem(), 3);
    int perguntas = 0;
    EXPECT_EQ(importar(false, [&] { return ++perguntas > 1; }),
              (QStringList{"AAA.DB: Importada: 2 linhas",
                           "TesteImp.DB: Não importada: importação cancelada"}));
    EXPECT_EQ(TextoTabela("TesteImp"), "");

    EXPECT_EQ(importar(), (QStringList{"AAA.DB: Não importada: a tabela de destino já tem 2 linhas",
                                       "TesteImp.DB: Importada: 3 linhas"}));
    EXPECT_EQ(TextoTabela("AAA"), "1|um\n2|dois");

    escreverAAA({{7, "sete"}});
    EXPECT_EQ(importar(true),
              (QStringList{"AAA.DB: Importada: 1 linha", "TesteImp.DB: Importada: 3 linhas"}));
    EXPECT_EQ(TextoTabela("AAA"), "7|sete");
}

TEST_F(ImportacaoTeste, AKillInTheMiddleOfATableLeavesItEmptyAndARerunCompletesIt) {
    escreverAAA({{1, "um"}});
    EscreverTabelaGrande(origem(), 1000);
    QProcess filho;
    filho.start(PROGRAMA_FILHO, {origem(), raiz.path() + "/C", "TesteImp.DB", "512"});
    ASSERT_TRUE(filho.waitForFinished(60000));
    ASSERT_EQ(filho.exitStatus(), QProcess::CrashExit)
        << filho.readAllStandardError().toStdString();

    EXPECT_EQ(TextoTabela("AAA"), "1|um");
    Tabela t("TesteImp");
    t.abrir();
    EXPECT_EQ(t.contarRegistros(), 0);

    EXPECT_EQ(importar(), (QStringList{"AAA.DB: Não importada: a tabela de destino já tem 1 linha",
                                       "TesteImp.DB: Importada: 1.000 linhas"}));
    t.atualizar();
    EXPECT_EQ(t.contarRegistros(), 1000);
    t.ultimo();
    EXPECT_EQ(t.campo("Nome").texto(), "Linha 1000");
}

TEST_F(ImportacaoTeste, TablesGoOnlyWhereTheyBelongAndUnreadableOnesAreNamed) {
    const DefTabela& empresa = *CatalogoTabelas::buscar("Empresa");
    {
        EscritorParadox px(arquivo("Empresa.DB"), CamposParadoxDe(empresa), 850);
        px.adicionar({4, "Tintas Legado", "EMPRESA4", {}, "1", 4, false, false, false});
    }
    escreverAAA({{1, "um"}});
    {
        EscritorParadox px(arquivo("AGENDA.DB"), {{"Data", TipoParadox::Data, 4}}, 850);
        px.adicionar({QDate(2019, 3, 11)});
    }
    {
        EscritorParadox px(arquivo("SemMemo.DB"),
                           {{"Codigo", TipoParadox::Long, 4}, {"Obs", TipoParadox::Memo, 15}}, 850);
        px.adicionar({1, "x"});
    }
    QFile::remove(arquivo("SemMemo.MB"));
    QFile lixo(arquivo("LIXO.DB"));
    ASSERT_TRUE(lixo.open(QIODevice::WriteOnly));
    lixo.write("isto não é uma tabela");
    lixo.close();

    EXPECT_EQ(
        importar(),
        (QStringList{"AAA.DB: Importada: 1 linha",
                     "AGENDA.DB: Não importada: tabela desconhecida neste programa",
                     "Empresa.DB: Não importada: o catálogo de empresas vai para a pasta do "
                     "catálogo (C:\\Arquivos de programas\\Orvalo)",
                     "LIXO.DB: Não importada: LIXO.DB não é uma tabela Paradox legível.",
                     "SemMemo.DB: Não importada: SemMemo.DB tem campos memo, mas o arquivo de "
                     "memos SemMemo.MB não foi encontrado ao lado dela."}));

    ImportacaoParadox catalogo(origem(), PastaCatalogoEmpresas);
    QString erro;
    ASSERT_TRUE(catalogo.executar(erro)) << erro.toStdString();
    QStringList r;
    for (const ResultadoTabela& t : catalogo.resultados())
        r << t.arquivo + ": " + t.texto();
    EXPECT_EQ(r.mid(0, 3),
              (QStringList{"AAA.DB: Não importada: a pasta do catálogo de empresas só recebe a "
                           "tabela Empresa",
                           "AGENDA.DB: Não importada: tabela desconhecida neste programa",
                           "Empresa.DB: Importada: 1 linha"}));
    EXPECT_EQ(TextoTabela(CaminhoCatalogoEmpresas),
              "4|Tintas Legado|EMPRESA4||1|4|False|False|False");
}

TEST(DestinoArmazenado, NamesTheCompanyDirectoryAsStored) {
    Caminhos::atual().limpar();
    Caminhos::atual().mapear("C:", "/srv/pcp/C");
    const struct {
        const char* argumento;
        const char* armazenado;
    } casos[] = {
        {"C:\\EMPRESA4", "C:\\EMPRESA4"},
        {"c:/empresa4", "c:\\empresa4"},
        {"/srv/pcp/C/EMPRESA4", "C:\\EMPRESA4"},
        {"/srv/pcp/C/Arquivos de programas/Orvalo/", "C:\\Arquivos de programas\\Orvalo"},
        {"/srv/pcp/CX/EMPRESA4", ""},
        {"EMPRESA4", ""},
    };
    for (const auto& c : casos)
        EXPECT_EQ(DestinoArmazenado(c.argumento), c.armazenado) << c.argumento;
    Caminhos::atual().limpar();
}

} // namespace
