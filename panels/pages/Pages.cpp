#include "panels/pages/Pages.h"

namespace vortel::pages {

std::map<presets::Page, EffectPage*> MakePages(PageHost&) {
    std::map<presets::Page, EffectPage*> pages;
    return pages;
}

}  // namespace vortel::pages
