#include "platform/TextShaping.h"

#include <fribidi.h>
#include <hb.h>

#include <algorithm>
#include <memory>

#include "platform/FontList.h"
#include "platform/Numeric.h"

namespace vortel {

int64_t ShapedLine::width(int32_t extra) const {
    int64_t sum = 0;
    for (const TextCluster& c : clusters) sum += c.advance + extra;
    return sum;
}

namespace {

// Western letters, digits, punctuation and symbols that need neither shaping nor reordering: one
// glyph a character, as the face maps it.
bool plainCharacter(char32_t c) {
    return (c >= 0x20 && c <= 0x7E) || (c >= 0xA0 && c <= 0x2FF && c != 0xAD) || (c >= 0x370 && c <= 0x482) ||
           (c >= 0x48A && c <= 0x52F) || (c >= 0x1E00 && c <= 0x1FFF) || (c >= 0x2010 && c <= 0x2027) ||
           (c >= 0x2030 && c <= 0x205E) || (c >= 0x20A0 && c <= 0x20BF) || (c >= 0x2100 && c <= 0x214F) ||
           (c >= 0x2190 && c <= 0x22FF);
}

bool takesPlainPath(const Font& font, std::u32string_view line) {
    for (char32_t c : line)
        if (!plainCharacter(c) || font.glyphIndex(c) == 0) return false;
    return true;
}

ShapedLine plainLine(const FontPtr& font, std::u32string_view line, bool kerning) {
    ShapedLine out;
    out.font = font;
    std::vector<int32_t> advances;
    if (kerning) advances = font->kernedAdvances(line);
    out.clusters.reserve(line.size());
    for (size_t i = 0; i < line.size(); ++i) {
        const int32_t own = font->advance(line[i]);
        out.clusters.push_back(TextCluster{uint32_t(i), 1, kerning ? advances[i] : own, own,
                                           {PlacedGlyph{font.get(), font->glyphIndex(line[i]), 0, 0}}});
    }
    return out;
}

bool regionalIndicator(char32_t c) { return c >= 0x1F1E6 && c <= 0x1F1FF; }
bool pictographic(char32_t c) { return c >= 0x1F000 || (c >= 0x2600 && c <= 0x27BF) || (c >= 0x2300 && c <= 0x23FF); }

enum class Jamo { None, L, V, T, LV, LVT };
Jamo jamo(char32_t c) {
    if ((c >= 0x1100 && c <= 0x115F) || (c >= 0xA960 && c <= 0xA97C)) return Jamo::L;
    if ((c >= 0x1160 && c <= 0x11A7) || (c >= 0xD7B0 && c <= 0xD7C6)) return Jamo::V;
    if ((c >= 0x11A8 && c <= 0x11FF) || (c >= 0xD7CB && c <= 0xD7FB)) return Jamo::T;
    if (c >= 0xAC00 && c <= 0xD7A3) return (c - 0xAC00) % 28 == 0 ? Jamo::LV : Jamo::LVT;
    return Jamo::None;
}

// Whether `c` belongs to the character cluster before it (extended grapheme clusters, with the
// conjuncts of scripts that join consonants through a virama).
bool extendsCluster(hb_unicode_funcs_t* uf, std::u32string_view line, size_t i, size_t clusterStart) {
    const char32_t c = line[i], prev = line[i - 1];
    switch (hb_unicode_general_category(uf, c)) {
        case HB_UNICODE_GENERAL_CATEGORY_NON_SPACING_MARK:
        case HB_UNICODE_GENERAL_CATEGORY_SPACING_MARK:
        case HB_UNICODE_GENERAL_CATEGORY_ENCLOSING_MARK: return true;
        default: break;
    }
    if (c == 0x200C || c == 0x200D || (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0020 && c <= 0xE007F) ||
        (c >= 0xE0100 && c <= 0xE01EF) || (c >= 0x1F3FB && c <= 0x1F3FF))
        return true;
    if (prev == 0x200D && pictographic(c)) return true;
    if (regionalIndicator(c) && regionalIndicator(prev)) {
        size_t run = 0;
        for (size_t k = clusterStart; k < i; ++k) run += regionalIndicator(line[k]) ? 1 : 0;
        return run % 2 == 1;
    }
    const Jamo a = jamo(prev), b = jamo(c);
    if (a == Jamo::L && b != Jamo::None && b != Jamo::T) return true;
    if ((a == Jamo::LV || a == Jamo::V) && (b == Jamo::V || b == Jamo::T)) return true;
    if ((a == Jamo::LVT || a == Jamo::T) && b == Jamo::T) return true;
    // A virama joins the next consonant of its script into one conjunct.
    if (hb_unicode_combining_class(uf, prev) == HB_UNICODE_COMBINING_CLASS_VIRAMA &&
        hb_unicode_general_category(uf, c) == HB_UNICODE_GENERAL_CATEGORY_OTHER_LETTER &&
        hb_unicode_script(uf, c) == hb_unicode_script(uf, prev))
        return true;
    return false;
}

bool simpleScript(hb_script_t s) {
    return s == HB_SCRIPT_LATIN || s == HB_SCRIPT_GREEK || s == HB_SCRIPT_CYRILLIC || s == HB_SCRIPT_COMMON ||
           s == HB_SCRIPT_INHERITED || s == HB_SCRIPT_UNKNOWN;
}

// Scripts of every character, with the common and inherited ones (spaces, digits, marks) taking the
// script of the text around them.
std::vector<hb_script_t> resolvedScripts(hb_unicode_funcs_t* uf, std::u32string_view line) {
    std::vector<hb_script_t> scripts(line.size());
    hb_script_t last = HB_SCRIPT_INVALID;
    for (size_t i = 0; i < line.size(); ++i) {
        const hb_script_t s = hb_unicode_script(uf, line[i]);
        if (s != HB_SCRIPT_COMMON && s != HB_SCRIPT_INHERITED && s != HB_SCRIPT_UNKNOWN) last = s;
        scripts[i] = s == HB_SCRIPT_COMMON || s == HB_SCRIPT_INHERITED || s == HB_SCRIPT_UNKNOWN ? last : s;
    }
    hb_script_t next = HB_SCRIPT_COMMON;
    for (size_t i = line.size(); i-- > 0;) {
        if (scripts[i] == HB_SCRIPT_INVALID) scripts[i] = next;
        else next = scripts[i];
    }
    return scripts;
}

struct Run {
    size_t start = 0, length = 0;
    FriBidiLevel level = 0;
    hb_script_t script = HB_SCRIPT_COMMON;
    FontPtr font;
    bool tab = false;
};

// Rule L2 of the bidirectional algorithm on whole runs: from the highest level down to the lowest
// odd one, every stretch of runs at that level or above is reversed.
void reorderRuns(std::vector<Run>& runs) {
    if (runs.empty()) return;
    int highest = 0, lowestOdd = 256;
    for (const Run& r : runs) {
        highest = std::max(highest, int(r.level));
        if (r.level % 2) lowestOdd = std::min(lowestOdd, int(r.level));
    }
    for (int level = highest; level >= lowestOdd && level > 0; --level) {
        for (size_t i = 0; i < runs.size();) {
            if (runs[i].level < level) {
                ++i;
                continue;
            }
            size_t j = i;
            while (j < runs.size() && runs[j].level >= level) ++j;
            std::reverse(runs.begin() + i, runs.begin() + j);
            i = j;
        }
    }
}

void shapeRun(const Run& run, std::u32string_view line, bool kerning, std::vector<TextCluster>& out) {
    std::unique_ptr<hb_buffer_t, decltype(&hb_buffer_destroy)> buffer(hb_buffer_create(), hb_buffer_destroy);
    hb_buffer_t* b = buffer.get();
    hb_buffer_add_utf32(b, reinterpret_cast<const uint32_t*>(line.data()), int(line.size()), unsigned(run.start),
                        int(run.length));
    hb_buffer_set_direction(b, run.level % 2 ? HB_DIRECTION_RTL : HB_DIRECTION_LTR);
    hb_buffer_set_script(b, run.script);
    hb_buffer_set_language(b, hb_language_get_default());
    unsigned flags = HB_BUFFER_FLAG_REMOVE_DEFAULT_IGNORABLES;
    if (run.start == 0) flags |= HB_BUFFER_FLAG_BOT;
    if (run.start + run.length == line.size()) flags |= HB_BUFFER_FLAG_EOT;
    hb_buffer_set_flags(b, hb_buffer_flags_t(flags));
    // Western letters stay separate letters, as on the plain path: no ligatures that would make two
    // letters one. Other scripts keep every feature their writing needs.
    std::vector<hb_feature_t> features;
    if (!kerning) features.push_back({HB_TAG('k', 'e', 'r', 'n'), 0, 0, ~0u});
    if (simpleScript(run.script)) {
        for (hb_tag_t tag : {HB_TAG('l', 'i', 'g', 'a'), HB_TAG('c', 'l', 'i', 'g'), HB_TAG('d', 'l', 'i', 'g')})
            features.push_back({tag, 0, 0, ~0u});
    }
    hb_shape(run.font->hbFont(), b, features.data(), unsigned(features.size()));

    unsigned count = 0;
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(b, &count);
    const hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(b, &count);
    std::vector<uint32_t> starts;
    for (unsigned i = 0; i < count; ++i) starts.push_back(infos[i].cluster);
    std::sort(starts.begin(), starts.end());
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
    const auto clusterEnd = [&](uint32_t start) {
        const auto next = std::upper_bound(starts.begin(), starts.end(), start);
        return next == starts.end() ? uint32_t(run.start + run.length) : *next;
    };

    const Font::Scale sc = run.font->scale();
    for (unsigned i = 0; i < count;) {
        TextCluster cluster;
        cluster.first = infos[i].cluster;
        cluster.count = clusterEnd(cluster.first) - cluster.first;
        double pen = 0;
        for (; i < count && infos[i].cluster == cluster.first; ++i) {
            const double yOff = pos[i].y_offset * sc.y;
            cluster.glyphs.push_back(PlacedGlyph{run.font.get(), infos[i].codepoint,
                                                 (pen + pos[i].x_offset) * sc.x + sc.shear * yOff, -yOff});
            pen += pos[i].x_advance + sc.boldUnits;
        }
        cluster.advance = cluster.width = roundEven32(pen * sc.x);
        if (cluster.count == 1 && (line[cluster.first] < 0x20 || NeverDrawn(line[cluster.first]))) {
            cluster.glyphs.clear();  // a control character left over: nothing to see, no room taken
            cluster.advance = cluster.width = 0;
        }
        out.push_back(std::move(cluster));
    }
}

// A line of other scripts, marks, faces that lack a character, or invisible characters: ordered
// by direction, cut into clusters and shaped run by run.
ShapedLine shapeMixedLine(const FontPtr& font, std::u32string_view line, const ShapeOptions& options) {
    const bool kerning = options.kerning && font->hasKerning();
    ShapedLine out;
    out.font = font;
    out.plain = false;
    const size_t n = line.size();
    const auto* chars = reinterpret_cast<const FriBidiChar*>(line.data());
    std::vector<FriBidiCharType> types(n);
    std::vector<FriBidiBracketType> brackets(n);
    std::vector<FriBidiLevel> levels(n);
    fribidi_get_bidi_types(chars, FriBidiStrIndex(n), types.data());
    fribidi_get_bracket_types(chars, FriBidiStrIndex(n), types.data(), brackets.data());
    FriBidiParType base = FRIBIDI_PAR_ON;
    if (n > 0 && !fribidi_get_par_embedding_levels_ex(types.data(), brackets.data(), FriBidiStrIndex(n), &base,
                                                      levels.data()))
        std::fill(levels.begin(), levels.end(), 0);
    out.rightToLeft = FRIBIDI_IS_RTL(base);

    hb_unicode_funcs_t* uf = hb_unicode_funcs_get_default();
    const std::vector<hb_script_t> scripts = resolvedScripts(uf, line);

    // Each character cluster is drawn by one face: the line's own when it has every character of
    // the cluster, else the face that stands in for it.
    std::vector<FontPtr> faces(n);
    for (size_t start = 0; start < n;) {
        size_t end = start + 1;
        while (end < n && line[start] != U'\t' && line[end] != U'\t' && extendsCluster(uf, line, end, start)) ++end;
        std::u32string needed;
        bool own = true;
        for (size_t k = start; k < end; ++k) {
            if (NeverDrawn(line[k]) || line[k] < 0x20) continue;
            needed.push_back(line[k]);
            own = own && font->glyphIndex(line[k]) != 0;
        }
        FontPtr face = font;
        if (!own) {
            face = font->fallbackFor(needed);
            if (!face && needed.size() > 1) face = font->fallbackFor(needed.substr(0, 1));
            if (!face) face = font;
        }
        std::fill(faces.begin() + start, faces.begin() + end, face);
        start = end;
    }

    std::vector<Run> runs;
    for (size_t i = 0; i < n; ++i) {
        const bool tab = line[i] == U'\t';
        if (runs.empty() || tab || runs.back().tab || runs.back().level != levels[i] ||
            runs.back().script != scripts[i] || runs.back().font != faces[i])
            runs.push_back(Run{i, 0, levels[i], scripts[i], faces[i], tab});
        ++runs.back().length;
    }
    reorderRuns(runs);

    int64_t pen = 0;
    for (const Run& run : runs) {
        if (run.tab) {
            const int32_t space = font->advance(U' ');
            const int32_t step = options.tabStop > 0 ? int32_t(options.tabStop - pen % options.tabStop) : space;
            out.clusters.push_back(TextCluster{uint32_t(run.start), 1, step, step, {}});
            pen += step;
            continue;
        }
        const size_t before = out.clusters.size();
        shapeRun(run, line, kerning, out.clusters);
        for (size_t k = before; k < out.clusters.size(); ++k) pen += out.clusters[k].advance;
    }
    return out;
}

}  // namespace

ShapedLine shapeLine(const FontPtr& font, std::u32string_view line, const ShapeOptions& options) {
    if (takesPlainPath(*font, line)) return plainLine(font, line, options.kerning && font->hasKerning());
    return shapeMixedLine(font, line, options);
}

int64_t shapedWidth(const FontPtr& font, std::u32string_view line, const ShapeOptions& options, int32_t extra) {
    if (!takesPlainPath(*font, line)) return shapeMixedLine(font, line, options).width(extra);
    int64_t sum = 0;
    if (options.kerning && font->hasKerning()) {
        for (int32_t a : font->kernedAdvances(line)) sum += a + extra;
    } else {
        for (char32_t c : line) sum += font->advance(c) + extra;
    }
    return sum;
}

}  // namespace vortel
