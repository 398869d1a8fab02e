// The stock movement store: history codes, document headers and items with
// their extension tables, monthly balances, deposits, orders and the
// documents' observation lines. Floats of the suite that name no type are
// numbers.
#include "Tabelas.h"

namespace {

// The five fields that name a document header, first in every table that
// hangs from one.
Definicao& ChaveNota(Definicao& d) {
    return d.shortInt("Filial")
        .longInt("Num_Nota")
        .shortInt("Tipo_Nota")
        .longInt("Cod_Clifor")
        .data("DT_ENTRADA");
}

const QStringList CamposChaveNota = {"Filial", "Num_Nota", "Tipo_Nota", "Cod_Clifor", "DT_ENTRADA"};
const QStringList CamposChaveItem = CamposChaveNota + QStringList{"Num_Item"};

Definicao& Numeros(Definicao& d, std::initializer_list<const char*> nomes) {
    for (const char* n : nomes)
        d.number(n);
    return d;
}

void RegistrarNotas() {
    Definicao d("NOTAS");
    ChaveNota(d)
        .shortInt("Est_Hist")
        .texto("COMPLNATOP", 1)
        .data("DT_EMISSAO")
        .texto("SISTEMA", 1)
        .texto("OBSERVACAO", 50)
        .shortInt("Nat_Oper")
        .shortInt("Ctb_Hist")
        .longInt("Nota_Final")
        .longInt("Cod_Vend1")
        .longInt("Cod_Vend2")
        .longInt("Cod_Vende2")
        .longInt("Tr_Codigo")
        .longInt("Cod_Banco")
        .longInt("Cod_Contab")
        .longInt("NotaCupom")
        .data("DT_LANCAM");
    Numeros(d, {"VLR_NOTA", "VLR_DESCON", "VLR_ICMS", "VLR_IPI", "VLR_OUTICM", "VLR_OUTIPI",
                "VLR_CREIPI", "BT_ICMS", "BI_ICMS", "BO_ICMS", "BT_IPI", "BI_IPI", "BO_IPI",
                "VLR_DOLAR", "FRETE_NO", "FRETE_CO", "ICMS_FRETE", "PERC_ICMS"})
        .texto("SERIE", 3)
        .texto("OC_DOCLIE", 100)
        .texto("ESTADO", 2)
        .number("PERC_BONIF")
        .number("VLR_BONIFI")
        .shortInt("FRT_CIFFOB")
        .number("QT_VOLUME")
        .texto("ESPEC_VOLU", 15)
        .texto("MARCA", 10)
        .texto("NUMER_VOLU", 15);
    Numeros(d, {"PESO_BRUT", "PESO_LIQUI", "BT_ISSQN", "PERC_ISSQN", "VLR_ISSQN", "DESPES_TRI",
                "DESPES_ISE", "BT_SUBSTIT", "VLR_ICMSUB", "VLR_FRURAL", "VLR_INSS", "VLR_IRRF"})
        .texto("Prazo", 20)
        .number("Desc_Venc")
        .number("Desp_Financ")
        .shortInt("Vct_Codigo")
        .number("Comis1_Dupli")
        .number("Vlr_EntrDupli")
        .data("Dt_EntrDupli")
        .shortInt("Dias_DescDupli")
        .number("Transf_Icms")
        .longInt("TDoc_Cod")
        .texto("TIPO_EDI", 1)
        .number("PercReduBaseIcms")
        .logico("IpiSuspenso")
        .texto("Hora_Emissao", 5)
        .logico("RetornoCanhoto")
        .logico("Emissao_AE")
        .texto("CPF", 11)
        .texto("Resiscomex", 12)
        .texto("Cod_Moeda", 3)
        .texto("Despsiscom", 11)
        .shortInt("AnoEnt")
        .number("Vlr_MP135")
        .logico("Anulada")
        .shortInt("Loja")
        .texto("Emitente", 1)
        .number("VlrNotaDolar")
        .texto("Insc_Est", 16)
        .number("Vlr_Seguro")
        .logico("Sintegra");
    Numeros(d, {"Vlr_Vale", "Vlr_Pis", "Vlr_Cofins", "Vlr_ContSocial", "Bi_SGaucho"})
        .longInt("NSU")
        .logico("APrazo")
        .texto("StatusCup", 3)
        .number("PercIcmsSimples")
        .number("ValorIcmsSimples")
        .texto("Placa", 7)
        .texto("UfPlaca", 2)
        .texto("Situacao", 1)
        .dataHora("Sequencial")
        .texto("ChaveAcesso", 44)
        .texto("Protocolo", 20)
        .longInt("FormaPagto");
    Numeros(d, {"Desp_Aduaneira", "Vlr_ImpImport", "Vlr_TotProd", "PercPis", "PercCofins"})
        .chave(CamposChaveNota)
        .registrar();
}

void RegistrarItens() {
    Definicao d("NOTAI");
    ChaveNota(d)
        .shortInt("Num_Item")
        .shortInt("Parametro")
        .longInt("Cod_Reduz")
        .longInt("Cod_Deposi")
        .texto("ANO_MES", 6)
        .texto("TAMANHO", 4)
        .texto("DESCR_PROD", 45);
    Numeros(d, {"QUANTIDADE", "Quantidade2", "PRECO_UNIT", "BT_ICMS", "BI_ICMS", "BO_ICMS",
                "VLR_CUSTO", "VLR_MEDIO", "CUSTO_INF", "CTB_MEDIO", "ULTIMOCUST"})
        .shortInt("COD_EMBAL")
        .texto("FORMULA", 10)
        .longInt("NumOS")
        .shortInt("ItemOS")
        .texto("Lote", 20)
        .data("Dt_Validade")
        .longInt("Ord_Compra")
        .shortInt("It_OrdComp")
        .longInt("Cod_Contab")
        .shortInt("Car_Codigo")
        .longInt("ConsCodigo")
        .longInt("ConsPedido")
        .shortInt("ConsItem")
        .longInt("Nota_Saida");
    Numeros(d, {"BT_IPI", "BI_IPI", "BO_IPI", "VLR_ICMS", "VLR_IPI", "VLR_CREIPI", "VLR_DOLAR",
                "FRETE_NO", "FRETE_CO", "ICMS_FRETE", "VLR_DESCIT"})
        .texto("DESCIT_PV", 1)
        .texto("COD_CCUSTO", 10)
        .data("DT_LANCAM")
        .texto("SIT_TRIBUT", 3)
        .texto("COD_VENDA", 1);
    Numeros(d, {"ALIQ_ICMS", "COMPRIMENT", "LARGURA", "ALTURA"}).texto("ORDCOMPCLI", 10);
    Numeros(d, {"VLR_COMISS", "PRECO_VENDA", "Vlr_inss", "Vlr_irrf", "Bt_Substit", "Vlr_IcmSub"})
        .texto("CalcIcmIpi", 1)
        .longInt("Cod_Vend1")
        .longInt("Cod_vend2")
        .number("Per_Comis1")
        .number("Per_Comis2")
        .texto("TipoPreco", 1)
        .number("Lista3")
        .texto("Unid_Pad", 3)
        .number("QTD_PECAS")
        .texto("UnidPreco", 3);
    Numeros(d, {"QT_VOLUMES", "LISTA2", "DIFICMS", "VLR_REMESSA", "VlrComis2", "AliquotaIPI"})
        .shortInt("Nat_Oper")
        .texto("ComplNatOp", 1)
        .number("Vlr_Mp135")
        .number("Bi_SGaucho")
        .texto("Descr_Pro2", 45)
        .texto("CodRastreabilidade", 20)
        .longInt("Cod_Deposi2")
        .texto("NumCertificado", 10);
    Numeros(d, {"Vlr_Pis", "Vlr_Cofins", "Vlr_BasePisCofins"}).data("Data_Ent");
    Numeros(d, {"Desp_Aduaneira", "Vlr_ImpImport", "Vlr_BaseImpImport"})
        .chave(CamposChaveItem)
        // Items of one product-month in movement order: by date, then by
        // document and item, which the average cost depends on.
        .indice("AnoMes", {"Filial", "ANO_MES", "Cod_Reduz", "TAMANHO", "Cod_Deposi", "DT_ENTRADA",
                           "Num_Nota", "Tipo_Nota", "Cod_Clifor", "Num_Item"})
        .registrar();
}

void RegistrarExtensoes() {
    Definicao n3("NOTAS3");
    ChaveNota(n3).chave(CamposChaveNota).registrar();

    Definicao i3("NOTAI3");
    ChaveNota(i3).shortInt("Num_Item").chave(CamposChaveItem).registrar();

    for (const char* nome : {"nfe_notai_veic", "nfe_notai_medicamentos"}) {
        Definicao d(nome);
        ChaveNota(d)
            .shortInt("Num_Item")
            .shortInt("Parametro")
            .longInt("Cod_Reduz")
            .chave(CamposChaveItem + QStringList{"Parametro", "Cod_Reduz"})
            .registrar();
    }

    Definicao imp("Nfe_notai_imp");
    ChaveNota(imp)
        .shortInt("Num_Item")
        .longInt("Cod_Reduz")
        .chave(CamposChaveItem + QStringList{"Cod_Reduz"})
        .registrar();

    // The capture row of a document made from the customer-data program.
    Definicao ds("NotasDataSoft");
    ChaveNota(ds).chave(CamposChaveNota).registrar();
}

void RegistrarPedidos() {
    Definicao s("PDCPS");
    s.shortInt("Filial")
        .texto("SISTEMA", 1)
        .longInt("Cod_Clifor")
        .longInt("Num_PdCp")
        .longInt("Num_Progr")
        .shortInt("Cod_Moeda")
        .longInt("Cod_Banco")
        .shortInt("Nat_Oper")
        .shortInt("Est_Hist")
        .longInt("Cod_Vend1")
        .longInt("Cod_Vend2")
        .shortInt("Vct_Codigo")
        .longInt("Tr_Codigo")
        .texto("CONSIGNAC", 1)
        .data("DT_EMISSAO")
        .data("DT_LANCAM")
        .data("DT_INIENT")
        .data("DT_FIMENT")
        .number("VLR_PDCP")
        .number("VLRENTPDCP")
        .texto("CRIA_DUPL", 1)
        .number("DESC_DUPL")
        .number("ICMS_TRANS")
        .number("VLR_SEGURO")
        .texto("COMPLNATOP", 1)
        .texto("SOLICI_VIA", 1)
        .number("COMIS1")
        .number("COMIS2");
    for (int n = 1; n <= 9; ++n)
        s.shortInt("PRZ_VENC" + QString::number(n));
    s.shortInt("PRZ_VEN10")
        .texto("BONIPERVLR", 1)
        .number("VLR_BONIFI")
        .texto("REDESPACHO", 20)
        .texto("COD_MOTORI", 3)
        .shortInt("FRT_CIFFOB")
        .number("QT_VOLUME")
        .texto("ESPEC_VOLU", 15)
        .texto("MARCA", 10)
        .texto("NUMER_VOLU", 15)
        .number("PESO_BRUT")
        .number("PESO_LIQUI")
        .texto("COMPRADOR", 10)
        .texto("SITUACAO", 1)
        .texto("OBSER1", 50)
        .texto("OBSER2", 50)
        .texto("ORDCOMPCLI", 20)
        .texto("DESEN_ORIG", 20)
        .texto("Tipo", 3)
        .texto("Vendedor", 15)
        .number("Desp_Financ")
        .memo("ObservMemo")
        .number("Vlr_Frete")
        .texto("HoraEntrega", 5)
        .longInt("EndEntrega")
        .longInt("FoneEntrega")
        .texto("HoraEmissao", 5)
        .data("Dt_OCCli")
        .longInt("LojaOC")
        .texto("Producao", 1)
        .logico("ImprimiuTalao")
        .longInt("Cod_Atelier")
        .chave({"Filial", "SISTEMA", "Num_PdCp", "Cod_Clifor"})
        .registrar();

    Definicao i("PDCPI");
    i.shortInt("Filial")
        .texto("SISTEMA", 1)
        .longInt("Num_Pdcp")
        .longInt("Cod_Clifor")
        .shortInt("Num_Item")
        .longInt("Cod_Reduz")
        .shortInt("Sequencia")
        .longInt("Cod_Deposi")
        .longInt("NotaFiscal")
        .shortInt("Car_Codigo")
        .longInt("Num_Petic")
        .longInt("NumOrdServ")
        .texto("DESCR_PROD", 60)
        .texto("DESCR_PRO2", 35)
        .texto("DESCR_PRO3", 35)
        .texto("SIT_TRIBUT", 2)
        .texto("TAMANHO", 4);
    Numeros(i, {"QUANTIDADE", "QT_CANCELA", "QT_ENTREGE", "PRECO_UNIT", "PER_IPI"})
        .data("DT_ENTITEM")
        .texto("DES_PR_VLR", 1)
        .number("VLR_DESCIT")
        .number("PERCACREC")
        .texto("COD_CCUSTO", 10)
        .data("DT_LANCAM")
        .data("DT_FATURA")
        .texto("OBS_CANCEL", 30)
        .texto("DESENHO", 20)
        .data("DT_ENTINI")
        .data("DT_ENTPREV")
        .texto("SITUACAO", 3)
        .shortInt("QTD_FORMAS")
        .texto("GEROU_LOTE", 1)
        .texto("LARGURA", 1)
        .number("PERC_COMIS")
        .texto("COMPLFICHA", 2)
        .texto("Observacao", 60)
        .texto("Cod_Venda", 1)
        .number("Per_Comis1")
        .number("Per_Comis2")
        .texto("TipoPreco", 1)
        .number("Saldo")
        .logico("ARequisitar");
    Numeros(i, {"Largura2", "Altura", "Compriment", "Qtd_Pecas", "ListaPreco"})
        .texto("Unid_Pad", 3)
        .texto("UnidPreco", 3)
        .longInt("Num_Progr")
        .texto("Formula", 10)
        .shortInt("Cod_Embal")
        .number("QT_PRODUCAO")
        .texto("Fabrica", 10)
        .texto("Plano", 10)
        .texto("Ficha", 10);
    Numeros(i, {"PercDescPreco", "Lista2", "DifIcms"})
        .shortInt("Cobertura")
        .data("DataFimProd")
        .number("Preco_Orig")
        .texto("Lista", 1)
        .shortInt("QtdItens")
        .shortInt("Cod_Trilho")
        .shortInt("Nat_Oper")
        .texto("ComplNatOp", 1)
        .longInt("Cod_Contab")
        .number("Quantid2")
        .texto("Unid2", 3)
        .longInt("NumOrca")
        .shortInt("ItemOrca")
        .texto("CalcIcmIpi", 1)
        .shortInt("Cod_Ferramenta")
        .texto("HoraEntrega", 5)
        .texto("Lote", 20)
        .chave({"Filial", "SISTEMA", "Num_Pdcp", "Cod_Clifor", "Num_Item"})
        .indice("Reduzido/Pedido/Clifor",
                {"Filial", "SISTEMA", "Cod_Reduz", "Num_Pdcp", "Cod_Clifor", "Num_Item"})
        .registrar();
}

} // namespace

void RegistrarTabelasEstoque() {
    Definicao("HISTEST")
        .shortInt("Est_Hist")
        .texto("DESCR_HIST", 30)
        .texto("ATUCADPROD", 1)
        .number("CONVERSAO")
        .shortInt("Param_Hist")
        .shortInt("Hist_Trans")
        .texto("Tipo_EDI", 2)
        .chave({"Est_Hist"})
        .registrar();

    RegistrarNotas();
    RegistrarItens();
    RegistrarExtensoes();

    Definicao("SLDPR")
        .shortInt("Filial")
        .texto("Ano_Mes", 6)
        .longInt("Cod_Reduz")
        .texto("Tamanho", 4)
        .longInt("Cod_Deposi")
        .money("Fisico")
        .money("Fisico2")
        .money("Medio")
        .number("Financeiro")
        .number("Dolar")
        .chave({"Filial", "Ano_Mes", "Cod_Reduz", "Tamanho", "Cod_Deposi"})
        .registrar();

    Definicao("DEPOSITO")
        .shortInt("Filial")
        .longInt("Cod_Deposi")
        .texto("DESC_DEPOS", 40)
        .chave({"Filial", "Cod_Deposi"})
        .indice("DESC_DEPOS", {"Filial", "DESC_DEPOS"}, true)
        .registrar();

    RegistrarPedidos();

    // Colours of the installations that keep them in Cod_Deposi.
    Definicao("Cores").longInt("Codigo").texto("Descricao", 40).chave({"Codigo"}).registrar();

    Definicao("Obserfat")
        .shortInt("Filial")
        .longInt("Cod_Clifor")
        .longInt("Num_Nota")
        .data("DT_ENTRADA")
        .longInt("Seq_Obs")
        .texto("OBSERFAT", 100)
        .chave({"Filial", "Cod_Clifor", "Num_Nota", "DT_ENTRADA", "Seq_Obs"})
        .registrar();
}
