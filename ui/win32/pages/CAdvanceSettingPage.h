#pragma once
// Page 2: macros.
#include "ui/win32/pages/CSkinnedPage.h"

namespace mervik::ui {

class CAdvanceSettingPage : public CSkinnedPage {
public:
    static constexpr int kControlCount = 22;
    CAdvanceSettingPage() : CSkinnedPage("skin_advance_setting.ini", "page2", kControlCount) {}
};

} // namespace mervik::ui
