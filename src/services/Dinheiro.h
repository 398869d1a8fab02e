// The system's money type: a signed 64-bit count of ten-thousandths, so sums
// are exact and a cent is never lost to binary fractions.
//
// A stored number becomes money with its noise absorbed and ties to even,
// exactly as the store keeps money fields (DezMilesimos). A product or a
// quotient of two amounts is rounded to four decimals, ties to even,
// through a 128-bit intermediate, so no product of stored values
// overflows. Rounding to two decimals goes through Arredondar, so the
// process-wide rounding mode ("ABNT 5891") holds. An amount that does not
// fit, and a division by zero, throw std::overflow_error /
// std::domain_error: money is never wrapped.
#pragma once

#include <QString>
#include <QtGlobal>
#include <compare>

class Dinheiro {
public:
    constexpr Dinheiro() = default;
    static constexpr Dinheiro deDezMilesimos(qint64 n) {
        Dinheiro d;
        d.n_ = n;
        return d;
    }
    // REQUIRES: a finite value within the range; else std::overflow_error.
    static Dinheiro deNumero(double valor);

    qint64 dezMilesimos() const { return n_; }
    // The value to store in a number or money field.
    double numero() const { return double(n_) / 10000.0; }
    bool ehZero() const { return n_ == 0; }

    Dinheiro operator+(Dinheiro o) const;
    Dinheiro operator-(Dinheiro o) const;
    Dinheiro operator-() const;
    Dinheiro& operator+=(Dinheiro o) { return *this = *this + o; }
    Dinheiro& operator-=(Dinheiro o) { return *this = *this - o; }
    // Rounded to four decimals, ties to even.
    Dinheiro operator*(Dinheiro o) const;
    Dinheiro operator/(Dinheiro o) const;
    // a × b / c rounded once to four decimals, ties to even: a share of a
    // value (quantity × stock value / stock quantity). REQUIRES: c not zero.
    static Dinheiro proporcao(Dinheiro a, Dinheiro b, Dinheiro c);
    auto operator<=>(const Dinheiro&) const = default;

    // Rounded to two decimals by Arredondar (the process-wide mode).
    Dinheiro arredondado2() const;
    // Written with FormatarNumero ("###,##0.00") or Formatar ("%10.2n").
    QString formatar(const QString& mascara) const;

private:
    qint64 n_ = 0;
};
