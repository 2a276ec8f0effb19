// vortel: the desktop program.
#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>
#include <QTextStream>

#include "app/Help.h"
#include "app/MainWindow.h"
#include "app/ScreenshotTour.h"
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
            QMessageBox::critical(nullptr, QStringLiteral("Vortel"),
                                  QStringLiteral("Nicht genug Arbeitsspeicher f\u00fcr diesen Befehl.\n"
                                                 "Das Programm l\u00e4uft weiter; ein kleineres Bild braucht weniger."));
            return false;
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vortel"));
    // LANGUAGE=en for one run: English where the program has it already (the help). German otherwise.
    vortel::SetCurrentUiLanguage(vortel::ChooseUiLanguage(qEnvironmentVariable("LANGUAGE"), QString(), QStringLiteral("de")));
    // The program speaks German: Qt's own texts (buttons of message boxes, file dialogs) too.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    // The help window on its own, for the program group's "Hilfe" entry.
    if (argc == 2 && QCoreApplication::arguments()[1] == QStringLiteral("--help-contents")) {
        vortel::app::Help help(nullptr);
        help.showContents();
        return app.exec();
    }
    vortel::app::MainWindow::StartOptions options;
    options.programFolder = QCoreApplication::applicationDirPath().toStdString();
    QString tourFolder;
    const QStringList args = QCoreApplication::arguments();
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
