#include "ObservacoesFornecedor.h"

#include "session/AcessoDados.h"
#include "session/Dialogos.h"
#include "store/ErroBanco.h"
#include "store/Tabela.h"

bool EditarObservacoesFornecedor(Tabela& t, int filial, int codigo) {
    try {
        if (!t.ativo())
            t.abrir();
        if (!t.localizarChave({filial, codigo})) {
            t.incluir();
            t.campo("Filial").definir(filial);
            t.campo("Cod_Reduz").definir(codigo);
            if (!GravarRegistro(t)) {
                t.cancelar();
                // Another station may have made it meanwhile.
                if (!t.localizarChave({filial, codigo}))
                    return false;
            }
        }
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    return EditarRegistro(t);
}
