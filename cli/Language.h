#pragma once
// The language vortel-cli speaks in one run. Its own texts are English (marked VORTEL_EN, German
// in i18n/cli_de.ts); the engine's and the documents' messages are German (English from
// i18n/vortel_en.ts, context "Messages"). Both are looked up in tables compiled into the program.
#include <optional>
#include <string>

namespace vortel::cli {

enum class Language { English, German };

// LANGUAGE's first entry when it names German or English ("de…", "en…"), else the first set of
// LC_ALL, LC_MESSAGES and LANG: German for a value starting "de", English for anything else (C,
// POSIX, none).
Language chooseLanguage(const char* language, const char* lcAll, const char* lcMessages, const char* lang);
Language languageFromEnvironment();

// Makes `language` the one every text of the process is looked up in (platform/Texts.h).
void speak(Language language);
// The language of the calling thread: its own while a SpeakOnThisThread lives, else the process's.
Language spokenLanguage();

// Makes the calling thread speak `language` while it lives, whatever the process speaks.
class SpeakOnThisThread {
public:
    explicit SpeakOnThisThread(Language language);
    ~SpeakOnThisThread();
    SpeakOnThisThread(const SpeakOnThisThread&) = delete;
    SpeakOnThisThread& operator=(const SpeakOnThisThread&) = delete;

private:
    std::optional<Language> outer_;
};

// The text `source` of `context` has in `language`, or the source itself.
std::string lookUp(Language language, const char* context, const char* source);

// A message as it is shown: the German lines of the engine's and the documents' messages looked
// up (an English run shows them in English), the rest as it is.
std::string shownMessage(const std::string& text);

}  // namespace vortel::cli
