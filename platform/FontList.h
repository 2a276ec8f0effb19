#pragma once
#include <string>
#include <vector>

namespace vortel {

// The family names of every installed outline font (TrueType, OpenType, Type 1 outlines; never
// bitmap fonts), each once, sorted without regard to case: the face list of the Text page and the
// faces the random generator picks from.
std::vector<std::string> InstalledOutlineFaces();

}  // namespace vortel
