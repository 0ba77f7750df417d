// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/Comparison.h"
#include "QtPrinters.h"
#include "model/Model.h"

#include <gtest/gtest.h>

TEST(Comparison, LegendNumbers) {
    const struct {
        double value;
        int digits;
        const char* text;
    } cases[] = {
        {3e13, 4, "3·10^13"},  {-9.1e-31, 4, "-9,1·10^-31"}, {500, 4, "500"}, {0.05, 4, "0,05"},
        {1234.5, 6, "1234,5"}, {12345, 4, "1,235·10^4"},     {0, 4, "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(legendNumber(c.value, c.digits, QLatin1Char(',')), QString::fromUtf8(c.text))
            << c.value;
    EXPECT_EQ(legendNumber(2.5, 4, QLatin1Char('.')), QStringLiteral("2.5"));
}

TEST(Comparison, WhatDiffersBetweenTwoMedia) {
    const TModelParams gas{3e15, 3e13, 1.6e-19, 2.7e25, 9.1e-31, kElectricConstant};
    TModelParams damped = gas;
    damped.Gamma = 1e14;
    TModelParams denser = damped;
    denser.Concentration = 5.4e25;
    TModelParams close = gas;
    close.Gamma = 3.00001e13;
    const struct {
        const char* what;
        TModelParams now;
        const char *reference, *current;
    } cases[] = {
        {"one quantity", damped, "γ = 3·10^13", "γ = 1·10^14"},
        {"two, in the rows' order", denser, "N = 2,7·10^25, γ = 3·10^13",
         "N = 5,4·10^25, γ = 1·10^14"},
        {"digits enough to tell apart", close, "γ = 3·10^13", "γ = 3,00001·10^13"},
        {"the same medium", gas, "прежний график", "новый график"},
    };
    for (const auto& c : cases) {
        const MediumDifference d = mediumDifference(gas, c.now, QLatin1Char(','));
        EXPECT_EQ(d.reference, QString::fromUtf8(c.reference)) << c.what;
        EXPECT_EQ(d.current, QString::fromUtf8(c.current)) << c.what;
    }
}
