// SPDX-License-Identifier: GPL-3.0-or-later
// A sweep's sample reached without the sums before it is the sample the sums reach one by one.
#include "model/RunningSum.h"
#include "model/CheckedFloat.h"

#include <cfloat>
#include <gtest/gtest.h>

TEST(RunningSum, SampleAfterIsTheSumOfTheStepsOneByOne) {
    const struct {
        const char* name;
        double from, step;
    } sweeps[] = {
        {"classroom from zero", 0, 6e9},
        {"a lesson's interval", 400, 1e-4},
        {"through zero", -1e-3, 3e-9},
        {"steps that round to ties", 1.0, 0x1p-53 * 3},
        {"among the subnormals", 0, 0x1p-1074 * 5},
        {"down to negative", 1, -1.25e-7},
    };
    for (const auto& s : sweeps) {
        SCOPED_TRACE(s.name);
        double w = s.from;
        for (std::uint64_t k = 1; k <= 300'000; ++k) {
            w = fp::sumStored(w, s.step);
            if (k % 997 == 0 || k < 4 || k == 300'000) {
                ASSERT_EQ(fp::sampleAfter(s.from, s.step, k), w) << k;
            }
        }
    }
    // The sum that passes the largest double has no sample.
    EXPECT_FALSE(fp::sampleAfter(DBL_MAX * 0.75, DBL_MAX / 8, 3).has_value());
}
