#pragma once
// The fonts of the skinned texts. Latin texts use Arial, at the narrow width
// the skins were drawn for; Chinese texts Microsoft YaHei at its own width
// (every Windows since Vista has it; Arial has no Chinese letters, and its
// narrow width would squeeze theirs). Which one follows the language the
// windows speak, set at start-up and again when the user changes it.
#include <windows.h>

#include "settings/UiLanguage.h"

namespace mervik::ui {

void SetSkinTextLanguage(UiLanguage language);

// A new font for the language: `height` pixels; for Latin texts the face
// `latinFace` with the average letter width `latinWidth` (0: the font's own).
HFONT CreateSkinFont(int height, int latinWidth, int weight, const wchar_t* latinFace = L"Arial");

// The one font of button captions, popup menus, the status area and the
// in-place name editor, made once per language and kept for the life of
// the process.
HFONT SkinTextFont();

} // namespace mervik::ui
