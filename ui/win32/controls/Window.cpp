#include "ui/win32/controls/Window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

#include "settings/PathFileName.h"
#include "ui/win32/controls/OwnerDrawnMenuItem.h"
#include "win32/GuardedMessage.h"

namespace mervik::ui {
namespace {

// Which object runs which window. Not a window property: under Wine every
// property read is a round trip to the window server, and this lookup runs
// for each message of each window and again for each reflected one, which
// made the first look of the main window measurably slower.
struct Objects {
    std::mutex mutex;
    std::unordered_map<HWND, CWindow*> byWindow;
};

// Never destroyed, so objects that outlive it at exit can still detach.
Objects& TheObjects() {
    static Objects* objects = new Objects;
    return *objects;
}

void Bind(HWND hwnd, CWindow* object) {
    Objects& objects = TheObjects();
    std::lock_guard<std::mutex> lock(objects.mutex);
    objects.byWindow[hwnd] = object;
}

void Unbind(HWND hwnd) {
    Objects& objects = TheObjects();
    std::lock_guard<std::mutex> lock(objects.mutex);
    objects.byWindow.erase(hwnd);
}

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

// One subclass of ours per window.
constexpr UINT_PTR kSubclassId = 1;

// Trace lines name the program that wrote them: the base serves more than one.
const std::string& ProgramName() {
    static const std::string name = [] {
        char path[MAX_PATH] = {};
        const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
        const std::string_view file = PathFileName(std::string_view(path, length));
        return std::string(file.substr(0, file.rfind('.')));
    }();
    return name;
}

} // namespace

CWindow::~CWindow() {
    Destroy();
}

CWindow* CWindow::FromHandle(HWND hwnd) {
    if (!hwnd)
        return nullptr;
    Objects& objects = TheObjects();
    std::lock_guard<std::mutex> lock(objects.mutex);
    auto found = objects.byWindow.find(hwnd);
    return found == objects.byWindow.end() ? nullptr : found->second;
}

void CWindow::Destroy() {
    if (hwnd_ && IsWindow(hwnd_))
        DestroyWindow(hwnd_);
    Detach();
}

bool CWindow::RegisterWindowClass(const char* name, UINT style, HCURSOR cursor) {
    WNDCLASSA existing;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (GetClassInfoA(instance, name, &existing))
        return true;
    WNDCLASSA wc{};
    wc.style = style;
    wc.lpfnWndProc = StaticProc;
    wc.hInstance = instance;
    wc.hCursor = cursor ? cursor : LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = name;
    return RegisterClassA(&wc) != 0;
}

bool CWindow::Create(DWORD exStyle, const char* className, const char* title, DWORD style,
                     const RECT& rect, HWND parent) {
    HWND hwnd = CreateWindowExA(exStyle, className, title, style, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                                GetModuleHandleA(nullptr), this);
    return hwnd != nullptr && hwnd == hwnd_;
}

bool CWindow::Attach(HWND hwnd) {
    if (!hwnd || hwnd_)
        return false;
    if (!SetWindowSubclass(hwnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    hwnd_ = hwnd;
    subclassed_ = true;
    Bind(hwnd, this);
    return true;
}

void CWindow::Detach() {
    if (!hwnd_)
        return;
    Unbind(hwnd_);
    if (subclassed_ && IsWindow(hwnd_))
        RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
    hwnd_ = nullptr;
    subclassed_ = false;
}

LRESULT CWindow::Default() {
    if (subclassed_)
        return DefSubclassProc(hwnd_, current_.msg, current_.wp, current_.lp);
    return DefWindowProcA(hwnd_, current_.msg, current_.wp, current_.lp);
}

LRESULT CALLBACK CWindow::StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    CWindow* self = FromHandle(hwnd);
    if (!self && msg == WM_NCCREATE) {
        self = static_cast<CWindow*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        if (self) {
            self->hwnd_ = hwnd;
            Bind(hwnd, self);
        }
    }
    if (!self)
        return DefWindowProcA(hwnd, msg, wp, lp);
    return self->Run(msg, wp, lp);
}

LRESULT CALLBACK CWindow::SubclassProc(HWND, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                       DWORD_PTR self) {
    return reinterpret_cast<CWindow*>(self)->Run(msg, wp, lp);
}

LRESULT CWindow::Run(UINT msg, WPARAM wp, LPARAM lp) {
    Current saved = current_;
    current_ = {msg, wp, lp};
    LRESULT result =
        win::GuardedMessage(msg, ProgramName().c_str(), [&] { return Dispatch(msg, wp, lp); });
    current_ = saved;
    if (msg == WM_NCDESTROY) {
        Detach();
        OnFinalMessage();
    }
    return result;
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
    if (msg == WM_COMMAND && reinterpret_cast<HWND>(lp) != hwnd_ && ReflectCommand(wp, lp)) {
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
    HDC dc = BeginPaint(hwnd_, &ps);
    OnPaint(dc, ps);
    EndPaint(hwnd_, &ps);
    return 0;
}

LRESULT CWindow::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
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
    case WM_ERASEBKGND:
        return OnEraseBkgnd(reinterpret_cast<HDC>(wp));
    case WM_COMMAND:
        if (lp == 0 && HIWORD(wp) == 0)
            return OnMenuCommand(LOWORD(wp));
        return OnCommand(HIWORD(wp), reinterpret_cast<HWND>(lp));
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
    default:
        return OnMessage(msg, wp, lp);
    }
}

LRESULT CWindow::OnMessage(UINT, WPARAM, LPARAM) {
    return Default();
}

} // namespace mervik::ui
