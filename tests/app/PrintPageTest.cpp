// SPDX-License-Identifier: GPL-3.0-or-later
// The printed page keeps clear of the sheet's edges, where printers cannot print.
#include "widgets/PrintPage.h"

#include <QPageSize>
#include <QRect>
#include <gtest/gtest.h>

TEST(PrintPage, EveryMarginIsAtLeastTenMillimetres) {
    const struct {
        const char* printer;
        QMarginsF margins;
        QPageLayout::Unit unit;
        QMarginsF expected; // millimetres; 10 stands for 29 points, the least
    } cases[] = {
        {"a PDF file: no margin at all", {0, 0, 0, 0}, QPageLayout::Millimeter, {10, 10, 10, 10}},
        {"a laser printer's few millimetres",
         {4.2, 4.2, 4.2, 4.2},
         QPageLayout::Millimeter,
         {10, 10, 10, 10}},
        {"a printer with wider margins keeps them",
         {12.7, 3, 25, 16},
         QPageLayout::Millimeter,
         {12.7, 10, 25, 16}},
        {"margins given in points", {72, 0, 0, 72}, QPageLayout::Point, {25.4, 10, 10, 25.4}},
    };
    // Page layouts keep margins in whole points and hundredths of millimetres.
    const auto expect = [](double mm) { return mm == 10 ? 29 * 25.4 / 72 : mm; };
    for (const auto& c : cases) {
        const QPageLayout printer(QPageSize(QPageSize::A4), QPageLayout::Portrait, c.margins,
                                  c.unit);
        const QPageLayout page = withPrintMargins(printer);
        const QMarginsF m = page.margins(QPageLayout::Millimeter);
        EXPECT_NEAR(m.left(), expect(c.expected.left()), 0.2) << c.printer;
        EXPECT_NEAR(m.top(), expect(c.expected.top()), 0.2) << c.printer;
        EXPECT_NEAR(m.right(), expect(c.expected.right()), 0.2) << c.printer;
        EXPECT_NEAR(m.bottom(), expect(c.expected.bottom()), 0.2) << c.printer;
        EXPECT_EQ(page.pageSize(), printer.pageSize()) << c.printer;
        // At 600 dots an inch, 10 mm is 236 dots.
        const QRect paint = page.paintRectPixels(600);
        EXPECT_GE(paint.left(), 236) << c.printer;
        EXPECT_GE(paint.top(), 236) << c.printer;
        EXPECT_LE(paint.right(), page.fullRectPixels(600).right() - 236) << c.printer;
        EXPECT_LE(paint.bottom(), page.fullRectPixels(600).bottom() - 236) << c.printer;
    }
}
