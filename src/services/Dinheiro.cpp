#include "Dinheiro.h"

#include "Arredondamento.h"
#include "FormatoNumero.h"
#include "store/TipoCampo.h"

#include <limits>
#include <stdexcept>

namespace {
Dinheiro ajustado(__int128 n) {
    if (n > std::numeric_limits<qint64>::max() || n < std::numeric_limits<qint64>::min())
        throw std::overflow_error("Valor fora dos limites do tipo monetário");
    return Dinheiro::deDezMilesimos(static_cast<qint64>(n));
}

// a / b rounded to the nearest integer, ties to even.
__int128 dividirAoPar(__int128 a, __int128 b) {
    if (b < 0) {
        a = -a;
        b = -b;
    }
    __int128 q = a / b;
    const __int128 r = a % b;
    const __int128 dobro = (r < 0 ? -r : r) * 2;
    if (dobro > b || (dobro == b && q % 2 != 0))
        q += a < 0 ? -1 : 1;
    return q;
}
} // namespace

Dinheiro Dinheiro::deNumero(double valor) {
    qint64 n = 0;
    if (!DezMilesimos(valor, n))
        throw std::overflow_error("Valor fora dos limites do tipo monetário");
    return deDezMilesimos(n);
}

Dinheiro Dinheiro::operator+(Dinheiro o) const {
    return ajustado(__int128(n_) + o.n_);
}
Dinheiro Dinheiro::operator-(Dinheiro o) const {
    return ajustado(__int128(n_) - o.n_);
}
Dinheiro Dinheiro::operator-() const {
    return ajustado(-__int128(n_));
}
Dinheiro Dinheiro::operator*(Dinheiro o) const {
    return ajustado(dividirAoPar(__int128(n_) * o.n_, 10000));
}
Dinheiro Dinheiro::operator/(Dinheiro o) const {
    if (o.n_ == 0)
        throw std::domain_error("Divisão por zero");
    return ajustado(dividirAoPar(__int128(n_) * 10000, o.n_));
}

Dinheiro Dinheiro::proporcao(Dinheiro a, Dinheiro b, Dinheiro c) {
    if (c.n_ == 0)
        throw std::domain_error("Divisão por zero");
    return ajustado(dividirAoPar(__int128(a.n_) * b.n_, c.n_));
}

Dinheiro Dinheiro::arredondado2() const {
    return deNumero(Arredondar(2, numero()));
}

QString Dinheiro::formatar(const QString& mascara) const {
    return mascara.startsWith('%') ? Formatar(mascara, {numero()})
                                   : FormatarNumero(mascara, numero());
}
