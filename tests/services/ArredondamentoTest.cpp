// Rounding of stored values: the guard digits that absorb binary noise, the
// half-up and ABNT 5891 tie rules, the decimals range and negative values.
#include "services/Arredondamento.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Caso {
    double valor;
    int decimais;
    double esperado;
};

class ArredondamentoTest : public ::testing::Test {
protected:
    void TearDown() override { DefinirModoArredondamento(QString()); }
};

template <size_t N> void conferir(const Caso (&casos)[N]) {
    for (const Caso& c : casos) {
        const double r = Arredondar(c.decimais, c.valor);
        EXPECT_EQ(r, c.esperado) << c.valor << " a " << c.decimais << " casas";
        EXPECT_FALSE(r == 0 && std::signbit(r)) << c.valor << " deu -0";
    }
}

TEST_F(ArredondamentoTest, MeioSobeNoModoPadraoMesmoComRuidoBinario) {
    const Caso casos[] = {
        {2.345, 2, 2.35}, // binary 2.34499999...
        {2.344, 2, 2.34},
        {2.3451, 2, 2.35},
        {1.005, 2, 1.01}, // binary 1.00499999...
        {0.285, 2, 0.29},
        {2.5, 0, 3},
        {0.4, 0, 0},
        {0, 2, 0},
        {1.0000005, 6, 1.000001},
        {1.0000004, 6, 1},
        {123456789.125, 2, 123456789.13},
        {1.49996, 0, 2}, // within the guard digits of the tie
        {1.49994, 0, 1},
    };
    conferir(casos);
}

TEST_F(ArredondamentoTest, ModoABNTLevaEmpateAoParSoComZeroDepoisDoCinco) {
    DefinirModoArredondamento("ABNT 5891");
    const Caso
        casos[] =
            {
                {2.345, 2, 2.34},   {2.355, 2, 2.36}, {2.3451, 2, 2.35}, {2.3449, 2, 2.34},
                {2.5, 0, 2},        {3.5, 0, 4},      {0.125, 2, 0.12},  {-2.345, 2, -2.34},
                {2.34509, 2, 2.34}, // only two discarded digits are read
            };
    conferir(casos);
    DefinirModoArredondamento("abnt 5891"); // any other text is half-up
    EXPECT_EQ(Arredondar(2, 2.345), 2.35);
}

TEST_F(ArredondamentoTest, DecimaisForaDeZeroASeisContamComoZero) {
    const Caso casos[] = {{7.5, 7, 8}, {7.45, 7, 7}, {7.5, -1, 8}};
    conferir(casos);
}

TEST_F(ArredondamentoTest, NegativoArredondaPelaMagnitudeSemMenosZero) {
    const Caso casos[] = {{-2.345, 2, -2.35}, {-2.5, 0, -3}, {-0.4, 0, 0}, {-0.004, 2, 0}};
    conferir(casos);
}

TEST_F(ArredondamentoTest, ValorGrandeNaoEstouraAEscala) {
    const Caso casos[] = {
        {1e15, 4, 1e15},
        {-1e15, 6, -1e15},
        {1e14, 0, 1e14},
        {9.3e8 + 0.5, 6, 9.3e8 + 0.5},
        {987654321.123456, 6, 987654321.123456},
        {123456789012.34567, 4, 123456789012.3457},
        {1e300, 2, 1e300},
        {NAN, 2, 0},
        {INFINITY, 2, 0},
    };
    conferir(casos);
}

// The swapped order (value, decimals) would convert silently; it must not compile.
template <class D, class V>
concept ChamadaAceita = requires(D d, V v) {
    Arredondar(d, v);
};
static_assert(!ChamadaAceita<double, int>);
static_assert(ChamadaAceita<int, double>);

} // namespace
