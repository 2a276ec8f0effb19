#pragma once
// The language the program speaks: German (its own texts) or English. Chosen once at start, before
// any window exists: LANGUAGE names it for one run ("de…" or "en…"), else the choice stored in the
// settings, else the desktop's locale (German for de*, English otherwise).
#include <QString>

namespace vortel {

enum class UiLanguage { German, English };

// The language for this run from LANGUAGE, the stored choice ("de", "en" or empty) and the locale name.
UiLanguage ChooseUiLanguage(const QString& languageVariable, const QString& stored, const QString& localeName);
// The same with LANGUAGE and the locale read from the process environment (the locale is the first
// set of LC_ALL, LC_MESSAGES and LANG, the C library's order).
UiLanguage ChooseUiLanguageFromEnvironment(const QString& stored);

// The language the program speaks now, and its code ("de", "en").
UiLanguage CurrentUiLanguage();
QString UiLanguageCode();
void SetCurrentUiLanguage(UiLanguage language);

// Makes `language` the current one and installs its translators into the application (which must
// exist): Qt's own texts (qtbase_de / qtbase_en from Qt's translations folder) and the program's
// catalogue ":/i18n/<catalogue>_<code>.qm" built into the program. Translators of an earlier call
// are removed first. False when the program's catalogue is not there.
bool InstallTranslators(UiLanguage language, const QString& catalogue);

}  // namespace vortel
