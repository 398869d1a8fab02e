// The legacy format strings and display masks in the Brazilian locale:
// zero fill after the sign, widths that pad but never cut, grouping, and
// half-away-from-zero rounding.
#include "services/FormatoNumero.h"
#include "AuxiliaresTeste.h"

#include <gtest/gtest.h>

#include <stdexcept>

// Readable failures: gtest otherwise prints QString as raw bytes.
namespace {

struct CasoFormato {
    const char* formato;
    QVariant arg;
    const char* esperado;
};

TEST(FormatoNumeroTest, EspecificadoresComNegativosEMilhares) {
    const CasoFormato casos[] = {
        {"%d", -42, "-42"},
        {"%d", qint64(-9000000000), "-9000000000"},
        {"%2.2d", 5, "05"},
        {"%2.2d", 123, "123"},
        {"%6.6d", 42, "000042"},
        {"%6.6d", -5, "-000005"},
        {"%8.6d", -5, " -000005"},
        {"%10.10d", 1234567, "0001234567"},
        {"%6d", 42, "    42"},
        {"%6d", -42, "   -42"},
        {"%6d", 12345678, "12345678"},
        {"%-6d|", 42, "42    |"},
        {"%9.3n", 1234.5678, "1.234,568"},
        {"%11.3n", 1234.5678, "  1.234,568"},
        {"%9.3n", -1234.5678, "-1.234,568"},
        {"%10.2n", 1234567.891, "1.234.567,89"},
        {"%10.2n", 999.995, "  1.000,00"},
        {"%10.2n", 0.005, "      0,01"},
        {"%10.2n", -0.004, "      0,00"},
        {"%10.2n", -123456.785, "-123.456,79"},
        {"%12.2n", 1e12, "1.000.000.000.000,00"},
        {"%.0n", 1234567.4, "1.234.567"},
        {"%n", 1234.0, "1.234,00"},
        {"%12.4f", 1234567.12345, "1234567,1235"},
        {"%12.4f", -3.5, "     -3,5000"},
        {"%12.4f", 7, "      7,0000"},
        {"%12.2f", 2.345, "        2,35"},
        {"%f", 1.0, "1,00"},
        {"%.0f", 2.5, "3"},
        {"%-20.20s|", "Tinta Acrilica", "Tinta Acrilica      |"},
        {"%-20.20s|", "Esmalte Sintetico Brilhante", "Esmalte Sintetico Br|"},
        {"%s", "Atenção", "Atenção"},
        {"100%%", QVariant(), "100%"},
    };
    for (const CasoFormato& c : casos) {
        const QVariantList args = c.arg.isValid() ? QVariantList{c.arg} : QVariantList{};
        EXPECT_EQ(Formatar(c.formato, args), QString(c.esperado)) << c.formato;
    }
}

TEST(FormatoNumeroTest, VariosEspecificadoresETextoNaOrdemDosArgumentos) {
    EXPECT_EQ(Formatar("Cliente: %6.6d - %-10.10s|%10.2n|%D", {42, "Tintas Sul Ltda", 1234.5, 7}),
              "Cliente: 000042 - Tintas Sul|  1.234,50|7");
}

TEST(FormatoNumeroTest, FormatoOuArgumentoErradoLancaExcecao) {
    const CasoFormato casos[] = {
        {"%d", 2.5, ""},    {"%s", 5, ""}, {"%f", "1,5", ""}, {"%x", 255, ""},
        {"total %", 1, ""}, {"%-", 1, ""}, {"%d %d", 1, ""},  {"%d", QVariant(), ""},
    };
    for (const CasoFormato& c : casos) {
        const QVariantList args = c.arg.isValid() ? QVariantList{c.arg} : QVariantList{};
        EXPECT_THROW(Formatar(c.formato, args), std::invalid_argument) << c.formato;
    }
}

struct CasoMascara {
    const char* mascara;
    double valor;
    const char* esperado;
};

TEST(FormatoNumeroTest, MascarasComGrupamentoOpcionaisEArredondamento) {
    const CasoMascara casos[] = {
        {"###,##0.0000", 1234567.891, "1.234.567,8910"},
        {"###,##0.0000", 0, "0,0000"},
        {"###,##0.0000", -1234.5, "-1.234,5000"},
        {"###,##0.0000", 0.00005, "0,0001"},
        {"###,##0.0000", -0.00004, "0,0000"},
        {"###,###,##0.0000", 0.12345, "0,1235"},
        {"##0.0000", 1234567.12345, "1234567,1235"},
        {"##0.0000", -0.5, "-0,5000"},
        {"###,##0.00", 999.995, "1.000,00"},
        {"###,##0.00", 2.345, "2,35"},
        {"###,##0.00", -123456.785, "-123.456,79"},
        {"#,###,##0.00", 1234567890.5, "1.234.567.890,50"},
        {"#,###,##0.00", 1e15, "1.000.000.000.000.000,00"},
        {"0.##", 1.5, "1,5"},
        {"#.##", 0.5, ",5"},
        {"000", 7, "007"},
        {"#", 0, ""},
        {"R$ #,##0.00 un", -5, "-R$ 5,00 un"},
    };
    for (const CasoMascara& c : casos)
        EXPECT_EQ(FormatarNumero(c.mascara, c.valor), QString(c.esperado))
            << c.mascara << " " << c.valor;
}

TEST(FormatoNumeroTest, MascaraSemMarcadorOuComLetraNoMeioLancaExcecao) {
    EXPECT_THROW(FormatarNumero("", 1), std::invalid_argument);
    EXPECT_THROW(FormatarNumero("abc", 1), std::invalid_argument);
    EXPECT_THROW(FormatarNumero("0x0.00", 1), std::invalid_argument);
}

} // namespace
