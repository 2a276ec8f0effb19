#pragma once
#include <QWidget>
#include <utility>
#include <vector>

#include "platform/Canvas.h"

namespace vortel::app {

// The work image on screen: the engine's canvas shown through a QImage on the canvas's own memory
// (no copy per frame), with the guide editor's drag preview drawn over it in red.
class ImageView : public QWidget {
    Q_OBJECT
public:
    explicit ImageView(QWidget* parent = nullptr);
    // The canvas to show; it must outlive the view or be replaced before it goes.
    void setCanvas(Canvas* canvas);
    Canvas* canvas() const { return canvas_; }
    void setPreview(std::vector<std::pair<Point, Point>> segments);
    QSize sizeHint() const override;
    // The view shows one image pixel on each device pixel: at a device pixel ratio of 2 an image
    // of 800 pixels takes 400 units of the layout. Mouse positions reach the window in image pixels.
    QPoint toImage(QPointF widget) const;
    QSize toImage(QSize widget) const;
    QPoint fromImage(QPoint image) const;
    QSize fromImage(QSize image) const;

signals:
    void mouseMoved(QPoint position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void mousePressed(QPoint position, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void mouseReleased(QPoint position, Qt::MouseButton button);
    void mouseDoubleClicked(QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    Canvas* canvas_ = nullptr;
    std::vector<std::pair<Point, Point>> preview_;
};

}  // namespace vortel::app
