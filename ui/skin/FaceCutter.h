#pragma once
// Cuts the controls' faces out of a window's four state pictures. Each picture
// stays selected into one memory DC for all the controls of the window: a
// screen DC and two memory DCs per face made a page of a hundred buttons take
// over a tenth of a second under Wine.
#include "ui/controls/FaceChoice.h"
#include "ui/skin/Gdi.h"

namespace mervik::ui {

struct SkinImages;

class FaceCutter {
public:
    // The pictures must outlive the cutter, and cannot be selected into
    // another DC while it exists.
    explicit FaceCutter(const SkinImages& images);
    FaceCutter(const FaceCutter&) = delete;
    FaceCutter& operator=(const FaceCutter&) = delete;

    // A new bitmap holding `rect` of the `face` picture; empty when that
    // picture is missing or the rectangle is empty.
    Bitmap Cut(Face face, const RECT& rect) const;

private:
    struct Source {
        Source(HDC screen, HBITMAP picture);
        HBITMAP picture;
        MemoryDC dc;
        SelectGuard select;
    };

    ClientDC screen_;
    Source sources_[4];
    MemoryDC target_;
};

} // namespace mervik::ui
