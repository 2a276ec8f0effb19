#include "controls/Controls.h"

#include <QButtonGroup>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFrame>

namespace vortel::controls {

// ------------------------------------------------------------------------------- SpeedButton

SpeedButton::SpeedButton(const QString& text, QWidget* parent) : QToolButton(parent) {
    setText(text);
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // A button of a group: pressing it releases its siblings of the same group.
    connect(this, &QToolButton::toggled, this, [this](bool on) {
        if (!on || group_ == 0 || !parentWidget()) return;
        for (SpeedButton* other : parentWidget()->findChildren<SpeedButton*>(Qt::FindDirectChildrenOnly))
            if (other != this && other->group_ == group_) other->setDown(false);
    });
    // Without allowAllUp, a pressed group button stays down when clicked again.
    connect(this, &QToolButton::clicked, this, [this] {
        if (group_ != 0 && !allowAllUp_ && !isChecked()) setDown(true);
    });
}

SpeedButton::SpeedButton(const QImage& glyph, const QString& hint, QWidget* parent) : SpeedButton(QString(), parent) {
    setGlyph(glyph);
    setToolTip(hint);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
}

void SpeedButton::setGroup(int group, bool allowAllUp) {
    group_ = group;
    allowAllUp_ = allowAllUp;
    setCheckable(group != 0);
}

void SpeedButton::setDown(bool down) {
    if (!isCheckable()) setCheckable(true);
    const bool blocked = blockSignals(true);
    setChecked(down);
    blockSignals(blocked);
    if (down && group_ != 0 && parentWidget()) {
        for (SpeedButton* other : parentWidget()->findChildren<SpeedButton*>(Qt::FindDirectChildrenOnly))
            if (other != this && other->group_ == group_ && other->isChecked()) other->setDown(false);
    }
}

void SpeedButton::setGlyph(const QImage& glyph) {
    if (glyph.isNull()) return;
    const QImage clear = WithTransparentColor(glyph, glyph.pixelColor(0, glyph.height() - 1));
    setIcon(QIcon(QPixmap::fromImage(clear)));
    setIconSize(glyph.deviceIndependentSize().toSize());  // a glyph made for the screen's device pixels
}

// ------------------------------------------------------------------------------- LeaveImage

LeaveImage::LeaveImage(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void LeaveImage::setImage(const QImage& image, const QImage& shown) {
    image_ = image;
    shown_ = shown;
    update();
}

void LeaveImage::setSunken(bool sunken) {
    sunken_ = sunken;
    update();
}

QColor LeaveImage::colorAt(QPoint position) const {
    if (image_.isNull() || width() <= 0 || height() <= 0) return {};
    const int x = std::clamp(position.x() * image_.width() / width(), 0, image_.width() - 1);
    const int y = std::clamp(position.y() * image_.height() / height(), 0, image_.height() - 1);
    return image_.pixelColor(x, y);
}

void LeaveImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!shownImage().isNull()) painter.drawImage(rect(), shownImage());
    if (sunken_) {
        QStyleOptionFrame frame;
        frame.initFrom(this);
        frame.state |= QStyle::State_Sunken;
        frame.lineWidth = 2;
        frame.frameShape = QFrame::Panel;
        style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
    }
}

void LeaveImage::mouseMoveEvent(QMouseEvent* event) { emit mouseMoved(event->position().toPoint(), event->buttons()); }
void LeaveImage::mousePressEvent(QMouseEvent* event) { emit mousePressed(event->position().toPoint(), event->button()); }
void LeaveImage::mouseReleaseEvent(QMouseEvent* event) { emit mouseReleased(event->position().toPoint(), event->button()); }
void LeaveImage::leaveEvent(QEvent*) { emit mouseLeft(); }

// ------------------------------------------------------------------------------- TransparentImage

QImage WithTransparentColor(const QImage& image, QColor colour) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = colour.rgb() & 0xFFFFFF;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0xFFFFFF) == key) line[x] = 0;
    }
    return out;
}

TransparentImage::TransparentImage(QWidget* parent) : QWidget(parent) {}

void TransparentImage::setImage(const QImage& image, std::optional<QColor> transparent) {
    shown_ = image.isNull() ? QImage() : WithTransparentColor(image, transparent.value_or(image.pixelColor(0, image.height() - 1)));
    updateGeometry();
    update();
}

QSize TransparentImage::sizeHint() const {
    return shown_.isNull() ? QSize(16, 16) : shown_.deviceIndependentSize().toSize();
}

void TransparentImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!shown_.isNull()) painter.drawImage(rect(), shown_);
}

void TransparentImage::mousePressEvent(QMouseEvent* event) { emit clicked(event->position().toPoint(), event->button()); }

// ------------------------------------------------------------------------------- GlyphTabWidget

GlyphTabWidget::GlyphTabWidget(QWidget* parent) : QTabWidget(parent) {}

void GlyphTabWidget::setTabGlyph(int index, const QImage& glyph) {
    if (glyph.isNull()) return;
    setTabIcon(index, QIcon(QPixmap::fromImage(WithTransparentColor(glyph, glyph.pixelColor(0, glyph.height() - 1)))));
    setIconSize(glyph.deviceIndependentSize().toSize());
}

}  // namespace vortel::controls
