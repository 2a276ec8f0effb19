#include "panels/pages/PresetPictureList.h"

#include "controls/PresetGrid.h"

#include <QPainter>
#include <QResizeEvent>
#include <QStyledItemDelegate>
#include <qdrawutil.h>

#include "controls/Controls.h"
#include "controls/QtImages.h"
#include "document/ImageBmp.h"
#include "document/StockResources.h"

namespace vortel::pages {

namespace {

constexpr int PictureRole = Qt::UserRole + 1;

// The entry picture: the ground, a sunken edge round the selected entry, the picture fitted and
// centred with white left out, or the entry's name when there is none.
class PresetDelegate : public QStyledItemDelegate {
public:
    explicit PresetDelegate(PresetPictureList* list) : QStyledItemDelegate(list), list_(list) {}
    // Every entry fills its cell of the list's grid.
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return list_->gridSize().isValid() ? list_->gridSize() : QSize(46, 43);
    }
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        painter->save();
        QRect r = option.rect;
        painter->fillRect(r, list_->groundOf(index.row()));
        r.adjust(1, 1, -1, -1);
        if (option.state & QStyle::State_Selected) qDrawShadePanel(painter, r, option.palette, true, 2);
        const QImage picture = index.data(PictureRole).value<QImage>();
        if (!picture.isNull()) {
            const QRect inner = r.adjusted(2, 2, -2, -2);
            // Fitted by its size in layout pixels: a picture for two device pixels a pixel is as
            // large on the screen as its plain twin.
            const QSize fit = picture.deviceIndependentSize().toSize().scaled(inner.size(), Qt::KeepAspectRatio);
            const QRect target(inner.center() - QPoint(fit.width() / 2, fit.height() / 2), fit);
            painter->drawImage(target, controls::WithTransparentColor(picture, Qt::white));
        } else {
            painter->setPen(option.palette.color(QPalette::Text));
            painter->drawText(r, Qt::AlignCenter, index.data(Qt::DisplayRole).toString());
        }
        painter->restore();
    }

private:
    PresetPictureList* list_;
};

}  // namespace

QImage StockPicture(const QString& name, qreal ratio) { return controls::StockImage(name, ratio); }

PresetPictureList::PresetPictureList(const QString& prefix, int count, QSize picture, QWidget* parent)
    : QListWidget(parent), prefix_(prefix), count_(count), picture_(picture) {
    setViewMode(QListView::IconMode);
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSpacing(0);
    setItemDelegate(new PresetDelegate(this));
}

void PresetPictureList::fill() {
    clear();
    for (int i = 1; i <= count_; ++i) {
        const QString name = prefix_ + QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
        auto* item = new QListWidgetItem(name);
        item->setData(PictureRole, StockPicture(name, devicePixelRatioF()));
        addItem(item);
    }
    filled_ = true;
    fitRows();
}

QImage PresetPictureList::picture(int row) const {
    const QListWidgetItem* entry = item(row);
    return entry ? entry->data(PictureRole).value<QImage>() : QImage();
}

void PresetPictureList::showSelected(int index) {
    if (index >= 0 && index < count()) {
        setCurrentRow(index);
    } else {
        clearSelection();
        setCurrentRow(-1);
        if (count() > 0) scrollToItem(item(0));
    }
}

void PresetPictureList::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    fitRows();
}

// Two rows share the client height (the scroll bar's excluded).
void PresetPictureList::fitRows() {
    const int height = std::max(10, (viewport()->height() - 1) / 2);
    setGridSize(QSize(height * picture_.width() / picture_.height(), height));
    // With nothing selected the list starts at its first entries; else the selection stays in view.
    if (currentRow() < 0) {
        if (count() > 0) scrollToItem(item(0));
    } else {
        scrollToItem(currentItem());
    }
}

}  // namespace vortel::pages
