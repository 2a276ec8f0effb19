#pragma once
// The stock-image library as the program sees it: its handle, taken once and kept for the run.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "platform/Resources.h"

namespace vortel {

ModuleHandle stockModule();

// A stock resource by type and name (a leading ':' or '*' prefix of a list entry is stripped).
std::optional<std::span<const uint8_t>> stockResource(std::string_view type, std::string_view name);

}  // namespace vortel
