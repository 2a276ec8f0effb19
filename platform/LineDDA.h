#pragma once
#include <cstdint>
#include <cstdlib>

namespace vortel {

// Digital line walk: emits the start point and every step up to, but not including, the end
// point, one point per unit of the major axis. A zero-length line emits nothing.
template <class Visit>
void lineDDA(int32_t x0, int32_t y0, int32_t x1, int32_t y1, Visit&& visit) {
    int64_t dx = int64_t(x1) - x0, dy = int64_t(y1) - y0;
    const int32_t sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    dx = std::llabs(dx);
    dy = std::llabs(dy);
    int64_t x = x0, y = y0;
    if (dx > dy) {
        int64_t err = 2 * dy - dx;
        for (int64_t i = 0; i < dx; ++i) {
            visit(static_cast<int32_t>(x), static_cast<int32_t>(y));
            if (err > 0) { y += sy; err += 2 * (dy - dx); } else { err += 2 * dy; }
            x += sx;
        }
    } else {
        int64_t err = 2 * dx - dy;
        for (int64_t i = 0; i < dy; ++i) {
            visit(static_cast<int32_t>(x), static_cast<int32_t>(y));
            if (err > 0) { x += sx; err += 2 * (dx - dy); } else { err += 2 * dx; }
            y += sy;
        }
    }
}

// Number of points lineDDA emits for the same line.
inline int64_t lineDDACount(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    int64_t dx = std::llabs(int64_t(x1) - x0), dy = std::llabs(int64_t(y1) - y0);
    return dx > dy ? dx : dy;
}

}  // namespace vortel
