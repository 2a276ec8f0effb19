#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/Geometry.h"

namespace vortel {

// Soft-edged filling of closed polylines by the alternate (even-odd) rule. Each pixel row is
// sampled on four sub-lines with the exact horizontal overlap on each, so the cost follows the
// covered area: a ring along the border never reaches the middle of the picture.
class CoverageRaster {
public:
    CoverageRaster(int32_t width, int32_t height);
    // Closed implicitly from the last point back to the first; y runs down the picture.
    void addPolygon(const std::vector<PointF>& polygon);
    // Calls visit(x, y, coverage 0..1] for every touched pixel, row by row from the top.
    template <class Visit>
    void forEach(Visit&& visit);

private:
    struct Edge {
        double yTop, yBottom, x0, slope;  // x at yTop and its change a unit of y
    };
    struct Span {
        int32_t from, to;  // columns, `to` exclusive
    };
    static constexpr int SubLines = 4;
    // Adds the sub-line's coverage to acc_ and the columns it touched to spans_.
    void sampleLine(double y, size_t& next, std::vector<const Edge*>& active);
    void addSpan(double a, double b);
    // Sorted, overlapping spans joined, so that each pixel is visited once.
    void mergeSpans();

    int32_t width_, height_;
    std::vector<Edge> edges_;
    std::vector<float> acc_;
    std::vector<Span> spans_;
    std::vector<double> crossings_;
};

template <class Visit>
void CoverageRaster::forEach(Visit&& visit) {
    if (edges_.empty()) return;
    std::vector<const Edge*> active;
    size_t next = 0;
    double yMax = 0;
    for (const Edge& e : edges_) yMax = e.yBottom > yMax ? e.yBottom : yMax;
    const int32_t firstRow = edges_.front().yTop < 0 ? 0 : int32_t(edges_.front().yTop);
    const int32_t endRow = yMax < height_ ? int32_t(yMax) + 1 : height_;
    for (int32_t y = firstRow; y < endRow; ++y) {
        spans_.clear();
        for (int s = 0; s < SubLines; ++s) sampleLine(y + (s + 0.5) / SubLines, next, active);
        mergeSpans();
        for (const Span& span : spans_)
            for (int32_t x = span.from; x < span.to; ++x) {
                if (acc_[size_t(x)] > 0) visit(x, y, acc_[size_t(x)] > 1 ? 1.0f : acc_[size_t(x)]);
                acc_[size_t(x)] = 0;
            }
    }
}

}  // namespace vortel
