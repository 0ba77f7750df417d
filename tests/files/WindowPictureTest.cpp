// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/WindowPicture.h"

#include <gtest/gtest.h>

// The picture holds the window pixel for pixel: no row or column doubled inside it, the
// extra one at the right and bottom edges repeating the last.
TEST(WindowPicture, WindowPixelForPixelThenItsLastRowAndColumn) {
    for (const QSize outer : {QSize(1038, 558), QSize(5, 3), QSize(1, 1)}) {
        SCOPED_TRACE(outer.width() * 10000 + outer.height());
        QImage shown(outer, QImage::Format_RGB32);
        for (int y = 0; y < outer.height(); ++y)
            for (int x = 0; x < outer.width(); ++x)
                shown.setPixel(x, y, qRgb(x % 251, y % 241, (x * 7 + y) % 256));
        const QImage picture = stretchedByOnePixel(shown, outer);
        ASSERT_EQ(picture.size(), outer + QSize(1, 1));
        int differing = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                differing += picture.pixel(x, y) != shown.pixel(std::min(x, outer.width() - 1),
                                                                std::min(y, outer.height() - 1));
        EXPECT_EQ(differing, 0);
    }
}
