#include "app/PrintDialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "app/Cursors.h"
#include "platform/Numeric.h"

namespace vortel::app {

namespace {

// A sign on its own: a number is being typed.
bool isSign(const QString& text) {
    const QString t = text.trimmed();
    return t == QStringLiteral("-") || t == QStringLiteral("+");
}

constexpr int PreviewGroupWidth = 250, PreviewGroupHeight = 330;
constexpr double Smaller = 0.8, Larger = 1.2;

// Enabled edits have the window colour, disabled ones the button face.
void setEditEnabled(QLineEdit* edit, bool on) {
    edit->setEnabled(on);
    QPalette palette = edit->palette();
    const QColor base = on ? QGuiApplication::palette().color(QPalette::Base) : QGuiApplication::palette().color(QPalette::Button);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) palette.setColor(group, QPalette::Base, base);
    edit->setPalette(palette);
}

int64_t scaledLength(int64_t v, int64_t to, int64_t from) { return from != 0 ? v * to / from : 0; }
}  // namespace

QString PrintDialog::pdfChoice() { return tr("PDF-Datei"); }

PrintDialog::PrintDialog(PrintLayout& layout, const QImage& picture, const QString& effectText, UserMessages& messages,
                         QWidget* parent)
    : QDialog(parent), layout_(layout), picture_(picture), effectText_(effectText), messages_(messages),
      printer_(QPrinter::HighResolution) {
    setObjectName(QStringLiteral("PrintForm"));
    setWindowTitle(tr("Drucken"));
    printer_.setFullPage(true);  // lengths count from the paper's edge
    // The stored place of a picture printed before; a layout never printed starts as the old
    // dialog did and is laid out by its options.
    // A document's block is outside bytes: its lengths are held to ten metres, more than any paper.
    if (layout_.Width > 0 && layout_.Height > 0) {
        constexpr int32_t longest = 10000;
        left_ = std::clamp<int32_t>(layout_.Left, -longest, longest);
        top_ = std::clamp<int32_t>(layout_.Top, -longest, longest);
        width_ = std::clamp<int32_t>(layout_.Width, 1, longest);
        height_ = std::clamp<int32_t>(layout_.Height, 1, longest);
    }
    buildControls();
    updating_ = true;
    portrait_->setChecked(layout_.Options & PrintPortrait);
    landscape_->setChecked(!(layout_.Options & PrintPortrait));
    aspect_->setChecked(layout_.Options & PrintKeepAspect);
    fullPage_->setChecked(layout_.Options & PrintFullPage);
    centre_->setChecked(layout_.Options & PrintCentre);
    updating_ = false;
    printerChosen(printerBox_->currentIndex());
    optionsUpdate(false);
}

PrintDialog::~PrintDialog() = default;

void PrintDialog::buildControls() {
    previewGroup_ = new QGroupBox(tr("Vorschau"), this);
    previewGroup_->setObjectName(QStringLiteral("PreviewGroupBox"));
    previewGroup_->setFixedSize(PreviewGroupWidth, PreviewGroupHeight);
    previewGroup_->installEventFilter(this);
    preview_ = new PrintPreview(*this, previewGroup_);
    preview_->setObjectName(QStringLiteral("PreviewImage"));
    preview_->setCursor(ZoneCursor(13));
    preview_->setToolTip(ZoneHint(13));
    minus_ = new QToolButton(previewGroup_);
    minus_->setObjectName(QStringLiteral("MinusButton"));
    minus_->setText(tr("\u2212"));
    minus_->setToolTip(tr("Verkleinern"));
    plus_ = new QToolButton(previewGroup_);
    plus_->setObjectName(QStringLiteral("PlusButton"));
    plus_->setText(tr("+"));
    plus_->setToolTip(tr("Vergr\u00f6ßern"));
    for (QToolButton* b : {minus_, plus_}) b->setFixedSize(22, 22);
    minus_->move(PreviewGroupWidth - 54, PreviewGroupHeight - 28);
    plus_->move(PreviewGroupWidth - 30, PreviewGroupHeight - 28);
    connect(minus_, &QToolButton::clicked, this, [this] { scaleBy(Smaller); });
    connect(plus_, &QToolButton::clicked, this, [this] { scaleBy(Larger); });

    auto* format = new QGroupBox(tr("&Format"), this);
    printerBox_ = new QComboBox(format);
    printerBox_->setObjectName(QStringLiteral("PrinterComboBox"));
    const QStringList printers = QPrinterInfo::availablePrinterNames();
    printerBox_->addItems(printers);
    printerBox_->addItem(pdfChoice());
    const QString standard = QPrinterInfo::defaultPrinterName();
    printerBox_->setCurrentIndex(printers.contains(standard) ? int(printers.indexOf(standard)) : printerBox_->count() - 1);
    portrait_ = new QRadioButton(tr("Hochformat"), format);
    portrait_->setObjectName(QStringLiteral("PortraitRadioButton"));
    landscape_ = new QRadioButton(tr("Querformat"), format);
    landscape_->setObjectName(QStringLiteral("LandscapeRadioButton"));
    auto* printerLabel = new QLabel(tr("Drucker:"), format);
    printerLabel->setBuddy(printerBox_);
    auto* formatLayout = new QGridLayout(format);
    formatLayout->addWidget(printerLabel, 0, 0);
    formatLayout->addWidget(printerBox_, 0, 1);
    formatLayout->addWidget(portrait_, 1, 0, 1, 2);
    formatLayout->addWidget(landscape_, 2, 0, 1, 2);
    connect(printerBox_, &QComboBox::currentIndexChanged, this, &PrintDialog::printerChosen);
    connect(portrait_, &QRadioButton::toggled, this, [this] { if (!updating_) orientationUpdate(); });

    auto* options = new QGroupBox(tr("&Einstellungen"), this);
    aspect_ = new QCheckBox(tr("Seitenverh\u00e4ltnisse beibehalten"), options);
    aspect_->setObjectName(QStringLiteral("AspectCheckBox"));
    fullPage_ = new QCheckBox(tr("Nutze ganze Seite"), options);
    fullPage_->setObjectName(QStringLiteral("FullpageCheckBox"));
    centre_ = new QCheckBox(tr("Bild zentrieren"), options);
    centre_->setObjectName(QStringLiteral("CenterCheckBox"));
    auto* optionsLayout = new QVBoxLayout(options);
    for (QCheckBox* box : {aspect_, fullPage_, centre_}) optionsLayout->addWidget(box);
    connect(aspect_, &QCheckBox::toggled, this, [this](bool on) { if (!updating_) optionsUpdate(on); });
    connect(fullPage_, &QCheckBox::toggled, this, [this] { if (!updating_) optionsUpdate(false); });
    connect(centre_, &QCheckBox::toggled, this, [this] { if (!updating_) optionsUpdate(false); });

    auto makeEdit = [this](const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setFixedWidth(60);
        edit->setText(QStringLiteral("210"));
        connect(edit, &QLineEdit::textEdited, this, [this, edit](const QString& text) { edited(edit, text); });
        return edit;
    };
    widthEdit_ = makeEdit("WidthEdit");
    heightEdit_ = makeEdit("HeightEdit");
    leftEdit_ = makeEdit("LeftEdit");
    topEdit_ = makeEdit("TopEdit");
    rightEdit_ = makeEdit("RightEdit");
    bottomEdit_ = makeEdit("BottomEdit");
    auto editGroup = [this](const QString& caption, std::initializer_list<std::pair<QString, QLineEdit*>> rows) {
        auto* group = new QGroupBox(caption, this);
        auto* grid = new QGridLayout(group);
        int row = 0;
        for (const auto& [label, edit] : rows) {
            auto* text = new QLabel(label, group);
            text->setBuddy(edit);
            grid->addWidget(text, row / 2, (row % 2) * 2);
            grid->addWidget(edit, row / 2, (row % 2) * 2 + 1);
            ++row;
        }
        return group;
    };
    QGroupBox* sizes = editGroup(tr("&Bildgr\u00f6ße (mm)"), {{tr("Breite"), widthEdit_}, {tr("H\u00f6he"), heightEdit_}});
    QGroupBox* margins = editGroup(tr("&R\u00e4nder (mm)"), {{tr("Links"), leftEdit_}, {tr("Oben"), topEdit_},
                                                             {tr("Rechts"), rightEdit_}, {tr("Unten"), bottomEdit_}});

    printButton_ = new QPushButton(tr("&Drucken"), this);
    printButton_->setObjectName(QStringLiteral("PrintButton"));
    printButton_->setDefault(true);
    auto* setup = new QPushButton(tr("Ein&richten..."), this);
    setup->setObjectName(QStringLiteral("SetupButton"));
    auto* cancel = new QPushButton(tr("Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(printButton_, &QPushButton::clicked, this, [this] { if (print()) accept(); });
    connect(setup, &QPushButton::clicked, this, &PrintDialog::setupPrinter);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(printButton_);
    buttons->addWidget(setup);
    buttons->addWidget(cancel);
    auto* right = new QVBoxLayout;
    right->addWidget(format);
    right->addWidget(options);
    right->addWidget(sizes);
    right->addWidget(margins);
    right->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(previewGroup_, 0, Qt::AlignTop);
    top->addLayout(right, 1);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(top);
    whole->addLayout(buttons);
}

QString PrintDialog::jobTitle() const {
    QString text = effectText_;
    return tr("Vortel ") + text.left(20);
}

void PrintDialog::setPdfOutput(const QString& file) {
    pdfFile_ = file;
    printerBox_->setCurrentIndex(printerBox_->count() - 1);
}

void PrintDialog::setPaper(const QPageSize& size) {
    printer_.setPageSize(size);
    orientationUpdate();
}

void PrintDialog::printerChosen(int index) {
    if (index < 0) return;
    const QString name = printerBox_->itemText(index);
    if (index == printerBox_->count() - 1) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
    } else {
        printer_.setOutputFormat(QPrinter::NativeFormat);
        printer_.setPrinterName(name);
    }
    printer_.setFullPage(true);
    orientationUpdate();
}

void PrintDialog::readPageSize() {
    const QRectF page = printer_.pageLayout().fullRect(QPageLayout::Millimeter);
    pageW_ = std::max(1, int(std::lround(page.width())));
    pageH_ = std::max(1, int(std::lround(page.height())));
}

void PrintDialog::orientationUpdate() {
    printer_.setPageOrientation(portrait_->isChecked() ? QPageLayout::Portrait : QPageLayout::Landscape);
    readPageSize();
    placePreview();
    layoutPage();
}

// The preview keeps the page's proportions inside the group, leaving room for its caption and,
// for a wide page, for the scaling buttons.
void PrintDialog::placePreview() {
    const int cw = previewGroup_->width(), ch = previewGroup_->height(), buttons = plus_->height();
    int w, h, y;
    if (double(pageW_) / pageH_ >= double(cw) / ch) {
        w = cw - 10;
        h = int(int64_t(w) * pageH_ / pageW_);
        y = (ch - h - 20) / 2 + 16 - buttons / 2;
    } else {
        h = ch - 24 - buttons;
        w = int(int64_t(h) * pageW_ / pageH_);
        y = 18;
    }
    preview_->setGeometry((cw - w - 10) / 2 + 5, y, w, h);
}

void PrintDialog::optionsUpdate(bool aspectJustTicked) {
    if (aspectJustTicked && picture_.width() > 0) height_ = int(int64_t(picture_.height()) * width_ / picture_.width());
    const bool full = fullPage_->isChecked(), centre = centre_->isChecked(), keep = aspect_->isChecked();
    for (QLineEdit* e : {leftEdit_, topEdit_}) setEditEnabled(e, !(centre || (full && !keep)));
    for (QLineEdit* e : {rightEdit_, bottomEdit_}) setEditEnabled(e, !(full || centre));
    for (QLineEdit* e : {widthEdit_, heightEdit_}) setEditEnabled(e, !full);
    layoutPage();
}

void PrintDialog::layoutPage() {
    const int64_t iw = std::max(1, picture_.width()), ih = std::max(1, picture_.height());
    if (fullPage_->isChecked()) {
        if (!aspect_->isChecked()) {
            width_ = pageW_, height_ = pageH_, left_ = top_ = 0;
        } else if (double(iw) / ih > double(pageW_) / pageH_) {
            left_ = 0, width_ = pageW_, height_ = int(width_ * ih / iw);
        } else {
            top_ = 0, height_ = pageH_, width_ = int(height_ * iw / ih);
        }
    }
    if (centre_->isChecked()) {
        left_ = (pageW_ - width_) / 2;
        top_ = (pageH_ - height_) / 2;
    }
    showValues();
    preview_->update();
}

void PrintDialog::showValues() {
    const std::pair<QLineEdit*, int> values[] = {{leftEdit_, left_},   {topEdit_, top_},       {rightEdit_, right()},
                                                 {bottomEdit_, bottom()}, {widthEdit_, width_}, {heightEdit_, height_}};
    for (const auto& [edit, value] : values)
        if (edit->text() != QString::number(value)) edit->setText(QString::number(value));
}

// Text that is no whole number is refused with a message; the edit shows its last good value again.
// A lone sign is the start of a number being typed and waits for its digits.
void PrintDialog::edited(QLineEdit* edit, const QString& text) {
    if (text.isEmpty() || isSign(text)) return;
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok) {
        messages_.messageBox(tr("\"%1\" ist keine g\u00fcltige ganze Zahl.").arg(text).toStdString(), tr("Drucken").toStdString(),
                             MessageIcon::Error);
        const int last = edit == leftEdit_ ? left_ : edit == topEdit_ ? top_ : edit == rightEdit_ ? right()
                       : edit == bottomEdit_ ? bottom() : edit == widthEdit_ ? width_ : height_;
        edit->setText(QString::number(last));
        return;
    }
    const int64_t iw = std::max(1, picture_.width()), ih = std::max(1, picture_.height());
    const bool keep = aspect_->isChecked();
    if (edit == rightEdit_ || edit == bottomEdit_) {
        // The other fields follow at the next layout; the preview shows the new place at once.
        if (edit == rightEdit_) left_ = pageW_ - value - width_;
        else top_ = pageH_ - value - height_;
        preview_->update();
        return;
    }
    if (edit == leftEdit_) left_ = value;
    if (edit == topEdit_) top_ = value;
    if (edit == widthEdit_) {
        width_ = value;
        if (keep) height_ = int(ih * value / iw);
    }
    if (edit == heightEdit_) {
        height_ = value;
        if (keep) width_ = int(iw * value / ih);
    }
    layoutPage();
}

void PrintDialog::scaleBy(double factor) {
    if (fullPage_->isChecked()) {
        updating_ = true;
        fullPage_->setChecked(false);
        updating_ = false;
        optionsUpdate(false);
    }
    width_ = roundEven32(width_ * factor);
    height_ = roundEven32(height_ * factor);
    layoutPage();
}

void PrintDialog::previewPressed(QPoint at) {
    updating_ = true;
    fullPage_->setChecked(false);
    centre_->setChecked(false);
    updating_ = false;
    optionsUpdate(false);
    dragging_ = true;
    const QPointF mm(double(at.x()) * pageW_ / preview_->width(), double(at.y()) * pageH_ / preview_->height());
    dragOffset_ = mm - QPointF(left_, top_);
}

void PrintDialog::previewDragged(QPoint at) {
    if (!dragging_) return;
    const int x = std::clamp(at.x(), 0, preview_->width() - 1), y = std::clamp(at.y(), 0, preview_->height() - 1);
    const QPointF mm(double(x) * pageW_ / preview_->width(), double(y) * pageH_ / preview_->height());
    left_ = int(std::lround(mm.x() - dragOffset_.x()));
    top_ = int(std::lround(mm.y() - dragOffset_.y()));
    layoutPage();
}

void PrintDialog::previewReleased() { dragging_ = false; }

bool PrintDialog::eventFilter(QObject* watched, QEvent* event) {
    // A click beside the picture scales it: smaller on the group's left half, larger on its right.
    if (watched == previewGroup_ && event->type() == QEvent::MouseButtonPress) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        scaleBy(at.x() < previewGroup_->width() / 2 ? Smaller : Larger);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void PrintDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    placePreview();
}

void PrintDialog::setupPrinter() {
    if (printer_.outputFormat() == QPrinter::NativeFormat || printer_.outputFormat() == QPrinter::PdfFormat) {
        QPageSetupDialog setup(&printer_, this);
        const int answer = runDialog ? runDialog(setup) : setup.exec();
        if (answer != QDialog::Accepted) return;
    }
    // The setup may have turned the page.
    updating_ = true;
    const bool portrait = printer_.pageLayout().orientation() == QPageLayout::Portrait;
    portrait_->setChecked(portrait);
    landscape_->setChecked(!portrait);
    updating_ = false;
    orientationUpdate();
}

int PrintDialog::optionBits() const {
    return (portrait_->isChecked() ? PrintPortrait : 0) | (aspect_->isChecked() ? PrintKeepAspect : 0) |
           (fullPage_->isChecked() ? PrintFullPage : 0) | (centre_->isChecked() ? PrintCentre : 0);
}

bool PrintDialog::layoutFits() {
    for (QLineEdit* edit : {leftEdit_, topEdit_, rightEdit_, bottomEdit_, widthEdit_, heightEdit_}) {
        if (isSign(edit->text())) {
            messages_.messageBox(tr("\"%1\" ist keine g\u00fcltige ganze Zahl.").arg(edit->text()).toStdString(),
                                 tr("Drucken").toStdString(), MessageIcon::Error);
            edit->setFocus();
            return false;
        }
    }
    // The picture lies wholly on the paper: what lies beside it is never printed, and a picture many
    // times the paper's size would only take the printer's memory.
    if (width_ >= 1 && height_ >= 1 && left_ >= 0 && top_ >= 0 && right() >= 0 && bottom() >= 0) return true;
    messages_.messageBox(tr("Das Bild passt so nicht auf das Papier (%1 x %2 mm).\r"
                            "Position und Gr\u00f6ße m\u00fcssen innerhalb des Papiers liegen.")
                             .arg(pageW_)
                             .arg(pageH_)
                             .toStdString(),
                         tr("Drucken").toStdString(), MessageIcon::Error);
    return false;
}

bool PrintDialog::print() {
    if (!layoutFits()) return false;
    if (printer_.outputFormat() == QPrinter::PdfFormat) {
        QString file = pdfFile_;
        if (file.isEmpty()) {
            QString name = effectText_.left(20).simplified();
            name.remove(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")));
            file = QFileDialog::getSaveFileName(this, tr("In PDF-Datei drucken"),
                                                (name.isEmpty() ? QStringLiteral("Vortel") : name) + QStringLiteral(".pdf"),
                                                tr("PDF-Dateien (*.pdf)"));
            if (file.isEmpty()) return false;
        }
        printer_.setOutputFileName(file);
    }
    layout_.Left = left_, layout_.Top = top_, layout_.Width = width_, layout_.Height = height_;
    layout_.Options = uint32_t(optionBits());
    printer_.setDocName(jobTitle());

    QPainter painter;
    if (!painter.begin(&printer_)) {
        messages_.messageBox(tr("Der Druckauftrag konnte nicht gestartet werden.").toStdString(), tr("Drucken").toStdString(),
                             MessageIcon::Error);
        return false;
    }
    // Millimetres to the printer's pixels over the whole paper.
    const QRect paper = printer_.pageLayout().fullRectPixels(printer_.resolution());
    const int64_t pw = paper.width(), ph = paper.height();
    const int x1 = int(scaledLength(left_, pw, pageW_)), y1 = int(scaledLength(top_, ph, pageH_));
    const int x2 = int(scaledLength(pageW_ - right(), pw, pageW_)), y2 = int(scaledLength(pageH_ - bottom(), ph, pageH_));
    painter.drawImage(QRect(x1, y1, x2 - x1, y2 - y1), picture_);
    const bool done = painter.end();
    if (!done) {
        messages_.messageBox(tr("Der Druckauftrag konnte nicht abgeschlossen werden.").toStdString(), tr("Drucken").toStdString(),
                             MessageIcon::Error);
    }
    return done;
}

PrintPreview::PrintPreview(PrintDialog& dialog, QWidget* parent) : QWidget(parent), dialog_(dialog) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect PrintPreview::pictureRect() const {
    const int64_t w = width(), h = height(), pw = dialog_.pageWidth(), ph = dialog_.pageHeight();
    const int x1 = int(scaledLength(dialog_.left(), w, pw)), y1 = int(scaledLength(dialog_.top(), h, ph));
    const int x2 = int(scaledLength(pw - dialog_.right(), w, pw)), y2 = int(scaledLength(ph - dialog_.bottom(), h, ph));
    return QRect(x1, y1, x2 - x1, y2 - y1);
}

void PrintPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QRect target = pictureRect();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, dialog_.picture());
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(target.adjusted(0, 0, -1, -1));
}

void PrintPreview::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) dialog_.previewPressed(event->position().toPoint());
}

void PrintPreview::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & (Qt::LeftButton | Qt::RightButton)) dialog_.previewDragged(event->position().toPoint());
}

void PrintPreview::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) dialog_.previewReleased();
}

}  // namespace vortel::app
