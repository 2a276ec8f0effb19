// The main window's file and edit commands, settings and window events.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QTabWidget>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <new>

#include "app/TextInputDialog.h"
#include "document/Document.h"
#include "document/ImageFile.h"
#include "platform/IniFile.h"
#include "tests/app/AppWindow.h"
#include "tests/common/ScratchDir.h"

namespace vortel::app {
namespace {

using apptest::Window;

std::string writeDocument(const std::string& file, const std::string& text) {
    TFontFX engine(Rect{0, 0, 200, 80});
    engine.Text = text;
    WriteDocument(engine, Bitmap{200, 80, std::vector<uint8_t>(200 * 80 * 3, 128)}, file);
    return file;
}

TEST(Commands, RecentFilesKeepFourMostRecentFirst) {
    vortel::testing::ScratchDir dir;
    Window w(dir.file("vortel.ini"));
    const auto path = [&](int i) { return QString::fromStdString(writeDocument(dir.file("doc" + std::to_string(i) + ".vtl"), "T" + std::to_string(i))); };
    for (int i = 1; i <= 4; ++i) ASSERT_TRUE(w.window.openFile(path(i)));
    // Opening appends without reordering until the list is full ...
    EXPECT_EQ(w.window.recentFiles(), (QStringList{path(1), path(2), path(3), path(4)}));
    // ... an entry already there moves to the top, whatever its case ...
    w.window.addRecentFile(path(3).toUpper());
    EXPECT_EQ(w.window.recentFiles().first(), path(3));
    // ... and a fifth file drops the oldest.
    ASSERT_TRUE(w.window.openFile(path(5)));
    EXPECT_EQ(w.window.recentFiles(), (QStringList{path(5), path(3), path(1), path(2)}));
    EXPECT_EQ(w.window.recentAction(0)->toolTip(), path(5));
    EXPECT_TRUE(w.window.recentAction(0)->text().startsWith(QStringLiteral("&1 ")));
    EXPECT_TRUE(w.window.recentAction(3)->isVisible());

    w.window.reopen(2);  // doc1
    EXPECT_EQ(w.window.engine().Text, "T1");
    EXPECT_EQ(w.window.recentFiles().first(), path(1));
    EXPECT_EQ(w.window.windowTitle(), QStringLiteral("Vortel - doc1.vtl"));
}

TEST(Commands, SettingsWithMoreThanFourFilesShowFour) {
    vortel::testing::ScratchDir dir;
    {
        std::ofstream ini(dir.file("vortel.ini"));
        ini << "[Files]\nCount=6\n";
        for (int i = 1; i <= 6; ++i) ini << i << "=/data/file" << i << ".vtl\n";
    }
    Window w(dir.file("vortel.ini"));
    EXPECT_EQ(w.window.recentFiles().size(), 4);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(w.window.recentAction(i)->isVisible()) << i;
}

TEST(Commands, PathEllipsisKeepsTheFileName) {
    const QFont font;
    const QString longPath = QStringLiteral("/home/someone/a/very/long/folder/name/that/does/not/fit/effekt.vtl");
    const QString shortened = MainWindow::elidedPath(longPath, 150, font);
    EXPECT_TRUE(shortened.endsWith(QStringLiteral("/effekt.vtl")));
    EXPECT_TRUE(shortened.contains(QStringLiteral("...")));
    EXPECT_LE(QFontMetrics(font).horizontalAdvance(shortened), 150);
    EXPECT_EQ(MainWindow::elidedPath(QStringLiteral("/a/b.vtl"), 150, font), QStringLiteral("/a/b.vtl"));
}

// The change query: Cancel stops New, No goes on; New takes the dialog's text and counts as changed.
TEST(Commands, NewAsksForChangesAndTakesTheDialogText) {
    Window w;
    w.window.engine().Modified = 1;
    QString asked;
    int answer = QMessageBox::Cancel;
    w.window.confirmHook = [&](const QString& q) {
        asked = q;
        return answer;
    };
    int dialogs = 0;
    w.window.dialogHook = [&dialogs](QDialog& dialog) {
        ++dialogs;
        auto* memo = dialog.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
        EXPECT_NE(memo, nullptr);
        if (memo) memo->setPlainText(QStringLiteral("  Zwei\nZeilen  "));
        return int(QDialog::Accepted);
    };
    EXPECT_FALSE(w.window.newCommand());
    EXPECT_EQ(asked, QStringLiteral("\u00c4nderungen in \"unbenannt.vtl\" speichern?"));
    EXPECT_EQ(dialogs, 0);
    answer = QMessageBox::No;
    ASSERT_TRUE(w.window.newCommand());
    EXPECT_EQ(w.window.engine().Text, "Zwei\r\nZeilen");
    EXPECT_EQ(w.window.engine().Modified, 1);
    EXPECT_FALSE(w.window.panels().textEdited);  // a style may put its own text in again

    w.window.dialogHook = [](QDialog&) { return int(QDialog::Rejected); };
    answer = QMessageBox::No;
    EXPECT_FALSE(w.window.newCommand());
    EXPECT_EQ(w.window.engine().Text, "Zwei\r\nZeilen");
}

// A picture lends the document its name; Save asks before it replaces a file of that name it did
// not read or write itself, and asks no more once it has.
TEST(Commands, SaveAsksBeforeReplacingAFileItDidNotWrite) {
    testing::ScratchDir dir;
    saveImage(dir.file("holz.png"), Bitmap{8, 8, std::vector<uint8_t>(8 * 8 * 3, 90)});
    const std::string other = dir.file("holz.vtl");
    const auto content = [&other] {
        std::ifstream in(other, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    { std::ofstream(other, std::ios::binary) << "fremde Datei"; }
    Window w;
    QStringList asked;
    int answer = QMessageBox::No;
    w.window.confirmHook = [&](const QString& q) {
        asked << q;
        return answer;
    };
    ASSERT_TRUE(w.window.openFile(QString::fromStdString(dir.file("holz.png"))));
    EXPECT_EQ(w.window.documentName(), QString::fromStdString(other));
    w.window.engine().Modified = 1;
    w.window.saveCommand(false);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].contains(QStringLiteral("existiert schon")));
    EXPECT_EQ(content(), "fremde Datei");
    EXPECT_EQ(w.window.engine().Modified, 1);
    answer = QMessageBox::Yes;
    w.window.saveCommand(false);
    EXPECT_EQ(asked.size(), 2);
    EXPECT_NE(content(), "fremde Datei");
    EXPECT_EQ(w.window.engine().Modified, 0);
    w.window.engine().Modified = 1;
    w.window.saveCommand(false);  // now it is the document's own file
    EXPECT_EQ(asked.size(), 2);
    // A document opened is its own file too.
    ASSERT_TRUE(w.window.openFile(QString::fromStdString(other)));
    w.window.engine().Modified = 1;
    w.window.saveCommand(false);
    EXPECT_EQ(asked.size(), 2);
}

// New starts without a shape of the Deform list chosen; the bevel editor's point stays on its page.
TEST(Commands, NewAndPageChangesLeaveNothingOfBefore) {
    Window w;
    w.window.notebook()->setCurrentIndex(MainWindow::DeformPage);
    auto* list = w.window.findChild<QListWidget*>(QStringLiteral("GuideStyleListBox"));
    ASSERT_NE(list, nullptr);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(8)).center());
    ASSERT_EQ(list->currentRow(), 8);
    w.window.confirmHook = [](const QString&) { return int(QMessageBox::No); };
    w.window.dialogHook = [](QDialog&) { return int(QDialog::Accepted); };
    ASSERT_TRUE(w.window.newCommand());
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    // A picture entry carries no text, so nothing is drawn under its picture.
    for (int row = 0; row < list->count(); ++row) EXPECT_FALSE(list->item(row)->data(Qt::DisplayRole).isValid()) << row;

    w.window.notebook()->setCurrentIndex(MainWindow::BevelPage);
    w.window.messages().status(1, "Punkt 1, 17%, 83%");
    w.window.notebook()->setCurrentIndex(MainWindow::TextPage);
    EXPECT_TRUE(w.window.statusText(1).isEmpty()) << w.window.statusText(1).toStdString();
}

// Memory that runs out inside a command is a German message; the window goes on working.
TEST(Commands, OutOfMemoryIsAMessage) {
    Window w;
    w.window.dialogHook = [](QDialog&) -> int { throw std::bad_alloc(); };
    QAction* print = w.window.findChild<QAction*>(QStringLiteral("PrintMenu"));
    ASSERT_NE(print, nullptr);
    print->trigger();
    ASSERT_EQ(w.window.messages().recorded.entries.size(), 1u);
    EXPECT_NE(w.window.messages().recorded.entries[0].text.find("Arbeitsspeicher"), std::string::npos);
    w.window.dialogHook = nullptr;
    const Bitmap before = w.window.view()->canvas()->toBitmap();
    w.window.engine().Text = "Weiter";
    w.window.engine().releaseTextMask();
    w.window.recalculate();
    EXPECT_NE(w.window.view()->canvas()->toBitmap().bgr, before.bgr);
}

// Save on an untitled document is Save as: the dialog suggests the text's start; the chosen type
// adds its extension.
TEST(Commands, UntitledSaveAsksForANameAndType) {
    vortel::testing::ScratchDir dir;
    Window w;
    w.window.engine().Text = "Hallo Welt";
    QString suggested;
    w.window.dialogHook = [&](QDialog& dialog) {
        auto& files = static_cast<QFileDialog&>(dialog);
        suggested = files.selectedFiles().value(0);
        files.selectFile(QString::fromStdString(dir.file("gruss")));
        files.selectNameFilter(files.nameFilters().at(1));  // BMP
        return int(QDialog::Accepted);
    };
    w.window.saveCommand(false);
    EXPECT_TRUE(suggested.endsWith(QStringLiteral("Hallo Welt")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("gruss.bmp")));
    EXPECT_EQ(w.window.documentName(), QStringLiteral("unbenannt.vtl"));  // another format keeps the name
    EXPECT_EQ(w.window.settings().readInteger("Options", "SaveIndex", 0), 2);
}

TEST(Commands, CloseQueryCancelKeepsTheWindow) {
    Window w;
    w.window.engine().Modified = 1;
    w.window.confirmHook = [](const QString&) { return int(QMessageBox::Cancel); };
    EXPECT_FALSE(w.window.close());
    EXPECT_TRUE(w.window.isVisible());
    // Yes, but the Save dialog is cancelled: the changes would be lost, so the window stays.
    w.window.confirmHook = [](const QString&) { return int(QMessageBox::Yes); };
    w.window.dialogHook = [](QDialog&) { return int(QDialog::Rejected); };
    EXPECT_FALSE(w.window.close());
    w.window.confirmHook = [](const QString&) { return int(QMessageBox::No); };
    EXPECT_TRUE(w.window.close());
}

TEST(Commands, UndoCaptionNamesTheAction) {
    Window w;
    const char* const names[] = {"Keine", "Verformen", "Verschieben", "Zoom", "Punkt verschieben", "Zentrieren", "Drehen",
                                 "Punkt hinzuf\u00fcgen", "Punkt l\u00f6schen", "3D-Kante", "Farbe", "Farbverlauf",
                                 "Zufall-Style", "?"};
    for (int action = 0; action < 14; ++action) {
        w.window.engine().Undo.action = uint8_t(action);
        EXPECT_EQ(w.window.undoCaption(), QStringLiteral("&R\u00fcckg\u00e4ngig (%1)").arg(QString::fromUtf8(names[action])));
    }
}

TEST(Commands, CopyPutsThePictureAndPasteMakesItTheBackground) {
    Window w;
    w.window.copyCommand();
    const QImage copied = QApplication::clipboard()->image();
    ASSERT_EQ(copied.size(), QSize(450, 200));
    EXPECT_EQ(copied.pixelColor(2, 2), QColor(0, 0, 255));
    QImage green(16, 16, QImage::Format_RGB32);
    green.fill(QColor(0, 200, 0));
    QApplication::clipboard()->setImage(green);
    EXPECT_TRUE(w.window.pasteEnabled());
    w.window.pasteCommand();
    EXPECT_EQ(w.window.engine().BackFill.FillKind, 0);
    ASSERT_TRUE(w.window.engine().BackFill.Texture);
    EXPECT_EQ(w.window.engine().BackFill.Texture->width, 16);
    EXPECT_EQ(w.pixel(2, 2), rgb(0, 200, 0));
}

TEST(Commands, TypingRecalculatesOnceItPauses) {
    Window w;
    int renders = 0;
    w.window.view()->canvas()->setChangeListener([&renders] { ++renders; });
    w.window.startDelayedCalc(500);
    EXPECT_TRUE(w.window.delayedCalcTimer()->isActive());
    EXPECT_EQ(w.window.delayedCalcTimer()->interval(), 500);
    QTest::qWait(100);
    w.window.startDelayedCalc(500);  // still typing: the wait starts again
    EXPECT_EQ(renders, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.window.delayedCalcTimer()->isActive(); }, 3000));
    EXPECT_GT(renders, 0);
}

TEST(Commands, DroppedFileIsOpened) {
    vortel::testing::ScratchDir dir;
    const QString file = QString::fromStdString(writeDocument(dir.file("dropped.vtl"), "Fallen gelassen"));
    Window w;
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    // Straight to the window's handler (the application only routes drops of a running drag).
    static_cast<QObject&>(w.window).event(&drop);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.window.engine().Text == "Fallen gelassen"; }, 3000));
    EXPECT_EQ(w.window.windowTitle(), QStringLiteral("Vortel - dropped.vtl"));
}

// What the window keeps is written at exit and read at the next start.
TEST(Commands, SettingsRoundTrip) {
    vortel::testing::ScratchDir dir;
    const std::string ini = dir.file("vortel.ini");
    {
        Window w(ini);
        w.window.setImageSize(321, 123);
        w.window.setQuality(MainWindow::Quality::Normal);
        QColorDialog::setCustomColor(1, QColor(0x12, 0x34, 0x56));
        w.window.confirmHook = [](const QString&) { return int(QMessageBox::No); };
        w.window.close();
    }
    const IniFile written(ini);
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } expected[] = {
        {"Image", "Width", "321"},       {"Image", "Height", "123"},   {"Options", "Smooth", "1"},
        {"Options", "ShortHelp", "1"},  {"Options", "TipOfDay", "1"}, {"Options", "Demo", "0"},
        {"Options", "Profi", "0"},       {"CustomColors", "1", "563412"}, {"Program", "Ver", "0.93"},
        {"Program", "Name", "Vortel"},  {"Options", "WriteTest", "0"},
    };
    for (const auto& e : expected) EXPECT_EQ(written.readString(e.section, e.key, "-"), e.value) << e.section << "/" << e.key;
    Window again(ini);
    EXPECT_EQ(again.window.view()->size(), QSize(321, 123));
    EXPECT_EQ(again.window.quality(), MainWindow::Quality::Normal);
}

TEST(Commands, WindowBackgroundFollowsTheSetting) {
    vortel::testing::ScratchDir dir;
    { std::ofstream(dir.file("vortel.ini")) << "[Options]\nFormBG=%" << (0x00FF00) << "\n"; }
    Window w(dir.file("vortel.ini"));
    QWidget* viewport = w.window.findChild<QScrollArea*>(QStringLiteral("ScrollBox"))->viewport();
    const QImage shot = viewport->grab().toImage();
    EXPECT_EQ(shot.pixelColor(1, 1), QColor(0, 255, 0));
}

}  // namespace
}  // namespace vortel::app
