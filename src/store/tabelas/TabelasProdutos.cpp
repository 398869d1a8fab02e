// The product register, its companion tables and the code intervals.
#include "Tabelas.h"

namespace {

QString Numerado(const char* prefixo, int n) {
    return QString::fromLatin1(prefixo) + QString::number(n);
}

void RegistrarEstproma() {
    Definicao d("ESTPROMA");
    d.shortInt("Filial")
        .longInt("Cod_Reduz")
        .texto("Nivel1", 2)
        .texto("Nivel2", 3)
        .texto("Nivel3", 4)
        .texto("Nivel4", 3)
        .texto("Nivel5", 6)
        .texto("Nivel6", 6)
        .texto("NOME1", 45)
        .texto("NOME2", 35)
        .texto("NOME3", 35)
        .texto("UNID_PAD", 3)
        .texto("UNID_DIPI", 3)
        .number("CONVERSAO")
        .texto("CLAS_FISC", 8)
        .number("PESO")
        .texto("SIT_TRIBUT", 1)
        .number("QTD_FIS")
        .number("QTD_MIN")
        .number("QTD_PTOENC")
        .number("QTD_ENC")
        .number("QTD_PED")
        .number("QTD_EMP1")
        .number("QTD_EMP2")
        .number("QTD_EMB")
        .number("PER_IPI_E")
        .number("RED_IPI_E")
        .number("PER_ICM_E")
        .number("RED_ICM_E")
        .data("DATA_ORDC")
        .data("DATA_ENTR")
        .number("QTD_ENTR")
        .number("PRECO_ENTR")
        .number("ULTIMOCUST")
        .texto("COMPRADOR", 6)
        .number("PER_IPI_S")
        .number("RED_IPI_S")
        .number("PER_ICM_S")
        .number("RED_ICM_S")
        .number("QTD_VEND")
        .number("PRECO_VEND")
        .data("DATA_VEND")
        .data("DATA_PED");
    for (int n = 1; n <= 6; ++n)
        d.data(Numerado("DATA_L", n));
    for (int n = 1; n <= 6; ++n)
        d.number(Numerado("LISTA", n));
    for (int n = 1; n <= 6; ++n)
        d.number(Numerado("PER_COMIS", n));
    d.texto("GRADE", 1)
        .texto("PRECO_S_PC", 1)
        .texto("SITUACAO", 1)
        .texto("SUBST_TRIB", 1)
        .texto("GRAU", 1)
        .number("TRANSF_ICM")
        .number("PESOBRUTO")
        .number("VALORDIPI")
        .texto("TIPO", 1)
        .texto("LOCALIZA", 20)
        .texto("MARCA", 20)
        .texto("CONTRCOMOD", 12)
        .texto("OBSERV1", 65)
        .texto("OBSERV2", 65)
        .texto("LISTAPRECO", 1);
    for (int n = 1; n <= 6; ++n)
        d.longInt(Numerado("Cod_For", n));
    d.longInt("Cod_Ult_Fo")
        .longInt("Cod_Ult_Cl")
        .longInt("Nr_Ult_Nf")
        .number("Multiplicador")
        .number("CT")
        .texto("Classe", 2)
        .texto("Cod_Onu", 4)
        .number("Comprimento")
        .texto("Producao", 1)
        .data("DataLote")
        .texto("Lote", 10);
    for (int n = 7; n <= 10; ++n)
        d.data(Numerado("DATA_L", n));
    for (int n = 7; n <= 10; ++n)
        d.number(Numerado("LISTA", n));
    for (int n = 7; n <= 10; ++n)
        d.number(Numerado("PER_COMIS", n));
    d.texto("Proporcao", 8)
        .texto("RefFornec", 16)
        .number("Densidade")
        .texto("Origem", 1)
        .number("Margem")
        .texto("DIN", 5)
        .texto("Formula", 10)
        .number("CustoIntermediario")
        .number("TempoOperacao")
        .shortInt("CodCT")
        .texto("REFERENCIA", 20)
        .number("CustoMedio")
        .number("Largura")
        .texto("Pr_cus_zun", 13)
        .texto("RegistroMS", 13)
        .texto("CodigoDCB", 5)
        .logico("ProdutoControlado")
        .texto("Unid_Consumo", 3)
        .number("Qtd_Conv")
        .texto("CodServico", 4)
        .longInt("Validade")
        .texto("TipoValidade", 1)
        .longInt("TipoComplementoNfe")
        .data("DataCadastro")
        .longInt("Codigo_Markup")
        .texto("ClasseDeRisco", 6)
        .texto("GrupoEmbalagem", 6)
        .shortInt("Cod_Ferramenta")
        .number("PercPis")
        .number("PercCofins")
        .texto("CListServ", 5)
        .texto("IssqnRetido", 1)
        .texto("TipoItemSped", 2)
        .texto("GTIN_cEAN", 14)
        .texto("PisAliqQtd", 1)
        .texto("CofinsAliqQtd", 1)
        .number("Altura")
        .chave({"Filial", "Cod_Reduz"})
        // Orders the registration list switches to.
        .indice("NOME1", {"Filial", "NOME1"}, true)
        .indice("REFERENCIA", {"Filial", "REFERENCIA"})
        .indice("RefFornec", {"Filial", "RefFornec"})
        .indice("MARCA", {"Filial", "MARCA"})
        .indice("CLAS_FISC", {"Filial", "CLAS_FISC"})
        .indice("Classificacao",
                {"Filial", "Nivel1", "Nivel2", "Nivel3", "Nivel4", "Nivel5", "Nivel6"})
        .indice("Formula", {"Filial", "Formula"})
        .registrar();
}

void RegistrarNiveis() {
    // Code widths follow Nivel1 ... Nivel5 of ESTPROMA.
    const int largura[] = {2, 3, 4, 3, 6};
    for (int n = 1; n <= 5; ++n) {
        const QString nivel = Numerado("Nivel", n);
        Definicao(Numerado("ESTNIV", n))
            .shortInt("Filial")
            .texto(nivel, largura[n - 1])
            .texto(Numerado("DESCRIC", n), 40)
            .chave({"Filial", nivel})
            .registrar();
    }
}

void RegistrarTamanhos() {
    Definicao d("Tamanho");
    d.shortInt("Filial").longInt("Cod_Reduz").texto("TAMANHO", 4);
    for (int n = 1; n <= 6; ++n)
        d.number(Numerado("LISTA", n));
    d.longInt("ParesTalao")
        .texto("GTIN_CodEAN", 14)
        .chave({"Filial", "Cod_Reduz", "TAMANHO"})
        .registrar();

    Definicao("Tamanhos")
        .shortInt("Codigo")
        .texto("Tamanho", 4)
        .texto("Descricao", 30)
        .chave({"Codigo"})
        .registrar();
}

void RegistrarPrecos() {
    Definicao d("Precos");
    d.shortInt("Filial")
        .longInt("Cod_Reduz")
        .number("PrecoCompra")
        .number("DescPer")
        .number("DescVlr")
        .number("AcrePer")
        .number("AcrePer2")
        .number("AcrePer3")
        .number("AcreVlr1")
        .number("AcreVlr2")
        .number("PrecoCompraLiq");
    for (int n = 1; n <= 7; ++n)
        d.number(Numerado("Margem", n));
    d.number("PrecoVarejo")
        .shortInt("IndiceAtacado")
        .number("PrecoAtacado")
        .chave({"Filial", "Cod_Reduz"})
        .registrar();

    // One row per worksheet column: its factor, applied as a divisor when marked.
    Definicao("Margens")
        .shortInt("Codigo")
        .texto("Descricao", 10)
        .number("Margem")
        .logico("Divisor")
        .chave({"Codigo"})
        .registrar();

    Definicao("Indices")
        .shortInt("Codigo")
        .texto("Descricao", 40)
        .number("Indice")
        .chave({"Codigo"})
        .registrar();

    // Client-specific prices that follow a product's list prices.
    Definicao("PRECOCLI")
        .shortInt("Filial")
        .longInt("Cod_Clifor")
        .longInt("Cod_Reduz")
        .shortInt("Lista")
        .number("Preco")
        .chave({"Filial", "Cod_Clifor", "Cod_Reduz", "Lista"})
        .registrar();

    Definicao("NOMLISTA")
        .shortInt("Filial")
        .shortInt("Lista")
        .texto("Descricao", 20)
        .chave({"Filial", "Lista"})
        .registrar();
}

void RegistrarLimitCod() {
    Definicao d("LIMITCOD");
    d.shortInt("Filial");
    for (const char* tipo : {"Cli", "Ven", "For", "Ban", "Tra", "Out", "Div"}) {
        d.longInt(QStringLiteral("Cod_Ini") + QLatin1String(tipo))
            .longInt(QStringLiteral("Cod_Fim") + QLatin1String(tipo))
            .longInt(QStringLiteral("UltCod_") + QLatin1String(tipo));
    }
    d.chave({"Filial"}).registrar();
}

} // namespace

void RegistrarTabelasProdutos() {
    RegistrarEstproma();

    Definicao("ALIQBASE")
        .shortInt("Filial")
        .longInt("Cod_Reduz")
        .texto("REGIAOFISC", 1)
        .number("ALIQUOTA")
        .number("BASEICMS")
        .number("ALIQCUPOM")
        .shortInt("COD_CARIMB")
        .number("PercSubst")
        .texto("ModBc", 1)
        .texto("ModBcST", 1)
        .texto("CstICMS", 2)
        .chave({"Filial", "Cod_Reduz", "REGIAOFISC"})
        .registrar();

    Definicao("Carimbo")
        .shortInt("Car_Codigo")
        .texto("CAR_DESC1", 70)
        .texto("CAR_DESC2", 70)
        .texto("CAR_DESC3", 70)
        .chave({"Car_Codigo"})
        .registrar();

    RegistrarTamanhos();

    Definicao("ObseProd")
        .longInt("Filial")
        .longInt("Cod_Reduz")
        .shortInt("Sequencia")
        .texto("Observacao", 70)
        .chave({"Filial", "Cod_Reduz", "Sequencia"})
        .registrar();

    // One row per product and day of change.
    Definicao("Sped_AlteraProduto")
        .longInt("Filial")
        .longInt("Cod_Reduz")
        .data("DataAlteracao")
        .texto("Descricao", 120)
        .chave({"Filial", "Cod_Reduz", "DataAlteracao"})
        .registrar();

    RegistrarNiveis();
    RegistrarPrecos();

    Definicao("EstpromaNCM").texto("NCM", 8).texto("Descricao", 255).chave({"NCM"}).registrar();

    Definicao("CTDubla").shortInt("Codigo").texto("Nome", 40).chave({"Codigo"}).registrar();

    Definicao("Ferramentas")
        .shortInt("Codigo")
        .texto("Descricao", 40)
        .chave({"Codigo"})
        .registrar();

    Definicao("CodListaServicos")
        .texto("CListServ", 5)
        .texto("Descricao", 255)
        .chave({"CListServ"})
        .registrar();

    RegistrarLimitCod();

    Definicao("ALIQBASE_Importacao")
        .longInt("Filial")
        .longInt("Cod_Reduz")
        .texto("CodPais", 4)
        .texto("Operacao", 1)
        .number("PercImpImportacao")
        .chave({"Filial", "Cod_Reduz", "CodPais", "Operacao"})
        .registrar();

    // The suite's workshop orders (Tipo "O" service order), read for the
    // quantity of a product they commit.
    Definicao("OrcaOfic")
        .shortInt("Filial")
        .texto("Tipo", 1)
        .longInt("Codigo")
        .texto("Situacao", 1)
        .chave({"Filial", "Tipo", "Codigo"})
        .registrar();
    Definicao("OrcaOfii")
        .shortInt("Filial")
        .texto("Tipo", 1)
        .longInt("NumOrca")
        .shortInt("Item")
        .longInt("Cod_Reduz")
        .texto("TipoItem", 1)
        .number("Quantidade")
        .chave({"Filial", "Tipo", "NumOrca", "Item"})
        .registrar();

    Definicao d("ObsFornProd");
    d.shortInt("Filial").longInt("Cod_Reduz");
    for (int n = 1; n <= 6; ++n)
        d.texto(Numerado("ObsForn", n), 100);
    d.chave({"Filial", "Cod_Reduz"}).registrar();
}
