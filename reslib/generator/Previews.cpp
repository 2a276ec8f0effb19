// The gradient preset previews, drawn by the engine's own gradient fill, and the colour map the
// colour pickers read.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "document/ImageBmp.h"
#include "engine/Fills.h"
#include "engine/FontFX.h"
#include "panels/presets/PresetValues.h"
#include "platform/Resources.h"
#include "reslib/generator/Producers.h"

namespace vortel::resgen {
namespace {

constexpr int32_t PreviewWidth = 45, PreviewHeight = 36;

// The preview is the preset applied through the engine's gradient setter to a surface of the
// preview's size (times `scale`), then painted as the background fill paints it.
Bitmap gradientPreview(const presets::GradientPreset& preset, int32_t scale) {
    const Rect area{0, 0, PreviewWidth * scale, PreviewHeight * scale};
    TFontFX engine(area);
    engine.setFillKind(0, 1);
    engine.setGradient(0, preset.style, preset.angle, preset.repeat, preset.colors);
    Canvas canvas(area.right, area.bottom);
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

// Hue runs across from red through green and blue back towards red; lightness runs down from
// white through the pure colours to black, so every pickable colour is one click away.
Bitmap colorMap(int32_t width, int32_t height) {
    Bitmap map{width, height, std::vector<uint8_t>(size_t(width) * height * 3)};
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const auto bgr = fromHsl(double(x) / width, 1.0 - double(y) / (height - 1));
            std::copy(bgr.begin(), bgr.end(), map.bgr.begin() + (ptrdiff_t(y) * width + x) * 3);
        }
    }
    return map;
}

}  // namespace

void addGradientPreviews(ResourceSet& set) {
    const auto& list = presets::GradientPresets();
    for (size_t i = 0; i < list.size(); ++i) {
        const std::string name = indexedName("FARBVERL_", int(i) + 1);
        set.add("BITMAP", name, encodeBmp(gradientPreview(list[i], 1)));
        set.add("BITMAP", name + std::string(DoubleSizeSuffix), encodeBmp(gradientPreview(list[i], 2)));
    }
}

// The pickers read colours off the map at its own size; the twice-as-large one is only shown.
void addColorMap(ResourceSet& set) {
    constexpr int32_t width = 100, height = 45;
    set.add("BITMAP", "COLORMAP", encodeBmp(colorMap(width, height)));
    set.add("BITMAP", "COLORMAP" + std::string(DoubleSizeSuffix), encodeBmp(colorMap(2 * width, 2 * height)));
}

}  // namespace vortel::resgen
