#include "DigitosVerificadores.h"

#include "session/Dialogos.h"

#include <optional>
#include <span>

namespace {

// The digits of the first `n` characters, or nothing when one is not an
// ASCII digit or the text is shorter.
std::optional<QString> base(const QString& texto, int n) {
    if (texto.size() < n)
        return std::nullopt;
    for (int i = 0; i < n; ++i) {
        if (texto[i] < u'0' || texto[i] > u'9')
            return std::nullopt;
    }
    return texto.left(n);
}

QChar digitoVerificador(const QString& digitos, std::span<const int> pesos) {
    int soma = 0;
    for (size_t i = 0; i < pesos.size(); ++i)
        soma += pesos[i] * (digitos[static_cast<int>(i)].unicode() - u'0');
    const int v = 11 - soma % 11;
    return QChar(u'0' + (v > 9 ? 0 : v));
}

void avisarInvalido(const QString& texto) {
    Dialogos::atual().mensagem(TipoMensagem::Erro, QStringLiteral("Atenção"), texto, Botoes::Ok);
}

bool validar(const QString& texto, bool avisar, int tamanhoBase, std::span<const int> pesos1,
             std::span<const int> pesos2, const QString& mensagem) {
    std::optional<QString> digitos = base(texto, tamanhoBase);
    if (!digitos)
        return false;
    digitos->append(digitoVerificador(*digitos, pesos1));
    digitos->append(digitoVerificador(*digitos, pesos2));
    if (texto == *digitos)
        return true;
    if (avisar)
        avisarInvalido(mensagem);
    return false;
}

} // namespace

bool ValidarCGC(const QString& texto, bool avisar) {
    static constexpr int pesos1[] = {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    static constexpr int pesos2[] = {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    return validar(texto, avisar, 12, pesos1, pesos2, QStringLiteral("C.G.C. Invalido"));
}

bool ValidarCPF(const QString& texto, bool avisar) {
    static constexpr int pesos1[] = {10, 9, 8, 7, 6, 5, 4, 3, 2};
    static constexpr int pesos2[] = {11, 10, 9, 8, 7, 6, 5, 4, 3, 2};
    return validar(texto, avisar, 9, pesos1, pesos2, QStringLiteral("CPF Invalido"));
}
