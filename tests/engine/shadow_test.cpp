#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>

#include "EngineFixture.h"
#include "engine/ShadowBlur.h"
#include "platform/Numeric.h"

namespace vortel::test {

namespace {

constexpr ColorRef kBackground = 0xFF0000;  // the engine's initial background and text colours
constexpr ColorRef kText = 0x0000FF;

ShadowParams shadow(int32_t x, int32_t y, int32_t blur, int32_t angle = 0, int32_t size = 100) {
    ShadowParams s;
    s.ShadowX = x;
    s.ShadowY = y;
    s.ShadowBlur = blur;
    s.ShadowAngle = angle;
    s.ShadowSize = size;
    return s;
}

// An engine over a small image whose text mask is drawn by hand; the lower guide runs along
// screen line `baseY` (map row h - baseY).
struct MaskRig {
    MaskRig(int32_t width, int32_t height, int32_t baseY = 0) : w(width), h(height), engine(Rect{0, 0, width, height}) {
        engine.TextMask.assign(size_t(h + 1) * w + 4, 0);
        engine.WarpedBounds = emptyBounds();
        engine.GuidePoints[2] = {Point{0, baseY}, Point{w - 1, baseY}};
        engine.NumGuidePoints[2] = 2;
    }
    void text(int32_t x, int32_t row, uint8_t v = 255) {
        engine.TextMask[size_t(row) * w + x] = v;
        Rect& b = engine.WarpedBounds;
        b = Rect{std::min(b.left, x), std::min(b.top, row), std::max(b.right, x), std::max(b.bottom, row)};
    }
    void block(int32_t left, int32_t top, int32_t right, int32_t bottom) {
        for (int32_t row = top; row <= bottom; ++row)
            for (int32_t x = left; x <= right; ++x) text(x, row);
    }
    TPixelBuffer buffer(ColorRef fill = kBackground) const {
        Canvas c(w, h);
        c.fillRect(Rect{0, 0, w, h}, fill);
        TPixelBuffer b;
        BitmapToPixelBuffer(c, b);
        return b;
    }
    void build(const ShadowParams& s) {
        engine.Shadow = s;
        TPixelBuffer b = buffer();
        engine.CreateShadowPointer(b);
    }
    int at(int32_t x, int32_t row) const { return engine.ShadowMask[size_t(row) * w + x]; }
    // The map's non-zero pixels as (x, row, value).
    std::vector<std::array<int, 3>> marked() const {
        std::vector<std::array<int, 3>> out;
        for (int32_t row = 0; row < h; ++row)
            for (int32_t x = 0; x < w; ++x)
                if (at(x, row) != 0) out.push_back({x, row, at(x, row)});
        return out;
    }
    int32_t w, h;
    TFontFX engine;
};

// The default word rendered as the program does it, SmoothFont off so the letters are hard.
void render(EngineRig& rig, const ShadowParams& s) {
    rig.engine->SmoothFont = 0;
    rig.engine->setShadow(s);
    ASSERT_TRUE(rig.extractAndWarp());
    rig.engine->ShowText(*rig.canvas, false);
}

bool isText(const TFontFX& e, int32_t w, int32_t x, int32_t row) {
    const int32_t h = e.ImageRect.height();
    return row >= 0 && row < h && x >= 0 && x < w && e.TextMask[size_t(row) * w + x] != 0;
}

// The leftmost marked column of `row`.
template <class Map>
int32_t leftX(const Map& map, int32_t w, int32_t row) {
    const auto first = map.begin() + ptrdiff_t(row) * w;
    return int32_t(std::find_if(first, first + w, [](uint8_t v) { return v != 0; }) - first);
}

// The blur told step by step with no shortcut: column sums taken whole in the first r rows and
// moved by one row when the pass reaches column i + r (wrapping) later on; the row sum taken whole
// in the first r columns, moved in the middle and kept in the last r; quotient by (2r)².
std::vector<uint8_t> referenceBlur(const std::vector<uint8_t>& src, int32_t w, int32_t h, int32_t r) {
    std::vector<uint8_t> out(size_t(w) * h, 0);
    std::vector<int64_t> col(size_t(w) + r, 0);  // columns past the right edge hold no pixels
    auto at = [&](int64_t row, int64_t x) -> int64_t { return row >= 0 && row < h ? src[size_t(row * w + x)] : 0; };
    const int64_t divisor = 4LL * r * r;
    int64_t sum = 0;
    for (int32_t row = 0; row < h; ++row) {
        if (row < r)
            for (int32_t c = 0; c < w; ++c) {
                col[c] = 0;
                for (int32_t k = std::max(0, row - r); k <= std::min(row + r, h - 1); ++k) col[c] += at(k, c);
            }
        for (int32_t i = 0; i < w; ++i) {
            if (row >= r) {
                const int64_t j = (int64_t(i) + r) % w;
                col[j] += at(row + r, j) - at(row - r, j);
            }
            if (i < r) {
                sum = 0;
                for (int64_t c = 0; c <= int64_t(i) + r; ++c) sum += col[c];
            } else if (i < w - r) {
                sum += col[i + r] - col[i - r];
            }
            out[size_t(row) * w + i] = clampByte(int32_t(std::min<int64_t>(sum / divisor, 255)));
        }
    }
    return out;
}

// Scattered pixels and solid patches, with empty rows above and below, touching the left, right
// or bottom edge when asked.
std::vector<uint8_t> randomShape(int32_t w, int32_t h, uint32_t seed) {
    std::mt19937 rng(seed);
    std::vector<uint8_t> map(size_t(w) * h, 0);
    const int32_t top = int32_t(rng() % h), bottom = int32_t(top + rng() % (h - top));
    for (int32_t row = top; row <= bottom; ++row)
        for (int32_t x = 0; x < w; ++x)
            if (rng() % 3 != 0) map[size_t(row) * w + x] = (rng() % 2) ? 255 : uint8_t(rng());
    return map;
}

}  // namespace

// --- the cast shape ---------------------------------------------------------------------------

TEST(ShadowCast, NoShadowBuildsNoMapAndLeavesTheBackgroundOutsideTheText) {
    EngineRig rig;
    render(rig, shadow(12, -9, -1));
    EXPECT_TRUE(rig.engine->ShadowMask.empty());
    const int32_t w = 450, h = 200;
    int32_t textPixels = 0;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            if (isText(*rig.engine, w, x, h - 1 - y)) {
                ++textPixels;
                continue;
            }
            ASSERT_EQ(rig.canvas->pixel(x, y), kBackground) << x << "," << y;
        }
    EXPECT_GT(textPixels, 1000);
}

TEST(ShadowCast, SharpShadowIsTheTextShapeMovedByTheOffsets) {
    EngineRig rig;
    render(rig, shadow(7, -5, 0));
    const TFontFX& e = *rig.engine;
    const int32_t w = 450, h = 200;
    ASSERT_GE(e.ShadowMask.size(), size_t(w) * h);
    for (int32_t row = 0; row < h; ++row)
        for (int32_t x = 0; x < w; ++x) {
            // ShadowY -5 moves the shadow down: map row r shows text row r + 5.
            const int expected = isText(e, w, x - 7, row + 5) ? 255 : 0;
            ASSERT_EQ(e.ShadowMask[size_t(row) * w + x], expected) << x << "," << row;
        }
    const Rect wb = e.WarpedBounds;
    EXPECT_EQ(e.ShadowBounds, (Rect{wb.left + 7, wb.top - 5, wb.right + 7, wb.bottom - 5}));
}

TEST(ShadowCast, ShapeLeavingTheImageIsClippedAndBoundsStayInside) {
    MaskRig rig(12, 10);
    rig.block(8, 6, 10, 8);
    rig.build(shadow(2, 2, 0));
    // Columns 10..12, rows 8..10: only column 10..11 and rows 8..9 are inside.
    EXPECT_EQ(rig.engine.ShadowBounds, (Rect{10, 8, 11, 9}));
    EXPECT_EQ(rig.marked().size(), 4u);
}

TEST(ShadowCast, PresentColourSegmentsCastNothingAndModeZeroIsRestored) {
    MaskRig rig(10, 10);
    rig.text(3, 3, 255);
    rig.text(4, 3, 7);
    rig.text(5, 3, 9);
    rig.engine.DistColorMode[7] = 1;  // a bevel segment showing the pixel beneath
    rig.engine.DistColorMode[0] = 2;
    rig.build(shadow(0, 0, 0));
    EXPECT_EQ(rig.marked(), (std::vector<std::array<int, 3>>{{3, 3, 255}, {5, 3, 255}}));
    EXPECT_EQ(rig.engine.DistColorMode[0], 2);
}

TEST(ShadowCast, StretchAtAngleZeroFillsTheGapsUpward) {
    // Bar at column 5, rows 3..5; height 14, base line y = 11, so y = 14 - row = 11, 10, 9 and the
    // foot is (5, 11). Size 200: y' = 11 + 2 (y - 11) = 11, 9, 7, rows 14 - y' = 3, 5, 7.
    // Gaps: sy = 1 (cos 0 = 1), sx = 0, round(1 * 200 div 100) = 2 steps above each: rows 3..9.
    MaskRig rig(12, 14, 11);
    rig.block(5, 3, 5, 5);
    rig.build(shadow(0, 0, 0, 0, 200));
    std::vector<std::array<int, 3>> expected;
    for (int row = 3; row <= 9; ++row) expected.push_back({5, row, 255});
    EXPECT_EQ(rig.marked(), expected);
    EXPECT_EQ(rig.engine.ShadowBounds, (Rect{5, 3, 5, 9}));
}

TEST(ShadowCast, NinetyDegreesLaysTheShadowAlongTheBaseLine) {
    // Bar at column 2, rows 3..5 with its foot at (2, 11): dy = 0, -1, -2. Turning by -90 degrees:
    // x' = 2 - dy = 2, 3, 4 and y' = 11, so all land on row 14 - 11 = 3.
    MaskRig rig(12, 14, 11);
    rig.block(2, 3, 2, 5);
    rig.build(shadow(0, 0, 0, 90, 100));
    EXPECT_EQ(rig.marked(), (std::vector<std::array<int, 3>>{{2, 3, 255}, {3, 3, 255}, {4, 3, 255}}));
}

TEST(ShadowCast, CastShadowStandsOnTheLowerGuideLeanedAndShortened) {
    EngineRig rig;
    render(rig, shadow(0, 0, 0, 40, 40));
    const TFontFX& e = *rig.engine;
    const Point g0 = e.GuidePoints[2][0], g1 = e.GuidePoints[2][e.NumGuidePoints[2] - 1];
    ASSERT_EQ(g0.y, g1.y);
    const Rect wb = e.WarpedBounds, sb = e.ShadowBounds;
    const int32_t base = 200 - g0.y;  // the line's map row
    // Heights above the line shrink to 0.4 cos 40° = 0.306 and move right by 0.4 sin 40° = 0.257.
    const double up = 0.4 * std::cos(40 * M_PI / 180), right = 0.4 * std::sin(40 * M_PI / 180);
    EXPECT_NEAR(sb.top, base + up * (wb.top - base), 1);
    EXPECT_NEAR(sb.bottom, base + up * (wb.bottom - base), 1);
    const std::vector<uint8_t> shape(e.ShadowMask.begin(), e.ShadowMask.end());
    // (The right side of the top runs off the image.)
    EXPECT_NEAR(leftX(shape, 450, sb.bottom) - leftX(e.TextMask, 450, wb.bottom), right * (wb.bottom - base), 2);

    // With the line moved onto the letters' foot, the lowest text row casts onto itself.
    TFontFX& moved = *rig.engine;
    moved.GuidePoints[2] = {Point{g0.x, 200 - wb.top}, Point{g1.x, 200 - wb.top}};
    ByteMap onFoot(shape.size(), 0);
    moved.CastShadow(onFoot, 450, 200);
    EXPECT_EQ(moved.ShadowBounds.top, wb.top);
}

// Every text pixel cast one by one by the definition: dropped onto the lower guide's base line,
// turned about that foot by -angle and its distance scaled; sizes up to 100 leave no gaps to fill.
std::vector<std::array<int, 3>> referenceCast(const MaskRig& rig, const ShadowParams& s) {
    const int32_t w = rig.w, h = rig.h;
    const Point p0 = rig.engine.GuidePoints[2].front(), p1 = rig.engine.GuidePoints[2].back();
    const double bx = double(p1.x) - p0.x, by = double(p1.y) - p0.y, bb = bx * bx + by * by;
    const double a = -double(s.ShadowAngle) * M_PI / 180, scale = s.ShadowSize * 0.01;
    std::vector<uint8_t> map(size_t(w) * h, 0);
    for (int32_t row = 0; row < h; ++row)
        for (int32_t x = 0; x < w; ++x) {
            if (rig.engine.TextMask[size_t(row) * w + x] == 0) continue;
            const double y = h - row, t = ((x - p0.x) * bx + (y - p0.y) * by) / bb;
            const double fx = std::nearbyint(bx * t + p0.x), fy = std::nearbyint(by * t + p0.y);
            const double dx = x - fx, dy = y - fy;
            const double cx = fx + std::nearbyint(scale * (std::cos(a) * dx + std::sin(a) * dy));
            const double cy = fy + std::nearbyint(scale * (std::cos(a) * dy - std::sin(a) * dx));
            const double tx = cx + s.ShadowX, ty = h + s.ShadowY - cy;
            if (tx >= 0 && tx < w && ty >= 0 && ty < h) map[size_t(ty) * w + size_t(tx)] = 255;
        }
    std::vector<std::array<int, 3>> out;
    for (int32_t row = 0; row < h; ++row)
        for (int32_t x = 0; x < w; ++x)
            if (map[size_t(row) * w + x] != 0) out.push_back({x, row, 255});
    return out;
}

TEST(ShadowCast, EveryPixelLandsWhereTheDefinitionPutsIt) {
    // Level base lines (each row moves as a whole) on, above and below the picture, and sloped ones.
    struct Line {
        Point from, to;
    };
    const Line lines[] = {{{0, 30}, {59, 30}}, {{59, 12}, {3, 12}}, {{-400, 90}, {20, 90}}, {{0, -7}, {59, -7}},
                          {{0, 40}, {59, 28}}, {{10, 5}, {50, 45}},  {{30, 0}, {31, 44}}};
    struct Lean {
        int32_t angle, size, x, y;
    };
    const Lean leans[] = {{40, 40, 0, 0}, {-40, 77, 3, -2}, {90, 100, 0, 0}, {135, 60, -5, 4},
                          {-170, 10, 2, 2}, {15, 100, 0, 0}, {0, 50, 1, 1}, {0, 100, -3, 0}};
    uint32_t seed = 11;
    for (const Line& line : lines)
        for (const Lean& lean : leans) {
            MaskRig rig(60, 45);
            rig.engine.GuidePoints[2] = {line.from, line.to};
            const std::vector<uint8_t> shape = randomShape(60, 45, seed++);
            for (int32_t row = 2; row < 43; ++row)
                for (int32_t x = 2; x < 58; ++x)
                    if (shape[size_t(row) * 60 + x] != 0) rig.text(x, row);
            const ShadowParams s = shadow(lean.x, lean.y, 0, lean.angle, lean.size);
            rig.build(s);
            ASSERT_EQ(rig.marked(), referenceCast(rig, s))
                << "line (" << line.from.x << "," << line.from.y << ")-(" << line.to.x << "," << line.to.y << ") angle "
                << lean.angle << " size " << lean.size;
        }
}

TEST(ShadowCast, DegenerateLowerGuideCastsUprightInsteadOfDividingByZero) {
    MaskRig upright(20, 16), collapsed(20, 16), single(20, 16);
    for (MaskRig* rig : {&upright, &collapsed, &single}) rig->block(4, 3, 9, 10);
    upright.build(shadow(1, 2, 0));
    collapsed.engine.GuidePoints[2] = {Point{5, 5}, Point{9, 9}, Point{5, 5}};
    collapsed.engine.NumGuidePoints[2] = 3;
    collapsed.build(shadow(1, 2, 0, 40, 250));
    single.engine.NumGuidePoints[2] = 1;
    single.build(shadow(1, 2, 0, -30, 40));
    EXPECT_EQ(collapsed.marked(), upright.marked());
    EXPECT_EQ(single.marked(), upright.marked());
    EXPECT_EQ(collapsed.engine.ShadowBounds, upright.engine.ShadowBounds);
}

TEST(ShadowCast, HugeUserValuesStayInsideTheMaps) {
    MaskRig rig(16, 12, 2);
    rig.block(4, 3, 9, 8);
    rig.build(shadow(INT32_MAX, INT32_MIN, 0));
    EXPECT_TRUE(rig.marked().empty());
    EXPECT_GT(rig.engine.ShadowBounds.left, rig.engine.ShadowBounds.right);
    TPixelBuffer b = rig.buffer();
    rig.engine.ZeichneShadow(b);  // nothing to draw, nothing touched

    // Size 10^9 keeps only pixels on the base line (screen y 2, row 10); the text spans rows 3..8,
    // so every pixel lands far off the image.
    rig.build(shadow(0, 0, 0, 0, 1000000000));
    EXPECT_TRUE(rig.marked().empty());
    for (int32_t angle : {INT32_MIN, 45, INT32_MAX}) {
        rig.build(shadow(INT32_MIN, INT32_MAX, 0, angle, INT32_MAX));
        EXPECT_TRUE(rig.marked().empty()) << angle;
    }
}

TEST(ShadowCast, HugeStretchFromTheBaseLineFillsToTheImageBorder) {
    // The bar's bottom pixel (row 3) sits on the base line y = 9 (height 12), so it stays; the gap
    // fill then runs up to the top row and stops there.
    MaskRig rig(10, 12, 9);
    rig.block(4, 3, 4, 6);
    rig.build(shadow(0, 0, 0, 0, 1000000000));
    std::vector<std::array<int, 3>> expected;
    for (int row = 3; row < 12; ++row) expected.push_back({4, row, 255});
    EXPECT_EQ(rig.marked(), expected);
}

// --- the blur ---------------------------------------------------------------------------------

TEST(ShadowBlur, SinglePixelRadiusOneSpreadsAQuarterOverTwoByTwo) {
    // The window of (i, R) is columns i .. i+1 and rows R .. R+1; 255 / (2*1)² = 63.
    MaskRig rig(12, 10);
    rig.text(5, 5);
    rig.build(shadow(0, 0, 1));
    EXPECT_EQ(rig.marked(), (std::vector<std::array<int, 3>>{{4, 4, 63}, {5, 4, 63}, {4, 5, 63}, {5, 5, 63}}));
    EXPECT_EQ(rig.engine.ShadowBounds, (Rect{4, 4, 6, 6}));
}

TEST(ShadowBlur, WideBlockSaturatesInsideAndRampsAtItsEdges) {
    // Block columns 6..11, rows 5..10, r = 2: window columns i-1 .. i+2, rows R-1 .. R+2, so the
    // overlap counts for columns 3..13 (and rows 3..13) are 0 1 2 3 4 4 4 3 2 1 0.
    // Value = 255 * cols * rows / 16 rounded down; a full window gives 255, not 255 * 16 / 25.
    MaskRig rig(20, 16);
    rig.block(6, 5, 11, 10);
    rig.build(shadow(0, 0, 2));
    auto rowOf = [&](int32_t row) {
        std::vector<int> v;
        for (int32_t x = 3; x <= 13; ++x) v.push_back(rig.at(x, row));
        return v;
    };
    // rows 1: 15.94 per column count; 3: 47.81; 4: 63.75.
    EXPECT_EQ(rowOf(3), (std::vector<int>{0, 15, 31, 47, 63, 63, 63, 47, 31, 15, 0}));
    EXPECT_EQ(rowOf(5), (std::vector<int>{0, 47, 95, 143, 191, 191, 191, 143, 95, 47, 0}));
    EXPECT_EQ(rowOf(7), (std::vector<int>{0, 63, 127, 191, 255, 255, 255, 191, 127, 63, 0}));
    EXPECT_EQ(rowOf(12), std::vector<int>(11, 0));
    EXPECT_EQ(rig.engine.ShadowBounds, (Rect{4, 3, 13, 12}));
}

TEST(ShadowBlur, FirstColumnsLagOneRowAndLastColumnsRepeat) {
    // r = 1, width 10. Column 0's sum is refreshed at column 9, so row R reads it over rows R-1..R
    // instead of R..R+1: a pixel at (0, 5) shows at rows 5 and 6, not 4 and 5.
    MaskRig rig(10, 10);
    rig.engine.TextMask[5 * 10 + 0] = 255;
    rig.engine.TextMask[2 * 10 + 8] = 255;
    rig.engine.WarpedBounds = Rect{0, 2, 8, 5};
    rig.build(shadow(0, 0, 1));
    // Pixel (8, 2) lies in the windows of columns 7 (7..8) and 8 (8..9) at rows 1 and 2; column 9
    // repeats column 8 although its own window 9..10 would miss the pixel.
    EXPECT_EQ(rig.marked(), (std::vector<std::array<int, 3>>{{7, 1, 63}, {8, 1, 63}, {9, 1, 63}, {7, 2, 63},
                                                             {8, 2, 63}, {9, 2, 63}, {0, 5, 63}, {0, 6, 63}}));
}

TEST(ShadowBlur, RadiusBeyondTheImageSpreadsEvenlyWithoutLeavingTheMaps) {
    // r = 12 on 10 x 8: every window holds the whole image, 6 x 4 pixels of 255 = 6120;
    // 6120 / (2*12)² = 6120 / 576 = 10.6, so 10 everywhere.
    MaskRig rig(10, 8);
    rig.block(2, 2, 7, 5);
    rig.build(shadow(0, 0, 12));
    EXPECT_EQ(rig.marked().size(), 80u);
    for (const auto& p : rig.marked()) EXPECT_EQ(p[2], 10);
    EXPECT_EQ(rig.engine.ShadowBounds, (Rect{0, 0, 9, 7}));
    rig.build(shadow(0, 0, INT32_MAX));
    EXPECT_TRUE(rig.marked().empty());
    TPixelBuffer b = rig.buffer();
    rig.engine.ZeichneShadow(b);
}

TEST(ShadowBlur, RunningSumsEqualThePlainPassForEveryShapeAndRadius) {
    const std::array<std::array<int32_t, 3>, 14> cases{{{1, 1, 1},   {5, 3, 1},   {17, 11, 2},  {40, 30, 3}, {40, 30, 7},
                                                        {33, 29, 16}, {33, 29, 17}, {20, 25, 19}, {8, 40, 12}, {40, 8, 12},
                                                        {9, 9, 30},   {64, 48, 1},  {3, 50, 2},   {50, 3, 2}}};
    uint32_t seed = 1;
    for (const auto& [w, h, r] : cases)
        for (int round = 0; round < 6; ++round, ++seed) {
            const std::vector<uint8_t> src = randomShape(w, h, seed);
            const std::vector<uint8_t> expected = referenceBlur(src, w, h, r);
            int32_t first = h, last = -1;
            for (int32_t row = 0; row < h; ++row)
                if (std::any_of(src.begin() + row * w, src.begin() + (row + 1) * w, [](uint8_t v) { return v != 0; })) {
                    first = std::min(first, row);
                    last = row;
                }
            std::vector<uint8_t> tight(src.size(), 0), whole(src.size(), 0);
            blurShadowShape(src.data(), tight.data(), w, h, r, first, last);
            blurShadowShape(src.data(), whole.data(), w, h, r, 0, h - 1);
            ASSERT_EQ(tight, expected) << w << "x" << h << " r " << r << " seed " << seed;
            ASSERT_EQ(whole, expected) << w << "x" << h << " r " << r << " seed " << seed;
        }
}

TEST(ShadowBlur, MapOfARenderedWordEqualsThePlainPassOverItsCastShape) {
    for (int32_t r : {1, 4, 30}) {
        EngineRig rig(160, 90);
        render(rig, shadow(-40, -30, r));  // pushed over the bottom-left corner
        TFontFX& e = *rig.engine;
        ByteMap cast(size_t(160) * 90, 0);
        e.CastShadow(cast, 160, 90);
        const std::vector<uint8_t> shape(cast.begin(), cast.end());
        const std::vector<uint8_t> expected = referenceBlur(shape, 160, 90, r);
        ASSERT_EQ(std::vector<uint8_t>(e.ShadowMask.begin(), e.ShadowMask.begin() + 160 * 90), expected) << r;
        EXPECT_TRUE(std::all_of(e.ShadowMask.begin() + 160 * 90, e.ShadowMask.end(), [](uint8_t v) { return v == 0; }));
    }
}

// --- blending ---------------------------------------------------------------------------------

TEST(ShadowBlend, FullCoverageAtIntensityOnePaintsTheShadowColourAndZeroLeavesTheImage) {
    MaskRig rig(6, 4);
    rig.block(1, 1, 4, 2);
    ShadowParams s = shadow(0, 0, 0);
    s.ShadowColor = rgb(10, 200, 30);
    rig.build(s);
    TPixelBuffer b = rig.buffer();
    rig.engine.ZeichneShadow(b);
    Canvas after(6, 4);
    PixelBufferToCanvas(b, after);
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 6; ++x) {
            const bool inShadow = x >= 1 && x <= 4 && (3 - y) >= 1 && (3 - y) <= 2;
            EXPECT_EQ(after.pixel(x, y), inShadow ? rgb(10, 200, 30) : kBackground) << x << "," << y;
        }
    rig.engine.Shadow.ShadowIntensity = 0;
    TPixelBuffer untouched = rig.buffer();
    rig.engine.ZeichneShadow(untouched);
    EXPECT_EQ(untouched.Stream, rig.buffer().Stream);
}

TEST(ShadowBlend, PartialCoverageBlendsEachChannelByHand) {
    MaskRig rig(3, 2);
    rig.engine.ShadowMask.assign(3 * 3 + 4, 0);
    rig.engine.ShadowMask[1] = 102;  // (1, 0)
    rig.engine.ShadowMask[3 + 2] = 7;  // (2, 1): outside the bounds, never drawn
    rig.engine.ShadowBounds = Rect{0, 0, 1, 0};
    rig.engine.Shadow.ShadowIntensity = 0.5;
    rig.engine.Shadow.ShadowColor = rgb(0, 200, 5);
    TPixelBuffer b = rig.buffer(rgb(250, 100, 55));
    rig.engine.ZeichneShadow(b);
    // k = 0.5 * 102 / 255 = 0.2: blue 55 + 0.2 (5 - 55) = 45, green 100 + 0.2 * 100 = 120,
    // red 250 + 0.2 (0 - 250) = 200.
    const uint8_t* p = b.pixel(1, 0);
    EXPECT_EQ((std::array<int, 3>{p[0], p[1], p[2]}), (std::array<int, 3>{45, 120, 200}));
    for (auto [x, row] : {std::array<int, 2>{0, 0}, {2, 0}, {2, 1}}) {
        const uint8_t* q = b.pixel(x, row);
        EXPECT_EQ((std::array<int, 3>{q[0], q[1], q[2]}), (std::array<int, 3>{55, 100, 250})) << x << "," << row;
    }
}

TEST(ShadowBlend, IntensityAboveOneSaturatesInsteadOfWrapping) {
    MaskRig rig(2, 1);
    rig.engine.ShadowMask.assign(2 * 2 + 4, 0);
    rig.engine.ShadowMask[0] = 255;
    rig.engine.ShadowBounds = Rect{0, 0, 1, 0};
    rig.engine.Shadow.ShadowIntensity = 3;
    rig.engine.Shadow.ShadowColor = rgb(200, 0, 100);
    TPixelBuffer b = rig.buffer(rgb(100, 100, 100));
    rig.engine.ZeichneShadow(b);
    // 3 * (200 - 100) + 100 = 400 -> 255; 3 * (0 - 100) + 100 = -200 -> 0; blue stays 100.
    const uint8_t* p = b.pixel(0, 0);
    EXPECT_EQ((std::array<int, 3>{p[0], p[1], p[2]}), (std::array<int, 3>{100, 0, 255}));
}

// --- in the render ----------------------------------------------------------------------------

TEST(ShadowRender, NeutralGlowDrawsTheTextOnceThroughTheBlur) {
    EngineRig rig;
    ShadowParams s = shadow(0, 0, 3);
    s.ShadowColor = kText;
    render(rig, s);
    const TFontFX& e = *rig.engine;
    const int32_t w = 450, h = 200;
    int32_t soft = 0, solid = 0;
    for (int32_t row = 0; row < h; ++row)
        for (int32_t x = 0; x < w; ++x) {
            if (!isText(e, w, x, row)) continue;
            const ColorRef c = rig.canvas->pixel(x, h - 1 - row);
            if (c == kText)
                ++solid;
            else
                ++soft;
            // Coverage 255 paints exactly the text colour; less blends it with the background.
            ASSERT_EQ(c == kText, e.ShadowMask[size_t(row) * w + x] == 255) << x << "," << row;
        }
    EXPECT_GT(solid, 500);
    EXPECT_GT(soft, 100);  // a hard text fill on top would leave none
}

TEST(ShadowRender, MovedShadowLiesUnderTheText) {
    EngineRig rig;
    ShadowParams s = shadow(6, -6, 0);
    s.ShadowColor = rgb(0, 255, 0);
    render(rig, s);
    const TFontFX& e = *rig.engine;
    const int32_t w = 450, h = 200;
    int32_t green = 0;
    for (int32_t row = 0; row < h; ++row)
        for (int32_t x = 0; x < w; ++x) {
            const ColorRef c = rig.canvas->pixel(x, h - 1 - row);
            const ColorRef expected = isText(e, w, x, row)           ? kText
                                      : isText(e, w, x - 6, row + 6) ? rgb(0, 255, 0)
                                                                     : kBackground;
            ASSERT_EQ(c, expected) << x << "," << row;
            green += expected == rgb(0, 255, 0);
        }
    EXPECT_GT(green, 200);
}

}  // namespace vortel::test
