#include "app/CharDeformDialog.h"

#include <QFontMetricsF>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "controls/QtImages.h"

namespace vortel::app {
namespace {

constexpr int HitDistance = 50;  // units
constexpr double MarkerRadius = 3.0;

// Shows a fixed picture.
class PictureBox : public QWidget {
public:
    PictureBox(const QImage& picture, QWidget* parent) : QWidget(parent), picture_(picture) {}

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, picture_); }

private:
    const QImage& picture_;
};

}  // namespace

CurveImage::CurveImage(pages::PageHost& host, bool horizontal, QWidget* parent)
    : QWidget(parent), host_(host), horizontal_(horizontal) {
    setObjectName(horizontal ? QStringLiteral("XImage") : QStringLiteral("YImage"));
    setFixedSize(200, 200);
    setMouseTracking(true);
}

std::vector<Point>& CurveImage::curve() { return horizontal_ ? host_.engine().HorzCurve : host_.engine().VertCurve; }

Point CurveImage::unitsAt(QPoint position) const {
    return Point{int32_t(std::lround(1000.0 * position.x() / width())) - 500,
                 500 - int32_t(std::lround(1000.0 * position.y() / height()))};
}

QPointF CurveImage::pixelOf(Point unit) const {
    return QPointF((unit.x + 505) * width() / 1010.0, (505 - unit.y) * height() / 1010.0);
}

int CurveImage::hit(QPoint position) const {
    const Point at = unitsAt(position);
    const std::vector<Point>& points = const_cast<CurveImage*>(this)->curve();
    int best = -1;
    double bestDistance = HitDistance;
    for (size_t i = 0; i < points.size(); ++i) {
        const double d = std::hypot(double(points[i].x) - at.x, double(points[i].y) - at.y);
        if (d < bestDistance) best = int(i), bestDistance = d;
    }
    return best;
}

void CurveImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    std::vector<QPointF> line;
    for (const Point& unit : curve()) line.push_back(pixelOf(unit));
    if (dragged_ >= 0 && size_t(dragged_) < line.size()) line[size_t(dragged_)] = QPointF(dragAt_);
    p.setPen(QPen(Qt::black, 1));
    p.drawPolyline(line.data(), int(line.size()));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 255, 0));
    for (const QPointF& at : line) p.drawEllipse(at, MarkerRadius, MarkerRadius);
    if (dragged_ >= 0) {
        // The point being dragged and its two segments.
        p.setPen(QPen(Qt::red, 1));
        p.setBrush(Qt::NoBrush);
        const size_t i = size_t(dragged_);
        if (i > 0) p.drawLine(line[i - 1], line[i]);
        if (i + 1 < line.size()) p.drawLine(line[i], line[i + 1]);
        p.drawEllipse(line[i], MarkerRadius + 1, MarkerRadius + 1);
    }
}

void CurveImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) return;
    dragged_ = hit(event->position().toPoint());
    if (dragged_ >= 0) {
        dragAt_ = pixelOf(curve()[size_t(dragged_)]).toPoint();
        update();
    }
}

void CurveImage::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (dragged_ < 0) {
        setCursor(hit(at) >= 0 ? Qt::CrossCursor : Qt::ArrowCursor);
        return;
    }
    // Outside the image the point stays where the mouse last was inside.
    if (!rect().contains(at)) return;
    dragAt_ = at;
    update();
}

void CurveImage::mouseReleaseEvent(QMouseEvent* event) {
    if (dragged_ < 0 || (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)) return;
    std::vector<Point>& points = curve();
    const size_t i = size_t(dragged_);
    dragged_ = -1;
    if (i < points.size()) {
        const Point moved = unitsAt(dragAt_);
        if (moved.x != points[i].x || moved.y != points[i].y) {
            points[i] = moved;
            // The letters' masks follow the outline only when it is built anew.
            host_.engine().releaseTextMask();
            host_.engine().Modified = 1;
            update();
            emit curveChanged();
            return;
        }
    }
    update();
}

CharDeformDialog::CharDeformDialog(pages::PageHost& host, QWidget* parent) : QDialog(parent), host_(host) {
    setObjectName(QStringLiteral("CharDeformForm"));
    setWindowTitle(tr("Zeichen verformen"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    x_ = new CurveImage(host, true, this);
    y_ = new CurveImage(host, false, this);
    x_->setToolTip(tr("Verteilung der Zeichen entlang der Begrenzungslinien"));
    y_->setToolTip(tr("Verteilung der Zeichen quer zu den Begrenzungslinien"));
    text_ = controls::DeviceImage(QSize(410, 80), controls::ScreenRatio(), Qt::white);
    textImage_ = new PictureBox(text_, this);
    textImage_->setObjectName(QStringLiteral("TextImage"));
    textImage_->setFixedSize(text_.deviceIndependentSize().toSize());
    auto* show = new QPushButton(tr("Show"), this);
    show->setObjectName(QStringLiteral("Button1"));
    connect(show, &QPushButton::clicked, this, [this] {
        x_->update();
        y_->update();
    });
    for (CurveImage* image : {x_, y_})
        connect(image, &CurveImage::curveChanged, this, [this] { host_.recalculate(); });

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("Horizontal"), this), 0, 0);
    grid->addWidget(new QLabel(tr("Vertikal"), this), 0, 1);
    grid->addWidget(x_, 1, 0);
    grid->addWidget(y_, 1, 1);
    grid->addWidget(textImage_, 2, 0, 1, 2);
    grid->addWidget(show, 3, 1, Qt::AlignRight);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    drawText();
}

void CharDeformDialog::drawText() {
    text_.fill(Qt::white);
    const TFontFX& e = host_.engine();
    QFont font(QString::fromStdString(e.Font.faceName()));
    font.setPixelSize(50);
    font.setWeight(QFont::Weight(std::clamp(e.Font.lfWeight == 0 ? 400 : e.Font.lfWeight, 1, 1000)));
    font.setItalic(e.Font.lfItalic != 0);
    const QString text = QString::fromStdString(e.Text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const int align = (e.TextFormat & 3) == 1 ? Qt::AlignHCenter : (e.TextFormat & 3) == 2 ? Qt::AlignRight : Qt::AlignLeft;
    // Measured at a height of 50, then stretched to fill the preview both ways.
    const QRectF measured = QFontMetricsF(font).boundingRect(QRectF(0, 0, 1e6, 1e6), align, text);
    if (measured.width() <= 0 || measured.height() <= 0) return;
    QPainter p(&text_);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QSizeF area = text_.deviceIndependentSize();  // layout pixels; the painter adds the device ratio
    p.scale(area.width() / measured.width(), area.height() / measured.height());
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRectF(0, 0, measured.width(), measured.height()), align, text);
}

}  // namespace vortel::app
