#include "app/MainWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <filesystem>

#include "app/ImageView.h"
#include "app/PresetGrid.h"
#include "app/Settings.h"
#include "document/Document.h"
#include "document/ImageBmp.h"
#include "document/ImageFile.h"
#include "document/Metafile.h"
#include "document/StockResources.h"

namespace vortel::app {
namespace {

constexpr const char* Untitled = "unbenannt.vtl";

// The presets name pages in the notebook's own order.
static_assert(int(presets::Page::Style) == MainWindow::StylePage && int(presets::Page::Frame) == MainWindow::FramePage);

std::string upperExtension(const QString& path) { return QFileInfo(path).suffix().toUpper().toStdString(); }

template <class Slot>
QAction* addItem(QMenu* menu, const QString& text, QObject* context, Slot slot,
                 const QKeySequence& shortcut = QKeySequence()) {
    QAction* action = menu->addAction(text);
    action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, context, slot);
    return action;
}

}  // namespace

MainWindow::MainWindow(const StartOptions& options) : options_(options), messages_(this) {
    if (!options_.withoutSettings) settings_ = OpenSettings(SettingsCandidates(options_.programFolder));
    messages_.onStatus = [this](int panel, const QString& text) { showStatus(panel, text); };

    scroll_ = new QScrollArea;
    scroll_->setAlignment(Qt::AlignCenter);
    view_ = new ImageView;
    scroll_->setWidget(view_);
    scroll_->setWidgetResizable(false);
    buildNotebook();
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll_, 1);
    layout->addWidget(notebook_);
    setCentralWidget(central);
    for (int i = 0; i < 2; ++i) {
        statusPanels_[i] = new QLabel;
        statusPanels_[i]->setMinimumWidth(i == 0 ? 90 : 260);
        statusBar()->addPermanentWidget(statusPanels_[i], i);
    }
    buildMenus();
    buildToolBar();

    readSettings();
    newDocument();
    notebook_->setCurrentIndex(StylePage);
    setAcceptDrops(true);
    if (!options_.file.empty()) openFile(QString::fromStdString(options_.file));
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&Datei"));
    addItem(file, tr("&Neu"), this, [this] { runCommand([this] { newDocument(); }); }, QKeySequence::New);
    addItem(file, tr("&\u00d6ffnen..."), this, [this] { openCommand(); }, QKeySequence::Open);
    addItem(file, tr("&Speichern"), this, [this] { saveCommand(false); }, QKeySequence::Save);
    addItem(file, tr("Speichern &unter..."), this, [this] { saveCommand(true); }, QKeySequence::SaveAs);
    file->addSeparator();
    addItem(file, tr("&Beenden"), this, [this] { close(); }, QKeySequence::Quit);

    QMenu* edit = menuBar()->addMenu(tr("&Bearbeiten"));
    addItem(edit, tr("&R\u00fcckg\u00e4ngig"), this, [this] {
        runCommand([this] {
            if (engine_->UndoLastAction()) recalculate();
        });
    }, QKeySequence::Undo);
    QMenu* help = menuBar()->addMenu(tr("&Hilfe"));
    addItem(help, tr("&Info..."), this, [this] {
        QMessageBox::about(this, tr("Vortel"), tr("Vortel 0.93\nTexteffekte aus Schrift, Umrisslinien und Licht."));
    });
}

void MainWindow::buildToolBar() {
    QToolBar* bar = addToolBar(tr("Werkzeuge"));
    bar->setObjectName(QStringLiteral("MainToolBar"));
    bar->setMovable(false);
    QStyle* s = style();
    bar->addAction(s->standardIcon(QStyle::SP_FileIcon), tr("Neu"), this, [this] { runCommand([this] { newDocument(); }); });
    bar->addAction(s->standardIcon(QStyle::SP_DialogOpenButton), tr("\u00d6ffnen"), this, [this] { openCommand(); });
    bar->addAction(s->standardIcon(QStyle::SP_DialogSaveButton), tr("Speichern"), this, [this] { saveCommand(false); });
    bar->addSeparator();
    bar->addAction(s->standardIcon(QStyle::SP_ArrowBack), tr("R\u00fcckg\u00e4ngig"), this, [this] {
        runCommand([this] {
            if (engine_->UndoLastAction()) recalculate();
        });
    });
    bar->addSeparator();
    auto* group = new QActionGroup(this);
    const QString names[3] = {tr("Entwurf"), tr("Normal"), tr("Gegl\u00e4ttet")};
    for (int i = 0; i < 3; ++i) {
        qualityActions_[i] = bar->addAction(names[i], this, [this, i] { setQuality(Quality(i)); });
        qualityActions_[i]->setCheckable(true);
        group->addAction(qualityActions_[i]);
    }
    bar->addSeparator();
    profiAction_ = bar->addAction(tr("Profi"));
    profiAction_->setCheckable(true);
}

QWidget* MainWindow::placeholderPage(const QString& what) {
    auto* label = new QLabel(what);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

// The Deform page's preset list: the thirty shapes with their pictures in three rows; a click
// fits the shape to the image and shows it (Shift or Ctrl turns it round).
QWidget* MainWindow::buildDeformPage() {
    QStringList pictures;
    for (int i = 1; i <= presets::GuidePresetCount; ++i) pictures << QStringLiteral("DEFORM_%1").arg(i, 2, 10, QLatin1Char('0'));
    deformList_ = new PresetGrid(pictures, 10, QSize(120, 40));
    deformList_->setObjectName(QStringLiteral("GuideStyleListBox"));
    connect(deformList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const bool shift = QApplication::keyboardModifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
        runCommand([&] {
            panels_->ApplyGuidePreset(deformList_->row(item), shift);
        });
    });
    return deformList_;
}

// The Style page's grid of main styles, seven columns: entry 0 (the plain style) shows the first
// deformation's picture, the others their own.
QWidget* MainWindow::buildStylePage() {
    QStringList pictures{QStringLiteral("DEFORM_01")};
    for (int i = 2; i <= presets::MainStyleCount; ++i) pictures << QStringLiteral("Style_0%1").arg(i, 2, 10, QLatin1Char('0'));
    styleList_ = new PresetGrid(pictures, 7, QSize(72, 28));
    styleList_->setObjectName(QStringLiteral("MainStyleListBox"));
    connect(styleList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        runCommand([&] {
            panels_->ApplyMainStyle(styleList_->row(item));
        });
    });
    return styleList_;
}

void MainWindow::buildNotebook() {
    notebook_ = new QTabWidget;
    notebook_->setObjectName(QStringLiteral("PageControl"));
    notebook_->setMinimumHeight(170);
    notebook_->addTab(buildStylePage(), tr("Style"));
    notebook_->addTab(placeholderPage(tr("Hier werden Text, Schriftart, Ausrichtung und Abst\u00e4nde eingestellt.")),
                      tr("Text"));
    notebook_->addTab(buildDeformPage(), tr("Deform"));
    notebook_->addTab(placeholderPage(tr("Hier werden Farbe, Farbverlauf, Textur und Pr\u00e4gemuster gew\u00e4hlt.")),
                      tr("Surface"));
    notebook_->addTab(placeholderPage(tr("Hier werden die 3D-Kanten und ihr Profil gestaltet.")), tr("3D Bevel"));
    notebook_->addTab(placeholderPage(tr("Hier werden die Umrisse ausgefranst.")), tr("Outline"));
    notebook_->addTab(placeholderPage(tr("Hier werden Schatten und Leuchten eingestellt.")), tr("Shadow"));
    notebook_->addTab(placeholderPage(tr("Hier wird der Hintergrund-Rahmen gew\u00e4hlt.")), tr("Frame"));
}

void MainWindow::setImageSize(int width, int height) {
    width = std::max(1, width), height = std::max(1, height);
    canvas_ = std::make_unique<Canvas>(width, height);
    if (engine_) {
        engine_->ImageRect = Rect{0, 0, width, height};
        engine_->releaseTextMask();  // the maps have the old size
    }
    view_->setCanvas(canvas_.get());
}

void MainWindow::newDocument() {
    const int width = canvas_ ? canvas_->width() : 450, height = canvas_ ? canvas_->height() : 200;
    panels_.reset();
    engine_ = std::make_unique<TFontFX>(Rect{0, 0, width, height});
    engine_->setMessages(&messages_);
    panels_ = std::make_unique<presets::EffectPanels>(*engine_, stockModule());
    // A preset asks for a new picture when its own page is the one shown (Page::All: always).
    panels_->events.redraw = [this](presets::Page page) {
        if (page == presets::Page::All || int(page) == notebook_->currentIndex()) recalculate();
    };
    setImageSize(width, height);
    documentName_ = QString::fromUtf8(Untitled);
    setQuality(quality_);
    engine_->Modified = 0;
    updateCaption();
}

void MainWindow::recalculate() {
    if (!engine_ || !canvas_) return;
    engine_->ImageRect = Rect{0, 0, canvas_->width(), canvas_->height()};
    try {
        if (engine_->GetPointsAndTypes(*canvas_, false) && engine_->CalcVortel(0)) engine_->GetMiddleOfGuides();
        engine_->ShowText(*canvas_, quality_ == Quality::Draft);
    } catch (const std::exception& e) {
        messages_.messageBox(e.what(), "Fehler", MessageIcon::Error);
    }
    view_->update();
}

void MainWindow::setQuality(Quality quality) {
    quality_ = quality;
    qualityActions_[int(quality)]->setChecked(true);
    if (quality != Quality::Draft && engine_) engine_->setSmoothFont(quality == Quality::Smooth);
    recalculate();
}

void MainWindow::showStatus(int panel, const QString& text) {
    if (panel == StatusSimple) {
        statusBar()->showMessage(text);
        return;
    }
    statusBar()->clearMessage();
    if (panel >= 0 && panel < 2) statusPanels_[panel]->setText(text);
}

void MainWindow::updateCaption() { setWindowTitle(tr("Vortel - %1").arg(QFileInfo(documentName_).fileName())); }

void MainWindow::runCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& e) {
        messages_.messageBox(e.what(), "Vortel", MessageIcon::Error);
    }
}

bool MainWindow::openFile(const QString& path) {
    bool opened = false;
    runCommand([&] {
        const std::string file = path.toStdString();
        const std::string ext = upperExtension(path);
        static const std::vector<std::string> pictures = {"JPG", "JIF", "GIF", "BMP", "DIB", "RLE", "TGA", "PCX", "PNG"};
        if (std::find(pictures.begin(), pictures.end(), ext) != pictures.end()) {
            engine_->setTexture(0, std::make_shared<Bitmap>(loadImage(file)), file);
            engine_->setFillKind(0, 0);
        } else if (const auto kind = styleKindForPath(file)) {
            ReadStyleFile(*engine_, file, *kind);
        } else {
            const ViewSize size = ReadDocument(*engine_, file);
            setImageSize(size.width.value_or(canvas_->width()), size.height.value_or(canvas_->height()));
        }
        documentName_ = QString::fromStdString(std::filesystem::path(file).replace_extension(".vtl").string());
        recalculate();
        engine_->Modified = 0;
        updateCaption();
        opened = true;
    });
    return opened;
}

void MainWindow::openCommand() {
    const QString filter = tr("Vortel Datei (*.vtl);;Verform-Style (*.deform);;3D-Kanten-Style (*.bevel);;"
                              "Farbverlauf (*.color);;Schatten-Style (*.shadow);;"
                              "Hintergrund-Textur (.jpg .bmp .png .tga .pcx) (*.jpg *.jif *.bmp *.dib *.rle *.tga *.pcx *.png);;"
                              "Alle Dateien (*)");
    const QString path = QFileDialog::getOpenFileName(this, tr("\u00d6ffnen"), settings_.readString("Options", "OpenDir", options_.programFolder).c_str(), filter);
    if (path.isEmpty()) return;
    settings_.writeString("Options", "OpenDir", QFileInfo(path).absolutePath().toStdString());
    openFile(path);
}

// The Save dialog's types, by filter index 1 .. 9, with the extension each appends.
namespace {
struct SaveType {
    const char* filter;
    const char* extension;
};
constexpr SaveType saveTypes[] = {
    {"Vortel Datei (*.vtl)", ".vtl"},
    {"BMP - Windows Bitmap (*.bmp)", ".bmp"},
    {"EMF - Enhanced Meta File (*.emf)", ".emf"},
    {"JPG - JPEG JFIF Compliant (*.jpg)", ".jpg"},
    {"WMF - Windows 3.1 Meta File (*.wmf)", ".wmf"},
    {"Deform - Nur Verformen-Style (*.deform)", ".deform"},
    {"Bevel - Nur 3D-Kanten-Style (*.bevel)", ".bevel"},
    {"Color - Nur Farbverlauf (*.color)", ".color"},
    {"Shadow - Nur Schatten-Style (*.shadow)", ".shadow"},
};
}  // namespace

QString MainWindow::suggestedSaveName() const {
    if (QFileInfo(documentName_).fileName() != QString::fromUtf8(Untitled)) return QFileInfo(documentName_).completeBaseName();
    QString text = QString::fromStdString(engine_->Text).left(60);
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (const QChar bad : {QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char('\r'), QLatin1Char('\n')}) text.replace(bad, QLatin1Char(' '));
    return text.trimmed();
}

std::optional<QString> MainWindow::saveAs(QString name, int filterIndex) {
    if (filterIndex < 1 || filterIndex > int(std::size(saveTypes))) throw std::runtime_error("not supported " + std::to_string(filterIndex));
    const QString extension = QString::fromLatin1(saveTypes[filterIndex - 1].extension);
    if (!name.toUpper().contains(extension.toUpper())) name += extension;
    if (QFileInfo::exists(name)) {
        const QString question = tr("\"%1\" existiert schon.\nÜberschreiben?").arg(name);
        if (confirm(question) != QMessageBox::Yes) return std::nullopt;
    }
    const std::string file = name.toStdString();
    const int32_t w = canvas_->width(), h = canvas_->height();
    switch (filterIndex) {
    case 1:
        WriteDocument(*engine_, canvas_->toBitmap(), file);
        documentName_ = name;
        engine_->Modified = 0;
        break;
    case 2: saveBmp(file, canvas_->toBitmap()); break;
    case 3: ExportMetafile(*engine_, w, h, file, true); break;
    case 4: saveJpeg(file, canvas_->toBitmap(), DefaultJpegQuality); break;
    case 5: ExportMetafile(*engine_, w, h, file, false); break;
    default: WriteStyleFile(*engine_, file, StyleKind(filterIndex - 6)); break;
    }
    updateCaption();
    return name;
}

int MainWindow::confirm(const QString& question) {
    if (confirmHook) return confirmHook(question);
    return QMessageBox::question(this, tr("Vortel"), question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

void MainWindow::saveCommand(bool saveAs) {
    runCommand([&] {
        if (!saveAs && QFileInfo(documentName_).fileName() != QString::fromUtf8(Untitled)) {
            WriteDocument(*engine_, canvas_->toBitmap(), documentName_.toStdString());
            engine_->Modified = 0;
            updateCaption();
            return;
        }
        QStringList filters;
        for (const SaveType& type : saveTypes) filters << tr(type.filter);
        QFileDialog dialog(this, tr("Speichern unter"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters(filters);
        dialog.setDirectory(QString::fromStdString(settings_.readString("Options", "SaveDir", options_.programFolder)));
        dialog.selectFile(suggestedSaveName());
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
        const int index = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
        const QString chosen = dialog.selectedFiles().first();
        settings_.writeString("Options", "SaveDir", QFileInfo(chosen).absolutePath().toStdString());
        settings_.writeInteger("Options", "SaveIndex", index);
        this->saveAs(chosen, index);
    });
}

void MainWindow::readSettings() {
    const IniFile& s = settings_;
    const QSize screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableSize() : QSize(1024, 768);
    const int width = s.readInteger("Options", "Width", 640);
    const int height = s.readInteger("Options", "Height", std::min(580, screen.height()));
    resize(std::max(320, width), std::max(240, height));
    const int left = s.readInteger("Options", "Left", -1), top = s.readInteger("Options", "Top", 40);
    if (options_.saver) {
        move(screen.width(), top);
    } else if (left != -1) {
        move(left, top);
    }
    const int imageWidth = s.readInteger("Image", "Width", std::min(450, width - 40));
    const int imageHeight = s.readInteger("Image", "Height", 200);
    setImageSize(imageWidth, imageHeight);
    quality_ = Quality(std::clamp(s.readInteger("Options", "Smooth", 2), 0, 2));
    profiAction_->setChecked(s.readBool("Options", "Profi", false));
}

void MainWindow::writeSettings() {
    if (options_.withoutSettings) return;
    IniFile& s = settings_;
    if (!isMaximized()) {
        s.writeInteger("Options", "Width", width());
        s.writeInteger("Options", "Height", height());
        s.writeInteger("Options", "Left", x());
        s.writeInteger("Options", "Top", y());
    }
    s.writeBool("Options", "maximized", isMaximized());
    s.writeInteger("Image", "Width", canvas_->width());
    s.writeInteger("Image", "Height", canvas_->height());
    s.writeInteger("Options", "Smooth", int(quality_));
    s.writeBool("Options", "Profi", profiAction_->isChecked());
    if (s.readString("Program", "Ver", "") != "0.93") {
        s.writeString("Program", "Ver", "0.93");
        s.writeString("Program", "Name", "Vortel");
    }
    s.save();  // errors while writing are ignored
}

void MainWindow::closeEvent(QCloseEvent* event) {
    writeSettings();
    event->accept();
}

}  // namespace vortel::app
