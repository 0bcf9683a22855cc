#include "ui/win32/controls/ButtonFaces.h"

namespace mervik::ui {

HBITMAP ButtonFaces::Picture(Face face) const {
    if (!pictures_)
        return nullptr;
    switch (face) {
    case Face::Normal:
        return pictures_->normal.get();
    case Face::Over:
        return pictures_->over.get();
    case Face::Down:
        return pictures_->down.get();
    case Face::Disable:
        return pictures_->disable.get();
    }
    return nullptr;
}

void ButtonFaces::Draw(HDC dc, Face face, int x, int y) const {
    DrawBitmapPart(dc, Picture(face == Face::Disable ? disabledAs_ : face), rect_, x, y);
}

} // namespace mervik::ui
