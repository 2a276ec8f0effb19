#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <vector>

#include "engine/FontFX.h"

namespace vortel {
namespace {

constexpr ColorRef kFrame = rgb(200, 40, 90);  // every channel different: a swapped channel shows
constexpr ColorRef kGrey = rgb(128, 128, 128);

FrameParams frame(uint8_t kind, int32_t width = 16, uint8_t pixel = 0, int32_t seed = 7) {
    FrameParams f;
    f.FrameKind = kind;
    f.FrameWidth = width;
    f.FramePoints = 20;
    f.FrameHeight = 60;
    f.FramePixel = pixel;
    f.FrameColor = kFrame;
    f.FrameSeed = seed;
    return f;
}

// Distance of a pixel from the nearest image border, in whole pixels.
int32_t depthOf(int32_t x, int32_t y, int32_t w, int32_t h) { return std::min({x, w - 1 - x, y, h - 1 - y}); }

struct PolygonRun {
    PolygonRun(const FrameParams& f, int32_t w = 200, int32_t h = 120) : engine(Rect{0, 0, w, h}), canvas(w, h) {
        engine.Frame = f;
        canvas.fillRect({0, 0, w, h}, 0xFFFFFF);
        engine.ZeichneBGFramePolygon(canvas, w, h);
    }
    std::vector<ColorRef> pixels() const {
        std::vector<ColorRef> out;
        for (int32_t y = 0; y < canvas.height(); ++y)
            for (int32_t x = 0; x < canvas.width(); ++x) out.push_back(canvas.pixel(x, y));
        return out;
    }
    TFontFX engine;
    Canvas canvas;
};

// The pixel frame over a plain picture; `at` reads with y from the top like the canvas.
struct PixelRun {
    PixelRun(const FrameParams& f, int32_t w = 240, int32_t h = 160, ColorRef ground = kGrey) : engine(Rect{0, 0, w, h}) {
        Canvas c(w, h);
        c.fillRect({0, 0, w, h}, ground);
        BitmapToPixelBuffer(c, buffer);
        before = buffer.Stream;
        engine.Frame = f;
        engine.ZeichneBGFrame(buffer);
    }
    ColorRef at(int32_t x, int32_t y) const {
        const uint8_t* p = buffer.pixel(x, buffer.Height - 1 - y);
        return rgb(p[2], p[1], p[0]);
    }
    bool changed(int32_t x, int32_t y) const {
        const size_t i = TPixelBuffer::HeaderSize + size_t(buffer.Height - 1 - y) * buffer.RowBytes + 3 * size_t(x);
        return !std::equal(before.begin() + ptrdiff_t(i), before.begin() + ptrdiff_t(i + 3), buffer.Stream.begin() + ptrdiff_t(i));
    }
    int brightness(int32_t x, int32_t y) const {
        const uint8_t* p = buffer.pixel(x, buffer.Height - 1 - y);
        return p[0] + p[1] + p[2];
    }
    TFontFX engine;
    TPixelBuffer buffer;
    decltype(TPixelBuffer::Stream) before;
};

// --- stored clamps -------------------------------------------------------------------------------

TEST(FrameClamp, PointCountIsKeptWithin3To999AndStored) {
    for (auto [given, kept] : {std::pair{1, 3}, {-5, 3}, {3, 3}, {999, 999}, {5000, 999}}) {
        FrameParams f = frame(14);
        f.FramePoints = given;
        EXPECT_EQ(PolygonRun(f).engine.Frame.FramePoints, kept) << given;
        EXPECT_EQ(PixelRun(f).engine.Frame.FramePoints, kept) << given;
    }
}

TEST(FrameClamp, WidthIsCutToHalfTheSmallerSideAndStored) {
    EXPECT_EQ(PolygonRun(frame(14, 500), 200, 120).engine.Frame.FrameWidth, 60);
    EXPECT_EQ(PolygonRun(frame(14, 500), 50, 120).engine.Frame.FrameWidth, 25);
    EXPECT_EQ(PolygonRun(frame(14, 30), 200, 120).engine.Frame.FrameWidth, 30);
    EXPECT_EQ(PixelRun(frame(5, 500, 1), 90, 70).engine.Frame.FrameWidth, 35);
}

// --- polygon frame -------------------------------------------------------------------------------

class PolygonKind : public ::testing::TestWithParam<int> {};

TEST_P(PolygonKind, FillsTheRingAndLeavesTheMiddle) {
    const PolygonRun run(frame(uint8_t(GetParam())));
    const Canvas& c = run.canvas;
    // The corners themselves are spike tips where the ring narrows to a point; the sides are solid.
    int filled[4] = {0, 0, 0, 0};
    for (int32_t x = 0; x < 200; ++x) filled[0] += c.pixel(x, 0) == kFrame, filled[2] += c.pixel(x, 119) == kFrame;
    for (int32_t y = 0; y < 120; ++y) filled[1] += c.pixel(199, y) == kFrame, filled[3] += c.pixel(0, y) == kFrame;
    EXPECT_GT(filled[0], 160);
    EXPECT_GT(filled[2], 160);
    EXPECT_GT(filled[1], 96);
    EXPECT_GT(filled[3], 96);
    EXPECT_EQ(c.pixel(100, 60), 0xFFFFFFu);
    EXPECT_EQ(c.pixel(60, 45), 0xFFFFFFu);
}

TEST_P(PolygonKind, SameSeedGivesTheSameFrame) {
    EXPECT_EQ(PolygonRun(frame(uint8_t(GetParam()))).pixels(), PolygonRun(frame(uint8_t(GetParam()))).pixels());
}

TEST_P(PolygonKind, AnotherSeedGivesAnotherFrame) {
    EXPECT_NE(PolygonRun(frame(uint8_t(GetParam()), 16, 0, 7)).pixels(), PolygonRun(frame(uint8_t(GetParam()), 16, 0, 8)).pixels());
}

INSTANTIATE_TEST_SUITE_P(Frame, PolygonKind, ::testing::Values(14, 15, 16, 17));

TEST(PolygonFrame, SpikesAndWaveReachTheInsetRectangleOnEverySideButNotBeyond) {
    for (uint8_t kind : {14, 17}) {
        const PolygonRun run(frame(kind));
        int deepest[4] = {0, 0, 0, 0};  // per side: top, right, bottom, left
        for (int32_t y = 0; y < 120; ++y)
            for (int32_t x = 0; x < 200; ++x) {
                if (run.canvas.pixel(x, y) != kFrame) continue;
                const int32_t depth = depthOf(x, y, 200, 120);
                EXPECT_LE(depth, 16) << int(kind) << " at " << x << "," << y;
                const int32_t fromSide[4] = {y, 199 - x, 119 - y, x};
                for (int s = 0; s < 4; ++s)
                    if (fromSide[s] == depth) deepest[s] = std::max(deepest[s], depth);
            }
        for (int s = 0; s < 4; ++s) EXPECT_GE(deepest[s], 12) << int(kind) << " side " << s;
    }
}

TEST(PolygonFrame, KindsWithoutAPolygonShapeDrawNothing) {
    for (uint8_t kind : {1, 5, 13, 18, 255}) {
        const std::vector<ColorRef> pixels = PolygonRun(frame(kind)).pixels();
        EXPECT_EQ(std::count(pixels.begin(), pixels.end(), 0xFFFFFFu), ptrdiff_t(pixels.size())) << int(kind);
    }
}

TEST(FrameRobustness, TinyImagesAndExtremeWidthsDoNotCrash) {
    for (int32_t size : {1, 2, 4, 5})
        for (int32_t width : {0, 1, 2, INT32_MAX, -40})
            for (int kind = 0; kind <= 17; ++kind)
                for (uint8_t pixel : {0, 1}) {
                    FrameParams f = frame(uint8_t(kind), width, pixel);
                    f.FramePoints = 999;
                    PolygonRun poly(f, size, size);
                    PixelRun pix(f, size, size);
                    EXPECT_LE(poly.engine.Frame.FrameWidth, size / 2);
                    EXPECT_GE(pix.engine.Frame.FrameWidth, 0);
                }
}

// --- pixel frame ---------------------------------------------------------------------------------

int32_t bandLimit(int kind, int32_t w) { return kind == 7 ? 2 * w + 4 : w + 4; }

TEST(PixelFrame, EachKindChangesOnlyItsBand) {
    for (int kind = 1; kind <= 17; ++kind) {
        const PixelRun run(frame(uint8_t(kind), 16, 1));
        int changed = 0;
        for (int32_t y = 0; y < 160; ++y)
            for (int32_t x = 0; x < 240; ++x)
                if (run.changed(x, y)) {
                    ++changed;
                    ASSERT_LT(depthOf(x, y, 240, 160), kind >= 14 ? 40 : bandLimit(kind, 16)) << kind << " at " << x << "," << y;
                }
        EXPECT_GT(changed, 500) << kind;
        EXPECT_FALSE(run.changed(120, 80)) << kind;
    }
}

TEST(PixelFrame, KindsLookDifferent) {
    std::vector<decltype(TPixelBuffer::Stream)> results;
    for (int kind = 1; kind <= 17; ++kind) results.push_back(PixelRun(frame(uint8_t(kind), 16, 1)).buffer.Stream);
    for (size_t a = 0; a < results.size(); ++a)
        for (size_t b = a + 1; b < results.size(); ++b) EXPECT_NE(results[a], results[b]) << a + 1 << " vs " << b + 1;
}

TEST(PixelFrame, SameSettingsGiveTheSameBytes) {
    for (int kind = 1; kind <= 17; ++kind)
        EXPECT_EQ(PixelRun(frame(uint8_t(kind), 16, 1)).buffer.Stream, PixelRun(frame(uint8_t(kind), 16, 1)).buffer.Stream) << kind;
}

TEST(PixelFrame, SeededKindsFollowTheSeed) {
    for (uint8_t kind : {8, 10, 15, 16})
        EXPECT_NE(PixelRun(frame(kind, 16, 1, 7)).buffer.Stream, PixelRun(frame(kind, 16, 1, 8)).buffer.Stream) << int(kind);
}

TEST(PixelFrame, WidthZeroLeavesThePictureAlone) {
    for (int kind = 1; kind <= 17; ++kind) {
        const PixelRun run(frame(uint8_t(kind), 0, 1));
        EXPECT_EQ(run.buffer.Stream, run.before) << kind;
    }
}

TEST(PixelFrame, RaisedBevelIsLitTopLeftAndSunkenTheOtherWay) {
    const PixelRun raised(frame(1, 16, 1)), sunken(frame(2, 16, 1));
    const int grey = 3 * 128;
    EXPECT_GT(raised.brightness(120, 4), grey);
    EXPECT_GT(raised.brightness(4, 80), grey);
    EXPECT_LT(raised.brightness(120, 155), grey);
    EXPECT_LT(raised.brightness(235, 80), grey);
    EXPECT_LT(sunken.brightness(120, 4), grey);
    EXPECT_GT(sunken.brightness(120, 155), grey);
}

TEST(PixelFrame, PillowIsLitOnTheOuterHalfAndShadedOnTheInnerHalfAtTheTop) {
    const PixelRun pillow(frame(3, 16, 1));
    EXPECT_GT(pillow.brightness(120, 2), 3 * 128);
    EXPECT_LT(pillow.brightness(120, 13), 3 * 128);
    EXPECT_LT(pillow.brightness(120, 157), 3 * 128);
}

TEST(PixelFrame, ReliefGrowsWithItsHeight) {
    FrameParams low = frame(1, 16, 1), high = low;
    low.FrameHeight = 10;
    high.FrameHeight = 80;
    EXPECT_LT(PixelRun(low).brightness(120, 4), PixelRun(high).brightness(120, 4));
    low.FrameHeight = 0;
    const PixelRun flat(low);
    EXPECT_EQ(flat.buffer.Stream, flat.before);
}

TEST(PixelFrame, ColourKindsPaintFrameColourAtTheBorder) {
    for (uint8_t kind : {4, 5, 6, 12}) {
        const PixelRun run(frame(kind, 16, 1));
        for (Point p : {Point{120, 0}, {0, 80}, {239, 80}, {120, 159}}) EXPECT_EQ(run.at(p.x, p.y), kFrame) << int(kind);
    }
}

TEST(PixelFrame, SoftPolygonKindsFollowThePolygonFrame) {
    for (uint8_t kind : {14, 15, 16, 17}) {
        const PolygonRun poly(frame(kind), 240, 160);
        const PixelRun soft(frame(kind, 16, 1), 240, 160, 0xFFFFFF);
        int disagree = 0, ring = 0, partial = 0;
        for (int32_t y = 0; y < 160; ++y)
            for (int32_t x = 0; x < 240; ++x) {
                const bool hard = poly.canvas.pixel(x, y) == kFrame;
                const ColorRef s = soft.at(x, y);
                ring += hard;
                if (s != kFrame && s != 0xFFFFFFu)
                    ++partial;
                else
                    disagree += hard != (s == kFrame);
            }
        EXPECT_GT(ring, 2000) << int(kind);
        EXPECT_GT(partial, 100) << int(kind) << ": the edge is not soft";
        EXPECT_LT(disagree, ring / 200 + 5) << int(kind);
    }
}

}  // namespace
}  // namespace vortel
