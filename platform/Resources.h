#pragma once
// Resources of a module, looked up by type and name: the stand-in for a module handle with
// FindResource/LoadResource. A module is a table of named byte blocks; bitmaps are whole .bmp
// files, JPEG textures whole .jpg files, the icon a whole .ico file.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

extern "C" {

struct VortelResourceEntry {
    const char* type;     // "JPG", "BITMAP" or "ICON"
    const char* name;     // e.g. "JPG_05", "IMPRINT_X03", "COLORMAP"
    const uint8_t* data;
    uint32_t size;
};

struct VortelResourceModule {
    uint32_t count;
    const VortelResourceEntry* entries;
};

}  // extern "C"

namespace vortel {

using ModuleHandle = const VortelResourceModule*;

// A picture that the program shows at a size of its own (preset pictures, gradient previews, the
// colour map, the logo) has a twin at twice its width and height for screens of two device pixels
// a pixel, named like it with this suffix: "STYLE_002" and "STYLE_002_2X".
inline constexpr std::string_view DoubleSizeSuffix = "_2X";

// The resource of `type` called `name`, both compared without regard to ASCII case; nullopt when
// the module holds none (or the handle is null).
std::optional<std::span<const uint8_t>> findResource(ModuleHandle module, std::string_view type,
                                                     std::string_view name);

}  // namespace vortel
