#pragma once
// Skin images from disk: bitmap and PNG files directly, any other format the
// system picture loader reads (JPEG, GIF) through it.
#include <string>

#include "win32/Gdi.h"

namespace mervik::ui {

// A bitmap of the picture in `path` (a DIB section for bitmap files). A missing, empty or
// unreadable file gives an empty (null) bitmap: skins ship beside the program
// and anyone may have damaged them, so a bad one must cost looks, not a crash.
Bitmap LoadPicture(const std::string& path);

} // namespace mervik::ui
