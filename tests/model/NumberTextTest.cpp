// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/NumberText.h"
#include "ErrorText.h"
#include "model/Errors.h"
#include "model/ScaledValue.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {
struct FormatCase {
    long double value;
    const char* text; // with a comma; the point form swaps the separator
};

// Values at the edges of fixed notation, rounding to 15 digits and negative numbers.
const FormatCase kFormatCases[] = {
    {0.0L, "0"},
    {0.0001L, "0,0001"},
    {0.00012L, "0,00012"},
    {1e-5L, "1E-5"},
    {2.5e-5L, "2,5E-5"},
    {123456789012345.0L, "123456789012345"},
    {1e15L, "1E15"},
    {999999999999999.9L, "1E15"}, // rounds up across a power of ten
    {99999.99999999999999L, "100000"},
    {-1.5L, "-1,5"},
    {-2.5e-5L, "-2,5E-5"},
    {8.85e-12L, "8,85E-12"},
    {1.5e20L, "1,5E20"},
    {529.789976184937L, "529,789976184937"},
    {236.0L / 473.0L * 1000.0L, "498,942917547569"},
    {1.0L / 3.0L, "0,333333333333333"},
    {100.0L, "100"},
    {-1e300L, "-1E300"},
};

QString withPoint(const char* text) {
    return QString::fromUtf8(text).replace(',', '.');
}
} // namespace

TEST(GeneralFormat, BothSeparators) {
    for (const FormatCase& c : kFormatCases) {
        EXPECT_EQ(formatGeneral(c.value, QLatin1Char(',')), QString::fromUtf8(c.text)) << c.text;
        EXPECT_EQ(formatGeneral(c.value, QLatin1Char('.')), withPoint(c.text)) << c.text;
    }
}

TEST(GeneralFormat, DoubleFormsTheSameText) {
    // 0.1 as a double is not 0.1, but it reads 0,1 at 15 digits.
    EXPECT_EQ(formatGeneral(0.1, QLatin1Char(',')), QStringLiteral("0,1"));
    EXPECT_EQ(formatGeneral(8.85e-12, QLatin1Char(',')), QStringLiteral("8,85E-12"));
}

TEST(ParseReal, AcceptsTheGrammar) {
    const struct {
        const char* text;
        long double value;
    } cases[] = {
        {"5", 5.0L},     {"  5  ", 5.0L}, {"-2,5", -2.5L},  {"+2,5", 2.5L},
        {"1E15", 1e15L}, {"1e-5", 1e-5L}, {"2,5E+3", 2500}, {"8,85", 8.85L},
        {",5", 0.5L},    {"5,", 5.0L},    {"0", 0.0L},      {" -0,00012 ", -0.00012L},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseReal(QString::fromUtf8(c.text), QLatin1Char(',')), c.value) << c.text;
        EXPECT_EQ(parseReal(withPoint(c.text), QLatin1Char('.')), c.value) << c.text;
    }
}

TEST(ParseReal, RefusesOtherTextsWithTheirOwnMessage) {
    const char* bad[] = {"",    " ",   "abc",  "1.5", "1,5,5", "E5",      "1E",  "1E+",
                         "--1", "1 5", "0x10", "inf", "nan",   "1e99999", "\t5", ","};
    for (const char* text : bad) {
        EXPECT_EQ(
            errorText([&] { parseReal(QString::fromUtf8(text), QLatin1Char(',')); }),
            QStringLiteral("'%1' is not a valid floating point value").arg(QString::fromUtf8(text)))
            << text;
    }
    // With a point locale the comma is the stranger.
    EXPECT_THROW(parseReal(QStringLiteral("1,5"), QLatin1Char('.')), ConversionError);
}

TEST(ScaledValueTest, MantissaTimesPowerOfTen) {
    const struct {
        const char* mantissa;
        const char* exponent;
        double value;
    } cases[] = {
        {"3", "15", 3e15},
        {"8,85", "-12", 8.85e-12},
        {"1", "2,5", 316.22776601683796},
        {"3", "-0,5", 0.9486832980505138},
        {"1,6", "-19", 1.6e-19},
        {"9,1", "-31", 9.1e-31},
        {"1", "-400", 0.0}, // below the double range: zero, silently
        {"-2", "3", -2000.0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(ScaledValue(QString::fromUtf8(c.mantissa), QString::fromUtf8(c.exponent),
                                     QLatin1Char(',')),
                         c.value)
            << c.mantissa << " x 10^" << c.exponent;
}

TEST(ScaledValueTest, OverflowOnStoring) {
    for (const char* exponent : {"400", "309", "5000"}) {
        EXPECT_EQ(errorText([&] {
                      ScaledValue(QStringLiteral("1"), QString::fromUtf8(exponent),
                                  QLatin1Char(','));
                  }),
                  QStringLiteral("Floating point overflow"))
            << exponent;
    }
}
