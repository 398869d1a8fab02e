// The party data module: a party read by key and by name in the current
// branch only, the client and supplier registers, and field widths cut on
// write.
#include "InstalacaoTeste.h"

#include "clifor/TDMClifor.h"
#include "session/Sessao.h"

namespace {

class TDMCliforTest : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        Sess().Filial = 1;
        Tabela t("CLIFOR");
        t.abrir();
        for (const auto& [filial, codigo, sistema, nome] : {
                 std::tuple{1, 3, "0", "tintas boa cor ltda"},
                 std::tuple{1, 1, "0", "ANTONIO SILVA"},
                 std::tuple{1, 5101, "1", "QUIMICA PIGMENTOS S/A"},
                 std::tuple{1, 7101, "1", "BANCO CAPITAL S/A"},
                 std::tuple{1, 2, "0", "Zelia Ramos"},
                 std::tuple{2, 1, "0", "TINTAS DA FILIAL DOIS"},
                 std::tuple{2, 4, "1", "AAA OUTRA FILIAL"},
             }) {
            t.incluir();
            t.campo("Filial").definir(filial);
            t.campo("Cod_Clifor").definir(codigo);
            t.campo("Sistema").definir(sistema);
            t.campo("NOME").definir(nome);
            t.gravar();
        }
    }

    static QString nomes(Tabela& t) {
        QStringList l;
        for (t.primeiro(); !t.eof(); t.proximo())
            l << t.campo("Cod_Clifor").texto() + ":" + t.campo("NOME").texto();
        return l.join(", ");
    }
};

TEST_F(TDMCliforTest, LeParteDaFilialPorCodigoEPorNome) {
    TDMClifor dm;
    dm.abrir();
    EXPECT_TRUE(dm.localizarCodigo(5101));
    EXPECT_EQ(dm.TClifor.campo("NOME").texto(), "QUIMICA PIGMENTOS S/A");
    EXPECT_FALSE(dm.localizarCodigo(4)); // exists in branch 2 only
    EXPECT_EQ(dm.TClifor.campo("Cod_Clifor").inteiro(), 5101);

    const struct {
        const char* nome;
        bool achou;
        const char* posicionado; // "" when past the last name
    } casos[] = {
        {"TINTAS", true, "tintas boa cor ltda"},
        {"zel", true, "Zelia Ramos"},
        {"Banco capital s/a", true, "BANCO CAPITAL S/A"},
        {"B", true, "BANCO CAPITAL S/A"},
        {"AAA", false, "ANTONIO SILVA"},
        {"R", false, "tintas boa cor ltda"},
        {"ZZ", false, ""},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(dm.localizarNome(c.nome), c.achou) << c.nome;
        EXPECT_EQ(dm.TCliforNome.eof() ? "" : dm.TCliforNome.campo("NOME").texto(), c.posicionado)
            << c.nome;
    }
}

TEST_F(TDMCliforTest, ClientesEFornecedoresEmOrdemDeNome) {
    TDMClifor dm;
    dm.abrir();
    EXPECT_EQ(nomes(dm.TClientes), "1:ANTONIO SILVA, 3:tintas boa cor ltda, 2:Zelia Ramos");
    EXPECT_EQ(nomes(dm.TFornecedores), "7101:BANCO CAPITAL S/A, 5101:QUIMICA PIGMENTOS S/A");

    Sess().Filial = 2;
    dm.abrir();
    EXPECT_EQ(nomes(dm.TClientes), "1:TINTAS DA FILIAL DOIS");
    EXPECT_EQ(nomes(dm.TCliforNome), "4:AAA OUTRA FILIAL, 1:TINTAS DA FILIAL DOIS");
}

TEST_F(TDMCliforTest, TextosLongosSaoCortadosNaLarguraDoCampo) {
    const struct {
        const char* campo;
        int largura;
    } casos[] = {
        {"Sistema", 1}, {"NOME", 40},     {"ESTADO", 2},       {"COD_CEPEND", 8},
        {"CGC", 14},    {"INSC_EST", 16}, {"CodMunicipio", 7}, {"OBSERVACAO", 80},
    };
    const QString longo = QString("0123456789").repeated(11);
    Tabela t("CLIFOR");
    t.abrir();
    t.incluir();
    t.campo("Filial").definir(1);
    t.campo("Cod_Clifor").definir(99);
    for (const auto& c : casos)
        t.campo(c.campo).definir(longo);
    t.gravar();
    ASSERT_TRUE(t.localizarChave({1, 99}));
    for (const auto& c : casos)
        EXPECT_EQ(t.campo(c.campo).texto(), longo.left(c.largura)) << c.campo;
}

} // namespace
