// The main window started from settings files: every state the program writes, and files that are
// broken, hostile or not files at all.
#include <gtest/gtest.h>

#include <QAction>
#include <QColorDialog>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTest>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <cstdlib>
#include <random>

#include "app/ImageView.h"
#include "app/MainWindow.h"
#include "app/Settings.h"
#include "document/Document.h"
#include "tests/app/AppWindow.h"
#include "tests/common/ScratchDir.h"

namespace vortel::app {
namespace {

namespace fs = std::filesystem;

QRect availableArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

void writeText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// What a started window shows of its settings.
struct Observed {
    bool professional, shortHelp, tipOfDay, demo;
    int quality;
    QSize image;
    QRect geometry;
    QStringList recent, textureFolders;
    QColor colour0;
    // The window's place exactly; its size within a few pixels that the layouts of the two modes
    // may take beyond what was stored.
    bool operator==(const Observed& o) const {
        return professional == o.professional && shortHelp == o.shortHelp && tipOfDay == o.tipOfDay && demo == o.demo &&
               quality == o.quality && image == o.image && geometry.topLeft() == o.geometry.topLeft() &&
               std::abs(geometry.width() - o.geometry.width()) <= 8 && std::abs(geometry.height() - o.geometry.height()) <= 8 &&
               recent == o.recent && textureFolders == o.textureFolders && colour0 == o.colour0;
    }
};

Observed observe(MainWindow& w) {
    const auto checked = [&w](const QString& text) {
        for (QAction* a : w.findChildren<QAction*>())
            if (a->text() == text) return a->isChecked();
        return false;
    };
    const QRect geometry = w.geometry();
    return Observed{w.professional(), checked(QStringLiteral("&Kurzhilfe")), checked(QStringLiteral("&Tipp des Tages")),
                    checked(QStringLiteral("&Demo nach Programmstart")), int(w.quality()), w.view()->size(), geometry,
                    w.recentFiles(), w.textureFolders(), QColorDialog::customColor(0)};
}

std::ostream& operator<<(std::ostream& os, const Observed& o) {
    const auto r = o.geometry;
    return os << "profi " << o.professional << " help " << o.shortHelp << " tip " << o.tipOfDay << " demo " << o.demo
              << " quality " << o.quality << " image " << o.image.width() << "x" << o.image.height() << " at " << r.x()
              << "," << r.y() << " " << r.width() << "x" << r.height() << " recent " << o.recent.size() << " folders "
              << o.textureFolders.size() << " colour " << o.colour0.name().toStdString();
}

// A window on `file` that may write it when it closes.
MainWindow::StartOptions startOn(const std::string& file, bool saver = false) {
    MainWindow::StartOptions options = apptest::quietStart(file);
    options.saver = saver;
    return options;
}

// Each row puts the window into one state the program stores; a window started from what it wrote
// shows the same. The last row does all of them at once.
TEST(SettingsRoundTrip, EveryStoredStateComesBack) {
    testing::ScratchDir dir;
    const std::string document = dir.file("doc.vtl");
    {
        TFontFX engine(Rect{0, 0, 120, 60});
        WriteDocument(engine, Bitmap{120, 60, std::vector<uint8_t>(120 * 60 * 3, 128)}, document);
    }
    using Step = std::function<void(MainWindow&)>;
    const auto trigger = [](const QString& text) {
        return [text](MainWindow& w) {
            for (QAction* a : w.findChildren<QAction*>())
                if (a->text() == text) a->trigger();
        };
    };
    struct Row {
        const char* what;
        Step step;
    };
    const std::vector<Row> rows = {
        {"as started", [](MainWindow&) {}},
        {"professional", trigger(QStringLiteral("Profi"))},
        {"draft", [](MainWindow& w) { w.setQuality(MainWindow::Quality::Draft); }},
        {"normal", [](MainWindow& w) { w.setQuality(MainWindow::Quality::Normal); }},
        {"smooth", [](MainWindow& w) { w.setQuality(MainWindow::Quality::Smooth); }},
        {"small picture", [](MainWindow& w) { w.setImageSize(123, 77); }},
        {"one pixel", [](MainWindow& w) { w.setImageSize(1, 1); }},
        {"widest picture", [](MainWindow& w) { w.setImageSize(10000, 3); }},
        {"window moved and sized", [](MainWindow& w) { w.setGeometry(QRect(availableArea().topLeft() + QPoint(17, 23), QSize(500, 410))); }},
        {"window as large as the screen", [](MainWindow& w) {
             w.move(availableArea().topLeft());
             w.resize(availableArea().size());
         }},
        {"no short help", trigger(QStringLiteral("&Kurzhilfe"))},
        {"no tip of the day", trigger(QStringLiteral("&Tipp des Tages"))},
        {"demo after start", trigger(QStringLiteral("&Demo nach Programmstart"))},
        {"one recent file", [&](MainWindow& w) { w.openFile(QString::fromStdString(document)); }},
        {"four recent files", [&](MainWindow& w) {
             for (const char* name : {"a.vtl", "b.vtl", "c.vtl", "d.vtl", "e.vtl"}) w.addRecentFile(QString::fromStdString(dir.file(name)));
         }},
        {"texture folders", [&](MainWindow& w) {
             for (int i = 0; i < 12; ++i) w.textureFolders() << QString::fromStdString(dir.file("tex" + std::to_string(i)));
         }},
        {"custom colour", [](MainWindow&) { QColorDialog::setCustomColor(0, QColor(10, 200, 30)); }},
    };
    std::vector<Row> all = rows;
    all.push_back({"everything at once", [&rows](MainWindow& w) {
                       for (const Row& r : rows) r.step(w);
                   }});
    int covered = 0;
    for (const Row& row : all) {
        SCOPED_TRACE(row.what);
        const std::string file = dir.file(std::string("vortel-") + std::to_string(covered) + ".ini");
        QColorDialog::setCustomColor(0, Qt::white);
        Observed before{};
        {
            MainWindow first(startOn(file));
            first.messages().quiet = true;
            first.confirmHook = [](const QString&) { return int(QMessageBox::No); };
            first.show();
            row.step(first);
            // The folders kept are the first ten.
            while (first.textureFolders().size() > MaxTextureFolders) first.textureFolders().removeLast();
            QTest::qWait(1);  // the layout settles
            before = observe(first);
            ASSERT_TRUE(first.close());
        }
        QColorDialog::setCustomColor(0, Qt::white);
        MainWindow second(startOn(file));
        second.messages().quiet = true;
        second.show();
        QTest::qWait(1);
        EXPECT_EQ(observe(second), before);
        ++covered;
    }
    QColorDialog::setCustomColor(0, Qt::white);  // Qt keeps its colours beyond the run
    EXPECT_EQ(covered, 18);
}

// The screen saver shows its pictures beside the window and ends without a question: its
// off-screen place is never written.
TEST(SettingsRoundTrip, TheSaverNeitherAsksNorStoresItsPlace) {
    testing::ScratchDir dir;
    const std::string file = dir.file("vortel.ini");
    writeText(file, "[Options]\nLeft=40\nTop=30\n");
    {
        MainWindow saver(startOn(file, true));
        saver.messages().quiet = true;
        int questions = 0;
        saver.confirmHook = [&questions](const QString&) { return ++questions, int(QMessageBox::Cancel); };
        saver.show();
        EXPECT_GE(saver.x(), availableArea().right());  // out of sight
        saver.engine().Modified = 1;
        EXPECT_TRUE(saver.close());
        EXPECT_EQ(questions, 0);
    }
    const IniFile written(file);
    EXPECT_EQ(written.readInteger("Options", "Left", -1), 40);
    EXPECT_EQ(written.readInteger("Options", "Top", -1), 30);
}

// The language menu stores the choice for the next start; a change is said once, the language
// already stored is not; the check mark follows the choice.
TEST(SettingsRoundTrip, LanguageChoiceIsStoredForTheNextStart) {
    const struct {
        const char* stored;  // the file's Language= line, "" for none
        const char* chosen;  // "de" or "en"
        bool told;
    } cases[] = {{"", "en", true}, {"", "de", true}, {"de", "en", true}, {"en", "de", true}, {"en", "en", false}};
    for (const auto& c : cases) {
        testing::ScratchDir dir;
        const std::string file = dir.file("vortel.ini");
        writeText(file, *c.stored ? std::string("[Options]\nLanguage=") + c.stored + "\n" : std::string());
        {
            apptest::Window w(file);
            QAction* action = w.window.findChild<QAction*>(QStringLiteral("LanguageMenu_") + QLatin1String(c.chosen));
            ASSERT_NE(action, nullptr);
            action->trigger();
            EXPECT_TRUE(action->isChecked());
            int boxes = 0;
            for (const auto& e : w.window.messages().recorded.entries)
                boxes += e.kind == RecordingMessages::Kind::Box && e.text.find("Programmstart") != std::string::npos;
            EXPECT_EQ(boxes, c.told ? 1 : 0) << c.stored << " -> " << c.chosen;
            EXPECT_TRUE(w.window.close());
        }
        EXPECT_EQ(IniFile(file).readString("Options", "Language", ""), c.chosen) << c.stored << " -> " << c.chosen;
    }
}

// Files a user, a crash or an attacker may leave: each starts at once with values the program offers.
TEST(HostileSettings, EveryFileStartsQuicklyWithSaneValues) {
    testing::ScratchDir dir;
    std::mt19937 random(4711);
    std::string binary(70000, '\0');
    for (char& c : binary) c = char(random());
    std::string huge;
    while (huge.size() < (5u << 20)) huge += "[Image]\nWidth=30000\nHeight=30000\n";
    const QRect area = availableArea();
    struct Case {
        const char* what;
        std::function<std::string()> make;  // the settings file's name
        bool professional = false;
        QSize image{0, 0};  // 0: any size in 1 .. 10000
    };
    const auto text = [&dir](const char* name, std::string content) {
        return [&dir, name, content] {
            writeText(dir.file(name), content);
            return dir.file(name);
        };
    };
    const auto link = [&dir](const char* name, const char* target) {
        return [&dir, name, target] {
            fs::create_symlink(target, dir.file(name));
            return dir.file(name);
        };
    };
    const Case cases[] = {
        {"professional mode alone", text("profi.ini", "[Options]\nProfi=1\n"), true},
        {"a picture far too large", text("large.ini", "[Image]\nWidth=30000\nHeight=40\n"), false, {10000, 40}},
        {"negative everything",
         text("negative.ini", "[Options]\nLeft=-5000\nTop=-9999\nWidth=-1\nHeight=-7\nSmooth=-3\n[Image]\nWidth=-5\nHeight=0\n"
                              "[Files]\nCount=-2\n[CustomColors]\nCount=-9\n"),
         false, {1, 1}},
        {"off the screen", text("offscreen.ini", "[Options]\nLeft=1280\nTop=5000\nWidth=99999\nHeight=99999\n")},
        {"out of range", text("range.ini", "[Options]\nSmooth=7\nProfi=99\n[Files]\nCount=999\n[CustomColors]\nCount=9999\n0=FFFFFFFFFF\n"
                                          "[Image]\nWidth=2147483647\nHeight=abc\n"),
         true},
        {"missing folders and files",
         text("missing.ini", "[Options]\nOpenDir=/nonexistent/a\nFormBG=:/nonexistent/back.png\nVTLStartDir=/nonexistent\n"
                             "[TextureDir]\n/nonexistent/x=x\n[Files]\nCount=2\n1=/nonexistent/a.vtl\n2=\n")},
        {"binary", text("binary.ini", binary)},
        {"huge", text("huge.ini", huge)},
        {"a FIFO", [&dir] {
             ::mkfifo(dir.file("fifo.ini").c_str(), 0600);
             return dir.file("fifo.ini");
         }},
        {"a FIFO as the background picture", [&dir] {
             ::mkfifo(dir.file("back.fifo").c_str(), 0600);
             writeText(dir.file("formbg.ini"), "[Options]\nFormBG=:" + dir.file("back.fifo") + "\n");
             return dir.file("formbg.ini");
         }},
        {"a link to /dev/zero", link("zero.ini", "/dev/zero")},
        {"a link to /dev/full", link("full.ini", "/dev/full")},
        {"a device", [] { return std::string("/dev/null"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string file = c.make();
        QElapsedTimer clock;
        clock.start();
        {
            MainWindow w(startOn(file));
            w.messages().quiet = true;
            w.show();
            w.repaint();  // the background is read while painting
            QTest::qWait(1);
            EXPECT_LT(clock.elapsed(), 5000);
            EXPECT_EQ(w.professional(), c.professional);
            const QSize image = w.view()->size();
            if (c.image.width() > 0) {
                EXPECT_EQ(image, c.image);
            } else {
                EXPECT_TRUE(image.width() >= 1 && image.width() <= 10000 && image.height() >= 1 && image.height() <= 10000);
            }
            // On the screen: wholly, unless the window's own minimum is larger than the screen.
            const QRect frame = w.frameGeometry();
            EXPECT_TRUE(area.contains(frame.topLeft())) << frame.x() << "," << frame.y();
            if (w.minimumSizeHint().width() + frame.width() - w.width() <= area.width()) {
                EXPECT_LE(frame.left() + w.width() - 1, area.right()) << frame.x() << " " << w.width();
            }
            EXPECT_LE(w.recentFiles().size(), MainWindow::RecentCount);
            EXPECT_LE(w.textureFolders().size(), MaxTextureFolders);
            EXPECT_TRUE(w.close());
        }
        EXPECT_LT(clock.elapsed(), 8000);
        // What was written back is as sane as what was shown.
        std::error_code ec;
        if (fs::is_regular_file(file, ec) && fs::file_size(file, ec) < (4u << 20)) {
            const IniFile written(file);
            EXPECT_LE(written.readInteger("Image", "Width", 1), 10000);
            EXPECT_GE(written.readInteger("Image", "Height", 1), 1);
            EXPECT_LE(written.readInteger("Options", "Left", 0), area.right());
        }
    }
}

TEST(HostileSettings, WindowPlaceKeepsTheWindowOnTheArea) {
    const QRect area(100, 50, 800, 600);
    struct Case {
        int left, top, width, height;
        QRect expected;
    };
    const Case cases[] = {
        {-1, -1, 640, 580, QRect(180, 60, 640, 580)},          // nothing stored: centred
        {120, 70, 500, 400, QRect(120, 70, 500, 400)},         // stored and fitting
        {1280, 5000, 500, 400, QRect(400, 250, 500, 400)},     // beyond the right and the bottom
        {-900, -900, 500, 400, QRect(100, 50, 500, 400)},      // before the left and the top
        {0, 0, 99999, 99999, QRect(100, 50, 800, 600)},        // larger than the area
        {300, 300, -5, 0, QRect(300, 300, MinWindowWidth, MinWindowHeight)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WindowPlace(area, c.left, c.top, c.width, c.height), c.expected) << c.left << "," << c.top;
    EXPECT_TRUE(OnAScreen(QRect(availableArea().topLeft(), QSize(100, 100))));
    EXPECT_FALSE(OnAScreen(QRect(availableArea().right() + 1, 0, 100, 100)));
}

}  // namespace
}  // namespace vortel::app
