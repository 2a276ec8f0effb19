#pragma once
// The full-screen window behind the wizard: blue bands that darken downwards, the product name in
// black and white, the credit line and the description.
#include <QWidget>

#include "installer/Texts.h"

namespace vortel::installer {

class Backdrop : public QWidget {
public:
    explicit Backdrop(Language language, QWidget* parent = nullptr);

    // The blue of band `i` (0 ... 100): 255 - floor(250 i / 100).
    static int BandBlue(int band);
    // The description's rectangle for a window of `size` (it ends 37 pixels above the bottom).
    QRect descriptionRect(QSize size) const;
    // The name's font for a window of `size`: cell height a tenth of the height, average character
    // width half the width divided by the name's length.
    static QFont NameFont(QSize size);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Language language_;
};

}  // namespace vortel::installer
