// SPDX-License-Identifier: GPL-3.0-or-later
// A drawing surface that keeps only the texts written on it, where they stand.
#pragma once

#include "plot/PlotSurface.h"

#include <vector>

class RecordingSurface final : public PlotSurface {
public:
    struct Text {
        int x;
        int y;
        QString text;
    };
    std::vector<Text> texts;

    /** The texts that start at column x: at 10, the value labels beside the left ruler. */
    std::vector<Text> textsAt(int x) const {
        std::vector<Text> at;
        for (const Text& t : texts)
            if (t.x == x)
                at.push_back(t);
        return at;
    }

    int width() const override { return 473; }
    int height() const override { return 473; }
    void lineTo(std::int32_t x, std::int32_t y) override { moveTo(x, y); }
    void polylineTo(const CanvasPoint*, int) override {}
    void polylineTo(const CanvasPoint*, int, const PenStyle*) override {}
    void rectangle(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    void setPixels(const CanvasPoint*, int, QRgb) override {}
    void textOut(std::int32_t x, std::int32_t y, const QString& text) override {
        texts.push_back({x, y, text});
    }
    QSize textExtent(const QString& text) const override { return {6 * int(text.size()), 13}; }
};
