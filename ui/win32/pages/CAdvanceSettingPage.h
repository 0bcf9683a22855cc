#pragma once
// Page 2: macros.
#include "ui/core/SkinControls.h"
#include "ui/win32/pages/CSkinnedPage.h"

namespace mervik::ui {

class CAdvanceSettingPage : public CSkinnedPage {
public:
    CAdvanceSettingPage()
        : CSkinnedPage("skin_advance_setting.ini", "page2", skin_controls::kAdvanceSetting) {}
};

} // namespace mervik::ui
