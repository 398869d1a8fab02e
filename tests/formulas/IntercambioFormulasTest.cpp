// Formulas through spreadsheets: a branch's formulas exported and imported
// into another branch come back equal (new numbers, today's date, shares
// recomputed), and an import with faults lists every one and writes
// nothing.
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "IntercambioFormulas.h"
#include "services/Planilha.h"

#include <QByteArray>

namespace {
class IntercambioFormulasTest : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        relogio->definir(QDateTime(QDate(2026, 5, 17), QTime(10, 0)));
        linha("Resptec", {{"Codigo", 1}, {"Nome", "ANA"}});
        linha("Matizador", {{"Codigo", 1}, {"Nome", "DOSADORA"}});
        for (int filial : {1, 2}) {
            linha("CLIFOR", {{"Filial", filial}, {"Cod_Clifor", 1}, {"NOME", "ZÉLIA TINTAS"}});
            for (const auto& [codigo, nome] :
                 {std::pair{9001, "TINTA ACRÍLICA"}, std::pair{1001, "DIÓXIDO DE TITÂNIO"},
                  std::pair{1002, "ÓXIDO VERMELHO"}})
                linha("ESTPROMA", {{"Filial", filial}, {"Cod_Reduz", codigo}, {"NOME1", nome}});
        }
        linha("Pcpcfg", {{"Filial", 2}, {"UltimaFormula", 41}});
        // Stored by another station while the counter lagged behind.
        linha("Formula", {{"Filial", 2}, {"Formula", "43"}});
    }

    void linha(const QString& tabela, const QList<std::pair<QString, QVariant>>& campos) {
        Tabela t(tabela);
        t.abrir();
        t.incluir();
        for (const auto& [nome, valor] : campos)
            t.campo(nome).definir(valor);
        t.gravar();
    }
    // What the three formula tables hold, to see that nothing changed.
    static QString tabelas() {
        return TextoTabela("Formula") + "\n#\n" + TextoTabela("Formulai") + "\n#\n" +
               TextoTabela("Pcpcfg");
    }
    // The lines as a file written and read back.
    static QList<QStringList> pelaPlanilha(const QList<QStringList>& linhas) {
        QByteArray bytes = TextoCsv(linhas);
        EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
        return InterpretarCsv(QString::fromUtf8(bytes.mid(3)));
    }
};

TEST_F(IntercambioFormulasTest, FormulasVoltamIguaisPelaPlanilha) {
    linha("Formula", {{"Filial", 1},
                      {"Formula", "7"},
                      {"Cod_Clifor", 1},
                      {"Cod_Reduz", 9001},
                      {"COR", "AZUL; CÉU \"CLARO\""},
                      {"DATACAD", QDate(2025, 1, 2)},
                      {"DtaUltProd", QDate(2026, 3, 2)},
                      {"CodResp", 1},
                      {"Observacao", "linha 1\nlinha 2; fim"},
                      {"PrecoEspecial", "S"},
                      {"Origem", "REPRESENTA"},
                      {"CodMatizador", 1},
                      {"Amostra", false},
                      {"DataAmostra", QDate(2026, 4, 1)},
                      {"Senha", true},
                      {"Densidade", 1.2345},
                      {"Preco", -1234567.5}});
    // Shares stored wrong and an order with a gap: the gap stays, the
    // shares are recomputed.
    linha("Formulai", {{"Filial", 1},
                       {"Formula", "7"},
                       {"OrdComp", 1},
                       {"Componente", 1001},
                       {"QUANTIDADE", 2.0},
                       {"Percentual", 50.0}});
    linha("Formulai", {{"Filial", 1},
                       {"Formula", "7"},
                       {"OrdComp", 3},
                       {"Componente", 1002},
                       {"QUANTIDADE", 1.0},
                       {"Percentual", 50.0}});
    linha("Formula", {{"Filial", 1}, {"Formula", "12"}, {"COR", "SEM COMPONENTES"}});

    const QList<QStringList> exportadas = LinhasFormulasCsv(1);
    const QString titulos = TitulosFormulasCsv().join(';');
    EXPECT_EQ(exportadas.first().join(';'), titulos);
    EXPECT_EQ(exportadas.value(1).join('|'),
              "7|02/01/2025|1|ZÉLIA TINTAS|9001|TINTA ACRÍLICA|AZUL; CÉU \"CLARO\"|1|REPRESENTA|1|"
              "1,2345|-1234567,5|S|N|01/04/2026|S|02/03/2026|linha 1\nlinha 2; fim|1|1001|"
              "DIÓXIDO DE TITÂNIO|2|50");

    const ResultadoImportacao r = ImportarFormulasCsv(pelaPlanilha(exportadas), 2);
    ASSERT_TRUE(r.ok) << r.erros.join('\n').toStdString();
    EXPECT_EQ(r.numeros, QStringList({"42", "44"}));

    QList<QStringList> esperadas = exportadas;
    for (int i = 1; i < esperadas.size(); ++i) {
        esperadas[i][0] = esperadas[i][0] == "7" ? "42" : "44";
        esperadas[i][1] = "17/05/2026";
    }
    esperadas[1][22] = "66,6667";
    esperadas[2][22] = "33,3333";
    // Blank marks take a new formula's defaults.
    esperadas[3][12] = "N";
    esperadas[3][13] = "S";
    esperadas[3][15] = "N";
    const QList<QStringList> importadas =
        LinhasFormulasCsv(2, "42", "42") + LinhasFormulasCsv(2, "44", "44").mid(1);
    EXPECT_EQ(importadas, esperadas);
    EXPECT_EQ(TextoTabela("Pcpcfg"), "2||||||44");
    Tabela f("Formula");
    f.abrir();
    ASSERT_TRUE(f.localizarChave({2, "42"}));
    EXPECT_EQ(f.campo("QtdTotal").texto() + "|" + f.campo("TotalItens").texto(), "3|2");
}

TEST_F(IntercambioFormulasTest, TresLinhasErradasListadasENadaGravado) {
    const QString antes = tabelas();
    const QList<QStringList> linhas{
        TitulosFormulasCsv(),
        {"5", "", "1", "", "9001", "", "AZUL", "1",    "", "",    "", "",
         "",  "", "",  "", "",     "", "1",    "1001", "", "2,5", ""},
        {"5", "", "1", "", "9001", "", "AZUL", "1",    "", "",  "", "",
         "",  "", "",  "", "",     "", "2",    "9999", "", "1", ""},
        {"5", "", "1", "", "9001", "", "AZUL", "1",    "", "",     "", "",
         "",  "", "",  "", "",     "", "3",    "1002", "", "1,2x", ""},
        {"6", "", "77", "", "9001", "", "VERDE", "",     "", "",  "", "",
         "",  "", "",   "", "",     "", "1",     "1001", "", "1", ""},
    };
    const ResultadoImportacao r = ImportarFormulasCsv(linhas, 2);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.erros, QStringList({"Linha 3: componente 9999 não cadastrado",
                                    "Linha 4: quantidade \"1,2x\" não é um número",
                                    "Linha 5: cliente 77 não cadastrado"}));
    EXPECT_TRUE(r.numeros.isEmpty());
    EXPECT_EQ(tabelas(), antes);
}

// One faulty line each, after a good first line of formula 5.
TEST_F(IntercambioFormulasTest, CadaFalhaTemSuaMensagem) {
    const QStringList titulos{"Formula", "Cod_Reduz",  "COR",        "Amostra",     "DataAmostra",
                              "OrdComp", "Componente", "QUANTIDADE", "CodMatizador"};
    const QStringList boa{"5", "9001", "AZUL", "S", "01/04/2026", "1", "1001", "1", "1"};
    const struct {
        QStringList linha;
        const char* erro;
    } casos[] = {
        {{"", "9001", "AZUL", "S", "01/04/2026", "2", "1001", "1", "1"},
         "Linha 3: falta o número da fórmula"},
        {{"5", "9002", "AZUL", "S", "01/04/2026", "2", "1001", "1", "1"},
         "Linha 3: os dados da fórmula 5 diferem dos da linha 2"},
        {{"5", "9001", "AZUL", "S", "01/04/2026", "1", "1002", "1", "1"},
         "Linha 3: ordem 1 repetida na fórmula 5"},
        {{"5", "9001", "AZUL", "S", "01/04/2026", "2", "1001", "-1", "1"},
         "Linha 3: quantidade \"-1\" negativa"},
        {{"5", "9001", "AZUL", "S", "01/04/2026", "2", "1001", "", "1"},
         "Linha 3: falta a quantidade do componente"},
        {{"6", "9001", QString(31, 'A'), "S", "", "", "1001", "1", ""},
         "Linha 3: cor \"AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA\" tem mais de 30 caracteres"},
        {{"6", "9001", "AZUL", "T", "", "", "1001", "1", ""},
         "Linha 3: amostra \"T\" deve ser S ou N"},
        {{"6", "9001", "AZUL", "S", "31/02/2026", "", "1001", "1", ""},
         "Linha 3: data da amostra \"31/02/2026\" não é uma data"},
        {{"6", "90O1", "AZUL", "S", "", "", "1001", "1", ""},
         "Linha 3: produto \"90O1\" não é um código"},
        {{"6", "9001", "AZUL", "S", "", "", "1001", "1", "4"},
         "Linha 3: matizador 4 não cadastrado"},
    };
    const QString antes = tabelas();
    for (const auto& c : casos) {
        const ResultadoImportacao r = ImportarFormulasCsv({titulos, boa, c.linha}, 2);
        EXPECT_EQ(r.erros, QStringList{c.erro}) << c.erro;
    }
    EXPECT_EQ(ImportarFormulasCsv({{"Formula", "Componente"}}, 2).erros,
              QStringList{"Falta a coluna QUANTIDADE na primeira linha"});
    EXPECT_EQ(tabelas(), antes);
}
} // namespace
