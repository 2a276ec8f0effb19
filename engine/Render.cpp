#include "engine/Fills.h"
#include "engine/FontFX.h"
#include "platform/Priority.h"

namespace vortel {

namespace {
constexpr ColorRef kLightGrey = 0xC0C0C0;  // the stock light-grey brush
constexpr ColorRef kWhite = 0xFFFFFF;
constexpr ColorRef kBlack = 0x000000;
}  // namespace

bool& lastBevelEnabled() {
    static bool value = false;
    return value;
}

bool TFontFX::isUnwarped() const {
    for (int g = 0; g < 4; ++g)
        if (NumGuidePoints[g] != 2) return false;
    const auto& up = GuidePoints[0];
    const auto& low = GuidePoints[2];
    const bool box = up[0].x == low[0].x && up[1].x == low[1].x;
    const bool noFringe = Fringe.FringeKind == 0 && Fringe.OutlineStep == 100 && Fringe.FringeX == 0 && Fringe.FringeY == 0;
    return box && noFringe;
}

// Light grey letters with a black outline on white, no effect of any kind. The unwarped text is
// recorded from the same layout as the full render's, so both qualities place it alike.
void TFontFX::drawDraft(Canvas& dc) {
    dc.saveDC();
    if (isUnwarped()) {
        dc.setBkMode(BkMode::Transparent);
        dc.beginPath();
        DrawTextNormalInGuideRect(dc);
        dc.endPath();
    } else {
        BuildTextPath(dc);
    }
    dc.fillRect(Rect{0, 0, ImageRect.width(), ImageRect.height()}, kWhite);
    dc.setPolyFillMode(FillMode::Winding);
    dc.strokeAndFillPath(kBlack, kLightGrey);
    dc.restoreDC();
}

// White letters on black: the picture the text mask is read from.
void TFontFX::paintTextImage(Canvas& text) {
    text.fillRect(ImageRect, kBlack);
    if (isUnwarped()) {
        text.setTextColor(kWhite);
        text.setBkColor(kBlack);
        text.setBkMode(BkMode::Transparent);
        DrawTextNormalInGuideRect(text);
    } else {
        BuildTextPath(text);
        text.setPolyFillMode(FillMode::Winding);
        text.fillPath(kWhite);
    }
    if (Imprint.ImprintOn && Imprint.ImprintBitmap)
        ApplyImprint(text, *Imprint.ImprintBitmap, WarpedBounds, ImageRect.height());
}

void TFontFX::ShowText(Canvas& dc, bool draft) {
    if (draft) {
        drawDraft(dc);
        UpdateTextDC(dc);
        return;
    }
    const PriorityBoost boost;
    const bool bevel = Bevel.enabled();
    const bool rebuild = TextMask.empty() || bevel != lastBevelEnabled();
    const bool repaint = rebuild || !renderOptions.bevelPageActive || BevelChanged;
    if (repaint) PaintFill(dc, BackFill, ImageRect);

    const bool pixelFrame = Frame.FrameKind != 0 && Frame.FramePixel != 0;
    const bool fast = Shadow.ShadowBlur < 0 && !bevel && !SmoothFont && !isUnwarped() && !Imprint.ImprintOn && !pixelFrame;
    if (fast) {
        // Nothing needs per-pixel work: the letters are the text fill clipped to the outline.
        dc.saveDC();
        BuildTextPath(dc);
        dc.setPolyFillMode(FillMode::Winding);
        dc.selectClipPath();
        PaintFill(dc, TextFill, ImageRect);
        dc.restoreDC();
    } else {
        TPixelBuffer buffer;
        if (rebuild) {
            Canvas text(dc.width(), dc.height());
            paintTextImage(text);
            BitmapToPixelBuffer(text, buffer);
            CreateTextPointer(buffer);
            ShadowMask.clear();
            BevelChanged = true;
        }
        if (BevelChanged) UpdateBevelFunc();
        BitmapToPixelBuffer(dc, buffer);
        // The shadow (into the buffer, before the frame) and the pixel frame join here.
        ZeichneText(buffer);
        PixelBufferToCanvas(buffer, dc);
    }
    // The polygon frame is drawn here, on top of the finished picture.
    lastBevelEnabled() = bevel;
    UpdateTextDC(dc);
}

}  // namespace vortel
