#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <string>

#include "panels/presets/PixelAdjust.h"

namespace vortel::presets {
namespace {

Bitmap makePicture(int32_t w, int32_t h, const std::function<uint8_t(int32_t x, int32_t y, int32_t k)>& byte) {
    Bitmap b{w, h, std::vector<uint8_t>(size_t(w) * h * 3)};
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            for (int32_t k = 0; k < 3; ++k) b.bgr[(size_t(y) * w + x) * 3 + k] = byte(x, y, k);
    return b;
}

uint8_t at(const Bitmap& b, int32_t x, int32_t y) { return b.bgr[(size_t(y) * b.width + x) * 3]; }

// Every colour of a coarse cube, including strongly saturated ones.
Bitmap cubeSample() {
    return makePicture(16, 16 * 16, [](int32_t x, int32_t y, int32_t k) {
        const int32_t v[3] = {x * 17, (y % 16) * 17, (y / 16) * 17};
        return uint8_t(v[k]);
    });
}

TEST(PixelColor, GreyKeepsHue170AndTheHueSliderKeepsItGrey) {
    for (const int v : {0, 1, 127, 128, 254, 255}) {
        const uint8_t g = uint8_t(v);
        EXPECT_EQ(rgbToHls({g, g, g}), (Hls{170, g, 0})) << v;
        const Bitmap grey = makePicture(2, 1, [g](int32_t, int32_t, int32_t) { return g; });
        for (const int hue : {-200, 57, 200}) EXPECT_EQ(adjustColors(grey, {hue}).bgr, grey.bgr) << v << " " << hue;
    }
}

TEST(PixelColor, ConversionsFollowTheHandComputedValues) {
    const struct {
        Rgb rgb;
        Hls hls;
    } cases[] = {{{255, 0, 0}, {0, 128, 255}},   {{0, 255, 0}, {85, 128, 255}},  {{0, 0, 255}, {170, 128, 255}},
                 {{255, 255, 0}, {42, 128, 255}}, {{0, 1, 150}, {169, 75, 255}}};
    for (const auto& c : cases) EXPECT_EQ(rgbToHls(c.rgb), c.hls) << int(c.rgb.r) << "," << int(c.rgb.g);
    EXPECT_EQ(hlsToRgb({0, 128, 255}), (Rgb{255, 1, 1}));
    EXPECT_EQ(hlsToRgb({169, 75, 255}), (Rgb{0, 4, 150}));  // a hue step is worth 150 / 42.5 channel steps
}

TEST(PixelColor, RoundTripIsWithinOneStepWhereAHueStepIsBelowOneChannelStep) {
    std::vector<Rgb> colors = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {128, 0, 0}, {1, 0, 0}, {10, 20, 30}};
    for (int r = 0; r < 256; r += 5)
        for (int g = 0; g < 256; g += 5)
            for (int b = 0; b < 256; b += 5)
                if (std::max({r, g, b}) - std::min({r, g, b}) <= 42)
                    colors.push_back({uint8_t(r), uint8_t(g), uint8_t(b)});
    for (const Rgb c : colors) {
        const Rgb back = hlsToRgb(rgbToHls(c));
        EXPECT_LE(std::max({std::abs(back.r - c.r), std::abs(back.g - c.g), std::abs(back.b - c.b)}), 1)
            << int(c.r) << "," << int(c.g) << "," << int(c.b);
    }
}

TEST(PixelColor, ChannelSlidersAloneShiftTheStoredBytesAndZeroChangesNothing) {
    const Bitmap cube = cubeSample();
    EXPECT_EQ(adjustColors(cube, {}).bgr, cube.bgr);
    // The red slider moves the first stored byte; sliders beyond the range count as its end.
    const Bitmap shifted = adjustColors(cube, {0, 0, 0, 10, -20, 300});
    for (size_t i = 0; i < cube.bgr.size(); ++i) {
        const int offset[3] = {10, -20, 200};
        EXPECT_EQ(shifted.bgr[i], std::clamp(cube.bgr[i] + offset[i % 3], 0, 255)) << i;
    }
    // The first stored byte also enters the hue as red: a third of the circle makes it the second.
    const Bitmap turned = adjustColors(Bitmap{1, 1, {255, 0, 0}}, {85});
    EXPECT_EQ(turned.bgr, (std::vector<uint8_t>{1, 255, 1}));
}

TEST(PixelFilter, FlatStaysFlatAndSharpenClamps) {
    const Bitmap flat = makePicture(5, 4, [](int32_t, int32_t, int32_t k) { return uint8_t(30 + 110 * k); });
    EXPECT_EQ(soften(flat).bgr, flat.bgr);
    EXPECT_EQ(sharpen(flat).bgr, flat.bgr);
    // 40 x 255 - 4 x 255 overflows a byte, -4 x 255 is negative; both clamp to the checkerboard.
    const Bitmap board =
        makePicture(4, 4, [](int32_t x, int32_t y, int32_t) { return uint8_t((x + y) % 2 ? 0 : 255); });
    const Bitmap sharp = sharpen(board);
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 4; ++x) {
            const bool corner = (x == 0 || x == 3) && (y == 0 || y == 3);
            EXPECT_EQ(at(sharp, x, y), corner ? at(board, 1, 3) : at(board, x, y)) << x << "," << y;
        }
}

TEST(PixelFilter, SoftenWrapsRoundAndCornersTakeTheBottomRowsSecondPixel) {
    const struct {
        int32_t x, y;       // the one bright pixel of a 5x5 picture
        const char* spread;  // rows top to bottom, '#' where a ninth of it lands
    } cases[] = {
        {0, 1, ".#..." "##..#" "##..#" "....." "....."},  // left column: wraps to the right, corners stay dark
        {2, 4, "#####" "....." "....." ".###." "#####"},  // bottom row: wraps to the top, every corner lit
    };
    for (const auto& c : cases) {
        const Bitmap one =
            makePicture(5, 5, [&](int32_t x, int32_t y, int32_t) { return uint8_t(x == c.x && y == c.y ? 90 : 0); });
        const Bitmap soft = soften(one);
        for (int32_t i = 0; i < 25; ++i)
            EXPECT_EQ(at(soft, i % 5, i / 5), c.spread[i] == '#' ? 10 : 0) << c.y << ":" << i;
    }
}

TEST(PixelGeometry, TurnsCounterClockwiseAndMirrorsRows) {
    const Bitmap abc = makePicture(3, 2, [](int32_t x, int32_t y, int32_t) { return uint8_t('a' + y * 3 + x); });
    const Bitmap turned = rotate(abc);  // abc/def
    ASSERT_EQ(turned.width, 2);
    ASSERT_EQ(turned.height, 3);
    std::string seen;
    for (int32_t i = 0; i < 6; ++i) seen += char(at(turned, i % 2, i / 2));
    EXPECT_EQ(seen, "cfbead");
    seen.clear();
    const Bitmap mirrored = mirror(abc);
    for (int32_t i = 0; i < 6; ++i) seen += char(at(mirrored, i % 3, i / 3));
    EXPECT_EQ(seen, "cbafed");
    EXPECT_EQ(mirror(mirrored).bgr, abc.bgr);
    EXPECT_TRUE(rotate(Bitmap{}).empty());
    EXPECT_THROW(soften(Bitmap{2, 2, {1, 2, 3}}), std::invalid_argument);
}

TEST(AdjustDialogState, ApplyGivesTheFullImageWhatTheDialogShows) {
    const Bitmap start =
        makePicture(5, 3, [](int32_t x, int32_t y, int32_t k) { return uint8_t(x * 50 + y * 70 + k * 90); });
    // s soften, h sharpen, r rotate, m mirror; filters come first as the replay does them.
    for (const std::string ops : {"r", "rm", "mr", "rrm", "mrmr", "ssr", "hm", "rrrr", ""}) {
        AdjustDialogState state;
        state.reset(start);
        for (const char op : ops) {
            if (op == 's') state.soften();
            if (op == 'h') state.sharpen();
            if (op == 'r') state.rotate();
            if (op == 'm') state.mirror();
        }
        state.setSliders({30, -10, 20, 5, 0, -5});
        Bitmap image = start;
        ASSERT_TRUE(state.applyToImage(image));
        const Bitmap dialog = state.shown();
        EXPECT_EQ(image.width, dialog.width) << ops;
        EXPECT_EQ(image.bgr, dialog.bgr) << ops;
        // A second Apply without a change does nothing; a new change is applied once, not on top.
        EXPECT_FALSE(state.applyToImage(image));
        state.mirror();
        ASSERT_TRUE(state.applyToImage(image));
        EXPECT_EQ(image.bgr, state.shown().bgr) << ops;
        EXPECT_EQ(image.bgr, mirror(dialog).bgr) << ops;
    }
    AdjustDialogState state;
    state.reset(start);
    for (int i = 0; i < 4; ++i) state.rotate();
    EXPECT_EQ(state.rotationCount(), 0);
    EXPECT_EQ(state.working().bgr, start.bgr);
    state.rotate();
    state.mirror();
    EXPECT_EQ(state.rotationCount(), 3);
    EXPECT_TRUE(state.mirrorFlag());
}

}  // namespace
}  // namespace vortel::presets
