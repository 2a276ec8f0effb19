#pragma once
// The program's help: HTML pages from the help/ folder, built into the program as Qt resources, the
// German ones under ":/help/", the English ones (the same files, names and links) under
// ":/help/en/". Each page has a context number (one table, HelpPages()); the pages shown are those
// of the program's language, vortel::CurrentUiLanguage(), when a Help is made. The help
// window shows them with a contents tree and a search field; the assistant and the tip of the day
// have windows of their own; the three internet commands write the pages into a local folder and
// hand a page's file URL to the desktop's browser.
#include <QMessageBox>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <vector>

#include "controls/Language.h"

class QWidget;

namespace vortel::app {

// Context numbers the program asks for.
inline constexpr int HelpContextContents = 0;
inline constexpr int HelpContextFirstTip = 1;   // tips 1 .. 10 are contexts 1 .. 10
inline constexpr int HelpTipCount = 10;
inline constexpr int HelpContextAssistant = 30;

struct HelpPage {
    int context;
    const char* file;   // in help/ and help/en/, ":/help/<file>" and ":/help/en/<file>" in the program
    const char* group;  // the contents tree's group in German (HelpGroupName gives it in a language)
};

// Every page, in the order of the contents tree.
const std::vector<HelpPage>& HelpPages();
// The page of a context number or a file name (as a link names it); nullptr when there is none.
const HelpPage* FindHelpPage(int context);
const HelpPage* FindHelpPage(const QString& file);
// The resource folder of a language's pages: ":/help/" (German) or ":/help/en/" (English).
QString HelpFolder(UiLanguage language = CurrentUiLanguage());
// "qrc:/help/<file>" or "qrc:/help/en/<file>".
QUrl HelpPageUrl(const HelpPage& page, UiLanguage language = CurrentUiLanguage());
// The page's HTML as built into the program; empty when the resource is missing.
QString HelpPageHtml(const HelpPage& page, UiLanguage language = CurrentUiLanguage());
// The text of the page's <title>.
QString HelpPageTitle(const HelpPage& page, UiLanguage language = CurrentUiLanguage());
// The targets of the page's <a href> links without their #fragment, as written (relative names,
// or absolute URLs for outside links).
QStringList HelpPageLinks(const HelpPage& page, UiLanguage language = CurrentUiLanguage());
// A contents group (HelpPage::group) as the contents tree shows it in `language`.
QString HelpGroupName(const char* group, UiLanguage language = CurrentUiLanguage());

enum class WebPage { Home, Updates, FreeTextures };

class Help : public QObject {
    Q_OBJECT
public:
    // The windows belong to `mainWindow` (may be null: they are then the help's own).
    explicit Help(QWidget* mainWindow);
    ~Help() override;

    // The help window (contents, search, page), non-modal, one instance reused, brought to front.
    void showContents();
    // The page of `context` in the help window; an unknown number shows the contents page.
    void showContext(int context);
    // A page by file name, e.g. from a link in the assistant or a tip; false when there is none.
    bool showPage(const QString& file);
    // The assistant page in its own small window at the main window's right edge, reused.
    void showAssistant();
    // Tip `number` (1 .. 10) as a pop-up centred at the point's x with its top at the point's y.
    // It closes on a click, on Esc and when another window is clicked; a link in it opens that page
    // in the help window.
    void showTip(int number, QPoint globalCentre);
    // The counter of the tip of the day: starts at 0 each run; returns the tip to show next,
    // 1, 2, ..., 10, 1, ...
    int nextTip();

    // Asks whether to start the browser; on Yes writes the pages to webFolder() and opens the
    // page's file URL. Returns whether the browser was started.
    bool openWebPage(WebPage page);
    // The folder the internet commands write the pages to: `webFolderOverride` when set, else the
    // user's cache folder + "/help", else the temp folder + "/vortel-help".
    QString webFolder() const;
    // Writes every page in the help's language and the stylesheet into webFolder(); returns false
    // when a file fails.
    bool writeWebPages() const;
    static const char* webPageFile(WebPage page);

    // The contexts whose page text holds every word of `query` (case-insensitive), in contents
    // order; empty for an empty query.
    QList<int> search(const QString& query) const;
    // Types `query` into the help window's search field (shows the window).
    void setSearchText(const QString& query);
    // The page the help window shows, -1 before it was opened.
    int currentContext() const;
    // The contexts the search result list shows.
    QList<int> searchResults() const;
    // Shows result `row` of the list as a click would: the page with the found words marked.
    void openSearchResult(int row);
    // Text the help window marks as found on the current page.
    QStringList highlightedTexts() const;

    std::function<int(const QString& question)> confirmHook;                 // QMessageBox::Yes / No
    std::function<bool(const QUrl& url)> openUrlHook;                        // instead of QDesktopServices
    std::function<void(const QString& text, QMessageBox::Icon icon)> messageHook;  // instead of a box
    QString webFolderOverride;

    QWidget* helpWindow() const;
    QWidget* assistantWindow() const;
    QWidget* tipWindow() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Window;
    struct IndexEntry {
        int context;
        QString title;
        QString text;
    };
    Window* window();
    // One of the help's own German texts in the help's language.
    QString text(const char* german) const;
    void message(const QString& text, QMessageBox::Icon icon);
    QString pageText(int context) const;

    const UiLanguage language_;  // the program's language when the help was made
    QPointer<QWidget> mainWindow_;
    QPointer<Window> window_;
    QPointer<QWidget> assistant_;
    QPointer<QWidget> tip_;
    std::vector<IndexEntry> index_;
    int tipCounter_ = 0;
};

// Writes the help window, the assistant window and a tip as PNG files into `folder`
// (help-contents.png, help-assistant.png, help-tip.png); returns the number written, -1 when the
// folder cannot be made.
int WriteHelpScreenshots(Help& help, const QString& folder);

}  // namespace vortel::app
