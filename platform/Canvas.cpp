#include "platform/Canvas.h"

#include <cairo.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "platform/Angle.h"
#include "platform/LineDDA.h"
#include "platform/TextLayout.h"

namespace vortel {

namespace {

const Font& requireFont(const FontPtr& font) {
    if (!font) throw FontError("no font selected");
    return *font;
}

// Cairo's RGB24 stores 0x00RRGGBB per native word; the design's colours are 0x00BBGGRR.
uint32_t toNative(ColorRef c) { return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF); }
ColorRef fromNative(uint32_t v) { return (v >> 16 & 0xFF) | (v & 0xFF00) | (v & 0xFF) << 16; }

struct PixelAccess {
    uint8_t* data;
    int stride;
    explicit PixelAccess(cairo_surface_t* s) {
        cairo_surface_flush(s);
        data = cairo_image_surface_get_data(s);
        stride = cairo_image_surface_get_stride(s);
    }
    uint32_t* row(int32_t y) const { return reinterpret_cast<uint32_t*>(data + ptrdiff_t(y) * stride); }
};

}  // namespace

Canvas::Canvas(int32_t width, int32_t height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width_, height_)) {
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface_);
        throw std::runtime_error("cannot create a " + std::to_string(width) + "x" + std::to_string(height) +
                                 " canvas");
    }
    PixelAccess px(surface_);
    for (int32_t y = 0; y < height_; ++y) std::fill_n(px.row(y), width_, toNative(0xFFFFFF));
    cairo_surface_mark_dirty(surface_);
}

Canvas::~Canvas() { cairo_surface_destroy(surface_); }

ColorRef Canvas::pixel(int32_t x, int32_t y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    PixelAccess px(surface_);
    return fromNative(px.row(y)[x]);
}

void Canvas::fillRect(const Rect& r, ColorRef color) {
    const int32_t left = std::max(r.left, 0), right = std::min(r.right, width_);
    const int32_t top = std::max(r.top, 0), bottom = std::min(r.bottom, height_);
    if (left < right && top < bottom) {
        PixelAccess px(surface_);
        for (int32_t y = top; y < bottom; ++y) std::fill(px.row(y) + left, px.row(y) + right, toNative(color));
        cairo_surface_mark_dirty(surface_);
    }
    notifyChanged();
}

void Canvas::moveTo(int32_t x, int32_t y) {
    penPos_ = {double(x), double(y)};
    if (recording_) path_.moveTo(penPos_);
}

void Canvas::lineTo(int32_t x, int32_t y) {
    const PointF end{double(x), double(y)};
    if (recording_) {
        // A line after a closed figure (or on an empty path) starts a new figure at the pen.
        if (path_.empty() || (path_.types().back() & PT_CLOSEFIGURE)) path_.moveTo(penPos_);
        path_.lineTo(end);
        penPos_ = end;
        return;
    }
    PixelAccess px(surface_);
    const uint32_t native = toNative(penColor_);
    lineDDA(int32_t(penPos_.x), int32_t(penPos_.y), x, y, [&](int32_t px_, int32_t py) {
        if (px_ >= 0 && py >= 0 && px_ < width_ && py < height_) px.row(py)[px_] = native;
    });
    cairo_surface_mark_dirty(surface_);
    penPos_ = end;
    notifyChanged();
}

void Canvas::beginPath() {
    path_.clear();
    recording_ = true;
}

void Canvas::endPath() { recording_ = false; }

void Canvas::flattenPath() { path_.flatten(); }

void Canvas::fillGdiPath(const GdiPath& p, ColorRef color) {
    cairo_t* cr = cairo_create(surface_);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_set_source_rgb(cr, (color & 0xFF) / 255.0, (color >> 8 & 0xFF) / 255.0, (color >> 16 & 0xFF) / 255.0);
    const auto& pts = p.points();
    const auto& types = p.types();
    for (size_t i = 0; i < pts.size(); ++i) {
        const uint8_t type = types[i] & ~PT_CLOSEFIGURE;
        if (type == PT_MOVETO) {
            cairo_move_to(cr, pts[i].x, pts[i].y);
        } else if (type == PT_BEZIERTO && i + 2 < pts.size()) {
            cairo_curve_to(cr, pts[i].x, pts[i].y, pts[i + 1].x, pts[i + 1].y, pts[i + 2].x, pts[i + 2].y);
            i += 2;
        } else {
            cairo_line_to(cr, pts[i].x, pts[i].y);
        }
        if (types[i] & PT_CLOSEFIGURE) cairo_close_path(cr);
    }
    cairo_fill(cr);
    cairo_destroy(cr);
}

Size Canvas::textExtent(std::u32string_view text) const {
    const Font& font = requireFont(font_);
    int64_t width = 0;
    for (char32_t ch : text) width += font.advance(ch) + charExtra_;
    return {static_cast<int32_t>(width), font.metrics().height};
}

AbcWidths Canvas::charAbcWidths(char32_t ch) const { return requireFont(font_).abcWidths(ch); }

std::vector<int32_t> Canvas::kernedAdvances(std::u32string_view text) const {
    return requireFont(font_).kernedAdvances(text);
}

Size Canvas::drawText(std::u32string_view text, const Rect& rect, uint32_t format) {
    const Font& font = requireFont(font_);
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
    const Font& font = requireFont(font_);
    const auto [cosA, sinA] = cosSinOfTenths(font.logFont().lfEscapement);
    const auto at = [&, cosA = cosA, sinA = sinA](double along, double down) {
        turnOffset(along, down, cosA, sinA);
        return PointF{x + along, y + down};
    };
    GdiPath glyphs;
    GdiPath& target = recording_ ? path_ : glyphs;
    double pen = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        font.appendGlyph(target, text[i], at(pen, 0));
        pen += dx && i < dx->size() ? (*dx)[i] : font.advance(text[i]) + charExtra_;
    }
    if (recording_) return;
    if (bkMode_ == BkMode::Opaque && !text.empty()) {
        const double cell = font.metrics().height;
        GdiPath box;
        box.moveTo(at(0, 0));
        box.lineTo(at(pen, 0));
        box.lineTo(at(pen, cell));
        box.lineTo(at(0, cell));
        box.closeFigure();
        fillGdiPath(box, bkColor_);
    }
    if (!glyphs.empty()) fillGdiPath(glyphs, textColor_);
    notifyChanged();
}

}  // namespace vortel
