#pragma once
// Every page of the notebook that exists, made for one host.
#include <map>

#include "panels/pages/EffectPage.h"

namespace vortel::pages {

std::map<presets::Page, EffectPage*> MakePages(PageHost& host);

}  // namespace vortel::pages
