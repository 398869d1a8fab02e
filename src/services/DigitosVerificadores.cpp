#include "DigitosVerificadores.h"

#include "session/Dialogos.h"

#include <span>

namespace {

constexpr int PesosCNPJ1[] = {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
constexpr int PesosCNPJ2[] = {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
constexpr int PesosCPF1[] = {10, 9, 8, 7, 6, 5, 4, 3, 2};
constexpr int PesosCPF2[] = {11, 10, 9, 8, 7, 6, 5, 4, 3, 2};

bool digito(QChar c) {
    return c >= u'0' && c <= u'9';
}
bool alfanumerico(QChar c) {
    return digito(c) || (c >= u'A' && c <= u'Z');
}

// True when the first `n` characters exist and all pass `aceito`.
bool baseValida(const QString& texto, int n, bool (*aceito)(QChar)) {
    if (texto.size() < n)
        return false;
    for (int i = 0; i < n; ++i) {
        if (!aceito(texto[i]))
            return false;
    }
    return true;
}

QChar digitoVerificador(const QString& base, std::span<const int> pesos) {
    int soma = 0;
    for (size_t i = 0; i < pesos.size(); ++i)
        soma += pesos[i] * (base[static_cast<int>(i)].unicode() - u'0');
    const int v = 11 - soma % 11;
    return QChar(u'0' + (v > 9 ? 0 : v));
}

QString completar(const QString& base, std::span<const int> pesos1, std::span<const int> pesos2) {
    QString n = base;
    n.append(digitoVerificador(n, pesos1));
    n.append(digitoVerificador(n, pesos2));
    return n;
}

bool conferir(const QString& texto, bool avisar, const QString& completo, const QString& mensagem) {
    if (texto == completo)
        return true;
    if (avisar)
        Dialogos::atual().mensagem(TipoMensagem::Erro, QStringLiteral("Atenção"), mensagem,
                                   Botoes::Ok);
    return false;
}

} // namespace

QString CompletarCNPJ(const QString& base12) {
    return completar(base12.left(12), PesosCNPJ1, PesosCNPJ2);
}

QString CompletarCPF(const QString& base9) {
    return completar(base9.left(9), PesosCPF1, PesosCPF2);
}

bool ValidarCGC(const QString& texto, bool avisar) {
    if (!baseValida(texto, 12, alfanumerico))
        return false;
    return conferir(texto, avisar, CompletarCNPJ(texto), QStringLiteral("C.G.C. Invalido"));
}

bool ValidarCPF(const QString& texto, bool avisar) {
    if (!baseValida(texto, 9, digito))
        return false;
    return conferir(texto, avisar, CompletarCPF(texto), QStringLiteral("CPF Invalido"));
}
