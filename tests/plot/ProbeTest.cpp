// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/Probe.h"
#include "QtPrinters.h"
#include "model/Model.h"
#include "plot/PlotUnit.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {
const QChar kComma = QLatin1Char(',');

/** The guide's classroom lesson: w0 = 500, g = 50, N = 40, Q = 1,6E-19, m = 9,1E-31. */
TModelParams classroom() {
    return {500, 50, 1.6e-19, 40, 9.1e-31, kElectricConstant};
}

/** A gas: w0 = 3E15, g = 3E13, N = 2,7E25, electrons. */
TModelParams gas() {
    return {3e15, 3e13, 1.6e-19, 2.7e25, 9.1e-31, kElectricConstant};
}

/** The medium in units of u hertz, as a plot under the thousand rule evaluates it. */
TModelParams inUnitsOf(TModelParams m, long double u) {
    m.Omega0 = double(m.Omega0 / u);
    m.Gamma = double(m.Gamma / u);
    m.Concentration = double(m.Concentration / (u * u));
    return m;
}

/** The model written out once more, in extended precision, at w hertz. */
void expectModel(const TModelParams& m, long double w, const ProbeReading& p, const char* what) {
    const long double q2n = static_cast<long double>(m.Charge) * m.Charge * m.Concentration;
    const long double b = static_cast<long double>(m.Omega0) * m.Omega0 - w * w;
    const long double s = b * b + w * w * m.Gamma * m.Gamma;
    const long double p2 = 2 * static_cast<long double>(m.Epsilon0) * m.Mass;
    const long double n = 1 + q2n * b / (s * p2);
    const long double nIm = q2n * w * m.Gamma / (s * p2);
    // Thirteen digits, and for n near 1 thirteen digits of n - 1 as well.
    EXPECT_NEAR(p.n - 1, double(n - 1), 1e-13 * std::fabs(double(n - 1)) + 1e-15) << what;
    EXPECT_NEAR(p.nIm, double(nIm), 1e-13 * std::fabs(double(nIm))) << what;
}
} // namespace

// n and n'' at a probe's frequency in hertz, whatever unit the picture was drawn in.
TEST(Probe, ValuesAgainstTheModel) {
    const PlotUnit hertz;
    const PlotUnit automaticRule = PlotUnit::decide(3e15, true, "3", "15", kComma); // 10^12 Hz
    const PlotUnit typedRule = PlotUnit::decide(3e15, false, "3", "15", kComma);
    const struct {
        const char* what;
        TModelParams typed;
        PlotUnit unit;
        long double unitHertz; // what one unit of the picture is in hertz
        long double w;
    } cases[] = {
        {"the lesson's 512,5", classroom(), hertz, 1, 512.5L},
        {"below w0, where n peaks", classroom(), hertz, 1, 474},
        {"at w0: n is 1", classroom(), hertz, 1, 500},
        {"at 0: n'' is 0", classroom(), hertz, 1, 0},
        {"gas, thousand rule, automatic", gas(), automaticRule, 1e12L, 2.985e15L},
        {"gas, thousand rule, typed", gas(), typedRule, 1, 2.985e15L},
    };
    for (const auto& c : cases) {
        const ProbeReading p = readProbe(inUnitsOf(c.typed, c.unitHertz), c.unit, c.w);
        EXPECT_EQ(p.w, c.w) << c.what << ": the probe keeps its frequency in hertz";
        expectModel(c.typed, c.w, p, c.what);
    }
    EXPECT_EQ(readProbe(classroom(), hertz, 500).n, 1.0) << "B = 0 exactly";
    EXPECT_EQ(readProbe(classroom(), hertz, 0).nIm, 0.0);
}

TEST(Probe, LabelAndTable) {
    const ProbeReading lesson{512.5L, 1.25, -0.5};
    EXPECT_EQ(probeLabelLines(lesson, kComma),
              QStringList({"W = 512,5", "f = 81,5669083345964 Гц", "λ = 3,67541769230996E15 нм",
                           "n = 1,25", "n″ = -0,5"}));
    const ProbeReading atZero{0, 1.25, 0};
    EXPECT_EQ(probeLabelLines(atZero, QLatin1Char('.')),
              QStringList({"W = 0", "f = 0 Гц", "n = 1.25", "n″ = 0"}))
        << "no wavelength at 0";
    const ProbeReading visible{3e15L, 1.000254, 2.5e-5};
    EXPECT_EQ(probeTable({lesson, atZero, visible}, kComma),
              QStringLiteral("w, рад/с\tf, Гц\tλ, нм\tn\tn″\n"
                             "512,5\t81,5669083345964\t3,67541769230996E15\t1,25\t-0,5\n"
                             "0\t0\t\t1,25\t0\n"
                             "3E15\t477464829275686\t627,883855769618\t1,000254\t2,5E-5\n"));
    EXPECT_EQ(probeTable({}, kComma), QStringLiteral("w, рад/с\tf, Гц\tλ, нм\tn\tn″\n"));
}
