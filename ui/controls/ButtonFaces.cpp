#include "ui/controls/ButtonFaces.h"

#include "ui/skin/FaceCutter.h"

namespace mervik::ui {

ButtonFaces::ButtonFaces(const FaceCutter& cutter, const RECT& rect)
    : ButtonFaces(cutter.Cut(Face::Normal, rect), cutter.Cut(Face::Over, rect), cutter.Cut(Face::Down, rect),
                  cutter.Cut(Face::Disable, rect)) {}

ButtonFaces::ButtonFaces(Bitmap normal, Bitmap over, Bitmap down, Bitmap disable) {
    faces_[static_cast<int>(Face::Normal)] = std::move(normal);
    faces_[static_cast<int>(Face::Over)] = std::move(over);
    faces_[static_cast<int>(Face::Down)] = std::move(down);
    faces_[static_cast<int>(Face::Disable)] = std::move(disable);
}

} // namespace mervik::ui
