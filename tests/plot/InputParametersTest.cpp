// SPDX-License-Identifier: GPL-3.0-or-later
// The plot command's first stage on a request: the fields' check, then the medium loaded
// field by field.
#include "plot/InputParameters.h"
#include "ErrorText.h"
#include "PlotRecorder.h"
#include "model/Model.h"
#include "plot/Canvas.h"
#include "plot/PlotCommand.h"
#include "plot/PlotSession.h"

#include <cmath>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {
const QString kNoData = QStringLiteral("Не введены данные для построения графика!");
const QString kBadInterval = QStringLiteral("Некорректно введен интервал изменения частоты w!");
} // namespace

TEST(InputParameters, FieldsCheckedThenTheMediumLoadedFieldByField) {
    const double w0 = 3e15, g = 1e13, n = 1e28, q = 1.6e-19;
    const struct {
        const char* what;
        char separator;
        std::vector<std::pair<int, const char*>> typed; // over the classroom lesson
        InputOutcome outcome;
        QString message;
        QString error;
        double omega0, gamma, concentration, charge; // the medium afterwards
    } cases[] = {
        {"the lesson", ',', {}, InputOutcome::Loaded, {}, {}, w0, g, n, q},
        {"blanks are no empty field",
         ',',
         {{2, "  "}},
         InputOutcome::Ended,
         {},
         "'  ' is not a valid floating point value",
         w0,
         0,
         0,
         0},
        {"from = to",
         ',',
         {{11, "5"}, {12, "5"}},
         InputOutcome::IntervalRejected,
         kBadInterval,
         {},
         0,
         0,
         0,
         0},
        {"from below 0",
         ',',
         {{11, "-1"}, {12, "10"}},
         InputOutcome::IntervalRejected,
         kBadInterval,
         {},
         0,
         0,
         0,
         0},
        {"from above to",
         ',',
         {{11, "10"}, {12, "1"}},
         InputOutcome::IntervalRejected,
         kBadInterval,
         {},
         0,
         0,
         0,
         0},
        {"a bad third value keeps the two before",
         ',',
         {{3, "abc"}},
         InputOutcome::Ended,
         {},
         "'abc' is not a valid floating point value",
         w0,
         g,
         0,
         0},
        {"a point where the comma is the separator",
         ',',
         {{5, "9.1"}},
         InputOutcome::Ended,
         {},
         "'9.1' is not a valid floating point value",
         w0,
         g,
         n,
         q},
        {"a fractional, negative exponent",
         '.',
         {{6, "-0.5"}},
         InputOutcome::Loaded,
         {},
         {},
         3 * std::pow(10.0, -0.5),
         g,
         n,
         q},
        {"an overflowing value",
         ',',
         {{7, "400"}},
         InputOutcome::Ended,
         {},
         "Floating point overflow",
         w0,
         0,
         0,
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PlotRecorder rec;
        rec.request.decimalSeparator = QLatin1Char(c.separator);
        rec.typeExample();
        for (const auto& [edit, text] : c.typed)
            rec.request.field(edit) = QString::fromUtf8(text);
        TModelParams medium{};
        InputOutcome outcome = InputOutcome::Ended;
        EXPECT_EQ(errorText([&] { outcome = readInputParameters(rec.request, rec, medium); }),
                  c.error);
        EXPECT_EQ(outcome, c.outcome);
        EXPECT_EQ(rec.messages, c.message.isEmpty() ? QStringList() : QStringList{c.message});
        EXPECT_DOUBLE_EQ(medium.Omega0, c.omega0);
        EXPECT_DOUBLE_EQ(medium.Gamma, c.gamma);
        EXPECT_DOUBLE_EQ(medium.Concentration, c.concentration);
        EXPECT_DOUBLE_EQ(medium.Charge, c.charge);
    }
}

TEST(InputParameters, EveryFieldMustBeFilledTheStepToo) {
    for (int empty = 1; empty <= 13; ++empty) {
        PlotRecorder rec;
        rec.typeExample();
        rec.request.field(empty).clear();
        TModelParams medium{};
        EXPECT_EQ(readInputParameters(rec.request, rec, medium), InputOutcome::Ended);
        EXPECT_EQ(rec.messages, QStringList{kNoData}) << "Edit" << empty;
        EXPECT_EQ(medium.Omega0, 0.0);
    }
}

TEST(InputParameters, TheStepIsNotReadInAutomaticMode) {
    PlotRecorder rec;
    rec.typeExample();
    rec.request.field(13) = QStringLiteral("шаг");
    rec.request.automatic = true;
    QImage picture(473, 473, QImage::Format_RGB32);
    Canvas canvas(picture);
    PlotSession session;
    EXPECT_EQ(errorText([&] { runPlotCommand(rec.request, rec, canvas, session); }), QString());
    EXPECT_DOUBLE_EQ(session.unit->omega0(), 3000) << "w0 in units of 10^12 Hz";
}
