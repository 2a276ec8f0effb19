#pragma once
// The pages of the effect notebook. Each page is a widget over the engine that the presets and
// the document keep; the main window is its host.
#include <QWidget>
#include <functional>

#include "engine/FontFX.h"
#include "panels/presets/Panels.h"
#include "platform/IniFile.h"

class QDialog;
class QPainter;

namespace vortel::pages {

// What a page needs from the window it lives in. The engine and the panels are replaced by New
// and Open: a page asks for them every time instead of keeping them.
class PageHost {
public:
    virtual ~PageHost() = default;
    virtual TFontFX& engine() = 0;
    virtual presets::EffectPanels& panels() = 0;
    // Outline, warp and render, then the picture is shown.
    virtual void recalculate() = 0;
    // Recalculates once nothing has asked again for half of `milliseconds` (typing, sliders).
    virtual void startDelayedCalc(int milliseconds) = 0;
    // A value changes under the user's hand (a slider, a spin or combo step, a profile point):
    // redrawn after `classicPause` ms of rest (0: at once), or, with the window's live preview,
    // followed at once and drawn in full once the hand rests.
    virtual void valueMoving(int classicPause) = 0;
    // What the hand drags before the engine takes it (a profile point, taken at the release):
    // with the live preview the picture shows it already, drawn from a copy with `change` made.
    virtual void previewChange(const std::function<void(TFontFX&)>& change) = 0;
    // The professional mode (all controls) rather than the assistant's simple ones.
    virtual bool professional() const = 0;
    virtual bool pageShown(presets::Page page) const = 0;
    virtual IniFile& settings() = 0;
    // Message boxes and the status bar (panel StatusSimple: one text across the bar).
    virtual UserMessages& messages() = 0;
    // The texture folder history, most recent first, written to the settings at exit.
    virtual QStringList& textureFolders() = 0;
    // Runs a modal dialog (tests answer it instead).
    virtual int execDialog(QDialog& dialog) = 0;
    // The folder a folder browser offers (tests answer it instead); empty when cancelled.
    virtual QString chooseFolder(const QString& caption, const QString& start) = 0;
    // Opens a document as Open does, without its dialog (the change query first); false when it
    // was not read. `quietly`: a file that cannot be read shows no message (a folder scan).
    virtual bool openDocument(const QString& path, bool quietly = false) = 0;
    // The picture as the image view shows it.
    virtual Bitmap picture() = 0;
    // The work image takes this size (at least 1 x 1).
    virtual void setImageSize(int width, int height) = 0;
    // Draws over the picture shown (banners); the next recalculation paints over it.
    virtual void paintOnPicture(const std::function<void(QPainter&)>& paint) = 0;
    // The guides are no longer drawn over the picture.
    virtual void hideGuides() = 0;
    // Brings a page of the notebook to the front.
    virtual void showPage(presets::Page page) = 0;
};

// A page of the notebook. `refresh` loads the controls from the engine without writing anything
// back (handlers check `refreshing()`); every control change writes the engine through its
// setters, marks the document modified and redraws as the page's design says.
class EffectPage : public QWidget {
    Q_OBJECT
public:
    EffectPage(PageHost& host, presets::Page page, QWidget* parent = nullptr);
    presets::Page page() const { return page_; }
    // Loads every control from the engine.
    virtual void refresh() = 0;
    // The page is shown (the first time it may build what is costly).
    virtual void entered() {}
    // Professional mode on or off.
    virtual void setProfessional(bool) {}
    // The window's delayed recalculation is due while this page is shown.
    virtual void delayedRecalc() { host_.recalculate(); }

protected:
    TFontFX& engine() { return host_.engine(); }
    presets::EffectPanels& panels() { return host_.panels(); }
    bool shown() const { return host_.pageShown(page_); }
    // Marks the document changed and redraws now when the page is shown.
    void changedRedraw();
    bool refreshing() const { return refreshing_ > 0; }
    // Runs `load` with the change handlers muted.
    template <class F>
    void muted(F&& load) {
        ++refreshing_;
        load();
        --refreshing_;
    }
    PageHost& host_;

private:
    presets::Page page_;
    int refreshing_ = 0;
};

}  // namespace vortel::pages
