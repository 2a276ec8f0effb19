#pragma once
// The JPEG export's window: a quality slider with the JPEG's size against the BMP's, and the
// picture as the JPEG will show it.
#include <QDialog>
#include <QString>

#include "document/ImageExport.h"
#include "engine/UserMessages.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QSlider;
class QTimer;

namespace vortel::app {

class JpegOptimizerDialog : public QDialog {
    Q_OBJECT
public:
    // `picture` is encoded; Save writes the JPEG to `target`. Codec errors go to `messages`.
    JpegOptimizerDialog(Bitmap picture, QString target, UserMessages& messages, QWidget* parent = nullptr);

    // A preview at the slider's quality now (the Preview button). Does nothing while one is made.
    void preview();
    // A preview with the latest slider value once the event loop is free; requests that come
    // while one is waiting or being made join it.
    void requestPreview();
    // Writes the JPEG at the slider's quality and closes; an error keeps the dialog open.
    void save();

    QSlider* quality() const { return slider_; }
    QString valueText() const;
    // Previews made so far, and the quality of the last one.
    int previewCount() const { return previews_; }
    int previewedQuality() const { return previewedQuality_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    JpegOptimizer optimizer_;
    QString target_;
    UserMessages& messages_;
    QSize pictureSize_;
    QSlider* slider_ = nullptr;
    QLabel* values_ = nullptr;
    QLabel* image_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QTimer* pending_ = nullptr;
    bool busy_ = false;
    bool again_ = false;
    bool shown_ = false;
    int previews_ = 0;
    int previewedQuality_ = -1;
};

}  // namespace vortel::app
