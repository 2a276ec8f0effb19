#pragma once
// The small toolbox the texture recipes share: colours, colour ramps, painting a tile pixel by
// pixel, and relief lighting of a height field that wraps at the tile's edges.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

#include "platform/Bitmap.h"
#include "reslib/generator/Noise.h"

namespace vortel::resgen {

// A colour with channels 0..255 kept as reals until the pixel is written.
struct Color {
    double r = 0, g = 0, b = 0;
};

// 0xRRGGBB, red first as colours are usually written.
constexpr Color hex(uint32_t rgb) { return {double(rgb >> 16 & 0xFF), double(rgb >> 8 & 0xFF), double(rgb & 0xFF)}; }
Color mix(const Color& a, const Color& b, double t);
Color scale(const Color& c, double factor);
Color add(const Color& a, const Color& b);

// A colour ramp over [0, 1] through stops given in rising order.
class Ramp {
public:
    struct Stop {
        double at;
        Color color;
    };
    Ramp(std::initializer_list<Stop> stops) : stops_(stops) {}
    Color at(double t) const;

private:
    std::vector<Stop> stops_;
};

double clamp01(double v);
double smoothstep(double edge0, double edge1, double v);
// The fractional part, always in [0, 1).
double fract(double v);

// Builds the tile from a colour for each pixel; channels are rounded and clamped.
Bitmap paint(const Tile& tile, const std::function<Color(int32_t x, int32_t y)>& pixel);

// Heights for every pixel of the tile, read with wrapping, and the light they catch.
class HeightField {
public:
    HeightField(const Tile& tile, const std::function<double(int32_t x, int32_t y)>& height);
    double at(int32_t x, int32_t y) const;
    // Lambert light from the upper left against a flat surface: 1 where flat, above 1 on slopes
    // facing the light, below on those turned away. `relief` scales the height differences.
    double light(int32_t x, int32_t y, double relief) const;

private:
    Tile tile_;
    std::vector<double> heights_;
};

}  // namespace vortel::resgen
