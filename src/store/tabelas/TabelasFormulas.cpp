// Formulas, their components, service orders and the PCP registers.
#include "Tabelas.h"

void RegistrarTabelasFormulas() {
    Definicao("Formula")
        .shortInt("Filial")
        .texto("Formula", 10)
        .longInt("Cod_Clifor")
        .longInt("Cod_Reduz")
        .texto("COR", 30)
        .data("DATACAD")
        .data("DtaUltProd")
        .shortInt("CodResp")
        .number("QtdTotal")
        .memo("Observacao")
        .texto("PrecoEspecial", 1)
        .texto("Origem", 10)
        .shortInt("CodMatizador")
        .logico("Amostra")
        .data("DataAmostra")
        .logico("Senha")
        .shortInt("TotalItens")
        .number("Densidade")
        .number("Preco")
        .number("UltimoCust")
        .chave({"Filial", "Formula"})
        .indice("Cod_Clifor/Formula", {"Filial", "Cod_Clifor", "Formula"})
        .indice("Cod_Reduz/Formula", {"Filial", "Cod_Reduz", "Formula"})
        .registrar();

    Definicao("Formulai")
        .shortInt("Filial")
        .texto("Formula", 10)
        .shortInt("OrdComp")
        .longInt("Componente")
        .number("QUANTIDADE")
        .number("Percentual")
        .chave({"Filial", "Formula", "OrdComp"})
        .registrar();

    Definicao("Pcpcfg")
        .shortInt("Filial")
        .number("Fator1")
        .number("Fator2")
        .number("Fator3")
        .number("Fator4")
        .number("Fator5")
        .longInt("UltimaFormula")
        .chave({"Filial"})
        .registrar();

    Definicao("Matizador").shortInt("Codigo").texto("Nome", 40).chave({"Codigo"}).registrar();

    Definicao("Resptec").shortInt("Codigo").texto("Nome", 40).chave({"Codigo"}).registrar();

    Definicao("EMBALAGE")
        .shortInt("Codigo")
        .texto("Descricao", 40)
        .number("Peso_Liq")
        .number("Peso_Embal")
        .chave({"Codigo"})
        .registrar();

    // A service order per order item; its components hang from the order
    // number, so every item of one number shares them.
    Definicao("OS")
        .shortInt("Filial")
        .longInt("NumOrdServ")
        .shortInt("Item")
        .longInt("Pedido")
        .longInt("Cod_Clifor")
        .longInt("Cod_Reduz")
        .longInt("Num_Progr")
        .data("DT_PRODUCA")
        .chave({"Filial", "NumOrdServ", "Item"})
        .registrar();

    Definicao("Osi")
        .shortInt("Filial")
        .longInt("NumOrdServ")
        .shortInt("OrdComp")
        .longInt("Componente")
        .number("QUANTIDADE")
        .shortInt("APLICACAO")
        .texto("UTILIZACAO", 30)
        .texto("OBSERV", 60)
        .chave({"Filial", "NumOrdServ", "OrdComp"})
        .registrar();

    Definicao("Aplica")
        .shortInt("Cod_Aplica")
        .texto("DESC_APLIC", 40)
        .chave({"Cod_Aplica"})
        .indice("DESCRICAO DA APLICACAO", {"DESC_APLIC"}, true)
        .registrar();
}
