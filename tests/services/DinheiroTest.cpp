// The money type: four-decimal products and quotients with ties to even,
// stored numbers read without their binary noise, no overflow of products
// of stored values, and two-decimal rounding in the process-wide mode.
#include "services/Dinheiro.h"
#include "services/Arredondamento.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

Dinheiro d(double v) {
    return Dinheiro::deNumero(v);
}

TEST(Dinheiro, ArithmeticIsExactToFourDecimalsWithTiesToEven) {
    const struct {
        Dinheiro resultado;
        qint64 esperado;
    } casos[] = {
        {d(0.0050) * d(0.0100), 0},   // 0.00005 -> even 0
        {d(0.0150) * d(0.0100), 2},   // 0.00015 -> even 0.0002
        {d(0.0250) * d(0.0100), 2},   // 0.00025 -> even 0.0002
        {d(-0.0150) * d(0.0100), -2}, // negative ties too
        {d(-0.0050) * d(0.0100), 0},
        {d(2.34565), 23456}, // stored 2.34564999...
        {d(2.34575), 23458},
        {d(0.1) + d(0.2), 3000},
        {d(99999999.9999) * d(99999.9999), 99999999899900000}, // 9,999,999,989,990.0000
        {d(10) / d(3), 33333},
        {d(2) / d(3), 6667},
        {d(0.0001) / d(2), 0}, // 0.00005 -> even 0
        {d(0.0003) / d(2), 2}, // 0.00015 -> even 0.0002
        {Dinheiro::proporcao(d(5), d(220), d(20)), 550000},
        {Dinheiro::proporcao(d(1.5), d(0.0001), d(3)), 0}, // rounded once: 0.00005 -> even 0
        {Dinheiro::proporcao(d(7), d(100), d(-3)), -2333333},
    };
    for (const auto& c : casos)
        EXPECT_EQ(c.resultado.dezMilesimos(), c.esperado);
}

TEST(Dinheiro, TwoDecimalsFollowTheRoundingModeAndOverflowIsRefused) {
    EXPECT_EQ(d(2.345).arredondado2(), d(2.35));
    DefinirModoArredondamento(ModoABNT5891);
    EXPECT_EQ(d(2.345).arredondado2(), d(2.34));
    EXPECT_EQ(d(2.355).arredondado2(), d(2.36));
    DefinirModoArredondamento(QString());
    EXPECT_EQ(d(1234.5).formatar("###,##0.00"), "1.234,50");
    EXPECT_EQ(d(8.86).formatar("%10.2n"), "      8,86");
    EXPECT_THROW(d(1e16), std::overflow_error);
    EXPECT_THROW(d(900000000000000) + d(100000000000000), std::overflow_error);
    EXPECT_THROW(d(1) / Dinheiro(), std::domain_error);
}

} // namespace
