// The JPEG optimizer window: its texts, its previews while the slider moves, and the Save
// command's JPEG type going through it.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
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

// 200 x 100: a BMP of 54 + 600 x 100 bytes, 58 kB.
Bitmap picture() {
    Bitmap b{200, 100, std::vector<uint8_t>(200 * 100 * 3)};
    for (size_t i = 0; i < b.bgr.size(); ++i) b.bgr[i] = uint8_t((i * 7) % 251 + (i / 600) % 3);
    return b;
}

QString text(QDialog& d, const char* name) {
    if (auto* label = d.findChild<QLabel*>(QString::fromLatin1(name))) return label->text();
    if (auto* button = d.findChild<QPushButton*>(QString::fromLatin1(name))) return button->text();
    return QStringLiteral("(missing)");
}

void waitForPreviews(JpegOptimizerDialog& d, int count) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return d.previewCount() >= count; }, 3000));
}

TEST(JpegOptimizer, ShowsItsTextsAndTheSizesOfAKnownPicture) {
    testing::ScratchDir dir;
    RecordingMessages messages;
    JpegOptimizerDialog d(picture(), QString::fromStdString(dir.file("out.jpg")), messages);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("JPEG Optimizer"));
    const struct {
        const char* name;
        const char* text;
    } texts[] = {{"KompressionLabel", "Beste Kompression"},
                 {"QualitaetLabel", "Beste Qualit\u00e4t"},
                 {"InfoLabel", "Qualit\u00e4t:\nDateigr\u00f6\u00dfe (.jpg):\nOriginal (.bmp):"},
                 {"VorschauButton", "&Vorschau"},
                 {"SpeichernButton", "&Speichern"},
                 {"AbbrechenButton", "Abbrechen"}};
    for (const auto& t : texts) EXPECT_EQ(text(d, t.name), QString::fromUtf8(t.text)) << t.name;
    EXPECT_EQ(d.quality()->value(), 80);
    EXPECT_EQ(std::pair(d.quality()->minimum(), d.quality()->maximum()), std::pair(0, 100));

    d.show();
    waitForPreviews(d, 1);
    EXPECT_EQ(d.previewCount(), 1) << "one preview on show";
    EXPECT_EQ(d.previewedQuality(), 80);
    QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("SpeichernButton")), Qt::LeftButton);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    ASSERT_TRUE(std::filesystem::exists(dir.file("out.jpg")));
    const auto kb = std::filesystem::file_size(dir.file("out.jpg")) / 1024;
    EXPECT_EQ(d.valueText(), QStringLiteral("80 %\n%1 kB\n58 kB").arg(kb));
    EXPECT_EQ(loadImage(dir.file("out.jpg")).width, 200);
    EXPECT_TRUE(messages.entries.empty());
}

// A drag gives the slider many values before the event loop is free: they make one preview, at
// the last value, and a request while a preview is being made waits for it instead of piling up.
TEST(JpegOptimizer, SliderMovesMakeOnePreviewAtTheLatestValue) {
    testing::ScratchDir dir;
    RecordingMessages messages;
    JpegOptimizerDialog d(picture(), QString::fromStdString(dir.file("x.jpg")), messages);
    d.show();
    waitForPreviews(d, 1);
    for (int q = 60; q <= 70; ++q) d.quality()->setValue(q);
    waitForPreviews(d, 2);
    QTest::qWait(50);
    EXPECT_EQ(d.previewCount(), 2);
    EXPECT_EQ(d.previewedQuality(), 70);
    EXPECT_TRUE(d.valueText().startsWith(QStringLiteral("70 %\n")));
    d.quality()->setValue(20);
    QTest::keyClick(d.quality(), Qt::Key_Right);  // 21, by the keyboard
    waitForPreviews(d, 3);
    QTest::qWait(50);
    EXPECT_EQ(d.previewCount(), 3);
    EXPECT_EQ(d.previewedQuality(), 21);
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.jpg"))) << "previews write no file";
}

TEST(JpegOptimizer, CodecAndWriteErrorsAreShownAndTheDialogStaysOpen) {
    testing::ScratchDir dir;
    RecordingMessages messages;
    // Wider than any picture the codec takes.
    JpegOptimizerDialog tooWide(Bitmap{40000, 1, std::vector<uint8_t>(40000 * 3, 9)}, QString::fromStdString(dir.file("w.jpg")),
                                messages);
    tooWide.preview();
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text, "JPG save error");
    EXPECT_EQ(messages.entries[0].icon, MessageIcon::Error);
    tooWide.preview();  // the guard was released
    EXPECT_EQ(messages.entries.size(), 2u);

    messages.clear();
    JpegOptimizerDialog d(picture(), QString::fromStdString(dir.file("no-such-folder/x.jpg")), messages);
    d.show();
    waitForPreviews(d, 1);
    QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("SpeichernButton")), Qt::LeftButton);
    EXPECT_EQ(messages.entries.size(), 1u);
    EXPECT_TRUE(d.isVisible());
    EXPECT_NE(d.result(), QDialog::Accepted);
}

// The Save command's JPEG type opens the optimizer with the picture and the name; Cancel writes
// nothing and reports nothing saved.
TEST(JpegOptimizer, SaveCommandWritesOnlyThroughTheOptimizersSave) {
    testing::ScratchDir dir;
    apptest::Window w;
    const struct {
        const char* button;
        const char* name;
        bool written;
    } cases[] = {{"AbbrechenButton", "nein", false}, {"SpeichernButton", "ja", true}};
    for (const auto& c : cases) {
        int quality = -1;
        w.window.dialogHook = [&](QDialog& dialog) {
            auto* optimizer = qobject_cast<JpegOptimizerDialog*>(&dialog);
            if (!optimizer) return int(QDialog::Rejected);
            optimizer->quality()->setValue(35);
            quality = optimizer->quality()->value();
            QTest::mouseClick(optimizer->findChild<QPushButton*>(QString::fromLatin1(c.button)), Qt::LeftButton);
            return dialog.result();
        };
        const auto saved = w.window.saveAs(QString::fromStdString(dir.file(c.name)), 4);
        EXPECT_EQ(quality, 35);
        EXPECT_EQ(saved.has_value(), c.written) << c.name;
        EXPECT_EQ(std::filesystem::exists(dir.file(std::string(c.name) + ".jpg")), c.written) << c.name;
    }
    const Bitmap written = loadImage(dir.file("ja.jpg"));
    EXPECT_EQ(std::pair(written.width, written.height), std::pair(w.window.picture().width, w.window.picture().height));
}

}  // namespace
}  // namespace vortel::app
