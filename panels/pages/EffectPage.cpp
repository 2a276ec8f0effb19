#include "panels/pages/EffectPage.h"

namespace vortel::pages {

EffectPage::EffectPage(PageHost& host, presets::Page page, QWidget* parent) : QWidget(parent), host_(host), page_(page) {}

void EffectPage::changedRedraw() {
    engine().Modified = 1;
    if (shown()) host_.valueMoving(0);
}

}  // namespace vortel::pages
