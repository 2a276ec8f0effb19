#include "controls/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

#include <memory>

namespace vortel {

namespace {

UiLanguage current = UiLanguage::German;

// The translators installed now; they must live as long as the application uses them.
std::unique_ptr<QTranslator> qtTexts, programTexts;

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

UiLanguage ChooseUiLanguageFromEnvironment(const QString& stored) {
    QString locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = qEnvironmentVariable(variable);
        if (!locale.isEmpty()) break;
    }
    return ChooseUiLanguage(qEnvironmentVariable("LANGUAGE"), stored, locale);
}

UiLanguage CurrentUiLanguage() { return current; }
QString UiLanguageCode() { return current == UiLanguage::German ? QStringLiteral("de") : QStringLiteral("en"); }
void SetCurrentUiLanguage(UiLanguage language) { current = language; }

bool InstallTranslators(UiLanguage language, const QString& catalogue) {
    for (std::unique_ptr<QTranslator>* translator : {&qtTexts, &programTexts}) {
        if (*translator) QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
    SetCurrentUiLanguage(language);
    const QString code = UiLanguageCode();
    // Qt's own texts (message box buttons, file dialogs); the English ones are Qt's sources, so a
    // missing qtbase_en changes nothing.
    qtTexts = std::make_unique<QTranslator>();
    if (qtTexts->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts.get());
    else
        qtTexts.reset();
    programTexts = std::make_unique<QTranslator>();
    if (!programTexts->load(QStringLiteral(":/i18n/%1_%2.qm").arg(catalogue, code))) {
        programTexts.reset();
        return false;
    }
    QCoreApplication::installTranslator(programTexts.get());
    return true;
}

}  // namespace vortel
