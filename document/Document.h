#pragma once
// Documents (.vtl) and style files (.deform, .bevel, .color, .shadow): the engine's persistent state
// as the fixed byte layout of docs/file-format.md.
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/FontFX.h"
#include "platform/Bitmap.h"

namespace vortel {

// A document or style file that cannot be read or written. The message is the program's own text
// for the user, with the file name and the system's reason where the program gives them.
class DocumentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class StyleKind { Deform = 0, Bevel = 1, Color = 2, Shadow = 3 };

// The style kind a file name's extension selects, any case; nullopt for other names.
std::optional<StyleKind> styleKindForPath(const std::string& path);
// True for a .vtl name, any case.
bool isDocumentPath(const std::string& path);

// The image view's size as a document stores it; a side is absent when the stored value cannot be
// a picture size (below 1, or 10000 and more), and the view keeps its own.
struct ViewSize {
    std::optional<int32_t> width;
    std::optional<int32_t> height;
};

// The whole file for the engine's state with `picture` (the image view's picture) as preview.
std::vector<uint8_t> encodeDocument(const TFontFX& engine, const Bitmap& picture);
// Writes encodeDocument's bytes; the old file is replaced only once the new one is complete.
void WriteDocument(const TFontFX& engine, const Bitmap& picture, const std::string& path);

// Reads and checks the whole document, then replaces the engine's persistent state in one step and
// sets its image rectangle to the stored size. On any failure the engine is unchanged.
ViewSize ReadDocument(TFontFX& engine, const std::string& path);
ViewSize decodeDocument(TFontFX& engine, std::span<const uint8_t> bytes, const std::string& name);

std::vector<uint8_t> encodeStyle(const TFontFX& engine, StyleKind kind);
void WriteStyleFile(const TFontFX& engine, const std::string& path, StyleKind kind);
// Applies a style file's group to the engine; on any failure the engine is unchanged.
void ReadStyleFile(TFontFX& engine, const std::string& path, StyleKind kind);
void decodeStyle(TFontFX& engine, std::span<const uint8_t> bytes, StyleKind kind, const std::string& name);

// The preview picture of a document; nullopt when the file has none that can be read.
std::optional<Bitmap> ReadDocumentPreview(const std::string& path);
std::optional<Bitmap> decodeDocumentPreview(std::span<const uint8_t> bytes);

// The size a preview of a w x h picture gets: both halved (integer division) while w x h > 45000.
std::pair<int32_t, int32_t> previewSize(int32_t width, int32_t height);
// The picture scaled to previewSize and encoded as JPEG at quality 80.
std::vector<uint8_t> makePreviewJpeg(const Bitmap& picture);

}  // namespace vortel
