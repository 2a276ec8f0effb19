#pragma once
#include <cstdint>
#include <string_view>

namespace vortel::presets {

// The number a combo box shows: its characters '-' and '0'..'9' collected in order and converted;
// "None" gives -1. Text without digits gives 0; values beyond 32 bits saturate.
int32_t ReadComboNumber(std::string_view text);

}  // namespace vortel::presets
