#pragma once
#include <QListWidget>
#include <QStringList>

namespace vortel::app {

// A preset list drawn as a grid of stock pictures, a fixed number of columns filling the width
// (the main styles, the deformations). The entry texts name the pictures in the stock library.
class PresetGrid : public QListWidget {
    Q_OBJECT
public:
    PresetGrid(const QStringList& pictures, int columns, QSize picture, QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitGrid();
    int columns_;
    QSize picture_;
};

// A bitmap of the stock-image library as a QImage; null when it is not there.
QImage StockImage(const QString& name);

}  // namespace vortel::app
