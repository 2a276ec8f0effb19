#pragma once
#include <QDialog>
#include <QSize>

#include "engine/UserMessages.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace vortel::controls {
class SpeedButton;
}

namespace vortel::app {

// The image size dialog: the picture's new size in pixels, whether the text is scaled with it,
// and the two text operations (fit the picture to the text, fit the text to the picture). It only
// collects the choice; the main window carries it out after Ok.
class ImageSizeDialog : public QDialog {
    Q_OBJECT
public:
    // `current`: the picture's size now; `fitted`: the size the picture takes when it is fitted
    // to its text (shown while "Bildgröße minimieren" is down).
    ImageSizeDialog(QSize current, QSize fitted, UserMessages& messages, QWidget* parent = nullptr);

    // The size typed, valid after Ok.
    QSize chosenSize() const { return chosen_; }
    bool scaleText() const;
    bool minimise() const;
    bool maximise() const;

public slots:
    void accept() override;

private:
    void widthEdited(const QString& text);
    void heightEdited(const QString& text);
    void buttonsChanged();

    QSize current_, fitted_, chosen_;
    UserMessages& messages_;
    QLineEdit* width_;
    QLineEdit* height_;
    QCheckBox* aspect_;
    QCheckBox* scale_;
    controls::SpeedButton* minimise_;
    controls::SpeedButton* maximise_;
    QString typedWidth_, typedHeight_;  // shown again when minimise goes up
};

}  // namespace vortel::app
