#pragma once
// A wizard on the offscreen platform with its boxes, browser and file manager replaced by
// recorders, a source folder of made-up distribution files and places inside the test's home.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <memory>

#include "installer/Places.h"
#include "installer/Wizard.h"

namespace vortel::installer {

struct Box {
    QString text, caption;
    bool noByDefault = false;
};

class WizardFixture {
public:
    explicit WizardFixture(Language language = English, bool copyUninstaller = false) {
        source = work.filePath(QStringLiteral("dist"));
        QDir().mkpath(source);
        places = Places::ForUserEnvironment();
        places.targetFolder = work.filePath(QStringLiteral("home/.local/opt/vortel"));
        if (copyUninstaller)
            QFile::copy(QStringLiteral(VORTEL_BIN_DIR "/uninstall"), QDir(source).filePath(QStringLiteral("uninstall")));
        wizard = std::make_unique<Wizard>(language, places, source);
        wizard->errorHook = [this](const QString& text, const QString& caption) { errors.push_back({text, caption}); };
        wizard->questionHook = [this](const QString& text, const QString& caption, bool noByDefault) {
            questions.push_back({text, caption, noByDefault});
            if (answers.empty()) return false;
            const bool answer = answers.front();
            answers.pop_front();
            return answer;
        };
        wizard->openFolderHook = [this](const QString& folder) { opened << folder; };
        wizard->show();
    }

    void addSource(const QString& name, qint64 size) {
        QFile file(QDir(source).filePath(name));
        if (file.open(QIODevice::WriteOnly)) file.write(QByteArray(size, 'x'));
    }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void next() { click(wizard->nextButton()); }
    void back() { click(wizard->backButton()); }
    void setTarget(const QString& target) {
        wizard->targetEdit()->clear();
        QTest::keyClicks(wizard->targetEdit(), target);
    }

    QTemporaryDir work;
    QString source;
    Places places;
    std::unique_ptr<Wizard> wizard;
    std::vector<Box> errors, questions;
    std::deque<bool> answers;
    QStringList opened;
};

}  // namespace vortel::installer
