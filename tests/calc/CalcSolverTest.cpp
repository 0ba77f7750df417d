// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's solver without a window: round trips through the shown n, agreement with
// the plotted model, and the outcomes of bad or borderline input.
#include "calc/CalcSolver.h"
#include "CalcMedium.h"
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
using V = TCalcValues;
constexpr double V::*kUnknown[] = {nullptr,  nullptr,   &V::Omega0,        &V::Omega,
                                   &V::Mass, &V::Gamma, &V::Concentration, &V::Charge};

// The medium typed for unknown `index` with the decimal comma.
CalcRequest typed(const CalcMedium& medium, int index = 1, const QString& n = {}) {
    CalcRequest request;
    request.index = index;
    request.decimalSeparator = QLatin1Char(',');
    for (const auto& [edit, text] : calcFieldTexts(medium, index, n))
        request.texts.at(std::size_t(edit)) = text;
    return request;
}

QString shownText(const CalcOutcome& outcome, int edit) {
    for (const CalcResult& r : outcome.results)
        if (r.edit == edit)
            return r.text;
    return {};
}

// The result written into `edit`, as a number.
double shown(const CalcOutcome& outcome, int edit) {
    return double(parseReal(shownText(outcome, edit), QLatin1Char(',')));
}
} // namespace

TEST(CalcSolver, UnknownsComeBackFromTheShownIndex) {
    for (const CalcMedium& medium : kCalcMedia) {
        SCOPED_TRACE(medium.name);
        const CalcOutcome forward = SolveForUnknown(typed(medium), TCalcValues{});
        ASSERT_FALSE(forward.error);
        const TCalcValues typedValues = forward.values;
        // The plot's model at the same point: another evaluation order, the same digits.
        const TCalcValues& v = typedValues;
        const TModelParams typedMedium{v.Omega0,        v.Gamma, v.Charge,
                                       v.Concentration, v.Mass,  v.Epsilon0};
        EXPECT_NEAR(shown(forward, 11) / RefractionRe(typedMedium, v.Omega), 1.0, 5e-14);
        EXPECT_NEAR(shown(forward, 12) / RefractionIm(typedMedium, v.Omega), 1.0, 5e-14);

        for (int index = 2; index <= 7; ++index) {
            const CalcOutcome inverse =
                SolveForUnknown(typed(medium, index, shownText(forward, 11)), forward.values);
            const double found = shown(inverse, 15);
            if (index > 3 || medium.lowerRoots) {
                // n is shown to 15 digits; the damping, a small correction to the relation
                // far from w0, keeps about 13 of them.
                EXPECT_NEAR(found / (typedValues.*kUnknown[index]), 1.0, 1e-12) << index;
                continue;
            }
            // The other root: another frequency with the same n.
            CalcRequest check = typed(medium);
            check.texts[index == 2 ? 1 : 13] = shownText(inverse, 15);
            check.texts[index == 2 ? 6 : 14] = QStringLiteral("0");
            const CalcOutcome again = SolveForUnknown(check, inverse.values);
            EXPECT_GT(std::abs(found / (typedValues.*kUnknown[index]) - 1.0), 1e-3) << index;
            EXPECT_NEAR(shown(again, 11) / shown(forward, 11), 1.0, 1e-9) << index;
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
    const char* text;          // the message, error or result (Edit11 for index 1, else Edit15)
    double V::*kept = nullptr; // a value converted before the error, which stays
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
    {"blanks only", 1, {{3, "  "}}, Ends::WithError, "'  ' is not a valid floating point value", &V::Gamma},
    {"mantissa first, w first", 1, {{1, "a"}, {13, "b"}, {14, "c"}}, Ends::WithError, "'b' is not a valid floating point value"},
    {"n first", 3, {{16, "a"}, {13, "b"}}, Ends::WithError, "'a' is not a valid floating point value"},
    {"the last pair", 7, {{8, "x"}}, Ends::WithError, "'x' is not a valid floating point value", &V::Omega0},
    {"below the double range", 1, {{9, "-400"}}, Ends::WithResult, "1"},
    {"beyond the double range", 1, {{9, "400"}}, Ends::WithError, kOverflow, &V::Gamma},
    {"w = w0", 1, {{13, "3"}}, Ends::WithResult, "1"},
    {"n'' beyond the range, n = 1", 1, {{13, "3"}, {2, "1"}, {7, "-300"}}, Ends::WithError, kOverflow, &V::IndexRe},
    {"n = 1, w0", 2, {{16, "1"}}, Ends::WithError, kByZero, &V::Epsilon0},
    {"n = 1, m", 4, {{16, "1"}}, Ends::WithError, kByZero, &V::Omega0},
    {"n = 1, N", 6, {{16, "1"}}, Ends::WithResult, "0"},
    {"n = 1, Q", 7, {{16, "1"}}, Ends::WithResult, "0"},
    {"w = w0, m", 4, {{13, "3"}}, Ends::WithResult, "0"},
    {"w = w0, N", 6, {{13, "3"}}, Ends::WithError, kByZero},
    {"D < 0 for w0", 2, {{16, "1E10"}}, Ends::WithError, kInvalid, &V::Discriminant},
    {"negative smaller root w^2", 3, {{16, "1,000001"}}, Ends::WithError, kInvalid, &V::Discriminant},
    {"negative square of damping", 5, {{16, "1E3"}}, Ends::WithError, kInvalid},
    {"negative square of Q", 7, {{13, "3,1"}}, Ends::WithError, kInvalid},
};
// clang-format on
} // namespace

TEST(CalcSolver, OutcomesOfBadAndBorderlineInput) {
    for (const Outcome& c : kOutcomes) {
        SCOPED_TRACE(c.what);
        CalcRequest request = typed(kCalcMedia[0], c.index, QStringLiteral("27,8735670995652"));
        for (const auto& [edit, text] : c.edits)
            request.texts.at(std::size_t(edit)) = QString::fromUtf8(text);
        TCalcValues before;
        before.Omega0 = 42;
        before.IndexRe = 42;
        before.Gamma = 42;
        before.Epsilon0 = 42;
        before.Discriminant = 42;

        const CalcOutcome outcome = SolveForUnknown(request, before);

        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(outcome.message, c.ends == Ends::WithMessage ? text : QString());
        EXPECT_EQ(errorText(outcome.error), c.ends == Ends::WithError ? text : QString());
        const bool result = c.ends == Ends::WithResult;
        std::vector<int> written, expected;
        for (const CalcResult& r : outcome.results)
            written.push_back(r.edit);
        if (result)
            expected = c.index == 1 ? std::vector<int>{11, 12} : std::vector<int>{15};
        EXPECT_EQ(written, expected) << "no result after a message or an error";
        if (result) {
            EXPECT_EQ(outcome.results.front().text, text);
        }
        if (c.ends == Ends::Quietly || c.ends == Ends::WithMessage) {
            EXPECT_EQ(std::memcmp(&before, &outcome.values, sizeof before), 0) << "nothing read";
        }
        if (c.kept) {
            EXPECT_NE(outcome.values.*c.kept, 42) << "converted or formed before the error";
        }
    }
}
