#pragma once
// The fonts of the skinned texts, at the scale of the skin they are drawn
// over. Latin texts use Arial, at the narrow width the skins were drawn for;
// Chinese texts Microsoft YaHei at its own width (every Windows since Vista
// has it; Arial has no Chinese letters, and its narrow width would squeeze
// theirs). The Chinese face serves every text while the windows speak
// Chinese, and a text with a wide letter while they speak English (a
// language's own name in the language menu, a name typed on a Chinese
// system).
#include <windows.h>

#include <string_view>

#include "settings/UiLanguage.h"

namespace mervik::ui {

// The language the windows speak, set at start-up and when it changes.
void SetSkinTextLanguage(UiLanguage language);

// Whether `text` (UTF-8) is drawn in the Chinese face.
bool WantsChineseFace(std::string_view text);

// A new font `height` pixels high (already scaled): for Latin texts the face
// `latinFace` with the average letter width `latinWidth` (0: the font's own);
// the Chinese face while the windows speak Chinese, or when `wideText` says
// the text holds wide letters.
HFONT CreateSkinFont(int height, int latinWidth, int weight, const wchar_t* latinFace = L"Arial",
                     bool wideText = false);

// The font of button captions, popup menus, the status area and the
// in-place name editor for `text`, at `scalePercent`: made once a scale and
// face and kept for the life of the process.
HFONT SkinTextFont(int scalePercent = 100, std::string_view text = {});

} // namespace mervik::ui
