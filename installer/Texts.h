#pragma once
// The installer's texts. Each message is a pair (German, English) in one table, picked by its base
// number plus the language index, and handed through Qt's translation lookup on the way out.
#include <QString>

namespace vortel::installer {

// 0 German, 1 English.
enum Language : int { German = 0, English = 1 };

// The language of the user's messages: the first set of LC_ALL, LC_MESSAGES and LANG (the order
// the C library itself uses); its primary language "de" means German, anything else English.
Language LanguageFromLocale(const QString& lcAll, const QString& lcMessages, const QString& lang);
// The same, read from the process environment, where LANGUAGE ("de…", "en…") names it for one run.
Language SystemLanguage();

// Base numbers of the message table.
enum Message : int {
    MsgEnterTarget = 0,
    MsgTargetExists = 2,
    MsgAttention = 4,
    MsgCannotCreate = 6,
    MsgCopying = 8,
    MsgError = 10,
    MsgManual = 12,
    MsgHelp = 16,
    MsgUninstall = 18,
    MsgReallyCancel = 20,
    MsgCancelInstallation = 22,
    MsgBack = 28,
    MsgNext = 30,
    MsgFinish = 32,
    MsgWelcome = 34,
    MsgReady = 36,
    MsgComplete = 38,
    // Our own additions after the table's last pair, for controls and the uninstaller.
    MsgTitle = 40,
    MsgTargetLabel = 42,
    MsgGroupCheck = 44,
    MsgBrowse = 46,
    MsgCancelButton = 48,
    MsgReallyUninstall = 50,
    MsgUninstalled = 52,
    MsgNotRemoved = 54,
    MsgBackdropText = 56,
    MsgCredit = 58,
    MsgNotInstalled = 60,
    MsgDocument = 62,
};

// The message of `base` in `language`, "%s" filled with the product name, "\r" made a line break.
QString Text(Message base, Language language);

// The product name, and the name with the version the uninstall entry shows.
inline constexpr const char* ProductName = "Vortel";
inline constexpr const char* ProductDisplayName = "Vortel 0.9";

}  // namespace vortel::installer
