// Client/supplier code ranges: classification ("L") with ends included and
// the last matching range winning, advancing ("G") that never lowers, the
// 30000 rule, a locked row, giving a code back, and the code to propose.
#include "InstalacaoTeste.h"

#include "products/IntervalosCodigo.h"
#include "session/Sessao.h"
#include "store/SessaoBanco.h"
#include "store/Tabela.h"

namespace {

QString texto(const FaixasCodigo& f) {
    QStringList l;
    for (const FaixaCodigo& x : f)
        l << QString("%1-%2:%3").arg(x.de).arg(x.ate).arg(x.ultimo);
    return l.join(' ');
}

class IntervalosCodigo : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        Sess().Filial = 1;
        // Suppliers overlap carriers, carriers overlap banks; "Out" covers
        // 5000-5999 but classifies nothing.
        gravarLinha(1, {{"Cli", 1, 999, 10},
                        {"Ven", 1000, 1099, 1000},
                        {"For", 2000, 2999, 2500},
                        {"Tra", 2900, 3150, 0},
                        {"Ban", 3000, 3099, 0},
                        {"Out", 5000, 5999, 0},
                        {"Div", 6000, 39999, 6000}});
        estacao2.definirAlias("Orvalo", {"PATH=C:\\EMPRESA1"});
    }

    struct Faixa {
        const char* sufixo;
        int de, ate, ultimo;
    };
    void gravarLinha(int filial, std::initializer_list<Faixa> faixas) {
        Tabela t("LIMITCOD");
        t.abrir();
        t.incluir();
        t.campo("Filial").definir(filial);
        for (const Faixa& f : faixas) {
            t.campo(QString("Cod_Ini") + f.sufixo).definir(f.de);
            t.campo(QString("Cod_Fim") + f.sufixo).definir(f.ate);
            t.campo(QString("UltCod_") + f.sufixo).definir(f.ultimo);
        }
        t.gravar();
    }
    void definirUltimo(const QString& campo, int valor) {
        Tabela t("LIMITCOD", &estacao2);
        t.abrir();
        ASSERT_TRUE(t.localizarChave({1}));
        t.editar();
        t.campo(campo).definir(valor);
        t.gravar();
    }
    SessaoBanco estacao2;
};

TEST_F(IntervalosCodigo, ClassificaComPontasIncluidasEUltimaFaixaVence) {
    const struct {
        int codigo;
        int tipo; // 0: refused
    } casos[] = {
        {1, 1},    {999, 1},  {1000, 2}, {1099, 2}, {1500, 0},  {2000, 3}, {2950, 4}, {3020, 5},
        {3120, 4}, {3099, 5}, {5500, 0}, {6000, 6}, {39999, 6}, {0, 0},    {-5, 0},   {40000, 0},
    };
    for (const auto& c : casos) {
        dialogos->limpar();
        int tipo = -1;
        EXPECT_EQ(CheckCodeInterval(c.codigo, "L", &tipo), c.tipo != 0) << c.codigo;
        EXPECT_EQ(tipo, c.tipo) << c.codigo;
        const QStringList esperado =
            c.tipo ? QStringList() : QStringList{"Codigo Fora Dos Intervalos Autorizado"};
        EXPECT_EQ(dialogos->textos(), esperado) << c.codigo;
    }
}

TEST_F(IntervalosCodigo, AvancoSoSobeEmCadaFaixaQueContemOCodigo) {
    const struct {
        int codigo;
        const char* faixas;
    } passos[] = {
        {500, "1-999:500 1000-1099:1000 2000-2999:2500 2900-3150:0 3000-3099:0 6000-39999:6000"},
        {5, "1-999:500 1000-1099:1000 2000-2999:2500 2900-3150:0 3000-3099:0 6000-39999:6000"},
        {2950,
         "1-999:500 1000-1099:1000 2000-2999:2950 2900-3150:2950 3000-3099:0 6000-39999:6000"},
        {3020,
         "1-999:500 1000-1099:1000 2000-2999:2950 2900-3150:3020 3000-3099:3020 6000-39999:6000"},
        {30000,
         "1-999:500 1000-1099:1000 2000-2999:2950 2900-3150:3020 3000-3099:3020 6000-39999:6000"},
        {30001,
         "1-999:500 1000-1099:1000 2000-2999:2950 2900-3150:3020 3000-3099:3020 6000-39999:30001"},
        {1500,
         "1-999:500 1000-1099:1000 2000-2999:2950 2900-3150:3020 3000-3099:3020 6000-39999:30001"},
    };
    for (const auto& p : passos) {
        EXPECT_TRUE(CheckCodeInterval(p.codigo, "G")) << p.codigo;
        EXPECT_EQ(texto(LerFaixasCodigo()), p.faixas) << p.codigo;
    }
    // The range kept aside is never advanced.
    EXPECT_TRUE(CheckCodeInterval(5500, "G"));
    Tabela t("LIMITCOD");
    t.abrir();
    t.localizarChave({1});
    EXPECT_EQ(t.campo("UltCod_Out").inteiro(), 0);
    EXPECT_TRUE(dialogos->textos().isEmpty());
    EXPECT_FALSE(CheckCodeInterval(500, "X"));
}

TEST_F(IntervalosCodigo, FilialSemFaixasOuComFaixasZeradasRecusaTudoMenosZero) {
    gravarLinha(2, {});
    Sess().Filial = 2;
    int tipo = -1;
    EXPECT_FALSE(CheckCodeInterval(1, "L", &tipo));
    EXPECT_EQ(tipo, 0);
    EXPECT_TRUE(CheckCodeInterval(0, "L", &tipo));
    EXPECT_EQ(tipo, 6);

    Sess().Filial = 3; // no row at all
    EXPECT_FALSE(CheckCodeInterval(1, "L"));
    EXPECT_TRUE(CheckCodeInterval(1, "G"));
    EXPECT_EQ(texto(LerFaixasCodigo()), "0-0:0 0-0:0 0-0:0 0-0:0 0-0:0 0-0:0");
    Tabela t("LIMITCOD");
    t.abrir();
    EXPECT_FALSE(t.localizarChave({3}));
    EXPECT_EQ(dialogos->textos(), QStringList({"Codigo Fora Dos Intervalos Autorizado",
                                               "Codigo Fora Dos Intervalos Autorizado"}));
}

TEST_F(IntervalosCodigo, LinhaBloqueadaDesistidaNadaGravaEOutraEstacaoNuncaBaixa) {
    Tabela b("LIMITCOD", &estacao2);
    b.abrir();
    b.localizarChave({1});
    b.editar();
    dialogos->responder(Resposta::Cancelar);
    EXPECT_FALSE(CheckCodeInterval(700, "G"));
    EXPECT_EQ(dialogos->textos(), QStringList{"Existe outro usuário alterando este registro"});
    b.campo("UltCod_Cli").definir(800);
    b.gravar();
    // The other station's higher code, posted after this station's cursor
    // could have read the row, is what the edit sees.
    EXPECT_TRUE(CheckCodeInterval(700, "G"));
    EXPECT_EQ(LerFaixasCodigo()[0].ultimo, 800);
}

TEST_F(IntervalosCodigo, CodigoDevolvidoSoEnquantoAindaForOUltimo) {
    ASSERT_TRUE(CheckCodeInterval(11, "G"));
    EXPECT_TRUE(DevolverCodigo(11, 1));
    EXPECT_EQ(LerFaixasCodigo()[0].ultimo, 10);

    ASSERT_TRUE(CheckCodeInterval(11, "G"));
    definirUltimo("UltCod_Cli", 12); // handed out meanwhile by another station
    EXPECT_TRUE(DevolverCodigo(11, 1));
    EXPECT_EQ(LerFaixasCodigo()[0].ultimo, 12);
    EXPECT_TRUE(DevolverCodigo(11, 0)); // no kind: nothing to give back
    EXPECT_EQ(texto(LerFaixasCodigo()),
              "1-999:12 1000-1099:1000 2000-2999:2500 2900-3150:0 3000-3099:0 6000-39999:6000");
}

TEST(ProximoCodigo, UmAcimaDoUltimoDentroDaFaixaOuNenhum) {
    const struct {
        FaixaCodigo faixa;
        int proximo;
    } casos[] = {
        {{1, 999, 10}, 11},   {{5100, 6999, 0}, 5100}, {{5100, 6999, 5100}, 5101},
        {{1, 999, 998}, 999}, {{1, 999, 999}, 0},      {{1, 999, 1200}, 0},
        {{0, 0, 0}, 0},       {{0, 50, 0}, 1},
    };
    for (const auto& c : casos)
        EXPECT_EQ(ProximoCodigo(c.faixa), c.proximo)
            << c.faixa.de << "-" << c.faixa.ate << ":" << c.faixa.ultimo;
}

} // namespace
