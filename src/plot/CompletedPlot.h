// SPDX-License-Identifier: GPL-3.0-or-later
// A plot that ran to its end, kept as a value: every picture and file of it is made from it.
#pragma once

#include "PlotFrame.h"
#include "PlotRequest.h"
#include "PlotState.h"
#include "PlotSurface.h"
#include "PlotUnit.h"
#include "model/Model.h"

#include <cstdint>
#include <vector>

/** A sample of a curve: its frequency and value. */
struct CurveSample {
    double w;
    double v;
};

/** What was drawn of one curve, reduced so that its drawing at the picture's pixels is
    that of every sample: a line keeps, of each run of samples in one column (and one pen
    style), the first, the lowest, the highest and the last, in their order; points keep
    one sample per pixel of a run. So the samples kept grow with the picture, not with the
    number of samples swept. */
struct DrawnCurve {
    double start = 0;                 ///< the value at the interval's start, where a line begins
    std::vector<CurveSample> samples; ///< in the order of the sweep
    std::vector<PlotSurface::PenStyle> styles; ///< each sample's segment, for a dotted region
};

/** Collects the samples of one curve as they are drawn. */
class CurveReducer {
public:
    /** points: one sample per pixel; styled: the pen style of each segment is kept. */
    CurveReducer(DrawnCurve& curve, bool points, bool styled)
        : m_curve(curve), m_points(points), m_styled(styled) {}
    CurveReducer(const CurveReducer&) = delete;
    CurveReducer& operator=(const CurveReducer&) = delete;
    ~CurveReducer() { close(); }

    /** The sample (w, v) is drawn at pixel p with the given pen style. */
    void add(double w, double v, CanvasPoint p, PlotSurface::PenStyle style) {
        if (m_count > 0 && p.x == m_x && style == m_style && (!m_points || p.y == m_y)) {
            if (m_points)
                return;
            const Kept s{{w, v}, m_count++};
            if (v < m_low.sample.v)
                m_low = s;
            if (v > m_high.sample.v)
                m_high = s;
            m_last = s;
            return;
        }
        close();
        m_x = p.x;
        m_y = p.y;
        m_style = style;
        m_first = m_low = m_high = m_last = {{w, v}, 0};
        m_count = 1;
    }

private:
    struct Kept {
        CurveSample sample;
        std::int64_t index; ///< within its run
    };
    void close();

    DrawnCurve& m_curve;
    bool m_points;
    bool m_styled;
    std::int64_t m_count = 0; ///< samples in the open run
    std::int32_t m_x = 0;
    std::int32_t m_y = 0;
    PlotSurface::PenStyle m_style = PlotSurface::PenStyle::Solid;
    Kept m_first{}, m_low{}, m_high{}, m_last{};
};

/** A plot that ran to its end: what it was asked, the medium as it plotted it (in the
    picture's unit), its range and unit, the texts of its frame and what it drew of each
    curve. */
struct CompletedPlot {
    PlotRequest request;
    TModelParams medium;
    TPlotState PlotState;
    PlotUnit unit;
    FrameTexts texts;
    DrawnCurve im; ///< n''(w)
    DrawnCurve re; ///< n(w)
};

/** Draws the plot once more onto surface, as the command drew it: the background, the
    axes layer, both curves, the rulers and grids, the scale labels. */
void drawPlot(PlotSurface& surface, const CompletedPlot& plot);
