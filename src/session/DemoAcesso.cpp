#include "DemoAcesso.h"

#include "Tabela.h"

#include <QVariantList>
#include <initializer_list>

namespace {
// Appends each row (values in the order of `campos`) whose leading
// `chave` values are not in the table yet.
void inserir(const QString& nomeBanco, const QString& tabela, const QStringList& campos, int chave,
             std::initializer_list<QVariantList> linhas) {
    Tabela t(tabela);
    t.setNomeBanco(nomeBanco);
    t.abrir();
    for (const QVariantList& linha : linhas) {
        if (t.localizarChave(linha.mid(0, chave)))
            continue;
        t.incluir();
        for (int i = 0; i < campos.size(); ++i)
            t.campo(campos[i]).definir(linha[i]);
        t.gravar();
    }
}
} // namespace

void CriarDemoAcesso(const QString& nomeBanco) {
    inserir(nomeBanco, "Usuarios", {"Codigo", "Senha", "Nivel", "Ativo"}, 1,
            {
                {"ADMIN", "admin", "SUP", "S"},
                {"OPER", "oper", "OPE", "S"},
            });

    inserir(nomeBanco, "Acesso", {"Codigo", "Conteudo", "Descricao", "Inf_Usuario"}, 1,
            {
                {14, "", "Inclusao de Cliente", "N"},
                {41, "", "Alteracao de Cliente", "N"},
                {103, "", "Vendedor do Cliente", "N"},
                {131, "", "Clientes Especiais", "N"},
                {136, "", "Limite de Credito", "N"},
                {215, "conceito", "Conceito do Cliente", "N"},
                {58, "", "Inclusao de Produto", "N"},
                {80, "", "Valores", "N"},
                {81, "", "Custo de Formulas", "N"},
                {82, "", "Fatores", "N"},
                {83, "", "Moedas", "N"},
                {101, "pcp", "Baixa Estoque Materia Prima", "S"},
                {107, "custo", "Consulta de Custos", "N"},
                {119, "pcp", "Exclusao de Formula", "S"},
                {230, "pcp", "Importacao de Dados", "S"},
                {250, "pcp", "Scripts de Atualizacao", "S"},
            });

    inserir(nomeBanco, "GruposUsuarios", {"CodigoGrupo", "DescGrupo", "Ativo"}, 1,
            {
                {1, "Administradores", "S"},
                {2, "Producao", "S"},
                {3, "Inativo", "N"},
            });

    inserir(nomeBanco, "GruposPorUsuario", {"CodFilGrupo", "CodGrupo", "CodUsuario"}, 3,
            {
                {1, 1, "ADMIN"},
                {1, 2, "OPER"},
                {1, 3, "OPER"},
            });

    inserir(nomeBanco, "PermissoesPorGrupo",
            {"CodGrupoUsuario", "NomePermissao", "Permissao", "DescPermissao"}, 2,
            {
                {2, "IncProdutos", 1, "Incluir produtos"},
                {2, "EditarProduto", 2, "Editar produtos"},
                {2, "AcessoConsultaSaldoProduto", 3, "Consultar saldo de produtos"},
                {2, "AcessoConsultaFichaEstoque", 4, "Consultar ficha de estoque"},
                {2, "IncClifor", 5, "Incluir clientes e fornecedores"},
                {2, "EditarCliente", 6, "Editar clientes"},
                {3, "ExcluirProduto", 7, "Excluir produtos"},
            });

    inserir(nomeBanco, "permissoes", {"NomePermissao", "DescPermissao"}, 1,
            {
                {"IncClifor", "Incluir clientes e fornecedores"},
                {"EditarCliente", "Editar clientes"},
                {"ExcluirCliente", "Excluir clientes"},
                {"AcessoAlterarSistemaClifor", "Alterar sistema do cliente"},
                {"AcessoCadCliGuiaCredito", "Guia de credito do cliente"},
                {"AcessoCadEmailsClifor", "E-mails do cliente"},
                {"AcessoConsultaLogAlteraClifor", "Log de alteracoes de clientes"},
                {"AcessoDadosCadCli", "Dados cadastrais do cliente"},
                {"AcessoRelCadClientesPorCidade", "Relatorio de clientes por cidade"},
                {"AcessoRelCadCompletoClientes", "Relatorio completo de clientes"},
                {"EditarEmailCliforTelaCadastro", "Editar e-mails no cadastro"},
                {"EditarTelefonesCliforCadastro", "Editar telefones no cadastro"},
                {"Bloqueia(o)AltVendedorCliFor", "Alterar vendedor do cliente"},
                {"IncProdutos", "Incluir produtos"},
                {"EditarProduto", "Editar produtos"},
                {"ExcluirProduto", "Excluir produtos"},
                {"AcessoAltPrecoCadProd", "Alterar preco no cadastro"},
                {"AcessoConsMovProduto", "Movimento do produto"},
                {"AcessoConsultaFichaEstoque", "Consultar ficha de estoque"},
                {"AcessoConsultaLogAlteraProduto", "Log de alteracoes de produtos"},
                {"AcessoConsultaSaldoProduto", "Consultar saldo de produtos"},
                {"AcessoCnsSldProdTodasLjs", "Saldo em todas as lojas"},
                {"Bloqueia(o)AltListaPrCadProd", "Alterar lista de precos"},
                {"AcessoCadMarkup", "Cadastro de markup"},
            });
}
