#include <gtest/gtest.h>

#include <cmath>

#include "EngineFixture.h"
#include "engine/Helpers.h"

namespace vortel::test {
namespace {

struct OutlinePoint {
    Point p;
    uint8_t type;
};

void setOutline(TFontFX& e, const std::vector<OutlinePoint>& outline) {
    e.OutlinePoints.clear();
    e.OutlineTypes.clear();
    for (const auto& o : outline) {
        e.OutlinePoints.push_back(o.p);
        e.OutlineTypes.push_back(o.type);
    }
    e.NumOutlinePoints = static_cast<int32_t>(outline.size());
}

// A square, then a figure with a curve in its middle, both closed.
std::vector<OutlinePoint> squareAndCurve() {
    return {{{10, 10}, 6},   {{50, 10}, 2},   {{50, 50}, 2},  {{10, 50}, 3},
            {{100, 20}, 6},  {{120, 20}, 2},  {{130, 30}, 4}, {{130, 60}, 4},
            {{110, 70}, 4},  {{100, 60}, 3}};
}

GdiPath build(TFontFX& e, Canvas& c) {
    e.BuildTextPath(c);
    EXPECT_FALSE(c.pathOpen());
    return c.path();
}

void expectPlainOutline(const TFontFX& e, const GdiPath& path) {
    ASSERT_EQ(path.size(), size_t(e.NumOutlinePoints));
    for (int32_t i = 0; i < e.NumOutlinePoints; ++i) {
        EXPECT_EQ(path.points()[i], (PointF{double(e.OutlinePoints[i].x), double(e.OutlinePoints[i].y)})) << i;
        EXPECT_EQ(path.types()[i], e.OutlineTypes[i]) << i;
    }
}

void setFringe(TFontFX& e, uint8_t kind, int32_t step, int32_t x, int32_t y, int32_t seed = 1) {
    e.Fringe = FringeParams{kind, step, x, y, seed};
}

class TextPathTest : public ::testing::Test {
protected:
    void SetUp() override {
        starToggle() = {};
        curlToggle() = {};
    }
    EngineRig rig;
    TFontFX& e = *rig.engine;
    Canvas& c = *rig.canvas;
};

TEST_F(TextPathTest, NoStrengthOrNoSubdivisionGivesThePlainOutline) {
    setOutline(e, squareAndCurve());
    for (uint8_t kind = 0; kind <= 4; ++kind) {
        setFringe(e, kind, 5, 0, 0);
        expectPlainOutline(e, build(e, c));
        if (kind == 2) continue;  // step 100 with strength smooths the Bézier kind
        setFringe(e, kind, 100, 7, 4);
        expectPlainOutline(e, build(e, c));
    }
}

TEST_F(TextPathTest, WarpedTextWithoutFringeIsTheOutlineItself) {
    ASSERT_TRUE(rig.extractAndWarp());
    ASSERT_GT(e.NumOutlinePoints, 20);
    expectPlainOutline(e, build(e, c));
}

TEST_F(TextPathTest, RandomKindsRepeatForASeedAndChangeWithIt) {
    setOutline(e, squareAndCurve());
    for (uint8_t kind : {1, 3, 4}) {
        setFringe(e, kind, 5, 6, 6, 1234);
        const GdiPath first = build(e, c);
        EXPECT_EQ(build(e, c).points(), first.points()) << int(kind);
        setFringe(e, kind, 5, 6, 6, 1235);
        EXPECT_NE(build(e, c).points(), first.points()) << int(kind);
    }
}

TEST_F(TextPathTest, JitterDrawsItsPointsFromTheGeneratorXBeforeY) {
    setOutline(e, {{{10, 10}, 6}, {{50, 10}, 2}, {{50, 50}, 3}});
    for (uint8_t kind : {1, 4}) {
        setFringe(e, kind, 5, 7, 5, 99);
        const GdiPath path = build(e, c);
        ASSERT_EQ(path.size(), 1u + 2u * kind);
        Random rng(99);
        for (size_t i = 1; i < path.size(); ++i) {
            const Point target = e.OutlinePoints[i <= kind ? 1 : 2];
            const int32_t dx = 3 - int32_t(rng.below(7));
            const int32_t dy = 2 - int32_t(rng.below(5));
            EXPECT_EQ(path.points()[i], (PointF{double(target.x + dx), double(target.y + dy)})) << i;
            EXPECT_EQ(path.types()[i] & ~PT_CLOSEFIGURE, PT_LINETO);
        }
        EXPECT_EQ(path.types().back(), PT_LINETO | PT_CLOSEFIGURE);
    }
}

TEST_F(TextPathTest, ZeroStrengthInOneDirectionLeavesThatCoordinate) {
    setOutline(e, {{{10, 10}, 6}, {{50, 10}, 2}, {{50, 50}, 2}, {{10, 50}, 3}});
    setFringe(e, 4, 5, 6, 0);
    const GdiPath jitter = build(e, c);
    ASSERT_EQ(jitter.size(), 13u);
    for (const PointF& p : jitter.points()) EXPECT_TRUE(p.y == 10 || p.y == 50) << p.y;
    setFringe(e, 3, 5, 0, 6);
    const GdiPath curves = build(e, c);
    for (size_t i = 1; i < curves.size(); i += 3) EXPECT_EQ(curves.points()[i].x, curves.points()[i + 2].x);
}

TEST_F(TextPathTest, RandomBezierPutsBothControlsNearThePoint) {
    setOutline(e, {{{10, 10}, 6}, {{50, 10}, 2}, {{50, 50}, 3}});
    setFringe(e, 3, 5, 4, 3, 7);
    const GdiPath path = build(e, c);
    ASSERT_EQ(path.size(), 7u);
    for (size_t i = 1; i < 7; i += 3) {
        const PointF end = path.points()[i + 2];
        EXPECT_EQ(path.points()[i], path.points()[i + 1]);
        EXPECT_LE(std::abs(path.points()[i].x - end.x), 4);
        EXPECT_LE(std::abs(path.points()[i].y - end.y), 3);
        EXPECT_EQ(path.types()[i] & ~PT_CLOSEFIGURE, PT_BEZIERTO);
    }
}

TEST_F(TextPathTest, StarKeepsItsPhaseAcrossCalls) {
    // Three lines a call, so the second call starts in the middle of the 1, 0, -1, 0 period.
    setOutline(e, {{{0, 0}, 6}, {{20, 0}, 2}, {{20, 20}, 2}, {{40, 30}, 3}});
    setFringe(e, 0, 5, 3, 2);
    const GdiPath first = build(e, c);
    const GdiPath second = build(e, c);
    // Factor f moves x by 3f only when y changed, y by 2f only when x changed.
    const std::vector<PointF> firstExpected{{0, 0}, {20, 0 + 2}, {20, 20}, {40 - 3, 30 - 2}};
    const std::vector<PointF> secondExpected{{0, 0}, {20, 0}, {20 + 3, 20}, {40, 30}};
    EXPECT_EQ(first.points(), firstExpected);
    EXPECT_EQ(second.points(), secondExpected);
    EXPECT_EQ(starToggle().next(), -1);
}

TEST_F(TextPathTest, CurlSkipsPointsTooCloseForTheStep) {
    // Step 10 needs 80 * distance >= 500: 6 pixels are too close, 7 are enough.
    setOutline(e, {{{0, 0}, 6}, {{6, 0}, 2}, {{7, 0}, 2}, {{7, 6}, 2}, {{7, 14}, 3}});
    setFringe(e, 2, 10, 4, 0);
    const GdiPath path = build(e, c);
    ASSERT_EQ(path.size(), 7u);
    EXPECT_EQ(path.points()[3], (PointF{7, 0}));
    EXPECT_EQ(path.points()[6], (PointF{7, 14}));
    EXPECT_EQ(path.types()[6], PT_BEZIERTO | PT_CLOSEFIGURE);
}

TEST_F(TextPathTest, CurlAlternatesSidesWithTheToggle) {
    // Horizontal segments to the right: the offset (4, 0) turns to point up from the start.
    setOutline(e, {{{0, 50}, 6}, {{20, 50}, 2}, {{40, 50}, 2}, {{60, 50}, 2}, {{80, 50}, 2}});
    setFringe(e, 2, 5, 4, 0);
    const GdiPath path = build(e, c);
    ASSERT_EQ(path.size(), 13u);
    EXPECT_EQ(path.points()[1], (PointF{0, 46}));   // factor 1
    EXPECT_EQ(path.points()[4], (PointF{20, 50}));  // factor 0: no curl
    EXPECT_EQ(path.points()[7], (PointF{40, 54}));  // factor -1: the other side
    EXPECT_EQ(path.points()[10], (PointF{60, 50}));
}

TEST_F(TextPathTest, CurvePointsPassUnchangedAndAFinalCurveClosesStraight) {
    setOutline(e, squareAndCurve());
    setFringe(e, 1, 5, 6, 6);
    const GdiPath path = build(e, c);
    const auto& pts = path.points();
    const auto it = std::find(pts.begin(), pts.end(), PointF{130, 30});
    ASSERT_NE(it, pts.end());
    const size_t at = size_t(it - pts.begin());
    ASSERT_LT(at + 2, pts.size());
    EXPECT_EQ(pts[at + 1], (PointF{130, 60}));
    EXPECT_EQ(pts[at + 2], (PointF{110, 70}));
    for (size_t i = at; i < at + 3; ++i) EXPECT_EQ(path.types()[i] & ~PT_CLOSEFIGURE, PT_BEZIERTO);

    setOutline(e, {{{10, 10}, 6}, {{50, 10}, 2}, {{60, 30}, 4}, {{40, 50}, 4}, {{10, 10}, 5}});
    setFringe(e, 0, 100, 0, 0);
    const GdiPath closed = build(e, c);
    ASSERT_EQ(closed.size(), 2u);
    EXPECT_EQ(closed.types()[1], PT_LINETO | PT_CLOSEFIGURE);
}

TEST_F(TextPathTest, SmoothingBendsLongSidesOutwardThroughTheCorners) {
    // Square with a 2-pixel notch: long sides and the closing side become curves, the short one stays a line.
    setOutline(e, {{{10, 10}, 6}, {{50, 10}, 2}, {{50, 50}, 2}, {{12, 50}, 2}, {{10, 50}, 2}});
    setFringe(e, 2, 100, 5, 5);
    const GdiPath path = build(e, c);
    const uint8_t B = PT_BEZIERTO;
    const std::vector<uint8_t> types{PT_MOVETO, B, B, B, B, B, B, B, B, B, PT_LINETO, B, B, B | PT_CLOSEFIGURE};
    ASSERT_EQ(path.types(), types);
    const auto& pts = path.points();
    EXPECT_EQ(pts[3], (PointF{50, 10}));
    EXPECT_EQ(pts[6], (PointF{50, 50}));
    EXPECT_EQ(pts[9], (PointF{12, 50}));
    EXPECT_EQ(pts[10], (PointF{10, 50}));
    EXPECT_EQ(pts[13], (PointF{10, 10}));
    // A convex figure bulges out: the top side's controls lie above it, the right side's right of it.
    EXPECT_LT(pts[1].y, 10);
    EXPECT_LT(pts[2].y, 10);
    EXPECT_GT(pts[4].x, 50);
    EXPECT_GT(pts[5].x, 50);
    EXPECT_LT(pts[12].x, 10);
}

TEST_F(TextPathTest, SmoothingKeepsHandlesOfShortSidesShort) {
    // The 6-pixel ends of a long bar are curved, but their handles may not reach a loop's length.
    setOutline(e, {{{10, 10}, 6}, {{110, 10}, 2}, {{110, 16}, 2}, {{10, 16}, 3}});
    setFringe(e, 2, 100, 5, 5);
    const GdiPath path = build(e, c);
    ASSERT_EQ(path.size(), 13u);
    for (size_t i : {4u, 5u}) EXPECT_LE(std::abs(path.points()[i].x - 110), 2) << i;
    for (size_t i : {10u, 11u}) EXPECT_LE(std::abs(path.points()[i].x - 10), 2) << i;
    EXPECT_EQ(path.points()[12], (PointF{10, 10}));
}

TEST_F(TextPathTest, MalformedOutlinesStayInsideTheirArrays) {
    setFringe(e, 2, 100, 5, 5);
    const std::vector<std::vector<OutlinePoint>> outlines{
        {{{10, 10}, 2}, {{50, 10}, 2}, {{50, 50}, 3}},  // no move-to
        {{{10, 10}, 6}, {{50, 10}, 4}},                 // curve without its two points
        {{{10, 10}, 6}, {{50, 10}, 4}, {{60, 10}, 4}},
        {{{10, 10}, 6}, {{50, 10}, 0}, {{60, 10}, 9}, {{10, 60}, 1}},
        {{{10, 10}, 5}, {{10, 10}, 3}, {{10, 10}, 3}},
    };
    for (uint8_t kind = 0; kind <= 4; ++kind) {
        for (int32_t step : {100, 5, 0, -3}) {
            for (const auto& outline : outlines) {
                setOutline(e, outline);
                setFringe(e, kind, step, 5, -5);
                const GdiPath path = build(e, c);
                ASSERT_FALSE(path.empty());
                EXPECT_EQ(path.types()[0] & ~PT_CLOSEFIGURE, PT_MOVETO);
            }
        }
    }
    setOutline(e, squareAndCurve());
    setFringe(e, 0, 100, 0, 0);
    e.NumOutlinePoints = 1000;
    EXPECT_EQ(build(e, c).size(), 0u + e.OutlinePoints.size());
    e.NumOutlinePoints = -4;
    EXPECT_TRUE(build(e, c).empty());
}

}  // namespace
}  // namespace vortel::test
