// The Windows 3.1 metafile read back: placeable header and checksum, the standard header's sizes,
// the pen and brush it creates, flattened curves and 16-bit saturation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "document/ImageError.h"
#include "document/Metafile.h"
#include "tests/document/MetafileRecords.h"

using namespace vortel;
using namespace vortel::testing;

namespace {

WmfFile encode(const std::vector<Point>& points, const std::vector<uint8_t>& types, int32_t w = 450, int32_t h = 200) {
    return wmfRecords(encodeWmf(points, types, w, h));
}

struct Vec {
    double x, y;
};

Vec bezierAt(const Point* p, double t) {
    const double s = 1 - t;
    const double a = s * s * s, b = 3 * s * s * t, c = 3 * s * t * t, d = t * t * t;
    return {a * p[0].x + b * p[1].x + c * p[2].x + d * p[3].x, a * p[0].y + b * p[1].y + c * p[2].y + d * p[3].y};
}

double distanceToSegment(Vec p, Vec a, Vec b) {
    const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
    const double t = len2 == 0 ? 0 : std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / len2, 0.0, 1.0);
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

std::vector<Vec> polylineOf(const WmfRecord& r) {
    std::vector<Vec> line;
    EXPECT_EQ(r.params.size(), 1 + 2 * size_t(r.param(0)));
    for (int i = 0; i < r.param(0); ++i) line.push_back({double(r.param(1 + 2 * i)), double(r.param(2 + 2 * i))});
    return line;
}

// The polyline follows the curves `controls` (start, then three points each) within `tolerance`
// in both directions: no vertex strays from the curve, and no part of the curve is cut off.
void expectFollows(const std::vector<Vec>& line, const std::vector<Point>& controls, double tolerance) {
    ASSERT_GE(line.size(), 2u);
    std::vector<Vec> curve;
    for (size_t c = 0; c + 3 < controls.size(); c += 3)
        for (int k = 0; k <= 400; ++k) curve.push_back(bezierAt(&controls[c], k / 400.0));
    const auto nearest = [](Vec p, const std::vector<Vec>& path) {
        double best = 1e300;
        for (size_t i = 0; i + 1 < path.size(); ++i) best = std::min(best, distanceToSegment(p, path[i], path[i + 1]));
        return best;
    };
    for (const Vec& v : line) EXPECT_LE(nearest(v, curve), tolerance) << v.x << "," << v.y;
    for (const Vec& v : curve) EXPECT_LE(nearest(v, line), tolerance) << v.x << "," << v.y;
}

void expectPoint(const WmfRecord& r, uint16_t function, int16_t x, int16_t y) {
    EXPECT_EQ(r.function, function);
    ASSERT_EQ(r.params.size(), 2u);
    EXPECT_EQ(r.param(1), x);
    EXPECT_EQ(r.param(0), y) << "points are stored y first";
}

}  // namespace

TEST(WmfExport, PlaceableHeaderGivesTheImageBoxAndItsChecksum) {
    const WmfFile wmf = encode(kSamplePoints, kSampleTypes);
    EXPECT_EQ(wmf.placeable[2], 0) << "no handle";
    EXPECT_EQ(std::vector<uint16_t>(wmf.placeable.begin() + 3, wmf.placeable.begin() + 7),
              (std::vector<uint16_t>{0, 0, 450, 200}));
    EXPECT_EQ(wmf.placeable[7], 96) << "units per inch";
    uint16_t checksum = 0;
    for (int i = 0; i < 10; ++i) checksum ^= wmf.placeable[i];
    EXPECT_EQ(wmf.placeable[10], checksum);
}

TEST(WmfExport, StandardHeaderCountsWordsObjectsAndTheLargestRecord) {
    const WmfFile wmf = encode(kSamplePoints, kSampleTypes);
    EXPECT_EQ(wmf.header[0], 1);
    EXPECT_EQ(wmf.header[1], 9);
    EXPECT_EQ(wmf.header[2], 0x0300);
    EXPECT_EQ(wmf.header[5], 2) << "objects: the pen and the brush";
    EXPECT_EQ(wmf.headerU32(6), wmf.largestRecordWords);
    EXPECT_EQ(wmf.header[8], 0);
}

TEST(WmfExport, SetsTheWindowAndCreatesSelectsAndDeletesPenAndBrush) {
    const WmfFile wmf = encode(kSamplePoints, kSampleTypes);
    const auto& r = wmf.records;
    ASSERT_GE(r.size(), 9u);
    const std::vector<std::pair<uint16_t, std::vector<uint16_t>>> setUp = {
        {MetaSetWindowOrg, {0, 0}},
        {MetaSetWindowExt, {200, 450}},
        {MetaCreatePenIndirect, {0, 0, 0, 0, 0}},
        {MetaCreateBrushIndirect, {0, 0xC0C0, 0x00C0, 0}},
        {MetaSelectObject, {0}},
        {MetaSelectObject, {1}}};
    for (size_t i = 0; i < setUp.size(); ++i) {
        EXPECT_EQ(r[i].function, setUp[i].first) << i;
        EXPECT_EQ(r[i].params, setUp[i].second) << i;
    }
    const size_t n = r.size();
    EXPECT_EQ(r[n - 3].function, MetaDeleteObject);
    EXPECT_EQ(r[n - 3].params, std::vector<uint16_t>{0});
    EXPECT_EQ(r[n - 2].function, MetaDeleteObject);
    EXPECT_EQ(r[n - 2].params, std::vector<uint16_t>{1});
}

TEST(WmfExport, CurvesBecomePolylinesAndTheNextLineStartsWhereTheyEnd) {
    const auto d = wmfDrawing(encode(kSamplePoints, kSampleTypes));
    ASSERT_EQ(d.size(), 11u);
    expectPoint(d[0], MetaMoveTo, 10, 10);
    expectPoint(d[1], MetaLineTo, 100, 10);
    ASSERT_EQ(d[2].function, MetaPolyline);
    expectFollows(polylineOf(d[2]), {{100, 10}, {120, 20}, {120, 60}, {100, 70}}, 1.0);
    expectPoint(d[3], MetaMoveTo, 100, 70);
    expectPoint(d[4], MetaLineTo, 10, 10);  // the curve's close flag: back to the figure's start
    expectPoint(d[5], MetaLineTo, 10, 70);
    expectPoint(d[6], MetaLineTo, 10, 10);
    expectPoint(d[7], MetaMoveTo, 200, 100);
    ASSERT_EQ(d[8].function, MetaPolyline);
    const auto run = polylineOf(d[8]);
    expectFollows(run, std::vector<Point>(kSamplePoints.begin() + 7, kSamplePoints.begin() + 14), 1.0);
    EXPECT_EQ(run.front().x, 200);
    EXPECT_EQ(run.back().y, 180);
    expectPoint(d[9], MetaMoveTo, 200, 180);
    expectPoint(d[10], MetaLineTo, 200, 100);
}

TEST(WmfExport, CurveAtTheEndNeedsNoMoveAfterIt) {
    const auto d = wmfDrawing(encode({{0, 0}, {0, 90}, {90, 90}, {90, 0}}, {6, 4, 4, 4}));
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[1].function, MetaPolyline);
    expectFollows(polylineOf(d[1]), {{0, 0}, {0, 90}, {90, 90}, {90, 0}}, 1.0);
}

TEST(WmfExport, CoordinatesAndImageSidesSaturateToSixteenBits) {
    const WmfFile wmf = encode({{40000, -40000}, {-50000, 70000}}, {6, 2}, 32768, 5);
    EXPECT_EQ(wmf.placeable[5], 32767);
    EXPECT_EQ(wmf.records[1].params, (std::vector<uint16_t>{5, 32767}));
    const auto d = wmfDrawing(wmf);
    ASSERT_EQ(d.size(), 2u);
    expectPoint(d[0], MetaMoveTo, 32767, -32768);
    expectPoint(d[1], MetaLineTo, -32768, 32767);
}

TEST(WmfExport, CurveWithinASaturatedRegionCollapsesToNothing) {
    // Every flattened point lands on the same saturated corner: no zero-length polyline is written.
    const auto d = wmfDrawing(encode({{40000, 40000}, {50000, 40000}, {60000, 50000}, {70000, 70000}}, {6, 4, 4, 4}));
    ASSERT_EQ(d.size(), 1u);
    expectPoint(d[0], MetaMoveTo, 32767, 32767);
}

TEST(WmfExport, EmptyOutlineIsAValidMetafileThatDrawsNothing) {
    const WmfFile wmf = encode({}, {});
    EXPECT_EQ(wmf.records.size(), 9u);
    EXPECT_TRUE(wmfDrawing(wmf).empty());
}

TEST(WmfExport, ImageWithoutPixelsIsRefused) { EXPECT_THROW(encodeWmf({}, {}, 0, 0), ImageError); }
