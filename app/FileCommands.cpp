// New, Open and Save of the main window, and the question before a change is dropped.
#include "app/MainWindow.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>

#include <cmath>
#include <filesystem>
#include <new>

#include "app/Help.h"
#include "app/ImageFrame.h"
#include "app/JpegOptimizerDialog.h"
#include "app/MainWindowParts.h"
#include "app/TextInputDialog.h"
#include "document/Document.h"
#include "document/ImageBmp.h"
#include "document/ImageFile.h"
#include "document/Metafile.h"
#include "panels/pages/SlideShow.h"
#include "panels/pages/StylePage.h"
#include "platform/FileGate.h"

namespace vortel::app {

bool MainWindow::newCommand() {
    if (!changeQuery()) return false;
    TextInputDialog dialog(QString::fromStdString(engine_->Text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                           profiAction_->isChecked(), this);
    if (execDialog(dialog) != QDialog::Accepted || dialog.text().isEmpty()) return false;
    startDocument();
    engine_->Text = dialog.text().toStdString();
    engine_->releaseTextMask();
    recalculate();
    if (panels_->events.refresh) panels_->events.refresh(presets::Page::All);
    if (dialog.professional() != profiAction_->isChecked()) profiAction_->trigger();
    engine_->Modified = 1;
    // The text is new: the styles may put their own text in again.
    panels_->textEdited = false;
    if (dialog.assistant()) showAssistant();
    return true;
}

bool MainWindow::changeQuery() {
    if (!engine_ || !engine_->Modified) return true;
    const int answer = confirm(tr("\u00c4nderungen in \"%1\" speichern?").arg(documentName_));
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::Yes) {
        saveCommand(false);
        if (engine_->Modified) return false;  // the save failed or was cancelled
    }
    return true;
}

// ------------------------------------------------------------------------------------- open

bool MainWindow::openFile(const QString& path) {
    if (!changeQuery()) return false;
    return readFile(path);
}

bool MainWindow::readFile(const QString& path, bool asDocument) {
    bool opened = false;
    const QString previousCaption = windowTitle();
    setWindowTitle(tr("Vortel"));
    showStatus(StatusSimple, tr("Lade %1...").arg(QFileInfo(path).fileName()));
    runCommand([&] {
        const std::string file = path.toStdString();
        const std::string ext = upperExtension(path);
        static const std::vector<std::string> pictures = {"JPG", "JIF", "GIF", "BMP", "DIB", "RLE", "TGA", "PCX", "PNG"};
        bool document = false;
        if (asDocument) {
            document = true;
        } else if (std::find(pictures.begin(), pictures.end(), ext) != pictures.end()) {
            engine_->setTexture(0, std::make_shared<Bitmap>(loadImage(file)), file);
            engine_->setFillKind(0, 0);
        } else if (const auto kind = styleKindForPath(file)) {
            ReadStyleFile(*engine_, file, *kind);
        } else {
            document = true;
        }
        if (document) {
            const ViewSize size = ReadDocument(*engine_, file);
            setImageSize(size.width.value_or(canvas_->width()), size.height.value_or(canvas_->height()));
        }
        documentName_ = QString::fromStdString(std::filesystem::path(file).replace_extension(".vtl").string());
        // Only a document read is the file Save may replace without asking; a picture or a style
        // lends the document its name, and a file of that name may be someone else's.
        savedName_ = document ? documentName_ : QString();
        if (document) addRecentFile(path);
        recalculate();
        if (panels_->events.refresh) panels_->events.refresh(presets::Page::All);
        engine_->Modified = 0;
        opened = true;
    });
    showPanels();
    statusPanels_[1]->clear();
    if (opened) {
        updateCaption();
    } else {
        setWindowTitle(previousCaption);
    }
    return opened;
}

bool MainWindow::openDocument(const QString& path, bool quietly) {
    if (!quietly) return openFile(path);
    if (!changeQuery()) return false;
    const bool wasSilenced = messages_.silenced;
    messages_.silenced = true;
    const bool opened = readFile(path);
    messages_.silenced = wasSilenced;
    return opened;
}

void MainWindow::openCommand() {
    if (!changeQuery()) return;
    const QStringList filters = {
        tr("Vortel Datei (*.vtl)"), tr("Verform-Style (*.deform)"), tr("3D-Kanten-Style (*.bevel)"), tr("Farbverlauf (*.color))"),
        tr("Schatten-Style (*.shadow)"),
        tr("Hintergrund-Textur (.jpg .bmp .png .tga .pcx) (*.jpg *.jif *.bmp *.dib *.rle *.tga *.pcx *.png)"),
        tr("Alle Dateien (*)")};
    QFileDialog dialog(this, tr("Öffnen"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    dialog.setDirectory(QString::fromStdString(settings_.readString("Options", "OpenDir", options_.programFolder)));
    if (execDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().first();
    settings_.writeString("Options", "OpenDir", QFileInfo(path).absolutePath().toStdString());
    settings_.writeInteger("Options", "OpenIndex", int(filters.indexOf(dialog.selectedNameFilter())));
    readFile(path);
}

// ------------------------------------------------------------------------------------- save

// The Save dialog's types, by filter index 1 .. 9, with the extension each appends.
namespace {
struct SaveType {
    const char* filter;
    const char* extension;
};
constexpr SaveType saveTypes[] = {
    {QT_TRANSLATE_NOOP("vortel::app::MainWindow", "Vortel Datei (*.vtl)"), ".vtl"},
    {QT_TRANSLATE_NOOP("vortel::app::MainWindow", "BMP - Windows Bitmap (*.bmp)"), ".bmp"},
    {QT_TRANSLATE_NOOP("vortel::app::MainWindow", "EMF - Enhanced Meta File (*.emf)"), ".emf"},
    {QT_TRANSLATE_NOOP("vortel::app::MainWindow", "JPG - JPEG JFIF Compliant (*.jpg)"), ".jpg"},
    {QT_TRANSLATE_NOOP("vortel::app::MainWindow", "WMF - Windows 3.1 Meta File (*.wmf)"), ".wmf"},
    {QT_TRANSLATE_NOOP("vortel::app::MainWindow", "Deform - Nur Verformen-Style (*.deform)"), ".deform"},
    {QT_TRANSLATE_NOOP("vortel::app::MainWindow", "Bevel - Nur 3D-Kanten-Style (*.bevel)"), ".bevel"},
    {QT_TRANSLATE_NOOP("vortel::app::MainWindow", "Color - Nur Farbverlauf (*.color)"), ".color"},
    {QT_TRANSLATE_NOOP("vortel::app::MainWindow", "Shadow - Nur Schatten-Style (*.shadow)"), ".shadow"},
};
}  // namespace

QString MainWindow::suggestedSaveName() const {
    if (!isUntitled(documentName_)) return QFileInfo(documentName_).completeBaseName();
    QString text = QString::fromStdString(engine_->Text).left(60);
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (const QChar bad : {QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char('\r'), QLatin1Char('\n')}) text.replace(bad, QLatin1Char(' '));
    return text.trimmed();
}

std::optional<QString> MainWindow::saveAs(QString name, int filterIndex) {
    if (filterIndex < 1 || filterIndex > int(std::size(saveTypes))) throw std::runtime_error("not supported " + std::to_string(filterIndex));
    if (guideEditing_) hideGuides();
    const QString extension = QString::fromLatin1(saveTypes[filterIndex - 1].extension);
    if (!name.toUpper().contains(extension.toUpper())) name += extension;
    if (QFileInfo::exists(name)) {
        const QString question = tr("\"%1\" existiert schon.\nÜberschreiben?").arg(name);
        if (confirm(question) != QMessageBox::Yes) return std::nullopt;
    }
    const std::string file = name.toStdString();
    const int32_t w = canvas_->width(), h = canvas_->height();
    bool written = true;
    switch (filterIndex) {
    case 1:
        WriteDocument(*engine_, canvas_->toBitmap(), file);
        documentName_ = name;
        savedName_ = name;
        engine_->Modified = 0;
        addRecentFile(name);
        break;
    case 2: saveBmp(file, canvas_->toBitmap()); break;
    case 3: ExportMetafile(*engine_, w, h, file, true); break;
    case 4: {
        // The optimizer writes the file when its Save is pressed; Cancel writes nothing.
        JpegOptimizerDialog optimizer(canvas_->toBitmap(), name, messages_, this);
        written = execDialog(optimizer) == QDialog::Accepted;
        break;
    }
    case 5: ExportMetafile(*engine_, w, h, file, false); break;
    default: WriteStyleFile(*engine_, file, StyleKind(filterIndex - 6)); break;
    }
    if (notebook_->currentIndex() == DeformPage) showGuides();
    updateCaption();
    if (!written) return std::nullopt;
    return name;
}

void MainWindow::saveCommand(bool saveAs) {
    runCommand([&] {
        if (guideEditing_) hideGuides();
        if (!saveAs && !isUntitled(documentName_)) {
            if (documentName_ != savedName_ && QFileInfo::exists(documentName_)) {
                const QString question = tr("\"%1\" existiert schon.\nÜberschreiben?").arg(documentName_);
                if (confirm(question) != QMessageBox::Yes) {
                    if (notebook_->currentIndex() == DeformPage) showGuides();
                    return;
                }
            }
            WriteDocument(*engine_, canvas_->toBitmap(), documentName_.toStdString());
            engine_->Modified = 0;
            savedName_ = documentName_;
            if (notebook_->currentIndex() == DeformPage) showGuides();
            updateCaption();
            return;
        }
        QStringList filters;
        for (const SaveType& type : saveTypes) filters << tr(type.filter);
        QFileDialog dialog(this, tr("Speichern unter"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters(filters);
        dialog.setDirectory(QString::fromStdString(settings_.readString("Options", "SaveDir", options_.programFolder)));
        dialog.selectFile(suggestedSaveName());
        if (execDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
        const int index = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
        const QString chosen = dialog.selectedFiles().first();
        settings_.writeString("Options", "SaveDir", QFileInfo(chosen).absolutePath().toStdString());
        settings_.writeInteger("Options", "SaveIndex", index);
        this->saveAs(chosen, index);
    });
}

}  // namespace vortel::app
