#include "ui/win32/pages/CDisplayNoticeControls.h"

#include "lang/TextIds.h"
#include "ui/core/NoticePlaces.h"
#include "ui/win32/controls/CSkinButton.h"
#include "ui/win32/controls/CSkinMenu.h"
#include "ui/win32/pages/CSkinnedPage.h"

namespace mervik::ui {

namespace {

constexpr int kPlaceMenuWidth = 150;

} // namespace

void CDisplayNoticeControls::TakeButtons(const CSkinnedPage& page) {
    page_ = page.Hwnd();
    dpi_ = page.ButtonAt(kDpiKey);
    profile_ = page.ButtonAt(kProfileKey);
    place_ = page.ButtonAt(kPlaceKey);
    auto takeSwitch = [this](CSkinButton* button, void (OsdSettings::*set)(bool)) {
        if (!button)
            return;
        button->SetToggle(true);
        button->onClick = [this, button, set] {
            if (OsdSettings* record = record_())
                (record->*set)(button->Pressed());
        };
    };
    takeSwitch(dpi_, &OsdSettings::SetShowsDpiNotices);
    takeSwitch(profile_, &OsdSettings::SetShowsProfileNotices);
    if (place_)
        place_->onClick = [this] { ChoosePlace(); };
}

void CDisplayNoticeControls::Show() {
    const OsdSettings* record = record_();
    if (!record)
        return;
    if (dpi_)
        dpi_->SetPressed(record->ShowsDpiNotices());
    if (profile_)
        profile_->SetPressed(record->ShowsProfileNotices());
    if (place_) {
        const NoticePlace& place =
            NoticePlaces()[NearestNoticePlace(record->NoticeX(), record->NoticeY())];
        place_->SetCaption(text_(place.text));
    }
}

void CDisplayNoticeControls::ChoosePlace() {
    OsdSettings* record = record_();
    if (!record || !place_)
        return;
    RECT button;
    GetWindowRect(place_->Hwnd(), &button);
    CSkinMenu menu(NoticePlaceMenu(), kPlaceMenuWidth, text_, place_->SkinScale());
    const size_t chosen =
        NoticePlaceOfCommand(menu.Track(page_, POINT{button.left, button.bottom}));
    if (chosen >= kNoticePlaceCount)
        return;
    record->SetNoticePosition(NoticePlaces()[chosen].x, NoticePlaces()[chosen].y);
    Show();
}

} // namespace mervik::ui
