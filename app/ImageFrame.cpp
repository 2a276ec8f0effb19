#include "app/ImageFrame.h"

#include <QMouseEvent>
#include <QRubberBand>
#include <algorithm>
#include <cmath>

#include "app/ImageView.h"

namespace vortel::app {
namespace {

constexpr int Margin = ImageFrame::HandleSize + 1;

// Which sides a handle moves: -1 the left/top side, +1 the right/bottom side, 0 neither.
struct Sides {
    int x, y;
};
constexpr Sides sidesOf[8] = {{-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}};

Qt::CursorShape cursorOf(int h) {
    const Sides s = sidesOf[h];
    if (s.x == 0) return Qt::SizeVerCursor;
    if (s.y == 0) return Qt::SizeHorCursor;
    return s.x == s.y ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
}

}  // namespace

ImageFrame::ImageFrame(ImageView* view, QWidget* parent) : QWidget(parent), view_(view) {
    view_->setParent(this);
    view_->move(Margin, Margin);
    for (int h = 0; h < 8; ++h) {
        auto* handle = new QWidget(this);
        handle->setObjectName(QStringLiteral("ImageResizer%1").arg(h + 1));
        handle->setFixedSize(HandleSize, HandleSize);
        handle->setAutoFillBackground(true);
        QPalette palette = handle->palette();
        palette.setColor(QPalette::Window, Qt::black);
        handle->setPalette(palette);
        handle->setCursor(cursorOf(h));
        handle->installEventFilter(this);
        handles_[h] = handle;
    }
    placeHandles();
}

void ImageFrame::placeHandles() {
    const QSize size = view_->size();
    setFixedSize(size.width() + 2 * Margin, size.height() + 2 * Margin);
    const int xs[3] = {0, Margin + (size.width() - HandleSize) / 2, Margin + size.width() + 1};
    const int ys[3] = {0, Margin + (size.height() - HandleSize) / 2, Margin + size.height() + 1};
    for (int h = 0; h < 8; ++h) handles_[h]->move(xs[sidesOf[h].x + 1], ys[sidesOf[h].y + 1]);
}

QSize ImageFrame::draggedSize(Handle h, QSize size, QPoint offset) {
    const Sides s = sidesOf[h];
    double w = size.width() + s.x * offset.x(), hgt = size.height() + s.y * offset.y();
    if (s.x != 0 && s.y != 0 && size.width() > 0 && size.height() > 0) {
        // Corners keep the ratio: the side that moved further (relative to its length) leads.
        const double fx = w / size.width(), fy = hgt / size.height();
        const double f = std::abs(fx - 1) >= std::abs(fy - 1) ? fx : fy;
        w = size.width() * f, hgt = size.height() * f;
    }
    return QSize(std::max(1, int(std::lround(w))), std::max(1, int(std::lround(hgt))));
}

bool ImageFrame::eventFilter(QObject* watched, QEvent* event) {
    const auto it = std::find(handles_.begin(), handles_.end(), watched);
    if (it == handles_.end()) return QWidget::eventFilter(watched, event);
    const Handle h = Handle(it - handles_.begin());
    QWidget* top = window();
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) return true;
        pressed_ = mouse->globalPosition().toPoint();
        dragSize_ = view_->size();
        if (!band_) band_ = new QRubberBand(QRubberBand::Rectangle, top);
        band_->setGeometry(QRect(view_->mapTo(top, QPoint(0, 0)), dragSize_));
        band_->show();
        band_->raise();
        if (resizing) resizing(view_->toImage(dragSize_));
        return true;
    }
    case QEvent::MouseMove: {
        if (!band_ || !band_->isVisible()) return true;
        auto* mouse = static_cast<QMouseEvent*>(event);
        // The frame stays inside the window's client area.
        const QRect client = top->rect();
        const QPoint global = mouse->globalPosition().toPoint();
        const QPoint local = top->mapFromGlobal(global);
        const QPoint inside = top->mapToGlobal(QPoint(std::clamp(local.x(), client.left(), client.right()),
                                                      std::clamp(local.y(), client.top(), client.bottom())));
        dragSize_ = draggedSize(h, view_->size(), inside - pressed_);
        const QPoint origin = view_->mapTo(top, QPoint(0, 0));
        const QSize old = view_->size();
        const Sides s = sidesOf[h];
        // Left and top handles move the frame's left or top edge; the opposite edge stays.
        const QPoint topLeft(s.x < 0 ? origin.x() + old.width() - dragSize_.width() : origin.x(),
                             s.y < 0 ? origin.y() + old.height() - dragSize_.height() : origin.y());
        band_->setGeometry(QRect(topLeft, dragSize_).intersected(client));
        if (resizing) resizing(view_->toImage(dragSize_));
        return true;
    }
    case QEvent::MouseButtonRelease: {
        if (!band_ || !band_->isVisible()) return true;
        band_->hide();
        if (dragSize_ != view_->size() && resized) resized(view_->toImage(dragSize_));
        return true;
    }
    default: return QWidget::eventFilter(watched, event);
    }
}

}  // namespace vortel::app
