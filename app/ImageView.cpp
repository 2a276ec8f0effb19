#include "app/ImageView.h"

#include <QMouseEvent>
#include <QShowEvent>

#include <algorithm>
#include <cmath>
#include <QPainter>

#include "controls/QtImages.h"

namespace vortel::app {

ImageView::ImageView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageView::setCanvas(Canvas* canvas) {
    canvas_ = canvas;
    if (canvas_) setFixedSize(fromImage(QSize(canvas_->width(), canvas_->height())));
    update();
}

QPoint ImageView::toImage(QPointF widget) const {
    const qreal r = devicePixelRatioF();
    return QPoint(int(std::floor(widget.x() * r)), int(std::floor(widget.y() * r)));
}

QSize ImageView::toImage(QSize widget) const {
    const qreal r = devicePixelRatioF();
    return QSize(std::max(1, int(std::lround(widget.width() * r))), std::max(1, int(std::lround(widget.height() * r))));
}

QPoint ImageView::fromImage(QPoint image) const {
    const qreal r = devicePixelRatioF();
    return QPoint(int(std::floor(image.x() / r)), int(std::floor(image.y() / r)));
}

// Rounded up, so the last image pixels are never cut off.
QSize ImageView::fromImage(QSize image) const {
    const qreal r = devicePixelRatioF();
    return QSize(int(std::ceil(image.width() / r - 1e-9)), int(std::ceil(image.height() / r - 1e-9)));
}

// The screen, and with it the device pixel ratio, may change (a window moved to another screen).
void ImageView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ScreenChangeInternal && canvas_) setCanvas(canvas_);
}

void ImageView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (canvas_) setCanvas(canvas_);
}

void ImageView::setPreview(std::vector<std::pair<Point, Point>> segments) {
    preview_ = std::move(segments);
    update();
}

QSize ImageView::sizeHint() const { return canvas_ ? QSize(canvas_->width(), canvas_->height()) : QSize(450, 200); }

void ImageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!canvas_) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    // The picture is shown from the canvas's own memory, an image pixel on each device pixel.
    QImage picture = controls::CanvasImage(*canvas_);
    const qreal r = devicePixelRatioF();
    picture.setDevicePixelRatio(r);
    painter.drawImage(0, 0, picture);
    if (!preview_.empty()) {
        painter.scale(1 / r, 1 / r);
        QPen pen(Qt::red, 1);
        pen.setCosmetic(true);
        painter.setPen(pen);
        for (const auto& [a, b] : preview_) painter.drawLine(a.x, a.y, b.x, b.y);
    }
}

void ImageView::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(toImage(event->position()), event->buttons(), event->modifiers());
}

void ImageView::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(toImage(event->position()), event->button(), event->modifiers());
}

void ImageView::mouseReleaseEvent(QMouseEvent* event) { emit mouseReleased(toImage(event->position()), event->button()); }

void ImageView::mouseDoubleClickEvent(QMouseEvent* event) { emit mouseDoubleClicked(toImage(event->position())); }

}  // namespace vortel::app
