#pragma once
// Sizes, offsets and markers of the document and style file layouts (docs/file-format.md).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "document/ImageLimits.h"

namespace vortel::document_format {

inline constexpr size_t HeaderSize = 100;
inline constexpr size_t TextFieldSize = 452;
inline constexpr size_t PreviewOffsetAt = 580;
inline constexpr size_t FixedPartSize = 2506;
inline constexpr size_t ShortRun = 10;
inline constexpr size_t LongRun = 100;
inline constexpr size_t GradientSize = 60;
inline constexpr size_t ColorStyleSize = 130;
inline constexpr size_t JpegNameSize = 30;
inline constexpr uint32_t JpegMarker = 1;
inline constexpr uint8_t TextureKind = 0;
inline constexpr int EditedTextureQuality = 98;
inline constexpr std::string_view EditBitmapName = "EDITBITMAP";
// Our optional section between the images and the preview: the text as UTF-8.
inline constexpr std::string_view Utf8Tag = "UTF8";
// The longest text a document keeps, in UTF-8 bytes: pages of text, far more than a picture shows.
inline constexpr size_t MaxTextBytes = size_t(256) << 10;
// The largest document: the fixed part, the text, the preview, and two textures and an imprint,
// each an uncompressed picture of the largest size an image may have. Writer and reader both keep
// to it, so every document that can be saved can be opened again.
inline constexpr uint64_t MaxDocumentBytes =
    3 * (uint64_t(image_limits::MaxPixels) * 3 + (uint64_t(1) << 20)) + (uint64_t(2) << 20);
// Style files are a few hundred bytes; anything far larger is not one.
inline constexpr uint64_t MaxStyleBytes = uint64_t(1) << 20;
// A stored picture side of this or more leaves the image view's size alone.
inline constexpr int32_t MaxStoredSide = 10000;
// The preview length a reader accepts.
inline constexpr uint32_t MinPreviewLength = 10, MaxPreviewLength = 100000;

}  // namespace vortel::document_format
