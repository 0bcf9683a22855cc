#pragma once
// Page 1: buttons, performance and lighting.
#include "ui/core/SkinControls.h"
#include "ui/win32/pages/CSkinnedPage.h"

namespace mervik::ui {

class CButtonPage : public CSkinnedPage {
public:
    CButtonPage() : CSkinnedPage("skin_button_page.ini", "page1", skin_controls::kButtonPage) {}
};

} // namespace mervik::ui
