#include "panels/presets/PixelAdjust.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <stdexcept>
#include <thread>
#include <utility>

namespace vortel::presets {

namespace {

uint8_t clampByte(int32_t v) { return static_cast<uint8_t>(std::clamp(v, 0, 255)); }

size_t byteCount(const Bitmap& picture) { return size_t(picture.width) * size_t(picture.height) * 3; }

// A bitmap's bytes come from files and the clipboard; a short buffer must not be read past.
void requireConsistent(const Bitmap& picture) {
    if (!picture.empty() && picture.bgr.size() != byteCount(picture))
        throw std::invalid_argument("bitmap bytes do not match its size");
}

ColorSliders clamped(const ColorSliders& s) {
    auto c = [](int32_t v) { return std::clamp(v, SliderMin, SliderMax); };
    return {c(s.hue), c(s.lightness), c(s.saturation), c(s.red), c(s.green), c(s.blue)};
}

// Both filters look at the 3x3 neighbourhood with the rows and the columns wrapping round to the
// other edge. `value(centre, neighbours)` gives a channel from the pixel and the sum of its 8
// neighbours.
template <class Value>
Bitmap filter3x3(const Bitmap& picture, Value value) {
    requireConsistent(picture);
    if (picture.empty()) return picture;
    const int32_t w = picture.width, h = picture.height;
    const size_t stride = size_t(w) * 3;
    Bitmap out{w, h, std::vector<uint8_t>(picture.bgr.size())};
    for (int32_t y = 0; y < h; ++y) {
        const uint8_t* above = picture.bgr.data() + size_t(y == 0 ? h - 1 : y - 1) * stride;
        const uint8_t* row = picture.bgr.data() + size_t(y) * stride;
        const uint8_t* below = picture.bgr.data() + size_t(y == h - 1 ? 0 : y + 1) * stride;
        uint8_t* target = out.bgr.data() + size_t(y) * stride;
        for (int32_t x = 0; x < w; ++x) {
            const size_t l = size_t(x == 0 ? w - 1 : x - 1) * 3, c = size_t(x) * 3;
            const size_t r = size_t(x == w - 1 ? 0 : x + 1) * 3;
            for (size_t k = 0; k < 3; ++k) {
                const int32_t neighbours = above[l + k] + above[c + k] + above[r + k] + row[l + k] + row[r + k] +
                                           below[l + k] + below[c + k] + below[r + k];
                target[c + k] = value(row[c + k], neighbours);
            }
        }
    }
    // The four corners all take the value of the second pixel of the first stored row, which in the
    // bottom-up buffer this program was designed on is the bottom row. A single column has no
    // second pixel; its corners keep their own values.
    if (w >= 2) {
        const size_t bottom = size_t(h - 1) * stride, last = size_t(w - 1) * 3;
        uint8_t corner[3];
        std::copy_n(out.bgr.data() + bottom + 3, 3, corner);
        for (const size_t at : {size_t(0), last, bottom, bottom + last}) std::copy_n(corner, 3, out.bgr.data() + at);
    }
    return out;
}

// Replays a count of one operation; `op` is a function of the picture.
template <class Op>
void repeat(Bitmap& picture, int32_t times, Op op) {
    for (int32_t i = 0; i < times; ++i) picture = op(picture);
}

}  // namespace

namespace {

// Division by a divisor of 1 to 510 as a multiplication by its rounded-up reciprocal: for
// numerators below 2^16 the error stays under 2^-16, less than the 1/510 that separates a
// quotient's fraction from the next whole number, so the result is the exact integer quotient.
constexpr auto Reciprocals = [] {
    std::array<uint64_t, 511> table{};
    for (uint64_t q = 1; q < table.size(); ++q) table[q] = ((uint64_t(1) << 32) + q - 1) / q;
    return table;
}();

int32_t divide(int32_t numerator, int32_t divisor) {
    return int32_t((uint64_t(numerator) * Reciprocals[size_t(divisor)]) >> 32);
}

}  // namespace

// The conversions are written with the real-valued steps (42.5, 127.5, 21.25) scaled to whole
// numbers: every quotient of the real form is a ratio of small integers, so truncating it gives
// the same value as the integer division here, and the colour pass runs without floating point.
namespace {

// Kept inline so the colour pass has both conversions in one piece of code.
[[gnu::always_inline]] inline Hls toHls(Rgb c) {
    const int32_t r = c.r, g = c.g, b = c.b;
    const int32_t most = std::max({r, g, b}), least = std::min({r, g, b});
    const int32_t l = ((most + least) * 255 + 255) / 510;
    if (most == least) return {170, clampByte(l), 0};
    const int32_t d = most - least, sum = most + least;
    // Lightness above the middle keeps the sum below 510, at or below it keeps the sum positive.
    const int32_t below = l > 127 ? 510 - sum : sum;
    const int32_t s = divide(d * 255 + below / 2, below);
    // (most - v) * 42.5 + d / 2, over d; the largest channel's own distance is 0.
    const int32_t half = 2 * (d / 2), twice = 2 * d;
    auto distance = [&](int32_t v) { return divide(85 * (most - v) + half, twice); };
    int32_t hue = r == most ? distance(b) - distance(g)
                  : g == most ? 85 + distance(r) - distance(b)
                              : 170 + distance(g) - distance(r);
    if (hue < 0) hue += 255;
    if (hue >= 256) hue -= 255;
    return {clampByte(hue), clampByte(l), clampByte(s)};
}

[[gnu::always_inline]] inline Rgb toRgb(Hls c) {
    const int32_t h = c.h, l = c.l, s = c.s;
    if (s == 0) return {c.l, c.l, c.l};
    // (l * s + 127.5) / 255 and (l * (s + 255) + 127.5) / 255 with numerator and divisor doubled.
    const int32_t m2 = l > 127 ? l + s - (2 * l * s + 255) / 510 : (2 * l * (s + 255) + 255) / 510;
    const int32_t m1 = 2 * l - m2, span = m2 - m1;
    auto part = [&](int32_t hue) {
        if (hue < 0) hue += 255;
        if (hue >= 256) hue -= 255;
        // Below 42.5, below 127.5, from 170; the ramps' (x + 21.25) / 42.5 is (4x + 85) / 170.
        if (hue <= 42) return m1 + (4 * span * hue + 85) / 170;
        if (hue <= 127) return m2;
        if (hue >= 170) return m1;
        return m1 + (4 * (170 - hue) * span + 85) / 170;
    };
    // (p * 255 + 127.5) / 255 truncated is p itself for p >= 0 and clamps to 0 below.
    return {clampByte(part(h + 85)), clampByte(part(h)), clampByte(part(h - 85))};
}

}  // namespace

Hls rgbToHls(Rgb c) { return toHls(c); }
Rgb hlsToRgb(Hls c) { return toRgb(c); }

namespace {

uint32_t pack(uint8_t a, uint8_t b, uint8_t c) { return uint32_t(a) | uint32_t(b) << 8 | uint32_t(c) << 16; }

// The first half of the colour adjustment: the channel sliders, then hue, lightness and
// saturation of the result, packed as h | l << 8 | s << 16.
uint32_t pixelToHls(uint32_t pixel, const ColorSliders& s) {
    const Hls hls = toHls({clampByte(int32_t(pixel & 0xFF) + s.red), clampByte(int32_t(pixel >> 8 & 0xFF) + s.green),
                           clampByte(int32_t(pixel >> 16 & 0xFF) + s.blue)});
    return pack(hls.h, hls.l, hls.s);
}

// The second half: the hue, lightness and saturation sliders, and back to the three bytes.
uint32_t hlsToPixel(uint32_t hls, const ColorSliders& s) {
    const Rgb c = toRgb({clampByte(int32_t(hls & 0xFF) + s.hue), clampByte(int32_t(hls >> 8 & 0xFF) + s.lightness),
                         clampByte(int32_t(hls >> 16 & 0xFF) + s.saturation)});
    return pack(c.r, c.g, c.b);
}

// Pictures repeat their colours (flat grounds, gradients, textures), so each part of a pass keeps
// the results of the colours it met last in a small direct-mapped table (64 KB of keys, as many of
// values: it stays in the second-level cache). A key carries bit 24 so the empty slot matches none.
template <class Compute>
void mapPixels(const uint8_t* in, uint8_t* out, size_t pixels, const Compute& compute) {
    constexpr int CacheBits = 14;
    std::vector<uint32_t> keys(size_t(1) << CacheBits, 0), values(size_t(1) << CacheBits);
    uint32_t lastKey = 0, lastValue = 0;
    for (size_t i = 0; i < pixels; ++i, in += 3, out += 3) {
        const uint32_t pixel = pack(in[0], in[1], in[2]);
        const uint32_t key = pixel | 1u << 24;
        // Runs of one colour (flat grounds) skip the table.
        if (key != lastKey) {
            const size_t slot = (pixel * 2654435761u) >> (32 - CacheBits);
            if (keys[slot] != key) {
                keys[slot] = key;
                values[slot] = compute(pixel);
            }
            lastKey = key, lastValue = values[slot];
        }
        out[0] = uint8_t(lastValue), out[1] = uint8_t(lastValue >> 8), out[2] = uint8_t(lastValue >> 16);
    }
}

// `compute` over every three bytes of `in` into `out` (of the same size); large pictures (a full
// image while a slider moves) are split between two threads.
template <class Compute>
void mapAll(const std::vector<uint8_t>& in, std::vector<uint8_t>& out, const Compute& compute) {
    const size_t pixels = in.size() / 3;
    constexpr size_t SplitFrom = size_t(1) << 18;
    if (pixels < SplitFrom || std::thread::hardware_concurrency() < 2) {
        mapPixels(in.data(), out.data(), pixels, compute);
        return;
    }
    const size_t first = pixels / 2;
    std::thread other([&] { mapPixels(in.data(), out.data(), first, compute); });
    mapPixels(in.data() + first * 3, out.data() + first * 3, pixels - first, compute);
    other.join();
}

bool needsHls(const ColorSliders& s) { return s.hue != 0 || s.lightness != 0 || s.saturation != 0; }

}  // namespace

Bitmap adjustColors(const Bitmap& picture, const ColorSliders& sliders) {
    requireConsistent(picture);
    const ColorSliders s = clamped(sliders);
    if (s == ColorSliders{}) return picture;
    // The slider named red acts on the first stored byte and blue on the third, and the first
    // byte enters the conversion as red: in our blue-green-red bytes the red and blue sliders
    // change blue and red, and the hue slider turns the other way round the colour circle.
    // Kept so that adjusted pictures look as they always have.
    Bitmap out{picture.width, picture.height, std::vector<uint8_t>(picture.bgr.size())};
    // The HLS round trip drifts strongly saturated colours by several steps (yellow 255,255,0
    // comes back as 255,252,1), so it runs only when a slider asks for it.
    if (needsHls(s)) {
        mapAll(picture.bgr, out.bgr, [&s](uint32_t pixel) { return hlsToPixel(pixelToHls(pixel, s), s); });
    } else {
        mapAll(picture.bgr, out.bgr, [&s](uint32_t pixel) {
            return pack(clampByte(int32_t(pixel & 0xFF) + s.red), clampByte(int32_t(pixel >> 8 & 0xFF) + s.green),
                        clampByte(int32_t(pixel >> 16 & 0xFF) + s.blue));
        });
    }
    return out;
}

Bitmap soften(const Bitmap& picture) {
    return filter3x3(picture, [](int32_t centre, int32_t neighbours) { return uint8_t((centre + neighbours) / 9); });
}

Bitmap sharpen(const Bitmap& picture) {
    return filter3x3(picture,
                     [](int32_t centre, int32_t neighbours) { return clampByte((40 * centre - neighbours) / 32); });
}

Bitmap mirror(const Bitmap& picture) {
    requireConsistent(picture);
    Bitmap out = picture;
    if (out.empty()) return out;
    const size_t stride = size_t(out.width) * 3;
    for (int32_t y = 0; y < out.height; ++y) {
        uint8_t* row = out.bgr.data() + size_t(y) * stride;
        for (int32_t i = 0, j = out.width - 1; i < j; ++i, --j)
            std::swap_ranges(row + size_t(i) * 3, row + size_t(i) * 3 + 3, row + size_t(j) * 3);
    }
    return out;
}

// Bottom-up, source (column b, row a) goes to (column height-1-a, row b). Counting rows from the
// top in both pictures, that is target (x, y) = source (width-1-y, x).
Bitmap rotate(const Bitmap& picture) {
    requireConsistent(picture);
    if (picture.empty()) return picture;
    const int32_t w = picture.width, h = picture.height;
    Bitmap out{h, w, std::vector<uint8_t>(picture.bgr.size())};
    for (int32_t y = 0; y < w; ++y) {
        uint8_t* target = out.bgr.data() + size_t(y) * size_t(h) * 3;
        for (int32_t x = 0; x < h; ++x) {
            const uint8_t* source = picture.bgr.data() + (size_t(x) * size_t(w) + size_t(w - 1 - y)) * 3;
            std::copy_n(source, 3, target + size_t(x) * 3);
        }
    }
    return out;
}

void AdjustDialogState::reset(Bitmap picture) {
    requireConsistent(picture);
    setWorking(std::move(picture));
    shown_ = working_;
    sliders_ = {};
    softenCount_ = rotations_ = 0;
    mirrored_ = applied_ = false;
    steps_.clear();
}

void AdjustDialogState::setWorking(Bitmap picture) {
    working_ = std::move(picture);
    hls_.clear();
}

// A drag of the hue, lightness or saturation slider leaves the first half of the colour pass as
// it was: the working picture's HLS is kept for the channel sliders it was made with, and each
// move only turns it back. Byte for byte what adjustColors gives.
void AdjustDialogState::changed() {
    applied_ = false;
    if (!needsHls(sliders_)) {
        shown_ = adjustColors(working_, sliders_);
        return;
    }
    const bool sameChannels =
        hlsSliders_.red == sliders_.red && hlsSliders_.green == sliders_.green && hlsSliders_.blue == sliders_.blue;
    if (hls_.size() != working_.bgr.size() || !sameChannels) {
        hls_.resize(working_.bgr.size());
        const ColorSliders s = sliders_;
        mapAll(working_.bgr, hls_, [&s](uint32_t pixel) { return pixelToHls(pixel, s); });
        hlsSliders_ = sliders_;
    }
    shown_ = Bitmap{working_.width, working_.height, std::vector<uint8_t>(working_.bgr.size())};
    const ColorSliders s = sliders_;
    mapAll(hls_, shown_.bgr, [&s](uint32_t hls) { return hlsToPixel(hls, s); });
}

void AdjustDialogState::setSliders(const ColorSliders& sliders) {
    sliders_ = clamped(sliders);
    changed();
}

void AdjustDialogState::soften() {
    setWorking(presets::soften(working_));
    ++softenCount_;
    steps_.push_back({Step::Soften});
    changed();
}

void AdjustDialogState::sharpen() {
    setWorking(presets::sharpen(working_));
    --softenCount_;
    steps_.push_back({Step::Sharpen});
    changed();
}

// A mirror and turns collect as "mirror, then turn": a mirror after k turns equals a mirror before
// 4 - k turns. The overall flag and count follow the same rule.
void AdjustDialogState::turned(bool mirror) {
    auto collect = [mirror](bool& mirrored, int32_t& turns) {
        if (mirror) {
            mirrored = !mirrored;
            turns = (4 - turns) % 4;
        } else {
            turns = (turns + 1) % 4;
        }
    };
    collect(mirrored_, rotations_);
    if (steps_.empty() || steps_.back().kind != Step::Geometry) steps_.push_back({Step::Geometry});
    Step& last = steps_.back();
    collect(last.mirror, last.turns);
    if (!last.mirror && last.turns == 0) steps_.pop_back();
    changed();
}

void AdjustDialogState::mirror() {
    setWorking(presets::mirror(working_));
    turned(true);
}

void AdjustDialogState::rotate() {
    setWorking(presets::rotate(working_));
    turned(false);
}

// The dialog's picture is the colour adjustment of the filtered and turned picture, so the full
// image gets the steps first and the colours last.
bool AdjustDialogState::applyToImage(Bitmap& image) {
    if (applied_) return false;
    Bitmap result = image;
    for (const Step& step : steps_) {
        if (step.kind == Step::Soften) {
            result = presets::soften(result);
        } else if (step.kind == Step::Sharpen) {
            result = presets::sharpen(result);
        } else {
            if (step.mirror) result = presets::mirror(result);
            repeat(result, step.turns, presets::rotate);
        }
    }
    image = adjustColors(result, sliders_);
    setWorking(shown_);
    sliders_ = {};
    softenCount_ = rotations_ = 0;
    mirrored_ = false;
    applied_ = true;
    steps_.clear();
    return true;
}

}  // namespace vortel::presets
