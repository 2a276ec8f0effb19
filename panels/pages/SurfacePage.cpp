#include "panels/pages/SurfacePage.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTimer>

#include "controls/QtImages.h"
#include "panels/pages/AlterBmpDialog.h"
#include "panels/pages/GradientList.h"
#include "panels/pages/SurfaceWidgets.h"
#include "panels/pages/TextureLists.h"
#include "panels/presets/ComboNumber.h"
#include "panels/presets/Pictures.h"

namespace vortel::pages {
namespace {

using controls::LeaveImage;
using controls::SpeedButton;

// The kind buttons in their order, and the fill kind each one stands for.
constexpr uint8_t ButtonKind[3] = {2, 1, 0};
enum KindButton { ColorButton, VerlaufButton, TextureButton, ImprintButton };

int buttonOfKind(uint8_t kind) { return kind == 0 ? TextureButton : kind == 1 ? VerlaufButton : ColorButton; }

SpeedButton* makeButton(const QString& text, const char* name, QWidget* parent) {
    auto* button = new SpeedButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

SpeedButton* makeGlyphButton(const QImage& glyph, const QString& hint, const char* name, QWidget* parent) {
    auto* button = new SpeedButton(glyph, hint, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

LeaveImage* makeColorMap(const char* name, QWidget* parent) {
    auto* image = new LeaveImage(parent);
    image->setObjectName(QString::fromLatin1(name));
    image->setMinimumSize(120, 60);
    image->setCursor(Qt::CrossCursor);
    return image;
}

QLabel* makeRgbLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace

SurfacePage::SurfacePage(PageHost& host, QWidget* parent) : EffectPage(host, presets::Page::Surface, parent) {
    setObjectName(QStringLiteral("SurfacePage"));
    build();
}

// ------------------------------------------------------------------------------- building

void SurfacePage::build() {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(6);

    auto* left = new QWidget(this);
    left->setObjectName(QStringLiteral("SurfaceButtonPanel"));
    auto* grid = new QGridLayout(left);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(1);
    textButton_ = makeButton(tr("&Text surface"), "SurfaceTextSpeedButton", left);
    bgButton_ = makeButton(tr("&Background"), "SurfaceBGSpeedButton", left);
    for (SpeedButton* b : {textButton_, bgButton_}) {
        b->setGroup(1);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(b, &SpeedButton::clicked, this, [this] {
            if ((textButton_->isDown() ? 1 : 0) != surface_) refresh();
        });
    }
    textButton_->setDown(true);
    static const char* const kindNames[4] = {"SurfaceColorSpeedButton", "SurfaceVerlaufSpeedButton",
                                             "SurfaceTextureSpeedButton", "SurfaceImprintSpeedButton"};
    const QString kindTexts[4] = {tr("&Color"), tr("Color &gradient"), tr("Te&xture"), tr("&Imprint pattern")};
    for (int i = 0; i < 4; ++i) {
        kindButtons_[i] = makeButton(kindTexts[i], kindNames[i], left);
        kindButtons_[i]->setGroup(2);
        kindButtons_[i]->tag = i;
        kindButtons_[i]->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(kindButtons_[i], &SpeedButton::clicked, this, [this, i] { kindClicked(i); });
    }
    kindButtons_[ImprintButton]->setGlyph(SurfaceKindGlyph(KindGlyph::Imprint, false));
    imprintCheck_ = new QCheckBox(tr("&Imprint pattern"), left);
    imprintCheck_->setObjectName(QStringLiteral("SurfaceImprintCheckBox"));
    connect(imprintCheck_, &QCheckBox::toggled, this, [this](bool on) {
        if (!refreshing()) imprintChecked(on);
    });
    grid->addWidget(textButton_, 0, 0);
    grid->addWidget(bgButton_, 1, 0);
    grid->addWidget(imprintCheck_, 3, 0);
    for (int i = 0; i < 4; ++i) grid->addWidget(kindButtons_[i], i, 1);
    grid->setRowStretch(4, 1);
    layout->addWidget(left);

    stack_ = new QStackedWidget(this);
    stack_->setObjectName(QStringLiteral("SurfacePanels"));
    stack_->addWidget(buildColorPanel());
    stack_->addWidget(buildVerlaufPanel());
    stack_->addWidget(buildTexturePanel());
    stack_->addWidget(buildImprintPanel());
    stack_->addWidget(buildSimplePanel());
    layout->addWidget(stack_, 1);
    loadGlyphs();
}

QWidget* SurfacePage::buildColorPanel() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("SurfaceColorPanel"));
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    colorImage_ = makeColorMap("SurfaceColorImage", panel);
    colorSwatch_ = new ColorSwatch(panel);
    colorSwatch_->setObjectName(QStringLiteral("SurfaceColorPaintBox"));
    colorSwatch_->setFixedSize(56, 56);
    colorSwatch_->setToolTip(tr("Farbe w\u00e4hlen..."));
    colorLabel_ = makeRgbLabel("SurfaceRGBLabel", panel);
    colorImage_->rgbLabel = colorLabel_;
    colorImage_->rgbPaintbox = colorSwatch_;
    auto* side = new QVBoxLayout;
    side->addWidget(colorSwatch_);
    side->addWidget(colorLabel_, 1);
    layout->addWidget(colorImage_, 1);
    layout->addLayout(side);
    connect(colorImage_, &LeaveImage::mouseMoved, this, [this](QPoint p) { showPicked(colorImage_, colorImage_->colorAt(p)); });
    connect(colorImage_, &LeaveImage::mouseLeft, this, [this] { restoreShown(colorImage_); });
    connect(colorImage_, &LeaveImage::mousePressed, this, [this](QPoint p, Qt::MouseButton b) {
        if (b == Qt::LeftButton) takeSurfaceColor(colorImage_->colorAt(p));
    });
    connect(colorSwatch_, &ColorSwatch::clicked, this, [this] { swatchClicked(false); });
    return panel;
}

QWidget* SurfacePage::buildVerlaufPanel() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("SurfaceVerlaufPanel"));
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    verlaufImage_ = makeColorMap("VerlaufImage", panel);
    verlaufSwatch_ = new ColorSwatch(panel);
    verlaufSwatch_->setObjectName(QStringLiteral("VerlaufPaintBox"));
    verlaufSwatch_->setFixedSize(48, 48);
    verlaufSwatch_->setToolTip(tr("Farbe w\u00e4hlen..."));
    verlaufLabel_ = makeRgbLabel("VerlaufRGBLabel", panel);
    verlaufImage_->rgbLabel = verlaufLabel_;
    verlaufImage_->rgbPaintbox = verlaufSwatch_;
    auto* side = new QVBoxLayout;
    side->addWidget(verlaufSwatch_);
    side->addWidget(verlaufLabel_, 1);

    verlaufList_ = new GradientList(panel);
    verlaufList_->setObjectName(QStringLiteral("VerlaufListBox"));
    verlaufList_->setFixedWidth(128);
    verlaufList_->setHint(tr("Enft-Taste l\u00f6scht Farbe"));
    connect(verlaufList_, &GradientList::committed, this, [this] { commitGradient(); });
    connect(verlaufList_, &GradientList::entryClicked, this, [this](int row) { gradientEntryClicked(row); });

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    auto* row = new QHBoxLayout;
    auto* reverse = makeGlyphButton(ReverseGlyph(), tr("Farben umkehren"), "VerlaufTauschenSpeedButton", panel);
    connect(reverse, &SpeedButton::clicked, this, [this] { verlaufList_->reverse(); });
    styleButton_ = makeGlyphButton(GradientStyleGlyph(1), tr("Verlaufsart"), "VerlaufStyleSpeedButton", panel);
    row->addWidget(reverse);
    row->addWidget(styleButton_);
    row->addStretch(1);
    repeatCombo_ = new QComboBox(panel);
    repeatCombo_->setObjectName(QStringLiteral("VerlaufRepeatComboBox"));
    repeatCombo_->setToolTip(tr("Wiederholungen"));
    for (int i = 0; i <= 7; ++i) repeatCombo_->addItem(tr("%1 x").arg(i));
    angleCombo_ = new QComboBox(panel);
    angleCombo_->setObjectName(QStringLiteral("VerlaufAngleComboBox"));
    angleCombo_->setToolTip(tr("Winkel"));
    angleCombo_->setEditable(true);
    angleCombo_->setInsertPolicy(QComboBox::NoInsert);
    for (int angle : {0, 20, 45, 60, 90, 110, 135, 150, 180}) angleCombo_->addItem(tr("%1 \u00b0").arg(angle, 3));
    connect(repeatCombo_, &QComboBox::activated, this, [this] { if (!refreshing()) commitGradient(); });
    connect(angleCombo_, &QComboBox::activated, this, [this] { if (!refreshing()) commitGradient(); });
    connect(angleCombo_->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (!refreshing() && angleCombo_->isVisible()) commitGradient();
    });
    buttons->addLayout(row);
    buttons->addWidget(repeatCombo_);
    buttons->addWidget(angleCombo_);
    buttons->addStretch(1);

    layout->addWidget(verlaufImage_, 1);
    layout->addLayout(side);
    layout->addWidget(verlaufList_);
    layout->addLayout(buttons);

    // The style choice drops down over the buttons; button 0 closes it unchanged.
    stylesPanel_ = new QFrame(panel);
    stylesPanel_->setObjectName(QStringLiteral("VerlaufStylesPanel"));
    stylesPanel_->setFrameShape(QFrame::Panel);
    stylesPanel_->setFrameShadow(QFrame::Raised);
    stylesPanel_->setAutoFillBackground(true);
    auto* styles = new QHBoxLayout(stylesPanel_);
    styles->setContentsMargins(2, 2, 2, 2);
    styles->setSpacing(1);
    static const char* const hints[6] = {QT_TR_NOOP("Schließen"), QT_TR_NOOP("Von oben nach unten"),
                                         QT_TR_NOOP("Von links nach rechts"), QT_TR_NOOP("Rechteckig zur Mitte"),
                                         QT_TR_NOOP("Kreisf\u00f6rmig"), QT_TR_NOOP("Im Winkel")};
    for (int tag : {1, 2, 3, 4, 5, 0}) {
        auto* b = makeGlyphButton(GradientStyleGlyph(tag), tr(hints[tag]),
                                  QStringLiteral("VerlaufSpeedButton%1").arg(tag).toLatin1().constData(), stylesPanel_);
        b->tag = tag;
        styleButtons_[tag] = b;
        styles->addWidget(b);
        connect(b, &SpeedButton::clicked, this, [this, tag] { styleChosen(tag); });
    }
    stylesPanel_->adjustSize();
    stylesPanel_->hide();
    connect(styleButton_, &SpeedButton::clicked, this, [this] {
        const QPoint at = styleButton_->geometry().bottomLeft() + QPoint(0, 1);
        stylesPanel_->move(std::max(0, std::min(at.x(), stylesPanel_->parentWidget()->width() - stylesPanel_->width())), at.y());
        stylesPanel_->show();
        stylesPanel_->raise();
    });
    connect(verlaufImage_, &LeaveImage::mouseMoved, this, [this](QPoint p) { showPicked(verlaufImage_, verlaufImage_->colorAt(p)); });
    connect(verlaufImage_, &LeaveImage::mouseLeft, this, [this] { restoreShown(verlaufImage_); });
    connect(verlaufImage_, &LeaveImage::mousePressed, this, [this](QPoint p, Qt::MouseButton b) {
        if (b == Qt::LeftButton) takeGradientColor(verlaufImage_->colorAt(p));
    });
    connect(verlaufSwatch_, &ColorSwatch::clicked, this, [this] { swatchClicked(true); });
    return panel;
}

QWidget* SurfacePage::buildTexturePanel() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("SurfaceTexturePanel"));
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    textureList_ = new PictureList(PictureList::Look::Thumbnail, 6, panel);
    textureList_->setObjectName(QStringLiteral("TextureListBox"));
    textureList_->setLoader([this](int row) { return loadTexture(row); });
    connect(textureList_, &PictureList::entryChosen, this, [this](int row) { textureChosen(row); });
    historyButton_ = makeGlyphButton(FolderGlyph(), tr("Open bitmap files"), "TextureHistoryDirSpeedButton", panel);
    alterButton_ = makeGlyphButton(AdjustGlyph(), tr("Manipulate texture"), "TextureAlterSpeedButton", panel);
    connect(alterButton_, &SpeedButton::clicked, this, [this] { alterTexture(); });
    historyMenu_ = new QMenu(this);
    historyMenu_->setObjectName(QStringLiteral("TextureHistoryDirPopupMenu"));
    historyMenu_->setToolTipsVisible(true);
    historyGroup_ = new QActionGroup(this);
    historyGroup_->setExclusive(true);
    connect(historyMenu_, &QMenu::aboutToShow, this, [this] { rebuildHistoryMenu(); });
    connect(historyButton_, &SpeedButton::clicked, this, [this] {
        historyMenu_->popup(historyButton_->mapToGlobal(QPoint(0, historyButton_->height())));
    });
    auto* side = new QVBoxLayout;
    side->addWidget(historyButton_);
    side->addWidget(alterButton_);
    side->addStretch(1);
    layout->addWidget(textureList_, 1);
    layout->addLayout(side);
    return panel;
}

QWidget* SurfacePage::buildImprintPanel() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("SurfaceImprintPanel"));
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    imprintList_ = new PictureList(PictureList::Look::Tiled, 2, panel);
    imprintList_->setObjectName(QStringLiteral("ImprintListBox"));
    imprintList_->setLoader([this](int row) { return loadImprint(row); });
    connect(imprintList_, &PictureList::entryChosen, this, [this](int row) { imprintChosen(row); });
    imprintDirButton_ = makeGlyphButton(FolderGlyph(), tr("Open imprint folder"), "ImprintHistoryDirSpeedButton", panel);
    imprintDirButton_->setGroup(3, true);
    connect(imprintDirButton_, &SpeedButton::clicked, this, [this] { imprintFolderToggled(imprintDirButton_->isDown()); });
    imprintInvertButton_ = makeGlyphButton(InvertGlyph(), tr("Invert imprint"), "ImprintInversSpeedButton", panel);
    connect(imprintInvertButton_, &SpeedButton::clicked, this, [this] { invertImprint(); });
    auto* side = new QVBoxLayout;
    side->addWidget(imprintDirButton_);
    side->addWidget(imprintInvertButton_);
    side->addStretch(1);
    layout->addWidget(imprintList_, 1);
    layout->addLayout(side);
    layout->addStretch(1);
    imprintList_->setMinimumWidth(260);
    return panel;
}

QWidget* SurfacePage::buildSimplePanel() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("SurfaceSimplePanel"));
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    simpleList_ = new PictureList(PictureList::Look::Thumbnail, 6, panel);
    simpleList_->setObjectName(QStringLiteral("SurfaceSimpleListBox"));
    simpleList_->setLoader([this](int row) { return loadSimple(row); });
    connect(simpleList_, &PictureList::entryChosen, this, [this](int row) { simpleChosen(row); });
    simpleImage_ = makeColorMap("SurfaceSimpleImage", panel);
    simpleImage_->setFixedWidth(160);
    connect(simpleImage_, &LeaveImage::mousePressed, this, [this](QPoint p, Qt::MouseButton b) {
        if (b == Qt::LeftButton) takeSimpleColor(simpleImage_->colorAt(p));
    });
    layout->addWidget(simpleList_, 1);
    layout->addWidget(simpleImage_);
    return panel;
}

// ------------------------------------------------------------------------------- start and refresh

void SurfacePage::initialise() {
    initialised_ = true;
    const QImage map = controls::ToQImage(panels().colorMap());
    for (LeaveImage* image : {colorImage_, verlaufImage_, simpleImage_}) {
        image->setImage(map);
        image->setSunken(true);
    }
    textureList_->setEntries(panels().textureList);
    imprintList_->setEntries(panels().imprintList);
    simpleEntries_ = presets::SimpleListEntries(panels().stock());
    simpleList_->setEntries(simpleEntries_);
    // Without a history the picture folder is offered.
    if (host_.textureFolders().isEmpty()) {
        QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        if (pictures.isEmpty() || !QFileInfo(pictures).isDir()) pictures = QDir::homePath();
        host_.textureFolders() << QDir::cleanPath(pictures);
    }
    rebuildHistoryMenu();
}

// New and Open give the panels fresh stock lists: the folder this page shows goes into them. A
// list that lost an entry elsewhere (a broken picture) is taken as it is.
void SurfacePage::syncLists() {
    const auto sync = [](PictureList* list, std::vector<std::string>& kept, const std::vector<std::string>& stock) {
        if (kept == list->entries()) return;
        if (kept == stock && list->entries() != stock) {
            kept = list->entries();
        } else {
            list->setEntries(kept);
        }
    };
    sync(textureList_, panels().textureList, presets::StockTextureEntries(panels().stock()));
    sync(imprintList_, panels().imprintList, presets::StockImprintEntries(panels().stock()));
}

void SurfacePage::entered() { refresh(); }

void SurfacePage::setProfessional(bool on) {
    professional_ = on;
    refresh();
}

// The adjustment dialog for the texture of the surface shown, once either surface has one.
void SurfacePage::alterTexture() {
    if (engine().TextFill.FillKind != 0 && engine().BackFill.FillKind != 0) {
        host_.messages().messageBox(tr("Bitte w\u00e4hlen Sie zuerst eine Textur aus.").toStdString(),
                                    tr("Information").toStdString(), MessageIcon::Information);
        return;
    }
    AlterBmpDialog dialog(host_, this);
    dialog.start(surface_ == 1 ? AlterBmpDialog::TextTexture : AlterBmpDialog::BackgroundTexture);
    host_.execDialog(dialog);
}

FillRecord& SurfacePage::fill() { return surface_ == 0 ? engine().BackFill : engine().TextFill; }

void SurfacePage::loadGlyphs() {
    const bool background = surface_ == 0;
    kindButtons_[ColorButton]->setGlyph(SurfaceKindGlyph(KindGlyph::Color, background));
    kindButtons_[VerlaufButton]->setGlyph(SurfaceKindGlyph(KindGlyph::Gradient, background));
    kindButtons_[TextureButton]->setGlyph(SurfaceKindGlyph(KindGlyph::Texture, background));
}

void SurfacePage::refresh() {
    if (!initialised_) initialise();
    syncLists();
    muted([&] {
        const int index = textButton_->isDown() ? 1 : 0;
        if (index != surface_) {
            surface_ = index;
            loadGlyphs();
        }
        if (professional_) {
            const FillRecord& f = fill();
            showPanel(buttonOfKind(f.FillKind));
            pressKindButton(f.FillKind);
            const int count = std::clamp(f.GradientCount, 0, GradientList::MaxEntries);
            verlaufList_->setColors(std::vector<ColorRef>(f.GradientColors.begin(), f.GradientColors.begin() + count));
            repeatCombo_->setCurrentIndex(std::clamp(f.GradientRepeat, 0, 7));
            angleCombo_->setEditText(tr("%1 \u00b0").arg(f.GradientAngle, 3));
            angleCombo_->setVisible(f.GradientStyle == 5);
            styleButton_->setGlyph(GradientStyleGlyph(f.GradientStyle));
            stylesPanel_->hide();
            paintSwatches();
            if (!textureList_->selectEntry(f.TextureName)) textureList_->clearSelection();
            if (surface_ == 1) {
                imprintCheck_->setChecked(engine().Imprint.ImprintOn != 0);
                if (!engine().Imprint.ImprintOn || !imprintList_->selectEntry(engine().Imprint.ImprintName))
                    imprintList_->clearSelection();
            }
        }
        updateVisibility();
    });
}

void SurfacePage::updateVisibility() {
    for (int i = 0; i < 3; ++i) kindButtons_[i]->setVisible(professional_);
    const bool imprint = professional_ && surface_ == 1;
    kindButtons_[ImprintButton]->setVisible(imprint);
    imprintCheck_->setVisible(imprint);
    if (!professional_) {
        stack_->setCurrentIndex(SimplePanel);
    } else if (stack_->currentIndex() == SimplePanel || (!imprint && stack_->currentIndex() == ImprintPanel)) {
        showPanel(buttonOfKind(fill().FillKind));
        pressKindButton(fill().FillKind);
    }
}

int SurfacePage::shownPanel() const { return stack_->currentIndex(); }

void SurfacePage::showPanel(int panel) {
    stack_->setCurrentIndex(panel);
    if (panel != VerlaufPanel) stylesPanel_->hide();
}

void SurfacePage::pressKindButton(int kind) { kindButtons_[buttonOfKind(uint8_t(kind))]->setDown(true); }

// ------------------------------------------------------------------------------- colour pickers

void SurfacePage::showPicked(LeaveImage* image, const QColor& color) {
    if (auto* swatch = qobject_cast<ColorSwatch*>(image->rgbPaintbox)) swatch->setColor(color);
    if (image->rgbLabel) image->rgbLabel->setText(RgbText(color));
}

void SurfacePage::restoreShown(LeaveImage* image) {
    if (image == colorImage_) showPicked(image, RefColor(fill().FillColor));
    if (image == verlaufImage_) showPicked(image, RefColor(verlaufList_->colorAt(std::max(0, verlaufList_->currentRow()))));
}

void SurfacePage::paintSwatches() {
    restoreShown(colorImage_);
    restoreShown(verlaufImage_);
}

void SurfacePage::takeSurfaceColor(const QColor& color) {
    engine().SetUndoRecord(10, surface_, 0, int32_t(fill().FillColor));
    engine().setFillColor(surface_, ColorOf(color));
    paintSwatches();
    changedRedraw();
}

void SurfacePage::takeGradientColor(const QColor& color) {
    if (verlaufList_->count() == 0) return;
    if (verlaufList_->currentRow() < 0) verlaufList_->setCurrentRow(verlaufList_->count() - 1);
    const int row = verlaufList_->currentRow();
    FillRecord& f = fill();
    const ColorRef old = size_t(row) < f.GradientColors.size() ? f.GradientColors[size_t(row)] : 0;
    engine().SetUndoRecord(11, surface_, row, int32_t(old));
    verlaufList_->takeColor(row, ColorOf(color));
    panels().SetGradient(surface_, f.GradientStyle, verlaufList_->colors(), f.GradientAngle, f.GradientRepeat);
    showPicked(verlaufImage_, color);
    changedRedraw();
}

void SurfacePage::takeSimpleColor(const QColor& color) {
    engine().SetUndoRecord(10, surface_, 0, int32_t(fill().FillColor));
    engine().setFillKind(surface_, 2);
    engine().setFillColor(surface_, ColorOf(color));
    changedRedraw();
}

void SurfacePage::swatchClicked(bool gradient) {
    QColor initial = RefColor(fill().FillColor);
    if (gradient) {
        if (verlaufList_->count() == 0) return;
        if (verlaufList_->currentRow() < 0) verlaufList_->setCurrentRow(verlaufList_->count() - 1);
        initial = RefColor(verlaufList_->colorAt(verlaufList_->currentRow()));
    }
    QColorDialog dialog(initial, this);
    dialog.setObjectName(QStringLiteral("SurfaceColorDialog"));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setWindowTitle(tr("Farbe"));
    if (host_.execDialog(dialog) != QDialog::Accepted) return;
    const QColor chosen = dialog.currentColor();
    if (gradient) {
        takeGradientColor(chosen);
    } else {
        takeSurfaceColor(chosen);
    }
}

// ------------------------------------------------------------------------------- gradient editor

void SurfacePage::commitGradient() {
    const std::vector<ColorRef> colors = verlaufList_->colors();
    if (colors.size() < 2) {
        host_.messages().messageBox(tr("Bitte mehrere Farben ausw\u00e4hlen.").toStdString(), tr("Information").toStdString(),
                                    MessageIcon::Information);
        return;
    }
    const int32_t repeat = presets::ReadComboNumber(repeatCombo_->currentText().toStdString());
    const int32_t angle = presets::ReadComboNumber(angleCombo_->currentText().toStdString());
    panels().SetGradient(surface_, fill().GradientStyle, colors, angle, std::clamp(repeat, 0, 7));
    paintSwatches();
    changedRedraw();
}

void SurfacePage::styleChosen(int tag) {
    stylesPanel_->hide();
    if (tag <= 0 || tag == fill().GradientStyle) return;
    fill().GradientStyle = tag;
    engine().Modified = 1;
    angleCombo_->setVisible(tag == 5);
    commitGradient();
    styleButton_->setGlyph(GradientStyleGlyph(tag));
}

void SurfacePage::gradientEntryClicked(int row) {
    const ColorRef color = verlaufList_->colorAt(row);
    showPicked(verlaufImage_, RefColor(color));
    FillRecord& f = fill();
    if (verlaufList_->isPlaceholder(row) || size_t(row) >= f.GradientColors.size() || f.GradientColors[size_t(row)] == color)
        return;
    f.GradientColors[size_t(row)] = color;
    changedRedraw();
}

// ------------------------------------------------------------------------------- kinds

void SurfacePage::kindClicked(int button) {
    if (button == ImprintButton) {
        showPanel(ImprintPanel);
        return;
    }
    const uint8_t kind = ButtonKind[button];
    engine().setFillKind(surface_, kind);
    showPanel(button);
    if (kind == 0) {
        // Each surface gets a texture of its own the first time.
        for (int s : {1, 0}) {
            FillRecord& f = s == 1 ? engine().TextFill : engine().BackFill;
            if (f.Texture && !f.Texture->empty()) continue;
            const int row = s == 1 ? 0 : 1;
            if (row >= int(panels().textureList.size())) continue;
            const std::string name = panels().textureList[size_t(row)];
            Bitmap picture;
            if (panels().LoadListPicture(panels().textureList, row, picture)) {
                engine().setTexture(s, std::make_shared<Bitmap>(std::move(picture)), name);
            } else {
                textureList_->removeEntry(row);
            }
        }
    }
    changedRedraw();
}

// ------------------------------------------------------------------------------- picture lists

std::optional<Bitmap> SurfacePage::loadTexture(int row) {
    Bitmap picture;
    if (!panels().LoadListPicture(panels().textureList, row, picture)) return std::nullopt;
    return picture;
}

std::optional<Bitmap> SurfacePage::loadImprint(int row) {
    Bitmap picture;
    if (!panels().LoadListPicture(panels().imprintList, row, picture)) return std::nullopt;
    return picture;
}

std::optional<Bitmap> SurfacePage::loadSimple(int row) {
    Bitmap picture;
    if (!panels().LoadListPicture(simpleEntries_, row, picture)) return std::nullopt;
    return picture;
}

void SurfacePage::textureChosen(int row) {
    if (row < 0 || size_t(row) >= panels().textureList.size()) return;
    const std::string name = panels().textureList[size_t(row)];
    Bitmap picture;
    if (!panels().LoadListPicture(panels().textureList, row, picture)) {
        textureList_->removeEntry(row);
        return;
    }
    engine().setTexture(surface_, std::make_shared<Bitmap>(std::move(picture)), name);
    host_.messages().status(1, (tr("Textur: ") + QString::fromStdString(name)).toStdString());
    changedRedraw();
}

void SurfacePage::simpleChosen(int row) {
    const int gradients = presets::GradientPresetCount;
    const int first = int(simpleEntries_.size()) - gradients;
    if (row < 0 || row >= int(simpleEntries_.size())) return;
    if (row >= first) {
        panels().ApplyGradientPreset(surface_, row - first + 1);
        changedRedraw();
        return;
    }
    const std::string name = simpleEntries_[size_t(row)];
    Bitmap picture;
    if (!panels().LoadListPicture(simpleEntries_, row, picture)) {
        simpleList_->removeEntry(row);
        return;
    }
    engine().setFillKind(surface_, 0);
    engine().setTexture(surface_, std::make_shared<Bitmap>(std::move(picture)), name);
    host_.messages().status(1, (tr("Textur: ") + QString::fromStdString(name)).toStdString());
    changedRedraw();
}

void SurfacePage::imprintChosen(int row) {
    if (row < 0 || size_t(row) >= panels().imprintList.size()) return;
    if (!imprintCheck_->isChecked()) {
        muted([&] { imprintCheck_->setChecked(true); });
        imprintChecked(true);
    }
    const std::string name = panels().imprintList[size_t(row)];
    Bitmap picture;
    if (!panels().LoadListPicture(panels().imprintList, row, picture)) {
        imprintList_->removeEntry(row);
        return;
    }
    engine().setImprint(true, std::make_shared<Bitmap>(std::move(picture)), name);
    host_.messages().status(1, (tr("Textur: ") + QString::fromStdString(name)).toStdString());
    changedRedraw();
}

void SurfacePage::imprintChecked(bool on) {
    TFontFX& e = engine();
    std::string name = e.Imprint.ImprintName;
    std::shared_ptr<Bitmap> bitmap;
    if (on) {
        kindButtons_[ImprintButton]->setDown(true);
        showPanel(ImprintPanel);
        if (!e.Imprint.ImprintBitmap || e.Imprint.ImprintBitmap->empty()) {
            Bitmap picture;
            if (!panels().imprintList.empty()) {
                const std::string first = panels().imprintList.front();
                if (panels().LoadListPicture(panels().imprintList, 0, picture)) {
                    bitmap = std::make_shared<Bitmap>(std::move(picture));
                    name = first;
                } else {
                    imprintList_->removeEntry(0);
                }
            }
        }
    } else {
        pressKindButton(e.TextFill.FillKind);
        showPanel(buttonOfKind(e.TextFill.FillKind));
    }
    e.setImprint(on, bitmap, name);
    changedRedraw();
}

void SurfacePage::invertImprint() {
    engine().invertImprint();
    changedRedraw();
}

QString SurfacePage::startFolder(const char* key) const {
    const std::string fallback = host_.settings().path().empty()
                                     ? QDir::homePath().toStdString()
                                     : QFileInfo(QString::fromStdString(host_.settings().path())).absolutePath().toStdString();
    return QString::fromStdString(host_.settings().readString("Options", key, fallback));
}

void SurfacePage::imprintFolderToggled(bool down) {
    std::vector<std::string> entries;
    if (down) {
        const QString folder = host_.chooseFolder(tr("Ordner mit Pr\u00e4gemustern"), startFolder("ImprintDir"));
        if (folder.isEmpty()) {
            imprintDirButton_->setDown(false);
            return;
        }
        host_.settings().writeString("Options", "ImprintDir", folder.toStdString());
        entries = FolderPictureFiles(folder.toStdString(), false);
        if (entries.empty()) {
            // An empty list would leave nothing to choose: the stock imprints stay.
            host_.messages().messageBox(
                tr("Keine Dateien (jpg,gif,bmp) gefunden in\r%1").arg(QDir::toNativeSeparators(folder)).toStdString(),
                tr("Information").toStdString(), MessageIcon::Information);
            imprintDirButton_->setDown(false);
            return;
        }
    } else {
        entries = presets::StockImprintEntries(panels().stock());
    }
    panels().imprintList = entries;
    imprintList_->setEntries(entries);
}

// ------------------------------------------------------------------------------- texture folders

bool SurfacePage::loadTextureFolder(const QString& folder) {
    std::vector<std::string> entries;
    if (folder.isEmpty()) {
        entries = presets::StockTextureEntries(panels().stock());
    } else {
        entries = FolderPictureFiles(folder.toStdString(), true);
        if (entries.empty()) {
            host_.messages().messageBox(
                tr("Keine Dateien (jpg,gif,bmp) gefunden in\r%1").arg(QDir::toNativeSeparators(folder)).toStdString(),
                tr("Information").toStdString(), MessageIcon::Information);
            return false;
        }
    }
    panels().textureList = entries;
    textureList_->setEntries(entries);
    textureFolder_ = folder;
    return true;
}

void SurfacePage::openTextureFolder() {
    const QString start = startFolder("TexStartDir");
    const QString chosen = host_.chooseFolder(tr("Ordner mit Texturen"), start);
    if (chosen.isEmpty()) return;
    const QString folder = QDir::cleanPath(chosen);
    host_.settings().writeString("Options", "TexStartDir", folder.toStdString());
    if (!loadTextureFolder(folder)) return;
    QStringList& history = host_.textureFolders();
    history.removeAll(folder);
    history.prepend(folder);
    laterRebuildHistoryMenu();
}

void SurfacePage::historyItemClicked(const QString& folder) {
    if (folder.isEmpty()) {
        loadTextureFolder(QString());
        laterRebuildHistoryMenu();
        return;
    }
    if (!loadTextureFolder(folder)) return;
    host_.messages().status(1, (tr("Textur: ") + QDir::toNativeSeparators(folder)).toStdString());
    QStringList& history = host_.textureFolders();
    history.removeAll(folder);
    history.prepend(folder);
    laterRebuildHistoryMenu();
}

// The menu's items may be the ones being triggered: they are replaced once that is over.
void SurfacePage::laterRebuildHistoryMenu() {
    QTimer::singleShot(0, this, [this] { rebuildHistoryMenu(); });
}

// "&Open folder...", a line, "Standard", then the folders, most recent first: "Name<Tab>path".
void SurfacePage::rebuildHistoryMenu() {
    historyMenu_->clear();
    for (QAction* action : historyGroup_->actions()) historyGroup_->removeAction(action);
    QAction* open = historyMenu_->addAction(tr("&Open folder..."));
    open->setObjectName(QStringLiteral("TextureOpenFolderItem"));
    connect(open, &QAction::triggered, this, [this] { openTextureFolder(); });
    historyMenu_->addSeparator();
    QAction* standard = historyMenu_->addAction(tr("Standard"));
    standard->setCheckable(true);
    standard->setChecked(textureFolder_.isEmpty());
    historyGroup_->addAction(standard);
    connect(standard, &QAction::triggered, this, [this] { historyItemClicked(QString()); });
    QStringList& history = host_.textureFolders();
    history.removeDuplicates();
    for (const QString& folder : history) {
        QString name = QFileInfo(folder).fileName();
        if (name.isEmpty()) name = folder;
        name[0] = name[0].toUpper();
        QAction* item = historyMenu_->addAction(name + QLatin1Char('\t') + QDir::toNativeSeparators(folder));
        item->setToolTip(QDir::toNativeSeparators(folder));
        item->setData(folder);
        item->setCheckable(true);
        item->setChecked(folder == textureFolder_);
        historyGroup_->addAction(item);
        connect(item, &QAction::triggered, this, [this, folder] { historyItemClicked(folder); });
    }
}

}  // namespace vortel::pages
