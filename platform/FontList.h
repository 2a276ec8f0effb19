#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

typedef struct _FcPattern FcPattern;
typedef struct _FcFontSet FcFontSet;

namespace vortel {

// The family names of every installed outline font (TrueType, OpenType, Type 1 outlines; never
// bitmap fonts), each once, sorted without regard to case: the face list of the Text page and the
// faces the random generator picks from.
std::vector<std::string> InstalledOutlineFaces();

// The default-ignorable format characters, never drawn and never asked of a face: joiners, direction
// marks and embeddings, the soft hyphen, fillers, variation selectors, the byte order mark, tags.
bool NeverDrawn(char32_t c);

// Characters a face need not have to write a text: the ones never drawn, controls and spaces.
bool CoverageIgnores(char32_t c);

// How well a face suits a text, worst first:
// - None: a character of the text has no glyph, or the face has a symbol character map (it draws
//   pictures where letters are asked for);
// - Letterless: every character has a glyph, but the face lacks basic Latin letters (dingbats, or
//   a face of one other script);
// - Text: every character has a glyph in a face that has the basic Latin letters.
enum class TextFit { None, Letterless, Text };

// The fit of an installed outline family (its name without regard to case), taken over all of its
// faces, so no weight or slant of it draws a box. An unknown family fits nothing. The families'
// character sets are read once a process, so this is cheap enough to ask for every effect.
TextFit FamilyTextFit(const std::string& family, std::u32string_view text);
// Every character of `text` (but those CoverageIgnores) has a glyph in every face of the family.
bool FamilyCoversText(const std::string& family, std::u32string_view text);
// A symbol or dingbat family: a symbol character map, or no glyph for some basic Latin letter
// (faces of one other script count too). An unknown family is none.
bool IsSymbolFamily(const std::string& family);

// The face of `faces` that writes `text` in place of the drawn one: `drawn` itself where it fits
// as Text; else, of the faces that fit as Text (or, where none does, of those that fit at all), the
// one at the drawn place scaled to their count (drawn * count / faces), so replacements spread
// evenly over them; else `drawn`. Fixed by the draw, so the same draw over the same list gives the
// same face.
size_t FaceThatWrites(const std::vector<std::string>& faces, size_t drawn, std::u32string_view text);

// The fit of one font as fontconfig describes it (a pattern of FcFontList or FcFontSort).
TextFit PatternTextFit(FcPattern* font, std::u32string_view text);
// The stand-in for a missing face among fonts sorted best first (FcFontSort's answer): the first
// outline font that fits `text` as Text, else the first that fits at all, else the first outline
// font that is not a symbol face (the text shows boxes, but no pictures), else the first outline
// font. Bitmap and colour-only fonts
// are never taken. Empty when there is no outline font at all.
std::optional<size_t> StandInIndex(const FcFontSet* sorted, std::u32string_view text);

}  // namespace vortel
