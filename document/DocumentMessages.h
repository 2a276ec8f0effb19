#pragma once
// The program's own texts for file failures. Fixed lines are marked for the translation files and
// looked up line by line where a message is shown, so a name on a line of its own needs no entry;
// a line with a name or a number inside is a template, translated whole when the message is made
// (composeMessage, platform/Texts.h).
#include <string>

#include "engine/UserMessages.h"

namespace vortel::document_messages {

// Opening failed, or the data is not what the format allows (non-zero separator, bad count).
inline std::string readFailed(const std::string& name) {
    return fillText(VORTEL_TEXT("Messages", "Fehler beim Lesen der Datei") "\r\"%1\".", name);
}
inline std::string openFailed(const std::string& name, const std::string& reason) {
    return readFailed(name) + "\r" + reason;
}
// The file ended before a block was complete.
inline std::string shortRead() {
    return VORTEL_TEXT("Messages", "Beim Lesen der Datei ist ein Fehler aufgetreten.") "\r" VORTEL_TEXT(
        "Messages", "Das Ende der Datei wurde erreicht.");
}
inline std::string notADocument(const std::string& name) {
    return composeMessage(VORTEL_TEXT("Messages", "\"%1\" ist keine Vortel-Datei!"), name);
}
inline std::string createFailed(const std::string& name, const std::string& reason) {
    return fillText(VORTEL_TEXT("Messages", "Fehler beim Schreiben der Datei") "\r\"%1\".", name) + "\r" + reason;
}
inline std::string writeFailed(const std::string& reason) {
    return VORTEL_TEXT("Messages", "Beim Schreiben der Datei ist ein Fehler aufgetreten.") "\r" + reason;
}

// A save refused before anything is replaced.
inline std::string textTooLong(size_t maxBytes) {
    return composeMessage(VORTEL_TEXT("Messages", "Der Text ist zu lang, um gespeichert zu werden.\rEin Dokument nimmt "
                                                  "höchstens %1 KB Text auf; die Datei wurde nicht verändert."),
                          maxBytes / 1024);
}
inline std::string documentTooLarge(uint64_t bytes) {
    return composeMessage(VORTEL_TEXT("Messages", "Das Dokument wäre mit %1 MB zu groß, um wieder geöffnet zu werden.\r"
                                                  "Verwenden Sie kleinere Texturen; die Datei wurde nicht verändert."),
                          bytes >> 20);
}

}  // namespace vortel::document_messages
