#pragma once
// The one font of the skinned texts: button captions, popup menus, the
// in-place name editor. Made once and kept for the life of the process.
#include <windows.h>

namespace mervik::ui {

HFONT SkinTextFont();

} // namespace mervik::ui
