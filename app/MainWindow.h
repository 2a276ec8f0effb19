#pragma once
#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/QtMessages.h"
#include "engine/FontFX.h"
#include "panels/presets/Panels.h"
#include "platform/IniFile.h"

class QAction;
class QActionGroup;
class QLabel;
class QListWidget;
class QScrollArea;
class QTabWidget;

namespace vortel::app {

class ImageView;

// The main window: the engine, the image view, the effect notebook, the status bar and the file
// and edit commands.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    struct StartOptions {
        std::string programFolder;  // where a portable settings file may live
        std::string file;           // opened as by Open after start-up
        bool saver = false;         // "Saver": placed off-screen for the full-screen slide show
        bool withoutSettings = false;  // read and write no settings file (screenshot tour, tests)
    };
    // The notebook's pages, in tab order.
    enum Page { StylePage, TextPage, DeformPage, SurfacePage, BevelPage, OutlinePage, ShadowPage, FramePage };
    enum class Quality { Draft, Normal, Smooth };

    explicit MainWindow(const StartOptions& options);
    ~MainWindow() override;

    TFontFX& engine() { return *engine_; }
    presets::EffectPanels& panels() { return *panels_; }
    ImageView* view() const { return view_; }
    QTabWidget* notebook() const { return notebook_; }
    QtMessages& messages() { return messages_; }
    const QString& documentName() const { return documentName_; }

    // Outline, warp and render of the current state, then the view is repainted.
    void recalculate();
    void setQuality(Quality quality);
    Quality quality() const { return quality_; }
    // The image view and the engine's work image take this size (at least 1 x 1).
    void setImageSize(int width, int height);
    // Open without the dialog: documents, style files and images by their extension. Errors are
    // shown and leave the window as it was; returns whether the file was read.
    bool openFile(const QString& path);
    // Save as with a Save dialog's answer: the type's extension is added when the name lacks it,
    // an existing file is only replaced after a Yes. Returns the name written, nothing when the
    // user declined; failures throw. Index 1 also makes the file the document.
    std::optional<QString> saveAs(QString name, int filterIndex);
    // The name the Save dialog suggests: the document's, or the start of the text when untitled.
    QString suggestedSaveName() const;
    // Answers Yes/No/Cancel questions instead of a message box (tests).
    std::function<int(const QString& question)> confirmHook;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildNotebook();
    QWidget* placeholderPage(const QString& what);
    QWidget* buildDeformPage();
    QWidget* buildStylePage();
    void newDocument();
    void readSettings();
    void writeSettings();
    void showStatus(int panel, const QString& text);
    void updateCaption();
    void runCommand(const std::function<void()>& command);
    void openCommand();
    void saveCommand(bool saveAs);
    int confirm(const QString& question);

    StartOptions options_;
    IniFile settings_;
    QtMessages messages_;
    std::unique_ptr<TFontFX> engine_;
    std::unique_ptr<Canvas> canvas_;
    std::unique_ptr<presets::EffectPanels> panels_;
    Quality quality_ = Quality::Smooth;
    QString documentName_;

    ImageView* view_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QTabWidget* notebook_ = nullptr;
    QListWidget* deformList_ = nullptr;
    QListWidget* styleList_ = nullptr;
    QLabel* statusPanels_[2] = {nullptr, nullptr};
    QAction* qualityActions_[3] = {nullptr, nullptr, nullptr};
    QAction* profiAction_ = nullptr;
};

}  // namespace vortel::app
