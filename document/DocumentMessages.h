#pragma once
// The program's own texts for file failures; "%s" stands for the file name. Each fixed line is
// marked for the translation files: the Qt program looks a message up line by line.
#include <string>

#include "engine/UserMessages.h"

namespace vortel::document_messages {

inline std::string withName(const char* text, const std::string& name) {
    std::string out = text;
    const auto at = out.find("%s");
    if (at != std::string::npos) out.replace(at, 2, name);
    return out;
}

// Opening failed, or the data is not what the format allows (non-zero separator, bad count).
inline std::string readFailed(const std::string& name) {
    return withName(VORTEL_TEXT("Messages", "Fehler beim Lesen der Datei") "\r\"%s\".", name);
}
inline std::string openFailed(const std::string& name, const std::string& reason) {
    return readFailed(name) + "\r" + reason;
}
// The file ended before a block was complete.
inline std::string shortRead() {
    return VORTEL_TEXT("Messages", "Beim Lesen der Datei ist ein Fehler aufgetreten.") "\r" VORTEL_TEXT(
        "Messages", "Das Ende der Datei wurde erreicht.");
}
inline std::string notADocument(const std::string& name) { return withName("\"%s\" ist keine Vortel-Datei!", name); }
inline std::string createFailed(const std::string& name, const std::string& reason) {
    return withName(VORTEL_TEXT("Messages", "Fehler beim Schreiben der Datei") "\r\"%s\".", name) + "\r" + reason;
}
inline std::string writeFailed(const std::string& reason) {
    return VORTEL_TEXT("Messages", "Beim Schreiben der Datei ist ein Fehler aufgetreten.") "\r" + reason;
}

// A save refused before anything is replaced.
inline std::string textTooLong(size_t maxBytes) {
    return VORTEL_TEXT("Messages", "Der Text ist zu lang, um gespeichert zu werden.") "\rEin Dokument nimmt höchstens " +
           std::to_string(maxBytes / 1024) + " KB Text auf; die Datei wurde nicht verändert.";
}
inline std::string documentTooLarge(uint64_t bytes) {
    return "Das Dokument wäre mit " + std::to_string(bytes >> 20) +
           " MB zu groß, um wieder geöffnet zu werden.\r" +
           VORTEL_TEXT("Messages", "Verwenden Sie kleinere Texturen; die Datei wurde nicht verändert.");
}

}  // namespace vortel::document_messages
