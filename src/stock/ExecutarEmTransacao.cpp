#include "ExecutarEmTransacao.h"

#include "session/Dialogos.h"
#include "store/ConjuntoDados.h"
#include "store/ErroBanco.h"
#include "store/TransacaoBanco.h"

#include <stdexcept>

void AvisarRegistroBloqueado() {
    Dialogos::atual().mensagem(TipoMensagem::Aviso, "Registro bloqueado",
                               "Existe outro usuário alterando este registro", Botoes::Ok);
}

bool ExecutarEmTransacao(ConjuntoDados& base, std::initializer_list<ConjuntoDados*> cancelar,
                         const std::function<void()>& trabalho) {
    bool bloqueado = false;
    QString falha;
    try {
        TransacaoBanco tr(base.nomeBanco(), &base.sessao());
        trabalho();
        tr.confirmar();
        return true;
    } catch (const ErroRegistroBloqueado&) {
        bloqueado = true;
    } catch (const ErroBanco& e) {
        falha = e.texto();
    } catch (const std::runtime_error& e) {
        // Money beyond its range: nothing of the unit is kept.
        falha = QString::fromUtf8(e.what());
    }
    for (ConjuntoDados* c : cancelar)
        if (c->ativo())
            c->cancelar();
    if (bloqueado)
        AvisarRegistroBloqueado();
    else
        MostrarErro(falha);
    return false;
}
