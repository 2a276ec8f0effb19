#include "document/PdfOutline.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include <cairo-pdf.h>
#include <cairo.h>

#include "document/FileBytes.h"
#include "document/ImageError.h"
#include "document/ImageLimits.h"
#include "document/MetafileWalk.h"

namespace vortel {
namespace {

constexpr double kPointsPerPixel = 72.0 / 96.0;
constexpr double kLightGrey = 192.0 / 255.0;
// Cairo keeps path coordinates as 24.8 fixed point; points far outside any image are held back
// to where that still holds, which changes nothing a page can show.
constexpr double kCoordLimit = 4.0e6;

double tame(int32_t v) { return std::clamp(double(v), -kCoordLimit, kCoordLimit); }

cairo_status_t appendToBuffer(void* closure, const unsigned char* data, unsigned int length) {
    try {
        auto& buffer = *static_cast<std::vector<uint8_t>*>(closure);
        buffer.insert(buffer.end(), data, data + length);
        return CAIRO_STATUS_SUCCESS;
    } catch (const std::bad_alloc&) {
        return CAIRO_STATUS_NO_MEMORY;
    }
}

// Every figure is closed, at its close flag or else before the next move and at the end, as the
// renderer closes them; the closing matters only to the stroke, the fill closes figures anyway.
// Cairo leaves the pen at the figure's start after closing it, where the outline walk has it too.
class CairoPath final : public OutlineSink {
public:
    explicit CairoPath(cairo_t* cr) : cr_(cr) {}
    void moveTo(Point p) override {
        finish();
        cairo_move_to(cr_, tame(p.x), tame(p.y));
    }
    void lineTo(Point p) override {
        start();
        cairo_line_to(cr_, tame(p.x), tame(p.y));
    }
    void bezierTo(Point c1, Point c2, Point end) override {
        start();
        cairo_curve_to(cr_, tame(c1.x), tame(c1.y), tame(c2.x), tame(c2.y), tame(end.x), tame(end.y));
    }
    void figureClosed() override { finish(); }
    void finish() {
        if (drawing_) cairo_close_path(cr_);
        drawing_ = false;
    }

private:
    // Drawing before any move starts at the origin, as on a device context.
    void start() {
        if (!cairo_has_current_point(cr_)) cairo_move_to(cr_, 0, 0);
        drawing_ = true;
    }
    cairo_t* cr_;
    bool drawing_ = false;
};

void paintOutline(cairo_t* cr, const TFontFX& engine) {
    cairo_scale(cr, kPointsPerPixel, kPointsPerPixel);
    CairoPath path(cr);
    walkOutline(outlinePoints(engine), outlineTypes(engine), path);
    path.finish();
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_set_source_rgb(cr, kLightGrey, kLightGrey, kLightGrey);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
}

}  // namespace

std::vector<uint8_t> encodePdf(const TFontFX& engine, int32_t imageWidth, int32_t imageHeight, const std::string& name) {
    image_limits::checkDimensions(imageWidth, imageHeight);
    std::vector<uint8_t> pdf;
    cairo_surface_t* surface = cairo_pdf_surface_create_for_stream(appendToBuffer, &pdf, imageWidth * kPointsPerPixel,
                                                                   imageHeight * kPointsPerPixel);
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "Vortel");
    cairo_t* cr = cairo_create(surface);
    paintOutline(cr, engine);
    cairo_status_t status = cairo_status(cr);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS)
        throw ImageError("cannot produce the PDF page for " + name + ": " + cairo_status_to_string(status));
    return pdf;
}

void exportPdf(const TFontFX& engine, int32_t imageWidth, int32_t imageHeight, const std::string& path) {
    writeFileAtomically(path, encodePdf(engine, imageWidth, imageHeight, path));
}

}  // namespace vortel
