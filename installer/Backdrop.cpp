#include "installer/Backdrop.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>

namespace vortel::installer {

namespace {
constexpr int DescriptionBottomGap = 37;
constexpr int Margin = 20;
}  // namespace

Backdrop::Backdrop(Language language, QWidget* parent) : QWidget(parent), language_(language) {
    setWindowTitle(QCoreApplication::translate("Installer", "Vortel"));
    setWindowFlag(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int Backdrop::BandBlue(int band) { return 255 - (250 * band) / 100; }

QFont Backdrop::NameFont(QSize size) {
    QFont font(QStringLiteral("Arial"));
    font.setWeight(QFont::Black);
    font.setItalic(true);
    const int cell = qMax(1, size.height() / 10);
    font.setPixelSize(cell);
    // The cell height (ascent + descent) is what is asked for, not the em size.
    const qreal height = QFontMetricsF(font).height();
    if (height > 0) font.setPixelSize(qMax(1, qRound(cell * cell / height)));
    const qreal wanted = size.width() / 2.0 / qstrlen(ProductName);
    const qreal average = QFontMetricsF(font).averageCharWidth();
    if (average > 0) font.setStretch(qBound(1, qRound(100 * wanted / average), 4000));
    return font;
}

QRect Backdrop::descriptionRect(QSize size) const {
    const QFontMetrics metrics(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    const QRect wrap(Margin, 0, qMax(1, size.width() - 2 * Margin), size.height());
    QRect box = metrics.boundingRect(wrap, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, Text(MsgBackdropText, language_));
    box.moveBottom(size.height() - DescriptionBottomGap - 1);
    return box;
}

void Backdrop::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = width(), h = height();
    for (int band = 0; band <= 100; ++band) {
        const int top = band * h / 100, bottom = (band + 1) * h / 100;
        painter.fillRect(0, top, w, bottom - top, QColor(0, 0, BandBlue(band)));
    }

    painter.setFont(NameFont(size()));
    const QString name = QLatin1String(ProductName);
    painter.setPen(Qt::black);
    painter.drawText(QRect(27, 17, w, h), Qt::AlignLeft | Qt::AlignTop, name);
    painter.setPen(Qt::white);
    painter.drawText(QRect(20, 10, w, h), Qt::AlignLeft | Qt::AlignTop, name);

    const QFont system = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    painter.setFont(system);
    painter.setPen(QColor(192, 192, 192));
    painter.drawText(descriptionRect(size()), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, Text(MsgBackdropText, language_));

    const QString credit = Text(MsgCredit, language_);
    const QFontMetrics metrics(system);
    QRect box = metrics.boundingRect(credit);
    box.moveBottomLeft(QPoint(Margin, h - 8));
    painter.fillRect(box, QColor(255, 255, 0));
    painter.setPen(QColor(128, 128, 128));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, credit);
}

}  // namespace vortel::installer
