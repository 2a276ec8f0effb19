#include "panels/presets/Thumbnail.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vortel::presets {
namespace {

// For one axis: for every target index, the source range [from, to) in source units and the
// weights of its first and last source cell.
struct Span {
    int32_t first, last;       // source cells touched, inclusive
    double firstWeight, lastWeight, scale;
};

std::vector<Span> spans(int32_t source, int32_t target) {
    std::vector<Span> out(static_cast<size_t>(target));
    const double step = double(source) / target;
    for (int32_t i = 0; i < target; ++i) {
        const double from = i * step, to = std::min<double>(source, (i + 1) * step);
        Span& s = out[size_t(i)];
        s.first = int32_t(from);
        s.last = std::min(source - 1, int32_t(std::ceil(to) - 1));
        if (s.last < s.first) s.last = s.first;
        s.firstWeight = std::min(to, double(s.first + 1)) - from;
        s.lastWeight = s.last > s.first ? to - s.last : s.firstWeight;
        s.scale = 1.0 / (to - from);
    }
    return out;
}

double weightOf(const Span& s, int32_t cell) {
    if (cell == s.first) return s.firstWeight;
    if (cell == s.last) return s.lastWeight;
    return 1.0;
}

}  // namespace

Bitmap StretchBitmap(const Bitmap& source, int32_t width, int32_t height) {
    if (source.empty() || width <= 0 || height <= 0) return Bitmap{};
    Bitmap out{width, height, std::vector<uint8_t>(size_t(width) * height * 3)};
    const auto xs = spans(source.width, width), ys = spans(source.height, height);
    // Rows first into a float buffer of the target width, then columns.
    std::vector<double> rows(size_t(source.height) * width * 3);
    for (int32_t y = 0; y < source.height; ++y) {
        const uint8_t* src = &source.bgr[size_t(y) * source.width * 3];
        double* dst = &rows[size_t(y) * width * 3];
        for (int32_t x = 0; x < width; ++x) {
            const Span& s = xs[size_t(x)];
            double acc[3] = {0, 0, 0};
            for (int32_t c = s.first; c <= s.last; ++c) {
                const double w = weightOf(s, c);
                for (int k = 0; k < 3; ++k) acc[k] += w * src[size_t(c) * 3 + k];
            }
            for (int k = 0; k < 3; ++k) dst[size_t(x) * 3 + k] = acc[k] * s.scale;
        }
    }
    for (int32_t y = 0; y < height; ++y) {
        const Span& s = ys[size_t(y)];
        uint8_t* dst = &out.bgr[size_t(y) * width * 3];
        for (int32_t x = 0; x < width * 3; ++x) {
            double acc = 0;
            for (int32_t r = s.first; r <= s.last; ++r) acc += weightOf(s, r) * rows[size_t(r) * width * 3 + x];
            dst[x] = uint8_t(std::clamp(std::lround(acc * s.scale), 0L, 255L));
        }
    }
    return out;
}

void FitSize(int32_t sourceWidth, int32_t sourceHeight, int32_t& width, int32_t& height) {
    if (sourceWidth <= 0 || sourceHeight <= 0) return;
    if (int64_t(sourceWidth) * height > int64_t(sourceHeight) * width) {
        height = std::max<int32_t>(1, int32_t(int64_t(sourceHeight) * width / sourceWidth));
    } else {
        width = std::max<int32_t>(1, int32_t(int64_t(sourceWidth) * height / sourceHeight));
    }
}

}  // namespace vortel::presets
