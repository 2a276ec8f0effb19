#include "cli/SvgOutline.h"

#include <algorithm>
#include <array>

#include "engine/UserMessages.h"
#include "platform/Path.h"
#include "platform/Texts.h"

namespace vortel::cli {
namespace {

[[noreturn]] void malformed(size_t index, const std::string& why) {
    throw VortelError(fillText(VORTEL_EN("CommandLine", "outline point %1: %2"), index, why));
}

void appendPoint(std::string& d, Point p) {
    d += ' ';
    d += std::to_string(p.x);
    d += ' ';
    d += std::to_string(p.y);
}

std::string polylinePoints(const std::vector<Point>& points, size_t count) {
    std::string text;
    for (size_t i = 0; i < count; ++i) {
        if (i > 0) text += ' ';
        text += std::to_string(points[i].x) + "," + std::to_string(points[i].y);
    }
    return text;
}

}  // namespace

std::string outlinePathData(const TFontFX& engine) {
    const auto& points = engine.OutlinePoints;
    const auto& types = engine.OutlineTypes;
    const size_t count = std::min({static_cast<size_t>(std::max(engine.NumOutlinePoints, 0)), points.size(), types.size()});
    std::string d;
    for (size_t i = 0; i < count;) {
        const uint8_t kind = types[i] & ~PT_CLOSEFIGURE;
        size_t used = 1;
        if (kind == PT_MOVETO) {
            d += d.empty() ? "M" : " M";
        } else if (d.empty()) {
            malformed(i, VORTEL_EN("CommandLine", "the outline does not start with a move"));
        } else if (kind == PT_LINETO) {
            d += " L";
        } else if (kind == PT_BEZIERTO) {
            used = 3;
            if (i + used > count) malformed(i, VORTEL_EN("CommandLine", "a Bézier needs three points"));
            for (size_t k = 1; k < used; ++k) {
                if ((types[i + k] & ~PT_CLOSEFIGURE) != PT_BEZIERTO) malformed(i + k, VORTEL_EN("CommandLine", "a Bézier needs three points"));
            }
            d += " C";
        } else {
            malformed(i, fillText(VORTEL_EN("CommandLine", "unknown point type %1"), types[i]));
        }
        bool closes = false;
        for (size_t k = 0; k < used; ++k) {
            appendPoint(d, points[i + k]);
            closes = closes || (types[i + k] & PT_CLOSEFIGURE) != 0;
        }
        if (closes) d += " Z";
        i += used;
    }
    return d;
}

std::string outlineSvg(const TFontFX& engine, int32_t width, int32_t height) {
    static constexpr std::array<const char*, 4> guideColors = {"#d62728", "#1f77b4", "#2ca02c", "#ff7f0e"};
    const std::string w = std::to_string(width), h = std::to_string(height);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w +
           " " + h + "\">\n";
    svg += "  <rect x=\"0.5\" y=\"0.5\" width=\"" + std::to_string(std::max(width - 1, 0)) + "\" height=\"" +
           std::to_string(std::max(height - 1, 0)) + "\" fill=\"white\" stroke=\"#999999\" stroke-width=\"1\"/>\n";
    svg += "  <path id=\"outline\" fill=\"#202020\" fill-rule=\"nonzero\" d=\"" + outlinePathData(engine) + "\"/>\n";
    svg += "  <g id=\"guides\" fill=\"none\" stroke-width=\"1\">\n";
    for (size_t g = 0; g < engine.GuidePoints.size(); ++g) {
        const size_t n = std::min<size_t>(engine.NumGuidePoints[g], engine.GuidePoints[g].size());
        svg += "    <polyline id=\"guide" + std::to_string(g) + "\" stroke=\"" + guideColors[g] + "\" points=\"" +
               polylinePoints(engine.GuidePoints[g], n) + "\"/>\n";
    }
    svg += "  </g>\n</svg>\n";
    return svg;
}

}  // namespace vortel::cli
