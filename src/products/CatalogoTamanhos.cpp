#include "CatalogoTamanhos.h"

#include "session/Dialogos.h"
#include "store/Consulta.h"
#include "store/Tabela.h"

int CodigoLivreTamanho(SessaoBanco* sessao) {
    Tabela t("TAMANHOS", sessao);
    t.abrir();
    int livre = 1;
    for (; !t.eof(); t.proximo()) {
        const int c = t.campo("Codigo").inteiro();
        if (c > livre)
            break;
        if (c == livre)
            ++livre;
    }
    return livre;
}

bool AdicionarTamanhoCatalogo(const QString& tamanho, int& codigo, SessaoBanco* sessao) {
    Consulta q(sessao);
    q.setSql({"SELECT * FROM TAMANHOS WHERE TAMANHO = :P-TAM"});
    q.definirParametro("P-TAM", tamanho);
    q.abrir();
    if (!q.vazio())
        return false;
    const int livre = CodigoLivreTamanho(sessao);
    if (livre > UltimoCodigoTamanho) {
        MostrarMensagem("Não há mais código disponível para tamanho. Contate imediatamente a "
                        "Orvalo Informática!");
        return false;
    }
    Tabela t("TAMANHOS", sessao);
    t.abrir();
    t.incluir();
    t.campo("Codigo").definir(livre);
    t.campo("Tamanho").definir(tamanho);
    t.campo("Descricao").definir(tamanho);
    t.gravar();
    codigo = livre;
    return true;
}
