#pragma once
// A translation file as lupdate writes it: its messages with context, source, translation and type.
#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <QXmlStreamReader>

#include <vector>

namespace vortel::i18ntest {

struct Message {
    QString context, source, translation, type;
};

// The text of the element just opened; lupdate writes a control character as <byte value="xd"/>.
inline QString ReadText(QXmlStreamReader& xml) {
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("byte")) {
            const QString value = xml.attributes().value(QLatin1String("value")).toString();
            text += QChar(value.startsWith(QLatin1Char('x')) ? value.mid(1).toUInt(nullptr, 16) : value.toUInt());
        } else if (xml.isEndElement() && xml.name() != QLatin1String("byte")) {
            break;
        }
    }
    return text;
}

inline std::vector<Message> ReadCatalogue(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    std::vector<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            current = Message{context, {}, {}, {}};
        } else if (xml.name() == QLatin1String("source")) {
            current.source = ReadText(xml);
        } else if (xml.name() == QLatin1String("translation")) {
            current.type = xml.attributes().value(QLatin1String("type")).toString();
            current.translation = ReadText(xml);
            messages.push_back(current);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

}  // namespace vortel::i18ntest
