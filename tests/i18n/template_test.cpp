// The messages composed with a name or a number are templates translated whole: each in both
// languages, through both lookups (the desktop program's Qt translators, the command line's compiled
// table), and the German exactly as the pieces used to make it.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <functional>
#include <regex>

#include "app/QtMessages.h"
#include "cli/Language.h"
#include "controls/Language.h"
#include "document/DocumentMessages.h"
#include "engine/FontFX.h"
#include "platform/Canvas.h"
#include "platform/Font.h"

namespace vortel {
namespace {

// The lookup a case runs under; every test leaves the process without one.
enum class Route { QtGerman, QtEnglish, CliGerman, CliEnglish };

struct RouteGuard {
    explicit RouteGuard(Route route) {
        switch (route) {
        case Route::QtGerman:
        case Route::QtEnglish:
            EXPECT_TRUE(InstallTranslators(route == Route::QtEnglish ? UiLanguage::English : UiLanguage::German,
                                           QStringLiteral("vortel")));
            app::UseQtTranslations();
            break;
        case Route::CliGerman: cli::speak(cli::Language::German); break;
        case Route::CliEnglish: cli::speak(cli::Language::English); break;
        }
    }
    ~RouteGuard() {
        setTextLookup(nullptr);
        InstallTranslators(UiLanguage::German, QStringLiteral("vortel"));
    }
};

bool english(Route route) { return route == Route::QtEnglish || route == Route::CliEnglish; }

// The status text the engine gives while a guide point is dragged.
std::string pointStatus() {
    TFontFX engine(Rect{0, 0, 450, 200});
    RecordingMessages said;
    engine.setMessages(&said);
    engine.SelectedPointGuide = 0, engine.SelectedPoint = 1;
    EXPECT_TRUE(engine.MoveGuideLinePointBegin(Rect{0, 0, 450, 200}, {0, 0}));
    engine.GuideDragMove({9, 9});
    engine.setMessages(nullptr);
    return said.entries.empty() ? std::string() : said.entries.back().text;
}

// The note on the first status panel when a face is missing.
std::string substitutionNote() {
    TFontFX engine(Rect{0, 0, 450, 200});
    Canvas canvas(450, 200);
    RecordingMessages said;
    engine.setMessages(&said);
    engine.Font.setFaceName("Vortel Missing Face 7f3a");
    engine.Font.lfPitchAndFamily = FF_ROMAN;
    EXPECT_TRUE(engine.GetPointsAndTypes(canvas, false));
    engine.setMessages(nullptr);
    return said.entries.empty() ? std::string() : said.entries.front().text;
}

class ComposedMessages : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "i18n_tests";
        static char* argv[] = {name, nullptr};
        app_ = new QCoreApplication(argc, argv);
    }
    static void TearDownTestSuite() {
        delete app_;
        app_ = nullptr;
    }
    static QCoreApplication* app_;
};
QCoreApplication* ComposedMessages::app_ = nullptr;

TEST_F(ComposedMessages, EachTemplateInBothLanguagesThroughBothLookups) {
    const std::string substitute = [] {
        TFontFX engine(Rect{0, 0, 450, 200});
        engine.Font.setFaceName("Vortel Missing Face 7f3a");
        engine.Font.lfPitchAndFamily = FF_ROMAN;
        return Font::create(engine.Font)->familyName();
    }();
    const struct {
        const char* name;
        std::function<std::string()> make;
        std::string german, english;  // the German as the program showed it before the templates
    } cases[] = {
        {"not a document", [] { return document_messages::notADocument("/tmp/a.vtl"); },
         "\"/tmp/a.vtl\" ist keine Vortel-Datei!", "\"/tmp/a.vtl\" is not a Vortel file!"},
        {"text too long", [] { return document_messages::textTooLong(64 * 1024); },
         "Der Text ist zu lang, um gespeichert zu werden.\rEin Dokument nimmt höchstens 64 KB Text auf; die Datei "
         "wurde nicht verändert.",
         "The text is too long to be saved.\rA document holds at most 64 KB of text; the file was not changed."},
        {"document too large", [] { return document_messages::documentTooLarge(uint64_t(300) << 20); },
         "Das Dokument wäre mit 300 MB zu groß, um wieder geöffnet zu werden.\rVerwenden Sie kleinere Texturen; die "
         "Datei wurde nicht verändert.",
         "At 300 MB the document would be too large to be opened again.\rUse smaller textures; the file was not "
         "changed."},
        {"damaged file", [] { return damagedFileStatus("stein.bmp"); }, "Defekte Datei: stein.bmp",
         "Damaged file: stein.bmp"},
        {"face substituted", substitutionNote,
         "Schriftart \"Vortel Missing Face 7f3a\" nicht installiert, ersetzt durch \"" + substitute + "\"",
         "Font \"Vortel Missing Face 7f3a\" not installed, replaced by \"" + substitute + "\""},
        // The engine's status of a dragged point; its numbers are the engine's, the words the template's.
        {"point status", pointStatus, "Punkt 1, 2%, 5%", "Point 1, 2%, 5%"},
    };
    for (const Route route : {Route::QtGerman, Route::QtEnglish, Route::CliGerman, Route::CliEnglish}) {
        const RouteGuard guard(route);
        for (const auto& c : cases) {
            EXPECT_EQ(c.make(), english(route) ? c.english : c.german) << c.name << ", route " << int(route);
        }
    }
    // Without any lookup (the tests of the layers, a program that sets none) the German stands.
    for (const auto& c : cases) EXPECT_EQ(c.make(), c.german) << c.name;
}

// The Qt program shows a composed message as it was made; its fixed lines are still looked up.
TEST_F(ComposedMessages, TheProgramShowsATranslatedTemplateAsItIs) {
    const RouteGuard guard(Route::QtEnglish);
    const std::string said = document_messages::notADocument("a.vtl") + "\r" +
                             document_messages::readFailed("b.vtl");
    EXPECT_EQ(app::programText(said).toStdString(),
              "\"a.vtl\" is not a Vortel file!\nError reading the file\n\"b.vtl\".");
}

TEST(TemplateFilling, NumberedPlaceholdersInOnePass) {
    EXPECT_EQ(fillText("%2 vor %1", "a", "b"), "b vor a");
    EXPECT_EQ(fillText("Punkt %1, %2%, %3%", 1, 2, 5), "Punkt 1, 2%, 5%");
    EXPECT_EQ(fillText("%1 und %2", "%2", "x"), "%2 und x") << "an argument is not searched again";
    EXPECT_EQ(fillText("%1 %3 100%", "a"), "a %3 100%") << "a placeholder without an argument stays";
    EXPECT_EQ(fillText("%10|%1", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j"), "j|a");
    EXPECT_EQ(translateLines("Messages", "a\r\nb\rc\nd"), "a\r\nb\rc\nd") << "line breaks kept";
}

}  // namespace
}  // namespace vortel
