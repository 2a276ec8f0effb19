#pragma once
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/Geometry.h"

namespace vortel {

// The steps of lineDDA(a, b) whose coordinate along the major axis lies in [lo, hi], visited in walk
// order as visit(x, y, step). The walk jumps straight to the first step of the window (the minor
// coordinate there has a closed form), so a guide point far outside the image costs nothing: the
// editor's picking and drawing only ever look at a window around the mouse or the canvas.
template <class Visit>
void lineDDAWindow(Point a, Point b, int64_t lo, int64_t hi, Visit&& visit) {
    const int64_t dx = std::llabs(int64_t(b.x) - a.x), dy = std::llabs(int64_t(b.y) - a.y);
    const int32_t sx = b.x < a.x ? -1 : 1, sy = b.y < a.y ? -1 : 1;
    const bool alongX = dx > dy;
    // Major/minor axis view of the same walk lineDDA does.
    const int64_t major = alongX ? dx : dy, minor = alongX ? dy : dx;
    const int64_t major0 = alongX ? a.x : a.y, minor0 = alongX ? a.y : a.x;
    const int32_t smajor = alongX ? sx : sy, sminor = alongX ? sy : sx;
    if (major == 0) return;
    int64_t first = smajor > 0 ? lo - major0 : major0 - hi;
    int64_t last = smajor > 0 ? hi - major0 : major0 - lo;
    first = std::max<int64_t>(first, 0);
    last = std::min<int64_t>(last, major - 1);
    if (first > last) return;
    // After i steps the error term is 2*minor - major + 2*minor*i - 2*major*k, where k is the number
    // of minor steps taken; it always lies in (2*minor - 2*major, 2*minor], which fixes k.
    const __int128 num = __int128(2) * minor * first - major, den = __int128(2) * major;
    const __int128 k = num >= 0 ? (num + den - 1) / den : -((-num) / den);
    int64_t err = static_cast<int64_t>(2 * minor - major + __int128(2) * minor * first - den * k);
    int64_t mj = major0 + smajor * first, mn = minor0 + sminor * static_cast<int64_t>(k);
    for (int64_t i = first; i <= last; ++i) {
        if (alongX) visit(static_cast<int32_t>(mj), static_cast<int32_t>(mn), i);
        else visit(static_cast<int32_t>(mn), static_cast<int32_t>(mj), i);
        if (err > 0) { mn += sminor; err += 2 * (minor - major); } else { err += 2 * minor; }
        mj += smajor;
    }
}

}  // namespace vortel
