// The print dialog: page layout, its controls, the preview and what reaches the page.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QFileInfo>
#include <QTest>

#include "app/PrintDialog.h"
#include "tests/app/AppWindow.h"
#include "tests/common/ScratchDir.h"

namespace vortel::app {
namespace {

using apptest::Window;

QImage solidPicture(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 30));
    return image;
}

// A dialog on an A4 sheet over a picture, with the layout block it stores into.
struct PrintRig {
    PrintRig(uint32_t options, QSize picture, PrintLayout start = {}) : layout(start) {
        layout.Options = options;
        dialog = std::make_unique<PrintDialog>(layout, solidPicture(picture.width(), picture.height()),
                                               QStringLiteral("Ein Text, der l\u00e4nger als zwanzig Zeichen ist"), messages);
        dialog->setPaper(QPageSize(QPageSize::A4));
        dialog->show();
    }
    QLineEdit* edit(const char* name) const { return dialog->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QCheckBox* box(const char* name) const { return dialog->findChild<QCheckBox*>(QString::fromLatin1(name)); }
    // Width, height, left, top, right, bottom as the edits show them.
    std::vector<int> shown() const {
        std::vector<int> values;
        for (const char* name : {"WidthEdit", "HeightEdit", "LeftEdit", "TopEdit", "RightEdit", "BottomEdit"})
            values.push_back(edit(name)->text().toInt());
        return values;
    }
    std::vector<bool> enabled() const {
        std::vector<bool> values;
        for (const char* name : {"WidthEdit", "HeightEdit", "LeftEdit", "TopEdit", "RightEdit", "BottomEdit"})
            values.push_back(edit(name)->isEnabled());
        return values;
    }
    void type(const char* name, const QString& text) {
        edit(name)->selectAll();
        QTest::keyClicks(edit(name), text);
    }
    PrintLayout layout;
    RecordingMessages messages;
    std::unique_ptr<PrintDialog> dialog;
};

constexpr uint32_t P = PrintPortrait, K = PrintKeepAspect, F = PrintFullPage, C = PrintCentre;

TEST(PrintDialog, LaysThePictureOutByItsOptions) {
    struct Case {
        const char* what;
        uint32_t options;
        QSize picture;
        std::vector<int> values;      // width, height, left, top, right, bottom
        std::vector<bool> editable;   // in the same order
    };
    const Case cases[] = {
        {"A4 full page, ratio kept, centred", P | K | F | C, {400, 200}, {210, 105, 0, 96, 0, 96},
         {false, false, false, false, false, false}},
        {"full page without the ratio", P | F, {400, 200}, {210, 297, 0, 0, 0, 0}, {false, false, false, false, false, false}},
        {"full page, ratio kept, not centred", P | K | F, {400, 200}, {210, 105, 0, 210, 0, -18},
         {false, false, true, true, false, false}},
        {"landscape, wide picture", K | F | C, {400, 200}, {297, 148, 0, 31, 0, 31}, {false, false, false, false, false, false}},
        {"landscape, tall picture", K | F | C, {200, 400}, {105, 210, 96, 0, 96, 0}, {false, false, false, false, false, false}},
        {"free placement", P | K, {400, 200}, {210, 210, 210, 210, -210, -123}, {true, true, true, true, true, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PrintRig rig(c.options, c.picture);
        EXPECT_EQ(rig.dialog->pageWidth(), c.options & P ? 210 : 297);
        EXPECT_EQ(rig.shown(), c.values);
        EXPECT_EQ(rig.enabled(), c.editable);
        // Disabled edits show the button face, enabled ones the window colour.
        const QLineEdit* width = rig.edit("WidthEdit");
        EXPECT_EQ(width->palette().color(QPalette::Base),
                  QGuiApplication::palette().color(c.editable[0] ? QPalette::Base : QPalette::Button));
    }
}

TEST(PrintDialog, ScalesWithTheButtonsAndBesideThePicture) {
    struct Case {
        const char* what;
        std::vector<const char*> clicks;  // buttons, or "left"/"right" for the group's halves
        int width, height;
    };
    const Case cases[] = {
        {"plus then minus: 96 %", {"PlusButton", "MinusButton"}, 202, 101},
        {"plus", {"PlusButton"}, 252, 126},
        {"left half of the group", {"left"}, 168, 84},
        {"right half, then minus", {"right", "MinusButton"}, 202, 101},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PrintRig rig(P | K | F | C, {400, 200});
        auto* group = rig.dialog->findChild<QGroupBox*>(QStringLiteral("PreviewGroupBox"));
        for (const char* click : c.clicks) {
            if (QString::fromLatin1(click) == QLatin1String("left")) QTest::mouseClick(group, Qt::LeftButton, {}, QPoint(3, 100));
            else if (QString::fromLatin1(click) == QLatin1String("right"))
                QTest::mouseClick(group, Qt::LeftButton, {}, QPoint(group->width() - 3, 100));
            else QTest::mouseClick(rig.dialog->findChild<QWidget*>(QString::fromLatin1(click)), Qt::LeftButton);
        }
        EXPECT_FALSE(rig.box("FullpageCheckBox")->isChecked());
        EXPECT_EQ(rig.dialog->imageWidth(), c.width);
        EXPECT_EQ(rig.dialog->imageHeight(), c.height);
        EXPECT_EQ(rig.dialog->left(), (210 - c.width) / 2) << "still centred";
    }
}

TEST(PrintDialog, TypedLengths) {
    struct Case {
        const char* what;
        uint32_t options;
        const char* edit;
        QString text;
        QRect expected;  // left, top, width, height in mm
        bool refused;
    };
    const QRect start(10, 20, 100, 50);
    const Case cases[] = {
        {"width keeps the ratio", P | K, "WidthEdit", QStringLiteral("120"), {10, 20, 120, 60}, false},
        {"height keeps the ratio", P | K, "HeightEdit", QStringLiteral("80"), {10, 20, 160, 80}, false},
        {"width alone", P, "WidthEdit", QStringLiteral("120"), {10, 20, 120, 50}, false},
        {"left", P | K, "LeftEdit", QStringLiteral("33"), {33, 20, 100, 50}, false},
        {"right moves the left edge", P | K, "RightEdit", QStringLiteral("40"), {70, 20, 100, 50}, false},
        {"bottom moves the top edge", P | K, "BottomEdit", QStringLiteral("7"), {10, 240, 100, 50}, false},
        {"not a number", P | K, "WidthEdit", QStringLiteral("x"), {10, 20, 100, 50}, true},
        {"a blank", P | K, "TopEdit", QStringLiteral(" "), {10, 20, 100, 50}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PrintRig rig(c.options, {400, 200}, PrintLayout{start.left(), start.top(), start.width(), start.height(), 0, {}});
        rig.type(c.edit, c.text);
        EXPECT_EQ(rig.dialog->pageRect(), c.expected);
        EXPECT_EQ(rig.messages.entries.size(), c.refused ? 1u : 0u);
        if (c.refused) {
            EXPECT_EQ(rig.messages.entries[0].icon, MessageIcon::Error);
            EXPECT_NE(rig.edit(c.edit)->text(), c.text) << "the last good value is shown again";
        }
    }
}

TEST(PrintDialog, DraggingThePreviewMovesThePicture) {
    PrintRig rig(P | K | F | C, {400, 200});
    PrintPreview* preview = rig.dialog->preview();
    ASSERT_GT(preview->width(), 50);
    EXPECT_EQ(preview->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(preview->toolTip(), QStringLiteral("Drucken verschieben"));
    const QPoint from = preview->pictureRect().center();
    const QPoint by(-20, 30);
    QTest::mousePress(preview, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(from + by), preview->mapToGlobal(QPointF(from + by)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(preview, &move);
    QTest::mouseRelease(preview, Qt::LeftButton, {}, from + by);
    EXPECT_FALSE(rig.box("FullpageCheckBox")->isChecked());
    EXPECT_FALSE(rig.box("CenterCheckBox")->isChecked());
    const double mmPerPixel = 210.0 / preview->width();
    EXPECT_NEAR(rig.dialog->left(), by.x() * mmPerPixel, 1.5);
    EXPECT_NEAR(rig.dialog->top(), 96 + by.y() * mmPerPixel, 1.5);
    EXPECT_EQ(rig.dialog->imageWidth(), 210);
    EXPECT_EQ(rig.shown()[2], rig.dialog->left()) << "the edits follow";
}

TEST(PrintDialog, JobTitleIsTheStartOfTheText) {
    PrintRig rig(P | K | F | C, {400, 200});
    EXPECT_EQ(rig.dialog->jobTitle(), QStringLiteral("Vortel Ein Text, der l\u00e4nger"));
}

// The page as pdftoppm draws it at 20 dots per inch; a null image when the tool is missing.
QImage rasterise(const QString& pdf, const QString& stem) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (tool.isEmpty()) return {};
    QProcess::execute(tool, {QStringLiteral("-r"), QStringLiteral("20"), QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, stem});
    return QImage(stem + QStringLiteral(".png"));
}

TEST(PrintDialog, PrintsThePictureIntoItsRectangleOfAPdfPage) {
    vortel::testing::ScratchDir dir;
    const QString pdf = QString::fromStdString(dir.file("page.pdf"));
    PrintRig rig(P | K, {400, 200}, PrintLayout{30, 50, 100, 50, 0, {}});
    rig.dialog->setPdfOutput(pdf);
    ASSERT_TRUE(rig.dialog->print());
    EXPECT_EQ(rig.layout.Left, 30);
    EXPECT_EQ(rig.layout.Options, P | K);
    const QImage page = rasterise(pdf, QString::fromStdString(dir.file("page")));
    if (page.isNull()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    // A4 at 20 dpi: 165 x 234 pixels; one millimetre is 0.787 of a pixel.
    EXPECT_NEAR(page.width(), 165, 1);
    EXPECT_NEAR(page.height(), 234, 1);
    const auto at = [&](double xmm, double ymm) { return page.pixelColor(int(xmm * 20 / 25.4), int(ymm * 20 / 25.4)); };
    const struct {
        double x, y;
        QColor colour;
    } probes[] = {
        {80, 75, QColor(200, 30, 30)},  {33, 53, QColor(200, 30, 30)},  {127, 97, QColor(200, 30, 30)},
        {26, 75, Qt::white},            {134, 75, Qt::white},           {80, 46, Qt::white},
        {80, 104, Qt::white},           {150, 200, Qt::white},
    };
    for (const auto& p : probes) {
        const QColor c = at(p.x, p.y);
        EXPECT_LE(std::abs(c.red() - p.colour.red()) + std::abs(c.green() - p.colour.green()) + std::abs(c.blue() - p.colour.blue()), 30)
            << p.x << " mm, " << p.y << " mm: " << c.name().toStdString();
    }
}

// A sign typed first waits for its digits; Print checks the layout against the A4 paper (210 x 297
// mm) and refuses what does not lie on it, writing nothing.
TEST(PrintDialog, TypedSignsWaitAndPrintRefusesWhatLeavesThePaper) {
    struct Case {
        const char* what;
        const char* edit;
        QString text;
        bool prints;
    };
    const Case cases[] = {
        {"fits", "WidthEdit", QStringLiteral("150"), true},
        {"fills the paper's width", "WidthEdit", QStringLiteral("180"), true},
        {"far too wide", "WidthEdit", QStringLiteral("99999"), false},
        {"negative left", "LeftEdit", QStringLiteral("-5"), false},
        {"a sign alone", "TopEdit", QStringLiteral("-"), false},
        {"negative width", "WidthEdit", QStringLiteral("-40"), false},
        {"beyond the bottom", "BottomEdit", QStringLiteral("-1"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        vortel::testing::ScratchDir dir;
        const QString pdf = QString::fromStdString(dir.file("page.pdf"));
        PrintRig rig(P, {400, 200}, PrintLayout{30, 20, 100, 50, 0, {}});
        rig.dialog->setPdfOutput(pdf);
        rig.type(c.edit, c.text);
        EXPECT_TRUE(rig.messages.entries.empty()) << "nothing is refused while typing";
        EXPECT_EQ(rig.dialog->print(), c.prints);
        EXPECT_EQ(QFileInfo::exists(pdf), c.prints);
        EXPECT_EQ(rig.messages.entries.size(), c.prints ? 0u : 1u);
        EXPECT_EQ(rig.layout.Width, c.prints ? rig.dialog->imageWidth() : 100);  // a refusal stores nothing
    }
    // A document's stored block beyond any paper starts held to ten metres, and is refused.
    PrintRig stored(P, {400, 200}, PrintLayout{-70000, 20, 99999, 2000000000, 0, {}});
    EXPECT_GE(stored.dialog->left(), -10000);
    EXPECT_LE(stored.dialog->imageWidth(), 10000);
    EXPECT_LE(stored.dialog->imageHeight(), 10000);
    EXPECT_FALSE(stored.dialog->print());
}

// Print from the window's menu: stores the layout block; Cancel leaves it.
TEST(PrintDialog, PrintStoresTheLayoutCancelLeavesIt) {
    vortel::testing::ScratchDir dir;
    for (const bool print : {true, false}) {
        SCOPED_TRACE(print ? "print" : "cancel");
        Window w;
        const PrintLayout before = w.window.engine().Print;
        w.window.engine().Modified = 0;
        w.window.dialogHook = [&](QDialog& d) {
            auto* dialog = qobject_cast<PrintDialog*>(&d);
            EXPECT_NE(dialog, nullptr);
            if (!dialog) return int(QDialog::Rejected);
            dialog->setPaper(QPageSize(QPageSize::A4));
            dialog->setPdfOutput(QString::fromStdString(dir.file("window.pdf")));
            dialog->findChild<QCheckBox*>(QStringLiteral("FullpageCheckBox"))->click();
            dialog->findChild<QCheckBox*>(QStringLiteral("CenterCheckBox"))->click();
            dialog->findChild<QPushButton*>(QString::fromLatin1(print ? "PrintButton" : "CancelButton"))->click();
            return dialog->result();
        };
        w.window.findChild<QAction*>(QStringLiteral("PrintMenu"))->trigger();
        const PrintLayout& after = w.window.engine().Print;
        if (print) {
            EXPECT_EQ(after.Options, P | K);
            EXPECT_EQ(after.Width, 210);
            EXPECT_EQ(after.Height, 210 * 200 / 450);
            EXPECT_EQ(after.Left, 0);
            EXPECT_EQ(w.window.engine().Modified, 1);
            EXPECT_TRUE(QFile::exists(QString::fromStdString(dir.file("window.pdf"))));
        } else {
            EXPECT_EQ(after.Options, before.Options);
            EXPECT_EQ(after.Width, before.Width);
            EXPECT_EQ(after.Left, before.Left);
            EXPECT_EQ(w.window.engine().Modified, 0);
        }
    }
}

}  // namespace
}  // namespace vortel::app
