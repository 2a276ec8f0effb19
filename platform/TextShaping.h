#pragma once
// One line of text laid out as a text engine of today does: the Unicode bidirectional algorithm
// orders it, HarfBuzz shapes each run (joining, reordering, marks), and a character the face lacks
// comes from an installed face that has it. The result is a row of clusters in visual order, left
// to right: a cluster is what the effects treat as one letter (a character with its marks, a
// ligature, a conjunct), moved as a whole by spacing, raise and tilt.
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/Font.h"

namespace vortel {

struct PlacedGlyph {
    // The line's font, or the face that stands in for it on this cluster (kept by the line's font).
    const Font* font = nullptr;
    uint32_t glyph = 0;  // glyph index in that face
    double x = 0, y = 0;  // from the cluster's pen position, logical units, x along the line, y down
};

struct TextCluster {
    uint32_t first = 0, count = 0;  // the characters it draws, as indices into the line
    int32_t advance = 0;            // the pen step to the next cluster, without character extra
    int32_t width = 0;              // its own advance, unkerned: the cell a tilted letter turns in
    std::vector<PlacedGlyph> glyphs;
};

struct ShapedLine {
    FontPtr font;                       // the line's font: it keeps the faces of the glyphs
    std::vector<TextCluster> clusters;  // visual order
    bool rightToLeft = false;           // the line's base direction, from its first strong character
    // Whether the line took the plain path: one cluster per character, each the face's own glyph.
    bool plain = true;
    int64_t width(int32_t extra) const;
};

struct ShapeOptions {
    bool kerning = true;     // kerning pairs adjust the advances
    int32_t tabStop = 0;     // a tab reaches the next multiple of this; 0: a tab is as wide as a space
};

// Lays out `line` (no line breaks) in `font`. A line of Western letters the face has all of takes
// the plain path: the face's glyphs and advances as before, one cluster a character.
ShapedLine shapeLine(const FontPtr& font, std::u32string_view line, const ShapeOptions& options = {});
// The width of the line as shapeLine lays it out, with `extra` after every cluster; a plain line is
// measured without building its clusters.
int64_t shapedWidth(const FontPtr& font, std::u32string_view line, const ShapeOptions& options, int32_t extra);

}  // namespace vortel
