#include "panels/pages/TextureLists.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cctype>
#include <filesystem>

#include "controls/QtImages.h"
#include "document/ImageBmp.h"
#include "document/StockResources.h"
#include "panels/pages/SurfaceWidgets.h"

namespace vortel::pages {

Bitmap TextureThumbnail(const Bitmap& picture, int scale) {
    const int width = ThumbWidth * scale, height = ThumbHeight * scale;
    Bitmap thumb{width, height, std::vector<uint8_t>(size_t(width) * height * 3, 255)};
    if (picture.empty() || picture.bgr.size() < size_t(picture.width) * size_t(picture.height) * 3) return thumb;
    // Narrow or low pictures repeat from the top-left corner; larger ones give their corner
    // unscaled. Both come down to the same lookup.
    for (int y = 0; y < height; ++y) {
        const uint8_t* src = &picture.bgr[size_t(y % picture.height) * size_t(picture.width) * 3];
        uint8_t* dst = &thumb.bgr[size_t(y) * width * 3];
        for (int x = 0; x < width; ++x) std::copy_n(src + size_t(x % picture.width) * 3, 3, dst + size_t(x) * 3);
    }
    return thumb;
}

namespace {

// The twin at twice the size of a stock picture entry ("*FARBVERL_03"), if the library has one.
std::optional<Bitmap> stockTwin(const std::string& entry) {
    if (entry.empty() || entry.front() != '*') return std::nullopt;
    const auto bytes = stockResource("BITMAP", entry + std::string(DoubleSizeSuffix));
    if (!bytes) return std::nullopt;
    try {
        return decodeBmp(*bytes);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace

std::vector<std::string> FolderPictureFiles(const std::string& folder, bool sorted) {
    namespace fs = std::filesystem;
    static const char* const kinds[] = {".bmp", ".jpg", ".gif", ".png"};
    std::vector<std::vector<std::string>> found(std::size(kinds));
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        std::string ext = it->path().extension().string();
        for (char& c : ext) c = char(std::tolower(static_cast<unsigned char>(c)));
        for (size_t k = 0; k < std::size(kinds); ++k)
            if (ext == kinds[k]) found[k].push_back(it->path().string());
    }
    std::vector<std::string> files;
    for (auto& kind : found) {
        std::sort(kind.begin(), kind.end());
        files.insert(files.end(), kind.begin(), kind.end());
    }
    if (sorted) std::sort(files.begin(), files.end());
    return files;
}

// ------------------------------------------------------------------------------- drawing

class PictureDelegate : public QStyledItemDelegate {
public:
    explicit PictureDelegate(PictureList* list) : QStyledItemDelegate(list), list_(list) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QRect r = option.rect;
        const bool selected = option.state & QStyle::State_Selected;
        if (selected) {
            p->fillRect(r, option.palette.color(QPalette::Base));
            p->fillRect(r, QBrush(option.palette.color(QPalette::Highlight), Qt::DiagCrossPattern));
            r.adjust(4, 4, -4, -4);
        } else {
            p->fillRect(r, option.palette.color(QPalette::Base));
            r.adjust(1, 1, 0, 0);
        }
        const int row = index.row();
        if (row < list_->pictureCount()) {
            const QImage& picture = list_->picture(row);
            if (list_->look_ == PictureList::Look::Thumbnail) {
                p->drawImage(r, picture);
            } else if (!picture.isNull()) {
                p->save();
                p->setClipRect(r);
                p->drawTiledPixmap(r, QPixmap::fromImage(picture));
                p->restore();
            }
            return;
        }
        // Not made yet: say so and ask for it (and for everything before it).
        QFont font = option.font;
        font.setPixelSize(9);
        p->setFont(font);
        p->setPen(option.palette.color(QPalette::Text));
        p->drawText(r, Qt::AlignCenter | Qt::TextWordWrap, PictureList::tr("Texturen werden geladen. Bitte warten..."));
        ++list_->waitingPaints_;
        list_->requestPicture(row);
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return list_->gridSize(); }

private:
    PictureList* list_;
};

// ------------------------------------------------------------------------------- PictureList

PictureList::PictureList(Look look, int columns, QWidget* parent) : QListWidget(parent), look_(look), columns_(columns) {
    setItemDelegate(new PictureDelegate(this));
    setViewMode(QListView::ListMode);
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setSelectionMode(QAbstractItemView::SingleSelection);
    maker_.setSingleShot(true);
    maker_.setInterval(0);
    connect(&maker_, &QTimer::timeout, this, &PictureList::makeNext);
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { emit entryChosen(row(item)); });
    fitItems();
}

void PictureList::setEntries(const std::vector<std::string>& entries) {
    maker_.stop();
    clear();
    pictures_.clear();
    wanted_ = -1;
    entries_ = entries;
    for (const std::string& entry : entries_) {
        auto* item = new QListWidgetItem(this);
        item->setToolTip(QString::fromStdString(entry));
        item->setData(Qt::AccessibleTextRole, QString::fromStdString(entry));
    }
}

void PictureList::removeEntry(int row) {
    if (row < 0 || size_t(row) >= entries_.size()) return;
    entries_.erase(entries_.begin() + row);
    if (size_t(row) < pictures_.size()) pictures_.erase(pictures_.begin() + row);
    delete takeItem(row);
    wanted_ = std::min(wanted_, int(entries_.size()) - 1);
}

bool PictureList::selectEntry(const std::string& text) {
    const auto it = std::find(entries_.begin(), entries_.end(), text);
    if (it == entries_.end()) return false;
    setCurrentRow(int(it - entries_.begin()));
    scrollToItem(currentItem());
    return true;
}

void PictureList::requestPicture(int row) {
    if (row <= wanted_) return;
    wanted_ = row;
    if (!maker_.isActive()) maker_.start();
}

// On a screen of two device pixels a pixel the pictures are made at twice the size (a stock picture
// from its twin) or marked to paint a picture pixel to a device pixel.
QImage PictureList::makePicture(int row, const Bitmap& loaded) const {
    const int scale = devicePixelRatioF() > 1 ? 2 : 1;
    const std::optional<Bitmap> twin = scale > 1 ? stockTwin(entries_[size_t(row)]) : std::nullopt;
    const Bitmap& source = twin ? *twin : loaded;
    if (look_ == Look::Thumbnail) {
        QImage thumb = controls::ToQImage(TextureThumbnail(source, scale));
        thumb.setDevicePixelRatio(scale);
        return thumb;
    }
    // Tiled a picture pixel to a device pixel, as the renderer lays the pattern on the image.
    QImage tile = controls::ToQImage(source);
    tile.setDevicePixelRatio(scale);
    return tile;
}

// One picture a turn, so the window stays alive and the waiting text can be seen.
void PictureList::makeNext() {
    const int next = int(pictures_.size());
    if (next > wanted_ || size_t(next) >= entries_.size()) return;
    std::optional<Bitmap> loaded = loader_ ? loader_(next) : std::nullopt;
    if (loaded) {
        pictures_.push_back(makePicture(next, *loaded));
    } else {
        removeEntry(next);
    }
    viewport()->update();
    if (int(pictures_.size()) <= wanted_ && pictures_.size() < entries_.size()) maker_.start();
}

void PictureList::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    fitItems();
}

// Three rows fill the height above the scroll bar; the columns share the width.
void PictureList::fitItems() {
    itemHeight_ = std::max(8, viewport()->height() / 3 - 1);
    const int width = std::max(16, viewport()->width() / columns_);
    setGridSize(QSize(width, itemHeight_));
    horizontalScrollBar()->setSingleStep(width);
}


void PictureList::keyPressEvent(QKeyEvent* event) {
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentRow() >= 0) emit entryChosen(currentRow());
}

}  // namespace vortel::pages
