// The JPEG optimizer window: its texts, its previews while the slider moves, and the Save
// command's JPEG type going through it.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTest>

#include <filesystem>

#include "app/JpegOptimizerDialog.h"
#include "app/MainWindow.h"
#include "document/ImageFile.h"
#include "tests/app/AppWindow.h"
#include "tests/common/ScratchDir.h"

namespace vortel::app {
namespace {

// 200 x 100 makes a BMP of 54 + 600 x 100 bytes, 58 kB.
Bitmap picture(int width = 200, int height = 100) {
    Bitmap b{width, height, std::vector<uint8_t>(size_t(width) * height * 3)};
    for (size_t i = 0; i < b.bgr.size(); ++i) b.bgr[i] = uint8_t((i * 7) % 251 + (i / 600) % 3);
    return b;
}

void click(QDialog& d, const char* button) { QTest::mouseClick(d.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton); }

// Shows the dialog and waits for the previews; true when exactly `count` were made.
bool previews(JpegOptimizerDialog& d, int count) {
    d.show();
    if (!QTest::qWaitFor([&] { return d.previewCount() >= count; }, 3000)) return false;
    QTest::qWait(30);
    return d.previewCount() == count;
}

TEST(JpegOptimizer, ShowsItsTextsAndTheSizesOfAKnownPicture) {
    testing::ScratchDir dir;
    RecordingMessages messages;
    JpegOptimizerDialog d(picture(), QString::fromStdString(dir.file("out.jpg")), messages);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("JPEG Optimizer"));
    const std::pair<const char*, const char*> texts[] = {{"KompressionLabel", "Beste Kompression"},
        {"QualitaetLabel", "Beste Qualit\u00e4t"}, {"InfoLabel", "Qualit\u00e4t:\nDateigr\u00f6\u00dfe (.jpg):\nOriginal (.bmp):"},
        {"VorschauButton", "&Vorschau"}, {"SpeichernButton", "&Speichern"}, {"AbbrechenButton", "Abbrechen"}};
    for (const auto& [name, text] : texts) {
        auto* label = d.findChild<QLabel*>(QString::fromLatin1(name));
        auto* button = d.findChild<QPushButton*>(QString::fromLatin1(name));
        EXPECT_EQ(label ? label->text() : button ? button->text() : QString(), QString::fromUtf8(text)) << name;
    }
    EXPECT_EQ(std::tuple(d.quality()->minimum(), d.quality()->value(), d.quality()->maximum()), std::tuple(0, 80, 100));
    EXPECT_TRUE(previews(d, 1)) << "one preview on show";
    click(d, "SpeichernButton");
    EXPECT_EQ(d.result(), QDialog::Accepted);
    const auto kb = std::filesystem::file_size(dir.file("out.jpg")) / 1024;
    EXPECT_EQ(d.valueText(), QStringLiteral("80 %\n%1 kB\n58 kB").arg(kb));
    EXPECT_EQ(loadImage(dir.file("out.jpg")).width, 200);
    EXPECT_TRUE(messages.entries.empty());
}

// A drag gives the slider many values before events run: one preview follows, at the last value.
// A picture larger than the scroll box is shown from its middle.
TEST(JpegOptimizer, SliderMovesMakeOnePreviewAtTheLatestValue) {
    testing::ScratchDir dir;
    RecordingMessages messages;
    JpegOptimizerDialog d(picture(900, 700), QString::fromStdString(dir.file("x.jpg")), messages);
    ASSERT_TRUE(previews(d, 1));
    for (QScrollBar* bar : {d.findChild<QScrollArea*>()->horizontalScrollBar(), d.findChild<QScrollArea*>()->verticalScrollBar()}) {
        EXPECT_GT(bar->maximum(), 0);
        EXPECT_EQ(bar->value(), bar->maximum() / 2);
    }
    for (int q = 60; q <= 70; ++q) d.quality()->setValue(q);
    EXPECT_TRUE(previews(d, 2));
    EXPECT_EQ(d.previewedQuality(), 70);
    EXPECT_TRUE(d.valueText().startsWith(QStringLiteral("70 %\n")));
    d.quality()->setValue(20);
    QTest::keyClick(d.quality(), Qt::Key_Right);
    EXPECT_TRUE(previews(d, 3));
    EXPECT_EQ(d.previewedQuality(), 21);
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.jpg"))) << "previews write no file";
}

TEST(JpegOptimizer, CodecAndWriteErrorsAreShownAndTheDialogStaysOpen) {
    testing::ScratchDir dir;
    RecordingMessages messages;
    // Wider than any picture the codec takes; the guard is released after each failure.
    JpegOptimizerDialog tooWide(picture(40000, 1), QString::fromStdString(dir.file("w.jpg")), messages);
    tooWide.preview();
    tooWide.preview();
    ASSERT_EQ(messages.entries.size(), 2u);
    EXPECT_EQ(std::pair(messages.entries[1].text, messages.entries[1].icon), std::pair(std::string("JPG save error"), MessageIcon::Error));

    JpegOptimizerDialog d(picture(), QString::fromStdString(dir.file("no-such-folder/x.jpg")), messages);
    ASSERT_TRUE(previews(d, 1));
    click(d, "SpeichernButton");
    EXPECT_EQ(messages.entries.size(), 3u);
    EXPECT_TRUE(d.isVisible());
    EXPECT_NE(d.result(), QDialog::Accepted);
}

// The Save command's JPEG type opens the optimizer; Cancel writes nothing and reports nothing saved.
TEST(JpegOptimizer, SaveCommandWritesOnlyThroughTheOptimizersSave) {
    testing::ScratchDir dir;
    apptest::Window w;
    for (const auto& [button, name, written] : {std::tuple("AbbrechenButton", "nein", false), std::tuple("SpeichernButton", "ja", true)}) {
        w.window.dialogHook = [&, button = button](QDialog& dialog) {
            auto* optimizer = qobject_cast<JpegOptimizerDialog*>(&dialog);
            if (!optimizer) return int(QDialog::Rejected);
            optimizer->quality()->setValue(35);
            click(dialog, button);
            return dialog.result();
        };
        EXPECT_EQ(w.window.saveAs(QString::fromStdString(dir.file(name)), 4).has_value(), written) << name;
        EXPECT_EQ(std::filesystem::exists(dir.file(std::string(name) + ".jpg")), written) << name;
    }
    EXPECT_EQ(loadImage(dir.file("ja.jpg")).width, w.window.picture().width);
}

}  // namespace
}  // namespace vortel::app
