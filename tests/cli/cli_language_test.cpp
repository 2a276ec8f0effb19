// The command line in its two languages: the choice from the environment, and its failures, help,
// warnings and batch reports run as a user would, once in English and once in German.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fstream>

#include "cli/Language.h"
#include "cli/Options.h"
#include "platform/FileGate.h"
#include "tests/cli/CliBinary.h"

namespace {

using vortel::cli::Language;
using vortel::testing::CliBinary;
using vortel::testing::Outcome;

TEST(CliLanguage, LanguageVariableThenTheLocale) {
    const struct {
        const char *language, *lcAll, *lcMessages, *lang;
        Language expected;
    } cases[] = {
        {nullptr, nullptr, nullptr, nullptr, Language::English},
        {nullptr, nullptr, nullptr, "de_DE.UTF-8", Language::German},
        {nullptr, nullptr, nullptr, "C", Language::English},
        {nullptr, nullptr, nullptr, "POSIX", Language::English},
        {"", "", "", "", Language::English},  // set but empty counts as not set
        {nullptr, nullptr, "de_AT", "en_US.UTF-8", Language::German},
        {nullptr, "en_GB.UTF-8", "de_DE", "de_DE", Language::English},  // LC_ALL first
        {nullptr, "", "de_CH", "en_US", Language::German},
        {nullptr, nullptr, nullptr, "fr_FR.UTF-8", Language::English},
        {"de", "C", "C", "C", Language::German},  // LANGUAGE before the locale
        {"en", "de_DE", "de_DE", "de_DE", Language::English},
        {"de_DE:en", nullptr, nullptr, nullptr, Language::German},  // a list: its first entry
        {"en_US:de", nullptr, nullptr, "de_DE", Language::English},
        {"fr:de", nullptr, nullptr, "de_DE", Language::German},  // neither: the locale decides
        {"fr", nullptr, nullptr, nullptr, Language::English},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(vortel::cli::chooseLanguage(c.language, c.lcAll, c.lcMessages, c.lang), c.expected)
            << (c.language ? c.language : "-") << ' ' << (c.lcAll ? c.lcAll : "-") << ' '
            << (c.lcMessages ? c.lcMessages : "-") << ' ' << (c.lang ? c.lang : "-");
    }
}

// The system's words that the German catalogue translates are strerror's own in English.
TEST(CliLanguage, SystemErrorTextsAreTheCLibrarysInEnglish) {
    for (const int error : {ENOENT, EACCES, EPERM, EISDIR, ENOTDIR, ENOSPC, EROFS, EEXIST, ENAMETOOLONG, ELOOP, EMFILE,
                            EIO, EFBIG, EDQUOT, ENOMEM, EINVAL, EXDEV})
        EXPECT_EQ(vortel::systemErrorText(error), std::strerror(error)) << error;
}

class CliInBothLanguages : public CliBinary {
protected:
    Outcome runIn(const char* language, const std::vector<std::string>& args) {
        this->language = language;
        return run(args);
    }
};

// Each failure once in each language: one line, the same status, and the message in that language
// (and not in the other).
TEST_F(CliInBothLanguages, FailuresSpeakTheLanguageOfTheRun) {
    std::ofstream(dir / "fake.vtl") << "NOT a document at all, but long enough to fill a header block......"
                                       "..............................................................";
    const std::string missing = (dir / "missing.vtl").string(), fake = (dir / "fake.vtl").string();
    const std::string picture = (dir / "x.png").string(), missingPicture = (dir / "missing.png").string();
    const struct {
        std::vector<std::string> args;
        int status;
        std::string english, german;
    } cases[] = {
        {{"render", missing, "-o", picture}, 1,
         "vortel-cli: Error reading the file \"" + missing + "\". No such file or directory\n",
         "vortel-cli: Fehler beim Lesen der Datei \"" + missing + "\". Datei oder Verzeichnis nicht gefunden\n"},
        {{"render", fake, "-o", picture}, 1, "vortel-cli: \"" + fake + "\" is not a Vortel file!\n",
         "vortel-cli: \"" + fake + "\" ist keine Vortel-Datei!\n"},
        {{"render", missingPicture, "-o", picture}, 1,
         "vortel-cli: cannot read " + missingPicture + ": No such file or directory\n",
         "vortel-cli: " + missingPicture + " kann nicht gelesen werden: Datei oder Verzeichnis nicht gefunden\n"},
        {{"inspect", "--set", "Nope=1"}, 2, "vortel-cli: unknown key 'Nope'\n",
         "vortel-cli: unbekannter Schlüssel 'Nope'\n"},
        {{"inspect", "--set", "CharSpacing=\"x\""}, 2, "vortel-cli: CharSpacing: expected an integer, got \"x\"\n",
         "vortel-cli: CharSpacing: erwartet eine ganze Zahl, nicht \"x\"\n"},
        {{"inspect", "--set", "CharSpacing"}, 2, "vortel-cli: expected KEY=JSON, got 'CharSpacing'\n",
         "vortel-cli: erwartet KEY=JSON, nicht 'CharSpacing'\n"},
        {{"render"}, 2, "vortel-cli: render needs -o FILE (.png, .jpg, .vtl, ...; see --help)\n",
         "vortel-cli: render braucht -o DATEI (.png, .jpg, .vtl, ...; siehe --help)\n"},
        {{"frobnicate"}, 2, "vortel-cli: unknown verb 'frobnicate'; see --help\n",
         "vortel-cli: unbekannter Befehl 'frobnicate'; siehe --help\n"},
        {{"inspect", "--size", "0x5"}, 2, "vortel-cli: --size: expected WxH with sides 1..10000, got '0x5'\n",
         "vortel-cli: --size: erwartet BxH mit Seiten 1..10000, nicht '0x5'\n"},
        {{}, 2, "vortel-cli: no verb given; see --help\n", "vortel-cli: kein Befehl angegeben; siehe --help\n"},
    };
    for (const auto& c : cases) {
        std::string joined;
        for (const auto& a : c.args) joined += a + " ";
        const Outcome en = runIn("en", c.args), de = runIn("de", c.args);
        EXPECT_EQ(en.status, c.status) << joined;
        EXPECT_EQ(de.status, c.status) << joined;
        EXPECT_EQ(en.err, c.english) << joined;
        EXPECT_EQ(de.err, c.german) << joined;
        EXPECT_TRUE(en.out.empty() && de.out.empty()) << joined;
    }
}

TEST_F(CliInBothLanguages, HelpInEachLanguage) {
    const Outcome en = runIn("en", {"--help"}), de = runIn("de", {"--help"});
    ASSERT_EQ(en.status, 0);
    ASSERT_EQ(de.status, 0);
    EXPECT_EQ(en.out, vortel::cli::usageText()) << "English is the text the code has";
    EXPECT_TRUE(de.out.starts_with("Aufruf: vortel-cli BEFEHL [EINGABE...] [Optionen]\n\nBefehle:\n")) << de.out;
    for (const char* german : {"\nEingaben:\n", "\nOptionen:\n", "\nVorgaben (", "  -h, --help         diese Hilfe zeigen\n"})
        EXPECT_NE(de.out.find(german), std::string::npos) << german;
    EXPECT_EQ(de.out.find("render the effect"), std::string::npos);
    // The locale chooses when LANGUAGE is not set.
    language = "";
    ::setenv("LC_ALL", "de_DE.UTF-8", 1);
    const Outcome byLocale = run({"--help"});
    ::unsetenv("LC_ALL");
    EXPECT_EQ(byLocale.out, de.out);
}

// A batch: the progress lines, a failed job with its line number, the summary and a warning.
TEST_F(CliInBothLanguages, BatchReportsAndWarningsInEachLanguage) {
    std::ofstream(dir / "jobs.csv") << "output,size,set:CharSpacing\n"
                                    << (dir / "a.png").string() << ",40x20,\n"
                                    << (dir / "b.png").string() << ",40x20,\n"
                                    << (dir / "c.png").string() << ",40x20,\"\"\"x\"\"\"\n";
    const Outcome en = runIn("en", {"batch", (dir / "jobs.csv").string(), "--workers", "1"});
    const Outcome de = runIn("de", {"batch", (dir / "jobs.csv").string(), "--workers", "1"});
    EXPECT_EQ(en.status, 1);
    EXPECT_EQ(de.status, 1);
    EXPECT_TRUE(en.out.starts_with("2 done, 1 failed, ")) << en.out;
    EXPECT_TRUE(en.out.ends_with(" s (1 workers)\n")) << en.out;
    EXPECT_TRUE(de.out.starts_with("2 fertig, 1 fehlgeschlagen, ")) << de.out;
    EXPECT_TRUE(de.out.ends_with(" s (1 Threads)\n")) << de.out;
    EXPECT_NE(en.err.find("vortel-cli: line 4: CharSpacing: expected an integer, got \"x\"\n"), std::string::npos) << en.err;
    EXPECT_NE(de.err.find("vortel-cli: Zeile 4: CharSpacing: erwartet eine ganze Zahl, nicht \"x\"\n"), std::string::npos)
        << de.err;
    EXPECT_NE(en.err.find("vortel-cli: 3/3 done, "), std::string::npos) << en.err;
    EXPECT_NE(de.err.find("vortel-cli: 3/3 fertig, "), std::string::npos) << de.err;
    EXPECT_EQ(de.err.find(" done, "), std::string::npos) << de.err;

    // A missing face: the engine's German note, in the language of the run.
    const std::string font = R"(LogFont={"lfFaceName":"Vortel Missing Face 7f3a","lfPitchAndFamily":16})";
    const Outcome warnedEn = runIn("en", {"inspect", "--set", font});
    const Outcome warnedDe = runIn("de", {"inspect", "--set", font});
    EXPECT_TRUE(warnedEn.err.starts_with("vortel-cli: warning: Font \"Vortel Missing Face 7f3a\" not installed, replaced by \""))
        << warnedEn.err;
    EXPECT_TRUE(warnedDe.err.starts_with(
        "vortel-cli: Warnung: Schriftart \"Vortel Missing Face 7f3a\" nicht installiert, ersetzt durch \""))
        << warnedDe.err;
    // The listing's words.
    const Outcome listedDe = runIn("de", {"resources"});
    EXPECT_NE(listedDe.out.find("\nTexturen: "), std::string::npos);
    EXPECT_NE(listedDe.out.find(" Bytes\n"), std::string::npos);
    EXPECT_EQ(listedDe.out.find(" bytes\n"), std::string::npos);
}

}  // namespace
