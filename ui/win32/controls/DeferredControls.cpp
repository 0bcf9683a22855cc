#include "ui/win32/controls/DeferredControls.h"

#include "ui/win32/controls/ButtonFaces.h"
#include "ui/win32/controls/PlaceButton.h"

namespace mervik::ui {

void DeferredControls::Keep(const SkinFile& skin, SharedSkinImages pictures, int firstKey,
                            int lastKey) {
    firstKey_ = firstKey;
    made_ = false;
    places_.clear();
    for (int key = firstKey; key <= lastKey; ++key)
        places_.push_back(skin.Pos(key));
    pictures_ = std::move(pictures);
}

const ButtonPos& DeferredControls::Place(int key) const {
    static const ButtonPos kNowhere;
    size_t index = static_cast<size_t>(key - firstKey_);
    return key >= firstKey_ && index < places_.size() ? places_[index] : kNowhere;
}

void DeferredControls::DrawPressed(HDC dc) const {
    if (made_)
        return;
    ButtonState pressed;
    pressed.pressed = true;
    for (const ButtonPos& place : places_) {
        if (!place.pressed)
            continue;
        RECT rect = ToRect(place.rect);
        ButtonFaces(pictures_, rect).Draw(dc, SkinButtonFace(pressed), rect.left, rect.top);
    }
}

void DeferredControls::Create(HWND window, const std::function<void()>& create) {
    if (made_)
        return;
    made_ = true;
    bool holdRedraw = IsWindowVisible(window) && (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD);
    if (holdRedraw)
        SendMessageA(window, WM_SETREDRAW, FALSE, 0);
    create();
    if (holdRedraw)
        SendMessageA(window, WM_SETREDRAW, TRUE, 0);
    places_.clear();
    pictures_.reset(); // the controls' faces hold the pictures from now on
}

} // namespace mervik::ui
