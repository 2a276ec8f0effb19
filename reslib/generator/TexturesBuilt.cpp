// Bricks, tiles, skies and waters. Masonry is sampled half a brick off the tile edge, so the
// wrap runs through bricks, never along a joint.
#include <algorithm>
#include <cmath>

#include "reslib/generator/TextureKit.h"
#include "reslib/generator/TextureRecipes.h"

namespace vortel::resgen {
namespace {

double grit(int32_t x, int32_t y, uint32_t seed) { return unitOf(hashPoint(x, y, seed)) - 0.5; }

Color grey(double level) { return {level, level, level}; }

struct BrickStyle {
    double width, height;
    double mortar;  // joint width in pixels
    Ramp brick;
    Color mortarColor;
    double roughness;
    uint32_t seed;
};

// Where a pixel lies in the bond: its brick (column, row) and its distance to the nearest joint.
struct BondSpot {
    int32_t column, row;
    double edge;
};

class Bond {
public:
    Bond(const Tile& t, const BrickStyle& s)
        : across_(cellsAcross(t.width, s.width)),
          down_(cellsAcross(t.height, s.height, 2)),
          w_(double(t.width) / across_),
          h_(double(t.height) / down_) {}

    BondSpot at(int32_t x, int32_t y) const {
        const double py = y + 0.5 + h_ / 2;
        const int32_t row = int32_t(py / h_);
        const double px = x + 0.5 + w_ / 4 + (row % 2) * w_ / 2;
        const int32_t column = int32_t(px / w_);
        const double lx = px - column * w_, ly = py - row * h_;
        return {column % across_, row % down_, std::min({lx, w_ - lx, ly, h_ - ly})};
    }

private:
    int32_t across_, down_;
    double w_, h_;
};

Bitmap bricks(const Tile& t, const BrickStyle& s) {
    const Bond bond(t, s);
    const Noise rough(t, 5, s.seed), tone(t, t.width / 3.0, s.seed + 1);
    const HeightField height(t, [&](int32_t x, int32_t y) {
        const BondSpot spot = bond.at(x, y);
        return 4 * smoothstep(s.mortar * 0.5, s.mortar * 0.5 + 1.5, spot.edge) + s.roughness * rough.fbm(x, y, 3);
    });
    return paint(t, [&](int32_t x, int32_t y) {
        const BondSpot spot = bond.at(x, y);
        Color c;
        if (spot.edge < s.mortar * 0.5) {
            c = add(s.mortarColor, grey(20 * grit(x, y, s.seed + 2)));
        } else {
            const double pick = unitOf(hashPoint(spot.column, spot.row, s.seed + 3));
            c = s.brick.at(clamp01(pick + 0.25 * tone.fbm(x, y, 4)));
            c = add(c, grey(14 * grit(x, y, s.seed + 4)));
        }
        return scale(c, 0.6 + 0.4 * height.light(x, y, 0.8));
    });
}

// A square grid of glazed tiles, the joints half a tile away from the tile edge.
Bitmap squareTiles(const Tile& t, double size, double grout, uint32_t seed,
                   const std::function<Color(int32_t i, int32_t j, int32_t x, int32_t y)>& glaze) {
    const int32_t across = cellsAcross(t.width, size, 2), down = cellsAcross(t.height, size, 2);
    const double cw = double(t.width) / across, ch = double(t.height) / down;
    auto spot = [&](int32_t x, int32_t y, int32_t& i, int32_t& j) {
        const double px = x + 0.5 + cw / 2, py = y + 0.5 + ch / 2;
        i = int32_t(px / cw) % across;
        j = int32_t(py / ch) % down;
        const double lx = fract(px / cw) * cw, ly = fract(py / ch) * ch;
        return std::min({lx, cw - lx, ly, ch - ly});
    };
    const HeightField height(t, [&](int32_t x, int32_t y) {
        int32_t i, j;
        return 3 * smoothstep(grout * 0.5, grout * 0.5 + 2, spot(x, y, i, j));
    });
    return paint(t, [&](int32_t x, int32_t y) {
        int32_t i, j;
        const double edge = spot(x, y, i, j);
        const Color c = edge < grout * 0.5 ? add(hex(0xB8B0A4), grey(16 * grit(x, y, seed))) : glaze(i, j, x, y);
        return scale(c, 0.65 + 0.35 * height.light(x, y, 1.0));
    });
}

}  // namespace

Bitmap redBricks(const Tile& t) {
    return bricks(t,
                  {64, 21, 3, Ramp{{0, hex(0x7A2A1A)}, {0.4, hex(0x9E3C24)}, {0.75, hex(0xB85A34)}, {1, hex(0xC87850)}},
                   hex(0xB4AA9A), 0.8, 301});
}

Bitmap stoneBlocks(const Tile& t) {
    return bricks(
        t, {64, 32, 3.5, Ramp{{0, hex(0x8A8274)}, {0.5, hex(0xA89E8A)}, {1, hex(0xC4BAA4)}}, hex(0x5E584E), 2.2, 302});
}

Bitmap greyBricks(const Tile& t) {
    return bricks(
        t, {50, 20, 2.5, Ramp{{0, hex(0x6A6C70)}, {0.5, hex(0x85878A)}, {1, hex(0x9EA0A2)}}, hex(0xCFCBC2), 0.6, 303});
}

Bitmap checkerTiles(const Tile& t) {
    const Noise cloud(t, t.width / 3.0, 311);
    return squareTiles(t, t.width / 4.0, 1.2, 312, [&](int32_t i, int32_t j, int32_t x, int32_t y) {
        const double v = 0.5 + 0.5 * cloud.fbm(x, y, 4);
        return (i + j) % 2 ? mix(hex(0x141416), hex(0x34343A), v) : mix(hex(0xE4E2DC), hex(0xFFFFFF), v);
    });
}

Bitmap terracotta(const Tile& t) {
    const Noise mottle(t, t.width / 6.0, 321);
    const Ramp clay{{0, hex(0x9A4424)}, {0.5, hex(0xC0643A)}, {1, hex(0xD8865A)}};
    return squareTiles(t, t.width / 2.0, 3, 322, [&](int32_t i, int32_t j, int32_t x, int32_t y) {
        const double tone = 0.5 + 0.4 * mottle.fbm(x, y, 5) + 0.3 * (unitOf(hashPoint(i, j, 323)) - 0.5);
        return clay.at(clamp01(tone));
    });
}

Bitmap hexagonTiles(const Tile& t) {
    const CellNoise cells(t, t.width / 4.0, 331, 0.0, true);
    const Color glazes[] = {hex(0x1E4E8C), hex(0x2E6EB0), hex(0x4A8ACB), hex(0xE8EEF4), hex(0x17365E)};
    // Sampled half a row down, so the tile edge runs through the middle of a row of tiles.
    const double shift = t.height / 8.0;
    const HeightField height(t, [&](int32_t x, int32_t y) {
        const CellHit hit = cells.at(x + 0.5, y + 0.5 + shift);
        return 3 * smoothstep(0.8, 3.0, hit.f2 - hit.f1);
    });
    return paint(t, [&](int32_t x, int32_t y) {
        const CellHit hit = cells.at(x + 0.5, y + 0.5 + shift);
        const Color c = hit.f2 - hit.f1 < 1.6 ? hex(0xD8D4CC) : glazes[hit.id % std::size(glazes)];
        return scale(add(c, grey(8 * grit(x, y, 332))), 0.6 + 0.4 * height.light(x, y, 1.0));
    });
}

// Small stones whose colour follows a slow pattern, as in a laid motif.
Bitmap mosaic(const Tile& t) {
    const CellNoise stones(t, 6, 341, 0.35);
    const Noise motif(t, t.width / 2.0, 342);
    const Color palette[] = {hex(0xB84A2A), hex(0xD89A3A), hex(0xECE4D0), hex(0x2A6A8A), hex(0x1E3E5E), hex(0x4A8A6A)};
    return paint(t, [&](int32_t x, int32_t y) {
        const CellHit hit = stones.at(x + 3.5, y + 3.5);  // half a stone off, so the edge crosses stones
        if (hit.f2 - hit.f1 < 1.1) return add(hex(0x4A4440), grey(14 * grit(x, y, 343)));
        const double m = clamp01(0.5 + 0.5 * motif.fbm(hit.centerX, hit.centerY, 3) + 0.15 * (unitOf(hit.id) - 0.5));
        const Color c = palette[std::min<size_t>(size_t(m * std::size(palette)), std::size(palette) - 1)];
        return scale(c, 0.8 + 0.3 * unitOf(rehash(hit.id)) + 0.05 * grit(x, y, 344));
    });
}

Bitmap skyClouds(const Tile& t) {
    const Noise cloud(t, t.width / 2.5, 351), sky(t, t.width / 1.5, 352);
    const HeightField puff(t, [&](int32_t x, int32_t y) { return 30 * std::max(0.0, cloud.fbm(x, y, 4, 0.5)); });
    return paint(t, [&](int32_t x, int32_t y) {
        const double cover = smoothstep(0.0, 0.6, cloud.fbm(x, y, 6, 0.5));
        const Color blue = mix(hex(0x2F6EC0), hex(0x78AEE6), 0.5 + 0.4 * sky.fbm(x, y, 2));
        const Color white = mix(hex(0xB4BECC), hex(0xFFFFFF), clamp01(0.3 + 0.6 * puff.light(x, y, 0.4)));
        return mix(blue, white, cover);
    });
}

// Streaks of cloud across an evening sky, gold where they face the light and violet in shade.
Bitmap sunsetClouds(const Tile& t) {
    const Noise cloud(t, t.width / 1.2, t.height / 4.0, 361), glow(t, t.width / 1.5, 362);
    const Ramp sky{{0, hex(0xF8B050)}, {0.5, hex(0xEC6E6A)}, {1, hex(0x9C5A9C)}};
    const HeightField puff(t, [&](int32_t x, int32_t y) { return 30 * std::max(0.0, cloud.fbm(x, y, 5, 0.55)); });
    return paint(t, [&](int32_t x, int32_t y) {
        const double cover = smoothstep(-0.15, 0.4, cloud.fbm(x, y, 6, 0.55));
        const Color body = mix(hex(0x5A2A5C), hex(0xFFC070), clamp01((puff.light(x, y, 0.3) - 0.7) * 1.8));
        return mix(sky.at(clamp01(0.5 + 0.6 * glow.fbm(x, y, 3))), body, cover);
    });
}

Bitmap stormClouds(const Tile& t) {
    const Noise cloud(t, t.width / 2.0, 371), rain(t, 3, 24, 372);
    const Ramp storm{{0, hex(0x14181E)}, {0.4, hex(0x323A46)}, {0.75, hex(0x5E6878)}, {1, hex(0x9AA4B2)}};
    const HeightField puff(t, [&](int32_t x, int32_t y) { return 40 * cloud.fbm(x, y, 6, 0.55); });
    return paint(t, [&](int32_t x, int32_t y) {
        const double v = clamp01(0.45 + puff.at(x, y) / 60);
        const Color c = scale(storm.at(v), 0.7 + 0.3 * puff.light(x, y, 0.5));
        return mix(c, hex(0x8A94A4), 0.08 * (0.5 + 0.5 * rain.fbm(x, y, 2)) * (1 - v));
    });
}

// Light focused by a rippling surface: bright where cell borders of two warped scatters meet.
Bitmap caustics(const Tile& t) {
    const Noise warpX(t, t.width / 3.0, 381), warpY(t, t.width / 3.0, 382), depth(t, t.width / 2.0, 383);
    const CellNoise first(t, t.width / 6.0, 384, 1.0), second(t, t.width / 5.0, 385, 1.0);
    return paint(t, [&](int32_t x, int32_t y) {
        const double wx = x + 0.5 + 9 * warpX.fbm(x, y, 3), wy = y + 0.5 + 9 * warpY.fbm(x, y, 3);
        const CellHit a = first.at(wx, wy), b = second.at(wx + 7, wy - 5);
        const double light = std::max(std::exp(-(a.f2 - a.f1) / 1.8), 0.8 * std::exp(-(b.f2 - b.f1) / 1.4));
        const Color water = mix(hex(0x0B5E8E), hex(0x2AA0C4), clamp01(0.5 + 0.5 * depth.fbm(x, y, 4)));
        return mix(water, hex(0xE6FCFF), clamp01(light * 1.1));
    });
}

// Swell from waves whose wave vectors are whole numbers of cycles over the tile, running
// mostly one way, with small chop on top and glints where a slope faces the light.
Bitmap oceanWaves(const Tile& t) {
    struct Wave {
        int32_t kx, ky;
        double amplitude, phase;
    };
    static const Wave waves[] = {
        {1, 5, 4, 0.3}, {-1, 7, 2.5, 1.7}, {2, 9, 1.5, 2.9}, {-2, 12, 1, 4.1}, {3, 15, 0.7, 5.3}};
    const Noise chop(t, t.width / 12.0, 391), swell(t, t.width / 2.0, 392);
    const HeightField height(t, [&](int32_t x, int32_t y) {
        double h = 1.2 * chop.fbm(x, y, 3);
        const double bend = 1.2 * swell.fbm(x, y, 2);
        for (const Wave& w : waves)
            h += w.amplitude *
                 std::sin(2 * M_PI * (w.kx * double(x) / t.width + w.ky * double(y) / t.height) + w.phase + bend);
        return h;
    });
    const Ramp sea{{0, hex(0x041C34)}, {0.5, hex(0x0B4270)}, {1, hex(0x2E88B0)}};
    return paint(t, [&](int32_t x, int32_t y) {
        const double light = height.light(x, y, 1.0);
        const Color c = sea.at(clamp01(0.5 + height.at(x, y) / 16));
        return mix(scale(c, 0.6 + 0.45 * light), hex(0xE8F6FF), smoothstep(1.25, 1.5, light));
    });
}

Bitmap ice(const Tile& t) {
    const Noise frost(t, t.width / 3.0, 401);
    const CellNoise cracks(t, t.width / 3.0, 402, 1.0), fine(t, t.width / 8.0, 403, 1.0);
    return paint(t, [&](int32_t x, int32_t y) {
        const double px = x + 0.5, py = y + 0.5;
        const CellHit a = cracks.at(px, py), b = fine.at(px, py);
        Color c = mix(hex(0x9CC6E0), hex(0xDDF0FA), clamp01(0.5 + 0.5 * frost.fbm(x, y, 6)));
        c = mix(c, hex(0xFFFFFF), 0.8 * std::exp(-(a.f2 - a.f1) / 0.8) + 0.35 * std::exp(-(b.f2 - b.f1) / 0.6));
        return add(c, grey(8 * grit(x, y, 404)));
    });
}

}  // namespace vortel::resgen
