#pragma once
#include <QMainWindow>
#include <QPixmap>
#include <QPoint>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/LiveRenderer.h"
#include "app/QtMessages.h"
#include "engine/FontFX.h"
#include "panels/pages/EffectPage.h"
#include "panels/presets/Panels.h"
#include "platform/IniFile.h"

class QAction;
class QActionGroup;
class QDialog;
class QLabel;
class QListWidget;
class QMenu;
class QPainter;
class QScrollArea;
class QTabWidget;
class QTimer;
class QToolButton;

namespace vortel::pages {
class StylePage;
}

namespace vortel::app {

class Help;
class ImageFrame;
class ImageView;

// The main window: the engine, the image view with its guide editor, the effect notebook, the
// status bar and the file, edit and help commands.
class MainWindow : public QMainWindow, public pages::PageHost {
    Q_OBJECT
public:
    struct StartOptions {
        std::string programFolder;     // where a portable settings file may live
        std::string file;              // opened as by Open after start-up
        std::string settingsFile;      // this settings file instead of the usual places (tests)
        bool saver = false;            // "Saver": placed off-screen for the full-screen slide show
        bool withoutSettings = false;  // read and write no settings file (screenshot tour, tests)
        std::optional<bool> livePreview;  // the live preview on or off, whatever the settings say
    };
    // The notebook's pages, in tab order.
    enum Page { StylePage, TextPage, DeformPage, SurfacePage, BevelPage, OutlinePage, ShadowPage, FramePage };
    enum class Quality { Draft, Normal, Smooth };
    // The draw modes of the image: move lines, edit points, draw both boundary lines, redraw one.
    enum DrawMode { DrawMove, DrawEditPoints, DrawBothLines, DrawRedrawLine };
    // Pointer zones of the image (cursor and status hint); ZoneNone shows the arrow.
    static constexpr int ZoneNone = -2;
    // The items of the deform pop-up menu.
    enum DeformItem { AddPointItem, DeletePointItem, DecreasePointsItem, StraightenItem, ParallelItem, ReflectedItem,
                      MoveLineItem, EditLineItem, RedrawLineItem, DeformItemCount };
    static constexpr int RecentCount = 4;

    explicit MainWindow(const StartOptions& options);
    ~MainWindow() override;

    TFontFX& engine() override { return *engine_; }
    presets::EffectPanels& panels() override { return *panels_; }
    ImageView* view() const { return view_; }
    ImageFrame* imageFrame() const { return frame_; }
    QTabWidget* notebook() const { return notebook_; }
    QtMessages& messages() override { return messages_; }
    Help& help() { return *help_; }
    IniFile& settings() override { return settings_; }
    QStringList& textureFolders() override { return textureDirs_; }
    bool professional() const override;
    bool pageShown(presets::Page page) const override;
    int execDialog(QDialog& dialog) override;
    QString chooseFolder(const QString& caption, const QString& start) override;
    bool openDocument(const QString& path, bool quietly = false) override;
    Bitmap picture() override;
    void paintOnPicture(const std::function<void(QPainter&)>& paint) override;
    void showPage(presets::Page page) override;
    // The Style page with the random effects and the slide show.
    pages::StylePage* stylePage() const;
    // The slide show: in the window (DemoMenu, the Style page, the toolbar outside professional
    // mode) or full screen (VollbilddemoMenu); `byUser` false when the window starts it itself.
    void startSlideShow(bool fullScreen, bool byUser);
    QAction* slideShowButton() const { return slideShowAction_; }
    // The adjustment dialog over the whole picture (the toolbar's button in professional mode).
    void alterFullImage();
    // The page shown at a notebook index, when it is one of the effect pages (not a placeholder).
    pages::EffectPage* effectPage(int index) const;
    const QString& documentName() const { return documentName_; }
    QString statusText(int panel) const;

    // Outline, warp and render of the current state, then the view is repainted (with the guides
    // over the picture while they are being edited).
    void recalculate() override;
    void setQuality(Quality quality);
    Quality quality() const { return quality_; }
    // The image view and the engine's work image take this size (at least 1 x 1).
    void setImageSize(int width, int height) override;
    // Open without the dialog: documents, style files and images by their extension, after the
    // change query. Errors are shown and leave the window as it was; returns whether it was read.
    bool openFile(const QString& path);
    // Save as with a Save dialog's answer: the type's extension is added when the name lacks it,
    // an existing file is only replaced after a Yes. Returns the name written, nothing when the
    // user declined; failures throw. Index 1 also makes the file the document.
    std::optional<QString> saveAs(QString name, int filterIndex);
    // Save: to the document's own name, or as Save as with the dialog when it is untitled.
    void saveCommand(bool saveAs);
    // The name the Save dialog suggests: the document's, or the start of the text when untitled.
    QString suggestedSaveName() const;
    // New through the text input dialog; false when it was cancelled or the text was empty.
    bool newCommand();
    // "Änderungen in ... speichern?" when the document is modified: false when the command stops.
    bool changeQuery();

    // Recent files, most recent first, as the settings keep them (at most four).
    QStringList recentFiles() const;
    void addRecentFile(const QString& path);
    QAction* recentAction(int index) const { return recentActions_[index]; }
    void reopen(int index);
    // The recent-file menu caption: the path shortened in its middle to fit `pixels`.
    static QString elidedPath(const QString& path, int pixels, const QFont& font);

    // The print dialog over the picture shown (without the guides), and the image size dialog
    // with what it asks for.
    void printCommand();
    void imageSizeCommand();
    // The text-scaling operation: guides and pixel-sized effect values follow the picture from the
    // old size to the new one (or the picture is fitted to the text, or the text to the picture),
    // and the picture takes the size that results, which is returned.
    QSize scaleText(int oldWidth, int oldHeight, bool minimise, bool maximise, int newHeight, int newWidth);
    // The size fitting the picture to its text would give (the current size when there is no text).
    QSize fittedSize();

    // Edit menu.
    QString undoCaption() const;
    void undoCommand();
    // Copy: the picture as a bitmap and, after a full render, the picture without its background
    // as "image/png" beside it.
    void copyCommand();
    void pasteCommand();
    // The RGBA PNG Copy offers: the picture shown rendered again aside, over black and white, with
    // the background taken out. Empty in draft quality, after a refused render, when the picture
    // was painted over since or a recalculation is still pending, and when the render fails. The
    // picture, the engine's caches and its state stay as they are.
    QByteArray transparentPng();
    bool pasteEnabled() const;

    // Typing, sliders: recalculates once they pause for half of `milliseconds` (with the live
    // preview, typing pauses for LiveTypingPause at most).
    void startDelayedCalc(int milliseconds) override;
    QTimer* delayedCalcTimer() const { return delayedCalc_; }
    void valueMoving(int classicPause) override;
    void previewChange(const std::function<void(TFontFX&)>& change) override;

    // The live preview: while a control or a guide moves, the picture follows, drawn aside at the
    // best quality that keeps a frame within FrameBudgetMs; the chosen quality once the hand rests.
    static constexpr int LiveTypingPause = 150, LiveRestPause = 150;
    static constexpr double FrameBudgetMs = 33;
    bool livePreview() const { return livePreview_; }
    void setLivePreview(bool on);
    LiveRenderer* liveRenderer() const { return live_; }
    // The live frames shown since the start, and the quality of the last.
    int liveFramesShown() const { return liveFramesShown_; }
    // The count of changes: the generation of the last live frame asked for, and of the last shown.
    uint64_t changeCount() const { return changeCount_; }
    uint64_t shownLiveGeneration() const { return shownLiveGeneration_; }
    LiveRenderer::Level lastLiveLevel() const { return lastLiveLevel_; }
    // The render of the resting hand is being drawn aside; rest renders taken over since the start.
    bool restPending() const { return restPending_ != 0; }
    int restRendersTaken() const { return restRendersTaken_; }

    // Canvas interaction.
    void chooseDrawMode(int mode);
    int drawMode() const { return drawMode_; }
    int zone() const { return zone_; }
    bool guideEditing() const { return guideEditing_; }
    // Guides on or off over the picture.
    void showGuides();
    void hideGuides() override;
    QMenu* deformMenu() const { return deformMenu_; }
    QAction* deformAction(DeformItem item) const { return deformActions_[item]; }
    QToolButton* drawButton(int mode) const { return drawButtons_[mode]; }
    // The text frame rectangle in view pixels (the warped text's bounding box).
    QRect textFrame() const;

    // Answers Yes/No/Cancel questions instead of a message box (tests).
    std::function<int(const QString& question)> confirmHook;
    // Runs the program's dialogs instead of exec() (tests); returns the dialog's result.
    std::function<int(QDialog& dialog)> dialogHook;
    // Answers the folder browser (tests).
    std::function<QString(const QString& caption, const QString& start)> folderHook;
    // Opens the deform pop-up menu instead of exec() (tests).
    std::function<void(QMenu& menu, QPoint global)> popupHook;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildLanguageMenu(QMenu* parent);
    void buildToolBar();
    void buildNotebook();
    void buildDeformMenu();
    QWidget* placeholderPage(const QString& what);
    QWidget* buildDeformPage();
    void startDocument();
    void readSettings();
    void writeSettings();
    void showRecentFiles();
    void moveRecentToTop(int index);
    void showStatus(int panel, const QString& text);
    void showPanels();
    void updateCaption();
    void runCommand(const std::function<void()>& command);
    void openCommand();
    bool readFile(const QString& path, bool asDocument = false);
    int confirm(const QString& question);
    void pageChanged(int page);
    void refreshPages(presets::Page page);
    void installPages();
    void delayedCalcTick();
    void paintBackground(QPainter& painter, const QRect& area);
    void showHelpContents();
    void showAssistant();
    void showTip();
    void openWebPage(int page);

    // Canvas interaction (CanvasInteraction.cpp).
    void setZone(int zone);
    void imageMouseMove(QPoint position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void imageMouseDown(QPoint position, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void imageMouseUp(QPoint position, Qt::MouseButton button);
    void imageDoubleClick();
    void ctrlKey(bool down);
    void lowerLineParallel();
    void linesDrawn();
    void deformMenuItem(DeformItem item);
    void takeCleanPicture();
    void restoreCleanPicture();
    void drawSecondLineText();
    Rect imageRect() const;
    void measureWholeText();

    StartOptions options_;
    IniFile settings_;
    QtMessages messages_;
    std::unique_ptr<TFontFX> engine_;
    std::unique_ptr<Canvas> canvas_;
    std::unique_ptr<presets::EffectPanels> panels_;
    Quality quality_ = Quality::Smooth;
    QString documentName_;
    QString savedName_;  // the file last read or written as the document: Save replaces it without asking

    ImageView* view_ = nullptr;
    ImageFrame* frame_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QTabWidget* notebook_ = nullptr;
    QListWidget* deformList_ = nullptr;
    QLabel* statusPanels_[2] = {nullptr, nullptr};
    QAction* qualityActions_[3] = {nullptr, nullptr, nullptr};
    QAction* profiAction_ = nullptr;
    QAction* recentActions_[RecentCount] = {};
    QAction* recentSeparator_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* pasteAction_ = nullptr;
    QAction* shortHelpAction_ = nullptr;
    QAction* tipOfDayAction_ = nullptr;
    QAction* demoAction_ = nullptr;
    QAction* slideShowAction_ = nullptr;  // AlterFullImageSpeedButton
    QMenu* helpMenu_ = nullptr;
    Help* help_ = nullptr;
    QTimer* delayedCalc_ = nullptr;
    qint64 delayedStart_ = 0;
    // Live preview: every request counts a change; a frame older than the last recalculation
    // here is never shown.
    void requestLiveFrame(bool guideDrag, const std::function<void(TFontFX&)>& change = {});
    void showLiveFrame();
    // Once the hand rests the full render is drawn aside too; the window takes over the rendered
    // state only when nothing changed since it was asked for (every change counts in changeCount_).
    void requestRestRender();
    bool takeRestRender(const LiveRenderer::Frame& frame);
    bool restingRecalc_ = false;   // the hand rests: recalculate() draws aside
    void asRest(const std::function<void()>& redraw);
    uint64_t restPending_ = 0;     // the generation of the rest render asked for, 0 for none
    int restRendersTaken_ = 0;
    bool livePreview_ = true;
    QAction* liveAction_ = nullptr;
    LiveRenderer* live_ = nullptr;
    uint64_t changeCount_ = 0, recalculatedAt_ = 0;
    int liveFramesShown_ = 0;
    uint64_t shownLiveGeneration_ = 0;
    LiveRenderer::Level lastLiveLevel_ = LiveRenderer::Level::Smooth;
    int lastPage_ = StylePage;
    QStringList textureDirs_;  // the texture folder history, kept for the Surface page
    std::map<int, pages::EffectPage*> pages_;
    int tipCounter_ = 0;
    QString backgroundKey_;
    QPixmap backgroundTile_;

    // Guide editing.
    int drawMode_ = DrawMove;
    int zone_ = ZoneNone;
    bool guideEditing_ = false;
    // The picture is a full render of the engine's current state, and the fringe phase it was
    // rendered from: what the transparent copy must render again.
    bool pictureRendered_ = false;
    FringeToggle renderStar_, renderCurl_;
    enum class Capture { None, Upper, WaitLower, Lower, Redraw } capture_ = Capture::None;
    std::vector<unsigned char> clean_;  // the picture without guides, while they are shown
    QPoint popupPress_;
    QPoint lastMouse_;
    QMenu* deformMenu_ = nullptr;
    QAction* deformActions_[DeformItemCount] = {};
    QAction* deformSeparator_ = nullptr;
    QToolButton* drawButtons_[4] = {};
};

}  // namespace vortel::app
