// A whole installation into the test's home: the copy, the program group, cancelling, and the
// uninstaller taking back exactly what was made.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QLabel>
#include <QMetaObject>
#include <QProcess>
#include <QRegularExpression>
#include <QProgressBar>
#include <QStandardPaths>
#include <set>

#include "WizardFixture.h"
#include "installer/InstallLog.h"
#include "installer/ProgramGroup.h"
#include "installer/uninstall/Uninstaller.h"
#include "platform/IniFile.h"

namespace vortel::installer {
namespace {

// Every path below `root`, relative, folders with a trailing slash.
std::set<QString> Tree(const QString& root) {
    std::set<QString> paths;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        paths.insert(QDir(root).relativeFilePath(info.filePath()) + (info.isDir() ? QStringLiteral("/") : QString()));
    }
    return paths;
}

QString Home() { return qEnvironmentVariable("HOME"); }

void Clear(const QString& folder) { QDir(folder).removeRecursively(); }

// Sizes chosen around the KiB boundaries: 0 + 0 + 1 + 4 + 3 = 8 KiB.
void AddDistribution(WizardFixture& f) {
    f.addSource(QStringLiteral("vortel"), 5000);
    f.addSource(QStringLiteral("vortel-cli"), 1024);
    f.addSource(QStringLiteral("Manual.html"), 3 * 1024 + 1);
    f.addSource(QStringLiteral("empty"), 0);
    f.addSource(QStringLiteral("small"), 1023);
    f.addSource(QStringLiteral(".hidden"), 10);
    QDir(f.source).mkdir(QStringLiteral("subfolder"));
    QFile::setPermissions(QDir(f.source).filePath(QStringLiteral("vortel")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void RunToCopy(WizardFixture& f, bool group) {
    f.next();
    if (!group) QTest::mouseClick(f.wizard->groupCheck(), Qt::LeftButton);
    f.answers.push_back(true);
    f.next();
    ASSERT_EQ(f.wizard->page(), 130);
    f.next();
}

TEST(InstallerCopy, EveryFileProgressAndTheProgramGroup) {
    Clear(Home());
    QDir().mkpath(Home());
    for (const bool group : {true, false}) {
        SCOPED_TRACE(group ? "with group" : "without group");
        WizardFixture f(German);
        AddDistribution(f);
        std::vector<int> positions;
        f.wizard->fileHook = [&](const QString&) { positions.push_back(f.wizard->progressBar()->value()); };
        RunToCopy(f, group);
        const QString target = f.places.targetFolder;
        EXPECT_EQ(f.wizard->page(), 150);
        EXPECT_FALSE(f.wizard->backButton()->isEnabled());
        EXPECT_FALSE(f.wizard->cancelButton()->isEnabled());
        EXPECT_TRUE(f.wizard->nextButton()->isEnabled());
        EXPECT_EQ(f.wizard->nextButton()->text(), Text(MsgFinish, German));
        EXPECT_EQ(positions, (std::vector<int>{3, 3, 3, 7, 8})) << "running KiB totals in name order";
        EXPECT_EQ(f.wizard->progressBar()->maximum(), 8);
        EXPECT_EQ(f.wizard->progressBar()->value(), 8);
        EXPECT_EQ(f.wizard->currentFileLabel()->toolTip(), target + QStringLiteral("/vortel-cli"));
        EXPECT_TRUE(f.wizard->currentFileLabel()->text().endsWith(QStringLiteral("vortel-cli")));
        EXPECT_EQ(f.wizard->statusLabel()->text(), Text(MsgCopying, German) + QLatin1Char('\n') + target + QLatin1Char('/'));
        for (const char* name : {"vortel", "vortel-cli", "Manual.html", "empty", "small"}) {
            const QString from = QDir(f.source).filePath(QLatin1String(name));
            const QString to = QDir(target).filePath(QLatin1String(name));
            QFile a(from), b(to);
            ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly)) << name;
            EXPECT_EQ(a.readAll(), b.readAll()) << name;
            EXPECT_EQ(QFile::permissions(to), QFile::permissions(from)) << name;
        }
        EXPECT_FALSE(QFile::exists(QDir(target).filePath(QStringLiteral(".hidden"))));
        EXPECT_FALSE(QFile::exists(QDir(target).filePath(QStringLiteral("subfolder"))));

        const GroupFiles files = GroupFilesFor({f.places, target, f.places.groupFolder, German});
        const QStringList groupFiles = QStringList{files.program, files.help, files.manual, files.uninstall, files.directory,
                                                   files.menu, files.mimePackage, files.keyFile, files.settings} + files.icons;
        for (const QString& path : groupFiles) EXPECT_EQ(QFile::exists(path), group) << path.toStdString();
        EXPECT_EQ(f.opened, group ? QStringList{f.places.groupFolder} : QStringList{});
        if (group) {
            EXPECT_TRUE(files.help.endsWith(QStringLiteral("/Hilfe.desktop")));
            const IniFile key(files.keyFile.toStdString());
            EXPECT_EQ(key.readString("Vortel", "DisplayName", ""), "Vortel 0.9");
            EXPECT_EQ(key.readString("Vortel", "UninstallString", ""),
                      UninstallCommand(target, f.places.groupFolder).toStdString());
            EXPECT_EQ(IniFile(files.settings.toStdString()).readString("Uninstall", "Icons", ""),
                      f.places.groupFolder.toStdString());
            QFile entry(files.program);
            ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
            const QByteArray text = entry.readAll();
            EXPECT_TRUE(text.contains("Exec=" + (target + QStringLiteral("/vortel")).toUtf8() + " %f\n")) << text.constData();
            EXPECT_TRUE(text.contains("MimeType=application/x-vortel;\n"));
        }
        Clear(Home());
        QDir().mkpath(Home());
    }
}

TEST(InstallerCopy, DesktopDataIsValid) {
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty()) GTEST_SKIP() << "desktop-file-validate is not installed (package desktop-file-utils)";
    WizardFixture f;
    AddDistribution(f);
    RunToCopy(f, true);
    const GroupFiles files = GroupFilesFor({f.places, f.places.targetFolder, f.places.groupFolder, English});
    for (const QString& path : {files.program, files.help, files.manual, files.uninstall, files.directory,
                                QStringLiteral(VORTEL_TEST_DATA "/../../installer/packaging/vortel.desktop")}) {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(validator, {path});
        ASSERT_TRUE(process.waitForFinished(30000));
        const QString output = QString::fromUtf8(process.readAll());
        EXPECT_EQ(process.exitCode(), 0) << path.toStdString() << "\n" << output.toStdString();
        EXPECT_FALSE(output.contains(QStringLiteral("error:"))) << output.toStdString();
    }
    Clear(Home());
}

TEST(InstallerCopy, CancelGoesBackToReadyAndKeepsWhatWasCopied) {
    struct Case {
        bool confirm;
        int page;
        int copied;
    };
    for (const Case c : {Case{true, 130, 2}, Case{false, 150, 5}}) {
        WizardFixture f;
        AddDistribution(f);
        f.answers = {c.confirm};
        int seen = 0;
        f.wizard->fileHook = [&](const QString&) {
            // A click on Cancel arrives while the third file waits, as it would from the user.
            if (++seen == 3) QMetaObject::invokeMethod(f.wizard->cancelButton(), "click", Qt::QueuedConnection);
        };
        f.next();
        f.next();
        f.next();
        EXPECT_EQ(f.wizard->page(), c.page);
        EXPECT_FALSE(f.wizard->copying());
        ASSERT_EQ(f.questions.size(), 1u);
        EXPECT_EQ(f.questions[0].text, Text(MsgReallyCancel, English));
        EXPECT_EQ(f.questions[0].caption, Text(MsgCancelInstallation, English));
        EXPECT_TRUE(f.questions[0].noByDefault);
        const QStringList copied =
            QDir(f.places.targetFolder).entryList(QDir::Files).filter(QRegularExpression(QStringLiteral("^(empty|Manual.html|small|vortel|vortel-cli)$")));
        EXPECT_EQ(copied.size(), c.copied) << copied.join(QLatin1Char(' ')).toStdString();
        if (c.page == 130) {
            EXPECT_TRUE(f.wizard->backButton()->isEnabled());
            EXPECT_TRUE(f.wizard->nextButton()->isEnabled());
            EXPECT_FALSE(QFile::exists(f.places.keyFile));
            f.answers = {};
            f.wizard->fileHook = nullptr;
            f.next();  // a second try completes
            EXPECT_EQ(f.wizard->page(), 150);
        }
        Clear(Home());
    }
}

TEST(InstallerCopy, AFailingCopyGoesBackSilently) {
    WizardFixture f;
    AddDistribution(f);
    QDir().mkpath(f.places.targetFolder + QStringLiteral("/small"));  // a folder where a file must go
    f.answers = {true};
    f.next();
    f.next();
    f.next();
    EXPECT_EQ(f.wizard->page(), 130);
    EXPECT_TRUE(f.errors.empty());
    EXPECT_TRUE(QFile::exists(f.places.targetFolder + QStringLiteral("/Manual.html")));
    EXPECT_FALSE(QFile::exists(f.places.keyFile));
    Clear(Home());
}

TEST(InstallerCopy, AGroupPartThatCannotBeWrittenIsSkippedAndNamed) {
    WizardFixture f;
    AddDistribution(f);
    // A file where the key file's folder must go, and the menu's folder unwritable.
    QDir().mkpath(f.places.dataFolder);
    QFile blocker(f.places.dataFolder + QStringLiteral("/vortel"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    testing::internal::CaptureStderr();
    RunToCopy(f, true);
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(f.wizard->page(), 150);
    EXPECT_TRUE(f.errors.empty());
    EXPECT_NE(errors.find("installer: cannot write " + f.places.keyFile.toStdString()), std::string::npos) << errors;
    const GroupFiles files = GroupFilesFor({f.places, f.places.targetFolder, f.places.groupFolder, English});
    EXPECT_TRUE(QFile::exists(files.program));  // the rest is there
    EXPECT_TRUE(QFile::exists(files.settings));
    Clear(Home());
}

TEST(InstallerUninstall, TakesBackExactlyWhatWasMade) {
    Clear(Home());
    // Things of the user's that were there before: a menu entry, a MIME package, settings.
    const Places places = Places::ForUserEnvironment();
    QDir().mkpath(places.programsFolder);
    QDir().mkpath(places.dataFolder + QStringLiteral("/mime/packages"));
    QDir().mkpath(places.configFolder);
    const std::pair<QString, QByteArray> theirs[] = {
        {places.programsFolder + QStringLiteral("/other.desktop"),
         "[Desktop Entry]\nType=Application\nName=Other\nExec=other %f\nMimeType=text/x-other;\n"},
        {places.dataFolder + QStringLiteral("/mime/packages/other.xml"),
         "<?xml version=\"1.0\"?>\n<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
         "<mime-type type=\"text/x-other\"><glob pattern=\"*.other\"/></mime-type>\n</mime-info>\n"},
        {places.configFolder + QStringLiteral("/otherrc"), "x=1\n"},
    };
    for (const auto& [path, bytes] : theirs) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // The user's databases are built, as a desktop keeps them.
    QProcess::execute(QStringLiteral("update-desktop-database"), {places.programsFolder});
    QProcess::execute(QStringLiteral("update-mime-database"), {places.dataFolder + QStringLiteral("/mime")});
    const std::set<QString> before = Tree(Home());

    struct Case {
        bool viaProgram, userFile;
    };
    for (const Case c : {Case{false, true}, Case{true, true}, Case{false, false}}) {
        const bool viaProgram = c.viaProgram;
        SCOPED_TRACE(viaProgram ? "the uninstall program" : "Uninstall()");
        SCOPED_TRACE(c.userFile ? "with a file of the user's" : "nothing added");
        WizardFixture f(English, true);
        AddDistribution(f);
        // The Python package comes in a folder of its own; a hidden folder is no part of it.
        for (const char* folder : {"python/vortel", ".cache"}) QDir(f.source).mkpath(QLatin1String(folder));
        f.addSource(QStringLiteral("python/vortel/__init__.py"), 100);
        f.addSource(QStringLiteral("python/vortel/_vortel.so"), 4096);
        f.addSource(QStringLiteral(".cache/x"), 1);
        RunToCopy(f, true);
        ASSERT_EQ(f.wizard->page(), 150);
        const QString target = f.places.targetFolder;
        EXPECT_EQ(QFileInfo(target + QStringLiteral("/python/vortel/_vortel.so")).size(), 4096);
        EXPECT_TRUE(QFileInfo::exists(target + QStringLiteral("/python/vortel/__init__.py")));
        EXPECT_FALSE(QFileInfo::exists(target + QStringLiteral("/.cache")));
        EXPECT_GT(Tree(Home()).size(), before.size() + 20);

        // The package imported once leaves Python's compiled copies; they go with it.
        const QString cache = target + QStringLiteral("/python/vortel/__pycache__");
        ASSERT_TRUE(QDir().mkpath(cache));
        QFile compiled(cache + QStringLiteral("/__init__.cpython-311.pyc"));
        ASSERT_TRUE(compiled.open(QIODevice::WriteOnly));
        compiled.close();
        // What the user adds afterwards stays, and so does the folder that holds it.
        QFile notes(target + QStringLiteral("/notes.txt"));
        if (c.userFile) {
            ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
            notes.close();
        }
        const QString log = target + QStringLiteral("/install.log");
        if (viaProgram) {
            QProcess process;
            process.start(target + QStringLiteral("/uninstall"), {f.places.groupFolder, QStringLiteral("--yes"), QStringLiteral("--quiet")});
            ASSERT_TRUE(process.waitForFinished(60000));
            EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
        } else {
            const UninstallResult result = Uninstall(log);
            EXPECT_TRUE(result.failed.isEmpty()) << result.failed.join(QLatin1Char(' ')).toStdString();
            EXPECT_EQ(result.kept.contains(target), c.userFile);
        }
        std::set<QString> after = Tree(Home());
        std::set<QString> extra, missing;
        for (const QString& p : after)
            if (!before.contains(p)) extra.insert(p);
        for (const QString& p : before)
            if (!after.contains(p)) missing.insert(p);
        EXPECT_TRUE(missing.empty()) << "removed what was not made: " << missing.begin()->toStdString();
        QStringList extras(extra.begin(), extra.end());
        // The target lives in the fixture's own folder, outside this home: nothing new stays here.
        EXPECT_TRUE(extras.isEmpty()) << extras.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(QFile::exists(log));
        if (c.userFile) {
            EXPECT_EQ(QDir(target).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                      QStringList{QStringLiteral("notes.txt")});
        } else {
            // The target and the parents its check made are gone; the fixture's own folder stays.
            EXPECT_FALSE(QFileInfo::exists(f.work.filePath(QStringLiteral("home"))));
            EXPECT_TRUE(QFileInfo::exists(f.source));
        }
    }
    Clear(Home());
}

}  // namespace
}  // namespace vortel::installer
