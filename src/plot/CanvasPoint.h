// SPDX-License-Identifier: GPL-3.0-or-later
// A pixel position on a drawing surface: where lines go, and where a sample lands.
#pragma once

#include <cstdint>

/** A pixel position on a surface, in 32-bit coordinates that may lie outside it. */
struct CanvasPoint {
    std::int32_t x;
    std::int32_t y;
};
