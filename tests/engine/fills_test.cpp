#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <ostream>

#include "engine/Fills.h"

namespace vortel {

void PrintTo(const Rgb& c, std::ostream* os) { *os << '(' << int(c.r) << ',' << int(c.g) << ',' << int(c.b) << ')'; }

namespace {

// Every channel different, so a swapped channel or colour cannot pass.
constexpr ColorRef kA = rgb(0, 100, 200), kB = rgb(200, 0, 100);
constexpr Rgb kFirst{0, 100, 200}, kLast{200, 0, 100}, kMiddle{100, 50, 150};
const ColorRef kTwo[2] = {kA, kB};
const ColorRef kThree[3] = {rgb(0, 0, 0), rgb(240, 120, 60), rgb(0, 240, 0)};

FillRecord gradientFill(int32_t style, int32_t angle = 45) {
    FillRecord f;
    f.FillKind = 1;
    f.GradientStyle = style;
    f.GradientAngle = angle;
    f.GradientColors[0] = kA;
    f.GradientColors[1] = kB;
    return f;
}

// 3 × 2 texture, top-down; pixel (c, r) has red 10c + r + 1 so each one is told apart.
std::shared_ptr<Bitmap> smallTexture() {
    auto t = std::make_shared<Bitmap>(Bitmap{3, 2, std::vector<uint8_t>(18)});
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) t->bgr[(r * 3 + c) * 3 + 2] = uint8_t(10 * c + r + 1);
    return t;
}

// Box W = 50, H = 100; rows count from the bottom line, row 20 is the box's lowest.
const Rect kBox{10, 20, 60, 120};

Rgb sample(const FillRecord& f, int32_t x, int32_t row, const Rect& box = kBox) { return FillSampler(f, box).at(x, row); }

std::vector<ColorRef> pixels(const Canvas& c) {
    std::vector<ColorRef> out;
    for (int32_t y = 0; y < c.height(); ++y)
        for (int32_t x = 0; x < c.width(); ++x) out.push_back(c.pixel(x, y));
    return out;
}

// White letters on black: picture lines `top` .. 15 and columns 4 .. 15 of a 20 × 20 image.
std::unique_ptr<Canvas> letters(int32_t top) {
    auto c = std::make_unique<Canvas>(20, 20);
    c->fillRect({0, 0, 20, 20}, 0);
    c->fillRect({4, top, 16, 16}, 0xFFFFFF);
    return c;
}

// A white 4 × 4 imprint with one dark pixel.
Bitmap imprintWithHole(int32_t x, int32_t y) {
    Bitmap b{4, 4, std::vector<uint8_t>(48, 255)};
    std::fill_n(b.bgr.begin() + (y * 4 + x) * 3, 3, 0);
    return b;
}

}  // namespace

TEST(GradientColor, BlendsTwoColoursAlongTheLength) {
    // n = 1, t = 100; channel = (v × c1 − u × c0) / 100 with v = p, u = p − 100.
    EXPECT_EQ(GradientColor(kTwo, 2, 0, 100, 0), kFirst);
    EXPECT_EQ(GradientColor(kTwo, 2, 50, 100, 0), kMiddle);
    EXPECT_EQ(GradientColor(kTwo, 2, 25, 100, 0), (Rgb{50, 75, 175}));  // b = (25·100 + 75·200) / 100
    EXPECT_EQ(GradientColor(kTwo, 2, 100, 100, 0), kLast);               // o = 1 clamped to 0, v = 100, u = 0
}

TEST(GradientColor, WalksThroughEveryColourOfThree) {
    // n = 2, t = 50.
    EXPECT_EQ(GradientColor(kThree, 3, 25, 100, 0), (Rgb{120, 60, 30}));   // half of colour 1
    EXPECT_EQ(GradientColor(kThree, 3, 50, 100, 0), (Rgb{240, 120, 60}));  // o = 1, v = 0
    EXPECT_EQ(GradientColor(kThree, 3, 75, 100, 0), (Rgb{120, 180, 30}));  // g = (25·240 + 25·120) / 50
    EXPECT_EQ(GradientColor(kThree, 3, 100, 100, 0), (Rgb{0, 240, 0}));
    // Length 101: t = 50, o = 1, v = 51, u = 1; r = −240 / 50 and b = −60 / 50 saturate at 0,
    // g = (51·240 − 120) / 50 = 242.
    EXPECT_EQ(GradientColor(kThree, 3, 101, 101, 0), (Rgb{0, 242, 0}));
}

TEST(GradientColor, RepeatRunsForwardThenMirrored) {
    // repeat 1: p = 2 × position; past the length the run folds back.
    EXPECT_EQ(GradientColor(kTwo, 2, 25, 100, 1), kMiddle);
    EXPECT_EQ(GradientColor(kTwo, 2, 50, 100, 1), kLast);
    EXPECT_EQ(GradientColor(kTwo, 2, 75, 100, 1), kMiddle);  // p = 150 → 50 → 100 − 50
    EXPECT_EQ(GradientColor(kTwo, 2, 100, 100, 1), kFirst);  // p = 200 → 100 → 0
    // position 10 → p = 20 and position 90 → p = 180 → 80 → 20: r = 20·200 / 100, g = 80·100 / 100.
    EXPECT_EQ(GradientColor(kTwo, 2, 10, 100, 1), (Rgb{40, 80, 180}));
    EXPECT_EQ(GradientColor(kTwo, 2, 90, 100, 1), (Rgb{40, 80, 180}));
    EXPECT_EQ(GradientColor(kTwo, 2, 100, 100, 2), kLast);  // p = 300 → 100 after two runs: even
}

TEST(GradientColor, DegenerateInputsNeverDivideByZero) {
    EXPECT_EQ(GradientColor(kTwo, 1, 50, 100, 0), kFirst);
    EXPECT_EQ(GradientColor(kTwo, 0, 50, 100, 0), kFirst);
    EXPECT_EQ(GradientColor(kTwo, 2, 50, 0, 0), kFirst);
    EXPECT_EQ(GradientColor(kTwo, 2, 50, -5, 3), kFirst);
    // Length 1 with three colours: t = 0; the nearest colour instead.
    EXPECT_EQ(GradientColor(kThree, 3, 0, 1, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(GradientColor(kThree, 3, 1, 1, 0), (Rgb{0, 240, 0}));
    // Before the start: o = −3 clamped to 0, then (−150·c1 + 200·0) / 50 saturates at black.
    EXPECT_EQ(GradientColor(kThree, 3, -150, 100, 0), (Rgb{0, 0, 0}));
    // A count beyond eleven reads only the eleven colours: n = 10, t = 100, o = 9, v = 100, u = 0.
    std::array<ColorRef, 11> eleven{};
    eleven[10] = kB;
    EXPECT_EQ(GradientColor(eleven.data(), 1000, 1000, 1000, 0), kLast);
}

TEST(FillSampler, SolidAndUnknownFillsAreUniform) {
    FillRecord solid, hatch, unknown;
    solid.FillColor = hatch.FillColor = unknown.FillColor = rgb(10, 20, 30);
    hatch.FillKind = 3;
    unknown.FillKind = 7;
    for (const Point p : {Point{10, 20}, Point{35, 70}, Point{-1000, 5000}}) {
        for (const FillRecord* f : {&solid, &hatch, &unknown}) EXPECT_EQ(sample(*f, p.x, p.y), (Rgb{10, 20, 30}));
        EXPECT_EQ(sample(gradientFill(9), p.x, p.y), kFirst);
    }
}

TEST(FillSampler, VerticalAndHorizontalStartAtTheTopAndTheLeft) {
    EXPECT_EQ(sample(gradientFill(1), 10, 120), kFirst);           // row = bottom: position H − 100 = 0
    EXPECT_EQ(sample(gradientFill(1), 40, 95), (Rgb{50, 75, 175}));  // position 100 − 75 = 25
    EXPECT_EQ(sample(gradientFill(1), 59, 70), kMiddle);
    EXPECT_EQ(sample(gradientFill(1), 10, 20), kLast);             // row = top: position H
    EXPECT_EQ(sample(gradientFill(2), 10, 50), kFirst);
    EXPECT_EQ(sample(gradientFill(2), 35, 20), kMiddle);           // position 25 of W = 50
    EXPECT_EQ(sample(gradientFill(2), 60, 99), kLast);
}

TEST(FillSampler, BoxRunsFromTheBorderToTheMiddle) {
    const FillRecord f = gradientFill(3);
    EXPECT_EQ(sample(f, 35, 70), kLast);    // dx = dy = 0: position H − 50 of length 50
    EXPECT_EQ(sample(f, 35, 20), kFirst);   // dy = −50
    EXPECT_EQ(sample(f, 10, 70), kFirst);   // dx = −25, dy = 0: horizontal half, position 0
    // dx = ∓15: position 10 of 25; r = 10·200 / 25, g = 15·100 / 25, b = (1000 + 3000) / 25.
    EXPECT_EQ(sample(f, 20, 70), (Rgb{80, 60, 160}));
    EXPECT_EQ(sample(f, 50, 70), (Rgb{80, 60, 160}));
    EXPECT_EQ(sample(f, 35, 100), (Rgb{80, 60, 160}));  // dy = 30: position 100 − 80 = 20 of 50
    EXPECT_EQ(sample(f, 10, 50, {10, 20, 10, 120}), kFirst);
    EXPECT_EQ(sample(f, 30, 20, {10, 20, 60, 20}), kFirst);
}

TEST(FillSampler, RadialIsAnEllipseAroundTheCentre) {
    // ratio = 50 / 100, length = round(0.6 · 50) = 30, t = 30.
    const FillRecord f = gradientFill(4);
    EXPECT_EQ(sample(f, 35, 70), kFirst);
    // dy = 40 → √(0.25 · 1600) = 20 and dx = 20 → 20: r = 20·200 / 30, g = 10·100 / 30.
    EXPECT_EQ(sample(f, 35, 110), (Rgb{133, 33, 133}));
    EXPECT_EQ(sample(f, 55, 70), (Rgb{133, 33, 133}));
    // Corner: √(625 + 625) = 35.4 → 35, past the length: r = 35·200 / 30, g = −500 / 30 → 0.
    EXPECT_EQ(sample(f, 10, 20), (Rgb{233, 0, 83}));
    EXPECT_EQ(sample(f, 35, 20, {10, 20, 60, 20}), kFirst);
}

TEST(FillSampler, AngledFollowsTheDirection) {
    for (int32_t row = 20; row <= 120; row += 7)
        for (int32_t x = 10; x <= 60; x += 5) {
            EXPECT_EQ(sample(gradientFill(5, 0), x, row), sample(gradientFill(2), x, row));
            EXPECT_EQ(sample(gradientFill(5, 90), x, row), sample(gradientFill(1), x, row));
        }
    // 45°: L = round(0.7071 · 150) = 106, m = round(106 / 0.7071) = 150; position = dy + dx.
    EXPECT_EQ(sample(gradientFill(5, 45), 10, 20), kFirst);
    EXPECT_EQ(sample(gradientFill(5, 45), 35, 70), kMiddle);
    EXPECT_EQ(sample(gradientFill(5, 45), 60, 120), kLast);
    // 135°: m = 150, position = 149 − (99 − dy) − dx; at the box corner (0, 0) it is 50:
    // r = 50·200 / 150, g = 100·100 / 150, b = (5000 + 20000) / 150.
    EXPECT_EQ(sample(gradientFill(5, 135), 60, 20), kFirst);
    EXPECT_EQ(sample(gradientFill(5, 135), 10, 20), (Rgb{66, 66, 166}));
    EXPECT_EQ(sample(gradientFill(5, 135), 35, 70), kMiddle);
    EXPECT_EQ(sample(gradientFill(5, 270), 40, 90), kFirst);  // cos r = 0
    EXPECT_EQ(sample(gradientFill(5, -90), 40, 90), kFirst);
    EXPECT_EQ(sample(gradientFill(5, 45), 10, 20, {10, 20, 10, 20}), kFirst);  // m = 0
}

TEST(FillSampler, TextureIsAnchoredAtTheBoxCorner) {
    FillRecord f;
    f.FillKind = 0;
    f.FillColor = rgb(1, 2, 3);
    f.Texture = smallTexture();
    const FillSampler s(f, kBox);
    // The box's lowest row shows the texture's bottom line (top-down row 1), column 0: red 1·0 + 2.
    EXPECT_EQ(s.at(10, 20).r, 2);
    EXPECT_EQ(s.at(12, 21).r, 21);  // column 2, row 1 from the bottom = top-down row 0
    EXPECT_EQ(s.at(9, 20).r, 22);   // left of the box wraps to column 2
    const FillSampler moved(f, {13, 22, 63, 122}), shifted(f, {11, 20, 61, 120});
    for (int32_t row = 20; row < 26; ++row)
        for (int32_t x = 10; x < 17; ++x) {
            EXPECT_EQ(moved.at(x, row), s.at(x, row));
            EXPECT_EQ(shifted.at(x + 1, row), s.at(x, row));
        }
    f.Texture = std::make_shared<Bitmap>(Bitmap{4, 4, std::vector<uint8_t>(10)});  // truncated pixels
    EXPECT_EQ(FillSampler(f, kBox).at(10, 20), (Rgb{1, 2, 3}));
    f.Texture.reset();
    EXPECT_EQ(FillSampler(f, kBox).at(10, 20), (Rgb{1, 2, 3}));
}

TEST(PaintFill, SolidAndFallbacksCoverEveryPixel) {
    FillRecord solid, unknown, noTexture;
    solid.FillColor = unknown.FillColor = noTexture.FillColor = rgb(1, 2, 3);
    unknown.FillKind = 9;
    noTexture.FillKind = 0;
    for (const FillRecord* f : {&solid, &unknown, &noTexture}) {
        Canvas c(7, 5);
        PaintFill(c, *f, {0, 0, 7, 5});
        EXPECT_EQ(pixels(c), std::vector<ColorRef>(35, rgb(1, 2, 3)));
    }
}

TEST(PaintFill, HatchRepeatsEveryEightPixelsInBothColours) {
    FillRecord f;
    f.FillKind = 3;
    f.HatchColor = rgb(255, 0, 0);
    f.FillColor = rgb(0, 0, 255);
    for (const int32_t style : {1, 4, 5}) {
        f.HatchStyle = style;
        Canvas c(24, 24);
        PaintFill(c, f, {0, 0, 24, 24});
        const auto px = pixels(c);
        const auto lines = std::count(px.begin(), px.end(), f.HatchColor);
        EXPECT_GT(lines, 0);
        EXPECT_EQ(lines + std::count(px.begin(), px.end(), f.FillColor), 24 * 24);
        for (int32_t y = 0; y < 16; ++y)
            for (int32_t x = 0; x < 16; ++x) {
                EXPECT_EQ(c.pixel(x, y), c.pixel(x + 8, y));
                EXPECT_EQ(c.pixel(x, y), c.pixel(x, y + 8));
            }
    }
    Canvas zero(16, 16), unknown(16, 16);
    f.HatchStyle = 0;
    PaintFill(zero, f, {0, 0, 16, 16});
    f.HatchStyle = 77;
    PaintFill(unknown, f, {0, 0, 16, 16});
    EXPECT_EQ(pixels(unknown), pixels(zero));
}

TEST(PaintFill, TextureTilesFromTheTopLeftToTheEdges) {
    FillRecord f;
    f.FillKind = 0;
    f.Texture = smallTexture();
    Canvas c(10, 5);
    PaintFill(c, f, {0, 0, 10, 5});
    for (int32_t y = 0; y < 5; ++y)
        for (int32_t x = 0; x < 10; ++x) EXPECT_EQ(c.pixel(x, y), rgb(uint8_t(10 * (x % 3) + y % 2 + 1), 0, 0));
}

TEST(PaintFill, GradientTreatsTheImageAsTheBox) {
    // Picture line y is map row 99 − y, so position = 100 − (99 − y) = y + 1.
    Canvas c(3, 100);
    PaintFill(c, gradientFill(1), {0, 0, 3, 100});
    EXPECT_EQ(c.pixel(1, 0), rgb(2, 99, 199));  // r = 1·200 / 100, g = 99·100 / 100, b = (100 + 19800) / 100
    EXPECT_EQ(c.pixel(0, 49), rgb(100, 50, 150));  // position 50
    EXPECT_EQ(c.pixel(2, 99), kB);
}

TEST(PaintFill, ChangesOnlyPixelsInsideTheClip) {
    FillRecord solid, hatch, texture;
    solid.FillColor = rgb(1, 2, 3);
    hatch.FillKind = 3;
    hatch.HatchColor = rgb(255, 0, 0);
    hatch.FillColor = rgb(0, 0, 255);
    texture.FillKind = 0;
    texture.Texture = smallTexture();
    for (const FillRecord& f : {solid, gradientFill(2), hatch, texture}) {
        Canvas c(20, 20);
        c.beginPath();
        c.moveTo(5, 5);
        c.lineTo(15, 5);
        c.lineTo(15, 15);
        c.lineTo(5, 15);
        c.closeFigure();
        c.endPath();
        c.selectClipPath();
        PaintFill(c, f, {0, 0, 20, 20});
        for (int32_t y = 0; y < 20; ++y)
            for (int32_t x = 0; x < 20; ++x) {
                const bool outside = x < 4 || x > 15 || y < 4 || y > 15, inside = x > 5 && x < 14 && y > 5 && y < 14;
                const bool white = c.pixel(x, y) == 0xFFFFFFu;
                EXPECT_TRUE((!outside || white) && (!inside || !white)) << x << ',' << y;
            }
    }
}

TEST(ApplyImprint, PunchesDarkPixelsIntoTheLetters) {
    auto c = letters(4);
    ApplyImprint(*c, imprintWithHole(1, 1), {4, 4, 15, 15}, 20);
    // Tiles at multiples of 4 put the hole at (4i + 1, 4j + 1): 3 × 3 of them inside the letters.
    const auto px = pixels(*c);
    EXPECT_EQ(std::count(px.begin(), px.end(), 0xFFFFFFu), 12 * 12 - 9);
    EXPECT_EQ(c->pixel(5, 5), 0u);
    EXPECT_EQ(c->pixel(13, 9), 0u);
    EXPECT_EQ(c->pixel(6, 5), 0xFFFFFFu);
}

TEST(ApplyImprint, ReachesTheTopLineWhenItOpensATile) {
    // Lines 3 .. 15 are rows 4 .. 16; (20 − 16) / 4 = 1 would start at line 4 and miss line 3.
    auto c = letters(3);
    ApplyImprint(*c, imprintWithHole(1, 3), {4, 4, 15, 16}, 20);
    EXPECT_EQ(c->pixel(5, 3), 0u);
    EXPECT_EQ(c->pixel(9, 7), 0u);
}

TEST(ApplyImprint, EmptyBoundsOrImprintChangeNothing) {
    auto c = letters(4);
    const auto before = pixels(*c);
    const Bitmap dark{1, 1, {0, 0, 0}};
    ApplyImprint(*c, dark, {INT32_MAX, INT32_MAX, 0, 0}, 20);
    ApplyImprint(*c, Bitmap{}, {0, 0, 20, 20}, 20);
    EXPECT_EQ(pixels(*c), before);
    ApplyImprint(*c, dark, {-1000, -1000, INT32_MAX, INT32_MAX}, 20);
    EXPECT_EQ(pixels(*c), std::vector<ColorRef>(400, 0));
}

TEST(InvertBitmap, InvertsEveryByte) {
    Bitmap b{1, 1, {0, 255, 10}};
    InvertBitmap(b);
    EXPECT_EQ(b.bgr, (std::vector<uint8_t>{255, 0, 245}));
}

}  // namespace vortel
