// The help: its page table and pages as built into the program, the search, the windows and the
// internet commands, on Qt's offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTranslator>
#include <QTreeWidget>

#include <optional>

#include "app/Help.h"
#include "tests/common/ScratchDir.h"

namespace vortel::app {
namespace {

bool isOutsideLink(const QString& link) { return link.contains(QStringLiteral("://")) || link.startsWith(QStringLiteral("mailto:")); }

TEST(HelpPages, EveryPageIsBuiltInWithATitleAndLinksThatResolve) {
    QSet<int> contexts;
    QSet<QString> files;
    for (const HelpPage& page : HelpPages()) {
        SCOPED_TRACE(page.file);
        EXPECT_FALSE(contexts.contains(page.context)) << "context used twice";
        EXPECT_FALSE(files.contains(QLatin1String(page.file))) << "file listed twice";
        contexts << page.context;
        files << QLatin1String(page.file);
        EXPECT_EQ(FindHelpPage(page.context), &page);
        EXPECT_EQ(FindHelpPage(QLatin1String(page.file)), &page);
        const QString html = HelpPageHtml(page);
        ASSERT_FALSE(html.isEmpty()) << "not in the resources";
        EXPECT_TRUE(html.contains(QStringLiteral("href=\"style.css\""))) << "without the shared stylesheet";
        EXPECT_FALSE(HelpPageTitle(page).isEmpty());
        for (const QString& link : HelpPageLinks(page)) {
            if (isOutsideLink(link)) continue;
            EXPECT_NE(FindHelpPage(link), nullptr) << "broken link " << link.toStdString();
        }
    }
    // Nothing in the help folder is left out of the table, and the stylesheet is there.
    for (const QString& file : QDir(QStringLiteral(":/help")).entryList(QDir::Files)) {
        if (file == QStringLiteral("style.css")) continue;
        EXPECT_TRUE(files.contains(file)) << file.toStdString() << " has no context";
    }
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/style.css")));
}

TEST(HelpPages, FixedContextsNameTheirPages) {
    const struct {
        int context;
        const char* file;
    } cases[] = {{0, "index.html"},  {1, "tip01.html"}, {2, "tip02.html"}, {3, "tip03.html"},         {4, "tip04.html"},
                 {5, "tip05.html"},  {6, "tip06.html"}, {7, "tip07.html"}, {8, "tip08.html"},         {9, "tip09.html"},
                 {10, "tip10.html"}, {30, "assistant.html"}};
    for (const auto& c : cases) {
        const HelpPage* page = FindHelpPage(c.context);
        ASSERT_NE(page, nullptr) << c.context;
        EXPECT_STREQ(page->file, c.file);
    }
    EXPECT_EQ(FindHelpPage(31), nullptr);
    EXPECT_EQ(FindHelpPage(QStringLiteral("missing.html")), nullptr);
    EXPECT_EQ(FindHelpPage(QStringLiteral("qrc:/help/mode-edit.html#menu"))->context, 21);
}

TEST(HelpPages, EveryPageCanBeReachedFromTheContentsPage) {
    QSet<int> seen{HelpContextContents};
    QList<int> todo{HelpContextContents};
    while (!todo.isEmpty()) {
        for (const QString& link : HelpPageLinks(*FindHelpPage(todo.takeFirst())))
            if (const HelpPage* next = FindHelpPage(link); next && !seen.contains(next->context)) {
                seen << next->context;
                todo << next->context;
            }
    }
    for (const HelpPage& page : HelpPages()) EXPECT_TRUE(seen.contains(page.context)) << page.file;
}

TEST(HelpSearch, FindsPagesByAllWordsOfTheirTextIgnoringCase) {
    Help help(nullptr);
    const struct {
        const char* query;
        std::vector<int> including;
        std::vector<int> excluding;
        bool none;
    } cases[] = {
        {"Begradigen", {21}, {20, 0}, false},
        {"begradigen GESPIEGELT", {21}, {}, false},
        {"diashow", {11, 7}, {12}, false},
        {"Ordner \u00f6ffnen...", {42}, {26}, false},
        {"Prägung Diashow", {0}, {11, 14}, false},  // only the contents page names both
        {"stylesheet", {}, {}, true},             // markup is not text
        {"xyzzy", {}, {}, true},
        {"   ", {}, {}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.query);
        const QList<int> found = help.search(QString::fromUtf8(c.query));
        EXPECT_EQ(found.isEmpty(), c.none);
        for (int context : c.including) EXPECT_TRUE(found.contains(context)) << context;
        for (int context : c.excluding) EXPECT_FALSE(found.contains(context)) << context;
    }
}

TEST(HelpWindow, SearchListsTitlesAndMarksTheWordOnTheChosenPage) {
    Help help(nullptr);
    help.setSearchText(QStringLiteral("begradigen"));
    ASSERT_EQ(help.searchResults(), QList<int>{21});
    help.openSearchResult(0);
    EXPECT_EQ(help.currentContext(), 21);
    const QStringList marked = help.highlightedTexts();
    ASSERT_FALSE(marked.isEmpty());
    for (const QString& text : marked) EXPECT_EQ(text.toLower(), QStringLiteral("begradigen"));

    // A link inside the window goes to its page and leaves the marks behind.
    auto* browser = help.helpWindow()->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
    ASSERT_NE(browser, nullptr);
    emit browser->anchorClicked(QUrl(QStringLiteral("mode-draw.html")));
    EXPECT_EQ(help.currentContext(), 22);
    EXPECT_TRUE(help.highlightedTexts().isEmpty());
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("Beide Linien zeichnen")));

    help.setSearchText(QStringLiteral("xyzzy"));
    EXPECT_TRUE(help.searchResults().isEmpty());
}

TEST(HelpWindow, ContextsShowTheirPageInOneReusedWindow) {
    Help help(nullptr);
    help.showContext(30);
    QWidget* window = help.helpWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vortel - Hilfe"));
    EXPECT_EQ(help.currentContext(), 30);
    const struct {
        int asked, shown;
    } cases[] = {{5, 5}, {17, 17}, {999, 0}, {-1, 0}, {42, 42}};
    for (const auto& c : cases) {
        help.showContext(c.asked);
        EXPECT_EQ(help.helpWindow(), window);
        EXPECT_EQ(help.currentContext(), c.shown) << c.asked;
    }
    help.showContents();
    EXPECT_EQ(help.currentContext(), 0);

    // A click in the contents tree shows that page; a group heading shows nothing new.
    auto* tree = window->findChild<QTreeWidget*>(QStringLiteral("HelpContents"));
    ASSERT_NE(tree, nullptr);
    const QList<QTreeWidgetItem*> items = tree->findItems(QStringLiteral("Die Seite Outline"), Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(items.size(), 1);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(items[0]).center());
    EXPECT_EQ(help.currentContext(), 16);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(tree->topLevelItem(0)).center());
    EXPECT_EQ(help.currentContext(), 16);
}

TEST(HelpTips, TheCounterRunsOneToTenAndRoundAgain) {
    Help help(nullptr);
    for (int round = 0; round < 3; ++round)
        for (int tip = 1; tip <= 10; ++tip) EXPECT_EQ(help.nextTip(), tip);
    Help fresh(nullptr);
    EXPECT_EQ(fresh.nextTip(), 1);
}

TEST(HelpTips, ATipPopsUpUnderThePointAndClosesOnEscOrClick) {
    Help help(nullptr);
    help.showTip(4, QPoint(400, 100));
    QWidget* tip = help.tipWindow();
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(tip->isVisible());
    EXPECT_EQ(tip->windowTitle(), QStringLiteral("Tipp des Tages"));
    EXPECT_EQ(tip->frameGeometry().left() + tip->frameGeometry().width() / 2, 400);
    EXPECT_EQ(tip->frameGeometry().top(), 100);
    auto* browser = tip->findChild<QTextBrowser*>();
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("Geglättet")));
    QTest::keyClick(browser, Qt::Key_Escape);
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(help.tipWindow(), nullptr);

    help.showTip(9, QPoint(400, 100));
    ASSERT_NE(help.tipWindow(), nullptr);
    browser = help.tipWindow()->findChild<QTextBrowser*>();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, QPoint(5, browser->viewport()->height() - 3));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(help.tipWindow(), nullptr);

    for (int number : {0, 11, 30}) {
        help.showTip(number, QPoint(400, 100));
        EXPECT_EQ(help.tipWindow(), nullptr) << number;
    }
}

TEST(HelpAssistant, OpensOnceBesideTheMainWindowOrInsideItsRightEdge) {
    const struct {
        int width;
        bool beside;
    } cases[] = {{300, true}, {700, false}};
    for (const auto& c : cases) {
        QWidget main;
        main.setGeometry(20, 30, c.width, 300);
        main.show();
        Help help(&main);
        help.showAssistant();
        QWidget* assistant = help.assistantWindow();
        ASSERT_NE(assistant, nullptr);
        EXPECT_EQ(assistant->windowTitle(), QStringLiteral("Schrifteffekt-Assistent"));
        EXPECT_EQ(assistant->size(), QSize(320, 480));
        const QRect frame = assistant->frameGeometry();
        if (c.beside) {
            EXPECT_EQ(frame.left(), main.frameGeometry().right() + 1);
        } else {
            EXPECT_EQ(frame.right(), main.frameGeometry().right());
        }
        EXPECT_EQ(frame.top(), main.frameGeometry().top());
        help.showAssistant();
        EXPECT_EQ(help.assistantWindow(), assistant);
        auto* browser = assistant->findChild<QTextBrowser*>();
        ASSERT_NE(browser, nullptr);
        EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("7. Speichern oder exportieren")));
        // Its links open the help window.
        emit browser->anchorClicked(QUrl(QStringLiteral("page-bevel.html")));
        EXPECT_EQ(help.currentContext(), 15);
    }
}

TEST(HelpWeb, AsksThenOpensTheLocalPageOrSaysTheBrowserIsMissing) {
    const struct {
        WebPage page;
        const char* file;
        int answer;
        bool browserStarts;
    } cases[] = {
        {WebPage::Home, "web-home.html", QMessageBox::No, true},
        {WebPage::Home, "web-home.html", QMessageBox::Yes, true},
        {WebPage::Updates, "web-updates.html", QMessageBox::Yes, true},
        {WebPage::FreeTextures, "web-textures.html", QMessageBox::Yes, true},
        {WebPage::FreeTextures, "web-textures.html", QMessageBox::Yes, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        testing::ScratchDir dir;
        Help help(nullptr);
        help.webFolderOverride = QString::fromStdString(dir.file("pages"));
        QString question;
        std::optional<QUrl> opened;
        QList<QPair<QString, QMessageBox::Icon>> messages;
        help.confirmHook = [&](const QString& text) {
            question = text;
            return c.answer;
        };
        help.openUrlHook = [&](const QUrl& url) {
            opened = url;
            return c.browserStarts;
        };
        help.messageHook = [&](const QString& text, QMessageBox::Icon icon) { messages.append({text, icon}); };

        const bool result = help.openWebPage(c.page);
        EXPECT_EQ(question, QStringLiteral("Nun wird Ihr Internet-Browser mit der Programm Homepage gestartet.\nFortfahren?"));
        if (c.answer != QMessageBox::Yes) {
            EXPECT_FALSE(result);
            EXPECT_FALSE(opened.has_value());
            EXPECT_TRUE(messages.isEmpty());
            continue;
        }
        ASSERT_TRUE(opened.has_value());
        ASSERT_TRUE(opened->isLocalFile());
        EXPECT_EQ(QFileInfo(opened->toLocalFile()).fileName(), QLatin1String(c.file));
        QFile written(opened->toLocalFile());
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromUtf8(written.readAll()), HelpPageHtml(*FindHelpPage(QLatin1String(c.file))));
        // The page keeps its look and its links in the browser.
        const QDir folder = QFileInfo(opened->toLocalFile()).dir();
        EXPECT_TRUE(folder.exists(QStringLiteral("style.css")));
        for (const QString& link : HelpPageLinks(*FindHelpPage(QLatin1String(c.file)))) {
            if (!isOutsideLink(link)) {
                EXPECT_TRUE(folder.exists(link)) << link.toStdString();
            }
        }
        EXPECT_EQ(result, c.browserStarts);
        if (c.browserStarts) {
            EXPECT_TRUE(messages.isEmpty());
        } else {
            ASSERT_EQ(messages.size(), 1);
            EXPECT_EQ(messages[0].first, QStringLiteral("Internet-Browser nicht gefunden."));
            EXPECT_EQ(messages[0].second, QMessageBox::Warning);
        }
    }
}

TEST(HelpWeb, AFolderThatCannotBeMadeIsReportedAndNothingOpens) {
    testing::ScratchDir dir;
    { QFile blocker(QString::fromStdString(dir.file("file"))); ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); }
    Help help(nullptr);
    help.webFolderOverride = QString::fromStdString(dir.file("file/pages"));
    help.confirmHook = [](const QString&) { return int(QMessageBox::Yes); };
    bool opened = false;
    help.openUrlHook = [&](const QUrl&) { return opened = true; };
    QStringList messages;
    help.messageHook = [&](const QString& text, QMessageBox::Icon) { messages << text; };
    EXPECT_FALSE(help.openWebPage(WebPage::Home));
    EXPECT_FALSE(opened);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_NE(messages[0], QStringLiteral("Internet-Browser nicht gefunden."));
}

TEST(HelpScreenshots, WritesTheThreeWindows) {
    testing::ScratchDir dir;
    QWidget main;
    main.setGeometry(0, 0, 400, 300);
    main.show();
    Help help(&main);
    EXPECT_EQ(WriteHelpScreenshots(help, QString::fromStdString(dir.file("shots"))), 3);
    for (const char* name : {"help-contents.png", "help-assistant.png", "help-tip.png"})
        EXPECT_FALSE(QImage(QString::fromStdString(dir.file(std::string("shots/") + name))).isNull()) << name;
}

// The program's language while it lives, German again after.
struct LanguageScope {
    explicit LanguageScope(UiLanguage language) { SetCurrentUiLanguage(language); }
    ~LanguageScope() { SetCurrentUiLanguage(UiLanguage::German); }
};

QString resource(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

TEST(HelpLanguages, EveryPageHasTheGermanStructureAndLinksIntoItsOwnLanguage) {
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\"")), words(QStringLiteral(">[^<]*<")),
        inlineTag(QStringLiteral("</?(b|i|kbd|code)>| lang=\"..\""));
    auto tags = [](QString html) { return html.replace(inlineTag, QString()).replace(words, QStringLiteral("><")); };
    for (const HelpPage& page : HelpPages())
        for (const auto& [language, code] : {std::pair{UiLanguage::German, "de"}, std::pair{UiLanguage::English, "en"}}) {
            SCOPED_TRACE(HelpPageUrl(page, language).toString().toStdString());
            const QString html = HelpPageHtml(page, language);
            EXPECT_TRUE(html.contains(QStringLiteral("<html lang=\"%1\">").arg(QLatin1String(code))));
            EXPECT_EQ(tags(html), tags(HelpPageHtml(page, UiLanguage::German)));  // only the words differ
            for (auto it = href.globalMatch(html); it.hasNext();) {
                const QString link = it.next().captured(1);
                const QUrl target = HelpPageUrl(page, language).resolved(QUrl(link));
                const QString file = QLatin1Char(':') + target.path(), anchor = QStringLiteral("id=\"%1\"").arg(target.fragment());
                if (isOutsideLink(link)) continue;
                EXPECT_EQ(QFileInfo(file).path() + QLatin1Char('/'), HelpFolder(language)) << link.toStdString();
                EXPECT_FALSE(resource(file).isEmpty()) << link.toStdString();
                EXPECT_TRUE(!target.hasFragment() || resource(file).contains(anchor)) << link.toStdString();
            }
        }
    for (const QString& file : QDir(HelpFolder(UiLanguage::English)).entryList(QDir::Files))
        EXPECT_TRUE(file == QStringLiteral("style.css") || FindHelpPage(file)) << file.toStdString() << " has no context";
}

TEST(HelpLanguages, EnglishPagesHoldNoGermanLeftovers) {
    static const QRegularExpression german(QStringLiteral("[\u00e4\u00f6\u00fc\u00df\u201e]|\\b(und|der|die|das|den|dem|nicht|ist|mit|"
                                                          "eine?n?|wird|werden|oder|auf|sich|Sie|zum|zur|bei|auch|wie|Seite)\\b"),
                                           QRegularExpression::CaseInsensitiveOption);
    for (const HelpPage& page : HelpPages()) {
        QStringList texts[2];  // title, paragraphs, items, cells and headings, German and English
        for (UiLanguage language : {UiLanguage::German, UiLanguage::English}) {
            QTextDocument doc;
            doc.setHtml(HelpPageHtml(page, language));
            texts[int(language)] << HelpPageTitle(page, language);
            for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
                texts[int(language)] << block.text().simplified();
        }
        for (const QString& text : texts[int(UiLanguage::English)]) {
            const bool kept = text.count(QLatin1Char(' ')) >= 2 && texts[int(UiLanguage::German)].contains(text);
            EXPECT_FALSE(kept) << page.file << " keeps: " << text.toStdString();
            EXPECT_FALSE(german.match(text).hasMatch()) << page.file << ": " << german.match(text).captured().toStdString() << " in "
                                                        << text.toStdString();
        }
    }
}

TEST(HelpLanguages, TheHelpSpeaksTheLanguageItWasMadeIn) {
    const struct {
        UiLanguage language;
        const char *title, *groups, *tip, *found, *foreign;
    } cases[] = {
        {UiLanguage::German, "Vortel - Hilfe",
         "Einf\u00fchrung|Das Notizbuch|Arbeiten im Bild|Dateien und Befehlszeile|Tipps|Im Internet",
         "Tipp des Tages", "Begradigen", "straighten"},
        {UiLanguage::English, "Vortel - Help",
         "Introduction|The notebook|Working in the image|Files and the command line|Tips|On the Internet",
         "Tip of the Day", "straighten", "Begradigen"},
    };
    for (const auto& c : cases) {
        LanguageScope scope(c.language);
        Help help(nullptr);
        help.showContext(16);
        EXPECT_EQ(help.helpWindow()->windowTitle(), QLatin1String(c.title));
        const auto* browser = help.helpWindow()->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
        EXPECT_EQ(browser->source(), HelpPageUrl(*FindHelpPage(16), c.language));
        QStringList groups;
        auto* tree = help.helpWindow()->findChild<QTreeWidget*>();
        for (QTreeWidgetItemIterator it(tree, QTreeWidgetItemIterator::NotSelectable); *it; ++it) groups << (*it)->text(0);
        EXPECT_EQ(groups.join(QLatin1Char('|')), QString::fromUtf8(c.groups));
        EXPECT_EQ(help.search(QLatin1String(c.found)), QList<int>{21});
        EXPECT_TRUE(help.search(QLatin1String(c.foreign)).isEmpty());
        for (int tip = 1; tip <= HelpTipCount; ++tip) {
            help.showTip(tip, QPoint(400, 100));
            ASSERT_NE(help.tipWindow(), nullptr);
            EXPECT_EQ(help.tipWindow()->findChild<QLabel*>(QStringLiteral("TipCaption"))->text(), QLatin1String(c.tip));
            const QString heading = HelpPageTitle(*FindHelpPage(tip), c.language).section(QStringLiteral(": "), 1);
            EXPECT_TRUE(help.tipWindow()->findChild<QTextBrowser*>()->toPlainText().contains(heading)) << tip;
        }
        testing::ScratchDir dir;  // the internet commands write the pages of that language
        help.webFolderOverride = QString::fromStdString(dir.file("pages"));
        ASSERT_TRUE(help.writeWebPages());
        for (const HelpPage& page : HelpPages())
            EXPECT_EQ(resource(QDir(help.webFolderOverride).filePath(QLatin1String(page.file))), HelpPageHtml(page, c.language))
                << page.file;
    }
}

TEST(HelpLanguages, AnInstalledTranslationComesBeforeTheHelpsOwnEnglish) {
    struct Hints : QTranslator {
        bool isEmpty() const override { return false; }
        QString translate(const char*, const char* source, const char*, int) const override {
            return qstrcmp(source, "Tipps") ? QString() : QStringLiteral("Hints");
        }
    } translator;
    QCoreApplication::installTranslator(&translator);
    EXPECT_EQ(HelpGroupName("Tipps", UiLanguage::English), QStringLiteral("Hints"));
    EXPECT_EQ(HelpGroupName("Im Internet", UiLanguage::English), QStringLiteral("On the Internet"));
    QCoreApplication::removeTranslator(&translator);
}

}  // namespace
}  // namespace vortel::app
