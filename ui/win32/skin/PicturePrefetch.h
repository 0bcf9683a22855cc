#pragma once
// Reading a skin's pictures ahead, on threads of their own. Decoding the
// pictures a 200 % window's first paint needs is most of Option's start, and
// one picture does not wait for another: read side by side they take the
// time of the longest on a machine of two cores or more.
#include <string>

#include "win32/Gdi.h"

namespace mervik::ui {

// Starts reading the picture at `path` (LoadPicture's rules) on a thread of
// its own, unless it is being read already; nothing for an empty path.
void PrefetchPicture(const std::string& path);

// The picture at `path`: the one read ahead, waited for, or read now when
// none was started. A picture read ahead is handed out once.
Bitmap ReadPicture(const std::string& path);

} // namespace mervik::ui
