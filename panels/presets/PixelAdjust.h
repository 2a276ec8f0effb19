#pragma once
#include <cstdint>
#include <vector>

#include "platform/Bitmap.h"

namespace vortel::presets {

// The pixel work of the texture adjustment dialog ("Textur ändern" / "Bild ändern"), free of any
// toolkit. Pictures are plain top-down BGR bitmaps; an empty picture passes through unchanged, and
// one whose bytes do not match its size is refused with std::invalid_argument.

// Colours and their hue, lightness and saturation, each on the 0..255 scale.
struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};
struct Hls {
    uint8_t h = 0, l = 0, s = 0;
    bool operator==(const Hls&) const = default;
};

// Grey has hue 170 and saturation 0. Hue runs red 0, green 85, blue 170 in steps of 42.5 a sixth
// of the circle, so a round trip drifts by up to (largest - smallest channel) / 42.5 steps.
Hls rgbToHls(Rgb c);
Rgb hlsToRgb(Hls c);

constexpr int32_t SliderMin = -200, SliderMax = 200;

// The six slider positions; values beyond SliderMin..SliderMax count as the nearest end.
struct ColorSliders {
    int32_t hue = 0, lightness = 0, saturation = 0, red = 0, green = 0, blue = 0;
    bool operator==(const ColorSliders&) const = default;
};

// Adds red, green and blue to the channels, then hue, lightness and saturation in HLS.
Bitmap adjustColors(const Bitmap& picture, const ColorSliders& sliders);
// One pass of the 3x3 mean, or of the 40/-1 sharpening kernel divided by 32.
Bitmap soften(const Bitmap& picture);
Bitmap sharpen(const Bitmap& picture);
// Left and right swapped.
Bitmap mirror(const Bitmap& picture);
// A quarter turn counter-clockwise: the top row becomes the left column, read from the bottom up.
Bitmap rotate(const Bitmap& picture);

// The dialog's state: the working picture (every filter and turn applied, no colour change), the
// sliders, and what has been done since Reset so the image mode can replay it on the full image.
class AdjustDialogState {
public:
    // Sliders, counts and flags to zero; `picture` becomes the working picture.
    void reset(Bitmap picture);
    void setSliders(const ColorSliders& sliders);
    void soften();
    void sharpen();
    void mirror();
    void rotate();

    const Bitmap& working() const { return working_; }
    // The working picture with the colour adjustment: what the dialog shows.
    const Bitmap& shown() const { return shown_; }
    const ColorSliders& sliders() const { return sliders_; }
    // Soften presses minus sharpen presses.
    int32_t softenCount() const { return softenCount_; }
    // Quarter turns to apply after the mirror, 0..3.
    int32_t rotationCount() const { return rotations_; }
    bool mirrorFlag() const { return mirrored_; }
    bool applied() const { return applied_; }

    // The image mode's Apply: what has been done since Reset (or the last Apply) done to `image`.
    // Returns false and leaves `image` alone when nothing changed since the last Apply. Otherwise
    // the shown picture becomes the working picture and sliders and counts return to zero, so
    // the next Apply does not repeat what `image` already has.
    //
    // The replay follows the presses in their order: every soften and sharpen once (soften then
    // sharpen is not the identity its net count of 0 would suggest), and between them the turns
    // and mirrors collected into one mirror and up to three turns. So a picture the size of the
    // dialog's ends byte for byte as the dialog showed it; on a larger image the part the dialog
    // showed matches away from the dialog picture's edges, where the filters saw other neighbours.
    bool applyToImage(Bitmap& image);

private:
    void changed();
    void turned(bool mirror);
    void setWorking(Bitmap picture);

    // One step of the replay: a filter pass, or a mirror (when set) followed by `turns` turns.
    struct Step {
        enum Kind : uint8_t { Soften, Sharpen, Geometry } kind;
        bool mirror = false;
        int32_t turns = 0;
    };
    std::vector<Step> steps_;
    // The working picture's hue, lightness and saturation after the channel sliders
    // `hlsSliders_`; empty when the working picture changed since.
    std::vector<uint8_t> hls_;
    ColorSliders hlsSliders_;

    Bitmap working_, shown_;
    ColorSliders sliders_;
    int32_t softenCount_ = 0, rotations_ = 0;
    bool mirrored_ = false, applied_ = false;
};

}  // namespace vortel::presets
