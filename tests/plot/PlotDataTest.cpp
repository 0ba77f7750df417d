// SPDX-License-Identifier: GPL-3.0-or-later
// The samples of a complete plot as CSV rows for a spreadsheet.
#include "plot/PlotData.h"
#include "PlotRecorder.h"
#include "QtPrinters.h"
#include "model/NumberText.h"
#include "plot/Sweep.h"

#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>

namespace {
/** n and n'' as the model gives them for the samples' medium at the frequency w. */
QString model(const CompletedPlot& s, double w, QChar sep) {
    return formatGeneral(RefractionRe(s.medium, w), sep) + QLatin1Char(';') +
           formatGeneral(RefractionIm(s.medium, w), sep);
}
} // namespace

TEST(PlotData, CsvRows) {
    const CompletedPlot typed = classroomPlot(false);
    const CompletedPlot automatic = classroomPlot(true);
    ASSERT_TRUE(automatic.unit.inThousandths());
    // 0 to 1 by 0,1: the running sum ends on 0,9999999999999999
    const CompletedPlot tenths = withInterval(typed, 0, 1, 0.1);
    const double autoFirst = automatic.PlotState.FreqFrom;
    const QChar comma = QLatin1Char(','), point = QLatin1Char('.');
    const struct {
        const char* name;
        const CompletedPlot& samples;
        QChar separator;
        int line;
        QString expected;
        int lines; // rows with the header, 0: not checked
    } cases[] = {
        {"header", typed, comma, 0, kPlotDataHeader, 6001}, // 6000 samples, 0 to 5,999E15
        // w = 0: no wavelength; n'' is 0 there.
        {"zero frequency", typed, comma, 1, "0;0;;" + model(typed, 0, comma), 0},
        // f = w/2π and λ = 2πc/w in nm, at w = 1E12 rad/s.
        {"decimal comma", typed, comma, 2,
         "1000000000000;159154943091,895;1883651,56730885;" + model(typed, 1e12, comma), 0},
        {"decimal point", typed, point, 2,
         "1000000000000;159154943091.895;1883651.56730885;" + model(typed, 1e12, point), 0},
        // Under the thousand rule the sweep runs in units of 10^12: w goes back to rad/s, n
        // and n'' are the plotted medium's at the sample itself.
        {"thousand rule", automatic, comma, 1,
         formatGeneral(1e15L * (autoFirst / 1000), comma) + ";" +
             formatGeneral(1e15L * (autoFirst / 1000) / (2 * 3.14159265358979323846L), comma) +
             ";" +
             formatGeneral(
                 2 * 3.14159265358979323846L * 299792458e9L / (1e15L * (autoFirst / 1000)), comma) +
             ";" + model(automatic, autoFirst, comma),
         0},
        {"running sum", tenths, comma, 11,
         "1;0,159154943091895;1,88365156730885E18;" + model(tenths, 0.9999999999999999, comma), 12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray bytes = plotDataCsv(c.samples, c.separator);
        ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF")) << "UTF-8 with a byte-order mark";
        ASSERT_TRUE(bytes.endsWith("\r\n"));
        const QStringList lines = QString::fromUtf8(bytes.mid(3).chopped(2)).split("\r\n");
        if (c.lines) {
            EXPECT_EQ(lines.size(), c.lines);
        }
        ASSERT_GT(lines.size(), c.line);
        EXPECT_EQ(lines[c.line], c.expected);
    }
}

// The CSV sweeps every sample again: whoever watches sees its percentage climb and may stop
// it at a question, which then writes nothing.
TEST(PlotData, CsvReportsProgressAndStops) {
    CompletedPlot plot = classroomPlot(false);
    plot.PlotState.FreqStep = 1e11; // 60 000 samples: a question every 4096
    const struct {
        const char* name;
        int stopAtCheck; // 0: never
        int checks;
        int lastPercent;
    } cases[] = {
        {"to the end", 0, 14, 100},
        {"stopped at the first question", 1, 1, 7},   // 4096 of 60 000 samples
        {"stopped at the eighth question", 8, 8, 55}, // 32 768
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PlotRecorder sink;
        sink.stopAtCheck = c.stopAtCheck;
        QByteArray bytes;
        if (c.stopAtCheck) {
            EXPECT_THROW(bytes = plotDataCsv(plot, QLatin1Char(','), sink), PlotStopped);
            EXPECT_TRUE(bytes.isEmpty());
        } else {
            bytes = plotDataCsv(plot, QLatin1Char(','), sink);
            EXPECT_EQ(bytes, plotDataCsv(plot, QLatin1Char(',')));
        }
        EXPECT_EQ(sink.stopChecks, c.checks);
        EXPECT_TRUE(std::is_sorted(sink.progress.begin(), sink.progress.end()));
        EXPECT_EQ(sink.progress.back(), c.lastPercent);
    }
}
