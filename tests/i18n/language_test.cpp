// The language choice and the translators it installs.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "app/QtMessages.h"
#include "controls/Language.h"

namespace vortel {
namespace {

TEST(UiLanguage, OneRunsVariableThenStoredChoiceThenLocale) {
    const struct {
        const char* variable;
        const char* stored;
        const char* locale;
        UiLanguage expected;
    } cases[] = {
        {"", "", "de_DE.UTF-8", UiLanguage::German},
        {"", "", "de_AT", UiLanguage::German},
        {"", "", "en_GB.UTF-8", UiLanguage::English},
        {"", "", "fr_FR.UTF-8", UiLanguage::English},  // neither language: English
        {"", "", "C", UiLanguage::English},
        {"", "", "", UiLanguage::English},
        {"", "en", "de_DE.UTF-8", UiLanguage::English},  // the stored choice beats the locale
        {"", "de", "en_US.UTF-8", UiLanguage::German},
        {"", "xx", "de_DE.UTF-8", UiLanguage::German},   // an unknown stored value counts as none
        {"en", "de", "de_DE.UTF-8", UiLanguage::English},  // one run's variable beats both
        {"de", "en", "en_US.UTF-8", UiLanguage::German},
        {"en_US:de", "", "de_DE", UiLanguage::English},  // a list: its first entry counts
        {"de_CH:en", "en", "", UiLanguage::German},
        {"fr:de", "en", "de_DE", UiLanguage::English},  // first entry neither: on to the stored choice
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseUiLanguage(QLatin1String(c.variable), QLatin1String(c.stored), QLatin1String(c.locale)), c.expected)
            << '"' << c.variable << "\" \"" << c.stored << "\" \"" << c.locale << '"';
}

TEST(UiLanguage, TranslatorsSwitchTheProgramsAndTheInstallersTexts) {
    int argc = 1;
    char name[] = "i18n_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    const struct {
        const char* catalogue;
        const char* context;
        const char* source;
        const char* english;
    } cases[] = {
        {"vortel", "vortel::pages::SurfacePage", "Farbe", "Color"},
        {"vortel", "vortel::app::ImageSizeDialog", "Höhe", "Height"},
        {"installer", "Installer", "Achtung", "Attention"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(InstallTranslators(UiLanguage::English, QLatin1String(c.catalogue))) << c.catalogue;
        EXPECT_EQ(UiLanguageCode(), QLatin1String("en"));
        EXPECT_EQ(QCoreApplication::translate(c.context, c.source), QString::fromUtf8(c.english)) << c.source;
        // Switching back removes the English translator: German shows the source again.
        ASSERT_TRUE(InstallTranslators(UiLanguage::German, QLatin1String(c.catalogue))) << c.catalogue;
        EXPECT_EQ(UiLanguageCode(), QLatin1String("de"));
        EXPECT_EQ(QCoreApplication::translate(c.context, c.source), QString::fromUtf8(c.source)) << c.source;
    }
    // Messages of the engine and the window, looked up where they are shown: a fixed text in English,
    // the recorded one still German; a text with a name in it has no entry and stays as it is.
    const struct {
        const char* said;
        const char* shown;
    } messages[] = {
        {"Zuviele Punkte", "Too many points"},
        {"Fehler in Text-Begrenzungslinie.\rDie Begrenzungslinien schließen keine Fläche ein.",
         "Error in a guide line.\nThe guide lines do not enclose an area."},
        {"Defekte Datei: a.bmp", "Defekte Datei: a.bmp"},
        // composed of fixed lines and a name: line by line
        {"Fehler beim Lesen der Datei\r\"a.vtl\".\rBeim Lesen der Datei ist ein Fehler aufgetreten.\rDas Ende der Datei wurde erreicht.",
         "Error reading the file\n\"a.vtl\".\nAn error occurred while reading the file.\nThe end of the file was reached."},
    };
    ASSERT_TRUE(InstallTranslators(UiLanguage::English, QStringLiteral("vortel")));
    app::QtMessages shown(nullptr);
    QString status;
    shown.onStatus = [&status](int, const QString& text) { status = text; };
    for (const auto& m : messages) {
        shown.status(0, m.said);
        EXPECT_EQ(status.toStdString(), m.shown);
        EXPECT_EQ(shown.recorded.entries.back().text, m.said);
    }
    EXPECT_FALSE(InstallTranslators(UiLanguage::English, QStringLiteral("no-such-catalogue")));
}

}  // namespace
}  // namespace vortel
