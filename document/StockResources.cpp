#include "document/StockResources.h"

#include "reslib/vortelres.h"

namespace vortel {

ModuleHandle stockModule() {
    static const ModuleHandle handle = GetDLLHandle();
    return handle;
}

std::optional<std::span<const uint8_t>> stockResource(std::string_view type, std::string_view name) {
    if (!name.empty() && (name.front() == ':' || name.front() == '*')) name.remove_prefix(1);
    return findResource(stockModule(), type, name);
}

}  // namespace vortel
