// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/PlotFrame.h"
#include "QtPrinters.h"
#include "model/Errors.h"
#include "model/Model.h"
#include "model/ScaledValue.h"
#include "plot/Canvas.h"
#include "plot/PlotState.h"
#include "plot/PlotUnit.h"
#include "plot/VectorSurface.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

constexpr int kSide = 473;
constexpr QRgb kBackground = qRgb(0, 0, 0);
constexpr QRgb kAxes = qRgb(255, 255, 255);
constexpr QRgb kGrid = qRgb(0, 128, 0);
constexpr QRgb kLabel = qRgb(255, 255, 0);
constexpr QRgb kLeftOver = qRgb(255, 0, 255); // a text colour some earlier command left

struct Text {
    int x;
    int y;
    const char* text;
};

/** The background with texts written in order, as the frame should have written them. */
QImage expectedTexts(const std::vector<Text>& texts, QRgb textColor) {
    QImage image(kSide, kSide, QImage::Format_RGB32);
    Canvas canvas(image);
    canvas.setBrushColor(kBackground);
    canvas.setPenColor(kBackground);
    canvas.rectangle(0, 0, kSide, kSide);
    canvas.setTextColor(textColor);
    for (const Text& t : texts)
        canvas.textOut(t.x, t.y, QString::fromUtf8(t.text));
    return image;
}

::testing::AssertionResult sameIn(const QImage& actual, const QImage& expected, QRect region) {
    region &= actual.rect();
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return ::testing::AssertionFailure()
                       << "first difference at (" << x << ", " << y << ")";
    return ::testing::AssertionSuccess();
}

int countIn(const QImage& image, QRect region, QRgb color) {
    int n = 0;
    region &= image.rect();
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            n += image.pixel(x, y) == color;
    return n;
}

class PlotFrame : public ::testing::Test {
protected:
    // An automatic plot of w0 = 5 x 10^2: interval 0 to 1000, vertical axis on the left edge.
    void SetUp() override {
        PlotState.FreqTo = 1000;
        PlotState.FreqScale = 0.473;
        PlotState.PlotWidth = kSide;
        PlotState.PlotHeight = kSide;
        PlotState.OriginY = 100;
        settings.AxesColor = kAxes;
        settings.GridColor = kGrid;
        settings.BackgroundColor = kBackground;
        settings.LabelFontColor = kLabel;
        image.fill(kLeftOver);
        canvas.setTextColor(kLeftOver);
        DrawPlotBackground(canvas, settings);
    }

    QRgb at(int x, int y) const { return image.pixel(x, y); }

    /** The unit of a plot of w0 = omega0 Hz as the texts type it, on a typed interval. */
    PlotUnit unit(bool automatic = false) const {
        return PlotUnit::decide(omega0, automatic, texts.mantissaW0, texts.exponentW0,
                                texts.decimalSeparator);
    }
    void drawAxes(bool connected) {
        DrawAxesLayer(canvas, settings, connected, PlotState, unit(), texts);
    }
    int textHeight() const { return canvas.textExtent(QStringLiteral("W")).height(); }

    QImage image{kSide, kSide, QImage::Format_RGB32};
    Canvas canvas{image};
    PlotSettings settings;
    TPlotState PlotState;
    double omega0 = 500;
    FrameTexts texts{QStringLiteral("5"), QStringLiteral("2"),
                     QStringLiteral("-5,29789976184937E2"), QStringLiteral("5,29789976184937E2"),
                     QLatin1Char(',')};
};

} // namespace

TEST_F(PlotFrame, BackgroundCoversTheImageAndStaysTheBrush) {
    EXPECT_EQ(image, expectedTexts({}, kLabel));
    EXPECT_EQ(canvas.brushColor(), kBackground);
}

TEST_F(PlotFrame, AxesStandAtTheOrigins) {
    settings.TitleOX = settings.TitleOY = settings.MarkOmega0 = false;
    const struct { int originX, originY; } cases[] = {{0, 236}, {100, 300}, {-5, 50}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.originX);
        DrawPlotBackground(canvas, settings);
        PlotState.OriginX = c.originX;
        PlotState.OriginY = c.originY;
        drawAxes(true);
        const int column = c.originX < 0 ? 0 : c.originX;
        const int painted = c.originX < 0 ? 0 : kSide - 2; // drawn upwards: row 0 is its end
        EXPECT_EQ(countIn(image, QRect(column, 0, 1, kSide), kAxes), painted + 1);
        EXPECT_NE(at(column, 0), kAxes);
        EXPECT_EQ(countIn(image, QRect(0, c.originY, kSide, 1), kAxes), kSide);
    }
}

TEST_F(PlotFrame, ArrowHeadPointsRightInBothModes) {
    settings.TitleOX = settings.TitleOY = settings.MarkOmega0 = false;
    PlotState.PlotWidth = 400; // brings the tip inside the image
    QImage expected = expectedTexts({}, kLabel);
    Canvas reference(expected);
    reference.setPenColor(kAxes);
    reference.line(0, 100, 400, 100);
    reference.line(400, 100, 390, 95);
    reference.line(400, 100, 390, 105);
    for (const bool connected : {true, false}) {
        DrawPlotBackground(canvas, settings);
        drawAxes(connected);
        EXPECT_TRUE(sameIn(image, expected, QRect(380, 90, 40, 20))) << connected;
    }
}

TEST_F(PlotFrame, PointModeDrawsTheArrowHeadOverTheMarkerText) {
    settings.TitleOX = settings.TitleOY = false;
    // "Wo" lands on the arrow head: x = 453 + 10, y = 236 + 10.
    PlotState.FreqScale = 1;
    PlotState.OriginY = 246;
    omega0 = 453;
    QImage arrow = expectedTexts({}, kLabel);
    Canvas reference(arrow);
    reference.setPenColor(kAxes);
    reference.line(kSide, 246, kSide - 10, 241);
    reference.line(kSide, 246, kSide - 10, 251);
    for (const bool connected : {true, false}) {
        DrawPlotBackground(canvas, settings);
        drawAxes(connected);
        int covered = 0;
        for (int y = 236; y < 256; ++y)
            for (int x = 460; x < kSide; ++x)
                covered += arrow.pixel(x, y) == kAxes && at(x, y) != kAxes;
        EXPECT_EQ(covered > 0, connected) << covered;
    }
}

TEST_F(PlotFrame, AxisTitles) {
    settings.MarkOmega0 = false;
    const struct {
        bool connected, titleOX, titleOY;
        double omega0;
        const char* exponentW0;
        const char* rangeMax;
        int offsetOX; // left of PlotWidth
        const char* titleOXText;
        const char* titleOYText;
    } cases[] = {
        {true, true, true, 500, "2", "5,29789976184937E2", 40, "W,Гц", "n(w),n\"(w) x10(2)"},
        {false, true, true, 999.99, "2", "1,5E20", 30, "W", "n(w),n\"(w) x10(20)"},
        {true, true, true, 1000, "15", "2,5E-5", 55, "Wx10(15),Гц", "n(w),n\"(w) x10(-5)"},
        {false, true, true, 3000, "15", "", 45, "Wx10(15)", "n(w),n\"(w) x10()"},
        // A negative fractional exponent: the title, 67 pixels wide, ends at the right edge.
        {true, true, true, 1000, "-14,25", "2,5E-5", 67, "Wx10(-14,25),Гц", "n(w),n\"(w) x10(-5)"},
        // A range text without an exponent gives its last two characters, or its only one.
        {true, true, true, 500, "2", "1,25", 40, "W,Гц", "n(w),n\"(w) x10(25)"},
        {true, true, true, 500, "2", "7", 40, "W,Гц", "n(w),n\"(w) x10(7)"},
        {true, false, false, 1000, "15", "2,5E-5", 55, nullptr, nullptr},
        {false, false, false, 500, "2", "2,5E-5", 30, nullptr, nullptr},
    };
    const QRect bandOX(kSide - 80, 110, 80, textHeight());
    const QRect bandOY(15, 10, kSide - 15, textHeight());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rangeMax);
        settings.TitleOX = c.titleOX;
        settings.TitleOY = c.titleOY;
        omega0 = c.omega0;
        texts.exponentW0 = QString::fromUtf8(c.exponentW0);
        texts.rangeMax = QString::fromUtf8(c.rangeMax);
        canvas.setTextColor(kLeftOver);
        DrawPlotBackground(canvas, settings);
        drawAxes(c.connected);

        std::vector<Text> titles;
        if (c.titleOXText) {
            titles.push_back({kSide - c.offsetOX, 110, c.titleOXText});
            EXPECT_LE(canvas.textExtent(QString::fromUtf8(c.titleOXText)).width(), c.offsetOX)
                << "the title fits the image";
        }
        if (c.titleOYText)
            titles.push_back({20, 10, c.titleOYText});
        const QImage expected = expectedTexts(titles, kLabel);
        EXPECT_EQ(countIn(expected, bandOY, kLabel) > 0, c.titleOY);
        EXPECT_TRUE(sameIn(image, expected, bandOX));
        EXPECT_TRUE(sameIn(image, expected, bandOY));
    }
}

TEST_F(PlotFrame, Omega0MarkerIsDottedWithItsText) {
    settings.TitleOX = settings.TitleOY = false;
    // 473 x 0.5 = 236.5 rounds to the even 236; "Wo" stands at 236 + 10, 236 + 10.
    PlotState.FreqScale = 0.5;
    omega0 = 473;
    const QImage expected = expectedTexts({{246, 246, "Wo"}}, kLabel);
    const QRect textBand(241, 246, 60, textHeight());
    for (const bool connected : {true, false}) {
        for (const bool mark : {true, false}) {
            SCOPED_TRACE(connected * 10 + mark);
            settings.MarkOmega0 = mark;
            DrawPlotBackground(canvas, settings);
            drawAxes(connected);
            const int dots = countIn(image, QRect(236, 0, 1, kSide), kAxes);
            EXPECT_EQ(dots > 100 && dots < kSide - 100, mark) << dots;    // dotted, not solid
            EXPECT_EQ(countIn(image, QRect(237, 0, 1, kSide), kAxes), 1); // the axis only
            EXPECT_EQ(static_cast<bool>(sameIn(image, expected, textBand)), mark);
            EXPECT_EQ(canvas.penStyle(), Canvas::PenStyle::Solid); // the curves follow
        }
    }
}

TEST_F(PlotFrame, RulerAndTicksSitAtTenthsOfTheImage) {
    settings.OuterGrid = settings.InnerGrid = false;
    DrawRulersAndGrid(canvas, settings, PlotState);
    EXPECT_EQ(countIn(image, QRect(1, 0, 1, kSide), kAxes), kSide);
    for (const int y : {47, 94, 141, 188, 282, 329, 376, 423}) {
        SCOPED_TRACE(y);
        EXPECT_EQ(countIn(image, QRect(0, y, 6, 1), kAxes), 5);
        EXPECT_EQ(countIn(image, QRect(0, y - 1, 6, 3), kAxes), 7); // the ruler above and below
    }
    EXPECT_EQ(countIn(image, QRect(0, 230, 10, 12), kAxes), 12); // no tick at mid-height
    for (int i = 1; i <= 9; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(countIn(image, QRect(47 * i, 231, 1, 10), kAxes), 10);
        EXPECT_EQ(countIn(image, QRect(47 * i - 1, 229, 3, 14), kAxes), 10);
    }
}

TEST_F(PlotFrame, RulersNeedNoPlotBeforeThem) {
    PlotState = {}; // an interval rejected before any plot
    settings.OuterGrid = settings.InnerGrid = false;
    DrawRulersAndGrid(canvas, settings, PlotState);
    EXPECT_EQ(countIn(image, QRect(0, 423, 5, 1), kAxes), 5);
    EXPECT_EQ(countIn(image, QRect(423, 231, 1, 10), kAxes), 10);
}

TEST_F(PlotFrame, OuterGridIsTenPixelsInside) {
    settings.InnerGrid = false;
    DrawRulersAndGrid(canvas, settings, PlotState);
    const struct {
        int x, y, outX, outY; // a corner and the pixel diagonally outside it
    } corners[] = {{10, 10, 9, 9}, {463, 10, 464, 9}, {463, 463, 464, 464}, {10, 463, 9, 464}};
    for (const auto& c : corners) {
        SCOPED_TRACE(c.x * 1000 + c.y);
        EXPECT_EQ(at(c.x, c.y), kGrid); // each side starts with a dot
        EXPECT_NE(at(c.outX, c.y), kGrid);
        EXPECT_NE(at(c.x, c.outY), kGrid);
    }
    for (const QRect side : {QRect(10, 10, 454, 1), QRect(463, 10, 1, 454), QRect(10, 463, 454, 1),
                             QRect(10, 10, 1, 454)})
        EXPECT_GT(countIn(image, side, kGrid), 454 / 3);
    EXPECT_EQ(countIn(image, QRect(11, 11, 452, 452), kGrid), 0);
}

TEST_F(PlotFrame, InnerGridLeavesMidHeightToTheTicks) {
    settings.OuterGrid = false;
    DrawRulersAndGrid(canvas, settings, PlotState);
    for (int i = 1; i <= 9; ++i) {
        SCOPED_TRACE(i);
        const int gridRow = countIn(image, QRect(11, 47 * i, 450, 1), kGrid);
        EXPECT_EQ(gridRow > 450 / 3, i != 5) << gridRow;
        EXPECT_GT(countIn(image, QRect(47 * i, 11, 1, 450), kGrid), 450 / 3);
        EXPECT_EQ(countIn(image, QRect(47 * i + 1, 11, 46, 1), kGrid), 0);
    }
}

TEST_F(PlotFrame, ScaleLabels) {
    // The ten-point set: the w0 label at w0x, the nine frequency values under the inner tenths
    // of the side, then the nine values beside them down the left edge (none without a range).
    using Nine = std::array<const char*, 9>;
    const auto tenPoints = [](int w0x, const char* w0, Nine frequencies, Nine values = {}) {
        constexpr int kTenths[] = {47, 95, 142, 189, 236, 284, 331, 378, 426};
        std::vector<Text> all{{w0x, 261, w0}};
        for (int i = 0; i < 9; ++i)
            all.push_back({kTenths[i], 261, frequencies[i]});
        for (int i = 0; i < 9 && values[i]; ++i)
            all.push_back({10, kTenths[i], values[i]});
        return all;
    };
    // The interval 0 to 1000 under the w0 label "5".
    const Nine kHundreds = {"100", "200", "300", "400", "500", "600", "700", "800", "900"};
    constexpr bool kManual = false, kAutomatic = true;
    const struct {
        int count;
        const char *mantissa, *exponent, *rangeMin, *rangeMax;
        char separator;
        bool automatic;
        double freqFrom, freqTo, freqScale;
        std::vector<Text> labels;
    } cases[] = {
        // clang-format off
        // A two-digit exponent: the four-character prefix is the whole rule; the minimum
        // keeps as many digits, its minus sign aside.
        {2, "5", "2", "-1,23456789012345E27", "1,23456789012345E27", ',', kManual, 0, 1000, 0.473,
         tenPoints(236, "5", kHundreds, {"0,984", "0,738", "0,492", "0,246", "0", "-0,246", "-0,492", "-0,738", "-0,984"})},
        // The prefix is taken from the mantissa: "5,29" of 5,29789976184937E2, not "5,2".
        {2, "5", "2", "-5,29789976184937E2", "5,29789976184937E2", ',', kManual, 0, 1000, 0.473,
         tenPoints(236, "5", kHundreds, {"4,232", "3,174", "2,116", "1,058", "0", "-1,058", "-2,116", "-3,174", "-4,232"})},
        // A medium of negative concentration: the maximum carries the minus sign.
        {2, "5", "2", "5,29789976184937E2", "-5,29789976184937E2", ',', kManual, 0, 1000, 0.473,
         tenPoints(236, "5", kHundreds, {"-4,232", "-3,174", "-2,116", "-1,058", "0", "1,058", "2,116", "3,174", "4,232"})},
        // The rows at 0,4 and 0,6 of the height hold a fifth of the range's ends, written
        // from the mantissa of "2,5E-5" (whose first four characters are no number).
        {1, "5", "2", "-2,5E-5", "2,5E-5", ',', kManual, 0, 1000, 0.473,
         {{236, 261, "500"}, {95, 261, "200"}, {378, 261, "800"}, {10, 189, "0,5"}, {10, 284, "-0,5"}}},
        {0, "5", "2", "-1.5E20", "1.5E20", '.', kManual, 0, 1000, 0.473,
         {{236, 261, "500"}, {236, 261, "500"}, {10, 189, "0.3"}}},
        // A range widened upwards: the ends in the maximum's power of ten, to the hundredths
        // (1,99 and -0,5 x 10^3), the zero row where the range puts it.
        {2, "5", "2", "-5E2", "1,99999E3", ',', kManual, 0, 1000, 0.473,
         tenPoints(236, "5", kHundreds, {"1,741", "1,492", "1,243", "0,994", "0,745", "0,496", "0,247", "-0,002", "-0,251"})},
        // w0 in the unit of its neighbours: 5 x 10^2 is 500 Hz between 440 and 560.
        {1, "5", "2", "", "", ',', kManual, 400, 600, 2.36,
         {{236, 261, "500"}, {95, 261, "440"}, {378, 261, "560"}}},
        // No range yet: the value labels are left out.
        {2, "5", "2", "", "", ',', kManual, 0, 1000, 0.473, tenPoints(236, "5", kHundreds)},
        {2, "5", "2", "-1", "", ',', kManual, 0, 1000, 0.473, tenPoints(236, "5", kHundreds)},
        // The thousand rule on an automatic interval: w0 = 3 x 10^15 plots 3000 in units of
        // 10^12 Hz, and the labels are in thousands of them.
        {2, "3", "15", "", "", ',', kAutomatic, 1500, 4500, 0.1,
         tenPoints(150, "3", {"1,8", "2,1", "2,4", "2,7", "3", "3,3", "3,6", "3,9", "4,2"})},
        // The mantissa as a number, however typed.
        {0, "3,00", "15", "", "", ',', kAutomatic, 1500, 4500, 0.1, {{150, 261, "3"}, {236, 261, "3"}}},
        // On a typed interval in hertz: the values in units of 10^15 Hz, as the title says,
        // and the w0 label under the marker at 3E15 Hz.
        {2, "3", "15", "", "", ',', kManual, 0, 6e15, 1e-13,
         tenPoints(300, "3", {"0,6", "1,2", "1,8", "2,4", "3", "3,6", "4,2", "4,8", "5,4"})},
        // A negative exponent: 2000000 x 10^-1 Hz is read back as 2000000 on that scale.
        {0, "2000000", "-1", "", "", ',', kManual, 0, 4e5, 0.001,
         {{200, 261, "2000000"}, {236, 261, "2000000"}}},
        // 1 x 10^3 is exactly 1000, which already falls under the rule.
        {0, "1", "3", "", "", ',', kAutomatic, 700, 1300, 0.5, {{150, 261, "1"}, {236, 261, "1"}}},
        {0, "999", "0", "", "", ',', kManual, 0, 1000, 0.2, {{200, 261, "999"}, {236, 261, "500"}}},
        {0, "0,5", "1", "", "", ',', kManual, 0, 10, 47.3, {{236, 261, "5"}, {236, 261, "5"}}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.mantissa) + " " + c.rangeMax + (c.automatic ? " auto" : ""));
        settings.LabelPointCount = c.count;
        texts = {QString::fromUtf8(c.mantissa), QString::fromUtf8(c.exponent),
                 QString::fromUtf8(c.rangeMin), QString::fromUtf8(c.rangeMax),
                 QLatin1Char(c.separator)};
        PlotState.FreqFrom = c.freqFrom;
        PlotState.FreqTo = c.freqTo;
        PlotState.FreqScale = c.freqScale;
        omega0 = ScaledValue(texts.mantissaW0, texts.exponentW0, texts.decimalSeparator);
        DrawPlotBackground(canvas, settings);
        canvas.setTextColor(kLeftOver); // the labels keep the colour the canvas has
        DrawScaleLabels(canvas, settings, PlotState, unit(c.automatic), texts);
        EXPECT_TRUE(sameIn(image, expectedTexts(c.labels, kLeftOver), image.rect()));
    }
}

TEST_F(PlotFrame, TitleAndScaleValuesFitTheImage) {
    // The frequency title under the thousand rule stands 55 pixels (45 in point mode) left
    // of the right edge; the ten frequency values stand 47 or 48 pixels apart.
    EXPECT_LE(canvas.textExtent(QStringLiteral("Wx10(15),Гц")).width(), 55);
    EXPECT_LE(canvas.textExtent(QStringLiteral("Wx10(15)")).width(), 45);
    EXPECT_LT(canvas.textExtent(QStringLiteral("1,234")).width(), 47);
    EXPECT_LT(canvas.textExtent(QStringLiteral("-1,234")).width(), 47);
}

TEST_F(PlotFrame, ScaleLabelsRefuseAW0ThatIsNoNumber) {
    const struct {
        const char *mantissa, *exponent, *refused;
    } cases[] = {{"abc", "2", "abc"}, {"5", "2,5x", "2,5x"}, {"", "2", ""}};
    for (const auto& c : cases) {
        texts.mantissaW0 = QString::fromUtf8(c.mantissa);
        texts.exponentW0 = QString::fromUtf8(c.exponent);
        try {
            DrawScaleLabels(canvas, settings, PlotState, PlotUnit(), texts);
            ADD_FAILURE() << "accepted " << c.mantissa << " x 10^" << c.exponent;
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.text(), QStringLiteral("'%1' is not a valid floating point value")
                                    .arg(QString::fromUtf8(c.refused)));
        }
    }
}

// The vector drawing of a frame, rasterised, stands on the pixels of the canvas's: the same
// lines, ticks, grids and texts at the same places. Only where a dotted line begins may the
// two renderings of its first dot differ.
TEST_F(PlotFrame, VectorDrawingLiesOnThePixelDrawing) {
    const auto frame = [&](PlotSurface& surface) {
        DrawPlotBackground(surface, settings);
        DrawAxesLayer(surface, settings, true, PlotState, unit(), texts);
        DrawRulersAndGrid(surface, settings, PlotState);
        DrawScaleLabels(surface, settings, PlotState, unit(), texts);
    };
    frame(canvas);
    QImage vector(kSide, kSide, QImage::Format_RGB32);
    vector.fill(kLeftOver);
    {
        QPainter painter(&vector);
        VectorSurface surface(painter, vector.size());
        frame(surface);
    }
    int differ = 0;
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            differ += image.pixel(x, y) != vector.pixel(x, y);
    EXPECT_LT(differ, 40) << "of " << kSide * kSide;
}
