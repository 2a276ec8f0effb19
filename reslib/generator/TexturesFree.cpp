// Skins, plants, fire and abstract patterns.
#include <algorithm>
#include <cmath>

#include "reslib/generator/TextureKit.h"
#include "reslib/generator/TextureRecipes.h"

namespace vortel::resgen {
namespace {

double grit(int32_t x, int32_t y, uint32_t seed) { return unitOf(hashPoint(x, y, seed)) - 0.5; }

Color grey(double level) { return {level, level, level}; }

// Hue in turns (0..1), saturation and value 0..1.
Color fromHsv(double hue, double saturation, double value) {
    auto channel = [&](double offset) {
        const double k = fract(hue + offset) * 6;
        return value * (1 - saturation * clamp01(std::min(k, 4 - k)));
    };
    return scale({channel(5.0 / 6), channel(1.0 / 6), channel(0.5)}, 255);
}

// A smooth edge one pixel wide, so thresholded shapes do not look jagged.
double soft(double v, double threshold) { return smoothstep(threshold - 0.04, threshold + 0.04, v); }

}  // namespace

Bitmap leather(const Tile& t) {
    const CellNoise pebbles(t, 5, 501, 0.9);
    const Noise tone(t, t.width / 2.0, 502);
    const HeightField height(t, [&](int32_t x, int32_t y) {
        const CellHit hit = pebbles.at(x + 0.5, y + 0.5);
        return 2.5 * smoothstep(0.0, 2.2, hit.f2 - hit.f1);
    });
    return paint(t, [&](int32_t x, int32_t y) {
        const Color c = mix(hex(0x4A2A18), hex(0x7A4A2A), clamp01(0.5 + 0.5 * tone.fbm(x, y, 3)));
        return scale(c, 0.6 + 0.4 * height.light(x, y, 1.0) + 0.04 * grit(x, y, 503));
    });
}

// Comic-book halftone: red dots on a diagonal lattice over orange, swelling and shrinking in a
// slow diagonal wave. The lattice (eight pixels, every other row shifted half a step) and the
// wave both divide the tile.
Bitmap halftone(const Tile& t) {
    const double step = t.width / 6.0;
    return paint(t, [&](int32_t x, int32_t y) {
        const double px = x + 0.5, py = y + 0.5;
        const int row = int(std::floor(py / step));
        const double shift = (row % 2 == 0) ? 0.0 : step / 2;
        const double cx = std::floor((px - shift) / step) * step + shift + step / 2, cy = row * step + step / 2;
        const double wave = 0.5 + 0.5 * std::sin(2 * M_PI * (px + py) / t.width);
        const double radius = step * (0.22 + 0.2 * wave);
        const double d = std::hypot(px - cx, py - cy);
        return mix(hex(0xFFB020), hex(0xE02810), 1 - smoothstep(radius - 0.7, radius + 0.7, d));
    });
}

Bitmap camouflage(const Tile& t) {
    const Noise a(t, t.width / 2.5, 521), b(t, t.width / 3.0, 522), c(t, t.width / 3.5, 523);
    return paint(t, [&](int32_t x, int32_t y) {
        Color color = hex(0x6E7A3E);
        color = mix(color, hex(0x6A4C2C), soft(a.fbm(x, y, 4), 0.12));
        color = mix(color, hex(0x2C3820), soft(b.fbm(x, y, 4), 0.2));
        color = mix(color, hex(0xB4A674), soft(c.fbm(x, y, 4), 0.38));
        return add(color, grey(8 * grit(x, y, 524)));
    });
}

// Rosettes: broken dark rings round a darker centre, and small solid spots between them.
Bitmap leopard(const Tile& t) {
    const double size = t.width / 4.5;
    const CellNoise spots(t, size, 531, 0.8);
    const Noise breakup(t, size / 3, 532), fur(t, t.width / 3.0, 533);
    return paint(t, [&](int32_t x, int32_t y) {
        const CellHit hit = spots.at(x + 0.5, y + 0.5);
        const double r = hit.f1 / size + 0.08 * breakup.fbm(x, y, 3);
        Color c = mix(hex(0xD89C48), hex(0xF0C878), clamp01(0.5 + 0.5 * fur.fbm(x, y, 4)));
        if (unitOf(hit.id) < 0.75) {
            if (r < 0.28) c = mix(c, hex(0xA8642A), 0.7);
            const double ring = smoothstep(0.24, 0.29, r) * (1 - smoothstep(0.38, 0.43, r));
            c = mix(c, hex(0x24160C), ring * soft(breakup.fbm(x, y, 2), -0.25));
        } else {
            c = mix(c, hex(0x24160C), 1 - smoothstep(0.14, 0.19, r));
        }
        return add(c, grey(10 * grit(x, y, 534)));
    });
}

Bitmap zebra(const Tile& t) {
    const Noise bend(t, t.width / 2.0, 541);
    return paint(t, [&](int32_t x, int32_t y) {
        const double s = std::sin(2 * M_PI * (4.0 * x / t.width + 1.0 * y / t.height) + 3.0 * bend.fbm(x, y, 4));
        return add(mix(hex(0xF2EEE4), hex(0x141210), soft(s, 0.1)), grey(10 * grit(x, y, 542)));
    });
}

// Soap bubbles: a bright rim, a clear middle and a highlight to the upper left.
Bitmap bubbles(const Tile& t) {
    const double size = t.width / 4.0;
    const CellNoise cells(t, size, 551, 0.9);
    const Noise water(t, t.width / 2.0, 552);
    return paint(t, [&](int32_t x, int32_t y) {
        const CellHit hit = cells.at(x + 0.5, y + 0.5);
        const Color back = mix(hex(0x0A3A6E), hex(0x1A6AA4), clamp01(0.5 + 0.5 * water.fbm(x, y, 4)));
        const double radius = (0.28 + 0.16 * unitOf(hit.id)) * size;
        if (hit.f1 > radius + 1) return back;
        const double d = hit.f1 / radius;
        const double rim = std::pow(std::min(d, 1.0), 6) * (1 - smoothstep(1.0, 1.0 + 1 / radius, d));
        const double hx = x + 0.5 - (hit.centerX - 0.35 * radius), hy = y + 0.5 - (hit.centerY - 0.35 * radius);
        const double shine = 1 - smoothstep(0.1 * radius, 0.22 * radius, std::sqrt(hx * hx + hy * hy));
        return mix(mix(back, hex(0xB8ECFF), 0.15 + 0.75 * rim), hex(0xFFFFFF), shine);
    });
}

// Blades: noise stretched tall, in two layers so the front blades cross the back ones.
Bitmap grass(const Tile& t) {
    const Noise back(t, 1.6, 20, 561), front(t, 2.4, 30, 562), patch(t, t.width / 2.0, 563);
    const Ramp blade{{0, hex(0x0E2E0A)}, {0.4, hex(0x2E6A18)}, {0.75, hex(0x5E9E2A)}, {1, hex(0xB0D860)}};
    return paint(t, [&](int32_t x, int32_t y) {
        const double v = std::max(0.5 + 0.5 * back.fbm(x, y, 2), 0.15 + 0.7 * front.fbm(x, y, 2));
        return blade.at(clamp01(v + 0.15 * patch.fbm(x, y, 3)));
    });
}

// Cooled crust broken by glowing cracks.
Bitmap lava(const Tile& t) {
    const Noise warpX(t, t.width / 3.0, 571), warpY(t, t.width / 3.0, 572), crust(t, t.width / 5.0, 573);
    const CellNoise plates(t, t.width / 5.0, 574, 1.0);
    const Ramp fire{
        {0, hex(0x200604)}, {0.3, hex(0x8A1400)}, {0.6, hex(0xF04A00)}, {0.85, hex(0xFFA020)}, {1, hex(0xFFF0A0)}};
    return paint(t, [&](int32_t x, int32_t y) {
        const double wx = x + 0.5 + 6 * warpX.fbm(x, y, 3), wy = y + 0.5 + 6 * warpY.fbm(x, y, 3);
        const CellHit hit = plates.at(wx, wy);
        const double glow = std::exp(-(hit.f2 - hit.f1) / 2.2) + 0.25 * std::max(0.0, crust.fbm(x, y, 5));
        return fire.at(clamp01(glow));
    });
}

Bitmap moss(const Tile& t) {
    const Noise body(t, t.width / 4.0, 581), tufts(t, 4, 582);
    const HeightField height(
        t, [&](int32_t x, int32_t y) { return 10 * body.fbm(x, y, 5) + 4 * tufts.turbulence(x, y, 2); });
    const Ramp green{{0, hex(0x1E3210)}, {0.5, hex(0x4A6E1E)}, {1, hex(0x8AAE3A)}};
    return paint(t, [&](int32_t x, int32_t y) {
        Color c = green.at(clamp01(0.5 + height.at(x, y) / 20));
        if (unitOf(hashPoint(x, y, 583)) > 0.985) c = hex(0xC8D870);
        return scale(c, 0.6 + 0.4 * height.light(x, y, 0.8));
    });
}

Bitmap rainbowSwirl(const Tile& t) {
    const Noise swirlX(t, t.width / 2.0, 591), swirlY(t, t.width / 2.0, 592);
    return paint(t, [&](int32_t x, int32_t y) {
        const double wx = x + 24 * swirlX.fbm(x, y, 4), wy = y + 24 * swirlY.fbm(x, y, 4);
        const double hue = double(wx) / t.width + double(wy) / t.height;
        return fromHsv(hue, 0.7, 0.95);
    });
}

Bitmap starfield(const Tile& t) {
    const Noise nebula(t, t.width / 2.0, 601), dust(t, t.width / 5.0, 602);
    const CellNoise stars(t, 7, 603, 1.0);
    return paint(t, [&](int32_t x, int32_t y) {
        const double n = clamp01(0.35 + 0.6 * nebula.fbm(x, y, 6, 0.55));
        Color c = mix(hex(0x04040E), hex(0x3A1A5E), n * n);
        c = mix(c, hex(0x1A4A7A), 0.5 * smoothstep(0.2, 0.7, dust.fbm(x, y, 5)) * n);
        const CellHit hit = stars.at(x + 0.5, y + 0.5);
        if (unitOf(hit.id) < 0.4) {
            const double size = 0.45 + 1.1 * std::pow(unitOf(rehash(hit.id)), 4.0);
            const double glow = std::exp(-(hit.f1 * hit.f1) / (size * size));
            c = mix(c, mix(hex(0xFFF4D8), hex(0xCADCFF), unitOf(rehash(rehash(hit.id)))), glow);
        }
        return c;
    });
}

// The old plasma: sines of whole cycles over the tile through a cosine palette.
Bitmap plasma(const Tile& t) {
    const Noise wobble(t, t.width / 2.0, 611);
    return paint(t, [&](int32_t x, int32_t y) {
        const double u = double(x) / t.width, v = double(y) / t.height;
        const double s = std::sin(2 * M_PI * 2 * u) + std::sin(2 * M_PI * 3 * v) +
                         std::sin(2 * M_PI * (2 * u + 2 * v)) +
                         std::sin(2 * M_PI * (u - 2 * v) + 2.5 * wobble.fbm(x, y, 3));
        const double p = s * 0.25;
        return Color{127.5 + 127.5 * std::cos(2 * M_PI * p), 127.5 + 127.5 * std::cos(2 * M_PI * (p + 0.33)),
                     127.5 + 127.5 * std::cos(2 * M_PI * (p + 0.67))};
    });
}

}  // namespace vortel::resgen
