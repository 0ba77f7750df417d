// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's solver without a window: round trips through the shown n, the outcomes
// of bad or borderline input, and agreement with the model the plot draws.
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
// The calculator's fields as the window holds them; results land in the same fields.
class FakeCalc : public CalcFields {
public:
    int index = 0;
    std::array<QString, 18> fields{};
    QChar separator = QLatin1Char(',');
    QStringList messages;

    int itemIndex() const override { return index; }
    QString fieldText(int edit) const override { return fields.at(std::size_t(edit)); }
    QChar decimalSeparator() const override { return separator; }
    void setResultText(int edit, const QString& text) override {
        fields.at(std::size_t(edit)) = text;
    }
    void showMessage(const QString& text) override { messages << text; }

    QString& at(int edit) { return fields.at(std::size_t(edit)); }
};

// The rows of w0, the damping coefficient, N, Q, m and w: mantissa and exponent fields.
constexpr std::array<std::pair<int, int>, 6> kRows{
    {{1, 6}, {2, 7}, {3, 9}, {4, 10}, {5, 8}, {13, 14}}};
// For indices 2 to 7: the row that carries w0 (none for 2) and the unknown in CalcValues.
constexpr int kOmega0Row[] = {-1, -1, -1, 5, 4, 1, 2, 3};
constexpr double TCalcValues::*kUnknown[] = {nullptr,
                                             nullptr,
                                             &TCalcValues::Omega0,
                                             &TCalcValues::Omega,
                                             &TCalcValues::Mass,
                                             &TCalcValues::Gamma,
                                             &TCalcValues::Concentration,
                                             &TCalcValues::Charge};

struct Medium {
    const char* name;
    std::array<const char*, 12> pairs; // w0, damping, N, Q, m, w as mantissa and exponent
    bool omega0Back;                   // w0^2 - w^2 >= damping x w: solving for w0 gives it back
    bool omegaBack;                    // w^2 is the smaller root: solving for w gives it back
};

// An electron gas at optical frequencies and the user's guide's small numbers, each
// below the resonance (both frequencies come back) and above it (the other roots).
const Medium kMedia[] = {
    {"optical, below w0",
     {"3", "15", "1", "13", "1", "28", "1,6", "-19", "9,1", "-31", "2,9", "15"},
     true,
     true},
    {"optical, above w0",
     {"3", "15", "1", "13", "1", "28", "1,6", "-19", "9,1", "-31", "3,1", "15"},
     false,
     false},
    {"small, below w0",
     {"5", "2", "5", "1", "4", "1", "1,6", "-19", "9,1", "-31", "4,5", "2"},
     true,
     true},
    {"small, above w0",
     {"5", "2", "5", "1", "4", "1", "1,6", "-19", "9,1", "-31", "5,5", "2"},
     false,
     false},
};

QString text(const char* utf8, QChar sep) {
    return QString::fromUtf8(utf8).replace(QLatin1Char(','), sep);
}

// The medium typed as for the refractive index.
FakeCalc typed(const Medium& medium, QChar sep = QLatin1Char(',')) {
    FakeCalc calc;
    calc.separator = sep;
    calc.index = 1;
    for (std::size_t row = 0; row < kRows.size(); ++row) {
        calc.at(kRows[row].first) = text(medium.pairs[2 * row], sep);
        calc.at(kRows[row].second) = text(medium.pairs[2 * row + 1], sep);
    }
    return calc;
}

// The same medium typed for unknown `index`: n in its row, w0 in the unknown's row, the
// w0 row left empty (it is not read).
FakeCalc typedFor(int index, const Medium& medium, const QString& n) {
    FakeCalc calc = typed(medium);
    calc.index = index;
    calc.at(16) = n;
    calc.at(17) = QStringLiteral("0");
    if (const int row = kOmega0Row[index]; row >= 0) {
        calc.at(kRows[row].first) = calc.fieldText(1);
        calc.at(kRows[row].second) = calc.fieldText(6);
    }
    calc.at(1).clear();
    calc.at(6).clear();
    return calc;
}

double shown(const FakeCalc& calc, int edit) {
    return static_cast<double>(parseReal(calc.fieldText(edit), calc.separator));
}

// n as the calculator shows it for the medium, with one row's value replaced by a text.
double indexWith(const Medium& medium, int row, const QString& value, QChar sep) {
    FakeCalc calc = typed(medium, sep);
    calc.at(kRows[std::size_t(row)].first) = value;
    calc.at(kRows[std::size_t(row)].second) = QStringLiteral("0");
    SolveForUnknown(calc);
    return shown(calc, 11);
}
} // namespace

TEST(CalcSolver, UnknownsComeBackFromTheShownIndex) {
    for (const Medium& medium : kMedia) {
        for (QChar sep : {QLatin1Char(','), QLatin1Char('.')}) {
            SCOPED_TRACE(std::string(medium.name) + " with '" + char(sep.unicode()) + "'");
            FakeCalc forward = typed(medium, sep);
            SolveForUnknown(forward);
            const TCalcValues typedValues = CalcValues;
            const QString n = forward.fieldText(11);
            for (int index = 2; index <= 7; ++index) {
                FakeCalc inverse = typedFor(index, medium, n);
                for (int edit = 1; edit <= 17; ++edit)
                    inverse.at(edit).replace(QLatin1Char(','), sep);
                inverse.separator = sep;
                SolveForUnknown(inverse);
                ASSERT_TRUE(inverse.messages.isEmpty()) << "index " << index;
                const double found = shown(inverse, 15);
                const double typedValue = typedValues.*kUnknown[index];
                const bool back = index == 2 ? medium.omega0Back : index != 3 || medium.omegaBack;
                if (back) {
                    // n is shown to 15 digits; the damping coefficient is a small correction
                    // to the relation and loses about two of them.
                    EXPECT_NEAR(found / typedValue, 1.0, 1e-12) << "index " << index;
                    continue;
                }
                // The other root: another frequency with the same n.
                EXPECT_GT(std::abs(found / typedValue - 1.0), 1e-3) << "index " << index;
                const int row = index == 2 ? 0 : 5;
                EXPECT_NEAR(indexWith(medium, row, inverse.fieldText(15), sep) / shown(forward, 11),
                            1.0, 1e-9)
                    << "index " << index;
            }
        }
    }
}

TEST(CalcSolver, RefractiveIndexAgreesWithThePlottedModel) {
    const char* frequencies[][2] = {{"2,9", "15"}, {"3,1", "15"}, {"2,99999", "15"}, {"1", "12"}};
    for (const Medium& medium : kMedia) {
        for (const auto& w : frequencies) {
            FakeCalc calc = typed(medium);
            calc.at(13) = QString::fromUtf8(w[0]);
            calc.at(14) = QString::fromUtf8(w[1]);
            SolveForUnknown(calc);
            const TCalcValues& v = CalcValues;
            ModelParams = {v.Omega0, v.Gamma, v.Charge, v.Concentration, v.Mass, v.Epsilon0};
            const double re = RefractionRe(v.Omega), im = RefractionIm(v.Omega);
            EXPECT_NEAR(shown(calc, 11), re, 5e-14 * std::abs(re)) << medium.name << " w=" << w[0];
            EXPECT_NEAR(shown(calc, 12), im, 5e-14 * std::abs(im)) << medium.name << " w=" << w[0];
        }
    }
    ModelParams = {};
}

namespace {
struct Outcome {
    const char* what;
    int index;
    std::vector<std::pair<int, const char*>> edits; // over the optical medium below w0
    const char* message;                            // the plain message, if any
    const char* error;                              // the error box's text, if any
    const char* result;                             // Edit15, or Edit11 for index 1
};

const char* const kOpticalIndex = "27,8735670995652"; // n of the optical medium below w0
const char* const kPrevious = "прежнее значение";

const Outcome kOutcomes[] = {
    {"nothing chosen", 0, {}, nullptr, nullptr, nullptr},
    {"empty exponent", 1, {{14, ""}}, "Не введены данные для расчета !", nullptr, nullptr},
    {"empty exponent of n", 4, {{17, ""}}, "Не введены данные для расчета !", nullptr, nullptr},
    {"blanks only", 1, {{3, "  "}}, nullptr, "'  ' is not a valid floating point value", nullptr},
    {"mantissa before exponent",
     1,
     {{13, "x"}, {14, "y"}},
     nullptr,
     "'x' is not a valid floating point value",
     nullptr},
    {"w before w0",
     1,
     {{1, "a"}, {13, "b"}},
     nullptr,
     "'b' is not a valid floating point value",
     nullptr},
    {"n first",
     3,
     {{16, "a"}, {13, "b"}},
     nullptr,
     "'a' is not a valid floating point value",
     nullptr},
    {"below the double range", 1, {{9, "-400"}}, nullptr, nullptr, "1"},
    {"beyond the double range", 1, {{9, "400"}}, nullptr, "Floating point overflow", nullptr},
    {"n'' beyond the range, n = 1",
     1,
     {{13, "3"}, {2, "1"}, {7, "-300"}},
     nullptr,
     "Floating point overflow",
     nullptr},
    {"n = 1, w0", 2, {{16, "1"}}, nullptr, "Floating point division by zero", nullptr},
    {"n = 1, w", 3, {{16, "1"}}, nullptr, "Floating point division by zero", nullptr},
    {"n = 1, m", 4, {{16, "1"}}, nullptr, "Floating point division by zero", nullptr},
    {"n = 1, damping", 5, {{16, "1"}}, nullptr, "Floating point division by zero", nullptr},
    {"n = 1, N", 6, {{16, "1"}}, nullptr, nullptr, "0"},
    {"n = 1, Q", 7, {{16, "1"}}, nullptr, nullptr, "0"},
    {"w = w0, m", 4, {{13, "3"}}, nullptr, nullptr, "0"},
    {"w = w0, damping", 5, {{13, "3"}}, nullptr, nullptr, "0"},
    {"w = w0, N", 6, {{13, "3"}}, nullptr, "Floating point division by zero", nullptr},
    {"w = w0, Q", 7, {{13, "3"}}, nullptr, "Floating point division by zero", nullptr},
    {"D < 0 for w0", 2, {{16, "1E10"}}, nullptr, "Invalid floating point operation", nullptr},
    {"D < 0 for w", 3, {{16, "1E10"}}, nullptr, "Invalid floating point operation", nullptr},
    {"smaller root of w^2 negative",
     3,
     {{16, "1,000001"}},
     nullptr,
     "Invalid floating point operation",
     nullptr},
    {"negative square of the damping",
     5,
     {{16, "1E3"}},
     nullptr,
     "Invalid floating point operation",
     nullptr},
    {"negative square of Q",
     7,
     {{13, "3,1"}},
     nullptr,
     "Invalid floating point operation",
     nullptr},
};
} // namespace

TEST(CalcSolver, OutcomesOfBadAndBorderlineInput) {
    for (const Outcome& c : kOutcomes) {
        SCOPED_TRACE(c.what);
        FakeCalc calc = c.index <= 1
                            ? typed(kMedia[0])
                            : typedFor(c.index, kMedia[0], QString::fromUtf8(kOpticalIndex));
        calc.index = c.index;
        for (const auto& [edit, value] : c.edits)
            calc.at(edit) = QString::fromUtf8(value);
        for (int edit : {11, 12, 15})
            calc.at(edit) = QString::fromUtf8(kPrevious);
        CalcValues.Omega0 = 42;
        const TCalcValues before = CalcValues;

        const QString error = errorText([&] { SolveForUnknown(calc); });

        EXPECT_EQ(calc.messages,
                  c.message ? QStringList(QString::fromUtf8(c.message)) : QStringList());
        EXPECT_EQ(error, QString::fromUtf8(c.error ? c.error : ""));
        const int resultEdit = c.index == 1 ? 11 : 15;
        EXPECT_EQ(calc.fieldText(resultEdit), QString::fromUtf8(c.result ? c.result : kPrevious));
        if (!c.result && c.index == 1) {
            EXPECT_EQ(calc.fieldText(12), QString::fromUtf8(kPrevious)) << "n'' stays too";
        }
        if (!c.error && !c.result) {
            EXPECT_EQ(std::memcmp(&before, &CalcValues, sizeof before), 0) << "nothing converted";
        }
    }
}

TEST(CalcSolver, ShownNumbersAreTheStoredValues) {
    FakeCalc calc = typed(kMedia[0]);
    calc.at(13) = QStringLiteral("3"); // w = w0: n is exactly 1
    SolveForUnknown(calc);
    EXPECT_EQ(calc.fieldText(11), QStringLiteral("1"));
    EXPECT_EQ(calc.fieldText(12), formatGeneral(CalcValues.IndexIm, QLatin1Char(',')));
    EXPECT_EQ(CalcValues.Epsilon0, 8.85e-12) << "formed like a typed 8,85 x 10^-12";
    // An exponent of 2,5 scales by 10^2,5.
    calc.index = 4;
    calc.at(16) = QStringLiteral("2");
    calc.at(17) = QStringLiteral("0");
    calc.at(5) = QStringLiteral("3");
    calc.at(8) = QStringLiteral("15");
    calc.at(14) = QStringLiteral("2,5");
    calc.at(13) = QStringLiteral("1");
    SolveForUnknown(calc);
    EXPECT_DOUBLE_EQ(CalcValues.Omega, std::pow(10.0, 2.5));
    EXPECT_DOUBLE_EQ(CalcValues.Omega0, 3e15);
}
