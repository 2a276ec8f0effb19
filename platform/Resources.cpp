#include "platform/Resources.h"

#include <cctype>

namespace vortel {
namespace {

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<std::span<const uint8_t>> findResource(ModuleHandle module, std::string_view type,
                                                     std::string_view name) {
    if (!module) return std::nullopt;
    for (uint32_t i = 0; i < module->count; ++i) {
        const auto& entry = module->entries[i];
        if (equalsNoCase(entry.type, type) && equalsNoCase(entry.name, name)) {
            return std::span<const uint8_t>(entry.data, entry.size);
        }
    }
    return std::nullopt;
}

}  // namespace vortel
