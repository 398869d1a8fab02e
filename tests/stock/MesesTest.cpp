// The month as the stock tables keep it and as the windows take it, and the
// month before, across the turn of the year.
#include "AuxiliaresTeste.h"

#include "stock/Meses.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {

TEST(Meses, TypedMonthsBecomeStoredMonthsAndBack) {
    const struct {
        const char* digitado;
        const char* guardado;
    } casos[] = {
        {"012008", "200801"}, {"01/2008", "200801"}, {"122007", "200712"}, {"1/2008", ""}, {"", ""},
        {"0120081", ""}};
    for (const auto& c : casos)
        EXPECT_EQ(AnoMesDeMesAno(c.digitado), c.guardado) << c.digitado;
    EXPECT_EQ(MesAnoDeAnoMes("200801"), "012008");
    EXPECT_EQ(MesAnoDeAnoMes("200801", true), "01/2008");
    EXPECT_EQ(AnoMesDaData(QDate(2008, 1, 31)), "200801");
}

TEST(Meses, TheMonthBeforeJanuaryIsDecemberOfTheYearBefore) {
    EXPECT_EQ(MesAnterior("200801"), "200712");
    EXPECT_EQ(MesAnterior("200812"), "200811");
    EXPECT_EQ(MesAnterior("200010"), "200009");
    EXPECT_EQ(MesAnterior("000101"), "000012");
}

} // namespace
