#include <algorithm>
#include <cmath>

#include "engine/FontFX.h"
#include "engine/Helpers.h"

namespace vortel {

namespace {

bool isBlankOrControl(char32_t c) { return c <= U' '; }

std::u32string trimmed(std::u32string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && isBlankOrControl(s[b])) ++b;
    while (e > b && isBlankOrControl(s[e - 1])) --e;
    return std::u32string(s.substr(b, e - b));
}

std::u32string layoutText(const std::string& text) {
    std::u32string t = utf8ToU32(text);
    if (t.size() > MaxTextChars) t.resize(MaxTextChars);
    return t;
}

int32_t countLines(std::u32string_view t) {
    return 1 + static_cast<int32_t>(std::count(t.begin(), t.end(), U'\r'));
}

// Restores the canvas's font and closes an open path bracket however the layout ends.
class FontScope {
public:
    explicit FontScope(Canvas& dc) : dc_(dc), saved_(dc.font()) {}
    ~FontScope() { dc_.selectFont(saved_); }

private:
    Canvas& dc_;
    FontPtr saved_;
};

// A face that is not installed is drawn with its class's closest face that writes the text; the
// status bar says so on every layout with it, so the note stays in view while the document uses
// that face.
FontPtr createNotingSubstitution(const LogFont& lf, const std::string& text, UserMessages& messages) {
    FontPtr font = vortel::Font::create(lf, layoutText(text));
    if (font->substituted()) {
        messages.status(0, composeMessage(VORTEL_TEXT("Messages", "Schriftart \"%1\" nicht installiert, ersetzt durch \"%2\""),
                                          lf.faceName(), font->familyName()));
    }
    return font;
}

}  // namespace

void TFontFX::buildRandomTables(size_t characters) {
    const size_t n = std::min(characters, RandomTableSize);
    tiltTable_.assign(n, 0);
    raiseTable_.assign(n, 0);
    Random tilt(static_cast<uint32_t>(KippSeed)), raise(static_cast<uint32_t>(HochTiefSeed));
    for (size_t i = 0; i < n; ++i) {
        tiltTable_[i] = roundEven32((tilt.real() - 0.5) * 20 * KippAmount);
        raiseTable_[i] = roundEven32((raise.real() - 0.5) * 2 * HochTiefAmount);
    }
}

bool TFontFX::GetPointsAndTypes(Canvas& dc, bool measureOnly) {
    dc.setBkMode(BkMode::Transparent);
    dc.beginPath();
    try {
        FontScope scope(dc);
        dc.selectFont(createNotingSubstitution(Font, Text, messages()));
        TextExtent = DrawTextNormal(dc, false, 0, 0);
    } catch (...) {
        dc.endPath();
        throw;
    }
    dc.endPath();

    if (guidesInInitialState()) placeInitialGuides(measureOnly);
    if (measureOnly) {
        Font.lfHeight = 120;
        return true;
    }
    const bool fringeOn = Fringe.FringeX != 0 || Fringe.FringeY != 0;
    if (fringeOn || Fringe.OutlineStep != 100) dc.flattenPath();

    // The path keeps sub-pixel coordinates; one decimal of them survives in the integer outline.
    const GdiPath& path = dc.path();
    OutlinePoints.assign(path.size(), Point{});
    OutlineTypes.assign(path.types().begin(), path.types().end());
    for (size_t i = 0; i < path.size(); ++i)
        OutlinePoints[i] = Point{roundEven32(path.points()[i].x * 10), roundEven32(path.points()[i].y * 10)};
    NumOutlinePoints = static_cast<int32_t>(path.size());

    if (Fringe.OutlineStep != 100) SplittePathPoints();
    return true;
}

void TFontFX::placeInitialGuides(bool measureOnly) {
    const int32_t imageW = ImageRect.width(), imageH = ImageRect.height();
    const int32_t m = roundEven32(imageW * 3 / 100.0);
    const int32_t w = imageW - 2 * m, h = imageH - 2 * m;
    const int32_t cx = TextExtent.cx;
    int32_t cy = TextExtent.cy;
    if (measureOnly) cy -= 2 * roundEven32(cy / (6.0 * LineCount));

    int32_t d = 0, e = 0;
    // An empty text or a too small image has no aspect ratio to keep: use the whole inner area.
    if (cx > 0 && cy > 0 && w > 0 && h > 0) {
        // A very long word (or a very tall block) still keeps a rectangle of one pixel across, as
        // a text box shows it ever smaller instead of not at all.
        if (double(cx) / w >= double(cy) / h)
            e = (h - std::max(roundEven32(double(w) / cx * cy), 1)) / 2;
        else
            d = (w - std::max(roundEven32(double(h) / cy * cx), 1)) / 2;
    }
    GuidePoints[0] = {Point{m + d, m + e}, Point{m + w - d, m + e}};
    GuidePoints[2] = {Point{m + d, m + h - e}, Point{m + w - d, m + h - e}};
    NumGuidePoints[0] = NumGuidePoints[2] = 2;
    SetNachbarPoints(0);
    SetNachbarPoints(2);
}

Size TFontFX::DrawTextNormal(Canvas& dc, bool fitFlag, int32_t yOffset, int32_t xOffset) {
    const FontPtr base = dc.font();
    const bool kerning = base && base->hasKerning();
    const std::u32string text = layoutText(Text);

    dc.setTextCharacterExtra(CharSpacing);
    const Size block = dc.drawText(text, Rect{0, 0, 10000, 10000}, TextFormat | DT_CALCRECT);
    dc.setTextCharacterExtra(0);
    dc.setTabStop(TextFormat & DT_EXPANDTABS ? 8 : 0);

    TextExtent = Size{0, -LineSpacing};
    LineCount = countLines(text);
    int32_t blockHeight = block.cy;
    if (fitFlag) blockHeight -= roundEven32(blockHeight / (6.0 * LineCount));
    buildRandomTables(text.size() + 1);

    std::u32string rest = text;
    size_t letterIndex = 0;
    for (int32_t l = 0; l < LineCount; ++l) {
        const size_t cr = rest.find(U'\r');
        const std::u32string line = trimmed(std::u32string_view(rest).substr(0, cr));
        rest = cr == std::u32string::npos ? std::u32string() : trimmed(std::u32string_view(rest).substr(cr + 1));

        const ShapedLine shaped = dc.shape(line, kerning);
        const int32_t width = static_cast<int32_t>(shaped.width(CharSpacing));
        // A right-to-left line starts where its reader starts: the alignment is mirrored.
        uint32_t align = TextFormat & (DT_CENTER | DT_RIGHT);
        if (shaped.rightToLeft && !(align & DT_CENTER)) align ^= DT_RIGHT;
        int32_t x = 0;
        if (align & DT_CENTER) x = (block.cx - width) / 2;
        else if (align & DT_RIGHT) x = block.cx - width;
        if (fitFlag) x += xOffset;
        int32_t y = LineCount == 1 ? yOffset : blockHeight * l / LineCount + yOffset;
        y += LineSpacing * l;

        drawLine(dc, shaped, x + ImageRect.left, y + ImageRect.top, letterIndex);
        TextExtent.cx = std::max(TextExtent.cx, width);
    }
    dc.setTabStop(0);
    TextExtent.cy = (LineCount - 1) * LineSpacing + blockHeight;
    return TextExtent;
}

// Draws one laid-out line: in one go, or letter by letter (a letter being a character cluster)
// when letters tilt or jump. Every letter advances by the same amount that measured the line, so
// centring holds.
void TFontFX::drawLine(Canvas& dc, const ShapedLine& line, int32_t x, int32_t y, size_t& letterIndex) {
    if (KippAmount == 0 && HochTiefAmount == 0) {
        std::vector<int32_t> advances;
        for (const TextCluster& c : line.clusters) advances.push_back(c.advance + CharSpacing);
        dc.drawShaped(x, y, line, &advances);
        letterIndex += line.clusters.size();
        return;
    }

    const int32_t cellHeight = dc.font()->metrics().height;
    const int32_t ownTurn = Font.lfEscapement;
    int32_t penX = x;
    for (const TextCluster& cluster : line.clusters) {
        const size_t t = std::min(letterIndex++, tiltTable_.size() - 1);
        const int32_t tilt = KippAmount != 0 ? tiltTable_[t] : ownTurn;
        double shiftX = 0, shiftY = 0;
        if (KippAmount != 0) {
            // Turn the letter about its own cell centre instead of the cell's corner.
            const double a = tilt * M_PI / 1800.0, cx = cluster.width / 2.0, cy = cellHeight / 2.0;
            shiftX = cx - (cx * std::cos(a) + cy * std::sin(a));
            shiftY = cy - (-cx * std::sin(a) + cy * std::cos(a));
        }
        dc.drawCluster(penX + roundEven32(shiftX), y + raiseTable_[t] + roundEven32(shiftY), cluster, tilt);
        penX += cluster.advance + CharSpacing;
    }
}

namespace {

struct InkBox {
    double left = 0, top = 0, right = 0, bottom = 0;
    bool empty = true;
    double width() const { return right - left; }
    double height() const { return bottom - top; }
};

InkBox inkOf(const GdiPath& path) {
    InkBox box;
    for (const PointF& p : path.points()) {
        if (box.empty) box = InkBox{p.x, p.y, p.x, p.y, false};
        box.left = std::min(box.left, p.x);
        box.top = std::min(box.top, p.y);
        box.right = std::max(box.right, p.x);
        box.bottom = std::max(box.bottom, p.y);
    }
    return box;
}

}  // namespace

// The box is filled by the font's cell, which a face's accents and descenders may leave: that is
// the classic look, and the letters may reach past the guides. But a tall face, an umlaut on a
// capital or wide letter spacing could take them past the picture's edge, where they are cut.
// Then the font is made smaller until the ink fits the guides' box and the ink is moved inside it;
// text that the picture shows whole is drawn exactly where the cell puts it.
Point TFontFX::keepInkInside(Canvas& dc, const Rect& guides, int32_t yOffset, int32_t xOffset) {
    const InkBox box{double(guides.left), double(guides.top), double(guides.right), double(guides.bottom), false};
    const auto measure = [&] {
        Canvas probe(1, 1);
        probe.selectFont(dc.font());
        probe.beginPath();
        const Size extent = TextExtent;
        const int32_t lines = LineCount;
        DrawTextNormal(probe, true, yOffset, xOffset);
        TextExtent = extent;
        LineCount = lines;
        probe.endPath();
        probe.flattenPath();
        InkBox ink = inkOf(probe.path());
        ink.left -= ImageRect.left, ink.right -= ImageRect.left;
        ink.top -= ImageRect.top, ink.bottom -= ImageRect.top;
        return ink;
    };
    InkBox ink = measure();
    // A pixel is inked when its centre is inside: half a pixel over the edge stays unseen.
    const bool cut = ink.left < -0.5 || ink.top < -0.5 || ink.right > ImageRect.width() + 0.5 ||
                     ink.bottom > ImageRect.height() + 0.5;
    if (ink.empty || !cut) return Point{0, 0};
    for (int pass = 0; pass < 4; ++pass) {
        const bool narrower = ink.width() > box.width(), lower = ink.height() > box.height();
        if (!narrower && !lower) break;
        if (lower) Font.lfHeight = std::max(1, int32_t(std::floor(Font.lfHeight * box.height() / ink.height())));
        if (narrower) {
            const int32_t width = Font.lfWidth != 0 ? Font.lfWidth : dc.font()->metrics().avgCharWidth;
            Font.lfWidth = std::max(1, int32_t(std::floor(width * box.width() / ink.width())));
        }
        dc.selectFont(vortel::Font::create(Font, layoutText(Text)));
        ink = measure();
        if (ink.empty) return Point{0, 0};
    }
    const auto into = [](double low, double high, double from, double to) {
        if (high - low > to - from) return roundEven32((from + to - low - high) / 2);
        if (low < from) return int32_t(std::ceil(from - low));
        if (high > to) return int32_t(std::floor(to - high));
        return 0;
    };
    return Point{into(ink.left, ink.right, box.left, box.right), into(ink.top, ink.bottom, box.top, box.bottom)};
}

void TFontFX::DrawTextNormalInGuideRect(Canvas& dc) {
    if (NumGuidePoints[0] == 0 || NumGuidePoints[2] == 0) return;
    const Point a = GuidePoints[0].front(), b = GuidePoints[2][NumGuidePoints[2] - 1];
    const Rect r{a.x, a.y, b.x, b.y};
    const int32_t imageH = ImageRect.height();
    WarpedBounds = Rect{r.left, imageH - r.bottom, r.right, imageH - r.top};

    const std::u32string text = layoutText(Text);
    LineCount = countLines(text);
    const int32_t n = LineCount;
    const int32_t usable = r.height() - (n - 1) * LineSpacing;
    const int32_t d = roundEven32(usable / (6.0 * n - 2));
    const int32_t wanted = usable + 2 * d;
    if (r.width() <= 0 || wanted <= 0) return;  // nothing to fill

    const LogFont saved = Font;
    FontScope scope(dc);
    try {
        Font.lfHeight = wanted;
        Font.lfWidth = 30;
        dc.selectFont(createNotingSubstitution(Font, Text, messages()));
        const Size measured = dc.drawText(text, Rect{0, 0, 10000, 10000}, TextFormat | DT_CALCRECT);
        Font.lfHeight = mulDiv(Font.lfHeight, wanted, measured.cy);
        const size_t cr = text.find(U'\r');
        const int32_t c = static_cast<int32_t>(cr == std::u32string::npos ? text.size() : cr) - 2;
        const int32_t measuredWidth = measured.cx + CharSpacing * c;
        if (measuredWidth > 0) Font.lfWidth = mulDiv(30, r.width(), measuredWidth);
        dc.selectFont(vortel::Font::create(Font, layoutText(Text)));
        const Point shift = keepInkInside(dc, r, r.top - d, r.left);
        DrawTextNormal(dc, true, r.top - d + shift.y, r.left + shift.x);
    } catch (...) {
        Font = saved;
        throw;
    }
    Font = saved;
}

void TFontFX::UpdateTextDC(Canvas& dc) { dc.notifyChanged(); }

}  // namespace vortel
