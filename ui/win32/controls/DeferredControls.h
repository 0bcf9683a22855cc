#pragma once
// The places of a window's skinned controls, kept so that the controls can
// be made after the window is first on the screen. Under Wine every child
// window costs a millisecond or more to create, show and paint; a window's
// Normal picture already shows its controls in their normal state, so the
// window can appear first. Until the controls exist it draws the faces of
// those that start pressed itself (DrawPressed).
#include <functional>
#include <vector>

#include "ui/core/ButtonPos.h"
#include "ui/win32/skin/SkinImages.h"

namespace mervik::ui {

class DeferredControls {
public:
    // Keeps BUTTONPOS keys firstKey..lastKey of `skin`; a window set up anew
    // (at another scale) makes its controls again.
    void Keep(const SkinFile& skin, SharedSkinImages pictures, int firstKey, int lastKey);
    // Key `key`'s place; an empty one outside the kept keys.
    const ButtonPos& Place(int key) const;
    const SharedSkinImages& Pictures() const { return pictures_; }

    // Draws the Down face of every kept place that starts pressed, until
    // the controls are made.
    void DrawPressed(HDC dc) const;
    // Runs `create` once, then forgets the places. A child window on the
    // screen already looks as it will, so its redrawing is held off
    // meanwhile; a top-level window's is not, as that could hide it.
    void Create(HWND window, const std::function<void()>& create);
    bool Made() const { return made_; }

private:
    int firstKey_ = 1;
    std::vector<ButtonPos> places_;
    SharedSkinImages pictures_;
    bool made_ = false;
};

} // namespace mervik::ui
