#pragma once
// A window that takes its whole look from a skin: shape from the mask,
// background from the Normal picture, controls at their BUTTONPOS places with
// their faces in the four state pictures. It paints double-buffered and can be
// dragged by any point.
#include <string>

#include "ui/win32/controls/CWindow.h"
#include "ui/win32/skin/SkinImages.h"

namespace mervik::ui {

class CSkinnedWindow : public CWindow {
public:
    explicit CSkinnedWindow(std::string skinFile) : skinFile_(std::move(skinFile)) {}

    const std::string& SkinFileName() const { return skinFile_; }
    SIZE SkinSize() const { return BitmapSize(Background()); }
    // The scale of the skin variant the window is drawn with (100 for the
    // skin's own size). A top-level window chooses it by its monitor's DPI
    // when it is made; a child is given its parent's before it is made.
    int SkinScale() const { return scalePercent_; }
    void SetSkinScale(int percent) { scalePercent_ = percent; }
    // The folder of that variant, where the pictures loaded by fixed name are.
    std::string SkinVariantDir() const;
    // Reads the state pictures no face has needed yet (SkinImages).
    void ReadStatePictures() const {
        if (pictures_)
            pictures_->ReadStatePictures();
    }

protected:
    // Reads the skin, sizes the window, places the controls and cuts the
    // shape. Top-level windows go to the screen's top-left corner. False when
    // the skin has no usable background picture: such a window would be
    // invisible, so its creation fails instead.
    bool SetUpSkin();
    // The same with the skin's variant at `percent`, a top-level window
    // placed by `place` (its corner; the size is the skin's). False, with
    // nothing changed, when that variant has no usable background picture.
    bool SetUpSkinAt(int percent, const RECT& place);
    // The window's monitor now has `dpi` (WM_DPICHANGED), and the system
    // suggests `suggested` for it: the window takes the variant for that DPI
    // by the rule it was made with (Rescale), or keeps its own and only moves.
    void OnDpiChanged(int dpi, const RECT& suggested);
    // Draws the window anew with the variant at `percent`, placed by
    // `place`; false when it cannot, and the window then keeps its scale.
    // A window whose controls are made once keeps its scale.
    virtual bool Rescale(int /*percent*/, const RECT& /*place*/) { return false; }
    // Before the window reads its pictures at `percent`: pictures of other
    // windows it is about to need can be read ahead meanwhile
    // (PrefetchPicture).
    virtual void ReadAhead(int /*percent*/) {}
    // Creates the window's controls, which share `pictures` for their faces.
    virtual void PlaceControls(const SkinFile&, const SharedSkinImages& /*pictures*/) {}
    // Text some windows draw over their background, into the off-screen picture.
    virtual void DrawOverBackground(HDC) {}
    // Who is dragged by a press on the background.
    virtual HWND DragTarget() const { return Hwnd(); }
    HBITMAP Background() const { return pictures_ ? pictures_->normal.get() : nullptr; }

    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    bool PaintsItself() const override { return true; }
    void OnPaint(HDC dc, const PAINTSTRUCT& ps) override;
    LRESULT OnEraseBkgnd(HDC) override { return 1; }
    LRESULT OnLButtonDown(UINT, POINT pt) override;
    void OnDestroy() override;

private:
    void FitTo(SIZE size, const RECT* place);

    std::string skinFile_;
    int scalePercent_ = 100;
    Bitmap mask_;
    SharedSkinImages pictures_;
};

} // namespace mervik::ui
