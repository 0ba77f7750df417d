// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/Canvas.h"

#include "QtPrinters.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using Pixel = std::pair<int, int>; // (x, y)
using Pixels = std::vector<Pixel>;

constexpr QRgb kUntouched = qRgb(0, 0, 0);
constexpr QRgb kPen = qRgb(255, 0, 0);
constexpr QRgb kBrush = qRgb(255, 255, 255);
constexpr QRgb kText = qRgb(0, 0, 255);

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

QImage blankImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kUntouched);
    return image;
}

void setColours(Canvas& canvas) {
    canvas.setPenColor(kPen);
    canvas.setBrushColor(kBrush);
    canvas.setTextColor(kText);
}

/** Every pixel that is no longer the untouched colour, row by row. */
Pixels painted(const QImage& image) {
    Pixels result;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kUntouched)
                result.emplace_back(x, y);
    return result;
}

Pixels sortedByRow(Pixels pixels) {
    std::sort(pixels.begin(), pixels.end(), [](Pixel a, Pixel b) {
        return std::pair(a.second, a.first) < std::pair(b.second, b.first);
    });
    return pixels;
}

/** The image as rows of characters: '.' untouched, 'P' pen, 'b' brush, '?' anything else. */
std::vector<std::string> picture(const QImage& image) {
    std::vector<std::string> rows;
    for (int y = 0; y < image.height(); ++y) {
        std::string row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            row += c == kUntouched ? '.' : c == kPen ? 'P' : c == kBrush ? 'b' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

/** The full line, step by step, with nothing clipped: the pixels and their dot colours.
    Only for moderate lengths (64-bit products). */
void naiveLine(QImage& image, std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
               bool dotted) {
    const std::int64_t dx = x1 - x0, dy = y1 - y0;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const std::int64_t d = xMajor ? std::abs(dx) : std::abs(dy);
    for (std::int64_t i = 0; i < d; ++i) {
        std::int64_t x, y;
        if (xMajor) {
            x = x0 + (dx < 0 ? -i : i);
            y = y0 + floorDiv(2 * i * dy + d, 2 * d);
        } else {
            y = y0 + (dy < 0 ? -i : i);
            x = x0 + floorDiv(2 * i * dx + d, 2 * d);
        }
        if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
            image.setPixel(int(x), int(y), !dotted || i % 6 < 3 ? kPen : kBrush);
    }
}

} // namespace

TEST(Canvas, LinesPaintTheRoundedStepsAndNeverTheEndPoint) {
    const struct {
        const char* name;
        int x0, y0, x1, y1;
        Pixels expected; // in the order of the steps
    } cases[] = {
        {"horizontal", 0, 47, 5, 47, {{0, 47}, {1, 47}, {2, 47}, {3, 47}, {4, 47}}},
        {"horizontal leftwards", 5, 3, 1, 3, {{5, 3}, {4, 3}, {3, 3}, {2, 3}}},
        {"vertical", 4, 2, 4, 6, {{4, 2}, {4, 3}, {4, 4}, {4, 5}}},
        {"vertical upwards", 4, 6, 4, 3, {{4, 6}, {4, 5}, {4, 4}}},
        {"diagonal", 10, 10, 13, 13, {{10, 10}, {11, 11}, {12, 12}}},
        {"anti-diagonal", 13, 10, 10, 13, {{13, 10}, {12, 11}, {11, 12}}},
        {"single step", 7, 7, 8, 8, {{7, 7}}},
        {"zero length", 7, 7, 7, 7, {}},
        // One octant each, all from (10, 10).
        {"ENE", 10, 10, 15, 12, {{10, 10}, {11, 10}, {12, 11}, {13, 11}, {14, 12}}},
        {"SSE", 10, 10, 12, 15, {{10, 10}, {10, 11}, {11, 12}, {11, 13}, {12, 14}}},
        {"SSW", 10, 10, 8, 15, {{10, 10}, {10, 11}, {9, 12}, {9, 13}, {8, 14}}},
        {"WSW", 10, 10, 5, 12, {{10, 10}, {9, 10}, {8, 11}, {7, 11}, {6, 12}}},
        {"WNW", 10, 10, 5, 8, {{10, 10}, {9, 10}, {8, 9}, {7, 9}, {6, 8}}},
        {"NNW", 10, 10, 8, 5, {{10, 10}, {10, 9}, {9, 8}, {9, 7}, {8, 6}}},
        {"NNE", 10, 10, 12, 5, {{10, 10}, {10, 9}, {11, 8}, {11, 7}, {12, 6}}},
        {"ESE", 10, 10, 15, 8, {{10, 10}, {11, 10}, {12, 9}, {13, 9}, {14, 8}}},
        // Half-way between two rows the lower row (greater y) wins, in either direction.
        {"tie forwards", 0, 0, 4, 1, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
        {"tie backwards", 4, 1, 0, 0, {{4, 1}, {3, 1}, {2, 1}, {1, 0}}},
        {"steep tie", 0, 0, 1, 4, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QImage image = blankImage(60, 60);
        Canvas canvas(image);
        setColours(canvas);
        canvas.moveTo(c.x0, c.y0);
        canvas.lineTo(c.x1, c.y1);
        EXPECT_EQ(painted(image), sortedByRow(c.expected));
    }
}

TEST(Canvas, ClippedLinesPaintWhatTheWholeLineWouldInsideTheImage) {
    // Lines up to about 5000 pixels long through a point in or near the image: ending
    // there, starting there, or reaching far beyond the image on both sides.
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> far(-2500, 2560), near(-8, 68);
    for (int n = 0; n < 300; ++n) {
        const int ax = near(random), ay = near(random);
        const int fx = far(random), fy = far(random);
        const bool through = n % 3 == 2, fromNear = n % 3 == 1;
        const int x0 = fromNear ? ax : fx, y0 = fromNear ? ay : fy;
        const int x1 = through ? 2 * ax - fx : fromNear ? fx : ax;
        const int y1 = through ? 2 * ay - fy : fromNear ? fy : ay;
        const bool dotted = n % 2 == 1;
        SCOPED_TRACE(testing::Message() << "(" << x0 << ", " << y0 << ") to (" << x1 << ", " << y1
                                        << (dotted ? ") dotted" : ")"));
        QImage expected = blankImage(61, 47);
        naiveLine(expected, x0, y0, x1, y1, dotted);
        QImage actual = blankImage(61, 47);
        Canvas canvas(actual);
        setColours(canvas);
        canvas.setPenStyle(dotted ? Canvas::PenStyle::Dotted : Canvas::PenStyle::Solid);
        canvas.line(x0, y0, x1, y1);
        ASSERT_EQ(picture(actual), picture(expected));
    }
}

TEST(Canvas, LinesWithCoordinatesNearTheLimitsOf32Bits) {
    const int side = 473;
    const struct {
        const char* name;
        std::int32_t x0, y0, x1, y1;
        Pixel start, step; // the visible pixels: start + k * step, for k = 0 .. side - 1
    } cases[] = {
        // The plot's wrapped coordinates: 4e9 rows, 400 columns across them.
        {"wrapped steep", 0, -2000000000, 400, 2000000000, {200, 0}, {0, 1}},
        {"wrapped steep upwards", 400, 2000000000, 0, -2000000000, {200, side - 1}, {0, -1}},
        {"full diagonal", kMin, kMin, kMax, kMax, {0, 0}, {1, 1}},
        {"full diagonal backwards", kMax, kMax, kMin, kMin, {side - 1, side - 1}, {-1, -1}},
        {"anti-diagonal", kMax, side - 1 - kMax, side - 1 - kMax, kMax, {side - 1, 0}, {-1, 1}},
        {"full width", kMin, 100, kMax, 110, {0, 105}, {1, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Pixels expected;
        for (int k = 0; k < side; ++k)
            expected.emplace_back(c.start.first + k * c.step.first,
                                  c.start.second + k * c.step.second);
        QImage image = blankImage(side, side);
        Canvas canvas(image);
        setColours(canvas);
        canvas.line(c.x0, c.y0, c.x1, c.y1);
        EXPECT_EQ(painted(image), sortedByRow(expected));
    }
}

TEST(Canvas, DottedLinesAlternateThreePenAndThreeBrushPixels) {
    QImage image = blankImage(22, 6);
    Canvas canvas(image);
    setColours(canvas);
    canvas.setPenStyle(Canvas::PenStyle::Dotted);
    canvas.line(0, 0, 20, 0);
    canvas.line(21, 1, 1, 1); // leftwards: the pattern runs from x = 21
    canvas.line(0, 3, 4, 3);  // a polyline carries the pattern on
    canvas.lineTo(11, 3);
    canvas.line(-4, 5, 10, 5); // clipped: counted from x = -4
    const std::vector<std::string> expected = {
        "PPPbbbPPPbbbPPPbbbPP..", //
        "..PPbbbPPPbbbPPPbbbPPP", //
        "......................", //
        "PPPbbbPPPbb...........", //
        "......................", //
        "bbPPPbbbPP............", //
    };
    EXPECT_EQ(picture(image), expected);
}

TEST(Canvas, RectangleFillsWithTheBrushAndEdgesWithASolidPen) {
    const struct {
        const char* name;
        std::int32_t x1, y1, x2, y2;
        std::vector<std::string> expected;
    } cases[] = {
        {"inside",
         2,
         1,
         7,
         5,
         {"........", "..PPPPP.", "..PbbbP.", "..PbbbP.", "..PPPPP.", "........"}},
        {"swapped corners",
         7,
         5,
         2,
         1,
         {"........", "..PPPPP.", "..PbbbP.", "..PbbbP.", "..PPPPP.", "........"}},
        {"clipped top left",
         -3,
         -3,
         4,
         3,
         {"bbbP....", "bbbP....", "PPPP....", "........", "........", "........"}},
        {"one column",
         3,
         1,
         4,
         4,
         {"........", "...P....", "...P....", "...P....", "........", "........"}},
        {"empty",
         3,
         1,
         3,
         4,
         {"........", "........", "........", "........", "........", "........"}},
        {"beyond every edge",
         kMin,
         kMin,
         kMax,
         kMax,
         {"bbbbbbbb", "bbbbbbbb", "bbbbbbbb", "bbbbbbbb", "bbbbbbbb", "bbbbbbbb"}},
        {"whole image",
         0,
         0,
         8,
         6,
         {"PPPPPPPP", "PbbbbbbP", "PbbbbbbP", "PbbbbbbP", "PbbbbbbP", "PPPPPPPP"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QImage image = blankImage(8, 6);
        Canvas canvas(image);
        setColours(canvas);
        canvas.setPenStyle(Canvas::PenStyle::Dotted); // the edge is solid all the same
        canvas.rectangle(c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(picture(image), c.expected);
    }
}

TEST(Canvas, SetPixelPaintsOnlyInsideTheImage) {
    const struct {
        std::int32_t x, y;
        Pixels expected;
    } cases[] = {
        {0, 0, {{0, 0}}}, {4, 2, {{4, 2}}}, {-1, 0, {}},   {0, -1, {}},
        {5, 0, {}},       {0, 3, {}},       {kMin, 1, {}}, {1, kMax, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.x << ", " << c.y << ")");
        QImage image = blankImage(5, 3);
        Canvas canvas(image);
        canvas.setPixel(c.x, c.y, kPen);
        EXPECT_EQ(painted(image), c.expected);
        if (!c.expected.empty()) {
            EXPECT_EQ(image.pixel(c.x, c.y), kPen);
        }
    }
}

TEST(Canvas, TextIsWrittenOnAnOpaqueBoxOfItsExtent) {
    const struct {
        const char* name;
        std::int32_t x, y;
        QString text;
    } cases[] = {
        {"inside", 5, 7, QStringLiteral("Wo")},
        {"Cyrillic", 20, 10, QStringLiteral("W,Гц")},
        {"over the top left corner", -3, -4, QStringLiteral("n(w) x10(-5)")},
        {"over the bottom right corner", 90, 30, QStringLiteral("0,25")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QImage image = blankImage(100, 40);
        Canvas canvas(image);
        setColours(canvas);
        const QSize box = canvas.textExtent(c.text);
        ASSERT_GT(box.width(), 0);
        // Near the 11-pixel height of the surface's font.
        EXPECT_GE(box.height(), 11);
        EXPECT_LE(box.height(), 16);
        canvas.textOut(c.x, c.y, c.text);
        const QRect area = QRect(c.x, c.y, box.width(), box.height()) & image.rect();
        int textPixels = 0, strayPixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (!area.contains(x, y))
                    strayPixels += pixel != kUntouched;
                else if (pixel == kText)
                    ++textPixels;
                else
                    // Crisp glyphs: nothing between the text and the box colour.
                    EXPECT_EQ(pixel, kBrush) << "at (" << x << ", " << y << ")";
            }
        }
        EXPECT_GT(textPixels, 0);
        EXPECT_EQ(strayPixels, 0);
    }
}

TEST(Canvas, TextFarOutsideTheImagePaintsNothing) {
    QImage image = blankImage(20, 20);
    Canvas canvas(image);
    setColours(canvas);
    canvas.textOut(kMax, kMax, QStringLiteral("Wo"));
    canvas.textOut(kMin, kMin, QStringLiteral("Wo"));
    canvas.textOut(-100, 5, QStringLiteral("Wo"));
    EXPECT_EQ(painted(image), Pixels{});
}

TEST(Canvas, PenBrushAndTextColoursAndThePenPositionPersist) {
    QImage image = blankImage(8, 6);
    Canvas canvas(image);
    setColours(canvas);
    canvas.setPenStyle(Canvas::PenStyle::Dotted);
    canvas.rectangle(0, 0, 8, 6);
    canvas.textOut(100, 100, QStringLiteral("x"));
    canvas.setPixel(0, 0, qRgb(1, 2, 3));
    EXPECT_EQ(canvas.penColor(), kPen);
    EXPECT_EQ(canvas.brushColor(), kBrush);
    EXPECT_EQ(canvas.textColor(), kText);
    EXPECT_EQ(canvas.penStyle(), Canvas::PenStyle::Dotted);

    // A polyline goes on from where the last line ended, still dotted, in the same rhythm.
    image.fill(kUntouched);
    canvas.moveTo(1, 1);
    canvas.lineTo(1, 5);
    canvas.lineTo(7, 5);
    const std::vector<std::string> expected = {
        "........", ".P......", ".P......", ".P......", ".b......", ".bbPPPb.",
    };
    EXPECT_EQ(picture(image), expected);
}

TEST(Canvas, TextsArePaintedAsAPainterClippedToTheirBoxPaintsThem) {
    constexpr QRgb kOtherText = qRgb(0, 128, 0), kOtherBrush = qRgb(255, 255, 0);
    const struct {
        const char* name;
        std::int32_t x, y;
        const char* text;
        QRgb textColor, brushColor;
    } texts[] = {
        // One canvas writes them all in turn: a wide text, then a narrow one on it.
        {"wide", 3, 2, "n(w) x10(-5)", kText, kBrush},
        {"narrow over the wide", 3, 2, "Wo", kText, kBrush},
        {"colours changed", 40, 20, "W,Гц", kOtherText, kOtherBrush},
        {"over the top left corner", -3, -4, "1,5", kText, kBrush},
        {"over the right edge", 62, 30, "12,5", kOtherText, kBrush},
        {"over the bottom edge", 20, 45, "-0,75", kText, kOtherBrush},
        {"over the bottom right corner", 66, 50, "0,25", kText, kBrush},
        {"left of the image, but for its last pixels", -18, 30, "W,Гц x10(15)", kText, kBrush},
        // Texts written before, again: a kept box must be the one a painter gives here.
        {"the wide again elsewhere", 5, 40, "n(w) x10(-5)", kText, kBrush},
        {"the wide again in other colours", 5, 26, "n(w) x10(-5)", kOtherText, kBrush},
        {"the wide again on another brush", 5, 12, "n(w) x10(-5)", kOtherText, kOtherBrush},
        {"the wide again over the right edge", 40, 2, "n(w) x10(-5)", kOtherText, kOtherBrush},
        {"colours as kept before", 44, 40, "W,Гц", kOtherText, kOtherBrush},
    };
    QImage actual = blankImage(70, 56);
    QImage expected = blankImage(70, 56);
    Canvas canvas(actual);
    for (const auto& t : texts) {
        SCOPED_TRACE(t.name);
        const QString text = QString::fromUtf8(t.text);
        canvas.setTextColor(t.textColor);
        canvas.setBrushColor(t.brushColor);
        canvas.textOut(t.x, t.y, text);

        const QRect box(QPoint(t.x, t.y), canvas.textExtent(text));
        QPainter painter(&expected);
        painter.fillRect(box, QColor::fromRgb(t.brushColor));
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setClipRect(box);
        painter.setFont(canvas.font());
        painter.setPen(QColor::fromRgb(t.textColor));
        painter.drawText(QPoint(t.x, t.y + QFontMetrics(canvas.font()).ascent()), text);
        painter.end();
        ASSERT_EQ(actual, expected);
    }
}
