#pragma once
// The program's texts in the language spoken, without Qt. A program chooses the lookup once at its
// start: the Qt program QCoreApplication::translate (app/QtMessages), vortel-cli its compiled-in
// tables (cli/Language). Without one every text is shown as the code has it.
#include <concepts>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace vortel {

// A fixed German text of the program, marked for vortel_{de,en}.ts (lupdate reads it as
// QT_TRANSLATE_NOOP). It stays German here and is looked up where it is shown (translateLines).
#define VORTEL_TEXT(context, text) text

// An English text (the command line's own, and the system's words it passes on), marked for
// i18n/cli_de.ts (lupdate reads it as QT_TRANSLATE_NOOP) and looked up at once.
#define VORTEL_EN(context, text) ::vortel::translateText(context, text)

// The text shown for a source text (UTF-8) of `context`: its translation, or the source itself.
using TextLookup = std::string (*)(const char* context, const char* source);

// Sets the lookup for the whole process (nullptr: every text as it is); call it before any thread
// that makes texts starts.
void setTextLookup(TextLookup lookup);

std::string translateText(const char* context, const char* source);

// A message as it is shown: the whole text looked up, else each line on its own ("\r\n", "\r" or
// "\n" apart), so a message of fixed lines and a file name still speaks the language. Lines
// without an entry (a name, a text already translated) stay as they are.
std::string translateLines(const char* context, const std::string& text);

// `pattern` with %1 .. %99 replaced by the arguments, in one pass (an argument is never searched for
// placeholders itself); a placeholder without an argument and any other % stay as they are.
std::string fillText(std::string_view pattern, std::span<const std::string> args);

inline std::string argumentText(std::string_view text) { return std::string(text); }
template <std::integral T>
std::string argumentText(T number) {
    return std::to_string(number);
}

template <class... Args>
std::string fillText(std::string_view pattern, const Args&... args) {
    const std::string texts[] = {argumentText(args)...};
    return fillText(pattern, std::span<const std::string>(texts));
}

// A message composed with names or numbers: its German template (marked VORTEL_TEXT("Messages", ...))
// translated whole, then filled in. The German program shows exactly what the pieces used to give.
template <class... Args>
std::string composeMessage(const char* pattern, const Args&... args) {
    return fillText(translateText("Messages", pattern), args...);
}

}  // namespace vortel
