#pragma once
// A skin picture read from its file when it is first drawn. A window's first
// look needs only its Normal picture (and the Down faces of what starts
// pressed); the Over, Down and Disable pictures of a 200 % skin take several
// times as long to decode as the rest of the start, so they wait for their
// first use or for the window to have nothing else to do (Read).
#include <string>

#include "win32/Gdi.h"

namespace mervik::ui {

class LazyPicture {
public:
    LazyPicture() = default;
    // Read from `path` at the first get(); an empty path is no picture.
    explicit LazyPicture(std::string path) : path_(std::move(path)), read_(path_.empty()) {}
    // A picture already in memory.
    LazyPicture(Bitmap bitmap) : bitmap_(std::move(bitmap)), read_(true) {}

    // The picture, read now if it was not yet; null when it cannot be read.
    HBITMAP get() const;
    bool IsRead() const { return read_; }

private:
    std::string path_;
    mutable Bitmap bitmap_;
    mutable bool read_ = true;
};

} // namespace mervik::ui
