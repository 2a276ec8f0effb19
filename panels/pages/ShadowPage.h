#pragma once
// The "Shadow" page: the shadow presets, the offsets, blur, intensity, angle and size combos, and
// the shadow's colour list.
#include "panels/pages/EffectPage.h"
#include "panels/pages/PresetPictureList.h"

class QComboBox;
class QLabel;

namespace vortel::pages {

class ColorListBox;

class ShadowPage : public EffectPage {
    Q_OBJECT
public:
    explicit ShadowPage(PageHost& host);
    void refresh() override;
    void setProfessional(bool on) override;

private:
    enum Combo { X, Y, Blur, Intensity, Angle, Size, ComboCount };
    // Reads every control and stores the shadow (a change while the blur is "None" turns it to 0).
    void valuesChanged();
    void showValues(const ShadowParams& s);

    PresetPictureList* list_ = nullptr;
    QComboBox* combos_[ComboCount] = {};
    QLabel* captions_[ComboCount] = {};
    ColorListBox* colors_ = nullptr;
    QLabel* colorCaption_ = nullptr;
};

}  // namespace vortel::pages
