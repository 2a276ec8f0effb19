#pragma once
#include <QListWidget>
#include <QStringList>

namespace vortel::controls {

// A preset list drawn as a grid of stock pictures (the main styles, the deformations): either a
// fixed number of columns filling the width, or a fixed number of rows filling the height with the
// entries running down the columns and the list scrolling sideways. The entry texts name the
// pictures in the stock library.
class PresetGrid : public QListWidget {
    Q_OBJECT
public:
    // `picture` is the size in layout pixels the pictures are shown at (at most).
    PresetGrid(const QStringList& pictures, int columns, QSize picture, int rows = 0, QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitGrid();
    int columns_;
    int rows_;
    QSize picture_;
};

// A bitmap of the stock-image library as a QImage; null when it is not there. At a `ratio` above 1
// the picture's twin at twice the size is taken when the library has one, marked with a device
// pixel ratio of 2, so it paints at the same layout size with a device pixel a pixel.
QImage StockImage(const QString& name, qreal ratio = 1);

}  // namespace vortel::controls
