// The wizard's pages, buttons and the check of the target, driven with real clicks.
#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>

#include "WizardFixture.h"
#include "installer/Texts.h"

namespace vortel::installer {
namespace {

TEST(InstallerWizard, TextsFollowTheLanguage) {
    for (const Language language : {German, English}) {
        WizardFixture f(language);
        Wizard& w = *f.wizard;
        EXPECT_EQ(w.backButton()->text(), Text(MsgBack, language));
        EXPECT_EQ(w.nextButton()->text(), Text(MsgNext, language));
        EXPECT_EQ(w.cancelButton()->text(), Text(MsgCancelButton, language));
        EXPECT_EQ(w.pageText(110)->text(), Text(MsgWelcome, language));
        EXPECT_EQ(w.pageText(130)->text(), Text(MsgReady, language));
        EXPECT_EQ(w.groupCheck()->text(), Text(MsgGroupCheck, language));
        EXPECT_EQ(w.pageText(110)->isVisible(), true);
        EXPECT_EQ(w.pageText(130)->isVisible(), false);
    }
    EXPECT_TRUE(Text(MsgWelcome, German).startsWith(QStringLiteral("Dieses Setup Programm")));
}

TEST(InstallerWizard, NavigationShowsOnePageAndSetsTheButtons) {
    WizardFixture f;
    Wizard& w = *f.wizard;
    f.answers = {true};  // the second time the target exists
    EXPECT_TRUE(w.progressBar()->isHidden());
    struct Step {
        bool forward;
        int page;
        bool backEnabled;
    };
    const Step steps[] = {{false, 110, false}, {true, 120, true}, {true, 130, true}, {false, 120, true},
                          {false, 110, false}, {true, 120, true}, {true, 130, true}};
    for (const Step& step : steps) {
        step.forward ? f.next() : f.back();
        EXPECT_EQ(w.page(), step.page);
        EXPECT_EQ(w.backButton()->isEnabled(), step.backEnabled) << step.page;
        for (const int page : {110, 130, 150}) EXPECT_EQ(w.pageText(page)->isVisible(), page == step.page);
        EXPECT_EQ(w.targetEdit()->isVisible(), step.page == 120);
    }
    EXPECT_TRUE(f.errors.empty());
    EXPECT_EQ(f.questions.size(), 1u);
}

TEST(InstallerWizard, GroupBrowseFollowsTheCheckBox) {
    WizardFixture f;
    f.next();
    EXPECT_TRUE(f.wizard->groupBrowseButton()->isEnabled());
    QTest::mouseClick(f.wizard->groupCheck(), Qt::LeftButton);
    EXPECT_FALSE(f.wizard->groupCheck()->isChecked());
    EXPECT_FALSE(f.wizard->groupBrowseButton()->isEnabled());
    QTest::mouseClick(f.wizard->groupCheck(), Qt::LeftButton);
    EXPECT_TRUE(f.wizard->groupBrowseButton()->isEnabled());
}

TEST(InstallerWizard, BrowsersSetTargetAndGroup) {
    WizardFixture f;
    QStringList starts;
    f.wizard->browseHook = [&](const QString& start) {
        starts << start;
        return QStringLiteral("/srv/tools");
    };
    f.next();
    f.click(f.wizard->targetBrowseButton());
    f.click(f.wizard->groupBrowseButton());
    ASSERT_EQ(starts.size(), 2);
    EXPECT_EQ(starts[0], f.work.filePath(QStringLiteral("home/.local/opt")));
    EXPECT_EQ(starts[1], f.places.programsFolder);
    EXPECT_EQ(f.wizard->targetEdit()->text(), QStringLiteral("/srv/tools/Vortel"));
    EXPECT_EQ(f.wizard->groupFolder(), QStringLiteral("/srv/tools/Vortel"));
    f.wizard->browseHook = [](const QString&) { return QString(); };  // cancelled: nothing changes
    f.click(f.wizard->targetBrowseButton());
    EXPECT_EQ(f.wizard->targetEdit()->text(), QStringLiteral("/srv/tools/Vortel"));
}

TEST(InstallerWizard, TargetValidationOnNext) {
    struct Case {
        const char* name;
        QString target;  // relative to the work folder when it starts without '/'
        std::vector<bool> answers;
        int page;
        int errorBase;  // -1: none
        size_t questions;
    };
    const Case cases[] = {
        {"two characters", QStringLiteral("ab"), {}, 120, MsgEnterTarget, 0},
        {"nothing", QString(), {}, 120, MsgEnterTarget, 0},
        {"new folder", QStringLiteral("fresh/Vortel"), {}, 130, -1, 0},
        {"existing, No", QStringLiteral("dist"), {false}, 120, -1, 1},
        {"existing, Yes", QStringLiteral("dist/"), {true}, 130, -1, 1},
        {"the root is too short", QStringLiteral("/"), {}, 120, MsgEnterTarget, 0},
        {"under a file", QStringLiteral("dist/blocker/Vortel"), {}, 120, MsgCannotCreate, 0},
    };
    for (const Case& c : cases) {
        WizardFixture f;
        f.addSource(QStringLiteral("blocker"), 1);
        for (bool answer : c.answers) f.answers.push_back(answer);
        f.next();
        const QString target =
            c.target.isEmpty() || c.target.startsWith(QLatin1Char('/')) || c.target.size() <= 2 ? c.target : f.work.filePath(c.target);
        f.setTarget(target);
        f.next();
        EXPECT_EQ(f.wizard->page(), c.page) << c.name;
        if (c.errorBase < 0) {
            EXPECT_TRUE(f.errors.empty()) << c.name;
        } else {
            ASSERT_EQ(f.errors.size(), 1u) << c.name;
            EXPECT_EQ(f.errors[0].text, Text(Message(c.errorBase), English)) << c.name;
            EXPECT_EQ(f.errors[0].caption, Text(MsgError, English)) << c.name;
        }
        ASSERT_EQ(f.questions.size(), c.questions) << c.name;
        for (const Box& box : f.questions) {
            EXPECT_EQ(box.text, Text(MsgTargetExists, English));
            EXPECT_EQ(box.caption, Text(MsgAttention, English));
        }
    }
}

TEST(InstallerWizard, BackFromReadyAndANewTargetIsCheckedAgain) {
    WizardFixture f;
    f.next();
    f.setTarget(f.work.filePath(QStringLiteral("first")));
    f.next();
    ASSERT_EQ(f.wizard->page(), 130);
    f.back();
    f.setTarget(QStringLiteral("xy"));
    f.next();
    EXPECT_EQ(f.wizard->page(), 120);
    ASSERT_EQ(f.errors.size(), 1u);
    f.setTarget(f.work.filePath(QStringLiteral("first")));  // made by the first check: now it exists
    f.answers = {false};
    f.next();
    EXPECT_EQ(f.wizard->page(), 120);
    EXPECT_EQ(f.questions.size(), 1u);
}

TEST(InstallerWizard, CancelOutsideTheCopyEndsTheDialogAtOnce) {
    WizardFixture f;
    f.next();
    f.click(f.wizard->cancelButton());
    EXPECT_FALSE(f.wizard->isVisible());
    EXPECT_EQ(f.wizard->result(), QDialog::Rejected);
    EXPECT_TRUE(f.questions.empty());
}

}  // namespace
}  // namespace vortel::installer
