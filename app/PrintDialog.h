#pragma once
#include <QDialog>
#include <QImage>
#include <QPrinter>
#include <functional>

#include "engine/EffectParams.h"
#include "engine/UserMessages.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace vortel::app {

class PrintPreview;

// The print dialog: places the picture on one page, every length in whole millimetres. The page
// preview shows where it goes and lets the user drag and scale it; Print stores the choices in the
// document's print layout block, Cancel leaves the block as it was.
class PrintDialog : public QDialog {
    Q_OBJECT
public:
    // The printer choice that prints into a PDF file.
    static QString pdfChoice();

    PrintDialog(PrintLayout& layout, const QImage& picture, const QString& effectText, UserMessages& messages,
                QWidget* parent = nullptr);
    ~PrintDialog() override;

    // Page size (mm) for the current orientation, as the printer reports it.
    int pageWidth() const { return pageW_; }
    int pageHeight() const { return pageH_; }
    // The laid-out lengths in mm.
    int left() const { return left_; }
    int top() const { return top_; }
    int imageWidth() const { return width_; }
    int imageHeight() const { return height_; }
    int right() const { return pageW_ - left_ - width_; }
    int bottom() const { return pageH_ - top_ - height_; }
    // The picture's rectangle on the page in mm.
    QRect pageRect() const { return QRect(left_, top_, width_, height_); }
    // The job's title: "Vortel " and the first 20 characters of the effect text.
    QString jobTitle() const;
    QPrinter& printer() { return printer_; }
    const QImage& picture() const { return picture_; }
    PrintPreview* preview() const { return preview_; }

    // Another paper size (the printer's own choice otherwise).
    void setPaper(const QPageSize& size);
    // Prints into this PDF file instead of asking for a name (and chooses the PDF output).
    void setPdfOutput(const QString& file);
    // The "Ein&richten..." dialog runs through this (tests answer it instead).
    std::function<int(QDialog&)> runDialog;

    // Pointer positions on the preview, for its mouse handlers.
    void previewPressed(QPoint at);
    void previewDragged(QPoint at);
    void previewReleased();
    // Width and height times `factor`, rounded; full page is unticked.
    void scaleBy(double factor);
    // Prints the page; false (the dialog stays open) when no job could be started or the layout
    // does not fit the paper (a message says why).
    bool print();
    // Whether every field holds a number and the picture lies wholly on the paper; else a message.
    bool layoutFits();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void readPageSize();
    void orientationUpdate();
    void optionsUpdate(bool aspectJustTicked);
    void layoutPage();
    void showValues();
    void edited(QLineEdit* edit, const QString& text);
    void printerChosen(int index);
    void setupPrinter();
    void placePreview();
    int optionBits() const;

    PrintLayout& layout_;
    QImage picture_;
    QString effectText_;
    UserMessages& messages_;
    QPrinter printer_;
    QString pdfFile_;

    int pageW_ = 210, pageH_ = 297;
    int left_ = 210, top_ = 210, width_ = 210, height_ = 210;
    bool dragging_ = false;
    QPointF dragOffset_;  // from the picture's top-left corner to the pressed point, mm

    QGroupBox* previewGroup_ = nullptr;
    PrintPreview* preview_ = nullptr;
    QToolButton* minus_ = nullptr;
    QToolButton* plus_ = nullptr;
    QComboBox* printerBox_ = nullptr;
    QRadioButton* portrait_ = nullptr;
    QRadioButton* landscape_ = nullptr;
    QCheckBox* aspect_ = nullptr;
    QCheckBox* fullPage_ = nullptr;
    QCheckBox* centre_ = nullptr;
    QLineEdit* leftEdit_ = nullptr;
    QLineEdit* topEdit_ = nullptr;
    QLineEdit* rightEdit_ = nullptr;
    QLineEdit* bottomEdit_ = nullptr;
    QLineEdit* widthEdit_ = nullptr;
    QLineEdit* heightEdit_ = nullptr;
    QPushButton* printButton_ = nullptr;
    bool updating_ = false;
};

// The page preview: white paper with the picture in its laid-out place and a dotted frame around it.
class PrintPreview : public QWidget {
    Q_OBJECT
public:
    explicit PrintPreview(PrintDialog& dialog, QWidget* parent = nullptr);
    // The picture's rectangle on the preview.
    QRect pictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    PrintDialog& dialog_;
};

}  // namespace vortel::app
