#include "panels/pages/GradientList.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <qdrawutil.h>

#include "panels/pages/SurfaceWidgets.h"

namespace vortel::pages {
namespace {

constexpr int ColorRole = Qt::UserRole;
constexpr int PlaceholderRole = Qt::UserRole + 1;
constexpr int ItemHeight = 12;

// Each entry is its colour; the placeholder is the window colour with "<neu>" in grey; the
// selected entry has a raised edge and, 2 pixels inside, a sunken one.
class EntryDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QRect r = option.rect;
        if (index.data(PlaceholderRole).toBool()) {
            p->fillRect(r, option.palette.color(QPalette::Base));
            QFont font = option.font;
            font.setPixelSize(std::max(7, r.height() - 2));
            p->setFont(font);
            p->setPen(QColor(128, 128, 128));
            p->drawText(r, Qt::AlignCenter, QCoreApplication::translate("vortel::pages::GradientList", "<neu>"));
        } else {
            p->fillRect(r, RefColor(ColorRef(index.data(ColorRole).toUInt())));
        }
        if (option.state & QStyle::State_Selected) {
            qDrawShadePanel(p, r, option.palette, false, 1);
            qDrawShadePanel(p, r.adjusted(2, 2, -2, -2), option.palette, true, 1);
        }
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return {20, ItemHeight}; }
};

}  // namespace

GradientList::GradientList(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new EntryDelegate(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
}

void GradientList::addEntry(ColorRef color, bool placeholder) {
    auto* item = new QListWidgetItem(this);
    item->setData(ColorRole, uint(color));
    item->setData(PlaceholderRole, placeholder);
}

void GradientList::setEntry(int row, ColorRef color, bool placeholder) {
    item(row)->setData(ColorRole, uint(color));
    item(row)->setData(PlaceholderRole, placeholder);
}

void GradientList::ensurePlaceholder() {
    if (!hasPlaceholder() && count() < MaxEntries) addEntry(0, true);
}

void GradientList::setColors(const std::vector<ColorRef>& colors) {
    clear();
    for (size_t i = 0; i < colors.size() && i < size_t(MaxEntries); ++i) addEntry(colors[i], false);
    ensurePlaceholder();
    setCurrentRow(0);
}

std::vector<ColorRef> GradientList::colors() const {
    std::vector<ColorRef> out;
    for (int row = 0; row < count(); ++row)
        if (!isPlaceholder(row)) out.push_back(colorAt(row));
    return out;
}

bool GradientList::isPlaceholder(int row) const {
    return row >= 0 && row < count() && item(row)->data(PlaceholderRole).toBool();
}

ColorRef GradientList::colorAt(int row) const {
    return row >= 0 && row < count() ? ColorRef(item(row)->data(ColorRole).toUInt()) : 0;
}

void GradientList::takeColor(int row, ColorRef color) {
    if (row < 0 || row >= count()) return;
    const bool wasPlaceholder = isPlaceholder(row);
    setEntry(row, color, false);
    if (wasPlaceholder && count() < MaxEntries) {
        addEntry(0, true);
        setCurrentRow(count() - 1);
    }
    viewport()->update();
}

void GradientList::reverse() {
    std::vector<ColorRef> c = colors();
    std::reverse(c.begin(), c.end());
    const int row = currentRow();
    setColors(c);
    if (row >= 0 && row < count()) setCurrentRow(row);
    emit committed();
}

bool GradientList::deleteSelected() {
    const int row = currentRow();
    if (row < 0 || isPlaceholder(row) || colors().size() < 3) return false;
    delete takeItem(row);
    ensurePlaceholder();
    setCurrentRow(std::min(row, count() - 1));
    emit committed();
    return true;
}

void GradientList::setHint(const QString& hint) {
    hint_ = hint;
    viewport()->update();
}

void GradientList::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    dragged_ = -1;
    moved_ = false;
    if (event->button() != Qt::LeftButton) return;
    const int row = indexAt(event->position().toPoint()).row();
    // The placeholder holds no colour to carry.
    if (row >= 0 && !isPlaceholder(row)) dragged_ = lastSwapped_ = row;
}

// Entering another colour entry swaps it with the dragged one, which goes on from there.
void GradientList::mouseMoveEvent(QMouseEvent* event) {
    if (dragged_ < 0 || !(event->buttons() & Qt::LeftButton)) return;
    const int row = indexAt(event->position().toPoint()).row();
    if (row < 0 || isPlaceholder(row) || row == lastSwapped_ || row == dragged_) return;
    const ColorRef a = colorAt(dragged_), b = colorAt(row);
    setEntry(dragged_, b, false);
    setEntry(row, a, false);
    setCurrentRow(row);
    dragged_ = lastSwapped_ = row;
    moved_ = true;
    viewport()->update();
}

void GradientList::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    const bool dropped = dragged_ >= 0 && moved_;
    const int row = indexAt(event->position().toPoint()).row();
    dragged_ = -1;
    moved_ = false;
    if (dropped) {
        emit committed();
    } else if (event->button() == Qt::LeftButton && row >= 0) {
        emit entryClicked(row);
    }
}

void GradientList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete) {
        deleteSelected();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void GradientList::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    if (hint_.isEmpty()) return;
    QPainter p(viewport());
    QFont font = p.font();
    font.setPixelSize(10);
    p.setFont(font);
    const QFontMetrics metrics(font);
    p.setPen(QColor(128, 128, 128));
    const int y = viewport()->height() - int(std::lround(1.5 * metrics.height())) + metrics.ascent();
    p.drawText(2, y, hint_);
}

}  // namespace vortel::pages
