#pragma once
// Page 1: buttons, performance and lighting.
#include "ui/win32/pages/CSkinnedPage.h"

namespace mervik::ui {

class CButtonPage : public CSkinnedPage {
public:
    static constexpr int kControlCount = 111;
    CButtonPage() : CSkinnedPage("skin_button_page.ini", "page1", kControlCount) {}
};

} // namespace mervik::ui
