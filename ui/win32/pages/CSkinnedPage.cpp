#include "ui/win32/pages/CSkinnedPage.h"

#include "ui/win32/controls/PlaceButton.h"

namespace mervik::ui {
namespace {
constexpr char kPageClass[] = "Mervik Page";
} // namespace

bool CSkinnedPage::Create(HWND parent) {
    if (!RegisterWindowClass(kPageClass, CS_DBLCLKS, nullptr))
        return false;
    return CWindow::Create(WS_EX_CONTROLPARENT, kPageClass, name_, WS_CHILD | WS_CLIPCHILDREN,
                           RECT{0, 0, 0, 0}, parent);
}

LRESULT CSkinnedPage::OnCreate() {
    return SetUpSkin() ? 0 : -1;
}

void CSkinnedPage::PlaceControls(const SkinFile& skin, const SharedSkinImages& pictures) {
    deferred_.Keep(skin, pictures, 1, controlCount_);
}

void CSkinnedPage::CreateControls() {
    if (!Hwnd())
        return;
    deferred_.Create(Hwnd(), [this] {
        for (int key = 1; key <= controlCount_; ++key) {
            if (PlaceOwnControl(key, deferred_.Place(key), deferred_.Pictures())) {
                ++placed_;
                continue;
            }
            auto button = std::make_unique<CSkinButton>();
            if (PlaceSkinButton(*button, Hwnd(), deferred_.Place(key), deferred_.Pictures())) {
                controls_.push_back(std::move(button));
                keys_.push_back(key);
                ++placed_;
            }
        }
        OnControlsMade();
    });
}

CSkinButton* CSkinnedPage::ButtonAt(int key) const {
    for (size_t i = 0; i < keys_.size(); ++i)
        if (keys_[i] == key)
            return controls_[i].get();
    return nullptr;
}

void CSkinnedPage::SetClick(int key, std::function<void()> action) {
    if (CSkinButton* button = ButtonAt(key))
        button->onClick = std::move(action);
}

void CSkinnedPage::Refresh(const SharedSettingsBlock& settings) {
    if (HasControls())
        ShowSettings(settings);
}

} // namespace mervik::ui
