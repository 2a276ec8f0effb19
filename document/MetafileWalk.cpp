#include "document/MetafileWalk.h"

#include <algorithm>

#include "platform/Path.h"

namespace vortel {
namespace {

size_t agreedCount(const TFontFX& engine) {
    return std::min(
        {size_t(std::max(engine.NumOutlinePoints, 0)), engine.OutlinePoints.size(), engine.OutlineTypes.size()});
}

}  // namespace

void walkOutline(std::span<const Point> points, std::span<const uint8_t> types, OutlineSink& sink) {
    const size_t count = std::min(points.size(), types.size());
    Point start{}, pen{};
    for (size_t i = 0; i < count; ++i) {
        bool closes = (types[i] & PT_CLOSEFIGURE) != 0;
        switch (types[i]) {
            case PT_MOVETO:
                sink.moveTo(points[i]);
                start = pen = points[i];
                break;
            case PT_LINETO:
            case PT_LINETO | PT_CLOSEFIGURE:
                sink.lineTo(points[i]);
                pen = points[i];
                break;
            case PT_BEZIERTO:
            case PT_BEZIERTO | PT_CLOSEFIGURE:
                if (i + 2 >= count) continue;
                sink.bezierTo(points[i], points[i + 1], points[i + 2]);
                closes = ((types[i] | types[i + 1] | types[i + 2]) & PT_CLOSEFIGURE) != 0;
                pen = points[i + 2];
                i += 2;
                break;
            default: continue;
        }
        if (!closes) continue;
        if (!(pen == start)) sink.lineTo(start);
        pen = start;
        sink.figureClosed();
    }
}

std::span<const Point> outlinePoints(const TFontFX& engine) {
    return std::span<const Point>(engine.OutlinePoints).first(agreedCount(engine));
}

std::span<const uint8_t> outlineTypes(const TFontFX& engine) {
    return std::span<const uint8_t>(engine.OutlineTypes).first(agreedCount(engine));
}

}  // namespace vortel
