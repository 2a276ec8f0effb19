#include "engine/FontFX.h"
#include "engine/FrameGeometry.h"

namespace vortel {

void TFontFX::ZeichneBGFramePolygon(Canvas& dc, int32_t width, int32_t height) {
    const int32_t w = clampFrame(Frame, width, height);
    Random rng(static_cast<uint32_t>(Frame.FrameSeed));
    const std::vector<FramePoint> points = framePoints(width, height, w, Frame.FramePoints, rng);
    const std::vector<FrameOp> line = frameLine(Frame.FrameKind, points, w, rng);
    if (line.empty()) return;

    dc.saveDC();
    dc.beginPath();
    // The image rectangle and the frame line together: the alternate rule fills only the ring
    // between them.
    dc.moveTo(0, 0);
    dc.lineTo(width, 0);
    dc.lineTo(width, height);
    dc.lineTo(0, height);
    dc.lineTo(0, 0);
    for (const FrameOp& op : line) {
        if (op.kind == FrameOp::Move)
            dc.moveTo(op.end.x, op.end.y);
        else if (op.kind == FrameOp::Line)
            dc.lineTo(op.end.x, op.end.y);
        else
            dc.bezierTo(op.c1, op.c2, op.end);
    }
    dc.closeFigure();
    dc.endPath();
    dc.setPolyFillMode(FillMode::Alternate);
    dc.fillPath(Frame.FrameColor);
    dc.restoreDC();
}

}  // namespace vortel
