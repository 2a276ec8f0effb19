#pragma once
// The Style page: three lists in one place with the buttons that choose among them. The main
// styles (a grid of complete effects), the history of random effects (one thumbnail a seed; a
// click re-creates the effect from its seed) and the documents of a folder (a click opens one).
// The slide show of random effects belongs to the page.
#include <QListWidget>
#include <optional>

#include "panels/pages/EffectPage.h"

class QStackedWidget;

namespace vortel::controls {
class PresetGrid;
class SpeedButton;
}  // namespace vortel::controls

namespace vortel::pages {

class SlideShow;

// The random and the folder list: thumbnails in a fixed number of columns, each entry's text (a
// seed or a path) kept as its data and shown as its hint.
class ThumbnailList : public QListWidget {
    Q_OBJECT
public:
    static constexpr int Columns = 7;
    static constexpr int ItemHeight = 40;
    explicit ThumbnailList(QWidget* parent = nullptr);
    // The size a thumbnail is made at: the width of a column and the item height less 2.
    QSize thumbnailSize() const;
    void addThumbnail(const QString& text, const QImage& picture);
    QString entryText(int row) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitGrid();
};

class StylePage : public EffectPage {
    Q_OBJECT
public:
    enum class List { Styles, Random, Folder };

    explicit StylePage(PageHost& host, QWidget* parent = nullptr);
    ~StylePage() override;
    void refresh() override;

    void showList(List list);
    List shownList() const;
    // Start-up: no main style selected, the grid has the focus.
    void focusStyles();

    // Generates a random effect from `seed` or a fresh one. A fresh seed adds an entry with its
    // thumbnail to the random list and selects it (unless `addEntry` is false: the screen saver).
    uint32_t generateRandom(std::optional<uint32_t> seed, bool addEntry = true);
    // StyleStandardSpeedButton: the grid to the front, both other lists cleared, guides off.
    void standardClicked();
    // StyleDirSpeedButton: asks for a folder and shows its documents.
    void browseFolder();
    // Adds an entry for every document of `folder`; stops early when a key or mouse button is
    // pressed. Returns the number of entries added.
    int scanFolder(const QString& folder);

    QListWidget* styleList() const;
    ThumbnailList* randomList() const { return random_; }
    ThumbnailList* folderList() const { return folder_; }
    controls::SpeedButton* randomButton() const { return randomButton_; }
    SlideShow* slideShow() const { return show_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void styleClicked(int row);
    void randomClicked(int row);
    void folderClicked(int row);
    void randomButtonClicked();
    // The document's thumbnail: its stored preview, the sibling bitmap, or the document opened.
    std::optional<QImage> documentThumbnail(const QString& path);
    void reportError(const std::exception& e);

    QStackedWidget* stack_ = nullptr;
    controls::PresetGrid* styles_ = nullptr;
    ThumbnailList* random_ = nullptr;
    ThumbnailList* folder_ = nullptr;
    controls::SpeedButton* standardButton_ = nullptr;
    controls::SpeedButton* randomButton_ = nullptr;
    controls::SpeedButton* dirButton_ = nullptr;
    SlideShow* show_ = nullptr;
    bool scanning_ = false;
    bool scanInput_ = false;  // a key or mouse button was pressed during the folder scan
};

}  // namespace vortel::pages
