#include "RelacaoAmostras.h"

#include "Arredondamento.h"
#include "ConfigImpressao.h"
#include "Consulta.h"
#include "Dinheiro.h"
#include "FormatoNumero.h"
#include "RelatorioTexto.h"
#include "Tabela.h"

#include <QHash>
#include <QList>
#include <QString>

namespace {
struct Amostra {
    QString formula;
    int cliente;
};

void cabecalho(ConfigImpressao& cfg) {
    Cabecalho("RELATORIO DE AMOSTRAS PARA AS CIAS", QString());
    ++cfg.Linha;
    EscreverTexto(cfg.Linha, 1, "DESCRICAO DO PRODUTO");
    EscreverTexto(cfg.Linha, 42, "FORMULA");
    EscreverTexto(cfg.Linha, 54, "QUANTID.");
    EscreverTexto(cfg.Linha, 64, "CUSTO U$");
    EscreverTexto(cfg.Linha, 73, "CUSTO R$");
    ++cfg.Linha;
    EscreverTexto(cfg.Linha, 1, Repetir("-", cfg.Largura));
    ++cfg.Linha;
}
} // namespace

std::optional<double> DolarDoDia(const QDate& data, SessaoBanco* sessao) {
    Tabela valores("VALORES", sessao);
    valores.abrir();
    if (!valores.localizarChave({1, data}))
        return std::nullopt;
    return valores.campo("VALOR").numero();
}

Dinheiro ImprimirRelacaoAmostras(int filial, const QDate& inicio, const QDate& fim, double dolar,
                                 const std::function<void(int, int)>& avancar,
                                 SessaoBanco* sessao) {
    Consulta q(sessao);
    q.setSql({"Select Filial, Cod_Reduz, DataAmostra, Formula, Cod_Clifor", "From Formula",
              "Where Filial = :CodFil", "     and DataAmostra >= :DataIni",
              "     and DataAmostra <= :DataFim", "Order By Cod_Reduz, Formula"});
    q.definirParametro("CodFil", filial);
    q.definirParametro("DataIni", inicio);
    q.definirParametro("DataFim", fim);
    q.abrir();
    QHash<int, QList<Amostra>> porProduto;
    for (; !q.eof(); q.proximo())
        porProduto[q.campo("Cod_Reduz").inteiro()]
            << Amostra{q.campo("Formula").texto(), q.campo("Cod_Clifor").inteiro()};
    q.fechar();

    Tabela produtos("ESTPROMA", sessao);
    produtos.definirFaixa({filial}, {filial});
    produtos.abrir();
    Tabela clientes("CLIFOR", sessao);
    clientes.abrir();
    Tabela componentes("Formulai", sessao);

    ConfigImpressao& cfg = CfgImpressao();
    Dinheiro total;
    IniciarRelatorio();
    LimparPagina();
    const int quantos = produtos.contarRegistros();
    int posicao = 0;
    for (; !produtos.eof(); produtos.proximo(), ++posicao) {
        if (avancar)
            avancar(posicao, quantos);
        const auto amostras = porProduto.constFind(produtos.campo("Cod_Reduz").inteiro());
        if (amostras == porProduto.cend())
            continue;
        const double lista6 = produtos.campo("LISTA6").numero();
        for (const Amostra& a : *amostras) {
            if (!clientes.localizarChave({filial, a.cliente}) ||
                !clientes.campo("FANTASIA").texto().startsWith('*'))
                continue;
            Dinheiro quantidade;
            componentes.fechar();
            componentes.definirFaixa({filial, a.formula}, {filial, a.formula});
            componentes.abrir();
            for (; !componentes.eof(); componentes.proximo())
                quantidade += Dinheiro::deNumero(componentes.campo("Quantidade").numero());
            if (++cfg.Linha > cfg.LinhasPorPagina - 4)
                cabecalho(cfg);
            // Each cost is rounded to cents; the total adds them exactly.
            const Dinheiro cu =
                Dinheiro::deNumero(Arredondar(2, lista6 / 1000 * quantidade.numero()));
            const Dinheiro cr = Dinheiro::deNumero(Arredondar(2, cu.numero() * dolar));
            EscreverTexto(cfg.Linha, 1, produtos.campo("NOME1").texto());
            EscreverTexto(cfg.Linha, 42, a.formula);
            EscreverTexto(cfg.Linha, 53, quantidade.formatar("%8.2n"));
            EscreverTexto(cfg.Linha, 64, cu.formatar("%8.2n"));
            EscreverTexto(cfg.Linha, 73, cr.formatar("%8.2n"));
            total += cr;
        }
    }
    componentes.fechar();
    ++cfg.Linha;
    EscreverTexto(cfg.Linha, 72, total.formatar("%9.2n"));
    ImprimirPagina();
    FinalizarRelatorio();
    return total;
}
