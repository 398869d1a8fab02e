// Shares of a formula's components: divided by the plain total, rounded to
// four decimals, the remainder on the last component that has a quantity.
#include "formulas/Percentuais.h"

#include <gtest/gtest.h>

namespace {

TEST(Percentuais, DivideByThePlainTotalAndNeverStoreANegativeShare) {
    const struct {
        std::vector<double> quantidades;
        std::vector<double> esperado;
    } casos[] = {
        {{0.00001, 0.00002}, {33.3333, 66.6667}},
        {{0.00004, 0.00004}, {50, 50}},
        {{1, 1, 1, 1, 1, 1, 0}, {16.6667, 16.6667, 16.6667, 16.6667, 16.6667, 16.6665, 0}},
        {{1, 0, 1, 0}, {50, 0, 50, 0}},
        {{1e11, 3e11}, {25, 75}},
        {{2, 1}, {66.6667, 33.3333}},
        {{0, 0}, {0, 0}},
        {{}, {}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(CalcularPercentuais(c.quantidades), c.esperado)
            << ::testing::PrintToString(c.quantidades);
}

} // namespace
