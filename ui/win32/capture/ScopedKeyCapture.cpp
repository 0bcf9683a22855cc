#include "ui/win32/capture/ScopedKeyCapture.h"

#include "ui/win32/capture/KeyCapture.h"

namespace mervik::ui {

bool ScopedKeyCapture::Take(HWND target) {
    if (!InstallKeyHook(target))
        return false;
    target_ = target;
    return true;
}

void ScopedKeyCapture::Release() {
    if (target_)
        RemoveKeyHookOf(target_);
    target_ = nullptr;
}

bool ScopedKeyCapture::Held() const {
    return target_ && KeyCaptureActive() && KeyCaptureTarget() == target_;
}

} // namespace mervik::ui
