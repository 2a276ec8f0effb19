#include "app/MainWindow.h"
#include "app/MainWindowParts.h"

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
#include "app/ImageFrame.h"
#include "app/ImageView.h"
#include "panels/pages/SlideShow.h"
#include "panels/pages/StylePage.h"
#include "controls/QtImages.h"
#include "app/Settings.h"
#include "app/TextInputDialog.h"
#include "platform/FileGate.h"
#include "document/StockResources.h"

namespace vortel::app {

// The presets name pages in the notebook's own order.
static_assert(int(presets::Page::Style) == MainWindow::StylePage && int(presets::Page::Frame) == MainWindow::FramePage);

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
        statusPanels_[1]->setText(tr("Bildgr\u00f6ße: %1 x %2").arg(size.width()).arg(size.height()));
    };
    frame_->resized = [this](QSize size) {
        runCommand([&] {
            setImageSize(size.width(), size.height());
            engine_->Modified = 1;
            recalculate();
        });
    };

    live_ = new LiveRenderer(this);
    connect(live_, &LiveRenderer::frameReady, this, &MainWindow::showLiveFrame);
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
    if (options_.livePreview) setLivePreview(*options_.livePreview);
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

void MainWindow::recalculate() {
    if (!engine_ || !canvas_) return;
    if (restingRecalc_ && livePreview_) {
        requestRestRender();
        return;
    }
    recalculatedAt_ = ++changeCount_;  // no live frame asked for before this one is shown after it
    restPending_ = 0;
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
        messages_.messageBox(OutOfMemoryText, QT_TRANSLATE_NOOP("Messages", "Fehler"), MessageIcon::Error);
    } catch (const std::exception& e) {
        messages_.messageBox(e.what(), QT_TRANSLATE_NOOP("Messages", "Fehler"), MessageIcon::Error);
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

// ------------------------------------------------------------------------------------- timer

void MainWindow::startDelayedCalc(int milliseconds) {
    ++changeCount_;  // something changed: a render drawn aside before is not taken over
    if (livePreview_) milliseconds = std::min(milliseconds, LiveTypingPause);
    delayedStart_ = QDateTime::currentMSecsSinceEpoch();
    delayedCalc_->setInterval(milliseconds);
    delayedCalc_->start();
}

void MainWindow::delayedCalcTick() {
    if (QDateTime::currentMSecsSinceEpoch() - delayedStart_ <= delayedCalc_->interval() / 2) return;
    delayedCalc_->stop();
    // The hand rests: the next movement starts again from the chosen quality.
    live_->forgetTimes();
    // A page may redraw in its own way (the bevel page with its preview); else the effect is new.
    // With the live preview the render itself is drawn aside (requestRestRender).
    asRest([this] {
        if (pages::EffectPage* page = effectPage(notebook_->currentIndex())) {
            page->delayedRecalc();
        } else {
            recalculate();
        }
    });
}

void MainWindow::asRest(const std::function<void()>& redraw) {
    restingRecalc_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{restingRecalc_};
    redraw();
}

// ------------------------------------------------------------------------------------- help

void MainWindow::showHelpContents() { help_->showContents(); }

void MainWindow::showAssistant() { help_->showAssistant(); }

// The next tip, in the window's middle, a third of its height from the top.
void MainWindow::showTip() { help_->showTip(help_->nextTip(), mapToGlobal(QPoint(width() / 2, height() / 3))); }

void MainWindow::openWebPage(int page) { help_->openWebPage(WebPage(page)); }

}  // namespace vortel::app
