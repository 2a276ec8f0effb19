#include "platform/Canvas.h"

#include <cairo.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

#include "platform/Angle.h"
#include "platform/LargeBuffer.h"
#include "platform/LineDDA.h"
#include "platform/TextLayout.h"

namespace vortel {

namespace {

const Font& requireFont(const FontPtr& font) {
    if (!font) throw FontError("no font selected");
    return *font;
}

// A line or curve after a closed figure (or on an empty path) starts a new figure at the pen.
bool needsFigureStart(const GdiPath& p) { return p.empty() || (p.types().back() & PT_CLOSEFIGURE); }

}  // namespace

namespace {

// The pixels of a canvas: a large block, freed when Cairo lets go of the surface.
struct SurfaceMemory {
    void* block;
    size_t bytes;
};
const cairo_user_data_key_t kMemoryKey{};

void releaseSurfaceMemory(void* data) {
    auto* memory = static_cast<SurfaceMemory*>(data);
    releaseLargeBlock(memory->block, memory->bytes);
    delete memory;
}

cairo_surface_t* createSurface(int32_t width, int32_t height) {
    const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_RGB24, width);
    const size_t bytes = stride > 0 ? size_t(stride) * size_t(height) : 0;
    if (stride <= 0 || bytes < LargeBlockBytes) return cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    auto* memory = new SurfaceMemory{allocateLargeBlock(bytes), bytes};
    prefaultForWriting(memory->block, bytes);  // every pixel is painted
    cairo_surface_t* surface =
        cairo_image_surface_create_for_data(static_cast<unsigned char*>(memory->block), CAIRO_FORMAT_RGB24, width, height, stride);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS ||
        cairo_surface_set_user_data(surface, &kMemoryKey, memory, releaseSurfaceMemory) != CAIRO_STATUS_SUCCESS) {
        releaseSurfaceMemory(memory);
    }
    return surface;
}

}  // namespace

Canvas::Canvas(int32_t width, int32_t height, Start start)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), surface_(createSurface(width_, height_)) {
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface_);
        throw std::runtime_error("cannot create a " + std::to_string(width) + "x" + std::to_string(height) +
                                 " canvas");
    }
    if (start == Start::Black) return;  // both surface allocations hand out zeroed memory
    flushPixels();
    for (int32_t y = 0; y < height_; ++y) std::fill_n(row(y), width_, toNative(0xFFFFFF));
    markPixelsDirty();
}

Canvas::~Canvas() { cairo_surface_destroy(surface_); }

uint32_t* Canvas::row(int32_t y) const {
    return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface_) +
                                       ptrdiff_t(y) * cairo_image_surface_get_stride(surface_));
}

void Canvas::flushPixels() const { cairo_surface_flush(surface_); }

void Canvas::markPixelsDirty() { cairo_surface_mark_dirty(surface_); }

size_t Canvas::storedSize() const { return size_t(cairo_image_surface_get_stride(surface_)) * size_t(height_); }

const uint8_t* Canvas::storedData() const {
    flushPixels();
    return cairo_image_surface_get_data(surface_);
}

bool Canvas::storeBytes(const uint8_t* data, size_t size) {
    if (size != storedSize()) return false;
    flushPixels();
    std::memcpy(cairo_image_surface_get_data(surface_), data, size);
    markPixelsDirty();
    return true;
}

ColorRef Canvas::pixel(int32_t x, int32_t y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    flushPixels();
    return fromNative(row(y)[x]);
}

void Canvas::fillRect(const Rect& r, ColorRef color) {
    const int32_t left = std::max(r.left, 0), right = std::min(r.right, width_);
    const int32_t top = std::max(r.top, 0), bottom = std::min(r.bottom, height_);
    if (left < right && top < bottom) {
        flushPixels();
        const uint32_t native = toNative(color);
        for (int32_t y = top; y < bottom; ++y) {
            uint32_t* line = row(y);
            if (clip_.empty()) {
                std::fill(line + left, line + right, native);
                continue;
            }
            for (int32_t x = left; x < right; ++x)
                if (clipAllows(x, y)) line[x] = native;
        }
        markPixelsDirty();
    }
    notifyChanged();
}

void Canvas::plotLine(Point from, Point to, uint32_t native) {
    lineDDA(from.x, from.y, to.x, to.y, [&](int32_t x, int32_t y) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_ && clipAllows(x, y)) row(y)[x] = native;
    });
}

void Canvas::moveTo(int32_t x, int32_t y) {
    penPos_ = {double(x), double(y)};
    if (recording_) path_.moveTo(penPos_);
}

void Canvas::lineTo(int32_t x, int32_t y) {
    const PointF end{double(x), double(y)};
    if (recording_) {
        if (needsFigureStart(path_)) path_.moveTo(penPos_);
        path_.lineTo(end);
        penPos_ = end;
        return;
    }
    flushPixels();
    plotLine(Point{int32_t(penPos_.x), int32_t(penPos_.y)}, Point{x, y}, toNative(penColor_));
    markPixelsDirty();
    penPos_ = end;
    notifyChanged();
}

void Canvas::bezierTo(Point c1, Point c2, Point end) {
    const PointF e{double(end.x), double(end.y)};
    const PointF a{double(c1.x), double(c1.y)}, b{double(c2.x), double(c2.y)};
    if (recording_) {
        if (needsFigureStart(path_)) path_.moveTo(penPos_);
        path_.bezierTo(a, b, e);
        penPos_ = e;
        return;
    }
    GdiPath curve;
    curve.moveTo(penPos_);
    curve.bezierTo(a, b, e);
    curve.flatten();
    flushPixels();
    strokeFlat(curve, toNative(penColor_), false);
    markPixelsDirty();
    penPos_ = e;
    notifyChanged();
}

void Canvas::closeFigure() {
    if (recording_) path_.closeFigure();
}

void Canvas::saveDC() {
    saved_.push_back({clip_, textColor_, bkColor_, penColor_, bkMode_, fillMode_, penPos_, charExtra_});
}

void Canvas::restoreDC() {
    if (saved_.empty()) return;
    SavedState& s = saved_.back();
    clip_ = std::move(s.clip);
    textColor_ = s.textColor;
    bkColor_ = s.bkColor;
    penColor_ = s.penColor;
    bkMode_ = s.bkMode;
    fillMode_ = s.fillMode;
    penPos_ = s.penPos;
    charExtra_ = s.charExtra;
    saved_.pop_back();
}

void Canvas::beginPath() {
    path_.clear();
    recording_ = true;
}

void Canvas::endPath() { recording_ = false; }

void Canvas::flattenPath() { path_.flatten(); }

Size Canvas::textExtent(std::u32string_view text) const {
    const Font& font = requireFont(font_);
    ShapeOptions options;
    options.kerning = false;
    options.tabStop = tabStop_ > 0 ? tabStop_ * font.metrics().avgCharWidth : 0;
    return {static_cast<int32_t>(shapedWidth(font_, text, options, charExtra_)), font.metrics().height};
}

ShapedLine Canvas::shape(std::u32string_view line, bool kerning) const {
    requireFont(font_);
    ShapeOptions options;
    options.kerning = kerning;
    options.tabStop = tabStop_ > 0 ? tabStop_ * font_->metrics().avgCharWidth : 0;
    return shapeLine(font_, line, options);
}

AbcWidths Canvas::charAbcWidths(char32_t ch) const { return requireFont(font_).abcWidths(ch); }

std::vector<int32_t> Canvas::kernedAdvances(std::u32string_view text) const {
    return requireFont(font_).kernedAdvances(text);
}

Size Canvas::drawText(std::u32string_view text, const Rect& rect, uint32_t format) {
    const Font& font = requireFont(font_);
    struct TabScope {
        Canvas& dc;
        int32_t saved;
        ~TabScope() { dc.tabStop_ = saved; }
    } tabScope{*this, tabStop_};
    tabStop_ = format & DT_EXPANDTABS ? 8 : 0;
    const LineLayoutOptions options{(format & DT_NOPREFIX) == 0, (format & DT_WORDBREAK) != 0, rect.width()};
    const auto lines =
        layoutTextLines(text, options, [&](char32_t ch) { return font.advance(ch) + charExtra_; });
    const int32_t cell = font.metrics().height;
    std::vector<int32_t> widths;
    Size block{0, static_cast<int32_t>(lines.size()) * cell};
    for (const auto& line : lines) {
        widths.push_back(textExtent(line).cx);
        block.cx = std::max(block.cx, widths.back());
    }
    if (format & DT_CALCRECT) return block;
    for (size_t i = 0; i < lines.size(); ++i) {
        int32_t x = rect.left;
        if (format & DT_CENTER) x += (rect.width() - widths[i]) / 2;
        else if (format & DT_RIGHT) x = rect.right - widths[i];
        extTextOut(x, rect.top + static_cast<int32_t>(i) * cell, lines[i]);
    }
    return block;
}

void Canvas::extTextOut(int32_t x, int32_t y, std::u32string_view text, const std::vector<int32_t>* dx) {
    drawShaped(x, y, shape(text, false), dx);
}

void Canvas::drawShaped(int32_t x, int32_t y, const ShapedLine& line, const std::vector<int32_t>* dx) {
    const Font& font = requireFont(font_);
    const auto [cosA, sinA] = cosSinOfTenths(font.logFont().lfEscapement);
    const auto at = [&, cosA = cosA, sinA = sinA](double along, double down) {
        turnOffset(along, down, cosA, sinA);
        return PointF{x + along, y + down};
    };
    GdiPath glyphs;
    GdiPath& target = recording_ ? path_ : glyphs;
    double pen = 0;
    for (size_t i = 0; i < line.clusters.size(); ++i) {
        const TextCluster& cluster = line.clusters[i];
        for (const PlacedGlyph& g : cluster.glyphs) {
            // The glyph's own font carries the same escapement as the line's.
            g.font->appendGlyphIndex(target, g.glyph, at(pen + g.x, g.y));
        }
        pen += dx && i < dx->size() ? (*dx)[i] : cluster.advance + charExtra_;
    }
    if (recording_) return;
    if (bkMode_ == BkMode::Opaque && !line.clusters.empty()) {
        const double cell = font.metrics().height;
        GdiPath box;
        box.moveTo(at(0, 0));
        box.lineTo(at(pen, 0));
        box.lineTo(at(pen, cell));
        box.lineTo(at(0, cell));
        box.closeFigure();
        fillGdiPath(box, FillMode::Winding, bkColor_);
    }
    if (!glyphs.empty()) fillGdiPath(glyphs, FillMode::Winding, textColor_);
    notifyChanged();
}

void Canvas::drawCluster(double x, double y, const TextCluster& cluster, int32_t tenths) {
    const auto [cosA, sinA] = cosSinOfTenths(tenths);
    GdiPath glyphs;
    GdiPath& target = recording_ ? path_ : glyphs;
    for (const PlacedGlyph& g : cluster.glyphs) {
        double dx = g.x, dy = g.y;
        turnOffset(dx, dy, cosA, sinA);
        g.font->turned(tenths)->appendGlyphIndex(target, g.glyph, PointF{x + dx, y + dy});
    }
    if (recording_) return;
    if (!glyphs.empty()) fillGdiPath(glyphs, FillMode::Winding, textColor_);
    notifyChanged();
}

}  // namespace vortel
