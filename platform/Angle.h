#pragma once
#include <cmath>
#include <cstdint>
#include <numbers>
#include <utility>

namespace vortel {

// Cosine and sine of an angle in tenths of a degree. Whole quadrants are exact so that turned
// text keeps axis-aligned edges exactly axis-aligned.
inline std::pair<double, double> cosSinOfTenths(int32_t tenths) {
    switch (((tenths % 3600) + 3600) % 3600) {
        case 0: return {1, 0};
        case 900: return {0, 1};
        case 1800: return {-1, 0};
        case 2700: return {0, -1};
        default: {
            const double a = tenths / 10.0 * std::numbers::pi / 180.0;
            return {std::cos(a), std::sin(a)};
        }
    }
}

// Offsets from a cell corner in y-down coordinates, turned counter-clockwise on screen.
inline void turnOffset(double& dx, double& dy, double cosA, double sinA) {
    const double x = dx * cosA + dy * sinA;
    dy = -dx * sinA + dy * cosA;
    dx = x;
}

}  // namespace vortel
