#include "platform/Font.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_BBOX_H
#include FT_TRUETYPE_TABLES_H
#include <hb-ot.h>
#include <hb.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>
#include <tuple>
#include <unordered_map>
#include <utility>

#include "platform/Angle.h"
#include "platform/FontList.h"
#include "platform/FontMatchCache.h"
#include "platform/Numeric.h"
#include "platform/Texts.h"

namespace vortel {

namespace {

// Larger sizes only come from corrupt documents and would overflow the integer metrics.
constexpr double kMaxLogicalSize = 65536;
constexpr int32_t kDefaultCellHeight = 16;
constexpr double kItalicShear = 0.2;
constexpr FT_Int32 kLoadFlags = FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP;

struct FtLibrary {
    FT_Library lib = nullptr;
    FtLibrary() {
        if (FT_Init_FreeType(&lib) != 0) throw FontError("cannot initialise FreeType");
    }
    ~FtLibrary() { FT_Done_FreeType(lib); }
};

// Each face keeps the library alive, so the cache may be torn down in any order at exit. A FreeType
// library and its faces may be used by one thread at a time: each thread has its own.
std::shared_ptr<FtLibrary> ftLibrary() {
    thread_local auto library = std::make_shared<FtLibrary>();
    return library;
}

struct LoadedFace {
    std::shared_ptr<FtLibrary> library;
    FT_Face ft = nullptr;
    hb_face_t* hbFace = nullptr;
    hb_font_t* hbFont = nullptr;
    ~LoadedFace() {
        hb_font_destroy(hbFont);
        hb_face_destroy(hbFace);
        if (ft) FT_Done_Face(ft);
    }
};

std::shared_ptr<LoadedFace> loadFace(const std::string& file, int index) {
    thread_local std::map<std::pair<std::string, int>, std::shared_ptr<LoadedFace>> cache;
    auto& slot = cache[{file, index}];
    if (slot) return slot;
    auto face = std::make_shared<LoadedFace>();
    face->library = ftLibrary();
    if (FT_New_Face(face->library->lib, file.c_str(), index, &face->ft) != 0 || !FT_IS_SCALABLE(face->ft))
        throw FontError(fillText(VORTEL_EN("Errors", "cannot load font file \"%1\""), file));
    hb_blob_t* blob = hb_blob_create_from_file(file.c_str());
    face->hbFace = hb_face_create(blob, static_cast<unsigned>(index));
    hb_blob_destroy(blob);
    face->hbFont = hb_font_create(face->hbFace);
    const int upem = face->ft->units_per_EM;
    hb_font_set_scale(face->hbFont, upem, upem);
    slot = face;
    return face;
}

struct FaceMatch {
    std::string family, file;
    int index = 0;
    bool substituted = false;
};

using PatternPtr = std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)>;

// Families the configuration binds strongly to the request (metric-compatible aliases); the weak
// generic fallbacks are exactly what must not satisfy a request for a missing face.
std::vector<std::string> acceptedFamilies(FcPattern* pattern) {
    std::vector<std::string> names;
    FcValue value;
    FcValueBinding binding;
    for (int i = 0; FcPatternGetWithBinding(pattern, FC_FAMILY, i, &value, &binding) == FcResultMatch; ++i) {
        if (value.type == FcTypeString && binding != FcValueBindingWeak)
            names.emplace_back(reinterpret_cast<const char*>(value.u.s));
    }
    return names;
}

bool familyAccepted(FcPattern* match, const std::vector<std::string>& accepted) {
    FcChar8* family = nullptr;
    for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
        for (const std::string& name : accepted)
            if (FcStrCmpIgnoreCase(family, reinterpret_cast<const FcChar8*>(name.c_str())) == 0) return true;
    }
    return false;
}

// Tearing fontconfig down at exit keeps leak checkers quiet about its configuration, which it
// otherwise never frees.
struct FontconfigSession {
    FontconfigSession() {
        if (!FcInit()) throw FontError("cannot initialise fontconfig");
    }
    ~FontconfigSession() { FcFini(); }
};

// The request for `family` in the LogFont's weight and slant, with the configuration's aliases applied.
PatternPtr configuredPattern(const std::string& family, const LogFont& lf) {
    PatternPtr pattern(FcPatternCreate(), FcPatternDestroy);
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, lf.lfWeight >= 600 ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, lf.lfItalic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    return pattern;
}

PatternPtr bestMatch(FcPattern* pattern) {
    FcResult result;
    return PatternPtr(FcFontMatch(nullptr, pattern, &result), FcPatternDestroy);
}

// What the answers of fontconfig depend on: its configuration files and folders, and every folder
// it reads fonts from.
std::vector<std::string> fontconfigSources() {
    std::vector<std::string> paths = {"/etc/fonts", "/etc/fonts/conf.d"};
    if (const char* home = std::getenv("HOME"); home && *home) {
        for (const char* sub : {"/.config/fontconfig", "/.config/fontconfig/conf.d", "/.fonts", "/.local/share/fonts"})
            paths.push_back(std::string(home) + sub);
    }
    auto collect = [&](FcStrList* list) {
        if (!list) return;
        while (FcChar8* item = FcStrListNext(list)) paths.emplace_back(reinterpret_cast<const char*>(item));
        FcStrListDone(list);
    };
    collect(FcConfigGetConfigFiles(nullptr));
    collect(FcConfigGetFontDirs(nullptr));
    return paths;
}

FaceMatch matchFace(const LogFont& lf, std::u32string_view cover) {
    std::string name = lf.faceName();
    if (name.empty()) name = "Arial";
    const std::string key = name + "|" + (lf.lfWeight >= 600 ? "bold" : "regular") + "|" +
                            (lf.lfItalic ? "italic" : "roman") + "|" + substituteFamily(lf.lfPitchAndFamily);
    // A stand-in depends on the characters it must write: each set of them has an answer of its own.
    std::u32string needed;
    for (const char32_t c : cover)
        if (!CoverageIgnores(c)) needed.push_back(c);
    std::sort(needed.begin(), needed.end());
    needed.erase(std::unique(needed.begin(), needed.end()), needed.end());
    std::string coverKey = key + "|cover";
    for (const char32_t c : needed) coverKey += " " + std::to_string(uint32_t(c));
    const auto fromCache = [](const CachedFaceMatch& m) { return FaceMatch{m.family, m.file, m.index, m.substituted}; };
    if (const auto cached = FontMatchCache::process().find(key)) {
        if (!cached->substituted) return fromCache(*cached);
        if (const auto standIn = FontMatchCache::process().find(coverKey)) return fromCache(*standIn);
    }

    static const FontconfigSession session;
    const PatternPtr pattern = configuredPattern(name, lf);
    std::vector<std::string> accepted = acceptedFamilies(pattern.get());
    accepted.push_back(name);

    FaceMatch found;
    PatternPtr match = bestMatch(pattern.get());
    // A colour-only face (bitmaps in an outline font's file) has no outlines to draw: it stands
    // for a missing face.
    FcBool outline = FcFalse;
    if (!match || !familyAccepted(match.get(), accepted) ||
        FcPatternGetBool(match.get(), FC_OUTLINE, 0, &outline) != FcResultMatch || !outline) {
        // The class's faces best first; the first that writes the text stands in, never a symbol face.
        const PatternPtr classPattern = configuredPattern(substituteFamily(lf.lfPitchAndFamily), lf);
        FcResult result;
        const std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> sorted(
            FcFontSort(nullptr, classPattern.get(), FcFalse, nullptr, &result), FcFontSetDestroy);
        const std::optional<size_t> standIn = StandInIndex(sorted.get(), cover);
        match = standIn ? PatternPtr(FcFontRenderPrepare(nullptr, classPattern.get(), sorted->fonts[*standIn]),
                                     FcPatternDestroy)
                        : PatternPtr(nullptr, FcPatternDestroy);
        found.substituted = true;
    }
    if (!match) throw FontError(fillText(VORTEL_EN("Errors", "unknown font face \"%1\""), name));
    FcChar8 *family = nullptr, *file = nullptr;
    if (FcPatternGetString(match.get(), FC_FAMILY, 0, &family) == FcResultMatch)
        found.family = reinterpret_cast<const char*>(family);
    if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch)
        throw FontError(fillText(VORTEL_EN("Errors", "font face \"%1\" has no file"), name));
    found.file = reinterpret_cast<const char*>(file);
    FcPatternGetInteger(match.get(), FC_INDEX, 0, &found.index);
    const CachedFaceMatch answer{found.family, found.file, found.index, found.substituted};
    const std::vector<std::string> sources = fontconfigSources();
    FontMatchCache::process().store(key, answer, sources);
    // A long text's answer would only crowd the small file.
    if (found.substituted && needed.size() <= 256) FontMatchCache::process().store(coverKey, answer, sources);
    return found;
}

const TT_OS2* os2Table(FT_Face ft) {
    auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(ft, FT_SFNT_OS2));
    return os2 && os2->version != 0xFFFF ? os2 : nullptr;
}

struct Scaling {
    double scale = 1, xScale = 1;
    TextMetrics metrics;
};

// The cell-height model: a positive height is the whole cell (win ascent + win descent), a
// negative one the em square; a width stretches so the average character is that wide.
Scaling computeScaling(FT_Face ft, const TT_OS2* os2, const LogFont& lf) {
    double winAscent = os2 ? os2->usWinAscent : ft->ascender;
    double winDescent = os2 ? os2->usWinDescent : -ft->descender;
    if (winAscent + winDescent <= 0) {
        winAscent = ft->units_per_EM;
        winDescent = 0;
    }
    Scaling r;
    const int32_t requested = lf.lfHeight == 0 ? kDefaultCellHeight : lf.lfHeight;
    r.scale = requested > 0 ? requested / (winAscent + winDescent) : -double(requested) / ft->units_per_EM;
    r.metrics.ascent = roundEven32(winAscent * r.scale);
    // Rounding ascent and descent separately could miss a positive request by one on a tie.
    r.metrics.descent = requested > 0 ? requested - r.metrics.ascent : roundEven32(winDescent * r.scale);
    r.metrics.height = r.metrics.ascent + r.metrics.descent;

    const double avgUnits = os2 && os2->xAvgCharWidth > 0 ? os2->xAvgCharWidth : ft->units_per_EM / 2.0;
    const double stretch = lf.lfWidth != 0 ? std::abs(double(lf.lfWidth)) / (avgUnits * r.scale) : 1.0;
    r.xScale = r.scale * stretch;
    r.metrics.avgCharWidth = roundEven32(avgUnits * r.xScale);
    return r;
}

bool faceHasKerning(const LoadedFace& face) {
    if (FT_HAS_KERNING(face.ft)) return true;
    // With no room given, the call writes nothing and returns how many features there are.
    unsigned count = 0;
    count = hb_ot_layout_table_get_feature_tags(face.hbFace, HB_OT_TAG_GPOS, 0, &count, nullptr);
    std::vector<hb_tag_t> tags(count);
    hb_ot_layout_table_get_feature_tags(face.hbFace, HB_OT_TAG_GPOS, 0, &count, tags.data());
    return std::find(tags.begin(), tags.end(), HB_TAG('k', 'e', 'r', 'n')) != tags.end();
}

// Collects one glyph outline as path points in font units (y up), each contour one closed figure.
struct OutlineBuilder {
    std::vector<PointF> points;
    std::vector<uint8_t> types;
    size_t figureStart = SIZE_MAX;

    static PointF pt(const FT_Vector* v) { return {double(v->x), double(v->y)}; }

    void finishFigure() {
        if (figureStart == SIZE_MAX) return;
        // The close flag already implies the segment back to the start.
        if (points.size() - figureStart > 1 && types.back() == PT_LINETO && points.back() == points[figureStart]) {
            points.pop_back();
            types.pop_back();
        }
        if (points.size() - figureStart == 1) {
            points.pop_back();
            types.pop_back();
        } else {
            types.back() |= PT_CLOSEFIGURE;
        }
        figureStart = SIZE_MAX;
    }
    void add(PointF p, uint8_t type) {
        points.push_back(p);
        types.push_back(type);
    }

    static int moveTo(const FT_Vector* to, void* user) {
        auto* b = static_cast<OutlineBuilder*>(user);
        b->finishFigure();
        b->figureStart = b->points.size();
        b->add(pt(to), PT_MOVETO);
        return 0;
    }
    static int lineTo(const FT_Vector* to, void* user) {
        static_cast<OutlineBuilder*>(user)->add(pt(to), PT_LINETO);
        return 0;
    }
    static int conicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
        auto* b = static_cast<OutlineBuilder*>(user);
        const PointF p0 = b->points.back(), q = pt(control), p2 = pt(to);
        b->add({p0.x + 2.0 / 3 * (q.x - p0.x), p0.y + 2.0 / 3 * (q.y - p0.y)}, PT_BEZIERTO);
        b->add({p2.x + 2.0 / 3 * (q.x - p2.x), p2.y + 2.0 / 3 * (q.y - p2.y)}, PT_BEZIERTO);
        b->add(p2, PT_BEZIERTO);
        return 0;
    }
    static int cubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
        auto* b = static_cast<OutlineBuilder*>(user);
        b->add(pt(c1), PT_BEZIERTO);
        b->add(pt(c2), PT_BEZIERTO);
        b->add(pt(to), PT_BEZIERTO);
        return 0;
    }
};

}  // namespace

const char* substituteFamily(uint8_t pitchAndFamily) {
    switch (pitchAndFamily & 0xF0) {
        case FF_SCRIPT: return "cursive";
        case FF_ROMAN: return "serif";
        case FF_MODERN: return "monospace";
        case FF_DECORATIVE: return "fantasy";
        default: return "sans-serif";
    }
}

struct Font::Impl {
    struct Glyph {
        std::vector<PointF> points;  // font units after emboldening, y up
        std::vector<uint8_t> types;
        double advance = 0;          // font units including the emboldening extra
        double inkMin = 0, inkMax = 0;  // horizontal ink extent in font units, sheared if italic
        bool blank = true;
    };
    // Outlines do not depend on the escapement: a turned copy of a font shares them.
    struct GlyphCache {
        std::unordered_map<uint32_t, Glyph> byIndex;
        std::unordered_map<char32_t, const Glyph*> byChar;
    };

    std::shared_ptr<LoadedFace> face;
    double scale = 1;   // font units to logical units, vertical
    double xScale = 1;  // horizontal, including the width stretch
    FT_Pos boldStrength = 0;
    double shear = 0;
    double cosA = 1, sinA = 0;
    double ascent = 0;
    std::shared_ptr<GlyphCache> glyphs = std::make_shared<GlyphCache>();
    mutable std::map<std::u32string, std::shared_ptr<const Font>> fallbacks;
    mutable std::map<int32_t, std::shared_ptr<const Font>> turnedFonts;

    const Glyph& glyph(char32_t ch) const;
    const Glyph& glyphByIndex(uint32_t index) const;
    Glyph loadGlyph(uint32_t index) const;
    PointF place(PointF fontUnits, PointF origin) const;
};

Font::Impl::Glyph Font::Impl::loadGlyph(uint32_t index) const {
    FT_Face ft = face->ft;
    Glyph g;
    if (FT_Load_Glyph(ft, index, kLoadFlags) != 0 && (index == 0 || FT_Load_Glyph(ft, 0, kLoadFlags) != 0))
        return g;
    FT_GlyphSlot slot = ft->glyph;
    g.advance = double(slot->advance.x + boldStrength);
    if (slot->format != FT_GLYPH_FORMAT_OUTLINE || slot->outline.n_contours <= 0) return g;
    FT_Outline* outline = &slot->outline;
    if (boldStrength) FT_Outline_EmboldenXY(outline, boldStrength, 0);

    static const FT_Outline_Funcs funcs = {&OutlineBuilder::moveTo, &OutlineBuilder::lineTo,
                                           &OutlineBuilder::conicTo, &OutlineBuilder::cubicTo, 0, 0};
    OutlineBuilder builder;
    if (FT_Outline_Decompose(outline, &funcs, &builder) != 0) return g;
    builder.finishFigure();
    if (builder.points.empty()) return g;

    // The shear acts on logical units; expressed in font units it is divided by the stretch.
    if (shear != 0) {
        const FT_Matrix m{0x10000, FT_Fixed(std::lround(shear * scale / xScale * 65536.0)), 0, 0x10000};
        FT_Outline_Transform(outline, &m);
    }
    FT_BBox box;
    FT_Outline_Get_BBox(outline, &box);
    g.points = std::move(builder.points);
    g.types = std::move(builder.types);
    g.inkMin = double(box.xMin);
    g.inkMax = double(box.xMax);
    g.blank = false;
    return g;
}

const Font::Impl::Glyph& Font::Impl::glyphByIndex(uint32_t index) const {
    auto it = glyphs->byIndex.find(index);
    if (it == glyphs->byIndex.end()) it = glyphs->byIndex.emplace(index, loadGlyph(index)).first;
    return it->second;
}

const Font::Impl::Glyph& Font::Impl::glyph(char32_t ch) const {
    auto it = glyphs->byChar.find(ch);
    if (it == glyphs->byChar.end())
        it = glyphs->byChar.emplace(ch, &glyphByIndex(FT_Get_Char_Index(face->ft, ch))).first;
    return *it->second;
}

PointF Font::Impl::place(PointF f, PointF origin) const {
    const double y = f.y * scale;
    double dx = f.x * xScale + shear * y;
    double dy = ascent - y;
    turnOffset(dx, dy, cosA, sinA);
    return {origin.x + dx, origin.y + dy};
}

std::shared_ptr<const Font> Font::create(const LogFont& lf, std::u32string_view cover) {
    return std::shared_ptr<const Font>(new Font(lf, cover));
}

Font::~Font() = default;

Font::Font(const LogFont& lf, std::u32string_view cover) : logFont_(lf), impl_(std::make_unique<Impl>()) {
    if (std::abs(double(lf.lfHeight)) > kMaxLogicalSize || std::abs(double(lf.lfWidth)) > kMaxLogicalSize)
        throw FontError(VORTEL_EN("Errors", "font size out of range"));
    const FaceMatch match = matchFace(lf, cover);
    family_ = match.family;
    file_ = match.file;
    substituted_ = match.substituted;
    Impl& im = *impl_;
    im.face = loadFace(match.file, match.index);
    FT_Face ft = im.face->ft;
    const TT_OS2* os2 = os2Table(ft);

    const Scaling scaling = computeScaling(ft, os2, lf);
    metrics_ = scaling.metrics;
    im.scale = scaling.scale;
    im.xScale = scaling.xScale;
    im.ascent = metrics_.ascent;

    const bool faceBold = (ft->style_flags & FT_STYLE_FLAG_BOLD) || (os2 && os2->usWeightClass >= 600);
    synthBold_ = lf.lfWeight >= 600 && !faceBold;
    synthItalic_ = lf.lfItalic && !(ft->style_flags & FT_STYLE_FLAG_ITALIC);
    im.boldStrength = synthBold_ ? ft->units_per_EM / 24 : 0;
    im.shear = synthItalic_ ? kItalicShear : 0;
    std::tie(im.cosA, im.sinA) = cosSinOfTenths(lf.lfEscapement);
    hasKerning_ = faceHasKerning(*im.face);
}

int32_t Font::advance(char32_t ch) const { return roundEven32(impl_->glyph(ch).advance * impl_->xScale); }

AbcWidths Font::abcWidths(char32_t ch) const {
    const Impl::Glyph& g = impl_->glyph(ch);
    const int32_t total = advance(ch);
    if (g.blank) return {0, 0, total};
    // Rounding both ink edges (rather than the width) keeps the ink where the outline puts it.
    const int32_t left = roundEven32(g.inkMin * impl_->xScale);
    const int32_t right = roundEven32(g.inkMax * impl_->xScale);
    return {left, right - left, total - right};
}

std::vector<int32_t> Font::kernedAdvances(std::u32string_view text) const {
    std::vector<int32_t> result(text.size(), 0);
    if (!hasKerning_) {
        for (size_t i = 0; i < text.size(); ++i) result[i] = advance(text[i]);
        return result;
    }
    static const hb_feature_t features[] = {
        {HB_TAG('k', 'e', 'r', 'n'), 1, 0, ~0u}, {HB_TAG('l', 'i', 'g', 'a'), 0, 0, ~0u},
        {HB_TAG('c', 'l', 'i', 'g'), 0, 0, ~0u}, {HB_TAG('d', 'l', 'i', 'g'), 0, 0, ~0u},
        {HB_TAG('c', 'a', 'l', 't'), 0, 0, ~0u}, {HB_TAG('r', 'l', 'i', 'g'), 0, 0, ~0u},
        {HB_TAG('c', 'c', 'm', 'p'), 0, 0, ~0u}, {HB_TAG('l', 'o', 'c', 'l'), 0, 0, ~0u},
        {HB_TAG('r', 'c', 'l', 't'), 0, 0, ~0u},
    };
    std::unique_ptr<hb_buffer_t, decltype(&hb_buffer_destroy)> buffer(hb_buffer_create(), hb_buffer_destroy);
    const int length = static_cast<int>(text.size());
    hb_buffer_add_utf32(buffer.get(), reinterpret_cast<const uint32_t*>(text.data()), length, 0, length);
    hb_buffer_set_direction(buffer.get(), HB_DIRECTION_LTR);
    hb_buffer_set_cluster_level(buffer.get(), HB_BUFFER_CLUSTER_LEVEL_MONOTONE_CHARACTERS);
    hb_buffer_guess_segment_properties(buffer.get());
    hb_shape(impl_->face->hbFont, buffer.get(), features, std::size(features));

    unsigned count = 0;
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer.get(), &count);
    const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer.get(), &count);
    std::vector<double> units(text.size(), 0.0);
    for (unsigned i = 0; i < count; ++i) {
        if (infos[i].cluster < units.size())
            units[infos[i].cluster] += positions[i].x_advance + double(impl_->boldStrength);
    }
    for (size_t i = 0; i < text.size(); ++i) result[i] = roundEven32(units[i] * impl_->xScale);
    return result;
}

namespace {

template <class Impl, class Glyph>
void appendOutline(const Impl& im, const Glyph& g, GdiPath& path, PointF origin) {
    const auto& pts = g.points;
    for (size_t i = 0; i < pts.size();) {
        const uint8_t type = g.types[i] & ~PT_CLOSEFIGURE;
        if (type == PT_BEZIERTO) {
            path.bezierTo(im.place(pts[i], origin), im.place(pts[i + 1], origin), im.place(pts[i + 2], origin));
            i += 3;
        } else {
            if (type == PT_MOVETO) path.moveTo(im.place(pts[i], origin));
            else path.lineTo(im.place(pts[i], origin));
            ++i;
        }
        if (g.types[i - 1] & PT_CLOSEFIGURE) path.closeFigure();
    }
}

}  // namespace

void Font::appendGlyph(GdiPath& path, char32_t ch, PointF origin) const {
    appendOutline(*impl_, impl_->glyph(ch), path, origin);
}

uint32_t Font::glyphIndex(char32_t ch) const { return FT_Get_Char_Index(impl_->face->ft, ch); }

void Font::appendGlyphIndex(GdiPath& path, uint32_t glyph, PointF origin) const {
    appendOutline(*impl_, impl_->glyphByIndex(glyph), path, origin);
}

hb_font_t* Font::hbFont() const { return impl_->face->hbFont; }

Font::Scale Font::scale() const {
    return Scale{impl_->xScale, impl_->scale, impl_->shear, double(impl_->boldStrength)};
}

std::shared_ptr<const Font> Font::turned(int32_t tenths) const {
    auto& slot = impl_->turnedFonts[tenths];
    if (!slot) slot = std::shared_ptr<const Font>(new Font(*this, tenths));
    return slot;
}

// A copy that differs only in its escapement; it shares the face and the outlines.
Font::Font(const Font& base, int32_t tenths)
    : logFont_(base.logFont_), metrics_(base.metrics_), family_(base.family_), file_(base.file_),
      synthBold_(base.synthBold_), synthItalic_(base.synthItalic_), hasKerning_(base.hasKerning_),
      substituted_(base.substituted_), impl_(std::make_unique<Impl>()) {
    logFont_.lfEscapement = logFont_.lfOrientation = tenths;
    const Impl& from = *base.impl_;
    Impl& im = *impl_;
    im.face = from.face;
    im.scale = from.scale;
    im.xScale = from.xScale;
    im.boldStrength = from.boldStrength;
    im.shear = from.shear;
    im.ascent = from.ascent;
    im.glyphs = from.glyphs;
    std::tie(im.cosA, im.sinA) = cosSinOfTenths(tenths);
}

namespace {

struct FallbackFace {
    std::string family, file;
    int index = 0;
    std::unique_ptr<FcCharSet, decltype(&FcCharSetDestroy)> chars{nullptr, FcCharSetDestroy};
};

// fontconfig's whole sorted list for a request, outline faces only (a colour bitmap face cannot be
// drawn as an outline). Kept per thread and request: sorting hundreds of faces takes milliseconds.
const std::vector<FallbackFace>& fallbackList(const std::string& family, const LogFont& lf) {
    thread_local std::map<std::string, std::vector<FallbackFace>> lists;
    const std::string key = family + "|" + (lf.lfWeight >= 600 ? "b" : "r") + (lf.lfItalic ? "i" : "r");
    auto found = lists.find(key);
    if (found != lists.end()) return found->second;
    std::vector<FallbackFace>& list = lists[key];
    const PatternPtr pattern = configuredPattern(family, lf);
    FcResult result;
    std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> set(
        FcFontSort(nullptr, pattern.get(), FcFalse, nullptr, &result), FcFontSetDestroy);
    if (!set) return list;
    for (int i = 0; i < set->nfont; ++i) {
        FcPattern* p = set->fonts[i];
        FcBool outline = FcFalse;
        FcChar8 *name = nullptr, *file = nullptr;
        FcCharSet* chars = nullptr;
        if (FcPatternGetBool(p, FC_OUTLINE, 0, &outline) != FcResultMatch || !outline) continue;
        if (FcPatternGetString(p, FC_FILE, 0, &file) != FcResultMatch) continue;
        if (FcPatternGetCharSet(p, FC_CHARSET, 0, &chars) != FcResultMatch) continue;
        FallbackFace face;
        if (FcPatternGetString(p, FC_FAMILY, 0, &name) == FcResultMatch) face.family = reinterpret_cast<const char*>(name);
        face.file = reinterpret_cast<const char*>(file);
        FcPatternGetInteger(p, FC_INDEX, 0, &face.index);
        face.chars.reset(FcCharSetCopy(chars));
        list.push_back(std::move(face));
    }
    return list;
}

}  // namespace

std::shared_ptr<const Font> Font::fallbackFor(std::u32string_view chars) const {
    const std::u32string key(chars);
    auto cached = impl_->fallbacks.find(key);
    if (cached != impl_->fallbacks.end()) return cached->second;
    std::shared_ptr<const Font>& slot = impl_->fallbacks[key];
    static const FontconfigSession session;
    for (const FallbackFace& face : fallbackList(family_, logFont_)) {
        if (face.file == file_) continue;
        bool all = true;
        for (char32_t c : chars) all = all && ((c < 0x20 || NeverDrawn(c)) || FcCharSetHasChar(face.chars.get(), c));
        if (!all) continue;
        try {
            slot = std::shared_ptr<const Font>(new Font(*this, face.file, face.index, face.family));
            break;
        } catch (const FontError&) {
            continue;  // a file fontconfig lists but FreeType cannot load
        }
    }
    return slot;
}

// A face that stands in for `base` on some characters: the same em size, stretch, weight and slant,
// on the base's baseline, so its letters sit in the line as if the base had them.
Font::Font(const Font& base, const std::string& file, int index, const std::string& family)
    : logFont_(base.logFont_), metrics_(base.metrics_), family_(family), file_(file),
      impl_(std::make_unique<Impl>()) {
    const Impl& from = *base.impl_;
    Impl& im = *impl_;
    im.face = loadFace(file, index);
    FT_Face ft = im.face->ft;
    const double ratio = double(from.face->ft->units_per_EM) / ft->units_per_EM;
    im.scale = from.scale * ratio;
    im.xScale = from.xScale * ratio;
    im.ascent = from.ascent;
    im.cosA = from.cosA;
    im.sinA = from.sinA;
    const TT_OS2* os2 = os2Table(ft);
    const bool faceBold = (ft->style_flags & FT_STYLE_FLAG_BOLD) || (os2 && os2->usWeightClass >= 600);
    synthBold_ = logFont_.lfWeight >= 600 && !faceBold;
    synthItalic_ = logFont_.lfItalic && !(ft->style_flags & FT_STYLE_FLAG_ITALIC);
    im.boldStrength = synthBold_ ? ft->units_per_EM / 24 : 0;
    im.shear = synthItalic_ ? kItalicShear : 0;
    hasKerning_ = faceHasKerning(*im.face);
}

}  // namespace vortel
