#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/Geometry.h"

namespace vortel {

// Point types of a path, as the Windows path functions report them.
enum PathPointType : uint8_t {
    PT_CLOSEFIGURE = 0x01,
    PT_LINETO = 0x02,
    PT_BEZIERTO = 0x04,
    PT_MOVETO = 0x06,
};

// A recorded path: points in floating point with their point types. Béziers are stored as
// three points (two controls and the end point), each of type PT_BEZIERTO.
class GdiPath {
public:
    void moveTo(PointF p);
    void lineTo(PointF p);
    void bezierTo(PointF c1, PointF c2, PointF end);
    // Marks the last point as closing its figure.
    void closeFigure();
    void clear();
    // Replaces every Bézier by straight line-to points within `tolerance` logical units.
    void flatten(double tolerance = 0.2);

    const std::vector<PointF>& points() const { return points_; }
    const std::vector<uint8_t>& types() const { return types_; }
    size_t size() const { return points_.size(); }
    bool empty() const { return points_.empty(); }

private:
    std::vector<PointF> points_;
    std::vector<uint8_t> types_;
};

}  // namespace vortel
