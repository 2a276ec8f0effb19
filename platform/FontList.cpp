#include "platform/FontList.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <map>
#include <memory>
#include <strings.h>

namespace vortel {

namespace {

using ConfigPtr = std::unique_ptr<FcConfig, decltype(&FcConfigDestroy)>;
using PatternPtr = std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)>;
using ObjectSetPtr = std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)>;
using FontSetPtr = std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)>;

// Every installed outline font with the given properties, from a configuration of its own that is
// released again: listing leaves no global state behind. The configuration is handed back too,
// since the fonts' values live in its caches.
std::pair<ConfigPtr, FontSetPtr> listOutlineFonts(FcObjectSet* objects) {
    ConfigPtr config(FcInitLoadConfigAndFonts(), FcConfigDestroy);
    if (!config) return {std::move(config), FontSetPtr(nullptr, FcFontSetDestroy)};
    PatternPtr pattern(FcPatternCreate(), FcPatternDestroy);
    FcPatternAddBool(pattern.get(), FC_OUTLINE, FcTrue);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FontSetPtr fonts(FcFontList(config.get(), pattern.get(), objects), FcFontSetDestroy);
    return {std::move(config), std::move(fonts)};
}

// The face's own name: the first family; later ones are translations.
std::string familyOf(FcPattern* font) {
    FcChar8* family = nullptr;
    if (FcPatternGetString(font, FC_FAMILY, 0, &family) != FcResultMatch || !family) return {};
    return reinterpret_cast<const char*>(family);
}

struct NoCase {
    bool operator()(const std::string& a, const std::string& b) const { return strcasecmp(a.c_str(), b.c_str()) < 0; }
};

bool coversText(const FcCharSet* charset, std::u32string_view text) {
    if (!charset) return false;
    for (const char32_t c : text)
        if (!CoverageIgnores(c) && !FcCharSetHasChar(charset, c)) return false;
    return true;
}

bool hasLatinLetters(const FcCharSet* charset) {
    if (!charset) return false;
    for (char32_t c = U'A'; c <= U'Z'; ++c)
        if (!FcCharSetHasChar(charset, c) || !FcCharSetHasChar(charset, c + 32)) return false;
    return true;
}

TextFit fitOf(const FcCharSet* charset, bool symbolMap, std::u32string_view text) {
    if (symbolMap || !coversText(charset, text)) return TextFit::None;
    return hasLatinLetters(charset) ? TextFit::Text : TextFit::Letterless;
}

bool symbolMapOf(FcPattern* font) {
    FcBool symbol = FcFalse;
    return FcPatternGetBool(font, FC_SYMBOL, 0, &symbol) == FcResultMatch && symbol;
}

bool isOutline(FcPattern* font) {
    FcBool outline = FcFalse;
    return FcPatternGetBool(font, FC_OUTLINE, 0, &outline) == FcResultMatch && outline;
}

// What each installed outline family can write: the characters all its faces have (so a bold or
// italic face chosen later draws no box either), and whether any face has a symbol character map.
// Read once a process; fontconfig's own character sets are copied, since the configuration they
// come from is released.
class FamilyCoverage {
public:
    struct Family {
        FcCharSet* charset = nullptr;
        bool symbolMap = false;
    };

    FamilyCoverage() {
        ObjectSetPtr objects(FcObjectSetBuild(FC_FAMILY, FC_CHARSET, FC_SYMBOL, nullptr), FcObjectSetDestroy);
        const auto [config, fonts] = listOutlineFonts(objects.get());
        for (int i = 0; fonts && i < fonts->nfont; ++i) {
            FcPattern* font = fonts->fonts[i];
            const std::string name = familyOf(font);
            FcCharSet* charset = nullptr;
            if (name.empty() || FcPatternGetCharSet(font, FC_CHARSET, 0, &charset) != FcResultMatch) continue;
            auto [it, added] = families_.try_emplace(name);
            Family& family = it->second;
            FcCharSet* next = added ? FcCharSetUnion(charset, charset) : FcCharSetIntersect(family.charset, charset);
            if (!added) FcCharSetDestroy(family.charset);
            family.charset = next;
            family.symbolMap = family.symbolMap || symbolMapOf(font);
        }
    }
    ~FamilyCoverage() {
        for (auto& [name, family] : families_)
            if (family.charset) FcCharSetDestroy(family.charset);
    }
    FamilyCoverage(const FamilyCoverage&) = delete;
    FamilyCoverage& operator=(const FamilyCoverage&) = delete;

    const Family* find(const std::string& name) const {
        const auto it = families_.find(name);
        return it == families_.end() ? nullptr : &it->second;
    }

    static const FamilyCoverage& process() {
        static const FamilyCoverage coverage;
        return coverage;
    }

private:
    std::map<std::string, Family, NoCase> families_;
};

}  // namespace

std::vector<std::string> InstalledOutlineFaces() {
    ObjectSetPtr objects(FcObjectSetBuild(FC_FAMILY, nullptr), FcObjectSetDestroy);
    const auto [config, fonts] = listOutlineFonts(objects.get());
    std::vector<std::string> faces;
    if (!fonts) return faces;
    for (int i = 0; i < fonts->nfont; ++i) {
        if (std::string family = familyOf(fonts->fonts[i]); !family.empty()) faces.push_back(std::move(family));
    }
    const auto less = [](const std::string& a, const std::string& b) {
        const int c = strcasecmp(a.c_str(), b.c_str());
        return c != 0 ? c < 0 : a < b;
    };
    std::sort(faces.begin(), faces.end(), less);
    faces.erase(std::unique(faces.begin(), faces.end(),
                            [](const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) == 0; }),
                faces.end());
    return faces;
}

bool NeverDrawn(char32_t c) {
    switch (c) {
        case 0x00AD: case 0x034F: case 0x061C: case 0x115F: case 0x1160: case 0x17B4: case 0x17B5:
        case 0x3164: case 0xFEFF: case 0xFFA0:
            return true;
        default: break;
    }
    return (c >= 0x180B && c <= 0x180F) ||   // Mongolian variation selectors and vowel separator
           (c >= 0x200B && c <= 0x200F) ||   // zero width space and joiners, direction marks
           (c >= 0x202A && c <= 0x202E) ||   // embeddings and overrides
           (c >= 0x2060 && c <= 0x206F) ||   // word joiner, invisible operators, isolates
           (c >= 0xFE00 && c <= 0xFE0F) ||   // variation selectors
           (c >= 0xFFF0 && c <= 0xFFF8) ||
           (c >= 0x1BCA0 && c <= 0x1BCA3) || (c >= 0x1D173 && c <= 0x1D17A) ||
           (c >= 0xE0000 && c <= 0xE0FFF);  // tags and the supplementary variation selectors
}

bool CoverageIgnores(char32_t c) {
    if (c <= 0x20 || (c >= 0x7F && c <= 0xA0)) return true;  // controls, space, no-break space
    return NeverDrawn(c) || c == 0x1680 || c == 0x3000 || c == 0x205F ||
           (c >= 0x2000 && c <= 0x200A) ||  // spaces of many widths
           (c >= 0x2028 && c <= 0x202F);    // line and paragraph separators, narrow no-break space
}

TextFit FamilyTextFit(const std::string& family, std::u32string_view text) {
    const auto* found = FamilyCoverage::process().find(family);
    return found ? fitOf(found->charset, found->symbolMap, text) : TextFit::None;
}

bool FamilyCoversText(const std::string& family, std::u32string_view text) {
    const auto* found = FamilyCoverage::process().find(family);
    return found && coversText(found->charset, text);
}

bool IsSymbolFamily(const std::string& family) {
    const auto* found = FamilyCoverage::process().find(family);
    return found && (found->symbolMap || !hasLatinLetters(found->charset));
}

size_t FaceThatWrites(const std::vector<std::string>& faces, size_t drawn, std::u32string_view text) {
    const size_t n = faces.size();
    if (drawn >= n) return drawn;
    if (FamilyTextFit(faces[drawn], text) == TextFit::Text) return drawn;
    std::vector<size_t> texts, letterless;
    for (size_t i = 0; i < n; ++i) {
        const TextFit fit = FamilyTextFit(faces[i], text);
        if (fit == TextFit::Text) texts.push_back(i);
        else if (fit == TextFit::Letterless) letterless.push_back(i);
    }
    // The drawn place scaled onto the faces that fit, so every one of them stands in for about as
    // many faces that do not (the next one after a long run of one-script faces would take them all).
    const std::vector<size_t>& fitting = texts.empty() ? letterless : texts;
    return fitting.empty() ? drawn : fitting[drawn * fitting.size() / n];
}

TextFit PatternTextFit(FcPattern* font, std::u32string_view text) {
    FcCharSet* charset = nullptr;
    if (FcPatternGetCharSet(font, FC_CHARSET, 0, &charset) != FcResultMatch) return TextFit::None;
    return fitOf(charset, symbolMapOf(font), text);
}

std::optional<size_t> StandInIndex(const FcFontSet* sorted, std::u32string_view text) {
    if (!sorted) return std::nullopt;
    std::optional<size_t> fits, textFace, outline;
    for (int i = 0; i < sorted->nfont; ++i) {
        FcPattern* font = sorted->fonts[i];
        if (!isOutline(font)) continue;
        const size_t index = size_t(i);
        const TextFit fit = PatternTextFit(font, text);
        if (fit == TextFit::Text) return index;
        if (fit == TextFit::Letterless && !fits) fits = index;
        if (!textFace && PatternTextFit(font, U"") == TextFit::Text) textFace = index;
        if (!outline) outline = index;
    }
    return fits ? fits : textFace ? textFace : outline;
}

}  // namespace vortel
