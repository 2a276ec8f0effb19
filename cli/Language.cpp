#include "cli/Language.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "cli/TextTables.h"
#include "platform/Texts.h"

namespace vortel::cli {
namespace {

std::atomic<Language> spoken{Language::English};
// A thread that speaks for someone else (a request to the service) speaks their language.
thread_local std::optional<Language> spokenHere;

bool isSet(const char* value) { return value && *value; }

std::string lookUpSpoken(const char* context, const char* source) { return lookUp(spokenLanguage(), context, source); }

}  // namespace

Language chooseLanguage(const char* language, const char* lcAll, const char* lcMessages, const char* lang) {
    // LANGUAGE is a list ("de_DE:en"): its first entry counts when it names German or English, as
    // in the desktop program (controls/Language); otherwise the locale decides.
    if (isSet(language)) {
        if (std::strncmp(language, "de", 2) == 0) return Language::German;
        if (std::strncmp(language, "en", 2) == 0) return Language::English;
    }
    for (const char* value : {lcAll, lcMessages, lang}) {
        if (isSet(value)) return std::strncmp(value, "de", 2) == 0 ? Language::German : Language::English;
    }
    return Language::English;
}

Language languageFromEnvironment() {
    return chooseLanguage(std::getenv("LANGUAGE"), std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                          std::getenv("LANG"));
}

void speak(Language language) {
    spoken.store(language, std::memory_order_relaxed);
    setTextLookup(&lookUpSpoken);
}

Language spokenLanguage() { return spokenHere.value_or(spoken.load(std::memory_order_relaxed)); }

SpeakOnThisThread::SpeakOnThisThread(Language language) : outer_(spokenHere) {
    spokenHere = language;
    // The lookup may not have been set for the process yet.
    setTextLookup(&lookUpSpoken);
}

SpeakOnThisThread::~SpeakOnThisThread() { spokenHere = outer_; }

std::string lookUp(Language language, const char* context, const char* source) {
    const auto table = language == Language::German ? text_tables::German : text_tables::English;
    const auto before = [](const text_tables::Entry& e, std::pair<const char*, const char*> key) {
        const int byContext = std::strcmp(e.context, key.first);
        return byContext < 0 || (byContext == 0 && std::strcmp(e.source, key.second) < 0);
    };
    const auto key = std::make_pair(context, source);
    const auto found = std::lower_bound(table.begin(), table.end(), key, before);
    if (found != table.end() && std::strcmp(found->context, context) == 0 && std::strcmp(found->source, source) == 0)
        return found->translation;
    return source;
}

std::string shownMessage(const std::string& text) { return translateLines("Messages", text); }

}  // namespace vortel::cli
