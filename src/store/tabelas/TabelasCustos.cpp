// Currencies, their dated values, the scratch table of the value a
// consultation works with, and the branch's markups.
#include "Tabelas.h"

void RegistrarTabelasCustos() {
    Definicao("MOEDA")
        .shortInt("Cod_Moeda")
        .texto("NOME_MOEDA", 40)
        .texto("SIMBOLO", 5)
        .chave({"Cod_Moeda"})
        .indice("Nome da Moeda", {"NOME_MOEDA"}, true)
        .registrar();

    Definicao("VALORES")
        .shortInt("Cod_Moeda")
        .data("DATA")
        .number("VALOR")
        .chave({"Cod_Moeda", "DATA"})
        .registrar();

    // Rows are appended and cancelled, never posted.
    Definicao d("TMPVALORES");
    for (int i = 1; i <= 11; ++i)
        d.number("Valor" + QString::number(i));
    d.registrar();

    Definicao("Markup")
        .longInt("Filial")
        .longInt("Codigo_Markup")
        .texto("Descricao", 40)
        .number("Per_Desconto1")
        .number("Per_Desconto2")
        .number("Per_Desconto3")
        .number("Per_Desconto4")
        .number("Per_Desconto5")
        .number("IcmsEntrada")
        .number("Ipi")
        .number("Subst_Trib")
        .number("Dif_Icms")
        .number("Pis")
        .number("Cofins")
        .number("IcmsDebito")
        .number("Frete")
        .number("Comissoes")
        .number("MargemLucro")
        .data("DtCadastro")
        .data("DtManutencao")
        .longInt("ModeloCalculo")
        .chave({"Filial", "Codigo_Markup"})
        .registrar();
}
