#include "panels/presets/Panels.h"

#include <chrono>

#include "document/ImageBmp.h"
#include "panels/presets/PresetValues.h"
#include "platform/Numeric.h"

namespace vortel::presets {

int32_t TickCount() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<int32_t>(static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count()));
}

uint32_t ClockSeed() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}

EffectPanels::EffectPanels(TFontFX& engine, ModuleHandle stock)
    : engine_(engine), stock_(stock) {
    textureList = StockTextureEntries(stock);
    imprintList = StockImprintEntries(stock);
}

bool EffectPanels::LoadListPicture(std::vector<std::string>& list, int index, Bitmap& dest) {
    if (index < 0 || size_t(index) >= list.size()) return false;
    PictureResult loaded = LoadEntryPicture(stock_, list[size_t(index)]);
    if (!loaded.ok) {
        engine_.messages().status(StatusSimple, damagedFileStatus(EntryFileName(list[size_t(index)])));
        list.erase(list.begin() + index);
        return false;
    }
    dest = std::move(loaded.picture);
    return true;
}

const Bitmap& EffectPanels::colorMap() {
    if (!colorMapLoaded_) {
        colorMapLoaded_ = true;
        if (const auto bytes = findResource(stock_, "BITMAP", "COLORMAP")) {
            try {
                colorMap_ = decodeBmp(*bytes);
            } catch (const std::exception&) {
                colorMap_ = Bitmap{};
            }
        }
        // Without the library the picks come from a single white pixel rather than from nothing.
        if (colorMap_.empty()) colorMap_ = Bitmap{1, 1, {255, 255, 255}};
    }
    return colorMap_;
}

int32_t EffectPanels::scaledPreset(int32_t value) const {
    return roundEven32(double(value) * previewHeight() / 200.0);
}

void EffectPanels::SetGradient(int surface, int32_t style, const std::vector<ColorRef>& colors, int32_t angle,
                               int32_t repeat) {
    if (surface == 1) kindBeforeGlow_.reset();
    std::vector<ColorRef> kept(colors.begin(), colors.begin() + std::min<size_t>(colors.size(), 10));
    engine_.setFillKind(surface, 1);
    engine_.setGradient(surface, style, angle, repeat, kept);
    // The record keeps zeros after the colours in use.
    FillRecord& fill = surface == 0 ? engine_.BackFill : engine_.TextFill;
    std::fill(fill.GradientColors.begin() + fill.GradientCount, fill.GradientColors.end(), 0);
}

void EffectPanels::ApplyGradientPreset(int surface, int number) {
    if (number < 1 || number > GradientPresetCount) return;
    const GradientPreset& preset = GradientPresets()[size_t(number - 1)];
    SetGradient(surface, preset.style, preset.colors, preset.angle, preset.repeat);
    engine_.messages().status(1, std::to_string(number - 1));
    notifyRedraw(Page::All);
}

}  // namespace vortel::presets
