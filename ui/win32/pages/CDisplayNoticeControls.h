#pragma once
// The on-screen display's controls of the macro page: whether the display
// shows the mouse's DPI and rate changes, whether it shows profile switches,
// and where on the screen. They edit the main window's working copy of the
// display's record, which Apply saves. A skin without their keys has none.
#include <windows.h>

#include <functional>

#include "settings/OsdSettings.h"
#include "ui/core/TextLookup.h"

namespace mervik::ui {

class CSkinButton;
class CSkinnedPage;

class CDisplayNoticeControls {
public:
    enum Key { kDpiKey = 24, kProfileKey = 25, kPlaceKey = 26 };

    using Record = std::function<OsdSettings*()>;
    CDisplayNoticeControls(Record record, TextLookup text)
        : record_(std::move(record)), text_(std::move(text)) {}

    // The buttons, once the page made them.
    void TakeButtons(const CSkinnedPage& page);
    void Show();

private:
    void ChoosePlace();

    Record record_;
    TextLookup text_;
    HWND page_ = nullptr;
    CSkinButton* dpi_ = nullptr;
    CSkinButton* profile_ = nullptr;
    CSkinButton* place_ = nullptr;
};

} // namespace mervik::ui
