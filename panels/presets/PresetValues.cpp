#include "panels/presets/PresetValues.h"

#include <algorithm>
#include <charconv>

namespace vortel::presets {

int32_t OutlineStepForPosition(int position) {
    static constexpr int32_t steps[] = {100, 50, 40, 35, 30, 25, 20, 18, 16, 14, 12};
    if (position <= 0) return 100;
    if (position <= 10) return steps[position];
    return 21 - std::min(position, 20);
}

int OutlinePositionForStep(int32_t step) {
    if (step >= 1 && step <= 10) return 21 - step;
    if (step >= 11 && step <= 20) return 10 - (step - 11) / 2;
    if (step >= 21 && step <= 25) return 5;
    if (step >= 26 && step <= 30) return 4;
    if (step >= 31 && step <= 35) return 3;
    if (step >= 36 && step <= 40) return 2;
    if (step >= 41 && step <= 50) return 1;
    return 0;
}

void StepBevelValue(BevelParams& bevel, int tag) {
    auto lower = [](int32_t& v) { v = v > 0 ? v - 1 : 0; };
    auto raise = [](int32_t& v) { if (v < INT32_MAX) ++v; };
    switch (tag) {
    case 1: lower(bevel.BevelHeight); break;
    case 2: raise(bevel.BevelHeight); break;
    case 3: lower(bevel.BevelSize); break;
    case 4: raise(bevel.BevelSize); break;
    case 5: lower(bevel.BevelAddPixel); break;
    case 6: raise(bevel.BevelAddPixel); break;
    default: break;
    }
}

namespace {

std::optional<int32_t> wholeNumber(std::string text, const std::string& unit) {
    auto trim = [](std::string& s) {
        while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
        size_t start = 0;
        while (start < s.size() && (s[start] == ' ' || s[start] == '\t')) ++start;
        s.erase(0, start);
    };
    trim(text);
    if (!unit.empty() && text.size() >= unit.size() && text.compare(text.size() - unit.size(), unit.size(), unit) == 0) {
        text.erase(text.size() - unit.size());
        trim(text);
    }
    if (!text.empty() && text.front() == '+') text.erase(0, 1);
    int32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<BevelEditValues> ParseBevelEdits(const std::string& height, const std::string& size,
                                               const std::string& addPixel, const std::string& angle) {
    const auto h = wholeNumber(height, ""), s = wholeNumber(size, "%"), a = wholeNumber(addPixel, ""),
               g = wholeNumber(angle, "\xC2\xB0");
    if (!h || !s || !a || !g) return std::nullopt;
    return BevelEditValues{*h, *s, *a, *g};
}

const std::array<GradientPreset, 15>& GradientPresets() {
    auto c = FromRgbHex;
    static const std::array<GradientPreset, 15> presets = {{
        {1, {c(0x0000FF), c(0x80FFFF)}, 0, 0},
        {1, {c(0x00FF00), c(0xFFFF00)}, 0, 0},
        {1, {c(0xFFFFFF), c(0x000000)}, 0, 0},
        {4, {c(0xFF0000), c(0xFF8000)}, 0, 7},
        {4, {c(0x0000FF), c(0x000000)}, 0, 0},
        {2, {c(0xFF0000), c(0xFFFF00), c(0x00FF00), c(0x0000FF), c(0x400080)}, 0, 0},
        {3, {c(0xFFFFFF), c(0x000080)}, 0, 7},
        {3, {c(0x000000), c(0x00FF00)}, 0, 0},
        {3, {c(0x00FFFF), c(0x000000)}, 0, 0},
        {2, {c(0xFFFF00), c(0xFF00FF)}, 0, 0},
        {1, {c(0x00FF00), c(0x0000FF)}, 0, 7},
        {5, {c(0x9D7600), c(0xFFFF00)}, 45, 1},
        {1, {c(0xFF0000), c(0xFFFFFF)}, 0, 1},
        {5, {c(0xFFFFFF), c(0xFFFF00)}, 135, 0},
        {5, {c(0x008000), c(0x808000)}, 150, 7},
    }};
    return presets;
}

}  // namespace vortel::presets
