// The program's own cursors and the text input dialog, on Qt's offscreen platform.
#include <gtest/gtest.h>

#include <QBitmap>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include "app/Cursors.h"
#include "app/TextInputDialog.h"
#include "tests/common/ScratchDir.h"

namespace vortel::app {
namespace {

// A cursor bitmap as rows of set bits (colour 1 marks a set bit in a cursor's bitmaps).
std::vector<std::vector<bool>> bits(const QBitmap& bitmap) {
    const QImage image = bitmap.toImage().convertToFormat(QImage::Format_Mono);
    std::vector<std::vector<bool>> rows(image.height(), std::vector<bool>(image.width()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) rows[y][x] = image.pixelIndex(x, y) == 1;
    return rows;
}

}  // namespace

TEST(Cursors, EveryZoneHasItsCursorAndHint) {
    constexpr Qt::CursorShape Own = Qt::BitmapCursor;
    const struct {
        int zone;
        Qt::CursorShape shape;
        const char* hint;
    } zones[] = {
        {-2, Qt::ArrowCursor, ""},
        {-1, Qt::ArrowCursor, ""},
        {0, Qt::ArrowCursor, ""},
        {1, Qt::SizeAllCursor, "Begrenzungslinie verschieben"},
        {2, Own, "Verschieben"},
        {3, Own, "Begrenzungslinie zeichenen"},
        {4, Own, "Punkte bearbeiten"},
        {5, Own, "Punkt verschieben"},
        {6, Own, "Punkt löschen"},
        {7, Own, "Punkt hinzufügen"},
        {8, Own, ""},
        {9, Own, "Drehen"},
        {10, Own, "Anker"},
        {11, Qt::SizeFDiagCursor, "Zoom"},
        {12, Qt::SizeBDiagCursor, "Zoom"},
        {13, Own, "Drucken verschieben"},
        {14, Qt::ArrowCursor, ""},
    };
    for (const auto& z : zones) {
        SCOPED_TRACE(z.zone);
        EXPECT_EQ(ZoneHint(z.zone), QString::fromUtf8(z.hint));
        const QCursor cursor = ZoneCursor(z.zone);
        EXPECT_EQ(cursor.shape(), z.shape);
        if (z.shape == Own) {
            EXPECT_EQ(cursor.bitmap().size(), QSize(32, 32));
            EXPECT_EQ(cursor.mask().size(), QSize(32, 32));
        }
    }
}

// Each picture is black inside its mask with at least a pixel of white around every black pixel,
// the hot spot lies on the shape, and no two cursors are the same.
TEST(Cursors, ProgramCursorsAreOutlinedShapesOfTheirOwn) {
    const QList<int> numbers = ProgramCursorNumbers();
    EXPECT_EQ(numbers, (QList<int>{102, 103, 104, 105, 106, 107, 108, 109, 110, 113}));
    QSet<QByteArray> seen;
    for (int number : numbers) {
        SCOPED_TRACE(number);
        const QCursor cursor = ProgramCursor(number);
        ASSERT_EQ(cursor.shape(), Qt::BitmapCursor);
        const auto picture = bits(cursor.bitmap()), mask = bits(cursor.mask());
        ASSERT_EQ(picture.size(), 32u);
        int black = 0, white = 0, unshielded = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                if (!mask[y][x]) {
                    EXPECT_FALSE(picture[y][x]) << x << "," << y;
                    continue;
                }
                if (!picture[y][x]) {
                    ++white;
                    continue;
                }
                ++black;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        if (nx >= 0 && ny >= 0 && nx < 32 && ny < 32 && !mask[ny][nx]) ++unshielded;
                    }
            }
        EXPECT_GT(black, 30);
        EXPECT_GT(white, black / 2);
        EXPECT_EQ(unshielded, 0);
        const QPoint hot = cursor.hotSpot();
        ASSERT_TRUE(QRect(0, 0, 32, 32).contains(hot)) << hot.x() << "," << hot.y();
        EXPECT_TRUE(mask[hot.y()][hot.x()]) << hot.x() << "," << hot.y();
        QByteArray key;
        for (const auto& row : picture)
            for (bool b : row) key.append(b ? '1' : '0');
        EXPECT_FALSE(seen.contains(key));
        seen.insert(key);
    }
    // The arrows with a sign point with their tip; the movers and the cross-hair hold their centre.
    EXPECT_EQ(ProgramCursor(104).hotSpot(), QPoint(1, 1));
    EXPECT_EQ(ProgramCursor(110).hotSpot(), QPoint(15, 15));
    for (int other : {0, 101, 111, 112, 114}) EXPECT_EQ(ProgramCursor(other).shape(), Qt::ArrowCursor) << other;
}

TEST(Cursors, SheetShowsEveryCursor) {
    testing::ScratchDir dir;
    const QString file = QString::fromStdString(dir.file("cursors.png"));
    EXPECT_EQ(WriteCursorSheet(file), 10);
    const QImage sheet(file);
    ASSERT_FALSE(sheet.isNull());
    int black = 0, white = 0;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x) {
            const QRgb c = sheet.pixel(x, y);
            black += c == qRgb(0, 0, 0);
            white += c == qRgb(255, 255, 255);
        }
    EXPECT_GT(black, 10 * 30 * 16);  // each cursor's black, four times enlarged
    EXPECT_GT(white, 10 * 30 * 16);
    EXPECT_EQ(WriteCursorSheet(QString::fromStdString(dir.file("missing/cursors.png"))), 0);
}

TEST(TextInputDialog, TextJoinsTheLinesWithCrLfAndTrims) {
    const struct {
        const char* given;
        QStringList lines;
        const char* text;
    } cases[] = {
        {"Vortel", {"Vortel"}, "Vortel"},
        {"Zwei\r\nZeilen", {"Zwei", "Zeilen"}, "Zwei\r\nZeilen"},
        {"  Mitte \n\nEnde\n", {"  Mitte ", "", "Ende", ""}, "Mitte \r\n\r\nEnde"},
        {"\r\n  \r\n", {"", "  ", ""}, ""},
        {"", {""}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.given);
        TextInputDialog dialog(QString::fromUtf8(c.given), false);
        EXPECT_EQ(dialog.lines(), c.lines);
        EXPECT_EQ(dialog.text(), QString::fromUtf8(c.text));
    }
}

TEST(TextInputDialog, ShowsItsPartsWithTheirDefaults) {
    for (bool professional : {false, true}) {
        SCOPED_TRACE(professional);
        TextInputDialog dialog(QStringLiteral("Hallo\r\nWelt"), professional);
        EXPECT_EQ(dialog.objectName(), QStringLiteral("TextInputForm"));
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Texteingabe"));
        auto* memo = dialog.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
        auto* assistant = dialog.findChild<QCheckBox*>(QStringLiteral("AssistentCheckBox"));
        auto* profi = dialog.findChild<QCheckBox*>(QStringLiteral("ProfiCheckBox"));
        ASSERT_TRUE(memo && assistant && profi);
        EXPECT_EQ(assistant->text(), QStringLiteral("&Schrifteffekt-Assistent starten"));
        EXPECT_EQ(profi->text(), QStringLiteral("&Profi-Modus (erweiterte Einstellungen)"));
        EXPECT_TRUE(assistant->isChecked());
        EXPECT_TRUE(dialog.assistant());
        EXPECT_EQ(profi->isChecked(), professional);
        EXPECT_EQ(dialog.professional(), professional);
        EXPECT_EQ(memo->textCursor().selectedText(), QStringLiteral("Hallo\u2029Welt"));  // all selected
        EXPECT_EQ(dialog.focusWidget(), memo);
        bool label = false;
        for (auto* l : dialog.findChildren<QLabel*>()) label |= l->text() == QStringLiteral("Geben Sie hier den gewünschten Text ein:");
        EXPECT_TRUE(label);
        QStringList buttons;
        for (auto* b : dialog.findChildren<QPushButton*>()) buttons << b->text() + (b->isDefault() ? "*" : "");
        EXPECT_EQ(buttons, (QStringList{"&Ok*", "Abbrechen"}));
        assistant->setChecked(false);
        profi->setChecked(!professional);
        EXPECT_FALSE(dialog.assistant());
        EXPECT_EQ(dialog.professional(), !professional);
    }
}

// Enter and the keypad's Enter break the line; with Ctrl either one accepts what was typed.
TEST(TextInputDialog, EnterBreaksTheLineCtrlEnterAccepts) {
    for (Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        SCOPED_TRACE(int(enter));
        TextInputDialog dialog(QStringLiteral("alt"), false);
        dialog.show();
        QPlainTextEdit* memo = dialog.memo();
        QTest::keyClicks(memo, QStringLiteral("Erste"));  // replaces the selected text
        QTest::keyClick(memo, enter);
        QTest::keyClicks(memo, QStringLiteral("Zweite"));
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(dialog.lines(), (QStringList{"Erste", "Zweite"}));
        QTest::keyClick(memo, enter, Qt::ControlModifier);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.text(), QStringLiteral("Erste\r\nZweite"));  // Ctrl+Enter added no line
    }
}

TEST(TextInputDialog, ButtonsAndEscape) {
    const struct {
        const char* name;
        Qt::Key key;
        int result;
    } cases[] = {
        {"OkButton", Qt::Key_unknown, QDialog::Accepted},
        {"CancelButton", Qt::Key_unknown, QDialog::Rejected},
        {nullptr, Qt::Key_Escape, QDialog::Rejected},
    };
    for (const auto& c : cases) {
        TextInputDialog dialog(QStringLiteral("x"), false);
        dialog.show();
        dialog.setResult(-1);
        if (c.name) {
            auto* button = dialog.findChild<QPushButton*>(QString::fromLatin1(c.name));
            ASSERT_NE(button, nullptr);
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            QTest::keyClick(dialog.memo(), c.key);
        }
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), c.result);
    }
}

}  // namespace vortel::app
