#include "Arredondamento.h"

#include <cmath>
#include <cstdint>

namespace {

QString& modoAtual() {
    static QString modo;
    return modo;
}

// Magnitude only; the sign is put back by the caller.
double arredondarMagnitude(long double valor, int decimais) {
    static constexpr long double potencias[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
    const long double fator = (decimais >= 0 && decimais <= 6) ? potencias[decimais] : 1;

    // Ties to even here is the FPU default the legacy routine relied on.
    const long double escalado = std::nearbyintl(valor * fator * 10000);
    int64_t x = 0;
    if (std::isfinite(escalado) && escalado < std::ldexp(1.0L, 63))
        x = static_cast<int64_t>(escalado);

    const int64_t q = x / 10000;
    const int64_t resto = x % 10000;
    const int a = static_cast<int>(resto / 1000);
    const int b = static_cast<int>(resto / 100 % 10);
    // Only the first two discarded digits count: 0.5009 reads as a tie.
    const bool abnt = modoAtual() == ModoABNT5891;
    const bool subir = a > 5 || (a == 5 && (!abnt || b > 0 || (q % 2 == 1)));
    const int64_t inteiro = q + (subir ? 1 : 0);
    if (inteiro == 0)
        return 0.0;
    return static_cast<double>(inteiro) / static_cast<double>(fator);
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
