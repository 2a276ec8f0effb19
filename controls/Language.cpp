#include "controls/Language.h"

#include <QStringList>

namespace vortel {

namespace {

UiLanguage current = UiLanguage::German;

// "de", "de_DE.UTF-8", "en:de" (LANGUAGE is a list: its first entry counts).
bool namesGerman(const QString& name) { return name.split(QLatin1Char(':')).first().trimmed().startsWith(QLatin1String("de")); }
bool namesEnglish(const QString& name) { return name.split(QLatin1Char(':')).first().trimmed().startsWith(QLatin1String("en")); }

}  // namespace

UiLanguage ChooseUiLanguage(const QString& languageVariable, const QString& stored, const QString& localeName) {
    for (const QString& name : {languageVariable, stored}) {
        if (namesGerman(name)) return UiLanguage::German;
        if (namesEnglish(name)) return UiLanguage::English;
    }
    return namesGerman(localeName) ? UiLanguage::German : UiLanguage::English;
}

UiLanguage CurrentUiLanguage() { return current; }
QString UiLanguageCode() { return current == UiLanguage::German ? QStringLiteral("de") : QStringLiteral("en"); }
void SetCurrentUiLanguage(UiLanguage language) { current = language; }

}  // namespace vortel
