#pragma once
// The "Outline" page: the fringe presets, the five fringe kinds, and the points, X and Y values
// with their track bars, edit boxes and step buttons.
#include "panels/pages/EffectPage.h"
#include "panels/pages/PresetPictureList.h"

class QLabel;
class QLineEdit;
class QSlider;

namespace vortel::controls {
class SpeedButton;
}

namespace vortel::pages {

class OutlinePage : public EffectPage {
    Q_OBJECT
public:
    explicit OutlinePage(PageHost& host);
    void refresh() override;
    void setProfessional(bool on) override;
    // The glyph of fringe kind 0 .. 4 on its buttons.
    static QImage KindGlyph(int kind);

private:
    enum Value { Points, X, Y, ValueCount };
    // The fringe as the engine has it, with one value replaced.
    struct Fringe {
        uint8_t kind;
        int32_t step, x, y;
    };
    Fringe current() const;
    // Writes the fringe with a new time stamp and marks the document.
    void store(const Fringe& f);
    void showValues();
    void kindClicked(int kind);
    void trackBarMoved(Value source);
    void editTyped(Value source);
    void stepClicked(int tag);
    void render();
    int32_t newStamp();

    PresetPictureList* list_ = nullptr;
    controls::SpeedButton* kinds_[5] = {};
    QSlider* bars_[ValueCount] = {};
    QLineEdit* edits_[ValueCount] = {};
    QLabel* captions_[ValueCount] = {};
    controls::SpeedButton* steps_[6] = {};
};

}  // namespace vortel::pages
