#pragma once
// The bevel profile as the editor sees it: the square picture's geometry, the hit tests, the edits
// a mouse makes (drag, insert, delete) and the picture itself. The edits work on a copy of the
// bevel group; the page writes the result back through the engine's profile setter.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>

#include "engine/EffectParams.h"

namespace vortel::pages::bevelprofile {

// Profile units (0 .. 1000 both ways, y = 0 at the top) and the picture's pixels.
struct Geometry {
    QSize size;
    QPoint toPixel(int32_t x, int32_t y) const;
    int32_t unitX(int pixel) const;
    int32_t unitY(int pixel) const;
};

inline constexpr int MaxSegments = 10;
// A point is under the mouse when it lies closer than this, in pixels.
inline constexpr double HitRadius = 5;

// The point 1 .. count nearest to `mouse` and closer than HitRadius, or 0.
int HitPoint(const BevelParams& bevel, const Geometry& geometry, QPoint mouse);

// The segment i whose x range holds `x` strictly (point i - 1 < x < point i), or 0.
int SegmentAt(const BevelParams& bevel, int32_t x);

// The segment whose coloured area (on or under its curve) holds `mouse`, or the segment a point
// under the mouse ends; 0 when the mouse is over the empty part of the picture.
int SegmentUnder(const BevelParams& bevel, const Geometry& geometry, QPoint mouse);

// Height of segment `type` (1 line, 2 concave, 3 convex) between y0 and y1 at 0 <= t <= 1, in the
// editor's units (y grows downwards): the same shapes the renderer's slope table gives.
double CurveY(int type, double y0, double y1, double t);

// Where point `index` may go: x between its neighbours (the right edge for the last point), y
// within the picture.
QPoint ClampDrag(const BevelParams& bevel, int index, QPoint unit);

// Splits the segment that holds `unit.x()` at `unit`: the new point takes that segment's line type,
// fill, colour and transparency. False (and nothing changed) with 10 segments or outside every
// segment.
bool InsertPoint(BevelParams& bevel, QPoint unit);

// Adds a segment after the last point, from it to the right edge at height `y`, so a profile
// whose end was dragged inwards still reaches the letter's inner side. False with 10 segments.
bool AppendToEdge(BevelParams& bevel, int32_t y);

// "Delete segment": point `pointUnderMouse` goes when it is 1 .. count - 1; otherwise segment
// `segmentUnderMenu` goes when it is 1 .. count and at least two remain. Returns whether one went.
bool DeleteSegment(BevelParams& bevel, int pointUnderMouse, int segmentUnderMenu);

// What a segment's fill stands for in the editor.
struct SurfaceColors {
    QColor text;        // fill 0
    QColor background;  // fill 1
};
// One colour that stands for a surface: its solid colour, a gradient's first colour, or a
// texture's average.
QColor RepresentativeColor(const FillRecord& fill);

// The colour a segment's area is drawn with: its fill's colour, lighter by its transparency.
QColor SegmentColor(const BevelPoint& point, const SurfaceColors& surfaces);

// The editor's picture: the grid, every segment's area in its colour under its curve, the curve,
// and a handle at every point. `hint` writes the right-click hint at the top; `preview` >= 1 draws
// that point at `previewAt` (pixels) with its two neighbouring segments in red (a drag). `size` and
// every position are layout pixels; the image has `ratio` device pixels to each (and says so), so
// it paints sharp on a screen of that ratio.
QImage DrawProfile(const BevelParams& bevel, QSize size, const SurfaceColors& surfaces, const QString& hint = {},
                   int preview = 0, QPoint previewAt = {}, qreal ratio = 1);

// An image beside the editor: the surface that meets that end of the profile (left the background
// at the outer edge, right the letter's flat top), in its colour with its caption written upwards.
QImage DrawSide(QSize size, QColor colour, const QString& caption, qreal ratio = 1);

}  // namespace vortel::pages::bevelprofile
