#pragma once
// Noise that repeats exactly over a tile: every lattice is a whole number of cells across the
// tile and wraps its indices, so a texture built from it tiles without a seam. Coordinates are
// pixels of the tile; anything periodic in them (sums, domain warps) stays periodic.
#include <cstdint>

namespace vortel::resgen {

struct Tile {
    int32_t width = 0;
    int32_t height = 0;
};

// Integer hash of a lattice point; the one source of randomness, so the output never depends
// on a library's random number generator.
uint32_t hashPoint(int32_t x, int32_t y, uint32_t seed);
// A value in [0, 1) from a hash.
inline double unitOf(uint32_t h) { return double(h >> 8) / double(1u << 24); }
// A further independent hash from one, for a second random property of the same cell.
uint32_t rehash(uint32_t h);

// Gradient noise in [-1, 1] over cells of about `featureX` x `featureY` pixels.
class Noise {
public:
    Noise(const Tile& tile, double feature, uint32_t seed) : Noise(tile, feature, feature, seed) {}
    Noise(const Tile& tile, double featureX, double featureY, uint32_t seed);

    double at(double x, double y) const { return octave(x, y, 0); }
    // Octaves of doubling frequency, each weighted by `gain` against the previous; roughly [-1, 1].
    double fbm(double x, double y, int octaves, double gain = 0.5) const;
    // The sum of absolute octaves: creased, billowy noise in [0, about 1].
    double turbulence(double x, double y, int octaves, double gain = 0.5) const;

private:
    double octave(double x, double y, int level) const;

    int32_t cellsX_, cellsY_;
    double scaleX_, scaleY_;
    uint32_t seed_;
};

// The nearest and second-nearest feature point of a periodic scatter (cellular noise).
struct CellHit {
    double f1 = 0, f2 = 0;            // distances in pixels
    uint32_t id = 0;                  // hash of the nearest point's cell, stable across the wrap
    double centerX = 0, centerY = 0;  // the nearest point, in pixels (may lie outside the tile)
};

// One feature point per cell of about `feature` pixels, moved by up to `jitter` cells from the
// cell centre. Staggered rows shift every second row by half a cell (hexagonal cells); the row
// count is then made even so the stagger repeats.
class CellNoise {
public:
    CellNoise(const Tile& tile, double feature, uint32_t seed, double jitter = 1.0, bool staggered = false);
    CellHit at(double x, double y) const;

private:
    void point(int32_t i, int32_t j, double& px, double& py) const;

    int32_t cellsX_, cellsY_;
    double cellW_, cellH_;
    uint32_t seed_;
    double jitter_;
    bool staggered_;
};

// Cells across `pixels` for features of about `feature` pixels: a positive multiple of
// `multiple`, so a pattern that alternates over that many cells repeats with the tile.
int32_t cellsAcross(int32_t pixels, double feature, int32_t multiple = 1);

}  // namespace vortel::resgen
