#include "ui/win32/skin/CSkinnedWindow.h"

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
    SkinFile skin(skinFile_, scalePercent_);
    SkinImages images = skin.LoadImages();
    if (!images.normal)
        return false;
    mask_ = std::move(images.mask);
    pictures_ = std::make_shared<const SkinImages>(std::move(images));
    FitTo(SkinSize());
    PlaceControls(skin, pictures_);
    ApplyWindowRegion(Hwnd(), RegionFromMask(mask_.get()));
    return Background() != nullptr;
}

void CSkinnedWindow::FitTo(SIZE size) {
    bool child = (GetWindowLongPtrA(Hwnd(), GWL_STYLE) & WS_CHILD) != 0;
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (child ? SWP_NOMOVE : 0);
    SetWindowPos(Hwnd(), nullptr, 0, 0, size.cx, size.cy, flags);
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
