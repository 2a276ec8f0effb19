#pragma once
// The engine's parameter blocks as the document and style files store them: plain little-endian
// records of fixed size. docs/file-format.md lists every byte; the asserts below pin the sizes
// and the offsets that readers rely on.
#include <bit>
#include <cstddef>
#include <cstdint>

#include "engine/Real48.h"
#include "engine/EffectParams.h"
#include "platform/LogFont.h"

namespace vortel::disk {

static_assert(std::endian::native == std::endian::little, "the records are copied as they lie in memory");

#pragma pack(push, 1)

// A length-prefixed name of up to 255 bytes.
struct ShortString {
    uint8_t length;
    char text[255];
};

struct Surface {
    uint8_t kind;
    uint8_t pad0[3];
    uint32_t handle;                  // run-time bitmap handle; 0 on disk
    ShortString source;               // texture file path, ":JPG_nn" or "EDITBITMAP"
    int32_t flag;
    uint32_t color;
    // The gradient parameters, 60 bytes (a .color file stores exactly these after kind and colour).
    int32_t gradientAngle;
    int32_t gradientRepeat;
    int32_t gradientStyle;
    int32_t gradientCount;
    uint32_t gradientColors[11];
    // Further fill parameters, 56 bytes.
    int32_t hatchStyle;
    uint32_t hatchColor;
    uint8_t spare[48];
};
static_assert(sizeof(Surface) == 388);
static_assert(offsetof(Surface, handle) == 4);
static_assert(offsetof(Surface, source) == 8);
static_assert(offsetof(Surface, flag) == 264);
static_assert(offsetof(Surface, color) == 268);
static_assert(offsetof(Surface, gradientAngle) == 272);
static_assert(offsetof(Surface, hatchStyle) == 332);

struct Shadow {
    int32_t x;
    int32_t y;
    int32_t blur;
    int32_t angle;
    int32_t size;
    Real48 intensity;
    int16_t reserved;
    uint32_t color;
    uint8_t spare[44];
};
static_assert(sizeof(Shadow) == 76);
static_assert(offsetof(Shadow, intensity) == 20);
static_assert(offsetof(Shadow, color) == 28);

// One profile point: 28 bytes, x and y first.
struct BevelPoint {
    int32_t x;
    int32_t y;
    uint32_t color;
    uint8_t colorMode;
    uint8_t segmentType;
    uint8_t transparency;
    uint8_t spare[13];
};
static_assert(sizeof(BevelPoint) == 28);

struct Bevel {
    uint8_t flags;
    uint8_t customProfile;            // byte 1: profile drawn in the editor
    int16_t reserved;
    int32_t base;
    BevelPoint points[11];            // from offset 8; entry 10's spare bytes hold the count below
    int32_t height;
    int32_t size;
    int32_t depth;
    int32_t addPixel;
    int32_t angle;
    int16_t invert;
    uint8_t flag;
    uint8_t spare[41];
};
static_assert(sizeof(Bevel) == 380);
static_assert(offsetof(Bevel, customProfile) == 1);
static_assert(offsetof(Bevel, points) == 8);
static_assert(offsetof(Bevel, height) == 316);
// The index of the last profile point lives at offset 308, inside the spare bytes of entry 10.
inline constexpr size_t BevelLastPointOffset = 308;
static_assert(offsetof(Bevel, points) + 10 * sizeof(BevelPoint) + offsetof(BevelPoint, spare) <= BevelLastPointOffset);
static_assert(BevelLastPointOffset < offsetof(Bevel, points) + 11 * sizeof(BevelPoint));

struct Fringe {
    uint8_t kind;
    uint8_t pad0[3];
    int32_t outlineStep;
    int32_t x;
    int32_t y;
    int32_t seed;
    uint8_t spare[40];
};
static_assert(sizeof(Fringe) == 60);

struct Frame {
    uint8_t kind;
    uint8_t pad0[3];
    int32_t width;
    int32_t points;
    int32_t height;
    uint8_t pixel;
    uint8_t pad1[3];
    uint32_t color;
    int32_t seed;
    uint8_t spare[40];
};
static_assert(sizeof(Frame) == 68);

struct Imprint {
    uint32_t handle;                  // run-time bitmap handle; 0 on disk
    uint8_t on;                       // offset 4: an imprint bitmap follows the images
    uint8_t inverse;
    uint8_t pad0[2];
    ShortString name;
    uint8_t spare[44];
};
static_assert(sizeof(Imprint) == 308);
static_assert(offsetof(Imprint, on) == 4);

struct Guide {
    int32_t values[4];
    int32_t step;
    uint8_t spare[28];
};
static_assert(sizeof(Guide) == 48);

struct Print {
    int32_t left;
    int32_t top;
    int32_t width;
    int32_t height;
    uint32_t options;
    int32_t reserved[2];
};
static_assert(sizeof(Print) == 28);

#pragma pack(pop)

static_assert(sizeof(LogFont) == 60);

// Engine <-> disk. Handles are written as 0; bitmaps travel separately. Loading clamps nothing:
// the reader checks and clamps after converting.
Surface toDisk(const FillRecord& fill);
void fromDisk(const Surface& disk, FillRecord& fill);
Shadow toDisk(const ShadowParams& shadow);
void fromDisk(const Shadow& disk, ShadowParams& shadow);
Bevel toDisk(const BevelParams& bevel);
void fromDisk(const Bevel& disk, BevelParams& bevel);
Fringe toDisk(const FringeParams& fringe);
void fromDisk(const Fringe& disk, FringeParams& fringe);
Frame toDisk(const FrameParams& frame);
void fromDisk(const Frame& disk, FrameParams& frame);
Imprint toDisk(const ImprintParams& imprint);
void fromDisk(const Imprint& disk, ImprintParams& imprint);
Guide toDisk(const GuideParams& guide);
void fromDisk(const Guide& disk, GuideParams& guide);
Print toDisk(const PrintLayout& print);
void fromDisk(const Print& disk, PrintLayout& print);

// A name that does not fit keeps its last 255 bytes, so the file name and extension survive.
ShortString toShortString(const std::string& text);
std::string fromShortString(const ShortString& s);

}  // namespace vortel::disk
