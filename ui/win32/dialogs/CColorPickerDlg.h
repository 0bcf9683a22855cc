#pragma once
// The colour picker: a click on the skin's palette picture takes the colour
// under the pointer, which the preview shows at once; from the keyboard the
// palette's own control moves a cross over it. The caller stores the
// colour after OK.
#include <cstdint>
#include <optional>

#include "ui/core/ButtonPos.h"
#include "ui/win32/controls/CPaletteField.h"
#include "ui/win32/skin/CSkinnedDialog.h"

namespace mervik::ui {

class CColorPickerDlg : public CSkinnedDialog {
public:
    explicit CColorPickerDlg(COLORREF colour);

    // After OK the picked colour, otherwise the one the dialog was opened with.
    COLORREF Colour() const { return Accepted() ? colour_ : opened_; }

protected:
    ButtonKeys DialogButtonKeys() const override { return {1, 2, 5}; }
    void PlaceDialogControls(const SkinFile& skin, const SharedSkinImages& pictures) override;
    void OnInitDialog() override;
    void DrawOverBackground(HDC dc) override;
    LRESULT OnLButtonDown(UINT keys, POINT pt) override;
    void OnOk() override { ShowPreview(); }
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    static constexpr int kPreviewKey = 3;
    static constexpr int kPaletteKey = 4;

    // The palette picture's own pixel, whatever may cover the window.
    std::optional<uint32_t> PictureColourAt(POINT pt) const;
    void ShowPreview();
    void Pick(POINT pt);

    COLORREF opened_;
    COLORREF colour_;
    PixelRect preview_;
    PixelRect palette_;
    CPaletteField paletteKeys_;
};

} // namespace mervik::ui
