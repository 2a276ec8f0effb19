// The 3D Bevel page without widgets: the 18 presets, the profile setter and the random profile.
#include <cmath>

#include "engine/Helpers.h"
#include "panels/presets/Panels.h"
#include "panels/presets/PresetValues.h"
#include "platform/Numeric.h"

namespace vortel::presets {
namespace {

struct Segment {
    int32_t x, y;  // per cent
    uint8_t lineType, fill;
};

// The profile a preset draws, or nothing for the presets that keep the default single line.
std::vector<Segment> presetSegments(int index) {
    switch (index) {
    case 1: return {{50, 25, 3, 0}, {100, 0, 3, 0}};
    case 2: return {{100, 0, 3, 0}};
    case 3: return {{50, 0, 3, 0}, {100, 50, 2, 0}};
    case 4: return {{100, 0, 2, 0}};
    case 5: return {{25, 50, 1, 0}, {100, 100, 2, 0}};
    case 6: return {{100, 0, 1, 0}};
    case 7: return {{25, 15, 3, 0}, {50, 50, 3, 0}, {100, 50, 1, 1}};
    case 8: return {{100, 25, 2, 1}};
    case 9:
    case 13: return {{100, 75, 3, 1}};
    case 10: return {{50, 25, 2, 1}, {100, 0, 3, 1}};
    case 11: return {{100, 75, 2, 1}};
    case 12: return {{100, 25, 2, 1}};
    case 14: return {{40, 25, 2, 1}, {60, 25, 1, 1}, {100, 0, 3, 1}};
    case 15: return {{100, 100, 1, 1}};
    case 16: return {{50, 75, 3, 1}, {100, 50, 2, 0}};
    case 17: return {{40, 0, 3, 1}, {100, 50, 1, 1}};
    default: return {};
    }
}

}  // namespace

void EffectPanels::SetBevelProfile(const std::vector<int32_t>& xs, const std::vector<ColorRef>& colors,
                                   const std::vector<uint8_t>& lineTypes, const std::vector<uint8_t>& fills,
                                   const std::vector<int32_t>& ys) {
    const size_t n = std::min({xs.size(), colors.size(), lineTypes.size(), fills.size(), ys.size(), size_t(10)});
    BevelParams& b = engine_.Bevel;
    BevelPoint& start = b.Points[0];
    start.ColorMode = 0, start.SegmentType = 1, start.Color = 0, start.X = 0, start.Y = 500;
    b.SegmentCount = static_cast<uint8_t>(n);
    for (size_t i = 0; i < n; ++i) {
        BevelPoint& p = b.Points[i + 1];
        p.X = roundEven32(1000.0 * xs[i] / 100);
        p.Y = roundEven32(1000.0 * ys[i] / 100);
        p.ColorMode = fills[i];
        p.SegmentType = lineTypes[i];
        p.Color = colors[i];
    }
    engine_.BevelChanged = true;
    engine_.Modified = 1;
}

void EffectPanels::ApplyBevelPreset(int index) {
    if (index < 0 || index >= BevelPresetCount) return;
    BevelParams& b = engine_.Bevel;
    b.SegmentCount = 1;
    b.Points[0].ColorMode = 0, b.Points[0].SegmentType = 1, b.Points[0].X = 0, b.Points[0].Y = 500;
    b.Points[1].X = 1000, b.Points[1].Y = 0, b.Points[1].ColorMode = 0;
    int32_t height = 120, size = 100;
    const int32_t addPixel = scaledPreset(3);
    if (index == 0) {
        // No bevel: the start point's line type switches it off.
        b.Points[1].Y = 0, b.Points[1].SegmentType = 1;
        for (BevelPoint& p : b.Points) p.Transparency = 0;
        engine_.setBevelEnabled(false);
    } else {
        if (index == 1) size = 80;
        if (index == 8 || index == 9) size = 30, height = 360;
        if (index == 12) size = 70;
        const std::vector<Segment> segments = presetSegments(index);
        std::vector<int32_t> xs, ys;
        std::vector<uint8_t> types, fills;
        for (const Segment& s : segments) {
            xs.push_back(s.x), ys.push_back(s.y), types.push_back(s.lineType), fills.push_back(s.fill);
        }
        if (!segments.empty()) SetBevelProfile(xs, std::vector<ColorRef>(segments.size(), 0), types, fills, ys);
        engine_.setBevelEnabled(true);
    }
    engine_.setBevelValues(height, size, addPixel, -45);
    selectedBevel = index;
    notifyRefresh(Page::Bevel);
    notifyRedraw(Page::Bevel);
}

void EffectPanels::RandomBevelProfile(uint32_t seed) {
    static constexpr uint32_t palette[10] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080,
                                             0x800080, 0x008080, 0x808080, 0xC0C0C0, 0xFF0000};
    engine_.SetUndoRecord(9, 0);
    selectedBevel = -1;
    Random random(seed);
    int count = 1 + int(random.below(3));
    if (random.below(5) == 0) count = 3 + int(random.below(3));
    BevelParams& b = engine_.Bevel;
    const int32_t step = 1000 / count, half = step / 2;
    for (int i = 0; i <= count; ++i) {
        BevelPoint& p = b.Points[size_t(i)];
        static constexpr uint8_t fillFor[3] = {1, 0, 2};
        static constexpr uint8_t typeFor[3] = {1, 2, 3};
        p.ColorMode = fillFor[random.below(3)];
        if (p.ColorMode == 2) p.Color = FromRgbHex(palette[random.below(10)]);
        p.SegmentType = typeFor[random.below(3)];
        p.Transparency = 0;
        const int32_t a = int32_t(random.below(uint32_t(half)));
        const int32_t c = int32_t(random.below(uint32_t(half)));
        p.X = a + i * step - c;
        p.Y = int32_t(random.below(1000));
    }
    b.SegmentCount = static_cast<uint8_t>(count);
    engine_.BevelChanged = true;
    engine_.Modified = 1;
    notifyRefresh(Page::Bevel);
    notifyRedraw(Page::Bevel);
}

}  // namespace vortel::presets
