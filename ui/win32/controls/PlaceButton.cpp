#include "ui/win32/controls/PlaceButton.h"

namespace mervik::ui {

RECT ToRect(const PixelRect& rect) {
    return RECT{rect.left, rect.top, rect.right, rect.bottom};
}

bool PlaceSkinButton(CSkinButton& button, HWND parent, const SkinFile& skin,
                     const SharedSkinImages& pictures, int key) {
    return PlaceSkinButton(button, parent, skin.Pos(key), pictures);
}

bool PlaceSkinButton(COwnerDrawButton& button, HWND parent, const ButtonPos& pos,
                     const SharedSkinImages& pictures) {
    RECT rect = ToRect(pos.rect);
    if (!button.Create(parent, rect))
        return false;
    button.SetFaces(ButtonFaces(pictures, rect));
    button.SetTooltip(pos.tooltip);
    button.SetPressed(pos.pressed);
    button.SetAccessKey(pos.accessKey);
    button.SetLabel(pos.label);
    return true;
}

} // namespace mervik::ui
