#include "ui/win32/skin/LazyPicture.h"

#include "ui/win32/skin/PicturePrefetch.h"

namespace mervik::ui {

HBITMAP LazyPicture::get() const {
    if (!read_) {
        read_ = true;
        bitmap_ = ReadPicture(path_);
    }
    return bitmap_.get();
}

} // namespace mervik::ui
