#include "Tabelas.h"

void RegistrarTodasTabelas() {
    static bool registradas = false;
    if (registradas)
        return;
    registradas = true;
    RegistrarTabelasSessao();
    RegistrarTabelasProdutos();
    RegistrarTabelasClifor();
    RegistrarTabelasFormulas();
    RegistrarTabelasCustos();
    RegistrarTabelasEstoque();
    RegistrarTabelasServicos();
}
