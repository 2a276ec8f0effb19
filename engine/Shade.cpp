#include <algorithm>
#include <cstring>
#include <array>
#include <bitset>
#include <cmath>

#include "engine/Fills.h"
#include "engine/FontFX.h"
#include "platform/Numeric.h"

namespace vortel {

namespace {

Rgb colorOf(ColorRef c) { return Rgb{uint8_t(c & 0xFF), uint8_t(c >> 8 & 0xFF), uint8_t(c >> 16 & 0xFF)}; }

// Writes value + shade into the pixel (bytes blue, green, red), blended by the transparency.
inline void blend(uint8_t* px, Rgb value, int32_t shade, int32_t transparency) {
    const int32_t v[3] = {value.b + shade, value.g + shade, value.r + shade};
    if (transparency > 0) {
        const int32_t alpha = 256 * (100 - transparency) / 100;
        for (int c = 0; c < 3; ++c) px[c] = clampByte(((256 - alpha) * px[c] + alpha * v[c]) / 256);
    } else {
        for (int c = 0; c < 3; ++c) px[c] = clampByte(v[c]);
    }
}

}  // namespace

void TFontFX::ZeichneText(TPixelBuffer& buffer) {
    const Rect wb = WarpedBounds;
    if (wb.left > wb.right || wb.top > wb.bottom || TextMask.empty()) return;
    const int32_t w = buffer.Width;
    const bool bevel = Bevel.enabled();
    const double light = M_PI * (1 - Bevel.BevelAngle / 180.0);
    // sin(light + normal) for each of the 256 normal codes.
    std::array<double, 256> lit{};
    std::array<double, 256> theta{};
    for (int n = 0; n < 256; ++n) {
        theta[n] = n * (1 / 255.0) * 2 * M_PI - M_PI / 2;
        lit[n] = std::sin(light + theta[n]);
    }
    const FillSampler sampler(TextFill, wb);
    const BevelPoint& top = Bevel.Points[0];
    const bool smooth = SmoothFont != 0;
    double thetaPrev = 0, litPrev = 0;

    for (int32_t row = wb.top; row <= wb.bottom; ++row) {
        const uint8_t* mask = &TextMask[size_t(row) * w];
        const uint8_t* normal = bevel ? &NormalMap[size_t(row) * w] : nullptr;
        for (int32_t x = wb.left; x <= wb.right; ++x) {
            const int v = mask[x];
            if (v == 0) continue;
            uint8_t* px = buffer.pixel(x, row);
            if (!bevel || v >= BevelWidth) {
                const Rgb base = top.ColorMode == 1 && bevel ? Rgb{px[2], px[1], px[0]}
                                 : top.ColorMode == 2 && bevel ? colorOf(top.Color)
                                                               : sampler.at(x, row);
                blend(px, base, 0, top.Transparency);
                continue;
            }
            const int n = normal[x];
            int32_t shade = roundEven32(lit[n] * SlopeTable[v]);
            if (smooth && v > 1) {
                // A seam where the normal turns over between two strokes: average both sides' light.
                const int above = NormalMap[size_t(row + 1) * w + x], below = NormalMap[size_t(row - 1) * w + x];
                if (std::abs(theta[n] - thetaPrev) > M_PI / 2 && std::abs(above - below) > 100)
                    shade = roundEven32((lit[n] + litPrev) * SlopeTable[v] * 0.5);
            }
            if (smooth) {
                thetaPrev = theta[n];
                litPrev = lit[n];
            }
            const BevelPoint& seg = Bevel.Points[DistSegment[v]];
            Rgb base;
            switch (DistColorMode[v]) {
                case 1: base = Rgb{px[2], px[1], px[0]}; break;
                case 2: base = colorOf(seg.Color); break;
                default: base = sampler.at(x, row); break;
            }
            blend(px, base, shade, seg.Transparency);
        }
    }
    if (smooth) smoothEdges(buffer);
}

// Softens the letters' edges and the joints between profile segments: pixels whose 3 x 3 block
// straddles an edge are blended with their neighbours.
void TFontFX::smoothEdges(TPixelBuffer& buffer) const {
    const int32_t w = buffer.Width, h = buffer.Height;
    const Rect wb{std::max(WarpedBounds.left - 1, 1), std::max(WarpedBounds.top - 1, 1),
                  std::min(WarpedBounds.right + 1, w - 2), std::min(WarpedBounds.bottom + 1, h - 2)};
    if (wb.left > wb.right || wb.top > wb.bottom) return;

    std::bitset<256> joints;
    const int count = std::min<int>(Bevel.SegmentCount, 10);
    const int64_t x0 = Bevel.Points[0].X, xn = Bevel.Points[count].X;
    if (Bevel.enabled() && xn != x0) {
        for (int i = 1; i <= count - 1; ++i) {
            const int64_t bit = int64_t(BevelWidth) * (Bevel.Points[i].X - x0) / (xn - x0);
            if (bit >= 0 && bit <= 255) joints.set(size_t(bit));
        }
    }
    if (Bevel.enabled() && count > 0 && BevelWidth >= 1 && BevelWidth <= 256) joints.set(size_t(BevelWidth - 1));

    // Text pixels in each 3-wide run, for three rows at a time (the row and one on each side).
    // The counts come from the mask alone, so each row is counted just before it is smoothed.
    const int32_t cw = wb.right - wb.left + 1;
    std::vector<uint8_t> runs(size_t(cw) * 3), counts(static_cast<size_t>(cw));
    auto countRuns = [&](int32_t maskRow, uint8_t* out) {
        const uint8_t* m = &TextMask[size_t(maskRow) * w];
        for (int32_t c = 0; c < cw; ++c) {
            const int32_t x = wb.left + c;
            out[c] = uint8_t((m[x - 1] != 0) + (m[x] != 0) + (m[x + 1] != 0));
        }
    };
    countRuns(wb.top - 1, &runs[0]);
    countRuns(wb.top, &runs[size_t(cw)]);
    const ptrdiff_t up = buffer.RowBytes;
    for (int32_t row = wb.top; row <= wb.bottom; ++row) {
        const uint8_t* above = &runs[size_t((row - wb.top) % 3) * cw];
        const uint8_t* here = &runs[size_t((row - wb.top + 1) % 3) * cw];
        uint8_t* below = &runs[size_t((row - wb.top + 2) % 3) * cw];
        countRuns(row + 1, below);
        const uint8_t* maskRow = &TextMask[size_t(row) * w + wb.left];
        if (joints.none()) {
            // Without profile joints the count is the text (or background) around each pixel, a
            // loop the compiler does many pixels at a time.
            for (int32_t c = 0; c < cw; ++c) {
                const int text = above[c] + here[c] + below[c];
                counts[size_t(c)] = uint8_t(maskRow[c] == 0 ? text : 9 - text);
            }
        } else {
            for (int32_t x = wb.left; x <= wb.right; ++x) {
                const int32_t c = x - wb.left;
                const int text = above[c] + here[c] + below[c];
                const int d = TextMask[size_t(row) * w + x];
                int count = d == 0 ? text : 9 - text;
                if (d != 0 && (joints.test(size_t(d - 1)) || joints.test(size_t(d)))) {
                    // A profile joint: count the neighbours on either side of this distance.
                    int under = 0, over = 0;
                    for (int j = -1; j <= 1; ++j) {
                        const uint8_t* m = &TextMask[size_t(row + j) * w + x - 1];
                        for (int i = 0; i < 3; ++i) {
                            under += m[i] < d;
                            over += m[i] > d;
                        }
                    }
                    if (joints.test(size_t(d - 1)) && under > 0) count = under;
                    if (joints.test(size_t(d)) && over > 0) count = over;
                }
                counts[size_t(c)] = static_cast<uint8_t>(count);
            }
        }
        for (int32_t x = wb.left; x <= wb.right; ++x) {
            // Counts are 0..9: adding 124 sets a byte's top bit exactly where the count is above 3,
            // so eight pixels that need nothing are passed over at once.
            if (((x - wb.left) & 7) == 0 && x + 8 <= wb.right + 1) {
                uint64_t eight;
                std::memcpy(&eight, &counts[size_t(x - wb.left)], 8);
                if (((eight + 0x7C7C7C7C7C7C7C7Cull) & 0x8080808080808080ull) == 0) {
                    x += 7;
                    continue;
                }
            }
            const int c = counts[size_t(x - wb.left)];
            if (c <= 3) continue;
            const int32_t weight = c == 4 ? 4 : 9;
            uint8_t* centre = buffer.pixel(x, row);
            for (int k = 0; k < 3; ++k) {
                const uint8_t* b = centre + k;
                const int32_t ring = b[-up - 3] + b[-up] + b[-up + 3] + b[-3] + b[3] + b[up - 3] + b[up] + b[up + 3];
                centre[k] = clampByte((weight * centre[k] + ring) / (weight + 8));
            }
        }
    }
}

}  // namespace vortel
