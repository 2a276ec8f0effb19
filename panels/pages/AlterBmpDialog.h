#pragma once
// The adjustment dialog for a surface's texture or for the whole picture: hue, lightness,
// saturation and the three channels, soften, sharpen, turn and mirror, with Apply, Save and Reset.
#include <QDialog>
#include <QPoint>
#include <QSize>

#include "panels/pages/EffectPage.h"
#include "panels/presets/PixelAdjust.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSlider;
class QTimer;

namespace vortel::pages {

class AlterBmpDialog : public QDialog {
    Q_OBJECT
public:
    // Modes: the background surface's texture (0), the text surface's (1), the whole picture.
    static constexpr int BackgroundTexture = 0, TextTexture = 1, ImageMode = -10;
    // The scroll box the picture sits in; in image mode the dialog shows the part of the picture
    // 5 pixels smaller each way.
    static constexpr int ScrollWidth = 400, ScrollHeight = 300;
    static constexpr int SliderCount = 6;

    // Remembers the picture's size as it is now (the image mode puts it back after a turn).
    explicit AlterBmpDialog(PageHost& host, QWidget* parent = nullptr);

    // Takes the mode, its caption and the picture to work on (Reset).
    void start(int mode);
    int mode() const { return mode_; }
    // Sliders to 0, counts cleared, the picture taken afresh. `byButton`: in image mode the
    // effect is drawn again, so an applied change leaves the picture too.
    void reset(bool byButton);
    // Texture modes: the surface gets the picture as its texture "EDITBITMAP". Image mode: what
    // was done since the last Apply is done to the whole picture.
    void apply();
    // The picture as a BMP (or JPEG at quality 90 when `jpeg`) under `name` with its extension
    // replaced by ".bmp" or ".jpg"; the whole picture in image mode. Errors go to a message box.
    void saveTo(const QString& name, bool jpeg);
    // Runs a colour pass that is waiting for the event loop (slider moves are gathered into one).
    void flushColors();

    const presets::AdjustDialogState& state() const { return state_; }
    // Image mode: where the dialog's picture lies in the whole picture.
    QPoint origin() const { return origin_; }
    QSlider* slider(int index) const { return sliders_[index]; }
    // Colour passes run so far (slider moves gathered into fewer passes show here).
    int colorPasses() const { return colorPasses_; }

private:
    void build();
    void sliderChanged(int index, int value);
    void runColors();
    void showPicture();
    void operation(void (presets::AdjustDialogState::*op)());
    void askSave();
    QString modeCaption() const;
    presets::ColorSliders sliderValues() const;
    void setSlidersMuted(const presets::ColorSliders& values);

    PageHost& host_;
    int mode_ = BackgroundTexture;
    QSize startSize_;
    QPoint origin_;
    presets::AdjustDialogState state_;
    QSlider* sliders_[SliderCount] = {};
    QLineEdit* edits_[SliderCount] = {};
    QLabel* picture_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QTimer* colorTimer_ = nullptr;
    int colorPasses_ = 0;
    bool muted_ = false;
};

}  // namespace vortel::pages
