#include "app/ImageView.h"

#include <QMouseEvent>
#include <QPainter>
#include <cairo.h>

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
    // Cairo's RGB24 words are Qt's RGB32: the picture is shown from the canvas's own memory.
    cairo_surface_t* surface = canvas_->surface();
    cairo_surface_flush(surface);
    const QImage picture(cairo_image_surface_get_data(surface), cairo_image_surface_get_width(surface),
                         cairo_image_surface_get_height(surface), cairo_image_surface_get_stride(surface),
                         QImage::Format_RGB32);
    painter.drawImage(0, 0, picture);
    if (!preview_.empty()) {
        painter.setPen(QPen(Qt::red, 1));
        for (const auto& [a, b] : preview_) painter.drawLine(a.x, a.y, b.x, b.y);
    }
}

void ImageView::mouseMoveEvent(QMouseEvent* event) { emit mouseMoved(event->position().toPoint(), event->modifiers()); }

void ImageView::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event->position().toPoint(), event->button(), event->modifiers());
}

void ImageView::mouseReleaseEvent(QMouseEvent* event) { emit mouseReleased(event->position().toPoint(), event->button()); }

void ImageView::mouseDoubleClickEvent(QMouseEvent* event) { emit mouseDoubleClicked(event->position().toPoint()); }

}  // namespace vortel::app
