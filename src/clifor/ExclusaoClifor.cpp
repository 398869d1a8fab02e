#include "ExclusaoClifor.h"

#include "store/Consulta.h"
#include "store/TransacaoBanco.h"

bool CliforTemMovimento(int filial, int codigo, SessaoBanco* sessao) {
    for (const char* tabela : {"NOTAS", "PDCPS", "Formula", "OS"}) {
        Consulta q(sessao);
        q.setSql({QString("select Cod_Clifor from ") + tabela,
                  " where Filial = :P-FIL and Cod_Clifor = :P-COD"});
        q.definirParametro("P-FIL", filial);
        q.definirParametro("P-COD", codigo);
        q.abrir();
        if (!q.vazio())
            return true;
    }
    return false;
}

const QStringList& TabelasDoClifor() {
    static const QStringList tabelas{"CLIFOR2.Cod_Clifor",  "FILHOS.Cod_Clifor",
                                     "CttCliFo.Cod_CliFor", "ObserCli.Cod_CliFor",
                                     "CLPRVEND.Cod_Clifor", "SERVCLIE.Cod_Clifor",
                                     "Endereco.Cod_Clifor", "Nfe_email_clientes.Cliente"};
    return tabelas;
}

void ExcluirCliforDaFilial(int filial, int codigo, SessaoBanco* sessao) {
    TransacaoBanco tr(QStringLiteral("Orvalo"), sessao);
    for (const QString& item : TabelasDoClifor() + QStringList{"CLIFOR.Cod_Clifor"}) {
        const QString tabela = item.section('.', 0, 0);
        const QString coluna = item.section('.', 1, 1);
        Consulta q(sessao);
        q.setSql({"delete from " + tabela + " where Filial = :P-FIL and " + coluna + " = :P-COD"});
        q.definirParametro("P-FIL", filial);
        q.definirParametro("P-COD", codigo);
        q.executar();
    }
    tr.confirmar();
}
