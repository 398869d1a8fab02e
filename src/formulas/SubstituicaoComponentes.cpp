#include "SubstituicaoComponentes.h"

#include "session/Dialogos.h"
#include "stock/ExecutarEmTransacao.h"
#include "store/Consulta.h"
#include "store/ErroBanco.h"
#include "store/Tabela.h"

#include <QVariantList>
#include <vector>

std::optional<QString> NomeComponente(int codigo, SessaoBanco* sessao) {
    Consulta q(sessao);
    q.setSql({"SELECT *  FROM ESTPROMA WHERE COD_REDUZ = :Codigo"});
    q.definirParametro("Codigo", codigo);
    q.abrir();
    if (q.eof())
        return std::nullopt;
    return q.campo("NOME1").texto();
}

int SubstituirComponentes(int origem, int destino, SessaoBanco* sessao) {
    Tabela componentes("Formulai", sessao);
    int trocados = 0;
    try {
        componentes.abrir();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return -1;
    }
    const bool ok = ExecutarEmTransacao(componentes, {&componentes}, [&] {
        // The rows are found first; each is then edited through the cursor,
        // so a row open at another station stops the whole run.
        Consulta q(sessao);
        q.setSql({"Select Filial, Formula, OrdComp From Formulai", "Where Componente = :Origem"});
        q.definirParametro("Origem", origem);
        q.abrir();
        std::vector<QVariantList> chaves;
        for (; !q.eof(); q.proximo())
            chaves.push_back({q.campo("Filial").valor(), q.campo("Formula").valor(),
                              q.campo("OrdComp").valor()});
        q.fechar();
        for (const QVariantList& chave : chaves) {
            if (!componentes.localizarChave(chave))
                continue;
            componentes.editar();
            componentes.campo("Componente").definir(destino);
            componentes.gravar();
            ++trocados;
        }
    });
    return ok ? trocados : -1;
}
