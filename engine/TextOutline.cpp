#include <algorithm>
#include <cmath>
#include <map>

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
        messages.status(0, "Schriftart \"" + lf.faceName() + "\" nicht installiert, ersetzt durch \"" +
                               font->familyName() + "\"");
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

    TextExtent = Size{0, -LineSpacing};
    LineCount = countLines(text);
    int32_t blockHeight = block.cy;
    if (fitFlag) blockHeight -= roundEven32(blockHeight / (6.0 * LineCount));
    buildRandomTables(text.size() + 1);

    std::u32string rest = text;
    size_t charIndex = 0;
    for (int32_t l = 0; l < LineCount; ++l) {
        const size_t cr = rest.find(U'\r');
        const std::u32string line = trimmed(std::u32string_view(rest).substr(0, cr));
        rest = cr == std::u32string::npos ? std::u32string() : trimmed(std::u32string_view(rest).substr(cr + 1));

        int32_t width = 0;
        if (kerning) {
            for (int32_t a : dc.kernedAdvances(line)) width += a + CharSpacing;
        } else {
            dc.setTextCharacterExtra(CharSpacing);
            width = dc.textExtent(line).cx;
            dc.setTextCharacterExtra(0);
        }
        int32_t x = 0;
        if (TextFormat & DT_CENTER) x = (block.cx - width) / 2;
        else if (TextFormat & DT_RIGHT) x = block.cx - width;
        if (fitFlag) x += xOffset;
        int32_t y = LineCount == 1 ? yOffset : blockHeight * l / LineCount + yOffset;
        y += LineSpacing * l;

        drawLine(dc, line, x + ImageRect.left, y + ImageRect.top, charIndex, kerning);
        TextExtent.cx = std::max(TextExtent.cx, width);
    }
    TextExtent.cy = (LineCount - 1) * LineSpacing + blockHeight;
    return TextExtent;
}

// Draws one laid-out line: in one text-out call, or character by character when letters tilt or
// jump. Every character advances by the same amount that measured the line, so centring holds.
void TFontFX::drawLine(Canvas& dc, std::u32string_view line, int32_t x, int32_t y, size_t& charIndex, bool kerning) {
    std::vector<int32_t> advances;
    if (kerning) {
        advances = dc.kernedAdvances(line);
        for (int32_t& a : advances) a += CharSpacing;
    }
    if (KippAmount == 0 && HochTiefAmount == 0) {
        if (kerning) {
            dc.extTextOut(x, y, line, &advances);
        } else {
            dc.setTextCharacterExtra(CharSpacing);
            dc.extTextOut(x, y, line);
            dc.setTextCharacterExtra(0);
        }
        charIndex += line.size();
        return;
    }

    const FontPtr base = dc.font();
    std::map<int32_t, FontPtr> tilted;  // one font per tilt angle of this line
    int32_t penX = x;
    for (size_t i = 0; i < line.size(); ++i, ++charIndex) {
        const size_t t = std::min(charIndex, tiltTable_.size() - 1);
        const int32_t tilt = tiltTable_[t];
        const std::u32string_view ch = line.substr(i, 1);
        const Size cell = dc.textExtent(ch);
        double shiftX = 0, shiftY = 0;
        if (KippAmount != 0) {
            auto& f = tilted[tilt];
            if (!f) {
                LogFont lf = Font;
                lf.lfEscapement = lf.lfOrientation = tilt;
                f = vortel::Font::create(lf);
            }
            // Turn the character about its own cell centre instead of the cell's corner.
            const double a = tilt * M_PI / 1800.0, cx = cell.cx / 2.0, cy = cell.cy / 2.0;
            shiftX = cx - (cx * std::cos(a) + cy * std::sin(a));
            shiftY = cy - (-cx * std::sin(a) + cy * std::cos(a));
            dc.selectFont(f);
        }
        dc.extTextOut(penX + roundEven32(shiftX), y + raiseTable_[t] + roundEven32(shiftY), ch);
        dc.selectFont(base);
        penX += kerning ? advances[i] : dc.charAbcWidths(line[i]).advance() + CharSpacing;
    }
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
        dc.selectFont(vortel::Font::create(Font));
        DrawTextNormal(dc, true, r.top - d, r.left);
    } catch (...) {
        Font = saved;
        throw;
    }
    Font = saved;
}

void TFontFX::UpdateTextDC(Canvas& dc) { dc.notifyChanged(); }

}  // namespace vortel
