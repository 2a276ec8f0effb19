#pragma once
// The gradient editor's colour list: one entry per colour, then "<neu>", the entry a new colour
// goes into. Entries are swapped by dragging, removed with the Delete key and reversed; every such
// change is handed on as committed().
#include <QListWidget>
#include <vector>

#include "engine/EffectParams.h"

namespace vortel::pages {

class GradientList : public QListWidget {
    Q_OBJECT
public:
    static constexpr int MaxEntries = 10;
    explicit GradientList(QWidget* parent = nullptr);

    // The colours (at most 10) and, while there is room, the placeholder after them; entry 0 selected.
    void setColors(const std::vector<ColorRef>& colors);
    // The colours of every entry but the placeholder, in list order.
    std::vector<ColorRef> colors() const;
    bool isPlaceholder(int row) const;
    bool hasPlaceholder() const { return count() > 0 && isPlaceholder(count() - 1); }
    ColorRef colorAt(int row) const;
    // Gives an entry its colour. The placeholder becomes a colour and, while the list holds fewer
    // than 10 entries, a new placeholder follows it and is selected.
    void takeColor(int row, ColorRef color);
    // The colours in reverse order, the placeholder after them.
    void reverse();
    // Removes the selected colour when at least three are left and it is not the placeholder.
    bool deleteSelected();
    // The hint under the entries ("Enft-Taste löscht Farbe").
    void setHint(const QString& hint);

signals:
    // The list changed by a drag, a deletion or a reversal.
    void committed();
    // An entry was clicked (not dragged).
    void entryClicked(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void addEntry(ColorRef color, bool placeholder);
    void setEntry(int row, ColorRef color, bool placeholder);
    void ensurePlaceholder();
    int dragged_ = -1;
    // The entry last swapped with the dragged one; a drag starts with its own entry here.
    int lastSwapped_ = -1;
    bool moved_ = false;
    QString hint_;
};

}  // namespace vortel::pages
