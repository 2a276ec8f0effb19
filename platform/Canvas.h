#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Font.h"
#include "platform/Geometry.h"
#include "platform/LargeBuffer.h"
#include "platform/Path.h"
#include "platform/TextShaping.h"

typedef struct _cairo_surface cairo_surface_t;

namespace vortel {

// Colour value 0x00BBGGRR, the order every colour of the program is kept in.
using ColorRef = uint32_t;
constexpr ColorRef rgb(uint8_t r, uint8_t g, uint8_t b) { return ColorRef(r) | ColorRef(g) << 8 | ColorRef(b) << 16; }

enum DrawTextFlags : uint32_t {
    DT_CENTER = 0x0001,
    DT_RIGHT = 0x0002,
    DT_WORDBREAK = 0x0010,
    DT_EXPANDTABS = 0x0040,
    DT_NOPREFIX = 0x0800,
    DT_CALCRECT = 0x0400,
};

enum class BkMode { Transparent, Opaque };
enum class FillMode { Alternate, Winding };

// The six classic hatch patterns, 8 pixels a period.
enum class HatchStyle : int32_t { Horizontal = 0, Vertical = 1, ForwardDiagonal = 2, BackwardDiagonal = 3, Cross = 4, DiagonalCross = 5 };

// A device context over a Cairo RGB24 image surface: drawing state (font, colours, character
// extra, pen position), a path bracket that records text and lines instead of drawing them, and
// a change notification that tells the view to repaint.
class Canvas {
public:
    // A new canvas is white, like a new bitmap. One that its first drawing covers whole may start
    // black instead: its fresh memory already is, so no pass is made over it.
    enum class Start { White, Black };
    Canvas(int32_t width, int32_t height, Start start = Start::White);
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
    // Tabs reach the next multiple of `chars` average character widths; 0: a tab is a space.
    void setTabStop(int32_t chars) { tabStop_ = chars; }
    void setPenColor(ColorRef c) { penColor_ = c; }

    // Lines with the current pen; recorded into the path while a bracket is open.
    void moveTo(int32_t x, int32_t y);
    void lineTo(int32_t x, int32_t y);

    // Path bracket.
    void beginPath();
    void endPath();
    void flattenPath();
    // Cubic Bézier from the pen position; recorded while a bracket is open, else stroked with the pen.
    void bezierTo(Point c1, Point c2, Point end);
    // Closes the current figure of the recorded path.
    void closeFigure();
    void setPolyFillMode(FillMode mode) { fillMode_ = mode; }
    FillMode polyFillMode() const { return fillMode_; }
    // Consume the recorded path as the old path functions did: fill its interior (pixel centres
    // inside by the poly fill mode, no antialiasing), stroke its outline with a 1-pixel pen, or make
    // it the clipping region (replacing any earlier one). All respect the current clip.
    void fillPath(ColorRef brush);
    void strokeAndFillPath(ColorRef pen, ColorRef brush);
    void selectClipPath();
    // Saves and restores the clip, colours, fill mode, pen position and character extra.
    void saveDC();
    void restoreDC();

    // Pixel operations; all respect the current clip.
    void drawBitmap(int32_t x, int32_t y, const Bitmap& bitmap);
    // Hatch lines in `lineColor` over `backColor`, pattern anchored at the canvas origin.
    void fillHatch(const Rect& r, HatchStyle style, ColorRef lineColor, ColorRef backColor);
    // Raster operation source-AND: every byte of the canvas pixel AND the bitmap's pixel.
    void andBitmap(int32_t x, int32_t y, const Bitmap& bitmap);
    // The picture as a top-down BGR bitmap, and back.
    Bitmap toBitmap() const;
    // Row y (from the top) as 3 x width bytes blue, green, red: a picture written out without a copy.
    void copyRowBgr(int32_t y, uint8_t* out) const;
    void setFromBitmap(const Bitmap& bitmap);
    // The pixels as the surface stores them (rows top-down, stride bytes each), to keep a picture
    // aside and put it back; storeBytes takes only a copy of the same size and says whether it did.
    const uint8_t* storedData() const;
    size_t storedSize() const;
    bool storeBytes(const uint8_t* data, size_t size);
    bool pathOpen() const { return recording_; }
    bool clipped() const { return !clip_.empty(); }
    const GdiPath& path() const { return path_; }

    // Text: measurement and output with the selected font (throws FontError without one).
    Size textExtent(std::u32string_view text) const;
    AbcWidths charAbcWidths(char32_t ch) const;
    std::vector<int32_t> kernedAdvances(std::u32string_view text) const;
    // Lays out a block like the old DrawText; with DT_CALCRECT only measures and returns the size.
    Size drawText(std::u32string_view text, const Rect& rect, uint32_t format);
    // Draws (or records) one line with its cell's top-left at (x, y); `dx` gives per-cluster
    // advances, otherwise the natural advances plus the character extra are used.
    void extTextOut(int32_t x, int32_t y, std::u32string_view text, const std::vector<int32_t>* dx = nullptr);
    // The selected font's layout of one line (see shapeLine), with its kerning when `kerning`.
    ShapedLine shape(std::u32string_view line, bool kerning) const;
    // Draws (or records) a shaped line from (x, y); `dx` as for extTextOut.
    void drawShaped(int32_t x, int32_t y, const ShapedLine& line, const std::vector<int32_t>* dx = nullptr);
    // Draws (or records) one cluster with its pen position at (x, y), every glyph turned by `tenths`
    // of a degree about that point (the tilt of one letter).
    void drawCluster(double x, double y, const TextCluster& cluster, int32_t tenths);

    // Change notification: called whenever something was drawn or the state was re-selected.
    void setChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }
    void notifyChanged() const { if (listener_) listener_(); }
    const std::function<void()>& changeListener() const { return listener_; }

private:
    template <class Op>
    void blit(int32_t x, int32_t y, const Bitmap& bitmap, Op&& op);
    // Cairo's RGB24 stores 0x00RRGGBB per native word; the program's colours are 0x00BBGGRR.
    static uint32_t toNative(ColorRef c) { return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF); }
    static ColorRef fromNative(uint32_t v) { return (v >> 16 & 0xFF) | (v & 0xFF00) | (v & 0xFF) << 16; }
    // Direct row access: flushPixels() before reading, markPixelsDirty() after writing.
    uint32_t* row(int32_t y) const;
    void flushPixels() const;
    void markPixelsDirty();
    bool clipAllows(int32_t x, int32_t y) const {
        return clip_.empty() || clip_[size_t(y) * size_t(width_) + size_t(x)] != 0;
    }
    // A 1-pixel pen line walked like lineTo (end point excluded), clipped.
    void plotLine(Point from, Point to, uint32_t native);

    // Pixel centres inside a path: rows [top, bottom) of the canvas, width_ bytes each, non-zero inside.
    struct Coverage {
        int32_t top = 0;
        int32_t bottom = 0;
        std::vector<uint8_t, LargeAllocator<uint8_t>> mask;
    };
    Coverage rasterize(const GdiPath& p, FillMode mode) const;
    void paintCoverage(const Coverage& cover, ColorRef color);
    void fillGdiPath(const GdiPath& p, FillMode mode, ColorRef color);
    // Pen lines along a flattened path (no Bézier points); `closeAll` also closes open figures.
    void strokeFlat(const GdiPath& flat, uint32_t native, bool closeAll);
    GdiPath takePath();

    int32_t width_, height_;
    cairo_surface_t* surface_;
    FontPtr font_;
    ColorRef textColor_ = 0, bkColor_ = 0xFFFFFF, penColor_ = 0;
    BkMode bkMode_ = BkMode::Opaque;
    int32_t charExtra_ = 0;
    int32_t tabStop_ = 0;
    PointF penPos_;
    FillMode fillMode_ = FillMode::Alternate;
    bool recording_ = false;
    std::vector<uint8_t, LargeAllocator<uint8_t>> clip_;  // one byte a pixel, non-zero = may be drawn; empty = no clip
    struct SavedState {
        std::vector<uint8_t, LargeAllocator<uint8_t>> clip;
        ColorRef textColor, bkColor, penColor;
        BkMode bkMode;
        FillMode fillMode;
        PointF penPos;
        int32_t charExtra;
    };
    std::vector<SavedState> saved_;
    GdiPath path_;
    std::function<void()> listener_;
};

// Text decoding helpers shared by the engine and the command line.
std::u32string utf8ToU32(std::string_view s);
std::string u32ToUtf8(std::u32string_view s);

}  // namespace vortel
