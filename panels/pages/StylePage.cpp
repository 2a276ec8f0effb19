#include "panels/pages/StylePage.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "controls/Controls.h"
#include "controls/PresetGrid.h"
#include "controls/QtImages.h"
#include "document/Document.h"
#include "document/ImageBmp.h"
#include "document/ImageFile.h"
#include "panels/pages/SlideShow.h"
#include "panels/pages/SurfaceWidgets.h"
#include "panels/presets/Thumbnail.h"

namespace vortel::pages {

// ------------------------------------------------------------------------------------- list

ThumbnailList::ThumbnailList(QWidget* parent) : QListWidget(parent) {
    setViewMode(QListView::IconMode);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    fitGrid();
}

QSize ThumbnailList::thumbnailSize() const {
    const int width = (this->width() - verticalScrollBar()->sizeHint().width() - 6) / Columns;
    return QSize(std::max(8, width), ItemHeight - 2);
}

void ThumbnailList::addThumbnail(const QString& text, const QImage& picture) {
    // Drawn at its own size, centred; one wider than a column is fitted into it.
    // Sizes in layout pixels: a picture made for the screen's device pixels keeps them.
    const QSize cell = thumbnailSize();
    const QSize own = picture.deviceIndependentSize().toSize();
    QImage shown = own.width() > cell.width() || own.height() > cell.height()
                       ? picture.scaled(controls::DeviceSize(cell, picture.devicePixelRatio()), Qt::KeepAspectRatio,
                                        Qt::SmoothTransformation)
                       : picture;
    shown.setDevicePixelRatio(picture.devicePixelRatio());
    auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(shown)), QString());
    item->setData(Qt::UserRole, text);
    item->setToolTip(text);
    addItem(item);
}

QString ThumbnailList::entryText(int row) const {
    const QListWidgetItem* entry = item(row);
    return entry ? entry->data(Qt::UserRole).toString() : QString();
}

void ThumbnailList::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    fitGrid();
}

void ThumbnailList::fitGrid() {
    const QSize cell = thumbnailSize();
    setIconSize(cell);
    setGridSize(QSize(cell.width() + 1, ItemHeight));
}

// ------------------------------------------------------------------------------------- page

StylePage::StylePage(PageHost& host, QWidget* parent) : EffectPage(host, presets::Page::Style, parent) {
    setObjectName(QStringLiteral("StylePage"));
    QStringList pictures{QStringLiteral("DEFORM_01")};
    for (int i = 2; i <= presets::MainStyleCount; ++i) pictures << QStringLiteral("Style_0%1").arg(i, 2, 10, QLatin1Char('0'));
    styles_ = new controls::PresetGrid(pictures, 7, QSize(72, 28));
    styles_->setObjectName(QStringLiteral("MainStyleListBox"));
    random_ = new ThumbnailList;
    random_->setObjectName(QStringLiteral("StyleRandomListBox"));
    folder_ = new ThumbnailList;
    folder_->setObjectName(QStringLiteral("StyleDirListBox"));
    stack_ = new QStackedWidget;
    stack_->addWidget(styles_);
    stack_->addWidget(random_);
    stack_->addWidget(folder_);

    standardButton_ = new controls::SpeedButton(tr(" Styles"));
    standardButton_->setObjectName(QStringLiteral("StyleStandardSpeedButton"));
    standardButton_->setToolTip(tr("Create random style"));
    randomButton_ = new controls::SpeedButton(tr(" Zufall"));
    randomButton_->setObjectName(QStringLiteral("StyleRandomSpeedButton"));
    randomButton_->setToolTip(tr("Start/stop demo"));
    dirButton_ = new controls::SpeedButton(tr(" Ordner..."));
    dirButton_->setObjectName(QStringLiteral("StyleDirSpeedButton"));
    dirButton_->setToolTip(tr("Vortel-Dateien eines Ordners zeigen"));
    auto* buttons = new QVBoxLayout;
    for (controls::SpeedButton* button : {standardButton_, randomButton_, dirButton_}) {
        button->setGroup(1);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    standardButton_->setDown(true);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(stack_, 1);
    layout->addLayout(buttons);

    show_ = new SlideShow(host, *this);
    show_->setObjectName(QStringLiteral("SlideShow"));

    connect(styles_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { styleClicked(styles_->row(item)); });
    connect(random_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { randomClicked(random_->row(item)); });
    connect(folder_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { folderClicked(folder_->row(item)); });
    connect(standardButton_, &QToolButton::clicked, this, [this] { standardClicked(); });
    connect(randomButton_, &QToolButton::clicked, this, [this] { randomButtonClicked(); });
    connect(dirButton_, &QToolButton::clicked, this, [this] { browseFolder(); });
    qApp->installEventFilter(this);
}

StylePage::~StylePage() { qApp->removeEventFilter(this); }

QListWidget* StylePage::styleList() const { return styles_; }

void StylePage::refresh() {
    muted([&] {
        const int selected = panels().selectedMainStyle;
        if (selected < 0 || selected >= styles_->count()) {
            styles_->clearSelection();
            styles_->setCurrentRow(-1, QItemSelectionModel::Clear);
        } else {
            styles_->setCurrentRow(selected);
        }
    });
}

void StylePage::focusStyles() {
    styles_->clearSelection();
    styles_->setCurrentRow(-1, QItemSelectionModel::Clear);
    styles_->setFocus();
}

void StylePage::showList(List list) {
    stack_->setCurrentIndex(int(list));
    controls::SpeedButton* buttons[] = {standardButton_, randomButton_, dirButton_};
    buttons[int(list)]->setDown(true);
}

StylePage::List StylePage::shownList() const { return List(stack_->currentIndex()); }

void StylePage::reportError(const std::exception& e) { host_.messages().messageBox(e.what(), "Vortel", MessageIcon::Error); }

void StylePage::styleClicked(int row) {
    if (refreshing() || row < 0) return;
    try {
        panels().ApplyMainStyle(row);
        engine().Modified = 1;
    } catch (const std::exception& e) {
        reportError(e);
    }
}

uint32_t StylePage::generateRandom(std::optional<uint32_t> seed, bool addEntry) {
    const uint32_t generated = panels().GenerateRandomEffect(seed);
    if (!seed && addEntry) {
        // Made at the screen's device pixels from the picture, which has them.
        const qreal ratio = random_->devicePixelRatioF();
        const QSize size = controls::DeviceSize(random_->thumbnailSize(), ratio);
        QImage thumbnail = controls::ToQImage(presets::StretchBitmap(host_.picture(), size.width(), size.height()));
        thumbnail.setDevicePixelRatio(ratio);
        random_->addThumbnail(QString::number(generated), thumbnail);
        random_->setCurrentRow(random_->count() - 1);
        random_->scrollToBottom();
    }
    return generated;
}

void StylePage::randomClicked(int row) {
    bool number = false;
    const uint32_t seed = random_->entryText(row).toUInt(&number);
    if (!number) return;  // not a seed: nothing to re-create
    try {
        generateRandom(seed);
    } catch (const std::exception& e) {
        reportError(e);
    }
}

void StylePage::folderClicked(int row) {
    const QString path = folder_->entryText(row);
    if (!path.isEmpty()) host_.openDocument(path);
}

void StylePage::standardClicked() {
    if (show_->running()) show_->stop();
    showList(List::Styles);
    random_->clear();
    folder_->clear();
    host_.hideGuides();
}

void StylePage::randomButtonClicked() {
    if (show_->running()) {
        show_->stop();
        return;
    }
    show_->start(SlideShow::Mode::Window, true);
}

void StylePage::browseFolder() {
    showList(List::Folder);
    random_->clear();
    host_.hideGuides();
    const QString start = QString::fromStdString(
        host_.settings().readString("Options", "VTLStartDir", QCoreApplication::applicationDirPath().toStdString()));
    const QString folder = host_.chooseFolder(tr("Ordner mit Vortel-Dateien"), start);
    if (folder.isEmpty()) {
        standardButton_->click();
        return;
    }
    // Kept as chosen: folder names differ by case on this system.
    host_.settings().writeString("Options", "VTLStartDir", folder.toStdString());
    scanFolder(folder);
}

std::optional<QImage> StylePage::documentThumbnail(const QString& path) {
    try {
        if (const auto preview = ReadDocumentPreview(path.toStdString())) return controls::ToQImage(*preview);
    } catch (const std::exception&) {
        // A broken preview: the document itself is tried below.
    }
    const QFileInfo document(path);
    const QString sibling = document.dir().filePath(document.completeBaseName() + QStringLiteral(".bmp"));
    const QFileInfo cached(sibling);
    if (cached.exists() && cached.lastModified() > document.lastModified()) {
        try {
            return controls::ToQImage(loadImage(sibling.toStdString()));
        } catch (const std::exception&) {
            // An unreadable cache is made again below.
        }
    }
    if (!host_.openDocument(path, true)) return std::nullopt;
    const QSize size = folder_->thumbnailSize();
    const Bitmap thumbnail = presets::StretchBitmap(host_.picture(), size.width(), size.height());
    try {
        saveBmp(sibling.toStdString(), thumbnail);
    } catch (const std::exception&) {
        // A folder we may not write to: the thumbnail is made again next time.
    }
    return controls::ToQImage(thumbnail);
}

int StylePage::scanFolder(const QString& folder) {
    folder_->clear();
    scanning_ = true;
    scanInput_ = false;
    int added = 0;
    QStringList broken;
    QDirIterator files(folder, {QStringLiteral("*.vtl")}, QDir::Files);
    while (files.hasNext()) {
        const QString path = files.next();
        // A file that cannot be read is left out; the scan goes on with the others.
        std::optional<QImage> picture;
        try {
            picture = documentThumbnail(path);
        } catch (const std::exception&) {
        }
        if (picture) {
            folder_->addThumbnail(path, *picture);
            ++added;
        } else {
            broken << QFileInfo(path).fileName();
        }
        QApplication::processEvents();
        if (scanInput_) break;
    }
    scanning_ = false;
    if (!broken.isEmpty())
        host_.messages().status(1, tr("Nicht lesbar: %1").arg(broken.join(QStringLiteral(", "))).toStdString());
    return added;
}

bool StylePage::eventFilter(QObject* watched, QEvent* event) {
    if (scanning_ && (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress)) scanInput_ = true;
    return EffectPage::eventFilter(watched, event);
}

}  // namespace vortel::pages
