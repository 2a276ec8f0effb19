#pragma once
// What the command line reads and writes besides its options: documents and style files as
// inputs, and every output format chosen by the output name's extension.
#include <ostream>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/Options.h"
#include "engine/FontFX.h"
#include "platform/Bitmap.h"
#include "platform/Canvas.h"

namespace vortel::cli {

// Applies the inputs in order, as the Open command does: a document replaces the engine's state
// (and size), a style file changes its group, an image becomes the background's texture. Then --size, when given, sets the image size. Throws UsageError for a name
// that is neither.
void applyInputs(TFontFX& engine, const Options& options);

// The extension of a file name with its dot, in lower case; empty when the last part has none.
std::string lowerExtension(const std::string& path);

// A picture by file name (any decodable format) or stock name (":JPG_07", "*IMPRINT_07").
Bitmap loadNamedImage(const std::string& name);

enum class OutputKind { Picture, Jpeg, Document, Style, Svg, Pdf, Metafile };

// The kind the name's extension asks for; throws UsageError for an unknown one.
OutputKind outputKind(const std::string& path);

// Whether writeOutput takes the picture from the engine's pixel buffer where a render left it there
// (renderOptions.pictureToBufferOnly), so the render may leave the canvas behind.
bool writesFromPictureBuffer(const std::string& path);
// The bytes writeOutput would write to a file of that name, for every kind but the metafiles.
std::vector<uint8_t> outputBytes(const TFontFX& engine, const Canvas& canvas, const Options& options,
                                 const std::string& name);
// Writes the engine (and the rendered picture on `canvas`, for pictures and documents) to
// `path`; tells on `err` where a metafile went when its name had to change.
void writeOutput(const TFontFX& engine, const Canvas& canvas, const Options& options, const std::string& path,
                 std::ostream& err);

}  // namespace vortel::cli
