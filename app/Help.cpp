#include "app/Help.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStyle>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cmath>
#include <cstring>
#include <memory>

namespace vortel::app {

namespace {

// The contents groups, translated where they are shown.
const char* const Intro = QT_TRANSLATE_NOOP("vortel::app::Help", "Einf\u00fchrung");
const char* const Notebook = QT_TRANSLATE_NOOP("vortel::app::Help", "Das Notizbuch");
const char* const Image = QT_TRANSLATE_NOOP("vortel::app::Help", "Arbeiten im Bild");
const char* const Files = QT_TRANSLATE_NOOP("vortel::app::Help", "Dateien und Befehlszeile");
const char* const Tips = QT_TRANSLATE_NOOP("vortel::app::Help", "Tipps");
const char* const Internet = QT_TRANSLATE_NOOP("vortel::app::Help", "Im Internet");

// The help's own texts.
const char* const WindowTitle = QT_TRANSLATE_NOOP("vortel::app::Help", "Vortel - Hilfe");
const char* const BackText = QT_TRANSLATE_NOOP("vortel::app::Help", "Zurück");
const char* const ForwardText = QT_TRANSLATE_NOOP("vortel::app::Help", "Vor");
const char* const ContentsText = QT_TRANSLATE_NOOP("vortel::app::Help", "Inhalt");
const char* const SearchText = QT_TRANSLATE_NOOP("vortel::app::Help", "Suchen...");
const char* const NoPageText = QT_TRANSLATE_NOOP("vortel::app::Help", "Keine Seite gefunden.");
const char* const OnePageText = QT_TRANSLATE_NOOP("vortel::app::Help", "1 Seite gefunden:");
const char* const PagesText = QT_TRANSLATE_NOOP("vortel::app::Help", "%1 Seiten gefunden:");
const char* const AssistantTitle = QT_TRANSLATE_NOOP("vortel::app::Help", "Schrifteffekt-Assistent");
const char* const TipTitle = QT_TRANSLATE_NOOP("vortel::app::Help", "Tipp des Tages");
const char* const TipHint = QT_TRANSLATE_NOOP("vortel::app::Help", "Klicken oder Esc schlie\u00dft den Tipp.");
const char* const WebQuestion =
    QT_TRANSLATE_NOOP("vortel::app::Help", "Nun wird Ihr Internet-Browser mit der Programm Homepage gestartet.\rFortfahren?");
const char* const WriteFailed =
    QT_TRANSLATE_NOOP("vortel::app::Help", "Die Seiten konnten nicht in den Ordner \"%1\" geschrieben werden.");
const char* const NoBrowser = QT_TRANSLATE_NOOP("vortel::app::Help", "Internet-Browser nicht gefunden.");

const QString StyleSheetFile = QStringLiteral("style.css");

// The help's texts in English, by their German text: what an English help shows while no
// translation of Help::tr is installed.
struct EnglishText {
    const char* german;
    const char* english;
};
const EnglishText EnglishTexts[] = {
    {Intro, "Introduction"},
    {Notebook, "The notebook"},
    {Image, "Working in the image"},
    {Files, "Files and the command line"},
    {Tips, "Tips"},
    {Internet, "On the Internet"},
    {WindowTitle, "Vortel - Help"},
    {BackText, "Back"},
    {ForwardText, "Forward"},
    {ContentsText, "Contents"},
    {SearchText, "Search..."},
    {NoPageText, "No page found."},
    {OnePageText, "1 page found:"},
    {PagesText, "%1 pages found:"},
    {AssistantTitle, "Text Effect Assistant"},
    {TipTitle, "Tip of the Day"},
    {TipHint, "Click or press Esc to close the tip."},
    {WebQuestion, "Your web browser will now open the program's home page.\rContinue?"},
    {WriteFailed, "The pages could not be written to the folder \"%1\"."},
    {NoBrowser, "Web browser not found."},
};

// `german` in `language`: Help::tr's translation when one is installed, else in English the table's.
QString localText(const char* german, UiLanguage language) {
    const QString translated = Help::tr(german);
    if (language == UiLanguage::German || translated != QString::fromUtf8(german)) return translated;
    for (const EnglishText& text : EnglishTexts)
        if (std::strcmp(text.german, german) == 0) return QString::fromUtf8(text.english);
    return translated;
}

QString readResource(const QString& file, UiLanguage language) {
    QFile f(HelpFolder(language) + file);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

// The visible text of a page, as the search reads it.
QString plainText(const QString& html) {
    QTextDocument doc;
    doc.setHtml(html);
    return doc.toPlainText();
}

QStringList searchWords(const QString& query) { return query.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts); }

// Where a pop-up of `size` goes so that it stays on the screen that holds `at`.
QPoint keepOnScreen(QRect wanted, QPoint at) {
    const QScreen* screen = QGuiApplication::screenAt(at);
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return wanted.topLeft();
    const QRect free = screen->availableGeometry();
    if (wanted.right() > free.right()) wanted.moveRight(free.right());
    if (wanted.bottom() > free.bottom()) wanted.moveBottom(free.bottom());
    if (wanted.left() < free.left()) wanted.moveLeft(free.left());
    if (wanted.top() < free.top()) wanted.moveTop(free.top());
    return wanted.topLeft();
}

QTextBrowser* makeBrowser(QWidget* parent, UiLanguage language) {
    auto* browser = new QTextBrowser(parent);
    browser->setOpenLinks(false);
    browser->setSearchPaths({HelpFolder(language)});
    return browser;
}

}  // namespace

const std::vector<HelpPage>& HelpPages() {
    static const std::vector<HelpPage> pages = {
        {HelpContextContents, "index.html", Intro},
        {HelpContextAssistant, "assistant.html", Intro},
        {11, "page-style.html", Notebook},
        {12, "page-text.html", Notebook},
        {13, "page-deform.html", Notebook},
        {14, "page-surface.html", Notebook},
        {15, "page-bevel.html", Notebook},
        {16, "page-outline.html", Notebook},
        {17, "page-shadow.html", Notebook},
        {18, "page-frame.html", Notebook},
        {20, "mode-move.html", Image},
        {21, "mode-edit.html", Image},
        {22, "mode-draw.html", Image},
        {23, "mode-redraw.html", Image},
        {24, "resize.html", Image},
        {25, "formats.html", Files},
        {26, "cli.html", Files},
        {29, "tips.html", Tips},
        {1, "tip01.html", Tips},
        {2, "tip02.html", Tips},
        {3, "tip03.html", Tips},
        {4, "tip04.html", Tips},
        {5, "tip05.html", Tips},
        {6, "tip06.html", Tips},
        {7, "tip07.html", Tips},
        {8, "tip08.html", Tips},
        {9, "tip09.html", Tips},
        {10, "tip10.html", Tips},
        {40, "web-home.html", Internet},
        {41, "web-updates.html", Internet},
        {42, "web-textures.html", Internet},
    };
    return pages;
}

const HelpPage* FindHelpPage(int context) {
    for (const HelpPage& page : HelpPages())
        if (page.context == context) return &page;
    return nullptr;
}

const HelpPage* FindHelpPage(const QString& file) {
    const QString name = file.section(QLatin1Char('#'), 0, 0).section(QLatin1Char('/'), -1);
    for (const HelpPage& page : HelpPages())
        if (name == QLatin1String(page.file)) return &page;
    return nullptr;
}

QString HelpFolder(UiLanguage language) {
    return language == UiLanguage::English ? QStringLiteral(":/help/en/") : QStringLiteral(":/help/");
}

QUrl HelpPageUrl(const HelpPage& page, UiLanguage language) {
    return QUrl(QStringLiteral("qrc") + HelpFolder(language) + QLatin1String(page.file));
}

QString HelpPageHtml(const HelpPage& page, UiLanguage language) { return readResource(QLatin1String(page.file), language); }

QString HelpPageTitle(const HelpPage& page, UiLanguage language) {
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = title.match(HelpPageHtml(page, language));
    return m.hasMatch() ? m.captured(1).simplified() : QString();
}

QString HelpGroupName(const char* group, UiLanguage language) { return localText(group, language); }

QStringList HelpPageLinks(const HelpPage& page, UiLanguage language) {
    static const QRegularExpression link(QStringLiteral("<a\\s[^>]*href=\"([^\"#]*)[^\"]*\""),
                                         QRegularExpression::CaseInsensitiveOption);
    QStringList links;
    auto it = link.globalMatch(HelpPageHtml(page, language));
    while (it.hasNext()) {
        const QString target = it.next().captured(1);
        if (!target.isEmpty()) links << target;
    }
    return links;
}

// ---------------------------------------------------------------------------------------------
// The help window: back, forward and contents buttons over a splitter with the search field and
// the contents tree (or, while searching, the result list) on the left and the page on the right.

class Help::Window : public QWidget {
public:
    Window(Help& help, QWidget* parent) : QWidget(parent, Qt::Window), help_(help) {
        setObjectName(QStringLiteral("HelpWindow"));
        setWindowTitle(help_.text(WindowTitle));
        resize(920, 600);

        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(6, 6, 6, 6);
        auto* buttons = new QHBoxLayout;
        auto addButton = [&](QStyle::StandardPixmap icon, const QString& text) {
            auto* button = new QToolButton(this);
            button->setIcon(style()->standardIcon(icon));
            button->setText(text);
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            buttons->addWidget(button);
            return button;
        };
        QToolButton* back = addButton(QStyle::SP_ArrowBack, help_.text(BackText));
        QToolButton* forward = addButton(QStyle::SP_ArrowForward, help_.text(ForwardText));
        QToolButton* home = addButton(QStyle::SP_DirHomeIcon, help_.text(ContentsText));
        buttons->addStretch();
        layout->addLayout(buttons);

        auto* splitter = new QSplitter(this);
        auto* left = new QWidget(splitter);
        auto* leftLayout = new QVBoxLayout(left);
        leftLayout->setContentsMargins(0, 0, 0, 0);
        search = new QLineEdit(left);
        search->setObjectName(QStringLiteral("HelpSearch"));
        search->setPlaceholderText(help_.text(SearchText));
        search->setClearButtonEnabled(true);
        leftLayout->addWidget(search);
        stack = new QStackedWidget(left);
        contents = new QTreeWidget(stack);
        contents->setObjectName(QStringLiteral("HelpContents"));
        contents->setHeaderHidden(true);
        contents->setRootIsDecorated(true);
        stack->addWidget(contents);
        auto* found = new QWidget(stack);
        auto* foundLayout = new QVBoxLayout(found);
        foundLayout->setContentsMargins(0, 0, 0, 0);
        resultInfo = new QLabel(found);
        foundLayout->addWidget(resultInfo);
        results = new QListWidget(found);
        results->setObjectName(QStringLiteral("HelpResults"));
        foundLayout->addWidget(results);
        stack->addWidget(found);
        leftLayout->addWidget(stack);
        browser = makeBrowser(splitter, help_.language_);
        browser->setObjectName(QStringLiteral("HelpBrowser"));
        splitter->addWidget(left);
        splitter->addWidget(browser);
        splitter->setStretchFactor(1, 1);
        splitter->setSizes({290, 630});
        layout->addWidget(splitter);

        fillContents();

        connect(back, &QToolButton::clicked, browser, &QTextBrowser::backward);
        connect(forward, &QToolButton::clicked, browser, &QTextBrowser::forward);
        connect(browser, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
        connect(browser, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
        back->setEnabled(false);
        forward->setEnabled(false);
        connect(home, &QToolButton::clicked, this, [this] { open(HelpContextContents); });
        connect(browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) { follow(url); });
        connect(browser, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) { shown(url); });
        connect(contents, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
            const QVariant context = item->data(0, Qt::UserRole);
            if (context.isValid()) open(context.toInt());
        });
        connect(contents, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
            const QVariant context = item->data(0, Qt::UserRole);
            if (context.isValid()) open(context.toInt());
        });
        connect(search, &QLineEdit::textChanged, this, [this](const QString& text) { runSearch(text); });
        connect(search, &QLineEdit::returnPressed, this, [this] {
            if (results->count() > 0) openResult(0);
        });
        connect(results, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { openResult(results->row(item)); });
        connect(results, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { openResult(results->row(item)); });
    }

    void open(int context, const QStringList& mark = {}) {
        const HelpPage* page = FindHelpPage(context);
        if (!page) page = FindHelpPage(HelpContextContents);
        marking_ = mark;
        if (browser->source() == HelpPageUrl(*page, help_.language_))
            shown(browser->source());
        else
            browser->setSource(HelpPageUrl(*page, help_.language_));
    }

    void runSearch(const QString& text) {
        results->clear();
        resultContexts.clear();
        if (text.trimmed().isEmpty()) {
            stack->setCurrentIndex(0);
            return;
        }
        stack->setCurrentIndex(1);
        resultContexts = help_.search(text);
        for (int context : resultContexts) results->addItem(HelpPageTitle(*FindHelpPage(context), help_.language_));
        if (resultContexts.isEmpty())
            resultInfo->setText(help_.text(NoPageText));
        else if (resultContexts.size() == 1)
            resultInfo->setText(help_.text(OnePageText));
        else
            resultInfo->setText(help_.text(PagesText).arg(resultContexts.size()));
    }

    void openResult(int row) {
        if (row < 0 || row >= resultContexts.size()) return;
        results->setCurrentRow(row);
        open(resultContexts[row], searchWords(search->text()));
    }

    QLineEdit* search = nullptr;
    QStackedWidget* stack = nullptr;
    QTreeWidget* contents = nullptr;
    QLabel* resultInfo = nullptr;
    QListWidget* results = nullptr;
    QTextBrowser* browser = nullptr;
    QList<int> resultContexts;
    int context = -1;

private:
    void fillContents() {
        QTreeWidgetItem* group = nullptr;
        const char* groupName = nullptr;
        for (const HelpPage& page : HelpPages()) {
            if (page.group != groupName) {
                groupName = page.group;
                group = new QTreeWidgetItem(contents, {HelpGroupName(groupName, help_.language_)});
                QFont bold = group->font(0);
                bold.setBold(true);
                group->setFont(0, bold);
                group->setFlags(Qt::ItemIsEnabled);
                group->setExpanded(groupName != Tips);
            }
            auto* item = new QTreeWidgetItem(group, {HelpPageTitle(page, help_.language_)});
            item->setToolTip(0, item->text(0));
            item->setData(0, Qt::UserRole, page.context);
        }
    }

    // A link: pages of the help inside the window, everything else to the desktop.
    void follow(const QUrl& url) {
        if (url.scheme() == QLatin1String("qrc") || url.isRelative()) {
            if (const HelpPage* page = FindHelpPage(url.path())) {
                marking_.clear();
                browser->setSource(HelpPageUrl(*page, help_.language_));
                if (url.hasFragment()) browser->scrollToAnchor(url.fragment());
            }
            return;
        }
        QDesktopServices::openUrl(url);
    }

    // After a page came up: select it in the contents and mark the searched words.
    void shown(const QUrl& url) {
        const HelpPage* page = FindHelpPage(url.path());
        context = page ? page->context : -1;
        for (QTreeWidgetItemIterator it(contents); *it; ++it) {
            const QVariant c = (*it)->data(0, Qt::UserRole);
            if (c.isValid() && c.toInt() == context) {
                contents->setCurrentItem(*it);
                break;
            }
        }
        markWords();
    }

    void markWords() {
        QList<QTextEdit::ExtraSelection> marks;
        QTextCharFormat found;
        found.setBackground(QColor(255, 230, 80));
        QTextDocument* doc = browser->document();
        QTextCursor first;
        for (const QString& word : marking_) {
            for (QTextCursor at = doc->find(word); !at.isNull(); at = doc->find(word, at)) {
                marks.push_back({at, found});
                if (first.isNull() || at.position() < first.position()) first = at;
            }
        }
        browser->setExtraSelections(marks);
        if (!first.isNull()) {
            QTextCursor caret(doc);
            caret.setPosition(first.position());
            browser->setTextCursor(caret);
            browser->ensureCursorVisible();
        }
    }

    Help& help_;
    QStringList marking_;
};

// ---------------------------------------------------------------------------------------------

Help::Help(QWidget* mainWindow) : QObject(mainWindow), language_(CurrentUiLanguage()), mainWindow_(mainWindow) {
    for (const HelpPage& page : HelpPages())
        index_.push_back({page.context, HelpPageTitle(page, language_), plainText(HelpPageHtml(page, language_))});
}

Help::~Help() {
    // Windows without a main window to own them are ours.
    delete tip_.data();
    delete assistant_.data();
    delete window_.data();
}

Help::Window* Help::window() {
    if (!window_) window_ = new Window(*this, mainWindow_);
    return window_;
}

QString Help::text(const char* german) const { return localText(german, language_); }

QWidget* Help::helpWindow() const { return window_; }
QWidget* Help::assistantWindow() const { return assistant_; }
QWidget* Help::tipWindow() const { return tip_; }

void Help::showContents() { showContext(HelpContextContents); }

void Help::showContext(int context) {
    Window* w = window();
    w->search->clear();  // the contents tree, with the page chosen in it
    w->open(context);
    w->show();
    w->raise();
    w->activateWindow();
}

bool Help::showPage(const QString& file) {
    const HelpPage* page = FindHelpPage(file);
    if (!page) return false;
    showContext(page->context);
    return true;
}

int Help::currentContext() const { return window_ ? window_->context : -1; }

QList<int> Help::search(const QString& query) const {
    const QStringList words = searchWords(query);
    QList<int> found;
    if (words.isEmpty()) return found;
    for (const IndexEntry& entry : index_) {
        bool all = true;
        for (const QString& word : words)
            if (!entry.text.contains(word, Qt::CaseInsensitive) && !entry.title.contains(word, Qt::CaseInsensitive)) {
                all = false;
                break;
            }
        if (all) found << entry.context;
    }
    return found;
}

void Help::setSearchText(const QString& query) {
    Window* w = window();
    if (w->browser->source().isEmpty()) w->open(HelpContextContents);
    w->show();
    w->search->setText(query);
}

QList<int> Help::searchResults() const { return window_ ? window_->resultContexts : QList<int>(); }

void Help::openSearchResult(int row) {
    if (window_) window_->openResult(row);
}

QStringList Help::highlightedTexts() const {
    QStringList texts;
    if (window_)
        for (const QTextEdit::ExtraSelection& mark : window_->browser->extraSelections()) texts << mark.cursor.selectedText();
    return texts;
}

// ---------------------------------------------------------------------------------------------

void Help::showAssistant() {
    if (!assistant_) {
        auto* w = new QWidget(mainWindow_, Qt::Window);
        w->setObjectName(QStringLiteral("Proc1"));
        w->setWindowTitle(text(AssistantTitle));
        auto* layout = new QVBoxLayout(w);
        layout->setContentsMargins(0, 0, 0, 0);
        QTextBrowser* browser = makeBrowser(w, language_);
        browser->setFrameShape(QFrame::NoFrame);
        browser->setSource(HelpPageUrl(*FindHelpPage(HelpContextAssistant), language_));
        connect(browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
            if (!showPage(url.path())) QDesktopServices::openUrl(url);
        });
        layout->addWidget(browser);
        w->resize(320, 480);
        assistant_ = w;
    }
    if (mainWindow_ && !assistant_->isVisible()) {
        const QRect main = mainWindow_->frameGeometry();
        // Before it is first shown the window knows no frame; it gets the main window's.
        const QSize frame = assistant_->size() + (main.size() - mainWindow_->size());
        QRect place(QPoint(main.right() + 1, main.top()), frame);
        // No room beside the main window: inside its right edge instead.
        if (const QScreen* screen = mainWindow_->screen())
            if (place.right() > screen->availableGeometry().right()) place.moveRight(main.right());
        assistant_->move(keepOnScreen(place, place.center()));
    }
    assistant_->show();
    assistant_->raise();
    assistant_->activateWindow();
}

// ---------------------------------------------------------------------------------------------

void Help::showTip(int number, QPoint globalCentre) {
    const HelpPage* page = FindHelpPage(number);
    if (number < HelpContextFirstTip || number >= HelpContextFirstTip + HelpTipCount || !page) return;
    delete tip_.data();
    auto* frame = new QFrame(mainWindow_, Qt::Popup);
    frame->setObjectName(QStringLiteral("TipOfTheDay"));
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setWindowTitle(text(TipTitle));
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(1);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    auto* caption = new QLabel(text(TipTitle), frame);
    caption->setObjectName(QStringLiteral("TipCaption"));
    caption->setStyleSheet(QStringLiteral("QLabel { background: #1c4f8a; color: white; font-weight: bold; padding: 5px 8px; }"));
    layout->addWidget(caption);
    QTextBrowser* browser = makeBrowser(frame, language_);
    browser->setFrameShape(QFrame::NoFrame);
    browser->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    browser->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    browser->setSource(HelpPageUrl(*page, language_));
    browser->viewport()->installEventFilter(this);
    layout->addWidget(browser);
    auto* hint = new QLabel(text(TipHint), frame);
    hint->setStyleSheet(QStringLiteral("QLabel { color: #707070; padding: 3px 8px; }"));
    layout->addWidget(hint);

    // As high as the tip's text at the pop-up's width.
    const int width = 380;
    const std::unique_ptr<QTextDocument> measure(browser->document()->clone());
    measure->setTextWidth(width - 2);
    const int textHeight = int(std::ceil(measure->size().height())) + 8;
    frame->resize(width, caption->sizeHint().height() + textHeight + hint->sizeHint().height() + 2);
    tip_ = frame;
    // Placed once shown, when the window system has said whether a pop-up has a frame.
    frame->show();
    const QRect wanted(QPoint(globalCentre.x() - frame->frameGeometry().width() / 2, globalCentre.y()),
                       frame->frameGeometry().size());
    frame->move(keepOnScreen(wanted, globalCentre));
}

bool Help::eventFilter(QObject* watched, QEvent* event) {
    if (tip_ && event->type() == QEvent::MouseButtonRelease) {
        auto* browser = qobject_cast<QTextBrowser*>(watched->parent());
        if (browser && browser->window() == tip_) {
            const QString link = browser->anchorAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            tip_->close();
            if (!link.isEmpty()) showPage(link);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

int Help::nextTip() {
    tipCounter_ = tipCounter_ % HelpTipCount + 1;
    return tipCounter_;
}

// ---------------------------------------------------------------------------------------------

const char* Help::webPageFile(WebPage page) {
    switch (page) {
    case WebPage::Home: return "web-home.html";
    case WebPage::Updates: return "web-updates.html";
    case WebPage::FreeTextures: return "web-textures.html";
    }
    return "web-home.html";
}

QString Help::webFolder() const {
    if (!webFolderOverride.isEmpty()) return webFolderOverride;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (!cache.isEmpty()) return cache + QStringLiteral("/help");
    return QDir::tempPath() + QStringLiteral("/vortel-help");
}

bool Help::writeWebPages() const {
    const QDir folder(webFolder());
    if (!folder.mkpath(QStringLiteral("."))) return false;
    QStringList files{StyleSheetFile};
    for (const HelpPage& page : HelpPages()) files << QLatin1String(page.file);
    for (const QString& file : files) {
        QFile source(HelpFolder(language_) + file);
        QFile out(folder.filePath(file));
        if (!source.open(QIODevice::ReadOnly)) return false;
        const QByteArray bytes = source.readAll();
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size()) return false;
    }
    return true;
}

void Help::message(const QString& text, QMessageBox::Icon icon) {
    if (messageHook) {
        messageHook(text, icon);
        return;
    }
    QMessageBox box(icon, tr("Vortel"), text, QMessageBox::Ok, mainWindow_);
    box.exec();
}

bool Help::openWebPage(WebPage page) {
    QString question = text(WebQuestion);
    question.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    int answer;
    if (confirmHook) {
        answer = confirmHook(question);
    } else {
        QMessageBox box(QMessageBox::Question, tr("Vortel"), question, QMessageBox::Yes | QMessageBox::No, mainWindow_);
        answer = box.exec();
    }
    if (answer != QMessageBox::Yes) return false;
    if (!writeWebPages()) {
        message(text(WriteFailed).arg(QDir::toNativeSeparators(webFolder())),
                QMessageBox::Warning);
        return false;
    }
    const QUrl url = QUrl::fromLocalFile(QDir(webFolder()).filePath(QLatin1String(webPageFile(page))));
    const bool opened = openUrlHook ? openUrlHook(url) : QDesktopServices::openUrl(url);
    if (!opened) message(text(NoBrowser), QMessageBox::Warning);
    return opened;
}

// ---------------------------------------------------------------------------------------------

int WriteHelpScreenshots(Help& help, const QString& folder) {
    const QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) return -1;
    int written = 0;
    help.showContents();
    QApplication::processEvents();
    if (help.helpWindow()->grab().save(dir.filePath(QStringLiteral("help-contents.png")))) ++written;
    help.showAssistant();
    QApplication::processEvents();
    if (help.assistantWindow()->grab().save(dir.filePath(QStringLiteral("help-assistant.png")))) ++written;
    const QWidget* anchor = help.helpWindow();
    help.showTip(1, anchor->mapToGlobal(QPoint(anchor->width() / 2, anchor->height() / 4)));
    QApplication::processEvents();
    if (help.tipWindow() && help.tipWindow()->grab().save(dir.filePath(QStringLiteral("help-tip.png")))) ++written;
    if (help.tipWindow()) help.tipWindow()->close();
    return written;
}

}  // namespace vortel::app
