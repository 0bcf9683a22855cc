#include "ui/win32/skin/CSkinnedWindow.h"

#include "ui/core/DisplayScale.h"
#include "ui/win32/skin/MaskRegion.h"
#include "ui/win32/skin/SkinFolder.h"
#include "ui/win32/skin/SkinScaleChoice.h"

namespace mervik::ui {

std::string CSkinnedWindow::SkinVariantDir() const {
    return SkinVariantFolder(scalePercent_);
}

bool CSkinnedWindow::SetUpSkin() {
    if (!(GetWindowLongPtrA(Hwnd(), GWL_STYLE) & WS_CHILD))
        scalePercent_ = ChooseWindowSkinScale(Hwnd(), skinFile_);
    return SetUpSkinAt(scalePercent_, RECT{});
}

bool CSkinnedWindow::SetUpSkinAt(int percent, const RECT& place) {
    ReadAhead(percent);
    SkinFile skin(skinFile_, percent);
    SkinImages images = skin.LoadImages();
    if (!images.normal)
        return false;
    scalePercent_ = percent;
    mask_ = std::move(images.mask);
    pictures_ = std::make_shared<const SkinImages>(std::move(images));
    FitTo(SkinSize(), &place);
    PlaceControls(skin, pictures_);
    ApplyWindowRegion(Hwnd(), RegionFromMask(mask_.get()));
    return true;
}

void CSkinnedWindow::FitTo(SIZE size, const RECT* place) {
    bool child = (GetWindowLongPtrA(Hwnd(), GWL_STYLE) & WS_CHILD) != 0;
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (child ? SWP_NOMOVE : 0);
    const PixelRect rect = RescaledWindowRect(
        PixelRect{place->left, place->top, place->right, place->bottom}, size.cx, size.cy);
    SetWindowPos(Hwnd(), nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, flags);
}

void CSkinnedWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    const int percent =
        ChooseSkinScaleOn(MonitorFromRect(&suggested, MONITOR_DEFAULTTONEAREST), dpi, skinFile_);
    if (percent != scalePercent_ && Rescale(percent, suggested))
        return;
    SetWindowPos(Hwnd(), nullptr, suggested.left, suggested.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CSkinnedWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_DPICHANGED)
        return CWindow::OnMessage(msg, wp, lp);
    // Both halves of wParam hold the same DPI; the rectangle is in lParam.
    OnDpiChanged(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
    return 0;
}

void CSkinnedWindow::OnPaint(HDC dc, const PAINTSTRUCT&) {
    RECT client;
    GetClientRect(Hwnd(), &client);
    Bitmap canvas(CreateCompatibleBitmap(dc, client.right, client.bottom));
    MemoryDC memory(dc);
    SelectGuard select(memory.get(), canvas.get());
    DrawBitmap(memory.get(), Background(), 0, 0);
    DrawOverBackground(memory.get());
    BitBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
}

LRESULT CSkinnedWindow::OnLButtonDown(UINT, POINT pt) {
    ClientToScreen(Hwnd(), &pt);
    PostMessageA(DragTarget(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(pt.x, pt.y));
    return 0;
}

void CSkinnedWindow::OnDestroy() {
    mask_.reset();
    pictures_.reset(); // the controls' faces keep them until the controls go
}

} // namespace mervik::ui
