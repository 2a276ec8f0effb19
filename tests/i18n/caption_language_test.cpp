// The whole screenshot tour in each language, with every caption painted on the way (labels,
// buttons, group titles, tabs, combo entries, menus, tool tips, window titles) and every action
// of the window: none may be in the other language. In English a caption equal to a German text
// of the catalogue whose English differs is untranslated; in German a caption equal to such an
// English translation is a text that should have stayed German.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabBar>
#include <QTemporaryDir>

#include <map>
#include <set>

#include "app/MainWindow.h"
#include "app/ScreenshotTour.h"
#include "controls/Language.h"
#include "tests/i18n/Catalogue.h"

namespace vortel {
namespace {

// Records the captions of every widget painted while it is installed.
class CaptionRecorder : public QObject {
public:
    std::map<QString, QString> captions;  // caption -> where it was seen (object name and class)

    void add(const QString& text, const QObject* where) {
        if (text.trimmed().isEmpty()) return;
        captions.emplace(text, (where->objectName().isEmpty() ? QStringLiteral("?") : where->objectName()) +
                                   QStringLiteral(" (") + QLatin1String(where->metaObject()->className()) + QLatin1Char(')'));
    }
    void addActions(const QWidget* w) {
        for (const QAction* a : w->actions()) {
            add(a->text(), a);
            // Without its own tip an action shows its text without the accelerator mark.
            if (a->toolTip() != QString(a->text()).remove(QLatin1Char('&'))) add(a->toolTip(), a);
        }
    }
    void addWidget(const QWidget* w) {
        add(w->toolTip(), w);
        if (w->isWindow()) add(w->windowTitle(), w);
        if (auto* label = qobject_cast<const QLabel*>(w)) add(label->text(), w);
        if (auto* button = qobject_cast<const QAbstractButton*>(w)) add(button->text(), w);
        if (auto* group = qobject_cast<const QGroupBox*>(w)) add(group->title(), w);
        if (auto* tabs = qobject_cast<const QTabBar*>(w))
            for (int i = 0; i < tabs->count(); ++i) {
                add(tabs->tabText(i), w);
                add(tabs->tabToolTip(i), w);
            }
        if (auto* combo = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i) add(combo->itemText(i), w);
        if (auto* menu = qobject_cast<const QMenu*>(w)) {
            add(menu->title(), w);
            addActions(w);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) addWidget(static_cast<QWidget*>(watched));
        return false;
    }
};

// The captions of the tour in `language`, and of every action and menu of the main window.
std::map<QString, QString> TourCaptions(UiLanguage language) {
    EXPECT_TRUE(InstallTranslators(language, QStringLiteral("vortel")));
    QTemporaryDir folder;
    CaptionRecorder recorder;
    app::MainWindow::StartOptions options;
    options.withoutSettings = true;
    app::MainWindow window(options);
    qApp->installEventFilter(&recorder);
    EXPECT_GT(app::RunScreenshotTour(window, folder.path()), 40);
    qApp->removeEventFilter(&recorder);
    for (const QMenu* menu : window.findChildren<QMenu*>()) recorder.addWidget(menu);
    for (const QWidget* w : window.findChildren<QWidget*>()) recorder.addWidget(w);
    recorder.addActions(&window);
    return recorder.captions;
}

TEST(CaptionLanguage, EveryCaptionOfTheTourSpeaksTheLanguageChosen) {
    const std::vector<i18ntest::Message> messages =
        i18ntest::ReadCatalogue(QStringLiteral(VORTEL_SOURCE_DIR "/i18n/vortel_en.ts"));
    ASSERT_GT(messages.size(), 300u);
    // German texts whose English differs, English translations that differ from their German, and
    // every text either way (a caption that is both, such as "Color", belongs to both languages).
    std::set<QString> germanOnly, englishOnly, sources, translations;
    for (const auto& m : messages) {
        sources.insert(m.source);
        translations.insert(m.translation);
        if (m.translation != m.source) {
            germanOnly.insert(m.source);
            englishOnly.insert(m.translation);
        }
    }
    const struct {
        UiLanguage language;
        const std::set<QString>* wrong;
        const std::set<QString>* own;
    } cases[] = {{UiLanguage::English, &germanOnly, &translations}, {UiLanguage::German, &englishOnly, &sources}};
    for (const auto& c : cases) {
        const std::map<QString, QString> captions = TourCaptions(c.language);
        EXPECT_GT(captions.size(), 150u);
        int wrong = 0;
        for (const auto& [caption, where] : captions) {
            if (!c.wrong->count(caption) || c.own->count(caption)) continue;
            ADD_FAILURE() << (c.language == UiLanguage::English ? "German in English: \"" : "English in German: \"")
                          << caption.toStdString() << "\" at " << where.toStdString();
            ++wrong;
        }
        EXPECT_EQ(wrong, 0);
    }
    InstallTranslators(UiLanguage::German, QStringLiteral("vortel"));
}

}  // namespace
}  // namespace vortel

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
