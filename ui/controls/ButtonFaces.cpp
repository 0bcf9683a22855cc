#include "ui/controls/ButtonFaces.h"

#include "ui/skin/SkinImages.h"

namespace mervik::ui {

ButtonFaces::ButtonFaces(const SkinImages& images, const RECT& rect)
    : ButtonFaces(CutBitmap(images.normal.get(), rect), CutBitmap(images.over.get(), rect),
                  CutBitmap(images.down.get(), rect), CutBitmap(images.disable.get(), rect)) {}

ButtonFaces::ButtonFaces(Bitmap normal, Bitmap over, Bitmap down, Bitmap disable) {
    faces_[static_cast<int>(Face::Normal)] = std::move(normal);
    faces_[static_cast<int>(Face::Over)] = std::move(over);
    faces_[static_cast<int>(Face::Down)] = std::move(down);
    faces_[static_cast<int>(Face::Disable)] = std::move(disable);
}

} // namespace mervik::ui
