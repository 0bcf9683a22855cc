#include "ui/main/FirstPaintSignal.h"

#include <windows.h>

#include "ui/main/KernelHandle.h"

namespace mervik::ui {

void SignalFirstPaint() {
    KernelHandle event(OpenEventA(EVENT_MODIFY_STATE, FALSE, kFirstPaintEventName));
    if (event)
        SetEvent(event.get());
}

} // namespace mervik::ui
