// The texture adjustment dialog, opened from the Surface page and from the tool bar, driven with
// real clicks and typing.
#include <gtest/gtest.h>

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <filesystem>
#include <functional>
#include <map>
#include <tuple>

#include "app/MainWindow.h"
#include "document/ImageFile.h"
#include "panels/pages/AlterBmpDialog.h"
#include "tests/app/AppWindow.h"
#include "tests/common/ScratchDir.h"

namespace vortel::app {
namespace {

using pages::AlterBmpDialog;
using Drive = std::function<void(AlterBmpDialog&)>;

Bitmap numbered(int width, int height) {
    Bitmap b{width, height, std::vector<uint8_t>(size_t(width) * height * 3)};
    for (size_t i = 0; i < b.bgr.size(); ++i) b.bgr[i] = uint8_t(i / 3 % width * 9 + i / 3 / width * 13 + i % 3 * 40);
    return b;
}

// The window in professional mode; `answer` takes the dialogs the adjustment dialog opens.
struct AlterWindow : apptest::Window {
    AlterWindow() {
        for (QAction* action : window.findChildren<QAction*>())
            if (action->text() == QStringLiteral("Profi") && !action->isChecked()) action->trigger();
    }
    // Opens the dialog from the Surface page on the letters (1) or the ground (0); false when
    // no dialog came.
    bool fromSurface(int surface, const Drive& drive) {
        window.notebook()->setCurrentIndex(MainWindow::SurfacePage);
        QTest::mouseClick(window.findChild<QWidget*>(surface ? "SurfaceTextSpeedButton" : "SurfaceBGSpeedButton"), Qt::LeftButton);
        return run([&] { QTest::mouseClick(window.findChild<QWidget*>("TextureAlterSpeedButton"), Qt::LeftButton); }, drive);
    }
    bool fromToolBar(const Drive& drive) {
        return run([&] { window.findChild<QAction*>("AlterFullImageSpeedButton")->trigger(); }, drive);
    }
    bool run(const std::function<void()>& open, const Drive& drive) {
        bool opened = false;
        window.dialogHook = [&](QDialog& dialog) {
            auto* alter = qobject_cast<AlterBmpDialog*>(&dialog);
            if (!alter) return answer ? answer(dialog) : int(QDialog::Rejected);
            opened = true;
            drive(*alter);
            return dialog.result();
        };
        open();
        window.dialogHook = nullptr;
        return opened;
    }
    void texture(FillRecord& fill, const Bitmap& picture) {
        fill.Texture = std::make_shared<Bitmap>(picture);
        fill.FillKind = 0;
    }
    std::function<int(QDialog&)> answer;
};

// Clicks by letter: d turn, s mirror, w soften, h sharpen, r Reset, u Apply, o OK, c Cancel, v Save.
void press(QDialog& dialog, const std::string& keys) {
    static const std::map<char, const char*> names = {{'d', "DrehenButton"}, {'s', "SpiegelnButton"}, {'w', "WeicherButton"},
        {'h', "SchaerferButton"}, {'r', "ResetButton"}, {'u', "UebernehmenButton"}, {'o', "OkButton"},
        {'c', "AbbrechenButton"}, {'v', "SpeichernButton"}};
    for (const char key : keys) QTest::mouseClick(dialog.findChild<QPushButton*>(QString::fromLatin1(names.at(key))), Qt::LeftButton);
}

// Types into an edit box, which moves its slider; the colour pass follows once events run.
void type(AlterBmpDialog& dialog, int box, const QString& text) {
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(box));
    edit->selectAll();
    QTest::keyClicks(edit, text);
    const int passes = dialog.colorPasses();
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.colorPasses() > passes; }, 2000));
}

TEST(AlterBmpDialog, TurnsMirrorsAndFiltersInTheTextureModes) {
    AlterWindow w;
    const Bitmap start = numbered(7, 5);
    w.texture(w.window.engine().BackFill, start);
    const struct {
        const char* keys;
        int width, rotations, softened;
        bool mirrored, same;
    } cases[] = {{"d", 5, 1, 0, false, false}, {"dddd", 7, 0, 0, false, true}, {"ss", 7, 0, 0, false, true},
                 {"ds", 5, 3, 0, true, false}, {"wh", 7, 0, 0, false, false},  {"www", 7, 0, 3, false, false}};
    for (const auto& c : cases) {
        ASSERT_TRUE(w.fromSurface(0, [&](AlterBmpDialog& d) {
            EXPECT_EQ(d.windowTitle(), QStringLiteral("Textur \u00e4ndern"));
            press(d, c.keys);
            const auto& s = d.state();
            EXPECT_EQ(std::tuple(s.shown().width, s.rotationCount(), s.softenCount(), s.mirrorFlag(), s.shown().bgr == start.bgr),
                      std::tuple(c.width, c.rotations, c.softened, c.mirrored, c.same)) << c.keys;
            press(d, "c");
        }));
        EXPECT_EQ(w.window.engine().BackFill.Texture->bgr, start.bgr) << "Cancel keeps the texture";
    }
}

TEST(AlterBmpDialog, TypedNumbersMoveTheSlidersGreyStaysGreyAndMovesAreGathered) {
    AlterWindow w;
    Bitmap grey{4, 3, {}};
    for (int i = 0; i < 12; ++i) grey.bgr.insert(grey.bgr.end(), 3, uint8_t(i * 20));
    w.texture(w.window.engine().TextFill, grey);
    ASSERT_TRUE(w.fromSurface(1, [&](AlterBmpDialog& d) {
        for (const QString& hue : {QStringLiteral("150"), QStringLiteral("-90")}) {
            type(d, 1, hue);
            EXPECT_EQ(d.slider(0)->value(), hue.toInt());
            EXPECT_EQ(d.state().shown().bgr, grey.bgr);
        }
        type(d, 2, QStringLiteral("40"));
        const std::vector<uint8_t>& lighter = d.state().shown().bgr;
        EXPECT_NE(lighter, grey.bgr);
        for (size_t i = 0; i < lighter.size(); i += 3) EXPECT_TRUE(lighter[i] == lighter[i + 1] && lighter[i] == lighter[i + 2]) << i;
        // A drag sends many positions before events run: one pass takes the last of them.
        const int passes = d.colorPasses();
        for (int v = 1; v <= 30; ++v) d.slider(3)->setValue(v * 3);
        EXPECT_TRUE(QTest::qWaitFor([&] { return d.colorPasses() > passes; }, 2000));
        QTest::qWait(20);
        EXPECT_EQ(d.colorPasses(), passes + 1);
        EXPECT_EQ(d.state().sliders().red, 90);
        EXPECT_EQ(d.findChild<QLineEdit*>(QStringLiteral("Edit4"))->text(), QStringLiteral("90"));
        press(d, "r");
        for (int i = 0; i < AlterBmpDialog::SliderCount; ++i)
            EXPECT_EQ(d.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(i + 1))->text() + QString::number(d.slider(i)->value()),
                      QStringLiteral("00"));
        EXPECT_EQ(d.state().shown().bgr, grey.bgr);
    }));
}

TEST(AlterBmpDialog, ApplyMakesTheShownPictureTheSurfacesTexture) {
    AlterWindow w;
    w.texture(w.window.engine().TextFill, numbered(9, 6));
    w.window.engine().Modified = 0;
    QStringList captions;
    ASSERT_TRUE(w.fromSurface(1, [&](AlterBmpDialog& d) {
        QObject::connect(&d, &QWidget::windowTitleChanged, [&](const QString& t) { captions << t; });
        type(d, 5, QStringLiteral("50"));
        press(d, "du");
        const FillRecord& text = w.window.engine().TextFill;
        EXPECT_EQ(std::tuple(text.TextureName, text.FillKind, w.window.engine().Modified), std::tuple("EDITBITMAP", 0, 1));
        EXPECT_EQ(std::pair(text.Texture->width, text.Texture->bgr), std::pair(d.state().shown().width, d.state().shown().bgr));
        EXPECT_EQ(captions, (QStringList{QStringLiteral("Bitte warten..."), QStringLiteral("Textur \u00e4ndern")}));
        press(d, "o");
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }));
    EXPECT_EQ(w.window.engine().BackFill.TextureName, "") << "the other surface is untouched";

    // Neither surface with a texture: a hint instead of the dialog.
    w.window.engine().TextFill.FillKind = 2;
    w.window.engine().BackFill.FillKind = 1;
    EXPECT_FALSE(w.fromSurface(1, [](AlterBmpDialog&) {}));
    EXPECT_EQ(w.window.messages().recorded.entries.back().text, "Bitte w\u00e4hlen Sie zuerst eine Textur aus.");
}

// The whole picture: the part the dialog showed ends as the dialog showed it, away from that
// part's edge where the soften saw other neighbours; Reset turns the picture back.
TEST(AlterBmpDialog, ImageModeAppliesToTheWholePictureAndResetRestoresIt) {
    AlterWindow w;
    w.window.recalculate();
    const Bitmap before = w.window.picture();
    const int W = before.width, H = before.height;
    ASSERT_TRUE(w.fromToolBar([&](AlterBmpDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Bild \u00e4ndern"));
        const QPoint o = d.origin();
        const int cw = d.state().shown().width;
        EXPECT_EQ(cw, std::min(AlterBmpDialog::ScrollWidth - 5, W - o.x()));
        press(d, "wd");
        type(d, 1, QStringLiteral("60"));
        type(d, 3, QStringLiteral("-30"));
        const Bitmap shown = d.state().shown();
        press(d, "u");
        const Bitmap after = w.window.picture();
        ASSERT_EQ(std::pair(after.width, after.height), std::pair(H, W));
        // Turned: the dialog's (x, y) lies at (o.y + x, W - o.x - cw + y) of the whole picture.
        int compared = 0, differ = 0;
        for (int y = 1; y + 1 < shown.height; ++y)
            for (int x = 1; x + 1 < shown.width; ++x, ++compared) {
                const uint8_t* a = &shown.bgr[(size_t(y) * shown.width + x) * 3];
                differ += !std::equal(a, a + 3, &after.bgr[(size_t(W - o.x() - cw + y) * H + o.y() + x) * 3]);
            }
        EXPECT_GT(compared, 1000);
        EXPECT_EQ(differ, 0);
        // The colours are in the picture now: the sliders start again from 0.
        EXPECT_EQ(d.slider(0)->value() + d.state().sliders().hue, 0);
        press(d, "r");
        const Bitmap reset = w.window.picture();
        EXPECT_EQ(std::tuple(reset.width, reset.height, reset.bgr == before.bgr), std::tuple(W, H, true));
    }));
}

TEST(AlterBmpDialog, SavesBmpOrJpegUnderTheChosenName) {
    testing::ScratchDir dir;
    AlterWindow w;
    const Bitmap start = numbered(20, 12);
    w.texture(w.window.engine().BackFill, start);
    const struct {
        const char* chosen;
        int filter;
        const char* written;
    } cases[] = {{"bild", 0, "bild.bmp"}, {"foto.png", 1, "foto.jpg"}, {"zwei.jpg", 0, "zwei.bmp"}};
    for (const auto& c : cases) {
        w.answer = [&](QDialog& dialog) {
            auto* files = qobject_cast<QFileDialog*>(&dialog);
            files->selectFile(QString::fromStdString(dir.file(c.chosen)));
            files->selectNameFilter(files->nameFilters().at(c.filter));
            return int(QDialog::Accepted);
        };
        ASSERT_TRUE(w.fromSurface(0, [&](AlterBmpDialog& d) { press(d, "sv"); }));
        const Bitmap saved = loadImage(dir.file(c.written));
        EXPECT_EQ(std::pair(saved.width, saved.height), std::pair(20, 12)) << c.written;
        if (c.filter == 0) {
            EXPECT_EQ(saved.bgr, presets::mirror(start).bgr);
        }
    }
    EXPECT_EQ(dir.entries().size(), std::size(cases)) << "no helper file is left";
}

}  // namespace
}  // namespace vortel::app
