#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>

#include "panels/presets/PixelAdjust.h"

namespace vortel::presets {
namespace {

// A picture whose three bytes of pixel (x, y) are all byte(x, y), or byte(x, y) + k * step.
Bitmap makePicture(int32_t w, int32_t h, const std::function<int(int32_t x, int32_t y)>& byte, int step = 0) {
    Bitmap b{w, h, std::vector<uint8_t>(size_t(w) * h * 3)};
    for (size_t i = 0; i < b.bgr.size(); ++i)
        b.bgr[i] = uint8_t(byte(int32_t(i / 3 % w), int32_t(i / 3 / w)) + int(i % 3) * step);
    return b;
}

std::string firstBytes(const Bitmap& b) {
    std::string s;
    for (size_t i = 0; i < b.bgr.size(); i += 3) s += char(b.bgr[i]);
    return s;
}

TEST(PixelColor, ConversionsFollowTheHandComputedValuesAndGreyStaysGrey) {
    const struct {
        Rgb rgb;
        Hls hls;
    } cases[] = {{{255, 0, 0}, {0, 128, 255}}, {{0, 255, 0}, {85, 128, 255}}, {{255, 255, 0}, {42, 128, 255}},
                 {{0, 1, 150}, {169, 75, 255}}, {{200, 56, 56}, {0, 128, 145}}, {{0, 0, 0}, {170, 0, 0}},
                 {{128, 128, 128}, {170, 128, 0}}};
    for (const auto& c : cases) EXPECT_EQ(rgbToHls(c.rgb), c.hls) << int(c.rgb.r) << "," << int(c.rgb.g);
    EXPECT_EQ(hlsToRgb({0, 128, 255}), (Rgb{255, 1, 1}));
    EXPECT_EQ(hlsToRgb({169, 75, 255}), (Rgb{0, 4, 150}));  // one hue step is 150 / 42.5 green steps

    const Bitmap greys = makePicture(6, 1, [](int32_t x, int32_t) { return std::min(255, x * 51); });
    for (const int hue : {-200, 57, 200}) EXPECT_EQ(adjustColors(greys, {hue}).bgr, greys.bgr) << hue;
}

TEST(PixelColor, RoundTripIsWithinOneStepWhereAHueStepIsBelowOneChannelStep) {
    std::vector<Rgb> colors = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {128, 0, 0}, {1, 0, 0}};
    for (int r = 0; r < 256; r += 5)
        for (int g = 0; g < 256; g += 5)
            for (int b = 0; b < 256; b += 5)
                if (std::max({r, g, b}) - std::min({r, g, b}) <= 42)
                    colors.push_back(Rgb{uint8_t(r), uint8_t(g), uint8_t(b)});
    for (const Rgb c : colors) {
        const Rgb back = hlsToRgb(rgbToHls(c));
        EXPECT_LE(std::max({std::abs(back.r - c.r), std::abs(back.g - c.g), std::abs(back.b - c.b)}), 1)
            << int(c.r) << "," << int(c.g) << "," << int(c.b);
    }
}

TEST(PixelColor, ChannelSlidersAloneShiftTheStoredBytesAndZeroChangesNothing) {
    const Bitmap varied = makePicture(16, 16, [](int32_t x, int32_t y) { return x * 17 + y * 5; }, 77);
    EXPECT_EQ(adjustColors(varied, {}).bgr, varied.bgr);
    // The red slider moves the first stored byte; a slider beyond its range counts as its end.
    const Bitmap shifted = adjustColors(varied, {0, 0, 0, 10, -20, 300});
    const int offset[3] = {10, -20, 200};
    for (size_t i = 0; i < varied.bgr.size(); ++i)
        EXPECT_EQ(shifted.bgr[i], std::clamp(varied.bgr[i] + offset[i % 3], 0, 255)) << i;
    // The first stored byte also enters the hue as red: a third of the circle makes it the second.
    EXPECT_EQ(adjustColors(Bitmap{1, 1, {255, 0, 0}}, {85}).bgr, (std::vector<uint8_t>{1, 255, 1}));
}

TEST(PixelFilter, FlatStaysFlatSharpenClampsAndSoftenWrapsRound) {
    const Bitmap flat = makePicture(5, 4, [](int32_t, int32_t) { return 30; }, 110);
    EXPECT_EQ(soften(flat).bgr, flat.bgr);
    EXPECT_EQ(sharpen(flat).bgr, flat.bgr);
    // 40 x 255 - 4 x 255 overflows a byte and -4 x 255 is negative: both clamp. Every corner takes
    // the value of the bottom row's second pixel.
    const Bitmap board = makePicture(4, 4, [](int32_t x, int32_t y) { return (x + y) % 2 ? 0 : 255; });
    const Bitmap expected = makePicture(4, 4, [](int32_t x, int32_t y) {
        const bool corner = x % 3 == 0 && y % 3 == 0;
        return corner || (x + y) % 2 == 0 ? 255 : 0;
    });
    EXPECT_EQ(sharpen(board).bgr, expected.bgr);
    const struct {
        int32_t x, y;  // the one pixel of 90 in a 5x5 picture
        const char* tenths;
    } cases[] = {
        {0, 1, ".#..." "##..#" "##..#" "....." "....."},  // left column: wraps right; corners from (1, 4)
        {2, 4, "#####" "....." "....." ".###." "#####"},  // bottom row: wraps to the top; every corner lit
    };
    for (const auto& c : cases) {
        const Bitmap one = makePicture(5, 5, [&](int32_t x, int32_t y) { return x == c.x && y == c.y ? 90 : 0; });
        std::string seen;
        for (const char v : firstBytes(soften(one))) seen += v == 10 ? '#' : v == 0 ? '.' : '?';
        EXPECT_EQ(seen, c.tenths) << c.x << "," << c.y;
    }
}

TEST(PixelGeometry, TurnsCounterClockwiseAndMirrorsRows) {
    const Bitmap abcd = makePicture(4, 2, [](int32_t x, int32_t y) { return 'a' + y * 4 + x; });  // abcd/efgh
    const Bitmap turned = rotate(abcd);
    EXPECT_EQ(std::pair(turned.width, turned.height), std::pair(2, 4));
    EXPECT_EQ(firstBytes(turned), "dhcgbfae");
    EXPECT_EQ(firstBytes(mirror(abcd)), "dcbahgfe");
    EXPECT_EQ(firstBytes(mirror(makePicture(3, 1, [](int32_t x, int32_t) { return 'a' + x; }))), "cba");
    EXPECT_EQ(mirror(mirror(abcd)).bgr, abcd.bgr);
    EXPECT_TRUE(rotate(Bitmap{}).empty());
    EXPECT_THROW(soften(Bitmap{2, 2, {1, 2, 3}}), std::invalid_argument);
}

TEST(AdjustDialogState, ApplyGivesTheFullImageWhatTheDialogShowsOnce) {
    const Bitmap start = makePicture(5, 3, [](int32_t x, int32_t y) { return x * 50 + y * 70; }, 90);
    const std::map<char, void (AdjustDialogState::*)()> press = {{'s', &AdjustDialogState::soften},
        {'h', &AdjustDialogState::sharpen}, {'r', &AdjustDialogState::rotate}, {'m', &AdjustDialogState::mirror}};
    // Filters come first, as the replay does them.
    for (const std::string ops : {"r", "rm", "mr", "rrm", "mrmr", "ssr", "hm", ""}) {
        AdjustDialogState state;
        state.reset(start);
        for (const char op : ops) (state.*press.at(op))();
        state.setSliders({30, -10, 20, 5, 0, -5});
        Bitmap image = start;
        ASSERT_TRUE(state.applyToImage(image));
        const Bitmap dialog = state.shown();
        EXPECT_EQ(std::pair(image.width, image.bgr), std::pair(dialog.width, dialog.bgr)) << ops;
        // Nothing changed, nothing to do; a later change is applied on its own, not on top.
        EXPECT_FALSE(state.applyToImage(image));
        state.mirror();
        ASSERT_TRUE(state.applyToImage(image));
        EXPECT_EQ(image.bgr, mirror(dialog).bgr) << ops;
    }
    AdjustDialogState state;
    state.reset(start);
    for (int i = 0; i < 4; ++i) state.rotate();
    EXPECT_EQ(state.rotationCount(), 0);
    EXPECT_EQ(state.working().bgr, start.bgr);
}

}  // namespace
}  // namespace vortel::presets
