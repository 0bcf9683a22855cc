#pragma once
// Skin images from disk through the system picture loader, so any format it
// reads (bitmap, JPEG, GIF) will do.
#include <string>

#include "ui/skin/Gdi.h"

namespace mervik::ui {

// A device-dependent bitmap of the picture in `path`. A missing, empty or
// unreadable file gives an empty (null) bitmap: skins ship beside the program
// and anyone may have damaged them, so a bad one must cost looks, not a crash.
Bitmap LoadPicture(const std::string& path);

} // namespace mervik::ui
