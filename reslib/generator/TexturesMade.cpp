// Metals, fabrics and papers. Woven patterns sample half a thread (or cell) off the tile edge,
// so the wrap falls inside a thread, where it looks like any other column.
#include <algorithm>
#include <cmath>

#include "reslib/generator/TextureKit.h"
#include "reslib/generator/TextureRecipes.h"

namespace vortel::resgen {
namespace {

double grit(int32_t x, int32_t y, uint32_t seed) { return unitOf(hashPoint(x, y, seed)) - 0.5; }

Color grey(double level) { return {level, level, level}; }

// Round profile across a thread: 1 in the middle, falling towards its edges.
double threadProfile(double f) { return std::sin(M_PI * clamp01(f)); }

// The stripe colour of a symmetric tartan sett at `position` (0..1 over the tile): the sett,
// then its mirror, so the pattern meets itself at both ends.
Color settColor(double position) {
    struct Stripe {
        Color color;
        double width;
    };
    static const Stripe sett[] = {{hex(0x1E2F5C), 10}, {hex(0x0E0E10), 3},  {hex(0x1E5A30), 14},
                                  {hex(0xB8202A), 3},  {hex(0x1E5A30), 14}, {hex(0x0E0E10), 3},
                                  {hex(0x1E2F5C), 10}, {hex(0xE8C040), 2},  {hex(0x1E2F5C), 5}};
    double total = 0;
    for (const auto& s : sett) total += s.width;
    double p = position * 2;
    if (p >= 1) p = 2 - p;
    p *= total;
    for (const auto& s : sett) {
        if (p < s.width) return s.color;
        p -= s.width;
    }
    return sett[std::size(sett) - 1].color;
}

}  // namespace

Bitmap brushedSteel(const Tile& t) {
    const Noise streaks(t, t.width / 2.0, 0.9, 101);
    const Noise broad(t, t.width / 3.0, 3, 102);
    const Noise cloud(t, t.width / 2.0, 103);
    return paint(t, [&](int32_t x, int32_t y) {
        const double v = 172 + 16 * streaks.fbm(x, y, 2) + 10 * broad.fbm(x, y, 2) + 10 * cloud.fbm(x, y, 3);
        return Color{v - 4, v, v + 6};
    });
}

// Dents from a hammer: each cell is a shallow bowl, lit from the upper left.
Bitmap hammeredGold(const Tile& t) {
    const double size = t.width / 8.0;
    const CellNoise dents(t, size, 111, 0.85);
    const Ramp gold{
        {0, hex(0x5A3C08)}, {0.35, hex(0xB07F18)}, {0.65, hex(0xE8BE40)}, {0.85, hex(0xF8DE78)}, {1, hex(0xFFF6D0)}};
    const HeightField height(t, [&](int32_t x, int32_t y) {
        const CellHit hit = dents.at(x + 0.5, y + 0.5);
        return 9 * std::pow(hit.f1 / size, 2.0);
    });
    return paint(t, [&](int32_t x, int32_t y) { return gold.at(clamp01((height.light(x, y, 0.8) - 0.35) / 1.1)); });
}

Bitmap copperPatina(const Tile& t) {
    const Noise body(t, t.width / 3.0, 121);
    const Noise spread(t, t.width / 2.5, 122);
    const Ramp copper{{0, hex(0x7A3A1E)}, {0.5, hex(0xC06A3A)}, {1, hex(0xE8A070)}};
    const Ramp verdigris{{0, hex(0x2E7A66)}, {1, hex(0x86D0B8)}};
    auto cover = [&](int32_t x, int32_t y) { return smoothstep(0.05, 0.35, spread.fbm(x, y, 6)); };
    const HeightField height(t, [&](int32_t x, int32_t y) { return 3 * cover(x, y) + 1.2 * body.fbm(x, y, 5); });
    return paint(t, [&](int32_t x, int32_t y) {
        const double b = clamp01(0.5 + 0.5 * body.fbm(x, y, 5));
        const Color c = mix(copper.at(b), verdigris.at(clamp01(b + 0.3 * grit(x, y, 123))), cover(x, y));
        return scale(c, 0.7 + 0.3 * height.light(x, y, 1.0));
    });
}

Bitmap rust(const Tile& t) {
    const Noise spread(t, t.width / 2.5, 131);
    const Noise tone(t, t.width / 6.0, 132);
    const CellNoise pits(t, 6, 133, 1.0);
    const Ramp oxide{{0, hex(0x4A200C)}, {0.4, hex(0x8A3E14)}, {0.75, hex(0xB8621E)}, {1, hex(0xD8914A)}};
    return paint(t, [&](int32_t x, int32_t y) {
        const double amount = smoothstep(-0.25, 0.2, spread.fbm(x, y, 6));
        const Color steel = grey(120 + 25 * tone.fbm(x, y, 4));
        Color c = mix(steel, oxide.at(clamp01(0.5 + 0.6 * tone.fbm(x, y, 5))), amount);
        const CellHit pit = pits.at(x + 0.5, y + 0.5);
        if (unitOf(pit.id) < 0.15 * amount && pit.f1 < 1.2) c = scale(c, 0.55);
        return add(c, grey(12 * grit(x, y, 134)));
    });
}

// Raised lozenges, turned alternately left and right on a checker of cells; the cell edges are
// flat steel, so the tile edge is too.
Bitmap diamondPlate(const Tile& t) {
    const int32_t across = cellsAcross(t.width, 32, 2);
    const double cell = double(t.width) / across;
    const int32_t down = cellsAcross(t.height, cell, 2);
    const double cellH = double(t.height) / down;
    const Noise streaks(t, t.width / 2.0, 1.0, 141);
    const HeightField height(t, [&](int32_t x, int32_t y) {
        const int32_t i = int32_t((x + 0.5) / cell), j = int32_t((y + 0.5) / cellH);
        const double dx = (x + 0.5 - (i + 0.5) * cell) / cell, dy = (y + 0.5 - (j + 0.5) * cellH) / cellH;
        const double s = (i + j) % 2 ? 1 : -1;
        const double a = (dx + s * dy) * M_SQRT1_2, b = (dx - s * dy) * M_SQRT1_2;
        const double r = std::pow(std::fabs(a) / 0.42, 2.0) + std::pow(std::fabs(b) / 0.13, 2.0);
        return 3 * std::sqrt(std::max(0.0, 1 - r));
    });
    return paint(t, [&](int32_t x, int32_t y) {
        const double v = 150 + 12 * streaks.fbm(x, y, 2);
        return scale(Color{v - 3, v, v + 5}, 0.45 + 0.55 * height.light(x, y, 1.2));
    });
}

// A 3/1 twill: indigo warp over three white weft threads, stepping one thread a row, with the
// uneven dye and faded patches of worn cloth.
Bitmap denim(const Tile& t) {
    const double width = double(t.width) / cellsAcross(t.width, 2.5, 4);
    const double widthY = double(t.height) / cellsAcross(t.height, 2.5, 4);
    const Noise slub(t, 1.5, 16, 151);
    const Noise fade(t, t.width / 2.5, 152);
    return paint(t, [&](int32_t x, int32_t y) {
        const double px = x + 0.5 + width / 2, py = y + 0.5 + widthY / 2;
        const int32_t i = int32_t(px / width), j = int32_t(py / widthY);
        const bool warpUp = (i + j) % 4 != 0;
        const double across = warpUp ? fract(px / width) : fract(py / widthY);
        const double worn = 0.5 + 0.5 * fade.fbm(x, y, 4);
        const Color indigo =
            mix(hex(0x182C58), hex(0x5A7AAE), clamp01(0.35 * worn + 0.35 * (0.5 + 0.5 * slub.fbm(x, y, 2))));
        const Color thread = warpUp ? indigo : mix(mix(hex(0xB8BCC4), hex(0xE4E4E0), worn), indigo, 0.3);
        return scale(thread, 0.78 + 0.22 * threadProfile(across) + 0.06 * grit(x, y, 153));
    });
}

Bitmap tartan(const Tile& t) {
    const double width = double(t.width) / cellsAcross(t.width, 2, 4);
    const double widthY = double(t.height) / cellsAcross(t.height, 2, 4);
    return paint(t, [&](int32_t x, int32_t y) {
        const int32_t i = int32_t(x / width), j = int32_t(y / widthY);
        const bool warpUp = (i + j) % 4 < 2;
        const Color c = warpUp ? settColor((x + 0.5) / t.width) : settColor((y + 0.5) / t.height);
        const double across = warpUp ? fract(x / width + 0.25) : fract(y / widthY + 0.25);
        return scale(c, 0.82 + 0.18 * threadProfile(across) + 0.05 * grit(x, y, 161));
    });
}

Bitmap canvas(const Tile& t) {
    const double width = double(t.width) / cellsAcross(t.width, 4, 2);
    const double widthY = double(t.height) / cellsAcross(t.height, 4, 2);
    const Noise slub(t, 12, 12, 171);
    return paint(t, [&](int32_t x, int32_t y) {
        const double px = x + 0.5 + width / 2, py = y + 0.5 + widthY / 2;
        const bool warpUp = (int32_t(px / width) + int32_t(py / widthY)) % 2 == 0;
        const double across = warpUp ? fract(px / width) : fract(py / widthY);
        const Color thread = mix(hex(0xD8C8A4), hex(0xBFAA80), clamp01(0.5 + 0.5 * slub.fbm(x, y, 3)));
        return scale(thread, 0.62 + 0.38 * threadProfile(across) + 0.04 * grit(x, y, 172));
    });
}

// Knitted stitches: two slanted loops a stitch forming a V, in columns.
Bitmap knit(const Tile& t) {
    const int32_t across = cellsAcross(t.width, 15), down = cellsAcross(t.height, 12);
    const double cw = double(t.width) / across, ch = double(t.height) / down;
    const Noise fibre(t, 3, 3, 181);
    auto loops = [&](double u, double v) {
        double best = 0;
        for (int32_t k = -1; k <= 1; ++k) {
            for (const double side : {-1.0, 1.0}) {
                const double dx = u - (0.5 + side * 0.22), dy = v - k - 0.5;
                const double a = dx * 0.94 + side * dy * 0.34, b = -dx * 0.34 * side + dy * 0.94;
                best = std::max(best, 1 - (a * a) / (0.2 * 0.2) - (b * b) / (0.62 * 0.62));
            }
        }
        return std::sqrt(std::max(0.0, best));
    };
    const HeightField height(t, [&](int32_t x, int32_t y) {
        const double u = fract((x + 0.5) / cw), v = fract((y + 0.5) / ch + 0.5);
        return 5 * loops(u, v) + 0.6 * fibre.fbm(x, y, 2);
    });
    return paint(t, [&](int32_t x, int32_t y) {
        const double h = height.at(x, y) / 5;
        const Color wool = mix(hex(0x5A0E14), hex(0xB42832), smoothstep(0.0, 0.5, h));
        return scale(wool, 0.6 + 0.4 * height.light(x, y, 0.9));
    });
}

// Ribs along y; the tile edge falls on the crest of a rib.
Bitmap corduroy(const Tile& t) {
    const double rib = double(t.width) / cellsAcross(t.width, 4);
    const Noise pile(t, 1.5, 6, 191);
    const HeightField height(t, [&](int32_t x, int32_t y) {
        const double d = std::fabs(fract((x + 1.5) / rib + 0.5) - 0.5) * 2;  // 0 on a crest, 1 in a groove
        return 3 * std::sqrt(std::max(0.0, 1 - d * d)) + 0.3 * pile.fbm(x, y, 2);
    });
    return paint(t, [&](int32_t x, int32_t y) {
        return scale(hex(0x7A5A34), 0.55 + 0.45 * height.light(x, y, 1.0) + 0.05 * grit(x, y, 192));
    });
}

// Basket weave: squares of three flat strips, alternately across and along.
Bitmap basketWeave(const Tile& t) {
    const int32_t across = cellsAcross(t.width, 16, 2), down = cellsAcross(t.height, 16, 2);
    const double cw = double(t.width) / across, ch = double(t.height) / down;
    const Noise grain(t, 24, 24, 201);
    const Noise fibreAlong(t, 16, 1.5, 202), fibreDown(t, 1.5, 16, 203);
    return paint(t, [&](int32_t x, int32_t y) {
        const double px = x + 0.5 + cw / 2, py = y + 0.5 + ch / 2;
        const int32_t i = int32_t(px / cw), j = int32_t(py / ch);
        const bool flat = (i + j) % 2 == 0;
        const double u = flat ? fract(py / ch) : fract(px / cw);  // across the strips
        const double strip = fract(u * 3);
        const int32_t which = int32_t(u * 3);
        const double fibre = flat ? fibreAlong.fbm(x, y, 2) : fibreDown.fbm(x, y, 2);
        const Color c = mix(hex(0xB88A4A), hex(0xE0BC7C), clamp01(0.5 + 0.3 * grain.fbm(x, y, 3) + 0.3 * fibre));
        const double tone = 0.85 + 0.2 * unitOf(hashPoint(i % across, j % down * 3 + which, 204));
        return scale(c, tone * (0.45 + 0.55 * threadProfile(strip)));
    });
}

Bitmap parchment(const Tile& t) {
    const Noise blotch(t, t.width / 2.5, 211);
    const Noise stain(t, t.width / 5.0, 212);
    const Noise fibreA(t, 24, 1.5, 213), fibreB(t, 1.5, 24, 214);
    const Ramp paper{{0, hex(0xC09458)}, {0.35, hex(0xD9BC86)}, {0.7, hex(0xEAD7AE)}, {1, hex(0xF4E8C8)}};
    return paint(t, [&](int32_t x, int32_t y) {
        const double tone = 0.65 + 0.3 * blotch.fbm(x, y, 6, 0.55) - 0.25 * smoothstep(0.35, 0.7, stain.fbm(x, y, 4));
        const double fibres = 0.05 * (fibreA.fbm(x, y, 2) + fibreB.fbm(x, y, 2));
        return add(paper.at(clamp01(tone + fibres)), grey(6 * grit(x, y, 215)));
    });
}

// Crumpled sheet: facets bounded by creases at three sizes, lit from the upper left.
Bitmap crumpledPaper(const Tile& t) {
    const CellNoise large(t, t.width / 3.0, 221, 1.0), medium(t, t.width / 7.0, 222, 1.0),
        small(t, t.width / 14.0, 223, 1.0);
    const HeightField height(t, [&](int32_t x, int32_t y) {
        const double px = x + 8.5, py = y + 0.5;
        const CellHit a = large.at(px, py), b = medium.at(px, py), c = small.at(px, py);
        return 0.55 * (a.f2 - a.f1) + 0.45 * (b.f2 - b.f1) + 0.3 * (c.f2 - c.f1);
    });
    return paint(t, [&](int32_t x, int32_t y) {
        return scale(hex(0xF2EFE8), 0.62 + 0.33 * height.light(x, y, 1.0) + 0.02 * grit(x, y, 224));
    });
}

Bitmap cardboard(const Tile& t) {
    const double flute = double(t.width) / cellsAcross(t.width, 8);
    const Noise fibres(t, 6, 0.8, 231), blotch(t, t.width / 4.0, 232);
    const HeightField height(t, [&](int32_t x, int32_t) { return 0.8 * std::sin(2 * M_PI * (x + 0.5) / flute); });
    return paint(t, [&](int32_t x, int32_t y) {
        Color c =
            mix(hex(0xA87A48), hex(0xC69862), clamp01(0.5 + 0.4 * blotch.fbm(x, y, 4) + 0.3 * fibres.fbm(x, y, 2)));
        if (unitOf(hashPoint(x, y, 233)) > 0.985) c = hex(0x6A4A2A);
        return scale(c, 0.85 + 0.15 * height.light(x, y, 1.0));
    });
}

}  // namespace vortel::resgen
