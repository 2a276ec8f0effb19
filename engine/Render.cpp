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
    thread_local bool value = false;
    return value;
}

bool TFontFX::isUnwarped() const {
    for (int g = 0; g < 4; ++g)
        if (NumGuidePoints[g] != 2) return false;
    const auto& up = GuidePoints[0];
    const auto& low = GuidePoints[2];
    // Only an upright box is drawn as plain text: sloped or inverted two-point guides (a rising or
    // falling line of text) go through the warp like any other shape.
    const bool box = up[0].x == low[0].x && up[1].x == low[1].x && up[0].y == up[1].y && low[0].y == low[1].y &&
                     up[0].x < up[1].x && up[0].y < low[0].y;
    const bool noFringe = Fringe.FringeKind == 0 && Fringe.OutlineStep == 100 && Fringe.FringeX == 0 && Fringe.FringeY == 0;
    // Letters spread by edited distribution curves need the warp too.
    return box && noFringe && evenCurves();
}

// A shadow right under the text, as large, in the colour of a plain text fill, already is the
// text: drawing the letters again would only hide its blur.
bool TFontFX::shadowDrawsText() const {
    const ShadowParams& s = Shadow;
    return s.ShadowBlur >= 0 && s.ShadowX == 0 && s.ShadowY == 0 && s.ShadowAngle == 0 && s.ShadowSize == 100 &&
           s.ShadowColor == TextFill.FillColor && TextFill.FillKind == 2;
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
    pictureInBuffer_ = false;
    if (draft) {
        drawDraft(dc);
        UpdateTextDC(dc);
        return;
    }
    const PriorityBoost boost;
    const bool bevel = Bevel.enabled();
    const bool rebuild = TextMask.empty() || bevel != lastBevelEnabled();
    const bool repaint = rebuild || !renderOptions.bevelPageActive || BevelChanged;
    const bool pixelFrame = Frame.FrameKind != 0 && Frame.FramePixel != 0;
    const bool fast = Shadow.ShadowBlur < 0 && !bevel && !SmoothFont && !isUnwarped() && !Imprint.ImprintOn && !pixelFrame;
    TPixelBuffer& buffer = workBuffer_.buffer;
    const bool shadowOn = Shadow.ShadowBlur >= 0;
    bool drawShadow = shadowOn && (!renderOptions.bevelPageActive || BevelChanged);
    const bool wholeCanvas = !dc.clipped() && ImageRect.left == 0 && ImageRect.top == 0 &&
                             ImageRect.width() == dc.width() && ImageRect.height() == dc.height();
    const bool polygonFrame = Frame.FrameKind != 0 && Frame.FramePixel == 0;
    // A plain background of a picture that ends in the buffer goes straight into the buffer: the
    // canvas would only be filled to be copied.
    const bool plainBackInBuffer = renderOptions.pictureToBufferOnly && !fast && repaint && wholeCanvas &&
                                   !polygonFrame && BackFill.FillKind == 2;
    if (!fast && rebuild) {
        // The text image is painted where the background is about to go, when the canvas is the
        // work image and nothing clips it; else on a canvas of its own.
        if (wholeCanvas) {
            // The text image is a step of the render, not a picture to show: the view is not told.
            struct Quiet {
                Canvas& dc;
                std::function<void()> listener = dc.changeListener();
                explicit Quiet(Canvas& c) : dc(c) { dc.setChangeListener(nullptr); }
                ~Quiet() { dc.setChangeListener(std::move(listener)); }
            } quiet(dc);
            dc.saveDC();
            paintTextImage(dc);
            dc.restoreDC();
            CreateTextPointer(dc);
        } else {
            Canvas text(dc.width(), dc.height());
            paintTextImage(text);
            CreateTextPointer(text);
        }
        MaskBounds = WarpedBounds;
        ShadowMask.clear();
        BevelChanged = true;
        drawShadow = shadowOn;
    }
    if (repaint && !plainBackInBuffer) PaintFill(dc, BackFill, ImageRect);

    if (fast) {
        // Nothing needs per-pixel work: the letters are the text fill clipped to the outline.
        dc.saveDC();
        BuildTextPath(dc);
        dc.setPolyFillMode(FillMode::Winding);
        dc.selectClipPath();
        PaintFill(dc, TextFill, ImageRect);
        dc.restoreDC();
    } else {
        if (!rebuild) {
            // A fresh warp has put the outline's own box into WarpedBounds; the cached mask was
            // measured (and, with the bevel, widened) when it was built, and its box goes with it.
            WarpedBounds = MaskBounds;
        }
        if (BevelChanged) UpdateBevelFunc();
        if (plainBackInBuffer) FillPixelBuffer(buffer, dc.width(), dc.height(), BackFill.FillColor);
        else BitmapToPixelBuffer(dc, buffer);
        if (drawShadow) {
            if (ShadowMask.empty()) CreateShadowPointer(buffer);
            ZeichneShadow(buffer);
        }
        if (pixelFrame) ZeichneBGFrame(buffer);
        if (!shadowDrawsText()) ZeichneText(buffer);
        pictureInBuffer_ = renderOptions.pictureToBufferOnly && !polygonFrame && buffer.Width == dc.width() &&
                           buffer.Height == dc.height();
        if (!pictureInBuffer_) PixelBufferToCanvas(buffer, dc);
    }
    if (Frame.FrameKind != 0 && Frame.FramePixel == 0) ZeichneBGFramePolygon(dc, dc.width(), dc.height());
    lastBevelEnabled() = bevel;
    UpdateTextDC(dc);
}

}  // namespace vortel
