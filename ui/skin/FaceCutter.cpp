#include "ui/skin/FaceCutter.h"

#include "ui/skin/SkinImages.h"

namespace mervik::ui {

FaceCutter::Source::Source(HDC screen, HBITMAP picture)
    : picture(picture), dc(screen), select(dc.get(), picture) {}

FaceCutter::FaceCutter(const SkinImages& images)
    : screen_(nullptr),
      sources_{{screen_.get(), images.normal.get()},
               {screen_.get(), images.over.get()},
               {screen_.get(), images.down.get()},
               {screen_.get(), images.disable.get()}},
      target_(screen_.get()) {}

Bitmap FaceCutter::Cut(Face face, const RECT& rect) const {
    const Source& source = sources_[static_cast<int>(face)];
    int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (!source.picture || w <= 0 || h <= 0)
        return {};
    Bitmap piece(CreateCompatibleBitmap(screen_.get(), w, h));
    if (!piece)
        return {};
    SelectGuard select(target_.get(), piece.get());
    BitBlt(target_.get(), 0, 0, w, h, source.dc.get(), rect.left, rect.top, SRCCOPY);
    return piece;
}

} // namespace mervik::ui
