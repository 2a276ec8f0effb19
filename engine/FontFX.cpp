#include "engine/FontFX.h"

#include <cerrno>
#include <limits>
#include <new>

#include "platform/Numeric.h"

namespace vortel {

Rect emptyBounds() {
    constexpr int32_t big = std::numeric_limits<int32_t>::max();
    return Rect{big, big, 0, 0};
}

static std::vector<Point> initialCurve(uint8_t n, bool horizontal) {
    std::vector<Point> curve(n);
    for (int i = 0; i < n; ++i) {
        int32_t t = roundEven32(1000.0 * i / (n - 1));
        curve[i] = horizontal ? Point{t - 500, 0} : Point{0, 500 - t};
    }
    return curve;
}

bool TFontFX::evenCurves() const {
    static const std::vector<Point> horz = initialCurve(NumHorzCurvePoints, true), vert = initialCurve(NumVertCurvePoints, false);
    const auto same = [](const std::vector<Point>& a, const std::vector<Point>& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](Point p, Point q) { return p.x == q.x && p.y == q.y; });
    };
    return same(HorzCurve, horz) && same(VertCurve, vert);
}

static FillRecord initialFill(ColorRef color, ColorRef first, ColorRef second) {
    FillRecord fill;
    fill.FillColor = color;
    fill.GradientColors[0] = first;
    fill.GradientColors[1] = second;
    fill.Texture = std::make_shared<Bitmap>();
    return fill;
}

TFontFX::TFontFX(Rect imageRect) : ImageRect(imageRect), WarpedBounds(emptyBounds()) {
    for (auto& guide : GuidePoints) guide.assign(2, Point{});
    const int32_t w = imageRect.width(), h = imageRect.height();
    RotationCenter = Point{w / 2, h / 2};
    RotationHandle = Point{w / 2, h / 8};
    HorzCurve = initialCurve(NumHorzCurvePoints, true);
    VertCurve = initialCurve(NumVertCurvePoints, false);

    Font.lfHeight = 120;
    Font.lfWeight = 700;
    Font.lfOutPrecision = 7;  // TrueType faces only
    Font.setFaceName("Arial");

    BackFill = initialFill(0xFF0000, 0x00FF00, 0x00FFFF);
    TextFill = initialFill(0x0000FF, 0xFF0000, 0xFFFF00);
    Imprint.ImprintBitmap = std::make_shared<Bitmap>();
}

TFontFX::~TFontFX() = default;

void TFontFX::copyStateFrom(const TFontFX& other) {
    if (&other == this) return;
    *this = other;
    ownMessages_ = RecordingMessages{};
    messages_ = &ownMessages_;
    MainWindowUndo = nullptr;
    UndoRefresh = nullptr;
    capture_ = Capture{};
    pictureInBuffer_ = false;  // the pixel buffer stayed behind
}

void TFontFX::adoptRenderFrom(const TFontFX& other) {
    if (&other == this) return;
    const int16_t selectedGuide = SelectedGuide;
    const int32_t selectedPoint = SelectedPoint, selectedPointGuide = SelectedPointGuide, insertAfter = InsertAfterPoint;
    const int32_t guideCode = lastGuideCode_;
    Drag drag = drag_;
    auto preview = std::move(dragPreview_);
    Capture capture = capture_;
    auto undo = std::move(MainWindowUndo);
    auto refresh = std::move(UndoRefresh);
    RecordingMessages recorded = std::move(ownMessages_);
    UserMessages* messages = messages_;  // this engine's own recorder keeps its address
    *this = other;
    SelectedGuide = selectedGuide;
    SelectedPoint = selectedPoint;
    SelectedPointGuide = selectedPointGuide;
    InsertAfterPoint = insertAfter;
    lastGuideCode_ = guideCode;
    drag_ = drag;
    dragPreview_ = std::move(preview);
    capture_ = capture;
    MainWindowUndo = std::move(undo);
    UndoRefresh = std::move(refresh);
    ownMessages_ = std::move(recorded);
    messages_ = messages;
    pictureInBuffer_ = false;
}

bool TFontFX::guidesInInitialState() const {
    for (int g = 0; g < 4; ++g)
        if (NumGuidePoints[g] != 2) return false;
    return GuidePoints[0].front() == Point{} && GuidePoints[2].back() == Point{};
}

void TFontFX::resizeGuide(int guide, size_t count, const char* what) {
    try {
        GuidePoints[guide].resize(count);
    } catch (const std::bad_alloc&) {
        raiseSystemError(what, errno);
    }
}

}  // namespace vortel
