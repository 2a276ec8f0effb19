#pragma once
// Small pieces of the Surface page: the colour swatch with its raised edge, the pictures of the
// kind and style buttons, and the conversions between the engine's bitmaps and Qt images.
#include <QImage>
#include <QWidget>

#include "engine/EffectParams.h"
#include "platform/Bitmap.h"

class QLabel;

namespace vortel::pages {

QColor RefColor(ColorRef color);
ColorRef ColorOf(const QColor& color);

// The label text of a colour picker: "R %d\rG %d\rB %d" with line breaks.
QString RgbText(const QColor& color);

// A colour field: a raised edge round the client area, the colour 4 pixels inside it. A click
// asks for the colour dialog.
class ColorSwatch : public QWidget {
    Q_OBJECT
public:
    explicit ColorSwatch(QWidget* parent = nullptr);
    void setColor(const QColor& color);
    QColor color() const { return color_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor color_ = Qt::white;
};

// The kind buttons' glyphs: colour, gradient and texture, each drawn for the text surface (a
// filled letter) or the background (a filled field behind a white letter). The bottom-left pixel
// holds the colour the buttons leave out.
enum class KindGlyph { Color, Gradient, Texture, Imprint };
QImage SurfaceKindGlyph(KindGlyph kind, bool background);

// The glyph of gradient style 1 .. 5, drawn by the renderer's own gradient with three colours;
// style 0 is the button that closes the style panel.
QImage GradientStyleGlyph(int style);

// The glyphs of the list buttons: a folder, the texture adjustment and the imprint inversion.
QImage FolderGlyph();
QImage AdjustGlyph();
QImage InvertGlyph();
QImage ReverseGlyph();

}  // namespace vortel::pages
