#pragma once
// The two distribution curves that spread the letters along the guides (horizontal curve) and
// across them (vertical curve), each editable by dragging its points, and a preview of the text.
#include <QDialog>
#include <QWidget>
#include <optional>

#include "panels/pages/EffectPage.h"

class QPushButton;

namespace vortel::app {

// One curve in units of -500..500, y upwards, drawn so that -505..505 spans the image.
class CurveImage : public QWidget {
    Q_OBJECT
public:
    CurveImage(pages::PageHost& host, bool horizontal, QWidget* parent = nullptr);
    std::vector<Point>& curve();
    // The curve point within 50 units of an image position, or -1.
    int hit(QPoint position) const;
    // Curve units of an image position.
    Point unitsAt(QPoint position) const;
    QPointF pixelOf(Point unit) const;
    bool dragging() const { return dragged_ >= 0; }

signals:
    // A point was moved and stored.
    void curveChanged();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    pages::PageHost& host_;
    bool horizontal_;
    int dragged_ = -1;
    QPoint dragAt_;  // the last position inside the image while dragging
};

class CharDeformDialog : public QDialog {
    Q_OBJECT
public:
    explicit CharDeformDialog(pages::PageHost& host, QWidget* parent = nullptr);
    CurveImage* xImage() const { return x_; }
    CurveImage* yImage() const { return y_; }
    // The text preview as drawn when the dialog opened.
    const QImage& textPreview() const { return text_; }

private:
    void drawText();

    pages::PageHost& host_;
    CurveImage* x_ = nullptr;
    CurveImage* y_ = nullptr;
    QWidget* textImage_ = nullptr;
    QImage text_;
};

}  // namespace vortel::app
