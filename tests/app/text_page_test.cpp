// The Text page on the real window: the face list, the memo and its delayed redraw, the style,
// alignment and spacing controls and the dice of the random raise and tilt.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <fontconfig/fontconfig.h>

#include <fstream>
#include <functional>
#include <memory>

#include "controls/Controls.h"
#include "document/Document.h"
#include "panels/pages/TextPage.h"
#include "platform/FontList.h"
#include "tests/app/AppWindow.h"
#include "tests/common/ScratchDir.h"

namespace vortel::app {
namespace {

using apptest::Window;
using controls::SpeedButton;

template <class T = QWidget>
T* find(Window& w, const char* name) {
    T* widget = w.window.findChild<T*>(QString::fromLatin1(name));
    if (!widget) ADD_FAILURE() << "no widget " << name;
    return widget;
}

pages::TextPage* textPage(Window& w) { return find<pages::TextPage>(w, "TextPage"); }

// The Text page shown, the window active, the memo focused.
QPlainTextEdit* focusMemo(Window& w) {
    w.window.notebook()->setCurrentIndex(MainWindow::TextPage);
    w.window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w.window));
    auto* memo = find<QPlainTextEdit>(w, "FontTextMemo");
    memo->setFocus();
    EXPECT_TRUE(QTest::qWaitFor([&] { return memo->hasFocus(); }, 1000));
    return memo;
}

// The toolbar's "Profi" button down: the page's panel with spacing, raise and tilt is shown.
void setProfessional(Window& w) {
    for (QAction* action : w.window.findChildren<QAction*>())
        if (action->text() == QStringLiteral("Profi") && !action->isChecked()) action->trigger();
    ASSERT_TRUE(w.window.professional());
}

// Replaces a combo's text by typing and presses Enter.
void typeInCombo(QComboBox* combo, const QString& text) {
    combo->lineEdit()->setFocus();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), text);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
}

// A one-glyph bitmap font in a folder of its own, with a fontconfig setup that also sees the
// system's faces; active while the object lives.
class BitmapFontSetup {
public:
    BitmapFontSetup() {
        std::ofstream(dir_.file("probe.bdf")) <<
            "STARTFONT 2.1\nFONT -vortel-PixelProbe-medium-r-normal--8-80-75-75-c-80-iso10646-1\nSIZE 8 75 75\n"
            "FONTBOUNDINGBOX 8 8 0 0\nSTARTPROPERTIES 8\nFAMILY_NAME \"PixelProbe\"\nPIXEL_SIZE 8\nPOINT_SIZE 80\n"
            "FONT_ASCENT 8\nFONT_DESCENT 0\nCHARSET_REGISTRY \"ISO10646\"\nCHARSET_ENCODING \"1\"\nSPACING \"C\"\n"
            "ENDPROPERTIES\nCHARS 1\nSTARTCHAR A\nENCODING 65\nSWIDTH 1000 0\nDWIDTH 8 0\nBBX 8 8 0 0\nBITMAP\n"
            "18\n24\n42\n42\n7E\n42\n42\n00\nENDCHAR\nENDFONT\n";
        std::ofstream(dir_.file("fonts.conf"))
            << "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n<dir>"
            << dir_.path().string() << "</dir>\n<dir>/usr/share/fonts</dir>\n<dir>/usr/local/share/fonts</dir>\n<cachedir>"
            << dir_.file("cache") << "</cachedir>\n</fontconfig>\n";
        previous_ = qgetenv("FONTCONFIG_FILE");
        hadPrevious_ = qEnvironmentVariableIsSet("FONTCONFIG_FILE");
        qputenv("FONTCONFIG_FILE", QByteArray::fromStdString(dir_.file("fonts.conf")));
    }
    ~BitmapFontSetup() {
        if (hadPrevious_) qputenv("FONTCONFIG_FILE", previous_); else qunsetenv("FONTCONFIG_FILE");
    }
    // Every font of `family` under this setup, and how many of them are outlines.
    static std::pair<int, int> fontsOf(const std::string& family) {
        std::unique_ptr<FcConfig, decltype(&FcConfigDestroy)> config(FcInitLoadConfigAndFonts(), FcConfigDestroy);
        std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(FcPatternCreate(), FcPatternDestroy);
        FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
        std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)> objects(FcObjectSetBuild(FC_OUTLINE, FC_SCALABLE, nullptr),
                                                                            FcObjectSetDestroy);
        std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> set(FcFontList(config.get(), pattern.get(), objects.get()),
                                                                   FcFontSetDestroy);
        int outlines = 0;
        for (int i = 0; set && i < set->nfont; ++i) {
            FcBool outline = FcFalse, scalable = FcFalse;
            FcPatternGetBool(set->fonts[i], FC_OUTLINE, 0, &outline);
            FcPatternGetBool(set->fonts[i], FC_SCALABLE, 0, &scalable);
            outlines += outline && scalable;
        }
        return {set ? set->nfont : 0, outlines};
    }

private:
    vortel::testing::ScratchDir dir_;
    QByteArray previous_;
    bool hadPrevious_ = false;
};

}  // namespace

TEST(TextPage, FaceListHoldsOnlyOutlineFacesAndShowsThemAll) {
    BitmapFontSetup setup;
    ASSERT_EQ(BitmapFontSetup::fontsOf("PixelProbe"), std::make_pair(1, 0)) << "the bitmap font is installed";
    Window w;
    const QStringList listed = textPage(w)->faces();
    QStringList expected;
    for (const std::string& face : InstalledOutlineFaces()) expected << QString::fromStdString(face);
    EXPECT_EQ(listed, expected);
    EXPECT_FALSE(listed.contains(QStringLiteral("PixelProbe")));
    ASSERT_FALSE(listed.isEmpty());
    for (const QString& face : listed) EXPECT_GT(BitmapFontSetup::fontsOf(face.toStdString()).second, 0) << face.toStdString();
}

// Each name of the face list stands in its own face where that face writes it, else in the
// interface's face (no boxes, no symbols); the open list fits the screen.
TEST(TextPage, FaceListNamesStandInAFaceThatWritesThemAndTheListFitsTheScreen) {
    Window w;
    w.window.notebook()->setCurrentIndex(MainWindow::TextPage);
    auto* combo = find<QComboBox>(w, "FontComboBox");
    auto* delegate = qobject_cast<pages::FaceItemDelegate*>(combo->itemDelegate());
    ASSERT_TRUE(delegate);
    const QStringList listed = textPage(w)->faces();
    const QString ui = QFontInfo(QApplication::font()).family();
    const struct {
        const char* face;
        bool own;
    } cases[] = {{"DejaVu Sans", true}, {"Liberation Serif", true}, {"Noto Sans Batak", false}, {"Noto Sans Symbols2", false}};
    for (const auto& c : cases) {
        const QString face = QString::fromLatin1(c.face);
        if (!listed.contains(face)) {
            std::cout << "skipped: the face \"" << c.face << "\" is not installed\n";
            continue;
        }
        EXPECT_EQ(QFontInfo(delegate->faceFont(face)).family(), c.own ? face : ui) << c.face;
    }
    // Every face of the list that is said to write its name is the one Qt draws it with.
    int own = 0;
    for (const QString& face : listed) {
        if (FamilyTextFit(face.toStdString(), face.toStdU32String()) == TextFit::None) continue;
        ++own;
        EXPECT_EQ(QFontInfo(delegate->faceFont(face)).family(), face);
    }
    EXPECT_GT(own, 0);

    combo->showPopup();
    QWidget* popup = combo->view()->window();
    const QScreen* screen = combo->screen();
    ASSERT_TRUE(screen);
    EXPECT_TRUE(popup->isVisible());
    EXPECT_LE(popup->width(), screen->availableGeometry().width());
    EXPECT_TRUE(screen->availableGeometry().contains(popup->geometry())) << popup->geometry().x() << " " << popup->width();
    combo->hidePopup();
}

TEST(TextPage, HighlightedFaceIsNamedAcrossTheStatusBar) {
    Window w;
    w.window.notebook()->setCurrentIndex(MainWindow::TextPage);
    auto* combo = find<QComboBox>(w, "FontComboBox");
    ASSERT_GT(combo->count(), 1);
    combo->showPopup();
    QTest::keyClick(combo->view(), Qt::Key_Down);
    const QString highlighted = combo->view()->currentIndex().data().toString();
    EXPECT_FALSE(highlighted.isEmpty());
    EXPECT_EQ(w.window.statusText(StatusSimple), highlighted);
    combo->hidePopup();
}

TEST(TextPage, DeletingAllTextKeepsThePreviousText) {
    Window w;
    QPlainTextEdit* memo = focusMemo(w);
    const std::string before = w.window.engine().Text;
    QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_Delete);
    EXPECT_TRUE(memo->toPlainText().isEmpty());
    EXPECT_EQ(w.window.engine().Text, before);
    // A font change with the memo still empty keeps it too.
    QTest::mouseClick(find(w, "FontItalicSpeedButton"), Qt::LeftButton);
    EXPECT_EQ(w.window.engine().Font.lfItalic, 1);
    EXPECT_EQ(w.window.engine().Text, before);
}

TEST(TextPage, OnlyTheRaiseAndTiltControlsDrawNewSeeds) {
    struct Case {
        const char* control;
        std::function<void(Window&)> act;
        bool raise, tilt;
    };
    auto click = [](const char* name) { return [name](Window& w) { QTest::mouseClick(find(w, name), Qt::LeftButton); }; };
    auto type = [](const char* name, const char* text) {
        return [name, text](Window& w) { typeInCombo(find<QComboBox>(w, name), QString::fromUtf8(text)); };
    };
    const Case cases[] = {
        {"FontHochTiefComboBox", type("FontHochTiefComboBox", "20"), true, false},
        {"HochTiefSpeedButton", click("HochTiefSpeedButton"), true, false},
        {"FontKippComboBox", type("FontKippComboBox", "30"), false, true},
        {"KippSpeedButton", click("KippSpeedButton"), false, true},
        {"FontComboBox", [](Window& w) { QTest::keyClick(find(w, "FontComboBox"), Qt::Key_Down); }, false, false},
        {"FontBoldSpeedButton", click("FontBoldSpeedButton"), false, false},
        {"FontItalicSpeedButton", click("FontItalicSpeedButton"), false, false},
        {"FontRightSpeedButton", click("FontRightSpeedButton"), false, false},
        {"FontHorizontalSpaceComboBox", type("FontHorizontalSpaceComboBox", "10"), false, false},
        {"FontVerticalSpaceComboBox", type("FontVerticalSpaceComboBox", "-5"), false, false},
    };
    Window w;
    setProfessional(w);
    w.window.engine().Text = "Zwei\r\nZeilen";  // the line spacing is open to input
    w.window.panels().events.refresh(presets::Page::Text);
    w.window.notebook()->setCurrentIndex(MainWindow::TextPage);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        TFontFX& e = w.window.engine();
        e.HochTiefSeed = -1, e.KippSeed = -1;  // never drawn: the dice give 0 .. 2^31 - 2
        e.Modified = 0;
        c.act(w);
        EXPECT_EQ(e.Modified, 1);
        EXPECT_EQ(e.HochTiefSeed != -1, c.raise);
        EXPECT_EQ(e.KippSeed != -1, c.tilt);
    }
    EXPECT_EQ(w.window.engine().HochTiefAmount, 20);
    EXPECT_EQ(w.window.engine().KippAmount, 30);
}

TEST(TextPage, StyleAlignmentAndSpacingWriteTheEngine) {
    struct Case {
        const char* control;
        std::function<void(Window&)> act;
        std::function<int(const TFontFX&)> field;
        int expected;
    };
    auto click = [](const char* name) { return [name](Window& w) { QTest::mouseClick(find(w, name), Qt::LeftButton); }; };
    auto type = [](const char* name, const char* text) {
        return [name, text](Window& w) { typeInCombo(find<QComboBox>(w, name), QString::fromUtf8(text)); };
    };
    const auto weight = [](const TFontFX& e) { return e.Font.lfWeight; };
    const auto format = [](const TFontFX& e) { return int(e.TextFormat); };
    const Case cases[] = {
        {"bold off", click("FontBoldSpeedButton"), weight, 400},  // the default text is bold
        {"bold on", click("FontBoldSpeedButton"), weight, 700},
        {"italic", click("FontItalicSpeedButton"), [](const TFontFX& e) { return int(e.Font.lfItalic); }, 1},
        {"charset", click("FontItalicSpeedButton"), [](const TFontFX& e) { return int(e.Font.lfCharSet); }, 1},
        {"left", click("FontLeftSpeedButton"), format, 2064},
        {"right", click("FontRightSpeedButton"), format, 2066},
        {"centre", click("FontCenterSpeedButton"), format, 2065},
        {"character spacing", type("FontHorizontalSpaceComboBox", "-15"), [](const TFontFX& e) { return e.CharSpacing; }, -15},
        {"line spacing", type("FontVerticalSpaceComboBox", "12"), [](const TFontFX& e) { return e.LineSpacing; }, 12},
        {"raise", type("FontHochTiefComboBox", "40"), [](const TFontFX& e) { return e.HochTiefAmount; }, 40},
        {"tilt", type("FontKippComboBox", "70 \u00b0"), [](const TFontFX& e) { return e.KippAmount; }, 70},
    };
    Window w;
    setProfessional(w);
    w.window.engine().Text = "Zwei\r\nZeilen";
    w.window.panels().events.refresh(presets::Page::Text);
    w.window.notebook()->setCurrentIndex(MainWindow::TextPage);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        c.act(w);
        EXPECT_EQ(c.field(w.window.engine()), c.expected);
    }
    // The face chosen is the engine's; the alignment buttons are one group.
    QTest::keyClick(find(w, "FontComboBox"), Qt::Key_Down);
    EXPECT_EQ(QString::fromStdString(w.window.engine().Font.faceName()), find<QComboBox>(w, "FontComboBox")->currentText());
    EXPECT_TRUE(find<SpeedButton>(w, "FontCenterSpeedButton")->isDown());
    EXPECT_FALSE(find<SpeedButton>(w, "FontRightSpeedButton")->isDown());
    EXPECT_FALSE(find<SpeedButton>(w, "FontLeftSpeedButton")->isDown());
}

TEST(TextPage, RapidTypingRecalculatesOnceAfterThePause) {
    Window w;
    QPlainTextEdit* memo = focusMemo(w);
    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    int notes = 0;
    w.window.view()->canvas()->setChangeListener([&notes] { ++notes; });
    for (const char* burst : {" ist", " ein", " Text"}) {
        QTest::keyClicks(memo, QString::fromLatin1(burst));
        QTest::qWait(120);  // shorter than half the pause
        EXPECT_EQ(notes, 0) << "drawn while typing";
    }
    EXPECT_EQ(w.window.engine().Text, "Vortel ist ein Text");
    EXPECT_TRUE(w.window.engine().Modified);
    EXPECT_TRUE(w.window.panels().textEdited);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.window.delayedCalcTimer()->isActive(); }, 3000));
    QTest::qWait(400);
    const int typed = notes;
    ASSERT_GT(typed, 0);
    // One render of the same text draws as often: typing gave exactly one.
    notes = 0;
    w.window.recalculate();
    EXPECT_EQ(typed, notes);
}

TEST(TextPage, TypingFitsUnwarpedGuidesButKeepsAShape) {
    for (const int preset : {0, 5}) {
        SCOPED_TRACE(preset);
        Window w;
        w.window.panels().ApplyGuidePreset(preset);
        w.window.recalculate();
        const bool unwarped = w.window.engine().isUnwarped();
        EXPECT_EQ(unwarped, preset == 0);
        const auto guides = w.window.engine().GuidePoints;
        QPlainTextEdit* memo = focusMemo(w);
        QTest::keyClicks(memo, QStringLiteral("X"));
        if (unwarped) {
            // Preset 0 puts every guide at the origin until the layout fits them to the text.
            for (const auto& guide : w.window.engine().GuidePoints) EXPECT_EQ(guide, std::vector<Point>(2));
        } else {
            EXPECT_EQ(w.window.engine().GuidePoints, guides);
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return !w.window.delayedCalcTimer()->isActive(); }, 3000));
    }
}

TEST(TextPage, LineSpacingOpensWithASecondLine) {
    Window w;
    QPlainTextEdit* memo = focusMemo(w);
    auto* vertical = find(w, "FontVerticalSpaceComboBox");
    EXPECT_FALSE(vertical->isEnabled());
    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, QStringLiteral("zwei"));
    EXPECT_TRUE(vertical->isEnabled());
    EXPECT_EQ(w.window.engine().Text, "Vortel\r\nzwei");
}

TEST(TextPage, OpenedDocumentIsShownWithoutBeingChanged) {
    vortel::testing::ScratchDir dir;
    const std::string file = dir.file("text.vtl");
    {
        TFontFX engine(Rect{0, 0, 200, 80});
        engine.Text = "Erste\r\nZweite";
        engine.Font.setFaceName("DejaVu Serif");
        engine.Font.lfWeight = 400;
        engine.Font.lfItalic = 1;
        engine.TextFormat = 2064;  // left
        engine.CharSpacing = 7, engine.LineSpacing = -10, engine.HochTiefAmount = 25, engine.KippAmount = 40;
        WriteDocument(engine, Bitmap{200, 80, std::vector<uint8_t>(200 * 80 * 3, 128)}, file);
    }
    Window w;
    ASSERT_TRUE(w.window.openFile(QString::fromStdString(file)));
    w.window.notebook()->setCurrentIndex(MainWindow::TextPage);
    EXPECT_EQ(find<QComboBox>(w, "FontComboBox")->currentText(), QStringLiteral("DejaVu Serif"));
    EXPECT_FALSE(find<SpeedButton>(w, "FontBoldSpeedButton")->isDown());
    EXPECT_TRUE(find<SpeedButton>(w, "FontItalicSpeedButton")->isDown());
    EXPECT_TRUE(find<SpeedButton>(w, "FontLeftSpeedButton")->isDown());
    EXPECT_FALSE(find<SpeedButton>(w, "FontCenterSpeedButton")->isDown());
    EXPECT_EQ(find<QComboBox>(w, "FontHorizontalSpaceComboBox")->currentText(), QStringLiteral("  7"));
    EXPECT_EQ(find<QComboBox>(w, "FontVerticalSpaceComboBox")->currentText(), QStringLiteral("-10"));
    EXPECT_EQ(find<QComboBox>(w, "FontHochTiefComboBox")->currentText(), QStringLiteral(" 25"));
    EXPECT_EQ(find<QComboBox>(w, "FontKippComboBox")->currentText(), QStringLiteral(" 40 \u00b0"));
    EXPECT_EQ(find<QPlainTextEdit>(w, "FontTextMemo")->toPlainText(), QStringLiteral("Erste\nZweite"));
    EXPECT_TRUE(find<QPlainTextEdit>(w, "FontTextMemo")->font().italic());
    EXPECT_TRUE(find(w, "FontVerticalSpaceComboBox")->isEnabled());
    EXPECT_TRUE(find(w, "TextTransparenzSpeedButton")->isEnabled());
    EXPECT_EQ(w.window.engine().Modified, 0);
}

TEST(TextPage, AFaceThatIsNotInstalledStaysTheEngines) {
    Window w;
    w.window.engine().Font.setFaceName("Keine Solche Schrift");
    w.window.panels().events.refresh(presets::Page::Text);
    w.window.notebook()->setCurrentIndex(MainWindow::TextPage);
    auto* combo = find<QComboBox>(w, "FontComboBox");
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->placeholderText(), QStringLiteral("Keine Solche Schrift"));
    QTest::mouseClick(find(w, "FontItalicSpeedButton"), Qt::LeftButton);
    EXPECT_EQ(w.window.engine().Font.faceName(), "Keine Solche Schrift");
}

}  // namespace vortel::app
