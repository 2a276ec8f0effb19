// The Surface page on the real main window, driven with real mouse and key events.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTest>

#include <fstream>

#include "app/MainWindow.h"
#include "controls/Controls.h"
#include "document/Document.h"
#include "document/ImageFile.h"
#include "panels/pages/GradientList.h"
#include "panels/pages/SurfacePage.h"
#include "panels/pages/SurfaceWidgets.h"
#include "panels/pages/TextureLists.h"
#include "tests/app/AppWindow.h"
#include "tests/common/ScratchDir.h"

namespace vortel::app {
namespace {

using apptest::Window;
using pages::GradientList;
using pages::PictureList;
using pages::SurfacePage;

// The window on the Surface page in the professional mode.
struct SurfaceWindow : Window {
    explicit SurfaceWindow(bool profi = true) {
        for (QAction* action : window.findChildren<QAction*>())
            if (action->text() == QStringLiteral("Profi") && action->isChecked() != profi) action->trigger();
        window.notebook()->setCurrentIndex(MainWindow::SurfacePage);
        QApplication::processEvents();
    }
    SurfacePage* page() { return window.findChild<SurfacePage*>(QStringLiteral("SurfacePage")); }
    template <class T = QWidget>
    T* find(const char* name) {
        T* widget = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void click(const char* name) { QTest::mouseClick(find(name), Qt::LeftButton); }
    FillRecord& text() { return window.engine().TextFill; }
    std::string lastBox() {
        const auto& e = window.messages().recorded.entries;
        for (auto it = e.rbegin(); it != e.rend(); ++it)
            if (it->kind == RecordingMessages::Kind::Box) return it->text;
        return {};
    }
    // The texture folder through the history menu's first item, answered with `folder`.
    void openFolder(const std::string& folder) {
        window.folderHook = [folder](const QString&, const QString&) { return QString::fromStdString(folder); };
        QMenu* menu = page()->historyMenu();
        emit menu->aboutToShow();
        menu->actions().first()->trigger();
        QApplication::processEvents();
    }
};

Bitmap solid(int width, int height, uint8_t r, uint8_t g, uint8_t b) {
    Bitmap bitmap{width, height, {}};
    for (int i = 0; i < width * height; ++i) bitmap.bgr.insert(bitmap.bgr.end(), {b, g, r});
    return bitmap;
}

// A picture whose every pixel tells its position.
Bitmap numbered(int width, int height) {
    Bitmap bitmap{width, height, std::vector<uint8_t>(size_t(width) * height * 3)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* p = &bitmap.bgr[(size_t(y) * width + x) * 3];
            p[0] = uint8_t(x), p[1] = uint8_t(y), p[2] = uint8_t(x * 7 + y * 3);
        }
    return bitmap;
}

std::vector<uint8_t> pixel(const Bitmap& b, int x, int y) {
    const uint8_t* p = &b.bgr[(size_t(y) * b.width + x) * 3];
    return {p[0], p[1], p[2]};
}

// Presses on the colour map where it shows `target` most nearly (the map holds every hue).
QPoint pointOfColor(controls::LeaveImage* map, QColor& found) {
    QPoint best;
    int bestDistance = INT32_MAX;
    for (int y = 2; y < map->height() - 2; y += 3)
        for (int x = 2; x < map->width() - 2; x += 3) {
            const QColor c = map->colorAt({x, y});
            const int d = std::abs(c.red() - 30) + std::abs(c.green() - 200) + std::abs(c.blue() - 60);
            if (d < bestDistance) bestDistance = d, best = {x, y}, found = c;
        }
    return best;
}

}  // namespace

TEST(SurfacePage, ThumbnailIsTheTopLeftCornerOrTheTiledPicture) {
    const struct {
        int width, height;
    } pictures[] = {{200, 150}, {60, 40}, {61, 300}, {7, 5}, {100, 13}, {1, 1}};
    for (const auto& p : pictures) {
        SCOPED_TRACE(std::to_string(p.width) + "x" + std::to_string(p.height));
        const Bitmap picture = numbered(p.width, p.height);
        const Bitmap thumb = pages::TextureThumbnail(picture);
        ASSERT_EQ(thumb.width, 60);
        ASSERT_EQ(thumb.height, 40);
        for (int y = 0; y < 40; y += 3)
            for (int x = 0; x < 60; x += 7) ASSERT_EQ(pixel(thumb, x, y), pixel(picture, x % p.width, y % p.height)) << x << "," << y;
    }
}

TEST(SurfacePage, GradientListHoldsTenEntriesAtMost) {
    SurfaceWindow w;
    w.click("SurfaceVerlaufSpeedButton");
    EXPECT_EQ(w.text().FillKind, 1);
    auto* list = w.find<GradientList>("VerlaufListBox");
    auto* map = w.find<controls::LeaveImage>("VerlaufImage");
    ASSERT_EQ(list->count(), w.text().GradientCount + 1);
    list->setCurrentRow(list->count() - 1);
    // Each press on the colour map fills the placeholder and a new one follows, up to the tenth.
    const struct {
        int colours, entries;
        bool placeholder;
    } steps[] = {{3, 4, true}, {4, 5, true}, {5, 6, true}, {6, 7, true}, {7, 8, true},
                 {8, 9, true}, {9, 10, true}, {10, 10, false}, {10, 10, false}};
    ASSERT_EQ(w.text().GradientCount, 2);
    int i = 0;
    for (const auto& s : steps) {
        SCOPED_TRACE(s.colours);
        QTest::mouseClick(map, Qt::LeftButton, {}, QPoint(10 + 12 * i++, 30));
        EXPECT_EQ(w.text().GradientCount, s.colours);
        EXPECT_EQ(list->count(), s.entries);
        EXPECT_EQ(list->hasPlaceholder(), s.placeholder);
    }
    // The tenth colour is a colour, and committing keeps all ten.
    EXPECT_FALSE(list->isPlaceholder(9));
    EXPECT_EQ(list->colorAt(9), w.text().GradientColors[9]);
    QTest::mouseClick(w.find<QWidget>("VerlaufTauschenSpeedButton"), Qt::LeftButton);
    EXPECT_EQ(w.text().GradientCount, 10);
    EXPECT_EQ(w.text().GradientColors[10], 0u);
}

TEST(SurfacePage, DeleteKeyKeepsTwoColoursAndThePlaceholder) {
    const struct {
        int colours, row;
        bool removed;
    } cases[] = {
        {2, 0, false},  // two colours and "<neu>": fewer than 4 entries
        {2, 2, false},  // the placeholder
        {3, 3, false},  // the placeholder of a longer list
        {3, 1, true},
        {10, 9, true},  // a full list gets its placeholder back
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.colours) + " colours, row " + std::to_string(c.row));
        SurfaceWindow w;
        std::vector<ColorRef> colours;
        for (int i = 0; i < c.colours; ++i) colours.push_back(ColorRef(0x101010 * (i + 1)));
        w.window.panels().SetGradient(1, 1, colours, 0, 0);
        w.page()->refresh();
        auto* list = w.find<GradientList>("VerlaufListBox");
        list->setCurrentRow(c.row);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Delete);
        std::vector<ColorRef> expected = colours;
        if (c.removed) expected.erase(expected.begin() + c.row);
        EXPECT_EQ(list->colors(), expected);
        EXPECT_EQ(w.text().GradientCount, int(expected.size()));
        EXPECT_TRUE(list->hasPlaceholder());
    }
}

TEST(SurfacePage, DraggingSwapsEntriesOnTheWay) {
    SurfaceWindow w;
    w.click("SurfaceVerlaufSpeedButton");
    w.window.panels().SetGradient(1, 1, {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF}, 0, 0);
    w.page()->refresh();
    auto* list = w.find<GradientList>("VerlaufListBox");
    const auto at = [&](int row) { return list->visualItemRect(list->item(row)).center(); };
    const auto drag = [&](std::initializer_list<int> rows) {
        auto it = rows.begin();
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at(*it));
        for (++it; it != rows.end(); ++it) QTest::mouseMove(list->viewport(), at(*it));
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at(*(rows.end() - 1)));
    };
    // Row 0 travels down to row 2; over the placeholder nothing happens.
    drag({0, 1, 2, 4});
    EXPECT_EQ(list->colors(), (std::vector<ColorRef>{0x00FF00, 0xFF0000, 0x0000FF, 0x00FFFF}));
    EXPECT_EQ(std::vector<ColorRef>(w.text().GradientColors.begin(), w.text().GradientColors.begin() + 4), list->colors());
    // A new drag onto the entry the last one ended on swaps as well.
    drag({1, 2});
    EXPECT_EQ(list->colors(), (std::vector<ColorRef>{0x00FF00, 0x0000FF, 0xFF0000, 0x00FFFF}));
    EXPECT_EQ(w.text().GradientColors[1], 0x0000FFu);
}

TEST(SurfacePage, OneColourIsNoGradient) {
    SurfaceWindow w;
    w.window.panels().SetGradient(1, 1, {0x0000FF, 0x00FF00}, 0, 0);
    w.page()->refresh();
    auto* list = w.find<GradientList>("VerlaufListBox");
    list->setColors({0x0000FF});
    QTest::mouseClick(w.find<QWidget>("VerlaufTauschenSpeedButton"), Qt::LeftButton);
    EXPECT_EQ(w.lastBox(), "Bitte mehrere Farben auswählen.");
    EXPECT_EQ(w.text().GradientCount, 2);
    EXPECT_EQ(w.text().GradientColors[1], 0x00FF00u);
}

TEST(SurfacePage, StyleButtonsStoreTheStyleAndShowTheAngleForStyleFive) {
    SurfaceWindow w;
    w.click("SurfaceVerlaufSpeedButton");
    auto* angle = w.find<QComboBox>("VerlaufAngleComboBox");
    const struct {
        int tag, style;
        bool angleShown;
    } presses[] = {{5, 5, true}, {0, 5, true}, {2, 2, false}, {3, 3, false}};
    for (const auto& p : presses) {
        SCOPED_TRACE(p.tag);
        w.click("VerlaufStyleSpeedButton");
        EXPECT_TRUE(w.find<QWidget>("VerlaufStylesPanel")->isVisible());
        w.click(QStringLiteral("VerlaufSpeedButton%1").arg(p.tag).toLatin1().constData());
        EXPECT_FALSE(w.find<QWidget>("VerlaufStylesPanel")->isVisible());
        EXPECT_EQ(w.text().GradientStyle, p.style);
        EXPECT_EQ(angle->isVisible(), p.angleShown);
    }
    // The repeat combo commits its number.
    auto* repeat = w.find<QComboBox>("VerlaufRepeatComboBox");
    repeat->setFocus();
    QTest::keyClick(repeat, Qt::Key_Down);
    QTest::keyClick(repeat, Qt::Key_Down);
    EXPECT_EQ(w.text().GradientRepeat, 2);
}

TEST(SurfacePage, ThumbnailsAreMadeInOrderUpToTheItemShown) {
    testing::ScratchDir dir;
    constexpr int Count = 40;
    for (int i = 0; i < Count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "t%02d.bmp", i);
        saveImage(dir.file(name), solid(80, 50, uint8_t(i * 6), 100, uint8_t(255 - i * 6)));
    }
    SurfaceWindow w;
    w.click("SurfaceTextureSpeedButton");
    w.openFolder(dir.path().string());
    auto* list = w.find<PictureList>("TextureListBox");
    ASSERT_EQ(list->count(), Count);
    list->scrollToItem(list->item(Count - 1));
    QApplication::processEvents();
    EXPECT_GT(list->waitingPaints(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->pictureCount() >= Count; }, 10000));
    for (int i = 0; i < Count; ++i) {
        const QColor c = list->picture(i).pixelColor(30, 20);
        EXPECT_EQ(c, QColor(i * 6, 100, 255 - i * 6)) << i;
    }
    // Choosing one puts it on the text surface without changing the kind.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(Count - 1)).center());
    EXPECT_EQ(w.text().FillKind, 0);
    EXPECT_EQ(w.text().TextureName, dir.file("t39.bmp"));
    EXPECT_EQ(w.window.statusText(1), QStringLiteral("Textur: ") + QString::fromStdString(dir.file("t39.bmp")));
}

TEST(SurfacePage, FolderHistoryHoldsEachFolderOnce) {
    testing::ScratchDir a, b;
    saveImage(a.file("a.png"), solid(10, 10, 1, 2, 3));
    saveImage(b.file("b.jpg"), solid(10, 10, 1, 2, 3));
    SurfaceWindow w;
    w.window.textureFolders().clear();
    for (const std::string& folder : {a.path().string(), b.path().string(), a.path().string(), a.path().string()})
        w.openFolder(folder);
    EXPECT_EQ(w.window.settings().readString("Options", "TexStartDir", ""), a.path().string());
    EXPECT_EQ(w.window.textureFolders(), (QStringList{QString::fromStdString(a.path().string()), QString::fromStdString(b.path().string())}));
    QMenu* menu = w.page()->historyMenu();
    emit menu->aboutToShow();
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 5);
    EXPECT_EQ(items[2]->text(), QStringLiteral("Standard"));
    const QString name = QFileInfo(QString::fromStdString(a.path().string())).fileName();
    EXPECT_EQ(items[3]->text(), name.left(1).toUpper() + name.mid(1) + QLatin1Char('\t') + QString::fromStdString(a.path().string()));
    EXPECT_TRUE(items[3]->isChecked());
    EXPECT_FALSE(items[2]->isChecked());
    // The PNG counts as a texture; "Standard" brings back the stock list.
    EXPECT_EQ(w.find<PictureList>("TextureListBox")->entries(), std::vector<std::string>{a.file("a.png")});
    items[2]->trigger();
    EXPECT_EQ(w.window.panels().textureList, presets::StockTextureEntries(w.window.panels().stock()));
    EXPECT_EQ(w.find<PictureList>("TextureListBox")->count(), int(w.window.panels().textureList.size()));
}

TEST(SurfacePage, EmptyAndBrokenFoldersKeepTheUserInformed) {
    testing::ScratchDir empty, broken;
    std::ofstream(broken.file("kaputt.jpg")) << "not a picture";
    std::ofstream(empty.file("notes.txt")) << "no picture here";
    SurfaceWindow w;
    w.click("SurfaceTextureSpeedButton");
    auto* list = w.find<PictureList>("TextureListBox");
    const std::vector<std::string> before = list->entries();
    ASSERT_FALSE(before.empty());

    w.openFolder(empty.path().string());
    EXPECT_EQ(w.lastBox(), "Keine Dateien (jpg,gif,bmp) gefunden in\r" + empty.path().string());
    EXPECT_EQ(list->entries(), before);
    EXPECT_FALSE(w.window.textureFolders().contains(QString::fromStdString(empty.path().string())));

    w.openFolder(broken.path().string());
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->count() == 0; }, 5000));
    EXPECT_EQ(w.window.statusText(StatusSimple), QStringLiteral("Defekte Datei: kaputt.jpg"));
    EXPECT_TRUE(w.window.panels().textureList.empty());
}

TEST(SurfacePage, ColourPickAndUndo) {
    SurfaceWindow w;
    w.click("SurfaceColorSpeedButton");
    EXPECT_EQ(w.page()->shownPanel(), SurfacePage::ColorPanel);
    auto* map = w.find<controls::LeaveImage>("SurfaceColorImage");
    auto* swatch = w.find<pages::ColorSwatch>("SurfaceColorPaintBox");
    const ColorRef old = w.text().FillColor;
    QColor picked;
    const QPoint where = pointOfColor(map, picked);
    // Moving shows, leaving restores, pressing takes.
    QTest::mouseMove(map, where);
    EXPECT_EQ(swatch->color(), picked);
    EXPECT_EQ(w.find<QLabel>("SurfaceRGBLabel")->text(), pages::RgbText(picked));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(map, &leave);
    EXPECT_EQ(swatch->color(), pages::RefColor(old));
    EXPECT_EQ(w.text().FillColor, old);
    w.window.engine().Modified = 0;
    QTest::mouseClick(map, Qt::LeftButton, {}, where);
    EXPECT_EQ(w.text().FillColor, pages::ColorOf(picked));
    EXPECT_EQ(w.window.engine().Modified, 1);
    EXPECT_EQ(w.window.engine().Undo.action, 10);
    w.window.undoCommand();
    EXPECT_EQ(w.text().FillColor, old);
    EXPECT_EQ(swatch->color(), pages::RefColor(old));
}

TEST(SurfacePage, SwatchesOpenTheColourDialog) {
    const struct {
        const char* kindButton;
        const char* swatch;
        bool accept;
    } cases[] = {{"SurfaceColorSpeedButton", "SurfaceColorPaintBox", true},
                 {"SurfaceColorSpeedButton", "SurfaceColorPaintBox", false},
                 {"SurfaceVerlaufSpeedButton", "VerlaufPaintBox", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.swatch);
        SurfaceWindow w;
        w.click(c.kindButton);
        const FillRecord before = w.text();
        w.window.dialogHook = [&](QDialog& dialog) {
            auto* colours = qobject_cast<QColorDialog*>(&dialog);
            EXPECT_NE(colours, nullptr);
            if (colours) colours->setCurrentColor(QColor(12, 34, 56));
            return c.accept ? int(QDialog::Accepted) : int(QDialog::Rejected);
        };
        w.click(c.swatch);
        const ColorRef chosen = pages::ColorOf(QColor(12, 34, 56));
        if (std::string(c.swatch) == "SurfaceColorPaintBox") {
            EXPECT_EQ(w.text().FillColor, c.accept ? chosen : before.FillColor);
        } else {
            EXPECT_EQ(w.text().GradientColors[0], chosen);
            EXPECT_EQ(w.window.engine().Undo.action, 11);
            w.window.undoCommand();
            EXPECT_EQ(w.text().GradientColors[0], before.GradientColors[0]);
            EXPECT_EQ(w.find<GradientList>("VerlaufListBox")->colorAt(0), before.GradientColors[0]);
        }
    }
}

TEST(SurfacePage, TextureAndImprintFromTheLists) {
    SurfaceWindow w;
    w.text().Texture.reset();
    w.window.engine().BackFill.Texture.reset();
    w.click("SurfaceTextureSpeedButton");
    EXPECT_EQ(w.text().FillKind, 0);
    EXPECT_EQ(w.text().TextureName, w.window.panels().textureList[0]);
    EXPECT_EQ(w.window.engine().BackFill.TextureName, w.window.panels().textureList[1]);
    EXPECT_TRUE(w.find<QWidget>("TextureAlterSpeedButton")->isEnabled());
    EXPECT_EQ(w.find<QWidget>("TextureAlterSpeedButton")->toolTip(), QStringLiteral("Manipulate texture"));

    auto* check = w.find<QCheckBox>("SurfaceImprintCheckBox");
    auto* imprints = w.find<PictureList>("ImprintListBox");
    EXPECT_FALSE(check->isChecked());
    w.click("SurfaceImprintSpeedButton");
    EXPECT_EQ(w.page()->shownPanel(), SurfacePage::ImprintPanel);
    QApplication::processEvents();
    QTest::mouseClick(imprints->viewport(), Qt::LeftButton, {}, imprints->visualItemRect(imprints->item(2)).center());
    EXPECT_TRUE(check->isChecked());
    EXPECT_EQ(w.window.engine().Imprint.ImprintOn, 1);
    EXPECT_EQ(w.window.engine().Imprint.ImprintName, w.window.panels().imprintList[2]);
    EXPECT_EQ(w.window.statusText(1), QStringLiteral("Textur: ") + QString::fromStdString(w.window.panels().imprintList[2]));
    const Bitmap imprint = *w.window.engine().Imprint.ImprintBitmap;
    w.click("ImprintInversSpeedButton");
    EXPECT_EQ(255 - int(imprint.bgr[0]), int(w.window.engine().Imprint.ImprintBitmap->bgr[0]));
    // Unchecking goes back to the texture panel; the background has no imprint controls.
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
    EXPECT_EQ(w.window.engine().Imprint.ImprintOn, 0);
    EXPECT_EQ(w.page()->shownPanel(), SurfacePage::TexturePanel);
    w.click("SurfaceBGSpeedButton");
    EXPECT_EQ(w.page()->surface(), 0);
    EXPECT_FALSE(check->isVisible());
    EXPECT_FALSE(w.find<QWidget>("SurfaceImprintSpeedButton")->isVisible());
}

TEST(SurfacePage, AssistantListSetsTexturesAndGradientPresets) {
    SurfaceWindow w(false);
    EXPECT_EQ(w.page()->shownPanel(), SurfacePage::SimplePanel);
    EXPECT_FALSE(w.find<QWidget>("SurfaceColorSpeedButton")->isVisible());
    auto* list = w.find<PictureList>("SurfaceSimpleListBox");
    const int textures = int(w.window.panels().textureList.size());
    ASSERT_EQ(list->count(), textures + 15);
    const auto choose = [&](int row) {
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    };
    choose(textures + 11);  // *FARBVERL_12: style 5, 45°, once repeated
    EXPECT_EQ(w.text().FillKind, 1);
    EXPECT_EQ(w.text().GradientStyle, 5);
    EXPECT_EQ(w.text().GradientAngle, 45);
    EXPECT_EQ(w.window.statusText(1), QStringLiteral("11"));
    choose(3);
    EXPECT_EQ(w.text().FillKind, 0);
    EXPECT_EQ(w.text().TextureName, ":JPG_04");
    w.window.engine().Modified = 0;
    QTest::mouseClick(w.find<QWidget>("SurfaceSimpleImage"), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(w.text().FillKind, 2);
    EXPECT_EQ(w.window.engine().Undo.action, 10);
    EXPECT_EQ(w.window.engine().Modified, 1);
}

TEST(SurfacePage, OpeningADocumentShowsItsSurfaceUnmodified) {
    testing::ScratchDir dir;
    {
        TFontFX engine(Rect{0, 0, 200, 80});
        engine.TextFill.FillKind = 1;
        engine.TextFill.GradientStyle = 5;
        engine.TextFill.GradientAngle = 135;
        engine.TextFill.GradientRepeat = 3;
        engine.TextFill.GradientCount = 3;
        engine.TextFill.GradientColors = {0x0000FF, 0x00FF00, 0xFF0000};
        engine.BackFill.FillKind = 2;
        engine.BackFill.FillColor = 0x123456;
        WriteDocument(engine, Bitmap{200, 80, std::vector<uint8_t>(200 * 80 * 3, 128)}, dir.file("verlauf.vtl"));
    }
    SurfaceWindow w;
    ASSERT_TRUE(w.window.openFile(QString::fromStdString(dir.file("verlauf.vtl"))));
    EXPECT_EQ(w.page()->shownPanel(), SurfacePage::VerlaufPanel);
    auto* list = w.find<GradientList>("VerlaufListBox");
    EXPECT_EQ(list->colors(), (std::vector<ColorRef>{0x0000FF, 0x00FF00, 0xFF0000}));
    EXPECT_TRUE(list->hasPlaceholder());
    EXPECT_EQ(w.find<QComboBox>("VerlaufAngleComboBox")->currentText(), QStringLiteral("135 °"));
    EXPECT_TRUE(w.find<QComboBox>("VerlaufAngleComboBox")->isVisible());
    EXPECT_EQ(w.find<QComboBox>("VerlaufRepeatComboBox")->currentText(), QStringLiteral("3 x"));
    EXPECT_EQ(w.window.engine().Modified, 0);
    w.click("SurfaceBGSpeedButton");
    EXPECT_EQ(w.page()->shownPanel(), SurfacePage::ColorPanel);
    EXPECT_EQ(w.find<pages::ColorSwatch>("SurfaceColorPaintBox")->color(), pages::RefColor(0x123456));
    EXPECT_EQ(w.window.engine().Modified, 0);
}

}  // namespace vortel::app
