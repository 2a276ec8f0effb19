#pragma once
// The five-page setup dialog: welcome (110), target and group (120), ready (130), copy (140),
// finish (150). A page is shown or hidden as a whole; Back, Next and Cancel move between them.
#include <QDialog>
#include <QImage>
#include <QMap>
#include <functional>

#include "installer/Places.h"
#include "installer/Texts.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace vortel::installer {

class Wizard : public QDialog {
    Q_OBJECT
public:
    Wizard(Language language, Places places, QString sourceFolder, QWidget* parent = nullptr);

    int page() const { return page_; }
    QString target() const;
    QString groupFolder() const { return group_; }
    void setGroupFolder(const QString& folder) { group_ = folder; }
    bool copying() const { return copying_; }

    QLineEdit* targetEdit() const { return targetEdit_; }
    QCheckBox* groupCheck() const { return groupCheck_; }
    QPushButton* backButton() const { return back_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* targetBrowseButton() const { return targetBrowse_; }
    QPushButton* groupBrowseButton() const { return groupBrowse_; }
    QProgressBar* progressBar() const { return progress_; }
    QLabel* currentFileLabel() const { return currentFile_; }
    QLabel* statusLabel() const { return status_; }
    QLabel* pageText(int page) const;

    // Stand-ins for the message boxes, the folder browser and the file manager, for tests and the
    // screenshot tour; unset, the real ones are used.
    std::function<void(const QString& text, const QString& caption)> errorHook;
    std::function<bool(const QString& text, const QString& caption, bool noByDefault)> questionHook;
    std::function<QString(const QString& start)> browseHook;
    std::function<void(const QString& folder)> openFolderHook;
    // Called before each file is copied (with its destination), after the progress is shown.
    std::function<void(const QString& destination)> fileHook;

    // The target browser's result: the picked folder + "/Vortel"; the start folder it opens at is
    // the target without a trailing "Vortel" component.
    static QString TargetFromPicked(const QString& picked);
    static QString BrowseStart(const QString& target);

public slots:
    void backClicked();
    void nextClicked();
    void cancelClicked();

protected:
    void reject() override;

private:
    void buildPages();
    void setPage(int page);
    void showPage(int page, bool visible);
    bool validateTarget();
    bool runCopy();
    void browseTarget();
    void browseGroup();
    void error(const QString& text, const QString& caption);
    bool question(const QString& text, const QString& caption, bool noByDefault);
    QString browse(const QString& start);

    Language language_;
    Places places_;
    QString source_;
    QString group_;
    QStringList madeFolders_;  // folders the target check created, for the install log
    int page_ = 110;
    bool copying_ = false;
    QMap<int, QWidget*> pages_;
    QLabel* title_ = nullptr;
    QLabel* picture_ = nullptr;
    QLineEdit* targetEdit_ = nullptr;
    QCheckBox* groupCheck_ = nullptr;
    QPushButton* targetBrowse_ = nullptr;
    QPushButton* groupBrowse_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* currentFile_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// The picture control's content: the control filled with the bitmap's top-left pixel, the bitmap
// drawn centred over it (cut where it is larger).
QImage PictureFor(const QImage& bitmap, QSize control);

}  // namespace vortel::installer
