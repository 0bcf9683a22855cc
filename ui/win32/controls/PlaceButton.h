#pragma once
// A skinned button at its BUTTONPOS place: faces from the window's state
// pictures, tooltip and starting state from the skin.
#include "ui/win32/controls/CSkinButton.h"
#include "ui/win32/skin/SkinImages.h"

namespace mervik::ui {

RECT ToRect(const PixelRect& rect);

// Creates `button` as a child of `parent` at key `key` of `skin`.
bool PlaceSkinButton(CSkinButton& button, HWND parent, const SkinFile& skin,
                     const SharedSkinImages& pictures, int key);
// Creates `button` (a skinned or colour button) as a child of `parent` at `place`.
bool PlaceSkinButton(COwnerDrawButton& button, HWND parent, const ButtonPos& place,
                     const SharedSkinImages& pictures);

} // namespace mervik::ui
