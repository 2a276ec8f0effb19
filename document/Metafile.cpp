#include "document/Metafile.h"

#include <filesystem>

#include "document/FileBytes.h"
#include "document/ImageError.h"
#include "document/MetafileWalk.h"

namespace vortel {

std::string ExportMetafile(const TFontFX& engine, int32_t imageWidth, int32_t imageHeight, const std::string& path,
                           bool enhanced) {
    std::filesystem::path target(path);
    // Without a file name the extension rule below would invent a hidden ".emf" file.
    if (!target.has_filename()) throw ImageError("the metafile export needs a file name, not \"" + path + "\"");
    if (enhanced) target.replace_extension(".emf");
    const std::string written = target.string();
    const auto points = outlinePoints(engine);
    const auto types = outlineTypes(engine);
    writeFileAtomically(written, enhanced ? encodeEmf(points, types, imageWidth, imageHeight)
                                          : encodeWmf(points, types, imageWidth, imageHeight));
    return written;
}

}  // namespace vortel
