#include "panels/pages/SurfacePage.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTimer>

#include "controls/PresetGrid.h"
#include "controls/QtImages.h"
#include "panels/pages/AlterBmpDialog.h"
#include "panels/pages/GradientList.h"
#include "panels/pages/SurfaceKinds.h"
#include "panels/pages/SurfaceWidgets.h"
#include "panels/pages/TextureLists.h"
#include "panels/presets/ComboNumber.h"
#include "panels/presets/Pictures.h"

namespace vortel::pages {

using controls::LeaveImage;
using controls::SpeedButton;
using namespace surface;

SurfacePage::SurfacePage(PageHost& host, QWidget* parent) : EffectPage(host, presets::Page::Surface, parent) {
    setObjectName(QStringLiteral("SurfacePage"));
    build();
}

// ------------------------------------------------------------------------------- start and refresh

void SurfacePage::initialise() {
    initialised_ = true;
    const QImage map = controls::ToQImage(panels().colorMap());
    // Shown from the library's twin at twice the size on a screen of two device pixels a pixel;
    // colours are picked off the map the panels use.
    const QImage twin = controls::StockImage(QStringLiteral("COLORMAP"), devicePixelRatioF());
    const QImage shownMap = twin.devicePixelRatio() > 1 ? twin : QImage();
    for (LeaveImage* image : {colorImage_, verlaufImage_, simpleImage_}) {
        image->setImage(map, shownMap);
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
