#include "platform/Texts.h"

#include <atomic>

namespace vortel {
namespace {

std::atomic<TextLookup> currentLookup{nullptr};

}  // namespace

void setTextLookup(TextLookup lookup) { currentLookup.store(lookup, std::memory_order_release); }

std::string translateText(const char* context, const char* source) {
    const TextLookup lookup = currentLookup.load(std::memory_order_acquire);
    return lookup ? lookup(context, source) : std::string(source);
}

std::string translateLines(const char* context, const std::string& text) {
    std::string whole = translateText(context, text.c_str());
    if (whole != text || text.find_first_of("\r\n") == std::string::npos) return whole;
    std::string out;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        if (end > start) out += translateText(context, text.substr(start, end - start).c_str());
        if (end == text.size()) break;
        const size_t breakLength = text.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        out.append(text, end, breakLength);
        start = end + breakLength;
    }
    return out;
}

std::string fillText(std::string_view pattern, std::span<const std::string> args) {
    std::string out;
    out.reserve(pattern.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            size_t number = size_t(pattern[i + 1] - '0'), digits = 1;
            if (i + 2 < pattern.size() && pattern[i + 2] >= '0' && pattern[i + 2] <= '9') {
                number = number * 10 + size_t(pattern[i + 2] - '0');
                digits = 2;
            }
            if (number <= args.size()) {
                out += args[number - 1];
                i += digits;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

}  // namespace vortel
