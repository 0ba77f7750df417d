// SPDX-License-Identifier: GPL-3.0-or-later
// One vertical mapping per plot: the curves, the value labels, the range fields and the
// readout all tell the same value at the same row, whatever widens the range.
#include "PlotRecorder.h"
#include "QtPrinters.h"
#include "RecordingSurface.h"
#include "model/Model.h"
#include "model/NumberText.h"
#include "model/ScaledValue.h"
#include "plot/PlotFrame.h"
#include "plot/PlotMapping.h"
#include "plot/Sweep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {
constexpr int kSide = 473;
const QChar kComma = QLatin1Char(',');

/** What sets the top of the range: a sample of n above the first half-range, n(0) as
    that half-range, or n''(w0) as that half-range. */
enum class Top { NMaximum, NAtZero, ImAtW0 };

struct Case {
    const char* what;
    bool gas; // otherwise the classroom medium
    const char *from, *to, *step;
    Top top;
    std::vector<const char*> tenLabels; // the ten-point value labels, top to bottom
};

const Case kCases[] = {
    // clang-format off
    {"gas around w0", true, "2,8E15", "3,2E15", "4E11", Top::NMaximum,
     {"1,007", "0,784", "0,561", "0,338", "0,115", "-0,108", "-0,331", "-0,554", "-0,777"}},
    {"gas above w0, where n < 1", true, "3,5E15", "4,5E15", "1E12", Top::NAtZero,
     {"0,8", "0,6", "0,4", "0,2", "0", "-0,2", "-0,4", "-0,6", "-0,8"}},
    // The classroom lesson: the labels it always had.
    {"classroom", false, "0", "6E15", "1E12", Top::ImAtW0,
     {"4,232", "3,174", "2,116", "1,058", "0", "-1,058", "-2,116", "-3,174", "-4,232"}},
    // clang-format on
};

/** The value labels beside the left ruler for a label count. */
std::vector<RecordingSurface::Text> valueLabels(const PlottedLesson& p, int labelPointCount) {
    const PlotRequest& request = p.rec.request;
    PlotSettings settings = request.settings;
    settings.LabelPointCount = labelPointCount;
    RecordingSurface surface;
    const FrameTexts texts{request.field(1), request.field(6), request.rangeMin, request.rangeMax,
                           kComma};
    DrawScaleLabels(surface, settings, p.session.PlotState, *p.session.unit, texts);
    return surface.textsAt(10);
}
} // namespace

// The range fields show the range the picture spans: every sample of both curves lands
// inside it (to a row), ValueMin on the bottom edge, ValueMax on the top row, and pointing at
// a sample reads its value back within a pixel's worth.
// The three label sets: each label times the power of ten of the title is the value of its
// row to the hundredths of the title's unit (the range's ends are read to two decimals),
// and the curves' mapping puts that value within three pixels of the row.
TEST(ValueScale, CurvesLabelsRangeFieldsAndReadoutShareOneMapping) {
    const struct {
        int count;
        std::vector<int> rows;
    } sets[] = {{0, {189}}, {1, {189, 284}}, {2, {47, 95, 142, 189, 236, 284, 331, 378, 426}}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        PlottedLesson p;
        if (c.gas)
            p.rec.typeGas(c.from, c.to, c.step);
        else
            p.rec.typeExample(c.from, c.to, c.step);
        p.plot();
        ASSERT_TRUE(p.rec.messages.isEmpty());
        const TPlotState& s = p.session.PlotState;
        const TModelParams& medium = p.session.ModelParams;
        const double atZero = RefractionRe(medium, 0), peak = RefractionIm(medium, medium.Omega0);
        EXPECT_EQ(p.rec.request.rangeMin, formatScientific(s.ValueMin, kComma));
        EXPECT_EQ(p.rec.request.rangeMax, formatScientific(s.ValueMax, kComma));
        EXPECT_EQ(s.ValueMin, -std::max(atZero, peak));
        EXPECT_EQ(atZero > peak, c.top != Top::ImAtW0);
        EXPECT_EQ(s.ValueMax > std::max(atZero, peak) * 1.2, c.top == Top::NMaximum);

        const PlotMapping mapping(s);
        // The zero line and the top are rounded apart: a top exactly half a pixel's worth
        // from whole rows (the classroom's symmetric range) may stand one row off.
        EXPECT_LE(std::abs(mapping.pixelY(s.ValueMax)), 1);
        EXPECT_EQ(mapping.pixelY(s.ValueMin), kSide);
        const long double pixelWorth = (static_cast<long double>(s.ValueMax) - s.ValueMin) / kSide;
        int top = kSide, bottom = 0;
        long double worst = 0;
        TPlotState swept = s;
        sweep(p.rec, swept, [&] {
            for (const double v :
                 {RefractionRe(medium, swept.SweepFreq), RefractionIm(medium, swept.SweepFreq)}) {
                const int y = mapping.pixelY(v);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                worst = std::max(worst, std::fabs(mapping.valueAt(y, kSide) - v) / pixelWorth);
            }
        });
        EXPECT_GE(top, -1);
        EXPECT_LE(bottom, kSide);
        EXPECT_LE(worst, 1.0L) << "pixels' worth between a sample and its readout";
        EXPECT_EQ(top == 0, c.top == Top::NMaximum) << "the maximum of n on the top row";

        const QString title = p.rec.request.rangeMax;
        const long double unit = powerOfTen(parseReal(title.mid(title.indexOf('E') + 1), kComma));
        for (const auto& set : sets) {
            SCOPED_TRACE("count " + std::to_string(set.count));
            const std::vector<RecordingSurface::Text> labels = valueLabels(p, set.count);
            ASSERT_EQ(labels.size(), set.rows.size());
            for (std::size_t i = 0; i < labels.size(); ++i) {
                SCOPED_TRACE(labels[i].text.toStdString());
                EXPECT_EQ(labels[i].y, set.rows[i]);
                const long double value = parseReal(labels[i].text, kComma) * unit;
                const long double ofRow = mapping.valueAt(labels[i].y, kSide);
                EXPECT_LE(std::fabs(value - ofRow), unit / 100 + pixelWorth / 2);
                EXPECT_LE(std::abs(mapping.pixelY(static_cast<double>(value)) - labels[i].y), 3);
                if (set.count == 2) {
                    EXPECT_EQ(labels[i].text, QString::fromUtf8(c.tenLabels[i]));
                }
            }
        }
    }
}
