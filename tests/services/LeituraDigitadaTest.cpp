// Reading what the operator typed into number and date boxes: a whole
// value is taken, anything else is refused with the system's message,
// never read as part of itself ("12.5" is not 12, "1,25x" is not 1,25).
#include "services/LeituraDigitada.h"
#include "AuxiliaresTeste.h"

#include <gtest/gtest.h>

namespace {
struct Caso {
    TipoCampo tipo;
    const char* texto;
    QVariant valor;       // when taken
    const char* mensagem; // when refused ("" = taken)
};

TEST(LeituraDigitada, SoValoresInteirosPassam) {
    const Caso casos[] = {
        {TipoCampo::Number, "0,12", 0.12, ""},
        {TipoCampo::Number, "1.234,5", 1234.5, ""},
        {TipoCampo::Number, "1234,5", 1234.5, ""},
        {TipoCampo::Number, "12.345.678,9", 12345678.9, ""},
        {TipoCampo::Number, " -1,5 ", -1.5, ""},
        {TipoCampo::Number, ",5", 0.5, ""},
        {TipoCampo::Number, "12,", 12.0, ""},
        {TipoCampo::Number, "1.234", 1234.0, ""},
        {TipoCampo::Money, "1.200,5000", 1200.5, ""},
        {TipoCampo::Number, "", QVariant(), ""},
        {TipoCampo::Number, "12.5", {}, "'12.5' is not a valid floating point value"},
        {TipoCampo::Number, "0.12", {}, "'0.12' is not a valid floating point value"},
        {TipoCampo::Number, "1.23", {}, "'1.23' is not a valid floating point value"},
        {TipoCampo::Number, "1.2345", {}, "'1.2345' is not a valid floating point value"},
        {TipoCampo::Number, "1234.567", {}, "'1234.567' is not a valid floating point value"},
        {TipoCampo::Number, "abc", {}, "'abc' is not a valid floating point value"},
        {TipoCampo::Number, "1,25x", {}, "'1,25x' is not a valid floating point value"},
        {TipoCampo::Number, "1,2,3", {}, "'1,2,3' is not a valid floating point value"},
        {TipoCampo::Number, ",", {}, "',' is not a valid floating point value"},
        {TipoCampo::Number, "-", {}, "'-' is not a valid floating point value"},
        {TipoCampo::Short, "12", 12, ""},
        {TipoCampo::Short, "-32768", -32768, ""},
        {TipoCampo::Long, "007", 7, ""},
        {TipoCampo::Short, "12.5", {}, "'12.5' is not a valid integer value"},
        {TipoCampo::Short, "1,0", {}, "'1,0' is not a valid integer value"},
        {TipoCampo::Long, "3x", {}, "'3x' is not a valid integer value"},
        {TipoCampo::Long, "99999999999", {}, "'99999999999' is not a valid integer value"},
        {TipoCampo::Short,
         "40000",
         {},
         "40000 is not a valid value for field 'TotalItens'. The allowed range is -32768 to "
         "32767"},
        {TipoCampo::Data, "05/03/2026", QDate(2026, 3, 5), ""},
        {TipoCampo::Data, "5/3/2026", QDate(2026, 3, 5), ""},
        {TipoCampo::Data, "31/02/2026", {}, "Data Invalida:31/02/2026"},
        {TipoCampo::Data, "05/03/26", {}, "Data Invalida:05/03/26"},
        {TipoCampo::Data, "2026-03-05", {}, "Data Invalida:2026-03-05"},
        {TipoCampo::Texto, " 12.5 ", QString(" 12.5 "), ""},
    };
    for (const Caso& c : casos) {
        const LeituraDigitada r = LerDigitado(c.tipo, c.texto, "TotalItens");
        const QString mensagem = QString::fromUtf8(c.mensagem);
        EXPECT_EQ(r.ok, mensagem.isEmpty()) << c.texto;
        EXPECT_EQ(r.mensagem, mensagem) << c.texto;
        EXPECT_EQ(r.valor, c.valor) << c.texto;
    }
}
} // namespace
