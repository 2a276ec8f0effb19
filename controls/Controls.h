#pragma once
// The program's own small widgets: a flat speed button, an image that reports the mouse leaving
// it, an image drawn with one colour left out, and a page control whose tabs carry glyphs.
#include <optional>

#include <QColor>
#include <QImage>
#include <QTabWidget>
#include <QToolButton>
#include <QWidget>

class QButtonGroup;
class QLabel;

namespace vortel::controls {

// A flat button that shows its frame only under the mouse or while it is down. Buttons that share
// a group number (and a parent) form a radio group: pressing one releases the others; with
// `allowAllUp` a pressed button of the group can be released again.
class SpeedButton : public QToolButton {
    Q_OBJECT
public:
    explicit SpeedButton(const QString& text = {}, QWidget* parent = nullptr);
    SpeedButton(const QImage& glyph, const QString& hint, QWidget* parent = nullptr);
    void setGroup(int group, bool allowAllUp = false);
    int group() const { return group_; }
    // Down without emitting clicked().
    void setDown(bool down);
    bool isDown() const { return isChecked(); }
    void setGlyph(const QImage& glyph);
    // The value a handler uses to tell buttons apart.
    int tag = 0;

private:
    int group_ = 0;
    bool allowAllUp_ = false;
};

// An image with mouse reports: every move, presses, and when the mouse leaves it. Colour pickers
// show the colour under the mouse while it moves and the stored one again when it leaves; the two
// references name the label and the swatch such a picker updates.
class LeaveImage : public QWidget {
    Q_OBJECT
public:
    explicit LeaveImage(QWidget* parent = nullptr);
    // The picture, drawn stretched over the whole control; `shown`, when given, is drawn in its
    // place (the same picture made for the screen's device pixels) while colours are still read
    // off `image`.
    void setImage(const QImage& image, const QImage& shown = QImage());
    const QImage& image() const { return image_; }
    const QImage& shownImage() const { return shown_.isNull() ? image_ : shown_; }
    // The colour of the picture under a position of the control (the picture as drawn).
    QColor colorAt(QPoint position) const;
    QLabel* rgbLabel = nullptr;
    QWidget* rgbPaintbox = nullptr;
    // Draw a sunken edge round the picture.
    void setSunken(bool sunken);

signals:
    void mouseMoved(QPoint position, Qt::MouseButtons buttons);
    void mousePressed(QPoint position, Qt::MouseButton button);
    void mouseReleased(QPoint position, Qt::MouseButton button);
    void mouseLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QImage image_;
    QImage shown_;
    bool sunken_ = false;
};

// A picture drawn with one colour left out (the glyph's background), so what lies under the
// control shows through. The transparent colour is the picture's bottom-left pixel unless set.
class TransparentImage : public QWidget {
    Q_OBJECT
public:
    explicit TransparentImage(QWidget* parent = nullptr);
    void setImage(const QImage& image, std::optional<QColor> transparent = std::nullopt);
    const QImage& image() const { return shown_; }
    QSize sizeHint() const override;

signals:
    void clicked(QPoint position, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage shown_;  // ARGB with the transparent colour's pixels cleared
};

// The picture of `image` with every pixel of `colour` made fully transparent.
QImage WithTransparentColor(const QImage& image, QColor colour);

// A page control whose tabs carry a glyph before their caption (the glyph's bottom-left colour is
// left out, as the old glyphs were drawn on a background colour).
class GlyphTabWidget : public QTabWidget {
    Q_OBJECT
public:
    explicit GlyphTabWidget(QWidget* parent = nullptr);
    void setTabGlyph(int index, const QImage& glyph);
};

}  // namespace vortel::controls
