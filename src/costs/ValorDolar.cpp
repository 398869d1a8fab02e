#include "ValorDolar.h"

#include "session/Dialogos.h"
#include "store/ErroBanco.h"
#include "store/Tabela.h"

std::optional<ValorMoeda> ValorDolar(const QDate& data, SessaoBanco* sessao) {
    try {
        Tabela valores("VALORES", sessao);
        valores.setNomeBanco("Orvalo");
        valores.definirFaixa({1}, {1});
        valores.abrir();
        // Past the last date the cursor rests on the latest value.
        valores.localizarProximo({1, data});
        if (valores.vazio() || valores.campo("Cod_Moeda").inteiro() != 1) {
            MostrarMensagem("Valor do dolar não cadastrado");
            return std::nullopt;
        }
        return ValorMoeda{valores.campo("VALOR").numero(), valores.campo("DATA").data()};
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return std::nullopt;
    }
}
