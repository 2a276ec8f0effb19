// The installer's pieces without the dialog: language, texts, places, the target check, desktop
// entry quoting, the install log and the pictures.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "installer/Artwork.h"
#include "installer/Backdrop.h"
#include "installer/InstallLog.h"
#include "installer/Places.h"
#include "installer/ProgramGroup.h"
#include "installer/TargetCheck.h"
#include "installer/Texts.h"
#include "installer/Wizard.h"

namespace vortel::installer {
namespace {

TEST(InstallerLanguage, PrimaryLanguageOfTheFirstSetVariable) {
    struct Case {
        const char *all, *messages, *lang;
        Language expected;
    };
    const Case cases[] = {
        {"", "", "de_DE.UTF-8", German},
        {"", "", "de", German},
        {"", "", "de_AT@euro", German},
        {"", "", "en_US.UTF-8", English},
        {"", "", "", English},
        {"", "", "C", English},
        {"", "", "deu", English},         // not the primary language "de"
        {"", "", "fr_DE.UTF-8", English},  // a French speaker in Germany
        {"", "de_CH.UTF-8", "en_GB.UTF-8", German},
        {"", "en_GB.UTF-8", "de_DE.UTF-8", English},
        {"en_US.UTF-8", "de_DE.UTF-8", "de_DE.UTF-8", English},
        {"de_DE", "", "en_US", German},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LanguageFromLocale(QString::fromLatin1(c.all), QString::fromLatin1(c.messages), QString::fromLatin1(c.lang)),
                  c.expected)
            << c.all << " / " << c.messages << " / " << c.lang;
}

// LANGUAGE picks the language for one run, over the locale; a list counts by its first entry.
TEST(InstallerLanguage, LanguageVariableGoesBeforeTheLocale) {
    const struct {
        const char *language, *lang;
        Language expected;
    } cases[] = {
        {"en", "de_DE.UTF-8", English}, {"de", "en_US.UTF-8", German},   {"en_GB:de", "de_DE", English},
        {"fr", "de_DE.UTF-8", German},  {"", "de_DE.UTF-8", German},     {"", "en_US.UTF-8", English},
    };
    const QByteArray saved[] = {qgetenv("LANGUAGE"), qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG")};
    qunsetenv("LC_ALL");
    qunsetenv("LC_MESSAGES");
    for (const auto& c : cases) {
        qputenv("LANGUAGE", c.language);
        qputenv("LANG", c.lang);
        EXPECT_EQ(SystemLanguage(), c.expected) << c.language << " / " << c.lang;
    }
    const char* names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    for (int i = 0; i < 4; ++i) {
        if (saved[i].isNull())
            qunsetenv(names[i]);
        else
            qputenv(names[i], saved[i]);
    }
}

TEST(InstallerTexts, PairsPickedByLanguageWithNameAndLineBreaks) {
    struct Case {
        Message base;
        Language language;
        const char16_t* expected;
    };
    const Case cases[] = {
        {MsgEnterTarget, German, u"Bitte Zielpfad angeben!"},
        {MsgEnterTarget, English, u"Please enter the target folder!"},
        {MsgTargetExists, German, u"Zielpfad existiert schon!\nSoll dieser dennoch benutzt werden?"},
        {MsgCannotCreate, German, u"Zielpfad kann nicht angelegt werden!\nW\u00e4hlen Sie einen anderen Namen!"},
        {MsgBack, German, u"< &Zur\u00fcck"},
        {MsgNext, English, u"&Next >"},
        {MsgFinish, German, u"&Fertig"},
        {MsgCancelButton, English, u"E&xit"},
        {MsgComplete, English,
         u"\nInstallation complete.\n\nVortel has been successfully installed.\n\nPress the Finish button to exit installation."},
        {MsgWelcome, German,
         u"Dieses Setup Programm wird Vortel auf Ihren Computer installieren.\n\nEs werden keine Dateien in Ihr "
         u"Windows-Verzeichnis kopiert und keine Systemdateien ver\u00e4ndert.\n\nKlicken Sie auf die Schaltfl\u00e4che "
         u"\"Weiter\",\num mit der Installation zu beginnen."},
        {MsgTitle, German, u"Vortel 0.9\nf\u00fcr Windows 95/98/NT"},
        {MsgBackdropText, English, u"Vortel\nThe ulimative text effect generator!\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Text(c.base, c.language), QString::fromUtf16(c.expected)) << c.base << "/" << c.language;
}

TEST(InstallerPlaces, UserAndSystemMapping) {
    const Places user = Places::ForUser(QStringLiteral("/home/ann/"), {}, {});
    EXPECT_EQ(user.targetFolder, QStringLiteral("/home/ann/.local/opt/vortel"));
    EXPECT_EQ(user.groupFolder, QStringLiteral("/home/ann/.local/share/applications/Vortel"));
    EXPECT_EQ(user.keyFile, QStringLiteral("/home/ann/.local/share/vortel/uninstall.ini"));
    EXPECT_EQ(user.configFolder, QStringLiteral("/home/ann/.config"));
    EXPECT_FALSE(user.systemWide);

    const Places xdg = Places::ForUser(QStringLiteral("/home/ann"), QStringLiteral("/data/"), QStringLiteral("relative/cfg"));
    EXPECT_EQ(xdg.programsFolder, QStringLiteral("/data/applications"));
    EXPECT_EQ(xdg.configFolder, QStringLiteral("/home/ann/.config")) << "a relative XDG path does not count";

    const Places system = Places::ForSystem();
    EXPECT_EQ(system.targetFolder, QStringLiteral("/opt/vortel"));
    EXPECT_EQ(system.groupFolder, QStringLiteral("/usr/local/share/applications/Vortel"));
    EXPECT_EQ(system.keyFile, QStringLiteral("/usr/local/share/vortel/uninstall.ini"));
    EXPECT_EQ(system.configFolder, QStringLiteral("/etc/xdg"));
}

TEST(InstallerTargetCheck, OutcomesAndFoldersMade) {
    QTemporaryDir dir;
    const QString root = dir.path();
    QFile blocker(root + QStringLiteral("/file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    struct Case {
        QString target;
        TargetCheck expected;
        int made;
    };
    const Case cases[] = {
        {QString(), TargetCheck::TooShort, 0},
        {QStringLiteral("ab"), TargetCheck::TooShort, 0},
        {QStringLiteral("/a/"), TargetCheck::TooShort, 0},  // "/a" after the trailing slash goes
        {QStringLiteral("/"), TargetCheck::TooShort, 0},
        {root + QStringLiteral("/new"), TargetCheck::Created, 1},
        {root + QStringLiteral("/new/"), TargetCheck::Exists, 0},
        {root + QStringLiteral("/deep/er/vortel//"), TargetCheck::Created, 3},
        {root, TargetCheck::Exists, 0},
        {QStringLiteral("/tmp"), TargetCheck::Exists, 0},
        {root + QStringLiteral("/file"), TargetCheck::CannotCreate, 0},
        {root + QStringLiteral("/file/sub"), TargetCheck::CannotCreate, 0},
        {QStringLiteral("/proc/vortel-cannot-be-here"), TargetCheck::CannotCreate, 0},
    };
    for (const Case& c : cases) {
        QStringList made;
        EXPECT_EQ(CheckTarget(c.target, &made), c.expected) << c.target.toStdString();
        EXPECT_EQ(made.size(), c.made) << c.target.toStdString();
    }
    EXPECT_TRUE(QFileInfo(root + QStringLiteral("/deep/er/vortel")).isDir());
}

TEST(InstallerBrowse, StartFolderAndPickedTarget) {
    const std::pair<const char*, const char*> starts[] = {
        {"/opt/vortel", "/opt"},  // the name compares without regard to case
        {"/opt/Vortel/", "/opt"},
        {"/home/ann/apps", "/home/ann/apps"},
        {"/Vortel", "/"},
    };
    for (const auto& [target, start] : starts)
        EXPECT_EQ(Wizard::BrowseStart(QString::fromLatin1(target)), QString::fromLatin1(start)) << target;
    EXPECT_EQ(Wizard::TargetFromPicked(QStringLiteral("/srv")), QStringLiteral("/srv/Vortel"));
    EXPECT_EQ(Wizard::TargetFromPicked(QStringLiteral("/")), QStringLiteral("/Vortel"));
}

TEST(InstallerDesktopEntries, ExecArgumentsQuotedAsTheFormatWants) {
    const std::pair<const char*, const char*> cases[] = {
        {"/home/ann/.local/opt/vortel/vortel", "/home/ann/.local/opt/vortel/vortel"},
        {"/home/ann/My Programs/vortel", "\"/home/ann/My Programs/vortel\""},
        {"/a/100%/b", "\"/a/100%%/b\""},
        {"/a/$HOME/b", "\"/a/\\\\$HOME/b\""},
        {"/a/\"q\"/b", "\"/a/\\\\\"q\\\\\"/b\""},
        {"/a\\b", "\"/a\\\\\\\\b\""},
        {"", "\"\""},
    };
    for (const auto& [argument, expected] : cases)
        EXPECT_EQ(ExecArgument(QString::fromLatin1(argument)), QString::fromLatin1(expected)) << argument;
    EXPECT_EQ(UninstallCommand(QStringLiteral("/opt/vortel"), QStringLiteral("/usr/local/share/applications/Vortel")),
              QStringLiteral("/opt/vortel/uninstall /usr/local/share/applications/Vortel"));
}

TEST(InstallerLog, ReadsWhatWasAddedAndSkipsDamage) {
    QTemporaryDir dir;
    const InstallLog log(dir.filePath(QStringLiteral("install.log")));
    EXPECT_TRUE(log.add('F', QStringLiteral("/a/b c")));
    EXPECT_FALSE(log.add('F', QStringLiteral("/a/two\nlines")));
    EXPECT_TRUE(log.makeFolders(dir.filePath(QStringLiteral("x/y"))));
    QFile file(log.path());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("F relative/path\nQ /unknown/kind\nF\nM /m\n");
    file.close();
    const std::vector<LogEntry> expected = {
        {'F', QStringLiteral("/a/b c")},
        {'D', dir.filePath(QStringLiteral("x"))},
        {'D', dir.filePath(QStringLiteral("x/y"))},
        {'M', QStringLiteral("/m")},
    };
    EXPECT_EQ(InstallLog::Read(log.path()), expected);
}

TEST(InstallerPictures, BandsPictureAndIcons) {
    const std::pair<int, int> bands[] = {{0, 255}, {1, 253}, {2, 250}, {50, 130}, {99, 8}, {100, 5}};
    for (const auto& [band, blue] : bands) EXPECT_EQ(Backdrop::BandBlue(band), blue) << band;

    QImage bitmap(4, 2, QImage::Format_RGB32);
    bitmap.fill(Qt::red);
    bitmap.setPixelColor(0, 0, Qt::green);
    const QImage larger = PictureFor(bitmap, QSize(8, 6));
    EXPECT_EQ(larger.pixelColor(0, 0), QColor(Qt::green));  // the border is the top-left pixel
    EXPECT_EQ(larger.pixelColor(7, 5), QColor(Qt::green));
    EXPECT_EQ(larger.pixelColor(2, 2), QColor(Qt::green));  // the bitmap's own corner, centred
    EXPECT_EQ(larger.pixelColor(5, 3), QColor(Qt::red));
    EXPECT_EQ(larger.pixelColor(6, 3), QColor(Qt::green));
    const QImage smaller = PictureFor(bitmap, QSize(2, 2));
    EXPECT_EQ(smaller.pixelColor(0, 0), QColor(Qt::red));  // cut: the middle of the bitmap

    for (const QImage& icon : {ProgramIcon(48), DocumentIcon(48)}) {
        EXPECT_EQ(icon.size(), QSize(48, 48));
        EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0);
        EXPECT_EQ(icon.pixelColor(24, 30).alpha(), 255);
    }
    EXPECT_TRUE(PngBytes(ProgramIcon(16)).startsWith("\x89PNG"));
}

TEST(InstallerBackdrop, NameSizedToTheScreenAndDescriptionAboveTheBottom) {
    for (const QSize screen : {QSize(1024, 768), QSize(1920, 1080), QSize(640, 480)}) {
        const QFontMetricsF metrics(Backdrop::NameFont(screen));
        EXPECT_NEAR(metrics.height(), screen.height() / 10.0, screen.height() / 10.0 * 0.08) << screen.width();
        EXPECT_NEAR(metrics.averageCharWidth(), screen.width() / 2.0 / 6, screen.width() / 12.0 * 0.05) << screen.width();
        for (const Language language : {German, English}) {
            const QRect text = Backdrop(language).descriptionRect(screen);
            EXPECT_EQ(screen.height() - 1 - text.bottom(), 37);
            EXPECT_GT(text.top(), screen.height() / 10);
        }
    }
}

}  // namespace
}  // namespace vortel::installer

// The tests never touch the real home: HOME and the XDG folders point into a temporary folder
// before anything is made.
int main(int argc, char** argv) {
    QTemporaryDir home;
    if (!home.isValid()) return 2;
    qputenv("HOME", home.path().toUtf8());
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        qputenv(name, (home.path() + QLatin1Char('/') + QString::fromLatin1(name).toLower()).toUtf8());
    qputenv("XDG_RUNTIME_DIR", home.path().toUtf8());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
