#pragma once
// A control's four faces: its own rectangle of the window's Normal, Over,
// Down and Disable pictures. Every control of a window shares those pictures
// instead of keeping copies, so placing a page of a hundred buttons copies no
// pixels, and painting a face is still a single copy.
#include <memory>

#include "ui/core/FaceChoice.h"
#include "ui/win32/skin/SkinImages.h"

namespace mervik::ui {

class ButtonFaces {
public:
    ButtonFaces() = default;
    ButtonFaces(SharedSkinImages pictures, const RECT& rect)
        : pictures_(std::move(pictures)), rect_(rect) {}

    // Draws `face` with its top-left corner at x, y of `dc`; nothing when
    // that picture is missing or the rectangle is empty.
    void Draw(HDC dc, Face face, int x, int y) const;
    // The skin's focus ring.
    FocusLook Focus() const { return pictures_ ? pictures_->Focus() : FocusLook{}; }
    // The scale of the pictures, which what is drawn over a face follows.
    int ScalePercent() const { return pictures_ ? pictures_->scalePercent : 100; }
    // A control whose skin shows it disabled with another of its faces.
    void ShowDisabledAs(Face face) { disabledAs_ = face; }

private:
    HBITMAP Picture(Face face) const;

    SharedSkinImages pictures_;
    RECT rect_{};
    Face disabledAs_ = Face::Disable;
};

} // namespace mervik::ui
