#include "panels/pages/FramePage.h"

#include <algorithm>

#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <QtMath>

#include "controls/Controls.h"
#include "controls/QtImages.h"
#include "panels/pages/ColorListBox.h"
#include "panels/pages/NumberCombo.h"
#include "panels/pages/SurfaceWidgets.h"

namespace vortel::pages {

namespace {

const QColor GlyphKey(236, 236, 236);

// Made for the screen's device pixels; drawn on in layout pixels.
QImage blankGlyph() { return controls::DeviceImage(QSize(22, 18), controls::ScreenRatio(), GlyphKey); }

// The height: a raised edge with an arrow up and down beside it.
QImage heightGlyph() {
    QImage glyph = blankGlyph();
    QPainter p(&glyph);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(150, 150, 150));
    p.drawPolygon(QPolygonF({QPointF(1, 16), QPointF(5, 5), QPointF(12, 5), QPointF(16, 16)}));
    p.drawLine(QPointF(19.5, 2), QPointF(19.5, 16));
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygonF({QPointF(17, 5), QPointF(19.5, 1.5), QPointF(22, 5)}));
    p.drawPolygon(QPolygonF({QPointF(17, 13), QPointF(19.5, 16.5), QPointF(22, 13)}));
    return glyph;
}

// The point count: a jagged edge with a dot on every point.
QImage pointsGlyph() {
    QImage glyph = blankGlyph();
    QPainter p(&glyph);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    const QPointF points[] = {{1, 14}, {5, 4}, {9, 12}, {13, 3}, {17, 13}, {21, 5}};
    p.drawPolyline(points, 6);
    p.setBrush(Qt::black);
    for (const QPointF& point : points) p.drawEllipse(point, 1.3, 1.3);
    return glyph;
}

}  // namespace

FramePage::FramePage(PageHost& host) : EffectPage(host, presets::Page::Frame) {
    setObjectName(QStringLiteral("FramePanel"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);

    list_ = new PresetPictureList(QStringLiteral("Frame_"), presets::FramePresetCount, QSize(60, 43));
    list_->setObjectName(QStringLiteral("FrameListBox"));
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (!refreshing()) presetClicked(list_->row(item));
    });
    layout->addWidget(list_, 1);

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    sizeCaption_ = new QLabel(tr("Size"));
    size_ = MakeNumberCombo("FrameBGSizeComboBox", {QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("15"),
                                                    QStringLiteral("20"), QStringLiteral("25"), QStringLiteral("30"),
                                                    QStringLiteral("40"), QStringLiteral("50"), QStringLiteral("60"),
                                                    QStringLiteral("80"), QStringLiteral("100")});
    sizeCaption_->setBuddy(size_);
    size_->setToolTip(tr("Frame size"));
    grid->addWidget(sizeCaption_, 0, 0);
    grid->addWidget(size_, 0, 1);

    heightImage_ = new controls::TransparentImage;
    heightImage_->setObjectName(QStringLiteral("FrameBGHeightImage"));
    heightImage_->setImage(heightGlyph());
    heightImage_->setToolTip(tr("Height"));
    pointsImage_ = new controls::TransparentImage;
    pointsImage_->setObjectName(QStringLiteral("FrameBGPointsImage"));
    pointsImage_->setImage(pointsGlyph());
    pointsImage_->setToolTip(tr("Points"));
    QStringList counts;
    for (int n = 10; n <= 80; n += 10) counts << QString::number(n);
    points_ = MakeNumberCombo("FrameBGPointsComboBox", counts);
    auto* pictures = new QHBoxLayout;
    pictures->setContentsMargins(0, 0, 0, 0);
    pictures->addWidget(heightImage_);
    pictures->addWidget(pointsImage_);
    pictures->addStretch(1);
    grid->addLayout(pictures, 1, 0);
    grid->addWidget(points_, 1, 1);

    colors_ = new ColorListBox;
    colors_->setObjectName(QStringLiteral("FrameBGColorComboBox"));
    colors_->setToolTip(tr("Frame color"));
    colors_->askColor = [this](ColorRef current) -> std::optional<ColorRef> {
        QColorDialog dialog(RefColor(current), this);
        dialog.setOption(QColorDialog::DontUseNativeDialog);
        if (host_.execDialog(dialog) != QDialog::Accepted) return std::nullopt;
        return ColorOf(dialog.currentColor());
    };
    grid->addWidget(colors_, 2, 0, 1, 2);
    grid->setColumnStretch(2, 1);

    OnNumberChosen(size_, this, [this] {
        if (!refreshing()) valueChanged();
    });
    OnNumberChosen(points_, this, [this] {
        if (!refreshing()) valueChanged();
    });
    connect(colors_, &ColorListBox::colorChosen, this, [this] {
        if (!refreshing()) valueChanged();
    });

    auto* values = new QVBoxLayout;
    values->addLayout(grid);
    values->addStretch(1);
    layout->addLayout(values, 1);
}

void FramePage::setProfessional(bool on) {
    // The assistant offers the presets and the colour; size, height and points are for professionals.
    professional_ = on;
    showControls();
}

void FramePage::showControls() {
    const int kind = engine().Frame.FrameKind;
    sizeCaption_->setVisible(professional_);
    size_->setVisible(professional_);
    heightImage_->setVisible(professional_ && showsHeight(kind));
    pointsImage_->setVisible(professional_ && showsPoints(kind));
    points_->setVisible(professional_ && (showsHeight(kind) || showsPoints(kind)));
    colors_->setVisible(showsColor(kind));
}

void FramePage::refresh() {
    muted([&] {
        if (!list_->filled()) list_->fill();
        list_->showSelected(panels().selectedFrame);
        const FrameParams& f = engine().Frame;
        ShowNumber(size_, QString::number(f.FrameWidth));
        if (showsHeight(f.FrameKind)) ShowNumber(points_, QString::number(f.FrameHeight));
        if (showsPoints(f.FrameKind)) ShowNumber(points_, QString::number(f.FramePoints));
        colors_->showColor(f.FrameColor);
        showControls();
    });
}

FrameParams FramePage::read() const {
    FrameParams f = const_cast<FramePage*>(this)->engine().Frame;
    f.FrameWidth = std::max(NumberOf(size_), 0);
    f.FrameColor = colors_->color();
    return f;
}

// The kind and a new time stamp come from the preset; size and colour are read from the controls.
// The points combo shows the height or the point count the engine holds for the new kind, so
// reading it back changes nothing; while it is hidden it writes nothing.
void FramePage::presetClicked(int index) {
    if (index < 0 || index >= presets::FramePresetCount) return;
    engine().setFrame(read());
    // Chosen twice within one millisecond, a preset still gets a stamp of its own.
    int32_t stamp = presets::TickCount();
    if (stamp == engine().Frame.FrameSeed) ++stamp;
    panels().ApplyFramePreset(index, stamp);
    engine().Modified = 1;
}

void FramePage::valueChanged() {
    FrameParams f = read();
    const int32_t value = std::max(NumberOf(points_), 0);
    if (showsHeight(f.FrameKind)) f.FrameHeight = value;
    if (showsPoints(f.FrameKind)) f.FramePoints = value;
    engine().setFrame(f);
    changedRedraw();
}

}  // namespace vortel::pages
