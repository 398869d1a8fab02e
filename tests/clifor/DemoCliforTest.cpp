// Demonstration parties: every party inside the range of its kind and in
// the right register, valid documents, known municipalities, the states
// and the municipality list; a second run adds nothing.
#include "InstalacaoTeste.h"

#include "clifor/DemoClifor.h"
#include "products/IntervalosCodigo.h"
#include "services/DigitosVerificadores.h"
#include "services/SaldoLimiteCredito.h"
#include "services/TabelasReferencia.h"
#include "session/Sessao.h"
#include "store/Consulta.h"
#include "store/ErroBanco.h"
#include "store/Tabela.h"

#include <algorithm>

namespace {

int contar(const QString& sql) {
    Consulta q;
    q.setSql({sql});
    q.abrir();
    return q.campo(0).inteiro();
}

TEST(DigitosDemo, CompletaCnpjECpfComOsDigitosVerificadores) {
    const struct {
        const char* base;
        const char* numero;
    } casos[] = {
        {"112223330001", "11222333000181"}, {"000000000001", "00000000000191"},
        {"529982247", "52998224725"},       {"111444777", "11144477735"},
        {"000000001", "00000000191"},
    };
    for (const auto& c : casos) {
        const QString base = c.base;
        EXPECT_EQ(base.size() == 9 ? CompletarCPF(base) : CompletarCNPJ(base), c.numero);
    }
}

class DemoClifor : public InstalacaoTeste {};

TEST_F(DemoClifor, PartesDentroDasFaixasComDocumentosEMunicipiosValidos) {
    const QString pasta = PastaDados();
    ASSERT_FALSE(pasta.isEmpty());
    CriarDemoClifor("Orvalo", 1);
    CriarDemoClifor("Orvalo", 1);
    CriarDemoClifor("Orvalo", 2);

    EXPECT_EQ(contar("SELECT COUNT(*) FROM MUNIC"), 5570);
    EXPECT_EQ(contar("SELECT COUNT(*) FROM Uf"), 27);
    EXPECT_EQ(contar("SELECT COUNT(*) FROM MUNIC WHERE CoMunicipio = '3550308' AND "
                     "NoMunicipio = 'SÃO PAULO'"),
              1);
    EXPECT_EQ(contar("SELECT COUNT(*) FROM MUNIC WHERE NoMunicipio = 'ALTA FLORESTA D''OESTE'"), 1);
    const CargaReferencia segunda = CarregarTabelasReferencia("Orvalo", pasta);
    EXPECT_EQ(segunda.estados + segunda.municipios + segunda.maiusculas + segunda.consultas, 0);

    Sess().Filial = 1;
    const FaixasCodigo faixas = LerFaixasCodigo();
    Tabela t("CLIFOR");
    t.abrir();
    t.definirFaixa({1}, {1});
    QList<int> tipos;
    for (; !t.eof(); t.proximo()) {
        const int codigo = t.campo("Cod_Clifor").inteiro();
        const int tipo = t.campo("Tipo").inteiro();
        tipos << tipo;
        EXPECT_EQ(TipoDoCodigo(faixas, codigo), tipo) << codigo;
        EXPECT_LE(codigo, faixas[size_t(tipo - 1)].ultimo) << codigo;
        EXPECT_EQ(t.campo("Sistema").texto(), tipo == 1 ? "0" : "1") << codigo;
        const QString cgc = t.campo("CGC").texto();
        EXPECT_TRUE(cgc.size() == 11 ? ValidarCPF(cgc, true) : ValidarCGC(cgc, true)) << codigo;
        Consulta m;
        m.setSql({"SELECT COUNT(*) FROM MUNIC WHERE CoMunicipio = :C"});
        m.definirParametro("C", t.campo("CodMunicipio").texto());
        m.abrir();
        EXPECT_EQ(m.campo(0).inteiro(), 1) << codigo;
        EXPECT_EQ(t.campo("Cod_Pais").texto(), "1058");
    }
    std::sort(tipos.begin(), tipos.end());
    tipos.erase(std::unique(tipos.begin(), tipos.end()), tipos.end());
    EXPECT_EQ(tipos, QList<int>({1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(dialogos->textos().isEmpty());
    EXPECT_EQ(contar("SELECT COUNT(*) FROM CLIFOR WHERE Filial = 2"),
              contar("SELECT COUNT(*) FROM CLIFOR WHERE Filial = 1"));
    EXPECT_EQ(contar("SELECT COUNT(*) FROM CLIFOR WHERE CGC = '12ABC34501DE35'"), 2);

    // The credit in use: client 1 owes its two open titles; client 2's
    // unregistered history leaves only its newer title.
    EXPECT_EQ(SaldoLimiteCredito(1, 0).dezMilesimos(), 116000000);
    EXPECT_EQ(SaldoLimiteCredito(2, 0).dezMilesimos(), 19800000);
    EXPECT_EQ(dialogos->textos(),
              QStringList{"Historico baixa duplicata não cadastrado:\r\rDuplicata : 002001/1 "
                          "*** Histórico : 9"});
}

} // namespace
