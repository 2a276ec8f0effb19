#pragma once
// How the exports read the engine's warped outline: which entries draw what. The metafiles and the
// PDF page share this reading, so all three show the same picture.
#include <cstdint>
#include <span>

#include "engine/FontFX.h"
#include "platform/Geometry.h"

namespace vortel {

class OutlineSink {
public:
    virtual ~OutlineSink() = default;
    virtual void moveTo(Point p) = 0;
    virtual void lineTo(Point p) = 0;
    virtual void bezierTo(Point c1, Point c2, Point end) = 0;
    // The entry just drawn carried the close-figure flag; the closing edge has been drawn.
    virtual void figureClosed() {}
};

// Type 6 moves, 2 and 3 draw a line, 4 and 5 draw a Bézier through that entry and the next two
// (which are then passed over); a Bézier running past the end and any other type draw nothing.
// A drawn entry with the close flag is followed by a line back to the figure's start, unless the
// pen is already there: font outlines leave that edge implicit, and a letter drawn without it
// lacks a side. The pen then stays at the start, and drawing before any move starts at the origin.
void walkOutline(std::span<const Point> points, std::span<const uint8_t> types, OutlineSink& sink);

// The engine's outline as far as its count and both arrays agree.
std::span<const Point> outlinePoints(const TFontFX& engine);
std::span<const uint8_t> outlineTypes(const TFontFX& engine);

}  // namespace vortel
