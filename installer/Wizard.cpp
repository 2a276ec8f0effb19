#include "installer/Wizard.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <algorithm>
#include <climits>

#include "installer/Artwork.h"
#include "installer/FileCopy.h"
#include "installer/InstallLog.h"
#include "installer/ProgramGroup.h"
#include "installer/TargetCheck.h"

namespace vortel::installer {

namespace {

constexpr int PageLeft = 172, PageTop = 62, PageWidth = 318, PageHeight = 218;

QLabel* WrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace

QImage PictureFor(const QImage& bitmap, QSize control) {
    QImage picture(control, QImage::Format_RGB32);
    picture.fill(bitmap.isNull() ? QColor(Qt::black) : bitmap.pixelColor(0, 0));
    QPainter painter(&picture);
    painter.drawImage(QPoint((control.width() - bitmap.width()) / 2, (control.height() - bitmap.height()) / 2), bitmap);
    return picture;
}

QString Wizard::TargetFromPicked(const QString& picked) {
    return picked + (picked.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/")) + QLatin1String(ProductName);
}

QString Wizard::BrowseStart(const QString& target) {
    QString start = TrimTarget(target);
    if (start.endsWith(QLatin1String(ProductName), Qt::CaseInsensitive)) start.chop(qstrlen(ProductName));
    return TrimTarget(start);
}

Wizard::Wizard(Language language, Places places, QString sourceFolder, QWidget* parent)
    : QDialog(parent), language_(language), places_(std::move(places)), source_(std::move(sourceFolder)) {
    setWindowTitle(QCoreApplication::translate("Installer", "Installation Vortel"));
    setFixedSize(500, 336);
    group_ = places_.groupFolder;

    picture_ = new QLabel(this);  // 200
    picture_->setGeometry(10, 10, 150, 270);
    picture_->setFrameShape(QFrame::Panel);
    picture_->setFrameShadow(QFrame::Sunken);
    picture_->setPixmap(QPixmap::fromImage(PictureFor(WizardBitmap(), picture_->contentsRect().size())));

    title_ = new QLabel(Text(MsgTitle, language_), this);  // 104
    title_->setGeometry(PageLeft, 10, PageWidth, 46);
    QFont titleFont = title_->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    title_->setFont(titleFont);

    buildPages();

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(10, 290, 480, 2);
    back_ = new QPushButton(Text(MsgBack, language_), this);  // 201
    next_ = new QPushButton(Text(MsgNext, language_), this);  // 202
    cancel_ = new QPushButton(Text(MsgCancelButton, language_), this);  // 203
    back_->setGeometry(222, 300, 88, 26);
    next_->setGeometry(310, 300, 88, 26);
    cancel_->setGeometry(404, 300, 86, 26);
    next_->setDefault(true);
    for (QPushButton* button : {back_, next_, cancel_}) button->setAutoDefault(false);
    connect(back_, &QPushButton::clicked, this, &Wizard::backClicked);
    connect(next_, &QPushButton::clicked, this, &Wizard::nextClicked);
    connect(cancel_, &QPushButton::clicked, this, &Wizard::cancelClicked);

    progress_->hide();
    for (auto it = pages_.begin(); it != pages_.end(); ++it) showPage(it.key(), false);
    page_ = 110;
    showPage(page_, true);
    back_->setEnabled(false);
}

void Wizard::buildPages() {
    auto makePage = [this](int id) {
        auto* page = new QWidget(this);
        page->setGeometry(PageLeft, PageTop, PageWidth, PageHeight);
        pages_.insert(id, page);
        return page;
    };

    QWidget* welcome = makePage(110);
    WrappedLabel(Text(MsgWelcome, language_), welcome)->setGeometry(0, 0, PageWidth, PageHeight);

    QWidget* folders = makePage(120);
    auto* targetFrame = new QGroupBox(folders);  // 120
    targetFrame->setGeometry(0, 0, PageWidth, 118);
    WrappedLabel(Text(MsgTargetLabel, language_), targetFrame)->setGeometry(10, 8, PageWidth - 20, 46);  // 121
    targetEdit_ = new QLineEdit(places_.targetFolder, targetFrame);  // 122
    targetEdit_->setMaxLength(300);
    targetEdit_->setGeometry(10, 58, PageWidth - 20, 24);
    targetBrowse_ = new QPushButton(Text(MsgBrowse, language_), targetFrame);  // 123
    targetBrowse_->setGeometry(PageWidth - 100, 86, 90, 24);
    auto* groupFrame = new QGroupBox(folders);  // 124
    groupFrame->setGeometry(0, 128, PageWidth, 70);
    groupCheck_ = new QCheckBox(Text(MsgGroupCheck, language_), groupFrame);  // 125
    groupCheck_->setGeometry(10, 10, PageWidth - 20, 22);
    groupCheck_->setChecked(true);
    groupBrowse_ = new QPushButton(Text(MsgBrowse, language_), groupFrame);  // 126
    groupBrowse_->setGeometry(PageWidth - 100, 38, 90, 24);
    connect(groupCheck_, &QCheckBox::toggled, groupBrowse_, &QWidget::setEnabled);
    connect(targetBrowse_, &QPushButton::clicked, this, &Wizard::browseTarget);
    connect(groupBrowse_, &QPushButton::clicked, this, &Wizard::browseGroup);

    QWidget* ready = makePage(130);
    WrappedLabel(Text(MsgReady, language_), ready)->setGeometry(0, 0, PageWidth, PageHeight);

    QWidget* copy = makePage(140);
    auto* copyFrame = new QGroupBox(copy);  // 140
    copyFrame->setGeometry(0, 0, PageWidth, 150);
    status_ = WrappedLabel(QString(), copyFrame);  // 143
    status_->setGeometry(10, 10, PageWidth - 20, 56);
    currentFile_ = new QLabel(copyFrame);  // 141
    currentFile_->setGeometry(10, 72, PageWidth - 20, 22);
    progress_ = new QProgressBar(copyFrame);  // 142
    progress_->setGeometry(10, 100, PageWidth - 20, 24);

    QWidget* finish = makePage(150);
    WrappedLabel(Text(MsgComplete, language_), finish)->setGeometry(0, 0, PageWidth, PageHeight);
}

QLabel* Wizard::pageText(int page) const {
    QWidget* widget = pages_.value(page);
    return widget ? widget->findChild<QLabel*>() : nullptr;
}

QString Wizard::target() const {
    return QDir::cleanPath(QDir::current().absoluteFilePath(TrimTarget(targetEdit_->text())));
}

void Wizard::showPage(int page, bool visible) {
    if (QWidget* widget = pages_.value(page)) widget->setVisible(visible);
}

void Wizard::setPage(int page) {
    showPage(page_, false);
    page_ = page;
    showPage(page_, true);
    back_->setEnabled(page_ != 110);
    if (page_ == 150) {
        back_->setEnabled(false);
        cancel_->setEnabled(false);
        next_->setEnabled(true);
        next_->setText(Text(MsgFinish, language_));
    } else if (page_ == 140) {
        back_->setEnabled(false);
        next_->setEnabled(false);
        if (runCopy()) {
            raise();
            activateWindow();
            nextClicked();
        } else {
            back_->setEnabled(true);
            next_->setEnabled(true);
            backClicked();
        }
    }
}

void Wizard::backClicked() {
    if (page_ > 110) setPage(page_ - 10);
}

void Wizard::nextClicked() {
    if (page_ == 150) {
        accept();
        return;
    }
    if (page_ == 120 && !validateTarget()) return;
    setPage(page_ + 10);
}

void Wizard::cancelClicked() {
    if (!copying_) {
        QDialog::reject();
        return;
    }
    if (question(Text(MsgReallyCancel, language_), Text(MsgCancelInstallation, language_), true)) copying_ = false;
}

void Wizard::reject() {
    // Esc and the window's close button act as Cancel; nothing ends the dialog on the last page
    // but Finish.
    if (page_ == 150) return;
    cancelClicked();
}

bool Wizard::validateTarget() {
    QStringList made;
    switch (CheckTarget(targetEdit_->text(), &made)) {
    case TargetCheck::TooShort:
        error(Text(MsgEnterTarget, language_), Text(MsgError, language_));
        return false;
    case TargetCheck::Created:
        madeFolders_ += made;
        return true;
    case TargetCheck::Exists:
        return question(Text(MsgTargetExists, language_), Text(MsgAttention, language_), false);
    case TargetCheck::CannotCreate:
        madeFolders_ += made;
        error(Text(MsgCannotCreate, language_), Text(MsgError, language_));
        return false;
    }
    return false;
}

bool Wizard::runCopy() {
    const QString target = this->target();
    status_->setText(Text(MsgCopying, language_) + QLatin1Char('\n') + target + QLatin1Char('/'));
    const std::vector<SourceFile> files = ListSourceFiles(source_);
    const int64_t sum = SumKiB(files);
    const int maximum = static_cast<int>(std::clamp<int64_t>(sum, 1, INT_MAX));
    progress_->setRange(0, maximum);
    progress_->setValue(0);
    progress_->show();

    const InstallLog log(target + QLatin1Char('/') + QLatin1String(InstallLogFile));
    for (const QString& folder : std::as_const(madeFolders_))
        if (folder == target || folder.startsWith(target + QLatin1Char('/')) || target.startsWith(folder + QLatin1Char('/')))
            log.add('D', folder);
    madeFolders_.clear();

    copying_ = true;
    CopyHooks hooks;
    hooks.progress = [&](int64_t total, const QString& destination) {
        progress_->setValue(static_cast<int>(qMin<int64_t>(total, maximum)));
        // Long paths lose their middle, not the file name; the whole path is the tool tip.
        currentFile_->setText(currentFile_->fontMetrics().elidedText(destination, Qt::ElideMiddle, currentFile_->width()));
        currentFile_->setToolTip(destination);
        if (fileHook) fileHook(destination);
    };
    hooks.keepGoing = [this] {
        QCoreApplication::processEvents();
        return copying_;
    };
    const bool copied = CopyFiles(source_, target, files, log, hooks);
    const bool stopped = !copying_;
    copying_ = false;
    if (!copied || stopped) return false;
    progress_->setValue(maximum);

    if (!groupCheck_->isChecked()) return true;
    CreateProgramGroup({places_, target, group_, language_}, log);
    if (openFolderHook) {
        openFolderHook(group_);
    } else if (!QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty()) {
        QProcess::startDetached(QStringLiteral("xdg-open"), {group_});
    }
    return true;
}

void Wizard::browseTarget() {
    const QString picked = browse(BrowseStart(targetEdit_->text()));
    if (!picked.isEmpty()) targetEdit_->setText(TargetFromPicked(picked));
}

void Wizard::browseGroup() {
    const QString picked = browse(places_.programsFolder);
    if (!picked.isEmpty()) group_ = TrimTarget(picked) + QStringLiteral("/Vortel");
}

void Wizard::error(const QString& text, const QString& caption) {
    if (errorHook) {
        errorHook(text, caption);
        return;
    }
    QMessageBox::critical(this, caption, text);
}

bool Wizard::question(const QString& text, const QString& caption, bool noByDefault) {
    if (questionHook) return questionHook(text, caption, noByDefault);
    return QMessageBox::question(this, caption, text, QMessageBox::Yes | QMessageBox::No,
                                 noByDefault ? QMessageBox::No : QMessageBox::Yes) == QMessageBox::Yes;
}

QString Wizard::browse(const QString& start) {
    if (browseHook) return browseHook(start);
    return QFileDialog::getExistingDirectory(this, QString(), start);
}

}  // namespace vortel::installer
