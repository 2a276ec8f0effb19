#pragma once
// The language the program speaks: German (its own texts) or English. Chosen once at start, before
// any window exists: LANGUAGE names it for one run ("de…" or "en…"), else the choice stored in the
// settings, else the desktop's locale (German for de*, English otherwise).
#include <QString>

namespace vortel {

enum class UiLanguage { German, English };

// The language for this run from LANGUAGE, the stored choice ("de", "en" or empty) and the locale name.
UiLanguage ChooseUiLanguage(const QString& languageVariable, const QString& stored, const QString& localeName);

// The language the program speaks now, and its code ("de", "en").
UiLanguage CurrentUiLanguage();
QString UiLanguageCode();
void SetCurrentUiLanguage(UiLanguage language);

}  // namespace vortel
