#include "SaldoCustoMedio.h"

#include <cmath>
#include <stdexcept>

void SaldoCustoMedio::aplicar(ItemCustoMedio& item) {
    const Dinheiro zero;
    const int p = item.param;
    if (p < 49) {
        if (!item.custoInformado.ehZero())
            item.vlrCusto = item.custoInformado;
        if (p == 2) {
            if (V.ehZero()) {
                item.vlrCusto = ultimoCusto * item.quantidade;
                if (item.vlrCusto.ehZero())
                    item.vlrCusto = custoMedio * item.quantidade;
                V = item.vlrCusto;
            }
            if (Q > zero) {
                item.vlrCusto = Dinheiro::proporcao(item.quantidade, V, Q);
                item.vlrMedio = V / Q;
            }
            if (Q < zero)
                V = zero;
        }
        if (!(p == 2 && Q <= zero))
            V += item.vlrCusto;
        Q += item.quantidade;
        Q2 += item.quantidade2;
        item.vlrMedio = zero;
        if (!Q.ehZero() && V > zero) {
            item.vlrMedio = V / Q;
            if (item.vlrMedio < zero)
                item.vlrMedio = zero;
        }
    } else if (p > 50) {
        if (Q.dezMilesimos() == item.quantidadeTruncada) {
            // The whole stock leaves with its whole value: no residue.
            item.vlrCusto = V;
            if (!Q.ehZero())
                item.vlrMedio = V / Q;
            V = zero;
        } else if (!Q.ehZero()) {
            item.vlrCusto = Dinheiro::proporcao(item.quantidade, V, Q);
            item.vlrMedio = V / Q;
            V -= item.vlrCusto;
        }
        Q -= item.quantidade;
        Q2 -= item.quantidade2;
    }
}

FechamentoSaldo SaldoCustoMedio::fechamento() const {
    if (Q.ehZero())
        return {Dinheiro(), Dinheiro(), Dinheiro()};
    return {V, Q, Q2};
}

qint64 DezMilesimosTruncados(double valor) {
    if (!std::isfinite(valor) || std::fabs(valor) > 1e15)
        throw std::overflow_error("Valor fora dos limites do tipo monetário");
    // As the money type reads a stored number: whole part and fraction
    // apart, the fraction scaled to eight decimals, so the noise sits in
    // the four guard digits that the truncation drops.
    const double inteira = std::trunc(valor);
    const __int128 x = static_cast<__int128>(inteira) * 100000000 +
                       static_cast<__int128>(std::nearbyintl((valor - inteira) * 1e8L));
    return static_cast<qint64>(x / 10000);
}
