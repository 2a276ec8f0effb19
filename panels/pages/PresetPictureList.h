#pragma once
// A preset list of stock pictures in two rows, scrolling sideways: the lists of the Bevel,
// Outline, Shadow and Frame pages.
#include <functional>

#include <QListWidget>

namespace vortel::pages {

// A bitmap of the stock-image library as a QImage; null when it is not there. Above a ratio of 1
// the twice-as-large twin, marked with a device pixel ratio of 2 (controls::StockImage).
QImage StockPicture(const QString& name, qreal ratio = 1);

// Entries are "<prefix>01" .. "<prefix>NN", each drawn on its ground with white left out of the
// picture and a sunken edge round the selected one; an entry whose picture is missing shows its
// name. The cells keep the pictures' proportions and share the client height in two rows.
class PresetPictureList : public QListWidget {
    Q_OBJECT
public:
    PresetPictureList(const QString& prefix, int count, QSize picture, QWidget* parent = nullptr);
    // Loads the pictures (done once, when the page first needs them), for the list's screen.
    void fill();
    // The picture entry `row` is drawn from.
    QImage picture(int row) const;
    bool filled() const { return filled_; }
    // The ground each entry is drawn on (white unless set).
    void setGround(std::function<QColor(int index)> ground) { ground_ = std::move(ground); }
    QColor groundOf(int index) const { return ground_ ? ground_(index) : QColor(Qt::white); }
    // Selects `index` without a click; -1 or an index outside the list selects nothing.
    void showSelected(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitRows();
    QString prefix_;
    int count_;
    QSize picture_;
    bool filled_ = false;
    std::function<QColor(int)> ground_;
};

}  // namespace vortel::pages
