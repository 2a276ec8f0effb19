#include "reslib/generator/Quantize.h"

#include <algorithm>
#include <array>
#include <map>
#include <stdexcept>

namespace vortel::resgen {
namespace {

using Bgr = std::array<uint8_t, 3>;

struct Swatch {
    Bgr color;
    size_t count;
};

struct Box {
    std::vector<Swatch> swatches;
    int channel = 0;  // the channel with the widest spread
    int spread = 0;
};

Box makeBox(std::vector<Swatch> swatches) {
    Box box{std::move(swatches)};
    for (int c = 0; c < 3; ++c) {
        const auto [lo, hi] =
            std::minmax_element(box.swatches.begin(), box.swatches.end(),
                                [c](const Swatch& a, const Swatch& b) { return a.color[c] < b.color[c]; });
        if (hi->color[c] - lo->color[c] > box.spread) {
            box.spread = hi->color[c] - lo->color[c];
            box.channel = c;
        }
    }
    return box;
}

// Splits at the pixel median along the box's widest channel; both halves keep a colour.
std::pair<Box, Box> split(const Box& box) {
    std::vector<Swatch> sorted = box.swatches;
    const int c = box.channel;
    std::sort(sorted.begin(), sorted.end(), [c](const Swatch& a, const Swatch& b) {
        return a.color[c] != b.color[c] ? a.color[c] < b.color[c] : a.color < b.color;
    });
    size_t total = 0;
    for (const auto& s : sorted) total += s.count;
    size_t cut = 1, seen = sorted[0].count;
    while (cut + 1 < sorted.size() && seen * 2 < total) seen += sorted[cut++].count;
    return {makeBox({sorted.begin(), sorted.begin() + ptrdiff_t(cut)}),
            makeBox({sorted.begin() + ptrdiff_t(cut), sorted.end()})};
}

Bgr meanOf(const Box& box) {
    std::array<size_t, 3> sum{};
    size_t count = 0;
    for (const auto& s : box.swatches) {
        for (int c = 0; c < 3; ++c) sum[size_t(c)] += s.color[size_t(c)] * s.count;
        count += s.count;
    }
    return {uint8_t((sum[0] + count / 2) / count), uint8_t((sum[1] + count / 2) / count),
            uint8_t((sum[2] + count / 2) / count)};
}

uint8_t nearest(const PaletteBgr& palette, const Bgr& color) {
    size_t best = 0;
    int bestDistance = 1 << 30;
    for (size_t i = 0; i < palette.size(); ++i) {
        int d = 0;
        for (size_t c = 0; c < 3; ++c) d += (palette[i][c] - color[c]) * (palette[i][c] - color[c]);
        if (d < bestDistance) bestDistance = d, best = i;
    }
    return uint8_t(best);
}

}  // namespace

IndexedImage quantize(const Bitmap& picture, size_t maxColors) {
    if (maxColors < 1 || maxColors > 256) throw std::invalid_argument("a palette holds 1 to 256 colours");
    const size_t pixels = size_t(picture.width) * size_t(picture.height);
    if (picture.empty() || picture.bgr.size() != pixels * 3)
        throw std::invalid_argument("picture pixels do not match its size");
    std::map<Bgr, size_t> histogram;
    for (size_t i = 0; i < pixels; ++i)
        ++histogram[{picture.bgr[3 * i], picture.bgr[3 * i + 1], picture.bgr[3 * i + 2]}];
    std::vector<Swatch> swatches;
    for (const auto& [color, count] : histogram) swatches.push_back({color, count});

    std::vector<Box> boxes{makeBox(std::move(swatches))};
    while (boxes.size() < maxColors) {
        auto widest = std::max_element(boxes.begin(), boxes.end(),
                                       [](const Box& a, const Box& b) { return a.spread < b.spread; });
        if (widest->spread == 0) break;
        auto [low, high] = split(*widest);
        *widest = std::move(low);
        boxes.push_back(std::move(high));
    }
    IndexedImage out{picture.width, picture.height, std::vector<uint8_t>(pixels), {}};
    for (const auto& box : boxes) out.palette.push_back(meanOf(box));
    for (size_t i = 0; i < pixels; ++i) {
        out.indices[i] = nearest(out.palette, {picture.bgr[3 * i], picture.bgr[3 * i + 1], picture.bgr[3 * i + 2]});
    }
    return out;
}

}  // namespace vortel::resgen
