#include "DemoProdutos.h"

#include "DemoCadastroProdutos.h"
#include "FormatoNumero.h"
#include "Relogio.h"
#include "Tabela.h"

#include <initializer_list>
#include <utility>

namespace {

struct Nivel {
    int n;
    const char* codigo;
    const char* descricao;
};

const Nivel niveis[] = {
    {1, "01", "MATERIAS-PRIMAS"},      {1, "02", "PRODUTOS ACABADOS"},
    {2, "001", "PIGMENTOS"},           {2, "002", "RESINAS"},
    {2, "003", "SOLVENTES"},           {2, "004", "BASES E CARGAS"},
    {2, "101", "TINTAS IMOBILIARIAS"}, {2, "102", "ESMALTES"},
    {3, "0001", "INORGANICOS"},        {3, "0002", "ORGANICOS"},
    {3, "0003", "ACRILICAS"},          {3, "0004", "ALQUIDICAS"},
    {3, "0005", "VINILICAS"},          {3, "0006", "ALIFATICOS"},
    {3, "0007", "AROMATICOS"},         {3, "0008", "GLICOIS E AGUA"},
    {3, "0009", "CARGAS MINERAIS"},    {3, "0010", "BASES DE TINGIMENTO"},
    {3, "0011", "BASE AGUA"},          {3, "0012", "BASE SOLVENTE"},
    {4, "001", "LINHA STANDARD"},      {4, "002", "LINHA PREMIUM"},
    {5, "000001", "NACIONAL"},         {5, "000002", "IMPORTADO"},
};

struct Produto {
    int codigo;
    const char* niveis[5];
    const char* nome;
    const char* unidade;
    double ultimoCusto; // R$
    double custoDolar;  // US$, kept in LISTA6
    double densidade;   // kg/l
    double estoque;
    const char* formula; // finished paints only
};

const Produto produtos[] = {
    // Pigments
    {1001,
     {"01", "001", "0001", "001", "000002"},
     "DIOXIDO DE TITANIO RUTILO",
     "KG",
     18.5,
     3.4,
     4.1,
     850,
     ""},
    {1002,
     {"01", "001", "0001", "001", "000001"},
     "OXIDO DE FERRO VERMELHO",
     "KG",
     9.8,
     1.8,
     5.0,
     300,
     ""},
    {1003,
     {"01", "001", "0001", "001", "000001"},
     "OXIDO DE FERRO AMARELO",
     "KG",
     10.2,
     1.87,
     4.1,
     280,
     ""},
    {1004, {"01", "001", "0001", "001", "000002"}, "NEGRO DE FUMO", "KG", 22.0, 4.04, 1.8, 60, ""},
    {1005,
     {"01", "001", "0002", "002", "000002"},
     "AZUL FTALOCIANINA",
     "KG",
     85.0,
     15.6,
     1.6,
     25,
     ""},
    {1006,
     {"01", "001", "0002", "002", "000002"},
     "VERDE FTALOCIANINA",
     "KG",
     95.0,
     17.43,
     2.1,
     18,
     ""},
    // Resins
    {2001,
     {"01", "002", "0003", "001", "000001"},
     "RESINA ACRILICA ESTIRENADA 50%",
     "KG",
     12.4,
     2.28,
     1.05,
     1200,
     ""},
    {2002,
     {"01", "002", "0004", "001", "000001"},
     "RESINA ALQUIDICA MEDIA SOJA 50%",
     "KG",
     14.9,
     2.73,
     0.98,
     900,
     ""},
    {2003,
     {"01", "002", "0005", "001", "000001"},
     "EMULSAO PVA 55%",
     "KG",
     7.6,
     1.39,
     1.08,
     1500,
     ""},
    // Solvents
    {3001,
     {"01", "003", "0006", "001", "000001"},
     "AGUARRAS MINERAL",
     "L",
     6.2,
     1.14,
     0.78,
     2000,
     ""},
    {3002, {"01", "003", "0007", "001", "000001"}, "XILOL", "L", 8.4, 1.54, 0.87, 800, ""},
    {3003,
     {"01", "003", "0008", "001", "000001"},
     "AGUA DESMINERALIZADA",
     "L",
     0.05,
     0.01,
     1.0,
     5000,
     ""},
    {3004, {"01", "003", "0008", "001", "000001"}, "BUTILGLICOL", "KG", 15.3, 2.81, 0.9, 200, ""},
    // Bases and fillers
    {4001,
     {"01", "004", "0009", "001", "000001"},
     "CARBONATO DE CALCIO MICRONIZADO",
     "KG",
     0.9,
     0.17,
     2.7,
     6000,
     ""},
    {4002,
     {"01", "004", "0009", "001", "000001"},
     "CAULIM CALCINADO",
     "KG",
     1.6,
     0.29,
     2.6,
     2500,
     ""},
    {4003,
     {"01", "004", "0010", "002", "000001"},
     "BASE ACRILICA BRANCA P",
     "L",
     11.8,
     2.17,
     1.35,
     400,
     ""},
    {4004, {"01", "004", "0010", "002", "000001"}, "BASE NEUTRA T", "L", 10.9, 2.0, 1.25, 350, ""},
    // Finished paints
    {9001,
     {"02", "101", "0011", "002", "000001"},
     "TINTA ACRILICA FOSCA BRANCO NEVE",
     "L",
     9.1,
     1.67,
     1.38,
     180,
     "9001"},
    {9002,
     {"02", "101", "0011", "001", "000001"},
     "TINTA LATEX PVA GELO",
     "L",
     5.4,
     0.99,
     1.42,
     240,
     "9002"},
    {9003,
     {"02", "102", "0012", "002", "000001"},
     "ESMALTE SINTETICO BRILHANTE VERMELHO",
     "L",
     16.2,
     2.97,
     1.1,
     90,
     "9003"},
};

// Generic chemical names (NOME3) of the raw materials, printed on the
// safety sheets.
const std::pair<int, const char*> nomesGenericos[] = {
    {1001, "DIOXIDO DE TITANIO"},
    {1002, "OXIDO DE FERRO III"},
    {1003, "OXIDO DE FERRO HIDRATADO"},
    {1004, "NEGRO DE CARBONO"},
    {1005, "FTALOCIANINA DE COBRE"},
    {1006, "FTALOCIANINA DE COBRE CLORADA"},
    {2001, "COPOLIMERO ESTIRENO ACRILICO"},
    {2002, "RESINA ALQUIDICA"},
    {2003, "POLIACETATO DE VINILA"},
    {3001, "HIDROCARBONETOS ALIFATICOS"},
    {3002, "XILENO"},
    {3003, "AGUA"},
    {3004, "2-BUTOXIETANOL"},
    {4001, "CARBONATO DE CALCIO"},
    {4002, "SILICATO DE ALUMINIO"},
    {4003, "DISPERSAO ACRILICA PIGMENTADA"},
    {4004, "DISPERSAO ACRILICA"},
};

// UN numbers (Cod_Onu) of the solvent-based paints: UN 1263, paint.
const std::pair<int, const char*> codigosOnu[] = {{9003, "1263"}};

template <size_t N>
const char* procurar(const std::pair<int, const char*> (&lista)[N], int codigo) {
    for (const auto& [c, texto] : lista)
        if (c == codigo)
            return texto;
    return "";
}

void criarNiveis(const QString& banco, int filial) {
    for (int n = 1; n <= 5; ++n) {
        Tabela t("ESTNIV" + QString::number(n));
        t.setNomeBanco(banco);
        t.abrir();
        for (const Nivel& nivel : niveis) {
            if (nivel.n != n || t.localizarChave({filial, nivel.codigo}))
                continue;
            t.incluir();
            t.campo("Filial").definir(filial);
            t.campo("Nivel" + QString::number(n)).definir(nivel.codigo);
            t.campo("DESCRIC" + QString::number(n)).definir(nivel.descricao);
            t.gravar();
        }
    }
}

} // namespace

void CriarDemoProdutos(const QString& banco, int filial) {
    criarNiveis(banco, filial);

    const QDate hoje = Relogio::atual().hoje();
    Tabela t("ESTPROMA");
    t.setNomeBanco(banco);
    t.abrir();
    for (const Produto& p : produtos) {
        if (t.localizarChave({filial, p.codigo}))
            continue;
        const bool acabado = p.formula[0] != '\0';
        t.incluir();
        t.campo("Filial").definir(filial);
        t.campo("Cod_Reduz").definir(p.codigo);
        for (int n = 0; n < 5; ++n)
            t.campo("Nivel" + QString::number(n + 1)).definir(p.niveis[n]);
        t.campo("Nivel6").definir(Formatar("%6.6d", {p.codigo}));
        t.campo("NOME1").definir(p.nome);
        t.campo("NOME3").definir(procurar(nomesGenericos, p.codigo));
        t.campo("Cod_Onu").definir(procurar(codigosOnu, p.codigo));
        t.campo("UNID_PAD").definir(p.unidade);
        t.campo("CONVERSAO").definir(1.0);
        t.campo("SIT_TRIBUT").definir(p.niveis[4] == QLatin1String("000002") ? "2" : "0");
        t.campo("QTD_FIS").definir(p.estoque);
        t.campo("ULTIMOCUST").definir(p.ultimoCusto);
        t.campo("CustoMedio").definir(p.ultimoCusto);
        t.campo("PRECO_ENTR").definir(p.ultimoCusto);
        t.campo("LISTA6").definir(p.custoDolar);
        t.campo("Densidade").definir(p.densidade);
        t.campo("SITUACAO").definir("1");
        t.campo("GRADE").definir("0");
        t.campo("TIPO").definir(acabado ? "A" : "M");
        t.campo("TipoItemSped").definir(acabado ? "04" : "01");
        t.campo("Producao").definir(acabado ? "S" : "N");
        t.campo("Formula").definir(p.formula);
        t.campo("DataCadastro").definir(hoje);
        t.gravar();
    }
    CriarDemoCadastroProdutos(banco, filial);
}
