#include "PesquisaClifor.h"

#include "store/Consulta.h"

namespace {
const char* const Ordenacoes[] = {
    "ORDER BY COD_CLIFOR",   "ORDER BY NOME",   "ORDER BY FANTASIA", "ORDER BY TELEFONE1",
    "ORDER BY CIDADE, NOME", "ORDER BY BAIRRO", "ORDER BY ENDERECO"};
// Column of each order within LinhaPesquisaClifor::colunas.
const int ColunaDaOrdem[] = {0, 1, 2, 3, 6, 4, 5};
} // namespace

const QStringList& OrdensPesquisaClifor() {
    static const QStringList ordens = {"CÓDIGO", "NOME",   "FANTASIA", "FONE",
                                       "CIDADE", "BAIRRO", "ENDEREÇO"};
    return ordens;
}

QList<LinhaPesquisaClifor> PesquisarClifor(int filial, int ordem, SessaoBanco* sessao) {
    Consulta q(sessao);
    q.setSql({"SELECT COD_CLIFOR, NOME, FANTASIA, TELEFONE1, BAIRRO, ENDERECO, CIDADE FROM CLIFOR",
              " WHERE FILIAL = :FILIAL", Ordenacoes[std::clamp(ordem, 0, 6)]});
    q.definirParametro("FILIAL", filial);
    q.abrir();
    QList<LinhaPesquisaClifor> linhas;
    for (; !q.eof(); q.proximo()) {
        LinhaPesquisaClifor l;
        l.codigo = q.campo(0).inteiro();
        for (int i = 0; i < 7; ++i)
            l.colunas << q.campo(i).texto();
        linhas << l;
    }
    return linhas;
}

int LinhaMaisProxima(const QList<LinhaPesquisaClifor>& linhas, int ordem, const QString& texto) {
    if (linhas.isEmpty())
        return -1;
    const int coluna = ColunaDaOrdem[std::clamp(ordem, 0, 6)];
    for (int i = 0; i < linhas.size(); ++i) {
        const bool chegou =
            coluna == 0 ? linhas[i].codigo >= texto.toInt()
                        : linhas[i].colunas[coluna].compare(texto, Qt::CaseInsensitive) >= 0;
        if (chegou)
            return i;
    }
    return int(linhas.size()) - 1;
}

QList<QStringList> PesquisarCliforPorNome(int filial, const QString& texto, SessaoBanco* sessao) {
    Consulta q(sessao);
    q.setSql({"SELECT FILIAL, COD_CLIFOR, NOME FROM CLIFOR", " WHERE FILIAL = :FILIAL",
              "   AND UPPER(NOME) LIKE :TEXTO", " ORDER BY NOME"});
    q.definirParametro("FILIAL", filial);
    q.definirParametro("TEXTO", "%" + texto.toUpper() + "%");
    q.abrir();
    QList<QStringList> linhas;
    for (; !q.eof(); q.proximo())
        linhas << QStringList{q.campo(0).texto(), q.campo(1).texto(), q.campo(2).texto()};
    return linhas;
}
