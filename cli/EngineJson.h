#pragma once
// The engine state as JSON: the dump every verb prints and the KEY=JSON setter they all accept.
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/Errors.h"
#include "engine/FontFX.h"

namespace vortel::cli {

// Every top-level key of the dump, in the order a reader expects them, including the computed
// "FontFace" that stateToJson leaves to the caller.
const std::vector<std::string>& stateKeys();

// The engine's fields under their own names. "FontFace" is absent: resolving it needs the font
// system and fails for unknown faces, so callers add it with resolvedFontFace when they want it.
nlohmann::json stateToJson(const TFontFX& engine);

// The family the engine's LogFont actually resolves to; throws FontError for an unknown face.
std::string resolvedFontFace(const TFontFX& engine);

// Sets one top-level key. Integers are range-checked against the field's type, objects may be
// partial, and read-only or unknown keys are refused. Throws SettingError; on any error the
// engine is left exactly as it was.
void applySetting(TFontFX& engine, const std::string& key, const nlohmann::json& value);

// Splits "KEY=JSON" and applies it; the JSON text may not be valid, which is a SettingError too.
void applySettingText(TFontFX& engine, const std::string& assignment);

}  // namespace vortel::cli
