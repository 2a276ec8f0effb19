#pragma once
// Where the settings file lives: beside the program when that folder can be written (a portable
// install), else $XDG_CONFIG_HOME/vortel (~/.config/vortel), else the temporary folder. Each
// place is tried by writing Options/WriteTest = 0 into it.
#include <QRect>
#include <string>
#include <vector>

#include "platform/IniFile.h"

namespace vortel::app {

// The candidate files in the order they are tried.
std::vector<std::string> SettingsCandidates(const std::string& programFolder);

// Opens the first candidate whose file can be written (with WriteTest = 0 written); when none
// can, the last candidate is used as it is, read-only in effect.
IniFile OpenSettings(const std::vector<std::string>& candidates);

// How many texture folders the settings keep.
inline constexpr int MaxTextureFolders = 10;
// The smallest main window the settings may ask for.
inline constexpr int MinWindowWidth = 320, MinWindowHeight = 240;

// The main window's place from the stored left, top, width and height, inside `area` (the
// screen's available part): the size at least the minimum and at most the area, the window
// wholly inside it; a left or top of -1 (nothing stored) centres the window on that axis.
QRect WindowPlace(const QRect& area, int left, int top, int width, int height);

// Whether most of `frame` lies on one of the screens.
bool OnAScreen(const QRect& frame);

}  // namespace vortel::app
