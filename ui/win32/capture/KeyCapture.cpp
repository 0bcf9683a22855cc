#include "ui/win32/capture/KeyCapture.h"

#include <cstdio>

namespace mervik::ui {

namespace {

HHOOK hook = nullptr;
HWND target = nullptr;

void TraceHook(const char* format, const void* handle) {
    char line[64];
    snprintf(line, sizeof line, format, static_cast<unsigned>(reinterpret_cast<uintptr_t>(handle)));
    OutputDebugStringA(line);
}

LRESULT CALLBACK KeyboardProc(int code, WPARAM wp, LPARAM lp) {
    if (code < 0)
        return CallNextHookEx(hook, code, wp, lp);
    // A window gone without ending its capture must not take the keyboard
    // with it: the keys go on as if nothing held them.
    if (!IsWindow(target)) {
        RemoveKeyHook();
        return CallNextHookEx(nullptr, code, wp, lp);
    }
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lp);
    char line[16];
    snprintf(line, sizeof line, "%lx\n", static_cast<unsigned long>(key->vkCode));
    OutputDebugStringA(line);
    PostMessageA(target, kMsgCapturedKey, key->vkCode, key->flags & kCapturedKeyUp);
    return 1;
}

} // namespace

bool InstallKeyHook(HWND window) {
    if (hook)
        return target == window;
    hook = SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardProc, GetModuleHandleA(nullptr), 0);
    TraceHook("Hhook: %x\r\n", hook);
    target = hook ? window : nullptr;
    return hook != nullptr;
}

void RemoveKeyHook() {
    if (!hook)
        return;
    TraceHook("Hhook: %x\r\n", hook);
    const bool removed = UnhookWindowsHookEx(hook) != FALSE;
    OutputDebugStringA(removed ? "UnHhook: Success \r\n" : "UnHhook: Fail \r\n");
    hook = nullptr;
    target = nullptr;
}

void RemoveKeyHookOf(HWND window) {
    if (hook && target == window)
        RemoveKeyHook();
}

bool KeyCaptureActive() {
    return hook != nullptr;
}

HWND KeyCaptureTarget() {
    return target;
}

} // namespace mervik::ui
