#include "app/ImageView.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/QtImages.h"

namespace vortel::app {

ImageView::ImageView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageView::setCanvas(Canvas* canvas) {
    canvas_ = canvas;
    if (canvas_) setFixedSize(canvas_->width(), canvas_->height());
    update();
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
    // The picture is shown from the canvas's own memory.
    painter.drawImage(0, 0, controls::CanvasImage(*canvas_));
    if (!preview_.empty()) {
        painter.setPen(QPen(Qt::red, 1));
        for (const auto& [a, b] : preview_) painter.drawLine(a.x, a.y, b.x, b.y);
    }
}

void ImageView::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event->position().toPoint(), event->buttons(), event->modifiers());
}

void ImageView::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event->position().toPoint(), event->button(), event->modifiers());
}

void ImageView::mouseReleaseEvent(QMouseEvent* event) { emit mouseReleased(event->position().toPoint(), event->button()); }

void ImageView::mouseDoubleClickEvent(QMouseEvent* event) { emit mouseDoubleClicked(event->position().toPoint()); }

}  // namespace vortel::app
