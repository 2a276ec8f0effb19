// The texture adjustment dialog, opened from the Surface page and from the tool bar, driven with
// real clicks and typing.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <filesystem>
#include <functional>

#include "app/MainWindow.h"
#include "document/ImageFile.h"
#include "panels/pages/AlterBmpDialog.h"
#include "tests/app/AppWindow.h"
#include "tests/common/ScratchDir.h"

namespace vortel::app {
namespace {

using apptest::Window;
using pages::AlterBmpDialog;

// A picture whose every pixel tells its position.
Bitmap numbered(int width, int height) {
    Bitmap bitmap{width, height, std::vector<uint8_t>(size_t(width) * height * 3)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* p = &bitmap.bgr[(size_t(y) * width + x) * 3];
            p[0] = uint8_t(x * 9), p[1] = uint8_t(y * 13), p[2] = uint8_t(x * 7 + y * 3 + 40);
        }
    return bitmap;
}

struct AlterWindow : Window {
    AlterWindow() {
        for (QAction* action : window.findChildren<QAction*>())
            if (action->text() == QStringLiteral("Profi") && !action->isChecked()) action->trigger();
    }
    // Opens the dialog from the Surface page (surface 1 the letters, 0 the ground) and runs `drive`
    // in it; false when no dialog came.
    bool fromSurface(int surface, const std::function<void(AlterBmpDialog&)>& drive) {
        window.notebook()->setCurrentIndex(MainWindow::SurfacePage);
        QTest::mouseClick(window.findChild<QWidget*>(surface == 1 ? "SurfaceTextSpeedButton" : "SurfaceBGSpeedButton"),
                          Qt::LeftButton);
        return run([&] { QTest::mouseClick(window.findChild<QWidget*>("TextureAlterSpeedButton"), Qt::LeftButton); }, drive);
    }
    bool fromToolBar(const std::function<void(AlterBmpDialog&)>& drive) {
        return run([&] { window.findChild<QAction*>("AlterFullImageSpeedButton")->trigger(); }, drive);
    }
    bool run(const std::function<void()>& open, const std::function<void(AlterBmpDialog&)>& drive) {
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
    // Answers the dialogs the adjustment dialog opens itself.
    std::function<int(QDialog&)> answer;
    void setTexture(FillRecord& fill, const Bitmap& picture) {
        fill.Texture = std::make_shared<Bitmap>(picture);
        fill.FillKind = 0;
    }
};

void click(QDialog& dialog, const char* name, int times = 1) {
    auto* button = dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    for (int i = 0; i < times; ++i) QTest::mouseClick(button, Qt::LeftButton);
}

// Types a number into an edit box, which moves its slider; the colour pass follows when the
// event loop is free.
void type(AlterBmpDialog& dialog, int box, const QString& text) {
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(box));
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    const int passes = dialog.colorPasses();
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.colorPasses() > passes; }, 2000));
}

TEST(AlterBmpDialog, TurnsMirrorsAndFiltersInTheTextureModes) {
    AlterWindow w;
    const Bitmap start = numbered(7, 5);
    w.setTexture(w.window.engine().BackFill, start);
    const struct {
        const char* buttons;  // d turn, s mirror, w soften, h sharpen
        int width, rotations, softened;
        bool mirrored, same;
    } cases[] = {
        {"d", 5, 1, 0, false, false},   {"dddd", 7, 0, 0, false, true}, {"ss", 7, 0, 0, false, true},
        {"ds", 5, 3, 0, true, false},   {"wh", 7, 0, 0, false, false},  {"www", 7, 0, 3, false, false},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(w.fromSurface(0, [&](AlterBmpDialog& d) {
            EXPECT_EQ(d.windowTitle(), QStringLiteral("Textur \u00e4ndern"));
            EXPECT_EQ(d.state().shown().bgr, start.bgr);
            for (const char* b = c.buttons; *b; ++b)
                click(d, *b == 'd' ? "DrehenButton" : *b == 's' ? "SpiegelnButton" : *b == 'w' ? "WeicherButton" : "SchaerferButton");
            EXPECT_EQ(d.state().shown().width, c.width) << c.buttons;
            EXPECT_EQ(d.state().rotationCount(), c.rotations) << c.buttons;
            EXPECT_EQ(d.state().softenCount(), c.softened) << c.buttons;
            EXPECT_EQ(d.state().mirrorFlag(), c.mirrored) << c.buttons;
            EXPECT_EQ(d.state().shown().bgr == start.bgr, c.same) << c.buttons;
            click(d, "AbbrechenButton");
        }));
        EXPECT_EQ(w.window.engine().BackFill.Texture->bgr, start.bgr) << "Cancel keeps the texture";
    }
}

TEST(AlterBmpDialog, TypedNumbersMoveTheSlidersAndGreyStaysGreyUnderTheHue) {
    AlterWindow w;
    Bitmap grey{4, 3, {}};
    for (int i = 0; i < 12; ++i) grey.bgr.insert(grey.bgr.end(), 3, uint8_t(i * 20));
    w.setTexture(w.window.engine().TextFill, grey);
    ASSERT_TRUE(w.fromSurface(1, [&](AlterBmpDialog& d) {
        type(d, 1, QStringLiteral("150"));
        EXPECT_EQ(d.slider(0)->value(), 150);
        EXPECT_EQ(d.state().shown().bgr, grey.bgr);
        type(d, 1, QStringLiteral("-90"));
        EXPECT_EQ(d.slider(0)->value(), -90);
        EXPECT_EQ(d.state().shown().bgr, grey.bgr);
        type(d, 2, QStringLiteral("40"));
        EXPECT_NE(d.state().shown().bgr, grey.bgr);
        for (size_t i = 0; i < grey.bgr.size(); i += 3)
            EXPECT_TRUE(d.state().shown().bgr[i] == d.state().shown().bgr[i + 1] &&
                        d.state().shown().bgr[i + 1] == d.state().shown().bgr[i + 2]) << i;
        // Reset puts every slider and box back to 0.
        click(d, "ResetButton");
        for (int i = 0; i < AlterBmpDialog::SliderCount; ++i) {
            EXPECT_EQ(d.slider(i)->value(), 0);
            EXPECT_EQ(d.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(i + 1))->text(), QStringLiteral("0"));
        }
        EXPECT_EQ(d.state().shown().bgr, grey.bgr);
    }));
}

// A drag sends many positions before the event loop is free: one pass takes the last of them.
TEST(AlterBmpDialog, SliderMovesAreGatheredIntoOnePass) {
    AlterWindow w;
    w.setTexture(w.window.engine().BackFill, numbered(64, 48));
    ASSERT_TRUE(w.fromSurface(0, [&](AlterBmpDialog& d) {
        for (int v = 1; v <= 30; ++v) d.slider(3)->setValue(v * 3);
        EXPECT_EQ(d.colorPasses(), 0);
        EXPECT_TRUE(QTest::qWaitFor([&] { return d.colorPasses() > 0; }, 2000));
        QApplication::processEvents();
        EXPECT_EQ(d.colorPasses(), 1);
        EXPECT_EQ(d.state().sliders().red, 90);
        EXPECT_EQ(d.findChild<QLineEdit*>(QStringLiteral("Edit4"))->text(), QStringLiteral("90"));
    }));
}

TEST(AlterBmpDialog, ApplyMakesTheShownPictureTheSurfacesTexture) {
    AlterWindow w;
    const Bitmap start = numbered(9, 6);
    w.setTexture(w.window.engine().TextFill, start);
    w.window.engine().Modified = 0;
    QStringList captions;
    ASSERT_TRUE(w.fromSurface(1, [&](AlterBmpDialog& d) {
        QObject::connect(&d, &QWidget::windowTitleChanged, [&](const QString& t) { captions << t; });
        type(d, 5, QStringLiteral("50"));
        click(d, "DrehenButton");
        click(d, "UebernehmenButton");
        const FillRecord& text = w.window.engine().TextFill;
        EXPECT_EQ(text.TextureName, "EDITBITMAP");
        EXPECT_EQ(text.FillKind, 0);
        EXPECT_EQ(std::pair(text.Texture->width, text.Texture->bgr), std::pair(d.state().shown().width, d.state().shown().bgr));
        EXPECT_EQ(w.window.engine().Modified, 1);
        EXPECT_EQ(captions, (QStringList{QStringLiteral("Bitte warten..."), QStringLiteral("Textur \u00e4ndern")}));
        click(d, "OkButton");
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }));
    EXPECT_EQ(w.window.engine().BackFill.TextureName, "") << "the other surface is untouched";

    // Neither surface with a texture: a hint instead of the dialog.
    w.window.engine().TextFill.FillKind = 2;
    w.window.engine().BackFill.FillKind = 1;
    w.window.messages().recorded.clear();
    EXPECT_FALSE(w.fromSurface(1, [](AlterBmpDialog&) {}));
    ASSERT_FALSE(w.window.messages().recorded.entries.empty());
    EXPECT_EQ(w.window.messages().recorded.entries.back().text, "Bitte w\u00e4hlen Sie zuerst eine Textur aus.");
}

// The whole picture: what Apply leaves in the part the dialog showed is what the dialog showed,
// away from that part's edge where the soften saw other neighbours; Reset turns it back.
TEST(AlterBmpDialog, ImageModeAppliesToTheWholePictureAndResetRestoresIt) {
    AlterWindow w;
    w.window.recalculate();
    const Bitmap before = w.window.picture();
    const int W = before.width, H = before.height;
    ASSERT_TRUE(w.fromToolBar([&](AlterBmpDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Bild \u00e4ndern"));
        EXPECT_EQ(d.mode(), AlterBmpDialog::ImageMode);
        const QPoint o = d.origin();
        const int cw = d.state().shown().width, ch = d.state().shown().height;
        EXPECT_EQ(cw, std::min(AlterBmpDialog::ScrollWidth - 5, W - o.x()));
        click(d, "WeicherButton");
        click(d, "DrehenButton");
        type(d, 1, QStringLiteral("60"));
        type(d, 3, QStringLiteral("-30"));
        const Bitmap shown = d.state().shown();
        click(d, "UebernehmenButton");
        const Bitmap after = w.window.picture();
        ASSERT_EQ(std::pair(after.width, after.height), std::pair(H, W));
        int compared = 0, differ = 0;
        for (int y = 1; y + 1 < cw; ++y)
            for (int x = 1; x + 1 < ch; ++x) {
                const uint8_t* a = &shown.bgr[(size_t(y) * ch + x) * 3];
                const uint8_t* b = &after.bgr[(size_t(W - o.x() - cw + y) * H + o.y() + x) * 3];
                ++compared;
                differ += !std::equal(a, a + 3, b);
            }
        EXPECT_GT(compared, 1000);
        EXPECT_EQ(differ, 0);
        // The sliders start again from 0 (the picture holds their colours now); nothing to apply.
        EXPECT_EQ(d.slider(0)->value(), 0);
        EXPECT_EQ(d.state().shown().bgr, shown.bgr);
        EXPECT_FALSE(d.state().sliders().hue);
        click(d, "ResetButton");
        const Bitmap reset = w.window.picture();
        EXPECT_EQ(std::pair(reset.width, reset.height), std::pair(W, H));
        EXPECT_EQ(reset.bgr, before.bgr);
        click(d, "AbbrechenButton");
    }));
}

TEST(AlterBmpDialog, SavesBmpOrJpegUnderTheChosenName) {
    testing::ScratchDir dir;
    AlterWindow w;
    const Bitmap start = numbered(20, 12);
    w.setTexture(w.window.engine().BackFill, start);
    const struct {
        const char* chosen;
        int filter;
        const char* written;
    } cases[] = {{"bild", 0, "bild.bmp"}, {"foto.png", 1, "foto.jpg"}, {"zwei.jpg", 0, "zwei.bmp"}};
    for (const auto& c : cases) {
        ASSERT_TRUE(w.fromSurface(0, [&](AlterBmpDialog& d) {
            click(d, "SpiegelnButton");
            w.answer = [&](QDialog& dialog) {
                auto* files = qobject_cast<QFileDialog*>(&dialog);
                if (!files) return int(QDialog::Rejected);
                files->selectFile(QString::fromStdString(dir.file(c.chosen)));
                files->selectNameFilter(files->nameFilters().at(c.filter));
                return int(QDialog::Accepted);
            };
            click(d, "SpeichernButton");
        }));
        ASSERT_TRUE(std::filesystem::exists(dir.file(c.written))) << c.written;
        const Bitmap saved = loadImage(dir.file(c.written));
        EXPECT_EQ(std::pair(saved.width, saved.height), std::pair(20, 12));
        if (c.filter == 0) {
            EXPECT_EQ(saved.bgr, presets::mirror(start).bgr);
        }
    }
    EXPECT_EQ(dir.entries().size(), std::size(cases)) << "no helper file is left";
}

}  // namespace
}  // namespace vortel::app
