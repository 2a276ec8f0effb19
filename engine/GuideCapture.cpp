#include <algorithm>
#include <cmath>

#include "engine/FontFX.h"

namespace vortel {

namespace {
const char* const kTooFewText = VORTEL_TEXT(
    "Messages",
    "Sie benötigen mindestens 2 Punkte für eine Text-Begrenzungslinie!\rBitte zeichnen Sie mit gedrückter Maustaste "
    "eine Linie.");

double distance(Point a, Point b) { return std::hypot(double(a.x) - b.x, double(a.y) - b.y); }
}  // namespace

bool TFontFX::GetGuideLineBegin(Canvas& canvas, const Rect& rect) {
    if (SelectedGuide < 0 || SelectedGuide > 3) {
        messages().messageBox(
            VORTEL_TEXT("Messages", "Bitte markieren Sie zuerst eine Begrenzungslinie, die Sie verändern möchten."),
            VORTEL_TEXT("Messages", "Fehler"), MessageIcon::Error);
        return false;
    }
    const int g = SelectedGuide;
    SetUndoRecord(1, g);
    capture_ = Capture{};
    capture_.active = true;
    capture_.canvas = &canvas;
    capture_.rect = rect;
    capture_.oldCount = NumGuidePoints[g];
    capture_.oldFirst = GuidePoints[g].size() > 0 ? GuidePoints[g][0] : Point{};
    capture_.oldSecond = GuidePoints[g].size() > 1 ? GuidePoints[g][1] : Point{};
    resizeGuide(g, GuideCaptureCapacity, "Zu wenig Speicher GuidePoints[SelectedGuide]=nil");
    return true;
}

void TFontFX::GetGuideLineAddPoint(Point mouse) {
    if (!capture_.active || capture_.index >= GuideCaptureCapacity || !capture_.rect.contains(mouse)) return;
    auto& pts = GuidePoints[SelectedGuide];
    const Point p{mouse.x - capture_.rect.left, mouse.y - capture_.rect.top};
    int32_t& i = capture_.index;
    if (i == 0) capture_.canvas->moveTo(p.x, p.y);
    pts[i] = p;
    capture_.canvas->lineTo(p.x, p.y);
    // The first point always stays; later ones only when they are 10 pixels from the last kept one.
    if (i == 0 || distance(pts[i], pts[i - 1]) >= 10) ++i;
}

bool TFontFX::GetGuideLineEnd() {
    if (!capture_.active) return false;
    capture_.active = false;
    const int g = SelectedGuide;
    auto& pts = GuidePoints[g];
    const int32_t count = capture_.index;
    if (count <= 1) {
        messages().messageBox(kTooFewText, "Nicht genug Punkte!", MessageIcon::Error);
        NumGuidePoints[g] = capture_.oldCount;
        resizeGuide(g, std::max<size_t>(capture_.oldCount, 2), "Zu wenig Speicher GuidePoints[SelectedGuide]=nil");
        pts[0] = capture_.oldFirst;
        pts[1] = capture_.oldSecond;
        return false;
    }
    NumGuidePoints[g] = static_cast<uint16_t>(count);
    // A side guide drawn from its lower end is turned round so that it runs top to bottom.
    auto nearerToBottom = [&](Point top, Point bottom) { return distance(pts[0], bottom) < distance(pts[0], top); };
    const bool framed = NumGuidePoints[0] > 0 && NumGuidePoints[2] > 0;
    if (framed && g == 1 && nearerToBottom(GuidePoints[0][NumGuidePoints[0] - 1], GuidePoints[2][NumGuidePoints[2] - 1]))
        std::reverse(pts.begin(), pts.begin() + count);
    if (framed && g == 3 && nearerToBottom(GuidePoints[0][0], GuidePoints[2][0]))
        std::reverse(pts.begin(), pts.begin() + count);
    SetNachbarPoints(g);
    resizeGuide(g, count, "Zu wenig Speicher GuidePoints[SelectedGuide]=nil");
    return true;
}

}  // namespace vortel
