// The real main window on Qt's offscreen platform, driven with real events.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QTabWidget>
#include <QTest>

#include <filesystem>
#include <fstream>

#include "app/ImageView.h"
#include "app/JpegOptimizerDialog.h"
#include "app/MainWindow.h"
#include "app/Settings.h"
#include "tests/app/AppWindow.h"
#include "document/Document.h"
#include "document/ImageFile.h"
#include "tests/common/ScratchDir.h"

namespace vortel::app {
namespace {

using apptest::Window;

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
    for (int page = 0; page < w.window.notebook()->count(); ++page)
        EXPECT_FALSE(w.window.notebook()->tabIcon(page).isNull()) << page;  // every tab carries its glyph
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

// Untitled, the dialog suggests the start of the text; each type adds its extension when the name
// lacks it; an existing file is replaced only after a Yes.
TEST(MainWindow, SaveAsNamesAndTypes) {
    testing::ScratchDir dir;
    Window w;
    // The JPEG type goes through its optimizer, saved at once.
    w.window.dialogHook = [](QDialog& dialog) {
        if (auto* optimizer = qobject_cast<JpegOptimizerDialog*>(&dialog)) optimizer->save();
        return dialog.result();
    };
    w.window.engine().Text = std::string(70, 'A') + "\r\nB";
    EXPECT_EQ(w.window.suggestedSaveName(), QString(60, QLatin1Char('A')));
    const auto name = [&](const char* file) { return QString::fromStdString(dir.file(file)); };
    const struct {
        const char* given;
        int index;
        const char* written;
    } cases[] = {
        {"x", 2, "x.bmp"},         {"y.BMP", 2, "y.BMP"},     {"doc", 1, "doc.vtl"},   {"bild", 4, "bild.jpg"},
        {"meta", 3, "meta.emf"},   {"alt", 5, "alt.wmf"},     {"form", 6, "form.deform"}, {"kante", 7, "kante.bevel"},
        {"farbe", 8, "farbe.color"}, {"schatten", 9, "schatten.shadow"},
    };
    for (const auto& c : cases) {
        const auto written = w.window.saveAs(name(c.given), c.index);
        ASSERT_TRUE(written) << c.given;
        EXPECT_EQ(*written, name(c.written));
        EXPECT_TRUE(std::filesystem::exists(dir.file(c.written))) << c.written;
    }
    EXPECT_EQ(w.window.documentName(), name("doc.vtl"));  // only the document type renames
    EXPECT_EQ(w.window.suggestedSaveName(), QStringLiteral("doc"));

    int asked = 0;
    w.window.confirmHook = [&asked](const QString& question) {
        ++asked;
        EXPECT_TRUE(question.contains(QStringLiteral("existiert schon.")));
        return int(QMessageBox::No);
    };
    const auto before = std::filesystem::last_write_time(dir.file("x.bmp"));
    EXPECT_FALSE(w.window.saveAs(name("x"), 2));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(std::filesystem::last_write_time(dir.file("x.bmp")), before);
    EXPECT_THROW(w.window.saveAs(name("z"), 10), std::runtime_error);
}

// What the program saves, the command line draws the same, pixel for pixel.
TEST(MainWindow, SavedDocumentRendersTheSameOnTheCommandLine) {
    testing::ScratchDir dir;
    Window w;
    w.window.panels().ApplyMainStyle(24);
    w.window.recalculate();
    ASSERT_TRUE(w.window.saveAs(QString::fromStdString(dir.file("gold")), 1));
    const std::string command = std::string(VORTEL_BIN_DIR) + "/vortel-cli render '" + dir.file("gold.vtl") + "' -o '" +
                                dir.file("gold.bmp") + "' 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(loadImage(dir.file("gold.bmp")).bgr, w.window.view()->canvas()->toBitmap().bgr);
}

// A document the command line made opens in the program and looks the same.
TEST(MainWindow, CommandLineDocumentLooksTheSame) {
    testing::ScratchDir dir;
    const std::string cli = std::string(VORTEL_BIN_DIR) + "/vortel-cli render ";
    ASSERT_EQ(std::system((cli + "--style 31 -o '" + dir.file("made.vtl") + "' 2>/dev/null").c_str()), 0);
    ASSERT_EQ(std::system((cli + "'" + dir.file("made.vtl") + "' -o '" + dir.file("made.bmp") + "' 2>/dev/null").c_str()), 0);
    Window w;
    ASSERT_TRUE(w.window.openFile(QString::fromStdString(dir.file("made.vtl"))));
    EXPECT_EQ(loadImage(dir.file("made.bmp")).bgr, w.window.view()->canvas()->toBitmap().bgr);
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
