#pragma once
// The "Frame" page: the background frame presets, the frame's size, its height or point count,
// and its colour.
#include "panels/pages/EffectPage.h"
#include "panels/pages/PresetPictureList.h"

class QComboBox;
class QLabel;

namespace vortel::controls {
class TransparentImage;
}

namespace vortel::pages {

class ColorListBox;

class FramePage : public EffectPage {
    Q_OBJECT
public:
    explicit FramePage(PageHost& host);
    void refresh() override;
    void setProfessional(bool on) override;
    // What the points combo stands for with a frame kind.
    static bool showsHeight(int kind) { return kind >= 1 && kind <= 3; }
    static bool showsPoints(int kind) { return kind >= 14 && kind <= 17; }
    static bool showsColor(int kind) { return kind == 0 || kind >= 4; }

private:
    void presetClicked(int index);
    // A control changed: the size, the height or point count, the colour.
    void valueChanged();
    // The frame with the size and the colour as the controls show them.
    FrameParams read() const;
    void showControls();

    PresetPictureList* list_ = nullptr;
    QLabel* sizeCaption_ = nullptr;
    QComboBox* size_ = nullptr;
    controls::TransparentImage* heightImage_ = nullptr;
    controls::TransparentImage* pointsImage_ = nullptr;
    QComboBox* points_ = nullptr;
    ColorListBox* colors_ = nullptr;
    bool professional_ = true;
};

}  // namespace vortel::pages
