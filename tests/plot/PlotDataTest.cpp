// SPDX-License-Identifier: GPL-3.0-or-later
// The samples of a complete plot as CSV rows for a spreadsheet.
#include "plot/PlotData.h"
#include "PlotRecorder.h"
#include "QtPrinters.h"
#include "model/NumberText.h"
#include "plot/Canvas.h"
#include "plot/PlotCommand.h"
#include "plot/PlotSession.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {
/** The samples of the classroom plot, typed interval or automatic. */
CompletedPlot classroomSamples(bool automatic) {
    PlotRecorder rec;
    rec.typeExample();
    rec.request.automatic = automatic;
    QImage image(473, 473, QImage::Format_RGB32);
    Canvas canvas(image);
    PlotSession session;
    runPlotCommand(rec.request, rec, canvas, session);
    EXPECT_TRUE(rec.messages.isEmpty());
    return session.complete.value_or(CompletedPlot{});
}

/** n and n'' as the model gives them for the samples' medium at the frequency w. */
QString model(const CompletedPlot& s, double w, QChar sep) {
    return formatGeneral(RefractionRe(s.medium, w), sep) + QLatin1Char(';') +
           formatGeneral(RefractionIm(s.medium, w), sep);
}
} // namespace

TEST(PlotData, CsvRows) {
    const CompletedPlot typed = classroomSamples(false);
    const CompletedPlot automatic = classroomSamples(true);
    ASSERT_TRUE(automatic.unit.inThousandths());
    CompletedPlot tenths = typed; // 0 to 1 by 0,1: the running sum ends on 0,9999999999999999
    tenths.PlotState.FreqFrom = 0;
    tenths.PlotState.FreqTo = 1;
    tenths.PlotState.FreqStep = 0.1;
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
