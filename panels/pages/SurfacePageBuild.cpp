// Building the surface page: the kind buttons on the left and the five panels of the stack.
#include "panels/pages/SurfacePage.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStackedWidget>

#include "controls/QtImages.h"
#include "panels/pages/AlterBmpDialog.h"
#include "panels/pages/GradientList.h"
#include "panels/pages/SurfaceKinds.h"
#include "panels/pages/SurfaceWidgets.h"
#include "panels/pages/TextureLists.h"
#include "panels/presets/ComboNumber.h"
#include "panels/presets/Pictures.h"

namespace vortel::pages {
namespace {

using controls::LeaveImage;
using controls::SpeedButton;
using namespace surface;

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

}  // namespace vortel::pages
