#include "CorrecaoCustoFormula.h"

#include "services/Dinheiro.h"
#include "session/AcessoDados.h"
#include "session/Dialogos.h"
#include "store/ErroBanco.h"

#include <stdexcept>

CorrecaoCustoFormula::CorrecaoCustoFormula(SessaoBanco* sessao)
    : produtos_("ESTPROMA", sessao), formulas_("Formula", sessao),
      componentes_("Formulai", sessao) {
    componentes_.setMestre(&formulas_, "Filial;Formula");
}

bool CorrecaoCustoFormula::abrir(int filial) {
    fechar();
    filial_ = filial;
    try {
        produtos_.abrir();
        formulas_.definirFaixa({filial}, {filial});
        formulas_.abrir();
        componentes_.abrir();
        return true;
    } catch (const ErroBanco& e) {
        fechar();
        MostrarErro(e.texto());
        return false;
    }
}

void CorrecaoCustoFormula::fechar() {
    componentes_.fechar();
    formulas_.fechar();
    produtos_.fechar();
}

int CorrecaoCustoFormula::quantidade() {
    try {
        return formulas_.ativo() ? formulas_.contarRegistros() : 0;
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return 0;
    }
}

Dinheiro CorrecaoCustoFormula::custoComponentes() {
    Dinheiro total;
    for (componentes_.primeiro(); !componentes_.eof(); componentes_.proximo()) {
        // Without the product there is no cost to charge.
        if (!produtos_.localizarChave({filial_, componentes_.campo("Componente").inteiro()}))
            continue;
        total += Dinheiro::deNumero(produtos_.campo("ULTIMOCUST").numero()) *
                 Dinheiro::deNumero(componentes_.campo("QUANTIDADE").numero());
    }
    return total;
}

bool CorrecaoCustoFormula::executar(const std::function<void(int)>& progresso) {
    try {
        int posicao = 0;
        for (formulas_.primeiro(); !formulas_.eof(); formulas_.proximo()) {
            if (progresso)
                progresso(++posicao);
            const Dinheiro total = custoComponentes();
            const Campo custo = formulas_.campo("UltimoCust");
            // A cost already right is not written again.
            if (total <= Dinheiro() ||
                (!custo.ehNulo() && Dinheiro::deNumero(custo.numero()) == total))
                continue;
            formulas_.editar();
            formulas_.campo("UltimoCust").definir(total.numero());
            if (!GravarRegistro(formulas_)) {
                formulas_.cancelar();
                return false;
            }
        }
        return true;
    } catch (const ErroBanco& e) {
        formulas_.cancelar();
        MostrarErro(e.texto());
    } catch (const std::overflow_error& e) {
        // A stored cost or quantity the money type cannot hold.
        formulas_.cancelar();
        MostrarErro(QString::fromUtf8(e.what()) +
                    "\nFormula: " + formulas_.campo("Formula").texto());
    }
    return false;
}
