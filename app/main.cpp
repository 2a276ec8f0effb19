// vortel: the desktop program.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTextStream>

#include "app/Help.h"
#include "app/MainWindow.h"
#include "app/MainWindowParts.h"
#include "app/QtMessages.h"
#include "app/ScreenshotTour.h"
#include "app/Settings.h"
#include "controls/Language.h"

#include <new>

namespace {

// Memory that runs out in an event handler outside a command: a message, and the program goes on.
class Application : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::bad_alloc&) {
            QMessageBox::critical(nullptr, QStringLiteral("Vortel"), vortel::app::programText(vortel::app::OutOfMemoryText));
            return false;
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vortel"));
    const QStringList args = QCoreApplication::arguments();
    // The language before any window: one run's LANGUAGE, else the choice stored in the settings
    // (a screenshot tour reads none), else the desktop's locale.
    QString stored;
    if (!args.contains(QStringLiteral("--screenshot-tour"))) {
        const std::string programFolder = QCoreApplication::applicationDirPath().toStdString();
        stored = QString::fromStdString(
            vortel::app::OpenSettings(vortel::app::SettingsCandidates(programFolder)).readString("Options", "Language", ""));
    }
    vortel::InstallTranslators(vortel::ChooseUiLanguageFromEnvironment(stored), QStringLiteral("vortel"));
    // The help window on its own, for the program group's "Hilfe" entry.
    if (argc == 2 && QCoreApplication::arguments()[1] == QStringLiteral("--help-contents")) {
        vortel::app::Help help(nullptr);
        help.showContents();
        return app.exec();
    }
    vortel::app::MainWindow::StartOptions options;
    options.programFolder = QCoreApplication::applicationDirPath().toStdString();
    QString tourFolder;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QStringLiteral("--screenshot-tour") && i + 1 < args.size()) {
            tourFolder = args[++i];
            options.withoutSettings = true;
        } else if (args[i] == QStringLiteral("Saver") && i == 1) {
            options.saver = true;
        } else if (options.file.empty()) {
            options.file = QDir::current().absoluteFilePath(args[i]).toStdString();
        }
    }
    vortel::app::MainWindow window(options);
    if (!tourFolder.isEmpty()) {
        const int written = vortel::app::RunScreenshotTour(window, tourFolder);
        QTextStream(stderr) << "vortel: wrote " << written << " pictures to " << tourFolder << '\n';
        return written > 0 ? 0 : 1;
    }
    window.show();
    return app.exec();
}
