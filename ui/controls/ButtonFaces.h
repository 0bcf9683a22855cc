#pragma once
// The four pictures of a control, cut once from the window's state images so
// that painting is a single copy.
#include "ui/controls/FaceChoice.h"
#include "ui/skin/Gdi.h"

namespace mervik::ui {

class FaceCutter;

class ButtonFaces {
public:
    ButtonFaces() = default;
    // Cut at `rect` from the Normal, Over, Down and Disable images.
    ButtonFaces(const FaceCutter& cutter, const RECT& rect);
    ButtonFaces(Bitmap normal, Bitmap over, Bitmap down, Bitmap disable);

    HBITMAP Get(Face face) const { return faces_[static_cast<int>(face)].get(); }

private:
    Bitmap faces_[4];
};

} // namespace mervik::ui
