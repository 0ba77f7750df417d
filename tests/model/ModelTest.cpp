// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Model.h"
#include "ErrorText.h"
#include "model/Errors.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {
// The classroom example: an electron gas with w0 = 3E15 and g = 1E13.
class ModelTest : public ::testing::Test {
protected:
    void SetUp() override { medium = {3e15, 1e13, 1.6e-19, 1e28, 9.1e-31, kElectricConstant}; }

    double re(double w) const { return RefractionRe(medium, w); }
    double im(double w) const { return RefractionIm(medium, w); }

    TModelParams medium;
};

} // namespace

TEST_F(ModelTest, ExampleValuesToSixDigits) {
    const double w0 = medium.Omega0, g = medium.Gamma;
    EXPECT_NEAR(re(0), 2.76597, 0.000005);
    EXPECT_NEAR(im(w0), 529.790, 0.0005);
    EXPECT_NEAR(re(w0 - g / 2), 266.337, 0.0005);
    EXPECT_NEAR(re(w0 + g / 2), -263.454, 0.0005);
}

TEST_F(ModelTest, SpecialPoints) {
    EXPECT_EQ(re(medium.Omega0), 1.0); // B = 0 exactly
    EXPECT_EQ(im(0), 0.0);
    for (double w : {1e12, 2.9e15, 3.1e15, 1e17}) {
        EXPECT_EQ(re(-w), re(w)) << w;
        EXPECT_EQ(im(-w), -im(w)) << w;
    }
}

TEST_F(ModelTest, SignsOfTheParameters) {
    const double w = 2.9e15;
    const double n = re(w), k = im(w);
    medium.Charge = -medium.Charge; // squared: no effect
    EXPECT_EQ(re(w), n);
    EXPECT_EQ(im(w), k);
    medium.Charge = -medium.Charge;
    medium.Mass = -medium.Mass; // flips both deviations
    EXPECT_DOUBLE_EQ(re(w) - 1, -(n - 1));
    EXPECT_DOUBLE_EQ(im(w), -k);
}

TEST_F(ModelTest, ErrorsInsteadOfInfinityOrNaN) {
    medium.Gamma = 0;
    EXPECT_EQ(errorText([&] { im(medium.Omega0); }),
              QStringLiteral("Invalid floating point operation"));
    EXPECT_EQ(errorText([&] { re(medium.Omega0); }),
              QStringLiteral("Invalid floating point operation"));
    EXPECT_EQ(im(1e15), 0.0); // g = 0 is harmless away from w0

    SetUp();
    medium.Mass = 0;
    EXPECT_EQ(errorText([&] { re(1e15); }), QStringLiteral("Floating point division by zero"));
    EXPECT_EQ(errorText([&] { im(0); }), QStringLiteral("Invalid floating point operation"));

    SetUp();
    medium.Omega0 = 0;
    EXPECT_EQ(errorText([&] { re(0); }), QStringLiteral("Invalid floating point operation"));

    SetUp();
    medium.Concentration = 1e300; // n'' at w0 beyond the double range
    medium.Mass = 1e-300;
    EXPECT_EQ(errorText([&] { im(medium.Omega0); }), QStringLiteral("Floating point overflow"));
}
