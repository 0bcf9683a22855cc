#pragma once
// A window's hold on the keyboard capture. It ends with whatever ends its
// holder: the holder's own release, the window's destruction (its OnDestroy
// calls Release) or the object going away with the window still up.
#include <windows.h>

namespace mervik::ui {

class ScopedKeyCapture {
public:
    ScopedKeyCapture() = default;
    ScopedKeyCapture(const ScopedKeyCapture&) = delete;
    ScopedKeyCapture& operator=(const ScopedKeyCapture&) = delete;
    ~ScopedKeyCapture() { Release(); }

    // Captures the keyboard for `target`; false when that failed.
    bool Take(HWND target);
    // Ends the capture if this holder still has it.
    void Release();
    bool Held() const;

private:
    HWND target_ = nullptr;
};

} // namespace mervik::ui
