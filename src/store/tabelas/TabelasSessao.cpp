// Company catalogue, branch and configuration tables, parameters, access
// codes, users and permissions, and the run-time log tables.
#include "Tabelas.h"

DefTabela DefLogAcesso(const QString& nome) {
    return Definicao(nome)
        .dataHora("DataHora")
        .texto("Tabela", 20)
        .texto("Acesso", 30)
        .texto("Registro", 100)
        .texto("Operacao", 1)
        .texto("Usuario", 6)
        .somenteSobDemanda()
        .def();
}

DefTabela DefLogSistema(const QString& nome) {
    return Definicao(nome)
        .longInt("Filial", true)
        .data("Data", true)
        .hora("Hora", true)
        .texto("Janela", 60, true)
        .texto("Acao", 1, true)
        .texto("Usuario", 6, true)
        .autoInc("AutoInc", true)
        .texto("Tabela", 30)
        .texto("Log", 250)
        // AutoInc keeps apart rows that agree on every other key field.
        .chave({"Filial", "Data", "Hora", "Janela", "Acao", "Usuario", "AutoInc"})
        .somenteSobDemanda()
        .def();
}

DefTabela DefLogSysTipos() {
    return Definicao("LogSys_Tipos").texto("Tipo", 1).texto("Campo", 60).somenteSobDemanda().def();
}

void RegistrarTabelasSessao() {
    // Lives outside the company directories, opened by path only.
    Definicao("Empresa")
        .shortInt("Codigo")
        .texto("Nome", 30)
        .texto("Diretorio", 30)
        .texto("PWD", 20)
        .texto("Grupo", 10)
        .shortInt("LOJA")
        .logico("MULTIEMPRESAS")
        .logico("CLIENTEUNICO")
        .logico("PRODUTOUNICO")
        .chave({"Codigo"})
        .somenteSobDemanda()
        .registrar();

    Definicao("Filial")
        .longInt("Filial")
        .texto("NOME", 60)
        .texto("DIRCOBOL", 40)
        .logico("TermServ")
        .shortInt("FATMODNF")
        .data("DATAPROCES")
        .number("Percent_L2")
        .number("Percent_L3")
        .number("Percent_L4")
        .number("Percent_L5")
        .number("Percent_L6")
        .chave({"Filial"})
        .registrar();

    Definicao("Filial2").longInt("Filial").chave({"Filial"}).registrar();

    Definicao("Escricfg").shortInt("Filial").data("Data").chave({"Filial"}).registrar();

    Definicao("Estoqcfg")
        .shortInt("Filial")
        .texto("CRECOB", 1)
        .texto("CONTABIL", 1)
        .data("Data")
        .longInt("UltimaNota")
        .number("Perc_MP135")
        .chave({"Filial"})
        .registrar();

    Definicao("CRECFG").shortInt("Filial").data("Data").chave({"Filial"}).registrar();

    Definicao("FATURCFG")
        .shortInt("Filial")
        .data("Data")
        .texto("CreCob", 1)
        .chave({"Filial"})
        .registrar();

    Definicao("PEDIDCFG").shortInt("Filial").chave({"Filial"}).registrar();

    Definicao("CONTCFG").shortInt("Filial").data("Data").chave({"Filial"}).registrar();

    Definicao("ParametrosEmpresa")
        .longInt("Filial")
        .texto("NomeParametro", 60)
        .logico("ValorBoolean")
        .texto("ValorStr", 255)
        .chave({"Filial", "NomeParametro"})
        .registrar();

    Definicao("Acesso")
        .longInt("Codigo")
        .texto("Conteudo", 20)
        .texto("Descricao", 30)
        .texto("Inf_Usuario", 1)
        .chave({"Codigo"})
        .registrar();

    Definicao("Usuarios")
        .texto("Codigo", 6)
        .texto("Senha", 8)
        .texto("Nivel", 3)
        .texto("Ativo", 1)
        .chave({"Codigo"})
        .registrar();

    Definicao("GruposPorUsuario")
        .longInt("CodFilGrupo")
        .longInt("CodGrupo")
        .texto("CodUsuario", 6)
        .chave({"CodFilGrupo", "CodGrupo", "CodUsuario"})
        .registrar();

    Definicao("PermissoesPorGrupo")
        .longInt("CodGrupoUsuario")
        .longInt("Permissao")
        .texto("NomePermissao", 60)
        .texto("DescPermissao", 100)
        .chave({"CodGrupoUsuario", "NomePermissao"})
        .registrar();

    Definicao("GruposUsuarios")
        .longInt("CodigoGrupo")
        .texto("DescGrupo", 40)
        .texto("Ativo", 1)
        .chave({"CodigoGrupo"})
        .registrar();

    Definicao("permissoes")
        .texto("NomePermissao", 60)
        .texto("DescPermissao", 100)
        .chave({"NomePermissao"})
        .registrar();

    CatalogoTabelas::registrar(DefLogSysTipos());
}
