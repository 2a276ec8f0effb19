#pragma once
#include <cstdint>
#include <vector>

#include "engine/EffectParams.h"
#include "engine/PixelBuffer.h"
#include "platform/Canvas.h"
#include "platform/Geometry.h"

namespace vortel {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colour at `position` of a gradient of `count` colours over `length`; with repeat >= 1 the
// gradient runs repeat + 1 times, every second run mirrored. Fewer than two colours, or a length
// without extent, give the first colour.
Rgb GradientColor(const ColorRef* colors, int32_t count, int32_t position, int32_t length, int32_t repeat);

// The text fill's colour for each pixel, chosen once per render from the fill record. `box` is
// the text box (WarpedBounds: left, top, right, bottom in map rows counted from the bottom line);
// `x`, `row` are map coordinates of the pixel.
class FillSampler {
public:
    FillSampler(const FillRecord& fill, const Rect& box);
    // Solid colours and texture pixels inside the box are answered here, inline in the letters'
    // pixel loop; everything else by the general case.
    Rgb at(int32_t x, int32_t row) const {
        if (mode_ == Mode::Solid) return solid_;
        if (mode_ == Mode::Texture) {
            const uint64_t ox = uint64_t(int64_t(x) - box_.left), oy = uint64_t(int64_t(row) - box_.top);
            if (ox < texColumn_.size() && oy < texRow_.size()) {
                const uint8_t* px = texture_.Bits() + texRow_[oy] + texColumn_[ox];
                return {px[2], px[1], px[0]};
            }
        }
        return atAnyPlace(x, row);
    }

private:
    Rgb atAnyPlace(int32_t x, int32_t row) const;
    enum class Mode : uint8_t { Solid, Vertical, Horizontal, Box, Radial, AngledLow, AngledHigh, Texture };
    void chooseGradient();
    void chooseAngled();
    void chooseTexture();
    Rgb gradient(int64_t position, int32_t length) const;

    const FillRecord& fill_;
    Rect box_;
    int32_t w_, h_;
    TPixelBuffer texture_;
    // Gradient style 5 constants, worked out once.
    double tan_ = 0;
    int32_t m_ = 0;
    Mode mode_ = Mode::Solid;
    Rgb solid_;
    int32_t length_ = 0;   // gradient length of the radial style
    double ratio2_ = 0;    // (W / H)² of the radial style
    // Texture column and row offsets for the box's own columns and rows, so that the common case
    // needs no division per pixel.
    std::vector<uint32_t> texColumn_, texRow_;
};

// Paints a fill over the image rectangle of the canvas, inside the canvas's current clip:
// texture tiled from the top-left corner, gradient over the whole image, solid colour, or hatch.
void PaintFill(Canvas& canvas, const FillRecord& fill, const Rect& imageRect);

// Cuts the imprint into the white-on-black text image: the imprint bitmap tiled over the text's
// previous bounds with source-AND, so its dark pixels punch holes into the letters.
void ApplyImprint(Canvas& textImage, const Bitmap& imprint, const Rect& warpedBounds, int32_t imageHeight);

// The imprint's inverse switch: every byte of every pixel inverted.
void InvertBitmap(Bitmap& bitmap);

}  // namespace vortel
