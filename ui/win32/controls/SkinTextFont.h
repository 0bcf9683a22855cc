#pragma once
// The one font of the skinned texts: button captions, popup menus, the
// in-place name editor, at the scale of the skin they are drawn over. Made
// once a scale and kept for the life of the process.
#include <windows.h>

namespace mervik::ui {

HFONT SkinTextFont(int scalePercent = 100);

} // namespace mervik::ui
