#include "ui/win32/dialogs/CColorPickerDlg.h"

#include <cstdio>

#include "ui/core/PalettePick.h"
#include "ui/win32/controls/PlaceButton.h"

namespace mervik::ui {

CColorPickerDlg::CColorPickerDlg(COLORREF colour)
    : CSkinnedDialog("skin_dpi_color.ini"), opened_(colour), colour_(colour) {}

void CColorPickerDlg::PlaceDialogControls(const SkinFile& skin, const SharedSkinImages& pictures) {
    preview_ = skin.Pos(kPreviewKey).rect;
    const ButtonPos palette = skin.Pos(kPaletteKey);
    palette_ = palette.rect;
    if (pictures && paletteKeys_.Create(Hwnd(), palette_, pictures->normal.get())) {
        paletteKeys_.SetFocusLook(pictures->Focus());
        paletteKeys_.SetLabel(palette.label);
        paletteKeys_.onPick = [this](POINT pt) { Pick(pt); };
    }
}

void CColorPickerDlg::OnInitDialog() {
    CentreOnOwner();
    ShowPreview(); // the palette's value for screen readers too
}

void CColorPickerDlg::DrawOverBackground(HDC dc) {
    if (preview_.IsEmpty())
        return;
    Brush fill(CreateSolidBrush(colour_));
    const RECT rect = ToRect(preview_);
    FillRect(dc, &rect, fill.get());
}

void CColorPickerDlg::Pick(POINT pt) {
    const COLORREF picked = ColourAfterPress(palette_, pt.x, pt.y, PictureColourAt(pt), colour_);
    if (picked != colour_) {
        colour_ = picked;
        ShowPreview();
    }
}

void CColorPickerDlg::ShowPreview() {
    char value[8];
    snprintf(value, sizeof value, "#%02X%02X%02X", GetRValue(colour_), GetGValue(colour_),
             GetBValue(colour_));
    paletteKeys_.SetValueText(value);
    const RECT rect = ToRect(preview_);
    InvalidateRect(Hwnd(), &rect, FALSE);
    UpdateWindow(Hwnd());
}

std::optional<uint32_t> CColorPickerDlg::PictureColourAt(POINT pt) const {
    MemoryDC memory;
    SelectGuard select(memory.get(), Background());
    const COLORREF pixel = GetPixel(memory.get(), pt.x, pt.y);
    if (pixel == CLR_INVALID)
        return std::nullopt;
    return static_cast<uint32_t>(pixel);
}

LRESULT CColorPickerDlg::OnLButtonDown(UINT keys, POINT pt) {
    if (InPalette(palette_, pt.x, pt.y)) {
        SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_CROSS)));
        Pick(pt);
    }
    // Either way the press goes on to move the window.
    return CSkinnedDialog::OnLButtonDown(keys, pt);
}

// The cross over the palette, the arrow elsewhere.
LRESULT CColorPickerDlg::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_SETCURSOR || reinterpret_cast<HWND>(wp) != Hwnd() || LOWORD(lp) != HTCLIENT)
        return CSkinnedDialog::OnMessage(msg, wp, lp);
    POINT pt;
    GetCursorPos(&pt);
    ScreenToClient(Hwnd(), &pt);
    const bool cross = CursorAt(palette_, pt.x, pt.y) == PickCursor::Cross;
    SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(cross ? IDC_CROSS : IDC_ARROW)));
    return TRUE;
}

} // namespace mervik::ui
