// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's solver without a window: round trips through the shown n, agreement with
// the plotted model, and the outcomes of bad or borderline input.
#include "calc/CalcSolver.h"
#include "ErrorText.h"
#include "QtPrinters.h"
#include "model/Model.h"
#include "model/NumberText.h"

#include <array>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {
// The window's fields; results land in the same fields.
class FakeCalc : public CalcFields {
public:
    int index = 1;
    std::array<QString, 18> fields{};
    QStringList messages;

    int itemIndex() const override { return index; }
    QString fieldText(int edit) const override { return fields.at(std::size_t(edit)); }
    QChar decimalSeparator() const override { return QLatin1Char(','); }
    void setResultText(int edit, const QString& text) override { at(edit) = text; }
    void showMessage(const QString& text) override { messages << text; }
    QString& at(int edit) { return fields.at(std::size_t(edit)); }
    double shown(int edit) const { return double(parseReal(fieldText(edit), QLatin1Char(','))); }
};

// Mantissa and exponent fields of the rows w0, damping, N, Q, m and w.
constexpr std::pair<int, int> kRows[] = {{1, 6}, {2, 7}, {3, 9}, {4, 10}, {5, 8}, {13, 14}};
// For indices 2 to 7: the row that carries w0 (w0 itself is not typed for 2), the unknown.
constexpr int kOmega0Row[] = {0, 0, 0, 5, 4, 1, 2, 3};
using V = TCalcValues;
constexpr double V::*kUnknown[] = {nullptr,  nullptr,   &V::Omega0,        &V::Omega,
                                   &V::Mass, &V::Gamma, &V::Concentration, &V::Charge};

struct Medium {
    const char* name;
    std::array<const char*, 12> pairs; // as typed in the rows above
    bool lowerRoots; // below w0: the frequencies come back rather than the other roots
};

// Electrons at optical frequencies and the user's guide's small numbers, below and above w0.
// clang-format off
const Medium kMedia[] = {
    {"optical, below", {"3", "15", "1", "13", "1", "28", "1,6", "-19", "9,1", "-31", "2,9", "15"}, true},
    {"optical, above", {"3", "15", "1", "13", "1", "28", "1,6", "-19", "9,1", "-31", "3,1", "15"}, false},
    {"small, below", {"5", "2", "5", "1", "4", "1", "1,6", "-19", "9,1", "-31", "4,5", "2"}, true},
    {"small, above", {"5", "2", "5", "1", "4", "1", "1,6", "-19", "9,1", "-31", "5,5", "2"}, false},
};
// clang-format on

// The medium typed for unknown `index`; for indices 2 to 7 n goes into its row, w0 into the
// unknown's row and the w0 row stays empty (it is not read).
FakeCalc typed(const Medium& medium, int index = 1, const QString& n = {}) {
    FakeCalc calc;
    calc.index = index;
    for (int row = 0; row < 6; ++row) {
        const int at = index > 2 && row == kOmega0Row[index] ? 0 : row;
        calc.at(kRows[row].first) = QString::fromUtf8(medium.pairs[2 * at]);
        calc.at(kRows[row].second) = QString::fromUtf8(medium.pairs[2 * at + 1]);
    }
    if (index > 1) {
        calc.at(16) = n;
        calc.at(17) = QStringLiteral("0");
        calc.at(1).clear();
        calc.at(6).clear();
    }
    return calc;
}
} // namespace

TEST(CalcSolver, UnknownsComeBackFromTheShownIndex) {
    for (const Medium& medium : kMedia) {
        SCOPED_TRACE(medium.name);
        FakeCalc forward = typed(medium);
        TCalcValues values;
        SolveForUnknown(forward, values);
        const TCalcValues typedValues = values;
        // The plot's model at the same point: another evaluation order, the same digits.
        const TCalcValues& v = typedValues;
        const TModelParams typedMedium{v.Omega0,        v.Gamma, v.Charge,
                                       v.Concentration, v.Mass,  v.Epsilon0};
        EXPECT_NEAR(forward.shown(11) / RefractionRe(typedMedium, v.Omega), 1.0, 5e-14);
        EXPECT_NEAR(forward.shown(12) / RefractionIm(typedMedium, v.Omega), 1.0, 5e-14);

        for (int index = 2; index <= 7; ++index) {
            FakeCalc inverse = typed(medium, index, forward.fieldText(11));
            SolveForUnknown(inverse, values);
            const double found = inverse.shown(15);
            if (index > 3 || medium.lowerRoots) {
                // n is shown to 15 digits; the damping, a small correction to the relation
                // far from w0, keeps about 13 of them.
                EXPECT_NEAR(found / (typedValues.*kUnknown[index]), 1.0, 1e-12) << index;
                continue;
            }
            // The other root: another frequency with the same n.
            FakeCalc check = typed(medium);
            check.at(index == 2 ? 1 : 13) = inverse.fieldText(15);
            check.at(index == 2 ? 6 : 14) = QStringLiteral("0");
            SolveForUnknown(check, values);
            EXPECT_GT(std::abs(found / (typedValues.*kUnknown[index]) - 1.0), 1e-3) << index;
            EXPECT_NEAR(check.shown(11) / forward.shown(11), 1.0, 1e-9) << index;
        }
    }
}

namespace {
enum class Ends { Quietly, WithMessage, WithError, WithResult };
struct Outcome {
    const char* what;
    int index;
    std::vector<std::pair<int, const char*>> edits; // over the optical medium below w0
    Ends ends;
    const char* text; // the message, error or result (Edit11 for index 1, else Edit15)
};
const char* const kNoData = "Не введены данные для расчета !";
const char* const kInvalid = "Invalid floating point operation";
const char* const kByZero = "Floating point division by zero";
const char* const kOverflow = "Floating point overflow";

// clang-format off
const Outcome kOutcomes[] = {
    {"nothing chosen", 0, {}, Ends::Quietly, ""},
    {"empty exponent", 1, {{14, ""}}, Ends::WithMessage, kNoData},
    {"empty exponent of n", 4, {{17, ""}}, Ends::WithMessage, kNoData},
    {"blanks only", 1, {{3, "  "}}, Ends::WithError, "'  ' is not a valid floating point value"},
    {"mantissa first, w first", 1, {{1, "a"}, {13, "b"}, {14, "c"}}, Ends::WithError, "'b' is not a valid floating point value"},
    {"n first", 3, {{16, "a"}, {13, "b"}}, Ends::WithError, "'a' is not a valid floating point value"},
    {"below the double range", 1, {{9, "-400"}}, Ends::WithResult, "1"},
    {"beyond the double range", 1, {{9, "400"}}, Ends::WithError, kOverflow},
    {"w = w0", 1, {{13, "3"}}, Ends::WithResult, "1"},
    {"n'' beyond the range, n = 1", 1, {{13, "3"}, {2, "1"}, {7, "-300"}}, Ends::WithError, kOverflow},
    {"n = 1, w0", 2, {{16, "1"}}, Ends::WithError, kByZero},
    {"n = 1, m", 4, {{16, "1"}}, Ends::WithError, kByZero},
    {"n = 1, N", 6, {{16, "1"}}, Ends::WithResult, "0"},
    {"n = 1, Q", 7, {{16, "1"}}, Ends::WithResult, "0"},
    {"w = w0, m", 4, {{13, "3"}}, Ends::WithResult, "0"},
    {"w = w0, N", 6, {{13, "3"}}, Ends::WithError, kByZero},
    {"D < 0 for w0", 2, {{16, "1E10"}}, Ends::WithError, kInvalid},
    {"negative smaller root w^2", 3, {{16, "1,000001"}}, Ends::WithError, kInvalid},
    {"negative square of damping", 5, {{16, "1E3"}}, Ends::WithError, kInvalid},
    {"negative square of Q", 7, {{13, "3,1"}}, Ends::WithError, kInvalid},
};
// clang-format on
} // namespace

TEST(CalcSolver, OutcomesOfBadAndBorderlineInput) {
    const QString previous = QStringLiteral("прежнее");
    for (const Outcome& c : kOutcomes) {
        SCOPED_TRACE(c.what);
        FakeCalc calc = typed(kMedia[0], c.index, QStringLiteral("27,8735670995652"));
        for (const auto& [edit, text] : c.edits)
            calc.at(edit) = QString::fromUtf8(text);
        for (int edit : {11, 12, 15})
            calc.at(edit) = previous;
        TCalcValues values;
        values.Omega0 = 42;
        const TCalcValues before = values;

        const QString error = errorText([&] { SolveForUnknown(calc, values); });

        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(calc.messages, c.ends == Ends::WithMessage ? QStringList(text) : QStringList());
        EXPECT_EQ(error, c.ends == Ends::WithError ? text : QString());
        const bool result = c.ends == Ends::WithResult;
        EXPECT_EQ(calc.fieldText(c.index == 1 ? 11 : 15), result ? text : previous);
        if (!result) {
            EXPECT_EQ(calc.fieldText(12), previous) << "n'' stays too";
        }
        if (c.ends == Ends::Quietly || c.ends == Ends::WithMessage) {
            EXPECT_EQ(std::memcmp(&before, &values, sizeof before), 0) << "nothing read";
        }
    }
}
