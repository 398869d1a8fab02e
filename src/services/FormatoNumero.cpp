#include "FormatoNumero.h"

#include <QMetaType>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace {

constexpr QChar SeparadorDecimal = u',';
constexpr QChar SeparadorMilhar = u'.';

[[noreturn]] void formatoInvalido(const QString& formato) {
    throw std::invalid_argument(QStringLiteral("Format '%1' invalid or incompatible with argument")
                                    .arg(formato)
                                    .toStdString());
}

// |valor| rounded to `casas` decimals, split at the decimal point.
struct Decimal {
    bool negativo = false;
    QString inteiro;  // at least "0"
    QString fracao;   // exactly `casas` digits
    QString especial; // "INF", "-INF" or "NAN" instead of digits
};

Decimal decompor(double valor, int casas) {
    Decimal d;
    if (std::isnan(valor)) {
        d.especial = QStringLiteral("NAN");
        return d;
    }
    if (std::isinf(valor)) {
        d.especial = valor < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
        return d;
    }
    // 15 significant digits: enough for any double's meaning, short of the
    // binary noise that would turn 2.345 into 2.3449999...
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(valor));
    QString digitos = QString::fromLatin1(buf, 1) + QString::fromLatin1(buf + 2, 14);
    const int expoente = std::atoi(buf + 17);

    // Digits that stay: those of value * 10^casas.
    const int mantidos = expoente + 1 + casas;
    QString n;
    if (mantidos >= digitos.size()) {
        n = digitos + QString(mantidos - digitos.size(), u'0');
    } else if (mantidos >= 0) {
        const bool subir = digitos[mantidos] >= u'5';
        n = digitos.left(mantidos);
        for (int i = n.size() - 1; subir; --i) {
            if (i < 0) {
                n.prepend(u'1');
                break;
            }
            if (n[i] == u'9') {
                n[i] = u'0';
            } else {
                n[i] = QChar(n[i].unicode() + 1);
                break;
            }
        }
    }
    if (n.size() < casas + 1)
        n = QString(casas + 1 - n.size(), u'0') + n;

    d.inteiro = n.left(n.size() - casas);
    while (d.inteiro.size() > 1 && d.inteiro[0] == u'0')
        d.inteiro.remove(0, 1);
    d.fracao = n.right(casas);
    d.negativo = valor < 0 && (d.inteiro != u"0" || d.fracao.count(u'0') != casas);
    return d;
}

QString agrupar(const QString& inteiro) {
    QString r = inteiro;
    for (int i = r.size() - 3; i > 0; i -= 3)
        r.insert(i, SeparadorMilhar);
    return r;
}

QString juntar(const Decimal& d, bool milhares) {
    if (!d.especial.isEmpty())
        return d.especial;
    QString r = d.negativo ? QStringLiteral("-") : QString();
    r += milhares ? agrupar(d.inteiro) : d.inteiro;
    if (!d.fracao.isEmpty())
        r += SeparadorDecimal + d.fracao;
    return r;
}

bool ehInteiro(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

bool ehReal(const QVariant& v) {
    return v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float || ehInteiro(v);
}

QString inteiroComPrecisao(const QVariant& v, int precisao) {
    QString digitos = v.toString();
    const bool negativo = digitos.startsWith(u'-');
    if (negativo)
        digitos.remove(0, 1);
    if (digitos.size() < precisao)
        digitos.prepend(QString(precisao - digitos.size(), u'0'));
    return negativo ? u'-' + digitos : digitos;
}

int lerNumero(const QString& s, qsizetype& i) {
    int n = 0;
    while (i < s.size() && s[i] >= u'0' && s[i] <= u'9') {
        n = n * 10 + (s[i].unicode() - u'0');
        ++i;
    }
    return n;
}

} // namespace

QString Formatar(const QString& formato, const QVariantList& args) {
    QString saida;
    qsizetype proximo = 0;
    for (qsizetype i = 0; i < formato.size(); ++i) {
        if (formato[i] != u'%') {
            saida += formato[i];
            continue;
        }
        if (++i >= formato.size())
            formatoInvalido(formato);
        if (formato[i] == u'%') {
            saida += u'%';
            continue;
        }
        const bool esquerda = formato[i] == u'-';
        if (esquerda)
            ++i;
        const int largura = lerNumero(formato, i);
        int precisao = -1;
        if (i < formato.size() && formato[i] == u'.') {
            ++i;
            precisao = lerNumero(formato, i);
        }
        if (i >= formato.size())
            formatoInvalido(formato);
        const char16_t tipo = formato[i].toLower().unicode();
        if (proximo >= args.size()) {
            throw std::invalid_argument(
                QStringLiteral("No argument for format '%1'").arg(formato).toStdString());
        }
        const QVariant& arg = args[proximo++];

        QString campo;
        if (tipo == u'd' && ehInteiro(arg)) {
            campo = inteiroComPrecisao(arg, precisao);
        } else if ((tipo == u'f' || tipo == u'n') && ehReal(arg)) {
            campo = juntar(decompor(arg.toDouble(), precisao < 0 ? 2 : precisao), tipo == u'n');
        } else if (tipo == u's' &&
                   (arg.typeId() == QMetaType::QString || arg.typeId() == QMetaType::QChar)) {
            campo = arg.toString();
            if (precisao >= 0)
                campo.truncate(precisao);
        } else {
            formatoInvalido(formato);
        }
        saida += esquerda ? campo.leftJustified(largura) : campo.rightJustified(largura);
    }
    return saida;
}

QString FormatarNumero(const QString& mascara, double valor) {
    auto ehMarcador = [](QChar c) { return c == u'0' || c == u'#'; };
    qsizetype inicio = 0;
    while (inicio < mascara.size() && !ehMarcador(mascara[inicio]) && mascara[inicio] != u'.' &&
           mascara[inicio] != u',')
        ++inicio;
    qsizetype fim = mascara.size();
    while (fim > inicio && !ehMarcador(mascara[fim - 1]))
        --fim;
    if (fim == inicio)
        formatoInvalido(mascara);

    bool milhares = false;
    bool naFracao = false;
    int minimoInteiro = 0; // placeholders from the first '0' of the integer part
    int casas = 0;
    int minimoCasas = 0; // up to the last '0' of the decimal part
    for (qsizetype i = inicio; i < fim; ++i) {
        const QChar c = mascara[i];
        if (c == u'.') {
            naFracao = true;
        } else if (c == u',') {
            milhares = milhares || !naFracao;
        } else if (!ehMarcador(c)) {
            formatoInvalido(mascara);
        } else if (naFracao) {
            ++casas;
            if (c == u'0')
                minimoCasas = casas;
        } else if (c == u'0' || minimoInteiro > 0) {
            ++minimoInteiro;
        }
    }

    Decimal d = decompor(valor, casas);
    if (d.especial.isEmpty()) {
        while (d.fracao.size() > minimoCasas && d.fracao.endsWith(u'0'))
            d.fracao.chop(1);
        if (d.inteiro == u"0" && minimoInteiro == 0)
            d.inteiro.clear();
        else if (d.inteiro.size() < minimoInteiro)
            d.inteiro.prepend(QString(minimoInteiro - d.inteiro.size(), u'0'));
    }
    const QString numero = juntar(d, milhares);
    if (d.negativo)
        return u'-' + mascara.left(inicio) + numero.mid(1) + mascara.mid(fim);
    return mascara.left(inicio) + numero + mascara.mid(fim);
}
