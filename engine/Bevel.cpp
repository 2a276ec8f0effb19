#include <algorithm>
#include <cmath>
#include <limits>

#include <cairo.h>

#include "engine/FontFX.h"
#include "platform/Numeric.h"

namespace vortel {

namespace {

// The eight neighbour directions in turning order (map rows grow upward): index k and k + 1 are
// neighbours on the circle, so "turning" is adding or subtracting 1 modulo 8.
constexpr int kDirX[8] = {1, 1, 0, -1, -1, -1, 0, 1};
constexpr int kDirY[8] = {0, 1, 1, 1, 0, -1, -1, -1};

int directionIndex(int dx, int dy) {
    for (int k = 0; k < 8; ++k)
        if (kDirX[k] == dx && kDirY[k] == dy) return k;
    return 0;
}

int64_t clampTo64(__int128 v) {
    constexpr __int128 lo = std::numeric_limits<int64_t>::min(), hi = std::numeric_limits<int64_t>::max();
    return static_cast<int64_t>(v < lo ? lo : v > hi ? hi : v);
}

uint8_t packTangent(int dx, int dy) { return static_cast<uint8_t>((dx + 4) | (dy + 4) << 4); }

// Distance and tangent propagation over one byte map, rows bottom-up.
class Propagation {
public:
    Propagation(ByteMap& mask, ByteMap& tangent, int32_t width, int32_t height, int32_t addPixel)
        : mask_(mask), tangent_(tangent), w_(width), h_(height), add_(addPixel) {}

    void sweep(const Rect& b, int code, int dx, int dy, bool rowsUp, bool colsUp) {
        for (int32_t i = 0; i <= b.bottom - b.top; ++i) {
            const int32_t row = rowsUp ? b.top + i : b.bottom - i;
            for (int32_t j = 0; j <= b.right - b.left; ++j) step(colsUp ? b.left + j : b.right - j, row, code, dx, dy);
        }
    }

private:
    uint8_t value(int32_t x, int32_t row) const {
        return x < 0 || row < 0 || x >= w_ || row >= h_ ? 0 : mask_[size_t(row) * w_ + x];
    }
    bool isText(int32_t x, int32_t row) const { return value(x, row) > add_; }

    void step(int32_t x, int32_t row, int code, int dx, int dy) {
        const size_t p = size_t(row) * w_ + x;
        int d = mask_[p];
        if (d == 0) return;  // most pixels of the bounds lie outside the letters
        // The bounds keep two pixels from the image border, so the neighbour is always in the map.
        const int e = mask_[size_t(row + dy) * w_ + x + dx];
        if (e + 1 >= d) return;
        bool onEdge = false;
        if ((e <= add_ && add_ < d) || d == add_ + 1) {
            tangent_[p] = traceTangent(x, row, directionIndex(dx, dy));
            d = add_ + 1;
            mask_[p] = static_cast<uint8_t>(d);
            onEdge = true;
        }
        if ((onEdge || (add_ >= e && add_ >= d && e < d + 1)) && code % 2 == 0) growOutward(x, row, dx, dy, d, tangent_[p]);
        if (e > add_) {
            mask_[p] = static_cast<uint8_t>(e + 1);
            tangent_[p] = tangent_[size_t(row + dy) * w_ + x + dx];
        }
    }

    // The margin outside the letters: distances count down from the edge along the axis.
    void growOutward(int32_t x, int32_t row, int dx, int dy, int d, uint8_t tangent) {
        for (int i = 1; i <= d; ++i) {
            const int32_t qx = x + i * dx, qr = row + i * dy;
            if (qr <= 0 || qx < 0 || qx >= w_ || qr >= h_) break;
            uint8_t& q = mask_[size_t(qr) * w_ + qx];
            if (q >= d - i + 1) break;
            q = static_cast<uint8_t>(d - i);
            tangent_[size_t(qr) * w_ + qx] = tangent;
        }
    }

    // The edge tangent at an edge pixel: the outline is traced two pixels each way and the chord
    // between the two ends is the tangent. Each trace step is a boundary-following step: standing
    // on an edge pixel with a known outside neighbour, the other seven neighbours are examined in
    // turning order, starting next to the outside one; the first text pixel (value above the
    // added margin) is the next edge pixel, and the neighbour examined just before it becomes its
    // outside neighbour. Turning one way walks the outline with the outside on one hand, turning
    // the other way walks it back. The outside neighbour of the start is the sweep's neighbour,
    // which is known not to be text, so the tangent's orientation is the same all around a
    // letter and the 5 x 5 sums of the normals do not cancel.
    uint8_t traceTangent(int32_t x, int32_t row, int outside) const {
        int32_t ax = x, ar = row, bx = x, br = row;
        walk(ax, ar, outside, +1);
        walk(bx, br, outside, -1);
        return packTangent(ax - bx, ar - br);
    }

    void walk(int32_t& x, int32_t& row, int outside, int turn) const {
        for (int s = 0; s < 2; ++s) {
            int k = outside;
            bool moved = false;
            for (int n = 1; n <= 7; ++n) {
                const int next = (outside + turn * n + 8) % 8;
                if (isText(x + kDirX[next], row + kDirY[next])) {
                    x += kDirX[next];
                    row += kDirY[next];
                    // The neighbour examined before, seen from the new pixel, is its outside one.
                    outside = directionIndex(kDirX[k] - kDirX[next], kDirY[k] - kDirY[next]);
                    moved = true;
                    break;
                }
                k = next;
            }
            if (!moved) return;
        }
    }

    ByteMap& mask_;
    ByteMap& tangent_;
    int32_t w_, h_, add_;
};

}  // namespace

namespace {

// Sets the mask to 255 where `isText(row, x)` holds, rows counted from the bottom, and returns the
// box of those pixels. A border of two pixels never counts as text: the bevel's neighbourhoods
// reach that far.
template <class RowReader>
Rect markTextPixels(ByteMap& mask, int32_t w, int32_t h, RowReader&& rowReader) {
    constexpr int32_t big = std::numeric_limits<int32_t>::max();
    Rect b{big, big, 0, 0};
    for (int32_t row = 2; row < h - 2; ++row) {
        uint8_t* m = &mask[size_t(row) * w];
        int32_t first = -1, last = -1;
        rowReader(row, [&](int32_t x) {
            m[x] = 255;
            if (first < 0) first = x;
            last = x;
        });
        if (first < 0) continue;
        b.left = std::min(b.left, first);
        b.right = std::max(b.right, last);
        b.top = std::min(b.top, row);
        b.bottom = std::max(b.bottom, row);
    }
    return b;
}

}  // namespace

template <class RowReader>
void TFontFX::createTextPointer(int32_t w, int32_t h, RowReader&& rowReader) {
    const int32_t add = std::clamp(Bevel.BevelAddPixel, 0, 250);
    assignZeros(TextMask, size_t(add + h + 1) * w + 4);
    NormalMap.clear();
    MaxDistance = 0;
    const Rect b = markTextPixels(TextMask, w, h, rowReader);
    WarpedBounds = b;
    if (!Bevel.enabled()) return;

    WarpedBounds = Rect{std::max(b.left - add - 2, 2), std::max(b.top - add - 2, 2), std::min(b.right + add + 2, w - 3),
                        std::min(b.bottom + add + 2, h - 3)};
    if (b.left > b.right) {
        WarpedBounds = b;  // no text: nothing to propagate
        return;
    }
    const Rect wb = WarpedBounds;
    assignZeros(NormalMap, TextMask.size());
    ByteMap tangent(TextMask.size());
    Propagation prop(TextMask, tangent, w, h, add);
    prop.sweep(wb, 6, -1, 0, true, true);
    prop.sweep(wb, 2, 1, 0, true, false);
    prop.sweep(wb, 4, 0, -1, true, true);
    prop.sweep(wb, 8, 0, 1, false, true);
    prop.sweep(wb, 5, -1, -1, true, true);
    prop.sweep(wb, 1, 1, 1, false, false);
    prop.sweep(wb, 7, -1, 1, false, true);
    prop.sweep(wb, 3, 1, -1, true, true);
    buildNormals(tangent);
}

void TFontFX::CreateTextPointer(TPixelBuffer& buffer) {
    createTextPointer(buffer.Width, buffer.Height, [&](int32_t row, auto&& mark) {
        const uint8_t* px = buffer.pixel(2, row);
        for (int32_t x = 2; x < buffer.Width - 2; ++x, px += 3)
            if ((px[0] | px[1] | px[2]) != 0) mark(x);
    });
}

void TFontFX::CreateTextPointer(const Canvas& text) {
    cairo_surface_t* surface = text.surface();
    cairo_surface_flush(surface);
    const uint8_t* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const int32_t w = text.width(), h = text.height();
    createTextPointer(w, h, [&](int32_t row, auto&& mark) {
        const uint32_t* line = reinterpret_cast<const uint32_t*>(data + ptrdiff_t(h - 1 - row) * stride);
        int32_t x = 2;
        // Most of the picture is black background: eight pixels are passed over at a time.
        for (; x + 8 <= w - 2; x += 8) {
            uint32_t any = 0;
            for (int i = 0; i < 8; ++i) any |= line[x + i];
            if ((any & 0xFFFFFF) == 0) continue;
            for (int i = 0; i < 8; ++i)
                if ((line[x + i] & 0xFFFFFF) != 0) mark(x + i);
        }
        for (; x < w - 2; ++x)
            if ((line[x] & 0xFFFFFF) != 0) mark(x);
    });
}

// The normal code for every pair of tangent sums: each sum of 25 components in -4..4 lies in
// -100..100, so the arc tangent is looked up instead of computed per pixel.
static uint8_t normalCode(int sx, int sy) {
    static const std::vector<uint8_t> table = [] {
        std::vector<uint8_t> t(201 * 201);
        for (int y = -100; y <= 100; ++y) {
            for (int x = -100; x <= 100; ++x) {
                double theta;
                if (y > 0) theta = std::atan(double(x) / y);
                else if (y < 0) theta = std::atan(double(x) / y) + M_PI;
                else theta = x > 0 ? M_PI / 2 : -M_PI / 2;
                t[size_t(y + 100) * 201 + size_t(x + 100)] =
                    static_cast<uint8_t>(std::clamp<int64_t>(roundEven((theta + M_PI / 2) / M_PI * 0.5 * 255), 0, 255));
            }
        }
        return t;
    }();
    return table[size_t(sy + 100) * 201 + size_t(sx + 100)];
}

// The normal at every pixel is the direction of the summed edge tangents of its 5 x 5 block.
// Deep inside, the block sums come from a separable box filter (exact integer sums); the one or
// two pixels next to the outside count only their text neighbours and are summed directly.
void TFontFX::buildNormals(const ByteMap& tangent) {
    const int32_t w = ImageRect.width();
    const Rect wb = WarpedBounds;
    const int32_t cols = wb.right - wb.left + 1, rows = wb.bottom - wb.top + 5;
    // Horizontal 5-sums of both tangent components for the bounds' columns, two rows beyond.
    std::vector<int16_t> hx(size_t(rows) * cols), hy(size_t(rows) * cols);
    for (int32_t r = 0; r < rows; ++r) {
        const uint8_t* t = &tangent[size_t(wb.top - 2 + r) * w];
        for (int32_t c = 0; c < cols; ++c) {
            const int32_t x = wb.left + c;
            int sx = 0, sy = 0;
            for (int i = -2; i <= 2; ++i) {
                sx += (t[x + i] & 0x0F) - 4;
                sy += (t[x + i] >> 4) - 4;
            }
            hx[size_t(r) * cols + c] = static_cast<int16_t>(sx);
            hy[size_t(r) * cols + c] = static_cast<int16_t>(sy);
        }
    }
    for (int32_t row = wb.top; row <= wb.bottom; ++row) {
        const int32_t r = row - wb.top + 2;
        for (int32_t x = wb.left; x <= wb.right; ++x) {
            const size_t p = size_t(row) * w + x;
            const int d = TextMask[p];
            if (d == 0) continue;
            int sx = 0, sy = 0;
            if (d > 2) {
                const int32_t c = x - wb.left;
                for (int j = -2; j <= 2; ++j) {
                    sx += hx[size_t(r + j) * cols + c];
                    sy += hy[size_t(r + j) * cols + c];
                }
            } else {
                for (int j = -2; j <= 2; ++j) {
                    for (int i = -2; i <= 2; ++i) {
                        const size_t q = size_t(row + j) * w + x + i;
                        if (TextMask[q] == 0) continue;
                        sx += (tangent[q] & 0x0F) - 4;
                        sy += (tangent[q] >> 4) - 4;
                    }
                }
            }
            NormalMap[p] = normalCode(sx, sy);
            MaxDistance = std::max(MaxDistance, d);
        }
    }
}

void TFontFX::UpdateBevelFunc() {
    BevelChanged = false;
    int64_t l = roundEven((MaxDistance + 1) * double(Bevel.BevelSize) * 0.01);
    const int32_t h = mulDiv(Bevel.BevelHeight, 136, 1000);
    DistColorMode.fill(0);
    DistSegment.fill(0);
    SlopeTable.fill(0);
    const int count = std::min<int>(Bevel.SegmentCount, 10);
    const auto& pt = Bevel.Points;
    const int64_t x0 = pt[0].X, xn = pt[count].X;
    int64_t off = 0;
    for (int i = 1; i <= count; ++i) {
        // A profile without width is flat: every segment ends at the bevel width, slope 0.
        // 128-bit product: absurd sizes and positions from a damaged file must not overflow.
        int64_t a = xn != x0 ? clampTo64(__int128(l) * (pt[i].X - x0) / (xn - x0)) : l;
        if (a >= 255) {
            a = 255;
            if (pt[i].X != x0) l = (xn - x0) * 255 / (pt[i].X - x0);
        }
        if (off > 254) continue;
        if (a < off) continue;
        fillSegment(i, off, a, h, xn == x0);
        off = a + 1;
    }
    BevelWidth = static_cast<int32_t>(std::clamp<int64_t>(l, 0, 256));
}

void TFontFX::fillSegment(int i, int64_t off, int64_t a, int32_t h, bool flat) {
    const BevelPoint& prev = Bevel.Points[i - 1];
    const BevelPoint& cur = Bevel.Points[i];
    auto store = [this, &cur, i](int64_t p, double slope) {
        SlopeTable[p] = static_cast<int16_t>(std::clamp<int64_t>(roundEven(slope), INT16_MIN, INT16_MAX));
        DistColorMode[p] = cur.ColorMode;
        DistSegment[p] = static_cast<uint8_t>(i);
    };
    if (a == off) {
        if (off > 0) SlopeTable[off] = SlopeTable[off - 1];
        DistColorMode[off] = cur.ColorMode;
        DistSegment[off] = static_cast<uint8_t>(i);
        return;
    }
    const double len = double(a - off), dy = double(prev.Y) - cur.Y;
    for (int64_t p = off; p <= a; ++p) {
        if (flat) {
            store(p, 0);
            continue;
        }
        switch (cur.SegmentType) {
            case 1:
                if (cur.X == prev.X) store(p, p > 0 ? SlopeTable[p - 1] : 0);  // a vertical step keeps the slope
                else store(p, double(Bevel.BevelInvert) * double(roundEven(dy / (cur.X - prev.X) * 2 * h * len * 0.5)));
                break;
            case 2:
                store(p, (prev.Y > cur.Y ? (p - off) : (a - p)) / len * h * dy / 32);
                break;
            case 3:
                store(p, (prev.Y < cur.Y ? (p - off) : (a - p)) / len * h * dy / 32);
                break;
            default:
                DistColorMode[p] = cur.ColorMode;
                DistSegment[p] = static_cast<uint8_t>(i);
                break;
        }
    }
}

}  // namespace vortel
