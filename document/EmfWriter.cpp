// Enhanced metafile records for the outline export.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
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

enum EmfRecordType : uint32_t {
    EMR_HEADER = 1,
    EMR_POLYBEZIERTO = 5,
    EMR_EOF = 14,
    EMR_MOVETOEX = 27,
    EMR_SELECTOBJECT = 37,
    EMR_LINETO = 54,
};
constexpr uint32_t kSignature = 0x464D4520;  // " EMF"
constexpr uint32_t kVersion = 0x00010000;
constexpr uint32_t kStockBlackPen = 0x80000007;
constexpr uint32_t kStockLightGreyBrush = 0x80000001;
// Application name, then an empty picture name: each ends in NUL, as the system records them.
constexpr char16_t kDescription[] = u"Created by Vortel\0";
constexpr uint32_t kDescriptionChars = std::size(kDescription);
// The header with both extensions (pixel format, micrometre size), before the description.
constexpr uint32_t kHeaderFields = 108;
constexpr uint32_t kHeaderSize = kHeaderFields + (kDescriptionChars * 2 + 3) / 4 * 4;
constexpr uint32_t kEofSize = 20;

int32_t toInt32(double v) {
    return int32_t(
        std::clamp(v, double(std::numeric_limits<int32_t>::min()), double(std::numeric_limits<int32_t>::max())));
}

// The curve's extent along one axis: its ends and wherever its derivative vanishes in between.
void bezierRange(double p0, double p1, double p2, double p3, double& lo, double& hi) {
    lo = std::min(p0, p3);
    hi = std::max(p0, p3);
    const auto consider = [&](double t) {
        if (!(t > 0 && t < 1)) return;
        const double s = 1 - t;
        const double v = s * s * s * p0 + 3 * s * s * t * p1 + 3 * s * t * t * p2 + t * t * t * p3;
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    };
    // B'(t) / 3 = a t² + b t + c; the inputs are integers, so a and b are exact.
    const double a = -p0 + 3 * p1 - 3 * p2 + p3, b = 2 * (p0 - 2 * p1 + p2), c = p1 - p0;
    if (a == 0) {
        if (b != 0) consider(-c / b);
        return;
    }
    const double disc = b * b - 4 * a * c;
    if (disc < 0) return;
    const double root = std::sqrt(disc);
    consider((-b + root) / (2 * a));
    consider((-b - root) / (2 * a));
}

// Inclusive pixel box of what has been drawn; empty until something is.
class DrawnBox {
public:
    void add(Point p) { addRange(p.x, p.x, p.y, p.y); }
    void addBezier(Point p0, Point c1, Point c2, Point p3) {
        double x0, x1, y0, y1;
        bezierRange(p0.x, c1.x, c2.x, p3.x, x0, x1);
        bezierRange(p0.y, c1.y, c2.y, p3.y, y0, y1);
        addRange(toInt32(std::floor(x0)), toInt32(std::ceil(x1)), toInt32(std::floor(y0)), toInt32(std::ceil(y1)));
    }
    void add(const DrawnBox& other) {
        if (!other.empty()) addRange(other.left_, other.right_, other.top_, other.bottom_);
    }
    bool empty() const { return left_ > right_; }
    // An empty box is written as (0, 0, -1, -1), the system's way of saying nothing was drawn.
    void write(RecordWriter& out) const {
        out.i32(empty() ? 0 : left_);
        out.i32(empty() ? 0 : top_);
        out.i32(empty() ? -1 : right_);
        out.i32(empty() ? -1 : bottom_);
    }

private:
    void addRange(int32_t x0, int32_t x1, int32_t y0, int32_t y1) {
        left_ = std::min(left_, x0);
        right_ = std::max(right_, x1);
        top_ = std::min(top_, y0);
        bottom_ = std::max(bottom_, y1);
    }
    int32_t left_ = std::numeric_limits<int32_t>::max();
    int32_t top_ = std::numeric_limits<int32_t>::max();
    int32_t right_ = std::numeric_limits<int32_t>::min();
    int32_t bottom_ = std::numeric_limits<int32_t>::min();
};

// Turns the outline walk into records. Consecutive Béziers share one EMR_POLYBEZIERTO, which
// draws the same as one record each and keeps curved letters compact.
class EmfRecorder final : public OutlineSink {
public:
    void select(uint32_t stockObject) {
        begin(EMR_SELECTOBJECT, 12);
        body_.u32(stockObject);
    }
    void moveTo(Point p) override {
        flushCurves();
        pointRecord(EMR_MOVETOEX, p);
    }
    void lineTo(Point p) override {
        flushCurves();
        drawn_.add(current_);
        drawn_.add(p);
        pointRecord(EMR_LINETO, p);
    }
    void bezierTo(Point c1, Point c2, Point end) override {
        curveBox_.addBezier(current_, c1, c2, end);
        curves_.insert(curves_.end(), {c1, c2, end});
        current_ = end;
    }
    void finish() {
        flushCurves();
        begin(EMR_EOF, kEofSize);
        body_.u32(0);   // no palette entries
        body_.u32(16);  // where they would start
        body_.u32(kEofSize);
    }
    const RecordWriter& body() const { return body_; }
    uint32_t records() const { return records_; }
    const DrawnBox& drawn() const { return drawn_; }

private:
    void begin(EmfRecordType type, uint64_t size) {
        if (size > std::numeric_limits<uint32_t>::max())
            throw ImageError("the outline has too many points for a metafile");
        body_.u32(type);
        body_.u32(uint32_t(size));
        ++records_;
    }
    void pointRecord(EmfRecordType type, Point p) {
        begin(type, 16);
        body_.i32(p.x);
        body_.i32(p.y);
        current_ = p;
    }
    void flushCurves() {
        if (curves_.empty()) return;
        begin(EMR_POLYBEZIERTO, 28 + 8 * uint64_t(curves_.size()));
        curveBox_.write(body_);
        body_.u32(uint32_t(curves_.size()));
        for (const Point& p : curves_) {
            body_.i32(p.x);
            body_.i32(p.y);
        }
        drawn_.add(curveBox_);
        curveBox_ = DrawnBox{};
        curves_.clear();
    }

    RecordWriter body_;
    uint32_t records_ = 0;
    Point current_{};  // a device context starts drawing at the origin
    DrawnBox drawn_;
    DrawnBox curveBox_;
    std::vector<Point> curves_;
};

void writeHeader(RecordWriter& out, const EmfRecorder& recorder, int32_t imageWidth, int32_t imageHeight) {
    namespace screen = reference_screen;
    const uint64_t total = uint64_t(kHeaderSize) + recorder.body().size();
    if (total > std::numeric_limits<uint32_t>::max())
        throw ImageError("the outline has too many points for a metafile");
    out.u32(EMR_HEADER);
    out.u32(kHeaderSize);
    recorder.drawn().write(out);
    out.i32(0);
    out.i32(0);
    out.i32(mulDiv(imageWidth, screen::WidthMm * 100, screen::WidthPx));
    out.i32(mulDiv(imageHeight, screen::HeightMm * 100, screen::HeightPx));
    out.u32(kSignature);
    out.u32(kVersion);
    out.u32(uint32_t(total));
    out.u32(recorder.records() + 1);
    out.u16(1);  // handle table: only the reserved entry, stock objects need none
    out.u16(0);
    out.u32(kDescriptionChars);
    out.u32(kHeaderFields);
    out.u32(0);  // palette entries
    out.i32(screen::WidthPx);
    out.i32(screen::HeightPx);
    out.i32(screen::WidthMm);
    out.i32(screen::HeightMm);
    out.u32(0);  // no pixel format descriptor
    out.u32(0);
    out.u32(0);  // no OpenGL records
    out.i32(screen::WidthMm * 1000);
    out.i32(screen::HeightMm * 1000);
    for (char16_t c : kDescription) out.u16(c);
    out.zeros(kHeaderSize - kHeaderFields - kDescriptionChars * 2);
}

}  // namespace

std::vector<uint8_t> encodeEmf(std::span<const Point> points, std::span<const uint8_t> types, int32_t imageWidth,
                               int32_t imageHeight) {
    image_limits::checkDimensions(imageWidth, imageHeight);
    EmfRecorder recorder;
    recorder.select(kStockBlackPen);
    recorder.select(kStockLightGreyBrush);
    walkOutline(points, types, recorder);
    recorder.finish();
    RecordWriter out;
    writeHeader(out, recorder, imageWidth, imageHeight);
    out.append(recorder.body().bytes());
    return out.take();
}

}  // namespace vortel
