#include "panels/pages/ColorListBox.h"

#include <QPainter>
#include <QPixmap>

#include "controls/QtImages.h"
#include "panels/pages/SurfaceWidgets.h"
#include "panels/presets/PresetValues.h"

namespace vortel::pages {

namespace {

constexpr uint32_t FixedRgb[ColorListBox::CustomEntry] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0x808080,
    0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};
constexpr int ColorRole = Qt::UserRole + 1;
const QSize SwatchSize(28, 12);

// Made for the screen's device pixels, with a black edge one device pixel wide.
QIcon swatch(ColorRef color) {
    const qreal ratio = controls::ScreenRatio();
    QPixmap pixmap(controls::DeviceSize(SwatchSize, ratio));
    pixmap.fill(RefColor(color));
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    p.end();
    pixmap.setDevicePixelRatio(ratio);
    return QIcon(pixmap);
}

}  // namespace

ColorRef ColorListBox::fixedColor(int index) {
    return index >= 0 && index < CustomEntry ? presets::FromRgbHex(FixedRgb[index]) : 0;
}

ColorListBox::ColorListBox(QWidget* parent) : QComboBox(parent) {
    const QString names[EntryCount] = {tr("Black"),  tr("Maroon"),  tr("Green"),  tr("Olive"),  tr("Navy"),
                                       tr("Purple"), tr("Teal"),    tr("Gray"),   tr("Silver"), tr("Red"),
                                       tr("Lime"),   tr("Yellow"),  tr("Blue"),   tr("Fuchsia"), tr("Aqua"),
                                       tr("White"),  tr("Custom...")};
    setIconSize(SwatchSize);
    for (int i = 0; i < EntryCount; ++i) {
        addItem(names[i]);
        setEntryColor(i, fixedColor(i));  // the custom entry starts black
    }
    setCurrentIndex(0);
    connect(this, &QComboBox::activated, this, &ColorListBox::chosen);
}

ColorRef ColorListBox::entryColor(int index) const {
    return index >= 0 && index < count() ? ColorRef(itemData(index, ColorRole).toUInt()) : 0;
}

ColorRef ColorListBox::color() const { return entryColor(currentIndex()); }

void ColorListBox::setEntryColor(int index, ColorRef color) {
    setItemData(index, uint(color), ColorRole);
    setItemIcon(index, swatch(color));
}

void ColorListBox::showColor(ColorRef color) {
    const bool blocked = blockSignals(true);
    int index = CustomEntry;
    for (int i = 0; i < CustomEntry; ++i)
        if (fixedColor(i) == color) index = i;
    if (index == CustomEntry) setEntryColor(CustomEntry, color);
    setCurrentIndex(index);
    blockSignals(blocked);
}

void ColorListBox::chosen(int index) {
    if (index == CustomEntry && askColor) {
        if (const auto picked = askColor(entryColor(CustomEntry))) setEntryColor(CustomEntry, *picked);
        setCurrentIndex(CustomEntry);
    }
    emit colorChosen(color());
}

}  // namespace vortel::pages
