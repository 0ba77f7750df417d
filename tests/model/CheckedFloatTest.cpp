// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/CheckedFloat.h"
#include "ErrorText.h"
#include "model/Errors.h"

#include "QtPrinters.h"
#include <cmath>

#include <gtest/gtest.h>
#include <limits>

namespace {
QString errorOf(long double (*f)(long double), long double x) {
    return errorText([&] {
        fp::clearPending();
        fp::store(f(x));
    });
}

long double divideOneBy(long double x) {
    return 1 / x;
}
long double zeroOver(long double x) {
    return 0 / x;
}
long double root(long double x) {
    return std::sqrt(x);
}
long double identity(long double x) {
    return x;
}
} // namespace

TEST(CheckedFloat, RaisesWithTheTextsOfTheErrorBox) {
    EXPECT_EQ(errorOf(divideOneBy, 0), QStringLiteral("Floating point division by zero"));
    EXPECT_EQ(errorOf(zeroOver, 0), QStringLiteral("Invalid floating point operation"));
    EXPECT_EQ(errorOf(root, -1), QStringLiteral("Invalid floating point operation"));
    // Fine in extended precision, too large for a double.
    EXPECT_EQ(errorOf(identity, 1e400L), QStringLiteral("Floating point overflow"));
    EXPECT_EQ(errorOf(identity, 1e-400L), QString()); // underflow is silent
    EXPECT_EQ(errorOf(divideOneBy, 4), QString());
}

TEST(CheckedFloat, RoundsHalvesToEven) {
    const struct {
        long double x;
        std::int64_t r;
    } cases[] = {{236.5L, 236}, {237.5L, 238},    {-236.5L, -236},  {0.5L, 0},
                 {1.5L, 2},     {236.4999L, 236}, {-0.5000001L, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(fp::round(c.x), c.r) << static_cast<double>(c.x);
    // 473 x 0.1 x 5 is exactly 236.5 in extended precision.
    long double tenth = 0.1L;
    EXPECT_EQ(fp::round(473 * tenth * 5), 236);
}

TEST(CheckedFloat, RoundingBeyondSixtyFourBitsIsInvalid) {
    EXPECT_THROW(fp::round(1e19L), FloatError);
    EXPECT_THROW(fp::round(-1e30L), FloatError);
}

TEST(CheckedFloat, PixelArithmeticWrapsAroundIn32Bits) {
    EXPECT_EQ(fp::low32(std::int64_t{1} << 32), 0);
    EXPECT_EQ(fp::low32((std::int64_t{1} << 32) + 5), 5);
    EXPECT_EQ(fp::low32(std::int64_t{0xFFFFFFFF}), -1);
    EXPECT_EQ(fp::wrapAdd(std::numeric_limits<std::int32_t>::max(), 1),
              std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(fp::wrapSub(std::numeric_limits<std::int32_t>::min(), 1),
              std::numeric_limits<std::int32_t>::max());
}
