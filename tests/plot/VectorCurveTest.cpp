// SPDX-License-Identifier: GPL-3.0-or-later
// The curves of a vector picture: strokes through the samples' own positions, which round
// to the pixels the picture on screen has; no pixel squares, no stairs.
#include "PlotRecorder.h"
#include "plot/CompletedPlot.h"
#include "plot/PlotMapping.h"
#include "plot/PlotPicture.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include <cmath>

namespace {
void plot(PlottedLesson& p, const DrawingWay& way, const char* from = "2,8E15",
          const char* to = "3,2E15", const char* step = "4E11") {
    p.rec.typeGas(from, to, step);
    p.rec.drawAs(way);
    p.plot();
}

QByteArray svgOf(const CompletedPlot& plot) {
    return svgBytes(
        [&](QPainter& painter, const QRectF& square) { paintVectorPlot(painter, square, plot); });
}
} // namespace

// Each kept sample's exact position lies within half a pixel of the pixel the sweep drew it
// on, also where the interval lies far from 0 and the columns wrap around.
TEST(VectorCurve, ExactPositionsRoundToTheSweepsPixels) {
    const struct {
        const char *from, *to, *step;
    } cases[] = {{"2,8E15", "3,2E15", "4E11"}, {"0", "6E15", "1E12"}, {"1E15", "1,0001E15", "1E8"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from);
        PlottedLesson p;
        plot(p, kDrawingWays[0], c.from, c.to, c.step);
        ASSERT_TRUE(p.session.complete);
        const CompletedPlot& done = *p.session.complete;
        const PlotMapping mapping(done.PlotState);
        const long double startX = mapping.exactStartX();
        for (const DrawnCurve* curve : {&done.im, &done.re})
            for (const CurveSample& s : curve->samples) {
                const QPointF exact = mapping.exactPoint(s.w, s.v, startX);
                const CanvasPoint pixel = mapping.samplePixel(s.w, s.v);
                ASSERT_LE(std::fabs(exact.x() - 0.5 - pixel.x), 0.5) << s.w;
                ASSERT_LE(std::fabs(exact.y() - 0.5 - pixel.y), 0.5) << s.v;
            }
    }
}

// The SVG of the gas lesson: no one-pixel squares; most coordinates of its paths and dots lie
// off the grid of pixel centres; the dotted region dashed.
TEST(VectorCurve, SvgDrawsCurvesAsStrokesOffThePixelGrid) {
    // The coordinates of the paths, and of the dots of points.
    const QRegularExpression coordinates(
        QStringLiteral("<path [^>]*d=\"([^\"]*)\"|<circle cx=\"([^\"]*)\" cy=\"([^\"]*)\""));
    const QRegularExpression number(QStringLiteral("-?[0-9.]+"));
    int dashesOfPlainLine = 0;
    for (const DrawingWay& c : kDrawingWays) {
        SCOPED_TRACE(c.name);
        PlottedLesson p;
        plot(p, c);
        ASSERT_TRUE(p.session.complete);
        const QString svg = QString::fromUtf8(svgOf(*p.session.complete));
        EXPECT_FALSE(svg.contains(QStringLiteral("width=\"1\" height=\"1\"")));
        int all = 0, offGrid = 0;
        for (const auto& m : coordinates.globalMatch(svg))
            for (const auto& n :
                 number.globalMatch(m.captured(1) + ' ' + m.captured(2) + ' ' + m.captured(3))) {
                ++all;
                const double twice = n.captured().toDouble() * 2;
                offGrid += twice != std::round(twice);
            }
        EXPECT_GT(all, 1000);
        EXPECT_GT(offGrid * 2, all) << offGrid << " of " << all;
        const int dashes = static_cast<int>(svg.count(QStringLiteral("stroke-dasharray")));
        if (!c.dotted && c.connected)
            dashesOfPlainLine = dashes;
        if (c.dotted) {
            EXPECT_GT(dashes, dashesOfPlainLine);
        }
    }
}
