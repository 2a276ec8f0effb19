// Woods, marbles and stones.
#include <algorithm>
#include <cmath>

#include "reslib/generator/TextureKit.h"
#include "reslib/generator/TextureRecipes.h"

namespace vortel::resgen {
namespace {

// Grain noise per pixel, so fine wood pores and stone grit do not repeat visibly.
double grit(int32_t x, int32_t y, uint32_t seed) { return unitOf(hashPoint(x, y, seed)) - 0.5; }

// Distance between two positions on a ring of `period`, the way the wrap sees it.
double ringDistance(double a, double b, double period) {
    const double d = std::fabs(a - b);
    return std::min(d, period - d);
}

struct PlankStyle {
    double plankHeight;  // boards across the tile; one board means a single seamless piece
    double ringSpacing;  // pixels between growth rings, adjusted so whole rings fit a board
    Ramp wood;           // early wood (0) to late wood (1)
    bool joints;
    uint32_t seed;
};

// Boards running along x. Board edges sit half a board away from the tile edge, so the wrap
// falls inside a board; whole rings per board keep the grain continuous across it.
Bitmap planks(const Tile& t, const PlankStyle& s) {
    const int32_t count = cellsAcross(t.height, s.plankHeight);
    const double ph = double(t.height) / count;
    const double spacing = ph / std::max(1L, std::lround(ph / s.ringSpacing));
    const Noise bend(t, t.width / 2.0, ph / 1.5, s.seed);
    const Noise fibre(t, 40, 1.2, s.seed + 1);
    const Noise figure(t, t.width / 3.0, ph / 2, s.seed + 2);
    return paint(t, [&](int32_t x, int32_t y) {
        const double shifted = y + ph / 2;
        const int32_t index = int32_t(shifted / ph);
        const int32_t board = index % count;
        const double local = shifted - index * ph;
        const double rings = (local + 0.45 * spacing * 4 * bend.fbm(x, y, 3)) / spacing +
                             std::floor(unitOf(hashPoint(board, 0, s.seed)) * 7);
        const double late = std::pow(fract(rings), 3.0);
        double tone = 0.15 + 0.7 * late + 0.12 * fibre.fbm(x, y, 2) + 0.08 * figure.fbm(x, y, 3);
        Color c = s.wood.at(clamp01(tone));
        c = scale(c, 0.9 + 0.2 * unitOf(hashPoint(board, 1, s.seed)) + 0.05 * grit(x, y, s.seed));
        if (s.joints) {
            const double edge = std::min(local, ph - local);
            const double joint = ringDistance(x + 0.5, unitOf(hashPoint(board, 2, s.seed)) * t.width, t.width);
            const double gap = std::min(edge, joint);
            if (gap < 1.5) c = scale(c, 0.45 + 0.35 * gap);
        }
        return c;
    });
}

struct MarbleStyle {
    Ramp body;
    Color vein;
    Color secondVein;
    int32_t bandsX, bandsY;  // whole waves across the tile, so the veins repeat with it
    double warp;
    double sharpness;
    uint32_t seed;
};

double veinAt(double phase, double sharpness) { return std::pow(1.0 - std::fabs(std::sin(phase)), sharpness); }

// Veins follow the zero lines of a wave bent by creased turbulence, which gives them the sharp
// kinks of real marble; a slow noise lets them fade in and out along their length.
Bitmap marble(const Tile& t, const MarbleStyle& s) {
    const Noise turbulence(t, t.width / 2.0, s.seed);
    const Noise cloud(t, t.width / 2.5, s.seed + 1);
    const Noise second(t, t.width / 3.0, s.seed + 2);
    const Noise strength(t, t.width / 2.0, s.seed + 3);
    return paint(t, [&](int32_t x, int32_t y) {
        const double wave = 2 * M_PI * (s.bandsX * double(x) / t.width + s.bandsY * double(y) / t.height);
        const double vein = veinAt(wave + s.warp * turbulence.turbulence(x, y, 7), s.sharpness) *
                            smoothstep(-0.5, 0.3, strength.fbm(x, y, 3));
        const double fine = veinAt(2 * wave + 1.5 * s.warp * second.turbulence(x, y, 7), s.sharpness * 2.5);
        Color c = s.body.at(clamp01(0.5 + 0.45 * cloud.fbm(x, y, 5)));
        c = mix(c, s.secondVein, 0.5 * fine);
        c = mix(c, s.vein, 0.85 * vein);
        return add(c, scale({1, 1, 1}, 5 * grit(x, y, s.seed)));
    });
}

}  // namespace

Bitmap oakPlanks(const Tile& t) {
    return planks(t, {64, 9, Ramp{{0, hex(0xC8934F)}, {0.55, hex(0xA8733A)}, {1, hex(0x6E4520)}}, true, 11});
}

Bitmap mapleStrip(const Tile& t) {
    return planks(t, {24, 7, Ramp{{0, hex(0xF0D2A0)}, {0.6, hex(0xDDB57A)}, {1, hex(0xB98A52)}}, true, 12});
}

Bitmap walnut(const Tile& t) {
    return planks(t, {1e9, 5, Ramp{{0, hex(0x7A5235)}, {0.5, hex(0x5C3A22)}, {1, hex(0x301C10)}}, false, 13});
}

// Pine grain flowing round a knot in the middle of the tile. The grain's bend fades out well
// before the tile edge, so the grain there is plain and meets its copy.
Bitmap knottyPine(const Tile& t) {
    const Noise bend(t, t.width / 2.0, t.height / 4.0, 14);
    const Noise fibre(t, 32, 1.2, 15);
    const Ramp wood{{0, hex(0xF2D29A)}, {0.6, hex(0xE0AE6A)}, {1, hex(0xA4662A)}};
    const double rings = 10;  // whole rings over the height keep the grain continuous
    const double cx = t.width / 2.0, cy = t.height / 2.0, radius = t.width / 11.0;
    return paint(t, [&](int32_t x, int32_t y) {
        const double dx = x + 0.5 - cx, dy = y + 0.5 - cy, d2 = dx * dx + dy * dy, d = std::sqrt(d2);
        const double reach = 1.0 - smoothstep(0.25, 0.45, std::max(std::fabs(dx) / t.width, std::fabs(dy) / t.height));
        const double push = reach * 3.5 * radius * radius * dy / (d2 + radius * radius);
        const double g = (y - push + 5 * bend.fbm(x, y, 3)) * rings / t.height + 0.5;  // no ring on the edge
        const double tone = 0.1 + 0.75 * std::pow(fract(g), 3.0) + 0.1 * fibre.fbm(x, y, 2);
        Color c = wood.at(clamp01(tone));
        // The knot: tight rings of darker, resinous wood, its rim darkest.
        const double knot = 1 - smoothstep(radius - 1, radius + 1, d);
        const double ring = std::pow(fract(d / 2.6 + 0.15 * bend.at(x, y)), 2.0);
        const Color heart =
            scale(mix(hex(0xB06A2C), hex(0x6A3612), ring), 1 - 0.35 * smoothstep(0.6 * radius, radius, d));
        c = mix(c, heart, knot);
        return scale(c, 1.0 + 0.05 * grit(x, y, 16));
    });
}

Bitmap whiteMarble(const Tile& t) {
    return marble(t, {Ramp{{0, hex(0xDCDCDE)}, {0.5, hex(0xF2F1EF)}, {1, hex(0xFFFFFF)}}, hex(0x8C8C94), hex(0xB4B4BA),
                      1, 1, 2.2, 9, 21});
}

Bitmap greenMarble(const Tile& t) {
    return marble(t, {Ramp{{0, hex(0x0B3A26)}, {0.5, hex(0x1C5E3E)}, {1, hex(0x2F7A52)}}, hex(0xE8F2EA), hex(0x7FB594),
                      2, 1, 2.4, 12, 22});
}

Bitmap blackGoldMarble(const Tile& t) {
    return marble(t, {Ramp{{0, hex(0x0A0A0C)}, {0.6, hex(0x1C1B1E)}, {1, hex(0x34302E)}}, hex(0xE0B451), hex(0x6E6660),
                      1, 2, 2.0, 14, 23});
}

Bitmap roseMarble(const Tile& t) {
    return marble(t, {Ramp{{0, hex(0xD9A8A0)}, {0.5, hex(0xEBC6BC)}, {1, hex(0xF8E6DE)}}, hex(0x8E3F3A), hex(0xFFF4EE),
                      1, 1, 2.4, 8, 24});
}

Bitmap blueMarble(const Tile& t) {
    return marble(t, {Ramp{{0, hex(0x22385E)}, {0.5, hex(0x3B5A8A)}, {1, hex(0x6E8DB8)}}, hex(0xF0F4FA), hex(0xA8C0E0),
                      1, -1, 2.6, 10, 25});
}

// Mineral grains, each one colour, chosen with the frequencies of a pink granite.
Bitmap granite(const Tile& t) {
    const CellNoise grains(t, 4.0, 31, 0.9);
    const Noise cloud(t, t.width / 4.0, 32);
    const Color minerals[] = {hex(0xC9A9A0), hex(0xB89086), hex(0x8F8C8A), hex(0x26221F), hex(0xEFE6E0)};
    const double share[] = {0.3, 0.2, 0.22, 0.18, 0.1};
    return paint(t, [&](int32_t x, int32_t y) {
        const CellHit hit = grains.at(x + 0.5, y + 0.5);
        double pick = unitOf(hit.id) + 0.08 * cloud.fbm(x, y, 3);
        size_t m = 0;
        while (m + 1 < std::size(minerals) && pick > share[m]) pick -= share[m++];
        Color c = scale(minerals[m], 0.9 + 0.2 * unitOf(rehash(hit.id)));
        if (hit.f2 - hit.f1 < 0.5) c = scale(c, 0.85);
        return add(c, scale({1, 1, 1}, 8 * grit(x, y, 33)));
    });
}

Bitmap sandstone(const Tile& t) {
    const Noise layers(t, t.width / 2.0, t.height / 3.0, 41);
    const Noise relief(t, t.width / 6.0, 42);
    const Ramp bands{
        {0, hex(0xD8B07A)}, {0.3, hex(0xC98E55)}, {0.5, hex(0xE3C08C)}, {0.7, hex(0xB5733F)}, {1, hex(0xD8B07A)}};
    const HeightField height(t, [&](int32_t x, int32_t y) { return relief.fbm(x, y, 5) * 6 + grit(x, y, 43) * 1.5; });
    return paint(t, [&](int32_t x, int32_t y) {
        const double band = fract(6.0 * y / t.height + 0.35 * layers.fbm(x, y, 4));
        return scale(bands.at(band), 0.8 + 0.2 * height.light(x, y, 0.6));
    });
}

// Flaky layers: the height is stepped into ledges that catch the light on one side.
Bitmap slate(const Tile& t) {
    const Noise layers(t, t.width / 1.5, t.height / 6.0, 51);
    const Noise shade(t, t.width / 4.0, 52);
    const Ramp stone{{0, hex(0x2C3238)}, {0.5, hex(0x46505A)}, {1, hex(0x65707A)}};
    const HeightField height(t, [&](int32_t x, int32_t y) {
        const double n = 2.5 * layers.fbm(x, y, 5);
        return 6 * (std::floor(n) + smoothstep(0.75, 1.0, fract(n))) + grit(x, y, 53);
    });
    return paint(t, [&](int32_t x, int32_t y) {
        const Color c = stone.at(clamp01(0.5 + 0.5 * shade.fbm(x, y, 4)));
        return scale(c, 0.55 + 0.45 * height.light(x, y, 1.0));
    });
}

Bitmap cobblestones(const Tile& t) {
    const double size = t.width / 5.0;
    const CellNoise stones(t, size, 61, 0.8);
    const Noise bumps(t, size / 3, 62);
    const HeightField height(t, [&](int32_t x, int32_t y) {
        const CellHit hit = stones.at(x + 0.5, y + 0.5);
        const double dome = 1.0 - std::pow(hit.f1 / size, 2.0) * 0.6;
        return 14 * smoothstep(0.5, 4.5, hit.f2 - hit.f1) * dome + 1.5 * bumps.fbm(x, y, 3);
    });
    return paint(t, [&](int32_t x, int32_t y) {
        const CellHit hit = stones.at(x + 0.5, y + 0.5);
        const Color stone = mix(hex(0x8A8580), hex(0xA08A70), unitOf(hit.id));
        const Color c = hit.f2 - hit.f1 < 1.5 ? hex(0x5A5248) : scale(stone, 0.85 + 0.3 * unitOf(rehash(hit.id)));
        return scale(add(c, scale({1, 1, 1}, 10 * grit(x, y, 63))), 0.6 + 0.4 * height.light(x, y, 0.7));
    });
}

Bitmap rockFace(const Tile& t) {
    const Noise ridges(t, t.width / 2.5, 71);
    const Noise tint(t, t.width / 2.0, 72);
    const Ramp rock{{0, hex(0x4E463E)}, {0.5, hex(0x7D7264)}, {1, hex(0xA69A88)}};
    const HeightField height(
        t, [&](int32_t x, int32_t y) { return 22 * (1.0 - std::fabs(ridges.fbm(x, y, 6, 0.55))) + grit(x, y, 73); });
    return paint(t, [&](int32_t x, int32_t y) {
        const Color c = rock.at(clamp01(height.at(x, y) / 24 + 0.2 * tint.fbm(x, y, 3)));
        return scale(c, 0.45 + 0.55 * height.light(x, y, 0.8));
    });
}

// Wind ripples: whole ripples over the height, bent a little, on a grainy beige.
Bitmap sand(const Tile& t) {
    const Noise bend(t, t.width / 2.0, 81);
    const HeightField height(t, [&](int32_t x, int32_t y) {
        const double phase = 2 * M_PI * (6.0 * y / t.height + 0.12 * bend.fbm(x, y, 3) + 1.0 * x / t.width);
        return 2.2 * std::sin(phase) + 0.7 * grit(x, y, 82);
    });
    return paint(t, [&](int32_t x, int32_t y) {
        const double speck = unitOf(hashPoint(x, y, 83));
        Color c = mix(hex(0xE2C594), hex(0xCFAE78), 0.5 + 0.5 * bend.at(x, y));
        if (speck > 0.97) c = hex(0x8C7455);
        return scale(c, 0.75 + 0.25 * height.light(x, y, 1.0));
    });
}

}  // namespace vortel::resgen
