#include "ui/win32/main/FirstPaintSignal.h"

#include <windows.h>

#include "win32/UniqueHandleWin32.h"

namespace mervik::ui {

void SignalFirstPaint() {
    win::UniqueHandle event(OpenEventA(EVENT_MODIFY_STATE, FALSE, kFirstPaintEventName));
    if (event)
        SetEvent(event.get());
}

} // namespace mervik::ui
