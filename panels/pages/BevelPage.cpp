#include "panels/pages/BevelPage.h"
#include "panels/pages/TransparencyDialog.h"
#include "panels/pages/ValueRows.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QColorDialog>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSlider>
#include <QVBoxLayout>
#include <qdrawutil.h>

#include "controls/Controls.h"
#include "controls/QtImages.h"
#include "panels/pages/BevelProfileEditor.h"
#include "panels/presets/PresetValues.h"

namespace vortel::pages {

namespace bp = bevelprofile;

namespace {

// The editor's square (at first; it follows the page's height) and the images beside it.
constexpr int EditorSize = 116, SideWidth = 18;
const char* const DegreeSign = "\xC2\xB0";

}  // namespace

// ------------------------------------------------------------------------------- BevelListBox

BevelListBox::BevelListBox(QWidget* parent)
    : PresetPictureList(QStringLiteral("Bevel_"), presets::BevelPresetCount, QSize(46, 43), parent) {
    setObjectName(QStringLiteral("BevelListBox"));
    setGround(&BevelListBox::ground);
}

QColor BevelListBox::ground(int index) { return index >= 8 ? QColor(0, 132, 66) : QColor(Qt::white); }

// ------------------------------------------------------------------------------- BevelPage

BevelPage::BevelPage(PageHost& host) : EffectPage(host, presets::Page::Bevel) {
    setObjectName(QStringLiteral("BevelPanel"));
    build();
}

void BevelPage::build() {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);

    list_ = new BevelListBox;
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (refreshing()) return;
        panels().ApplyBevelPreset(list_->row(item));
        engine().Modified = 1;
    });
    layout->addWidget(list_, 1);

    // The editor with the two ends of the bevel beside it.
    editorPanel_ = new QWidget;
    auto* editorLayout = new QHBoxLayout(editorPanel_);
    editorLayout->setContentsMargins(0, 0, 0, 0);
    editorLayout->setSpacing(0);
    leftSide_ = new controls::LeaveImage;
    leftSide_->setObjectName(QStringLiteral("LeftBevelImage"));
    leftSide_->setToolTip(tr("Background"));
    leftSide_->setFixedSize(SideWidth, EditorSize);
    editor_ = new controls::LeaveImage;
    editor_->setObjectName(QStringLiteral("BevelSegmentsImage"));
    editor_->setFixedSize(EditorSize, EditorSize);
    rightSide_ = new controls::LeaveImage;
    rightSide_->setObjectName(QStringLiteral("RightBevelImage"));
    rightSide_->setToolTip(tr("Character"));
    rightSide_->setFixedSize(SideWidth, EditorSize);
    editorLayout->addWidget(leftSide_);
    editorLayout->addWidget(editor_);
    editorLayout->addWidget(rightSide_);
    editorLayout->addStretch(1);
    editorPanel_->hide();
    layout->addWidget(editorPanel_, 1);
    connect(editor_, &controls::LeaveImage::mouseMoved, this, [this](QPoint p, Qt::MouseButtons) { editorMoved(p); });
    connect(editor_, &controls::LeaveImage::mousePressed, this, &BevelPage::editorPressed);
    connect(editor_, &controls::LeaveImage::mouseReleased, this, &BevelPage::editorReleased);
    connect(editor_, &controls::LeaveImage::mouseLeft, this, &BevelPage::editorLeft);

    auto* buttons = new QVBoxLayout;
    profileButton_ = new controls::SpeedButton(tr("Design"));
    profileButton_->setObjectName(QStringLiteral("BevelprofileSpeedButton"));
    profileButton_->setToolTip(tr("Bevel design"));
    profileButton_->setCheckable(true);
    connect(profileButton_, &QToolButton::clicked, this, [this](bool down) { showEditor(down); });
    randomButton_ = new controls::SpeedButton(tr("Random"));
    randomButton_->setObjectName(QStringLiteral("BevelRandomButton"));
    randomButton_->setToolTip(tr("Make random bevel"));
    connect(randomButton_, &QToolButton::clicked, this, [this] { randomClicked(); });
    buttons->addWidget(profileButton_);
    buttons->addWidget(randomButton_);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    // The four values: caption, track bar, edit box and, but for the angle, the step buttons.
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    static const char* const names[ValueCount] = {"Height", "Size", "AddPixel", "Angle"};
    const QString captions[ValueCount] = {tr("Height"), tr("Size"), tr("Add pixels"), tr("Angle")};
    const int ranges[ValueCount][2] = {{0, 1000}, {0, 200}, {0, 50}, {-180, 180}};
    for (int v = 0; v < ValueCount; ++v) {
        const ValueRow row = AddValueRow(grid, v, captions[v], QStringLiteral("Bevel"), QString::fromLatin1(names[v]), ranges[v][0], ranges[v][1], 52);
        captions_[v] = row.caption, bars_[v] = row.bar, edits_[v] = row.edit;
        const Value source = Value(v);
        connect(bars_[v], &QSlider::valueChanged, this, [this, source] { trackBarMoved(source); });
        connect(edits_[v], &QLineEdit::textEdited, this, [this] { editTyped(); });
    }
    for (int tag = 1; tag <= 6; ++tag) {
        auto* step = AddStepButton(grid, QStringLiteral("Bevel"), tag);
        connect(step, &QToolButton::clicked, this, [this, tag] { stepClicked(tag); });
        steps_[tag - 1] = step;
    }
    angleImage_ = new controls::TransparentImage;
    angleImage_->setObjectName(QStringLiteral("BevelAngleImage"));
    angleImage_->setToolTip(tr("Inverse"));
    angleImage_->setFixedSize(18, 18);
    connect(angleImage_, &controls::TransparentImage::clicked, this, [this](QPoint, Qt::MouseButton b) {
        if (b == Qt::LeftButton) flipInverse();
    });
    angleLabel_ = new QLabel;
    angleLabel_->setObjectName(QStringLiteral("BevelAngleLabel"));
    angleLabel_->setMinimumWidth(44);
    angleLabel_->setCursor(Qt::PointingHandCursor);
    angleLabel_->installEventFilter(this);
    grid->addWidget(angleImage_, Angle, 3);
    grid->addWidget(angleLabel_, Angle, 4, 1, 2);
    grid->setColumnStretch(1, 1);
    auto* values = new QVBoxLayout;
    values->addLayout(grid);
    values->addStretch(1);
    layout->addLayout(values, 1);

    // The segment menu.
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("BevelSegmentsPopupMenu"));
    addAction_ = menu_->addAction(tr("&Add new segment"), this, [this] { menuAdd(); });
    addAction_->setObjectName(QStringLiteral("AddSegmentMenu"));
    deleteAction_ = menu_->addAction(tr("&Delete segment"), this, [this] { menuDelete(); });
    deleteAction_->setObjectName(QStringLiteral("DeleteSegmentMenu"));
    segmentItems_ << deleteAction_ << menu_->addSeparator();
    auto* lineGroup = new QActionGroup(menu_);
    const QString lineTexts[3] = {tr("&Line"), tr("&Concave"), tr("Conve&x")};
    static const char* const lineNames[3] = {"LineMenu", "ConcaveMenu", "ConvexMenu"};
    for (int k = 0; k < 3; ++k) {
        lineActions_[k] = menu_->addAction(lineTexts[k], this, [this, k] { menuLineType(k + 1); });
        lineActions_[k]->setObjectName(QString::fromLatin1(lineNames[k]));
        lineActions_[k]->setCheckable(true);
        lineGroup->addAction(lineActions_[k]);
        segmentItems_ << lineActions_[k];
    }
    segmentItems_ << menu_->addSeparator();
    auto* fillGroup = new QActionGroup(menu_);
    const QString fillTexts[3] = {tr("&Text surface"), tr("&Background surface"), tr("C&olor...")};
    static const char* const fillNames[3] = {"TextSurfaceMenu", "BackgroundSurfaceMenu", "ColorMenu"};
    for (int k = 0; k < 3; ++k) {
        fillActions_[k] = menu_->addAction(fillTexts[k], this, [this, k] { menuFill(k); });
        fillActions_[k]->setObjectName(QString::fromLatin1(fillNames[k]));
        fillActions_[k]->setCheckable(true);
        fillGroup->addAction(fillActions_[k]);
        segmentItems_ << fillActions_[k];
    }
    segmentItems_ << menu_->addSeparator();
    // Shown with the segment's transparency.
    transparencyAction_ = menu_->addAction(tr("Transparenz...\t(%1 %)").arg(0), this, [this] {
        const int segment = menuSegment_;
        TransparencyDialog dialog(host_, segment, [this] {
            hint_ = false;
            drawEditor();
            if (shown()) host_.valueMoving(400);
        }, this);
        host_.execDialog(dialog);
    });
    transparencyAction_->setObjectName(QStringLiteral("TransparencyMenu"));
    segmentItems_ << transparencyAction_;
}

// ------------------------------------------------------------------------------- refresh

void BevelPage::refresh() {
    muted([&] {
        if (!list_->filled()) list_->fill();
        showValues(true);
        showInverse();
        // A preset just chosen stays selected; else none once the bevel was changed, preset 0 before.
        const int selected = panels().selectedBevel >= 0 ? panels().selectedBevel : engine().BevelChanged ? -1 : 0;
        list_->showSelected(selected);
    });
    if (editorShown()) {
        drawEditor();
        drawSides();
    }
}

void BevelPage::entered() {
    if (editorShown()) {
        drawEditor();
        drawSides();
    }
}

// The editor is as high as the page allows.
void BevelPage::resizeEvent(QResizeEvent* event) {
    EffectPage::resizeEvent(event);
    const int side = std::clamp(height() - 6, 60, 260);
    if (editor_->height() == side) return;
    editor_->setFixedSize(side, side);
    leftSide_->setFixedSize(SideWidth, side);
    rightSide_->setFixedSize(SideWidth, side);
    if (editorShown()) {
        drawEditor();
        drawSides();
    }
}

void BevelPage::setProfessional(bool on) {
    // The assistant offers the presets with height and size; the rest is for professionals.
    if (!on && editorShown()) showEditor(false);
    profileButton_->setVisible(on);
    randomButton_->setVisible(on);
    for (Value v : {AddPixel, Angle}) {
        captions_[v]->setVisible(on);
        bars_[v]->setVisible(on);
        edits_[v]->setVisible(on);
    }
    for (controls::SpeedButton* step : steps_) step->setVisible(on);
    angleImage_->setVisible(on);
    angleLabel_->setVisible(on);
}

void BevelPage::delayedRecalc() {
    refresh();
    render(addPixelMoved_);
    addPixelMoved_ = false;
}

// The picture again; the bevel's margin is measured anew when the added pixels changed.
void BevelPage::render(bool addPixelSource) {
    if (!shown()) return;
    if (addPixelSource || (lastAddPixel_ >= 0 && engine().Bevel.BevelAddPixel != lastAddPixel_)) engine().releaseTextMask();
    lastAddPixel_ = engine().Bevel.BevelAddPixel;
    ++renders_;
    host_.recalculate();
}

void BevelPage::showValues(bool edits) {
    const BevelParams& b = engine().Bevel;
    const int32_t values[ValueCount] = {b.BevelHeight, b.BevelSize, b.BevelAddPixel, b.BevelAngle};
    muted([&] {
        for (int v = 0; v < ValueCount; ++v) bars_[v]->setValue(values[v]);
        if (!edits) return;
        edits_[Height]->setText(QString::number(values[Height]));
        edits_[Size]->setText(QStringLiteral("%1%").arg(values[Size]));
        edits_[AddPixel]->setText(QString::number(values[AddPixel]));
        edits_[Angle]->setText(QString::number(values[Angle]) + QString::fromUtf8(DegreeSign));
    });
}

// The label says "Inverse" while the sign is negative; the image shows a raised or a sunken edge.
void BevelPage::showInverse() {
    const bool inverse = engine().Bevel.BevelInvert < 0;
    angleLabel_->setText(inverse ? tr("Inverse") : QString());
    QImage glyph = controls::DeviceImage(QSize(16, 16), devicePixelRatioF(), Qt::magenta);
    QPainter p(&glyph);
    p.fillRect(QRect(2, 2, 12, 12), QColor(160, 160, 160));
    qDrawShadePanel(&p, QRect(2, 2, 12, 12), palette(), inverse, 3);
    p.end();
    angleImage_->setImage(glyph, QColor(Qt::magenta));
}

// ------------------------------------------------------------------------------- values

void BevelPage::trackBarMoved(Value source) {
    if (refreshing()) return;
    engine().setBevelValues(bars_[Height]->value(), bars_[Size]->value(), bars_[AddPixel]->value(), bars_[Angle]->value());
    engine().Modified = 1;
    panels().selectedBevel = -1;
    showValues(true);
    addPixelMoved_ = addPixelMoved_ || source == AddPixel;
    if (shown()) host_.valueMoving(400);
}

void BevelPage::editTyped() {
    if (refreshing()) return;
    const auto read = presets::ParseBevelEdits(edits_[Height]->text().toStdString(), edits_[Size]->text().toStdString(),
                                               edits_[AddPixel]->text().toStdString(), edits_[Angle]->text().toStdString());
    if (!read) return;  // half typed: the last good values stay
    engine().setBevelValues(read->height, read->size, read->addPixel, read->angle);
    panels().selectedBevel = -1;
    showValues(false);
    render();
}

void BevelPage::stepClicked(int tag) {
    BevelParams b = engine().Bevel;
    presets::StepBevelValue(b, tag);
    engine().setBevelValues(b.BevelHeight, b.BevelSize, b.BevelAddPixel, b.BevelAngle);
    panels().selectedBevel = -1;
    showValues(true);
    render(tag == 5 || tag == 6);
}

void BevelPage::flipInverse() {
    QApplication::beep();
    int16_t& sign = engine().Bevel.BevelInvert;
    sign = sign == 0 ? int16_t(-1) : int16_t(std::clamp(-int(sign), -32767, 32767));
    engine().BevelChanged = true;
    engine().Modified = 1;
    showInverse();
    render();
}

bool BevelPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == angleLabel_ && event->type() == QEvent::MouseButtonPress) {
        flipInverse();
        return true;
    }
    return EffectPage::eventFilter(watched, event);
}

// ------------------------------------------------------------------------------- editor

bool BevelPage::editorShown() const { return profileButton_->isChecked(); }

void BevelPage::showEditor(bool on) {
    profileButton_->setDown(on);
    list_->setVisible(!on);
    editorPanel_->setVisible(on);
    if (!on) {
        dragging_ = 0;
        inserting_ = false;
        editor_->unsetCursor();
        panels().selectedBevel = -1;
        muted([&] {
            list_->clearSelection();
            list_->setCurrentRow(-1);
        });
        return;
    }
    if (!engine().Bevel.enabled()) {
        // No bevel yet: start from a flat line across at half height.
        StartFlatProfile(engine());
        showValues(true);
    }
    hint_ = true;
    drawEditor();
    drawSides();
}

static bp::SurfaceColors surfaceColors(const TFontFX& engine) {
    return {bp::RepresentativeColor(engine.TextFill), bp::RepresentativeColor(engine.BackFill)};
}

void BevelPage::drawEditor(int preview, QPoint previewAt) {
    editor_->setImage(bp::DrawProfile(engine().Bevel, editor_->size(), surfaceColors(engine()),
                                      hint_ ? tr("Hier mit rechter Maustaste klicken") : QString(), preview, previewAt,
                                      editor_->devicePixelRatioF()));
}

void BevelPage::drawSides() {
    const bp::SurfaceColors colours = surfaceColors(engine());
    leftSide_->setImage(bp::DrawSide(leftSide_->size(), colours.background, tr("Background"), leftSide_->devicePixelRatioF()));
    rightSide_->setImage(bp::DrawSide(rightSide_->size(), colours.text, tr("Character"), rightSide_->devicePixelRatioF()));
}

void BevelPage::storeProfile(const BevelParams& edited) {
    engine().setBevelProfile(edited.Points, edited.SegmentCount);
    engine().Modified = 1;
    panels().selectedBevel = -1;
    hint_ = false;
    drawEditor();
    // The picture follows the profile once the editing pauses.
    if (shown()) host_.valueMoving(400);
}

void BevelPage::showPointStatus(int index, QPoint unit) {
    host_.messages().status(1, tr("Punkt %1, %2%, %3%")
                                   .arg(index)
                                   .arg(qRound(unit.x() / 10.0))
                                   .arg(qRound(unit.y() / 10.0))
                                   .toStdString());
}

void BevelPage::editorMoved(QPoint position) {
    const bp::Geometry g{editor_->size()};
    const BevelParams& b = engine().Bevel;
    if (dragging_) {
        const QPoint unit = bp::ClampDrag(b, dragging_, QPoint(g.unitX(position.x()), g.unitY(position.y())));
        drawEditor(dragging_, g.toPixel(unit.x(), unit.y()));
        showPointStatus(dragging_, unit);
        const BevelParams edited = draggedProfile(dragging_, position);
        if (shown()) host_.previewChange([edited](TFontFX& e) { e.setBevelProfile(edited.Points, edited.SegmentCount); });
        return;
    }
    if (inserting_) return;
    if (const int point = bp::HitPoint(b, g, position)) {
        editor_->setCursor(Qt::SizeAllCursor);
        showPointStatus(point, QPoint(b.Points[point].X, b.Points[point].Y));
    } else {
        editor_->unsetCursor();
        host_.messages().status(1, std::string());
    }
}

void BevelPage::editorPressed(QPoint position, Qt::MouseButton button) {
    const bp::Geometry g{editor_->size()};
    if (button == Qt::RightButton) {
        if (!dragging_) openMenu(position);
        return;
    }
    if (button != Qt::LeftButton || dragging_) return;
    if (inserting_) {
        inserting_ = false;
        editor_->unsetCursor();
        BevelParams b = engine().Bevel;
        if (bp::InsertPoint(b, QPoint(g.unitX(position.x()), g.unitY(position.y())))) storeProfile(b);
        else drawEditor();
        return;
    }
    if (const int point = bp::HitPoint(engine().Bevel, g, position)) {
        dragging_ = point;
        editorMoved(position);
        return;
    }
    host_.messages().status(1, tr("Bitte mit rechts klicken, um den Linientyp zu ändern").toStdString());
}

void BevelPage::editorReleased(QPoint position, Qt::MouseButton button) {
    if (!dragging_ || (button != Qt::LeftButton && button != Qt::RightButton)) return;
    const int index = dragging_;
    dragging_ = 0;
    const BevelParams b = draggedProfile(index, position);
    storeProfile(b);
    showPointStatus(index, QPoint(b.Points[index].X, b.Points[index].Y));
}

// The profile with point `index` released at `position` of the editor.
BevelParams BevelPage::draggedProfile(int index, QPoint position) const {
    const bp::Geometry g{editor_->size()};
    BevelParams b = host_.engine().Bevel;
    const QPoint unit = bp::ClampDrag(b, index, QPoint(g.unitX(position.x()), g.unitY(position.y())));
    b.Points[index].X = unit.x();
    b.Points[index].Y = unit.y();
    // The end pulled in from the right edge: a new segment carries the profile on to the edge.
    if (index == b.SegmentCount && g.toPixel(unit.x(), unit.y()).x() < editor_->width() - 30) bp::AppendToEdge(b, unit.y());
    return b;
}

void BevelPage::editorLeft() {
    if (dragging_ || inserting_) return;
    editor_->unsetCursor();
}

void BevelPage::openMenu(QPoint position) {
    const bp::Geometry g{editor_->size()};
    const BevelParams& b = engine().Bevel;
    menuPoint_ = bp::HitPoint(b, g, position);
    menuSegment_ = bp::SegmentUnder(b, g, position);
    const bool segment = menuSegment_ >= 1 && menuSegment_ <= b.SegmentCount;
    addAction_->setVisible(!segment);
    for (QAction* item : segmentItems_) item->setVisible(segment);
    if (segment) {
        const BevelPoint& p = b.Points[menuSegment_];
        for (int k = 0; k < 3; ++k) {
            lineActions_[k]->setChecked(p.SegmentType == k + 1);
            fillActions_[k]->setChecked(p.ColorMode == k);
        }
        transparencyAction_->setText(tr("Transparenz...\t(%1 %)").arg(p.Transparency));
    }
    menu_->popup(editor_->mapToGlobal(position));
}

void BevelPage::menuAdd() {
    engine().BevelChanged = true;
    inserting_ = true;
    editor_->setCursor(Qt::CrossCursor);
}

void BevelPage::menuDelete() {
    BevelParams b = engine().Bevel;
    if (bp::DeleteSegment(b, menuPoint_, menuSegment_)) storeProfile(b);
}

void BevelPage::menuLineType(int type) {
    BevelParams b = engine().Bevel;
    if (menuSegment_ < 1 || menuSegment_ > b.SegmentCount) return;
    b.Points[menuSegment_].SegmentType = static_cast<uint8_t>(type);
    storeProfile(b);
}

void BevelPage::menuFill(int fill) {
    BevelParams b = engine().Bevel;
    if (menuSegment_ < 1 || menuSegment_ > b.SegmentCount) return;
    BevelPoint& p = b.Points[menuSegment_];
    p.ColorMode = static_cast<uint8_t>(fill);
    if (fill == 2) {
        const ColorRef c = p.Color;
        QColorDialog dialog(QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)), this);
        const QColor chosen = host_.execDialog(dialog) == QDialog::Accepted ? dialog.selectedColor() : QColor(Qt::white);
        p.Color = ColorRef(chosen.red()) | ColorRef(chosen.green()) << 8 | ColorRef(chosen.blue()) << 16;
    }
    storeProfile(b);
}

void BevelPage::randomClicked() {
    if (!editorShown()) showEditor(true);
    hint_ = false;
    panels().RandomBevelProfile(presets::ClockSeed());
    muted([&] {
        list_->clearSelection();
        list_->setCurrentRow(-1);
    });
    drawEditor();
}

}  // namespace vortel::pages
