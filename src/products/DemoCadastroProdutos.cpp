#include "DemoCadastroProdutos.h"

#include "PrecosProduto.h"
#include "store/Tabela.h"

#include <QVariant>
#include <initializer_list>
#include <utility>

namespace {
using Valores = std::initializer_list<std::pair<const char*, QVariant>>;

// Inserts the row unless one with the key values exists.
void Linha(Tabela& t, const QVariantList& chave, Valores valores) {
    if (t.localizarChave(chave))
        return;
    t.incluir();
    for (const auto& [campo, valor] : valores)
        t.campo(campo).definir(valor);
    t.gravar();
}

void Abrir(Tabela& t, const QString& banco) {
    t.setNomeBanco(banco);
    t.abrir();
}

struct Ncm {
    const char* codigo;
    const char* descricao;
};
const Ncm ncms[] = {
    {"32061119", "PIGMENTOS A BASE DE DIOXIDO DE TITANIO"},
    {"28211011", "OXIDOS E HIDROXIDOS DE FERRO"},
    {"28030090", "NEGRO DE FUMO"},
    {"32041700", "PIGMENTOS ORGANICOS SINTETICOS"},
    {"39069019", "POLIMEROS ACRILICOS EM FORMAS PRIMARIAS"},
    {"39075090", "RESINAS ALQUIDICAS"},
    {"39051910", "POLI(ACETATO DE VINILA) EM DISPERSAO AQUOSA"},
    {"27101230", "AGUARRAS MINERAL"},
    {"29024400", "XILENOS"},
    {"28539090", "AGUA DESMINERALIZADA"},
    {"29094300", "ETERES MONOBUTILICOS DO ETILENOGLICOL"},
    {"28365000", "CARBONATO DE CALCIO"},
    {"25070010", "CAULIM"},
    {"32129090", "BASES E PREPARACOES PARA TINGIMENTO"},
    {"32091010", "TINTAS A BASE DE POLIMEROS ACRILICOS EM MEIO AQUOSO"},
    {"32081010", "TINTAS A BASE DE POLIESTERES EM MEIO NAO AQUOSO"},
};

// Each demo product's NCM and first supplier.
struct Fiscal {
    int produto;
    const char* ncm;
    int fornecedor;
};
const Fiscal fiscais[] = {
    {1001, "32061119", 5101}, {1002, "28211011", 5101}, {1003, "28211011", 5101},
    {1004, "28030090", 5101}, {1005, "32041700", 5101}, {1006, "32041700", 5101},
    {2001, "39069019", 5102}, {2002, "39075090", 5102}, {2003, "39051910", 5102},
    {3001, "27101230", 5103}, {3002, "29024400", 5103}, {3003, "28539090", 5103},
    {3004, "29094300", 5103}, {4001, "28365000", 5103}, {4002, "25070010", 5103},
    {4003, "32129090", 5102}, {4004, "32129090", 5102}, {9001, "32091010", 0},
    {9002, "32091010", 0},    {9003, "32081010", 0},
};

void CriarNcm(const QString& banco, int filial) {
    Tabela ncm("EstpromaNCM");
    Abrir(ncm, banco);
    for (const Ncm& n : ncms)
        Linha(ncm, {n.codigo}, {{"NCM", n.codigo}, {"Descricao", n.descricao}});
    Tabela produtos("ESTPROMA");
    Abrir(produtos, banco);
    for (const Fiscal& f : fiscais) {
        if (!produtos.localizarChave({filial, f.produto}) || !produtos.campo("CLAS_FISC").ehNulo())
            continue;
        produtos.editar();
        produtos.campo("CLAS_FISC").definir(f.ncm);
        if (f.fornecedor)
            produtos.campo("Cod_For1").definir(f.fornecedor);
        produtos.gravar();
    }
}

void CriarListas(const QString& banco, int filial) {
    Tabela nomes("NOMLISTA");
    Abrir(nomes, banco);
    const char* const listas[] = {"VAREJO",       "ATACADO",  "REVENDA",
                                  "CONSTRUTORAS", "PROMOCAO", "CUSTO US$"};
    for (int n = 1; n <= 6; ++n)
        Linha(nomes, {filial, n}, {{"Filial", filial}, {"Lista", n}, {"Descricao", listas[n - 1]}});
    // Lists 2 to 5 follow list 1 with these percentages; 6 keeps the
    // dollar cost.
    Tabela f("Filial");
    Abrir(f, banco);
    if (f.localizarChave({filial}) && f.campo("Percent_L2").ehNulo()) {
        f.editar();
        const double percentuais[] = {-10, -5, -12, -15};
        for (int n = 2; n <= 5; ++n)
            f.campo("Percent_L" + QString::number(n)).definir(percentuais[n - 2]);
        f.gravar();
    }
}

void CriarPlanilha(const QString& banco, int filial) {
    Tabela margens("Margens");
    Abrir(margens, banco);
    for (int n = 1; n <= 7; ++n)
        Linha(margens, {n},
              {{"Codigo", n},
               {"Descricao", QString::number(15 + 5 * n) + " %"},
               {"Margem", 1 + (15 + 5 * n) / 100.0},
               {"Divisor", false}});
    Tabela indices("Indices");
    Abrir(indices, banco);
    Linha(indices, {1}, {{"Codigo", 1}, {"Descricao", "ATACADO"}, {"Indice", 1.3}});
    Linha(indices, {2}, {{"Codigo", 2}, {"Descricao", "DISTRIBUIDOR"}, {"Indice", 1.2}});

    struct Planilha {
        int produto;
        double compra, descPer, acrePer;
    };
    const Planilha planilhas[] = {{9001, 9.10, 5, 12}, {9002, 5.40, 0, 12}, {9003, 16.20, 3, 18}};
    Tabela precos("Precos");
    Abrir(precos, banco);
    for (const Planilha& p : planilhas) {
        CompraPlanilha c;
        c.precoCompra = p.compra;
        c.descPer = p.descPer;
        c.acrePer = p.acrePer;
        const double liquido = PrecoCompraLiquido(c);
        if (precos.localizarChave({filial, p.produto}))
            continue;
        precos.incluir();
        precos.campo("Filial").definir(filial);
        precos.campo("Cod_Reduz").definir(p.produto);
        precos.campo("PrecoCompra").definir(p.compra);
        precos.campo("DescPer").definir(p.descPer);
        precos.campo("AcrePer").definir(p.acrePer);
        precos.campo("PrecoCompraLiq").definir(liquido);
        for (int n = 1; n <= 7; ++n)
            precos.campo("Margem" + QString::number(n))
                .definir(PrecoDaMargem(liquido, 1 + (15 + 5 * n) / 100.0, false));
        precos.campo("PrecoVarejo").definir(PrecoDaMargem(liquido, 1.5, false));
        precos.campo("IndiceAtacado").definir(1);
        precos.campo("PrecoAtacado").definir(PrecoDaMargem(liquido, 1.3, false));
        precos.gravar();
    }
}

void CriarRegioes(const QString& banco, int filial) {
    Tabela carimbos("Carimbo");
    Abrir(carimbos, banco);
    Linha(carimbos, {1},
          {{"Car_Codigo", 1},
           {"CAR_DESC1", "ICMS RECOLHIDO POR SUBSTITUICAO TRIBUTARIA"},
           {"CAR_DESC2", "CONFORME PROTOCOLO ICMS 74/2008"}});
    Linha(carimbos, {2}, {{"Car_Codigo", 2}, {"CAR_DESC1", "BASE DE CALCULO DO ICMS REDUZIDA"}});
    Tabela regioes("ALIQBASE");
    Abrir(regioes, banco);
    for (int produto : {9001, 9002, 9003}) {
        Linha(regioes, {filial, produto, "A"},
              {{"Filial", filial},
               {"Cod_Reduz", produto},
               {"REGIAOFISC", "A"},
               {"ALIQUOTA", 18.0},
               {"BASEICMS", 100.0},
               {"ALIQCUPOM", 18.0},
               {"COD_CARIMB", 1},
               {"PercSubst", 35.0},
               {"ModBc", "3"},
               {"ModBcST", "4"},
               {"CstICMS", "10"}});
        Linha(regioes, {filial, produto, "B"},
              {{"Filial", filial},
               {"Cod_Reduz", produto},
               {"REGIAOFISC", "B"},
               {"ALIQUOTA", 12.0},
               {"BASEICMS", 100.0},
               {"ALIQCUPOM", 12.0},
               {"ModBc", "3"},
               {"CstICMS", "00"}});
    }
}

void CriarTamanhosEObservacoes(const QString& banco, int filial) {
    Tabela catalogo("TAMANHOS");
    Abrir(catalogo, banco);
    const std::pair<const char*, const char*> tamanhos[] = {
        {"QT", "0,9L"}, {"GL", "3,6L"}, {"LT", "18L"}};
    int codigo = 0;
    for (const auto& [tamanho, descricao] : tamanhos) {
        ++codigo;
        Linha(catalogo, {codigo},
              {{"Codigo", codigo}, {"Tamanho", tamanho}, {"Descricao", descricao}});
    }
    Tabela obs("ObseProd");
    Abrir(obs, banco);
    const std::pair<int, const char*> linhas[] = {
        {9001, "DILUIR ATE 20% COM AGUA LIMPA"},
        {9001, "RENDIMENTO: ATE 40 M2 POR DEMAO (GALAO 3,6L)"},
        {9003, "DILUIR COM AGUARRAS; SECAGEM AO TOQUE EM 4 HORAS"},
        {1005, "PIGMENTO DE ALTA FORCA TINTORIAL: DOSAR COM BALANCA DE PRECISAO"},
    };
    int anterior = 0, sequencia = 0;
    for (const auto& [produto, texto] : linhas) {
        sequencia = produto == anterior ? sequencia + 1 : 1;
        anterior = produto;
        Linha(obs, {filial, produto, sequencia},
              {{"Filial", filial},
               {"Cod_Reduz", produto},
               {"Sequencia", sequencia},
               {"Observacao", texto}});
    }
}

void CriarImportacao(const QString& banco, int filial) {
    Tabela paises("PAISES");
    Abrir(paises, banco);
    const std::pair<const char*, const char*> lista[] = {
        {"0230", "ALEMANHA"}, {"1600", "CHINA"}, {"2496", "ESTADOS UNIDOS"}};
    for (const auto& [codigo, nome] : lista)
        Linha(paises, {codigo}, {{"CODIGO", codigo}, {"NOME", nome}});
    struct Imposto {
        int produto;
        const char* pais;
        double percentual;
    };
    const Imposto impostos[] = {{1001, "1600", 12.6},
                                {1001, "2496", 10.8},
                                {1004, "0230", 10.8},
                                {1005, "0230", 12.6},
                                {1006, "2496", 12.6}};
    Tabela t("ALIQBASE_Importacao");
    Abrir(t, banco);
    for (const Imposto& i : impostos)
        Linha(t, {filial, i.produto, i.pais, "I"},
              {{"Filial", filial},
               {"Cod_Reduz", i.produto},
               {"CodPais", i.pais},
               {"Operacao", "I"},
               {"PercImpImportacao", i.percentual}});
}

void CriarOrdemOficina(const QString& banco, int filial) {
    Tabela ordens("OrcaOfic");
    Abrir(ordens, banco);
    Linha(ordens, {filial, "O", 501},
          {{"Filial", filial}, {"Tipo", "O"}, {"Codigo", 501}, {"Situacao", "A"}});
    // A finished order commits nothing.
    Linha(ordens, {filial, "O", 480},
          {{"Filial", filial}, {"Tipo", "O"}, {"Codigo", 480}, {"Situacao", "F"}});
    Tabela itens("OrcaOfii");
    Abrir(itens, banco);
    struct Item {
        int ordem, item, produto;
        double quantidade;
    };
    const Item lista[] = {
        {501, 1, 1001, 25}, {501, 2, 2001, 40}, {501, 3, 3001, 12.5}, {480, 1, 1001, 300}};
    for (const Item& i : lista)
        Linha(itens, {filial, "O", i.ordem, i.item},
              {{"Filial", filial},
               {"Tipo", "O"},
               {"NumOrca", i.ordem},
               {"Item", i.item},
               {"Cod_Reduz", i.produto},
               {"TipoItem", "P"},
               {"Quantidade", i.quantidade}});
}
} // namespace

void CriarDemoCadastroProdutos(const QString& banco, int filial) {
    CriarNcm(banco, filial);
    CriarListas(banco, filial);
    CriarPlanilha(banco, filial);
    CriarRegioes(banco, filial);
    CriarTamanhosEObservacoes(banco, filial);
    CriarImportacao(banco, filial);
    CriarOrdemOficina(banco, filial);
}
