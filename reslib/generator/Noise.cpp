#include "reslib/generator/Noise.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vortel::resgen {
namespace {

struct Direction {
    double x, y;
};

// Evenly spread unit gradients; a table avoids a sine and cosine per lattice corner.
const std::array<Direction, 64>& directions() {
    static const std::array<Direction, 64> table = [] {
        std::array<Direction, 64> t{};
        for (size_t i = 0; i < t.size(); ++i) {
            const double a = (double(i) + 0.5) * 2.0 * M_PI / double(t.size());
            t[i] = {std::cos(a), std::sin(a)};
        }
        return t;
    }();
    return table;
}

uint32_t mix32(uint32_t x) {
    x ^= x >> 16;
    x *= 0x7FEB352Du;
    x ^= x >> 15;
    x *= 0x846CA68Bu;
    x ^= x >> 16;
    return x;
}

int32_t wrap(int32_t i, int32_t period) {
    const int32_t r = i % period;
    return r < 0 ? r + period : r;
}

double fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }

double lerp(double a, double b, double t) { return a + (b - a) * t; }

}  // namespace

uint32_t hashPoint(int32_t x, int32_t y, uint32_t seed) {
    return mix32(uint32_t(x) * 0x9E3779B1u ^ mix32(uint32_t(y) + seed * 0x85EBCA6Bu));
}

uint32_t rehash(uint32_t h) { return mix32(h ^ 0x9E3779B9u); }

int32_t cellsAcross(int32_t pixels, double feature, int32_t multiple) {
    const double groups = pixels / std::max(feature, 1.0) / multiple;
    return std::max<int32_t>(1, int32_t(std::lround(groups))) * multiple;
}

Noise::Noise(const Tile& tile, double featureX, double featureY, uint32_t seed)
    : cellsX_(cellsAcross(tile.width, featureX)),
      cellsY_(cellsAcross(tile.height, featureY)),
      scaleX_(double(cellsX_) / tile.width),
      scaleY_(double(cellsY_) / tile.height),
      seed_(seed) {}

double Noise::octave(double x, double y, int level) const {
    const int32_t periodX = cellsX_ << level, periodY = cellsY_ << level;
    const double lx = x * scaleX_ * double(1 << level), ly = y * scaleY_ * double(1 << level);
    const double fx = std::floor(lx), fy = std::floor(ly);
    const int32_t x0 = int32_t(fx), y0 = int32_t(fy);
    const double dx = lx - fx, dy = ly - fy;
    const uint32_t seed = seed_ + uint32_t(level) * 7919u;
    auto corner = [&](int32_t i, int32_t j) {
        const Direction& g = directions()[hashPoint(wrap(x0 + i, periodX), wrap(y0 + j, periodY), seed) & 63];
        return g.x * (dx - i) + g.y * (dy - j);
    };
    const double u = fade(dx), v = fade(dy);
    return std::sqrt(2.0) * lerp(lerp(corner(0, 0), corner(1, 0), u), lerp(corner(0, 1), corner(1, 1), u), v);
}

double Noise::fbm(double x, double y, int octaves, double gain) const {
    double sum = 0, amplitude = 1, total = 0;
    for (int level = 0; level < octaves; ++level, amplitude *= gain) {
        sum += amplitude * octave(x, y, level);
        total += amplitude;
    }
    return sum / total * 1.6;
}

double Noise::turbulence(double x, double y, int octaves, double gain) const {
    double sum = 0, amplitude = 1, total = 0;
    for (int level = 0; level < octaves; ++level, amplitude *= gain) {
        sum += amplitude * std::fabs(octave(x, y, level));
        total += amplitude;
    }
    return sum / total * 2.0;
}

CellNoise::CellNoise(const Tile& tile, double feature, uint32_t seed, double jitter, bool staggered)
    : cellsX_(cellsAcross(tile.width, feature)),
      cellsY_(cellsAcross(tile.height, feature)),
      seed_(seed),
      jitter_(jitter),
      staggered_(staggered) {
    if (staggered_ && cellsY_ % 2) ++cellsY_;
    cellW_ = double(tile.width) / cellsX_;
    cellH_ = double(tile.height) / cellsY_;
}

// The feature point of cell (i, j), which may lie outside the tile; its randomness comes from
// the wrapped cell so the copy beyond the edge is the same point.
void CellNoise::point(int32_t i, int32_t j, double& px, double& py) const {
    const uint32_t h = hashPoint(wrap(i, cellsX_), wrap(j, cellsY_), seed_);
    const double shift = staggered_ && (j & 1) ? 0.5 : 0.0;
    px = (i + 0.5 + shift + jitter_ * (unitOf(h) - 0.5)) * cellW_;
    py = (j + 0.5 + jitter_ * (unitOf(mix32(h)) - 0.5)) * cellH_;
}

CellHit CellNoise::at(double x, double y) const {
    const int32_t ci = int32_t(std::floor(x / cellW_)), cj = int32_t(std::floor(y / cellH_));
    CellHit hit;
    double best = 1e300, second = 1e300;
    for (int32_t j = cj - 2; j <= cj + 2; ++j) {
        for (int32_t i = ci - 2; i <= ci + 2; ++i) {
            double px, py;
            point(i, j, px, py);
            const double d = (px - x) * (px - x) + (py - y) * (py - y);
            if (d < best) {
                second = best;
                best = d;
                hit.id = hashPoint(wrap(i, cellsX_), wrap(j, cellsY_), seed_ ^ 0xA5A5A5A5u);
                hit.centerX = px;
                hit.centerY = py;
            } else if (d < second) {
                second = d;
            }
        }
    }
    hit.f1 = std::sqrt(best);
    hit.f2 = std::sqrt(second);
    return hit;
}

}  // namespace vortel::resgen
