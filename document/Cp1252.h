#pragma once
// The text field of documents holds Windows-1252 characters; the engine holds UTF-8.
#include <string>
#include <string_view>

namespace vortel {

// One byte per character. A character Windows-1252 cannot hold becomes '?'; `lossless` (if
// given) tells whether every character came through.
std::string utf8ToCp1252(std::string_view utf8, bool* lossless = nullptr);

// Every byte maps to a character; the five bytes Windows-1252 leaves undefined (81 8D 8F 90 9D)
// map to the C1 controls of the same value, as Windows itself converts them.
std::string cp1252ToUtf8(std::string_view bytes);

// Whether `bytes` is well-formed UTF-8: no stray continuation bytes, no overlong forms, no
// surrogates, nothing beyond U+10FFFF.
bool isUtf8(std::string_view bytes);

// Text from outside in UTF-8: as it is when it is UTF-8, otherwise read as Windows-1252 (the 8-bit
// set of the program's documents and of many spreadsheets here); `converted` tells which.
std::string utf8OrCp1252(std::string_view bytes, bool* converted = nullptr);

// The first `count` characters (code points) of a UTF-8 text.
std::string firstCharacters(std::string_view utf8, size_t count);

}  // namespace vortel
