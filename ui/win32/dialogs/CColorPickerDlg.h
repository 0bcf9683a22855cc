#pragma once
// The colour picker: a click on the skin's palette picture takes the colour
// under the pointer, which the preview shows at once. The caller stores the
// colour after OK.
#include <cstdint>
#include <optional>

#include "ui/core/ButtonPos.h"
#include "ui/win32/controls/CSkinButton.h"
#include "ui/win32/skin/CSkinnedDialog.h"

namespace mervik::ui {

class CColorPickerDlg : public CSkinnedDialog {
public:
    explicit CColorPickerDlg(COLORREF colour);

    // After OK the picked colour, otherwise the one the dialog was opened with.
    COLORREF Colour() const { return accepted_ ? colour_ : opened_; }

protected:
    void PlaceControls(const SkinFile& skin, const SharedSkinImages& pictures) override;
    void OnInitDialog() override;
    void DrawOverBackground(HDC dc) override;
    LRESULT OnLButtonDown(UINT keys, POINT pt) override;
    LRESULT OnCommand(WORD code, HWND control) override;
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    enum { kOk, kCancel, kClose, kButtonCount };
    static constexpr int kButtonKeys[kButtonCount] = {1, 2, 5};
    static constexpr int kPreviewKey = 3;
    static constexpr int kPaletteKey = 4;

    // The palette picture's own pixel, whatever may cover the window.
    std::optional<uint32_t> PictureColourAt(POINT pt) const;
    void ShowPreview();

    COLORREF opened_;
    COLORREF colour_;
    bool accepted_ = false;
    PixelRect preview_;
    PixelRect palette_;
    CSkinButton buttons_[kButtonCount];
};

} // namespace mervik::ui
