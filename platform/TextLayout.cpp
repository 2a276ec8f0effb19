#include "platform/TextLayout.h"

namespace vortel {

namespace {

std::vector<std::u32string_view> splitHardLines(std::u32string_view text) {
    std::vector<std::u32string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != U'\r' && text[i] != U'\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
        start = i + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

std::u32string stripPrefixes(std::u32string_view line) {
    std::u32string out;
    out.reserve(line.size());
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] != U'&') {
            out.push_back(line[i]);
        } else if (i + 1 < line.size() && line[i + 1] == U'&') {
            out.push_back(U'&');
            ++i;
        }
    }
    return out;
}

size_t skipSpaces(std::u32string_view s, size_t i) {
    while (i < s.size() && s[i] == U' ') ++i;
    return i;
}

// Greedy wrapping: each line takes as many words as fit; a word wider than the line stays whole
// on a line of its own. Spaces at a soft break belong to neither line.
void wrapLine(std::u32string_view line, int32_t width, const std::function<int32_t(char32_t)>& charWidth,
              std::vector<std::u32string>& out) {
    std::vector<int64_t> prefix(line.size() + 1, 0);
    for (size_t i = 0; i < line.size(); ++i) prefix[i + 1] = prefix[i] + charWidth(line[i]);
    size_t start = 0;
    while (prefix[line.size()] - prefix[start] > width) {
        size_t brk = std::u32string_view::npos;
        const size_t firstWord = skipSpaces(line, start);
        for (size_t i = firstWord + 1; i < line.size() && prefix[i] - prefix[start] <= width; ++i)
            if (line[i] == U' ') brk = i;
        if (brk == std::u32string_view::npos) brk = line.find(U' ', firstWord);
        if (brk == std::u32string_view::npos) break;
        size_t end = brk;
        while (end > start && line[end - 1] == U' ') --end;
        out.emplace_back(line.substr(start, end - start));
        start = skipSpaces(line, brk);
        if (start == line.size()) return;
    }
    out.emplace_back(line.substr(start));
}

}  // namespace

std::vector<std::u32string> layoutTextLines(std::u32string_view text, const LineLayoutOptions& options,
                                            const std::function<int32_t(char32_t)>& charWidth) {
    std::vector<std::u32string> lines;
    for (std::u32string_view hard : splitHardLines(text)) {
        const std::u32string line = options.prefixes ? stripPrefixes(hard) : std::u32string(hard);
        if (options.wordBreak) wrapLine(line, options.width, charWidth, lines);
        else lines.push_back(line);
    }
    return lines;
}

}  // namespace vortel
