#include "GravarCustoLista6.h"

#include "session/Dialogos.h"
#include "store/Consulta.h"
#include "store/ErroBanco.h"

bool GravarCustoLista6(SessaoBanco* sessao) {
    if (!Confirmar("Confirma atualização ?"))
        return false;
    try {
        Consulta q(sessao);
        q.setSql({"Update Estproma", "Set Lista6 = UltimoCust", "Where Lista6 is null"});
        q.executar();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    MostrarMensagem("Processo de atualização finalizado");
    return true;
}
