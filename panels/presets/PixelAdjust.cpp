#include "panels/presets/PixelAdjust.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <utility>

namespace vortel::presets {

namespace {

uint8_t clampByte(int32_t v) { return static_cast<uint8_t>(std::clamp(v, 0, 255)); }

// Truncating toward zero, as the integer results of the real-valued steps are taken.
int32_t trunc32(double v) { return static_cast<int32_t>(v); }

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

Hls rgbToHls(Rgb c) {
    const int32_t r = c.r, g = c.g, b = c.b;
    const int32_t most = std::max({r, g, b}), least = std::min({r, g, b});
    const int32_t l = ((most + least) * 255 + 255) / 510;
    if (most == least) return {170, clampByte(l), 0};
    const int32_t d = most - least, sum = most + least;
    // Lightness above the middle keeps the sum below 510, at or below it keeps the sum positive.
    const int32_t s = l > 127 ? (d * 255 + (510 - sum) / 2) / (510 - sum) : (d * 255 + sum / 2) / sum;
    auto distance = [&](int32_t v) { return trunc32((double(most - v) * 42.5 + d / 2) / d); };
    const int32_t rd = distance(r), gd = distance(g), bd = distance(b);
    int32_t hue = r == most ? bd - gd : g == most ? 85 + rd - bd : 170 + gd - rd;
    if (hue < 0) hue += 255;
    if (hue >= 256) hue -= 255;
    return {clampByte(hue), clampByte(l), clampByte(s)};
}

Rgb hlsToRgb(Hls c) {
    const int32_t h = c.h, l = c.l, s = c.s;
    if (s == 0) return {c.l, c.l, c.l};
    const int32_t m2 = l > 127 ? l + s - trunc32((l * s + 127.5) / 255) : trunc32((l * (s + 255) + 127.5) / 255);
    const int32_t m1 = 2 * l - m2;
    auto part = [&](int32_t hue) {
        if (hue < 0) hue += 255;
        if (hue >= 256) hue -= 255;
        if (hue < 42.5) return m1 + trunc32(((m2 - m1) * hue + 21.25) / 42.5);
        if (hue < 127.5) return m2;
        if (hue >= 170) return m1;
        return m1 + trunc32(((170 - hue) * (m2 - m1) + 21.25) / 42.5);
    };
    auto channel = [&](int32_t hue) { return clampByte(trunc32((part(hue) * 255 + 127.5) / 255)); };
    return {channel(h + 85), channel(h), channel(h - 85)};
}

Bitmap adjustColors(const Bitmap& picture, const ColorSliders& sliders) {
    requireConsistent(picture);
    const ColorSliders s = clamped(sliders);
    // The HLS round trip drifts strongly saturated colours by several steps (yellow 255,255,0
    // comes back as 255,252,1), so it runs only when a slider asks for it.
    const bool viaHls = s.hue != 0 || s.lightness != 0 || s.saturation != 0;
    Bitmap out = picture;
    for (size_t i = 0; i + 2 < out.bgr.size(); i += 3) {
        uint8_t* p = out.bgr.data() + i;
        // The slider named red acts on the first stored byte and blue on the third, and the first
        // byte enters the conversion as red: in our blue-green-red bytes the red and blue sliders
        // change blue and red, and the hue slider turns the other way round the colour circle.
        // Kept so that adjusted pictures look as they always have.
        Rgb c{clampByte(p[0] + s.red), clampByte(p[1] + s.green), clampByte(p[2] + s.blue)};
        if (viaHls) {
            const Hls hls = rgbToHls(c);
            c = hlsToRgb({clampByte(hls.h + s.hue), clampByte(hls.l + s.lightness), clampByte(hls.s + s.saturation)});
        }
        p[0] = c.r;
        p[1] = c.g;
        p[2] = c.b;
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
    working_ = std::move(picture);
    shown_ = working_;
    sliders_ = {};
    softenCount_ = rotations_ = 0;
    mirrored_ = applied_ = false;
}

void AdjustDialogState::changed() {
    shown_ = adjustColors(working_, sliders_);
    applied_ = false;
}

void AdjustDialogState::setSliders(const ColorSliders& sliders) {
    sliders_ = clamped(sliders);
    changed();
}

void AdjustDialogState::soften() {
    working_ = presets::soften(working_);
    ++softenCount_;
    changed();
}

void AdjustDialogState::sharpen() {
    working_ = presets::sharpen(working_);
    --softenCount_;
    changed();
}

// The replay mirrors before it turns; a turn already made before this mirror must then be made
// the other way round (mirroring after a turn equals mirroring before the opposite turn).
void AdjustDialogState::mirror() {
    working_ = presets::mirror(working_);
    mirrored_ = !mirrored_;
    rotations_ = (4 - rotations_) % 4;
    changed();
}

void AdjustDialogState::rotate() {
    working_ = presets::rotate(working_);
    rotations_ = (rotations_ + 1) % 4;
    changed();
}

// The dialog's picture is the colour adjustment of the filtered and turned picture, so the full
// image gets the filters, the mirror and the turns first and the colours last.
bool AdjustDialogState::applyToImage(Bitmap& image) {
    if (applied_) return false;
    Bitmap result = image;
    repeat(result, softenCount_, presets::soften);
    repeat(result, -softenCount_, presets::sharpen);
    if (mirrored_) result = presets::mirror(result);
    repeat(result, rotations_, presets::rotate);
    image = adjustColors(result, sliders_);
    working_ = shown_;
    sliders_ = {};
    softenCount_ = rotations_ = 0;
    mirrored_ = false;
    applied_ = true;
    return true;
}

}  // namespace vortel::presets
