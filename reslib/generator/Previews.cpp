// The gradient preset previews, drawn by the engine's own gradient fill, and the colour map the
// colour pickers read.
#include <algorithm>
#include <cmath>
#include <vector>

#include "document/ImageBmp.h"
#include "engine/Fills.h"
#include "engine/FontFX.h"
#include "reslib/generator/Producers.h"

namespace vortel::resgen {
namespace {

// The surface panel's gradient presets, in list order; colours as 0xRRGGBB.
struct GradientPreset {
    int32_t style;
    std::vector<uint32_t> colors;
    int32_t angle;
    int32_t repeat;
};

const std::vector<GradientPreset>& gradientPresets() {
    static const std::vector<GradientPreset> presets = {
        {1, {0x0000FF, 0x80FFFF}, 0, 0},   {1, {0x00FF00, 0xFFFF00}, 0, 0},
        {1, {0xFFFFFF, 0x000000}, 0, 0},   {4, {0xFF0000, 0xFF8000}, 0, 7},
        {4, {0x0000FF, 0x000000}, 0, 0},   {2, {0xFF0000, 0xFFFF00, 0x00FF00, 0x0000FF, 0x400080}, 0, 0},
        {3, {0xFFFFFF, 0x000080}, 0, 7},   {3, {0x000000, 0x00FF00}, 0, 0},
        {3, {0x00FFFF, 0x000000}, 0, 0},   {2, {0xFFFF00, 0xFF00FF}, 0, 0},
        {1, {0x00FF00, 0x0000FF}, 0, 7},   {5, {0x9D7600, 0xFFFF00}, 45, 1},
        {1, {0xFF0000, 0xFFFFFF}, 0, 1},   {5, {0xFFFFFF, 0xFFFF00}, 135, 0},
        {5, {0x008000, 0x808000}, 150, 7},
    };
    return presets;
}

constexpr int32_t PreviewWidth = 45, PreviewHeight = 36;

// The preview is the preset applied through the engine's gradient setter to a surface of the
// preview's size, then painted as the background fill paints it.
Bitmap gradientPreview(const GradientPreset& preset) {
    const Rect area{0, 0, PreviewWidth, PreviewHeight};
    TFontFX engine(area);
    std::vector<ColorRef> colors;
    for (const uint32_t c : preset.colors) colors.push_back(rgb(uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)));
    engine.setFillKind(0, 1);
    engine.setGradient(0, preset.style, preset.angle, preset.repeat, colors);
    Canvas canvas(PreviewWidth, PreviewHeight);
    PaintFill(canvas, engine.BackFill, area);
    return canvas.toBitmap();
}

// Hue (turns), full saturation, lightness 0..1, as blue, green, red bytes.
std::array<uint8_t, 3> fromHsl(double hue, double lightness) {
    const double chroma = (1 - std::fabs(2 * lightness - 1));
    auto channel = [&](double offset) {
        const double k = std::fmod(hue * 12 + offset, 12.0);
        const double v = lightness - chroma / 2 * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
        return uint8_t(std::lround(std::clamp(v, 0.0, 1.0) * 255));
    };
    return {channel(4), channel(8), channel(0)};
}

}  // namespace

void addGradientPreviews(ResourceSet& set) {
    const auto& presets = gradientPresets();
    for (size_t i = 0; i < presets.size(); ++i) {
        set.add("BITMAP", indexedName("FARBVERL_", int(i) + 1), encodeBmp(gradientPreview(presets[i])));
    }
}

// Hue runs across from red through green and blue back towards red; lightness runs down from
// white through the pure colours to black, so every pickable colour is one click away.
void addColorMap(ResourceSet& set) {
    constexpr int32_t width = 100, height = 45;
    Bitmap map{width, height, std::vector<uint8_t>(size_t(width) * height * 3)};
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const auto bgr = fromHsl(double(x) / width, 1.0 - double(y) / (height - 1));
            std::copy(bgr.begin(), bgr.end(), map.bgr.begin() + (ptrdiff_t(y) * width + x) * 3);
        }
    }
    set.add("BITMAP", "COLORMAP", encodeBmp(map));
}

}  // namespace vortel::resgen
