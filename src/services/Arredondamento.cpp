#include "Arredondamento.h"

#include <cmath>

namespace {

QString& modoAtual() {
    static QString modo;
    return modo;
}

// Magnitude only; the sign is put back by the caller.
double arredondarMagnitude(long double valor, int decimais) {
    static constexpr long double potencias[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
    const long double fator = (decimais >= 0 && decimais <= 6) ? potencias[decimais] : 1;
    // A failed computation (infinity, not a number) gives 0, as the legacy
    // routine's did; from 2^53 on a double holds no fraction to round.
    if (!std::isfinite(valor))
        return 0.0;
    if (valor >= 9007199254740992.0L)
        return static_cast<double>(valor);

    // Ties to even here is the FPU default the legacy routine relied on. The
    // whole part and the fraction are scaled apart, so the guard digits stay
    // exact for large values, and 128 bits hold any double below 2^53.
    const long double inteira = std::truncl(valor);
    const __int128 x = static_cast<__int128>(inteira) * static_cast<__int128>(fator) * 10000 +
                       static_cast<__int128>(std::nearbyintl((valor - inteira) * fator * 10000));
    const __int128 q = x / 10000;
    const int resto = static_cast<int>(x % 10000);
    const int a = resto / 1000;
    const int b = resto / 100 % 10;
    // Only the first two discarded digits count: 0.5009 reads as a tie.
    const bool abnt = modoAtual() == ModoABNT5891;
    const bool subir = a > 5 || (a == 5 && (!abnt || b > 0 || (q % 2 == 1)));
    const __int128 inteiro = q + (subir ? 1 : 0);
    if (inteiro == 0)
        return 0.0;
    return static_cast<double>(static_cast<long double>(inteiro) / fator);
}

} // namespace

double Arredondar(int decimais, double valor) {
    const double r = arredondarMagnitude(std::fabs(static_cast<long double>(valor)), decimais);
    return (valor < 0 && r != 0.0) ? -r : r;
}

QString ModoArredondamento() {
    return modoAtual();
}

void DefinirModoArredondamento(const QString& modo) {
    modoAtual() = modo;
}
