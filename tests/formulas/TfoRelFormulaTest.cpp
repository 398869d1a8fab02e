// The formula printout: one page compared whole with its expected file,
// the range walked in text order, access code 107 asked once for the
// whole range, missing products and components, another branch's formula
// with its own names, and a long formula carried over to a second page.
#include "RelatorioFormulaTeste.h"

#include "TfoRelFormula.h"

#include <QLineEdit>

namespace {
// A line of `largura` columns with each text at its column (from 1).
QString linhaCom(std::initializer_list<std::pair<int, QString>> partes, int largura = 80) {
    QString l(largura, ' ');
    for (const auto& [coluna, texto] : partes)
        l.replace(coluna - 1, texto.size(), texto);
    return l;
}

struct Comp {
    int produto;
    double quantidade;
    double percentual;
};

class TfoRelFormulaTest : public RelatorioFormulaTeste {
protected:
    void SetUp() override {
        RelatorioFormulaTeste::SetUp();
        linha("Matizador", {{"Codigo", 1}, {"Nome", "DOSADORA 16 CANAIS"}});
        Tabela p("ESTPROMA");
        p.abrir();
        p.localizarChave({1, 9001});
        p.editar();
        p.campo("Classe").definir("A1");
        p.gravar();
    }

    void gravarFormula(int filial, const QString& numero, int produto, const QList<Comp>& comps,
                       bool senha = false, const QString& observacao = QString()) {
        linha("Formula", {{"Filial", filial},
                          {"Formula", numero},
                          {"Cod_Clifor", 1},
                          {"Cod_Reduz", produto},
                          {"COR", "AZUL CELESTE"},
                          {"DATACAD", QDate(2026, 11, 30)},
                          {"CodResp", 1},
                          {"CodMatizador", 1},
                          {"Senha", senha},
                          {"Observacao", observacao}});
        int ordem = 0;
        for (const Comp& c : comps)
            linha("Formulai", {{"Filial", filial},
                               {"Formula", numero},
                               {"OrdComp", ++ordem},
                               {"Componente", c.produto},
                               {"QUANTIDADE", c.quantidade},
                               {"Percentual", c.percentual}});
    }

    // Prints from `inicial` to `final` as the operator does: typing the
    // first number, then the last.
    void imprimir(const QString& inicial, const QString& final) {
        janelaRel = std::make_unique<TfoRelFormula>();
        ASSERT_TRUE(janelaRel->abrir());
        auto* i = janelaRel->findChild<QLineEdit*>("FormulaInicial");
        i->setText(inicial);
        emit i->textEdited(inicial);
        janelaRel->findChild<QLineEdit*>("FormulaFinal")->setText(final);
        dialogos->limpar();
        janelaRel->imprimir();
    }

    // Formula number of each printed page (line 4).
    QStringList impressas() const {
        QStringList numeros;
        for (const QStringList& p : paginas(33))
            numeros << p.value(3).mid(14, 10).trimmed();
        return numeros;
    }

    std::unique_ptr<TfoRelFormula> janelaRel;
};
} // namespace

TEST_F(TfoRelFormulaTest, PaginaDaFormulaIgualAoArquivoEsperado) {
    const QString observacao = "Dispersar o pigmento por 20 minutos antes de juntar a resina; "
                               "conferir a cor contra o padrao aprovado pelo cliente.\n"
                               "Envasar em lata.";
    gravarFormula(1, "100", 9001, {{1001, 12.5, 83.3333}, {1002, 2.5, 16.6667}}, false, observacao);
    imprimir("100", "100");
    EXPECT_EQ(dialogos->textos(), QStringList{"Confirma Emissao"});
    EXPECT_EQ(janelasModais, QStringList{"TfoTipoImpr"});
    EXPECT_EQ(previas, QStringList{"TMP463620416666666666667.IMP|33"});
    EXPECT_EQ(QString::fromLatin1(arquivoPrevia()), esperado("formula_100.imp"));
}

TEST_F(TfoRelFormulaTest, FaixaPorTextoImprimeTambem1000EParaNaPrimeiraDeFora) {
    for (const char* n : {"99", "100", "1000", "101", "105", "106"})
        gravarFormula(1, n, 9001, {{1001, 1, 100}});
    imprimir("100", "105");
    EXPECT_EQ(impressas(), (QStringList{"100", "1000", "101", "105"}));
}

TEST_F(TfoRelFormulaTest, CodigoDe107PedidoUmaVezParaAFaixaInteira) {
    struct Caso {
        const char* protegida; // the protected formula of 200 ... 202
        bool confirma;
        QStringList impressas;
    } casos[] = {
        {"200", false, {}},
        {"202", false, {}},
        {"202", true, {"200", "201", "202"}},
        {"", false, {"200", "201", "202"}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.protegida);
        SessaoBanco::padrao().esvaziarTabela("Orvalo", "Formula");
        SessaoBanco::padrao().esvaziarTabela("Orvalo", "Formulai");
        for (const char* n : {"200", "201", "202"})
            gravarFormula(1, n, 9001, {{1001, 1, 100}}, QString(n) == c.protegida);
        janelasModais.clear();
        ultimaPrevia.clear();
        const int antes = int(senhas->mostradas().size());
        if (c.confirma)
            senhas->confirmar("s107");
        imprimir("200", "202");
        EXPECT_EQ(senhas->mostradas().size() - antes, *c.protegida ? 1 : 0);
        EXPECT_EQ(impressas(), c.impressas);
        // A refusal stops before the print options.
        EXPECT_EQ(janelasModais.isEmpty(), c.impressas.isEmpty());
    }
}

TEST_F(TfoRelFormulaTest, ProdutoAusentePulaAFormulaComponenteAusenteFicaForaDoTotal) {
    gravarFormula(1, "300", 8888, {{1001, 1, 100}});
    gravarFormula(1, "301", 9001, {{1001, 2, 40}, {7777, 9, 0}, {1002, 3, 60}});
    imprimir("300", "301");
    EXPECT_EQ(dialogos->textos(), (QStringList{"Confirma Emissao", "Produto nao cadastrado",
                                               "Componente nao cadastrado"}));
    const QList<QStringList> p = paginas(33);
    ASSERT_EQ(p.size(), 1);
    EXPECT_EQ(p[0][3].left(17), "| Formula...: 301");
    EXPECT_EQ(p[0].mid(11, 3), (QStringList{linhaCom({{2, "01"},
                                                      {5, "01001"},
                                                      {12, " 2,000000"},
                                                      {23, "KG"},
                                                      {28, "DIOXIDO DE TITANIO"},
                                                      {74, " 40,00"}}),
                                            linhaCom({{2, "01"},
                                                      {5, "01002"},
                                                      {12, " 3,000000"},
                                                      {23, "KG"},
                                                      {28, "OXIDO VERMELHO"},
                                                      {74, " 60,00"}}),
                                            " "}));
    EXPECT_EQ(p[0][30], linhaCom({{2, "PESO TOTAL:     5,000"}}));
}

TEST_F(TfoRelFormulaTest, FormulaDeOutraFilialSaiComOsNomesDaSuaFilial) {
    linha("CLIFOR", {{"Filial", 2}, {"Cod_Clifor", 1}, {"NOME", "CLIENTE DA FILIAL 2"}});
    linha(
        "ESTPROMA",
        {{"Filial", 2}, {"Cod_Reduz", 9001}, {"NOME1", "ESMALTE DA FILIAL 2"}, {"Nivel2", "102"}});
    linha("ESTPROMA", {{"Filial", 2},
                       {"Cod_Reduz", 1001},
                       {"NOME1", "PIGMENTO DA FILIAL 2"},
                       {"Nivel2", "7"},
                       {"UNID_PAD", "L"}});
    gravarFormula(2, "400", 9001, {{1001, 1, 100}});
    imprimir("400", "400");
    const QList<QStringList> p = paginas(33);
    ASSERT_EQ(p.size(), 1);
    EXPECT_EQ(p[0][5], linhaCom({{1, "| Cliente...: 000001 - CLIENTE DA FILIAL 2"}, {80, "|"}}));
    EXPECT_EQ(p[0][6], linhaCom({{1, "| Produto...: 009001 - ESMALTE DA FILIAL 2"}, {80, "|"}}));
    EXPECT_EQ(p[0][7].left(20), "| Gr/Classe.: 102 / ");
    EXPECT_EQ(p[0][11], linhaCom({{2, "07"},
                                  {5, "01001"},
                                  {12, " 1,000000"},
                                  {23, "L"},
                                  {28, "PIGMENTO DA FILIAL 2"},
                                  {74, "100,00"}}));
}

TEST_F(TfoRelFormulaTest, VinteECincoComponentesSeguemNaSegundaPagina) {
    QList<Comp> comps;
    for (int i = 0; i < 25; ++i)
        comps << Comp{1001, 1, 4};
    gravarFormula(1, "500", 9001, comps, false, "OBS");
    imprimir("500", "500");
    const QList<QStringList> p = paginas(33);
    ASSERT_EQ(p.size(), 2);
    EXPECT_EQ(p[1].mid(0, 11), p[0].mid(0, 11)) << "the heading is repeated";
    auto componentes = [](const QStringList& pagina) {
        int n = 0;
        for (const QString& l : pagina)
            n += l.startsWith(" 01 01001");
        return n;
    };
    EXPECT_EQ(componentes(p[0]), 19);
    EXPECT_TRUE(p[0][29].startsWith(" 01 01001")) << "line 30";
    EXPECT_EQ(p[0].mid(30), (QStringList{" ", " ", " "})) << "no total on the first page";
    EXPECT_EQ(componentes(p[1]), 6);
    EXPECT_TRUE(p[1][16].startsWith(" 01 01001")) << "line 17";
    EXPECT_EQ(p[1][19].trimmed(), "Observ. Da Formula:");
    EXPECT_EQ(p[1][20].trimmed(), "OBS");
    EXPECT_EQ(p[1][30].trimmed(), "PESO TOTAL:    25,000");
}
