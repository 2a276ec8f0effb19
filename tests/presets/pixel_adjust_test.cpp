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

// The conversions as first written, with the real-valued steps in floating point: the integer
// forms the colour pass uses must give the same bytes for every colour.
namespace reference {
uint8_t clampByte(int32_t v) { return uint8_t(std::clamp(v, 0, 255)); }
int32_t trunc32(double v) { return static_cast<int32_t>(v); }

Hls rgbToHls(Rgb c) {
    const int32_t r = c.r, g = c.g, b = c.b;
    const int32_t most = std::max({r, g, b}), least = std::min({r, g, b});
    const int32_t l = ((most + least) * 255 + 255) / 510;
    if (most == least) return {170, clampByte(l), 0};
    const int32_t d = most - least, sum = most + least;
    const int32_t s = l > 127 ? (d * 255 + (510 - sum) / 2) / (510 - sum) : (d * 255 + sum / 2) / sum;
    auto distance = [&](int32_t v) { return trunc32((double(most - v) * 42.5 + d / 2) / d); };
    const int32_t rd = distance(r), gd = distance(g), bd = distance(b);
    int32_t hue = r == most ? bd - gd : g == most ? 85 + rd - bd : 170 + gd - rd;
    if (hue < 0) hue += 255;
    if (hue >= 256) hue -= 255;
    return {clampByte(hue), clampByte(l), clampByte(s)};
}

Rgb hlsToRgb(Hls c) {
    const int32_t h = c.h, l = c.l, s = c.s;
    if (s == 0) return {c.l, c.l, c.l};
    const int32_t m2 = l > 127 ? l + s - trunc32((l * s + 127.5) / 255) : trunc32((l * (s + 255) + 127.5) / 255);
    const int32_t m1 = 2 * l - m2;
    auto part = [&](int32_t hue) {
        if (hue < 0) hue += 255;
        if (hue >= 256) hue -= 255;
        if (hue < 42.5) return m1 + trunc32(((m2 - m1) * hue + 21.25) / 42.5);
        if (hue < 127.5) return m2;
        if (hue >= 170) return m1;
        return m1 + trunc32(((170 - hue) * (m2 - m1) + 21.25) / 42.5);
    };
    auto channel = [&](int32_t hue) { return clampByte(trunc32((part(hue) * 255 + 127.5) / 255)); };
    return {channel(h + 85), channel(h), channel(h - 85)};
}

Bitmap adjustColors(const Bitmap& picture, const ColorSliders& s) {
    Bitmap out = picture;
    for (size_t i = 0; i + 2 < out.bgr.size(); i += 3) {
        uint8_t* p = out.bgr.data() + i;
        Rgb c{clampByte(p[0] + s.red), clampByte(p[1] + s.green), clampByte(p[2] + s.blue)};
        if (s.hue != 0 || s.lightness != 0 || s.saturation != 0) {
            const Hls hls = reference::rgbToHls(c);
            c = reference::hlsToRgb(
                {clampByte(hls.h + s.hue), clampByte(hls.l + s.lightness), clampByte(hls.s + s.saturation)});
        }
        p[0] = c.r, p[1] = c.g, p[2] = c.b;
    }
    return out;
}
}  // namespace reference

TEST(PixelColor, IntegerConversionsMatchTheRealValuedOnesForEveryColour) {
    size_t rgbDiffer = 0, hlsDiffer = 0;
    for (uint32_t v = 0; v < (1u << 24); ++v) {
        const uint8_t a = uint8_t(v), b = uint8_t(v >> 8), c = uint8_t(v >> 16);
        if (rgbToHls({a, b, c}) != reference::rgbToHls({a, b, c})) ++rgbDiffer;
        if (hlsToRgb({a, b, c}) != reference::hlsToRgb({a, b, c})) ++hlsDiffer;
    }
    EXPECT_EQ(rgbDiffer, 0u);
    EXPECT_EQ(hlsDiffer, 0u);
}

// The pass keeps results per colour and splits large pictures between threads: neither may change
// a byte, whether colours repeat (a few, all colliding in the table, or runs) or hardly ever do.
TEST(PixelColor, ColourPassGivesTheBytesOfThePlainLoop) {
    uint32_t seed = 7;
    auto next = [&seed] { return (seed = seed * 134775813u + 1) >> 24; };
    const struct {
        const char* what;
        int32_t w, h;
        std::function<uint8_t(size_t)> byte;
    } pictures[] = {
        {"noise, split", 700, 400, [&](size_t) { return uint8_t(next()); }},
        {"few colours", 97, 31, [](size_t i) { return uint8_t((i / 3 % 5) * 60 + i % 3); }},
        {"runs, split", 1024, 300, [](size_t i) { return uint8_t(i / 3 / 97 * 13 + i % 3 * 40); }},
        {"one pixel", 1, 1, [](size_t i) { return uint8_t(200 - i * 90); }},
    };
    const ColorSliders sliders[] = {{30, -20, 15, 10, -10, 5}, {0, 0, 0, 0, 0, -7}, {-200, 200, -200, 0, 0, 0},
                                    {85, 0, 0, 0, 0, 0}, {0, 0, 60, 0, 0, 0}};
    for (const auto& p : pictures) {
        Bitmap picture{p.w, p.h, std::vector<uint8_t>(size_t(p.w) * p.h * 3)};
        for (size_t i = 0; i < picture.bgr.size(); ++i) picture.bgr[i] = p.byte(i);
        for (const ColorSliders& s : sliders)
            EXPECT_EQ(adjustColors(picture, s).bgr, reference::adjustColors(picture, s).bgr) << p.what << " hue " << s.hue;
    }
}

// The dialog keeps the first half of the pass while only hue, lightness or saturation move: every
// step must still show what the plain loop gives for the working picture and the sliders.
TEST(AdjustDialogState, ShownPictureFollowsEverySliderAndPress) {
    uint32_t seed = 3;
    Bitmap start{600, 500, std::vector<uint8_t>(600 * 500 * 3)};  // large enough to be split
    for (size_t i = 0; i < start.bgr.size(); ++i) start.bgr[i] = uint8_t(i % 3 == 0 ? (seed = seed * 134775813u + 1) >> 24 : i / 1800);
    AdjustDialogState state;
    state.reset(start);
    const struct {
        ColorSliders sliders;
        void (AdjustDialogState::*press)();
    } steps[] = {{{40}, nullptr}, {{40, 20}, nullptr}, {{40, 20, -30}, nullptr}, {{40, 20, -30, 9}, nullptr},
                 {{-5, 20, -30, 9}, &AdjustDialogState::soften}, {{-5, 20, -30, 9, 0, -60}, nullptr},
                 {{0, 0, 0, 9, 0, -60}, nullptr}, {{70}, &AdjustDialogState::rotate}, {{71}, nullptr}};
    for (const auto& step : steps) {
        state.setSliders(step.sliders);
        if (step.press) (state.*step.press)();
        ASSERT_EQ(state.shown().bgr, reference::adjustColors(state.working(), step.sliders).bgr) << step.sliders.hue;
    }
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
    // Every order of presses, filters between turns and a soften undone by a sharpen included.
    for (const std::string ops : {"r", "rm", "mr", "rrm", "mrmr", "ssr", "hm", "", "sh", "hs", "rs", "msrh", "rrrrs"}) {
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
