#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/LineDDA.h"
#include "platform/Path.h"

namespace vortel {
namespace {

PointF cubicAt(PointF p0, PointF c1, PointF c2, PointF p3, double t) {
    const double u = 1 - t;
    const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
    return {a * p0.x + b * c1.x + c * c2.x + d * p3.x, a * p0.y + b * c1.y + c * c2.y + d * p3.y};
}

double distanceToPolyline(PointF p, const std::vector<PointF>& line) {
    double best = INFINITY;
    for (size_t i = 1; i < line.size(); ++i) {
        const PointF a = line[i - 1], b = line[i];
        const double vx = b.x - a.x, vy = b.y - a.y, len2 = vx * vx + vy * vy;
        const double t = len2 > 0 ? std::clamp(((p.x - a.x) * vx + (p.y - a.y) * vy) / len2, 0.0, 1.0) : 0.0;
        best = std::min(best, std::hypot(p.x - a.x - t * vx, p.y - a.y - t * vy));
    }
    return best;
}

TEST(GdiPath, RecordsGdiPointTypesAndCloseFlag) {
    GdiPath p;
    p.closeFigure();  // nothing to close yet
    p.moveTo({0, 0});
    p.lineTo({10, 0});
    p.bezierTo({10, 5}, {5, 10}, {0, 10});
    p.closeFigure();
    EXPECT_EQ(p.types(), (std::vector<uint8_t>{PT_MOVETO, PT_LINETO, PT_BEZIERTO, PT_BEZIERTO,
                                               PT_BEZIERTO | PT_CLOSEFIGURE}));
    p.clear();
    EXPECT_TRUE(p.empty());
    EXPECT_TRUE(p.types().empty());
}

TEST(GdiPath, FlattenKeepsLinesAndReplacesCurvesWithinTolerance) {
    const PointF p0{0, 0}, c1{0, 100}, c2{100, 100}, p3{100, 0};
    for (double tol : {1.0, 0.2, 0.01}) {
        GdiPath p;
        p.moveTo({-5, 0});
        p.lineTo(p0);
        p.bezierTo(c1, c2, p3);
        p.closeFigure();
        p.moveTo({200, 200});
        p.lineTo({210, 200});
        p.flatten(tol);

        const auto& pts = p.points();
        const auto& types = p.types();
        ASSERT_GE(pts.size(), 6u);
        EXPECT_EQ(types[0], PT_MOVETO);
        EXPECT_EQ(pts[1], p0);
        // The figure ends on the curve end exactly and still carries the close flag.
        const size_t end = pts.size() - 3;
        EXPECT_EQ(pts[end], p3);
        EXPECT_EQ(types[end], PT_LINETO | PT_CLOSEFIGURE);
        for (size_t i = 2; i < end; ++i) EXPECT_EQ(types[i], PT_LINETO) << i;
        EXPECT_EQ(types[end + 1], PT_MOVETO);
        EXPECT_EQ(pts.back(), (PointF{210, 200}));

        std::vector<PointF> polyline(pts.begin() + 1, pts.begin() + end + 1);
        for (int k = 0; k <= 200; ++k)
            EXPECT_LE(distanceToPolyline(cubicAt(p0, c1, c2, p3, k / 200.0), polyline), tol + 1e-9);
    }
}

TEST(GdiPath, TighterToleranceGivesMorePoints) {
    auto count = [](double tol) {
        GdiPath p;
        p.moveTo({0, 0});
        p.bezierTo({0, 50}, {50, 50}, {50, 0});
        p.flatten(tol);
        return p.size();
    };
    EXPECT_LT(count(1.0), count(0.1));
    EXPECT_LT(count(0.1), count(0.01));
}

TEST(LineDDA, EmitsStartExcludesEndOnePointPerMajorStep) {
    const int cases[][4] = {{0, 0, 10, 3}, {5, 5, -3, 9}, {2, 8, 2, -4}, {-1, -1, 6, 6}, {0, 0, 1, 0}};
    for (const auto& c : cases) {
        std::vector<std::pair<int, int>> pts;
        lineDDA(c[0], c[1], c[2], c[3], [&](int32_t x, int32_t y) { pts.emplace_back(x, y); });
        const int64_t expected = std::max(std::abs(c[2] - c[0]), std::abs(c[3] - c[1]));
        ASSERT_EQ(int64_t(pts.size()), expected);
        EXPECT_EQ(lineDDACount(c[0], c[1], c[2], c[3]), expected);
        EXPECT_EQ(pts.front(), std::make_pair(c[0], c[1]));
        for (size_t i = 0; i < pts.size(); ++i) {
            EXPECT_NE(pts[i], std::make_pair(c[2], c[3]));
            // Consecutive points are 8-connected and the last one is one step from the end.
            const auto next = i + 1 < pts.size() ? pts[i + 1] : std::make_pair(c[2], c[3]);
            EXPECT_LE(std::abs(next.first - pts[i].first), 1);
            EXPECT_LE(std::abs(next.second - pts[i].second), 1);
        }
    }
    int calls = 0;
    lineDDA(4, 4, 4, 4, [&](int32_t, int32_t) { ++calls; });
    EXPECT_EQ(calls, 0);
}

}  // namespace
}  // namespace vortel
