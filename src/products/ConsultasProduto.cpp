#include "ConsultasProduto.h"

#include "services/Dinheiro.h"
#include "services/FormatoNumero.h"
#include "store/Consulta.h"

namespace {
QString Numero(double v) {
    return FormatarNumero("###,##0.0000", v);
}
} // namespace

std::optional<double> EmpenhoProduto(int filial, int codigo, SessaoBanco* sessao) {
    Consulta q(sessao);
    q.setSql({"Select Cod_Reduz, Sum(Quantidade) As empenho", "From OrcaOfii I, OrcaOfic C",
              "Where I.Filial = :CodFil", "and I.Cod_Reduz = :CodProd", "and I.Tipo = 'O'",
              "and I.NumOrca < 999999", "and I.TipoItem = 'P'", "and C.Filial = I.Filial",
              "and C.Tipo = I.Tipo", "and C.Codigo = I.NumOrca",
              "and ((C.Situacao <> 'B' and C.Situacao <> 'F') or C.Situacao is null)",
              "Group By Cod_Reduz"});
    q.definirParametro("CodFil", filial);
    q.definirParametro("CodProd", codigo);
    q.abrir();
    if (q.vazio())
        return std::nullopt;
    return q.campo("empenho").numero();
}

double SaldoPedidosAbertos(int filial, int codigo, SessaoBanco* sessao) {
    Consulta q(sessao);
    q.setSql({"Select Sum(Saldo) As Saldo", "From Pdcpi", "Where Filial = :CodFil",
              "and Sistema = '0'", "and Cod_Reduz = :CodProd", "and Saldo > 0"});
    q.definirParametro("CodFil", filial);
    q.definirParametro("CodProd", codigo);
    q.abrir();
    return q.vazio() ? 0 : q.campo(0).numero();
}

double FisicoDoMes(int filial, int codigo, const QString& anoMes, SessaoBanco* sessao) {
    Consulta q(sessao);
    q.setSql({"Select Fisico From Sldpr", "Where Filial = :CodFil", "and Ano_Mes = :AnoMes",
              "and Cod_Reduz = :CodProd"});
    q.definirParametro("CodFil", filial);
    q.definirParametro("AnoMes", anoMes);
    q.definirParametro("CodProd", codigo);
    Dinheiro total;
    for (q.abrir(); !q.eof(); q.proximo())
        total += Dinheiro::deNumero(q.campo(0).numero());
    return total.numero();
}

QList<QStringList> EntradasProduto(int filial, int codigo, const QDate& desde,
                                   SessaoBanco* sessao) {
    Consulta q(sessao);
    q.setSql({"Select I.Cod_Clifor, C.Nome, I.Num_Nota, I.DT_ENTRADA, I.Quantidade,",
              "       I.Vlr_Custo, I.BT_ICMS, I.BI_ICMS, I.BO_ICMS", "From Notai I",
              "Inner Join Notas N On (N.Filial = I.Filial and N.Num_Nota = I.Num_Nota",
              "      and N.Tipo_Nota = I.Tipo_Nota and N.Cod_Clifor = I.Cod_Clifor",
              "      and N.DT_ENTRADA = I.DT_ENTRADA)",
              "Left Join Clifor C On (C.Filial = I.Filial and C.Cod_Clifor = I.Cod_Clifor)",
              "Where I.Filial = :CodFil", "and I.Cod_Reduz = :CodProd",
              "and I.DT_ENTRADA >= :Desde", "and N.Est_Hist = 1",
              "Order By I.DT_ENTRADA, I.Num_Nota, I.Num_Item"});
    q.definirParametro("CodFil", filial);
    q.definirParametro("CodProd", codigo);
    q.definirParametro("Desde", desde);
    QList<QStringList> linhas;
    for (q.abrir(); !q.eof(); q.proximo()) {
        const double quantidade = q.campo("Quantidade").numero();
        const double valor =
            q.campo("BT_ICMS").numero() + q.campo("BI_ICMS").numero() + q.campo("BO_ICMS").numero();
        const double custo = quantidade == 0 ? 0 : q.campo("Vlr_Custo").numero() / quantidade;
        const double preco = quantidade == 0 ? 0 : valor / quantidade;
        linhas << QStringList{q.campo("Cod_Clifor").texto(),
                              q.campo("Nome").texto(),
                              q.campo("Num_Nota").texto(),
                              q.campo("DT_ENTRADA").texto(),
                              Numero(quantidade),
                              Numero(custo),
                              Numero(preco)};
    }
    return linhas;
}

QList<QStringList> LogDescricaoProduto(int filial, int codigo, SessaoBanco* sessao) {
    Consulta q(sessao);
    q.setSql({"Select *from Sped_AlteraProduto where filial = :CodFil and Cod_Reduz = :CodProd",
              "Order By DataAlteracao"});
    q.definirParametro("CodFil", filial);
    q.definirParametro("CodProd", codigo);
    QList<QStringList> linhas;
    for (q.abrir(); !q.eof(); q.proximo())
        linhas << QStringList{q.campo("DataAlteracao").texto(), q.campo("Descricao").texto()};
    return linhas;
}

QList<QStringList> PesquisaAvancadaProduto(int filial, const QString& texto, SessaoBanco* sessao) {
    Consulta q(sessao);
    q.setSql({"SELECT FILIAL, COD_REDUZ, NOME1, UNID_PAD", "  FROM ESTPROMA",
              " WHERE FILIAL = :CodFil", "   AND NOME1 LIKE :Texto", " ORDER BY NOME1"});
    q.definirParametro("CodFil", filial);
    q.definirParametro("Texto", "%" + texto + "%");
    QList<QStringList> linhas;
    for (q.abrir(); !q.eof(); q.proximo())
        linhas << QStringList{q.campo(0).texto(), q.campo(1).texto(), q.campo(2).texto(),
                              q.campo(3).texto()};
    return linhas;
}
