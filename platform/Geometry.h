#pragma once
#include <cstdint>

namespace vortel {

// Integer point as the engine stores it: two signed 32-bit coordinates.
struct Point {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Sub-pixel point, used by paths before they are rounded into the engine's integer arrays.
struct PointF {
    double x = 0;
    double y = 0;
    friend bool operator==(const PointF&, const PointF&) = default;
};

struct Size {
    int32_t cx = 0;
    int32_t cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Rectangle with exclusive right and bottom edges, as the Windows model uses it.
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int32_t width() const { return right - left; }
    int32_t height() const { return bottom - top; }
    bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace vortel
