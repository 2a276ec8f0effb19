#include "app/MainWindow.h"
#include "app/CharDeformDialog.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDateTime>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QPainterPath>
#include <cmath>
#include <filesystem>
#include <new>

#include "app/Help.h"
#include "app/JpegOptimizerDialog.h"
#include "panels/pages/AlterBmpDialog.h"
#include "controls/Controls.h"
#include "panels/pages/Pages.h"
#include "app/ImageFrame.h"
#include "app/ImageView.h"
#include "controls/PresetGrid.h"
#include "panels/pages/SlideShow.h"
#include "panels/pages/StylePage.h"
#include "controls/QtImages.h"
#include "app/Settings.h"
#include "app/TextInputDialog.h"
#include "panels/presets/TextScaling.h"
#include "document/Document.h"
#include "document/ImageBmp.h"
#include "document/ImageFile.h"
#include "document/ImagePng.h"
#include "document/Metafile.h"
#include "engine/Transparent.h"
#include "platform/FileGate.h"
#include "document/StockResources.h"

namespace vortel::app {
namespace {

constexpr const char* Untitled = "unbenannt.vtl";
constexpr const char* ProgramVersion = "0.93";
// The largest picture file the window's background is read from.
constexpr uint64_t MaxBackgroundBytes = 64ull << 20;
constexpr const char* OutOfMemoryText =
    "Nicht genug Arbeitsspeicher f\u00fcr diesen Befehl.\rDas Programm l\u00e4uft weiter; ein kleineres Bild braucht weniger.";

// The presets name pages in the notebook's own order.
static_assert(int(presets::Page::Style) == MainWindow::StylePage && int(presets::Page::Frame) == MainWindow::FramePage);

std::string upperExtension(const QString& path) { return QFileInfo(path).suffix().toUpper().toStdString(); }

bool isUntitled(const QString& name) { return QFileInfo(name).fileName() == QString::fromUtf8(Untitled); }

template <class Slot>
QAction* addItem(QMenu* menu, const QString& text, QObject* context, Slot slot,
                 const QKeySequence& shortcut = QKeySequence()) {
    QAction* action = menu->addAction(text);
    action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, context, slot);
    return action;
}

// The notebook tabs' glyphs, 16 x 16 on a key colour the tabs leave out: a star for the styles, a
// letter for the text, a bent line for the deformations, a gradient square for the surface, a
// bevelled block, a frayed edge for the outline, a square with its shadow, and a picture frame.
QImage tabGlyph(int page) {
    const QColor key(192, 192, 192);
    QImage glyph(16, 16, QImage::Format_RGB32);
    glyph.fill(key);
    QPainter p(&glyph);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(30, 60, 140), warm(220, 60, 40);
    switch (page) {
    case MainWindow::StylePage: {
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const double a = -M_PI / 2 + i * M_PI / 5, r = i % 2 ? 3.2 : 7.5;
            star << QPointF(8 + r * std::cos(a), 8.5 + r * std::sin(a));
        }
        p.setPen(QPen(QColor(150, 90, 0), 1));
        p.setBrush(QColor(250, 200, 40));
        p.drawPolygon(star);
        break;
    }
    case MainWindow::TextPage: {
        QFont font;
        font.setPixelSize(15);
        font.setBold(true);
        p.setFont(font);
        p.setPen(ink);
        p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("T"));
        break;
    }
    case MainWindow::DeformPage: {
        QPainterPath wave(QPointF(1, 11));
        wave.cubicTo(5, 1, 10, 15, 15, 5);
        p.setPen(QPen(ink, 2.2));
        p.drawPath(wave);
        break;
    }
    case MainWindow::SurfacePage: {
        QLinearGradient gradient(1, 1, 15, 15);
        gradient.setColorAt(0, warm);
        gradient.setColorAt(1, QColor(40, 120, 230));
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(gradient);
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        break;
    }
    case MainWindow::BevelPage:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 250, 250));
        p.drawPolygon(QPolygonF({QPointF(1, 1), QPointF(15, 1), QPointF(11, 5), QPointF(5, 5), QPointF(5, 11), QPointF(1, 15)}));
        p.setBrush(QColor(60, 60, 90));
        p.drawPolygon(QPolygonF({QPointF(15, 1), QPointF(15, 15), QPointF(1, 15), QPointF(5, 11), QPointF(11, 11), QPointF(11, 5)}));
        p.setBrush(ink);
        p.drawRect(QRectF(5, 5, 6, 6));
        break;
    case MainWindow::OutlinePage: {
        QPolygonF frayed;
        for (int i = 0; i <= 7; ++i) frayed << QPointF(1 + 2 * i, i % 2 ? 4 : 1.5);
        frayed << QPointF(15, 15) << QPointF(1, 15);
        p.setPen(QPen(ink, 1.2));
        p.setBrush(QColor(120, 170, 240));
        p.drawPolygon(frayed);
        break;
    }
    case MainWindow::ShadowPage:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(80, 80, 80));
        p.drawRect(QRectF(5, 5, 10, 10));
        p.setBrush(warm);
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(QRectF(1.5, 1.5, 9, 9));
        break;
    case MainWindow::FramePage:
        p.setPen(QPen(QColor(120, 70, 20), 3));
        p.setBrush(QColor(150, 200, 250));
        p.drawRect(QRectF(2.5, 2.5, 11, 11));
        break;
    default: break;
    }
    p.end();
    glyph.setPixelColor(0, 15, key);  // the corner the tabs read their key colour from
    return glyph;
}

// Tool bar pictures the style does not offer, 16 x 16 on transparent ground.
enum class ToolPicture { Print, Copy, Paste, Generator };
QIcon toolIcon(ToolPicture picture) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen outline(QColor(50, 50, 60), 1);
    const auto sheet = [&](QRectF r) {
        p.setPen(outline);
        p.setBrush(Qt::white);
        p.drawRect(r);
        p.setPen(QPen(QColor(120, 140, 180), 1));
        for (qreal y = r.top() + 3; y < r.bottom() - 1; y += 2.5) p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
    };
    switch (picture) {
    case ToolPicture::Print:
        sheet(QRectF(4.5, 1.5, 7, 6));
        p.setPen(outline);
        p.setBrush(QColor(170, 175, 185));
        p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
        break;
    case ToolPicture::Copy:
        sheet(QRectF(1.5, 1.5, 8, 10));
        sheet(QRectF(6.5, 4.5, 8, 10));
        break;
    case ToolPicture::Paste:
        p.setPen(outline);
        p.setBrush(QColor(190, 140, 80));
        p.drawRoundedRect(QRectF(2.5, 2.5, 10, 12), 1.5, 1.5);
        p.setBrush(QColor(200, 200, 210));
        p.drawRect(QRectF(5.5, 1.5, 4, 2.5));
        sheet(QRectF(7.5, 6.5, 7, 8));
        break;
    case ToolPicture::Generator:
        p.setPen(outline);
        p.setBrush(QColor(250, 250, 245));
        p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 40, 40));
        for (const QPointF dot : {QPointF(5, 5), QPointF(8, 8), QPointF(11, 11), QPointF(11, 5), QPointF(5, 11)})
            p.drawEllipse(dot, 1.3, 1.3);
        break;
    }
    p.end();
    return QIcon(pixmap);
}

// The text field of the text page, when it has the focus.
bool isTextField(QWidget* w) {
    return qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w) || qobject_cast<QLineEdit*>(w);
}

}  // namespace

MainWindow::MainWindow(const StartOptions& options) : options_(options), messages_(this) {
    if (!options_.settingsFile.empty()) {
        settings_ = OpenSettings({options_.settingsFile});
    } else if (!options_.withoutSettings) {
        settings_ = OpenSettings(SettingsCandidates(options_.programFolder));
    }
    messages_.onStatus = [this](int panel, const QString& text) { showStatus(panel, text); };
    help_ = new Help(this);

    scroll_ = new QScrollArea;
    scroll_->setObjectName(QStringLiteral("ScrollBox"));
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setFrameShape(QFrame::NoFrame);
    view_ = new ImageView;
    frame_ = new ImageFrame(view_);
    scroll_->setWidget(frame_);
    scroll_->setWidgetResizable(false);
    frame_->setAutoFillBackground(false);  // the window's background shows around the picture
    scroll_->viewport()->installEventFilter(this);
    frame_->installEventFilter(this);
    connect(view_, &ImageView::mouseMoved, this, &MainWindow::imageMouseMove);
    connect(view_, &ImageView::mousePressed, this, [this](QPoint p, Qt::MouseButton b, Qt::KeyboardModifiers m) {
        runCommand([&] { imageMouseDown(p, b, m); });
    });
    connect(view_, &ImageView::mouseReleased, this, [this](QPoint p, Qt::MouseButton b) {
        runCommand([&] { imageMouseUp(p, b); });
    });
    connect(view_, &ImageView::mouseDoubleClicked, this, [this](QPoint) { runCommand([&] { imageDoubleClick(); }); });
    frame_->resizing = [this](QSize size) {
        showPanels();
        statusPanels_[1]->setText(tr("Bildgr\u00f6\u00dfe: %1 x %2").arg(size.width()).arg(size.height()));
    };
    frame_->resized = [this](QSize size) {
        runCommand([&] {
            setImageSize(size.width(), size.height());
            engine_->Modified = 1;
            recalculate();
        });
    };

    delayedCalc_ = new QTimer(this);
    delayedCalc_->setObjectName(QStringLiteral("DelayedCalcTimer"));
    delayedCalc_->setInterval(100);
    connect(delayedCalc_, &QTimer::timeout, this, &MainWindow::delayedCalcTick);

    buildNotebook();
    installPages();
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
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
    buildDeformMenu();
    connect(stylePage()->slideShow(), &pages::SlideShow::finished, this, [this] { slideShowAction_->setChecked(false); });
    qApp->installEventFilter(this);

    try {
        readSettings();
    } catch (const std::exception& e) {
        startDocument();
        messages_.messageBox(e.what(), "Vortel", MessageIcon::Error);
    }
    startDocument();
    for (const auto& [index, page] : pages_) page->setProfessional(professional());
    setQuality(quality_);
    engine_->Modified = 0;
    notebook_->setCurrentIndex(StylePage);
    stylePage()->focusStyles();
    setAcceptDrops(true);
    // Once the window is shown: the slide show after start, the full-screen show of the screen
    // saver, or the tip of the day (never in a run without settings: tests, the tour).
    if (demoAction_->isChecked()) {
        QTimer::singleShot(50, this, [this] { startSlideShow(options_.saver, false); });
    } else if (options_.saver) {
        QTimer::singleShot(0, this, [this] { startSlideShow(true, false); });
    } else if (!options_.withoutSettings && tipOfDayAction_->isChecked()) {
        QTimer::singleShot(0, this, [this] { showTip(); });
    }
    if (!options_.file.empty()) openFile(QString::fromStdString(options_.file));
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    delayedCalc_->stop();
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&Datei"));
    addItem(file, tr("&Neu..."), this, [this] { runCommand([this] { newCommand(); }); }, QKeySequence::New);
    addItem(file, tr("\u00d6&ffnen..."), this, [this] { openCommand(); }, QKeySequence::Open);
    addItem(file, tr("&Speichern"), this, [this] { saveCommand(false); }, QKeySequence::Save);
    addItem(file, tr("Speichern &unter..."), this, [this] { saveCommand(true); }, QKeySequence::SaveAs);
    file->addSeparator();
    QAction* print = addItem(file, tr("&Drucken..."), this, [this] { runCommand([this] { printCommand(); }); }, QKeySequence::Print);
    print->setObjectName(QStringLiteral("PrintMenu"));
    recentSeparator_ = file->addSeparator();
    recentSeparator_->setVisible(false);
    for (int i = 0; i < RecentCount; ++i) {
        recentActions_[i] = file->addAction(QString());
        recentActions_[i]->setObjectName(QStringLiteral("File%1Menu").arg(i + 1));
        recentActions_[i]->setVisible(false);
        connect(recentActions_[i], &QAction::triggered, this, [this, i] { reopen(i); });
    }
    file->addSeparator();
    addItem(file, tr("&Beenden"), this, [this] { close(); }, QKeySequence::Quit);

    QMenu* edit = menuBar()->addMenu(tr("&Bearbeiten"));
    undoAction_ = addItem(edit, tr("&R\u00fcckg\u00e4ngig (%1)").arg(tr("Keine")), this, [this] { undoCommand(); }, QKeySequence::Undo);
    edit->addSeparator();
    addItem(edit, tr("&Kopieren"), this, [this] { copyCommand(); }, QKeySequence::Copy);
    pasteAction_ = addItem(edit, tr("&Einf\u00fcgen"), this, [this] { pasteCommand(); }, QKeySequence::Paste);
    edit->addSeparator();
    QAction* imageSize = addItem(edit, tr("&Bildgr\u00f6\u00dfe..."), this, [this] { runCommand([this] { imageSizeCommand(); }); });
    imageSize->setObjectName(QStringLiteral("ImageSizeMenu"));
    // The deformation dialog stays open beside the window; its command waits until it closes.
    QAction* charDeform = edit->addAction(tr("&Zeichen verformen..."));
    charDeform->setObjectName(QStringLiteral("CharDeformMenu"));
    connect(charDeform, &QAction::triggered, this, [this, charDeform] {
        auto* dialog = new CharDeformDialog(*this, this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        charDeform->setEnabled(false);
        connect(dialog, &QObject::destroyed, charDeform, [charDeform] { charDeform->setEnabled(true); });
        dialog->show();
        dialog->move(geometry().center() - dialog->rect().center());
    });
    connect(edit, &QMenu::aboutToShow, this, [this] {
        undoAction_->setText(undoCaption());
        undoAction_->setEnabled(engine_->Undo.action != 0);
        pasteAction_->setEnabled(pasteEnabled());
    });

    QMenu* help = menuBar()->addMenu(tr("&Hilfe"));
    helpMenu_ = help;
    addItem(help, tr("&Hilfethemen"), this, [this] { showHelpContents(); }, QKeySequence::HelpContents);
    addItem(help, tr("Schrifteffekt-&Assistent"), this, [this] { showAssistant(); });
    help->addSeparator();
    shortHelpAction_ = help->addAction(tr("&Kurzhilfe"));
    tipOfDayAction_ = help->addAction(tr("&Tipp des Tages"));
    demoAction_ = help->addAction(tr("&Demo nach Programmstart"));
    for (QAction* a : {shortHelpAction_, tipOfDayAction_, demoAction_}) a->setCheckable(true);
    QAction* demo = addItem(help, tr("&Effect generator"), this, [this] { startSlideShow(false, true); });
    demo->setObjectName(QStringLiteral("DemoMenu"));
    QAction* fullScreen = addItem(help, tr("&SlideShow (full screen)"), this, [this] { startSlideShow(true, true); });
    fullScreen->setObjectName(QStringLiteral("VollbilddemoMenu"));
    connect(tipOfDayAction_, &QAction::triggered, this, [this] { showTip(); });
    help->addSeparator();
    addItem(help, tr("Internet: &Homepage"), this, [this] { openWebPage(0); });
    addItem(help, tr("Internet: &Updates"), this, [this] { openWebPage(1); });
    addItem(help, tr("Internet: &Kostenlose Texturen"), this, [this] { openWebPage(2); });
    help->addSeparator();
    addItem(help, tr("&Info..."), this, [this] {
        QMessageBox::about(this, tr("Vortel"), tr("Vortel %1\nTexteffekte aus Schrift, Umrisslinien und Licht.").arg(ProgramVersion));
    });
}

void MainWindow::buildToolBar() {
    QToolBar* bar = addToolBar(tr("Werkzeuge"));
    bar->setObjectName(QStringLiteral("MainToolBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);  // buttons without an icon show their text
    QStyle* s = style();
    auto icon = [](const char* theme, const QIcon& fallback) { return QIcon::fromTheme(QString::fromLatin1(theme), fallback); };
    bar->addAction(icon("document-new", s->standardIcon(QStyle::SP_FileIcon)), tr("Neu"), this,
                   [this] { runCommand([this] { newCommand(); }); });
    bar->addAction(icon("document-open", s->standardIcon(QStyle::SP_DialogOpenButton)), tr("\u00d6ffnen"), this, [this] { openCommand(); });
    bar->addAction(icon("document-save", s->standardIcon(QStyle::SP_DialogSaveButton)), tr("Speichern"), this, [this] { saveCommand(false); });
    QAction* print = bar->addAction(icon("document-print", toolIcon(ToolPicture::Print)), tr("Drucken"), this,
                                    [this] { runCommand([this] { printCommand(); }); });
    print->setObjectName(QStringLiteral("PrintSpeedButton"));
    bar->addSeparator();
    bar->addAction(icon("edit-undo", s->standardIcon(QStyle::SP_ArrowBack)), tr("R\u00fcckg\u00e4ngig"), this, [this] { undoCommand(); });
    bar->addAction(icon("edit-copy", toolIcon(ToolPicture::Copy)), tr("Kopieren"), this, [this] { copyCommand(); });
    bar->addAction(icon("edit-paste", toolIcon(ToolPicture::Paste)), tr("Einf\u00fcgen"), this, [this] { pasteCommand(); });
    bar->addSeparator();
    auto* group = new QActionGroup(this);
    const QString names[3] = {tr("Entwurf"), tr("Normal"), tr("Gegl\u00e4ttet")};
    for (int i = 0; i < 3; ++i) {
        qualityActions_[i] = bar->addAction(names[i], this, [this, i] { setQuality(Quality(i)); });
        qualityActions_[i]->setCheckable(true);
        group->addAction(qualityActions_[i]);
    }
    bar->addSeparator();
    // Outside professional mode it starts and stops the effect generator; in professional mode it
    // opens the adjustment dialog for the whole picture.
    slideShowAction_ = bar->addAction(toolIcon(ToolPicture::Generator), tr("Effekt-Generator"));
    slideShowAction_->setObjectName(QStringLiteral("AlterFullImageSpeedButton"));
    slideShowAction_->setCheckable(true);
    connect(slideShowAction_, &QAction::triggered, this, [this] {
        if (professional()) {
            slideShowAction_->setChecked(false);
            alterFullImage();
            return;
        }
        pages::SlideShow* show = stylePage()->slideShow();
        if (show->running()) {
            show->stop();
        } else {
            startSlideShow(false, true);
        }
    });
    bar->addSeparator();
    profiAction_ = bar->addAction(tr("Profi"));
    profiAction_->setCheckable(true);
    connect(profiAction_, &QAction::toggled, this, [this](bool on) {
        if (!panels_) return;  // while the settings are read: the pages follow once the document exists
        for (const auto& [index, page] : pages_) page->setProfessional(on);
    });
}

QWidget* MainWindow::placeholderPage(const QString& what) {
    auto* label = new QLabel(what);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

// The Deform page: the thirty shapes with their pictures in three rows, and the four draw buttons
// beside them. A click on a shape fits it to the image and shows it (Shift or Ctrl turns it round).
QWidget* MainWindow::buildDeformPage() {
    QStringList pictures;
    for (int i = 1; i <= presets::GuidePresetCount; ++i) pictures << QStringLiteral("DEFORM_%1").arg(i, 2, 10, QLatin1Char('0'));
    deformList_ = new controls::PresetGrid(pictures, 10, QSize(120, 40), 3);
    deformList_->setObjectName(QStringLiteral("GuideStyleListBox"));
    connect(deformList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const bool shift = QApplication::keyboardModifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
        runCommand([&] {
            panels_->ApplyGuidePreset(deformList_->row(item), shift);
            engine_->Modified = 1;
        });
    });
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(deformList_, 1);
    auto* buttons = new QVBoxLayout;
    auto* group = new QButtonGroup(page);
    const char* const names[4] = {"DrawNormalSpeedButton", "DrawEditPointSpeedButton", "DrawGuidesSpeedButton", "DrawSelGuideSpeedButton"};
    const QString captions[4] = {tr(" Move"), tr(" Edit points"), tr(" Draw lines"), tr(" Redraw line")};
    for (int mode = 0; mode < 4; ++mode) {
        auto* button = new QToolButton;
        button->setObjectName(QString::fromLatin1(names[mode]));
        button->setText(captions[mode]);
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        group->addButton(button, mode);
        buttons->addWidget(button);
        drawButtons_[mode] = button;
        connect(button, &QToolButton::clicked, this, [this, mode] { runCommand([&] { chooseDrawMode(mode); }); });
    }
    drawButtons_[DrawMove]->setChecked(true);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    return page;
}

void MainWindow::buildNotebook() {
    notebook_ = new controls::GlyphTabWidget;
    notebook_->setObjectName(QStringLiteral("PageControl"));
    notebook_->setMinimumHeight(170);
    notebook_->addTab(placeholderPage(tr("Hier werden fertige Styles gew\u00e4hlt.")), tr("Style"));
    notebook_->addTab(placeholderPage(tr("Hier werden Text, Schriftart, Ausrichtung und Abst\u00e4nde eingestellt.")),
                      tr("Text"));
    notebook_->addTab(buildDeformPage(), tr("Deform"));
    notebook_->addTab(placeholderPage(tr("Hier werden Farbe, Farbverlauf, Textur und Pr\u00e4gemuster gew\u00e4hlt.")),
                      tr("Surface"));
    notebook_->addTab(placeholderPage(tr("Hier werden die 3D-Kanten und ihr Profil gestaltet.")), tr("3D Bevel"));
    notebook_->addTab(placeholderPage(tr("Hier werden die Umrisse ausgefranst.")), tr("Outline"));
    notebook_->addTab(placeholderPage(tr("Hier werden Schatten und Leuchten eingestellt.")), tr("Shadow"));
    notebook_->addTab(placeholderPage(tr("Hier wird der Hintergrund-Rahmen gew\u00e4hlt.")), tr("Frame"));
    auto* tabs = static_cast<controls::GlyphTabWidget*>(notebook_);
    for (int page = StylePage; page <= FramePage; ++page) tabs->setTabGlyph(page, tabGlyph(page));
    // Eight tabs with glyphs fit the window's default width with a slightly smaller caption.
    notebook_->setIconSize(QSize(14, 14));
    QFont captions = notebook_->tabBar()->font();
    captions.setPointSizeF(captions.pointSizeF() * 0.9);
    notebook_->tabBar()->setFont(captions);
    connect(notebook_, &QTabWidget::currentChanged, this, [this](int page) { runCommand([&] { pageChanged(page); }); });
}

void MainWindow::pageChanged(int page) {
    if (!engine_) return;
    if (lastPage_ == DeformPage && page != DeformPage) {
        drawMode_ = DrawMove;
        drawButtons_[DrawMove]->setChecked(true);
        capture_ = Capture::None;
        hideGuides();
    }
    // What the bevel editor said about its points belongs to its page.
    if (lastPage_ == BevelPage && page != BevelPage) statusPanels_[1]->clear();
    lastPage_ = page;
    if (pages::EffectPage* shown = effectPage(page)) shown->entered();
    if (page == DeformPage) {
        engine_->GetMiddleOfGuides();
        chooseDrawMode(drawMode_);
        showGuides();
    } else if (page == TextPage) {
        engine_->GetMiddleOfGuides();
        engine_->SelectedGuide = -1;
        // The text frame, dotted, over the picture.
        restoreCleanPicture();
        const QRect frame = textFrame();
        if (!frame.isEmpty()) {
            controls::PaintOnCanvas(*canvas_, [&](QPainter& painter) {
                painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
                painter.setBackground(Qt::white);
                painter.setBackgroundMode(Qt::OpaqueMode);
                painter.drawRect(frame);
            });
        }
        view_->update();
    }
}

void MainWindow::setImageSize(int width, int height) {
    width = std::max(1, width), height = std::max(1, height);
    canvas_ = std::make_unique<Canvas>(width, height);
    clean_.clear();
    if (engine_) {
        engine_->ImageRect = Rect{0, 0, width, height};
        engine_->releaseTextMask();  // the maps have the old size
    }
    view_->setCanvas(canvas_.get());
    frame_->placeHandles();
}

// A fresh engine on the image view with the program's start values: untitled, unmodified.
void MainWindow::startDocument() {
    const int width = canvas_ ? canvas_->width() : 450, height = canvas_ ? canvas_->height() : 200;
    panels_.reset();
    engine_ = std::make_unique<TFontFX>(Rect{0, 0, width, height});
    engine_->setMessages(&messages_);
    panels_ = std::make_unique<presets::EffectPanels>(*engine_, stockModule());
    // A preset asks for a new picture when its own page is the one shown (Page::All: always).
    panels_->events.redraw = [this](presets::Page page) {
        if (page == presets::Page::All || int(page) == notebook_->currentIndex()) recalculate();
    };
    panels_->events.refresh = [this](presets::Page page) { refreshPages(page); };
    panels_->events.lastRandom = [this](uint32_t seed) { settings_.writeInteger("Options", "LastRandom", int(seed)); };
    // The undo of a bevel group (9) or a gradient colour (11) shows on its own page.
    engine_->UndoRefresh = [this](uint8_t action) {
        refreshPages(action == 9 ? presets::Page::Bevel : action == 11 ? presets::Page::Surface : presets::Page::All);
    };
    guideEditing_ = false;
    capture_ = Capture::None;
    if (drawButtons_[DrawMove]) drawButtons_[DrawMove]->setChecked(true);
    drawMode_ = DrawMove;
    if (deformList_) {
        // The new document has no shape of the list yet.
        deformList_->clearSelection();
        deformList_->setCurrentRow(-1, QItemSelectionModel::Clear);
    }
    savedName_.clear();
    setZone(ZoneNone);
    setImageSize(width, height);
    documentName_ = QString::fromUtf8(Untitled);
    setQuality(quality_);
    refreshPages(presets::Page::All);
    engine_->Modified = 0;
    updateCaption();
}

bool MainWindow::newCommand() {
    if (!changeQuery()) return false;
    TextInputDialog dialog(QString::fromStdString(engine_->Text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                           profiAction_->isChecked(), this);
    if (execDialog(dialog) != QDialog::Accepted || dialog.text().isEmpty()) return false;
    startDocument();
    engine_->Text = dialog.text().toStdString();
    engine_->releaseTextMask();
    recalculate();
    if (panels_->events.refresh) panels_->events.refresh(presets::Page::All);
    if (dialog.professional() != profiAction_->isChecked()) profiAction_->trigger();
    engine_->Modified = 1;
    // The text is new: the styles may put their own text in again.
    panels_->textEdited = false;
    if (dialog.assistant()) showAssistant();
    return true;
}

void MainWindow::recalculate() {
    if (!engine_ || !canvas_) return;
    engine_->ImageRect = Rect{0, 0, canvas_->width(), canvas_->height()};
    pictureRendered_ = false;
    try {
        const bool warped = engine_->GetPointsAndTypes(*canvas_, false) && engine_->CalcVortel(0);
        if (warped) engine_->GetMiddleOfGuides();
        renderStar_ = starToggle();
        renderCurl_ = curlToggle();
        engine_->ShowText(*canvas_, quality_ == Quality::Draft);
        pictureRendered_ = warped && quality_ != Quality::Draft;
    } catch (const std::bad_alloc&) {
        messages_.messageBox(OutOfMemoryText, "Fehler", MessageIcon::Error);
    } catch (const std::exception& e) {
        messages_.messageBox(e.what(), "Fehler", MessageIcon::Error);
    }
    takeCleanPicture();
    if (guideEditing_) showGuides();
    view_->update();
}

void MainWindow::setQuality(Quality quality) {
    quality_ = quality;
    qualityActions_[int(quality)]->setChecked(true);
    if (quality != Quality::Draft && engine_) engine_->setSmoothFont(quality == Quality::Smooth);
    recalculate();
}

QString MainWindow::statusText(int panel) const {
    if (panel == StatusSimple) return statusBar()->currentMessage();
    return panel >= 0 && panel < 2 ? statusPanels_[panel]->text() : QString();
}

// The status bar shows either its panels or one text across its width.
void MainWindow::showPanels() {
    statusBar()->clearMessage();
    for (QLabel* panel : statusPanels_) panel->show();
}

void MainWindow::showStatus(int panel, const QString& text) {
    if (panel == StatusSimple) {
        for (QLabel* p : statusPanels_) p->hide();
        statusBar()->showMessage(text);
        return;
    }
    showPanels();
    if (panel >= 0 && panel < 2) statusPanels_[panel]->setText(text);
}

void MainWindow::updateCaption() { setWindowTitle(tr("Vortel - %1").arg(QFileInfo(documentName_).fileName())); }

void MainWindow::runCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::bad_alloc&) {
        messages_.messageBox(OutOfMemoryText, "Vortel", MessageIcon::Error);
    } catch (const std::exception& e) {
        messages_.messageBox(e.what(), "Vortel", MessageIcon::Error);
    }
}

int MainWindow::confirm(const QString& question) {
    if (confirmHook) return confirmHook(question);
    return QMessageBox::question(this, tr("Vortel"), question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

int MainWindow::execDialog(QDialog& dialog) { return dialogHook ? dialogHook(dialog) : dialog.exec(); }

QString MainWindow::chooseFolder(const QString& caption, const QString& start) {
    if (folderHook) return folderHook(caption, start);
    return QFileDialog::getExistingDirectory(this, caption, start);
}

bool MainWindow::professional() const { return profiAction_->isChecked(); }

bool MainWindow::pageShown(presets::Page page) const { return notebook_->currentIndex() == int(page); }

Bitmap MainWindow::picture() { return canvas_->toBitmap(); }

void MainWindow::paintOnPicture(const std::function<void(QPainter&)>& paint) {
    pictureRendered_ = false;
    controls::PaintOnCanvas(*canvas_, paint);
    view_->repaint();  // at once: the slide show's next picture may follow without a pause
}

void MainWindow::alterFullImage() {
    if (guideEditing_) {
        hideGuides();
        view_->update();
    }
    pages::AlterBmpDialog dialog(*this, this);
    dialog.start(pages::AlterBmpDialog::ImageMode);
    execDialog(dialog);
}

void MainWindow::showPage(presets::Page page) { notebook_->setCurrentIndex(int(page)); }

pages::StylePage* MainWindow::stylePage() const { return qobject_cast<pages::StylePage*>(effectPage(StylePage)); }

void MainWindow::startSlideShow(bool fullScreen, bool byUser) {
    pages::SlideShow* show = stylePage()->slideShow();
    if (show->running()) return;
    const auto mode = options_.saver ? pages::SlideShow::Mode::Saver
                      : fullScreen   ? pages::SlideShow::Mode::FullScreen
                                     : pages::SlideShow::Mode::Window;
    if (!professional()) slideShowAction_->setChecked(true);
    // After the show the window started itself: what start-up would have done instead.
    show->start(mode, byUser, [this] {
        if (!options_.withoutSettings && tipOfDayAction_->isChecked()) showTip();
    });
}

pages::EffectPage* MainWindow::effectPage(int index) const {
    const auto it = pages_.find(index);
    return it == pages_.end() ? nullptr : it->second;
}

// The pages that exist take the places of their placeholders.
void MainWindow::installPages() {
    for (const auto& [page, widget] : pages::MakePages(*this)) {
        const int index = int(page);
        const QString caption = notebook_->tabText(index);
        const QIcon glyph = notebook_->tabIcon(index);
        QWidget* placeholder = notebook_->widget(index);
        const bool blocked = notebook_->blockSignals(true);
        notebook_->removeTab(index);
        notebook_->insertTab(index, widget, glyph, caption);
        notebook_->blockSignals(blocked);
        delete placeholder;
        pages_[index] = widget;
    }
}

void MainWindow::refreshPages(presets::Page page) {
    for (const auto& [index, widget] : pages_)
        if (page == presets::Page::All || int(page) == index) widget->refresh();
}

bool MainWindow::changeQuery() {
    if (!engine_ || !engine_->Modified) return true;
    const int answer = confirm(tr("\u00c4nderungen in \"%1\" speichern?").arg(documentName_));
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::Yes) {
        saveCommand(false);
        if (engine_->Modified) return false;  // the save failed or was cancelled
    }
    return true;
}

// ------------------------------------------------------------------------------------- open

bool MainWindow::openFile(const QString& path) {
    if (!changeQuery()) return false;
    return readFile(path);
}

bool MainWindow::readFile(const QString& path, bool asDocument) {
    bool opened = false;
    const QString previousCaption = windowTitle();
    setWindowTitle(tr("Vortel"));
    showStatus(StatusSimple, tr("Lade %1...").arg(QFileInfo(path).fileName()));
    runCommand([&] {
        const std::string file = path.toStdString();
        const std::string ext = upperExtension(path);
        static const std::vector<std::string> pictures = {"JPG", "JIF", "GIF", "BMP", "DIB", "RLE", "TGA", "PCX", "PNG"};
        bool document = false;
        if (asDocument) {
            document = true;
        } else if (std::find(pictures.begin(), pictures.end(), ext) != pictures.end()) {
            engine_->setTexture(0, std::make_shared<Bitmap>(loadImage(file)), file);
            engine_->setFillKind(0, 0);
        } else if (const auto kind = styleKindForPath(file)) {
            ReadStyleFile(*engine_, file, *kind);
        } else {
            document = true;
        }
        if (document) {
            const ViewSize size = ReadDocument(*engine_, file);
            setImageSize(size.width.value_or(canvas_->width()), size.height.value_or(canvas_->height()));
        }
        documentName_ = QString::fromStdString(std::filesystem::path(file).replace_extension(".vtl").string());
        // Only a document read is the file Save may replace without asking; a picture or a style
        // lends the document its name, and a file of that name may be someone else's.
        savedName_ = document ? documentName_ : QString();
        if (document) addRecentFile(path);
        recalculate();
        if (panels_->events.refresh) panels_->events.refresh(presets::Page::All);
        engine_->Modified = 0;
        opened = true;
    });
    showPanels();
    statusPanels_[1]->clear();
    if (opened) {
        updateCaption();
    } else {
        setWindowTitle(previousCaption);
    }
    return opened;
}

bool MainWindow::openDocument(const QString& path, bool quietly) {
    if (!quietly) return openFile(path);
    if (!changeQuery()) return false;
    const bool wasSilenced = messages_.silenced;
    messages_.silenced = true;
    const bool opened = readFile(path);
    messages_.silenced = wasSilenced;
    return opened;
}

void MainWindow::openCommand() {
    if (!changeQuery()) return;
    const QStringList filters = {
        tr("Vortel Datei (*.vtl)"), tr("Verform-Style (*.deform)"), tr("3D-Kanten-Style (*.bevel)"), tr("Farbverlauf (*.color))"),
        tr("Schatten-Style (*.shadow)"),
        tr("Hintergrund-Textur (.jpg .bmp .png .tga .pcx) (*.jpg *.jif *.bmp *.dib *.rle *.tga *.pcx *.png)"),
        tr("Alle Dateien (*)")};
    QFileDialog dialog(this, tr("\u00d6ffnen"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    dialog.setDirectory(QString::fromStdString(settings_.readString("Options", "OpenDir", options_.programFolder)));
    if (execDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().first();
    settings_.writeString("Options", "OpenDir", QFileInfo(path).absolutePath().toStdString());
    settings_.writeInteger("Options", "OpenIndex", int(filters.indexOf(dialog.selectedNameFilter())));
    readFile(path);
}

// ------------------------------------------------------------------------------------- save

// The Save dialog's types, by filter index 1 .. 9, with the extension each appends.
namespace {
struct SaveType {
    const char* filter;
    const char* extension;
};
constexpr SaveType saveTypes[] = {
    {QT_TRANSLATE_NOOP("vortel::app::MainWindow", "Vortel Datei (*.vtl)"), ".vtl"},
    {QT_TRANSLATE_NOOP("vortel::app::MainWindow", "BMP - Windows Bitmap (*.bmp)"), ".bmp"},
    {QT_TRANSLATE_NOOP("vortel::app::MainWindow", "EMF - Enhanced Meta File (*.emf)"), ".emf"},
    {QT_TRANSLATE_NOOP("vortel::app::MainWindow", "JPG - JPEG JFIF Compliant (*.jpg)"), ".jpg"},
    {QT_TRANSLATE_NOOP("vortel::app::MainWindow", "WMF - Windows 3.1 Meta File (*.wmf)"), ".wmf"},
    {QT_TRANSLATE_NOOP("vortel::app::MainWindow", "Deform - Nur Verformen-Style (*.deform)"), ".deform"},
    {QT_TRANSLATE_NOOP("vortel::app::MainWindow", "Bevel - Nur 3D-Kanten-Style (*.bevel)"), ".bevel"},
    {QT_TRANSLATE_NOOP("vortel::app::MainWindow", "Color - Nur Farbverlauf (*.color)"), ".color"},
    {QT_TRANSLATE_NOOP("vortel::app::MainWindow", "Shadow - Nur Schatten-Style (*.shadow)"), ".shadow"},
};
}  // namespace

QString MainWindow::suggestedSaveName() const {
    if (!isUntitled(documentName_)) return QFileInfo(documentName_).completeBaseName();
    QString text = QString::fromStdString(engine_->Text).left(60);
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (const QChar bad : {QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char('\r'), QLatin1Char('\n')}) text.replace(bad, QLatin1Char(' '));
    return text.trimmed();
}

std::optional<QString> MainWindow::saveAs(QString name, int filterIndex) {
    if (filterIndex < 1 || filterIndex > int(std::size(saveTypes))) throw std::runtime_error("not supported " + std::to_string(filterIndex));
    if (guideEditing_) hideGuides();
    const QString extension = QString::fromLatin1(saveTypes[filterIndex - 1].extension);
    if (!name.toUpper().contains(extension.toUpper())) name += extension;
    if (QFileInfo::exists(name)) {
        const QString question = tr("\"%1\" existiert schon.\n\u00dcberschreiben?").arg(name);
        if (confirm(question) != QMessageBox::Yes) return std::nullopt;
    }
    const std::string file = name.toStdString();
    const int32_t w = canvas_->width(), h = canvas_->height();
    bool written = true;
    switch (filterIndex) {
    case 1:
        WriteDocument(*engine_, canvas_->toBitmap(), file);
        documentName_ = name;
        savedName_ = name;
        engine_->Modified = 0;
        addRecentFile(name);
        break;
    case 2: saveBmp(file, canvas_->toBitmap()); break;
    case 3: ExportMetafile(*engine_, w, h, file, true); break;
    case 4: {
        // The optimizer writes the file when its Save is pressed; Cancel writes nothing.
        JpegOptimizerDialog optimizer(canvas_->toBitmap(), name, messages_, this);
        written = execDialog(optimizer) == QDialog::Accepted;
        break;
    }
    case 5: ExportMetafile(*engine_, w, h, file, false); break;
    default: WriteStyleFile(*engine_, file, StyleKind(filterIndex - 6)); break;
    }
    if (notebook_->currentIndex() == DeformPage) showGuides();
    updateCaption();
    if (!written) return std::nullopt;
    return name;
}

void MainWindow::saveCommand(bool saveAs) {
    runCommand([&] {
        if (guideEditing_) hideGuides();
        if (!saveAs && !isUntitled(documentName_)) {
            if (documentName_ != savedName_ && QFileInfo::exists(documentName_)) {
                const QString question = tr("\"%1\" existiert schon.\n\u00dcberschreiben?").arg(documentName_);
                if (confirm(question) != QMessageBox::Yes) {
                    if (notebook_->currentIndex() == DeformPage) showGuides();
                    return;
                }
            }
            WriteDocument(*engine_, canvas_->toBitmap(), documentName_.toStdString());
            engine_->Modified = 0;
            savedName_ = documentName_;
            if (notebook_->currentIndex() == DeformPage) showGuides();
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
        if (execDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
        const int index = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
        const QString chosen = dialog.selectedFiles().first();
        settings_.writeString("Options", "SaveDir", QFileInfo(chosen).absolutePath().toStdString());
        settings_.writeInteger("Options", "SaveIndex", index);
        this->saveAs(chosen, index);
    });
}

// ------------------------------------------------------------------------------------- recent files

QStringList MainWindow::recentFiles() const {
    QStringList files;
    const int count = std::clamp(settings_.readInteger("Files", "Count", 0), 0, RecentCount);
    for (int i = 1; i <= count; ++i) files << QString::fromStdString(settings_.readString("Files", std::to_string(i), ""));
    return files;
}

QString MainWindow::elidedPath(const QString& path, int pixels, const QFont& font) {
    // The path ellipsis keeps the file name and as much of the folders' start as fits.
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(path) <= pixels) return path;
    const int slash = int(path.lastIndexOf(QLatin1Char('/')));
    const QString name = slash >= 0 ? path.mid(slash) : path;
    const QString ellipsis = QStringLiteral("...");
    QString head = slash >= 0 ? path.left(slash) : QString();
    while (!head.isEmpty() && metrics.horizontalAdvance(head + ellipsis + name) > pixels) head.chop(1);
    if (head.isEmpty()) return metrics.elidedText(ellipsis + name, Qt::ElideLeft, pixels);
    return head + ellipsis + name;
}

void MainWindow::showRecentFiles() {
    const QStringList files = recentFiles();
    for (int i = 0; i < RecentCount; ++i) {
        QAction* action = recentActions_[i];
        action->setVisible(i < files.size());
        if (i >= files.size()) continue;
        action->setToolTip(files[i]);
        action->setStatusTip(files[i]);
        action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(elidedPath(files[i], 150, menuBar()->font())));
    }
    recentSeparator_->setVisible(!files.isEmpty());
}

void MainWindow::moveRecentToTop(int index) {
    QStringList files = recentFiles();
    if (index <= 0 || index >= files.size()) return;
    files.move(index, 0);
    for (int i = 0; i < files.size(); ++i) settings_.writeString("Files", std::to_string(i + 1), files[i].toStdString());
    showRecentFiles();
}

void MainWindow::addRecentFile(const QString& path) {
    QStringList files = recentFiles();
    for (int i = 0; i < files.size(); ++i) {
        if (files[i].compare(path, Qt::CaseInsensitive) == 0) {
            moveRecentToTop(i);
            return;
        }
    }
    if (files.size() < RecentCount) {
        settings_.writeString("Files", std::to_string(files.size() + 1), path.toStdString());
        settings_.writeInteger("Files", "Count", int(files.size()) + 1);
        showRecentFiles();
        return;
    }
    settings_.writeString("Files", std::to_string(RecentCount), path.toStdString());
    moveRecentToTop(RecentCount - 1);
}

void MainWindow::reopen(int index) {
    const QStringList files = recentFiles();
    if (index < 0 || index >= files.size()) return;
    const QString path = files[index];
    if (engine_->Modified) {
        const int answer = confirm(tr("\u00c4nderungen in \"%1\" speichern?").arg(documentName_));
        if (answer == QMessageBox::Cancel) return;
        if (answer == QMessageBox::Yes) {
            saveCommand(false);  // a document saved this way goes to the top instead
            return;
        }
    }
    moveRecentToTop(index);
    readFile(path, true);  // always the document reader, whatever the extension
}

// ------------------------------------------------------------------------------------- edit

QString MainWindow::undoCaption() const {
    static const char* const names[] = {
        QT_TR_NOOP("Keine"), QT_TR_NOOP("Verformen"), QT_TR_NOOP("Verschieben"), QT_TR_NOOP("Zoom"),
        QT_TR_NOOP("Punkt verschieben"), QT_TR_NOOP("Zentrieren"), QT_TR_NOOP("Drehen"), QT_TR_NOOP("Punkt hinzuf\u00fcgen"),
        QT_TR_NOOP("Punkt l\u00f6schen"), QT_TR_NOOP("3D-Kante"), QT_TR_NOOP("Farbe"), QT_TR_NOOP("Farbverlauf"),
        QT_TR_NOOP("Zufall-Style")};
    const int action = engine_->Undo.action;
    const QString name = action < int(std::size(names)) ? tr(names[action]) : QStringLiteral("?");
    return tr("&R\u00fcckg\u00e4ngig (%1)").arg(name);
}

void MainWindow::undoCommand() {
    runCommand([this] {
        const uint8_t action = engine_->Undo.action;
        if (engine_->UndoLastAction()) {
            engine_->Modified = 1;
            // A surface colour taken back shows on the Surface page too (the engine itself
            // reports only the undo of a bevel group or a gradient colour).
            if (action == 10) refreshPages(presets::Page::Surface);
            recalculate();
        }
    });
}

void MainWindow::copyCommand() {
    QWidget* focus = QApplication::focusWidget();
    if (notebook_->currentIndex() == TextPage && isTextField(focus)) {
        QMetaObject::invokeMethod(focus, "copy");
        return;
    }
    if (guideEditing_) hideGuides();
    // Both in one QMimeData: the bitmap for readers of images, and the explicit "image/png" that
    // Qt hands to a reader of that type in preference to a PNG made from the bitmap.
    auto* data = new QMimeData;
    data->setImageData(controls::ToQImage(canvas_->toBitmap()));
    if (const QByteArray png = transparentPng(); !png.isEmpty()) data->setData(QStringLiteral("image/png"), png);
    QApplication::clipboard()->setMimeData(data);
}

QByteArray MainWindow::transparentPng() {
    if (quality_ == Quality::Draft || !pictureRendered_ || delayedCalc_->isActive()) return {};
    try {
        // The pair is rendered on a canvas of its own from the phase the picture was rendered from;
        // the keeper puts the engine's maps, tables, bounds and the program-wide render memory back.
        const RenderStateKeeper keep(*engine_);
        starToggle() = renderStar_;
        curlToggle() = renderCurl_;
        Canvas aside(canvas_->width(), canvas_->height());
        const std::vector<uint8_t> rgba = renderTransparent(*engine_, aside);
        const std::vector<uint8_t> png = encodePngRgba(aside.width(), aside.height(), rgba, PngEffort::Fast);
        return QByteArray(reinterpret_cast<const char*>(png.data()), qsizetype(png.size()));
    } catch (const std::exception&) {
        // The bitmap alone is still a useful copy.
        return {};
    }
}

bool MainWindow::pasteEnabled() const {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data) return false;
    if (data->hasImage()) return true;
    return notebook_->currentIndex() == TextPage && isTextField(QApplication::focusWidget()) && data->hasText();
}

void MainWindow::pasteCommand() {
    QWidget* focus = QApplication::focusWidget();
    if (notebook_->currentIndex() == TextPage && isTextField(focus)) {
        QMetaObject::invokeMethod(focus, "paste");
        return;
    }
    const QImage image = QApplication::clipboard()->image();
    if (image.isNull()) return;
    runCommand([&] {
        engine_->setTexture(0, std::make_shared<Bitmap>(controls::FromQImage(image)), std::string());
        engine_->setFillKind(0, 0);
        recalculate();
    });
}

// ------------------------------------------------------------------------------------- timer

void MainWindow::startDelayedCalc(int milliseconds) {
    delayedStart_ = QDateTime::currentMSecsSinceEpoch();
    delayedCalc_->setInterval(milliseconds);
    delayedCalc_->start();
}

void MainWindow::delayedCalcTick() {
    if (QDateTime::currentMSecsSinceEpoch() - delayedStart_ <= delayedCalc_->interval() / 2) return;
    delayedCalc_->stop();
    // A page may redraw in its own way (the bevel page with its preview); else the effect is new.
    if (pages::EffectPage* page = effectPage(notebook_->currentIndex())) {
        page->delayedRecalc();
    } else {
        recalculate();
    }
}

// ------------------------------------------------------------------------------------- settings

void MainWindow::readSettings() {
    const IniFile& s = settings_;
    // Every number is held to what the program offers, whatever the file says.
    const auto number = [&s](const char* section, const char* key, int fallback, int low, int high) {
        return std::clamp(s.readInteger(section, key, fallback), low, std::max(low, high));
    };
    shortHelpAction_->setChecked(s.readBool("Options", "ShortHelp", true));
    tipOfDayAction_->setChecked(s.readBool("Options", "TipOfDay", true));
    demoAction_->setChecked(s.readBool("Options", "Demo", false));
    QScreen* display = QGuiApplication::primaryScreen();
    const QRect area = display ? display->availableGeometry() : QRect(0, 0, 1024, 768);
    const QRect placed = WindowPlace(area, s.readInteger("Options", "Left", -1), s.readInteger("Options", "Top", -1),
                                     s.readInteger("Options", "Width", 640),
                                     s.readInteger("Options", "Height", std::min(580, area.height())));
    const int width = placed.width(), height = placed.height();
    resize(width, height);
    if (options_.saver) {
        move(area.right() + 1, placed.top());  // beside the screen, behind the full-screen show
    } else {
        move(placed.topLeft());
        if (s.readBool("Options", "maximized", false)) setWindowState(windowState() | Qt::WindowMaximized);
    }
    // The picture's default leaves room for the bars and the notebook.
    const int chrome = menuBar()->sizeHint().height() + 40 + notebook_->minimumHeight() + statusBar()->sizeHint().height();
    const int imageWidth = number("Image", "Width", std::clamp(width - 40, 1, 450), 1, presets::MaxImageSide);
    const int imageHeight = number("Image", "Height", std::clamp(height - chrome - 40, 1, 200), 1, presets::MaxImageSide);
    setImageSize(imageWidth, imageHeight);
    const int colours = number("CustomColors", "Count", 0, 0, QColorDialog::customCount());
    for (int i = 0; i < colours; ++i) {
        // Kept as the colour dialog keeps them: six hex digits blue-green-red.
        bool ok = false;
        const uint32_t bgr = QString::fromStdString(s.readString("CustomColors", std::to_string(i), "FFFFFF")).toUInt(&ok, 16);
        if (ok && bgr <= 0xFFFFFF) QColorDialog::setCustomColor(i, QColor(bgr & 0xFF, bgr >> 8 & 0xFF, bgr >> 16 & 0xFF));
    }
    textureDirs_.clear();
    for (const std::string& dir : s.readSection("TextureDir")) {
        if (textureDirs_.size() >= MaxTextureFolders) break;
        textureDirs_ << QString::fromStdString(dir);
    }
    showRecentFiles();
    // The pages follow the mode once the document and its panels exist.
    const QSignalBlocker quiet(profiAction_);
    profiAction_->setChecked(s.readBool("Options", "Profi", false));
    quality_ = Quality(number("Options", "Smooth", 2, 0, 2));
}

void MainWindow::writeSettings() {
    if (options_.withoutSettings && options_.settingsFile.empty()) return;
    IniFile& s = settings_;
    // Only a place on a screen is kept: the screen saver's window waits beside the screen, and a
    // window moved off every screen would come back where nobody sees it.
    if (windowState() == Qt::WindowNoState && !options_.saver && OnAScreen(frameGeometry())) {
        s.writeInteger("Options", "Width", width());
        s.writeInteger("Options", "Height", height());
        s.writeInteger("Options", "Left", x());
        s.writeInteger("Options", "Top", y());
    }
    s.writeBool("Options", "maximized", isMaximized());
    s.writeBool("Options", "ShortHelp", shortHelpAction_->isChecked());
    s.writeBool("Options", "TipOfDay", tipOfDayAction_->isChecked());
    s.writeBool("Options", "Demo", demoAction_->isChecked());
    int colours = 0;
    for (; colours < QColorDialog::customCount(); ++colours) {
        const QColor c = QColorDialog::customColor(colours);
        const uint32_t bgr = uint32_t(c.red()) | uint32_t(c.green()) << 8 | uint32_t(c.blue()) << 16;
        s.writeString("CustomColors", std::to_string(colours), QStringLiteral("%1").arg(bgr, 6, 16, QLatin1Char('0')).toUpper().toStdString());
    }
    s.writeInteger("CustomColors", "Count", colours);
    s.eraseSection("TextureDir");
    for (int i = 0; i < std::min<int>(int(textureDirs_.size()), MaxTextureFolders); ++i) s.writeString("TextureDir", textureDirs_[i].toStdString(), "x");
    s.writeInteger("Image", "Width", canvas_->width());
    s.writeInteger("Image", "Height", canvas_->height());
    s.writeInteger("Options", "Smooth", int(quality_));
    s.writeBool("Options", "Profi", profiAction_->isChecked());
    if (s.readString("Program", "Ver", "") != ProgramVersion) {
        s.writeString("Program", "Ver", ProgramVersion);
        s.writeString("Program", "Name", "Vortel");
    }
    s.save();  // errors while writing are ignored
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A save that fails or is cancelled keeps the window open: closing would lose the changes.
    // The screen saver's pictures are nobody's document: it ends without a question.
    if (!options_.saver && !changeQuery()) {
        event->ignore();
        return;
    }
    delayedCalc_->stop();
    writeSettings();
    event->accept();
}

// ------------------------------------------------------------------------------------- window events

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile()) return;
    event->acceptProposedAction();
    raise();
    activateWindow();
    const QString path = urls.first().toLocalFile();
    if (path.size() > 256) return;
    // Queued: the drag source is not kept waiting for the change query and the loading.
    QTimer::singleShot(0, this, [this, path] { openFile(path); });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_->viewport() && event->type() == QEvent::Paint) {
        QPainter painter(scroll_->viewport());
        paintBackground(painter, scroll_->viewport()->rect());
        return true;
    }
    if ((watched == scroll_->viewport() || watched == frame_) && event->type() == QEvent::MouseButtonPress) {
        if (guideEditing_) runCommand([this] { hideGuides(); });
        return false;
    }
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        QWidget* target = qobject_cast<QWidget*>(watched);
        if (!target || target->window() != this || key->isAutoRepeat()) return false;
        if (event->type() == QEvent::KeyPress && capture_ == Capture::WaitLower) {
            lowerLineParallel();
            return true;
        }
        if (key->key() == Qt::Key_Control) runCommand([&] { ctrlKey(event->type() == QEvent::KeyPress); });
    }
    return QMainWindow::eventFilter(watched, event);
}

// The window's background around the picture as `Options/FormBG` says, read at every repaint.
void MainWindow::paintBackground(QPainter& painter, const QRect& area) {
    const QString value = QString::fromStdString(settings_.readString("Options", "FormBG", "-"));
    if (value != backgroundKey_) {
        backgroundKey_ = value;
        backgroundTile_ = QPixmap();
        if (value.startsWith(QLatin1Char(':'))) {
            // Through the gate: a FIFO or a device named here must not hold the window's painting.
            try {
                const std::vector<uint8_t> bytes = readGatedBytes(value.mid(1).toStdString(), MaxBackgroundBytes);
                backgroundTile_.loadFromData(bytes.data(), uint(bytes.size()));
            } catch (const FileGateError&) {
                // An unreadable picture leaves the background plain.
            }
        } else if (value.startsWith(QLatin1Char('\\')) && panels_) {
            bool ok = false;
            const int n = value.mid(1, 3).toInt(&ok);
            Bitmap texture;
            if (ok && n >= 0 && n < int(panels_->textureList.size()) && panels_->LoadListPicture(panels_->textureList, n, texture))
                backgroundTile_ = QPixmap::fromImage(controls::ToQImage(texture));
        }
    }
    if (value == QStringLiteral("-")) {
        painter.fillRect(area, palette().color(QPalette::Light));
    } else if (value.startsWith(QLatin1Char('%'))) {
        bool ok = false;
        const uint32_t bgr = value.mid(1).toUInt(&ok);
        if (ok) painter.fillRect(area, QColor(bgr & 0xFF, bgr >> 8 & 0xFF, bgr >> 16 & 0xFF));
    } else if (!backgroundTile_.isNull()) {
        painter.drawTiledPixmap(area, backgroundTile_);
    }
}

// ------------------------------------------------------------------------------------- help

void MainWindow::showHelpContents() { help_->showContents(); }

void MainWindow::showAssistant() { help_->showAssistant(); }

// The next tip, in the window's middle, a third of its height from the top.
void MainWindow::showTip() { help_->showTip(help_->nextTip(), mapToGlobal(QPoint(width() / 2, height() / 3))); }

void MainWindow::openWebPage(int page) { help_->openWebPage(WebPage(page)); }

}  // namespace vortel::app
