// The library's icon: a small flame as a 32x32 icon file with an alpha channel.
#include <algorithm>
#include <cmath>
#include <vector>

#include "reslib/generator/Producers.h"
#include "reslib/generator/TextureKit.h"

namespace vortel::resgen {
namespace {

constexpr int32_t IconSide = 32;

// How far inside the flame a point is (positive inside), for x across and v from the base (0)
// to the tip (1). The body is widest low down and leans as it rises.
double flameDepth(double x, double v, double scale) {
    if (v <= 0 || v >= 1) return -1;
    const double flicker = 1 + 0.22 * std::sin(11 * v + 1.0) * v;
    const double width = scale * 0.42 * std::pow(std::sin(M_PI * std::pow(v, 0.6)), 0.9) * (1 - 0.35 * v) * flicker;
    const double lean = 0.12 * std::sin(4.0 * v + 0.3) * v;
    return width - std::fabs(x - lean);
}

// Coverage and colour of one pixel, sampled 4 x 4 times so the outline is smooth.
void flamePixel(int32_t px, int32_t py, Color& color, double& alpha) {
    double covered = 0;
    Color sum;
    for (int32_t sy = 0; sy < 4; ++sy) {
        for (int32_t sx = 0; sx < 4; ++sx) {
            const double x = (px + (sx + 0.5) / 4) / IconSide - 0.5;
            const double v = 1 - ((py + (sy + 0.5) / 4) / IconSide - 0.03) / 0.94;
            const double outer = flameDepth(x, v, 1.0);
            if (outer < 0) continue;
            const double core = flameDepth(x, v * 1.35, 0.55);
            Color c = mix(hex(0xC8200A), hex(0xFF8A10), smoothstep(0.0, 0.06, outer));
            if (core > 0)
                c = mix(c, mix(hex(0xFFE040), hex(0xFFFFE0), smoothstep(0.0, 0.08, core)), smoothstep(0, 0.03, core));
            sum = add(sum, c);
            covered += 1;
        }
    }
    alpha = covered / 16;
    color = covered > 0 ? scale(sum, 1 / covered) : Color{};
}

void putU16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void putU32(std::vector<uint8_t>& out, uint32_t v) {
    putU16(out, v & 0xFFFF);
    putU16(out, v >> 16);
}

}  // namespace

// An icon file: the directory with one entry, then the image as a 40-byte bitmap header of
// double height (colour rows, then the mask rows), 32-bit blue-green-red-alpha rows bottom-up,
// and the 1-bit mask that older systems use where the alpha channel is not read.
void addIcon(ResourceSet& set) {
    constexpr uint32_t maskRow = (IconSide + 31) / 32 * 4;
    constexpr uint32_t imageBytes = 40 + IconSide * IconSide * 4 + maskRow * IconSide;
    std::vector<uint8_t> out;
    putU16(out, 0);
    putU16(out, 1);  // icon
    putU16(out, 1);  // one image
    out.push_back(uint8_t(IconSide));
    out.push_back(uint8_t(IconSide));
    out.push_back(0);  // no palette
    out.push_back(0);
    putU16(out, 1);   // planes
    putU16(out, 32);  // bits a pixel
    putU32(out, imageBytes);
    putU32(out, 6 + 16);
    for (const uint32_t v : {40u, uint32_t(IconSide), uint32_t(2 * IconSide)}) putU32(out, v);
    putU16(out, 1);
    putU16(out, 32);
    for (int i = 0; i < 6; ++i) putU32(out, 0);
    std::vector<uint8_t> mask(maskRow * IconSide, 0);
    for (int32_t y = IconSide - 1; y >= 0; --y) {
        for (int32_t x = 0; x < IconSide; ++x) {
            Color c;
            double alpha;
            flamePixel(x, y, c, alpha);
            for (const double channel : {c.b, c.g, c.r})
                out.push_back(uint8_t(std::clamp(std::lround(channel), 0L, 255L)));
            out.push_back(uint8_t(std::lround(alpha * 255)));
            if (alpha < 0.5) mask[size_t(IconSide - 1 - y) * maskRow + size_t(x) / 8] |= uint8_t(0x80 >> (x % 8));
        }
    }
    out.insert(out.end(), mask.begin(), mask.end());
    set.add("ICON", "FLAMME", std::move(out));
}

}  // namespace vortel::resgen
