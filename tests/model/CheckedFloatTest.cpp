// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/CheckedFloat.h"
#include "ErrorText.h"
#include "model/Errors.h"

#include "QtPrinters.h"
#include <bit>
#include <cmath>
#include <cstdint>

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

namespace {
// The running sum as the x87 unit forms it; volatile keeps the extended sum in memory, so
// it is formed at run time whatever the optimiser knows about the operands.
double x87Sum(double a, double b) {
    volatile long double sum = static_cast<long double>(a) + b;
    return static_cast<double>(sum);
}

std::uint64_t bitsOf(double x) {
    return std::bit_cast<std::uint64_t>(x);
}
} // namespace

TEST(CheckedFloat, SumsRoundToSixtyFourBitsThenToADouble) {
    constexpr double kMax = std::numeric_limits<double>::max();
    constexpr std::uint64_t kOverflow = 0x7FF0000000000000; // an infinity: the overflow error
    // A half unit of 1 + 2^-52 less one 64-bit half unit: the extended sum rounds onto
    // the midpoint between two doubles (its tie goes there), the double tie to the even one.
    constexpr double kToMidpoint = 0x1p-53 - 0x1p-64;
    const struct {
        const char* name;
        double a, b;
        std::uint64_t bits;
    } cases[] = {
        {"no rounding twice", 0.1, 0.2, 0x3FD3333333333334},
        {"an exact midpoint ties to the even below", 1, 0x1p-53, 0x3FF0000000000000},
        {"an exact midpoint ties to the even above", 0x1.0000000000001p0, 0x1p-53,
         0x3FF0000000000002},
        {"onto the midpoint from below: up", 0x1.0000000000001p0, kToMidpoint, 0x3FF0000000000002},
        {"short of the midpoint: stays", 0x1.0000000000001p0, kToMidpoint - 0x1p-105,
         0x3FF0000000000001},
        {"onto the midpoint from above: down", 0x1.0000000000003p0, -kToMidpoint,
         0x3FF0000000000002},
        {"down onto a power of two", 0x1.0000000000001p0, -kToMidpoint, 0x3FF0000000000000},
        {"below a power of two it stays", 1, -(0x1p-54 - 0x1p-66), 0x3FF0000000000000},
        {"an even double keeps the tie", 0x1.0000000000002p0, kToMidpoint, 0x3FF0000000000002},
        {"the smaller operand first", kToMidpoint, 0x1.0000000000001p0, 0x3FF0000000000002},
        {"an operand 53 binades apart still rounds up", 0x1.0000000000001p0, 0x1.fffffffffffffp-54,
         0x3FF0000000000002},
        {"a subnormal operand vanishes", 0x1.0000000000001p0, 0x1p-1074, 0x3FF0000000000001},
        {"at the plot's frequencies", 0x1.0000000000001p51, 0.25 - 0x1p-13, 0x4320000000000002},
        {"overflow only by the second rounding", kMax, 0x1p970 - 0x1p959, kOverflow},
        {"just short of it", kMax, 0x1p970 - 0x1p959 - 0x1p918, 0x7FEFFFFFFFFFFFFF},
        {"negative overflow by the second rounding", -kMax, -(0x1p970 - 0x1p959), kOverflow},
        {"the midpoint above the largest double", kMax, 0x1p970, kOverflow},
        {"subnormals add exactly", 0x1p-1074, 0x1p-1074, 0x0000000000000002},
        {"down into the subnormals", 0x1p-1022, -0x1p-1074, 0x000FFFFFFFFFFFFF},
        {"negative zeros", -0.0, -0.0, 0x8000000000000000},
        {"zeros of both signs", -0.0, 0.0, 0x0000000000000000},
        {"cancellation gives a positive zero", -1.5, 1.5, 0x0000000000000000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.bits == kOverflow) {
            EXPECT_TRUE(std::isinf(x87Sum(c.a, c.b)));
            EXPECT_EQ(errorText([&] { fp::sumStored(c.a, c.b); }),
                      QStringLiteral("Floating point overflow"));
        } else {
            EXPECT_EQ(bitsOf(x87Sum(c.a, c.b)), c.bits) << "the x87 unit itself";
            EXPECT_EQ(bitsOf(fp::sumStored(c.a, c.b)), c.bits);
        }
    }
}
