#pragma once
// Where the settings file lives: beside the program when that folder can be written (a portable
// install), else $XDG_CONFIG_HOME/vortel (~/.config/vortel), else the temporary folder. Each
// place is tried by writing Options/WriteTest = 0 into it.
#include <string>
#include <vector>

#include "platform/IniFile.h"

namespace vortel::app {

// The candidate files in the order they are tried.
std::vector<std::string> SettingsCandidates(const std::string& programFolder);

// Opens the first candidate whose file can be written (with WriteTest = 0 written); when none
// can, the last candidate is used as it is, read-only in effect.
IniFile OpenSettings(const std::vector<std::string>& candidates);

}  // namespace vortel::app
