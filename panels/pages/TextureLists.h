#pragma once
// The picture lists of the Surface page: the textures (thumbnails of 60 x 40), the assistant's
// simple list (the same thumbnails) and the imprints (each picture tiled over its item). Entries
// run down columns of three rows and the list scrolls sideways. Pictures are made in entry order
// by a timer, never while painting: an item whose picture is not there yet says so and asks for
// it, and every item before it is made first.
#include <QListWidget>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Bitmap.h"

namespace vortel::pages {

// A texture thumbnail: 60 x 40, the picture's top-left corner at full size, or the picture tiled
// from the top-left corner when it is narrower or lower than that. At a `scale` of 2 it is twice as
// wide and high, for a screen of two device pixels a pixel: the picture keeps a device pixel a
// pixel there, as in the image view.
inline constexpr int ThumbWidth = 60, ThumbHeight = 40;
Bitmap TextureThumbnail(const Bitmap& picture, int scale = 1);

// The picture files of a folder as the texture and imprint lists take them: *.bmp, then *.jpg,
// then *.gif, then *.png (extensions in any case), full paths; `sorted` sorts them all by name,
// otherwise each kind is in name order after the one before.
std::vector<std::string> FolderPictureFiles(const std::string& folder, bool sorted);

class PictureList : public QListWidget {
    Q_OBJECT
public:
    enum class Look { Thumbnail, Tiled };
    // Loads entry `row` into a picture; on failure the loader has taken the entry out of the list
    // it keeps and returns nothing, and the row leaves this list too.
    using Loader = std::function<std::optional<Bitmap>(int row)>;
    PictureList(Look look, int columns, QWidget* parent = nullptr);

    void setLoader(Loader loader) { loader_ = std::move(loader); }
    // New entries; the pictures are made again when they are shown.
    void setEntries(const std::vector<std::string>& entries);
    const std::vector<std::string>& entries() const { return entries_; }
    // An entry whose picture could not be read leaves the list.
    void removeEntry(int row);
    // Selects the entry with this text, if there is one; false otherwise.
    bool selectEntry(const std::string& text);

    // Pictures made so far, in entry order (row i's picture is picture(i)).
    int pictureCount() const { return int(pictures_.size()); }
    const QImage& picture(int row) const { return pictures_[size_t(row)]; }
    // The picture of `row` and of every row before it are made, one after the other.
    void requestPicture(int row);
    // The rows whose items were painted with the waiting text, in order (for the tests).
    int waitingPaints() const { return waitingPaints_; }
    int itemHeight() const { return itemHeight_; }

signals:
    void entryChosen(int row);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class PictureDelegate;
    void fitItems();
    void makeNext();
    QImage makePicture(int row, const Bitmap& loaded) const;

    Look look_;
    int columns_;
    int itemHeight_ = 40;
    Loader loader_;
    std::vector<std::string> entries_;
    std::vector<QImage> pictures_;
    int wanted_ = -1;  // the highest row asked for
    int waitingPaints_ = 0;
    QTimer maker_;
};

}  // namespace vortel::pages
