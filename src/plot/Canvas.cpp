// SPDX-License-Identifier: GPL-3.0-or-later
#include "Canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <algorithm>
#include <cstddef>
#include <cstring>

namespace {

// Products of two 33-bit deltas and a step index need more than 64 bits.
__extension__ typedef __int128 Wide;

Wide floorDiv(Wide a, Wide b) {
    Wide q = a / b;
    if (a % b != 0 && ((a < 0) != (b < 0)))
        --q;
    return q;
}

Wide ceilDiv(Wide a, Wide b) {
    Wide q = a / b;
    if (a % b != 0 && ((a < 0) == (b < 0)))
        ++q;
    return q;
}

// RGB32 pixels must be opaque.
QRgb opaque(QRgb color) {
    return color | 0xff000000u;
}

constexpr int kDotOn = PlotSurface::kDotOn;
constexpr int kDotPeriod = PlotSurface::kDotPeriod;

/** Walks count pixels of a line from p. The minor coordinate advances when the error term
    err (kept in [0, twoD)) reaches twoD; inc is twice the minor delta's magnitude. */
template <bool Dotted>
void walk(QRgb* p, std::int64_t count, std::ptrdiff_t majorStep, std::ptrdiff_t minorStep,
          std::int64_t err, std::int64_t inc, std::int64_t twoD, int phase, QRgb on, QRgb off) {
    for (std::int64_t n = 1;; ++n) {
        if constexpr (Dotted) {
            *p = phase < kDotOn ? on : off;
            if (++phase == kDotPeriod)
                phase = 0;
        } else {
            *p = on;
        }
        if (n == count)
            return; // before p could leave the image
        p += majorStep;
        err += inc;
        if (err >= twoD) {
            err -= twoD;
            p += minorStep;
        }
    }
}

} // namespace

// A narrow face at the 11 pixels of the classic 8-point dialog font: the frequency title under
// the thousand rule fits in the 55 pixels it has, and ten scale values of five characters
// stand apart.
QFont plotFont() {
    QFont font(QStringLiteral("Liberation Sans Narrow"));
    font.setPixelSize(11);
    font.setWeight(QFont::Normal);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

/** Texts are drawn into a private strip and copied into the image: a font, its metrics and
    a painter made once serve every text (making them costs more than the text itself), and
    no painter stays open on the image, which others may copy or paint between two texts.
    The scale labels of one plot are mostly those of the last: each text's width and the
    pixels of its whole box in the last colours are kept, so a text drawn again is a copy. */
struct Canvas::TextSurface {
    QFont font = plotFont();
    QFontMetrics metrics{font};
    QImage strip; ///< at least as large as the visible part of every text box so far
    QPainter painter;

    /** The pixels of a text's whole box, text on brush. */
    struct Box {
        QRgb text;
        QRgb brush;
        QImage pixels;
    };
    /** Texts measured and drawn lately; dropped whole when there are more than kKept, so
        the readout's ever-new texts keep the memory small. */
    static constexpr qsizetype kKept = 256;
    QHash<QString, int> advances;
    QHash<QString, Box> boxes;

    int advance(const QString& text) {
        auto it = advances.constFind(text);
        if (it != advances.constEnd())
            return *it;
        if (advances.size() >= kKept)
            advances.clear();
        return *advances.insert(text, metrics.horizontalAdvance(text));
    }

    /** Makes the strip at least width x height, the painter open on it. */
    void reserve(int width, int height) {
        if (painter.isActive() && width <= strip.width() && height <= strip.height())
            return;
        if (painter.isActive())
            painter.end();
        strip = QImage(std::max(width, strip.width()), std::max(height, strip.height()),
                       QImage::Format_RGB32);
        painter.begin(&strip);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
    }
};

Canvas::Canvas(QImage& image) : m_image(image) {
    Q_ASSERT(image.isNull() || image.format() == QImage::Format_RGB32);
}

Canvas::~Canvas() = default;

Canvas::TextSurface& Canvas::textSurface() const {
    if (!m_text)
        m_text = std::make_unique<TextSurface>();
    return *m_text;
}

Canvas::Raster Canvas::raster() {
    // bits() first: it gives the canvas its own copy of pixels that another image shares.
    QRgb* bits = reinterpret_cast<QRgb*>(m_image.bits());
    return {bits, m_image.bytesPerLine() / std::ptrdiff_t{sizeof(QRgb)}, m_image.width(),
            m_image.height()};
}

void Canvas::lineTo(std::int32_t x, std::int32_t y) {
    lineTo(raster(), x, y);
}

void Canvas::polylineTo(const CanvasPoint* points, int count) {
    const Raster r = raster();
    for (int i = 0; i < count; ++i) {
        // A line to where the pen stands paints nothing and keeps the dot pattern where it is.
        if (points[i].x == m_penX && points[i].y == m_penY)
            continue;
        lineTo(r, points[i].x, points[i].y);
    }
}

void Canvas::polylineTo(const CanvasPoint* points, int count, const PenStyle* styles) {
    const Raster r = raster();
    for (int i = 0; i < count; ++i) {
        setPenStyle(styles[i]);
        if (points[i].x != m_penX || points[i].y != m_penY)
            lineTo(r, points[i].x, points[i].y);
    }
}

void Canvas::lineTo(const Raster& raster, std::int32_t x, std::int32_t y) {
    const std::int64_t x0 = m_penX, y0 = m_penY;
    m_penX = x;
    m_penY = y;

    const std::int64_t dx = std::int64_t{x} - x0, dy = std::int64_t{y} - y0;
    const std::int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    const std::int64_t w = raster.width, h = raster.height;
    // A dotted polyline keeps its rhythm from segment to segment, so a curve sampled more
    // densely than the pixels still shows dots.
    const int phase = m_dotPhase;
    m_dotPhase = static_cast<int>((phase + std::max(adx, ady)) % kDotPeriod);
    if ((adx == 0 && ady == 0) || w <= 0 || h <= 0)
        return;

    // Step i of D paints major = major0 + i*sign, minor = minor0 + floor((2*i*dm + D) / (2*D)).
    const bool xMajor = adx >= ady;
    const std::int64_t d = xMajor ? adx : ady;
    const std::int64_t dm = xMajor ? dy : dx;
    const std::int64_t major0 = xMajor ? x0 : y0, minor0 = xMajor ? y0 : x0;
    const std::int64_t majorLen = xMajor ? w : h, minorLen = xMajor ? h : w;
    const int majorSign = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const std::ptrdiff_t stride = raster.stride;
    const std::ptrdiff_t majorUnit = xMajor ? 1 : stride, minorUnit = xMajor ? stride : 1;
    const std::int64_t twoD = 2 * d;

    std::int64_t first = 0, last = d - 1; // visible steps
    std::int64_t minorStart = minor0;
    std::int64_t err = d; // the remainder of 2*i*dm + D modulo 2*D, at step 0

    const bool inside =
        x0 >= 0 && x0 < w && y0 >= 0 && y0 < h && x >= 0 && x < w && y >= 0 && y < h;
    if (!inside) {
        // Steps whose major coordinate lies in the image.
        if (majorSign > 0) {
            first = std::max(first, -major0);
            last = std::min(last, majorLen - 1 - major0);
        } else {
            first = std::max(first, major0 - (majorLen - 1));
            last = std::min(last, major0);
        }
        if (first > last)
            return;
        // Steps whose minor offset f(i) lies in [lo, hi]: lo <= f(i) <=> 2*i*dm >= a and
        // f(i) <= hi <=> 2*i*dm <= b.
        const Wide lo = -minor0, hi = minorLen - 1 - minor0;
        const Wide a = Wide{twoD} * lo - d;
        const Wide b = Wide{twoD} * (hi + 1) - d - 1;
        const Wide c = Wide{2} * dm;
        Wide from = first, to = last;
        if (c > 0) {
            from = std::max(from, ceilDiv(a, c));
            to = std::min(to, floorDiv(b, c));
        } else if (c < 0) {
            from = std::max(from, ceilDiv(b, c));
            to = std::min(to, floorDiv(a, c));
        } else if (lo > 0 || hi < 0) {
            return;
        }
        if (from > to)
            return;
        first = static_cast<std::int64_t>(from);
        last = static_cast<std::int64_t>(to);
        // The error term exactly as the unclipped walk would have it at the first visible step.
        const Wide numerator = c * first + d;
        const Wide offset = floorDiv(numerator, twoD);
        minorStart = minor0 + static_cast<std::int64_t>(offset);
        err = static_cast<std::int64_t>(numerator - offset * twoD);
    }

    // A falling minor coordinate counts its error term from the other end of [0, 2*D), so
    // the walk always carries upwards.
    if (dm < 0)
        err = twoD - 1 - err;
    const std::int64_t majorStart = major0 + majorSign * first;
    const std::int64_t px = xMajor ? majorStart : minorStart;
    const std::int64_t py = xMajor ? minorStart : majorStart;
    QRgb* p = raster.bits + py * stride + px;
    const std::ptrdiff_t majorStep = majorSign * majorUnit;
    const std::ptrdiff_t minorStep = dm < 0 ? -minorUnit : minorUnit;
    const std::int64_t inc = 2 * (dm < 0 ? -dm : dm);
    const std::int64_t count = last - first + 1;
    if (m_penStyle == PenStyle::Dotted)
        walk<true>(p, count, majorStep, minorStep, err, inc, twoD,
                   static_cast<int>((phase + first) % kDotPeriod), opaque(m_penColor),
                   opaque(m_brushColor));
    else
        walk<false>(p, count, majorStep, minorStep, err, inc, twoD, 0, opaque(m_penColor), 0);
}

void Canvas::fill(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, QRgb color) {
    x1 = std::max<std::int64_t>(x1, 0);
    y1 = std::max<std::int64_t>(y1, 0);
    x2 = std::min<std::int64_t>(x2, width());
    y2 = std::min<std::int64_t>(y2, height());
    if (x1 >= x2 || y1 >= y2)
        return;
    const QRgb c = opaque(color);
    for (std::int64_t y = y1; y < y2; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(m_image.scanLine(static_cast<int>(y)));
        std::fill(row + x1, row + x2, c);
    }
}

void Canvas::rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    const std::int64_t left = std::min(x1, x2), right = std::max(x1, x2);
    const std::int64_t top = std::min(y1, y2), bottom = std::max(y1, y2);
    if (left == right || top == bottom)
        return;
    fill(left, top, right, bottom, m_brushColor);
    fill(left, top, right, top + 1, m_penColor);
    fill(left, bottom - 1, right, bottom, m_penColor);
    fill(left, top, left + 1, bottom, m_penColor);
    fill(right - 1, top, right, bottom, m_penColor);
}

void Canvas::setPixels(const CanvasPoint* points, int count, QRgb color) {
    const Raster r = raster();
    const QRgb pixel = opaque(color);
    for (int i = 0; i < count; ++i) {
        const CanvasPoint p = points[i];
        if (p.x >= 0 && p.y >= 0 && p.x < r.width && p.y < r.height)
            r.bits[p.y * r.stride + p.x] = pixel;
    }
}

QSize Canvas::textExtent(const QString& text) const {
    TextSurface& surface = textSurface();
    return {surface.advance(text), surface.metrics.height()};
}

QFont Canvas::font() const {
    return textSurface().font;
}

void Canvas::textOut(std::int32_t x, std::int32_t y, const QString& text) {
    TextSurface& surface = textSurface();
    const std::int64_t boxW = surface.advance(text);
    const std::int64_t boxH = surface.metrics.height();
    // The part of the box inside the image; a box entirely outside might have coordinates
    // that do not fit the painter's ints.
    const std::int64_t left = std::max<std::int64_t>(x, 0), top = std::max<std::int64_t>(y, 0);
    const std::int64_t right = std::min<std::int64_t>(std::int64_t{x} + boxW, width());
    const std::int64_t bottom = std::min<std::int64_t>(std::int64_t{y} + boxH, height());
    if (left >= right || top >= bottom)
        return;
    const int w = static_cast<int>(right - left), h = static_cast<int>(bottom - top);
    const QRgb ink = opaque(m_textColor), brush = opaque(m_brushColor);
    const auto copy = [&](const QImage& from) {
        for (int row = 0; row < h; ++row)
            std::memcpy(reinterpret_cast<QRgb*>(m_image.scanLine(static_cast<int>(top) + row)) +
                            left,
                        from.constScanLine(row), static_cast<std::size_t>(w) * sizeof(QRgb));
    };
    // A whole box drawn before in the same colours has the same pixels.
    const bool whole = left == x && top == y && w == boxW && h == boxH;
    if (whole) {
        const auto kept = surface.boxes.constFind(text);
        if (kept != surface.boxes.constEnd() && kept->text == ink && kept->brush == brush) {
            copy(kept->pixels);
            return;
        }
    }

    // The strip's top-left corner stands for (left, top): the text keeps its place on the
    // pixel grid, and what the glyphs paint outside the box is never copied, as a clip
    // to the box would have it.
    surface.reserve(w, h);
    for (int row = 0; row < h; ++row) {
        QRgb* line = reinterpret_cast<QRgb*>(surface.strip.scanLine(row));
        std::fill(line, line + w, brush);
    }
    surface.painter.setPen(QColor::fromRgb(ink));
    surface.painter.drawText(
        QPoint(static_cast<int>(x - left), static_cast<int>(y - top) + surface.metrics.ascent()),
        text);
    copy(surface.strip);
    if (whole) {
        if (surface.boxes.size() >= TextSurface::kKept)
            surface.boxes.clear();
        surface.boxes.insert(text, {ink, brush, surface.strip.copy(0, 0, w, h)});
    }
}
