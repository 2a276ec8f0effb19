#include "installer/ScreenshotTour.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QTemporaryDir>

#include "controls/Language.h"
#include "installer/Backdrop.h"
#include "installer/Wizard.h"

namespace vortel::installer {

namespace {

constexpr QSize ScreenSize(1024, 768);

bool Save(const QImage& image, const QString& folder, const QString& name, int& written) {
    const bool ok = image.save(QDir(folder).filePath(name));
    if (ok) ++written;
    return ok;
}

void TourLanguage(Language language, const QString& folder, int& written) {
    const QString tag = language == German ? QStringLiteral("de") : QStringLiteral("en");
    // Qt's button texts and the catalogue follow the language, as they do in a real run (with the
    // other language's catalogue a German text would be looked up as its English partner).
    InstallTranslators(language == German ? UiLanguage::German : UiLanguage::English, QStringLiteral("installer"));
    Backdrop backdrop(language);
    backdrop.resize(ScreenSize);
    const QImage screen = backdrop.grab().toImage();
    Save(screen, folder, QStringLiteral("installer-%1-backdrop.png").arg(tag), written);

    QTemporaryDir work;
    const QString source = work.filePath(QStringLiteral("dist"));
    QDir().mkpath(source);
    for (const char* name : {"vortel", "vortel-cli", "libvortelres.so", "installer", "uninstall", "Handbuch.html"}) {
        QFile file(QDir(source).filePath(QLatin1String(name)));
        if (file.open(QIODevice::WriteOnly)) file.write(QByteArray(300 * 1024, 'v'));
    }
    // The pages show the default of a user "anna"; the copy itself goes into the temporary folder.
    const Places places = Places::ForUser(QStringLiteral("/home/anna"), {}, {});
    const QString target = work.filePath(QStringLiteral("opt/vortel"));

    Wizard wizard(language, places, source);
    wizard.openFolderHook = [](const QString&) {};
    wizard.questionHook = [](const QString&, const QString&, bool) { return true; };
    wizard.errorHook = [](const QString&, const QString&) {};
    auto shoot = [&](int page) {
        Save(wizard.grab().toImage(), folder, QStringLiteral("installer-%1-%2.png").arg(tag).arg(page), written);
    };
    wizard.show();
    shoot(110);
    wizard.nextClicked();
    shoot(120);
    wizard.targetEdit()->setText(target);
    wizard.nextClicked();
    shoot(130);
    wizard.groupCheck()->setChecked(false);
    int copied = 0;
    wizard.fileHook = [&](const QString&) {
        if (++copied == 4) shoot(140);
    };
    wizard.nextClicked();
    shoot(150);

    QImage composite = screen;
    QPainter painter(&composite);
    const QImage dialog = wizard.grab().toImage();
    painter.drawImage(QPoint((ScreenSize.width() - dialog.width()) / 2, (ScreenSize.height() - dialog.height()) / 2), dialog);
    painter.end();
    Save(composite, folder, QStringLiteral("installer-%1-screen.png").arg(tag), written);
    wizard.hide();

    // The three boxes of the folder page, the question of Cancel and the uninstaller's question.
    struct Box {
        const char* name;
        QMessageBox::Icon icon;
        Message text, caption;
        bool question;
    };
    const Box boxes[] = {
        {"enter-target", QMessageBox::Critical, MsgEnterTarget, MsgError, false},
        {"target-exists", QMessageBox::Question, MsgTargetExists, MsgAttention, true},
        {"cannot-create", QMessageBox::Critical, MsgCannotCreate, MsgError, false},
        {"cancel", QMessageBox::Question, MsgReallyCancel, MsgCancelInstallation, true},
        {"uninstall", QMessageBox::Question, MsgReallyUninstall, MsgUninstall, true},  // the uninstaller's
    };
    for (const Box& box : boxes) {
        QMessageBox message(box.icon, Text(box.caption, language), Text(box.text, language),
                            box.question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
        message.show();
        Save(message.grab().toImage(), folder, QStringLiteral("installer-%1-box-%2.png").arg(tag, QLatin1String(box.name)), written);
    }
}

}  // namespace

int RunScreenshotTour(const QString& folder) {
    QDir().mkpath(folder);
    int written = 0;
    const UiLanguage run = CurrentUiLanguage();
    TourLanguage(German, folder, written);
    TourLanguage(English, folder, written);
    InstallTranslators(run, QStringLiteral("installer"));
    return written;
}

}  // namespace vortel::installer
