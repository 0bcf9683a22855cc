#include "win32/Window.h"

#include <commctrl.h>

#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

#include "settings/PathFileName.h"
#include "win32/AnsiText.h"
#include "win32/GuardedMessage.h"

namespace mervik::win {
namespace {

// Which object runs which window. Not a window property: under Wine every
// property read is a round trip to the window server, and this lookup runs
// for each message of each window and again for each reflected one, which
// made the first look of Option's main window measurably slower.
struct Objects {
    std::mutex mutex;
    std::unordered_map<HWND, Window*> byWindow;
};

// Never destroyed, so objects that outlive it at exit can still detach.
Objects& TheObjects() {
    static Objects* objects = new Objects;
    return *objects;
}

void Bind(HWND hwnd, Window* object) {
    Objects& objects = TheObjects();
    std::lock_guard<std::mutex> lock(objects.mutex);
    objects.byWindow[hwnd] = object;
}

void Unbind(HWND hwnd) {
    Objects& objects = TheObjects();
    std::lock_guard<std::mutex> lock(objects.mutex);
    objects.byWindow.erase(hwnd);
}

// The program or DLL this code is linked into: its classes are registered
// for it, and a DLL's windows must not pass for the program's.
HINSTANCE CodeModule() {
    static const HINSTANCE module = [] {
        HMODULE found = nullptr;
        GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                               GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCSTR>(&CodeModule), &found);
        return found;
    }();
    return module;
}

// Registers `cls` for this module unless a class of its name already is:
// a class is registered once, by whichever of its windows comes first.
bool RegisterOnce(WNDCLASSEXW cls) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(CodeModule(), cls.lpszClassName, &existing))
        return true;
    cls.cbSize = sizeof cls;
    cls.hInstance = CodeModule();
    return RegisterClassExW(&cls) != 0;
}

// Trace lines name the module that wrote them: the base serves more than one.
const std::string& ModuleName() {
    static const std::string name = [] {
        char path[MAX_PATH] = {};
        const DWORD length = GetModuleFileNameA(CodeModule(), path, MAX_PATH);
        const std::string_view file = PathFileName(std::string_view(path, length));
        return std::string(file.substr(0, file.rfind('.')));
    }();
    return name;
}

// What Post queues behind; registered, so it is no window's own message.
UINT PostedCallMessage() {
    static const UINT message = RegisterWindowMessageA("Mervik window posted call");
    return message;
}

// One subclass of ours per window.
constexpr UINT_PTR kSubclassId = 1;

} // namespace

Window::~Window() {
    Destroy();
}

Window* Window::FromHandle(HWND hwnd) {
    if (!hwnd)
        return nullptr;
    Objects& objects = TheObjects();
    std::lock_guard<std::mutex> lock(objects.mutex);
    auto found = objects.byWindow.find(hwnd);
    return found == objects.byWindow.end() ? nullptr : found->second;
}

void Window::Destroy() {
    if (hwnd_ && IsWindow(hwnd_))
        DestroyWindow(hwnd_);
    Detach();
}

bool Window::Post(std::function<void()> call) {
    if (!hwnd_ || PostedCallMessage() == 0)
        return false;
    posted_.push_back(std::move(call));
    if (PostMessageA(hwnd_, PostedCallMessage(), 0, 0))
        return true;
    posted_.pop_back();
    return false;
}

bool Window::RegisterWindowClass(const char* name, UINT style, HCURSOR cursor) {
    const std::wstring wideName = FromAnsi(name);
    WNDCLASSEXW wc{};
    wc.style = style;
    wc.lpfnWndProc = StaticProc;
    wc.hCursor = cursor ? cursor : LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = wideName.c_str();
    return RegisterOnce(wc);
}

void Window::UnregisterWindowClass(const wchar_t* className) {
    UnregisterClassW(className, CodeModule());
}

bool Window::Create(DWORD exStyle, const char* className, const char* title, DWORD style,
                    const RECT& rect, HWND parent) {
    unicode_ = true;
    HWND hwnd = CreateWindowExW(exStyle, FromAnsi(className).c_str(), FromAnsi(title).c_str(),
                                style, rect.left, rect.top, rect.right - rect.left,
                                rect.bottom - rect.top, parent, nullptr, CodeModule(), this);
    return hwnd != nullptr && hwnd == hwnd_;
}

bool Window::CreateMessageOnly(const wchar_t* className) {
    WNDCLASSEXW wc{};
    wc.lpfnWndProc = StaticProc;
    wc.lpszClassName = className;
    if (!RegisterOnce(wc))
        return false;
    unicode_ = true;
    HWND hwnd = CreateWindowExW(0, className, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                CodeModule(), this);
    return hwnd != nullptr && hwnd == hwnd_;
}

bool Window::CreateControl(const wchar_t* systemClass, const wchar_t* className, DWORD style,
                           const RECT& rect, HWND parent) {
    if (hwnd_)
        return false;
    WNDCLASSEXW control{};
    control.cbSize = sizeof control;
    if (!GetClassInfoExW(nullptr, systemClass, &control))
        return false;
    WNDCLASSEXW ours = control; // its extra bytes hold the control's state
    ours.style &= ~CS_GLOBALCLASS;
    ours.lpfnWndProc = StaticProc;
    ours.lpszClassName = className;
    if (!RegisterOnce(ours))
        return false;
    controlProc_ = control.lpfnWndProc;
    unicode_ = true;
    HWND hwnd =
        CreateWindowExW(0, className, L"", style, rect.left, rect.top, rect.right - rect.left,
                        rect.bottom - rect.top, parent, nullptr, CodeModule(), this);
    if (hwnd != nullptr && hwnd == hwnd_)
        return true;
    controlProc_ = nullptr;
    return false;
}

bool Window::Attach(HWND hwnd) {
    if (!hwnd || hwnd_)
        return false;
    if (!SetWindowSubclass(hwnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    hwnd_ = hwnd;
    subclassed_ = true;
    Bind(hwnd, this);
    return true;
}

void Window::Detach() {
    posted_.clear();
    if (!hwnd_)
        return;
    Unbind(hwnd_);
    if (subclassed_ && IsWindow(hwnd_))
        RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
    hwnd_ = nullptr;
    subclassed_ = false;
    controlProc_ = nullptr;
}

LRESULT Window::Default() {
    if (subclassed_)
        return DefSubclassProc(hwnd_, current_.msg, current_.wp, current_.lp);
    if (controlProc_)
        return CallWindowProcW(controlProc_, hwnd_, current_.msg, current_.wp, current_.lp);
    if (unicode_)
        return DefWindowProcW(hwnd_, current_.msg, current_.wp, current_.lp);
    return DefWindowProcA(hwnd_, current_.msg, current_.wp, current_.lp);
}

LRESULT CALLBACK Window::StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Window* self = FromHandle(hwnd);
    if (!self && msg == WM_NCCREATE) {
        // The creation parameter stands first in the ANSI and the wide record.
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        if (self) {
            self->hwnd_ = hwnd;
            Bind(hwnd, self);
        }
    }
    if (!self)
        return IsWindowUnicode(hwnd) ? DefWindowProcW(hwnd, msg, wp, lp)
                                     : DefWindowProcA(hwnd, msg, wp, lp);
    return self->Run(msg, wp, lp);
}

LRESULT CALLBACK Window::SubclassProc(HWND, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                      DWORD_PTR self) {
    return reinterpret_cast<Window*>(self)->Run(msg, wp, lp);
}

void Window::RunPostedCall() {
    if (posted_.empty())
        return;
    std::function<void()> call = std::move(posted_.front());
    posted_.pop_front();
    call();
}

LRESULT Window::Run(UINT msg, WPARAM wp, LPARAM lp) {
    Current saved = current_;
    current_ = {msg, wp, lp};
    LRESULT result = GuardedMessage(msg, ModuleName().c_str(), [&]() -> LRESULT {
        if (msg != 0 && msg == PostedCallMessage()) {
            RunPostedCall();
            return 0;
        }
        return WindowProcedure(msg, wp, lp);
    });
    current_ = saved;
    if (msg == WM_NCDESTROY) {
        Detach();
        OnFinalMessage();
    }
    return result;
}

} // namespace mervik::win
