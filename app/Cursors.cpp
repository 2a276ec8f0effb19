#include "app/Cursors.h"

#include <QBitmap>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <iterator>
#include <mutex>

// The library is static: its resources are registered by hand before the first look-up.
static void registerCursorImages() { Q_INIT_RESOURCE(cursors); }

namespace vortel::app {
namespace {

// The hints and captions are translated in the context "Cursors".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Cursors)
};

constexpr int Numbers[] = {102, 103, 104, 105, 106, 107, 108, 109, 110, 113};

bool isProgramCursor(int number) { return std::find(std::begin(Numbers), std::end(Numbers), number) != std::end(Numbers); }

QString resourceName(int number, bool mask) {
    return QStringLiteral(":/cursors/cursor%1%2.xbm").arg(number).arg(mask ? QStringLiteral("_mask") : QString());
}

// "#define cursor105_x_hot 15" in the picture file; the centre when the file does not say.
QPoint hotSpot(int number) {
    QFile file(resourceName(number, false));
    if (!file.open(QIODevice::ReadOnly)) return {16, 16};
    const QString text = QString::fromLatin1(file.readAll());
    const auto read = [&text](const char* axis) {
        static const QString pattern = QStringLiteral("#define\\s+\\w+_%1_hot\\s+(\\d+)");
        const auto match = QRegularExpression(pattern.arg(QLatin1String(axis))).match(text);
        return match.hasMatch() ? match.captured(1).toInt() : 16;
    };
    return {read("x"), read("y")};
}

}  // namespace

QList<int> ProgramCursorNumbers() { return QList<int>(std::begin(Numbers), std::end(Numbers)); }

QCursor ProgramCursor(int number) {
    if (!isProgramCursor(number)) return QCursor(Qt::ArrowCursor);
    static std::once_flag registered;
    std::call_once(registered, registerCursorImages);
    const QBitmap picture(resourceName(number, false), "XBM");
    const QBitmap mask(resourceName(number, true), "XBM");
    if (picture.isNull() || picture.size() != mask.size()) return QCursor(Qt::ArrowCursor);
    const QPoint hot = hotSpot(number);
    return QCursor(picture, mask, hot.x(), hot.y());
}

QCursor ZoneCursor(int zone) {
    switch (zone) {
    case 1: return QCursor(Qt::SizeAllCursor);
    case 11: return QCursor(Qt::SizeFDiagCursor);
    case 12: return QCursor(Qt::SizeBDiagCursor);
    default: return ProgramCursor(100 + zone);  // the arrow for zones without a cursor of their own
    }
}

QString ZoneHint(int zone) {
    switch (zone) {
    case 1: return Texts::tr("Begrenzungslinie verschieben");
    case 2: return Texts::tr("Verschieben");
    case 3: return Texts::tr("Begrenzungslinie zeichenen");
    case 4: return Texts::tr("Punkte bearbeiten");
    case 5: return Texts::tr("Punkt verschieben");
    case 6: return Texts::tr("Punkt löschen");
    case 7: return Texts::tr("Punkt hinzufügen");
    case 9: return Texts::tr("Drehen");
    case 10: return Texts::tr("Anker");
    case 11:
    case 12: return Texts::tr("Zoom");
    case 13: return Texts::tr("Drucken verschieben");
    default: return {};
    }
}

int WriteCursorSheet(const QString& file) {
    constexpr int Scale = 4, Size = 32 * Scale, Columns = 5, CellWidth = Size + 40, CellHeight = Size + 46;
    const QList<int> numbers = ProgramCursorNumbers();
    const int rows = (int(numbers.size()) + Columns - 1) / Columns;
    QImage sheet(Columns * CellWidth, rows * CellHeight, QImage::Format_RGB32);
    sheet.fill(QColor(128, 128, 128));
    QPainter painter(&sheet);
    for (int i = 0; i < numbers.size(); ++i) {
        const QCursor cursor = ProgramCursor(numbers[i]);
        const QImage picture = cursor.bitmap().toImage().convertToFormat(QImage::Format_Mono);
        const QImage mask = cursor.mask().toImage().convertToFormat(QImage::Format_Mono);
        const QPoint origin((i % Columns) * CellWidth + 20, (i / Columns) * CellHeight + 8);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                // In a cursor's bitmaps colour 1 (black in QImage's default mono table) marks set bits.
                if (mask.pixelIndex(x, y) != 1) continue;
                const QColor colour = picture.pixelIndex(x, y) == 1 ? Qt::black : Qt::white;
                painter.fillRect(origin.x() + x * Scale, origin.y() + y * Scale, Scale, Scale, colour);
            }
        // The hot spot: a red cross over the middle of its pixel.
        const QPoint hot = origin + cursor.hotSpot() * Scale + QPoint(Scale / 2, Scale / 2);
        painter.setPen(Qt::red);
        painter.drawLine(hot.x() - 6, hot.y(), hot.x() + 6, hot.y());
        painter.drawLine(hot.x(), hot.y() - 6, hot.x(), hot.y() + 6);
        painter.setPen(Qt::black);
        const QString caption = QStringLiteral("%1 %2").arg(numbers[i]).arg(ZoneHint(numbers[i] - 100));
        painter.drawText(QRect(origin.x() - 18, origin.y() + Size + 2, CellWidth - 4, 34),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, caption);
    }
    painter.end();
    return sheet.save(file, "PNG") ? int(numbers.size()) : 0;
}

}  // namespace vortel::app
