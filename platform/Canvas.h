#pragma once
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "platform/Font.h"
#include "platform/Geometry.h"
#include "platform/Path.h"

typedef struct _cairo_surface cairo_surface_t;

namespace vortel {

// Colour value 0x00BBGGRR as the design writes colours.
using ColorRef = uint32_t;
constexpr ColorRef rgb(uint8_t r, uint8_t g, uint8_t b) { return ColorRef(r) | ColorRef(g) << 8 | ColorRef(b) << 16; }

enum DrawTextFlags : uint32_t {
    DT_CENTER = 0x0001,
    DT_RIGHT = 0x0002,
    DT_WORDBREAK = 0x0010,
    DT_NOPREFIX = 0x0800,
    DT_CALCRECT = 0x0400,
};

enum class BkMode { Transparent, Opaque };

// A device context over a Cairo RGB24 image surface: drawing state (font, colours, character
// extra, pen position), a path bracket that records text and lines instead of drawing them, and
// a change notification that tells the view to repaint.
class Canvas {
public:
    Canvas(int32_t width, int32_t height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    cairo_surface_t* surface() const { return surface_; }
    ColorRef pixel(int32_t x, int32_t y) const;
    void fillRect(const Rect& r, ColorRef color);

    // Drawing state.
    void selectFont(FontPtr font) { font_ = std::move(font); }
    const FontPtr& font() const { return font_; }
    void setTextColor(ColorRef c) { textColor_ = c; }
    void setBkColor(ColorRef c) { bkColor_ = c; }
    void setBkMode(BkMode m) { bkMode_ = m; }
    void setTextCharacterExtra(int32_t extra) { charExtra_ = extra; }
    int32_t textCharacterExtra() const { return charExtra_; }
    void setPenColor(ColorRef c) { penColor_ = c; }

    // Lines with the current pen; recorded into the path while a bracket is open.
    void moveTo(int32_t x, int32_t y);
    void lineTo(int32_t x, int32_t y);

    // Path bracket.
    void beginPath();
    void endPath();
    void flattenPath();
    bool pathOpen() const { return recording_; }
    const GdiPath& path() const { return path_; }

    // Text: measurement and output with the selected font (throws FontError without one).
    Size textExtent(std::u32string_view text) const;
    AbcWidths charAbcWidths(char32_t ch) const;
    std::vector<int32_t> kernedAdvances(std::u32string_view text) const;
    // Lays out a block like the old DrawText; with DT_CALCRECT only measures and returns the size.
    Size drawText(std::u32string_view text, const Rect& rect, uint32_t format);
    // Draws (or records) one line with its cell's top-left at (x, y); `dx` gives per-character
    // advances, otherwise the natural advances plus the character extra are used.
    void extTextOut(int32_t x, int32_t y, std::u32string_view text, const std::vector<int32_t>* dx = nullptr);

    // Change notification: called whenever something was drawn or the state was re-selected.
    void setChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }
    void notifyChanged() const { if (listener_) listener_(); }

private:
    void fillGdiPath(const GdiPath& p, ColorRef color);

    int32_t width_, height_;
    cairo_surface_t* surface_;
    FontPtr font_;
    ColorRef textColor_ = 0, bkColor_ = 0xFFFFFF, penColor_ = 0;
    BkMode bkMode_ = BkMode::Opaque;
    int32_t charExtra_ = 0;
    PointF penPos_;
    bool recording_ = false;
    GdiPath path_;
    std::function<void()> listener_;
};

// Text decoding helpers shared by the engine and the command line.
std::u32string utf8ToU32(std::string_view s);
std::string u32ToUtf8(std::u32string_view s);

}  // namespace vortel
