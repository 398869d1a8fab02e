// Currencies, their dated values and the scratch table of the value a
// consultation works with.
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
}
