#include "panels/pages/Pages.h"

#include "panels/pages/TextPage.h"
#include "panels/pages/BevelPage.h"
#include "panels/pages/SurfacePage.h"
#include "panels/pages/OutlinePage.h"
#include "panels/pages/ShadowPage.h"
#include "panels/pages/FramePage.h"
#include "panels/pages/StylePage.h"

namespace vortel::pages {

std::map<presets::Page, EffectPage*> MakePages(PageHost& host) {
    std::map<presets::Page, EffectPage*> pages;
    pages[presets::Page::Text] = new TextPage(host);
    pages[presets::Page::Bevel] = new BevelPage(host);
    pages[presets::Page::Surface] = new SurfacePage(host);
    pages[presets::Page::Outline] = new OutlinePage(host);
    pages[presets::Page::Shadow] = new ShadowPage(host);
    pages[presets::Page::Frame] = new FramePage(host);
    pages[presets::Page::Style] = new StylePage(host);
    return pages;
}

}  // namespace vortel::pages
