#pragma once
// The number rules of the pages that need no widget: the outline points slider, the bevel page's
// step buttons and edit boxes, and the gradient presets of the simple list.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/EffectParams.h"

namespace vortel::presets {

// A colour written as RGB hex (red first), as the tables give them, in the engine's 0x00BBGGRR.
constexpr ColorRef FromRgbHex(uint32_t rgb) {
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

// The outline points slider (0 .. 20) and the subdivision step it stands for, both ways.
int32_t OutlineStepForPosition(int position);
int OutlinePositionForStep(int32_t step);

// The bevel page's six step buttons (tags 1 .. 6): lower or raise the height, the size or the
// added pixels by one; nothing goes below 0. Other tags change nothing.
void StepBevelValue(BevelParams& bevel, int tag);

// The four bevel edit boxes as typed: the size may end in "%", the angle in "°". Any whole number
// is accepted; nullopt when a box holds something else (the caller keeps the last good values).
struct BevelEditValues {
    int32_t height, size, addPixel, angle;
};
std::optional<BevelEditValues> ParseBevelEdits(const std::string& height, const std::string& size,
                                               const std::string& addPixel, const std::string& angle);

struct GradientPreset {
    int32_t style;
    std::vector<ColorRef> colors;
    int32_t angle;
    int32_t repeat;
};
// The 15 gradient presets of the simple list, in list order (entries *FARBVERL_01 .. 15).
const std::array<GradientPreset, 15>& GradientPresets();

}  // namespace vortel::presets
