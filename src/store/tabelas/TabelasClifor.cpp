// The client/supplier register and its companion and lookup tables.
#include "Tabelas.h"

namespace {

QString Numerado(const char* prefixo, int n) {
    return QString::fromLatin1(prefixo) + QString::number(n);
}

void RegistrarClifor() {
    Definicao("CLIFOR")
        .shortInt("Filial")
        .longInt("Cod_Clifor")
        .texto("Sistema", 1)
        .texto("NOME", 40)
        .texto("FANTASIA", 40)
        .texto("CIDADE", 40)
        .texto("CID_COB", 40)
        .texto("CID_ENT", 40)
        .texto("ESTADO", 2)
        .texto("EST_COB", 2)
        .texto("EST_ENT", 2)
        .texto("COD_CEPEND", 8)
        .texto("COD_CEPCOB", 8)
        .texto("COD_CEPENT", 8)
        .texto("ENDERECO", 40)
        .texto("END_COB", 40)
        .texto("END_ENT", 40)
        .texto("COMPLEMENTO", 20)
        .texto("COMPLCOB", 20)
        .texto("COMPLENT", 20)
        .texto("BAIRRO", 20)
        .texto("BAICOB", 20)
        .texto("BAIENT", 20)
        .longInt("NUMERO")
        .shortInt("NUM_COB")
        .shortInt("NUM_ENT")
        .texto("TELEX", 11)
        .texto("FAX", 15)
        .texto("TELEFONE1", 15)
        .texto("TELEFONE2", 15)
        .texto("CGC", 14)
        .texto("INSC_EST", 16)
        .data("DATA_ULTC")
        .number("VALOR_ULTC")
        .data("DTMAIORCOM")
        .number("MAIOR_COM")
        .number("ICM")
        .texto("NOM_CONTAT", 20)
        .number("LIMITCRED")
        .shortInt("MAXDIASATR")
        .data("DTINILIMAT")
        .data("DT_VALCONC")
        .data("DATA_CAD")
        .texto("CODCONTABI", 15)
        .shortInt("QTD_VISITA")
        .texto("CIFFOB", 1)
        .texto("OBSERVCRED", 50)
        .number("DESP_FINAN")
        .longInt("Cod_Vend1")
        .longInt("Cod_Vend2")
        .shortInt("Cod_Regiao")
        .longInt("Cod_Banco")
        .shortInt("Cod_Conc")
        .shortInt("Vct_Codigo")
        .longInt("Cod_Transp")
        .shortInt("Cod_Moeda")
        .shortInt("Tipo")
        .shortInt("MaxDiasPrz")
        .texto("DDDFone1", 4)
        .texto("DDDFone2", 4)
        .texto("DDDFax", 4)
        .texto("E_Mail", 40)
        .number("CaixaPostal")
        .number("COMISSAO")
        .texto("Placa", 7)
        .texto("Veiculo", 20)
        .texto("HomePage", 40)
        .texto("Agencia", 10)
        .texto("Banco", 4)
        .texto("Conta", 15)
        .logico("Ativo")
        .texto("OBSERVACAO", 80)
        .texto("Observa2", 80)
        .data("Data_Renov")
        .number("Per_Entr")
        .logico("IpiSuspenso")
        .logico("SCI")
        .number("Transf_ICMS")
        .texto("Cod_Sintel", 8)
        .texto("Sigla_AVEB", 3)
        .longInt("Contrato")
        .texto("TipoContrato", 20)
        .texto("Cod_Pais", 4)
        .logico("Simples")
        .logico("Revenda")
        .texto("Praca_Banc", 6)
        .texto("Cod_Sacado", 5)
        .longInt("Ult_Aditivo")
        .number("VlrMinPed")
        .shortInt("Cod_RamoAtiv")
        .longInt("Cod_RamoAtiv2")
        .longInt("Cod_RamoAtiv3")
        .texto("NumRadio", 10)
        .texto("NumOnLine", 10)
        .shortInt("CodEnquadra")
        .texto("CodMunicipio", 7)
        .texto("CodMuniEnt", 7)
        .texto("EmailCompr", 60)
        .texto("UsuInclusao", 6)
        .texto("InscSuframa", 9)
        .longInt("Cod_Contab")
        .texto("CodCarimbosAdiNFE", 100)
        .data("DataAberturaEmp")
        .texto("Web_Factoring", 1)
        .longInt("ListaPrecoPref")
        .chave({"Filial", "Cod_Clifor"})
        .indice("Nome do Cliente/Fornecedo", {"Filial", "NOME"}, true)
        // Further orders of the registration list.
        .indice("FANTASIA", {"Filial", "FANTASIA"}, true)
        .indice("CGC", {"Filial", "CGC"})
        .indice("Cod_Vend1/CIDADE", {"Filial", "Cod_Vend1", "CIDADE"})
        .indice("Cod_Vend1/NOME", {"Filial", "Cod_Vend1", "NOME"}, true)
        .indice("TELEFONE1", {"Filial", "TELEFONE1"})
        .indice("CIDADE", {"Filial", "CIDADE"})
        .indice("BAIRRO", {"Filial", "BAIRRO"})
        .indice("ENDERECO", {"Filial", "ENDERECO"})
        .registrar();
}

void RegistrarClifor2() {
    Definicao("CLIFOR2")
        .shortInt("Filial")
        .longInt("Cod_Clifor")
        .texto("NOMEPAI", 35)
        .texto("NOMEMAE", 35)
        .texto("CONJUGE", 35)
        .texto("LOCALTRAB", 35)
        .texto("ENDERTRAB", 35)
        .texto("CARGO", 20)
        .data("DATAADMIS")
        .texto("PROFISSAO", 20)
        .texto("CASA", 1)
        .texto("LOCALNASC", 40)
        .data("DATANASC")
        .texto("ESTCIVIL", 20)
        .data("DTNASCONJ")
        .texto("LTRABCONJ", 35)
        .data("DTADMCONJ")
        .texto("ETRABCONJ", 35)
        .texto("CARGOCONJ", 20)
        .number("SALARCONJ")
        .texto("CpfConjuge", 14)
        .texto("PARENTE", 70)
        .texto("ENDPARENT", 70)
        .texto("INFORMACO", 70)
        .texto("SPC", 70)
        .number("SALARIO")
        .texto("CART_IDEN", 20)
        .texto("CPROF_NR", 20)
        .texto("CPROF_SERI", 20)
        .texto("CPROF_UF", 2)
        .texto("Org_EmisRg", 20)
        .texto("CAS_CIVIL", 1)
        .texto("CAS_RELIG", 1)
        .data("DTAULTPAG")
        .number("VLRULTPAG")
        .texto("ENDERANT", 42)
        .texto("EMPREANT", 42)
        .number("OUTRAREND")
        .texto("BANCOS", 40)
        .texto("TempoResid", 20)
        .texto("TempoTrab", 20)
        .number("VlrAluga")
        .texto("Sexo", 1)
        .texto("CIDADETRA", 40)
        .texto("UFTRAB", 2)
        .texto("CEPTRAB", 8)
        .texto("FONETRAB", 15)
        .texto("BairroEmprego", 20)
        .texto("CIDTRCONJ", 40)
        .texto("UFTRACONJ", 2)
        .texto("CEPTRCONJ", 8)
        .texto("FONTRCONJ", 15)
        .texto("REFCOMERC", 70)
        .longInt("Cod_Conven")
        .longInt("Cod_GrInst")
        .longInt("Cod_RendaF")
        .longInt("Cod_Freq")
        .longInt("Cod_Divulg")
        .longInt("Cod_Profissao")
        .texto("Matricula", 20)
        .texto("Ini_AtendM", 5)
        .texto("Fim_AtendM", 5)
        .texto("Ini_AtendT", 5)
        .texto("Fim_AtendT", 5)
        .texto("Tempo_Cons", 20)
        .data("DataConcedeSuspIPI")
        .chave({"Filial", "Cod_Clifor"})
        .registrar();
}

void RegistrarFilhos() {
    Definicao d("FILHOS");
    d.shortInt("Filial")
        .longInt("Cod_Clifor")
        .shortInt("Numero")
        .texto("NOME", 40)
        .data("DATA_NASC")
        .texto("LOCALNASC", 40)
        .texto("Sexo", 1)
        .texto("BATISMO", 1)
        .data("BT_DATA")
        .texto("BT_LOCAL", 40)
        .texto("BT_IGREJA", 40)
        .texto("BT_CELEBRA", 40);
    for (int n = 1; n <= 8; ++n)
        d.texto(Numerado("BT_PADRIN", n), 40);
    d.texto("PRIM_COMUN", 1)
        .shortInt("PC_ANO")
        .data("PC_DATA")
        .texto("PC_LOCAL", 40)
        .texto("PC_IGREJA", 40)
        .texto("PC_CELEBRA", 40)
        .texto("PC_CATEQUI", 40)
        .texto("CRISMA", 1)
        .data("CR_DATA")
        .texto("CR_LOCAL", 40)
        .texto("CR_IGREJA", 40)
        .texto("CR_CELEBRA", 40)
        .texto("CR_CATEQUI", 40)
        .texto("CR_PADRIN1", 40)
        .chave({"Filial", "Cod_Clifor", "Numero"})
        .registrar();
}

// Registers named by the codes of the party record.
void RegistrarCadastrosAuxiliares() {
    Definicao("Vendedor")
        .longInt("Cod_Vende")
        .texto("Nome_Vende", 40)
        .chave({"Cod_Vende"})
        .registrar();
    Definicao("Regiao")
        .shortInt("Cod_Regiao")
        .texto("Descricao", 40)
        .chave({"Cod_Regiao"})
        .registrar();
    Definicao("Banco").longInt("Cod_Banco").texto("Descricao", 40).chave({"Cod_Banco"}).registrar();
    Definicao("Transpor")
        .longInt("Cod_Transp")
        .texto("Descricao", 40)
        .chave({"Cod_Transp"})
        .registrar();
    Definicao("Vencto")
        .shortInt("Vct_Codigo")
        .texto("Descricao", 40)
        .chave({"Vct_Codigo"})
        .registrar();
    Definicao("Conceito")
        .shortInt("Cod_Conc")
        .texto("DESC_CONC", 30)
        .texto("MSG_TELA", 60)
        .chave({"Cod_Conc"})
        .registrar();
    Definicao("Praca")
        .texto("Praca_Banc", 6)
        .texto("Descricao", 40)
        .chave({"Praca_Banc"})
        .registrar();
    Definicao("Contas")
        .longInt("Cod_Contab")
        .texto("Descricao", 40)
        .chave({"Cod_Contab"})
        .registrar();
    Definicao("PAISES").texto("CODIGO", 4).texto("NOME", 60).chave({"CODIGO"}).registrar();
    Definicao("Uf").texto("SgUf", 2).texto("CoUf", 2).chave({"SgUf"}).registrar();
    // The public taxpayer registry consultation page of each state.
    Definicao("ConsultaCadEstadual")
        .texto("SgUf", 2)
        .texto("Endereco", 255)
        .chave({"SgUf"})
        .registrar();
    // Several rows may share a municipality (postal code ranges), so no key.
    Definicao("MUNIC")
        .texto("NoMunicipio", 40)
        .texto("CoMunicipio", 7)
        .texto("InFaixa", 1)
        .texto("CoCep", 5)
        .registrar();
}

} // namespace

// The receivables and payables of the financial module, only the columns
// this program reads: titles, their write-offs and the write-off histories.
void RegistrarTitulos() {
    Definicao("Duplicat")
        .shortInt("Filial")
        .texto("Sistema", 1)
        .longInt("Cod_Clifor")
        .texto("DUPLICATA", 12)
        .data("DATA_ENT")
        .data("Data_Ven")
        .data("DATA_PAG")
        .money("Valor")
        .longInt("Nota")
        .texto("TIPO_VCTO", 1)
        .chave({"Filial", "Sistema", "Cod_Clifor", "DUPLICATA", "DATA_ENT"})
        .registrar();
    Definicao("BAIXADPL")
        .shortInt("Filial")
        .texto("SISTEMA", 1)
        .longInt("Cod_Clifor")
        .texto("DUPLICATA", 12)
        .data("DATA_ENT")
        .shortInt("Sequencia")
        .data("Data_Baixa")
        .shortInt("Cod_Histo")
        .money("Valor")
        .chave({"Filial", "SISTEMA", "Cod_Clifor", "DUPLICATA", "DATA_ENT", "Sequencia"})
        .registrar();
    Definicao("Histcc")
        .shortInt("Cod_Histo")
        .texto("Descricao", 30)
        .texto("Tipo_Histo", 1)
        .chave({"Cod_Histo"})
        .registrar();
}

// Clothing measures per party and date, for the garment makers.
void RegistrarMedidasConfec() {
    Definicao d("Clifor_MedidasConfec");
    d.shortInt("Filial").longInt("Cod_clifor").data("Data").shortInt("Numero");
    for (const char* n : {"Jqt_Modelo",
                          "Jqt_OmbroaOmbro",
                          "Jqt_AlturaCosta",
                          "Jqt_AlturaCotovelo1",
                          "Jqt_AlturaCotovelo2",
                          "Jqt_AlturaCotovelo3",
                          "Jqt_Ombro",
                          "Jqt_OmbroHSeio",
                          "Jqt_ComprimentoManga",
                          "Jqt_Peito",
                          "Jqt_Barriga",
                          "Jqt_Cintura",
                          "Jqt_ACava",
                          "Jqt_Biceps",
                          "Jqt_Pescoco",
                          "Jqt_AnteBraco",
                          "Jqt_Punho",
                          "Jqt_GolaStrech",
                          "Calca_Modelo",
                          "Calca_Cintura",
                          "Calca_Quadril",
                          "Calca_ComprimetoTotal",
                          "Calca_EntrePerna",
                          "Calca_AlturaJoelho",
                          "Calca_AlturaJoelho2",
                          "Calca_CircCoxa",
                          "Calca_AcJoe",
                          "Calca_LarguraPanturrilha"})
        d.texto(n, 20);
    d.data("Embarque_DtPrev")
        .logico("EmbarquePago")
        .longInt("Embarque_Vendedor")
        .texto("Aces_BotaNro", 10)
        .logico("Aces_Luva")
        .logico("Aces_Protetor")
        .logico("Aces_MalaTanque")
        .logico("Aces_Alforge")
        .memo("ObsCalca")
        .memo("ObsJaqueta")
        .texto("Feira", 40)
        .longInt("Ordem")
        .logico("Confirma")
        .texto("Cores", 60)
        .chave({"Filial", "Cod_clifor", "Data", "Numero"})
        .registrar();
}

void RegistrarTabelasClifor() {
    RegistrarClifor();
    RegistrarClifor2();
    RegistrarFilhos();
    RegistrarCadastrosAuxiliares();

    Definicao("CLPRVEND")
        .shortInt("Filial")
        .longInt("Cod_Clifor")
        .texto("Nivel2", 3)
        .longInt("Cod_Vende")
        .chave({"Filial", "Cod_Clifor", "Nivel2"})
        .registrar();

    Definicao("CttCliFo")
        .shortInt("Filial")
        .longInt("Cod_CliFor")
        .shortInt("Sequencia")
        .texto("Nome", 40)
        .texto("Cargo", 20)
        .texto("Telefone", 15)
        .texto("Celular", 15)
        .texto("Email", 50)
        .texto("Aniversario", 4)
        .chave({"Filial", "Cod_CliFor", "Sequencia"})
        .registrar();

    Definicao("ObserCli")
        .shortInt("Filial")
        .longInt("Cod_CliFor")
        .shortInt("Sequencia")
        .texto("Observacao", 70)
        .chave({"Filial", "Cod_CliFor", "Sequencia"})
        .registrar();

    // Tax framings, the services each one brings, and the services of a
    // party (copied from its framing when the framing changes).
    Definicao("ENQUADRA").shortInt("Cod_Enq").texto("Descricao", 40).chave({"Cod_Enq"}).registrar();
    Definicao("SERVENQ")
        .shortInt("Cod_Enq")
        .longInt("Cod_Serv")
        .number("Quantidade")
        .chave({"Cod_Enq", "Cod_Serv"})
        .registrar();
    Definicao("SERVCLIE")
        .shortInt("Filial")
        .longInt("Cod_Clifor")
        .longInt("Cod_Serv")
        .number("Quantidade")
        .chave({"Filial", "Cod_Clifor", "Cod_Serv"})
        .registrar();

    // Further addresses (work sites) and e-mail contacts, numbered per party.
    Definicao("Endereco")
        .longInt("Filial")
        .longInt("Cod_Clifor")
        .longInt("Codigo")
        .texto("Endereco", 40)
        .shortInt("Numero")
        .texto("Complemento", 20)
        .texto("Bairro", 20)
        .texto("Cep", 8)
        .texto("Cidade", 20)
        .texto("Estado", 2)
        .texto("Horario", 25)
        .texto("Obra", 40)
        .texto("Responsavel", 30)
        .texto("Fone1", 15)
        .texto("Fone2", 15)
        .chave({"Filial", "Cod_Clifor", "Codigo"})
        .registrar();
    Definicao("Nfe_email_clientes")
        .longInt("Filial")
        .longInt("Cliente")
        .longInt("Ordem")
        .texto("Tipo", 1)
        .texto("Nome", 60)
        .texto("Email", 255)
        .data("Dt_manutencao")
        .chave({"Filial", "Cliente", "Ordem"})
        .registrar();

    // Every save adds a row, possibly several in one instant: no key.
    Definicao("RenovCli")
        .shortInt("Filial")
        .longInt("Cod_Clifor")
        .data("Data_Renov")
        .hora("Hora_Renov")
        .texto("Usuario", 6)
        .registrar();

    // Previous values are kept as text, "Vazio" standing for an empty one.
    Definicao("Sped_AlteraClifor")
        .longInt("Filial")
        .longInt("Cod_Clifor")
        .data("Dt_Altera")
        .texto("AnoMes", 7)
        .texto("Nome", 100)
        .texto("Cod_Pais", 4)
        .texto("Cnpj", 14)
        .texto("Ie", 14)
        .texto("CodMunic", 10)
        .texto("Suframa", 10)
        .texto("Endereco", 60)
        .texto("Numero", 10)
        .texto("Complemento", 40)
        .texto("Bairro", 60)
        .texto("Cpf", 14)
        .chave({"Filial", "Cod_Clifor", "Dt_Altera"})
        .registrar();

    RegistrarTitulos();
    RegistrarMedidasConfec();
}
