#pragma once
// The colour list of the Shadow and Frame pages: sixteen fixed colours and a custom entry whose
// colour the colour dialog sets.
#include <functional>
#include <optional>

#include <QComboBox>

#include "engine/EffectParams.h"

namespace vortel::pages {

class ColorListBox : public QComboBox {
    Q_OBJECT
public:
    static constexpr int CustomEntry = 16;
    static constexpr int EntryCount = 17;
    // The fixed colours, as the engine keeps them.
    static ColorRef fixedColor(int index);

    explicit ColorListBox(QWidget* parent = nullptr);
    // The colour of the selected entry (black when none is).
    ColorRef color() const;
    ColorRef entryColor(int index) const;
    // Selects the fixed entry of `color`, or gives the custom entry that colour and selects it, so
    // a colour from a document or a preset is kept by the next read. Emits nothing.
    void showColor(ColorRef color);
    // The colour dialog, preset with the custom entry's colour; nullopt when it is cancelled.
    std::function<std::optional<ColorRef>(ColorRef current)> askColor;

signals:
    // The user chose an entry (the custom one after its dialog, confirmed or not).
    void colorChosen(ColorRef color);

private:
    void chosen(int index);
    void setEntryColor(int index, ColorRef color);
};

}  // namespace vortel::pages
