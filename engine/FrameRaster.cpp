#include "engine/FrameRaster.h"

#include <algorithm>
#include <cmath>

namespace vortel {

CoverageRaster::CoverageRaster(int32_t width, int32_t height)
    : width_(width), height_(height), acc_(size_t(std::max(width, 0)) + 1, 0.0f) {}

void CoverageRaster::addPolygon(const std::vector<PointF>& polygon) {
    for (size_t i = 0; i < polygon.size(); ++i) {
        PointF a = polygon[i], b = polygon[(i + 1) % polygon.size()];
        if (a.y == b.y) continue;  // a level edge crosses no sub-line
        if (a.y > b.y) std::swap(a, b);
        edges_.push_back({a.y, b.y, a.x, (b.x - a.x) / (b.y - a.y)});
    }
    std::sort(edges_.begin(), edges_.end(), [](const Edge& l, const Edge& r) { return l.yTop < r.yTop; });
}

void CoverageRaster::sampleLine(double y, size_t& next, std::vector<const Edge*>& active) {
    while (next < edges_.size() && edges_[next].yTop <= y) active.push_back(&edges_[next++]);
    std::erase_if(active, [y](const Edge* e) { return e->yBottom <= y; });
    crossings_.clear();
    for (const Edge* e : active) crossings_.push_back(e->x0 + (y - e->yTop) * e->slope);
    std::sort(crossings_.begin(), crossings_.end());
    for (size_t i = 0; i + 1 < crossings_.size(); i += 2) addSpan(crossings_[i], crossings_[i + 1]);
}

void CoverageRaster::addSpan(double a, double b) {
    a = std::clamp(a, 0.0, double(width_));
    b = std::clamp(b, 0.0, double(width_));
    if (b <= a) return;
    constexpr float weight = 1.0f / SubLines;
    const int32_t ia = int32_t(a), ib = int32_t(b);
    if (ia == ib) {
        acc_[size_t(ia)] += float(b - a) * weight;
    } else {
        acc_[size_t(ia)] += float(ia + 1 - a) * weight;
        for (int32_t x = ia + 1; x < ib; ++x) acc_[size_t(x)] += weight;
        acc_[size_t(ib)] += float(b - ib) * weight;  // acc_ has one spare column for b = width
    }
    spans_.push_back({ia, std::min(ib + 1, width_)});
}

void CoverageRaster::mergeSpans() {
    std::sort(spans_.begin(), spans_.end(), [](const Span& l, const Span& r) { return l.from < r.from; });
    size_t out = 0;
    for (const Span& s : spans_) {
        if (out > 0 && s.from <= spans_[out - 1].to)
            spans_[out - 1].to = std::max(spans_[out - 1].to, s.to);
        else
            spans_[out++] = s;
    }
    spans_.resize(out);
}

}  // namespace vortel
