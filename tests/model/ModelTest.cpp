// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Model.h"
#include "ErrorText.h"
#include "model/Errors.h"
#include "plot/InputParameters.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {
// The classroom example: an electron gas with w0 = 3E15 and g = 1E13.
class ModelTest : public ::testing::Test {
protected:
    void SetUp() override { ModelParams = {3e15, 1e13, 1.6e-19, 1e28, 9.1e-31, kElectricConstant}; }
};

} // namespace

TEST_F(ModelTest, ExampleValuesToSixDigits) {
    const double w0 = ModelParams.Omega0, g = ModelParams.Gamma;
    EXPECT_NEAR(RefractionRe(0), 2.76597, 0.000005);
    EXPECT_NEAR(RefractionIm(w0), 529.790, 0.0005);
    EXPECT_NEAR(RefractionRe(w0 - g / 2), 266.337, 0.0005);
    EXPECT_NEAR(RefractionRe(w0 + g / 2), -263.454, 0.0005);
}

TEST_F(ModelTest, SpecialPoints) {
    EXPECT_EQ(RefractionRe(ModelParams.Omega0), 1.0); // B = 0 exactly
    EXPECT_EQ(RefractionIm(0), 0.0);
    for (double w : {1e12, 2.9e15, 3.1e15, 1e17}) {
        EXPECT_EQ(RefractionRe(-w), RefractionRe(w)) << w;
        EXPECT_EQ(RefractionIm(-w), -RefractionIm(w)) << w;
    }
}

TEST_F(ModelTest, SignsOfTheParameters) {
    const double w = 2.9e15;
    const double re = RefractionRe(w), im = RefractionIm(w);
    ModelParams.Charge = -ModelParams.Charge; // squared: no effect
    EXPECT_EQ(RefractionRe(w), re);
    EXPECT_EQ(RefractionIm(w), im);
    ModelParams.Charge = -ModelParams.Charge;
    ModelParams.Mass = -ModelParams.Mass; // flips both deviations
    EXPECT_DOUBLE_EQ(RefractionRe(w) - 1, -(re - 1));
    EXPECT_DOUBLE_EQ(RefractionIm(w), -im);
}

TEST_F(ModelTest, ErrorsInsteadOfInfinityOrNaN) {
    ModelParams.Gamma = 0;
    EXPECT_EQ(errorText([&] { RefractionIm(ModelParams.Omega0); }),
              QStringLiteral("Invalid floating point operation"));
    EXPECT_EQ(errorText([&] { RefractionRe(ModelParams.Omega0); }),
              QStringLiteral("Invalid floating point operation"));
    EXPECT_EQ(RefractionIm(1e15), 0.0); // g = 0 is harmless away from w0

    SetUp();
    ModelParams.Mass = 0;
    EXPECT_EQ(errorText([&] { RefractionRe(1e15); }),
              QStringLiteral("Floating point division by zero"));
    EXPECT_EQ(errorText([&] { RefractionIm(0); }),
              QStringLiteral("Invalid floating point operation"));

    SetUp();
    ModelParams.Omega0 = 0;
    EXPECT_EQ(errorText([&] { RefractionRe(0); }),
              QStringLiteral("Invalid floating point operation"));

    SetUp();
    ModelParams.Concentration = 1e300; // n'' at w0 beyond the double range
    ModelParams.Mass = 1e-300;
    EXPECT_EQ(errorText([&] { RefractionIm(ModelParams.Omega0); }),
              QStringLiteral("Floating point overflow"));
}
