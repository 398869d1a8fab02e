#include "LeituraDigitada.h"

#include "DataValida.h"

#include <QRegularExpression>
#include <cmath>

namespace {
LeituraDigitada recusar(const QString& mensagem) {
    return {false, QVariant(), mensagem};
}

LeituraDigitada lerInteiro(const QString& t, TipoCampo tipo, const QString& campo) {
    static const QRegularExpression padrao(QStringLiteral("^[+-]?[0-9]+$"));
    bool ok = false;
    const qlonglong v = padrao.match(t).hasMatch() ? t.toLongLong(&ok) : 0;
    if (!ok || v > 2147483647LL || v < -2147483648LL)
        return recusar("'" + t + "' is not a valid integer value");
    const int limite = tipo == TipoCampo::Short ? 32767 : 2147483647;
    if (v > limite || v < -qlonglong(limite) - 1)
        return recusar(QStringLiteral("%1 is not a valid value for field '%2'. The allowed range "
                                      "is %3 to %4")
                           .arg(v)
                           .arg(campo)
                           .arg(-qlonglong(limite) - 1)
                           .arg(limite));
    return {true, int(v), QString()};
}

LeituraDigitada lerNumero(const QString& t) {
    // Digits (or three-digit groups after the first), then a decimal part.
    static const QRegularExpression padrao(
        QStringLiteral("^[+-]?([0-9]+|[0-9]{1,3}(\\.[0-9]{3})+)?(,[0-9]*)?$"));
    bool ok = false;
    double v = 0;
    if (padrao.match(t).hasMatch() && t.contains(QRegularExpression(QStringLiteral("[0-9]")))) {
        QString c = t;
        c.remove('.').replace(',', '.');
        v = c.toDouble(&ok);
    }
    if (!ok || !std::isfinite(v))
        return recusar("'" + t + "' is not a valid floating point value");
    return {true, v, QString()};
}
} // namespace

bool TipoDigitadoNumerico(TipoCampo tipo) {
    switch (tipo) {
    case TipoCampo::Short:
    case TipoCampo::Long:
    case TipoCampo::AutoInc:
    case TipoCampo::Number:
    case TipoCampo::Money:
        return true;
    default:
        return false;
    }
}

LeituraDigitada LerDigitado(TipoCampo tipo, const QString& texto, const QString& campo) {
    const QString t = texto.trimmed();
    if (t.isEmpty() && tipo != TipoCampo::Texto && tipo != TipoCampo::Memo)
        return {true, QVariant(), QString()};
    switch (tipo) {
    case TipoCampo::Short:
    case TipoCampo::Long:
    case TipoCampo::AutoInc:
        return lerInteiro(t, tipo, campo);
    case TipoCampo::Number:
    case TipoCampo::Money:
        return lerNumero(t);
    case TipoCampo::Data: {
        const QDate d = LerData(t);
        if (!d.isValid())
            return recusar(QStringLiteral("Data Invalida:") + texto);
        return {true, d, QString()};
    }
    default:
        return {true, texto, QString()};
    }
}
