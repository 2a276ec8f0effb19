#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/Real48.h"
#include "platform/Bitmap.h"

namespace vortel {

using ColorRef = uint32_t;  // 0x00BBGGRR

// One surface fill: the background and the letters each have one.
struct FillRecord {
    uint8_t FillKind = 2;                 // 0 texture, 1 gradient, 2 solid colour, 3 hatch
    std::shared_ptr<Bitmap> Texture;      // owned texture bitmap (kind 0)
    std::string TextureName;              // where the texture came from
    // The JPEG file the texture was decoded from, kept while the texture is unchanged, so saving
    // it again stores the same bytes instead of a second, lossier encoding.
    std::shared_ptr<const std::vector<uint8_t>> TextureJpeg;
    int32_t FillFlag = 0;                 // further fill parameter kept with the record
    ColorRef FillColor = 0;
    int32_t GradientAngle = 45;           // degrees, gradient style 5
    int32_t GradientRepeat = 0;           // 0 once; n >= 1 runs n + 1 times, every second mirrored
    int32_t GradientStyle = 1;            // 1 .. 5
    int32_t GradientCount = 2;            // colours in use, 2 .. 11
    std::array<ColorRef, 11> GradientColors{};
    int32_t HatchStyle = 0;
    ColorRef HatchColor = 0;
};

struct ShadowParams {
    int32_t ShadowX = 0;
    int32_t ShadowY = 0;
    int32_t ShadowBlur = -1;              // -1 none, 0 sharp, r >= 1 blur radius
    int32_t ShadowAngle = 40;
    int32_t ShadowSize = 100;
    Real48Value ShadowIntensity{1.0};     // stored on disk as a 6-byte real (exponent byte 129 = 1.0)
    ColorRef ShadowColor = 0;
};

// One point of the bevel profile; point 0 is the start, point i ends segment i.
struct BevelPoint {
    uint8_t ColorMode = 0;                // 0 text surface, 1 pixel in the image, 2 own colour
    uint8_t SegmentType = 0;              // 1 line, 2 concave, 3 convex; point 0: bevel enabled
    ColorRef Color = 0;
    int32_t X = 0;
    int32_t Y = 0;
    uint8_t Transparency = 0;             // per cent
};

// The head of the bevel profile group. CustomProfile marks a profile drawn in the editor, whose
// points a loaded document scales so that the last point lies at x = 1000.
struct BevelHeader {
    uint8_t Flags = 0;
    uint8_t CustomProfile = 0;
    int16_t Reserved = 0;
    int32_t Base = 500;
};

// The bevel profile group (saved whole by the undo of a profile change) and its 3D values.
struct BevelParams {
    BevelHeader Header;
    std::array<BevelPoint, 11> Points{};
    uint8_t SegmentCount = 0;
    int32_t BevelHeight = 140;
    int32_t BevelSize = 100;
    int32_t BevelDepth = 0;
    int32_t BevelAddPixel = 0;
    int32_t BevelAngle = -45;
    int16_t BevelInvert = 1;
    uint8_t BevelFlag = 0;                // the flag byte after the group
    bool enabled() const { return Points[0].SegmentType != 0; }
};

// The frayed-outline group; OutlineStep also drives the outline subdivision.
struct FringeParams {
    uint8_t FringeKind = 0;               // 0 star, 1 random star, 2 Bezier, 3 random Bezier, 4 noise
    int32_t OutlineStep = 100;            // subdivision step in pixels; 100 = none
    int32_t FringeX = 0;
    int32_t FringeY = 0;
    int32_t FringeSeed = 0;
};

struct FrameParams {
    uint8_t FrameKind = 0;                // 0 = no frame
    int32_t FrameWidth = 20;
    int32_t FramePoints = 20;
    int32_t FrameHeight = 60;
    uint8_t FramePixel = 1;               // 1 pixel frame, 0 polygon frame
    ColorRef FrameColor = 0;
    int32_t FrameSeed = 0;
};

struct ImprintParams {
    std::shared_ptr<Bitmap> ImprintBitmap;
    uint8_t ImprintOn = 0;
    uint8_t ImprintInverse = 0;
    std::string ImprintName;
};

// Where a print places the picture on the page; kept with the document.
struct PrintLayout {
    int32_t Left = 0;                     // millimetres
    int32_t Top = 0;
    int32_t Width = 0;                    // 0 x 0: never printed
    int32_t Height = 0;
    // PrintPortrait | PrintKeepAspect | PrintFullPage | PrintCentre; all four, as a document that was
    // never printed reads back, so a new effect saves and loads without change.
    uint32_t Options = 15;
    std::array<int32_t, 2> Reserved{0, 0};
};
inline constexpr uint32_t PrintPortrait = 1, PrintKeepAspect = 2, PrintFullPage = 4, PrintCentre = 8;

struct GuideParams {
    std::array<int32_t, 4> Values{0, 0, 0, 0};
    int32_t Step = 15;
};

}  // namespace vortel
