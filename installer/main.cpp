// installer: copies the folder it runs from into a target folder and makes the program group.
#include <QApplication>
#include <QScreen>
#include <QTextStream>

#include "controls/Language.h"
#include "installer/Artwork.h"
#include "installer/Backdrop.h"
#include "installer/ScreenshotTour.h"
#include "installer/Wizard.h"

using namespace vortel::installer;

// The icons of the packaged program, <folder>/vortel-<size>.png and the document's, drawn at build
// time before any application object exists (shapes need none).
int WriteIcons(const QString& folder) {
    bool ok = true;
    for (const int size : {48, 128}) {
        ok = ProgramIcon(size).save(QStringLiteral("%1/vortel-%2.png").arg(folder).arg(size)) && ok;
        ok = DocumentIcon(size).save(QStringLiteral("%1/application-x-vortel-%2.png").arg(folder).arg(size)) && ok;
    }
    return ok ? 0 : 1;
}

int main(int argc, char** argv) {
    if (argc == 3 && qstrcmp(argv[1], "--write-icons") == 0) return WriteIcons(QString::fromLocal8Bit(argv[2]));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vortel"));
    const Language language = SystemLanguage();
    vortel::InstallTranslators(language == German ? vortel::UiLanguage::German : vortel::UiLanguage::English,
                       QStringLiteral("installer"));
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(ProgramIcon(48))));

    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 3 && args[1] == QStringLiteral("--screenshot-tour")) {
        const int written = RunScreenshotTour(args[2]);
        QTextStream(stderr) << "installer: wrote " << written << " pictures to " << args[2] << '\n';
        return written > 0 ? 0 : 1;
    }

    Backdrop backdrop(language);
    backdrop.setGeometry(QApplication::primaryScreen()->geometry());
    backdrop.show();
    Wizard wizard(language, Places::ForCurrentUser(), QCoreApplication::applicationDirPath(), &backdrop);
    wizard.setWindowFlag(Qt::Dialog);
    wizard.move(backdrop.geometry().center() - wizard.rect().center());
    wizard.exec();
    return 0;
}
