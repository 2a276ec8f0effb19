#include "controls/PresetGrid.h"

#include <QResizeEvent>

#include "controls/QtImages.h"
#include "document/ImageBmp.h"
#include "document/StockResources.h"

namespace vortel::controls {

namespace {

QImage decodedStockImage(const std::string& name) {
    const auto bytes = stockResource("BITMAP", name);
    if (!bytes) return {};
    try {
        return ToQImage(decodeBmp(*bytes));
    } catch (const std::exception&) {
        return {};
    }
}

}  // namespace

QImage StockImage(const QString& name, qreal ratio) {
    if (ratio > 1) {
        QImage twice = decodedStockImage(name.toStdString() + std::string(DoubleSizeSuffix));
        if (!twice.isNull()) {
            twice.setDevicePixelRatio(2);
            return twice;
        }
    }
    return decodedStockImage(name.toStdString());
}

PresetGrid::PresetGrid(const QStringList& pictures, int columns, QSize picture, int rows, QWidget* parent)
    : QListWidget(parent), columns_(columns), rows_(rows), picture_(picture) {
    setViewMode(QListView::IconMode);
    setFlow(rows_ > 0 ? QListView::TopToBottom : QListView::LeftToRight);
    if (rows_ > 0) setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWrapping(true);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setIconSize(picture_);
    const qreal ratio = ScreenRatio();
    for (const QString& name : pictures) {
        const QImage image = StockImage(name, ratio);
        // A picture entry has no text at all: an empty one would still be a text area under the
        // picture, drawn as a bar in the selection's colour.
        auto* item = new QListWidgetItem;
        if (image.isNull()) {
            item->setText(name);
        } else {
            // Fitted in device pixels, so a picture made for the screen's ratio is taken as it is.
            const QSize device = DeviceSize(picture_, image.devicePixelRatio());
            QImage shown = image.size() == device
                               ? image
                               : image.scaled(device, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            shown.setDevicePixelRatio(image.devicePixelRatio());
            item->setIcon(QIcon(QPixmap::fromImage(shown)));
        }
        addItem(item);
    }
    fitGrid();
}

void PresetGrid::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    fitGrid();
}

// Columns: they share the width, the rows are as high as a picture needs. Rows: they share the
// height, and the pictures shrink to fit them.
void PresetGrid::fitGrid() {
    if (rows_ > 0) {
        const int height = std::max(8, (viewport()->height() - 2) / rows_);
        const int pictureHeight = std::min(picture_.height(), height - 6);
        const int pictureWidth = picture_.width() * pictureHeight / std::max(1, picture_.height());
        setIconSize(QSize(pictureWidth, pictureHeight));
        setGridSize(QSize(pictureWidth + 8, height));
        return;
    }
    const int width = std::max(picture_.width() + 4, (viewport()->width() - 2) / columns_);
    setGridSize(QSize(width, picture_.height() + 6));
}

}  // namespace vortel::controls
