#include "reslib/generator/TextureKit.h"

#include <algorithm>
#include <cmath>

namespace vortel::resgen {

Color mix(const Color& a, const Color& b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Color scale(const Color& c, double factor) { return {c.r * factor, c.g * factor, c.b * factor}; }

Color add(const Color& a, const Color& b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }

Color Ramp::at(double t) const {
    if (t <= stops_.front().at) return stops_.front().color;
    for (size_t i = 1; i < stops_.size(); ++i) {
        if (t <= stops_[i].at) {
            const double span = stops_[i].at - stops_[i - 1].at;
            return mix(stops_[i - 1].color, stops_[i].color, span > 0 ? (t - stops_[i - 1].at) / span : 1.0);
        }
    }
    return stops_.back().color;
}

double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

double smoothstep(double edge0, double edge1, double v) {
    const double t = clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

double fract(double v) { return v - std::floor(v); }

namespace {
uint8_t toByte(double v) { return uint8_t(std::clamp(std::lround(v), 0L, 255L)); }
}  // namespace

Bitmap paint(const Tile& tile, const std::function<Color(int32_t x, int32_t y)>& pixel) {
    Bitmap out{tile.width, tile.height, std::vector<uint8_t>(size_t(tile.width) * size_t(tile.height) * 3)};
    uint8_t* p = out.bgr.data();
    for (int32_t y = 0; y < tile.height; ++y) {
        for (int32_t x = 0; x < tile.width; ++x, p += 3) {
            const Color c = pixel(x, y);
            p[0] = toByte(c.b);
            p[1] = toByte(c.g);
            p[2] = toByte(c.r);
        }
    }
    return out;
}

HeightField::HeightField(const Tile& tile, const std::function<double(int32_t x, int32_t y)>& height)
    : tile_(tile), heights_(size_t(tile.width) * size_t(tile.height)) {
    for (int32_t y = 0; y < tile.height; ++y)
        for (int32_t x = 0; x < tile.width; ++x) heights_[size_t(y) * size_t(tile.width) + size_t(x)] = height(x, y);
}

double HeightField::at(int32_t x, int32_t y) const {
    const int32_t wx = (x % tile_.width + tile_.width) % tile_.width;
    const int32_t wy = (y % tile_.height + tile_.height) % tile_.height;
    return heights_[size_t(wy) * size_t(tile_.width) + size_t(wx)];
}

double HeightField::light(int32_t x, int32_t y, double relief) const {
    // The light comes from the upper left and somewhat from the front.
    static const double lx = -0.5, ly = -0.5, lz = 0.7071;
    const double nx = -(at(x + 1, y) - at(x - 1, y)) * relief * 0.5;
    const double ny = -(at(x, y + 1) - at(x, y - 1)) * relief * 0.5;
    const double length = std::sqrt(nx * nx + ny * ny + 1.0);
    return std::max(0.0, (nx * lx + ny * ly + lz) / length) / lz;
}

}  // namespace vortel::resgen
