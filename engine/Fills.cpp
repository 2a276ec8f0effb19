#include "engine/Fills.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/Numeric.h"

namespace vortel {

namespace {

constexpr int32_t kMaxGradientColors = 11;

Rgb toRgb(ColorRef c) { return {uint8_t(c & 0xFF), uint8_t(c >> 8 & 0xFF), uint8_t(c >> 16 & 0xFF)}; }

int32_t saturate32(int64_t v) { return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

// A channel may overshoot far beyond a byte when the position lies outside the gradient.
uint8_t channel(int64_t v, int64_t c1, int64_t u, int64_t c0, int64_t t) {
    return clampByte(int32_t(std::clamp<int64_t>((v * c1 - u * c0) / t, -1, 256)));
}

// Folds a position of a repeated gradient back into its single run: run k covers
// (k × length, (k + 1) × length], and every odd run goes backwards.
int64_t unrepeat(int64_t p, int64_t length, int64_t repeat) {
    p *= repeat + 1;
    if (p <= length) return p;
    const int64_t k = (p - 1) / length;
    p -= k * length;
    return k % 2 ? length - p : p;
}

// A bitmap whose pixel vector does not hold all its rows counts as no bitmap at all, so a
// truncated file can never make us read past the pixels.
bool usable(const Bitmap& b) {
    return !b.empty() && b.bgr.size() >= size_t(b.width) * size_t(b.height) * 3;
}

}  // namespace

Rgb GradientColor(const ColorRef* colors, int32_t count, int32_t position, int32_t length, int32_t repeat) {
    count = std::min(count, kMaxGradientColors);
    if (count < 2 || length <= 0) return toRgb(colors[0]);
    const int64_t p = repeat >= 1 ? unrepeat(position, length, repeat) : position;
    const int64_t n = count - 1;
    const int64_t t = length / n;
    if (t == 0) {
        // Fewer pixels than colours: no room to blend, so take the nearest colour.
        const int64_t nearest = (2 * p * n + length) / (2 * int64_t(length));
        return toRgb(colors[std::clamp<int64_t>(nearest, 0, n)]);
    }
    // Positions past either end extrapolate from the end interval and saturate per channel.
    const int64_t o = std::clamp<int64_t>(p * n / length, 0, n - 1);
    const Rgb c0 = toRgb(colors[o]), c1 = toRgb(colors[o + 1]);
    const int64_t v = p - o * t, u = p - t * (o + 1);
    return {channel(v, c1.r, u, c0.r, t), channel(v, c1.g, u, c0.g, t), channel(v, c1.b, u, c0.b, t)};
}

FillSampler::FillSampler(const FillRecord& fill, const Rect& box)
    : fill_(fill), box_(box), w_(saturate32(int64_t(box.right) - box.left)),
      h_(saturate32(int64_t(box.bottom) - box.top)) {
    solid_ = toRgb(fill.FillColor);
    if (fill.FillKind == 1) {
        solid_ = toRgb(fill.GradientColors[0]);
        chooseGradient();
    } else if (fill.FillKind == 0) {
        chooseTexture();
    }
}

void FillSampler::chooseGradient() {
    switch (fill_.GradientStyle) {
    case 1:
        mode_ = Mode::Vertical;
        break;
    case 2:
        mode_ = Mode::Horizontal;
        break;
    case 3:
        if (w_ > 0 && h_ > 0) mode_ = Mode::Box;
        break;
    case 4:
        if (h_ > 0) {
            mode_ = Mode::Radial;
            ratio2_ = double(w_) / h_ * (double(w_) / h_);
            length_ = saturate32(roundEven(0.6 * w_));
        }
        break;
    case 5:
        chooseAngled();
        break;
    default:
        break;
    }
}

void FillSampler::chooseAngled() {
    const int32_t a = fill_.GradientAngle;
    if (a == 90) {
        mode_ = Mode::Vertical;
        return;
    }
    if (a == 0) {
        mode_ = Mode::Horizontal;
        return;
    }
    const double r = a * M_PI / 180;
    const double c = std::cos(r);
    // Straight up or down (270°, −90°, …) has no horizontal extent to spread the colours over;
    // in floating point its cosine only comes near zero.
    if (std::fabs(c) < 1e-9) return;
    const double l = double(roundEven(std::fabs(c) * w_ + std::fabs(std::sin(r)) * h_));
    m_ = saturate32(roundEven(std::fabs(l / c)));
    if (m_ == 0) return;
    if (a < 90) {
        mode_ = Mode::AngledLow;
        tan_ = std::tan(r);
    } else {
        mode_ = Mode::AngledHigh;
        tan_ = std::tan((180 - a) * M_PI / 180);
    }
}

void FillSampler::chooseTexture() {
    if (!fill_.Texture || !usable(*fill_.Texture)) return;
    const Bitmap& src = *fill_.Texture;
    texture_.Width = src.width;
    texture_.Height = src.height;
    texture_.RowBytes = paddedRowBytes(src.width);
    texture_.HeightBytes = paddedRowBytes(src.height);
    // The header part of the stream stays blank: the buffer never leaves this sampler.
    texture_.Stream.assign(TPixelBuffer::HeaderSize + size_t(texture_.RowBytes) * src.height, 0);
    for (int32_t row = 0; row < src.height; ++row) {
        const uint8_t* line = src.bgr.data() + size_t(src.height - 1 - row) * src.width * 3;
        std::copy_n(line, size_t(src.width) * 3, texture_.pixel(0, row));
    }
    mode_ = Mode::Texture;
    if (w_ >= 0 && w_ < (1 << 16) && h_ >= 0 && h_ < (1 << 16)) {
        texColumn_.resize(size_t(w_) + 1);
        texRow_.resize(size_t(h_) + 1);
        for (int32_t i = 0; i <= w_; ++i) texColumn_[size_t(i)] = uint32_t(i % src.width) * 3;
        for (int32_t i = 0; i <= h_; ++i) texRow_[size_t(i)] = uint32_t(i % src.height) * uint32_t(texture_.RowBytes);
    }
}

Rgb FillSampler::gradient(int64_t position, int32_t length) const {
    return GradientColor(fill_.GradientColors.data(), fill_.GradientCount, saturate32(position), length,
                         fill_.GradientRepeat);
}

Rgb FillSampler::atAnyPlace(int32_t x, int32_t row) const {
    const int64_t ox = int64_t(x) - box_.left, oy = int64_t(row) - box_.top;
    switch (mode_) {
    case Mode::Solid:
        return solid_;
    case Mode::Vertical:
        return gradient(h_ - oy, h_);
    case Mode::Horizontal:
        return gradient(ox, w_);
    case Mode::Box: {
        const int64_t dx = ox - w_ / 2, dy = oy - h_ / 2;
        // |dy / H| >= |dx / W| without the rounding of a real division.
        if (std::llabs(dy) * w_ >= std::llabs(dx) * h_) return gradient(dy < 0 ? oy : h_ - oy, h_ / 2);
        return gradient(dx < 0 ? ox : w_ - ox, w_ / 2);
    }
    case Mode::Radial: {
        const double dx = double(ox - w_ / 2), dy = double(oy - h_ / 2);
        return gradient(roundEven(std::sqrt(ratio2_ * dy * dy + dx * dx)), length_);
    }
    case Mode::AngledLow:
        return gradient(roundEven(tan_ * double(oy)) + ox, m_);
    case Mode::AngledHigh:
        return gradient(int64_t(m_) - 1 - roundEven(tan_ * double(h_ - 1 - oy)) - ox, m_);
    case Mode::Texture: {
        if (ox >= 0 && oy >= 0 && ox < int64_t(texColumn_.size()) && oy < int64_t(texRow_.size())) {
            const uint8_t* px = texture_.Bits() + texRow_[size_t(oy)] + texColumn_[size_t(ox)];
            return {px[2], px[1], px[0]};
        }
        const int64_t tw = texture_.Width, th = texture_.Height;
        const uint8_t* px = texture_.pixel(int32_t((ox % tw + tw) % tw), int32_t((oy % th + th) % th));
        return {px[2], px[1], px[0]};
    }
    }
    return solid_;
}

namespace {

void paintSolid(Canvas& canvas, const Rect& r, ColorRef color) {
    canvas.fillRect({r.left - 1, r.top - 1, r.right + 1, r.bottom + 1}, color);
}

void paintTiles(Canvas& canvas, const Bitmap& tile, const Rect& r) {
    for (int32_t row = 0; row <= r.height() / tile.height; ++row)
        for (int32_t col = 0; col <= r.width() / tile.width; ++col)
            canvas.drawBitmap(r.left + col * tile.width, r.top + row * tile.height, tile);
}

// The whole image is one gradient box; its map rows count from the bottom line, so picture
// line y is map row height − 1 − y.
void paintGradient(Canvas& canvas, const FillRecord& fill, const Rect& r) {
    const int32_t w = r.width(), h = r.height();
    if (w <= 0 || h <= 0) return;
    const FillSampler sampler(fill, {0, 0, w, h});
    Bitmap image{w, h, std::vector<uint8_t>(size_t(w) * size_t(h) * 3)};
    uint8_t* out = image.bgr.data();
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x, out += 3) {
            const Rgb c = sampler.at(x, h - 1 - y);
            out[0] = c.b, out[1] = c.g, out[2] = c.r;
        }
    }
    canvas.drawBitmap(r.left, r.top, image);
}

HatchStyle hatchStyle(int32_t value) { return value >= 0 && value <= 5 ? HatchStyle(value) : HatchStyle::Horizontal; }

}  // namespace

void PaintFill(Canvas& canvas, const FillRecord& fill, const Rect& imageRect) {
    switch (fill.FillKind) {
    case 0:
        if (fill.Texture && usable(*fill.Texture))
            paintTiles(canvas, *fill.Texture, imageRect);
        else
            paintSolid(canvas, imageRect, fill.FillColor);
        break;
    case 1:
        paintGradient(canvas, fill, imageRect);
        break;
    case 3:
        // The user's colour shows between the hatch lines.
        canvas.fillHatch(imageRect, hatchStyle(fill.HatchStyle), fill.HatchColor, fill.FillColor);
        break;
    default:
        paintSolid(canvas, imageRect, fill.FillColor);
        break;
    }
}

void ApplyImprint(Canvas& textImage, const Bitmap& imprint, const Rect& warpedBounds, int32_t imageHeight) {
    if (!usable(imprint) || textImage.width() <= 0 || textImage.height() <= 0) return;
    const int64_t tw = imprint.width, th = imprint.height;
    // Bounds rows count from the bottom line, so the text's highest row `bottom` is picture line
    // imageHeight − 1 − bottom; starting from that line's tile keeps the text's top line inside
    // the pattern even when imageHeight − bottom falls on a tile edge.
    const int64_t firstCol = std::max<int64_t>(warpedBounds.left / tw, 0);
    const int64_t lastCol = std::min<int64_t>(warpedBounds.right / tw + 2, (textImage.width() - 1) / tw);
    const int64_t firstRow = std::max<int64_t>((int64_t(imageHeight) - 1 - warpedBounds.bottom) / th, 0);
    const int64_t lastRow = std::min<int64_t>((int64_t(imageHeight) - warpedBounds.top) / th,
                                              (textImage.height() - 1) / th);
    for (int64_t row = firstRow; row <= lastRow; ++row)
        for (int64_t col = firstCol; col <= lastCol; ++col)
            textImage.andBitmap(int32_t(col * tw), int32_t(row * th), imprint);
}

void InvertBitmap(Bitmap& bitmap) {
    for (uint8_t& b : bitmap.bgr) b = uint8_t(255 - b);
}

}  // namespace vortel
