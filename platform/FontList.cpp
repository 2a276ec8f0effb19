#include "platform/FontList.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>
#include <strings.h>

namespace vortel {

std::vector<std::string> InstalledOutlineFaces() {
    // A configuration of its own, released again: listing leaves no global state behind.
    std::unique_ptr<FcConfig, decltype(&FcConfigDestroy)> config(FcInitLoadConfigAndFonts(), FcConfigDestroy);
    if (!config) return {};
    std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(FcPatternCreate(), FcPatternDestroy);
    FcPatternAddBool(pattern.get(), FC_OUTLINE, FcTrue);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)> objects(FcObjectSetBuild(FC_FAMILY, nullptr),
                                                                        FcObjectSetDestroy);
    std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> fonts(
        FcFontList(config.get(), pattern.get(), objects.get()), FcFontSetDestroy);
    std::vector<std::string> faces;
    if (!fonts) return faces;
    for (int i = 0; i < fonts->nfont; ++i) {
        FcChar8* family = nullptr;
        // The first family name is the face's own; later ones are translations.
        if (FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &family) == FcResultMatch && family && *family)
            faces.emplace_back(reinterpret_cast<const char*>(family));
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

}  // namespace vortel
