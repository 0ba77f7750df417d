// SPDX-License-Identifier: GPL-3.0-or-later
#include "VectorSurface.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cstdlib>

namespace {

QColor colorOf(QRgb rgb) {
    return QColor::fromRgb(rgb | 0xff000000u);
}

/** The centre of a pixel. */
QPointF centre(std::int64_t x, std::int64_t y) {
    return {static_cast<double>(x) + 0.5, static_cast<double>(y) + 0.5};
}
} // namespace

VectorSurface::VectorSurface(QPainter& painter, QSize size)
    : m_painter(painter), m_size(size), m_font(plotFont()) {
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setClipRect(QRect(QPoint(0, 0), size));
}

void VectorSurface::lineTo(std::int32_t x, std::int32_t y) {
    const std::int64_t x0 = m_penX, y0 = m_penY;
    m_penX = x;
    m_penY = y;
    const std::int64_t dx = std::int64_t{x} - x0, dy = std::int64_t{y} - y0;
    const std::int64_t steps = std::max(std::llabs(dx), std::llabs(dy));
    const int phase = m_dotPhase;
    m_dotPhase = static_cast<int>((phase + steps) % kDotPeriod);
    if (steps == 0)
        return;
    if (steps == 1) {
        // One pixel: a line of no length would show in no viewer.
        const bool gap = m_penStyle == PenStyle::Dotted && phase >= kDotOn;
        m_painter.fillRect(QRectF(x0, y0, 1, 1), colorOf(gap ? m_brushColor : m_penColor));
        return;
    }
    // The pixels a..b-1: from a's centre to one step short of b's, so b stays unpainted.
    const double back = 1.0 / static_cast<double>(steps);
    const QPointF from = centre(x0, y0);
    const QPointF to = centre(x0 + dx, y0 + dy) - QPointF(dx * back, dy * back);
    QPen pen(colorOf(m_penColor), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    pen.setCosmetic(true);
    if (m_penStyle == PenStyle::Dotted) {
        // The gaps take the brush colour: the whole line in it, the dots over it.
        QPen gaps = pen;
        gaps.setColor(colorOf(m_brushColor));
        m_painter.setPen(gaps);
        m_painter.drawLine(from, to);
        pen.setDashPattern({kDotOn, kDotPeriod - kDotOn});
        pen.setDashOffset(phase + 0.5);
        pen.setCapStyle(Qt::FlatCap);
    }
    m_painter.setPen(pen);
    m_painter.drawLine(from, to);
}

void VectorSurface::polylineTo(const CanvasPoint* points, int count) {
    for (int i = 0; i < count; ++i)
        lineTo(points[i].x, points[i].y);
}

void VectorSurface::polylineTo(const CanvasPoint* points, int count, const PenStyle* styles) {
    for (int i = 0; i < count; ++i) {
        setPenStyle(styles[i]);
        lineTo(points[i].x, points[i].y);
    }
}

void VectorSurface::rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    const QRectF box(QPointF(std::min(x1, x2), std::min(y1, y2)),
                     QPointF(std::max(x1, x2), std::max(y1, y2)));
    if (box.isEmpty())
        return;
    m_painter.fillRect(box, colorOf(m_brushColor));
    // The edge runs through the outermost pixels' centres.
    QPen pen(colorOf(m_penColor), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    pen.setCosmetic(true);
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
}

void VectorSurface::setPixels(const CanvasPoint* points, int count, QRgb color) {
    for (int i = 0; i < count; ++i)
        m_painter.fillRect(QRectF(points[i].x, points[i].y, 1, 1), colorOf(color));
}

QSize VectorSurface::textExtent(const QString& text) const {
    const QFontMetrics metrics(m_font);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

void VectorSurface::textOut(std::int32_t x, std::int32_t y, const QString& text) {
    const QFontMetrics metrics(m_font);
    const QSize box = textExtent(text);
    m_painter.fillRect(QRectF(x, y, box.width(), box.height()), colorOf(m_brushColor));
    m_painter.setFont(m_font);
    m_painter.setPen(colorOf(m_textColor));
    m_painter.drawText(QPointF(x, y + metrics.ascent()), text);
}

void VectorSurface::curve(const ExactCurve& curve) {
    const QColor color = colorOf(curve.color);
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    if (!curve.connected) {
        // A round dot of a pixel's width at each sample.
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(color);
        for (const QPointF& p : curve.points)
            m_painter.drawEllipse(p, 0.5, 0.5);
        m_painter.restore();
        return;
    }
    // One path for each run of segments in one pen style; the dotted ones dashed over the
    // brush colour, as the pixel picture paints their gaps.
    const QPen solid(color, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    QPen dashes(color, 1, Qt::CustomDashLine, Qt::FlatCap, Qt::RoundJoin);
    dashes.setDashPattern({kDotOn, kDotPeriod - kDotOn});
    QPen gaps = solid;
    gaps.setColor(colorOf(m_brushColor));
    const auto styleAt = [&](std::size_t i) {
        return curve.styles.empty() ? PenStyle::Solid : curve.styles[i];
    };
    m_painter.setBrush(Qt::NoBrush);
    QPointF from = curve.start;
    for (std::size_t i = 0; i < curve.points.size();) {
        const PenStyle style = styleAt(i);
        QPainterPath path(from);
        for (; i < curve.points.size() && styleAt(i) == style; ++i)
            path.lineTo(curve.points[i]);
        from = path.currentPosition();
        if (style == PenStyle::Dotted) {
            m_painter.strokePath(path, gaps);
            m_painter.strokePath(path, dashes);
        } else {
            m_painter.strokePath(path, solid);
        }
    }
    m_painter.restore();
}
