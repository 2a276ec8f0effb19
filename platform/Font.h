#pragma once
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Geometry.h"
#include "platform/LogFont.h"
#include "platform/Path.h"

typedef struct hb_font_t hb_font_t;

namespace vortel {

class FontError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TextMetrics {
    int32_t height = 0;        // cell height: ascent + descent
    int32_t ascent = 0;
    int32_t descent = 0;
    int32_t avgCharWidth = 0;
};

// Character widths of the Windows model: A = left bearing, B = ink width, C = right bearing.
struct AbcWidths {
    int32_t a = 0;
    int32_t b = 0;
    int32_t c = 0;
    int32_t advance() const { return a + b + c; }
};

// The generic fontconfig family that stands in for a face that is not installed, by the family
// class in the high nibble of lfPitchAndFamily ("sans-serif" for an unknown class).
const char* substituteFamily(uint8_t pitchAndFamily);

// A font created from a LogFont (the CreateFontIndirect of the old model): fontconfig finds the
// face, FreeType supplies outlines and metrics, HarfBuzz the kerning. All results are in logical
// units (pixels), with glyph outlines kept in floating point.
class Font {
public:
    // A face that is neither installed nor a metric-compatible alias is replaced by the closest
    // installed face of its pitch-and-family class (substituted()); the LogFont keeps the requested
    // name. The stand-in is the class's first outline face that writes every character of `cover`
    // and is no symbol face (see StandInIndex); a colour-only face counts as missing. Throws
    // FontError only when not even that class has a face, or for absurd sizes.
    static std::shared_ptr<const Font> create(const LogFont& lf, std::u32string_view cover = {});
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    const LogFont& logFont() const { return logFont_; }
    const TextMetrics& metrics() const { return metrics_; }
    const std::string& familyName() const { return family_; }
    const std::string& filePath() const { return file_; }
    bool syntheticBold() const { return synthBold_; }
    bool syntheticItalic() const { return synthItalic_; }
    // True when familyName() replaces a requested face that is not installed.
    bool substituted() const { return substituted_; }
    // True when the face carries kerning pairs (a kern table or a GPOS kern feature).
    bool hasKerning() const { return hasKerning_; }

    // Unkerned advance of one character, rounded to whole logical units.
    int32_t advance(char32_t ch) const;
    AbcWidths abcWidths(char32_t ch) const;
    // Advance of each character including the kerning with its successor (no substitutions).
    std::vector<int32_t> kernedAdvances(std::u32string_view text) const;

    // Adds the glyph outline of `ch` with its cell's top-left corner at `origin`; escapement
    // turns the glyph about that corner.
    void appendGlyph(GdiPath& path, char32_t ch, PointF origin) const;

    // The same by glyph index, for shaped text. The glyph of a character the face lacks is 0.
    uint32_t glyphIndex(char32_t ch) const;
    void appendGlyphIndex(GdiPath& path, uint32_t glyph, PointF origin) const;

    // What shaping needs: the HarfBuzz font (scaled to font units) and how font units become
    // logical units. x grows along the text, y down; `boldUnits` is added to every glyph's advance.
    struct Scale {
        double x = 1, y = 1, shear = 0, boldUnits = 0;
    };
    hb_font_t* hbFont() const;
    Scale scale() const;

    // The face that draws `chars` (a character with the marks and joiners that belong to it) when
    // this face lacks one of them: the first face of fontconfig's list for this face's request that
    // has them all, at the same em size, weight and slant, on the same baseline. Null when no
    // installed face has them. Cached per font.
    std::shared_ptr<const Font> fallbackFor(std::u32string_view chars) const;
    // This font turned by `tenths` of a degree instead of its own escapement (the tilt of one
    // letter). Cached per font.
    std::shared_ptr<const Font> turned(int32_t tenths) const;

    struct Impl;

private:
    Font(const LogFont& lf, std::u32string_view cover);
    Font(const Font& base, const std::string& file, int index, const std::string& family);
    Font(const Font& base, int32_t tenths);
    LogFont logFont_;
    TextMetrics metrics_;
    std::string family_, file_;
    bool synthBold_ = false, synthItalic_ = false, hasKerning_ = false, substituted_ = false;
    std::unique_ptr<Impl> impl_;
};

using FontPtr = std::shared_ptr<const Font>;

}  // namespace vortel
