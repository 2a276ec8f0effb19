// Every translation file against the code it translates: lupdate run over the sources into a copy
// of the file must find nothing new (a text of the code missing from the file), nothing gone (a
// text the file still carries that the code no longer has), and every message must be translated,
// keep its placeholders and its keyboard accelerator; the German files keep the program's own texts.
// The command line's catalogue (cli_de.ts) holds its English texts (VORTEL_EN) with their German.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <set>

#include "tests/i18n/Catalogue.h"

namespace vortel {
namespace {

using i18ntest::Message;
using i18ntest::ReadCatalogue;

// The placeholders %1 … %99 of a text, as a set.
std::multiset<QString> Placeholders(const QString& text) {
    std::multiset<QString> found;
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(text)) found.insert(m.captured());
    return found;
}

// Whether a text marks a keyboard accelerator ("&Datei"; "&&" is a plain ampersand).
bool HasAccelerator(QString text) {
    text.remove(QStringLiteral("&&"));
    static const QRegularExpression accelerator(QStringLiteral("&[^\\s&]"));
    return accelerator.match(text).hasMatch();
}

std::string Describe(const Message& m) { return (m.context + QStringLiteral(": \"") + m.source + QLatin1Char('"')).toStdString(); }

struct Catalogue {
    const char* file;
    const char* language;
    std::vector<const char*> folders;  // the source folders lupdate reads for it
    const char* marker = "VORTEL_TEXT";  // the macro that marks its texts besides Qt's own
    const char* sourceLanguage = "de";   // the language of the texts in the code
};

void PrintTo(const Catalogue& c, std::ostream* out) { *out << c.file; }

const Catalogue Catalogues[] = {
    {"i18n/vortel_de.ts", "de", {"app", "controls", "panels/pages", "engine", "document"}},
    {"i18n/vortel_en.ts", "en", {"app", "controls", "panels/pages", "engine", "document"}},
    {"i18n/installer_de.ts", "de", {"installer"}},
    {"i18n/installer_en.ts", "en", {"installer"}},
    {"i18n/cli_de.ts", "de", {"cli", "platform", "engine", "document", "server"}, "VORTEL_EN", "en"},
};

QString SourcePath(const char* relative) { return QStringLiteral(VORTEL_SOURCE_DIR "/") + QLatin1String(relative); }

class CatalogueTest : public ::testing::TestWithParam<Catalogue> {};

TEST_P(CatalogueTest, HoldsEveryTextOfTheCodeAndNothingElse) {
    const Catalogue& c = GetParam();
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString copy = scratch.filePath(QFileInfo(SourcePath(c.file)).fileName());
    ASSERT_TRUE(QFile::copy(SourcePath(c.file), copy)) << c.file;
    QStringList args{QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-I"),
                     QStringLiteral(VORTEL_SOURCE_DIR), QStringLiteral("-extensions"), QStringLiteral("cpp,h"),
                     QStringLiteral("-tr-function-alias"),
                     QStringLiteral("QT_TRANSLATE_NOOP+=") + QLatin1String(c.marker)};
    for (const char* folder : c.folders) args << SourcePath(folder);
    args << QStringLiteral("-ts") << copy;
    QProcess lupdate;
    lupdate.start(QStringLiteral(VORTEL_LUPDATE), args);
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    const std::vector<Message> before = ReadCatalogue(SourcePath(c.file));
    const std::vector<Message> after = ReadCatalogue(copy);
    ASSERT_FALSE(after.empty()) << c.file;
    EXPECT_EQ(before.size(), after.size()) << c.file << ": lupdate found other texts than the file holds";
    for (const Message& m : after) {
        EXPECT_NE(m.type.toStdString(), "unfinished") << c.file << ": not translated (new in the code?) " << Describe(m);
        EXPECT_NE(m.type.toStdString(), "vanished") << c.file << ": no longer in the code " << Describe(m);
        EXPECT_NE(m.type.toStdString(), "obsolete") << c.file << ": no longer in the code " << Describe(m);
    }
}

TEST_P(CatalogueTest, TranslationsKeepPlaceholdersAndAccelerators) {
    const Catalogue& c = GetParam();
    const std::vector<Message> messages = ReadCatalogue(SourcePath(c.file));
    ASSERT_FALSE(messages.empty()) << c.file;
    for (const Message& m : messages) {
        EXPECT_FALSE(m.translation.isEmpty()) << c.file << ": empty translation of " << Describe(m);
        EXPECT_EQ(Placeholders(m.translation), Placeholders(m.source)) << c.file << ": " << Describe(m);
        EXPECT_EQ(HasAccelerator(m.translation), HasAccelerator(m.source)) << c.file << ": " << Describe(m);
        // A catalogue in the code's own language (the program's German) shows each text as it is.
        if (QLatin1String(c.language) == QLatin1String(c.sourceLanguage)) {
            EXPECT_EQ(m.translation.toStdString(), m.source.toStdString()) << c.file;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Files, CatalogueTest, ::testing::ValuesIn(Catalogues),
                         [](const ::testing::TestParamInfo<Catalogue>& info) {
                             return QFileInfo(QLatin1String(info.param.file)).baseName().toStdString();
                         });

// lupdate reads "\u00fcck" as one character U+0FCC (it takes every hex digit that follows), so a
// text with such an escape lands in the catalogue under a source the program never asks for and
// stays untranslated. Such characters are written as themselves.
TEST(CatalogueSources, NoEscapeThatLupdateMisreads) {
    static const QRegularExpression misread(QStringLiteral("\\\\u[0-9A-Fa-f]{4}[0-9A-Fa-f]"));
    int files = 0;
    for (const char* folder : {"app", "controls", "panels/pages", "engine", "document", "installer", "cli", "platform"}) {
        QDirIterator it(SourcePath(folder), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
            const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
            for (qsizetype i = 0; i < lines.size(); ++i)
                EXPECT_FALSE(misread.match(lines[i]).hasMatch()) << path.toStdString() << ':' << i + 1;
            ++files;
        }
    }
    EXPECT_GT(files, 20);
}

}  // namespace
}  // namespace vortel
