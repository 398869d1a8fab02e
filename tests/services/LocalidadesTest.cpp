// Municipality codes, the reference tables behind them, the states'
// registry pages and the outside programs: accents and case of the city,
// names an SQL text would break on, a second load that adds nothing, the
// upper-casing of names an earlier version stored, the address the
// desktop is asked to open, and a program that is waited for.
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "services/CodigoMunicipio.h"
#include "services/ConsultarCadastroEstadual.h"
#include "services/ExecutarEAguardar.h"
#include "services/TabelasReferencia.h"
#include "store/ErroBanco.h"

#include <QDir>
#include <QFile>
#include <QUrl>

namespace {

int Contar(const QString& sql) {
    Consulta q;
    q.setSql({sql});
    q.abrir();
    return q.campo(0).inteiro();
}

class Localidades : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        pasta = PastaDados();
        ASSERT_FALSE(pasta.isEmpty());
    }
    void TearDown() override {
        InstalarAbridorEndereco(nullptr);
        InstalacaoTeste::TearDown();
    }

    QString pasta;
};

TEST_F(Localidades, CodigoMunicipioPorEstadoECidadeSemDiferencaDeCaixa) {
    const CargaReferencia carga = CarregarTabelasReferencia("Orvalo", pasta);
    EXPECT_EQ(carga.estados, 27);
    EXPECT_EQ(carga.municipios, 5570);
    EXPECT_EQ(carga.maiusculas, 0);
    EXPECT_EQ(carga.consultas, 27);
    const struct {
        const char* uf;
        const char* cidade;
        const char* codigo;
    } casos[] = {
        {"sp", "são paulo", "3550308"},  {"SP", "SÃO PAULO", "3550308"},
        {"SP", "SAO PAULO", ""},         {"SP", "SÃO  PAULO", ""},
        {"SP", "Campinas", "3509502"},   {"RS", "CAMPINAS", ""},
        {"PA", "Pau D'Arco", "1505551"}, {"to", "pau d'arco", "1716307"},
        {"PI", "Pau D'Arco", ""},        {"PI", "PAU D'ARCO DO PIAUÍ", "2207793"},
        {"XX", "CAMPINAS", ""},          {"S'", "X' OR '1'='1", ""},
    };
    for (const auto& c : casos)
        EXPECT_EQ(CodigoMunicipio(QString::fromUtf8(c.uf), QString::fromUtf8(c.cidade)), c.codigo)
            << c.uf << " " << c.cidade;
}

TEST_F(Localidades, SegundaCargaNadaAcrescentaENomesAntigosFicamMaiusculos) {
    // An earlier version stored the names as the IBGE file writes them.
    ExecutarSql({"INSERT INTO MUNIC (NoMunicipio, CoMunicipio) VALUES ('São Paulo', '3550308'), "
                 "('Alta Floresta D''Oeste', '1100015'), ('CAMPINAS', '3509502')"});
    CargaReferencia carga = CarregarTabelasReferencia("Orvalo", pasta);
    EXPECT_EQ(carga.municipios, 0);
    EXPECT_EQ(carga.maiusculas, 2);
    EXPECT_EQ(carga.estados, 27);
    EXPECT_EQ(TextoTabela("MUNIC"),
              QString::fromUtf8(
                  "SÃO PAULO|3550308||\nALTA FLORESTA D'OESTE|1100015||\nCAMPINAS|3509502||"));
    carga = CarregarTabelasReferencia("Orvalo", pasta);
    EXPECT_EQ(carga.estados + carga.municipios + carga.maiusculas + carga.consultas, 0);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM Uf"), 27);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM ConsultaCadEstadual"), 27);
}

TEST_F(Localidades, ArquivoAusenteNadaCarregaDaTabela) {
    EXPECT_THROW(CarregarTabelasReferencia("Orvalo", host("C:\\EMPRESA1")), ErroBanco);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM Uf"), 0);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM MUNIC"), 0);
}

TEST_F(Localidades, PaginaDoEstadoPedidaAoDesktop) {
    CarregarTabelasReferencia("Orvalo", pasta);
    ExecutarSql({"UPDATE ConsultaCadEstadual SET Endereco = NULL WHERE SgUf = 'RR'"});
    QList<QUrl> pedidas;
    bool aceita = true;
    InstalarAbridorEndereco([&](const QUrl& u) {
        pedidas << u;
        return aceita;
    });
    EXPECT_TRUE(ConsultarCadastroEstadual("sp"));
    EXPECT_FALSE(ConsultarCadastroEstadual("XX"));
    EXPECT_FALSE(ConsultarCadastroEstadual("RR"));
    aceita = false;
    EXPECT_FALSE(ConsultarCadastroEstadual("MG"));
    ASSERT_EQ(pedidas.size(), 2);
    EXPECT_EQ(pedidas[0].toString(), "https://www.cadesp.fazenda.sp.gov.br/Pages/Cadastro/"
                                     "Consultas/ConsultaPublica/ConsultaPublica.aspx");
    EXPECT_EQ(pedidas[1].toString(), "http://www.sintegra.gov.br/");
    EXPECT_EQ(dialogos->textos(),
              QStringList{"Não foi possível abrir a página http://www.sintegra.gov.br/ no "
                          "navegador."});
}

TEST_F(Localidades, ProgramaExternoAguardadoAteTerminar) {
    // A program in a folder with a blank, writing its arguments and working
    // folder only at its end.
    criarDiretorio("C:\\Arquivos de programas\\Captura");
    const QString programa = host("C:\\Arquivos de programas\\Captura") + "/captura.sh";
    QFile script(programa);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nsleep 0.3\nprintf '%s|%s|%s' \"$1\" \"$2\" \"$(pwd)\" > saida.txt\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString saida = host("C:\\Arquivos de programas\\Captura") + "/saida.txt";

    EXPECT_TRUE(ExecutarEAguardar("C:\\Arquivos de programas\\Captura\\captura.sh",
                                  "\"CLIENTE 12\" 0001", 1));
    QFile resultado(saida);
    ASSERT_TRUE(resultado.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(resultado.readAll()),
              "CLIENTE 12|0001|" +
                  QDir(host("C:\\Arquivos de programas\\Captura")).canonicalPath());

    EXPECT_FALSE(ExecutarEAguardar("C:\\Arquivos de programas\\Captura\\nao-existe.exe", "", 1));
}

} // namespace
