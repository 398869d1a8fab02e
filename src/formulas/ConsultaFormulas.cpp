#include "ConsultaFormulas.h"

QStringList SqlConsultaFormulas(const FiltroConsultaFormulas& f) {
    // Formula, Cod_Reduz and Cod_Clifor are columns of two of the joined
    // tables each, so they are named with their table.
    QStringList sql = {"Select Formula.Formula, Formula.Cod_Reduz, Cor, Formula.Cod_Clifor, "
                       "Fantasia, Nome1,DataCad",
                       "From Formula, Clifor, Estproma",
                       "Where Formula.Filial = :CodFil",
                       "  and Formula.DataCad >= :DataIni",
                       "  and Formula.DataCad <= :DataFim",
                       "  and Clifor.Filial = Formula.Filial",
                       "  and Clifor.Cod_Clifor = Formula.Cod_Clifor",
                       "  and Estproma.Filial = Formula.Filial",
                       "  and Estproma.Cod_Reduz = Formula.Cod_Reduz"};
    using C = FiltroConsultaFormulas::Clientes;
    if (f.produto)
        sql << "and Formula.Cod_Reduz = :CodReduz";
    if (f.clientes == C::Um)
        sql << "and formula.Cod_Clifor = :CodClifor";
    else if (f.clientes == C::Companias)
        sql << "and substring(Clifor.Fantasia from 1 for 1) = \"*\"";
    if (!f.cor.isEmpty())
        sql << "and Formula.Cor = :Cor";
    if (!f.formula.isEmpty())
        sql << "and Formula.Formula = :Formula";
    if (f.origem)
        sql << "and Formula.Origem = :Origem";
    if (f.matizador)
        sql << "and Formula.CodMatizador = :CodMatizador";
    sql << "Order By Formula.Formula";
    return sql;
}

DadosConsFormula::DadosConsFormula(SessaoBanco* sessao)
    : QProdutos(sessao), QClientes(sessao), TMatizador("Matizador", sessao), QFormulas(sessao) {
    QProdutos.setSql(
        {"Select Cod_Reduz, Nome1", "From Estproma", "Where Filial = :CodFil", "Order By Nome1"});
    QClientes.setSql({"Select Cod_Clifor, Fantasia", "From Clifor", "Where Filial = :CodFil",
                      "Order By Fantasia"});
    TMatizador.setCamposIndice("Nome");
}

void DadosConsFormula::abrirEscolhas(int filial) {
    QProdutos.fechar();
    QProdutos.definirParametro("CodFil", filial);
    QProdutos.abrir();
    QClientes.fechar();
    QClientes.definirParametro("CodFil", filial);
    QClientes.abrir();
    TMatizador.fechar();
    TMatizador.abrir();
}

void DadosConsFormula::consultar(const FiltroConsultaFormulas& f) {
    QFormulas.setSql(SqlConsultaFormulas(f));
    QFormulas.definirParametro("CodFil", f.filial);
    QFormulas.definirParametro("DataIni", f.inicio);
    QFormulas.definirParametro("DataFim", f.fim);
    if (f.produto)
        QFormulas.definirParametro("CodReduz", *f.produto);
    QFormulas.definirParametro("CodClifor", f.cliente);
    QFormulas.definirParametro("Cor", f.cor);
    QFormulas.definirParametro("Formula", f.formula);
    if (f.origem)
        QFormulas.definirParametro("Origem", *f.origem);
    if (f.matizador)
        QFormulas.definirParametro("CodMatizador", *f.matizador);
    QFormulas.abrir();
}

void DadosConsFormula::fechar() {
    QProdutos.fechar();
    QClientes.fechar();
    TMatizador.fechar();
    QFormulas.fechar();
}
