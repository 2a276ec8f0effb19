#pragma once
// The main styles as data: one row a style. Sizes are in ten-thousandths of the picture height;
// colours are RGB hex (red first), -1 keeps what the effect has.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace vortel::presets {

struct StyleGuides {
    std::vector<int32_t> upperX, upperY, lowerX, lowerY;  // per cent of the inner area
};

struct StyleGradient {
    int32_t style;
    std::vector<uint32_t> colors;
    int32_t angle = 0;
    int32_t repeat = 0;
};

struct StyleBevelSegment {
    int32_t x, y;  // per cent
    uint8_t lineType;
    uint8_t fill;
    uint32_t color = 0;
    uint8_t transparency = 0;  // per cent
};

struct StyleBevel {
    std::vector<StyleBevelSegment> segments = {};
    int32_t height = 120;
    int32_t size = 100;
    int32_t addPixel = -1;  // ten-thousandths; -1 keeps the bevel preset's margin
    int32_t angle = -45;
    uint8_t topTransparency = 0;
};

struct StyleShadow {
    int32_t blur = -1;    // ten-thousandths; -1 none, 0 sharp
    int32_t x = 0, y = 0;  // ten-thousandths
    int32_t angle = 0;
    int32_t size = 100;
    int32_t intensity = 100;  // per cent
    uint32_t color = 0;
};

struct StyleOutline {
    uint8_t kind;
    int32_t step;
    int32_t x, y;  // ten-thousandths
};

struct StyleFrame {
    uint8_t kind = 0;
    int32_t width = 0;  // ten-thousandths
    int32_t value = 0;  // the height (kinds 1 to 13) or the point count (14 to 17); 0 keeps it
    uint32_t color = 0;
};

struct StyleRow {
    const char* text = "";
    int64_t textColor = -1;
    int64_t backColor = -1;
    int textTexture = -1;
    int backTexture = -1;
    std::optional<StyleGuides> guides = std::nullopt;
    std::optional<StyleGradient> textGradient = std::nullopt, backGradient = std::nullopt;
    std::optional<StyleBevel> bevel = std::nullopt;
    std::optional<StyleOutline> outline = std::nullopt;
    std::optional<StyleShadow> shadow = std::nullopt;
    std::optional<StyleFrame> frame = std::nullopt;
    const char* face = nullptr;  // nullptr keeps Arial
    uint8_t pitchAndFamily = 32;
    int32_t charSpacing = 0;
    int32_t weight = 0;          // 0 keeps the heavy weight every style starts from
    bool italic = false;
};

// Rows 1 .. 45 (row 0, the plain style, is worked out from the current effect).
const std::array<StyleRow, 46>& MainStyleRows();

}  // namespace vortel::presets
