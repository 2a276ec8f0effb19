// uninstall: removes what the installation of the folder it sits in made, after a question.
//   uninstall [group folder] [--yes] [--quiet]
// --yes answers the question, --quiet writes the outcome to standard error instead of a box.
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QTextStream>

#include "controls/Language.h"
#include "installer/Places.h"
#include "installer/Texts.h"
#include "installer/uninstall/Uninstaller.h"

using namespace vortel::installer;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const Language language = SystemLanguage();
    vortel::InstallTranslators(language == German ? vortel::UiLanguage::German : vortel::UiLanguage::English,
                       QStringLiteral("installer"));
    const QStringList args = QCoreApplication::arguments();
    const bool yes = args.contains(QStringLiteral("--yes"));
    const bool quiet = args.contains(QStringLiteral("--quiet"));
    const QString caption = Text(MsgUninstall, language);
    auto tell = [&](const QString& text, QMessageBox::Icon icon) {
        if (quiet)
            QTextStream(stderr) << "uninstall: " << text << '\n';
        else
            QMessageBox(icon, caption, text, QMessageBox::Ok).exec();
    };

    const QString log = QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(InstallLogFile);
    if (!QFileInfo::exists(log)) {
        tell(Text(MsgNotInstalled, language), QMessageBox::Warning);
        return 1;
    }
    if (!yes && QMessageBox::question(nullptr, caption, Text(MsgReallyUninstall, language),
                                      QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return 0;

    const UninstallResult result = Uninstall(log);
    if (!result.failed.isEmpty()) {
        tell(Text(MsgNotRemoved, language) + QLatin1Char('\n') + result.failed.join(QLatin1Char('\n')), QMessageBox::Warning);
        return 1;
    }
    tell(Text(MsgUninstalled, language), QMessageBox::Information);
    return 0;
}
