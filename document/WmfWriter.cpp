// Windows 3.1 metafile records, behind a placeable header, for the outline export.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <vector>

#include "document/ImageError.h"
#include "document/ImageLimits.h"
#include "document/Metafile.h"
#include "document/MetafileBytes.h"
#include "document/MetafileWalk.h"
#include "platform/Numeric.h"

namespace vortel {
namespace {

enum WmfFunction : uint16_t {
    META_EOF = 0x0000,
    META_SELECTOBJECT = 0x012D,
    META_DELETEOBJECT = 0x01F0,
    META_SETWINDOWORG = 0x020B,
    META_SETWINDOWEXT = 0x020C,
    META_LINETO = 0x0213,
    META_MOVETO = 0x0214,
    META_CREATEPENINDIRECT = 0x02FA,
    META_CREATEBRUSHINDIRECT = 0x02FC,
    META_POLYLINE = 0x0325,
};
constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr uint16_t kUnitsPerInch = 96;  // one logical unit is one pixel of a 96 dpi screen
constexpr uint16_t kHeaderWords = 9;
constexpr uint16_t kPenSlot = 0, kBrushSlot = 1;
constexpr uint32_t kLightGrey = 0x00C0C0C0;
// A polyline's point count is a signed 16-bit field.
constexpr size_t kMaxPolylinePoints = 32767;
// A flattened curve strays at most this far (in pixels) from the true one before rounding.
constexpr double kFlatness = 0.25;
// Steps of one curve at most; only curves far larger than any image need that many.
constexpr int kMaxCurveSegments = 512;

int16_t saturate16(int64_t v) {
    return int16_t(std::clamp<int64_t>(v, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

struct Point16 {
    int16_t x, y;
    friend bool operator==(const Point16&, const Point16&) = default;
};
Point16 saturate16(Point p) { return {saturate16(p.x), saturate16(p.y)}; }

// The points after p0 of the cubic p0, c1, c2, p3, on straight steps short enough that the chord
// error stays within kFlatness: with n equal steps it is at most 3/4 · max|second difference| / n².
void flattenBezier(Point p0, Point c1, Point c2, Point p3, std::vector<Point>& out) {
    const auto secondDifference = [](Point a, Point b, Point c) {
        return std::hypot(double(a.x) - 2.0 * b.x + c.x, double(a.y) - 2.0 * b.y + c.y);
    };
    const double bend = std::max(secondDifference(p0, c1, c2), secondDifference(c1, c2, p3));
    const int steps = int(std::clamp(std::ceil(std::sqrt(0.75 * bend / kFlatness)), 1.0, double(kMaxCurveSegments)));
    const auto at = [](double s, double t, int32_t a, int32_t b, int32_t c, int32_t d) {
        const double v = s * s * s * a + 3 * s * s * t * b + 3 * s * t * t * c + t * t * t * d;
        return int32_t(std::clamp<int64_t>(roundEven(v), std::numeric_limits<int32_t>::min(),
                                           std::numeric_limits<int32_t>::max()));
    };
    for (int k = 1; k < steps; ++k) {
        const double t = double(k) / steps, s = 1 - t;
        out.push_back({at(s, t, p0.x, c1.x, c2.x, p3.x), at(s, t, p0.y, c1.y, c2.y, p3.y)});
    }
    out.push_back(p3);
}

// Turns the outline walk into records. WMF has no curve record: each run of Béziers becomes one
// flattened polyline from the current position. A polyline leaves the current position where it
// was, so a move to the curve's end precedes the next line, as the curve itself would have left it.
class WmfRecorder final : public OutlineSink {
public:
    void record(WmfFunction function, std::initializer_list<uint16_t> params) {
        begin(function, params.size());
        for (uint16_t p : params) body_.u16(p);
    }
    void moveTo(Point p) override {
        flushCurves();
        moveAfterCurve_ = false;
        pointRecord(META_MOVETO, saturate16(p));
        current_ = p;
    }
    void lineTo(Point p) override {
        flushCurves();
        if (moveAfterCurve_) pointRecord(META_MOVETO, saturate16(current_));
        moveAfterCurve_ = false;
        pointRecord(META_LINETO, saturate16(p));
        current_ = p;
    }
    void bezierTo(Point c1, Point c2, Point end) override {
        if (curve_.empty()) curve_.push_back(current_);
        flattenBezier(current_, c1, c2, end, curve_);
        current_ = end;
    }
    void finish() { flushCurves(); }
    const RecordWriter& body() const { return body_; }
    uint32_t largestRecord() const { return largest_; }

private:
    void begin(WmfFunction function, size_t paramWords) {
        const uint64_t words = 3 + uint64_t(paramWords);
        largest_ = std::max(largest_, uint32_t(words));
        body_.u32(uint32_t(words));
        body_.u16(function);
    }
    // Point parameters are stored y first.
    void pointRecord(WmfFunction function, Point16 p) { record(function, {uint16_t(p.y), uint16_t(p.x)}); }
    void flushCurves() {
        std::vector<Point16> line;
        for (const Point& p : curve_) {
            const Point16 q = saturate16(p);
            if (line.empty() || !(line.back() == q)) line.push_back(q);
        }
        curve_.clear();
        if (line.size() < 2) return;
        for (size_t first = 0; first + 1 < line.size(); first += kMaxPolylinePoints - 1) {
            const size_t count = std::min(kMaxPolylinePoints, line.size() - first);
            begin(META_POLYLINE, 1 + 2 * count);
            body_.u16(uint16_t(count));
            for (size_t i = first; i < first + count; ++i) {
                body_.i16(line[i].x);
                body_.i16(line[i].y);
            }
        }
        moveAfterCurve_ = true;
    }

    RecordWriter body_;
    uint32_t largest_ = 0;
    Point current_{};  // a device context starts drawing at the origin
    bool moveAfterCurve_ = false;
    std::vector<Point> curve_;
};

void writePlaceableHeader(RecordWriter& out, int16_t width, int16_t height) {
    const uint16_t key[2] = {uint16_t(kPlaceableKey), uint16_t(kPlaceableKey >> 16)};
    // Key, no handle, the box (left, top, right, bottom), units per inch, a reserved double word.
    const uint16_t words[10] = {key[0], key[1], 0, 0, 0, uint16_t(width), uint16_t(height), kUnitsPerInch, 0, 0};
    uint16_t checksum = 0;
    for (uint16_t w : words) {
        out.u16(w);
        checksum ^= w;
    }
    out.u16(checksum);
}

void writeMetaHeader(RecordWriter& out, const WmfRecorder& recorder) {
    const uint64_t words = kHeaderWords + recorder.body().size() / 2;
    if (words > std::numeric_limits<uint32_t>::max())
        throw ImageError("the outline has too many points for a metafile");
    out.u16(1);  // a metafile in memory, the type every WMF file carries
    out.u16(kHeaderWords);
    out.u16(0x0300);
    out.u32(uint32_t(words));
    out.u16(2);  // the pen and the brush
    out.u32(recorder.largestRecord());
    out.u16(0);
}

}  // namespace

std::vector<uint8_t> encodeWmf(std::span<const Point> points, std::span<const uint8_t> types, int32_t imageWidth,
                               int32_t imageHeight) {
    image_limits::checkDimensions(imageWidth, imageHeight);
    const int16_t width = saturate16(imageWidth), height = saturate16(imageHeight);
    WmfRecorder recorder;
    recorder.record(META_SETWINDOWORG, {0, 0});
    recorder.record(META_SETWINDOWEXT, {uint16_t(height), uint16_t(width)});
    recorder.record(META_CREATEPENINDIRECT, {0, 0, 0, 0, 0});  // solid, hairline, black
    recorder.record(META_CREATEBRUSHINDIRECT, {0, uint16_t(kLightGrey), uint16_t(kLightGrey >> 16), 0});  // solid
    recorder.record(META_SELECTOBJECT, {kPenSlot});
    recorder.record(META_SELECTOBJECT, {kBrushSlot});
    walkOutline(points, types, recorder);
    recorder.finish();
    recorder.record(META_DELETEOBJECT, {kPenSlot});
    recorder.record(META_DELETEOBJECT, {kBrushSlot});
    recorder.record(META_EOF, {});

    RecordWriter out;
    writePlaceableHeader(out, width, height);
    writeMetaHeader(out, recorder);
    out.append(recorder.body().bytes());
    return out.take();
}

}  // namespace vortel
