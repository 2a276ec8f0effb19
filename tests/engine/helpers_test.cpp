#include <gtest/gtest.h>

#include <cmath>

#include "engine/Helpers.h"
#include "platform/LineDDA.h"
#include "platform/Numeric.h"

namespace vortel {

TEST(Random, FollowsTheRuntimeGenerator) {
    Random r(0);
    EXPECT_DOUBLE_EQ(r.real(), 1.0 / 4294967296.0);  // 0 * 134775813 + 1
    EXPECT_EQ(r.seed(), 1u);
    EXPECT_NEAR(r.real(), 0.031379939522594213, 1e-15);
    Random below(7);
    EXPECT_EQ(below.below(100), 21u);  // high half of the advanced seed times 100
    Random wrap(0xFFFFFFFFu);
    wrap.real();
    EXPECT_EQ(wrap.seed(), uint32_t(0xFFFFFFFFull * 134775813ull + 1));
}

TEST(Numeric, RoundsTiesToEvenAndSaturates) {
    EXPECT_EQ(roundEven32(2.5), 2);
    EXPECT_EQ(roundEven32(3.5), 4);
    EXPECT_EQ(roundEven32(-2.5), -2);
    EXPECT_EQ(roundEven32(13.5), 14);
    EXPECT_EQ(roundEven32(1e300), INT32_MAX);
    EXPECT_EQ(roundEven32(std::nan("")), 0);
    EXPECT_EQ(mulDiv(7, 3, 2), 11);    // 10.5 rounds away from zero
    EXPECT_EQ(mulDiv(-7, 3, 2), -11);
    EXPECT_EQ(mulDiv(5, 5, 0), -1);
    EXPECT_EQ(clampByte(-3), 0);
    EXPECT_EQ(clampByte(300), 255);
}

TEST(Numeric, NearestEvenIsTheLibrarysRounding) {
    const double cases[] = {0.0, -0.0, 0.5, -0.5, 1.5, 2.5, -2.5, 0.49999999999999994, 1e-300, -7.5e-10,
                            4503599627370495.5, -4503599627370495.5, 4503599627370497.0, 9007199254740993.0,
                            1e300, -1e300, INFINITY, -INFINITY, 2147483647.5, -2147483648.5, 123456.789};
    for (double v : cases) {
        const double want = std::nearbyint(v), got = nearestEven(v);
        EXPECT_EQ(got, want) << v;
        EXPECT_EQ(std::signbit(got), std::signbit(want)) << v;
    }
    EXPECT_TRUE(std::isnan(nearestEven(std::nan(""))));
    // A sweep over ties and near-ties of every size up to where doubles stop having halves.
    for (double scale = 1; scale < 1e16; scale *= 3.7)
        for (double f : {0.5, 0.25, 0.75, 0.5000001, 0.4999999})
            for (double v : {scale + f, -scale - f, std::floor(scale) + f}) {
                EXPECT_EQ(nearestEven(v), std::nearbyint(v)) << v;
                EXPECT_EQ(roundEven(v), int64_t(std::nearbyint(v))) << v;
            }
    EXPECT_EQ(roundEven(9.3e18), INT64_MAX);
    EXPECT_EQ(roundEven(-1e300), INT64_MIN);
    EXPECT_EQ(roundEven(-INFINITY), INT64_MIN);
    EXPECT_EQ(roundEven(std::nan("")), 0);
    EXPECT_EQ(roundEven32(2147483646.5), 2147483646);
    EXPECT_EQ(roundEven32(-2147483648.5), INT32_MIN);
    EXPECT_EQ(roundEven32(-3e9), INT32_MIN);
}

TEST(SignedAngle, SignFollowsTheCrossProduct) {
    const Point o{0, 0};
    EXPECT_NEAR(signedAngle(o, {10, 0}, {0, 10}), -M_PI / 2, 1e-12);   // cross 100 >= 1: negated
    EXPECT_NEAR(signedAngle(o, {10, 0}, {0, -10}), M_PI / 2, 1e-12);
    EXPECT_DOUBLE_EQ(signedAngle(o, {10, 0}, {20, 0}), 0.0);
    EXPECT_NEAR(signedAngle(o, {10, 0}, {-10, 0}), M_PI, 1e-12);
    EXPECT_DOUBLE_EQ(signedAngle(o, {0, 0}, {5, 5}), M_PI);            // zero-length vector
}

TEST(RotateScalePoint, TurnsAndScalesAboutTheOrigin) {
    const Point o{100, 100};
    // A positive angle turns counter-clockwise on the y-down image: right becomes up.
    EXPECT_EQ(rotateScalePoint({110, 100}, o, M_PI / 2, 1), (Point{100, 90}));
    EXPECT_EQ(rotateScalePoint({110, 100}, o, 0, 2.5), (Point{125, 100}));
    EXPECT_EQ(rotateScalePoint({100, 100}, o, 1.0, 3), o);
    // Turning b back by the signed angle from a to b lays it onto a.
    const Point a{130, 100}, b{100, 70};
    EXPECT_EQ(rotateScalePoint(b, o, -signedAngle(o, a, b), 1), a);
    const Point c{100, 130};
    EXPECT_EQ(rotateScalePoint(c, o, -signedAngle(o, a, c), 1), a);
}

TEST(LineDDA, EmitsStartButNotEndOnePerMajorStep) {
    std::vector<Point> pts;
    lineDDA(0, 0, 5, 2, [&](int32_t x, int32_t y) { pts.push_back({x, y}); });
    ASSERT_EQ(pts.size(), 5u);
    EXPECT_EQ(pts.front(), (Point{0, 0}));
    EXPECT_EQ(pts.back().x, 4);
    for (size_t i = 1; i < pts.size(); ++i) EXPECT_EQ(pts[i].x - pts[i - 1].x, 1);
    pts.clear();
    lineDDA(3, 3, 3, 3, [&](int32_t x, int32_t y) { pts.push_back({x, y}); });
    EXPECT_TRUE(pts.empty());
    lineDDA(0, 0, -2, -7, [&](int32_t x, int32_t y) { pts.push_back({x, y}); });
    EXPECT_EQ(pts.size(), 7u);
    EXPECT_EQ(pts.back().y, -6);
    EXPECT_EQ(lineDDACount(0, 0, -2, -7), 7);
}

}  // namespace vortel
