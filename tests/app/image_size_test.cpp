// The image size dialog and the window's text scaling behind it.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "app/ImageFrame.h"
#include "app/ImageSizeDialog.h"
#include "app/ImageView.h"
#include "controls/Controls.h"
#include "tests/app/AppWindow.h"

namespace vortel::app {
namespace {

using apptest::Window;

template <class T = QWidget>
T* child(QWidget& parent, const char* name) {
    return parent.findChild<T*>(QString::fromLatin1(name));
}

void typeInto(QWidget& dialog, const char* name, const QString& text) {
    auto* edit = child<QLineEdit>(dialog, name);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// Opens Image size from the Edit menu and lets `use` work the dialog; returns its result.
int runImageSize(Window& w, const std::function<void(ImageSizeDialog&)>& use) {
    int result = -1;
    w.window.dialogHook = [&](QDialog& d) {
        auto* dialog = qobject_cast<ImageSizeDialog*>(&d);
        EXPECT_NE(dialog, nullptr);
        if (!dialog) return int(QDialog::Rejected);
        dialog->show();
        use(*dialog);
        result = dialog->result();
        return result;
    };
    w.window.findChild<QAction*>(QStringLiteral("ImageSizeMenu"))->trigger();
    return result;
}

TEST(ImageSize, WidthKeepsTheRatioAndOkResizesTheView) {
    Window w;
    ASSERT_EQ(w.window.view()->size(), QSize(450, 200));
    const int result = runImageSize(w, [](ImageSizeDialog& d) {
        EXPECT_EQ(child<QLineEdit>(d, "WEdit")->text(), QStringLiteral("450"));
        typeInto(d, "WEdit", QStringLiteral("900"));
        EXPECT_EQ(child<QLineEdit>(d, "HEdit")->text(), QStringLiteral("400"));
        QTest::mouseClick(child(d, "OkButton"), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(w.window.view()->size(), QSize(900, 400));
    EXPECT_EQ(w.window.view()->canvas()->width(), 900);
    EXPECT_EQ(w.window.engine().ImageRect, (Rect{0, 0, 900, 400}));
    EXPECT_GE(w.window.imageFrame()->width(), 900);
    EXPECT_EQ(w.window.statusText(1), QStringLiteral("Bildgr\u00f6\u00dfe: 900 x 400"));
    EXPECT_EQ(w.window.engine().Modified, 1);
    // The text was scaled with the picture: its frame is about twice as big.
    EXPECT_GT(w.window.textFrame().width(), 600);
}

TEST(ImageSize, RefusesSizesOutsideTheDocumentsLimits) {
    const struct {
        QString width, height;
        bool accepted;
    } cases[] = {
        {QStringLiteral("0"), QStringLiteral("100"), false},      {QStringLiteral("-5"), QStringLiteral("100"), false},
        {QStringLiteral("10001"), QStringLiteral("100"), false},  {QStringLiteral("abc"), QStringLiteral("100"), false},
        {QStringLiteral("300"), QString(), false},                {QStringLiteral("300"), QStringLiteral("1e3"), false},
        {QStringLiteral("10000"), QStringLiteral("1"), true},     {QStringLiteral("1"), QStringLiteral("10000"), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.width + QStringLiteral(" x ") + c.height).toStdString());
        RecordingMessages messages;
        ImageSizeDialog dialog(QSize(450, 200), QSize(300, 100), messages);
        dialog.show();
        child<QCheckBox>(dialog, "AspectRatioCheckBox")->setChecked(false);
        child<QLineEdit>(dialog, "WEdit")->setText(c.width);
        child<QLineEdit>(dialog, "HEdit")->setText(c.height);
        QTest::mouseClick(child(dialog, "OkButton"), Qt::LeftButton);
        EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted);
        EXPECT_EQ(dialog.isVisible(), !c.accepted) << "a refused size keeps the dialog open";
        EXPECT_EQ(messages.entries.size(), c.accepted ? 0u : 1u);
        if (c.accepted) {
            EXPECT_EQ(dialog.chosenSize(), QSize(c.width.toInt(), c.height.toInt()));
        }
    }
}

TEST(ImageSize, TextButtonsLockTheirControls) {
    const struct {
        bool minimise, maximise;
        bool scaleEnabled, editsEnabled;
        QString width;
    } cases[] = {
        {true, false, false, false, QStringLiteral("300")},
        {false, true, false, true, QStringLiteral("450")},
        {true, true, false, false, QStringLiteral("300")},
        {false, false, true, true, QStringLiteral("450")},
    };
    for (const auto& c : cases) {
        RecordingMessages messages;
        ImageSizeDialog dialog(QSize(450, 200), QSize(300, 100), messages);
        dialog.show();
        auto* scale = child<QCheckBox>(dialog, "ScaleTextCheckBox");
        scale->setChecked(false);
        if (c.minimise) QTest::mouseClick(child(dialog, "ImageMinimierenSpeedButton"), Qt::LeftButton);
        if (c.maximise) QTest::mouseClick(child(dialog, "TextMaximierenSpeedButton"), Qt::LeftButton);
        EXPECT_EQ(dialog.minimise(), c.minimise);
        EXPECT_EQ(dialog.maximise(), c.maximise);
        EXPECT_EQ(scale->isChecked(), c.minimise || c.maximise);
        EXPECT_EQ(scale->isEnabled(), c.scaleEnabled);
        EXPECT_EQ(child(dialog, "WEdit")->isEnabled(), c.editsEnabled);
        EXPECT_EQ(child(dialog, "AspectRatioCheckBox")->isEnabled(), c.editsEnabled);
        EXPECT_EQ(child<QLineEdit>(dialog, "WEdit")->text(), c.width);
        if (c.minimise) {
            // Up again: the size typed before comes back.
            QTest::mouseClick(child(dialog, "ImageMinimierenSpeedButton"), Qt::LeftButton);
            EXPECT_EQ(child<QLineEdit>(dialog, "WEdit")->text(), QStringLiteral("450"));
        }
    }
}

TEST(ImageSize, MinimiseLeavesTheSizeToTheScaling) {
    Window w;
    const QSize fitted = w.window.fittedSize();
    ASSERT_LT(fitted.width(), 450);
    ASSERT_LT(fitted.height(), 200);
    const QRect textBefore = w.window.textFrame();
    runImageSize(w, [](ImageSizeDialog& d) {
        QTest::mouseClick(child(d, "ImageMinimierenSpeedButton"), Qt::LeftButton);
        // What is in the edits does not count while minimise is down.
        child<QLineEdit>(d, "WEdit")->setText(QStringLiteral("777"));
        QTest::mouseClick(child(d, "OkButton"), Qt::LeftButton);
    });
    EXPECT_EQ(w.window.view()->size(), fitted);
    // The text keeps its size and sits inside the margin.
    const QRect text = w.window.textFrame();
    EXPECT_NEAR(text.width(), textBefore.width(), 2);
    EXPECT_NEAR(text.height(), textBefore.height(), 2);
    EXPECT_GE(text.left(), 0);
    EXPECT_LE(text.right(), fitted.width());
}

// Text that reaches past the picture: minimise makes the picture hold all of it, with its margin
// of plain ground on every side.
TEST(ImageSize, MinimiseFitsTextThatReachesPastThePicture) {
    for (const QSize small : {QSize(200, 100), QSize(450, 60), QSize(120, 200)}) {
        SCOPED_TRACE(small.width());
        Window w;
        w.window.setImageSize(small.width(), small.height());  // the guides stay where they were
        w.window.recalculate();
        const ColorRef ground = w.pixel(0, 0);
        runImageSize(w, [](ImageSizeDialog& d) {
            QTest::mouseClick(child(d, "ImageMinimierenSpeedButton"), Qt::LeftButton);
            QTest::mouseClick(child(d, "OkButton"), Qt::LeftButton);
        });
        const QSize fitted = w.window.view()->size();
        EXPECT_GE(fitted.width(), 400);
        EXPECT_GE(fitted.height(), 140);
        int letters = 0;
        for (int x = 0; x < fitted.width(); ++x)
            letters += (w.pixel(x, 0) != ground) + (w.pixel(x, fitted.height() - 1) != ground);
        for (int y = 0; y < fitted.height(); ++y)
            letters += (w.pixel(0, y) != ground) + (w.pixel(fitted.width() - 1, y) != ground);
        EXPECT_EQ(letters, 0) << fitted.width() << " x " << fitted.height();
    }
}

TEST(ImageSize, MaximiseFillsThePicture) {
    Window w;
    const QRect before = w.window.textFrame();
    runImageSize(w, [](ImageSizeDialog& d) {
        QTest::mouseClick(child(d, "TextMaximierenSpeedButton"), Qt::LeftButton);
        QTest::mouseClick(child(d, "OkButton"), Qt::LeftButton);
    });
    EXPECT_EQ(w.window.view()->size(), QSize(450, 200));
    const QRect after = w.window.textFrame();
    EXPECT_GT(after.width() * after.height(), before.width() * before.height());
    // It reaches one pair of edges up to the margin, centred between them.
    const int marginX = after.left(), marginY = after.top();
    EXPECT_TRUE(std::abs(marginX - (449 - after.right())) <= 3 && std::abs(marginY - (199 - after.bottom())) <= 3);
    EXPECT_TRUE(marginX <= 20 || marginY <= 20);
}

TEST(ImageSize, CancelAndUnscaledResize) {
    Window w;
    const Point upperStart = w.window.engine().GuidePoints[0].front();
    runImageSize(w, [](ImageSizeDialog& d) {
        typeInto(d, "WEdit", QStringLiteral("900"));
        QTest::mouseClick(child(d, "CancelButton"), Qt::LeftButton);
    });
    EXPECT_EQ(w.window.view()->size(), QSize(450, 200));
    runImageSize(w, [](ImageSizeDialog& d) {
        child<QCheckBox>(d, "ScaleTextCheckBox")->setChecked(false);
        typeInto(d, "WEdit", QStringLiteral("600"));
        QTest::mouseClick(child(d, "OkButton"), Qt::LeftButton);
    });
    EXPECT_EQ(w.window.view()->size(), QSize(600, 267));
    EXPECT_EQ(w.window.engine().GuidePoints[0].front(), upperStart) << "the guides stay where they were";
}

}  // namespace
}  // namespace vortel::app
