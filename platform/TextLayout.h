#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vortel {

struct LineLayoutOptions {
    bool prefixes = true;    // '&' marks a mnemonic and is not drawn; "&&" is a literal '&'
    bool wordBreak = false;  // wrap lines wider than `width` at spaces
    int32_t width = 0;
};

// Splits a block of text into the lines the old DrawText would show: breaks at CR LF, lone CR
// and lone LF, then optionally wraps each line. `charWidth` gives a character's advance including
// any character extra. Empty text is a single empty line.
std::vector<std::u32string> layoutTextLines(std::u32string_view text, const LineLayoutOptions& options,
                                            const std::function<int32_t(char32_t)>& charWidth);

}  // namespace vortel
