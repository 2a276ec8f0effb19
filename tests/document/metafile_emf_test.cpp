// The enhanced metafile read back record by record: header fields, the reference frame, the stock
// objects and the drawing records the outline walk must produce.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "document/ImageError.h"
#include "document/Metafile.h"
#include "tests/document/MetafileRecords.h"

using namespace vortel;
using namespace vortel::testing;

namespace {

std::vector<EmfRecord> encode(const std::vector<Point>& points, const std::vector<uint8_t>& types, int32_t w = 450,
                              int32_t h = 200) {
    const auto bytes = encodeEmf(points, types, w, h);
    auto records = emfRecords(bytes);
    EXPECT_EQ(records.front().u32(40), bytes.size()) << "nBytes";
    EXPECT_EQ(records.front().u32(44), records.size()) << "nRecords";
    return records;
}

std::vector<Point> polyBezierPoints(const EmfRecord& r) {
    std::vector<Point> points;
    for (uint32_t i = 0; i < r.u32(16); ++i) points.push_back(r.point(20 + 8 * i));
    EXPECT_EQ(r.payload.size(), 20 + 8 * points.size());
    return points;
}

// A drawing record: its type and its points.
using Drawn = std::pair<uint32_t, std::vector<Point>>;

// The records between the two stock-object selections and the end, each checked to be exactly as
// long as its points need.
std::vector<Drawn> drawing(const std::vector<EmfRecord>& records) {
    std::vector<Drawn> drawn;
    for (size_t i = 3; i + 1 < records.size(); ++i) {
        const EmfRecord& r = records[i];
        if (r.type == EmrPolyBezierTo) {
            drawn.push_back({r.type, polyBezierPoints(r)});
        } else {
            EXPECT_EQ(r.payload.size(), 8u) << i;
            drawn.push_back({r.type, {r.point(0)}});
        }
    }
    return drawn;
}

std::u16string description(const EmfRecord& header) {
    const uint32_t chars = header.u32(52), offset = header.u32(56);
    std::u16string text;
    for (uint32_t i = 0; i < chars; ++i) {
        const size_t at = offset - 8 + 2 * i;
        text += char16_t(header.payload.at(at) | header.payload.at(at + 1) << 8);
    }
    return text;
}

}  // namespace

TEST(EmfExport, HeaderDescribesTheFileAndTheReferenceScreen) {
    const auto records = encode(kSamplePoints, kSampleTypes);
    const EmfRecord& h = records.front();
    EXPECT_EQ(h.u32(32), 0x464D4520u);  // " EMF"
    EXPECT_EQ(h.u32(36), 0x00010000u);
    EXPECT_EQ(h.u32(48) & 0xFFFF, 1u) << "handle table holds only the reserved entry";
    EXPECT_EQ(description(h), std::u16string(u"Created by Vortel\0\0", 19));
    EXPECT_EQ(h.u32(60), 0u) << "palette entries";
    EXPECT_EQ(h.point(64), (Point{1920, 1440}));
    EXPECT_EQ(h.point(72), (Point{508, 381}));
    EXPECT_EQ(h.point(92), (Point{508000, 381000}));
    EXPECT_EQ(h.u32(56), 108u) << "the description follows the extended header";
    // rclFrame in 0.01 mm: 450 × 50800 / 1920 = 11906.25, 200 × 38100 / 1440 = 5291.67.
    EXPECT_EQ(h.box(16), (Rect{0, 0, 11906, 5292}));
    const EmfRecord& eof = records.back();
    EXPECT_EQ(eof.u32(0), 0u);
    EXPECT_EQ(eof.u32(8), 20u) << "the end record repeats its own size";
}

TEST(EmfExport, FrameRoundsHalvesUpAsMulDivDoes) {
    // 12 × 50800 / 1920 = 317.5 exactly.
    EXPECT_EQ(encode({}, {}, 12, 1).front().box(16), (Rect{0, 0, 318, 26}));
}

TEST(EmfExport, SelectsTheStockPenAndBrushBeforeDrawing) {
    const auto records = encode(kSamplePoints, kSampleTypes);
    ASSERT_GE(records.size(), 4u);
    EXPECT_EQ(records[1].type, EmrSelectObject);
    EXPECT_EQ(records[1].u32(0), 0x80000007u);
    EXPECT_EQ(records[2].type, EmrSelectObject);
    EXPECT_EQ(records[2].u32(0), 0x80000001u);
}

TEST(EmfExport, WalkDrawsMovesLinesAndCurvesInOrderAndSkipsTheRest) {
    const auto records = encode(kSamplePoints, kSampleTypes);
    const std::vector<Drawn> expected = {
        {EmrMoveToEx, {{10, 10}}},
        {EmrLineTo, {{100, 10}}},
        {EmrPolyBezierTo, {{120, 20}, {120, 60}, {100, 70}}},
        {EmrLineTo, {{10, 10}}},  // the curve's close flag: back to the figure's start
        {EmrLineTo, {{10, 70}}},
        {EmrLineTo, {{10, 10}}},
        {EmrMoveToEx, {{200, 100}}},
        {EmrPolyBezierTo, std::vector<Point>(kSamplePoints.begin() + 8, kSamplePoints.begin() + 14)},
        {EmrLineTo, {{200, 100}}}};
    EXPECT_EQ(drawing(records), expected);
}

TEST(EmfExport, CloseFlagDrawsTheEdgeBackToTheStartOnlyWhenOneIsMissing) {
    EXPECT_EQ(drawing(encode({{0, 0}, {10, 0}, {10, 10}}, {6, 2, 3})),
              (std::vector<Drawn>{
                  {EmrMoveToEx, {{0, 0}}}, {EmrLineTo, {{10, 0}}}, {EmrLineTo, {{10, 10}}}, {EmrLineTo, {{0, 0}}}}));
    EXPECT_EQ(drawing(encode({{0, 0}, {10, 0}, {0, 0}}, {6, 2, 3})),
              (std::vector<Drawn>{{EmrMoveToEx, {{0, 0}}}, {EmrLineTo, {{10, 0}}}, {EmrLineTo, {{0, 0}}}}));
}

TEST(EmfExport, BoundsCoverWhatIsDrawnAndNothingSkipped) {
    const auto records = encode(kSamplePoints, kSampleTypes);
    // The skipped (500, 500) and (300, 300) would widen the box; the first curve bulges to x = 115.
    EXPECT_EQ(records.front().box(0), (Rect{10, 10, 240, 180}));
    EXPECT_EQ(records[5].box(0), (Rect{100, 10, 115, 70}));
}

TEST(EmfExport, CurveBoundsFollowTheCurveNotItsControlPoints) {
    // The control points reach y = 50; the curve's lowest point is y = 40 at t = 1/2.
    const auto records = encode({{10, 10}, {10, 50}, {30, 50}, {30, 10}}, {6, 4, 4, 4});
    EXPECT_EQ(records.front().box(0), (Rect{10, 10, 30, 40}));
    // An S-shaped curve turns twice between its ends, at x ≈ 5.93 and x ≈ 43.29.
    EXPECT_EQ(encode({{20, 10}, {100, 10}, {-60, 10}, {40, 10}}, {6, 4, 4, 4}).front().box(0), (Rect{5, 10, 44, 10}));
}

TEST(EmfExport, LineBeforeAnyMoveStartsAtTheOrigin) {
    EXPECT_EQ(encode({{30, 40}}, {2}).front().box(0), (Rect{0, 0, 30, 40}));
}

TEST(EmfExport, EmptyOutlineIsAValidMetafileThatDrawsNothing) {
    const auto records = encode({}, {});
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[1].type, EmrSelectObject);
    EXPECT_EQ(records[2].type, EmrSelectObject);
    EXPECT_EQ(records[3].type, EmrEof);
    EXPECT_EQ(records.front().box(0), (Rect{0, 0, -1, -1}));
    // Only moves, a lone move included, still draw nothing.
    EXPECT_EQ(encode({{5, 5}}, {6}).front().box(0), (Rect{0, 0, -1, -1}));
}

TEST(EmfExport, ExtremeCoordinatesKeepTheirValues) {
    const int32_t lo = INT32_MIN, hi = INT32_MAX;
    const auto records = encode({{lo, lo}, {hi, lo}, {hi, hi}, {lo, hi}, {hi, hi}}, {6, 4, 4, 4, 2});
    ASSERT_EQ(records.size(), 7u);
    EXPECT_EQ(polyBezierPoints(records[4]), (std::vector<Point>{{hi, lo}, {hi, hi}, {lo, hi}}));
    EXPECT_EQ(records.front().box(0), (Rect{lo, lo, hi, hi}));
}

TEST(EmfExport, ImageWithoutPixelsIsRefused) {
    EXPECT_THROW(encodeEmf({}, {}, 0, 10), ImageError);
    EXPECT_THROW(encodeEmf({}, {}, 10, -1), ImageError);
}
