#include "ExclusaoProduto.h"

#include "store/Consulta.h"
#include "store/TransacaoBanco.h"

#include <QStringList>

bool ProdutoTemMovimento(int codigo, SessaoBanco* sessao) {
    Consulta q(sessao);
    q.setSql({"select Cod_Reduz from notai where cod_reduz = :P-COD"});
    q.definirParametro("P-COD", codigo);
    q.abrir();
    return !q.vazio();
}

const QStringList& TabelasDoProduto() {
    static const QStringList tabelas{
        "ALIQBASE", "Tamanho", "ObseProd", "PRECOS", "ALIQBASE_Importacao", "ObsFornProd"};
    return tabelas;
}

void ExcluirProdutoDaFilial(int filial, int codigo, SessaoBanco* sessao) {
    TransacaoBanco tr(QStringLiteral("Orvalo"), sessao);
    for (const QString& tabela : TabelasDoProduto() + QStringList{"ESTPROMA"}) {
        Consulta q(sessao);
        q.setSql({"delete from " + tabela + " WHERE FILIAL = :P-FIL AND COD_REDUZ = :P-COD"});
        q.definirParametro("P-FIL", filial);
        q.definirParametro("P-COD", codigo);
        q.executar();
    }
    tr.confirmar();
}
