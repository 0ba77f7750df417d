// SPDX-License-Identifier: GPL-3.0-or-later
// What the calculator's tests share: media as typed into the calculator's rows, and the field
// texts that type one for a chosen unknown.
#pragma once

#include <QString>
#include <array>
#include <utility>
#include <vector>

/** A medium as typed into the calculator: the mantissa and exponent of w0, the damping, N,
    Q, m and w, in this order. */
struct CalcMedium {
    const char* name;
    std::array<const char*, 12> pairs;
    bool lowerRoots; ///< below w0: the frequencies come back rather than the other roots
};

/** The mantissa and exponent fields of the rows w0, damping, N, Q, m and w. */
inline constexpr std::pair<int, int> kCalcRows[] = {{1, 6},  {2, 7}, {3, 9},
                                                    {4, 10}, {5, 8}, {13, 14}};

/** For unknowns 3 to 7, the row of kCalcRows that carries w0 (its own w0 row is not read). */
inline constexpr int kCalcOmega0Row[] = {0, 0, 0, 5, 4, 1, 2, 3};

/** Electrons at optical frequencies and the user's guide's small numbers, below and above
    w0. */
inline const CalcMedium kCalcMedia[] = {
    {"optical, below",
     {"3", "15", "1", "13", "1", "28", "1,6", "-19", "9,1", "-31", "2,9", "15"},
     true},
    {"optical, above",
     {"3", "15", "1", "13", "1", "28", "1,6", "-19", "9,1", "-31", "3,1", "15"},
     false},
    {"small, below", {"5", "2", "5", "1", "4", "1", "1,6", "-19", "9,1", "-31", "4,5", "2"}, true},
    {"small, above", {"5", "2", "5", "1", "4", "1", "1,6", "-19", "9,1", "-31", "5,5", "2"}, false},
};

/** The texts that type `medium` for unknown `index`, in the order of the rows: for indices 2
    to 7 n (exponent 0) goes into its row and w0 into the unknown's row; the w0 row itself
    is left out. */
inline std::vector<std::pair<int, QString>> calcFieldTexts(const CalcMedium& medium, int index = 1,
                                                           const QString& n = {}) {
    std::vector<std::pair<int, QString>> texts;
    if (index > 1) {
        texts.emplace_back(16, n);
        texts.emplace_back(17, QStringLiteral("0"));
    }
    for (int row = 0; row < 6; ++row) {
        if (index > 1 && row == 0)
            continue;
        const int from = index > 2 && row == kCalcOmega0Row[index] ? 0 : row;
        texts.emplace_back(kCalcRows[row].first,
                           QString::fromUtf8(medium.pairs[std::size_t(2 * from)]));
        texts.emplace_back(kCalcRows[row].second,
                           QString::fromUtf8(medium.pairs[std::size_t(2 * from + 1)]));
    }
    return texts;
}
