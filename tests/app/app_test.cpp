// The real main window on Qt's offscreen platform, driven with real events.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

#include <filesystem>
#include <fstream>

#include "app/ImageView.h"
#include "app/MainWindow.h"
#include "app/Settings.h"
#include "document/Document.h"
#include "document/ImageFile.h"
#include "tests/common/ScratchDir.h"

namespace vortel::app {
namespace {

MainWindow::StartOptions quietStart() {
    MainWindow::StartOptions options;
    options.withoutSettings = true;
    return options;
}

struct Window {
    Window() : window(quietStart()) {
        window.messages().quiet = true;
        window.show();
    }
    ColorRef pixel(int x, int y) { return window.view()->canvas()->pixel(x, y); }
    MainWindow window;
};

}  // namespace

TEST(MainWindow, StartsWithTheDefaultEffectOnTheStylePage) {
    Window w;
    EXPECT_EQ(w.window.notebook()->currentIndex(), MainWindow::StylePage);
    EXPECT_EQ(w.window.windowTitle(), QStringLiteral("Vortel - unbenannt.vtl"));
    EXPECT_EQ(w.window.view()->width(), 450);
    EXPECT_EQ(w.pixel(2, 2), rgb(0, 0, 255));  // blue ground
    int red = 0;
    for (int x = 0; x < 450; ++x) red += w.pixel(x, 100) == rgb(255, 0, 0);
    EXPECT_GT(red, 50);  // red letters across the middle
    EXPECT_EQ(w.window.engine().Modified, 0);
}

TEST(MainWindow, ClickingADeformationWarpsTheText) {
    Window w;
    w.window.notebook()->setCurrentIndex(MainWindow::DeformPage);
    auto* list = w.window.findChild<QListWidget*>(QStringLiteral("GuideStyleListBox"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 30);
    const Bitmap before = w.window.view()->canvas()->toBitmap();
    const QRect item = list->visualItemRect(list->item(8));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_EQ(w.window.engine().GuideStyle, 8);
    EXPECT_NE(w.window.view()->canvas()->toBitmap().bgr, before.bgr);
    // Undo takes the preset's guides back only through the editor's own actions; the list keeps it.
    EXPECT_EQ(w.window.engine().NumGuidePoints[0], 3);
}

TEST(MainWindow, ClickingAMainStyleAppliesItOnce) {
    Window w;
    auto* list = w.window.findChild<QListWidget*>(QStringLiteral("MainStyleListBox"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 46);
    EXPECT_FALSE(list->item(24)->icon().isNull());
    int renders = 0;
    w.window.view()->canvas()->setChangeListener([&renders] { ++renders; });
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(24)).center());
    EXPECT_EQ(w.window.engine().Text, "Gold");
    EXPECT_EQ(w.window.engine().TextFill.FillKind, 1);
    EXPECT_GT(renders, 0);
    const int afterOne = renders;
    w.window.recalculate();
    EXPECT_EQ(renders, 2 * afterOne);  // the style drew the picture exactly once
}

TEST(MainWindow, OpensADocumentAndAnImageUnderTheirNames) {
    testing::ScratchDir dir;
    {
        TFontFX engine(Rect{0, 0, 300, 120});
        engine.Text = "Aus der Kommandozeile";
        WriteDocument(engine, Bitmap{300, 120, std::vector<uint8_t>(300 * 120 * 3, 200)}, dir.file("made.vtl"));
    }
    Window w;
    ASSERT_TRUE(w.window.openFile(QString::fromStdString(dir.file("made.vtl"))));
    EXPECT_EQ(w.window.engine().Text, "Aus der Kommandozeile");
    EXPECT_EQ(w.window.view()->width(), 300);
    EXPECT_EQ(w.window.windowTitle(), QStringLiteral("Vortel - made.vtl"));

    saveImage(dir.file("picture.jpg"), Bitmap{8, 8, std::vector<uint8_t>(8 * 8 * 3, 90)});
    ASSERT_TRUE(w.window.openFile(QString::fromStdString(dir.file("picture.jpg"))));
    EXPECT_TRUE(w.window.documentName().endsWith(QStringLiteral("picture.vtl")));
    EXPECT_EQ(w.window.engine().BackFill.FillKind, 0);

    EXPECT_FALSE(w.window.openFile(QString::fromStdString(dir.file("missing.vtl"))));
    EXPECT_EQ(w.window.engine().Text, "Aus der Kommandozeile");  // a failed open changes nothing
}

TEST(Settings, FallsBackWhenTheProgramFolderCannotBeWritten) {
    testing::ScratchDir dir;
    // A "folder" that is a file: nothing can be written under it, whoever runs the test.
    { std::ofstream(dir.file("program")) << "not a folder"; }
    const std::vector<std::string> candidates = {dir.file("program/vortel.ini"), dir.file("config/vortel/vortel.ini")};
    const IniFile ini = OpenSettings(candidates);
    EXPECT_EQ(ini.path(), candidates[1]);
    EXPECT_EQ(IniFile(ini.path()).readInteger("Options", "WriteTest", 7), 0);
    const auto places = SettingsCandidates("/opt/vortel");
    ASSERT_EQ(places.size(), 3u);
    EXPECT_EQ(places.front(), "/opt/vortel/vortel.ini");
    EXPECT_TRUE(places[1].ends_with("vortel/vortel.ini"));
}

}  // namespace vortel::app

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
