#include "ui/pages/CSkinnedPage.h"

#include "ui/controls/ButtonFaces.h"
#include "ui/controls/PlaceButton.h"

namespace mervik::ui {
namespace {
constexpr char kPageClass[] = "Mervik Page";
} // namespace

bool CSkinnedPage::Create(HWND parent) {
    if (!RegisterWindowClass(kPageClass, CS_DBLCLKS, nullptr))
        return false;
    return CWindow::Create(WS_EX_CONTROLPARENT, kPageClass, name_, WS_CHILD | WS_CLIPCHILDREN, RECT{0, 0, 0, 0},
                           parent);
}

LRESULT CSkinnedPage::OnCreate() {
    SetUpSkin();
    return 0;
}

void CSkinnedPage::PlaceControls(const SkinFile& skin, const SharedSkinImages& pictures) {
    places_.clear();
    for (int key = 1; key <= controlCount_; ++key)
        places_.push_back(skin.Pos(key));
    pictures_ = pictures;
}

void CSkinnedPage::CreateControls(const SharedSettingsBlock& settings) {
    if (controlsMade_ || !Hwnd())
        return;
    controlsMade_ = true;
    // On the screen the page already looks as it will with its controls, so
    // a hundred controls need not each be painted as they appear.
    bool onScreen = IsWindowVisible(Hwnd()) != FALSE;
    if (onScreen)
        SendMessageA(Hwnd(), WM_SETREDRAW, FALSE, 0);
    for (const ButtonPos& place : places_) {
        auto button = std::make_unique<CSkinButton>();
        if (PlaceSkinButton(*button, Hwnd(), place, pictures_))
            controls_.push_back(std::move(button));
    }
    if (onScreen)
        SendMessageA(Hwnd(), WM_SETREDRAW, TRUE, 0);
    places_.clear();
    pictures_.reset(); // the controls' faces hold the pictures from now on
    ShowSettings(settings);
}

void CSkinnedPage::Refresh(const SharedSettingsBlock& settings) {
    if (controlsMade_)
        ShowSettings(settings);
}

void CSkinnedPage::DrawOverBackground(HDC dc) {
    if (controlsMade_)
        return;
    ButtonState state;
    state.pressed = true;
    for (const ButtonPos& place : places_) {
        if (!place.pressed)
            continue;
        RECT rect = ToRect(place.rect);
        ButtonFaces(pictures_, rect).Draw(dc, SkinButtonFace(state), rect.left, rect.top);
    }
}

} // namespace mervik::ui
