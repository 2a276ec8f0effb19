// The Outline, Shadow and Frame pages in the real window: presets, every control against its
// engine field, the blur's "None" rule, the glow's restore, the frame's time stamp, and what a
// refresh after Open shows.
#include <gtest/gtest.h>

#include <QAction>
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

#include "controls/Controls.h"
#include "document/Document.h"
#include "panels/pages/ColorListBox.h"
#include "panels/pages/FramePage.h"
#include "panels/pages/SurfaceWidgets.h"
#include "panels/presets/PresetValues.h"
#include "tests/app/AppWindow.h"
#include "tests/common/ScratchDir.h"

namespace vortel::app {
namespace {

using apptest::Window;

struct EffectWindow : Window {
    explicit EffectWindow(int page) {
        for (QAction* a : window.findChildren<QAction*>())
            if (a->text() == QStringLiteral("Profi") && !a->isChecked()) a->trigger();
        window.notebook()->setCurrentIndex(page);
    }
    template <class T = QWidget>
    T* find(const char* name) {
        T* widget = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    TFontFX& engine() { return window.engine(); }
    void click(const char* name) { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton); }
    void clickPreset(const char* list, int row) {
        auto* l = find<QListWidget>(list);
        l->scrollToItem(l->item(row));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(row)).center());
    }
    // Types `text` over the combo's field and confirms it with Enter.
    void type(const char* combo, const QString& text) {
        QLineEdit* edit = find<QComboBox>(combo)->lineEdit();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    void typeEdit(const char* name, const QString& text) {
        auto* edit = find<QLineEdit>(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    // Picks entry `index` of a colour list with the keyboard.
    void chooseColor(const char* list, int index) {
        auto* combo = find<QComboBox>(list);
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < index; ++i) QTest::keyClick(combo, Qt::Key_Down);
    }
};

Bitmap Picture(Window& w) { return w.window.view()->canvas()->toBitmap(); }

}  // namespace

// ------------------------------------------------------------------------------- Outline

TEST(OutlinePage, PointsTrackBarGivesTheStep) {
    const struct { int position, step; } cases[] = {{0, 100}, {1, 50}, {2, 40}, {5, 25}, {9, 14},
                                                    {10, 12}, {11, 10}, {15, 6}, {19, 2}, {20, 1}};
    EffectWindow w(MainWindow::OutlinePage);
    auto* bar = w.find<QSlider>("OutlinePointsTrackBar");
    bar->setFocus();
    for (const auto& c : cases) {
        QTest::keyClick(bar, Qt::Key_Home);
        for (int i = 0; i < c.position; ++i) QTest::keyClick(bar, Qt::Key_Right);
        EXPECT_EQ(w.engine().Fringe.OutlineStep, c.step) << "position " << c.position;
        EXPECT_EQ(w.find<QLineEdit>("OutlinePointsEdit")->text(), QString::number(c.position));
    }
}

TEST(OutlinePage, RefreshShowsTheStepOnTheTrackBar) {
    const struct { int step, position; } cases[] = {{1, 20},  {10, 11}, {11, 10}, {12, 10}, {13, 9}, {20, 6},
                                                    {21, 5},  {25, 5},  {26, 4},  {35, 3},  {36, 2}, {40, 2},
                                                    {41, 1},  {50, 1},  {51, 0},  {100, 0}, {0, 0}};
    EffectWindow w(MainWindow::OutlinePage);
    for (const auto& c : cases) {
        w.engine().setFringe(0, c.step, 3, 4, 0);
        w.window.effectPage(MainWindow::OutlinePage)->refresh();
        EXPECT_EQ(w.find<QSlider>("OutlinePointsTrackBar")->value(), c.position) << "step " << c.step;
        EXPECT_EQ(w.engine().Fringe.OutlineStep, c.step) << "a refresh writes nothing";
    }
}

TEST(OutlinePage, EveryControlWritesItsField) {
    const struct {
        const char* what;
        std::function<void(EffectWindow&)> act;
        std::function<bool(const FringeParams&)> holds;
    } cases[] = {
        {"star", [](EffectWindow& w) { w.click("OutlineSternSpeedButton"); }, [](auto& f) { return f.FringeKind == 0; }},
        {"random star", [](EffectWindow& w) { w.click("OutlineRandomSternSpeedButton"); }, [](auto& f) { return f.FringeKind == 1; }},
        {"bezier", [](EffectWindow& w) { w.click("OutlineBezierSpeedButton"); }, [](auto& f) { return f.FringeKind == 2; }},
        {"random bezier", [](EffectWindow& w) { w.click("OutlineRandomBezierSpeedButton"); }, [](auto& f) { return f.FringeKind == 3; }},
        {"noise", [](EffectWindow& w) { w.click("OutlineNoiseSpeedButton"); }, [](auto& f) { return f.FringeKind == 4; }},
        {"x bar", [](EffectWindow& w) { w.find<QSlider>("OutlineXTrackBar")->setFocus(); QTest::keyClick(w.find<QSlider>("OutlineXTrackBar"), Qt::Key_End); },
         [](auto& f) { return f.FringeX == 30 && f.FringeY == 6; }},
        {"y bar", [](EffectWindow& w) { w.find<QSlider>("OutlineYTrackBar")->setFocus(); QTest::keyClick(w.find<QSlider>("OutlineYTrackBar"), Qt::Key_PageUp); },
         [](auto& f) { return f.FringeY > 6 && f.FringeX == 5; }},
        {"points edit", [](EffectWindow& w) { w.typeEdit("OutlinePointsEdit", "3"); }, [](auto& f) { return f.OutlineStep == 35; }},
        {"x edit", [](EffectWindow& w) { w.typeEdit("OutlineXEdit", "45"); }, [](auto& f) { return f.FringeX == 45 && f.FringeY == 6; }},
        {"y edit", [](EffectWindow& w) { w.typeEdit("OutlineYEdit", "12"); }, [](auto& f) { return f.FringeY == 12; }},
        {"fewer points", [](EffectWindow& w) { w.click("OutlineSpeedButton1"); }, [](auto& f) { return f.OutlineStep == 20; }},
        {"more points", [](EffectWindow& w) { w.click("OutlineSpeedButton2"); }, [](auto& f) { return f.OutlineStep == 16; }},
        {"x down", [](EffectWindow& w) { w.click("OutlineSpeedButton3"); }, [](auto& f) { return f.FringeX == 4; }},
        {"x up", [](EffectWindow& w) { w.click("OutlineSpeedButton4"); }, [](auto& f) { return f.FringeX == 6; }},
        {"y down", [](EffectWindow& w) { w.click("OutlineSpeedButton5"); }, [](auto& f) { return f.FringeY == 5; }},
        {"y up", [](EffectWindow& w) { w.click("OutlineSpeedButton6"); }, [](auto& f) { return f.FringeY == 7; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EffectWindow w(MainWindow::OutlinePage);
        // Random star, step 18 (position 7), X 5, Y 6.
        w.engine().setFringe(1, 18, 5, 6, 77);
        w.window.effectPage(MainWindow::OutlinePage)->refresh();
        w.engine().Modified = 0;
        c.act(w);
        EXPECT_TRUE(c.holds(w.engine().Fringe));
        EXPECT_EQ(w.engine().Modified, 1);
        EXPECT_NE(w.engine().Fringe.FringeSeed, 77) << "every change takes a new time stamp";
    }
}

TEST(OutlinePage, PresetScalesWithThePictureAndDampsForSeveralLines) {
    const struct { int height; const char* text; int preset, x, step; } cases[] = {
        {200, "A", 9, 15, 1}, {400, "A", 9, 22, 1}, {400, "A\r\nB", 9, 18, 1}, {200, "A", 12, 10, 20}, {100, "A", 4, 2, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.preset);
        EffectWindow w(MainWindow::OutlinePage);
        w.window.setImageSize(450, c.height);
        w.engine().Text = c.text;
        w.clickPreset("OutlineListBox", c.preset);
        EXPECT_EQ(w.engine().Fringe.FringeX, c.x);
        EXPECT_EQ(w.engine().Fringe.OutlineStep, c.step);
        EXPECT_EQ(w.find<QListWidget>("OutlineListBox")->currentRow(), c.preset);
        EXPECT_EQ(w.find<QLineEdit>("OutlineXEdit")->text(), QString::number(c.x));
    }
}

// ------------------------------------------------------------------------------- Shadow

TEST(ShadowPage, GlowPresetThenAnotherRestoresTheTextKind) {
    const struct { uint8_t kind; int next; } cases[] = {{0, 0}, {1, 3}, {3, 10}, {2, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.kind));
        EffectWindow w(MainWindow::ShadowPage);
        w.engine().setFillKind(1, c.kind);
        w.engine().setFillColor(1, 0x2040C0);
        w.clickPreset("ShadowListBox", 11);
        EXPECT_EQ(w.engine().TextFill.FillKind, 2);
        EXPECT_EQ(w.engine().Shadow.ShadowColor, 0x2040C0u);
        // The glow's colour is not in the list: the custom entry shows it, and a change keeps it.
        auto* colors = w.find<pages::ColorListBox>("ColorComboBox");
        EXPECT_EQ(colors->currentIndex(), pages::ColorListBox::CustomEntry);
        w.type("ShadowXComboBox", "3");
        EXPECT_EQ(w.engine().Shadow.ShadowColor, 0x2040C0u);
        w.clickPreset("ShadowListBox", 11);  // twice: the kind from before the first is kept
        w.clickPreset("ShadowListBox", c.next);
        EXPECT_EQ(w.engine().TextFill.FillKind, c.kind);
        EXPECT_EQ(w.engine().Shadow.ShadowColor, 0u);
    }
}

TEST(ShadowPage, AChangeWhileTheBlurIsNoneMakesItZero) {
    const struct {
        const char* what;
        std::function<void(EffectWindow&)> act;
        int blur;
    } cases[] = {
        {"colour", [](EffectWindow& w) { w.chooseColor("ColorComboBox", 9); }, 0},
        {"intensity", [](EffectWindow& w) { w.type("ShadowIntensityComboBox", "120 %"); }, 0},
        {"angle", [](EffectWindow& w) { w.type("ShadowAngleComboBox", "30"); }, 0},
        {"size", [](EffectWindow& w) { w.type("ShadowSizeComboBox", "150"); }, 0},
        {"x", [](EffectWindow& w) { w.type("ShadowXComboBox", "-5"); }, 0},
        {"y", [](EffectWindow& w) { w.type("ShadowYComboBox", "5"); }, 0},
        {"same values", [](EffectWindow& w) { w.type("ShadowXComboBox", "4"); }, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EffectWindow w(MainWindow::ShadowPage);
        w.clickPreset("ShadowListBox", 0);  // blur none
        ShadowParams s = w.engine().Shadow;
        s.ShadowX = 4;
        s.ShadowIntensity = 1.0 / 3;  // shown as 33 %
        w.engine().setShadow(s);
        w.window.effectPage(MainWindow::ShadowPage)->refresh();
        auto* blur = w.find<QComboBox>("ShadowBlurComboBox");
        EXPECT_EQ(blur->currentText(), QStringLiteral("None"));
        c.act(w);
        EXPECT_EQ(w.engine().Shadow.ShadowBlur, c.blur);
        EXPECT_EQ(blur->currentText(), c.blur == 0 ? QStringLiteral("0") : QStringLiteral("None"));
    }
}

TEST(ShadowPage, NoneForAShadowWithAFractionalIntensityStaysNone) {
    EffectWindow w(MainWindow::ShadowPage);
    ShadowParams s = w.engine().Shadow;
    s.ShadowBlur = 3;
    s.ShadowIntensity = 0.333;
    w.engine().setShadow(s);
    w.window.effectPage(MainWindow::ShadowPage)->refresh();
    w.type("ShadowBlurComboBox", "None");
    EXPECT_EQ(w.engine().Shadow.ShadowBlur, -1);
    EXPECT_EQ(double(w.engine().Shadow.ShadowIntensity), double(s.ShadowIntensity));
}

TEST(ShadowPage, EveryControlWritesItsField) {
    const struct {
        const char* combo;
        const char* text;
        std::function<bool(const ShadowParams&)> holds;
        bool newMap;  // the cached shadow map is discarded
    } cases[] = {
        {"ShadowXComboBox", "10", [](auto& s) { return s.ShadowX == 10; }, true},
        {"ShadowYComboBox", "-15", [](auto& s) { return s.ShadowY == -15; }, true},
        {"ShadowBlurComboBox", "20", [](auto& s) { return s.ShadowBlur == 20; }, true},
        {"ShadowIntensityComboBox", "150 %", [](auto& s) { return s.ShadowIntensity == 1.5; }, false},
        {"ShadowAngleComboBox", "-45 \u00b0", [](auto& s) { return s.ShadowAngle == -45; }, true},
        {"ShadowSizeComboBox", "200 %", [](auto& s) { return s.ShadowSize == 200; }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.combo);
        EffectWindow w(MainWindow::ShadowPage);
        w.clickPreset("ShadowListBox", 1);
        ASSERT_FALSE(w.engine().ShadowMask.empty());
        w.engine().Modified = 0;
        w.type(c.combo, QString::fromUtf8(c.text));
        EXPECT_TRUE(c.holds(w.engine().Shadow));
        EXPECT_EQ(w.engine().Modified, 1);
        EXPECT_EQ(w.find<QListWidget>("ShadowListBox")->currentRow(), -1);
        if (!c.newMap) {
            EXPECT_FALSE(w.engine().ShadowMask.empty());
        }
    }
}

TEST(ShadowPage, ColourListAndItsCustomEntry) {
    const struct { int entry; bool accept; ColorRef expected; } cases[] = {
        {9, false, presets::FromRgbHex(0xFF0000)},
        {12, false, presets::FromRgbHex(0x0000FF)},
        {15, false, presets::FromRgbHex(0xFFFFFF)},
        {16, true, pages::ColorOf(QColor(12, 34, 56))},
        {16, false, 0},  // cancelled: the entry keeps its colour, black at first
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        EffectWindow w(MainWindow::ShadowPage);
        int dialogs = 0;
        w.window.dialogHook = [&](QDialog& dialog) {
            ++dialogs;
            if (auto* colours = qobject_cast<QColorDialog*>(&dialog)) colours->setCurrentColor(QColor(12, 34, 56));
            return c.accept ? int(QDialog::Accepted) : int(QDialog::Rejected);
        };
        w.engine().Modified = 0;
        w.chooseColor("ColorComboBox", c.entry);
        EXPECT_EQ(w.engine().Shadow.ShadowColor, c.expected);
        EXPECT_EQ(dialogs, c.entry == 16 ? 1 : 0);
        EXPECT_EQ(w.find<QComboBox>("ColorComboBox")->currentIndex(), c.entry);
        EXPECT_EQ(w.engine().Modified, 1);
    }
}

// ------------------------------------------------------------------------------- Frame

TEST(FramePage, PresetChosenTwiceGivesANewFrameShape) {
    for (int preset : {14, 15, 16, 17}) {
        SCOPED_TRACE(preset);
        EffectWindow w(MainWindow::FramePage);
        w.clickPreset("FrameListBox", preset);
        const int32_t stamp = w.engine().Frame.FrameSeed;
        const Bitmap first = Picture(w);
        w.clickPreset("FrameListBox", preset);
        EXPECT_NE(w.engine().Frame.FrameSeed, stamp);
        EXPECT_EQ(w.engine().Frame.FrameKind, preset);
        EXPECT_EQ(w.engine().Frame.FramePixel, 0);
        EXPECT_NE(Picture(w).bgr, first.bgr);
    }
}

TEST(FramePage, KindDecidesTheControlsShown) {
    const struct { int preset; bool height, points, colour; int pixel; const char* combo; } cases[] = {
        {0, false, false, true, 1, nullptr}, {1, true, false, false, 1, "33"}, {3, true, false, false, 1, "33"},
        {4, false, false, true, 1, nullptr}, {13, false, false, true, 1, nullptr}, {14, false, true, true, 0, "24"},
        {17, false, true, true, 0, "24"},
    };
    EffectWindow w(MainWindow::FramePage);
    FrameParams f = w.engine().Frame;
    f.FrameHeight = 33;
    f.FramePoints = 24;
    w.engine().setFrame(f);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.preset);
        w.clickPreset("FrameListBox", c.preset);
        EXPECT_EQ(w.find<QWidget>("FrameBGHeightImage")->isVisible(), c.height);
        EXPECT_EQ(w.find<QWidget>("FrameBGPointsImage")->isVisible(), c.points);
        EXPECT_EQ(w.find<QWidget>("FrameBGPointsComboBox")->isVisible(), c.height || c.points);
        EXPECT_EQ(w.find<QWidget>("FrameBGColorComboBox")->isVisible(), c.colour);
        EXPECT_EQ(w.engine().Frame.FramePixel, c.pixel);
        if (c.combo) {
            EXPECT_EQ(w.find<QComboBox>("FrameBGPointsComboBox")->currentText(), QString::fromLatin1(c.combo));
        }
        // Hidden, the combo writes into neither field.
        EXPECT_EQ(w.engine().Frame.FrameHeight, 33);
        EXPECT_EQ(w.engine().Frame.FramePoints, 24);
    }
}

TEST(FramePage, EveryControlWritesItsField) {
    const struct {
        int preset;
        const char* what;
        std::function<void(EffectWindow&)> act;
        std::function<bool(const FrameParams&)> holds;
    } cases[] = {
        {5, "size", [](EffectWindow& w) { w.type("FrameBGSizeComboBox", "40"); }, [](auto& f) { return f.FrameWidth == 40; }},
        {2, "height", [](EffectWindow& w) { w.type("FrameBGPointsComboBox", "70"); },
         [](auto& f) { return f.FrameHeight == 70 && f.FramePoints == 20; }},
        {15, "points", [](EffectWindow& w) { w.type("FrameBGPointsComboBox", "30"); },
         [](auto& f) { return f.FramePoints == 30 && f.FrameHeight == 60; }},
        {6, "colour", [](EffectWindow& w) { w.chooseColor("FrameBGColorComboBox", 4); },
         [](auto& f) { return f.FrameColor == presets::FromRgbHex(0x000080); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EffectWindow w(MainWindow::FramePage);
        w.clickPreset("FrameListBox", c.preset);
        const Bitmap before = Picture(w);
        w.engine().Modified = 0;
        c.act(w);
        EXPECT_TRUE(c.holds(w.engine().Frame));
        EXPECT_EQ(w.engine().Frame.FrameKind, c.preset);
        EXPECT_EQ(w.engine().Modified, 1);
        EXPECT_NE(Picture(w).bgr, before.bgr) << "the picture is redrawn";
    }
}

// ------------------------------------------------------------------------------- Open

TEST(EffectPages, RefreshAfterOpenShowsTheDocumentUnmodified) {
    vortel::testing::ScratchDir dir;
    const std::string file = dir.file("effects.vtl");
    {
        TFontFX engine(Rect{0, 0, 200, 80});
        engine.setFringe(3, 13, 7, 9, 1234);
        ShadowParams s;
        s.ShadowX = -7, s.ShadowY = 12, s.ShadowBlur = -1, s.ShadowAngle = 75, s.ShadowSize = 140;
        s.ShadowIntensity = 0.65, s.ShadowColor = presets::FromRgbHex(0x808000);
        engine.setShadow(s);
        FrameParams f;
        f.FrameKind = 16, f.FrameWidth = 17, f.FramePoints = 35, f.FrameHeight = 44, f.FramePixel = 0;
        f.FrameColor = 0x123456, f.FrameSeed = 99;
        engine.setFrame(f);
        WriteDocument(engine, Bitmap{200, 80, std::vector<uint8_t>(200 * 80 * 3, 128)}, file);
    }
    EffectWindow w(MainWindow::StylePage);
    ASSERT_TRUE(w.window.openFile(QString::fromStdString(file)));
    for (int page : {MainWindow::OutlinePage, MainWindow::ShadowPage, MainWindow::FramePage}) {
        w.window.notebook()->setCurrentIndex(page);
        w.window.effectPage(page)->refresh();
    }
    EXPECT_EQ(w.engine().Modified, 0);
    const struct { const char* name; QString text; } texts[] = {
        {"OutlinePointsEdit", "9"},       {"OutlineXEdit", "7"},         {"OutlineYEdit", "9"},
        {"ShadowXComboBox", " -7"},       {"ShadowYComboBox", " 12"},    {"ShadowBlurComboBox", "None"},
        {"ShadowIntensityComboBox", " 65 %"}, {"ShadowAngleComboBox", "  75 \u00b0"}, {"ShadowSizeComboBox", "140 %"},
        {"FrameBGSizeComboBox", "17"},    {"FrameBGPointsComboBox", "35"},
    };
    for (const auto& t : texts) {
        QWidget* widget = w.find<QWidget>(t.name);
        const QString shown = qobject_cast<QComboBox*>(widget) ? qobject_cast<QComboBox*>(widget)->currentText()
                                                               : qobject_cast<QLineEdit*>(widget)->text();
        EXPECT_EQ(shown, t.text) << t.name;
    }
    EXPECT_TRUE(w.find<controls::SpeedButton>("OutlineRandomBezierSpeedButton")->isDown());
    EXPECT_FALSE(w.find<controls::SpeedButton>("OutlineSternSpeedButton")->isDown());
    EXPECT_EQ(w.find<QSlider>("OutlinePointsTrackBar")->value(), 9);
    EXPECT_EQ(w.find<QComboBox>("ColorComboBox")->currentIndex(), 3);
    EXPECT_EQ(w.find<pages::ColorListBox>("FrameBGColorComboBox")->color(), 0x123456u);
    EXPECT_EQ(w.engine().Frame.FrameSeed, 99);
    EXPECT_EQ(w.engine().Fringe.FringeSeed, 1234);
    EXPECT_EQ(w.engine().Modified, 0);
}

}  // namespace vortel::app
