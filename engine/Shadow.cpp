#include <algorithm>
#include <array>
#include <bitset>
#include <cmath>
#include <limits>
#include <optional>

#include "engine/FontFX.h"
#include "engine/ShadowBlur.h"
#include "platform/Numeric.h"

namespace vortel {

namespace {

constexpr int32_t kNoBound = std::numeric_limits<int32_t>::max();

// Far outside any image, yet small enough that adding two such values stays inside 64 bits: a
// size of 10^9 per cent or a remote guide must move a pixel off the image, not wrap it back on.
constexpr double kFar = 1e15;
int64_t roundFar(double v) { return roundEven(std::clamp(v, -kFar, kFar)); }

// The cast shadow: each text pixel is dropped onto the lower guide's base line, then turned about
// that foot by -angle and its distance scaled by the size.
struct Lean {
    double p0x, p0y, bx, by, bb;  // base line start, direction, squared length
    double cosA, sinA, scale;

    // (x, y) in screen coordinates, y down; 64-bit so that no user value can overflow.
    std::array<int64_t, 2> apply(int64_t x, int64_t y) const {
        const double t = ((double(x) - p0x) * bx + (double(y) - p0y) * by) / bb;
        const int64_t fx = roundFar(bx * t + p0x), fy = roundFar(by * t + p0y);
        return turn(fx, fy, double(x) - double(fx), double(y) - double(fy));
    }

    std::array<int64_t, 2> turn(int64_t fx, int64_t fy, double dx, double dy) const {
        return {fx + roundFar(scale * (cosA * dx + sinA * dy)), fy + roundFar(scale * (cosA * dy - sinA * dx))};
    }

    // On a level base line every pixel's foot is the pixel's own column on the line: the products
    // and the quotient of apply() stay exact far below 2^53, so the foot rounds back to x, and
    // dx is 0. A whole row then moves by one shift, worked out once: apply(x, y) equals
    // rowShift(y) plus (x, 0) for every x of columns [left, right].
    std::optional<std::array<int64_t, 2>> rowShift(int64_t y, int64_t left, int64_t right) const {
        constexpr double kExact = double(1 << 26);
        if (by != 0 || !(std::abs(bx) < kExact) || !(std::abs(double(left) - p0x) < kExact) ||
            !(std::abs(double(right) - p0x) < kExact) || !(std::abs(p0y) < kExact))
            return std::nullopt;
        return turn(0, int64_t(p0y), 0.0, double(y) - p0y);
    }
};

std::optional<Lean> leanOf(const TFontFX& e) {
    const ShadowParams& s = e.Shadow;
    if (s.ShadowAngle == 0 && s.ShadowSize == 100) return std::nullopt;
    const std::vector<Point>& guide = e.GuidePoints[2];
    const size_t n = std::min<size_t>(e.NumGuidePoints[2], guide.size());
    // A lower guide collapsed to one point has no direction to project onto (its squared length
    // would divide by zero): the shadow is then cast upright and unstretched.
    if (n < 2 || guide[0] == guide[n - 1]) return std::nullopt;
    const Point p0 = guide[0], p1 = guide[n - 1];
    const double bx = double(p1.x) - p0.x, by = double(p1.y) - p0.y;
    const double a = -double(s.ShadowAngle) * M_PI / 180;
    return Lean{double(p0.x), double(p0.y), bx, by, bx * bx + by * by, std::cos(a), std::sin(a), double(s.ShadowSize) * 0.01};
}

// A shadow stretched beyond the text's height leaves gaps between the scaled pixels; each pixel is
// drawn out along the lean's main direction to close them.
struct GapFill {
    int32_t sx = 0, sy = 0;
    int64_t steps = 0;
};

GapFill gapFillOf(const ShadowParams& s) {
    if (s.ShadowSize <= 100) return {};
    const double phi = double(s.ShadowAngle) * M_PI / 180;
    const double sinPhi = std::sin(phi), cosPhi = std::cos(phi);
    GapFill g;
    if (std::abs(sinPhi) >= std::sin(M_PI / 8)) g.sx = sinPhi > 0 ? 1 : -1;
    if (std::abs(cosPhi) >= std::cos(1.3526301702956054)) g.sy = cosPhi > 0 ? 1 : -1;
    g.steps = roundEven(std::abs(cosPhi) * (s.ShadowSize / 100));
    return g;
}

// The target map with the bounds of what has been marked in it.
class ShapeMap {
public:
    ShapeMap(ByteMap& map, int32_t w, int32_t h, Rect& bounds) : map_(map), w_(w), h_(h), bounds_(bounds) {}
    bool inside(int64_t x, int64_t row) const { return x >= 0 && x < w_ && row >= 0 && row < h_; }
    void mark(int64_t x, int64_t row) {
        map_[size_t(row) * size_t(w_) + size_t(x)] = 255;
        bounds_.left = std::min(bounds_.left, int32_t(x));
        bounds_.right = std::max(bounds_.right, int32_t(x));
        bounds_.top = std::min(bounds_.top, int32_t(row));
        bounds_.bottom = std::max(bounds_.bottom, int32_t(row));
    }

private:
    ByteMap& map_;
    int32_t w_, h_;
    Rect& bounds_;
};

void castPixels(const TFontFX& e, ShapeMap& out, int32_t w, int32_t h) {
    const Rect wb = e.WarpedBounds;
    const int64_t maskRows = std::min<int64_t>(h, int64_t(e.TextMask.size() / size_t(w)));
    const int32_t left = std::max(wb.left, 0), right = std::min(wb.right, w - 1);
    const int64_t top = std::max(wb.top, 0), bottom = std::min<int64_t>(wb.bottom, maskRows - 1);
    const std::optional<Lean> lean = leanOf(e);
    const GapFill gap = lean ? gapFillOf(e.Shadow) : GapFill{};
    const int64_t offX = e.Shadow.ShadowX, offY = e.Shadow.ShadowY;
    for (int64_t row = top; row <= bottom; ++row) {
        const uint8_t* mask = &e.TextMask[size_t(row) * size_t(w)];
        const int64_t y = h - row;
        const std::optional<std::array<int64_t, 2>> shift =
            lean ? lean->rowShift(y, left, right) : std::array<int64_t, 2>{0, y};
        for (int32_t x = left; x <= right; ++x) {
            if (e.DistColorMode[mask[x]] == 1) continue;
            const std::array<int64_t, 2> p = shift ? std::array<int64_t, 2>{x + (*shift)[0], (*shift)[1]} : lean->apply(x, y);
            int64_t tx = p[0] + offX, ty = h + offY - p[1];
            if (out.inside(tx, ty)) out.mark(tx, ty);
            for (int64_t k = 0; k < gap.steps; ++k) {
                tx += gap.sx;
                ty += gap.sy;
                if (!out.inside(tx, ty)) break;
                // Filled pixels widen the bounds too: outside them the blending would never show them.
                out.mark(tx, ty);
            }
        }
    }
}

// Blending a coverage into one old channel value, worked out once per coverage that occurs.
class BlendTable {
public:
    BlendTable(double intensity, ColorRef color)
        : intensity_(intensity), shadow_{uint8_t(color >> 16 & 0xFF), uint8_t(color >> 8 & 0xFF), uint8_t(color & 0xFF)} {}

    // Blue, green, red for coverage m: entry 256 c + old value.
    const uint8_t* row(uint8_t m) {
        if (!ready_[m]) fill(m);
        return table_[m].data();
    }

private:
    void fill(uint8_t m) {
        const double k = intensity_ * m * (1 / 255.0);
        for (int c = 0; c < 3; ++c)
            for (int old = 0; old < 256; ++old)
                table_[m][size_t(256 * c + old)] = clampByte(roundEven32(k * (shadow_[c] - old) + old));
        ready_[m] = true;
    }

    double intensity_;
    std::array<uint8_t, 3> shadow_;  // blue, green, red
    std::bitset<256> ready_;
    std::vector<std::array<uint8_t, 768>> table_ = std::vector<std::array<uint8_t, 768>>(256);
};

}  // namespace

void TFontFX::CastShadow(ByteMap& target, int32_t width, int32_t height) {
    const uint8_t savedMode = DistColorMode[0];
    DistColorMode[0] = 1;  // distance 0 is outside the text and never casts
    ShadowBounds = Rect{kNoBound, kNoBound, 0, 0};
    if (width > 0 && height > 0) {
        if (target.size() < size_t(width) * size_t(height)) target.resize(size_t(width) * size_t(height), 0);
        ShapeMap out(target, width, height, ShadowBounds);
        castPixels(*this, out, width, height);
    }
    Rect& b = ShadowBounds;
    if (b.left <= b.right) {
        const int64_t r = std::max(Shadow.ShadowBlur, 0);
        b = Rect{int32_t(std::max<int64_t>(b.left - r, 0)), int32_t(std::max<int64_t>(b.top - r, 0)),
                 int32_t(std::min<int64_t>(b.right + r, width - 1)), int32_t(std::min<int64_t>(b.bottom + r, height - 1))};
    }
    DistColorMode[0] = savedMode;
}

void TFontFX::CreateShadowPointer(TPixelBuffer& buffer) {
    const int32_t w = std::max(buffer.Width, 0), h = std::max(buffer.Height, 0);
    assignZeros(ShadowMask, (size_t(h) + 1) * size_t(w) + 4);
    if (Shadow.ShadowBlur <= 0) {
        CastShadow(ShadowMask, w, h);
        return;
    }
    ByteMap shape(ShadowMask.size());
    CastShadow(shape, w, h);
    const Rect& b = ShadowBounds;
    if (b.left > b.right) return;
    // The bounds are widened by the radius; the shape's own rows lie inside them.
    auto emptyRow = [&](int32_t row) {
        const uint8_t* p = &shape[size_t(row) * size_t(w)];
        return std::all_of(p + b.left, p + b.right + 1, [](uint8_t v) { return v == 0; });
    };
    int32_t first = b.top, last = b.bottom;
    while (first < last && emptyRow(first)) ++first;
    while (last > first && emptyRow(last)) --last;
    blurShadowShape(shape.data(), ShadowMask.data(), w, h, Shadow.ShadowBlur, first, last);
}

void TFontFX::ZeichneShadow(TPixelBuffer& buffer) {
    const int32_t w = buffer.Width, h = buffer.Height;
    const int32_t left = std::max(ShadowBounds.left, 0), right = std::min(ShadowBounds.right, w - 1);
    const int32_t top = std::max(ShadowBounds.top, 0), bottom = std::min(ShadowBounds.bottom, h - 1);
    if (left > right || top > bottom || ShadowMask.size() < size_t(w) * size_t(h)) return;
    BlendTable blend(Shadow.ShadowIntensity, Shadow.ShadowColor);
    for (int32_t row = top; row <= bottom; ++row) {
        const uint8_t* coverage = &ShadowMask[size_t(row) * size_t(w)];
        uint8_t* px = buffer.pixel(left, row);
        for (int32_t x = left; x <= right; ++x, px += 3) {
            if (coverage[x] == 0) continue;
            const uint8_t* t = blend.row(coverage[x]);
            px[0] = t[px[0]];
            px[1] = t[256 + px[1]];
            px[2] = t[512 + px[2]];
        }
    }
}

}  // namespace vortel
