// The Style page on the real window: styles and typed text, the random list re-creating its
// effects, the folder list of documents and the slide show with its ends.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "app/ImageView.h"
#include "controls/Controls.h"
#include "panels/pages/SlideShow.h"
#include "panels/pages/StylePage.h"
#include "tests/app/AppWindow.h"
#include "tests/common/ScratchDir.h"

namespace vortel::app {
namespace {

using apptest::Window;
using pages::SlideShow;
using pages::StylePage;

StylePage* page(MainWindow& window) {
    auto* style = window.findChild<StylePage*>(QStringLiteral("StylePage"));
    if (!style) ADD_FAILURE() << "no Style page";
    return style;
}

void clickRow(QListWidget* list, int row) {
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

std::vector<uint8_t> pictureBytes(MainWindow& window) { return window.picture().bgr; }

// ------------------------------------------------------------------------------------- text

TEST(StylePageText, AStyleKeepsTypedTextAndNewMakesItUntypedAgain) {
    struct Case {
        const char* name;
        bool type;    // type into the text page's memo
        bool renew;   // then New with a text of the dialog
        std::string expected;
    };
    const Case cases[] = {
        {"untouched", false, false, "Gutschein"},
        {"typed", true, false, "Vortel!"},
        {"typed, then New", true, true, "Gutschein"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Window w;
        w.window.confirmHook = [](const QString&) { return int(QMessageBox::No); };
        if (c.type) {
            w.window.notebook()->setCurrentIndex(MainWindow::TextPage);
            auto* memo = w.window.findChild<QPlainTextEdit*>(QStringLiteral("FontTextMemo"));
            ASSERT_NE(memo, nullptr);
            memo->setFocus();
            memo->moveCursor(QTextCursor::End);
            QTest::keyClick(memo, Qt::Key_Exclam);
            ASSERT_EQ(w.window.engine().Text, "Vortel!");
        }
        if (c.renew) {
            w.window.dialogHook = [](QDialog& dialog) {
                dialog.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->setPlainText(QStringLiteral("Neu"));
                return int(QDialog::Accepted);
            };
            ASSERT_TRUE(w.window.newCommand());
        }
        w.window.notebook()->setCurrentIndex(MainWindow::StylePage);
        clickRow(page(w.window)->styleList(), 1);
        EXPECT_EQ(w.window.engine().Text, c.expected);
        EXPECT_EQ(w.window.engine().Modified, 1);
    }
}

// ------------------------------------------------------------------------------------- random

TEST(StylePageRandom, ClickingAnEntryRecreatesItsPictureByteForByte) {
    Window w;
    StylePage* style = page(w.window);
    style->showList(StylePage::List::Random);
    std::vector<std::vector<uint8_t>> pictures;
    std::vector<uint32_t> seeds;
    for (int i = 0; i < 3; ++i) {
        seeds.push_back(style->generateRandom(std::nullopt));
        pictures.push_back(pictureBytes(w.window));
        EXPECT_EQ(uint32_t(w.window.settings().readInteger("Options", "LastRandom", -1)), seeds.back());
    }
    ASSERT_EQ(style->randomList()->count(), 3);
    EXPECT_EQ(style->randomList()->currentRow(), 2);
    // In an order other than the one they were made in, each twice.
    for (const int row : {0, 2, 1, 0, 1, 2}) {
        SCOPED_TRACE(row);
        clickRow(style->randomList(), row);
        EXPECT_EQ(style->randomList()->entryText(row), QString::number(seeds[row]));
        EXPECT_TRUE(pictureBytes(w.window) == pictures[row]) << "picture differs";
        EXPECT_EQ(w.window.panels().currentSeed, seeds[row]);
    }
    // A given seed adds no entry.
    EXPECT_EQ(style->randomList()->count(), 3);
    // The thumbnails fill a column of the list.
    const QSize cell = style->randomList()->thumbnailSize();
    EXPECT_EQ(cell.height(), pages::ThumbnailList::ItemHeight - 2);
    EXPECT_LE(cell.width() * pages::ThumbnailList::Columns, style->randomList()->width());
}

TEST(StylePageRandom, TheStandardButtonClearsBothOtherLists) {
    Window w;
    StylePage* style = page(w.window);
    style->generateRandom(std::nullopt);
    style->showList(StylePage::List::Random);
    auto* standard = w.window.findChild<QAbstractButton*>(QStringLiteral("StyleStandardSpeedButton"));
    ASSERT_NE(standard, nullptr);
    QTest::mouseClick(standard, Qt::LeftButton);
    EXPECT_EQ(style->shownList(), StylePage::List::Styles);
    EXPECT_EQ(style->randomList()->count(), 0);
    EXPECT_EQ(style->folderList()->count(), 0);
}

// ------------------------------------------------------------------------------------- folder

// A document written by the window, its preview length then set to `length` (0 keeps it).
void writeDocument(MainWindow& window, const std::string& path, uint32_t length) {
    ASSERT_TRUE(window.saveAs(QString::fromStdString(path), 1));
    if (length == 0) return;
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    uint32_t offset = 0;
    file.seekg(580);
    file.read(reinterpret_cast<char*>(&offset), 4);
    file.seekp(offset);
    file.write(reinterpret_cast<const char*>(&length), 4);
}

TEST(StylePageFolder, DocumentsShowTheirPreviewOrAreOpenedAndRendered) {
    struct Case {
        const char* name;
        int documents;
        uint32_t previewLength;  // 0: the one written
        bool newerBitmap;        // a sibling .bmp newer than the document
        bool opened;             // the scan opens the document
    };
    const Case cases[] = {
        {"empty folder", 0, 0, false, false},
        {"stored preview", 2, 0, false, false},
        {"preview length 9", 1, 9, false, true},
        {"preview length 100001", 1, 100001, false, true},
        {"newer sibling bitmap", 1, 5, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Window w;
        w.window.confirmHook = [](const QString&) { return int(QMessageBox::No); };
        testing::ScratchDir folder;
        for (int i = 0; i < c.documents; ++i) writeDocument(w.window, folder.file("doc" + std::to_string(i) + ".vtl"), c.previewLength);
        if (c.newerBitmap) {
            QImage(20, 10, QImage::Format_RGB888).save(QString::fromStdString(folder.file("doc0.bmp")));
            std::filesystem::last_write_time(folder.file("doc0.bmp"),
                                             std::filesystem::last_write_time(folder.file("doc0.vtl")) + std::chrono::seconds(5));
        }
        // Another document is open while the folder is read.
        w.window.dialogHook = [](QDialog&) { return int(QDialog::Accepted); };
        ASSERT_TRUE(w.window.newCommand());
        const QString before = w.window.documentName();
        w.window.folderHook = [&](const QString&, const QString&) { return QString::fromStdString(folder.path().string()); };
        QTest::mouseClick(w.window.findChild<QAbstractButton*>(QStringLiteral("StyleDirSpeedButton")), Qt::LeftButton);
        StylePage* style = page(w.window);
        EXPECT_EQ(style->shownList(), StylePage::List::Folder);
        EXPECT_EQ(style->folderList()->count(), c.documents);
        EXPECT_EQ(w.window.documentName(), c.opened ? QString::fromStdString(folder.file("doc0.vtl")) : before);
        EXPECT_EQ(std::filesystem::exists(folder.file("doc0.bmp")), c.opened || c.newerBitmap);
        EXPECT_EQ(w.window.settings().readString("Options", "VTLStartDir", ""), folder.path().string());
        // A click on an entry opens its document.
        if (c.documents > 0) {
            const QString path = style->folderList()->entryText(0);
            clickRow(style->folderList(), 0);
            EXPECT_EQ(w.window.documentName(), path);
        }
    }
}

// Broken documents among good ones: each is left out without a box and the scan goes on; the bar
// names them.
TEST(StylePageFolder, BrokenDocumentsAreLeftOutAndTheScanGoesOn) {
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"garbage", std::string("kein Dokument, nur Text")},
        {"empty", std::string()},
        {"a document cut short", std::string()},  // filled below from a good one
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Window w;
        w.window.confirmHook = [](const QString&) { return int(QMessageBox::No); };
        testing::ScratchDir folder;
        for (int i = 0; i < 5; ++i) writeDocument(w.window, folder.file("doc" + std::to_string(i) + ".vtl"), 0);
        std::string bytes = c.bytes;
        if (std::string(c.what) == "a document cut short") {
            std::ifstream good(folder.file("doc0.vtl"), std::ios::binary);
            bytes.assign(std::istreambuf_iterator<char>(good), {});
            bytes.resize(bytes.size() / 3);
            bytes[590] ^= 0x55;  // the preview's place no longer fits either
        }
        { std::ofstream(folder.file("kaputt.vtl"), std::ios::binary) << bytes; }
        const auto boxes = [&w] {
            return std::count_if(w.window.messages().recorded.entries.begin(), w.window.messages().recorded.entries.end(),
                                 [](const RecordingMessages::Entry& e) { return e.kind == RecordingMessages::Kind::Box; });
        };
        const auto boxesBefore = boxes();
        w.window.folderHook = [&](const QString&, const QString&) { return QString::fromStdString(folder.path().string()); };
        QTest::mouseClick(w.window.findChild<QAbstractButton*>(QStringLiteral("StyleDirSpeedButton")), Qt::LeftButton);
        EXPECT_EQ(page(w.window)->folderList()->count(), 5);
        EXPECT_EQ(boxes(), boxesBefore);
        EXPECT_TRUE(w.window.statusText(1).contains(QStringLiteral("kaputt.vtl"))) << w.window.statusText(1).toStdString();
    }
}

TEST(StylePageFolder, NoFolderChosenGoesBackToTheStyles) {
    Window w;
    w.window.folderHook = [](const QString&, const QString&) { return QString(); };
    QTest::mouseClick(w.window.findChild<QAbstractButton*>(QStringLiteral("StyleDirSpeedButton")), Qt::LeftButton);
    EXPECT_EQ(page(w.window)->shownList(), StylePage::List::Styles);
}

// ------------------------------------------------------------------------------------- slide show

struct ShowCase {
    const char* name;
    SlideShow::Mode mode;
    int pause;
    bool mouse;  // ended by a mouse button rather than a key
};

class StylePageSlideShow : public ::testing::TestWithParam<ShowCase> {};

TEST_P(StylePageSlideShow, ShowsEachPictureAndEndsOnInputWithinOnePicture) {
    const ShowCase& c = GetParam();
    Window w;
    w.window.settings().writeInteger("Options", "DemoPause", c.pause);
    StylePage* style = page(w.window);
    SlideShow* show = style->slideShow();
    show->statisticsWanted = [] { return true; };
    // Every picture reaches the screen: a paint of the view (or of the full screen) comes
    // between two pictures.
    QWidget* shown = c.mode == SlideShow::Mode::Window ? static_cast<QWidget*>(w.window.view()) : nullptr;
    int paints = 0;
    struct PaintCounter : QObject {
        int* paints;
        explicit PaintCounter(int* p) : paints(p) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) ++*paints;
            return false;
        }
    } counter(&paints);
    std::vector<int> paintsAt;
    QObject::connect(show, &SlideShow::pictureShown, [&](int) {
        paintsAt.push_back(paints);
        if (!shown && show->screen()) show->screen()->installEventFilter(&counter);
    });
    if (shown) shown->installEventFilter(&counter);
    const QSize image(w.window.engine().ImageRect.width(), w.window.engine().ImageRect.height());
    w.window.startSlideShow(c.mode == SlideShow::Mode::FullScreen, true);
    ASSERT_TRUE(show->running());
    EXPECT_TRUE(w.window.slideShowButton()->isChecked());
    EXPECT_EQ(style->shownList(), StylePage::List::Random);
    ASSERT_TRUE(QTest::qWaitFor([&] { return show->count() >= 3; }, 30000));
    EXPECT_TRUE(w.window.statusText(1).startsWith(QStringLiteral("Bild 3,  Zeit ")));
    EXPECT_TRUE(w.window.statusText(1).contains(QStringLiteral("Free Memory")));
    if (c.mode == SlideShow::Mode::FullScreen) {
        ASSERT_NE(show->screen(), nullptr);
        EXPECT_TRUE(show->screen()->isVisible());
        EXPECT_EQ(show->screen()->picture().size(), show->screen()->size());
    }
    const int atInput = show->count();
    if (c.mouse) {
        QTest::mouseClick(shown ? shown : show->screen(), Qt::LeftButton);
    } else {
        QTest::keyClick(shown ? shown : show->screen(), Qt::Key_Space);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !show->running(); }, 10000));
    EXPECT_LE(show->count(), atInput + 1);
    for (size_t i = 1; i < paintsAt.size(); ++i) EXPECT_GT(paintsAt[i], paintsAt[i - 1]) << "picture " << i << " never shown";
    EXPECT_EQ(style->randomList()->count(), show->count());
    EXPECT_FALSE(w.window.slideShowButton()->isChecked());
    EXPECT_TRUE(w.window.statusText(1).isEmpty());
    EXPECT_EQ(QSize(w.window.engine().ImageRect.width(), w.window.engine().ImageRect.height()), image);
    if (show->screen()) {
        EXPECT_FALSE(show->screen()->isVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(StylePageModes, StylePageSlideShow,
                         ::testing::Values(ShowCase{"window, no pause", SlideShow::Mode::Window, 0, false},
                                           ShowCase{"window, short pause, mouse", SlideShow::Mode::Window, 40, true},
                                           ShowCase{"full screen, no pause", SlideShow::Mode::FullScreen, 0, false}),
                         [](const auto& info) { return std::to_string(info.index); });

TEST(StylePageSlideShowSaver, TheScreenSaverQuitsAtTheEnd) {
    MainWindow::StartOptions options = apptest::quietStart();
    options.saver = true;
    MainWindow window(options);
    window.messages().quiet = true;
    window.settings().writeInteger("Options", "DemoPause", 0);
    SlideShow* show = page(window)->slideShow();
    int quits = 0;
    show->quit = [&quits] { ++quits; };
    show->statisticsWanted = [] { return false; };
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return show->count() >= 2; }, 30000));
    EXPECT_EQ(show->mode(), SlideShow::Mode::Saver);
    EXPECT_EQ(quits, 0);
    QTest::keyClick(show->screen(), Qt::Key_A);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !show->running(); }, 10000));
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(page(window)->randomList()->count(), 0);  // the saver keeps no history
    EXPECT_FALSE(show->screen()->isVisible());
}

}  // namespace
}  // namespace vortel::app
