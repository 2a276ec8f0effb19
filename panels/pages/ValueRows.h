#pragma once
// The rows of numeric values the bevel and outline pages share: a caption, a track bar and an
// edit box per value, and the pairs of step buttons (lower, raise) beside the first rows.
#include <QString>

#include "controls/Controls.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QSlider;

namespace vortel::pages {

struct ValueRow {
    QLabel* caption = nullptr;
    QSlider* bar = nullptr;
    QLineEdit* edit = nullptr;
};

// Row `row` of `grid`: the caption in column 0, the track bar (named prefix + name + "TrackBar")
// in column 1, the edit box (prefix + name + "Edit") in column 2.
ValueRow AddValueRow(QGridLayout* grid, int row, const QString& caption, const QString& prefix, const QString& name,
                     int minimum, int maximum, int editWidth);

// Step button `tag` (1 to 6: odd lowers, even raises) named prefix + "SpeedButton" + tag, placed in
// the grid row of its value, columns 3 and 4.
controls::SpeedButton* AddStepButton(QGridLayout* grid, const QString& prefix, int tag);

}  // namespace vortel::pages
