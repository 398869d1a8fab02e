// The outcome of the built-in data-correction scripts, and the suite's
// fiscal tables those scripts correct (only the columns they touch).
#include "Tabelas.h"

void RegistrarTabelasServicos() {
    Definicao("ScriptsSql")
        .longInt("CodScript")
        .texto("DescScriptRes", 240)
        .data("DataCadScript")
        .data("DataTentativa")
        .texto("Status", 2)
        .memo("SqlScript")
        .memo("SqlRetorno")
        .chave({"CodScript"})
        .registrar();

    Definicao("Tipod_cc")
        .shortInt("TDoc_Cod")
        .texto("Descricao", 40)
        .texto("LancaContabil", 1)
        .chave({"TDoc_Cod"})
        .registrar();

    Definicao("Natuoper")
        .longInt("Cod_NatOpe")
        .texto("Descricao", 60)
        .texto("ICMS", 1)
        .texto("ICMS_SIMPLES", 1)
        .texto("Issqn", 1)
        .chave({"Cod_NatOpe"})
        .registrar();

    Definicao("ModelosNotasFiscais")
        .texto("Codigo", 5)
        .texto("Descricao", 100)
        .texto("CodigoTabSpedPisCofins", 10)
        .chave({"Codigo"})
        .registrar();
}
