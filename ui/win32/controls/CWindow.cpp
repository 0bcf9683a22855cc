#include "ui/win32/controls/CWindow.h"

#include <windowsx.h>

#include "ui/win32/access/AccessibleControl.h"
#include "ui/win32/controls/OwnerDrawnMenuItem.h"

namespace mervik::ui {
namespace {

POINT PointOf(LPARAM lp) {
    return {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
}

// The item a menu's WM_MEASUREITEM or WM_DRAWITEM is for; none for a control's.
OwnerDrawnMenuItem* MenuItemOf(UINT msg, LPARAM lp) {
    UINT type = 0;
    ULONG_PTR data = 0;
    if (msg == WM_MEASUREITEM) {
        const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lp);
        type = item->CtlType;
        data = item->itemData;
    } else {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        type = item->CtlType;
        data = item->itemData;
    }
    return type == ODT_MENU && data ? reinterpret_cast<OwnerDrawnMenuItem*>(data) : nullptr;
}

} // namespace

CWindow* CWindow::FromHandle(HWND hwnd) {
    return dynamic_cast<CWindow*>(win::Window::FromHandle(hwnd));
}

bool CWindow::ReflectCommand(WPARAM wp, LPARAM lp) {
    CWindow* child = lp ? FromHandle(reinterpret_cast<HWND>(lp)) : nullptr;
    return child && child->OnReflectedCommand(HIWORD(wp));
}

bool CWindow::Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_DRAWITEM || msg == WM_MEASUREITEM) {
        if (OwnerDrawnMenuItem* item = MenuItemOf(msg, lp)) {
            if (msg == WM_MEASUREITEM)
                item->Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp));
            else
                item->Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
            result = TRUE;
            return true;
        }
        if (msg == WM_DRAWITEM) {
            auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
            if (CWindow* child = FromHandle(item->hwndItem)) {
                child->OnDrawItem(*item);
                result = TRUE;
                return true;
            }
        }
        return false;
    }
    if (msg == WM_COMMAND && reinterpret_cast<HWND>(lp) != Hwnd() && ReflectCommand(wp, lp)) {
        result = 0;
        return true;
    }
    if (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) {
        CWindow* child = FromHandle(reinterpret_cast<HWND>(lp));
        HBRUSH brush = child ? child->OnCtlColor(reinterpret_cast<HDC>(wp)) : nullptr;
        if (brush) {
            result = reinterpret_cast<LRESULT>(brush);
            return true;
        }
    }
    return false;
}

LRESULT CWindow::Paint() {
    if (!PaintsItself())
        return Default();
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Hwnd(), &ps);
    OnPaint(dc, ps);
    EndPaint(Hwnd(), &ps);
    return 0;
}

LRESULT CWindow::WindowProcedure(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT reflected = 0;
    if (Reflect(msg, wp, lp, reflected))
        return reflected;
    switch (msg) {
    case WM_CREATE:
        return OnCreate();
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_PAINT:
        return Paint();
    case WM_PRINTCLIENT:
        // Drawn into another's device context (a picture of the window).
        if (PaintsItself()) {
            PAINTSTRUCT ps{};
            ps.hdc = reinterpret_cast<HDC>(wp);
            GetClientRect(Hwnd(), &ps.rcPaint);
            OnPaint(ps.hdc, ps);
            return 0;
        }
        return OnMessage(msg, wp, lp);
    case WM_ERASEBKGND:
        return OnEraseBkgnd(reinterpret_cast<HDC>(wp));
    case WM_COMMAND:
        // A control's notifications went back to it (Reflect).
        if (lp == 0 && HIWORD(wp) == 0)
            return OnMenuCommand(LOWORD(wp));
        return OnMessage(msg, wp, lp);
    case WM_TIMER:
        return OnTimer(wp);
    case WM_LBUTTONDOWN:
        return OnLButtonDown(static_cast<UINT>(wp), PointOf(lp));
    case WM_LBUTTONUP:
        return OnLButtonUp(static_cast<UINT>(wp), PointOf(lp));
    case WM_LBUTTONDBLCLK:
        return OnLButtonDblClk(static_cast<UINT>(wp), PointOf(lp));
    case WM_RBUTTONDOWN:
        return OnRButtonDown(static_cast<UINT>(wp), PointOf(lp));
    case WM_MOUSEMOVE:
        return OnMouseMove(static_cast<UINT>(wp), PointOf(lp));
    case WM_MOUSELEAVE:
        return OnMouseLeave();
    case WM_CAPTURECHANGED:
        return OnCaptureChanged(reinterpret_cast<HWND>(lp));
    case WM_KILLFOCUS:
        return OnKillFocus(reinterpret_cast<HWND>(wp));
    case WM_KEYDOWN:
        return OnKeyDown(static_cast<UINT>(wp));
    case WM_KEYUP:
        return OnKeyUp(static_cast<UINT>(wp));
    case WM_SYSCOMMAND:
        return OnSysCommand(static_cast<UINT>(wp & 0xFFF0));
    case WM_GETOBJECT:
        // A control that describes itself hands out its own object.
        if (dynamic_cast<AccessibleControl*>(this))
            if (LRESULT answer = AnswerGetObject(Hwnd(), wp, lp))
                return answer;
        return OnMessage(msg, wp, lp);
    default:
        return OnMessage(msg, wp, lp);
    }
}

LRESULT CWindow::OnMessage(UINT, WPARAM, LPARAM) {
    return Default();
}

} // namespace mervik::ui
