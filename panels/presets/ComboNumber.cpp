#include "panels/presets/ComboNumber.h"

#include <limits>
#include <string>

namespace vortel::presets {

int32_t ReadComboNumber(std::string_view text) {
    if (text == "None") return -1;
    std::string kept;
    for (const char c : text)
        if (c == '-' || (c >= '0' && c <= '9')) kept += c;
    // The collected characters convert like a number typed by hand: a leading minus, then digits;
    // anything after a second minus is ignored rather than refused, as the combos only ever show
    // one number.
    bool negative = false;
    size_t i = 0;
    if (i < kept.size() && kept[i] == '-') {
        negative = true;
        ++i;
    }
    int64_t value = 0;
    for (; i < kept.size() && kept[i] != '-'; ++i) {
        value = value * 10 + (kept[i] - '0');
        if (value > std::numeric_limits<int32_t>::max()) {
            value = std::numeric_limits<int32_t>::max() + int64_t(negative);
            break;
        }
    }
    return static_cast<int32_t>(negative ? -value : value);
}

}  // namespace vortel::presets
