#pragma once
#include <QWidget>
#include <array>
#include <functional>

class QRubberBand;

namespace vortel::app {

class ImageView;

// The image view with its eight resize handles around it (edges and corners). Dragging a handle
// shows a rubber frame of the new size; corner handles keep the picture's width-to-height ratio.
// On release the new size is handed to `resized`.
class ImageFrame : public QWidget {
    Q_OBJECT
public:
    // Handles in clockwise order from the top-left corner.
    enum Handle { TopLeft, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left };
    static constexpr int HandleSize = 7;

    explicit ImageFrame(ImageView* view, QWidget* parent = nullptr);
    ImageView* view() const { return view_; }
    QWidget* handle(Handle h) const { return handles_[h]; }
    // Lays the handles out around the view after its size changed.
    void placeHandles();
    // The size a handle drag to `offset` (in pixels from where it was pressed) gives, at least 1 x 1.
    static QSize draggedSize(Handle h, QSize size, QPoint offset);

    // The size while dragging (for the status bar) and the size chosen on release.
    std::function<void(QSize)> resizing;
    std::function<void(QSize)> resized;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ImageView* view_;
    std::array<QWidget*, 8> handles_{};
    QRubberBand* band_ = nullptr;
    QPoint pressed_;
    QSize dragSize_;
};

}  // namespace vortel::app
